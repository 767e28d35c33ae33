#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <fontconfig/fontconfig.h>

#include "platform/canvas.h"
#include "platform/fonts.h"
#include "platform/palette.h"

namespace {

using lesson::DrawOp;
using lesson::Point;
using platform::Canvas;
using platform::PixelRect;
using K = DrawOp::Kind;

constexpr int kW = Canvas::kPlaneWidth, kH = Canvas::kPlaneHeight;

std::uint32_t Argb(int colour) {
    const platform::Rgb c = platform::kPalette[colour];
    return 0xff000000u | std::uint32_t(c.r) << 16 | std::uint32_t(c.g) << 8 | c.b;
}

std::uint32_t At(const Canvas& canvas, int x, int y) {
    std::uint32_t word;
    std::memcpy(&word, canvas.Pixels() + y * canvas.Stride() + x * 4, 4);
    return word;
}

// The pixels that are not background: their bounding rectangle and count.
struct Ink {
    PixelRect bounds;
    int count = 0;
};

Ink InkOf(const Canvas& canvas) {
    Ink ink;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (At(canvas, x, y) != Argb(15)) ink.bounds.Add({x, y, x + 1, y + 1}), ++ink.count;
    return ink;
}

DrawOp Shape(K kind, std::vector<Point> points, int colour, int fill = 0, int width = 3) {
    return {.kind = kind, .points = std::move(points), .colour = colour, .fill = fill, .lineWidth = width};
}

// A circle; a fill colour makes it filled.
DrawOp CircleOp(Point centre, float radius, int colour, float aspect = 1, float start = 0, float end = 0,
                bool sector = false, int fill = -1) {
    return {K::Circle, {centre}, colour, fill < 0 ? colour : fill, 3, radius, aspect, start, end, sector, fill >= 0};
}

DrawOp TextOp(Point at, const lesson::Text& text, int hscale, int vscale, bool bold = false,
              const lesson::Text& face = "ｺﾞｼｯｸ", float size = 16) {
    return {.kind = K::Text, .points = {at}, .hscale = hscale, .vscale = vscale, .text = text,
            .font = {.face = face, .size = size, .bold = bold}};
}

// A canvas of the plane's size at scale 1 with `ops` drawn on it.
std::unique_ptr<Canvas> Drawn(std::initializer_list<DrawOp> ops) {
    auto canvas = std::make_unique<Canvas>(kW, kH, 1.0);
    for (const DrawOp& op : ops) canvas->Draw(op);
    return canvas;
}

// Draws `op`, checking that every pixel it changed lies in the rectangle
// Draw reports: the window presents only that rectangle.
void DrawChecked(Canvas& canvas, const DrawOp& op) {
    const std::uint8_t* pixels = canvas.Pixels();
    const std::vector<std::uint8_t> before(pixels, pixels + canvas.Stride() * canvas.Height());
    const PixelRect touched = canvas.Draw(op);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const int at = y * canvas.Stride() + x * 4;
            const bool inside = x >= touched.x0 && x < touched.x1 && y >= touched.y0 && y < touched.y1;
            ASSERT_TRUE(inside || !std::memcmp(&before[at], pixels + at, 4)) << x << "," << y;
        }
    }
}

// Angles are fractions of a turn clockwise on the screen from 3 o'clock.
TEST(CanvasArcs, DirectionSectorsAndFills) {
    const DrawOp quarter = CircleOp({200, 200}, 100, 3, 1, 0, 0.25f, true, 3);  // 3 to 6 o'clock, filled
    const DrawOp wrapped = CircleOp({200, 200}, 100, 0, 1, 0.75f, 0.25f);      // 12 round the right to 6
    const DrawOp arc = CircleOp({200, 200}, 100, 0, 1, 0, 0.25f);
    const DrawOp sector = CircleOp({200, 200}, 100, 0, 1, 0, 0.25f, true);
    const DrawOp filled = CircleOp({200, 200}, 100, 0, 1, 0, 0, false, 11);
    const DrawOp eighth = CircleOp({200, 200}, 100, 3, 0.5f, 0, 0.125f, true, 11);  // of a flat ellipse
    const struct { const DrawOp& op; int x, y, colour; } probes[] = {
        {quarter, 250, 250, 3}, {quarter, 150, 250, 15}, {quarter, 250, 150, 15}, {quarter, 150, 150, 15},
        {wrapped, 300, 200, 0}, {wrapped, 100, 200, 15}, {wrapped, 200, 200, 15},  // no line to the centre
        {arc, 250, 200, 15},    {sector, 250, 200, 0},   {sector, 200, 250, 0},    {sector, 240, 240, 15},
        {filled, 200, 200, 11}, {filled, 300, 200, 0},   {filled, 305, 200, 15},
        {eighth, 230, 223, 11}, {eighth, 222, 228, 15},  // 37 and 52 degrees: it ends on the diagonal
    };
    for (const auto& p : probes) EXPECT_EQ(At(*Drawn({p.op}), p.x, p.y), Argb(p.colour)) << "probe " << &p - probes;
}

