#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "lessonlib/charts/figure_marks.h"
#include "lessonlib/charts/polygons.h"
#include "lessonlib/charts/ray_angles.h"
#include "lessonlib/shell/text.h"
#include "tests/charts/chart_ops.h"

using namespace lesson;
using namespace chart_test;
using testing_support::JoinedText;
using testing_support::VisibleOps;
using Rays = ChartTest;

namespace {

constexpr float kPi = 3.14159f;

void ExpectNear(const Point& at, float x, float y) {
    EXPECT_NEAR(at.x, x, 0.01);
    EXPECT_NEAR(at.y, y, 0.01);
}

struct FigureMarks : ChartTest {
    // The centres of the dots of an arc labelled "5" over (100, 300) - (300, 300).
    std::vector<Point> DottedArcDots(float height, float side, float span, float step) {
        f.rt.ClearOps();
        Corner(p, 100, 300, 300, 300);
        Set({{&p.TAKASA, height}, {&p.HOUKOU, side}, {&p.NAKA, span}, {&p.HABA, step}});
        p.AAA_s = "5";
        DrawDottedArc(p);
        std::vector<Point> dots;
        for (const DrawOp& op : OfKind(f.rt.Ops(), DrawOp::Kind::Circle)) dots.push_back(op.points[0]);
        return dots;
    }
};

}  // namespace

TEST_F(Rays, DirectionsInAllFourQuadrantsAndOfCoincidentPoints) {
    // From (100, 100); y grows down the screen, directions counter-clockwise.
    const float cases[][3] = {{200, 100, 0},   {200, 0, 45},     {100, 0, 90},       {0, 0, 135},
                              {0, 100, 180},   {0, 200, 225},    {100, 200, 270},    {200, 200, 315},
                              {273.2f, 0, 30}, {0, -73.2f, 120}, {-73.2f, 200, 210}, {200, 273.2f, 300},
                              {100, 100, 180}};  // coincident points point left
    for (const auto& c : cases) {
        Corner(p, 100, 100, c[0], c[1]);
        RayDirection(p);
        EXPECT_NEAR(p.HH, c[2], 0.01) << c[0] << "," << c[1];
        EXPECT_FLOAT_EQ(p.HH, p.HHP * 180 / kPi);
    }
}

TEST_F(Rays, AngleBisectorAndLabelEitherWayRound) {
    for (auto [iti, degrees, mid] : {std::tuple{0.0f, "90", kPi / 4}, {-1.0f, "270", 5 * kPi / 4}}) {
        Corner(p, 100, 100, 200, 100, 100, 0);  // right, then up
        p.ITI = iti;
        RayAngles(p);
        EXPECT_FLOAT_EQ(p.HH5, mid);  // the bisector
        AngleDegrees(p);
        EXPECT_EQ(p.KAKUDO_s, Text(degrees));
    }
    // With the bisector pointing right, the label's left edge touches the
    // point NAGASA out on it; a fraction's box is 80 high, not 44.
    Corner(p, 300, 200, 400, 100, 400, 300);
    Set({{&p.ITI, -1}, {&p.NAGASA, 30}});
    p.AAA_s = "ﾀ1/2ﾀ";
    AngleLabel(p);
    ExpectNear({p.X - p.LLT, p.Y}, 330, 200 - 40);  // the pen ends after the label
    EXPECT_EQ((Values{p.ITI, p.NAGASA}), (Values{0, 0}));
    EXPECT_TRUE(p.AAA_s.Empty());
}

TEST_F(FigureMarks, DottedArcDotsLabelAndGuards) {
    // On the right of A -> B as seen on the screen: below, 2 * 16 deep, from A.
    auto dots = DottedArcDots(2, 1, 0, 5);
    EXPECT_EQ(p.TAKASA, 32);
    ASSERT_EQ(dots.size(), 37u);
    ExpectNear(dots.front(), 100, 300);
    ExpectNear(dots.back(), 300, 300);
    ExpectNear(*std::ranges::max_element(dots, {}, &Point::y), 200, 332);
    ExpectNear({p.X - p.LLT / 2, p.Y}, 200, 332);  // the label hangs from the middle dot
    EXPECT_EQ(JoinedText(VisibleOps(f.rt)), "5");
    // The other side from B, the label above the highest dot.
    dots = DottedArcDots(2, -1, 0, 5);
    ExpectNear(dots.at(0), 300, 300);
    ExpectNear(dots.at(18), 200, 268);
    EXPECT_NEAR(p.Y, 268 - 44, 0.01);
    // Every 8 degrees the end at 180 gets no dot; a height below 0 turns.
    EXPECT_EQ(DottedArcDots(-5, -1, 0, 8).size(), 23u);
    EXPECT_EQ(p.TAKASA, 5);
    // A span of 90 degrees from A, spent afterwards.
    dots = DottedArcDots(2, 1, 90, 5);
    EXPECT_EQ(dots.size(), 19u);
    ExpectNear(dots.back(), 200, 332);
    EXPECT_EQ(p.NAKA, 0);
    for (float step : {0.0f, -5.0f}) {
        EXPECT_TRUE(DottedArcDots(2, 1, 0, step).empty()) << step;
        EXPECT_EQ(JoinedText(VisibleOps(f.rt)), "5");  // the label still stands
    }
}

