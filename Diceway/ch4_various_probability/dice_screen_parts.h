// What the five dice screens share: their start, the table, and colouring
// its outcome cells by the question asked.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// The lesson area cleared, the margin XI1 at 38, the first line YI1 at 30,
// line width 5 (until the table sets 3).
void BeginDiceScreen(Program& p);

// The dice table with its corner at (x, y).
void DiceTableAt(Program& p, float x, float y);

// Sets CCC1 (text) and CCC3 (fill) for the outcome cell of row JJ (small
// die) and column II (large die); may use A and B.
using CellColourRule = void (*)(Program&);

// The sum 5 filled in 13; the other cells keep the table's even-sum colours.
void SumFiveColours(Program& p);

// Bands of equal sums: odd sums filled (3 or 11 in 2, 5 or 9 in 4, 7 in 8)
// with text 13, even sums plain white.
void SumBandColours(Program& p);

// Both values odd filled in 13 with text 5; the other cells keep the table's
// even-sum colours.
void BothOddColours(Program& p);

// Draws the 36 outcome cells of the table DrawDiceTable left, row by row,
// again in the colours of `rule`; with `waitAfterEachRow` a key wait follows
// every row.
void RecolourDiceTable(Program& p, CellColourRule rule, bool waitAfterEachRow = false);

}  // namespace diceway
