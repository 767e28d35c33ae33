#include "lessonlib/charts/grid_paper.h"

#include "lessonlib/charts/histogram_frame.h"

namespace lesson {

void DrawGridPaper(Program& p) {
    const int width = p.rt.LineWidth();
    p.PI = 3.14159f;
    p.GX1 = p.GGX;
    p.GY1 = p.GGY;
    p.GX2 = p.GX1 + p.SIZE * p.YOKO;
    p.GY2 = p.GY1 + p.SIZE * p.TATE;
    p.GX0 = p.GX1;
    p.GY0 = p.GY2;
    // Colour 15 asks for the layout alone.
    if (p.CCC2 != 15) {
        p.CCC3 = 14;
        DrawVerticalGridLines(p, 0, p.SIZE, 1);
        DrawHorizontalGridLines(p, 0, p.SIZE, 1);
    }
    p.rt.SetLineWidth(static_cast<float>(width));
}

}  // namespace lesson