TEST_F(FigureMarks, AngleArcsCoverTheAngleTheLabelNames) {
    // Right to up, the other three quarters, down-right to up-right across
    // 3 o'clock, left to down.
    const float cases[][5] = {
        {200, 100, 100, 0, 0}, {200, 100, 100, 0, -1}, {200, 200, 200, 0, 0}, {0, 50, 50, 200, 0}};
    for (const auto& c : cases) {
        f.rt.ClearOps();
        Corner(p, 100, 100, c[0], c[1], c[2], c[3]);
        Set({{&p.ITI, c[4]}, {&p.HONSU, 2}, {&p.NAGASA, 40}, {&p.CCC3, 5}});
        DrawAngleArc(p);
        const auto arcs = OfKind(f.rt.Ops(), DrawOp::Kind::Circle);
        ASSERT_EQ(arcs.size(), 2u);
        EXPECT_EQ((Values{arcs[0].radius, arcs[1].radius}), (Values{32, 24}));
        for (const DrawOp& arc : arcs) {
            // The middle of the arc, clockwise turn fractions from start to end.
            const double sweep = std::fmod(arc.end - arc.start + 2.0, 1.0);
            const double middle = (1 - arc.start - sweep / 2) * 2 * kPi;
            const double off = std::fmod(middle - p.HH5 + 8 * kPi, 2 * kPi);
            EXPECT_NEAR(std::min(off, 2 * kPi - off), 0, 1e-4) << c[0] << "," << c[1] << "," << c[4];
        }
    }
    // A count above 6, or below 1 yet above 0, draws one arc.
    for (float count : {9.0f, 0.5f}) {
        f.rt.ClearOps();
        Set({{&p.HONSU, count}, {&p.NAGASA, 40}});
        DrawAngleArc(p);
        const auto arcs = OfKind(f.rt.Ops(), DrawOp::Kind::Circle);
        ASSERT_EQ(arcs.size(), 1u) << count;
        EXPECT_EQ(arcs[0].radius, 32) << count;
        EXPECT_FALSE(arcs[0].sector) << count;
    }
    // No arcs: a sector, a quarter turn clockwise from 12 to 3 o'clock.
    f.rt.ClearOps();
    Corner(p, 100, 100, 200, 100, 100, 0);
    Set({{&p.HONSU, 0}, {&p.NAGASA, 40}, {&p.CCC2, 0}});
    DrawAngleArc(p);
    const DrawOp sector = OfKind(f.rt.Ops(), DrawOp::Kind::Circle).at(0);
    EXPECT_TRUE(sector.sector && sector.filled);
    EXPECT_EQ((Values{sector.start, sector.end, sector.radius}), (Values{0.75f, 1, 40}));
    EXPECT_EQ((std::pair{sector.colour, sector.fill}), (std::pair{0, 5}));
}

TEST_F(FigureMarks, EqualTicksAndTheRightAngleMark) {
    Set({{&p.AX, 0}, {&p.AY, 50}, {&p.BX, 100}, {&p.BY, 50}, {&p.HONSU, 2}, {&p.AIDA, 10}});
    Set({{&p.NAGASA, 5}, {&p.ITI, 0}, {&p.CCC2, 4}});
    DrawEqualTicks(p);
    // Down the screen, moved 2 along; out of range: one tick, spacing 8.
    Set({{&p.AX, 50}, {&p.AY, 0}, {&p.BX, 50}, {&p.BY, 100}, {&p.HONSU, 7}, {&p.AIDA, 31}, {&p.ITI, 2}});
    DrawEqualTicks(p);
    Corner(p, 100, 100, 200, 100, 100, 0);
    p.NAGASA = 10;
    DrawRightAngleMark(p);
    EXPECT_EQ(Shapes(f.rt.Ops()),
              (Strings{"line 60,45 60,55 c4 w3", "line 70,45 70,55 c4 w3", "line 55,60 45,60 c4 w3",
                       "polyline 110,100 110,90 100,90 c4 w3"}));
}

TEST_F(FigureMarks, PolygonWithSixVerticesLetteredOrListed) {
    // A hexagon round (300, 300), counter-clockwise on the screen.
    const float corners[][2] = {{400, 300}, {350, 200}, {250, 200}, {200, 300}, {250, 400}, {350, 400}};
    for (int i = 1; i <= 6; ++i) {
        Set({{&p.G_a(i, 1), corners[i - 1][0]}, {&p.G_a(i, 2), corners[i - 1][1]}});
        p.X_sa(i) = MidChars("甲乙丙丁戊己", i, 1);
    }
    Set({{&p.KAKU, 6}, {&p.SIZE1, 5}, {&p.CCC2, 2}, {&p.NAGASA, 10}});
    p.AAA_s = "A";
    DrawPolygon(p);
    const auto ops = VisibleOps(f.rt);
    EXPECT_EQ(Shapes(OfKind(ops, DrawOp::Kind::Line)),
              (Strings{"line 400,300 350,200 c2 w5", "line 350,200 250,200 c2 w5",
                       "line 250,200 200,300 c2 w5", "line 200,300 250,400 c2 w5",
                       "line 250,400 350,400 c2 w5", "line 350,400 400,300 c2 w5"}));
    // Each label outside, on the bisector of the rays to the next two vertices.
    EXPECT_EQ(LabelStarts(ops, {"A", "B", "C", "D", "E", "F"}),
              "A@402.1,302 B@359,168.7 C@241.9,146.9 D@170.9,254 E@214,387.3 F@331.1,409.1");
    EXPECT_EQ(f.rt.LineWidth(), 3);
    f.rt.ClearOps();
    p.AAA_s = "1";  // the labels X$(1..6)
    DrawPolygon(p);
    EXPECT_EQ(JoinedText(VisibleOps(f.rt)), "甲乙丙丁戊己");
    EXPECT_TRUE(p.AAA_s.Empty());
}
