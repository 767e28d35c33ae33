// Texts of the number arrays, and the codes of ten symbol keys.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// T$(1..80) from T(), F$(1..bound) from F(), and, where the program has
// them, U$(0..20) and V$(0..20) from U() and V(): each the decimal text of
// the value without blanks ("12", "-3", ".25", "57.5").
void NumbersToStrings(Program& p);

// FKIG = 1 and HHKIG = the key's code when I$ is one of Q W E R T @ I [ ] S
// (codes 1 to 10); otherwise FKIG = 0 and HHKIG unchanged.
void SymbolKeyCode(Program& p);

}  // namespace lesson
