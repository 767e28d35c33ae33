#include "platform/canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/fonts.h"
#include "platform/palette.h"

namespace platform {

using lesson::DrawOp;
using lesson::Point;

void PixelRect::Add(const PixelRect& other) {
    if (other.Empty()) return;
    if (Empty()) {
        *this = other;
        return;
    }
    x0 = std::min(x0, other.x0);
    y0 = std::min(y0, other.y0);
    x1 = std::max(x1, other.x1);
    y1 = std::max(y1, other.y1);
}

namespace {

constexpr double kTurn = 2 * std::numbers::pi;

// How far, in device pixels, an erasing line reaches past the line it
// erases on each side: more than the half diagonal of a pixel, which is
// the farthest an anti-aliased edge can colour.
constexpr double kEraseMargin = 1.0;

// How far a rasteriser may put a glyph's ink from where it is asked, in
// device pixels: glyph origins are rounded to a whole or to a quarter pixel.
constexpr double kGlyphShift = 0.5;
// Whole device pixels that stay clear between a maths letter's ink and its
// neighbours', wherever the rasteriser rounds either of them.
constexpr int kLetterClearPixels = 2;

struct Bounds {
    double x0, y0, x1, y1;
};

Bounds PointBounds(const std::vector<Point>& points) {
    Bounds b{points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points) {
        b.x0 = std::min(b.x0, double(p.x));
        b.y0 = std::min(b.y0, double(p.y));
        b.x1 = std::max(b.x1, double(p.x));
        b.y1 = std::max(b.y1, double(p.y));
    }
    return b;
}

// The half-axes of a circle op: the radius is the larger one.
void HalfAxes(const DrawOp& op, double& rx, double& ry) {
    rx = op.radius;
    ry = op.radius;
    if (op.aspect < 1) ry = op.radius * op.aspect;
    else rx = op.radius / op.aspect;
}

double CellHeight(const DrawOp& op) { return double(op.font.size) * op.vscale; }
double FullCellWidth(const DrawOp& op) { return double(op.font.size) * op.hscale; }

double CellWidth(const DrawOp& op, char32_t c) {
    return lesson::ByteWidth(c) == 2 ? FullCellWidth(op) : FullCellWidth(op) / 2;
}

// The parameter of the point of an ellipse that lies at `angle` as seen
// from the centre.
double EllipseParameter(double angle, double rx, double ry) {
    return std::atan2(rx * std::sin(angle), ry * std::cos(angle));
}

}  // namespace

struct Canvas::Impl {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    double scale = 1;
    double offsetX = 0, offsetY = 0;  // device position of the plane's origin
    PixelRect plane;

    void SetColour(int colour) {
        const Rgb c = kPalette[static_cast<std::size_t>(colour)];
        cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
    }

    // A line width in logical units: never thinner than a device pixel.
    double StrokeWidth(int lineWidth) const { return std::max(double(lineWidth), 1 / scale); }

    // Fills the current path and keeps it.
    void Fill(int colour) {
        SetColour(colour);
        cairo_fill_preserve(cr);
    }

    // Strokes the current path at the op's line width and clears it. In
    // colour 15 the stroke erases: drawn without anti-aliasing and wider by
    // the erasing margin on each side, it covers the fringe of the same
    // stroke drawn in any colour.
    void Stroke(int colour, int lineWidth, cairo_line_join_t join) {
        SetColour(colour);
        cairo_set_line_join(cr, join);
        if (colour != kBackgroundColour) {
            cairo_set_line_width(cr, StrokeWidth(lineWidth));
            cairo_stroke(cr);
            return;
        }
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cr, StrokeWidth(lineWidth) + 2 * kEraseMargin / scale);
        cairo_stroke(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    }

    void Clear() {
        cairo_save(cr);
        cairo_reset_clip(cr);
        cairo_identity_matrix(cr);
        SetColour(kBackgroundColour);
        cairo_paint(cr);
        cairo_restore(cr);
    }

    void Line(const DrawOp& op) {
        cairo_move_to(cr, op.points[0].x, op.points[0].y);
        cairo_line_to(cr, op.points[1].x, op.points[1].y);
        Stroke(op.colour, op.lineWidth, CAIRO_LINE_JOIN_ROUND);
    }

    void Box(const DrawOp& op) {
        const Point a = op.points[0], b = op.points[1];
        cairo_rectangle(cr, a.x, a.y, b.x - a.x, b.y - a.y);
        if (op.kind == DrawOp::Kind::FilledBox) Fill(op.fill);
        Stroke(op.colour, op.lineWidth, CAIRO_LINE_JOIN_MITER);
    }

