// The two trees of choosing two of the four people A, B, C, D: the twelve
// ordered choices (two roles) and the six pairs. Each node is a formula cell;
// the routines leave the cell size and the node positions behind, so that a
// screen can highlight a node by drawing its cell again in other colours.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// The ordered choices as two half-trees side by side, the first role's
// letter as root, the second's as child. Inputs: X(31) left edge of the left
// roots, Y(31) top of the header row, X$(1), X$(2) the headers, NASI (1 =
// draw everything at once). Cells 114 x 50: headers text 0, border 1, fill
// 13; nodes text 0, border 1, fill 15. Columns X(31), X(32) = X(31) + 144
// and X(21), X(22) the same 288 further right; X(34), X(24) the right edges
// of the roots. Child rows Y(41..46) 60 apart from Y(31) + 60; root rows
// Y(32), Y(33) level with their middle child. The children of a root are the
// other letters in turn after it (under B: C, D, A). Waits after the headers,
// after the roots and after each of the twelve children, unless NASI is 1.
// Sets F$(1..4) = "A".."D", line width 5 (left so), NASI = 0.
void DrawOrderedPairTree(Program& p);

// The pairs as one tree whose branching shrinks: A over B, C, D; B over C,
// D; C over D, under the heading cell "樹形図" (152 wide, text 5, border 3,
// fill 15). Inputs: X(1) left edge of the roots, Y(1) top of the heading.
// Cells 76 x 50, text 0, border 1, fill 15; children at X(2) = X(1) + 106,
// rows Y(2..4) under A, Y(6), Y(7) under B, Y(11) for C and D; roots at
// Y(5), Y(10), Y(11). Eleven key waits; returns straight after the last
// branch, C-D. Draws at the caller's line width; X$(1..3) hold the last
// root's children.
void DrawPairCombinationTree(Program& p);

}  // namespace diceway
