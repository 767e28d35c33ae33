#include "lessonlib/charts/figure_marks.h"

#include <cmath>

#include "lessonlib/charts/number_label.h"
#include "lessonlib/charts/ray_angles.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

void DrawEqualTicks(Program& p) {
    if (p.AIDA == 0 || p.AIDA > 30) p.AIDA = 8;
    const float spacing = p.AIDA;
    p.D = static_cast<float>(std::hypot(static_cast<double>(p.BX - p.AX), static_cast<double>(p.BY - p.AY)));
    p.DX = Divide(p.BX - p.AX, p.D);
    p.DY = Divide(p.BY - p.AY, p.D);
    p.EX = (p.AX + p.BX) / 2 + p.ITI * p.DX;
    p.EY = (p.AY + p.BY) / 2 + p.ITI * p.DY;
    if (p.HONSU < 0 || p.HONSU > 6) p.HONSU = 1;
    // AIDA is the distance of the next tick from E.
    CountedLoop(p.II, 1, p.HONSU, [&] {
        p.CX = p.EX + p.AIDA * p.DX;
        p.CY = p.EY + p.AIDA * p.DY;
        p.AX1 = p.CX + p.NAGASA * p.DY;
        p.AY1 = p.CY - p.NAGASA * p.DX;
        p.AX2 = p.CX - p.NAGASA * p.DY;
        p.AY2 = p.CY + p.NAGASA * p.DX;
        p.rt.Line(p.AX1, p.AY1, p.AX2, p.AY2, p.CCC2);
        p.AIDA = p.AIDA + spacing;
    });
}

void AngleDegrees(Program& p) {
    RayAngles(p);
    if (p.HH4 < p.HH3) p.HH4 = p.HH4 + 2 * p.PI;
    p.HH5 = p.HH4 - p.HH3;
    p.HH = p.HH5 * 180 / p.PI;
    p.KAKUDO_s = NumberLabel(p, static_cast<float>(WholeNumber(10 * p.HH)) / 10);
}

void DrawRightAngleMark(Program& p) {
    RayAngles(p);
    const Point z3 = PointInDirection(p.ZX0, p.ZY0, p.NAGASA, p.HH3);
    const Point z4 = PointInDirection(p.ZX0, p.ZY0, p.NAGASA, p.HH4);
    const Point z5 = PointInDirection(z3.x, z3.y, p.NAGASA, p.HH4);
    p.ZX3 = z3.x;
    p.ZY3 = z3.y;
    p.ZX4 = z4.x;
    p.ZY4 = z4.y;
    p.ZX5 = z5.x;
    p.ZY5 = z5.y;
    const Point corner[] = {z3, z5, z4};
    p.rt.Polyline(corner, p.CCC2);
}

}  // namespace lesson
