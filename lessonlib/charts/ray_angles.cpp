#include "lessonlib/charts/ray_angles.h"

#include <cmath>
#include <utility>

#include "lessonlib/text/formula.h"

namespace lesson {

namespace {

constexpr float kPi = 3.14159f;

// The direction of the ray (x0, y0) -> (x1, y1) as it looks on the screen.
float Direction(const Program& p, float x0, float y0, float x1, float y1) {
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    if (dy == 0) return dx > 0 ? 0 : p.PI;
    const float turn = static_cast<float>(std::atan(static_cast<double>(dx / dy)));
    return (dy < 0 ? p.PI / 2 : 3 * p.PI / 2) + turn;
}

}  // namespace

void RayDirection(Program& p) {
    p.PI = kPi;
    p.HHP = Direction(p, p.ZX0, p.ZY0, p.ZX1, p.ZY1);
    p.HH = p.HHP * 180 / p.PI;
}

void RayAngles(Program& p) {
    p.PI = kPi;
    p.HH3 = Direction(p, p.ZX0, p.ZY0, p.ZX1, p.ZY1);
    p.HH1 = 1 - p.HH3 / (2 * p.PI);
    p.HH4 = Direction(p, p.ZX0, p.ZY0, p.ZX2, p.ZY2);
    p.HH2 = 1 - p.HH4 / (2 * p.PI);
    p.HHP = p.HH4;
    if (p.ITI == -1) {
        std::swap(p.HH1, p.HH2);
        std::swap(p.HH3, p.HH4);
    }
    p.HH5 = (p.HH3 + p.HH4) / 2;
    if (p.HH4 < p.HH3) p.HH5 = p.HH5 + p.PI;
}

void AngleLabel(Program& p) {
    p.A_s = p.AAA_s;
    MeasureFormulaWidth(p);
    RayAngles(p);
    p.N1 = static_cast<float>(FindText(p.AAA_s, "ﾀ"));
    p.DY = p.N1 > 0 ? 40 : 22;
    const float c = Cosine(p.HH5);
    const float s = Sine(p.HH5);
    p.X = p.ZX0 + p.NAGASA * c + p.LLT * (c / 2 - 0.5f);
    p.Y = p.ZY0 - p.NAGASA * s - 2 * p.DY * (s / 2 + 0.5f);
    p.AA_s = p.AAA_s;
    DrawFormula(p);
    p.ITI = 0;
    p.AAA_s = Text();
    p.NAGASA = 0;
}

}  // namespace lesson
