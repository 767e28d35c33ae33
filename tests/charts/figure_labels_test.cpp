#include <gtest/gtest.h>

#include <cmath>

#include "lessonlib/charts/figure_marks.h"
#include "lessonlib/charts/polygons.h"
#include "lessonlib/charts/ray_angles.h"
#include "tests/charts/chart_ops.h"
#include "tests/support/test_support.h"

using namespace lesson;
using namespace chart_test;
using testing_support::JoinedText;
using testing_support::TextOps;
using testing_support::VisibleOps;

namespace {

constexpr double kTurn = 2 * 3.14159;

void Corner(Program& p, float x0, float y0, float x1, float y1, float x2, float y2) {
    p.ZX0 = x0;
    p.ZY0 = y0;
    p.ZX1 = x1;
    p.ZY1 = y1;
    p.ZX2 = x2;
    p.ZY2 = y2;
}

void Segment(Program& p, float x0, float y0, float x1, float y1) {
    p.ZX0 = x0;
    p.ZY0 = y0;
    p.ZX1 = x1;
    p.ZY1 = y1;
}

// The counter-clockwise direction on the screen, in [0, 2 pi), of the middle
// of an arc given as clockwise turn fractions from start to end.
double ArcMiddleDirection(const DrawOp& arc) {
    double sweep = std::fmod(static_cast<double>(arc.end) - arc.start + 2.0, 1.0);
    if (sweep == 0 && arc.end != arc.start) sweep = 1;
    const double middle = std::fmod(arc.start + sweep / 2, 1.0);
    return std::fmod((1 - middle) * kTurn, kTurn);
}

double AngleDifference(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), kTurn);
    return std::min(d, kTurn - d);
}

std::vector<DrawOp> Dots(const std::vector<DrawOp>& ops) { return OfKind(ops, DrawOp::Kind::Circle); }

}  // namespace

TEST(AngleLabel, CentredOnTheBisector) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.CCC1 = 5;
    // Rays down-left and down-right: the bisector points straight down, and
    // the label hangs centred under the corner.
    Corner(p, 300, 200, 200, 300, 400, 300);
    p.AAA_s = "AB";
    p.ITI = 0;
    p.NAGASA = 0;
    AngleLabel(p);
    ASSERT_GT(p.LLT, 0);
    EXPECT_NEAR(p.X - p.LLT, 300 - p.LLT / 2, 1e-3);  // the pen ends after the label
    EXPECT_NEAR(p.Y, 200, 1e-3);
    EXPECT_EQ(JoinedText(VisibleOps(f.rt)), "AB");
    EXPECT_EQ(TextOps(VisibleOps(f.rt))[0].colour, 5);
    EXPECT_EQ(p.ITI, 0);
    EXPECT_EQ(p.NAGASA, 0);
    EXPECT_TRUE(p.AAA_s.Empty());

    // Exchanged rays: straight up, 44 above the corner; 30 further out.
    p.AAA_s = "AB";
    p.ITI = -1;
    p.NAGASA = 30;
    AngleLabel(p);
    EXPECT_NEAR(p.X - p.LLT, 300 - p.LLT / 2, 1e-3);
    EXPECT_NEAR(p.Y, 200 - 30 - 44, 1e-3);

    // A fraction counts 80 high.
    p.AAA_s = "ﾀ1/2ﾀ";
    p.ITI = -1;
    AngleLabel(p);
    EXPECT_NEAR(p.Y, 200 - 80, 1e-3);
    EXPECT_EQ(p.DY, 40);

    // Pointing right, the label's left edge touches the point.
    Corner(p, 300, 200, 400, 100, 400, 300);
    p.AAA_s = "AB";
    p.ITI = -1;
    AngleLabel(p);
    EXPECT_NEAR(p.X - p.LLT, 300, 1e-3);
    EXPECT_NEAR(p.Y, 200 - 22, 1e-3);

    // Its inputs are spent: a second call draws nothing.
    f.rt.ClearOps();
    AngleLabel(p);
    EXPECT_TRUE(TextOps(VisibleOps(f.rt)).empty());
}

