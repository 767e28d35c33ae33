// Graphs of simple functions on the coordinate plane, with a label.
//
// Points are in the caller's units and map onto the plane as in
// coordinate_plane.h, through GX0, GY0, SIZE, BAIX and BAIY.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Draws the graph of type IROIRO in colour CCC3 and the formula label AAA$
// beside its end, in the same colour (left in CCC1): 1 is y = AA / x, 2 is
// y = AA * x^2, 4 the line AA * x + BB * y = CC, every other type
// y = AA * x + BB. Curves are dotted by PlotCurveDots; a type-4 line becomes
// type 3 (AA the slope, BB the intercept, IROIRO 3 written back), or, with
// BB = 0, the vertical line x = CC / AA (CC written back) by DrawGraphLine.
// BAIX or BAIY 0 counts as 1. The label's top-left corner is the last dot
// drawn (10 right of a vertical line's BB2 end; the pen as left when nothing
// was drawn), moved by KASANARIX, KASANARIY. Leaves the pen after the label,
// AA$ empty, the shifts 0, BAIX = BAIY = 1 and the caller's line width.
void DrawFunctionGraph(Program& p);

// 5001 samples of the function of IROIRO from x = AA1 on, in steps of
// P1 = (AA2 - AA1) / 5000 summed as singles (HABA = 5000): a circle of
// radius 1 in colour CCC3 at each one whose y lies within GY1 .. GY2. Every
// type but 3 steps over x = 0. Leaves X, Y at the last circle drawn, X1, Y1
// the first sample, GX5, GY5 one step past the last, GX, GY the last
// sample's drawing position and II = 5001. BAIX or BAIY 0 is a division by
// zero.
void PlotCurveDots(Program& p);

// The vertical line x = CC from y = BB1 to y = BB2, colour CCC3, line width 5
// (left in force). Leaves X 10 right of it and Y at its BB2 end.
void DrawGraphLine(Program& p);

}  // namespace lesson
