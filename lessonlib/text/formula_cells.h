// Table cells with formula text: a filled, framed box with its text
// centred across it. The pen gives the cell's top-left corner and moves on
// by the cell's width, so consecutive cells make a row.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// A cell HABA x TATE at the pen, border CCC2, fill CCC3, with the formula
// A$ in CCC1 centred across it (inset LT1, never negative) and its top 22
// above the middle line, or 25 above it when the text holds a fraction.
// Leaves X = entry X + HABA, Y = entry Y. Overwrites X1, Y1, LT1, N1, Y2,
// Y3, MOTOA$, LLT, A$, AA$ and what the formula drawing overwrites; keeps
// the line width.
void DrawFormulaCell(Program& p);

// A cell with two lines, A1$ over A2$, each centred on its own width; the
// first placed in the upper half, the second 44 (with a fraction 50) lower.
// An empty A2$ leaves one line, 25 lower than the first of two. Keeps A1$
// and A2$; overwrites what DrawFormulaCell does and Y22, Y4.
void DrawFormulaCell2(Program& p);

// A one-line cell placed by its text line: Y is the top of the text and the
// box stands around it as DrawFormulaCell's box stands around a text
// without a fraction. Overwrites what DrawFormulaCell does but N1.
void DrawFormulaCellOnLine(Program& p);

}  // namespace lesson
