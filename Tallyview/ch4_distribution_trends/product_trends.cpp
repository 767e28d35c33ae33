#include <array>
#include <vector>

#include "lessonlib/charts/box_plot.h"
#include "lessonlib/charts/histogram_classes.h"
#include "lessonlib/charts/histogram_frame.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/number_texts.h"
#include "lessonlib/text/plain_text.h"
#include "lessonlib/text/screen_text.h"
#include "Tallyview/ch2_box_plots/snack_series.h"
#include "Tallyview/ch4_distribution_trends/distribution_trends.h"
#include "Tallyview/sales_data.h"

namespace tallyview {

using lesson::Text;
using lesson::WaitAnyKey;

namespace {

// A series and the block F(block + 1..block + 5) that keeps its summary, in
// the order the tables and the chart show them.
struct KeptSeries {
    SalesSeries series;
    float block;
};

constexpr std::array<KeptSeries, 4> kSeries = {{
    {kViewingWeekdays, 20},
    {kBeforeWeekdays, 10},
    {kViewingHolidays, 40},
    {kBeforeHolidays, 30},
}};

void TableCell(Program& p, float column, float row, float height, float fill) {
    p.X = p.X_a(column);
    p.Y = p.Y_a(row);
    p.HABA = p.X_a(column + 1) - p.X_a(column);
    p.TATE = height;
    p.CCC1 = 0;
    p.CCC2 = 3;
    p.CCC3 = fill;
}

// One table with its heading row at grid row `top`: the blank corner, the
// two periods over `day`, the row labels, then the columns of the viewing
// season (F(viewing + 1..5)) and of the weeks before it. The heading and the
// row labels both live in X$(1..3), so each table sets them afresh.
void SeriesTable(Program& p, float top, const Text& day, float viewing, float before) {
    p.X_sa(1) = Text();
    p.X_sa(2) = "花見";
    p.X_sa(3) = "直前";
    p.X_sa(11) = Text();
    p.X_sa(12) = day;
    p.X_sa(13) = day;
    lesson::CountedLoop(p.II, 1, 3, [&] {
        TableCell(p, p.II, top, 70, 13);
        p.A1_s = p.X_sa(p.II);
        p.A2_s = p.X_sa(10 + p.II);
        lesson::DrawTableCell2(p);
    });
    p.X_sa(1) = "最小";
    p.X_sa(2) = "第1";
    p.X_sa(3) = "第2";
    p.X_sa(4) = "第3";
    p.X_sa(5) = "最大";
    lesson::CountedLoop(p.JJ, 1, 5, [&] {
        TableCell(p, 1, top + p.JJ, 35, 13);
        p.A_s = p.X_sa(p.JJ);
        lesson::DrawTableCell(p);
    });
    lesson::CountedLoop(p.JJ, 1, 5, [&] {
        TableCell(p, 2, top + p.JJ, 35, 15);
        p.A_s = p.F_sa(viewing + p.JJ);
        lesson::DrawTableCell(p);
    });
    lesson::CountedLoop(p.JJ, 1, 5, [&] {
        TableCell(p, 3, top + p.JJ, 35, 15);
        p.A_s = p.F_sa(before + p.JJ);
        lesson::DrawTableCell(p);
    });
}

}  // namespace

void SummarizeSalesSeries(Program& p) {
    for (const KeptSeries& s : kSeries) {
        SummarizeSeries(p, s.series);
        lesson::CountedLoop(p.II, 1, 5, [&] { p.F_a(s.block + p.II) = p.HH_a(p.II); });
    }
    lesson::NumbersToStrings(p);

    p.U_a(1) = 920;
    p.V_a(1) = 30;
    p.X_a(1) = p.U_a(1);
    p.X_a(2) = p.X_a(1) + 90;
    p.X_a(3) = p.X_a(2) + 105;
    p.X_a(4) = p.X_a(3) + 90;
    p.Y_a(1) = p.V_a(1);
    p.Y_a(2) = p.Y_a(1) + 70;
    lesson::CountedLoop(p.II, 2, 6, [&] { p.Y_a(p.II + 1) = p.Y_a(p.II) + 35; });
    p.Y_a(8) = p.Y_a(7) + 70;
    lesson::CountedLoop(p.II, 8, 12, [&] { p.Y_a(p.II + 1) = p.Y_a(p.II) + 35; });

    SeriesTable(p, 1, "平日", 20, 10);
    SeriesTable(p, 7, "休日", 40, 30);
}

namespace {

struct Conclusion {
    const char* number;
    const char* statement;
    const char* finding;
    const char* reason;
    bool reasonOnOwnLine = false;
};

struct Product {
    const char* heading;
    void (*load)(Program&);
    float firstClass, classWidth, lastClass;  // YOKO1X, XTANI, XMAX; TANIX
    float firstStep, stepHeight, lastStep;    // TATE1Y, YTANI, YMAX
    std::vector<Conclusion> conclusions;
};

// One product's screen: the heading, the tables, the empty grid, the four
// box plots one by one, then the conclusions part by part.
void ProductTrendScreen(Program& p, const Product& product) {
    ClearLessonArea(p);
    p.XI1 = 40;
    p.YI1 = 15;
    p.rt.SetLineWidth(3);
    Say(p, 3, p.XI1, p.YI1, product.heading);
    product.load(p);
    SummarizeSalesSeries(p);

    // The grid: its x labels from the class set-up, a row per series, the
    // unit at the end of the axis, no label on the top line, no axis title.
    p.U_a(1) = 200;
    p.V_a(1) = 75;
    p.YOKO1X = product.firstClass;
    p.XTANI = product.classWidth;
    p.XMAX = product.lastClass;
    p.TATE1Y = product.firstStep;
    p.YTANI = product.stepHeight;
    p.YMAX = product.lastStep;
    lesson::CountHistogramClasses(p);
    p.X_sa(0) = "(個)";
    p.Y_sa(1) = "直前休日";
    p.Y_sa(2) = "花見休日";
    p.Y_sa(3) = "直前平日";
    p.Y_sa(4) = "花見平日";
    p.Y_sa(5) = Text();
    p.Y_sa(0) = Text();
    p.GGX = p.U_a(1);
    p.GGY = p.V_a(1);
    p.TATE = 5;
    p.SIZEX = 60;
    p.SIZEY = 50;
    lesson::DrawHistogramFrame(p);
    p.AIDA = p.SIZEY;
    WaitAnyKey(p);

    for (std::size_t k = 1; k <= kSeries.size(); ++k) {
        SummarizeSeries(p, kSeries[k - 1].series);
        p.GGX = p.U_a(1);
        p.GY3 = p.GY1 + p.AIDA * static_cast<float>(k);
        p.CCC2 = 7;
        p.HEI = -1;
        p.TANIX = product.classWidth;
        p.SIZEY = 35;
        lesson::DrawBoxPlot(p);
        WaitAnyKey(p);
    }

    p.YI1 = p.GY2 + 70;
    const std::size_t last = product.conclusions.size() - 1;
    for (std::size_t k = 0; k <= last; ++k) {
        const Conclusion& c = product.conclusions[k];
        Say(p, 3, p.XI1, k == 0 ? p.YI1 : p.YI1 + 50, c.number);
        Say(p, 0, p.XI2, p.YI1, c.statement);
        WaitAnyKey(p);
        Say(p, 7, p.XI2, p.YI1, c.finding);
        WaitAnyKey(p);
        if (c.reasonOnOwnLine)
            Say(p, 3, p.XI1, p.YI1 + 50, c.reason);
        else
            Say(p, 3, p.XI2, p.YI1, c.reason);
        // The last reason is followed by the sub-menu.
        if (k < last) WaitAnyKey(p);
    }
}

}  // namespace

void SnackTrendScreen(Program& p) {
    static const Product snack = {"スナック菓子の販売数の傾向は?", LoadSnackSales, 10, 10, 110, 2, 2, 14,
                                  {{"①", "平日どうし", " 花見が多い", "(四分位数の位置)"},
                                   {"②", "休日どうし", " 花見が多い", "(箱ひげ図の位置)"},
                                   {"③", "花見の平日と休日", " 休日が多い", "(四分位数の位置)"},
                                   {"④", "直前の平日と休日", " 平日のばらつきが多い", "(箱やひげの長さ)"},
                                   {"⑤", "花見の平日と休日の分布", " 平日(対称な分布)", "休日(左にゆがんだ分布)"}}};
    ProductTrendScreen(p, snack);
}

void TeaTrendScreen(Program& p) {
    static const Product tea = {"茶系飲料の販売数の傾向は?", LoadTeaSales, 20, 20, 220, 20, 20, 210,
                                {{"①", "販売数が最も多いのは", " 花見期間", "(箱ひげ図が一番右)"},
                                 {"②", "平日と休日では", " 平日が多い", "(箱ひげ図の位置)"},
                                 {"③", "ばらつきは", " 花見の休日が大きく、残りは似ている",
                                  "　　　　(箱と右ひげの長さ)", true}}};
    ProductTrendScreen(p, tea);
}

void SodaTrendScreen(Program& p) {
    static const Product soda = {"炭酸飲料の販売数の傾向は?", LoadSodaSales, 10, 10, 110, 10, 10, 90,
                                 {{"①", "平日どうし", " 花見が多い", "(箱が右)"},
                                  {"②", "休日どうし", " 花見が多い", "(箱が右)"},
                                  {"③", "花見の休日", " 安定して多い", "(右ひげが短い)"}}};
    ProductTrendScreen(p, soda);
}

void ChocolateTrendScreen(Program& p) {
    static const Product chocolate = {"チョコレートの販売数の傾向は?", LoadChocolateSales, 10, 10, 110, 10, 10, 70,
                                      {{"①", "平日と休日", " 平日が多い", "(箱が右)"},
                                       {"②", "休日どうし", " 変わらない", "(箱ひげ図がほぼ同じ)"},
                                       {"③", "平日どうし", " ほぼ同じ", "(最小値と第3四分位数の位置)"}}};
    ProductTrendScreen(p, chocolate);
}

}  // namespace tallyview
