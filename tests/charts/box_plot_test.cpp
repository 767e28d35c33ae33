#include <gtest/gtest.h>

#include "lessonlib/charts/box_plot.h"
#include "tests/charts/chart_ops.h"
#include "tests/support/test_support.h"

using namespace lesson;
using namespace chart_test;
using testing_support::TextOps;
using testing_support::VisibleOps;

namespace {

// The viewing-season weekday summary on a scale of 8 units per item.
void SetUpSeasonBoxPlot(Program& p) {
    const float summary[] = {41, 57.5f, 69, 78.5f, 96};
    for (int k = 1; k <= 5; ++k) p.HH_a(k) = summary[k - 1];
    p.HEIKIN = 68.4f;
    p.GGX = 240;
    p.SIZEX = 80;
    p.TANIX = 10;
    p.YOKO1X = 30;
    p.YOKO = 11;
    p.GY3 = 100;
    p.SIZEY = 50;
    p.CCC2 = 3;
}

}  // namespace

TEST(BoxPlot, PlacesTheSummaryOnTheScale) {
    testing_support::Fixture f;
    Program& p = f.p();
    SetUpSeasonBoxPlot(p);
    p.HEI = -1;
    p.GS6 = -99;
    f.rt.SetLineWidth(2);
    DrawBoxPlot(p);
    EXPECT_EQ(p.DX, 8);
    EXPECT_EQ(p.GX, 320);
    EXPECT_EQ(p.GX3, 240);
    EXPECT_EQ(p.GX4, 960);
    EXPECT_EQ((std::vector<float>{p.GS1, p.GS2, p.GS3, p.GS4, p.GS5}),
              (std::vector<float>{408, 540, 632, 708, 848}));
    EXPECT_EQ(p.GS6, -99);  // no mean mark asked for
    EXPECT_EQ(f.rt.LineWidth(), 2);

    const auto ops = f.rt.Ops();
    ASSERT_EQ(ops.size(), 6u);
    for (const DrawOp& op : ops) {
        EXPECT_EQ(op.colour, 3);
        EXPECT_EQ(op.lineWidth, 5);
    }
    EXPECT_EQ(SegOf(ops[0]), (Seg{408, 100, 540, 100}));  // lower whisker
    EXPECT_EQ(ops[1].kind, DrawOp::Kind::FilledBox);
    EXPECT_EQ(SegOf(ops[1]), (Seg{540, 75, 708, 125}));
    EXPECT_EQ(ops[1].fill, 15);
    EXPECT_EQ(SegOf(ops[2]), (Seg{632, 75, 632, 125}));  // median
    EXPECT_EQ(SegOf(ops[3]), (Seg{708, 100, 848, 100}));
    EXPECT_EQ(SegOf(ops[4]), (Seg{408, 87.5f, 408, 112.5f}));
    EXPECT_EQ(SegOf(ops[5]), (Seg{848, 87.5f, 848, 112.5f}));

    f.rt.ClearOps();
    p.HEI = 0;
    DrawBoxPlot(p);
    EXPECT_EQ(f.rt.Ops().size(), 6u);
    EXPECT_EQ(p.GS6, -99);
}

TEST(BoxPlot, MeanMarkOnlyWhenAskedFor) {
    testing_support::Fixture f;
    Program& p = f.p();
    SetUpSeasonBoxPlot(p);
    p.HEI = 1;
    p.CCC2 = 15;  // an invisible plot still shows its mean mark
    DrawBoxPlot(p);
    EXPECT_FLOAT_EQ(p.GS6, 627.2f);
    const auto ops = f.rt.Ops();
    ASSERT_EQ(ops.size(), 8u);
    EXPECT_EQ(ops[6].colour, 0);
    EXPECT_EQ(ops[6].lineWidth, 5);
    EXPECT_FLOAT_EQ(ops[6].points[0].x, 619.2f);
    EXPECT_FLOAT_EQ(ops[6].points[1].x, 635.2f);
    EXPECT_EQ(ops[6].points[0].y, 100);
    EXPECT_EQ(ops[7].points[0].y, 92);
    EXPECT_EQ(ops[7].points[1].y, 108);
    EXPECT_EQ(f.rt.LineWidth(), 3);
}

