// A coordinate plane on the drawing plane, with its tick labels and points.
//
// A grid unit is one square, SIZE drawing units on a side, standing for BAIX
// of the caller's units on the x axis and BAIY on the y axis. A point (a, b)
// in the caller's units lies at (GX0 + SIZE * a / BAIX, GY0 - SIZE * b / BAIY):
// larger b is higher on the screen.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Draws the plane whose frame's top-left corner is (GGX, GGY) ((640, 180)
// when both are 0, written back), for the x range AA1 .. AA2 and the y range
// BB1 .. BB2 (each holding 0): a thin grid line (width 1, colour 0) at every
// grid unit, bold lines (width 3, colour 1) at the whole multiples of 5, the
// grid's index numbered beside each bold line (not at 0), the axes (width 4)
// and the bold letters "x" (serif italic), "0" and "y". CCC2 = 0 leaves out
// grid and numbers, NASI = -1 the numbers alone.
// Leaves: BAIX, BAIY made positive (0 becomes 1); the ranges divided by them
// in place, in grid units (a second call divides again); GX0, GY0 the
// origin; GX1, GY1, GX2, GY2 the frame; SIZE1 = 26 for SIZE < 40, else 30,
// the label size; NASI = 0; CCC1 = 0; AA$ = "y"; the face "ゴシック" at 16,
// neither bold nor italic; the line width of the call (also in DR). The tick
// numbers take the face and style in force at the call.
void DrawCoordinateGrid(Program& p);

// Labels the ticks of the plane just drawn (every non-zero whole multiple of
// 5 among the indices AA1 .. AA2 and BB1 .. BB2) with their value, index *
// BAIX or index * BAIY, to one decimal cut off, not rounded ("2.5", "-5",
// "1.2" for 1.25; a product of index and scale held just below its decimal,
// as 10 * 0.01 is, still gives its tenths). In colour 0 at size SIZE1, 4 units below the plane's own
// numbers; the point is drawn on its own over the join of the whole part and
// the decimal. Leaves the font size 16; P1, P2 (whole part and tenth), P1$,
// P2$ of the last y index visited and II one past it; AA$ the last label.
void DrawDecimalTicks(Program& p);

// A circle of radius R in colour CCC3 at the point (XG, YG) of the caller's
// units (at GX, GY on the screen; BAIX or BAIY 0 counts as 1), and the
// formula label AAA$ in colour CCC3 (left in CCC1) with its top-left corner
// 20 units left of and 40 above it, moved by KASANARIX, KASANARIY. Leaves the
// pen after the label, AA$ empty; the shifts 0 and BAIX = BAIY = 1 again.
void PlotLabelledPoint(Program& p);

// The formula label AAA$ in colour CCC3 (left in CCC1) from the pen moved by
// KASANARIX, KASANARIY; then the shifts 0 and BAIX = BAIY = 1 again. Leaves
// the pen after the label and AA$ empty.
void DrawShiftedLabel(Program& p);

}  // namespace lesson
