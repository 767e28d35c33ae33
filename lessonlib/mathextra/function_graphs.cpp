#include "lessonlib/mathextra/function_graphs.h"

#include "lessonlib/mathextra/coordinate_plane.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

namespace {

constexpr float kSteps = 5000;
// How far a sample at x = 0 is moved, where the reciprocal has no value.
constexpr float kAwayFromZero = 0.002f;

float Function(const Program& p, float x) {
    if (p.IROIRO == 1) return Divide(p.AA, x);
    if (p.IROIRO == 2) return p.AA * x * x;
    return p.AA * x + p.BB;
}

}  // namespace

void DrawFunctionGraph(Program& p) {
    const int width = p.rt.LineWidth();  // the label's formula drawing overwrites DR
    if (p.BAIX == 0) p.BAIX = 1;
    if (p.BAIY == 0) p.BAIY = 1;
    if (p.IROIRO == 4 && p.BB == 0) {
        p.CC = Divide(p.CC, p.AA);
        DrawGraphLine(p);
    } else {
        if (p.IROIRO == 4) {
            p.AA = Divide(-p.AA, p.BB);
            p.BB = Divide(p.CC, p.BB);
            p.IROIRO = 3;
        }
        PlotCurveDots(p);
    }
    DrawShiftedLabel(p);
    p.rt.SetLineWidth(static_cast<float>(width));
}

void PlotCurveDots(Program& p) {
    const bool skipsZero = p.IROIRO != 3;
    p.X1 = p.AA1;
    p.HABA = kSteps;
    if (skipsZero && p.X1 == 0) p.X1 = p.X1 + kAwayFromZero;
    p.Y1 = Function(p, p.X1);
    p.GX5 = p.X1;
    p.GY5 = p.Y1;
    p.P1 = (p.AA2 - p.AA1) / p.HABA;
    CountedLoop(p.II, 0, p.HABA, [&] {
        p.GX = p.GX0 + Divide(p.SIZE * p.GX5, p.BAIX);
        p.GY = p.GY0 - Divide(p.SIZE * p.GY5, p.BAIY);
        if (p.GY >= p.GY1 && p.GY <= p.GY2) {
            p.X = p.GX;
            p.Y = p.GY;
            p.rt.Circle({.cx = p.GX, .cy = p.GY, .radius = 1, .colour = p.CCC3});
        }
        p.GX5 = p.GX5 + p.P1;
        if (skipsZero && p.GX5 == 0) p.GX5 = p.GX5 + p.P1;
        p.GY5 = Function(p, p.GX5);
    });
}

void DrawGraphLine(Program& p) {
    p.rt.SetLineWidth(5);
    const float x = p.GX0 + Divide(p.SIZE * p.CC, p.BAIX);
    const float top = p.GY0 - Divide(p.SIZE * p.BB2, p.BAIY);
    p.rt.Line(x, p.GY0 - Divide(p.SIZE * p.BB1, p.BAIY), x, top, p.CCC3);
    p.X = x + 10;
    p.Y = top;
}

}  // namespace lesson
