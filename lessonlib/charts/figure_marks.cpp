#include "lessonlib/charts/figure_marks.h"

#include <cmath>

#include "lessonlib/charts/number_label.h"
#include "lessonlib/charts/ray_angles.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

namespace {

float Distance(float dx, float dy) {
    return static_cast<float>(std::hypot(static_cast<double>(dx), static_cast<double>(dy)));
}

// The point of the dotted arc at t degrees: the point of the half-ellipse over
// a copy of the segment laid from its first end A (ZX11, ZY11) to the right,
// centred at (ZX3, ZY3), turned about A by the segment's direction H.
Point ArcPoint(Program& p, float t) {
    p.ZX = p.ZX3 + p.RR * Cosine(t * p.PI / 180);
    p.ZY = p.ZY3 - p.TAKASA * Sine(t * p.PI / 180);
    p.ZX0 = p.ZX11;
    p.ZY0 = p.ZY11;
    p.ZX1 = p.ZX;
    p.ZY1 = p.ZY;
    RayDirection(p);
    p.R = Distance(p.ZX - p.ZX11, p.ZY - p.ZY11);
    return PointInDirection(p.ZX11, p.ZY11, p.R, p.H + p.HHP);
}

}  // namespace

void DrawDottedArc(Program& p) {
    if (p.TAKASA > 0 && p.TAKASA < 16) {
        p.TAKASA = 16 * p.TAKASA;
    } else if (p.TAKASA < 0) {
        p.TAKASA = -p.TAKASA;
    }
    p.ZX11 = p.ZX0;
    p.ZY11 = p.ZY0;
    p.ZX12 = p.ZX1;
    p.ZY12 = p.ZY1;
    p.RR = Distance(p.ZX12 - p.ZX11, p.ZY12 - p.ZY11) / 2;
    p.ZX3 = p.ZX0 + p.RR;
    p.ZY3 = p.ZY0;
    RayDirection(p);
    p.H = p.HHP;
    if (p.HOUKOU > 0) {
        p.D1 = 180;
        p.D2 = p.NAKA > 0 ? 180 + p.NAKA : 360;
    } else {
        p.D1 = 0;
        p.D2 = p.HOUKOU < 0 && p.NAKA > 0 ? p.NAKA : 180;
    }
    // A step that is not positive would never reach the end of the span.
    if (p.HABA > 0) {
        CountedLoop(
            p.II, p.D1, p.D2,
            [&] {
                const Point dot = ArcPoint(p, p.II);
                p.rt.Circle({.cx = dot.x, .cy = dot.y, .radius = 0.5f, .colour = p.CCC2});
            },
            p.HABA);
    }
    const Point middle = ArcPoint(p, (p.D1 + p.D2) / 2);
    p.ZX0 = middle.x;
    p.ZY0 = middle.y;
    p.ZX1 = p.ZX11;
    p.ZY1 = p.ZY11;
    p.ZX2 = p.ZX12;
    p.ZY2 = p.ZY12;
    p.NAGASA = 0;
    p.ITI = p.HOUKOU;
    AngleLabel(p);
    p.AAA_s = Text();
    p.NAKA = 0;
}

void DrawEqualTicks(Program& p) {
    if (p.AIDA == 0 || p.AIDA > 30) p.AIDA = 8;
    const float spacing = p.AIDA;
    p.D = Distance(p.BX - p.AX, p.BY - p.AY);
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

void DrawAngleArc(Program& p) {
    p.NAGASA1 = p.NAGASA;
    RayAngles(p);
    if (p.HONSU > 6) p.HONSU = 1;
    // HH2 and HH1 are the rays' directions as clockwise turn fractions, so the
    // arc from HH2 to HH1 covers the angle counter-clockwise from HH3 to HH4.
    if (p.HONSU > 0) {
        float k = 0;
        CountedLoop(k, 1, p.HONSU, [&] {
            p.rt.Circle({.cx = p.ZX0, .cy = p.ZY0, .radius = p.NAGASA1 - 8 * k, .colour = p.CCC3,
                         .start = p.HH2, .end = p.HH1});
        });
    } else {
        p.rt.Circle({.cx = p.ZX0, .cy = p.ZY0, .radius = p.NAGASA1, .colour = p.CCC2,
                     .start = p.HH2, .end = p.HH1, .sector = true, .filled = true, .fill = p.CCC3});
    }
    AngleLabel(p);
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
