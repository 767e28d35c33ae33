// Data drawn on a chart whose results DrawHistogramFrame, SetHistogramOrigin
// or DrawLineGraph computed: class k occupies column k, from x = GX0 +
// SIZEX * k to GX0 + SIZEX * (k + 1); a value v stands at y = GY0 - SIZEYY * v.
// Both draw classes 1..YOKO - 1 at the current line width and overwrite II.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// One bar per class, height Y(k), border colour 0, filled with CCC4.
void DrawHistogramBars(Program& p);

// Segments in CCC4 joining the mid-tops of columns 0..YOKO - 1, from the
// middle of column 0 at height Y(0) to the middle of the last class column.
void DrawFrequencyPolygon(Program& p);

}  // namespace lesson
