// Removing half-width blanks from a text.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// A$ without any half-width blank, every other character kept in order (a
// full-width blank stays). Works byte by byte; leaves X9$ = the result,
// X8$ = the last byte examined, KB8 = the byte length of the input and
// IB8 = KB8 + 1 (2 for an empty text).
void StripSpaces(Program& p);

}  // namespace lesson