    void Polyline(const DrawOp& op) {
        cairo_move_to(cr, op.points[0].x, op.points[0].y);
        // A single point still makes a segment, drawn as a dot.
        if (op.points.size() == 1) cairo_line_to(cr, op.points[0].x, op.points[0].y);
        for (std::size_t i = 1; i < op.points.size(); ++i)
            cairo_line_to(cr, op.points[i].x, op.points[i].y);
        if (op.kind == DrawOp::Kind::Polygon) {
            cairo_close_path(cr);
            Fill(op.fill);
        }
        Stroke(op.colour, op.lineWidth, CAIRO_LINE_JOIN_ROUND);
    }

    void EllipsePath(double cx, double cy, double rx, double ry);
    void Dot(const DrawOp& op, double rx, double ry);
    void Circle(const DrawOp& op);
    void Text(const DrawOp& op);
    Point PlaceGothicGlyph(double x, double top, double width, const FontFace& face,
                           const cairo_matrix_t& matrix, const cairo_glyph_t* glyphs, int count);
    Point PlaceSerifGlyph(const DrawOp& op, double x, double top, double width,
                          const FontFace& face, cairo_matrix_t& matrix,
                          const cairo_glyph_t* glyphs, int count);
    // A stretch of a line in plane units.
    struct Span {
        double left, width;
    };
    Span LetterRoom(const lesson::LetterLine& line) const;
    PixelRect DeviceBounds(const DrawOp& op) const;
};

void Canvas::Impl::EllipsePath(double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, kTurn);
    cairo_close_path(cr);
    cairo_restore(cr);
}

// A whole circle no wider than its line is the disc its stroke covers:
// cairo's stroke of so tight a curve leaves a hole in the middle.
void Canvas::Impl::Dot(const DrawOp& op, double rx, double ry) {
    const double cx = op.points[0].x, cy = op.points[0].y;
    const double half = StrokeWidth(op.lineWidth) / 2;
    SetColour(op.colour);
    EllipsePath(cx, cy, rx + half, ry + half);
    cairo_fill(cr);
    if (op.colour != kBackgroundColour) return;
    const double margin = kEraseMargin / scale;
    EllipsePath(cx, cy, rx + half + margin, ry + half + margin);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_fill(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
}

void Canvas::Impl::Circle(const DrawOp& op) {
    const double cx = op.points[0].x, cy = op.points[0].y;
    double rx, ry;
    HalfAxes(op, rx, ry);
    double sweep = double(op.end) - op.start;
    const bool whole = (op.start == 0 && op.end == 0) || sweep >= 1;
    sweep -= std::floor(sweep);  // the arc runs forward, wrapping past a full turn

    const double reach = (StrokeWidth(op.lineWidth) * scale / 2 + kEraseMargin + 0.5) / scale;
    if (rx <= 0 || ry <= 0 || (whole && std::min(rx, ry) <= reach)) return Dot(op, rx, ry);
    if (whole) {
        EllipsePath(cx, cy, rx, ry);
    } else {
        // Angles are as seen on the screen, where y grows downward: an
        // increasing angle turns clockwise, as the fractions do.
        const double a0 = kTurn * op.start, a1 = a0 + kTurn * sweep;
        const double t0 = EllipseParameter(a0, rx, ry);
        double t1 = EllipseParameter(a1, rx, ry);
        while (t1 < t0) t1 += kTurn;
        if (op.sector) cairo_move_to(cr, cx, cy);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, t0, t1);
        cairo_restore(cr);
        if (op.sector) cairo_close_path(cr);
    }
    if (op.filled) Fill(op.fill);
    Stroke(op.colour, op.lineWidth, CAIRO_LINE_JOIN_ROUND);
}