TEST(DottedArc, HalfEllipseBelowTheSegment) {
    testing_support::Fixture f;
    Program& p = f.p();
    Segment(p, 100, 300, 300, 300);
    p.TAKASA = 2;
    p.HOUKOU = 1;
    p.NAKA = 0;
    p.HABA = 5;
    p.CCC2 = 3;
    p.AAA_s = "5";
    DrawDottedArc(p);
    EXPECT_EQ(p.TAKASA, 32);
    const auto ops = VisibleOps(f.rt);
    const auto dots = Dots(ops);
    ASSERT_EQ(dots.size(), 37u);
    EXPECT_NEAR(dots.front().points[0].x, 100, 0.01);  // from A ...
    EXPECT_NEAR(dots.front().points[0].y, 300, 0.01);
    EXPECT_NEAR(dots.back().points[0].x, 300, 0.01);  // ... to B
    EXPECT_NEAR(dots.back().points[0].y, 300, 0.01);
    const DrawOp* lowest = &dots[0];
    for (const DrawOp& d : dots) {
        EXPECT_EQ(d.radius, 0.5f);
        EXPECT_EQ(d.colour, 3);
        EXPECT_FALSE(d.filled);
        EXPECT_GE(d.points[0].y, 299.99);
        if (d.points[0].y > lowest->points[0].y) lowest = &d;
    }
    EXPECT_NEAR(lowest->points[0].x, 200, 0.01);
    EXPECT_NEAR(lowest->points[0].y, 332, 0.01);

    // The label stands below the middle point; the points moved on.
    EXPECT_NEAR(p.ZX0, 200, 0.01);
    EXPECT_NEAR(p.ZY0, 332, 0.01);
    EXPECT_EQ((std::vector<float>{p.ZX1, p.ZY1, p.ZX2, p.ZY2}), (std::vector<float>{100, 300, 300, 300}));
    EXPECT_NEAR(p.Y, 332, 0.01);
    EXPECT_NEAR(p.X - p.LLT, 200 - p.LLT / 2, 0.01);
    EXPECT_EQ(JoinedText(ops), "5");
    EXPECT_TRUE(p.AAA_s.Empty());
    EXPECT_EQ(p.NAKA, 0);
    EXPECT_EQ(p.NAGASA, 0);
    EXPECT_EQ(p.ITI, 0);
}

TEST(DottedArc, OtherSideHeightsAndSteps) {
    testing_support::Fixture f;
    Program& p = f.p();
    Segment(p, 100, 300, 300, 300);
    p.TAKASA = 2;
    p.HOUKOU = -1;
    p.HABA = 5;
    p.AAA_s = "5";
    DrawDottedArc(p);
    auto dots = Dots(f.rt.Ops());
    ASSERT_EQ(dots.size(), 37u);
    EXPECT_NEAR(dots.front().points[0].x, 300, 0.01);  // from B's end
    EXPECT_NEAR(dots[18].points[0].x, 200, 0.01);
    EXPECT_NEAR(dots[18].points[0].y, 268, 0.01);      // the highest
    EXPECT_NEAR(p.Y, 268 - 44, 0.01);                   // label above it

    // 8 degrees over 180: 0, 8, ..., 176; the end gets no dot.
    f.rt.ClearOps();
    Segment(p, 100, 300, 300, 300);
    p.TAKASA = 20;
    p.HOUKOU = -1;
    p.HABA = 8;
    DrawDottedArc(p);
    EXPECT_EQ(p.TAKASA, 20);
    dots = Dots(f.rt.Ops());
    EXPECT_EQ(dots.size(), 23u);
    EXPECT_NEAR(dots.back().points[0].x, 100.24f, 0.01);  // at 176 degrees

    Segment(p, 100, 300, 300, 300);
    p.TAKASA = -5;
    DrawDottedArc(p);
    EXPECT_EQ(p.TAKASA, 5);

    // A partial arc of 90 degrees from A's end.
    f.rt.ClearOps();
    Segment(p, 100, 300, 300, 300);
    p.TAKASA = 2;
    p.HOUKOU = 1;
    p.NAKA = 90;
    p.HABA = 5;
    DrawDottedArc(p);
    dots = Dots(f.rt.Ops());
    ASSERT_EQ(dots.size(), 19u);
    EXPECT_NEAR(dots.back().points[0].x, 200, 0.01);
    EXPECT_NEAR(dots.back().points[0].y, 332, 0.01);
    EXPECT_EQ(p.NAKA, 0);
}

