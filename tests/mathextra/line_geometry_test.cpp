#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "lessonlib/mathextra/line_geometry.h"
#include "tests/mathextra/maths_support.h"

using namespace lesson;
using namespace maths_test;
using chart_test::Set;
using chart_test::Values;
using LineGeometry = MathsTest;

namespace {

void Points(Program& p, float ax, float ay, float bx, float by, float cx, float cy, float dx = 0, float dy = 0) {
    Set({{&p.AX, ax}, {&p.AY, ay}, {&p.BX, bx}, {&p.BY, by}, {&p.CX, cx}, {&p.CY, cy}, {&p.DX, dx}, {&p.DY, dy}});
}

}  // namespace

TEST_F(LineGeometry, PerpendicularFootAndItsMark) {
    struct Row {
        float ax, ay, bx, by, cx, cy, ex, ey;
        bool general;
    };
    const Row rows[] = {
        {100, 50, 100, 300, 400, 120, 100, 120, false},  // vertical
        {70, 70, 70, 70, 10, 20, 70, 20, false},         // A = B counts as vertical
        {50, 200, 300, 200, 120, 40, 120, 200, false},   // horizontal
        {0, 0, 100, 100, 100, 0, 50, 50, true},
        {0, 0, 100, 50, 60, 30, 60, 30, true},           // C on the line
    };
    for (const Row& r : rows) {
        Set({{&p.AA1, -7}, {&p.BB1, -7}, {&p.AA2, -7}, {&p.BB2, -7}});
        Points(p, r.ax, r.ay, r.bx, r.by, r.cx, r.cy);
        p.rt.SetLineWidth(2);
        f.rt.ClearOps();
        PerpendicularFootMark(p);
        EXPECT_NEAR(p.EX, r.ex, 1e-3) << r.ax << "," << r.ay;
        EXPECT_NEAR(p.EY, r.ey, 1e-3) << r.ax << "," << r.ay;
        ASSERT_EQ(f.rt.Ops().size(), 1u);
        const DrawOp& mark = f.rt.Ops()[0];
        EXPECT_EQ((Values{mark.points[0].x, mark.points[0].y, mark.radius, static_cast<float>(mark.colour),
                          static_cast<float>(mark.lineWidth)}),
                  (Values{p.EX, p.EY, 2, 15, 2}));
        if (!r.general) {
            EXPECT_EQ((Values{p.AA1, p.BB1, p.AA2, p.BB2}), (Values{-7, -7, -7, -7}));
        }
    }
    Points(p, 0, 0, 100, 100, 100, 0);
    PerpendicularFootMark(p);
    EXPECT_EQ((Values{p.AA1, p.BB1, p.AA2, p.BB2}), (Values{1, 0, -1, 100}));
}

TEST_F(LineGeometry, IntersectionOfTwoLines) {
    struct Row {
        float ax, ay, bx, by, cx, cy, dx, dy, x, y, a1, a2;
    };
    const Row rows[] = {
        {0, 0, 10, 10, 0, 10, 10, 0, 5, 5, 1, -1},
        {0, 200, 500, 200, 300, 0, 300, 400, 300, 200, 0, 1000},  // horizontal, vertical
        {100, 0, 100, 50, 0, 0, 10, 20, 100, 200, 1000, 2},       // vertical, sloping
        {100, 0, 100, 50, 0, 70, 10, 70, 100, 70, 1000, 0},       // vertical, horizontal
        {40, 30, 40, 30, 0, 0, 10, 10, 30, 30, 0, 1},              // A = B: horizontal through AY
        // A line of slope exactly 1000 is no vertical line: it meets one.
        {0, 0, 1, 1000, 5, 0, 5, 10, 5, 5000, 1000, 1000},
        {0, 0, 1, 1000, 0, 10, 10, 10, 0.01f, 10, 1000, 0},
    };
    for (const Row& r : rows) {
        Points(p, r.ax, r.ay, r.bx, r.by, r.cx, r.cy, r.dx, r.dy);
        LineIntersection(p);
        EXPECT_NEAR(p.AX2, r.x, 1e-4) << r.ax << "," << r.ay << " " << r.cx << "," << r.cy;
        EXPECT_NEAR(p.AY2, r.y, 1e-3) << r.ax << "," << r.ay << " " << r.cx << "," << r.cy;
        EXPECT_EQ((Values{p.A1, p.A2}), (Values{r.a1, r.a2}));
    }
    Points(p, 0, 0, 10, 10, 0, 10, 10, 0);
    LineIntersection(p);
    EXPECT_EQ((Values{p.B1, p.B2}), (Values{0, 10}));
}

