#include <gtest/gtest.h>

#include <string>

#include "Tallyview/sales_data.h"
#include "lessonlib/charts/box_plot.h"
#include "lessonlib/charts/figure_marks.h"
#include "lessonlib/charts/histogram_bars.h"
#include "lessonlib/charts/histogram_classes.h"
#include "lessonlib/charts/histogram_frame.h"
#include "lessonlib/charts/line_graph.h"
#include "lessonlib/charts/statistics.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/text/plain_text.h"
#include "tests/support/test_support.h"

using namespace lesson;

namespace {

// T(1..n) = one of the sales series.
void LoadWorkingData(Program& p, const Array1<float>& series, float count) {
    p.DOSU = count;
    CountedLoop(p.II, 1, p.DOSU, [&] { p.T_a(p.II) = series(p.II); });
}

void Label(Program& p, float x, float y, float colour, const Text& text) {
    p.X = x;
    p.Y = y;
    p.CCC1 = colour;
    p.AA_s = text;
    DrawPlainText(p);
}

void HistogramWithBoxPlots(Program& p) {
    tallyview::LoadSnackSales(p);
    LoadWorkingData(p, p.H2_a, p.H2);
    p.YOKO1X = 30;
    p.XTANI = 10;
    p.XMAX = 130;
    p.TATE1Y = 2;
    p.YTANI = 2;
    p.YMAX = 14;
    CountHistogramClasses(p);
    p.X_sa(0) = "個";
    p.Y_sa(0) = "日";
    p.GGX = 140;
    p.GGY = 125;
    p.SIZEX = 40;
    p.SIZEY = 30;
    DrawHistogramFrame(p);
    p.CCC4 = 7;
    DrawHistogramBars(p);
    DrawHistogramGrid(p);
    p.CCC4 = 13;
    DrawFrequencyPolygon(p);
    Label(p, p.GX0 + 40, p.GY1 - 30, 3, "花見期間(平日)");

    // Both weekday series on one scale, the viewing season with its mean.
    SortAndSummarize(p);
    p.GY3 = p.GY2 + 80;
    p.CCC2 = 3;
    p.HEI = 1;
    p.TANIX = 10;
    p.SIZEY = 50;
    DrawBoxPlot(p);
    LoadWorkingData(p, p.H1_a, p.H1);
    SortAndSummarize(p);
    p.GY3 = p.GY3 + 70;
    p.CCC2 = 5;
    p.HEI = -1;
    DrawBoxPlot(p);
    p.TANI_s = "(個)";
    DrawBoxPlotScale(p);
}

void LineGraph(Program& p) {
    p.GGX = 760;
    p.GGY = 125;
    p.SIZEX = 15;
    p.YOKO = 30;
    p.SIZEY = 50;
    p.TATE = 4;
    p.YTANI = 10;
    for (int k = 1; k <= 30; ++k) p.X_sa(k) = k % 5 == 0 ? Text(std::to_string(k)) : Text();
    p.X_sa(30) = "(回)";
    const char* rows[] = {"10", "20", "30", "40"};
    for (int k = 1; k <= 4; ++k) p.Y_sa(k) = rows[k - 1];
    p.Y_sa(0) = "(人)";
    p.DOSU = 30;
    for (int k = 1; k <= 30; ++k) p.Y_a(k) = static_cast<float>(8 + (k * 7) % 23 + k / 3);
    p.CCC4 = 3;
    DrawLineGraph(p);
    p.rt.SetLineWidth(3);
}

void Points(Program& p, float x0, float y0, float x1, float y1, float x2 = 0, float y2 = 0) {
    p.ZX0 = x0;
    p.ZY0 = y0;
    p.ZX1 = x1;
    p.ZY1 = y1;
    p.ZX2 = x2;
    p.ZY2 = y2;
}

void AngleMarks(Program& p) {
    // Arcs, a filled sector and a right angle at three corners.
    for (float x : {860.0f, 1060.0f, 1260.0f}) p.rt.Line(x, 660, x + 120, 660, 0);
    p.rt.Line(860, 660, 960, 560, 0);
    p.rt.Line(1060, 660, 1060, 540, 0);
    p.rt.Line(1260, 660, 1260, 540, 0);

    Points(p, 860, 660, 980, 660, 960, 560);
    p.ITI = 0;
    p.HONSU = 2;
    p.NAGASA = 50;
    p.CCC3 = 5;
    p.CCC1 = 5;
    p.AAA_s = "45%";
    DrawAngleArc(p);

    Points(p, 1060, 660, 1180, 660, 1060, 540);
    p.HONSU = 0;
    p.NAGASA = 40;
    p.CCC2 = 0;
    p.CCC3 = 11;
    p.CCC1 = 3;
    p.AAA_s = "90%";
    DrawAngleArc(p);

    Points(p, 1260, 660, 1380, 660, 1260, 540);
    p.NAGASA = 20;
    p.CCC2 = 7;
    DrawRightAngleMark(p);

    // A dotted arc above a segment, labelled with its length.
    p.rt.Line(1000, 500, 1300, 500, 0);
    Points(p, 1000, 500, 1300, 500);
    p.TAKASA = 3;
    p.HOUKOU = -1;
    p.HABA = 5;
    p.CCC2 = 13;
    p.CCC1 = 13;
    p.AAA_s = "6cm";
    DrawDottedArc(p);
}

}  // namespace

TEST(ChartPicture, ChartsBoxPlotsAndMarks) {
    testing_support::Fixture f;
    Program& p = f.p();
    f.rt.EnableCanvas();
    HistogramWithBoxPlots(p);
    LineGraph(p);
    AngleMarks(p);
    EXPECT_TRUE(f.rt.WritePng(testing_support::OutputDir() + "/charts.png"));
}
