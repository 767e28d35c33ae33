// Marks on geometry figures: equal-length ticks, the angle at a corner in
// degrees, the right-angle mark. Each draws at the current line width and
// leaves it unchanged. The corner routines take the corner Z0, the ray ends
// Z1, Z2 and the side switch ITI as RayAngles does.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// HONSU ticks (1 when it is below 0 or above 6; 0 draws one) across segment
// A (AX, AY) - B (BX, BY) in CCC2, each 2 * NAGASA long, AIDA apart (8 when
// it is 0 or above 30), the first AIDA beyond the midpoint moved ITI along the
// segment. Leaves AIDA = (ticks + 1) * the spacing; overwrites II, CX, CY, D,
// DX, DY (the unit vector along AB), EX, EY, AX1, AY1, AX2, AY2. A segment of
// length 0 divides by zero.
void DrawEqualTicks(Program& p);

// KAKUDO$ = the angle swept counter-clockwise on the screen from ray Z0 -> Z1
// to ray Z0 -> Z2, in degrees to one decimal without blanks ("90"); HH holds
// it unrounded, HH5 in radians. Overwrites A$ and what RayAngles sets.
void AngleDegrees(Program& p);

// The two outer sides Z3 - Z5 - Z4 of a square of side NAGASA on the rays of
// the corner (a rhombus when the angle is not right), in CCC2.
void DrawRightAngleMark(Program& p);

}  // namespace lesson