TEST_F(LineGeometry, ParallelLinesLeaveTheNoMeetingMarker) {
    const float cases[][8] = {
        {0, 0, 10, 10, 0, 5, 10, 15},     // equal finite slopes
        {0, 10, 50, 10, 0, 90, 20, 90},   // two horizontal lines
        {10, 0, 10, 50, 90, 0, 90, 20},   // two vertical lines
        {0, 0, 0, 0, 5, 5, 9, 5},         // a point and a horizontal line
    };
    for (const auto& c : cases) {
        Set({{&p.AX2, 123}, {&p.AY2, 456}, {&p.AX1, 7}, {&p.AY1, 10000}});
        Points(p, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
        LineIntersection(p);
        EXPECT_EQ((Values{p.AX2, p.AY2, p.AX1}), (Values{10000, 10000, 7})) << c[0] << "," << c[1];
    }
}

TEST_F(LineGeometry, MeetingPointWithAHorizontalOrVerticalLine) {
    struct Row {
        float ax, ay, bx, by, cx, cy, x, y;
    };
    const Row rows[] = {
        {100, 400, 300, 200, -1, 300, 200, 300},
        {100, 400, 300, 200, 250, -1, 250, 250},
        {150, 0, 150, 80, -1, 300, 150, 300},   // vertical AB
        {0, 120, 90, 120, 40, -1, 40, 120},     // horizontal AB
        {150, 0, 150, 80, 40, -1, 150, -1},     // parallel to its target: the selector comes back
        {0, 120, 90, 120, -1, 60, -1, 120},
        {100, 400, 300, 200, -2, -1, -2, 502},  // both negative: the vertical target wins
    };
    for (const Row& r : rows) {
        Points(p, r.ax, r.ay, r.bx, r.by, r.cx, r.cy);
        LineAxisIntersection(p);
        EXPECT_EQ((Values{p.X1, p.Y1}), (Values{r.x, r.y})) << r.cx << "," << r.cy;
    }
    Points(p, 100, 400, 300, 200, 5, 5);
    Set({{&p.X1, 11}, {&p.Y1, 22}});
    LineAxisIntersection(p);
    EXPECT_EQ((Values{p.X1, p.Y1, p.A, p.B}), (Values{11, 22, -1, 500}));
}

TEST_F(LineGeometry, RotationPointsOnTheEllipse) {
    struct Row {
        float x0, y0, x1, y1, takasa, kakudo, x, y;
    };
    const Row rows[] = {
        {100, 200, 300, 200, 50, 0, 300, 200},      {100, 200, 300, 200, 50, 90, 200, 150},
        {100, 200, 300, 200, 50, 180, 100, 200},    {100, 200, 300, 200, 50, 270, 200, 250},
        {100, 200, 300, 200, 50, 45, 270.711f, 164.645f},
        {300, 200, 100, 200, 50, 90, 200, 250},     {100, 100, 100, 300, 50, 90, 150, 200},
        {100, 200, 300, 200, 0, 90, 200, 200},
    };
    for (const Row& r : rows) {
        chart_test::Corner(p, r.x0, r.y0, r.x1, r.y1);
        Set({{&p.TAKASA, r.takasa}, {&p.KAKUDO, r.kakudo}});
        RotateSegment(p);
        EXPECT_NEAR(p.ZX, r.x, 1e-3) << r.x0 << "," << r.y0 << " " << r.kakudo;
        EXPECT_NEAR(p.ZY, r.y, 1e-3) << r.x0 << "," << r.y0 << " " << r.kakudo;
        EXPECT_EQ((Values{p.ZX11, p.ZY11, p.ZX12, p.ZY12, p.ZX1, p.ZY1}),
                  (Values{r.x0, r.y0, r.x1, r.y1, p.ZX3, p.ZY3}));
    }
    // Every angle lands on the ellipse over a sloping segment, whose axes are
    // the segment and TAKASA across it.
    const float x0 = 200, y0 = 300, x1 = 440, y1 = 120, b = 70;
    const float len = std::hypot(x1 - x0, y1 - y0), ux = (x1 - x0) / len, uy = (y1 - y0) / len;
    for (float k = 0; k < 360; k += 15) {
        chart_test::Corner(p, x0, y0, x1, y1);
        Set({{&p.TAKASA, b}, {&p.KAKUDO, k}});
        RotateSegment(p);
        const float along = (p.ZX - (x0 + x1) / 2) * ux + (p.ZY - (y0 + y1) / 2) * uy;
        const float across = -(p.ZX - (x0 + x1) / 2) * uy + (p.ZY - (y0 + y1) / 2) * ux;
        EXPECT_NEAR(along * along / (len * len / 4) + across * across / (b * b), 1, 1e-3) << k;
    }
    chart_test::Corner(p, 100, 100, 100, 100);
    EXPECT_EQ(ErrorOf([&] { RotateSegment(p); }), ErrorCode::DivisionByZero);
}

// Nothing draws these results, so a point whose arithmetic overflows must be
// the overflow error, not an infinite or undefined point passed on.
TEST_F(LineGeometry, ResultsBeyondTheSinglesAreAnOverflow) {
    for (const auto& pts : {std::vector<float>{0, 0, 1, 1, 5e30f, 0, 5e30f + 4e24f, 1e38f},
                            {5e30f, 0, 5e30f + 4e24f, 1e38f, 0, 0, 1, 1},
                            {0, 0, 1, 1, 0, 3e38f, 1, -3e38f},
                            {-3e38f, 0, 3e38f, 1, 0, 1, 1, 0}}) {
        Points(p, pts[0], pts[1], pts[2], pts[3], pts[4], pts[5], pts[6], pts[7]);
        EXPECT_EQ(ErrorOf([&] { LineIntersection(p); }), ErrorCode::Overflow) << pts[0] << "," << pts[5];
    }
    // A slope of 1e12 through x = 1e30 puts the intercept past the singles.
    Points(p, 1e30f, 0, 1.0001e30f, 1e38f, -1, 5);
    EXPECT_EQ(ErrorOf([&] { LineAxisIntersection(p); }), ErrorCode::Overflow);
    Points(p, 1e30f, 0, 1.0001e30f, 1e38f, 5, -1);
    EXPECT_EQ(ErrorOf([&] { LineAxisIntersection(p); }), ErrorCode::Overflow);
    Points(p, -3e38f, 0, 3e38f, 1, 5, -1);  // the run itself overflows
    EXPECT_EQ(ErrorOf([&] { LineAxisIntersection(p); }), ErrorCode::Overflow);

    chart_test::Corner(p, 100, 200, 300, 200);
    Set({{&p.TAKASA, 1e38f}, {&p.KAKUDO, 90}});
    EXPECT_EQ(ErrorOf([&] { RotateSegment(p); }), ErrorCode::Overflow);
    chart_test::Corner(p, -3e38f, 0, 3e38f, 0);
    Set({{&p.TAKASA, 50}, {&p.KAKUDO, 90}});
    EXPECT_EQ(ErrorOf([&] { RotateSegment(p); }), ErrorCode::Overflow);
}
