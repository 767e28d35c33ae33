#include "lessonlib/charts/box_plot.h"

#include "lessonlib/charts/number_label.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/plain_text.h"

namespace lesson {

namespace {

float ScaleX(const Program& p, float v) { return p.GX + (v - p.YOKO1X) * p.DX; }

// The placement shared by the box plot, its scale and the upright plot.
void PlaceSummary(Program& p) {
    p.GX3 = p.GGX;
    p.GX = p.GGX + p.SIZEX;
    p.DX = Divide(p.SIZEX, p.TANIX);
    p.DY1 = p.SIZEY / 2;
    p.DY2 = p.SIZEY / 4;
    p.GX4 = p.GX + (p.YOKO * p.TANIX - p.YOKO1X) * p.DX;
    p.GS1 = ScaleX(p, p.HH_a(1));
    p.GS2 = ScaleX(p, p.HH_a(2));
    p.GS3 = ScaleX(p, p.HH_a(3));
    p.GS4 = ScaleX(p, p.HH_a(4));
    p.GS5 = ScaleX(p, p.HH_a(5));
}

// Draws `label` hanging below the scale line, its left edge `share` of its
// width left of `anchor` (1/2 centres it, 1 makes it end there).
void DrawScaleLabel(Program& p, const Text& label, float anchor, float share) {
    p.M_s = label;
    p.A_s = p.M_s;
    MeasureTextWidth(p);
    p.X = anchor - share * p.LLT;
    p.Y = p.GY4;
    p.AA_s = p.M_s;
    DrawPlainText(p);
}

}  // namespace

void DrawBoxPlot(Program& p) {
    p.DR = static_cast<float>(p.rt.LineWidth());
    PlaceSummary(p);
    p.rt.SetLineWidth(5);
    p.rt.Line(p.GS1, p.GY3, p.GS2, p.GY3, p.CCC2);
    p.rt.FilledBox(p.GS2, p.GY3 - p.DY1, p.GS4, p.GY3 + p.DY1, p.CCC2, 15);
    p.rt.Line(p.GS3, p.GY3 - p.DY1, p.GS3, p.GY3 + p.DY1, p.CCC2);
    p.rt.Line(p.GS4, p.GY3, p.GS5, p.GY3, p.CCC2);
    p.rt.Line(p.GS1, p.GY3 - p.DY2, p.GS1, p.GY3 + p.DY2, p.CCC2);
    p.rt.Line(p.GS5, p.GY3 - p.DY2, p.GS5, p.GY3 + p.DY2, p.CCC2);
    if (p.HEI > 0) {
        p.GS6 = ScaleX(p, p.HEIKIN);
        p.rt.Line(p.GS6 - 8, p.GY3, p.GS6 + 8, p.GY3, 0);
        p.rt.Line(p.GS6, p.GY3 - 8, p.GS6, p.GY3 + 8, 0);
    }
    p.rt.SetLineWidth(p.DR);
}

void DrawBoxPlotScale(Program& p) {
    PlaceSummary(p);
    p.GY4 = p.GY3 + p.SIZEY;
    p.rt.SetLineWidth(3);
    p.rt.Line(p.GX3, p.GY4, p.GX4, p.GY4, 0);
    p.rt.Line(p.GS1, p.GY3 + p.DY2, p.GS1, p.GY4, 0);
    p.rt.Line(p.GS2, p.GY3 + p.DY1, p.GS2, p.GY4, 0);
    p.rt.Line(p.GS3, p.GY3 + p.DY1, p.GS3, p.GY4, 0);
    p.rt.Line(p.GS4, p.GY3 + p.DY1, p.GS4, p.GY4, 0);
    p.rt.Line(p.GS5, p.GY3 + p.DY2, p.GS5, p.GY4, 0);

    p.CCC1 = 0;
    DrawScaleLabel(p, "0", p.GX3, 0.5f);
    DrawScaleLabel(p, p.X_sa(1), p.GX, 0.5f);
    const float points[] = {p.GS1, p.GS2, p.GS3, p.GS4, p.GS5};
    for (int k = 1; k <= 5; ++k) DrawScaleLabel(p, NumberLabel(p, p.HH_a(k)), points[k - 1], 0.5f);
    DrawScaleLabel(p, p.TANI_s, p.GX4, 1);
}

void DrawBoxPlotVertical(Program& p) {
    p.GGX = 50;
    p.GY3 = 1120;
    p.CCC2 = 3;
    p.HEI = 1;
    p.SIZEX = 50;
    p.TANIX = 10;
    p.SIZEY = 50;
    PlaceSummary(p);
    p.GY4 = p.GY3 - p.SIZEY;

    // Every point is (across, along): the value axis runs down the screen.
    p.rt.SetLineWidth(3);
    p.rt.Line(p.GY4, p.GX3, p.GY4, p.GX4, 0);
    p.rt.Line(p.GY3 + p.DY2, p.GS1, p.GY4, p.GS1, 0);
    p.rt.Line(p.GY3 + p.DY1, p.GS2, p.GY4, p.GS2, 0);
    p.rt.Line(p.GY3 + p.DY1, p.GS3, p.GY4, p.GS3, 0);
    p.rt.Line(p.GY3 + p.DY1, p.GS4, p.GY4, p.GS4, 0);
    p.rt.Line(p.GY3 + p.DY2, p.GS5, p.GY4, p.GS5, 0);

    p.rt.SetLineWidth(5);
    p.rt.Line(p.GY3, p.GS1, p.GY3, p.GS2, p.CCC2);
    p.rt.Box(p.GY3 - p.DY1, p.GS2, p.GY3 + p.DY1, p.GS4, p.CCC2);
    p.rt.Line(p.GY3 - p.DY1, p.GS3, p.GY3 + p.DY1, p.GS3, p.CCC2);
    p.rt.Line(p.GY3, p.GS4, p.GY3, p.GS5, p.CCC2);
    p.rt.Line(p.GY3 - p.DY2, p.GS1, p.GY3 + p.DY2, p.GS1, p.CCC2);
    p.rt.Line(p.GY3 - p.DY2, p.GS5, p.GY3 + p.DY2, p.GS5, p.CCC2);
}

}  // namespace lesson
