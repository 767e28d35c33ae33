// The label text of a number on a chart.
#pragma once

#include "lessonlib/shell/numbers.h"
#include "lessonlib/shell/shared_state.h"
#include "lessonlib/text/strip_spaces.h"

namespace lesson {

// The decimal text of `v` without blanks ("30", "57.5"), also left in A$;
// overwrites the blank-stripping scratch.
inline Text NumberLabel(Program& p, float v) {
    p.A_s = NumberToText(v);
    StripSpaces(p);
    return p.A_s;
}

}  // namespace lesson