TEST(CanvasArcs, AspectIsHeightOverWidthAndAFullTurnIsTheWholeCircle) {
    // The radius is the larger half axis; line width 3.
    const PixelRect flat = InkOf(*Drawn({CircleOp({200, 200}, 100, 0, 0.5f)})).bounds;
    const PixelRect narrow = InkOf(*Drawn({CircleOp({200, 200}, 100, 0, 2)})).bounds;
    EXPECT_EQ(std::pair(flat.x0, flat.y0), std::pair(98, 148));
    EXPECT_EQ(std::pair(narrow.x0, narrow.y0), std::pair(148, 98));
    const int whole = InkOf(*Drawn({CircleOp({150, 150}, 80, 2)})).count;
    EXPECT_EQ(InkOf(*Drawn({CircleOp({150, 150}, 80, 2, 1, 0, 1)})).count, whole);
    EXPECT_NEAR(InkOf(*Drawn({CircleOp({150, 150}, 80, 2, 1, 0.4f, 1.4f)})).count, whole, whole / 50);
}

// Within a pixel: anti-aliasing may shade the pixel next to a cell.
TEST(CanvasText, GlyphsStayInsideTheirCells) {
    const struct { lesson::Text text; int hscale, vscale; float size; bool bold; } cases[] = {
        {"国", 2, 3, 16, true}, {"A", 3, 3, 16, true},  {"あ", 1, 1, 16, false},
        {"9", 4, 2, 16, true},  {"g", 3, 2, 15, false}, {"語", 3, 3, 11, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.Utf8());
        Canvas canvas(kW, kH, 1.0);
        DrawChecked(canvas, TextOp({100, 100}, c.text, c.hscale, c.vscale, c.bold, "ｺﾞｼｯｸ", c.size));
        const PixelRect ink = InkOf(canvas).bounds;
        const bool full = lesson::ByteWidth(c.text.At(0)) == 2;
        const double width = c.size * c.hscale / (full ? 1 : 2), height = c.size * c.vscale;
        ASSERT_FALSE(ink.Empty());
        EXPECT_TRUE(ink.x0 >= 99 && ink.y0 >= 99 && ink.x1 <= 100 + width + 1 && ink.y1 <= 100 + height + 1)
            << ink.x0 << "," << ink.y0 << " to " << ink.x1 << "," << ink.y1;
        EXPECT_GE(ink.x1 - ink.x0, full ? 0.75 * width : 0);
    }
    // "ab国" at scale 2: cells 16, 16 and 32 wide, the third from x 132.
    const auto both = Drawn({TextOp({100, 50}, "ab国", 2, 2)}), last = Drawn({TextOp({132, 50}, "国", 2, 2)});
    for (int y = 50; y < 82; ++y)
        for (int x = 132; x < 170; ++x) ASSERT_EQ(At(*both, x, y), At(*last, x, y)) << x << "," << y;
}

TEST(CanvasText, FacesByNameAndWeight) {
    auto ink = [](const lesson::Text& face, const lesson::Text& text, bool bold = false) {
        return InkOf(*Drawn({TextOp({10, 10}, text, 6, 3, bold, face)})).count;
    };
    EXPECT_GT(ink("ｺﾞｼｯｸ", "国語12", true), ink("ｺﾞｼｯｸ", "国語12") * 11 / 10);
    const int gothic = ink("ｺﾞｼｯｸ", "l");
    EXPECT_EQ(ink("ゴシック", "l"), gothic);
    EXPECT_EQ(ink("no such face", "l"), gothic);
    EXPECT_NE(ink("Times New Roman", "l"), gothic);
    EXPECT_NE(ink("MT Extra", "l"), ink("Times New Roman", "l"));  // the script l
    EXPECT_EQ(ink("MT Extra", "2"), ink("Times New Roman", "2"));

    // With no fonts at all, a substitute must not pass for the gothic face.
    EXPECT_TRUE(platform::GothicFaceInstalled());
    FcConfig* installed = FcConfigReference(nullptr);
    FcConfig* empty = FcConfigCreate();
    ASSERT_TRUE(FcConfigSetCurrent(empty));
    EXPECT_FALSE(platform::GothicFaceInstalled());
    FcConfigSetCurrent(installed);
    FcConfigDestroy(installed);
    FcConfigDestroy(empty);
}

