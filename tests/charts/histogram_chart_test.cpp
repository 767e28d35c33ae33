#include <gtest/gtest.h>

#include <string>

#include "lessonlib/charts/grid_paper.h"
#include "lessonlib/charts/histogram_bars.h"
#include "lessonlib/charts/histogram_frame.h"
#include "lessonlib/charts/line_graph.h"
#include "tests/charts/chart_ops.h"

using namespace lesson;
using namespace chart_test;
using testing_support::VisibleOps;
using LineGraph = ChartTest;
using GridPaper = ChartTest;

namespace {

// The daily snack sales frame: 11 columns of 80, 4 rows of 80, 5 days a row.
struct HistogramFrame : ChartTest {
    HistogramFrame() {
        Set({{&p.GGX, 140}, {&p.GGY, 115}, {&p.SIZEX, 80}, {&p.SIZEY, 80}, {&p.YOKO, 11}});
        Set({{&p.TATE, 4}, {&p.YTANI, 5}, {&p.CCC2, 5}, {&p.CCC3, 7}});
        for (int k = 1; k <= 10; ++k) p.X_sa(k) = Text(std::to_string(20 + 10 * k));
        for (int k = 1; k <= 4; ++k) p.Y_sa(k) = Text(std::to_string(5 * k));
        p.X_sa(0) = "(個)";
        p.Y_sa(0) = "(日)";
    }
};

}  // namespace

TEST_F(HistogramFrame, WorkedFrame) {
    DrawHistogramFrame(p);
    EXPECT_EQ((Values{p.GX0, p.GX1, p.GY1, p.GX2, p.GY0, p.GY2, p.SIZEYY, p.CCC1, p.CCC2, p.CCC3}),
              (Values{140, 140, 115, 1020, 435, 435, 16, 0, 0, 0}));
    EXPECT_EQ(p.X_sa(p.YOKO), p.X_sa(0));
    EXPECT_EQ(f.rt.LineWidth(), 5);
    // Grid lines 1..11 and 1..4, every fifth 3 wide, then the axes.
    const auto ops = VisibleOps(f.rt);
    const Strings lines = Shapes(OfKind(ops, DrawOp::Kind::Line));
    ASSERT_EQ(lines.size(), 11u + 4u + 2u);
    EXPECT_EQ((Strings{lines[0], lines[4], lines[11], lines[16]}),
              (Strings{"line 220,115 220,435 c0 w2", "line 540,115 540,435 c0 w3",
                       "line 140,355 1020,355 c0 w2", "line 140,435 140,115 c0 w5"}));
    // Class bounds centred on their lines by 13 per character, in two rows,
    // the unit in the last place; the y labels and the title end left of the axis.
    EXPECT_EQ(LabelStarts(ops, {"0", "30", "40", "50", "60", "70", "80", "90", "100", "110", "120",
                                "(個)", "5", "10", "15", "20", "(日)"}),
              "0@110,435 30@194,439 40@274,461 50@354,439 60@434,461 70@514,439 80@594,461 "
              "90@674,439 100@741,461 110@821,439 120@901,461 (個)@973,439 5@112,342 10@92,262 "
              "15@92,182 20@92,102 (日)@82,75");
}

TEST_F(HistogramFrame, BarsPolygonAndTheGridOverThem) {
    SetHistogramOrigin(p);
    EXPECT_TRUE(f.rt.Ops().empty());
    const float counts[] = {0, 5, 10, 13, 10, 6, 2, 0, 0, 1, 0, 4};
    for (int k = 0; k <= 11; ++k) p.Y_a(k) = counts[k];
    p.CCC4 = 3;
    Strings ops = ShapesOf(DrawHistogramBars);
    ASSERT_EQ(ops.size(), 10u);  // classes 1..10; the unit's column stays empty
    EXPECT_EQ((Strings{ops[0], ops[9]}),
              (Strings{"filled 220,355 300,435 c0/3 w3", "filled 940,435 1020,435 c0/3 w3"}));
    ops = ShapesOf(DrawFrequencyPolygon);
    ASSERT_EQ(ops.size(), 10u);
    EXPECT_EQ((Strings{ops[0], ops[9]}),
              (Strings{"line 180,435 260,355 c3 w3", "line 900,419 980,435 c3 w3"}));
    // Over the bars the grid comes again, with line 0, and the width back.
    ops = ShapesOf(DrawHistogramGrid);
    ASSERT_EQ(ops.size(), 12u + 5u + 2u);
    EXPECT_EQ((Strings{ops[0], ops[12], ops[18]}),
              (Strings{"line 140,115 140,435 c0 w3", "line 140,435 1020,435 c0 w3",
                       "line 140,435 140,115 c0 w5"}));
    EXPECT_EQ(f.rt.LineWidth(), 3);
    p.YTANI = -5;  // a value takes SIZEY / |step| units
    SetHistogramOrigin(p);
    EXPECT_EQ(p.SIZEYY, 16);
}

TEST_F(LineGraph, SparseLabelsInOneRowAndTheDataLine) {
    Set({{&p.GGX, 100}, {&p.GGY, 200}, {&p.SIZEX, 15}, {&p.YOKO, 30}, {&p.SIZEY, 50}, {&p.TATE, 4}});
    Set({{&p.YTANI, 10}, {&p.DOSU, 30}, {&p.CCC4, 7}});
    for (int k = 1; k <= 30; ++k) p.Y_a(k) = static_cast<float>(k);
    for (int k = 5; k <= 25; k += 5) p.X_sa(k) = Text(std::to_string(k));
    for (int k = 1; k <= 4; ++k) p.Y_sa(k) = Text(std::to_string(10 * k));
    p.X_sa(30) = "(回)";
    f.rt.SetLineWidth(1);
    DrawLineGraph(p);
    EXPECT_EQ(f.rt.LineWidth(), 5);
    const auto ops = VisibleOps(f.rt);
    const Strings lines = Shapes(OfKind(ops, DrawOp::Kind::Line));
    ASSERT_EQ(lines.size(), 5u + 2u + 29u);  // no vertical grid lines
    EXPECT_EQ((Strings{lines[0], lines[7], lines[35]}),
              (Strings{"line 100,400 550,400 c0 w3", "line 115,395 130,390 c7 w5",
                       "line 535,255 550,250 c7 w5"}));
    // X$(30) stays the last label: the line graph does not put the unit there.
    EXPECT_EQ(LabelStarts(ops, {"0", "5", "10", "15", "20", "25", "(回)", "10", "20", "30", "40"}),
              "0@70,400 5@162,404 10@224,404 15@299,404 20@374,404 25@449,404 (回)@503,404 "
              "10@52,337 20@52,287 30@52,237 40@52,187");
}

TEST_F(GridPaper, EveryFifthLineBoldFromTheBottomLeftOrTheLayoutAlone) {
    Set({{&p.GGX, 100}, {&p.GGY, 100}, {&p.YOKO, 11}, {&p.TATE, 4}, {&p.SIZE, 20}, {&p.CCC2, 0}});
    f.rt.SetLineWidth(4);
    const Strings ops = ShapesOf(DrawGridPaper);
    ASSERT_EQ(ops.size(), 12u + 5u);
    EXPECT_EQ((Strings{ops[0], ops[1], ops[12]}),
              (Strings{"line 100,100 100,180 c14 w3", "line 120,100 120,180 c0 w1",
                       "line 100,180 320,180 c14 w3"}));
    EXPECT_EQ(f.rt.LineWidth(), 4);
    p.CCC2 = 15;  // the background colour asks for the layout alone
    EXPECT_TRUE(ShapesOf(DrawGridPaper).empty());
}
