// Square roots simplified and whole numbers split into prime powers.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Moves every square factor of the radicand R1B (a whole number, at least 1)
// out of the root, trying the roots 2 to 200 and starting again from 2 after
// each factor: R1A = the coefficient, R1B = the radicand left, R1B1 = the
// given one, R1I = 201. Formula texts, without blanks: R1A$ the coefficient
// ("1" for a radicand of 1, empty when nothing came out), RAB$ = R1A$ +
// R1A1$ + "ﾝ" the simplified root, RABM$ = "!" given "ﾝ=" (empty when nothing
// came out), R1B$ = R1A1$ + "ﾝ". R1A1$ = "!" + the number text of R1B with its
// blank, or empty when R1B is 1. A radicand that is not a whole number of at
// least 1 (0, which every square divides, a negative or a fractional one) is
// the run-time error "illegal value".
void SimplifySquareRoot(Program& p);

// Splits SOSU into powers of the primes 2 to 23: G(1, k), G(2, k) for
// k = 1 .. Q are the primes that divide it, ascending, and their exponents;
// slots Q+1 .. 9 hold 0, 0; G(1, 10) is what is left (1, or a product of
// primes of 29 and more) with G(2, 10) = 1. R(1..10) = 2, 3, 5, .. 29;
// SOSU = SOSU1 = |SOSU|, P = 10, TJ = 11. A magnitude of whole value 0 or
// beyond 2^31 - 1 (or not a number) is left whole in slot 10 with Q = 0.
void PrimeFactorise(Program& p);

}  // namespace lesson
