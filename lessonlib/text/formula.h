// Formula lines and their widths.
//
// A formula line is a text in the formula markup: "ﾀ" numerator "/"
// denominator "ﾀ" is a stacked fraction, "#" before a fraction a tall root
// sign over it (its bar runs until "ﾝ"), "^" makes the next glyph an
// exponent; every other character goes to the glyph layer, which knows the
// rest of the markup. The markup state (JYOU, JYOUK, HROOT, TXM, BUN)
// carries over between calls.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Draws the line AA$ from the pen (X, Y) in colour CCC1 and leaves X after
// it; AA$ ends empty, Y and the line width are the caller's (DR holds the
// width). An opening "ﾀ" with no closing one is dropped. Overwrites A$, LEM,
// N, AA_A$, B$, I and the scratch of the glyph and fraction layers; a line
// with a fraction leaves BUN 0 and LLT = the last denominator's width.
void DrawFormula(Program& p);

// LLT = the distance DrawFormula moves the pen over the markup A$ (with the
// fraction forms when BUN is 1), found by drawing it in the measuring row
// at (0, 1800), below the visible plane. X, Y and A$ are the caller's on
// return, also when measuring re-enters through a fraction; XX1, YY1 and
// AA1$ hold them too. AA$ ends empty; the markup state changes as drawing
// the text would change it.
void MeasureFormulaWidth(Program& p);

}  // namespace lesson
