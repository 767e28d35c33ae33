// Two small routines that Diceway carries for its screens' use; no screen
// calls them yet.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Puts A$ into parentheses when it holds a "-" anywhere; TA1 = the byte
// position (from 1) of the first "-", 0 when there is none.
void BracketNegative(Program& p);

// The divisors of DY (made positive): P of them, ascending in X(1..P), with
// their cofactors DY / X(k) in Y(1..P), and KOSUU = P / 2 made whole (halves
// up), the number of pairs. Tries every whole number from 1 to DY, at least
// once (DY = 0 gives X(1) = 1, Y(1) = 0). A DY with more divisors than X()
// holds (50) stops at the 51st with the subscript-range error. Overwrites II.
void ListDivisorPairs(Program& p);

}  // namespace diceway
