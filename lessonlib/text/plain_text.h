// Plain label text, its width, and table cells with centred labels.
//
// Plain text carries no formula markup: table values and headings, chart
// labels, the labels at the corners of figures. Each character is drawn bold
// at size 15 in the current face and moves the pen by a fixed advance, so a
// label's width is known by drawing it out of sight and reading the pen.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Draws AA$ from (X, Y) in colour CCC1 and leaves X after it (Y unchanged,
// AA$ empty). Advances: a full-width character 30; "." "," ")" 8; "(" 12,
// drawn 8 left of the pen; a half-width blank 20, not drawn; "a" "x" "c" 20,
// as small italics in "Times New Roman" on the line; "y" 20, raised by 6; any
// other half-width character 20. Leaves bold off and size 16 (after an
// italic letter also italic off in the face "ゴシック"); the line width is
// read into DR and set back. A$, R$ and B$ end with the last character
// (B$ empty after an italic letter), TA2 its byte length; TX, TY, LEM, NAG
// and I are overwritten.
void DrawPlainText(Program& p);

// LLT = the pen advance DrawPlainText gives A$ (0 for ""), found by drawing
// it in the measuring row (0,1800). X and Y are kept; XX1, YY1 hold them and
// AA1$ and AA$ the text afterwards; A$ and the work variables and font state
// of DrawPlainText are overwritten.
void MeasureTextWidth(Program& p);

// A filled cell (X, Y)-(X + HABA, Y + TATE), border CCC2, fill CCC3, with the
// plain label A$ centred across it (from the left edge when it is wider) and
// its top INT((TATE - 26) / 2) below the cell's top, in colour CCC1. Leaves
// X = X + HABA, Y unchanged; A$ holds the label's last character, MOTOA$ the
// label, LLT its width, LT1 its inset; X1, Y1, Y2, Y3 are overwritten.
void DrawTableCell(Program& p);

// A cell as DrawTableCell with the two labels A1$ over A2$, each centred on
// its own width: the upper at INT((TATE / 2 - 26) / 2) below the top (15
// lower when A2$ is empty), the lower 30 below that. Leaves Y22, Y4 and the
// results of DrawTableCell for A2$.
void DrawTableCell2(Program& p);

}  // namespace lesson
