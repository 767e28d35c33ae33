#include "lessonlib/mathextra/fractions.h"

#include <cmath>
#include <utility>

#include "lessonlib/charts/number_label.h"
#include "lessonlib/shell/errors.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

namespace {

// Euclid on singles takes a few hundred passes at most, even for the
// extreme finite values; more than this means the pair no longer shrinks.
constexpr int kMostEuclidPasses = 2000;

// "ﾀ" n "/" d "ﾀ", with `sign` ("", "-" or "+") in front.
Text Fraction(const Text& sign, const Text& n, const Text& d) {
    return sign + "ﾀ" + n + "/" + d + "ﾀ";
}

// Removes every occurrence of `mark` from A$, leaving in `position` the
// byte position of the last one removed.
void RemoveAll(Program& p, const Text& mark, float& position) {
    for (int at = FindText(p.A_s, mark); at != 0; at = FindText(p.A_s, mark)) {
        position = static_cast<float>(at);
        p.A_s = FirstBytes(p.A_s, at - 1) + MidBytes(p.A_s, at + 1);
    }
}

}  // namespace

float FloorMod(float a, float b) { return a - b * RoundDown(Divide(a, b)); }

namespace {

// Euclid's greatest common divisor of a and b, on singles, as GcdLcm works it.
float Gcd(float a, float b) {
    for (int pass = 0; b != 0; ++pass) {
        if (pass == kMostEuclidPasses) Fail(ErrorCode::Overflow, std::source_location::current());
        a = FloorMod(a, b);
        std::swap(a, b);
    }
    return a;
}

// n with the sign of n / d: the sign a fraction takes into its numerator.
float SignedNumerator(float n, float d) { return n * d < 0 ? -std::fabs(n) : std::fabs(n); }

}  // namespace

void GcdLcm(Program& p) {
    // Singles hold every whole number only up to 2^24: beyond it the
    // remainders and the product come out wrong, so such a pair is refused
    // before anything is written.
    RequireWholeRange({p.DS, p.DB, static_cast<double>(p.DS) * p.DB});
    p.X1 = p.DS;
    p.X2 = p.DB;
    p.LB8 = p.X1 * p.X2;
    p.X1 = Gcd(p.X1, p.X2);
    p.X2 = 0;  // where Euclid's passes leave it
    p.X3 = p.X1;
    p.X4 = Divide(p.LB8, p.X3);
}

void ReduceFraction(Program& p) {
    RequireWholeRange({p.DS, p.DB, static_cast<double>(p.DS) * p.DB});
    p.DB1 = p.DB;
    p.DS1 = p.DS;
    p.YAK1 = p.DS * p.DB < 0 ? -1 : 1;
    if (p.DB == 0 || p.DB == 1) {
        p.E1 = p.DS;
        p.E2 = p.DB;
        p.YAK = p.DB == 0 ? 0 : 1;
    } else {
        p.DS = std::fabs(p.DS);
        p.DB = std::fabs(p.DB);
        GcdLcm(p);
        p.E1 = Divide(p.YAK1 * p.DS, p.X3);
        p.E2 = Divide(p.DB, p.X3);
        if (p.E1 == 0 || p.E2 == 1) p.YAK = 1;
        else if (p.E2 == p.DB1 && p.YAK1 == 1) p.YAK = 3;
        else p.YAK = 2;
    }
    p.DS = p.E1;
    p.DB = p.E2;

    p.DS1_s = NumberLabel(p, p.DS1);
    p.DA1_s = NumberLabel(p, p.DB1);
    p.DB_s = NumberLabel(p, p.DB);
    p.DS_s = NumberLabel(p, p.DS);
    p.A1_s = Fraction("", p.DS1_s, p.DA1_s);
    p.LEM = static_cast<float>(CountChars(p.DS_s));
    if (FirstChars(p.DS_s, 1) == Text("-")) p.DS_s = LastChars(p.DS_s, p.LEM - 1);

    const bool negative = p.YAK1 == -1;
    switch (static_cast<int>(p.YAK)) {
        case 1:
            p.A2_s = (negative ? "-" : "") + p.DS_s;
            p.A21_s = (negative ? "-" : "+") + p.DS_s;
            break;
        case 2:
            p.A2_s = Fraction(negative ? "-" : "", p.DS_s, p.DB_s);
            p.A21_s = Fraction(negative ? "-" : "+", p.DS_s, p.DB_s);
            break;
        case 3:
            p.A2_s = Fraction("", p.DS1_s, p.DA1_s);
            p.A21_s = Fraction("+", p.DS1_s, p.DA1_s);
            break;
        default:  // a zero denominator has no result to write
            p.A2_s = Text();
            p.A21_s = Text();
    }
    p.FDS1_s = negative ? "" : "+";
    if (p.YAK == 0) {
        p.A3_s = Text();
        p.A31_s = Text();
    } else if (p.YAK == 3) {
        p.A3_s = p.A2_s;
        p.A31_s = p.A21_s;
    } else {
        p.A3_s = p.A1_s + "=" + p.A2_s;
        p.A31_s = p.FDS1_s + p.A1_s + "=" + p.A21_s;
    }
    p.A_s = p.A2_s;
    StripMarkup(p);
    p.TKAI1_s = p.A_s;
    p.A_s = p.A21_s;
    StripMarkup(p);
    p.TKAI2_s = p.A_s;
}

