#include "Tallyview/ch2_box_plots/snack_series.h"

#include "lessonlib/charts/histogram_classes.h"
#include "lessonlib/charts/number_label.h"
#include "lessonlib/charts/statistics.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/plain_text.h"
#include "lessonlib/text/screen_text.h"

namespace tallyview {

using lesson::Text;

const SortedValuesLayout kViewingWeekdayValues = {"花見", "平日", 12, {1, 13, 26, 38}, 25, 60};
const SortedValuesLayout kBeforeWeekdayValues = {"直前", "平日", 12, {1, 13, 25, 37}, 0, 75};
const SortedValuesLayout kViewingHolidayValues = {"花見", "休日", 5, {1, 6, 12, 17}, 11, 75};
const SortedValuesLayout kBeforeHolidayValues = {"直前", "休日", 6, {1, 7, 13, 19}, 0, 75};

void SummarizeSeries(Program& p, const SalesSeries& series) {
    p.DOSU = p.*series.count;
    lesson::CountedLoop(p.II, 1, p.DOSU, [&] { p.T_a(p.II) = (p.*series.values)(p.II); });
    lesson::SortAndSummarize(p);
}

void CountSnackClasses(Program& p) {
    p.YOKO1X = 30;
    p.XTANI = 10;
    p.XMAX = 130;
    p.TATE1Y = 2;
    p.YTANI = 2;
    p.YMAX = 14;
    lesson::CountHistogramClasses(p);
}

namespace {

// One cell of the table in `column` of `row`: the text of T(position), or
// empty when position is 0.
void ValueCell(Program& p, float column, float row, float fill, float border, float position) {
    p.X = p.X_a(column);
    p.Y = p.Y_a(row);
    p.HABA = p.X_a(column + 1) - p.X_a(column);
    p.TATE = 35;
    p.CCC1 = 0;
    p.CCC2 = border;
    p.CCC3 = fill;
    p.A_s = position > 0 ? lesson::NumberLabel(p, p.T_a(position)) : Text();
    lesson::DrawTableCell(p);
}

}  // namespace

void DrawSortedValues(Program& p, const SortedValuesLayout& layout) {
    p.U_a(1) = 880;
    p.V_a(1) = 80;
    p.X_a(1) = p.U_a(1);
    lesson::CountedLoop(p.A, 2, 4, [&] { p.X_a(p.A) = p.X_a(p.A - 1) + 60; });
    p.X_a(5) = p.X_a(4) + layout.lastWidth;
    p.Y_a(1) = p.V_a(1);
    lesson::CountedLoop(p.II, 1, 18, [&] { p.Y_a(1 + p.II) = p.Y_a(1) + 35 * p.II; });

    PutHeading(p, 3, p.X_a(1), p.V_a(1) - 50, layout.period);
    PutHeading(p, 7, p.XI3, p.YI3, layout.day);

    lesson::CountedLoop(p.JJ, 1, layout.rows, [&] {
        const float fill = lesson::Remainder(p.JJ, 5) == 0 ? 11 : 13;
        lesson::CountedLoop(p.A, 1, 4, [&] {
            const float position = layout.first[static_cast<std::size_t>(p.A - 1)] + p.JJ - 1;
            if (position <= p.DOSU) ValueCell(p, p.A, p.JJ, fill, 15, position);
        });
    });
    if (layout.median > 0)
        ValueCell(p, 2, layout.rows + 1, 13, 15, layout.median);
    else
        ValueCell(p, 4, layout.rows, 15, 15, 0);
}

}  // namespace tallyview
