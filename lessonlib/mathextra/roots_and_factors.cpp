#include "lessonlib/mathextra/roots_and_factors.h"

#include <cmath>

#include "lessonlib/mathextra/blank_free.h"
#include "lessonlib/shell/errors.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

namespace {

constexpr float kLastTrialRoot = 200;
constexpr float kPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
// Slot of the part left over; the slots before it take the primes 2 .. 23.
constexpr float kRestSlot = 10;

}  // namespace

void SimplifySquareRoot(Program& p) {
    // The radicand is a whole number of at least 1: every square divides 0,
    // so its extraction would never end, and a negative or fractional one
    // has no simplified root to write.
    if (!(p.R1B >= 1 && p.R1B == RoundDown(p.R1B))) Fail(ErrorCode::IllegalValue, std::source_location::current());
    p.R1A = 1;
    p.R1I = 2;
    p.R1B1 = p.R1B;
    while (p.R1I <= kLastTrialRoot) {
        if (Remainder(p.R1B, p.R1I * p.R1I) != 0) {
            p.R1I = p.R1I + 1;
        } else {
            p.R1A = p.R1A * p.R1I;
            p.R1B = Divide(p.R1B, p.R1I * p.R1I);
            p.R1I = 2;
        }
    }
    p.R1A1_s = p.R1B == 1 ? Text() : "!" + NumberToText(p.R1B);
    if (p.R1B == 1 && p.R1A == 1) p.R1A_s = "1";
    else p.R1A_s = p.R1A == 1 ? Text() : NumberToText(p.R1A);
    p.RAB_s = p.R1A_s + p.R1A1_s + "ﾝ";
    p.RABM_s = p.R1B == p.R1B1 ? Text() : "!" + NumberToText(p.R1B1) + "ﾝ=";
    p.R1B_s = p.R1A1_s + "ﾝ";
    p.R1A_s = BlankFree(p, p.R1A_s);
    p.RAB_s = BlankFree(p, p.RAB_s);
    p.RABM_s = BlankFree(p, p.RABM_s);
    p.R1B_s = BlankFree(p, p.R1B_s);
}

void PrimeFactorise(Program& p) {
    CountedLoop(p.TJ, 1, kRestSlot, [&] {
        p.G_a(1, p.TJ) = 0;
        p.G_a(2, p.TJ) = 0;
    });
    for (int k = 1; k <= 10; ++k) p.R_a(k) = kPrimes[k - 1];
    p.SOSU = std::fabs(p.SOSU);
    p.SOSU1 = p.SOSU;
    p.P = 1;
    p.Q = 1;
    // 0 is divided by every prime for ever, and a value beyond the whole
    // numbers has no remainder: both are left whole as the rest.
    if (!(p.SOSU >= 0.5f && static_cast<double>(p.SOSU) <= 2147483647.0)) p.P = kRestSlot;
    for (;;) {
        if (p.P == kRestSlot) {
            p.Q = p.Q - 1;
            p.G_a(1, kRestSlot) = p.SOSU;
            p.G_a(2, kRestSlot) = 1;
            p.SOSU = p.SOSU1;
            return;
        }
        if (Remainder(p.SOSU, p.R_a(p.P)) == 0) {
            p.G_a(1, p.Q) = p.R_a(p.P);
            p.G_a(2, p.Q) = p.G_a(2, p.Q) + 1;
            p.SOSU = p.SOSU / p.R_a(p.P);
        } else {
            if (p.G_a(1, p.Q) != 0) p.Q = p.Q + 1;
            p.P = p.P + 1;
        }
    }
}

}  // namespace lesson