TEST(BoxPlot, ScaleLineConnectorsAndLabels) {
    testing_support::Fixture f;
    Program& p = f.p();
    SetUpSeasonBoxPlot(p);
    p.X_sa(1) = "30";
    p.TANI_s = "(個)";
    p.CCC1 = 7;
    f.rt.SetLineWidth(5);
    DrawBoxPlotScale(p);
    EXPECT_EQ(p.GY4, 150);
    EXPECT_EQ(f.rt.LineWidth(), 3);
    EXPECT_EQ(p.CCC1, 0);

    const auto ops = VisibleOps(f.rt);
    const auto lines = Lines(ops);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(SegOf(lines[0]), (Seg{240, 150, 960, 150}));
    EXPECT_EQ(SegOf(lines[1]), (Seg{408, 112.5f, 408, 150}));  // from the end tick
    EXPECT_EQ(SegOf(lines[2]), (Seg{540, 125, 540, 150}));    // from the box's edge
    EXPECT_EQ(SegOf(lines[5]), (Seg{848, 112.5f, 848, 150}));
    for (const DrawOp& op : lines) EXPECT_EQ(op.colour, 0);

    // Labels centred under their points; "(個)" ends at the scale's end.
    std::vector<std::pair<std::string, float>> glyphs;
    for (const DrawOp& op : TextOps(ops)) {
        EXPECT_EQ(op.points[0].y, 150);
        EXPECT_EQ(op.colour, 0);
        glyphs.emplace_back(op.text.Utf8(), op.points[0].x);
    }
    EXPECT_EQ(glyphs, (std::vector<std::pair<std::string, float>>{
                          {"0", 230},                                         // at 240
                          {"3", 300}, {"0", 320},                             // at 320
                          {"4", 388}, {"1", 408},                             // at 408
                          {"5", 506}, {"7", 526}, {".", 546}, {"5", 554},     // at 540
                          {"6", 612}, {"9", 632},                             // at 632
                          {"7", 674}, {"8", 694}, {".", 714}, {"5", 722},     // at 708
                          {"9", 828}, {"6", 848},                             // at 848
                          {"(", 902}, {"個", 922}, {")", 952},                // ends at 960
                      }));
    EXPECT_EQ(p.X, 960);
    EXPECT_EQ(p.Y, 150);
    EXPECT_EQ(p.LLT, 50);
}

TEST(BoxPlot, UprightDemonstration) {
    testing_support::Fixture f;
    Program& p = f.p();
    SetUpSeasonBoxPlot(p);
    p.HEI = -1;
    DrawBoxPlotVertical(p);
    EXPECT_EQ(p.HEI, 1);
    EXPECT_EQ(p.CCC2, 3);
    EXPECT_EQ(p.GY4, 1070);
    EXPECT_EQ(f.rt.LineWidth(), 5);
    EXPECT_EQ((std::vector<float>{p.GS1, p.GS2, p.GS3, p.GS4, p.GS5}),
              (std::vector<float>{155, 237.5f, 295, 342.5f, 430}));
    const auto ops = f.rt.Ops();
    ASSERT_EQ(ops.size(), 12u);
    EXPECT_EQ(SegOf(ops[0]), (Seg{1070, 50, 1070, p.GX4}));
    EXPECT_EQ(ops[0].lineWidth, 3);
    EXPECT_EQ(SegOf(ops[1]), (Seg{1132.5f, 155, 1070, 155}));
    EXPECT_EQ(ops[7].kind, DrawOp::Kind::Box);
    EXPECT_EQ(SegOf(ops[7]), (Seg{1095, 237.5f, 1145, 342.5f}));
    EXPECT_EQ(ops[7].lineWidth, 5);
    EXPECT_EQ(ops[7].colour, 3);
    EXPECT_EQ(SegOf(ops[10]), (Seg{1107.5f, 155, 1132.5f, 155}));
    EXPECT_EQ(SegOf(ops[11]), (Seg{1107.5f, 430, 1132.5f, 430}));
}