// Every character has its own cell, left to right from the op's point.
// A Gothic glyph is scaled so that the face's ascent and descent fill the
// cell's height and a full-width (one em) glyph fills a full-width cell, and
// it is centred in its cell. A serif glyph (the maths letters) keeps the
// face's proportions: one em across as high, from the cell's height.
void Canvas::Impl::Text(const DrawOp& op) {
    const double height = CellHeight(op), fullWidth = FullCellWidth(op);
    if (height <= 0 || fullWidth <= 0) return;
    SetColour(op.colour);
    double x = op.points[0].x;
    const double top = op.points[0].y;
    for (char32_t c : op.text.Chars()) {
        const double width = CellWidth(op, c);
        const GlyphChoice choice = ChooseGlyph(op.font.face, op.font.bold, op.font.italic, c);
        const FontFace& face = *choice.face;
        const double em = height / (face.ascent + face.descent);
        cairo_set_font_face(cr, face.face);
        cairo_matrix_t matrix;
        cairo_matrix_init_scale(&matrix, face.proportional ? em : fullWidth, em);
        if (face.slanted) matrix.xy = -kSlant * matrix.yy;
        cairo_set_font_matrix(cr, &matrix);

        const std::string utf8 = lesson::ToUtf8(choice.drawn);
        cairo_glyph_t* glyphs = nullptr;
        int count = 0;
        if (cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(cr), 0, 0, utf8.data(),
                                             int(utf8.size()), &glyphs, &count, nullptr, nullptr,
                                             nullptr) == CAIRO_STATUS_SUCCESS &&
            count > 0) {
            const Point at =
                face.proportional
                    ? PlaceSerifGlyph(op, x, top, width, face, matrix, glyphs, count)
                    : PlaceGothicGlyph(x, top, width, face, matrix, glyphs, count);
            for (int i = 0; i < count; ++i) {
                glyphs[i].x += at.x;
                glyphs[i].y += at.y;
            }
            cairo_show_glyphs(cr, glyphs, count);
        }
        cairo_glyph_free(glyphs);
        x += width;
    }
}

// The origin of a Gothic glyph: on the face's baseline, its advance centred
// in the cell.
Point Canvas::Impl::PlaceGothicGlyph(double x, double top, double width, const FontFace& face,
                                      const cairo_matrix_t& matrix, const cairo_glyph_t* glyphs,
                                      int count) {
    cairo_text_extents_t extents;
    cairo_scaled_font_glyph_extents(cairo_get_scaled_font(cr), glyphs, count, &extents);
    double left = x + (width - extents.x_advance) / 2;
    if (face.emboldened) left -= kBoldGrowth * matrix.yy / 2;  // centre the thickening
    return {float(left), float(top + face.ascent * matrix.yy)};
}

// The origin of a serif glyph. A maths letter stands on the Gothic glyphs of
// its line, foot to foot, with its ink centred in its room (made smaller if
// it would not fit); any other serif glyph stands on its face's baseline
// with its advance centred in the cell. The font matrix may shrink.
Point Canvas::Impl::PlaceSerifGlyph(const DrawOp& op, double x, double top, double width,
                                     const FontFace& face, cairo_matrix_t& matrix,
                                     const cairo_glyph_t* glyphs, int count) {
    cairo_text_extents_t extents;
    cairo_scaled_font_glyph_extents(cairo_get_scaled_font(cr), glyphs, count, &extents);
    if (!op.letterLine)
        return {float(x + (width - extents.x_advance) / 2), float(top + face.ascent * matrix.yy)};

    const lesson::LetterLine& line = *op.letterLine;
    const Span room = LetterRoom(line);
    if (extents.width > room.width) {
        const double shrink = room.width / extents.width;
        cairo_matrix_scale(&matrix, shrink, shrink);
        cairo_set_font_matrix(cr, &matrix);
        cairo_scaled_font_glyph_extents(cairo_get_scaled_font(cr), glyphs, count, &extents);
    }
    const FontFace& gothic = *ChooseGlyph("ｺﾞｼｯｸ", false, false, U'x').face;
    const double lineEm = line.height / (gothic.ascent + gothic.descent);
    const double foot = line.top + (gothic.ascent - gothic.foot) * lineEm;
    const double left = room.left + (room.width - extents.width) / 2 - extents.x_bearing;
    return {float(left), float(foot + face.foot * matrix.yy)};
}

// The stretch of the plane a maths letter's ink may take. Its neighbours'
// marks reach to the ends of the room they leave it, and a rasteriser may
// put their ink a glyph shift further in; then come the clear pixels, then
// the letter's own glyph shift. The room never leaves the letter's advance.
Canvas::Impl::Span Canvas::Impl::LetterRoom(const lesson::LetterLine& line) const {
    const double pen = offsetX + line.penX * scale, next = pen + line.advance * scale;
    const double left = pen + line.reachBefore * scale, right = next - line.reachAfter * scale;
    double first = std::max(std::ceil(left + kGlyphShift) + kLetterClearPixels, std::ceil(pen));
    double end = std::min(std::floor(right - kGlyphShift) - kLetterClearPixels, std::floor(next));
    first += kGlyphShift;
    end -= kGlyphShift;
    // Too little room for the clearance (a plane shown very small): the
    // letter keeps to the middle half of what its neighbours leave.
    if (end - first < (right - left) / 2) {
        first = (3 * left + right) / 4;
        end = (left + 3 * right) / 4;
    }
    return {(first - offsetX) / scale, (end - first) / scale};
}

