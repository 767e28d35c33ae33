#include <gtest/gtest.h>

#include <map>
#include <string>

#include "lessonlib/charts/grid_paper.h"
#include "lessonlib/charts/histogram_bars.h"
#include "lessonlib/charts/histogram_frame.h"
#include "lessonlib/charts/line_graph.h"
#include "tests/charts/chart_ops.h"
#include "tests/support/test_support.h"

using namespace lesson;
using namespace chart_test;
using testing_support::TextOps;
using testing_support::VisibleOps;

namespace {

Text NumberLabelText(int v) { return Text(std::to_string(v)); }

// The daily snack sales frame: 11 columns of 80, 4 rows of 80, 5 days a row.
void SetUpWorkedFrame(Program& p) {
    p.GGX = 140;
    p.GGY = 115;
    p.SIZEX = 80;
    p.SIZEY = 80;
    p.YOKO = 11;
    p.TATE = 4;
    p.YTANI = 5;
    for (int k = 1; k <= 10; ++k) p.X_sa(k) = NumberLabelText(20 + 10 * k);
    p.X_sa(0) = "(個)";
    const char* rows[] = {"5", "10", "15", "20"};
    for (int k = 1; k <= 4; ++k) p.Y_sa(k) = rows[k - 1];
    p.Y_sa(0) = "(日)";
}

// Where each label starts: the x and y of its first glyph, keyed by label.
std::map<std::string, Point> LabelStarts(const std::vector<DrawOp>& textOps,
                                         const std::vector<std::string>& labels) {
    std::map<std::string, Point> out;
    std::size_t i = 0;
    for (const std::string& label : labels) {
        Point start = textOps.at(i).points[0];
        std::string joined;
        while (joined.size() < label.size()) joined += textOps.at(i++).text.Utf8();
        EXPECT_EQ(joined, label);
        out[label] = start;
    }
    EXPECT_EQ(i, textOps.size());
    return out;
}

void ExpectAt(const std::map<std::string, Point>& at, const std::string& label, float x, float y) {
    SCOPED_TRACE(label);
    ASSERT_TRUE(at.count(label));
    EXPECT_EQ(at.at(label).x, x);
    EXPECT_EQ(at.at(label).y, y);
}

}  // namespace

TEST(HistogramFrame, WorkedFrame) {
    testing_support::Fixture f;
    Program& p = f.p();
    SetUpWorkedFrame(p);
    p.CCC2 = 5;
    p.CCC3 = 7;
    DrawHistogramFrame(p);
    EXPECT_EQ(p.GX0, 140);
    EXPECT_EQ(p.GX1, 140);
    EXPECT_EQ(p.GY1, 115);
    EXPECT_EQ(p.GX2, 1020);
    EXPECT_EQ(p.GY0, 435);
    EXPECT_EQ(p.GY2, 435);
    EXPECT_EQ(p.SIZEYY, 16);
    EXPECT_EQ(p.CCC2, 0);
    EXPECT_EQ(p.CCC3, 0);
    EXPECT_EQ(p.CCC1, 0);
    EXPECT_EQ(p.X_sa(11), Text("(個)"));
    EXPECT_EQ(f.rt.LineWidth(), 5);
    EXPECT_EQ(p.X, 140);  // after the title, which ends at the axis
    EXPECT_EQ(p.Y, 75);
    EXPECT_EQ(p.LLT, 50);

    const auto ops = VisibleOps(f.rt);
    const auto lines = Lines(ops);
    ASSERT_EQ(lines.size(), 11u + 4u + 2u);
    for (int k = 1; k <= 11; ++k) {
        const DrawOp& line = lines[static_cast<std::size_t>(k - 1)];
        EXPECT_EQ(SegOf(line), (Seg{140.0f + 80 * k, 115, 140.0f + 80 * k, 435})) << k;
        EXPECT_EQ(line.lineWidth, k % 5 == 0 ? 3 : 2) << k;
    }
    EXPECT_EQ(SegOf(lines[11]), (Seg{140, 355, 1020, 355}));
    EXPECT_EQ(SegOf(lines[15]), (Seg{140, 435, 1020, 435}));
    EXPECT_EQ(SegOf(lines[16]), (Seg{140, 435, 140, 115}));
    EXPECT_EQ(lines[15].lineWidth, 5);
    EXPECT_EQ(lines[16].colour, 0);

    const auto at = LabelStarts(TextOps(ops), {"0", "30", "40", "50", "60", "70", "80", "90", "100",
                                               "110", "120", "(個)", "5", "10", "15", "20", "(日)"});
    ExpectAt(at, "0", 110, 435);
    ExpectAt(at, "30", 194, 439);
    ExpectAt(at, "40", 274, 461);
    ExpectAt(at, "100", 741, 461);  // a three-character label 39 left of its line
    ExpectAt(at, "(個)", 981 - 8, 439);  // "(" is drawn 8 left of the pen
    ExpectAt(at, "5", 112, 342);
    ExpectAt(at, "10", 92, 262);  // ends 8 left of the axis
    ExpectAt(at, "20", 92, 102);
    ExpectAt(at, "(日)", 90 - 8, 75);
}