TEST(DottedArc, TurnsWithTheSegment) {
    testing_support::Fixture f;
    Program& p = f.p();
    // Running down the screen, the right-hand side is to the left.
    Segment(p, 100, 100, 100, 300);
    p.TAKASA = 2;
    p.HOUKOU = 1;
    p.HABA = 5;
    DrawDottedArc(p);
    EXPECT_NEAR(p.ZX0, 68, 0.01);
    EXPECT_NEAR(p.ZY0, 200, 0.01);
    const auto dots = Dots(f.rt.Ops());
    ASSERT_EQ(dots.size(), 37u);
    EXPECT_NEAR(dots.back().points[0].x, 100, 0.01);
    EXPECT_NEAR(dots.back().points[0].y, 300, 0.01);
}

TEST(DottedArc, StepThatIsNotPositiveDrawsNoDots) {
    testing_support::Fixture f;
    Program& p = f.p();
    for (float step : {0.0f, -5.0f}) {
        f.rt.ClearOps();
        Segment(p, 100, 300, 300, 300);
        p.TAKASA = 2;
        p.HOUKOU = 1;
        p.HABA = step;
        p.AAA_s = "5";
        DrawDottedArc(p);
        EXPECT_TRUE(Dots(f.rt.Ops()).empty());
        EXPECT_EQ(JoinedText(VisibleOps(f.rt)), "5");  // the label still stands
        EXPECT_NEAR(p.ZY0, 332, 0.01);
    }
}

TEST(AngleArc, ArcsCoverTheAngleTheLabelNames) {
    testing_support::Fixture f;
    Program& p = f.p();
    struct Case {
        float x1, y1, x2, y2, iti;
    };
    const Case cases[] = {
        {200, 100, 100, 0, 0},    // right to up
        {200, 100, 100, 0, -1},   // the other three quarters
        {200, 200, 200, 0, 0},    // down-right to up-right, across 3 o'clock
        {0, 50, 50, 200, 0},      // left to down
    };
    for (const Case& c : cases) {
        f.rt.ClearOps();
        Corner(p, 100, 100, c.x1, c.y1, c.x2, c.y2);
        p.ITI = c.iti;
        p.HONSU = 2;
        p.NAGASA = 40;
        p.CCC2 = 0;
        p.CCC3 = 5;
        p.AAA_s = "x";
        DrawAngleArc(p);
        const float bisector = p.HH5;
        const auto arcs = OfKind(f.rt.Ops(), DrawOp::Kind::Circle);
        ASSERT_EQ(arcs.size(), 2u);
        EXPECT_EQ(arcs[0].radius, 32);
        EXPECT_EQ(arcs[1].radius, 24);
        for (const DrawOp& arc : arcs) {
            EXPECT_EQ(arc.colour, 5);
            EXPECT_FALSE(arc.sector);
            EXPECT_NEAR(AngleDifference(ArcMiddleDirection(arc), bisector), 0, 1e-4);
        }
        EXPECT_EQ(p.NAGASA1, 40);
        EXPECT_EQ(p.NAGASA, 0);
        EXPECT_EQ(p.ITI, 0);
    }
    // Right to up is a quarter turn clockwise from 12 to 3 o'clock.
    Corner(p, 100, 100, 200, 100, 100, 0);
    f.rt.ClearOps();
    p.HONSU = 0;
    p.NAGASA = 40;
    DrawAngleArc(p);
    const auto sector = OfKind(f.rt.Ops(), DrawOp::Kind::Circle);
    ASSERT_EQ(sector.size(), 1u);
    EXPECT_TRUE(sector[0].sector);
    EXPECT_TRUE(sector[0].filled);
    EXPECT_EQ(sector[0].fill, 5);
    EXPECT_EQ(sector[0].colour, 0);
    EXPECT_EQ(sector[0].radius, 40);
    EXPECT_FLOAT_EQ(sector[0].start, 0.75f);
    EXPECT_EQ(sector[0].end, 1);

    f.rt.ClearOps();
    p.HONSU = 9;
    p.NAGASA = 40;
    DrawAngleArc(p);
    EXPECT_EQ(p.HONSU, 1);
    EXPECT_EQ(OfKind(f.rt.Ops(), DrawOp::Kind::Circle).at(0).radius, 32);
}

