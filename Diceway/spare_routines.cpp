#include "Diceway/spare_routines.h"

#include <cmath>

#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"

namespace diceway {

void BracketNegative(Program& p) {
    p.TA1 = static_cast<float>(lesson::FindText(p.A_s, "-"));
    if (p.TA1 != 0) p.A_s = lesson::Text("(") + p.A_s + lesson::Text(")");
}

void ListDivisorPairs(Program& p) {
    p.DY = std::fabs(p.DY);
    p.P = 0;
    lesson::CountedLoop(p.II, 1, p.DY, [&] {
        const float quotient = p.DY / p.II;
        if (quotient - lesson::RoundDown(quotient) != 0) return;
        p.P = p.P + 1;
        p.X_a(p.P) = p.II;
        p.Y_a(p.P) = quotient;
    });
    p.KOSUU = static_cast<float>(lesson::WholeNumber(p.P / 2));
}

}  // namespace diceway
