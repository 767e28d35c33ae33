// The chart model of histograms, box-plot grids and line graphs: a grid of
// YOKO columns SIZEX wide and TATE rows SIZEY high hung from (GGX, GGY),
// with the horizontal axis along its bottom and the vertical axis along its
// left edge.
//
// Results: GX1 = GX0 = GGX, GY1 = GGY, GX2 = GX1 + SIZEX * YOKO, GY2 = GY0 =
// GY1 + SIZEY * TATE, SIZEYY = SIZEY / |YTANI| (SIZEY when YTANI = 0), and
// CCC2 = CCC3 = 0, the grid colours. Grid line k stands at x = GX0 + SIZEX * k
// and at y = GY0 - SIZEY * k; a value v at y = GY0 - SIZEYY * v.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Computes the results and draws the empty chart: grid lines 1..YOKO and
// 1..TATE (every fifth 3 wide in CCC3, the others 2 wide in CCC2), the axes
// 5 wide in colour 0, "0" at the origin, the x labels X$(1..YOKO) centred on
// their lines by an estimate of 13 units per character in two alternating
// rows, the y labels Y$(1..TATE) ending 8 left of the axis and the title
// Y$(0) ending at the axis. X$(YOKO) becomes X$(0), the unit, for good.
// Leaves the line width 5, CCC1 = 0, the pen at (GX0, GY1 - 40) and LLT the
// title's width; overwrites II, A$, AA$ and the text routines' scratch.
void DrawHistogramFrame(Program& p);

// Computes the same results and draws nothing.
void SetHistogramOrigin(Program& p);

// Draws grid lines 0..YOKO and 0..TATE and the axes again from the results
// as they stand, over bars drawn since; the line width comes back as it was.
// Overwrites II.
void DrawHistogramGrid(Program& p);

// --- parts shared by the chart routines ---------------------------------

// Computes the chart results from the inputs.
void ComputeChartResults(Program& p);

// Grid lines from line `first` to line YOKO (vertical, `step` apart from
// GX1, from GY1 to GY2) or to line TATE (horizontal, `step` apart upward
// from GY2, from GX1 to GX2). Every fifth line is 3 wide in CCC3, the others
// `thinWidth` wide in CCC2. The counter is II; the width is left as the last
// line set it.
void DrawVerticalGridLines(Program& p, float first, float step, float thinWidth);
void DrawHorizontalGridLines(Program& p, float first, float step, float thinWidth);

// The axes, 5 wide in colour 0; the width stays 5.
void DrawChartAxes(Program& p);

// CCC1 = 0; "0" beside the origin; the x labels X$(1..YOKO), in two
// alternating rows or all in the first; the y labels Y$(1..TATE).
void DrawChartLabels(Program& p, bool alternateRows);

}  // namespace lesson
