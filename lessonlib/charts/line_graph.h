// A line graph on the chart model of the histograms.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Computes the chart results as SetHistogramOrigin does and draws the
// horizontal grid lines 0..TATE (no vertical ones), the axes, "0", the x
// labels X$(1..YOKO) in one row under the axis (X$(YOKO) is not replaced by
// the unit; empty labels leave their lines bare), the y labels, the title
// Y$(0) from (GX0, GY1 - 30), and the data line in CCC4 through the points
// (GX0 + SIZEX * k, GY0 - SIZEYY * Y(k)), k = 1..DOSU, 5 wide. Leaves the line
// width 5, CCC1 = 0 and the pen after the title; overwrites II, A$, AA$, LLT
// and the text routines' scratch.
void DrawLineGraph(Program& p);

}  // namespace lesson
