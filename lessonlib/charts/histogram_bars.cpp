#include "lessonlib/charts/histogram_bars.h"

#include "lessonlib/shell/loops.h"

namespace lesson {

void DrawHistogramBars(Program& p) {
    CountedLoop(p.II, 1, p.YOKO - 1, [&] {
        p.rt.FilledBox(p.GX0 + p.SIZEX * p.II, p.GY0 - p.SIZEYY * p.Y_a(p.II),
                       p.GX0 + p.SIZEX * (p.II + 1), p.GY0, 0, p.CCC4);
    });
}

void DrawFrequencyPolygon(Program& p) {
    CountedLoop(p.II, 1, p.YOKO - 1, [&] {
        p.rt.Line(p.GX0 + p.SIZEX * (p.II - 0.5f), p.GY0 - p.SIZEYY * p.Y_a(p.II - 1),
                  p.GX0 + p.SIZEX * (p.II + 0.5f), p.GY0 - p.SIZEYY * p.Y_a(p.II), p.CCC4);
    });
}

}  // namespace lesson
