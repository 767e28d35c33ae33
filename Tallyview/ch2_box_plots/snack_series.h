// What the chapter's screens share: the four snack series, their summaries,
// the class set-up of their scale, and the table of a series' sorted values.
#pragma once

#include <array>

#include "Tallyview/tallyview_state.h"

namespace tallyview {

// One series of the loaded sales data: its array and its count.
struct SalesSeries {
    lesson::Array1<float> Program::*values;
    float Program::*count;
};

inline constexpr SalesSeries kViewingWeekdays = {&Program::H2_a, &Program::H2};
inline constexpr SalesSeries kBeforeWeekdays = {&Program::H1_a, &Program::H1};
inline constexpr SalesSeries kViewingHolidays = {&Program::H4_a, &Program::H4};
inline constexpr SalesSeries kBeforeHolidays = {&Program::H3_a, &Program::H3};

// DOSU = the series' count, T(1..DOSU) = its values, then SortAndSummarize:
// T() sorted, HH(1..5) the five-number summary, HEIKIN the mean.
void SummarizeSeries(Program& p, const SalesSeries& series);

// The class set-up of the snack scales (classes of 10 from 30 to 130,
// frequency labels 2 to 14) counted over T(): XKOSU = YOKO = 11 and
// X$(1..10) = "30" .. "120".
void CountSnackClasses(Program& p);

// The layout of a sorted-values table: four columns of `rows` values read
// down, column c starting at the value in position first[c] of T(). A
// position past DOSU leaves its cell out. Below column 2 the median stands
// alone when `median` gives its position; otherwise (median 0) column 4 ends
// with an empty cell in its last row.
struct SortedValuesLayout {
    const char* period;  // heading, colour 3: "花見" or "直前"
    const char* day;     // heading continued, colour 7: "平日" or "休日"
    float rows;
    std::array<float, 4> first;
    float median;
    float lastWidth;     // width of column 4
};

// The layouts of the four series: viewing season weekdays (49), before the
// season weekdays (47), viewing season holidays (21), before the season
// holidays (23).
extern const SortedValuesLayout kViewingWeekdayValues;
extern const SortedValuesLayout kBeforeWeekdayValues;
extern const SortedValuesLayout kViewingHolidayValues;
extern const SortedValuesLayout kBeforeHolidayValues;

// Draws the sorted T(1..DOSU) as a table from (880, 80) with its heading at
// (880, 30): cells 35 high, 60 wide (column 4 `lastWidth`), text 0, border
// 15, fill 11 on every fifth row and 13 on the others. Sets U(1), V(1), the
// column edges X(1..5), the row tops Y(1..19), XI3 and YI3 (the pen after
// the heading); uses II, JJ and A as counters.
void DrawSortedValues(Program& p, const SortedValuesLayout& layout);

}  // namespace tallyview
