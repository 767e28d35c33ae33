#include <array>

#include "lessonlib/charts/number_label.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/plain_text.h"
#include "Tallyview/ch2_box_plots/box_plots.h"
#include "Tallyview/ch2_box_plots/snack_series.h"
#include "Tallyview/sales_data.h"
#include "lessonlib/text/screen_text.h"

namespace tallyview {

using lesson::Text;
using lesson::WaitAnyKey;

namespace {

// One row of the summary table: the series it summarises, the colour of its
// revealed values, the layout of its sorted values, and its interquartile
// range as the lesson states it.
struct Stage {
    SalesSeries series;
    float colour;
    const SortedValuesLayout* values;
    const char* range;
};

const std::array<Stage, 4> kStages = {{
    {kViewingWeekdays, 0, &kViewingWeekdayValues, "21"},
    {kBeforeWeekdays, 5, &kBeforeWeekdayValues, "21"},
    {kViewingHolidays, 5, &kViewingHolidayValues, "24"},
    {kBeforeHolidays, 5, &kBeforeHolidayValues, "16"},
}};

// The order in which a row's summary values are revealed: minimum, maximum,
// median, first quartile, third quartile.
constexpr std::array<float, 5> kRevealOrder = {1, 5, 3, 2, 4};

// The left edge of the label column (0), of the column of the summary value
// k (1..5) and of the interquartile-range column (6).
float ColumnLeft(Program& p, float column) { return p.X_a(21 + column); }
// The header row (0) and the summary rows 1..4.
float RowTop(Program& p, float row) { return p.Y_a(21 + row); }

// A two-line heading cell filling its place in the grid, text 0, border 3.
void HeadingCell(Program& p, float column, float row, float fill, const Text& first, const Text& second) {
    p.X = ColumnLeft(p, column);
    p.Y = RowTop(p, row);
    p.HABA = ColumnLeft(p, column + 1) - ColumnLeft(p, column);
    p.TATE = 70;
    p.CCC1 = 0;
    p.CCC2 = 3;
    p.CCC3 = fill;
    p.A1_s = first;
    p.A2_s = second;
    lesson::DrawTableCell2(p);
}

// A value cell of the summary table, 136 x 70 on white with border 3: empty
// or with the text `value`.
void ValueCell(Program& p, float column, float row, float colour, const Text& value) {
    p.X = ColumnLeft(p, column);
    p.Y = RowTop(p, row);
    p.HABA = 136;
    p.TATE = 70;
    p.CCC1 = colour;
    p.CCC2 = 3;
    p.CCC3 = 15;
    p.A_s = value;
    lesson::DrawFormulaCell(p);
}

void SetTexts(Program& p, float first, std::initializer_list<const char*> texts) {
    p.KK = first;
    for (const char* text : texts) p.X_sa(p.KK++) = text;
}

}  // namespace

void CompleteSummaryTableScreen(Program& p) {
    ClearLessonArea(p);
    p.XI1 = 40;
    p.YI1 = 30;
    // Every border of this screen is 5 wide; the width stays after it.
    p.rt.SetLineWidth(5);
    Say(p, 3, p.XI1, p.YI1, "表を完成させ、四分位範囲も求めよう。");

    p.X_a(21) = p.XI1;
    p.X_a(22) = p.X_a(21) + 76;
    lesson::CountedLoop(p.KK, 1, 7, [&] { p.X_a(22 + p.KK) = p.X_a(22) + 136 * p.KK; });
    p.Y_a(21) = p.YI1 + 60;
    lesson::CountedLoop(p.KK, 1, 5, [&] { p.Y_a(21 + p.KK) = p.Y_a(21) + 70 * p.KK; });

    // The header row, then the label column (its corner cell again).
    SetTexts(p, 1, {"", "最小値", "第1", "第2", "第3", "最大値"});
    SetTexts(p, 11, {"", "", "四分位数", "四分位数", "四分位数", ""});
    lesson::CountedLoop(p.JJ, 0, 5, [&] { HeadingCell(p, p.JJ, 0, 13, p.X_sa(1 + p.JJ), p.X_sa(11 + p.JJ)); });
    SetTexts(p, 1, {"", "花見", "直前", "花見", "直前"});
    SetTexts(p, 11, {"", "平日", "平日", "休日", "休日"});
    lesson::CountedLoop(p.JJ, 0, 4, [&] { HeadingCell(p, 0, p.JJ, 13, p.X_sa(1 + p.JJ), p.X_sa(11 + p.JJ)); });
    lesson::CountedLoop(p.JJ, 1, 4, [&] {
        lesson::CountedLoop(p.II, 1, 5, [&] { ValueCell(p, p.II, p.JJ, 0, Text()); });
    });
    WaitAnyKey(p);

    LoadSnackSales(p);
    for (std::size_t k = 0; k < kStages.size(); ++k) {
        const Stage& stage = kStages[k];
        const float row = static_cast<float>(k + 1);
        SummarizeSeries(p, stage.series);
        DrawSortedValues(p, *stage.values);
        lesson::CountedLoop(p.II, 1, 5,
                            [&] { p.X_sa(1 + p.II) = lesson::NumberLabel(p, p.HH_a(p.II)); });
        WaitAnyKey(p);
        for (float column : kRevealOrder) {
            ValueCell(p, column, row, stage.colour, p.X_sa(1 + column));
            WaitAnyKey(p);
        }
        // The value table goes; the summary table ends left of it, at 796.
        p.rt.FilledBox(880, 0, 880 + 1600, 0 + 1800, 15, 15);
    }

    // The interquartile range of every row, in a column added on the right.
    HeadingCell(p, 6, 0, 11, "四分位", "範囲");
    lesson::CountedLoop(p.JJ, 1, 4, [&] { ValueCell(p, 6, p.JJ, 5, Text()); });
    for (std::size_t k = 0; k < kStages.size(); ++k) p.X_sa(static_cast<double>(k + 1)) = kStages[k].range;
    lesson::CountedLoop(p.JJ, 1, 4, [&] {
        WaitAnyKey(p);
        ValueCell(p, 6, p.JJ, 5, p.X_sa(p.JJ));
    });
}

}  // namespace tallyview
