// The working data set T(1..DOSU) and its five-number summary.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Sorts T(1..DOSU) ascending in place and leaves the summary in HH(1..6):
// minimum, first quartile, median, third quartile, maximum, and the mean
// rounded to one decimal (also in HEIKIN). The quartiles are the medians of
// the lower and upper halves; with an odd count the median belongs to neither
// half. Overwrites II, KK, N1, N2, DOSU1 and KEI (the sum). A DOSU of 0
// divides by zero; one above 80 runs past the end of T().
void SortAndSummarize(Program& p);

}  // namespace lesson
