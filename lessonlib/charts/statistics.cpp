#include "lessonlib/charts/statistics.h"

#include <utility>

#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

namespace {

bool IsEven(float n) { return n - 2 * RoundDown(n / 2) == 0; }

// The median of 2 * half (even) or 2 * half + 1 sorted values following
// index `before`.
float MedianOf(Program& p, float before, float half, bool even) {
    if (even) return (p.T_a(before + half) + p.T_a(before + half + 1)) / 2;
    return p.T_a(before + half + 1);
}

}  // namespace

void SortAndSummarize(Program& p) {
    // Exchange sort: after pass II, T(II) holds the smallest of T(II..DOSU);
    // equal values are never exchanged.
    CountedLoop(p.II, 1, p.DOSU - 1, [&] {
        CountedLoop(p.KK, p.II + 1, p.DOSU, [&] {
            if (p.T_a(p.KK) < p.T_a(p.II)) std::swap(p.T_a(p.KK), p.T_a(p.II));
        });
    });

    p.HH_a(1) = p.T_a(1);
    p.HH_a(5) = p.T_a(p.DOSU);

    // Each half holds DOSU1 values: T(1..DOSU1) and T(N1 + 1..N1 + DOSU1),
    // N1 skipping the median itself when the count is odd. The quartiles are
    // the medians of the halves, N2 values from each end of a half.
    p.DOSU1 = RoundDown(p.DOSU / 2);
    p.N1 = IsEven(p.DOSU) ? p.DOSU1 : p.DOSU1 + 1;
    p.HH_a(3) = MedianOf(p, 0, p.DOSU1, IsEven(p.DOSU));
    p.N2 = RoundDown(p.DOSU1 / 2);
    p.HH_a(2) = MedianOf(p, 0, p.N2, IsEven(p.DOSU1));
    p.HH_a(4) = MedianOf(p, p.N1, p.N2, IsEven(p.DOSU1));

    p.KEI = 0;
    CountedLoop(p.II, 1, p.DOSU, [&] { p.KEI = p.KEI + p.T_a(p.II); });
    p.HEIKIN = static_cast<float>(WholeNumber(Divide(10 * p.KEI, p.DOSU))) / 10;
    p.HH_a(6) = p.HEIKIN;
}

}  // namespace lesson
