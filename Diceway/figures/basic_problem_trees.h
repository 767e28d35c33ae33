// The trees of the basic problems: the two-digit numbers made from the cards
// 1 to 4, half a tree at a time, and the pairs chosen from A, B, C. Nodes are
// formula cells; the routines leave the cell size and the node positions
// behind for highlighting, and line width 5.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Half of the two-digit tree, at once: the headers "十" and "一" (text 0,
// border 3, fill 15) over the tens column X(1) and the ones column X(2) =
// X(1) + 70, from the header row Y(0). The tens X$(9), X$(10) stand level with
// the middle of their ones digits X$(1..3) and X$(5..7) (rows Y(k) = Y(0) +
// 50k; rows 4 and 8 stay empty); digits have no visible frame. With X$(11) =
// ">" every ones digit but the first is in colour 5. Cells 40 x 46; tens
// rows Y(11), Y(12). Uses JJ, LY.
void DrawTwoDigitTree(Program& p);

// The pairs of A, B, C: the heading "樹形図" (152 wide, text 5, border 3, fill
// 15) at (X(1), Y(1)), a key wait, then A over B and C and B over C (cells 76
// x 50, text 0, border 1, fill 15). Children at X(2) = X(1) + 106 in rows
// Y(2..4) 60 apart below the heading; root A at Y(5), between its children;
// root B at Y(6) = Y(4), beside its one child.
void DrawThreeCombinationTree(Program& p);

}  // namespace diceway
