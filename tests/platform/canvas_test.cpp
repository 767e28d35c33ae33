#include <gtest/gtest.h>

#include <cstring>
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

// The smallest rectangle holding every pixel that is not background.
PixelRect InkBounds(const Canvas& canvas) {
    PixelRect ink;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (At(canvas, x, y) != Argb(15)) ink.Add({x, y, x + 1, y + 1});
    return ink;
}

int InkCount(const Canvas& canvas) {
    int count = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) count += At(canvas, x, y) != Argb(15);
    return count;
}

DrawOp Shape(DrawOp::Kind kind, std::vector<Point> points, int colour, int fill = 0, int width = 3) {
    DrawOp op;
    op.kind = kind;
    op.points = std::move(points);
    op.colour = colour;
    op.fill = fill;
    op.lineWidth = width;
    return op;
}

DrawOp CircleOp(Point centre, float radius, int colour, float aspect = 1, float start = 0,
                float end = 0, bool sector = false, bool filled = false, int fill = 0) {
    DrawOp op = Shape(DrawOp::Kind::Circle, {centre}, colour, filled ? fill : colour);
    op.radius = radius;
    op.aspect = aspect;
    op.start = start;
    op.end = end;
    op.sector = sector;
    op.filled = filled;
    return op;
}

DrawOp TextOp(Point at, const lesson::Text& text, int hscale, int vscale, bool bold = false,
              const lesson::Text& face = "ｺﾞｼｯｸ", float size = 16) {
    DrawOp op = Shape(DrawOp::Kind::Text, {at}, 0);
    op.text = text;
    op.hscale = hscale;
    op.vscale = vscale;
    op.font.face = face;
    op.font.size = size;
    op.font.bold = bold;
    return op;
}

DrawOp InBackground(DrawOp op) {
    op.colour = 15;
    op.fill = 15;
    return op;
}

TEST(CanvasArcs, RunClockwiseOnTheScreenFromThreeOClock) {
    Canvas canvas(kW, kH, 1.0);
    canvas.Draw(CircleOp({200, 200}, 100, 3, 1, 0, 0.25, true, true, 3));
    EXPECT_EQ(At(canvas, 250, 250), Argb(3));  // below right
    EXPECT_EQ(At(canvas, 150, 250), Argb(15));
    EXPECT_EQ(At(canvas, 250, 150), Argb(15));
    EXPECT_EQ(At(canvas, 150, 150), Argb(15));
}

TEST(CanvasArcs, WrapPastAFullTurn) {
    Canvas canvas(kW, kH, 1.0);
    canvas.Draw(CircleOp({200, 200}, 100, 0, 1, 0.75, 0.25));  // top, round the right, to bottom
    EXPECT_EQ(At(canvas, 300, 200), Argb(0));
    EXPECT_EQ(At(canvas, 100, 200), Argb(15));
    EXPECT_EQ(At(canvas, 200, 200), Argb(15));  // no line to the centre
}

TEST(CanvasArcs, OneFullTurnIsTheWholeCircle) {
    Canvas whole(kW, kH, 1.0), turn(kW, kH, 1.0), shifted(kW, kH, 1.0);
    whole.Draw(CircleOp({150, 150}, 80, 2));
    turn.Draw(CircleOp({150, 150}, 80, 2, 1, 0, 1));
    shifted.Draw(CircleOp({150, 150}, 80, 2, 1, 0.4f, 1.4f));
    EXPECT_EQ(InkCount(turn), InkCount(whole));
    EXPECT_NEAR(InkCount(shifted), InkCount(whole), InkCount(whole) / 50);
    EXPECT_EQ(At(turn, 70, 150), Argb(2));
}

TEST(CanvasArcs, SectorJoinsTheEndsToTheCentre) {
    Canvas arc(kW, kH, 1.0), sector(kW, kH, 1.0);
    arc.Draw(CircleOp({200, 200}, 100, 0, 1, 0, 0.25));
    sector.Draw(CircleOp({200, 200}, 100, 0, 1, 0, 0.25, true));
    EXPECT_EQ(At(arc, 250, 200), Argb(15));
    EXPECT_EQ(At(sector, 250, 200), Argb(0));  // the radius at 3 o'clock
    EXPECT_EQ(At(sector, 200, 250), Argb(0));  // the radius at 6 o'clock
    EXPECT_EQ(At(sector, 240, 240), Argb(15));  // not filled
}

TEST(CanvasArcs, FilledCircleHasItsFillInsideAndItsColourRound) {
    Canvas canvas(kW, kH, 1.0);
    canvas.Draw(CircleOp({200, 200}, 100, 0, 1, 0, 0, false, true, 11));
    EXPECT_EQ(At(canvas, 200, 200), Argb(11));
    EXPECT_EQ(At(canvas, 300, 200), Argb(0));
    EXPECT_EQ(At(canvas, 305, 200), Argb(15));
}