// The ink of one letter drawn alone, every changed pixel checked to be
// reported; italic in the serif face, as the maths letters are drawn.
Ink LetterInk(const lesson::Text& face, const lesson::Text& letter, Point cell, int hscale, int vscale,
              float size, std::optional<lesson::LetterLine> line, double scale = 1) {
    Canvas canvas(int(kW * scale), int(kH * scale), scale);
    DrawOp op = TextOp(cell, letter, hscale, vscale, true, face, size);
    op.font.italic = face == "Times New Roman";
    op.letterLine = line;
    DrawChecked(canvas, op);
    return InkOf(canvas);
}

// A maths letter keeps its face's shape whatever cell it is drawn in, and
// every pixel it inks is reported, also below its cell where it stands on
// its line.
TEST(CanvasText, MathsLettersKeepTheFaceProportions) {
    auto aspect = [](const lesson::Text& face, const lesson::Text& letter, int hscale, int vscale, float size,
                     std::optional<lesson::LetterLine> line = std::nullopt) {
        const PixelRect ink = LetterInk(face, letter, {100, 100}, hscale, vscale, size, line).bounds;
        return double(ink.x1 - ink.x0) / (ink.y1 - ink.y0);
    };
    // The cells hang over their lines as the text routines draw them: on a
    // formula line, in a fraction's part, in plain text.
    for (const char* letter : {"x", "a", "c"}) {
        SCOPED_TRACE(letter);
        const double line = aspect("Times New Roman", letter, 10, 7, 8, {{96, 27, 122, 48}});
        EXPECT_NEAR(aspect("Times New Roman", letter, 12, 5, 8, {{96, 32, 116, 32}}), line, 0.1);
        EXPECT_NEAR(aspect("Times New Roman", letter, 7, 4, 8, {{96, 20, 112, 30}}), line, 0.15);
        EXPECT_NEAR(aspect("Times New Roman", letter, 3, 2, 20.8f), line, 0.1);  // a figure's axis label
        EXPECT_LT(line, 1.3);
    }
    EXPECT_LT(aspect("MT Extra", "l", 6, 3, 16, {{100, 32, 100, 48}}), 0.7);
}

// A maths letter stands where its line says, whatever its cell: a taller or
// moved cell leaves its foot on the line, a lower line takes it down, and
// its ink stays within the pen's advance.
TEST(CanvasText, MathsLettersStandOnTheLineTheyAreGiven) {
    auto placed = [](Point cell, int vscale, lesson::LetterLine line) {
        return LetterInk("Times New Roman", "x", cell, 10, vscale, 8, line);
    };
    const lesson::LetterLine line{.penX = 96, .advance = 27, .top = 122, .height = 48};
    const Ink onLine = placed({100, 100}, 7, line);
    ASSERT_GT(onLine.count, 0);
    EXPECT_TRUE(onLine.bounds.x0 >= 96 && onLine.bounds.x1 <= 96 + 27 + 1)
        << onLine.bounds.x0 << " to " << onLine.bounds.x1;
    for (const Ink& other : {placed({100, 90}, 8, line), placed({100, 40}, 7, line)})
        EXPECT_NEAR(other.bounds.y1, onLine.bounds.y1, 1);
    lesson::LetterLine lower = line;
    lower.top += 200;
    EXPECT_EQ(placed({100, 100}, 7, lower).bounds.y1, onLine.bounds.y1 + 200);

    // On a plane shown so small that the advance has no room for the
    // clearance, the letter still shows within it.
    for (double scale : {0.25, 0.125}) {
        const Ink small = LetterInk("Times New Roman", "x", {100, 100}, 10, 7, 8, line, scale);
        EXPECT_GT(small.count, 0) << scale;
        EXPECT_GE(small.bounds.x0, int(std::floor(96 * scale))) << scale;
        EXPECT_LE(small.bounds.x1, int(std::ceil((96 + 27) * scale))) << scale;
    }
}

