// Box plots of the five-number summary HH(1..5) and their scale.
//
// A value v stands at x = GX + (v - YOKO1X) * DX, where GX = GGX + SIZEX and
// DX = SIZEX / TANIX: the first scale step from GGX stands for 0 to YOKO1X.
// Each routine leaves GX3 = GGX, GX, DX, DY1 = SIZEY / 2, DY2 = SIZEY / 4,
// the right end of the scale GX4 (the value YOKO * TANIX) and the positions
// GS1..GS5 of HH(1..5). TANIX = 0 divides by zero.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// A horizontal box plot on the centre line GY3, SIZEY high, in colour CCC2 at
// line width 5: whiskers with end ticks, the box filled with the background,
// the median line, and when HEI > 0 a "+" in colour 0 at HEIKIN (its x in
// GS6). The line width is read into DR and set back.
void DrawBoxPlot(Program& p);

// The scale under a box plot: a line at GY4 = GY3 + SIZEY from GX3 to GX4,
// connectors from the five summary points down to it, and the labels "0",
// X$(1), HH(1..5) centred under their points and TANI$ ending at GX4, in
// colour 0. Leaves CCC1 = 0, the line width 3, the pen after TANI$ and LLT
// its width; overwrites M$, A$, AA$, DR and the text routines' scratch.
void DrawBoxPlotScale(Program& p);

// An upright box plot with its scale line, values growing downward, near the
// right edge: GGX = 50, GY3 = 1120, SIZEX = 50, TANIX = 10, SIZEY = 50,
// CCC2 = 3, HEI = 1 are set and kept; the scale line stands at x = GY4 =
// 1070. No labels, no mean mark; leaves the line width 5.
void DrawBoxPlotVertical(Program& p);

}  // namespace lesson
