// A text without its half-width blanks, by way of A$.
#pragma once

#include "lessonlib/shell/shared_state.h"
#include "lessonlib/text/strip_spaces.h"

namespace lesson {

// `t` with every half-width blank removed; also left in A$. Overwrites the
// blank-stripping scratch.
inline Text BlankFree(Program& p, const Text& t) {
    p.A_s = t;
    StripSpaces(p);
    return p.A_s;
}

}  // namespace lesson
