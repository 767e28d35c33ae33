#include <gtest/gtest.h>

#include "lessonlib/mathextra/coordinate_plane.h"
#include "lessonlib/mathextra/function_graphs.h"
#include "tests/mathextra/maths_support.h"

using namespace lesson;
using namespace maths_test;
using chart_test::OfKind;
using chart_test::Set;
using chart_test::Values;
using Plane = MathsTest;

namespace {

// The texts drawn, each as "text@x,y".
Strings Texts(const std::vector<DrawOp>& ops) {
    Strings out;
    for (const DrawOp& op : OfKind(ops, DrawOp::Kind::Text))
        out.push_back(op.text.Utf8() + "@" + std::to_string(static_cast<int>(op.points[0].x)) + "," +
                      std::to_string(static_cast<int>(op.points[0].y)));
    return out;
}

void Ranges(Program& p, float a1, float a2, float b1, float b2, float baix = 1, float baiy = 1) {
    Set({{&p.AA1, a1}, {&p.AA2, a2}, {&p.BB1, b1}, {&p.BB2, b2}, {&p.BAIX, baix}, {&p.BAIY, baiy}});
}

}  // namespace

TEST_F(Plane, GridOfTenByTen) {
    Ranges(p, -5, 5, -5, 5);
    Set({{&p.SIZE, 40}, {&p.CCC2, 1}, {&p.GGX, 0}, {&p.GGY, 0}});
    p.rt.SetLineWidth(3);
    f.rt.ClearOps();
    DrawCoordinateGrid(p);
    EXPECT_EQ((Values{p.GX0, p.GY0, p.GX1, p.GY1, p.GX2, p.GY2, p.GGX, p.GGY, p.SIZE1}),
              (Values{840, 380, 640, 180, 1040, 580, 640, 180, 30}));
    const auto lines = OfKind(f.rt.Ops(), DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 22u + 6 + 2);  // thin, bold (three each way), axes
    EXPECT_EQ((Values{lines[0].points[0].x, lines[0].points[0].y, static_cast<float>(lines[0].lineWidth)}),
              (Values{639.5f, 180, 1}));
    EXPECT_EQ((Values{lines[11].points[0].x, lines[11].points[0].y}), (Values{640, 579.5f}));  // y = -5
    EXPECT_EQ((Values{lines[22].points[0].x, static_cast<float>(lines[22].colour),
                      static_cast<float>(lines[22].lineWidth)}),
              (Values{640, 1, 3}));
    EXPECT_EQ((Values{lines[28].points[0].x, lines[28].points[1].y, static_cast<float>(lines[28].lineWidth)}),
              (Values{840, 580, 4}));
    EXPECT_EQ(Texts(f.rt.Ops()),
              (Strings{"-5@610,380", "5@1025,380", "-5@780,561", "5@810,161", "x@1016,335", "0@810,380",
                       "y@840,165"}));
    const auto texts = OfKind(f.rt.Ops(), DrawOp::Kind::Text);
    EXPECT_EQ(texts[4].font, (FontState{"Times New Roman", 24, true, true}));
    EXPECT_EQ((Values{static_cast<float>(texts[4].hscale), static_cast<float>(texts[4].vscale)}), (Values{3, 2}));
    EXPECT_EQ(texts[0].font, (FontState{"ｺﾞｼｯｸ", 30, false, false}));  // the face found on entry
    EXPECT_EQ(texts[6].font, (FontState{"ゴシック", 30, true, false}));
    EXPECT_EQ(p.rt.Font(), (FontState{"ゴシック", 16, false, false}));
    EXPECT_EQ((Values{static_cast<float>(p.rt.LineWidth()), p.CCC1, p.NASI}), (Values{3, 0, 0}));
    EXPECT_EQ(S(p.AA_s), "y");
}

