// Sign edits on expression texts, a left brace, and a calculation written in
// two lines.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// The leading sign of A$ swapped ("-" and "+"), or "-" put in front of any
// other non-empty text. Only the one-byte signs count, only as the first
// character. LE = the characters of A$ before the edit.
void NegateExpression(Program& p);

// A$ without a leading "+"; LE as above.
void StripPlus(Program& p);

// A$ without a leading "+" or "-"; LE as above.
void StripSign(Program& p);

// An opening curly brace in colour CCC1 at line width 5, one polyline of
// seven points: the tips 35 right of X at Y + 5 and Y + HABA - 10, the point
// 27 left of the tips half-way between. Leaves the points in X1 .. X4,
// Y1 .. Y7, and X, Y and the caller's line width as they were (DR holds it).
void DrawLeftBrace(Program& p);

// Writes the formula A1$ at (X + 54, Y), the operator ENZAN$ and ")" from
// (X, Y + TAKASA + 6), and A2$ at (X + 54, Y + TAKASA), and rules a line in
// colour CCC2, width 3, from (X + 27, Y + 2 * TAKASA) to 3 past the end of
// the wider line. LT1, LT2 = the widths of A1$ and A2$, LT the larger; X1,
// Y1 the starting pen. The text cursor continues after the layout: XI3 =
// X1 + 54 the lines' left edge, YI1 = Y1 + TAKASA the second line and XI2 =
// XI3 + LT the wider line's end. The caller's line width is kept.
void DrawTwoLineLayout(Program& p);

}  // namespace lesson