TEST(HistogramFrame, OriginAloneAndScaleOfValues) {
    testing_support::Fixture f;
    Program& p = f.p();
    SetUpWorkedFrame(p);
    p.CCC2 = 5;
    f.rt.SetLineWidth(4);
    SetHistogramOrigin(p);
    EXPECT_TRUE(f.rt.Ops().empty());
    EXPECT_EQ(f.rt.LineWidth(), 4);
    EXPECT_EQ((std::vector<float>{p.GX0, p.GY0, p.GX1, p.GY1, p.GX2, p.GY2, p.SIZEYY, p.CCC2, p.CCC3}),
              (std::vector<float>{140, 435, 140, 115, 1020, 435, 16, 0, 0}));
    EXPECT_EQ(p.X_sa(11), Text());  // only the frame puts the unit there

    p.YTANI = 0;
    SetHistogramOrigin(p);
    EXPECT_EQ(p.SIZEYY, 80);
    p.YTANI = -5;
    SetHistogramOrigin(p);
    EXPECT_EQ(p.SIZEYY, 16);
}

TEST(HistogramFrame, BarsPolygonAndGridOverThem) {
    testing_support::Fixture f;
    Program& p = f.p();
    SetUpWorkedFrame(p);
    DrawHistogramFrame(p);
    const float counts[] = {0, 5, 10, 13, 10, 6, 2, 0, 0, 1, 0, 4};
    for (int k = 0; k <= 11; ++k) p.Y_a(k) = counts[k];
    p.CCC4 = 3;
    f.rt.ClearOps();
    DrawHistogramBars(p);
    auto ops = f.rt.Ops();
    ASSERT_EQ(ops.size(), 10u);  // classes 1..10; the eleventh is not drawn
    EXPECT_EQ(SegOf(ops[0]), (Seg{220, 435 - 80, 300, 435}));
    EXPECT_EQ(SegOf(ops[2]), (Seg{380, 435 - 208, 460, 435}));
    EXPECT_EQ(SegOf(ops[9]), (Seg{940, 435, 1020, 435}));  // ends at the right edge
    for (const DrawOp& op : ops) {
        EXPECT_EQ(op.kind, DrawOp::Kind::FilledBox);
        EXPECT_EQ(op.colour, 0);
        EXPECT_EQ(op.fill, 3);
        EXPECT_EQ(op.lineWidth, 5);  // as the frame left it
    }

    f.rt.ClearOps();
    f.rt.SetLineWidth(3);
    DrawFrequencyPolygon(p);
    ops = f.rt.Ops();
    ASSERT_EQ(ops.size(), 10u);
    EXPECT_EQ(SegOf(ops[0]), (Seg{180, 435, 260, 435 - 80}));
    EXPECT_EQ(SegOf(ops[9]), (Seg{900, 435 - 16, 980, 435}));
    EXPECT_EQ(ops[0].colour, 3);
    EXPECT_EQ(ops[0].lineWidth, 3);

    f.rt.ClearOps();
    DrawHistogramGrid(p);
    ops = f.rt.Ops();
    ASSERT_EQ(ops.size(), 12u + 5u + 2u);
    EXPECT_EQ(SegOf(ops[0]), (Seg{140, 115, 140, 435}));  // line 0 as well
    EXPECT_EQ(ops[0].lineWidth, 3);
    EXPECT_EQ(ops[1].lineWidth, 2);
    EXPECT_EQ(SegOf(ops[12]), (Seg{140, 435, 1020, 435}));
    EXPECT_EQ(ops[17].lineWidth, 5);
    EXPECT_EQ(f.rt.LineWidth(), 3);
}