TEST(CanvasArcs, AspectIsHeightOverWidthWithTheRadiusTheLargerHalfAxis) {
    Canvas flat(kW, kH, 1.0), narrow(kW, kH, 1.0);
    flat.Draw(CircleOp({200, 200}, 100, 0, 0.5f));
    narrow.Draw(CircleOp({200, 200}, 100, 0, 2));
    EXPECT_EQ(InkBounds(flat).x0, 98);  // 100 wide each way, 50 high, width 3
    EXPECT_EQ(InkBounds(flat).y0, 148);
    EXPECT_EQ(InkBounds(narrow).x0, 148);
    EXPECT_EQ(InkBounds(narrow).y0, 98);
}

TEST(CanvasArcs, EllipseAnglesAreAsSeenOnTheScreen) {
    // A flat ellipse's sector to an eighth of a turn ends on the diagonal.
    Canvas canvas(kW, kH, 1.0);
    canvas.Draw(CircleOp({200, 200}, 100, 3, 0.5f, 0, 0.125f, true, true, 11));
    EXPECT_EQ(At(canvas, 230, 223), Argb(11));  // 37 degrees below 3 o'clock
    EXPECT_EQ(At(canvas, 222, 228), Argb(15));  // 52 degrees
}

// Within a pixel: anti-aliasing may shade the pixel next to a cell.
TEST(CanvasText, GlyphsStayInsideTheirCells) {
    struct Case {
        lesson::Text text;
        int hscale, vscale;
        float size;
        bool bold;
    };
    const Case cases[] = {{"国", 2, 3, 16, true}, {"A", 3, 3, 16, true}, {"あ", 1, 1, 16, false},
                          {"9", 4, 2, 16, true},  {"g", 3, 2, 15, false}, {"語", 3, 3, 11, true}};
    for (const Case& c : cases) {
        Canvas canvas(kW, kH, 1.0);
        canvas.Draw(TextOp({100, 100}, c.text, c.hscale, c.vscale, c.bold, "ｺﾞｼｯｸ", c.size));
        const bool full = lesson::ByteWidth(c.text.At(0)) == 2;
        const double width = c.size * c.hscale / (full ? 1 : 2), height = c.size * c.vscale;
        const PixelRect ink = InkBounds(canvas);
        ASSERT_FALSE(ink.Empty()) << c.text.Utf8();
        EXPECT_GE(ink.x0, 99) << c.text.Utf8();
        EXPECT_GE(ink.y0, 99) << c.text.Utf8();
        EXPECT_LE(ink.x1, 100 + width + 1) << c.text.Utf8();
        EXPECT_LE(ink.y1, 100 + height + 1) << c.text.Utf8();
        if (full) {
            EXPECT_GE(ink.x1 - ink.x0, 0.75 * width) << c.text.Utf8();
        }
    }
}

TEST(CanvasText, CellsFollowOneAnotherByWidthClass) {
    // "ab国" at scale 2: cells 16, 16 and 32 wide, so the third glyph is
    // drawn from x 132.
    Canvas both(kW, kH, 1.0), last(kW, kH, 1.0);
    both.Draw(TextOp({100, 50}, "ab国", 2, 2));
    last.Draw(TextOp({132, 50}, "国", 2, 2));
    for (int y = 50; y < 82; ++y)
        for (int x = 132; x < 170; ++x) ASSERT_EQ(At(both, x, y), At(last, x, y)) << x << "," << y;
}

TEST(CanvasText, BoldIsHeavierThanRegular) {
    Canvas regular(kW, kH, 1.0), bold(kW, kH, 1.0);
    regular.Draw(TextOp({10, 10}, "国語12", 2, 3));
    bold.Draw(TextOp({10, 10}, "国語12", 2, 3, true));
    EXPECT_GT(InkCount(bold), InkCount(regular) * 11 / 10);
}

TEST(CanvasText, FacesByName) {
    auto ink = [](const lesson::Text& face, const lesson::Text& text) {
        Canvas canvas(kW, kH, 1.0);
        canvas.Draw(TextOp({10, 10}, text, 6, 3, false, face));
        return InkCount(canvas);
    };
    const int gothic = ink("ｺﾞｼｯｸ", "l");
    EXPECT_EQ(ink("ゴシック", "l"), gothic);
    EXPECT_EQ(ink("no such face", "l"), gothic);
    EXPECT_NE(ink("Times New Roman", "l"), gothic);
    EXPECT_NE(ink("MT Extra", "l"), ink("Times New Roman", "l"));  // the script l
    EXPECT_EQ(ink("MT Extra", "2"), ink("Times New Roman", "2"));
}

TEST(CanvasText, GothicFaceIsFoundOnlyWhenInstalled) {
    EXPECT_TRUE(platform::GothicFaceInstalled());
    // A configuration with no fonts at all: a substitute must not pass.
    FcConfig* installed = FcConfigReference(nullptr);
    FcConfig* empty = FcConfigCreate();
    ASSERT_TRUE(FcConfigSetCurrent(empty));
    EXPECT_FALSE(platform::GothicFaceInstalled());
    FcConfigSetCurrent(installed);
    FcConfigDestroy(installed);
    FcConfigDestroy(empty);
}

