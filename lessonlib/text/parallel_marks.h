// Chevrons that mark parallel lines on a figure.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// On the segment from A (AX, AY) to B (BX, BY), a row of HONSU chevrons
// (1 to 6; out of range makes HONSU 1) pointing from A towards B in colour
// CCC2 at the current line width. The base point P divides AB in the ratio
// A : B; chevron k has its tip 16 k past P and its arm ends NAGASA behind
// the tip, NAGASA / 2 to either side. A segment of length 0 or A + B = 0 is
// a division by zero. Overwrites CX, CY, D, DX, DY, BX1, BY1, EX, EY, AX1,
// AY1, AX2, AY2 (the last chevron's points) and II.
void DrawParallelMarks(Program& p);

}  // namespace lesson
