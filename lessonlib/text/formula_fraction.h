// Stacked fractions of formula lines.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Draws the fraction text A$ (numerator "/" denominator, the first "/"
// separating them) from the pen: a bar 25 below Y as long as the wider part,
// the numerator centred above it, the denominator centred below it, both in
// their fraction forms; under a tall root (HROOT 22) the root bar over the
// whole fraction at 14 above Y. A text without "/" is all denominator.
// Leaves X after the bar, Y as it was, BUN 0, the line width DR, A$ the
// numerator, LLT the denominator's width; overwrites XT, YT, RTASKAI1$,
// RTASKAI2$, TBSI, TBBO, NAGA, TBSI1, TBBO1, BSEN, TA1, TA2, TA5, TA6 and
// what measuring and the glyph layer overwrite.
void DrawFormulaFraction(Program& p);

}  // namespace lesson