void AddFractions(Program& p) {
    if (p.DBM1 == 0 || p.DBM2 == 0) Fail(ErrorCode::DivisionByZero, std::source_location::current());
    {
        // Every number the sum writes, worked out before anything is
        // written: the terms, their cross products, the product of the
        // denominators (the least common multiple divides it), and the sum
        // of the numerators over that multiple.
        const double n1 = p.DSM1, d1 = std::fabs(p.DBM1), n2 = p.DSM2, d2 = std::fabs(p.DBM2);
        RequireWholeRange({n1, d1, n2, d2, n1 * d2, n2 * d1, d1 * d2});
        const double gcd = d1 == 1 || d2 == 1 ? 1 : Gcd(static_cast<float>(d1), static_cast<float>(d2));
        const double s1 = SignedNumerator(p.DSM1, p.DBM1) * d2 / gcd;
        const double s2 = SignedNumerator(p.DSM2, p.DBM2) * d1 / gcd;
        RequireWholeRange({s1 + s2});
    }
    for (auto [n, d] : {std::pair{&p.DSM1, &p.DBM1}, std::pair{&p.DSM2, &p.DBM2}}) {
        *n = SignedNumerator(*n, *d);
        *d = std::fabs(*d);
    }
    if (p.DBM1 == 1 && p.DBM2 == 1) {
        p.DB = 1;
        p.DS1 = p.DSM1;
        p.DS2 = p.DSM2;
    } else if (p.DBM1 == 1) {
        p.DB = p.DBM2;
        p.DS1 = p.DSM1 * p.DBM2;
        p.DS2 = p.DSM2;
    } else if (p.DBM2 == 1) {
        p.DB = p.DBM1;
        p.DS1 = p.DSM1;
        p.DS2 = p.DSM2 * p.DBM1;
    } else {
        p.DB = p.DBM2;
        p.DS = p.DBM1;
        ReduceFraction(p);  // leaves the gcd in X3 and the lcm in X4
        p.DB = p.X4;
        p.DS1 = Divide(p.DSM1 * p.DBM2, p.X3);
        p.DS2 = Divide(p.DSM2 * p.DBM1, p.X3);
    }
    p.DS4 = p.DS1 + p.DS2;

    p.DS1_s = NumberLabel(p, std::fabs(p.DS1));
    p.B1_s = p.DS1_s;
    p.DB_s = NumberLabel(p, p.DB);
    p.DS2_s = NumberLabel(p, std::fabs(p.DS2));
    p.B2_s = p.DS2_s;
    p.DS4_s = NumberLabel(p, std::fabs(p.DS4));

    // A value not above 0 is written with "-ﾀ" in both forms.
    auto terms = [](float value, const Text& digits, const Text& db, Text& plain, Text& following) {
        plain = Fraction(value > 0 ? "" : "-", digits, db);
        following = value > 0 ? Fraction("+", digits, db) : plain;
    };
    terms(p.DSM1, p.B1_s, p.DB_s, p.A1_s, p.A11_s);
    terms(p.DSM2, p.B2_s, p.DB_s, p.A2_s, p.A21_s);
    if (p.DSM1 < 0) {
        p.DS3_s = p.DS1_s;
        p.DS1_s = "-" + p.DS1_s;
    }
    p.DS2_s = (p.DSM2 < 0 ? "-" : "+") + p.DS2_s;
    terms(p.DS4, p.DS4_s, p.DB_s, p.A4_s, p.A41_s);
    p.A3_s = Fraction("", p.DS1_s + p.DS2_s, p.DB_s);
    p.A5_s = p.A1_s + p.A21_s;
    p.B3_s = Fraction("", p.B1_s, p.DB_s);
    p.B4_s = Fraction("", p.B2_s, p.DB_s);
}

void StripMarkup(Program& p) {
    RemoveAll(p, "^", p.TA1);
    RemoveAll(p, "ﾝ", p.TA2);
    RemoveAll(p, "ﾀ", p.TA3);
    RemoveAll(p, "=", p.TA3);
}

}  // namespace lesson