// The device pixels an op can touch, within the plane: its logical extent
// grown by the line width and the erasing margin (text by a cell height,
// for glyphs that reach out of their cells; a maths letter's extent holds
// its line).
PixelRect Canvas::Impl::DeviceBounds(const DrawOp& op) const {
    if (op.kind == DrawOp::Kind::Clear) return {0, 0, cairo_image_surface_get_width(surface),
                                                cairo_image_surface_get_height(surface)};
    Bounds b = PointBounds(op.points);
    double margin = op.lineWidth + (kEraseMargin + 2) / scale;
    if (op.kind == DrawOp::Kind::Circle) {
        double rx, ry;
        HalfAxes(op, rx, ry);
        b = {b.x0 - rx, b.y0 - ry, b.x1 + rx, b.y1 + ry};
    } else if (op.kind == DrawOp::Kind::Text) {
        double width = 0;
        for (char32_t c : op.text.Chars()) width += CellWidth(op, c);
        b = {b.x0, b.y0, b.x0 + width, b.y0 + CellHeight(op)};
        if (const auto& line = op.letterLine) {
            b.x0 = std::min(b.x0, double(line->penX));
            b.y0 = std::min(b.y0, double(line->top));
            b.x1 = std::max(b.x1, double(line->penX) + line->advance);
            b.y1 = std::max(b.y1, double(line->top) + line->height);
        }
        margin = CellHeight(op) + 2 / scale;
    }
    PixelRect r{int(std::floor(offsetX + (b.x0 - margin) * scale)),
                int(std::floor(offsetY + (b.y0 - margin) * scale)),
                int(std::ceil(offsetX + (b.x1 + margin) * scale)),
                int(std::ceil(offsetY + (b.y1 + margin) * scale))};
    r.x0 = std::max(r.x0, plane.x0);
    r.y0 = std::max(r.y0, plane.y0);
    r.x1 = std::min(r.x1, plane.x1);
    r.y1 = std::min(r.y1, plane.y1);
    return r.Empty() ? PixelRect{} : r;
}

Canvas::Canvas(int width, int height, double scale)
    : impl_(new Impl), width_(width), height_(height) {
    Impl& d = *impl_;
    d.surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    d.cr = cairo_create(d.surface);
    d.scale = scale;
    d.offsetX = std::round((width - kPlaneWidth * scale) / 2);
    d.offsetY = std::round((height - kPlaneHeight * scale) / 2);
    d.plane = {std::max(0, int(std::floor(d.offsetX))), std::max(0, int(std::floor(d.offsetY))),
               std::min(width, int(std::ceil(d.offsetX + kPlaneWidth * scale))),
               std::min(height, int(std::ceil(d.offsetY + kPlaneHeight * scale)))};
    d.Clear();
    cairo_translate(d.cr, d.offsetX, d.offsetY);
    cairo_scale(d.cr, scale, scale);
    cairo_rectangle(d.cr, 0, 0, kPlaneWidth, kPlaneHeight);
    cairo_clip(d.cr);
    cairo_set_line_cap(d.cr, CAIRO_LINE_CAP_ROUND);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(d.cr, options);
    cairo_font_options_destroy(options);
}

Canvas::~Canvas() {
    cairo_destroy(impl_->cr);
    cairo_surface_destroy(impl_->surface);
    delete impl_;
}

PixelRect Canvas::Draw(const DrawOp& op) {
    Impl& d = *impl_;
    const PixelRect touched = d.DeviceBounds(op);
    if (touched.Empty()) return touched;
    switch (op.kind) {
        case DrawOp::Kind::Clear: d.Clear(); break;
        case DrawOp::Kind::Line: d.Line(op); break;
        case DrawOp::Kind::Box:
        case DrawOp::Kind::FilledBox: d.Box(op); break;
        case DrawOp::Kind::Circle: d.Circle(op); break;
        case DrawOp::Kind::Polyline:
        case DrawOp::Kind::Polygon: d.Polyline(op); break;
        case DrawOp::Kind::Text: d.Text(op); break;
    }
    cairo_new_path(d.cr);
    return touched;
}

bool Canvas::WritePng(const std::string& path) const {
    cairo_surface_flush(impl_->surface);
    return cairo_surface_write_to_png(impl_->surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

const std::uint8_t* Canvas::Pixels() const {
    cairo_surface_flush(impl_->surface);
    return cairo_image_surface_get_data(impl_->surface);
}

int Canvas::Stride() const { return cairo_image_surface_get_stride(impl_->surface); }

PixelRect Canvas::PlaneRect() const { return impl_->plane; }

}  // namespace platform