// Drawing a shape and then the same shape in colour 15 leaves nothing, at
// any scale, whatever the coordinates' fractions.
TEST(CanvasErase, BackgroundColourLeavesNoGhost) {
    using K = DrawOp::Kind;
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
        CircleOp({150, 100}, 70, 1, 0.6f, 0.1f, 0.7f, true, true, 11),
        CircleOp({150, 100}, 70, 1, 1.7f, 0.9f, 0.3f),
    };
    for (double scale : {1.0, 0.77, 1.6}) {
        for (const DrawOp& op : shapes) {
            Canvas canvas(int(kW * scale), int(kH * scale), scale);
            canvas.Draw(op);
            ASSERT_GT(InkCount(canvas), 0);
            canvas.Draw(InBackground(op));
            EXPECT_EQ(InkCount(canvas), 0) << "scale " << scale << " kind " << int(op.kind);
        }
    }
}

TEST(CanvasErase, EraseBoxCoversABoxWhoseEdgesCoincide) {
    Canvas canvas(kW, kH, 1.0);
    canvas.Draw(Shape(DrawOp::Kind::FilledBox, {{96, 57}, {400, 93}}, 13, 4));
    canvas.Draw(Shape(DrawOp::Kind::FilledBox, {{0, 57}, {400, 93}}, 15, 15));
    EXPECT_EQ(InkCount(canvas), 0);
}

TEST(CanvasPlane, ScaledAndCentredWithTheRestInTheBackground) {
    Canvas canvas(2000, 800, 0.5);  // the plane is 720 x 360, at (640, 220)
    EXPECT_EQ(canvas.PlaneRect().x0, 640);
    EXPECT_EQ(canvas.PlaneRect().y0, 220);
    canvas.Draw(Shape(DrawOp::Kind::FilledBox, {{-500, -500}, {3000, 3000}}, 0, 0));
    EXPECT_EQ(InkBounds(canvas).x0, 640);
    EXPECT_EQ(InkBounds(canvas).y1, 580);
    canvas.Draw(Shape(DrawOp::Kind::Clear, {}, 15));
    EXPECT_EQ(InkCount(canvas), 0);
}

TEST(CanvasPlane, OffPlaneAndDegenerateDrawingIsHarmless) {
    Canvas canvas(360, 180, 0.25);
    using K = DrawOp::Kind;
    const DrawOp outside[] = {
        TextOp({0, 1800}, "測る", 1, 1),
        Shape(K::Line, {{-100, 1800}, {2000, 1800}}, 0),
        Shape(K::FilledBox, {{1500, 0}, {1760, 1800}}, 0, 3),
        CircleOp({-400, 300}, 100, 0),
    };
    for (const DrawOp& op : outside) EXPECT_TRUE(canvas.Draw(op).Empty());
    EXPECT_EQ(InkCount(canvas), 0);
    const DrawOp degenerate[] = {
        Shape(K::Box, {{100, 100}, {100, 100}}, 0),
        Shape(K::Polygon, {{200, 200}}, 0, 3),
        Shape(K::Polyline, {{300, 300}}, 0),
        CircleOp({400, 400}, 0, 0, 1, 0.3f, 0.3f, true, true, 3),
        TextOp({500, 500}, "無", 0, 3),
        TextOp({500, 500}, "", 2, 3),
    };
    for (const DrawOp& op : degenerate) canvas.Draw(op);
    // The canvas still draws afterwards.
    canvas.Draw(Shape(K::FilledBox, {{800, 400}, {1200, 600}}, 0, 3));
    EXPECT_EQ(At(canvas, 250, 125), Argb(3));
}

TEST(CanvasPlane, DrawReportsEveryPixelItChanged) {
    using K = DrawOp::Kind;
    const DrawOp ops[] = {
        Shape(K::Line, {{10, 10}, {300, 190}}, 0, 0, 10),
        Shape(K::Box, {{20, 30}, {180, 140}}, 13, 0, 5),
        CircleOp({150, 100}, 70, 1, 0.6f),
        TextOp({20, 40}, "国語ag", 3, 3, true),
        InBackground(Shape(K::Polyline, {{10, 10}, {100, 150}, {190, 10}}, 2, 0, 4)),
    };
    for (double scale : {1.0, 1.37}) {
        for (const DrawOp& op : ops) {
            Canvas canvas(int(kW * scale), int(kH * scale), scale);
            canvas.Draw(Shape(K::FilledBox, {{0, 0}, {320, 220}}, 8, 8));
            std::vector<std::uint8_t> before(canvas.Pixels(),
                                             canvas.Pixels() + canvas.Stride() * canvas.Height());
            const PixelRect touched = canvas.Draw(op);
            for (int y = 0; y < canvas.Height(); ++y) {
                for (int x = 0; x < canvas.Width(); ++x) {
                    const bool changed = std::memcmp(&before[y * canvas.Stride() + x * 4],
                                                     canvas.Pixels() + y * canvas.Stride() + x * 4, 4);
                    const bool inside = x >= touched.x0 && x < touched.x1 && y >= touched.y0 &&
                                        y < touched.y1;
                    ASSERT_TRUE(!changed || inside) << x << "," << y << " kind " << int(op.kind);
                }
            }
        }
    }
}

}  // namespace
