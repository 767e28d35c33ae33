// Marks on geometry figures: dotted arcs over segments, equal-length ticks,
// angle arcs, the angle at a corner in degrees, the right-angle mark. Each
// draws at the current line width and leaves it unchanged. The corner
// routines take the corner Z0, the ray ends Z1, Z2 and the side switch ITI as
// RayAngles does; labels are formula text drawn by AngleLabel.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Dots (circles of radius 0.5 in CCC2) along a half-ellipse standing on the
// segment Z0 - Z1, TAKASA high across it (a height between 0 and 16 is taken
// 16 times; a negative one is made positive), every HABA degrees from D1 while
// not past D2: 180..360 (HOUKOU > 0, on the right of Z0 -> Z1 as seen on the
// screen) or 0..180 (otherwise, from Z1's end); NAKA > 0 shortens the span to
// NAKA degrees. A step HABA that is not positive draws no dots. The label
// AAA$ stands outside the arc at its middle point. Leaves Z0 = the middle
// point, Z1, Z2 = the segment's ends, TAKASA as adjusted, AAA$ = "",
// NAKA = 0, and what AngleLabel leaves; overwrites II, RR, H, R, HH, HHP,
// ZX, ZY, ZX3, ZY3, ZX11, ZY11, ZX12, ZY12, D1, D2.
void DrawDottedArc(Program& p);

// HONSU ticks (1 when it is below 0 or above 6; 0 draws one) across segment
// A (AX, AY) - B (BX, BY) in CCC2, each 2 * NAGASA long, AIDA apart (8 when
// it is 0 or above 30), the first AIDA beyond the midpoint moved ITI along the
// segment. Leaves AIDA = (ticks + 1) * the spacing; overwrites II, CX, CY, D,
// DX, DY (the unit vector along AB), EX, EY, AX1, AY1, AX2, AY2. A segment of
// length 0 divides by zero.
void DrawEqualTicks(Program& p);

// The mark of the angle swept counter-clockwise from ray Z0 -> Z1 to ray
// Z0 -> Z2: HONSU arcs (1 when above 6) of radius NAGASA - 8k in CCC3, or
// with HONSU <= 0 a sector of radius NAGASA outlined in CCC2 and filled with
// CCC3; then the label AAA$ at distance NAGASA on the bisector. NAGASA1 keeps
// NAGASA; leaves what AngleLabel leaves.
void DrawAngleArc(Program& p);

// KAKUDO$ = the angle swept counter-clockwise on the screen from ray Z0 -> Z1
// to ray Z0 -> Z2, in degrees to one decimal without blanks ("90"); HH holds
// it unrounded, HH5 in radians. Overwrites A$ and what RayAngles sets.
void AngleDegrees(Program& p);

// The two outer sides Z3 - Z5 - Z4 of a square of side NAGASA on the rays of
// the corner (a rhombus when the angle is not right), in CCC2.
void DrawRightAngleMark(Program& p);

}  // namespace lesson
