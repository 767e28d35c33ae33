#include "platform/contrast_audit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "platform/canvas.h"
#include "platform/colour_measures.h"
#include "platform/headless_runtime.h"
#include "platform/palette.h"

namespace platform {

using lesson::DrawOp;

namespace {

// A mark's bounding box is at least this many line widths each way.
constexpr double kMarkExtent = 3;
// The share of a mark's bounding box that shows its fill.
constexpr double kMarkOnFill = 0.95;

int Most(const std::array<long, 16>& cover) {
    return int(std::max_element(cover.begin(), cover.end()) - cover.begin());
}

bool IsBlank(char32_t c) { return c == U' ' || c == U'\u3000'; }

// At most `count` characters of the text, marked when cut.
std::string Sample(const lesson::Text& text, std::size_t count = 16) {
    std::string out;
    for (std::size_t i = 0; i < text.Size() && i < count; ++i) out += lesson::ToUtf8(text.At(i));
    return text.Size() > count ? out + "…" : out;
}

const char* MarkName(const DrawOp& op) {
    switch (op.kind) {
        case DrawOp::Kind::Line: return "(line)";
        case DrawOp::Kind::Polyline: return "(polyline)";
        default: return "(circle)";
    }
}

std::string Format(const char* format, auto... args) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

std::string Where(const ContrastPair& pair) {
    if (pair.program.empty()) return "not drawn in the walks";
    return Format("%s step %d: %s", pair.program.c_str(), pair.firstStep, pair.firstDrawn.c_str());
}

}  // namespace

ContrastAudit::ContrastAudit() = default;
ContrastAudit::~ContrastAudit() = default;

lesson::RunResult ContrastAudit::Walk(const std::string& program, const Run& run, const lesson::Text& keys) {
    HeadlessRuntime rt(keys);
    rt.SetKeepOps(false);
    rt.EnableCanvas();
    program_ = program;
    step_ = 1;
    rt.onWait = [this](lesson::WaitKind) { ++step_; };
    rt.beforeDraw = [this, &rt](const DrawOp& op) { Inspect(op, *rt.GetCanvas()); };
    return run(rt);
}

void ContrastAudit::Inspect(const DrawOp& op, const Canvas& canvas) {
    if (op.kind == DrawOp::Kind::Text) {
        const double full = double(op.font.size) * op.hscale, height = double(op.font.size) * op.vscale;
        double x = op.points[0].x;
        const double top = op.points[0].y;
        for (char32_t c : op.text.Chars()) {
            const double width = lesson::ByteWidth(c) == 2 ? full : full / 2;
            const Coverage cover = Cover(canvas, x, top, x + width, top + height);
            const int ground = Most(cover);
            if (IsBlank(c) || cover[std::size_t(ground)] == 0) {
                // no ink, or off the plane
            } else if (ground == op.colour) {
                ++erasedGlyphs_;
            } else {
                Add(op.colour, ground, true, Sample(op.text));
            }
            x += width;
        }
        return;
    }
    const bool stroke = op.kind == DrawOp::Kind::Line || op.kind == DrawOp::Kind::Polyline ||
                        (op.kind == DrawOp::Kind::Circle && !op.filled);
    if (!stroke || op.colour == kBackgroundColour) return;
    double x0 = op.points[0].x, y0 = op.points[0].y, x1 = x0, y1 = y0;
    for (const lesson::Point& p : op.points) {
        x0 = std::min(x0, double(p.x));
        y0 = std::min(y0, double(p.y));
        x1 = std::max(x1, double(p.x));
        y1 = std::max(y1, double(p.y));
    }
    if (op.kind == DrawOp::Kind::Circle) {
        // The radius is the larger half-axis; aspect is height over width.
        const double rx = op.aspect < 1 ? op.radius : op.radius / op.aspect;
        const double ry = op.aspect < 1 ? op.radius * op.aspect : op.radius;
        x0 -= rx, x1 += rx, y0 -= ry, y1 += ry;
    }
    // A mark covers an area (a ring, a cross's stroke); a level or upright
    // line lies along a border, a rule or another line, whose colour would
    // pass for its ground.
    if (x1 - x0 < kMarkExtent * op.lineWidth || y1 - y0 < kMarkExtent * op.lineWidth) return;
    const double half = op.lineWidth / 2.0;
    const Coverage cover = Cover(canvas, x0 - half, y0 - half, x1 + half, y1 + half);
    const int ground = Most(cover);
    if (ground == kBackgroundColour || ground == op.colour) return;
    // On one fill: the box shows that fill, or the mark's own colour (the
    // other stroke of a cross), nearly everywhere.
    long total = 0;
    for (long n : cover) total += n;
    if (double(cover[std::size_t(ground)] + cover[std::size_t(op.colour)]) >= kMarkOnFill * double(total))
        Add(op.colour, ground, false, MarkName(op));
}

ContrastAudit::Coverage ContrastAudit::Cover(const Canvas& canvas, double x0, double y0, double x1,
                                             double y1) {
    const PixelRect plane = canvas.PlaneRect();
    const double scale = double(plane.x1 - plane.x0) / Canvas::kPlaneWidth;
    // The pixels whose centres lie in the rectangle.
    auto edge = [scale](double v, int offset) { return offset + int(std::lround(v * scale)); };
    const int px0 = std::max(edge(x0, plane.x0), plane.x0), px1 = std::min(edge(x1, plane.x0), plane.x1);
    const int py0 = std::max(edge(y0, plane.y0), plane.y0), py1 = std::min(edge(y1, plane.y0), plane.y1);
    Coverage count{};
    if (px0 >= px1 || py0 >= py1) return count;
    const std::uint8_t* pixels = canvas.Pixels();
    for (int y = py0; y < py1; ++y) {
        const std::uint8_t* row = pixels + std::ptrdiff_t(y) * canvas.Stride();
        std::uint32_t last = 0;
        int lastColour = -1;
        for (int x = px0; x < px1; ++x) {
            std::uint32_t argb;
            std::memcpy(&argb, row + x * 4, 4);
            if (argb != last || lastColour < 0) lastColour = Nearest(argb), last = argb;
            ++count[std::size_t(lastColour)];
        }
    }
    return count;
}

int ContrastAudit::Nearest(std::uint32_t argb) {
    const auto known = nearest_.find(argb);
    if (known != nearest_.end()) return known->second;
    const int r = int(argb >> 16 & 0xff), g = int(argb >> 8 & 0xff), b = int(argb & 0xff);
    int best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (int i = 0; i < 16; ++i) {
        const Rgb c = kPalette[std::size_t(i)];
        const long d = long(r - c.r) * (r - c.r) + long(g - c.g) * (g - c.g) + long(b - c.b) * (b - c.b);
        if (d < bestDistance) best = i, bestDistance = d;
    }
    nearest_.emplace(argb, best);
    return best;
}

void ContrastAudit::Add(int colour, int ground, bool glyph, const std::string& drawn) {
    ContrastPair& pair = pairs_[{colour, ground}];
    if (pair.program.empty()) {
        pair.colour = colour;
        pair.ground = ground;
        pair.program = program_;
        pair.firstStep = step_;
        pair.firstDrawn = drawn;
    }
    ++(glyph ? pair.glyphs : pair.marks);
}

double ContrastAudit::Least(int colour, int ground) {
    for (const auto& [c, g] : kBoxTextPairs)
        if (c == colour && g == ground) return kBoxTextContrast;
    return kDrawnContrast;
}

// The drawn pairs and the box texts, least contrast first.
static std::vector<ContrastPair> Rows(const std::map<std::pair<int, int>, ContrastPair>& pairs) {
    std::vector<ContrastPair> rows;
    for (const auto& [key, pair] : pairs) rows.push_back(pair);
    for (const auto& [c, g] : kBoxTextPairs)
        if (!pairs.contains({c, g})) rows.push_back({.colour = c, .ground = g});
    std::stable_sort(rows.begin(), rows.end(), [](const ContrastPair& a, const ContrastPair& b) {
        return PaletteContrast(a.colour, a.ground) < PaletteContrast(b.colour, b.ground);
    });
    return rows;
}

std::vector<std::string> ContrastAudit::Failures() const {
    std::vector<std::string> failures;
    for (const ContrastPair& pair : Rows(pairs_)) {
        const double contrast = PaletteContrast(pair.colour, pair.ground), least = Least(pair.colour, pair.ground);
        if (contrast < least)
            failures.push_back(Format("%d on %d: contrast %.2f:1, below %.1f:1 (%s)", pair.colour, pair.ground,
                                      contrast, least, Where(pair).c_str()));
    }
    for (int a = 0; a < 16; ++a)
        for (int b = a + 1; b < 16; ++b)
            if (PaletteDistance(a, b) < kLeastColourDistance)
                failures.push_back(Format("%d and %d: CIEDE2000 %.1f, below %.0f", a, b, PaletteDistance(a, b),
                                          kLeastColourDistance));
    return failures;
}

std::string ContrastAudit::Table() const {
    std::string out = "colour on ground  contrast  needs  glyphs  marks  first drawn\n";
    for (const ContrastPair& pair : Rows(pairs_)) {
        const double contrast = PaletteContrast(pair.colour, pair.ground), least = Least(pair.colour, pair.ground);
        out += Format("%6d on %-6d  %6.2f:1  %3.1f:1  %6ld  %5ld  %s%s\n", pair.colour, pair.ground, contrast,
                      least, pair.glyphs, pair.marks, Where(pair).c_str(), contrast < least ? "  << too low" : "");
    }
    int closeA = 0, closeB = 1;
    for (int a = 0; a < 16; ++a)
        for (int b = a + 1; b < 16; ++b)
            if (PaletteDistance(a, b) < PaletteDistance(closeA, closeB)) closeA = a, closeB = b;
    out += Format("erasing glyphs skipped: %ld\n", erasedGlyphs_);
    out += Format("closest colour numbers: %d and %d, CIEDE2000 %.1f (needs %.0f)\n", closeA, closeB,
                  PaletteDistance(closeA, closeB), kLeastColourDistance);
    const std::vector<std::string> failures = Failures();
    out += failures.empty() ? "every pair passes\n" : Format("%zu failures\n", failures.size());
    return out;
}

}  // namespace platform
