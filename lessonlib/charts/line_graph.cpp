#include "lessonlib/charts/line_graph.h"

#include "lessonlib/charts/histogram_frame.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/text/plain_text.h"

namespace lesson {

void DrawLineGraph(Program& p) {
    ComputeChartResults(p);
    DrawHorizontalGridLines(p, 0, p.SIZEY, 2);
    DrawChartAxes(p);
    DrawChartLabels(p, false);
    p.X = p.GX0;
    p.Y = p.GY1 - 30;
    p.AA_s = p.Y_sa(0);
    DrawPlainText(p);
    CountedLoop(p.II, 1, p.DOSU - 1, [&] {
        p.rt.Line(p.GX0 + p.SIZEX * p.II, p.GY0 - p.SIZEYY * p.Y_a(p.II),
                  p.GX0 + p.SIZEX * (p.II + 1), p.GY0 - p.SIZEYY * p.Y_a(p.II + 1), p.CCC4);
    });
}

}  // namespace lesson
