#include <gtest/gtest.h>

#include "lessonlib/charts/box_plot.h"
#include "tests/charts/chart_ops.h"

using namespace lesson;
using namespace chart_test;

namespace {

// The viewing-season weekday summary on a scale of 8 units per item.
struct BoxPlot : ChartTest {
    BoxPlot() {
        Set({{&p.HH_a(1), 41}, {&p.HH_a(2), 57.5f}, {&p.HH_a(3), 69}, {&p.HH_a(4), 78.5f}});
        Set({{&p.HH_a(5), 96}, {&p.HEIKIN, 68.4f}, {&p.GGX, 240}, {&p.SIZEX, 80}, {&p.TANIX, 10}});
        Set({{&p.YOKO1X, 30}, {&p.YOKO, 11}, {&p.GY3, 100}, {&p.SIZEY, 50}, {&p.CCC2, 3}});
    }
    Values SummaryPositions() const { return {p.GS1, p.GS2, p.GS3, p.GS4, p.GS5}; }
};

}  // namespace

TEST_F(BoxPlot, SummaryOnTheScaleAndTheMeanMarkOnlyWhenAsked) {
    f.rt.SetLineWidth(2);
    for (float hei : {-1.0f, 0.0f}) {
        p.HEI = hei;
        EXPECT_EQ(ShapesOf(DrawBoxPlot),
                  (Strings{"line 408,100 540,100 c3 w5", "filled 540,75 708,125 c3/15 w5",
                           "line 632,75 632,125 c3 w5", "line 708,100 848,100 c3 w5",
                           "line 408,87.5 408,112.5 c3 w5", "line 848,87.5 848,112.5 c3 w5"}))
            << hei;
    }
    EXPECT_EQ(SummaryPositions(), (Values{408, 540, 632, 708, 848}));
    EXPECT_EQ(f.rt.LineWidth(), 2);
    // The mean 68.4 is marked in colour 0, also on a plot in the background colour.
    Set({{&p.HEI, 1}, {&p.CCC2, 15}});
    const Strings ops = ShapesOf(DrawBoxPlot);
    ASSERT_EQ(ops.size(), 8u);
    EXPECT_EQ((Strings{ops[6], ops[7]}),
              (Strings{"line 619.2,100 635.2,100 c0 w5", "line 627.2,92 627.2,108 c0 w5"}));
}

TEST_F(BoxPlot, ScaleLeavesWidthThreeAndCentresItsLabels) {
    p.X_sa(1) = "30";
    p.TANI_s = "(個)";
    p.CCC1 = 7;
    f.rt.SetLineWidth(5);
    DrawBoxPlotScale(p);
    EXPECT_EQ((Values{p.GY4, p.CCC1}), (Values{150, 0}));
    EXPECT_EQ(f.rt.LineWidth(), 3);
    const auto ops = testing_support::VisibleOps(f.rt);
    // The connectors start at the end ticks and at the box's edge.
    EXPECT_EQ(Shapes(OfKind(ops, DrawOp::Kind::Line)),
              (Strings{"line 240,150 960,150 c0 w3", "line 408,112.5 408,150 c0 w3",
                       "line 540,125 540,150 c0 w3", "line 632,125 632,150 c0 w3",
                       "line 708,125 708,150 c0 w3", "line 848,112.5 848,150 c0 w3"}));
    // Labels centred under 240, 320 and the summary points; the unit ends at 960.
    EXPECT_EQ(LabelStarts(ops, {"0", "30", "41", "57.5", "69", "78.5", "96", "(個)"}),
              "0@230,150 30@300,150 41@388,150 57.5@506,150 69@612,150 78.5@674,150 96@828,150 "
              "(個)@902,150");
}

TEST_F(BoxPlot, UprightPlotRunsDownTheScreen) {
    EXPECT_EQ(ShapesOf(DrawBoxPlotVertical).at(7), "box 1095,237.5 1145,342.5 c3 w5");
    EXPECT_EQ(SummaryPositions(), (Values{155, 237.5f, 295, 342.5f, 430}));
}
