#include "Tallyview/ch3_histogram_comparison/histogram_comparison.h"

#include <vector>

#include "lessonlib/charts/box_plot.h"
#include "lessonlib/charts/histogram_bars.h"
#include "lessonlib/charts/histogram_classes.h"
#include "lessonlib/charts/histogram_frame.h"
#include "lessonlib/charts/statistics.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/plain_text.h"
#include "lessonlib/text/screen_text.h"
#include "Tallyview/ch2_box_plots/snack_series.h"
#include "Tallyview/sales_data.h"

namespace tallyview {

using lesson::Text;
using lesson::WaitAnyKey;

void HistogramComparisonChapter(Program& p) {
    ShowHistogramComparisonAim(p);
    HistogramComparisonMenu(p);
}

void ShowHistogramComparisonAim(Program& p) {
    p.XI1 = 44;
    p.YI1 = 240;
    Say(p, 3, p.XI1, p.YI1, "<めあて>");
    Say(p, 0, p.XI1, p.YI1 + 65, " ヒストグラムと箱ひげ図を対応させて考えよう。");
}

void HistogramComparisonMenu(Program& p) {
    static const std::vector<ItemScreen> items = {HistogramVersusBoxPlotScreen, DistributionShapesScreen};
    lesson::RunSubMenu(p, " ①P183Q　②ヒストグラムの形　③終了", items, 10.0f);
}

namespace {

// A chart label in plain text at (x, y), colour `colour`; the text cursor
// stays where it was.
void Label(Program& p, float colour, float x, float y, const Text& text) {
    p.CCC1 = colour;
    p.X = x;
    p.Y = y;
    p.AA_s = text;
    lesson::DrawPlainText(p);
}

// The histogram of the counted classes at (U(k), V(k)): frame, bars in
// `colour`, and the grid again over the bars.
void WeekdayHistogram(Program& p, float k, float colour) {
    p.GGX = p.U_a(k);
    p.GGY = p.V_a(k);
    p.CCC4 = colour;
    p.SIZEX = 40;
    p.SIZEY = 30;
    lesson::DrawHistogramFrame(p);
    lesson::DrawHistogramBars(p);
    lesson::DrawHistogramGrid(p);
}

// The box plot of HH() 80 below the frame of chart k, on the chart's scale.
void BoxPlotUnderChart(Program& p, float k) {
    p.GGX = p.U_a(k);
    p.GY3 = p.GY2 + 80;
    p.CCC2 = 3;
    p.HEI = -1;
    p.TANIX = 10;
    p.SIZEY = 50;
    lesson::DrawBoxPlot(p);
}

}  // namespace

void HistogramVersusBoxPlotScreen(Program& p) {
    ClearPlane(p);
    p.XI1 = 40;
    p.YI1 = 30;
    Say(p, 7, p.XI1, p.YI1, "ヒストグラムと箱ひげ図のよさやちがいは？");
    p.U_a(1) = p.XI1 + 100;
    p.V_a(1) = 125;

    LoadSnackSales(p);
    SummarizeSeries(p, kViewingWeekdays);
    CountSnackClasses(p);
    p.X_sa(0) = "個";
    p.Y_sa(0) = "日";
    WeekdayHistogram(p, 1, 7);
    Label(p, 3, p.GX0 + 40, p.V_a(1) - 30, "花見期間(平日)");
    WaitAnyKey(p);
    BoxPlotUnderChart(p, 1);

    p.U_a(2) = p.GX2 + 100;
    p.V_a(2) = p.V_a(1);
    SummarizeSeries(p, kBeforeWeekdays);
    CountSnackClasses(p);
    WeekdayHistogram(p, 2, 3);
    Label(p, 3, p.GX0 + 40, p.GY1 - 30, "直前期間(平日)");
    BoxPlotUnderChart(p, 2);
    WaitAnyKey(p);

    p.YI1 = p.GY2 + 80;
    Say(p, 7, p.XI1, p.YI1 + 50, "ヒストグラム");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "…分布の形や最頻値がわかりやすい。");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "中央値はわかりにくい。");
    WaitAnyKey(p);
    Say(p, 7, p.XI1, p.YI1 + 50, "箱ひげ図");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "…中央値はわかりやすい。散らばりのようすもとらえやすい。");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "直前期間のように、データの中に離れた値がある場合、");
    Say(p, 3, p.XI1, p.YI1 + 50, "範囲は影響を受けるが、四分位範囲は影響を受けにくい。");
}