TEST_F(Plane, GridSwitchesScalesAndRepeatedCalls) {
    Ranges(p, -10, 10, 0, 4, -2, 0);  // BAIX -2 becomes 2, BAIY 0 becomes 1
    Set({{&p.SIZE, 39}, {&p.CCC2, 0}, {&p.GGX, 0}, {&p.GGY, 100}, {&p.NASI, 0}});
    f.rt.ClearOps();
    DrawCoordinateGrid(p);
    EXPECT_EQ((Values{p.BAIX, p.BAIY, p.AA1, p.AA2, p.SIZE1, p.GGX, p.GGY, p.GY0, p.GY2}),
              (Values{2, 1, -5, 5, 26, 0, 100, 256, 256}));
    EXPECT_EQ(OfKind(f.rt.Ops(), DrawOp::Kind::Line).size(), 2u);  // the axes alone
    EXPECT_EQ(OfKind(f.rt.Ops(), DrawOp::Kind::Text).size(), 3u);
    // A second call divides the ranges again.
    DrawCoordinateGrid(p);
    EXPECT_EQ((Values{p.AA1, p.AA2}), (Values{-2.5f, 2.5f}));
    // NASI -1: bold lines without numbers, once.
    Ranges(p, -5, 5, -5, 5);
    Set({{&p.CCC2, 1}, {&p.NASI, -1}});
    f.rt.ClearOps();
    DrawCoordinateGrid(p);
    EXPECT_EQ(OfKind(f.rt.Ops(), DrawOp::Kind::Text).size(), 3u);
    EXPECT_EQ(p.NASI, 0);
    // A lower end above the upper one still draws its one line.
    Ranges(p, 5, 3, 0, 0);
    f.rt.ClearOps();
    DrawCoordinateGrid(p);
    EXPECT_EQ(Texts(f.rt.Ops()).front().substr(0, 2), "5@");
    // An overflowing range is an error, not a run of lines.
    Ranges(p, -3e38f, 3e38f, 0, 1, 1e-3f, 1);
    EXPECT_EQ(ErrorOf([&] { DrawCoordinateGrid(p); }), ErrorCode::Overflow);
}

TEST_F(Plane, DecimalTicks) {
    auto ticks = [&](float baix, float a1, float a2) {
        Ranges(p, a1, a2, 0, 0, baix, 1);
        Set({{&p.SIZE, 20}, {&p.CCC2, 1}, {&p.GGX, 100}, {&p.GGY, 100}, {&p.NASI, -1}});
        DrawCoordinateGrid(p);
        f.rt.ClearOps();
        DrawDecimalTicks(p);
        Strings out;
        for (const DrawOp& op : OfKind(f.rt.Ops(), DrawOp::Kind::Text)) out.push_back(op.text.Utf8());
        return out;
    };
    EXPECT_EQ(ticks(0.5f, -5, 5), (Strings{"-5", "-25", ".", "25", ".", "5"}));
    EXPECT_EQ(ticks(0.25f, 0, 5), (Strings{"12", ".", "25", ".", "37", ".", "5"}));  // cut, not rounded
    EXPECT_EQ(ticks(0.7f, 0, 7), (Strings{"35", ".", "7"}));  // 3.5, not 3.4
    EXPECT_EQ(ticks(0.9f, 0, 9), (Strings{"45", ".", "9"}));
    EXPECT_EQ(ticks(1.4f, 0, 14), (Strings{"7", "14"}));
    EXPECT_EQ(ticks(0.35f, 0, 3.5f), (Strings{"17", ".", "35", "."}));
    EXPECT_EQ(ticks(0.1f, -1, 0), (Strings{"-1", "-05", "."}));
    // 10 * 0.01 is 0.099999994 in singles: its label is 0.1, not 0.0.
    EXPECT_EQ(ticks(0.01f, 0, 0.1f), (Strings{"0", "01", "."}));
    EXPECT_EQ(ticks(0.01f, -0.1f, 0), (Strings{"-01", ".", "-0"}));
    EXPECT_EQ(ticks(1, -4, 4), (Strings{}));
    // Positions: y axis, BAIY 0.5, SIZE1 26, index 5.
    Ranges(p, 0, 0, 0, 2.5f, 1, 0.5f);
    Set({{&p.SIZE, 20}, {&p.GGX, 100}, {&p.GGY, 100}});
    DrawCoordinateGrid(p);
    f.rt.ClearOps();
    DrawDecimalTicks(p);
    const float gx0 = p.GX0, gy0 = p.GY0;
    EXPECT_EQ(Texts(f.rt.Ops()), (Strings{"25@" + std::to_string(static_cast<int>(gx0 - 52)) + "," +
                                              std::to_string(static_cast<int>(gy0 - 100 - 13)),
                                          ".@" + std::to_string(static_cast<int>(gx0 - 32)) + "," +
                                              std::to_string(static_cast<int>(gy0 - 100 - 9))}));
    EXPECT_EQ(p.rt.Font().size, 16);
    EXPECT_EQ(p.II, 6);
}

