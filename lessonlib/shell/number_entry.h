// The number-entry field: every number the user types goes through it.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Shows the label "入力" and the field at (KAIX, KAIY), echoes the accepted
// keys ("-", ".", "/", digits) as full-width glyphs and ends on Enter.
// Backspace or form feed clears the whole entry, and so does any key once ten
// characters are held. Result: AINP$, the keys as typed (at most 9 when handed
// over). The field is erased before it returns.
void InputNumber(Program& p);

// The key loop of InputNumber; entered only from there.
void InputKeyLoop(Program& p);

// AINP = the value of AINP$: its leading number, or with a "/" the value of
// the text before the first "/" divided by the value of the text after it.
// A denominator of value 0 gives 0, so a typo at a menu shows the menu again.
void ParseNumber(Program& p);

}  // namespace lesson
