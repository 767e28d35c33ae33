#include "lessonlib/charts/histogram_frame.h"

#include <cmath>

#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/plain_text.h"

namespace lesson {

namespace {

// Sets the width of grid line k and returns its colour.
float GridLineColour(Program& p, float k, float thinWidth) {
    if (Remainder(k, 5) == 0) {
        p.rt.SetLineWidth(3);
        return p.CCC3;
    }
    p.rt.SetLineWidth(thinWidth);
    return p.CCC2;
}

void DrawLabel(Program& p, const Text& label, float x, float y) {
    p.X = x;
    p.Y = y;
    p.AA_s = label;
    DrawPlainText(p);
}

// Draws `label` with its measured width ending `gap` left of GX0.
void DrawLabelLeftOfAxis(Program& p, const Text& label, float gap, float y) {
    p.A_s = label;
    MeasureTextWidth(p);
    DrawLabel(p, label, p.GX0 - p.LLT - gap, y);
}

}  // namespace

void ComputeChartResults(Program& p) {
    p.GX1 = p.GGX;
    p.GY1 = p.GGY;
    p.GX2 = p.GX1 + p.SIZEX * p.YOKO;
    p.GY2 = p.GY1 + p.SIZEY * p.TATE;
    p.GX0 = p.GX1;
    p.GY0 = p.GY2;
    p.CCC3 = 0;
    p.CCC2 = 0;
    p.SIZEYY = p.YTANI == 0 ? p.SIZEY : p.SIZEY / std::fabs(p.YTANI);
}

void DrawVerticalGridLines(Program& p, float first, float step, float thinWidth) {
    CountedLoop(p.II, first, p.YOKO, [&] {
        const float x = p.GX1 + step * p.II;
        p.rt.Line(x, p.GY1, x, p.GY2, GridLineColour(p, p.II, thinWidth));
    });
}

void DrawHorizontalGridLines(Program& p, float first, float step, float thinWidth) {
    CountedLoop(p.II, first, p.TATE, [&] {
        const float y = p.GY2 - step * p.II;
        p.rt.Line(p.GX1, y, p.GX2, y, GridLineColour(p, p.II, thinWidth));
    });
}

void DrawChartAxes(Program& p) {
    p.rt.SetLineWidth(5);
    p.rt.Line(p.GX1, p.GY0, p.GX2, p.GY0, 0);
    p.rt.Line(p.GX0, p.GY0, p.GX0, p.GY1, 0);
}

void DrawChartLabels(Program& p, bool alternateRows) {
    p.CCC1 = 0;
    DrawLabel(p, "0", p.GX0 - 30, p.GY0);
    CountedLoop(p.II, 1, p.YOKO, [&] {
        const bool secondRow = alternateRows && Remainder(p.II, 2) == 0;
        // An estimate of 13 units per character stands in for a measurement.
        p.LLT = 26.0f * static_cast<float>(CountChars(p.X_sa(p.II))) / 2;
        DrawLabel(p, p.X_sa(p.II), p.GX0 + p.SIZEX * p.II - p.LLT, p.GY0 + (secondRow ? 26 : 4));
    });
    CountedLoop(p.II, 1, p.TATE, [&] {
        DrawLabelLeftOfAxis(p, p.Y_sa(p.II), 8, p.GY0 - p.SIZEY * p.II - 13);
    });
}

void DrawHistogramFrame(Program& p) {
    ComputeChartResults(p);
    DrawVerticalGridLines(p, 1, p.SIZEX, 2);
    DrawHorizontalGridLines(p, 1, p.SIZEY, 2);
    DrawChartAxes(p);
    // The unit takes the place of the last class bound.
    p.X_sa(p.YOKO) = p.X_sa(0);
    DrawChartLabels(p, true);
    DrawLabelLeftOfAxis(p, p.Y_sa(0), 0, p.GY1 - 40);
}

void SetHistogramOrigin(Program& p) { ComputeChartResults(p); }

void DrawHistogramGrid(Program& p) {
    const int width = p.rt.LineWidth();
    DrawVerticalGridLines(p, 0, p.SIZEX, 2);
    DrawHorizontalGridLines(p, 0, p.SIZEY, 2);
    DrawChartAxes(p);
    p.rt.SetLineWidth(static_cast<float>(width));
}

}  // namespace lesson