TEST_F(Plane, LabelledPoints) {
    Set({{&p.GX0, 400}, {&p.GY0, 300}, {&p.SIZE, 40}, {&p.BAIX, 0.5f}, {&p.BAIY, 1}, {&p.XG, 1.5f}, {&p.YG, -2},
         {&p.R, 6}, {&p.CCC3, 4}});
    p.AAA_s = "P";
    f.rt.ClearOps();
    PlotLabelledPoint(p);
    EXPECT_EQ((Values{p.GX, p.GY, p.CCC1, p.Y, p.BAIX, p.BAIY}), (Values{520, 380, 4, 340, 1, 1}));
    const auto ops = f.rt.Ops();
    EXPECT_EQ((Values{ops[0].points[0].x, ops[0].points[0].y, ops[0].radius, static_cast<float>(ops[0].colour)}),
              (Values{520, 380, 6, 4}));
    EXPECT_EQ(Texts(ops), (Strings{"P@500,340"}));
    // A second point: scales back at 1; a shift holds for one call.
    Set({{&p.KASANARIX, 30}, {&p.KASANARIY, -10}});
    f.rt.ClearOps();
    PlotLabelledPoint(p);
    EXPECT_EQ((Values{p.GX, p.GY, p.KASANARIX, p.KASANARIY}), (Values{460, 380, 0, 0}));
    EXPECT_EQ(Texts(f.rt.Ops()), (Strings{"P@470,330"}));
}

TEST_F(Plane, CurveSamples) {
    Set({{&p.GX0, 700}, {&p.GY0, 360}, {&p.SIZE, 40}, {&p.GY1, 0}, {&p.GY2, 720}, {&p.BAIX, 1}, {&p.BAIY, 1},
         {&p.CCC3, 5}, {&p.IROIRO, 1}, {&p.AA, 6}});
    // The running sum reaches 0 exactly at sample 2501 and steps over it.
    Set({{&p.AA1, -4.8828125f}, {&p.AA2, 4.8828125f}});
    PlotCurveDots(p);
    EXPECT_EQ((Values{p.P1, p.HABA, p.II, p.X1}), (Values{1.0f / 512, 5000, 5001, -4.8828125f}));
    EXPECT_EQ(p.GX5, 4.8828125f + 2.0f / 512);  // one step past the 5001st, itself past AA2
    // -5 .. 5 passes 0 without meeting it; the sample nearest 0 is off the plane.
    Set({{&p.AA1, -5}, {&p.AA2, 5}});
    f.rt.ClearOps();
    PlotCurveDots(p);
    const auto dots = OfKind(f.rt.Ops(), DrawOp::Kind::Circle);
    EXPECT_LT(dots.size(), 5001u);
    for (const DrawOp& d : dots) EXPECT_TRUE(d.points[0].y >= 0 && d.points[0].y <= 720);
    EXPECT_EQ((Values{p.X, p.Y}), (Values{dots.back().points[0].x, dots.back().points[0].y}));
    // AA1 = 0: types other than 3 start at 0.002.
    Set({{&p.AA1, 0}, {&p.AA2, 1}, {&p.IROIRO, 2}});
    PlotCurveDots(p);
    EXPECT_EQ(p.X1, 0.002f);
    p.IROIRO = 3;
    PlotCurveDots(p);
    EXPECT_EQ(p.X1, 0);
    p.BAIY = 0;
    EXPECT_EQ(ErrorOf([&] { PlotCurveDots(p); }), ErrorCode::DivisionByZero);
}

TEST_F(Plane, GraphsLinesAndTheirResets) {
    Set({{&p.GX0, 700}, {&p.GY0, 360}, {&p.SIZE, 40}, {&p.GY1, 160}, {&p.GY2, 560}, {&p.BB1, -5}, {&p.BB2, 5},
         {&p.CCC3, 2}, {&p.BAIX, 0}, {&p.BAIY, 0}});
    // A vertical line under width 3: width 5 while drawing, 3 again after.
    Set({{&p.IROIRO, 4}, {&p.AA, 2}, {&p.BB, 0}, {&p.CC, 6}, {&p.KASANARIX, 5}});
    p.AAA_s = "L";
    p.rt.SetLineWidth(3);
    f.rt.ClearOps();
    DrawFunctionGraph(p);
    const auto ops = f.rt.Ops();
    EXPECT_EQ(chart_test::Shapes(OfKind(ops, DrawOp::Kind::Line)), (Strings{"line 820,560 820,160 c2 w5"}));
    EXPECT_EQ(Texts(ops), (Strings{"L@835,160"}));
    EXPECT_EQ((Values{p.CC, static_cast<float>(p.rt.LineWidth()), p.KASANARIX, p.BAIX, p.CCC1}),
              (Values{3, 3, 0, 1, 2}));
    // A general line becomes slope form.
    Set({{&p.IROIRO, 4}, {&p.AA, 1}, {&p.BB, 2}, {&p.CC, 4}, {&p.AA1, -5}, {&p.AA2, 5}});
    DrawFunctionGraph(p);
    EXPECT_EQ((Values{p.IROIRO, p.AA, p.BB, p.HABA}), (Values{3, -0.5f, 2, 5000}));
    Set({{&p.IROIRO, 4}, {&p.AA, 0}, {&p.BB, 0}});
    EXPECT_EQ(ErrorOf([&] { DrawFunctionGraph(p); }), ErrorCode::DivisionByZero);
}
