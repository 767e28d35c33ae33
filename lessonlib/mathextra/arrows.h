// Straight arrows, and the run and rise arrows of a slope triangle with
// their lengths in grid units.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// An arrow from (ZX0, ZY0) to (ZX, ZY) in colour CCC2 at the line width in
// force: a shaft and an open head of two strokes reaching back NAGASA along
// the shaft and NAGASA / 2 to each side. The head is at (ZX, ZY), at
// (ZX0, ZY0) when MUKI is -1, and at both ends when YA is 2 (YA then 0).
// Leaves (ZX0, ZY0) at the tip of the last head and (ZX, ZY) at the other
// end; CX, CY = tip - tail, D its length, DX, DY the unit direction, EX, EY
// the head's base on the shaft and ZX1, ZY1, ZX2, ZY2 the strokes' outer
// ends; MUKI = 0. An arrow of length 0 has its shaft alone: D, CX, CY, DX,
// DY are 0 and EX, EY and the stroke ends are the tip.
void DrawArrow(Program& p);

// The slope triangle of the points (GX3, GY3), (GX4, GY4), put in order left
// to right (written back): the run arrow along GY3 to the corner (GX4, GY3)
// in colour 7, then the rise arrow from the corner to (GX4, GY4) in colour
// 3, line width 4 and NAGASA 16 (both left in force, CCC2 left 3). X$ = the
// run, Y$ = the rise in grid squares of SIZE (up is positive; "0.5" and
// "-0.5" below 1, the run as the number text gives it, ".5"). The first byte
// of HYOUJI$ being "y" asks for the run label, its second for the rise
// label. SIZE 0 is a division by zero, after the arrows.
void DrawRiseRunArrows(Program& p);

// X$ in colour 7 with its top-left corner 14 left of the run arrow's middle,
// its top 44 above the arrow when the rise goes up, else on it.
void LabelRunArrow(Program& p);

// Y$ in colour 3 from the rise arrow's line, its top 16 above its middle.
void LabelRiseArrow(Program& p);

}  // namespace lesson
