// The glyph layer of the formula drawing.
//
// Every character of a formula that is not a fraction, a tall root or a
// power mark on the line itself is drawn here, one glyph after another, in
// the formula font ("ゴシック" 16 bold) with a size, scale, offset and
// advance fixed per class of character. These advances are also the widths
// that measured formulas are given, so every position on the screens rests
// on them.
#pragma once

#include <initializer_list>
#include <vector>

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Draws the run A$ from the pen (X, Y) in colour CCC1 and leaves X after the
// last glyph (Y unchanged). BUN = 1 selects the fraction forms. Reads and
// updates the markup state: JYOU (next glyph an exponent), JYOUK (next glyph
// small raised text), HROOT (open root bar: 0, 1, 11 or 22) and TXM (where
// the open root bar starts). Shorthand: "%" "°", "*" "×", "/" "÷", "@" "±",
// "!" "√"; "ﾝ" closes the root; "&" and "＃" are parallelogram signs.
// Leaves the face "ゴシック", size 16, bold off and the caller's line width.
// An empty run draws nothing and changes neither the pen nor the flags.
// Overwrites TX, TY, R$, NAG, I, B$, TA2 and DR.
void DrawFormulaGlyphs(Program& p);

// Draws the run A$ as a name, not a formula: every character with the
// ordinary glyph of its width (half-width scale 3,3 advance 27, full-width
// 2,3 advance 34), with no shorthand, marks or maths letter forms. Pen,
// font, line width and overwritten variables as DrawFormulaGlyphs.
void DrawNameGlyphs(Program& p);

// The points `offsets` taken relative to (x, y): the strokes of the root
// and parallelogram signs.
std::vector<Point> PointsFrom(float x, float y, std::initializer_list<Point> offsets);

}  // namespace lesson
