#include "lessonlib/shell/number_texts.h"

#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/strip_spaces.h"

namespace lesson {

namespace {

void Convert(Program& p, Array1<float>& numbers, Array1<Text>& texts, float first, float last) {
    CountedLoop(p.I, first, last, [&] {
        p.A_s = NumberToText(numbers(p.I));
        StripSpaces(p);
        texts(p.I) = p.A_s;
    });
}

}  // namespace

void NumbersToStrings(Program& p) {
    Convert(p, p.T_a, p.T_sa, 1, 80);
    // Tallyview's F() has the elements 0..50, Diceway's 0..40.
    Convert(p, p.F_a, p.F_sa, 1, static_cast<float>(p.F_sa.Bound()));
    // Only Tallyview has U$() and V$().
    if (p.U_sa.Dimensioned()) {
        Convert(p, p.U_a, p.U_sa, 0, 20);
        Convert(p, p.V_a, p.V_sa, 0, 20);
    }
}

void SymbolKeyCode(Program& p) {
    static const char* const keys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
    for (int code = 1; code <= 10; ++code) {
        if (p.I_s == Text(keys[code - 1])) {
            p.FKIG = 1;
            p.HHKIG = static_cast<float>(code);
            return;
        }
    }
    p.FKIG = 0;
}

}  // namespace lesson