TEST(Polygon, SixLetteredVertices) {
    testing_support::Fixture f;
    Program& p = f.p();
    // A regular hexagon round (300, 300), counter-clockwise on the screen.
    for (int i = 1; i <= 6; ++i) {
        const double a = (i - 1) * kTurn / 6;
        p.G_a(i, 1) = static_cast<float>(300 + 100 * std::cos(a));
        p.G_a(i, 2) = static_cast<float>(300 - 100 * std::sin(a));
    }
    p.KAKU = 6;
    p.SIZE1 = 5;
    p.CCC2 = 2;
    p.NAGASA = 10;
    p.AAA_s = "A";
    f.rt.SetLineWidth(3);
    DrawPolygon(p);
    const auto ops = VisibleOps(f.rt);
    const auto sides = Lines(ops);
    ASSERT_EQ(sides.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const int j = (i + 1) % 6;
        EXPECT_EQ(SegOf(sides[static_cast<std::size_t>(i)]),
                  (Seg{p.G_a(i + 1, 1), p.G_a(i + 1, 2), p.G_a(j + 1, 1), p.G_a(j + 1, 2)}));
        EXPECT_EQ(sides[static_cast<std::size_t>(i)].lineWidth, 5);
        EXPECT_EQ(sides[static_cast<std::size_t>(i)].colour, 2);
    }
    EXPECT_EQ(JoinedText(ops), "ABCDEF");
    // Each label stands outside, beyond its vertex.
    for (const DrawOp& label : TextOps(ops)) {
        const double dx = label.points[0].x - 300, dy = label.points[0].y - 300;
        EXPECT_GT(std::hypot(dx, dy), 95) << label.text.Utf8();
    }
    EXPECT_TRUE(p.AAA_s.Empty());
    EXPECT_EQ(p.NAGASA, 0);
    EXPECT_EQ(p.NAGASA1, 10);
    EXPECT_EQ(f.rt.LineWidth(), 3);
}

TEST(Polygon, LabelsFromAListOrNone) {
    testing_support::Fixture f;
    Program& p = f.p();
    const float square[4][2] = {{100, 100}, {100, 200}, {200, 200}, {200, 100}};
    for (int i = 1; i <= 4; ++i) {
        p.G_a(i, 1) = square[i - 1][0];
        p.G_a(i, 2) = square[i - 1][1];
    }
    p.KAKU = 4;
    p.SIZE1 = 2;
    p.X_sa(1) = "甲";
    p.X_sa(2) = "乙";
    p.X_sa(3) = "丙";
    p.X_sa(4) = "丁";
    p.AAA_s = "1";
    DrawPolygon(p);
    EXPECT_EQ(JoinedText(VisibleOps(f.rt)), "甲乙丙丁");
    EXPECT_EQ(p.TII, 5);

    f.rt.ClearOps();
    p.AAA_s = "P";
    DrawPolygon(p);
    EXPECT_EQ(JoinedText(VisibleOps(f.rt)), "PQRS");

    f.rt.ClearOps();
    p.NAGASA = 7;
    DrawPolygon(p);
    EXPECT_TRUE(TextOps(VisibleOps(f.rt)).empty());
    EXPECT_EQ(p.NAGASA, 7);
    EXPECT_EQ(f.rt.LineWidth(), 3);
}
