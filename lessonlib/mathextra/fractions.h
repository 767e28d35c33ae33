// Fractions with worked steps: reduction to lowest terms, sums over the least
// common denominator, and the plain texts of their results.
//
// Numbers are singles holding whole numbers. Results are formula markup:
// "ﾀ" numerator "/" denominator "ﾀ" is a fraction, "-ﾀ" or "+ﾀ" puts a sign
// in front of one, "ﾀ=" closes the given fraction of a worked step with an
// equals sign. Number texts carry no blanks ("12", "-3").
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// a - b * RoundDown(a / b): for b > 0 the result lies in [0, b), so
// FloorMod(-1, 4) is 3. b = 0 is a division by zero.
float FloorMod(float a, float b);

// X3 = the greatest common divisor of DS and DB (both non-negative) by
// Euclid's algorithm in X1, X2; X4 = DS * DB / X3 (kept in LB8), their least
// common multiple. DS and DB are left as they are; both 0 is a division by
// zero. An input or the product beyond 2^24 in magnitude (past which singles
// no longer hold every whole number), or not a number, is an overflow,
// raised before anything is written.
void GcdLcm(Program& p);

// Reduces DS/DB to lowest terms with the sign in front.
// In: DS, DB. Out: DS1, DB1 = the given fraction; YAK1 = -1 for a negative
// value, else 1; YAK = the kind: 0 zero denominator (DS, DB unchanged, every
// result text below A1$ empty), 1 a whole number, 2 a fraction that differs
// from the given one, 3 the given fraction already in lowest terms and
// positive; E1/E2 = DS/DB = the result (E2 > 0). Texts: DS1$, DA1$ the given
// numerator and denominator, DB$ the result denominator, DS$ the result
// numerator without sign; A1$ the given fraction; A2$ the result (a sign only
// when negative), A21$ the result with its sign always in front; FDS1$ "+"
// unless negative; A3$, A31$ the worked step "given=result" in both forms
// (the result alone for kind 3); TKAI1$, TKAI2$ = A2$, A21$ without markup.
// Overwrites A$, LEM, TA1..TA3 and, unless DB is 0 or 1, X1..X4 and LB8.
// DS, DB or their product beyond 2^24 in magnitude is an overflow, raised
// before anything is written.
void ReduceFraction(Program& p);

// DSM1/DBM1 + DSM2/DBM2 over DB, the least common multiple of the
// denominators, not reduced. Each fraction first gets its sign into the
// numerator and a positive denominator (written back). DS1, DS2 = the
// expanded numerators, DS4 = their sum. Texts (digits without sign unless
// said): B1$, B2$, DS4$ of |DS1|, |DS2|, |DS4|; DB$; DS1$ = B1$ with "-" when
// negative; DS2$ = B2$ with "-" or "+"; DS3$ = B1$ when the first fraction is
// negative, else unchanged. A1$/A11$, A2$/A21$, A4$/A41$: the two expanded
// fractions and the sum, plain ("ﾀ3/12ﾀ") and as a following term
// ("+ﾀ3/12ﾀ"); a value not above 0 has "-ﾀ" in both forms. A3$ = "ﾀ" DS1$
// DS2$ "/" DB$ "ﾀ"; A5$ = A1$ + A21$; B3$, B4$ the expanded fractions
// without sign. A zero denominator is a division by zero, and an input, a
// cross product, the product of the denominators or the sum of the expanded
// numerators beyond 2^24 in magnitude an overflow, both before anything is
// changed. Calls ReduceFraction on the denominators when neither is 1.
void AddFractions(Program& p);

// A$ without every "^", "ﾝ", "ﾀ" and "=", the other characters kept in
// order ("+ﾀ3/4ﾀ" gives "+3/4"). Works byte by byte: TA1, TA2 hold the byte
// position at which the last "^", "ﾝ" was removed, TA3 that of the last "="
// or, with none, the last "ﾀ"; a variable whose character is absent is left
// as it was.
void StripMarkup(Program& p);

}  // namespace lesson
