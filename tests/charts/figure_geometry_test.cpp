#include <gtest/gtest.h>

#include "lessonlib/charts/figure_marks.h"
#include "lessonlib/charts/ray_angles.h"
#include "lessonlib/shell/errors.h"
#include "tests/charts/chart_ops.h"
#include "tests/support/test_support.h"

using namespace lesson;
using namespace chart_test;

namespace {

constexpr float kPi = 3.14159f;

void Corner(Program& p, float x0, float y0, float x1, float y1, float x2 = 0, float y2 = 0) {
    p.ZX0 = x0;
    p.ZY0 = y0;
    p.ZX1 = x1;
    p.ZY1 = y1;
    p.ZX2 = x2;
    p.ZY2 = y2;
}

float Degrees(Program& p, float x1, float y1) {
    Corner(p, 100, 100, x1, y1);
    RayDirection(p);
    EXPECT_FLOAT_EQ(p.HH, p.HHP * 180 / kPi);
    return p.HH;
}

}  // namespace

// The single-precision PI (3.14159) puts diagonal directions a few
// millionths of a degree off.
TEST(RayDirection, AsSeenOnTheScreen) {
    testing_support::Fixture f;
    Program& p = f.p();
    EXPECT_NEAR(Degrees(p, 200, 100), 0, 1e-3);
    EXPECT_NEAR(Degrees(p, 200, 0), 45, 1e-3);    // up-right
    EXPECT_NEAR(Degrees(p, 100, 0), 90, 1e-3);    // up
    EXPECT_NEAR(Degrees(p, 0, 0), 135, 1e-3);     // up-left
    EXPECT_NEAR(Degrees(p, 0, 100), 180, 1e-3);
    EXPECT_NEAR(Degrees(p, 0, 200), 225, 1e-3);   // down-left
    EXPECT_NEAR(Degrees(p, 100, 200), 270, 1e-3); // down
    EXPECT_NEAR(Degrees(p, 200, 200), 315, 1e-3); // down-right
    EXPECT_EQ(p.PI, kPi);
    // Steeper and shallower rays stay in their quadrant.
    EXPECT_NEAR(Degrees(p, 100 + 173.2f, 0), 30, 0.01);
    EXPECT_NEAR(Degrees(p, 0, 100 - 173.2f), 120, 0.01);
    EXPECT_NEAR(Degrees(p, 100 - 173.2f, 200), 210, 0.01);
    EXPECT_NEAR(Degrees(p, 200, 100 + 173.2f), 300, 0.01);
    // Coincident points point left.
    Degrees(p, 100, 100);
    EXPECT_EQ(p.HHP, kPi);
    EXPECT_FLOAT_EQ(p.HH, 180);
}

TEST(RayAngles, BisectorAndTurnFractions) {
    testing_support::Fixture f;
    Program& p = f.p();
    Corner(p, 100, 100, 200, 100, 100, 0);
    p.ITI = 0;
    RayAngles(p);
    EXPECT_EQ(p.HH3, 0);
    EXPECT_FLOAT_EQ(p.HH4, kPi / 2);
    EXPECT_FLOAT_EQ(p.HH5, kPi / 4);  // up-right
    EXPECT_EQ(p.HH1, 1);
    EXPECT_FLOAT_EQ(p.HH2, 0.75f);   // up is three quarters of a clockwise turn
    EXPECT_EQ(p.HHP, p.HH4);

    p.ITI = -1;
    RayAngles(p);
    EXPECT_FLOAT_EQ(p.HH3, kPi / 2);
    EXPECT_EQ(p.HH4, 0);
    EXPECT_FLOAT_EQ(p.HH5, 5 * kPi / 4);  // down-left
    EXPECT_FLOAT_EQ(p.HH1, 0.75f);
    EXPECT_EQ(p.HH2, 1);
    EXPECT_EQ(p.ITI, -1);
    EXPECT_FLOAT_EQ(p.HHP, kPi / 2);  // still the ray to Z2
}

TEST(AngleDegrees, CounterClockwiseFromTheFirstRay) {
    testing_support::Fixture f;
    Program& p = f.p();
    Corner(p, 100, 100, 200, 100, 100, 0);
    p.ITI = 0;
    AngleDegrees(p);
    EXPECT_EQ(p.KAKUDO_s, Text("90"));
    p.ITI = -1;
    AngleDegrees(p);
    EXPECT_EQ(p.KAKUDO_s, Text("270"));
    Corner(p, 0, 0, 100, 0, 100, -57.735f);  // 30 degrees
    p.ITI = 0;
    AngleDegrees(p);
    EXPECT_EQ(p.KAKUDO_s, Text("30"));
    EXPECT_TRUE(f.rt.Ops().empty());
}

TEST(DrawEqualTicks, TicksAcrossTheSegment) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.AX = 0;
    p.AY = 50;
    p.BX = 100;
    p.BY = 50;
    p.HONSU = 2;
    p.AIDA = 10;
    p.NAGASA = 5;
    p.ITI = 0;
    p.CCC2 = 4;
    DrawEqualTicks(p);
    auto ops = f.rt.Ops();
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(SegOf(ops[0]), (Seg{60, 45, 60, 55}));
    EXPECT_EQ(SegOf(ops[1]), (Seg{70, 45, 70, 55}));
    EXPECT_EQ(ops[0].colour, 4);
    EXPECT_EQ(p.AIDA, 30);

    // Out-of-range settings fall back: spacing 8, one tick (also for 0).
    f.rt.ClearOps();
    p.AX = 50;
    p.AY = 0;
    p.BX = 50;
    p.BY = 100;
    p.AIDA = 31;
    p.HONSU = 0;
    p.ITI = 2;
    DrawEqualTicks(p);
    ops = f.rt.Ops();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(SegOf(ops[0]), (Seg{55, 60, 45, 60}));
    EXPECT_EQ(p.AIDA, 16);
    p.HONSU = 7;
    DrawEqualTicks(p);
    EXPECT_EQ(p.HONSU, 1);

    p.BX = p.AX;
    p.BY = p.AY;
    EXPECT_THROW(DrawEqualTicks(p), RuntimeError);
}

TEST(DrawRightAngleMark, SquareOnTheRays) {
    testing_support::Fixture f;
    Program& p = f.p();
    Corner(p, 100, 100, 200, 100, 100, 0);
    p.NAGASA = 10;
    p.ITI = 0;
    p.CCC2 = 3;
    DrawRightAngleMark(p);
    const auto ops = f.rt.Ops();
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Polyline);
    ASSERT_EQ(ops[0].points.size(), 3u);
    const float expected[3][2] = {{110, 100}, {110, 90}, {100, 90}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(ops[0].points[static_cast<std::size_t>(i)].x, expected[i][0], 1e-3);
        EXPECT_NEAR(ops[0].points[static_cast<std::size_t>(i)].y, expected[i][1], 1e-3);
    }
    EXPECT_NEAR(p.ZX5, 110, 1e-3);
    EXPECT_NEAR(p.ZY5, 90, 1e-3);
}