namespace {

struct ShapeSet {
    const char* number;
    const char* shape;
    float labelShift;  // the label's x left of the chart's origin
    std::vector<float> values;
};

const std::vector<ShapeSet> kShapeSets = {
    {"①", "対称な分布", 0,
     {12, 23, 21, 28, 34, 32, 37, 30, 36, 36, 46, 49, 47, 41, 47, 44, 49, 57, 56, 51, 54, 55, 55, 60, 66, 60, 76}},
    {"②", "散らばりの小さい分布", 30,
     {22, 23, 21, 28, 24, 22, 37, 30, 36, 36, 36, 39, 37, 31, 47, 44, 49, 47, 46, 51, 54, 55, 57}},
    {"③", "右にゆがんだ分布", 0,
     {19, 23, 21, 28, 24, 22, 37, 30, 36, 36, 36, 39, 37, 41, 47, 44, 49, 47, 46, 51, 54, 55, 55, 60, 66, 79}},
    {"④", "左にゆがんだ分布", 0,
     {10, 23, 21, 38, 34, 32, 37, 40, 46, 46, 46, 49, 47, 51, 57, 54, 59, 57, 56, 51, 64, 65, 65, 60, 66, 70}},
};

// Classes of 10 from 10 to 100, frequency steps of one value up to 8.
void CountShapeClasses(Program& p) {
    p.YOKO1X = 10;
    p.XTANI = 10;
    p.XMAX = 90;
    p.TATE1Y = 1;
    p.YTANI = 1;
    p.YMAX = 8;
    lesson::CountHistogramClasses(p);
}

}  // namespace

void DistributionShapesScreen(Program& p) {
    ClearPlane(p);
    p.XI1 = 40;
    p.YI1 = 30;
    Say(p, 3, p.XI1, p.YI1, "箱ひげ図からヒストグラムの形を考えよう。");
    Say(p, 0, p.XI1, p.YI1 + 50, "(分布が1つの山の形をしたヒストグラムの場合)");
    WaitAnyKey(p);

    // Four charts side by side, 290 apart; the class axis of each at y 410,
    // its box plot centred at y 460.
    p.U_a(1) = p.XI1 + 40;
    p.V_a(1) = p.YI1 + 90;
    for (float k = 2; k <= 4; ++k) {
        p.U_a(k) = p.U_a(k - 1) + 270 + 20;
        p.V_a(k) = p.V_a(1);
    }

    // The box plots first; each set's class counts are kept in
    // F(10k + 1..10k + 9) for its histogram. The statistics and chart
    // routines use the shared counters, so the sets are counted here.
    for (float k = 1; k <= 4; ++k) {
        const ShapeSet& set = kShapeSets[static_cast<std::size_t>(k - 1)];
        p.DOSU = static_cast<float>(set.values.size());
        for (std::size_t i = 0; i < set.values.size(); ++i) p.T_a(static_cast<float>(i + 1)) = set.values[i];
        CountShapeClasses(p);
        lesson::CountedLoop(p.II, 1, 9, [&] { p.F_a(10 * k + p.II) = p.Y_a(p.II); });
        lesson::SortAndSummarize(p);
        p.GGX = p.U_a(k);
        p.GY3 = p.V_a(1) + 240 + 50;
        p.CCC2 = 3;
        p.HEI = -1;
        p.SIZEX = 30;
        p.SIZEY = 50;
        p.YOKO = 9;
        p.TANIX = 10;
        lesson::DrawBoxPlot(p);
        Put(p, 7, p.U_a(k) - 30, p.V_a(1) + 240 + 30, set.number);
    }
    WaitAnyKey(p);

    // Then each histogram above its box plot: bars only, no frame.
    for (float k = 1; k <= 4; ++k) {
        const ShapeSet& set = kShapeSets[static_cast<std::size_t>(k - 1)];
        lesson::CountedLoop(p.II, 1, 9, [&] { p.Y_a(p.II) = p.F_a(10 * k + p.II); });
        p.GGX = p.U_a(k);
        p.GGY = p.V_a(k);
        p.YOKO = 9;
        p.TATE = 8;
        p.CCC4 = 11;
        p.SIZEX = 30;
        p.SIZEY = 30;
        lesson::SetHistogramOrigin(p);
        Label(p, 7, p.GGX - set.labelShift, p.GGY - 30, set.shape);
        lesson::DrawHistogramBars(p);
        WaitAnyKey(p);
    }
    Say(p, 5, p.XI1, p.V_a(1) + 240 + 125, "箱ひげ図からヒストグラムのおおよその形がわかる。");
}

}  // namespace tallyview
