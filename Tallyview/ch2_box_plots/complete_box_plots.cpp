#include <array>
#include <vector>

#include "lessonlib/charts/box_plot.h"
#include "lessonlib/charts/histogram_frame.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/number_texts.h"
#include "lessonlib/text/plain_text.h"
#include "Tallyview/ch2_box_plots/box_plots.h"
#include "Tallyview/ch2_box_plots/snack_series.h"
#include "Tallyview/sales_data.h"
#include "lessonlib/text/screen_text.h"

namespace tallyview {

using lesson::Text;
using lesson::WaitAnyKey;

namespace {

// A series and the block F(block + 1..block + 5) that keeps its summary.
struct KeptSummary {
    SalesSeries series;
    float block;
};

constexpr KeptSummary kViewingWeekdaySummary = {kViewingWeekdays, 20};
constexpr KeptSummary kBeforeWeekdaySummary = {kBeforeWeekdays, 10};
constexpr KeptSummary kViewingHolidaySummary = {kViewingHolidays, 40};
constexpr KeptSummary kBeforeHolidaySummary = {kBeforeHolidays, 30};

// A cell of the summary tables, 90 wide, text 0, border 3, at column `column`
// of the grid row `row`.
void PlaceCell(Program& p, float column, float row, float height, float fill) {
    p.X = p.X_a(column);
    p.Y = p.Y_a(row);
    p.HABA = 90;
    p.TATE = height;
    p.CCC1 = 0;
    p.CCC2 = 3;
    p.CCC3 = fill;
}

void HeaderCell(Program& p, float column, float row, const Text& first, const Text& second) {
    PlaceCell(p, column, row, 70, 13);
    p.A1_s = first;
    p.A2_s = second;
    lesson::DrawTableCell2(p);
}

void Cell(Program& p, float column, float row, float fill, const Text& text) {
    PlaceCell(p, column, row, 35, fill);
    p.A_s = text;
    lesson::DrawTableCell(p);
}

// One summary table with its header at grid row `top`: the row labels, then
// the viewing season's summary, then that of the weeks before it, each
// column top to bottom.
void SummaryTable(Program& p, float top, const Text& day, const KeptSummary& viewing,
                  const KeptSummary& before) {
    static constexpr std::array<const char*, 5> kLabels = {"最小", "第1", "第2", "第3", "最大"};
    HeaderCell(p, 1, top, "", "");
    HeaderCell(p, 2, top, "花見", day);
    HeaderCell(p, 3, top, "直前", day);
    lesson::CountedLoop(p.JJ, 1, 5, [&] {
        Cell(p, 1, top + p.JJ, 13, kLabels[static_cast<std::size_t>(p.JJ - 1)]);
    });
    lesson::CountedLoop(p.JJ, 1, 5, [&] { Cell(p, 2, top + p.JJ, 15, p.F_sa(viewing.block + p.JJ)); });
    lesson::CountedLoop(p.JJ, 1, 5, [&] { Cell(p, 3, top + p.JJ, 15, p.F_sa(before.block + p.JJ)); });
}

// The 11 x 5 grid from (U(1), V(1)), 60 x 50 per step, with its axes and
// labels; the box-plot rows are AIDA apart.
void Grid(Program& p) {
    p.GGX = p.U_a(1);
    p.GGY = p.V_a(1);
    p.TATE = 5;
    p.SIZEX = 60;
    p.SIZEY = 50;
    lesson::DrawHistogramFrame(p);
    p.AIDA = p.SIZEY;
}

// The box plot of HH() on grid line 5 - row, without the mean mark.
void BoxPlotRow(Program& p, float row, float colour) {
    p.GGX = p.U_a(1);
    p.GY3 = p.GY1 + p.AIDA * row;
    p.CCC2 = colour;
    p.HEI = -1;
    p.TANIX = 10;
    p.SIZEY = 35;
    lesson::DrawBoxPlot(p);
}

struct Part {
    float colour;
    const char* text;
};

// The conclusions read from the figure, one line each: its mark in colour 3,
// then its parts, each revealed by a key.
const std::vector<std::pair<const char*, std::vector<Part>>> kConclusions = {
    {"①", {{0, "平日どうし"}, {7, " 直前が多い"}, {3, "(右ひげが長い)"}, {7, "×25％"}}},
    {"②", {{0, "平日どうし"}, {7, " 花見が多い"}, {3, "(四分位数の位置)"}}},
    {"③", {{0, "休日どうし"}, {7, " 花見が多い"}, {3, "(箱ひげ図の位置)"}}},
    {"④", {{0, "花見の平日と休日"}, {7, " 休日が多い"}, {3, "(四分位数の位置)"}}},
    {"⑤", {{0, "直前の平日と休日"}, {7, " 平日のばらつきが多い"}, {3, "(箱やひげの長さ)"}}},
};

}  // namespace

void CompleteBoxPlotsScreen(Program& p) {
    ClearLessonArea(p);
    LoadSnackSales(p);
    for (const KeptSummary& s :
         {kViewingWeekdaySummary, kBeforeWeekdaySummary, kViewingHolidaySummary, kBeforeHolidaySummary}) {
        SummarizeSeries(p, s.series);
        lesson::CountedLoop(p.II, 1, 5, [&] { p.F_a(s.block + p.II) = p.HH_a(p.II); });
        CountSnackClasses(p);
    }
    lesson::NumbersToStrings(p);

    p.XI1 = 40;
    p.YI1 = 15;
    Say(p, 3, p.XI1, p.YI1, "箱ひげ図をかこう。図からわかることは?");

    // Two summary tables on the right, one under the other: rows 1 and 7 are
    // their header rows, 70 high, each over five rows 35 high.
    p.U_a(1) = 920;
    p.V_a(1) = 30;
    p.X_a(1) = p.U_a(1);
    p.X_a(2) = p.X_a(1) + 90;
    p.X_a(3) = p.X_a(2) + 90;
    p.Y_a(1) = p.V_a(1);
    lesson::CountedLoop(p.II, 2, 13, [&] {
        const bool belowHeader = p.II == 2 || p.II == 8;
        p.Y_a(p.II) = p.Y_a(p.II - 1) + (belowHeader ? 70 : 35);
    });
    SummaryTable(p, 1, "平日", kViewingWeekdaySummary, kBeforeWeekdaySummary);
    SummaryTable(p, 7, "休日", kViewingHolidaySummary, kBeforeHolidaySummary);

    // The grid the box plots stand on: one row per series, the unit "(個)"
    // at the end of the axis, no label on the top line and no axis title.
    p.U_a(1) = 200;
    p.V_a(1) = 75;
    SummarizeSeries(p, kViewingWeekdays);
    CountSnackClasses(p);
    p.X_sa(0) = "(個)";
    p.Y_sa(1) = "直前休日";
    p.Y_sa(2) = "花見休日";
    p.Y_sa(3) = "直前平日";
    p.Y_sa(4) = "花見平日";
    p.Y_sa(5) = Text();
    p.Y_sa(0) = Text();
    Grid(p);
    // The axis starts at 20, one step below the first label 30: a "2" in
    // front of the frame's "0".
    p.CCC1 = 0;
    p.X = p.GX0 - 60;
    p.Y = p.GY0;
    p.AA_s = "2";
    lesson::DrawPlainText(p);
    WaitAnyKey(p);

    // Where the first box plot's five values lie, found by drawing it in the
    // background colour; the grid lines it covered are drawn again.
    SummarizeSeries(p, kViewingWeekdays);
    BoxPlotRow(p, 1, 15);
    p.U_a(11) = p.GS1;
    p.U_a(12) = p.GS2;
    p.U_a(13) = p.GS3;
    p.U_a(14) = p.GS4;
    p.U_a(15) = p.GS5;
    p.V_a(11) = p.GY3;
    Grid(p);
    lesson::CountedLoop(p.II, 1, 5, [&] {
        WaitAnyKey(p);
        p.rt.Circle({.cx = p.U_a(10 + p.II), .cy = p.V_a(11), .radius = 6, .colour = 0});
    });

    WaitAnyKey(p);
    BoxPlotRow(p, 1, 5);
    WaitAnyKey(p);
    SummarizeSeries(p, kBeforeWeekdays);
    BoxPlotRow(p, 2, 5);
    WaitAnyKey(p);
    SummarizeSeries(p, kViewingHolidays);
    BoxPlotRow(p, 3, 5);
    WaitAnyKey(p);
    SummarizeSeries(p, kBeforeHolidays);
    BoxPlotRow(p, 4, 5);
    WaitAnyKey(p);

    p.YI1 = p.GY2 + 70;
    for (std::size_t k = 0; k < kConclusions.size(); ++k) {
        const auto& [mark, parts] = kConclusions[k];
        Say(p, 3, p.XI1, k == 0 ? p.YI1 : p.YI1 + 50, mark);
        for (std::size_t i = 0; i < parts.size(); ++i) {
            Say(p, parts[i].colour, p.XI2, p.YI1, parts[i].text);
            // The last part of the last line is followed by the sub-menu.
            if (k + 1 < kConclusions.size() || i + 1 < parts.size()) WaitAnyKey(p);
        }
    }
}

}  // namespace tallyview