// Drawing a shape and then the same shape in colour 15 leaves nothing, at
// any scale, whatever the coordinates' fractions; so does an erasing box
// whose edges coincide with the box it covers. Both report what they change.
TEST(CanvasErase, BackgroundColourLeavesNoGhost) {
    const std::vector<DrawOp> shapes = {
        Shape(K::Line, {{10.3f, 20.7f}, {290.1f, 170.4f}}, 0),
        Shape(K::Line, {{50, 50}, {250, 50}}, 3, 0, 1),
        Shape(K::Line, {{40.5f, 40.5f}, {40.5f, 40.5f}}, 5, 0, 5),
        Shape(K::Line, {{60, 60}, {200, 130}}, 5, 0, 0),
        Shape(K::Box, {{20.25f, 30.6f}, {180.4f, 140.2f}}, 13),
        Shape(K::FilledBox, {{96, 57}, {200, 93}}, 13, 4),
        Shape(K::Polyline, {{10, 10}, {100, 150.5f}, {190.7f, 10}, {280, 150}}, 2, 0, 5),
        Shape(K::Polygon, {{30, 30}, {270, 60}, {120.5f, 170.2f}}, 0, 14),
        CircleOp({150.4f, 100.6f}, 60, 3),
        CircleOp({64, 56}, 4, 5),
        CircleOp({100, 100}, 0.5f, 0),
        CircleOp({150, 100}, 70, 1, 0.6f, 0.1f, 0.7f, true, 11),
        CircleOp({150, 100}, 70, 1, 1.7f, 0.9f, 0.3f),
    };
    for (double scale : {1.0, 0.77, 1.6}) {
        for (DrawOp op : shapes) {
            Canvas canvas(int(kW * scale), int(kH * scale), scale);
            SCOPED_TRACE("scale " + std::to_string(scale) + " kind " + std::to_string(int(op.kind)));
            DrawChecked(canvas, op);
            ASSERT_GT(InkOf(canvas).count, 0);
            op.colour = op.fill = 15;
            DrawChecked(canvas, op);
            EXPECT_EQ(InkOf(canvas).count, 0);
        }
    }
    const auto box = Drawn({Shape(K::FilledBox, {{96, 57}, {400, 93}}, 13, 4),
                              Shape(K::FilledBox, {{0, 57}, {400, 93}}, 15, 15)});
    EXPECT_EQ(InkOf(*box).count, 0);
}

TEST(CanvasPlane, ScaledAndCentredAndHarmlessOffThePlane) {
    Canvas wide(2000, 800, 0.5);  // the plane is 720 x 360, at (640, 220)
    wide.Draw(Shape(K::FilledBox, {{-500, -500}, {3000, 3000}}, 0, 0));
    EXPECT_EQ(InkOf(wide).bounds.x0, 640);
    EXPECT_EQ(InkOf(wide).bounds.y1, 580);

    Canvas canvas(360, 180, 0.25);
    for (const DrawOp& op : {TextOp({0, 1800}, "測る", 1, 1), Shape(K::Line, {{-100, 1800}, {2000, 1800}}, 0),
                             Shape(K::FilledBox, {{1500, 0}, {1760, 1800}}, 0, 3), CircleOp({-400, 300}, 100, 0)}) {
        EXPECT_TRUE(canvas.Draw(op).Empty());
    }
    EXPECT_EQ(InkOf(canvas).count, 0);
    for (const DrawOp& op : {Shape(K::Box, {{100, 100}, {100, 100}}, 0), Shape(K::Polygon, {{200, 200}}, 0, 3),
                             Shape(K::Polyline, {{300, 300}}, 0), CircleOp({400, 400}, 0, 0, 1, 0.3f, 0.3f, true, 3),
                             TextOp({500, 500}, "無", 0, 3), TextOp({500, 500}, "", 2, 3)})
        canvas.Draw(op);
    // The canvas still draws afterwards.
    canvas.Draw(Shape(K::FilledBox, {{800, 400}, {1200, 600}}, 0, 3));
    EXPECT_EQ(At(canvas, 250, 125), Argb(3));
}

}  // namespace