TEST(LineGraph, SparseLabelsOneRowAndTheDataLine) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.GGX = 100;
    p.GGY = 200;
    p.SIZEX = 15;
    p.YOKO = 30;
    p.SIZEY = 50;
    p.TATE = 4;
    p.YTANI = 10;
    for (int k = 5; k <= 25; k += 5) p.X_sa(k) = NumberLabelText(k);
    p.X_sa(30) = "(回)";
    p.X_sa(0) = "unused";
    const char* rows[] = {"10", "20", "30", "40"};
    for (int k = 1; k <= 4; ++k) p.Y_sa(k) = rows[k - 1];
    p.Y_sa(0) = "";
    p.DOSU = 30;
    for (int k = 1; k <= 30; ++k) p.Y_a(k) = static_cast<float>(k);
    p.CCC4 = 7;
    f.rt.SetLineWidth(1);
    DrawLineGraph(p);

    EXPECT_EQ(p.GY0, 400);
    EXPECT_EQ(p.SIZEYY, 5);
    EXPECT_EQ(p.X_sa(30), Text("(回)"));
    EXPECT_EQ(f.rt.LineWidth(), 5);
    EXPECT_EQ(p.X, 100);  // the empty title leaves the pen where it starts
    EXPECT_EQ(p.Y, 170);

    const auto ops = VisibleOps(f.rt);
    const auto lines = Lines(ops);
    ASSERT_EQ(lines.size(), 5u + 2u + 29u);
    EXPECT_EQ(SegOf(lines[0]), (Seg{100, 400, 550, 400}));
    EXPECT_EQ(lines[0].lineWidth, 3);
    EXPECT_EQ(lines[1].lineWidth, 2);
    EXPECT_EQ(SegOf(lines[7]), (Seg{115, 395, 130, 390}));
    EXPECT_EQ(SegOf(lines[35]), (Seg{535, 255, 550, 250}));
    EXPECT_EQ(lines[35].colour, 7);
    EXPECT_EQ(lines[35].lineWidth, 5);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(lines[i].points[0].x, 100);  // no vertical lines

    const auto at = LabelStarts(TextOps(ops), {"0", "5", "10", "15", "20", "25", "(回)", "10", "20",
                                               "30", "40"});
    ExpectAt(at, "5", 100 + 75 - 13, 404);
    ExpectAt(at, "15", 100 + 225 - 26, 404);  // every x label in the first row
    ExpectAt(at, "(回)", 100 + 450 - 39 - 8, 404);
    ExpectAt(at, "40", 100 - 40 - 8, 400 - 200 - 13);
}

TEST(GridPaper, LayoutAloneWithBackgroundColour) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.GGX = 800;
    p.GGY = 200;
    p.YOKO = 10;
    p.TATE = 10;
    p.SIZE = 40;
    p.CCC2 = 15;
    p.CCC3 = 6;
    f.rt.SetLineWidth(4);
    DrawGridPaper(p);
    EXPECT_TRUE(f.rt.Ops().empty());
    EXPECT_EQ((std::vector<float>{p.GX0, p.GX1, p.GY1, p.GX2, p.GY0, p.GY2}),
              (std::vector<float>{800, 800, 200, 1200, 600, 600}));
    EXPECT_EQ(p.PI, 3.14159f);
    EXPECT_EQ(p.CCC3, 6);
    EXPECT_EQ(f.rt.LineWidth(), 4);
}

TEST(GridPaper, EveryFifthLineBoldFromTheBottomLeft) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.GGX = 100;
    p.GGY = 100;
    p.YOKO = 11;
    p.TATE = 4;
    p.SIZE = 20;
    p.CCC2 = 0;
    f.rt.SetLineWidth(4);
    DrawGridPaper(p);
    EXPECT_EQ(p.CCC3, 14);
    EXPECT_EQ(f.rt.LineWidth(), 4);
    const auto ops = f.rt.Ops();
    ASSERT_EQ(ops.size(), 12u + 5u);
    for (int k = 0; k <= 11; ++k) {
        const bool bold = k % 5 == 0;
        EXPECT_EQ(ops[static_cast<std::size_t>(k)].lineWidth, bold ? 3 : 1) << k;
        EXPECT_EQ(ops[static_cast<std::size_t>(k)].colour, bold ? 14 : 0) << k;
    }
    EXPECT_EQ(SegOf(ops[12]), (Seg{100, 180, 320, 180}));  // the bottom edge, bold
    EXPECT_EQ(ops[12].lineWidth, 3);
    EXPECT_EQ(SegOf(ops[16]), (Seg{100, 100, 320, 100}));  // the top edge, thin
    EXPECT_EQ(ops[16].lineWidth, 1);
}
