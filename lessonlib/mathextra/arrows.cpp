#include "lessonlib/mathextra/arrows.h"

#include <cmath>
#include <utility>

#include "lessonlib/charts/number_label.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/formula.h"

namespace lesson {

namespace {

constexpr float kRunColour = 7;
constexpr float kRiseColour = 3;
constexpr float kHeadSize = 16;

// The shaft from the tail (ZX, ZY) to the tip (ZX0, ZY0) and its head.
void ShaftAndHead(Program& p) {
    p.rt.Line(p.ZX, p.ZY, p.ZX0, p.ZY0, p.CCC2);
    p.CX = p.ZX0 - p.ZX;
    p.CY = p.ZY0 - p.ZY;
    p.D = std::sqrt(p.CX * p.CX + p.CY * p.CY);
    if (p.D == 0) {  // no direction, so no head
        p.DX = 0;
        p.DY = 0;
        p.EX = p.ZX1 = p.ZX2 = p.ZX0;
        p.EY = p.ZY1 = p.ZY2 = p.ZY0;
        return;
    }
    p.DX = p.CX / p.D;
    p.DY = p.CY / p.D;
    p.EX = p.ZX0 - p.NAGASA * p.DX;
    p.EY = p.ZY0 - p.NAGASA * p.DY;
    p.ZX1 = p.EX - (p.NAGASA / 2) * p.DY;
    p.ZY1 = p.EY + (p.NAGASA / 2) * p.DX;
    p.ZX2 = p.EX + (p.NAGASA / 2) * p.DY;
    p.ZY2 = p.EY - (p.NAGASA / 2) * p.DX;
    p.rt.Line(p.ZX1, p.ZY1, p.ZX0, p.ZY0, p.CCC2);
    p.rt.Line(p.ZX2, p.ZY2, p.ZX0, p.ZY0, p.CCC2);
}

void ExchangeEnds(Program& p) {
    std::swap(p.ZX, p.ZX0);
    std::swap(p.ZY, p.ZY0);
}

void Arrow(Program& p, float x0, float y0, float x1, float y1, float colour) {
    p.ZX0 = x0;
    p.ZY0 = y0;
    p.ZX = x1;
    p.ZY = y1;
    p.MUKI = 1;
    p.CCC2 = colour;
    p.NAGASA = kHeadSize;
    DrawArrow(p);
}

}  // namespace

void DrawArrow(Program& p) {
    if (p.MUKI != -1) ExchangeEnds(p);  // the tip into (ZX0, ZY0)
    ShaftAndHead(p);
    if (p.YA == 2) {
        p.YA = 0;
        ExchangeEnds(p);
        ShaftAndHead(p);
    }
    p.MUKI = 0;
}

void DrawRiseRunArrows(Program& p) {
    if (p.GX3 > p.GX4) {
        std::swap(p.GX3, p.GX4);
        std::swap(p.GY3, p.GY4);
    }
    p.rt.SetLineWidth(4);
    Arrow(p, p.GX3, p.GY3, p.GX4, p.GY3, kRunColour);
    Arrow(p, p.GX4, p.GY3, p.GX4, p.GY4, kRiseColour);
    p.X_s = NumberLabel(p, Divide(p.GX4 - p.GX3, p.SIZE));
    const float rise = Divide(p.GY3 - p.GY4, p.SIZE);
    p.Y_s = NumberLabel(p, rise);
    // A digit before the point below 1: ".5" is "0.5", "-.5" "-0.5".
    if (std::fabs(rise) < 1) {
        if (FirstBytes(p.Y_s, 1) == Text(".")) p.Y_s = "0" + p.Y_s;
        else if (FirstBytes(p.Y_s, 2) == Text("-.")) p.Y_s = "-0" + MidBytes(p.Y_s, 2);
    }
    if (FirstBytes(p.HYOUJI_s, 1) == Text("y")) LabelRunArrow(p);
    if (MidBytes(p.HYOUJI_s, 2, 1) == Text("y")) LabelRiseArrow(p);
}

void LabelRunArrow(Program& p) {
    p.Y = p.GY3 > p.GY4 ? p.GY3 - 44 : p.GY3;
    p.CCC1 = kRunColour;
    p.X = (p.GX3 + p.GX4) / 2 - 14;
    p.AA_s = p.X_s;
    DrawFormula(p);
}

void LabelRiseArrow(Program& p) {
    p.CCC1 = kRiseColour;
    p.X = p.GX4;
    p.Y = (p.GY3 + p.GY4) / 2 - 16;
    p.AA_s = p.Y_s;
    DrawFormula(p);
}

}  // namespace lesson
