// The three lots of the lottery screen: a row of three 3 x 4 squares lots
// (40 units a square) with one square between them, drawn face down or face
// up as the winner or a loser.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Places the row 110 below the text line YI1, its left edge at 680, and
// computes each lot's seven points (corners 1-4 from the top left
// anticlockwise, the cross's starts 5 and 6, the circle's centre 7): lot k's
// point i in U(10(k-1) + i), V(10(k-1) + i), lot 1's also in X(i), Y(i).
// Draws nothing; leaves SIZE = 40, CCC2 = 15, II = 8 and what DrawGridPaper
// sets.
void LayoutLotFigure(Program& p);

// The three lots face down: outlined in 0 at the line width in force,
// filled with 11, covering any face-up mark.
void DrawThreeLots(Program& p);

// The lot at X(1..7), Y(1..7) face up as the winner: filled with 13, a
// circle 10 wide in colour 5 and "あたり". Leaves CCC1 = 5, line width 5.
void DrawWinningLot(Program& p);

// The lot at X(1..7), Y(1..7) face up as a loser: filled with 13, a cross
// 10 wide in colour 0 and "はずれ". Leaves CCC1 = 0, line width 5.
void DrawLosingLot(Program& p);

}  // namespace diceway
