// Draws the charts and figure marks into charts.png for a person to look at;
// the test itself checks only that the picture is written.
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
#include "lessonlib/text/plain_text.h"
#include "tests/charts/chart_ops.h"

using namespace lesson;
using namespace chart_test;
using ChartPicture = ChartTest;

TEST_F(ChartPicture, ChartsBoxPlotsAndMarks) {
    f.rt.EnableCanvas();
    // The viewing-season weekday sales as a histogram with its frequency polygon.
    tallyview::LoadSnackSales(p);
    p.DOSU = p.H2;
    for (float k = 1; k <= p.DOSU; ++k) p.T_a(k) = p.H2_a(k);
    Set({{&p.YOKO1X, 30}, {&p.XTANI, 10}, {&p.XMAX, 130}, {&p.TATE1Y, 2}, {&p.YTANI, 2}, {&p.YMAX, 14}});
    CountHistogramClasses(p);
    p.X_sa(0) = "個";
    p.Y_sa(0) = "日";
    Set({{&p.GGX, 140}, {&p.GGY, 125}, {&p.SIZEX, 40}, {&p.SIZEY, 30}});
    DrawHistogramFrame(p);
    p.CCC4 = 7;
    DrawHistogramBars(p);
    DrawHistogramGrid(p);
    p.CCC4 = 13;
    DrawFrequencyPolygon(p);
    Set({{&p.X, p.GX0 + 40}, {&p.Y, p.GY1 - 30}, {&p.CCC1, 3}});
    p.AA_s = "花見期間(平日)";
    DrawPlainText(p);

    // Both weekday series on one scale, the viewing season with its mean.
    SortAndSummarize(p);
    Set({{&p.GY3, p.GY2 + 80}, {&p.CCC2, 3}, {&p.HEI, 1}, {&p.TANIX, 10}, {&p.SIZEY, 50}});
    DrawBoxPlot(p);
    p.DOSU = p.H1;
    for (float k = 1; k <= p.DOSU; ++k) p.T_a(k) = p.H1_a(k);
    SortAndSummarize(p);
    Set({{&p.GY3, p.GY3 + 70}, {&p.CCC2, 5}, {&p.HEI, -1}});
    DrawBoxPlot(p);
    p.TANI_s = "(個)";
    DrawBoxPlotScale(p);

    // A line graph with a label every fifth point.
    Set({{&p.GGX, 760}, {&p.GGY, 125}, {&p.SIZEX, 15}, {&p.YOKO, 30}, {&p.SIZEY, 50}, {&p.TATE, 4}});
    Set({{&p.YTANI, 10}, {&p.DOSU, 30}, {&p.CCC4, 3}});
    for (int k = 1; k <= 30; ++k) {
        p.X_sa(k) = k % 5 == 0 ? Text(std::to_string(k)) : Text();
        p.Y_a(k) = static_cast<float>(8 + (k * 7) % 23 + k / 3);
    }
    p.X_sa(30) = "(回)";
    for (int k = 1; k <= 4; ++k) p.Y_sa(k) = Text(std::to_string(10 * k));
    p.Y_sa(0) = "(人)";
    DrawLineGraph(p);

    // Arcs, a filled sector and a right angle at three corners, and a dotted
    // arc above a segment, labelled with its length.
    p.rt.SetLineWidth(3);
    for (float x : {860.0f, 1060.0f, 1260.0f}) p.rt.Line(x, 660, x + 120, 660, 0);
    p.rt.Line(860, 660, 960, 560, 0);
    p.rt.Line(1060, 660, 1060, 540, 0);
    p.rt.Line(1260, 660, 1260, 540, 0);
    p.rt.Line(1000, 500, 1300, 500, 0);
    Corner(p, 860, 660, 980, 660, 960, 560);
    Set({{&p.ITI, 0}, {&p.HONSU, 2}, {&p.NAGASA, 50}, {&p.CCC3, 5}, {&p.CCC1, 5}});
    p.AAA_s = "45%";
    DrawAngleArc(p);
    Corner(p, 1060, 660, 1180, 660, 1060, 540);
    Set({{&p.HONSU, 0}, {&p.NAGASA, 40}, {&p.CCC2, 0}, {&p.CCC3, 11}, {&p.CCC1, 3}});
    p.AAA_s = "90%";
    DrawAngleArc(p);
    Corner(p, 1260, 660, 1380, 660, 1260, 540);
    Set({{&p.NAGASA, 20}, {&p.CCC2, 7}});
    DrawRightAngleMark(p);
    Corner(p, 1000, 500, 1300, 500);
    Set({{&p.TAKASA, 3}, {&p.HOUKOU, -1}, {&p.HABA, 5}, {&p.CCC2, 13}, {&p.CCC1, 13}});
    p.AAA_s = "6cm";
    DrawDottedArc(p);
    EXPECT_TRUE(f.rt.WritePng(testing_support::OutputDir() + "/charts.png"));
}
