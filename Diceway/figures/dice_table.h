// The table of the 36 outcomes of a small and a large die thrown together.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Draws the table with its corner at (X(0), Y(0)), all at once: the corner
// cell 70 x 50 split by a diagonal, "小" (rows, the small die) below it and
// "大" (columns, the large die) above it; the header row and column on fill
// 11; the outcome cells 84 x 50 on white, each reading row value, "'",
// column value, in text colour 3 where both values are odd or both even,
// else 0. Every border is colour 0 at line width 3, which stays set.
// Leaves the cell geometry for redrawing a cell: X(k) = X(0) + 70 + 84(k - 1)
// the left edge of column k, Y(k) = Y(0) + 50k the top of row k, X$(0) empty,
// X$(1..6) = "1".."6", HABA 84, TATE 50. Uses II, JJ, A, B.
void DrawDiceTable(Program& p);

// Draws outcome cell (row JJ, column II) of the table again at its place,
// border 0, fill CCC3, text CCC1.
void RedrawDiceCell(Program& p);

}  // namespace diceway
