// Straight lines on the drawing plane: the foot of a perpendicular, where two
// lines meet, where a line meets a horizontal or vertical line, and a point
// on an ellipse laid over a segment.
//
// Lines are put into slope form, y = slope * x + intercept; every test is an
// exact comparison of singles. A result that is not finite (points so far
// out that their arithmetic overflows) is an overflow error.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// EX, EY = the foot of the perpendicular from C (CX, CY) onto the line
// through A (AX, AY) and B (BX, BY), marked by a circle of radius 2 in colour
// 15 at the line width in force. A = B counts as a vertical line. Only when
// AB is neither vertical nor horizontal are AA1, BB1 (AB) and AA2, BB2 (the
// perpendicular) written.
void PerpendicularFootMark(Program& p);

// AX2, AY2 = the point where the line through A, B meets the line through
// C (CX, CY), D (DX, DY). A1, B1 and A2, B2 are the slope forms; a horizontal
// line has slope 0 (two equal points count as horizontal), a vertical one
// slope 1000 and no intercept. Parallel lines (both vertical, or neither and
// equal slopes) have no meeting point: AX2 = AY2 = 10000.
void LineIntersection(Program& p);

// X1, Y1 = the point where the line through A, B meets the horizontal line
// y = CY (when CX < 0) or the vertical line x = CX (when CY < 0). A vertical
// AB gives (AX, CY), a horizontal one (CX, AY), whatever the selectors say;
// otherwise A, B are the slope form, and with neither selector negative X1,
// Y1 are left as they were.
void LineAxisIntersection(Program& p);

// ZX, ZY = the point at the parameter angle KAKUDO (degrees, 0 at Z1) on the
// ellipse whose one axis is the segment Z0 (ZX0, ZY0) - Z1 (ZX1, ZY1) and
// whose other semi-axis is TAKASA, towards the left of Z0 -> Z1 on the
// screen (a negative TAKASA: the other side). ZX11, ZY11 and ZX12, ZY12 keep
// Z0 and Z1; ZX1, ZY1 are left at the point on the unturned ellipse (ZX3,
// ZY3). Writes CX, CY, RR, ZX2, ZY2, H, HH, HHP, R and PI. Z0 = Z1 is a
// division by zero.
void RotateSegment(Program& p);

}  // namespace lesson
