#include "lessonlib/mathextra/line_geometry.h"

#include <cmath>

#include "lessonlib/charts/ray_angles.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

namespace {

// Marks a line as vertical in slope form.
constexpr float kVerticalSlope = 1000;
// Both coordinates of the meeting point of parallel lines.
constexpr float kNoMeetingPoint = 10000;

float Hypot(float x, float y) { return std::sqrt(x * x + y * y); }

// rise / run, for results nothing draws: a run or rise past the singles'
// range is an overflow, not a slope of 0 or infinity.
float Slope(float rise, float run) {
    RequireFinite({rise, run});
    return Divide(rise, run);
}

// The line through (x0, y0) and (x1, y1) in slope form. A level line (two
// equal points too) has slope 0 and intercept y0; an upright one the slope
// marker, no intercept, and its x in `uprightX`. True when upright.
bool SlopeForm(float x0, float y0, float x1, float y1, float& slope, float& intercept, float& uprightX) {
    if (y1 == y0) {
        slope = 0;
        intercept = y0;
        return false;
    }
    if (x1 == x0) {
        slope = kVerticalSlope;
        uprightX = x0;
        return true;
    }
    slope = Slope(y1 - y0, x1 - x0);
    intercept = y0 - slope * x0;
    return false;
}

}  // namespace

void PerpendicularFootMark(Program& p) {
    if (p.BX == p.AX) {
        p.EX = p.AX;
        p.EY = p.CY;
    } else if (p.BY == p.AY) {
        p.EX = p.CX;
        p.EY = p.AY;
    } else {
        p.AA1 = Divide(p.BY - p.AY, p.BX - p.AX);
        p.BB1 = p.AY - p.AA1 * p.AX;
        p.AA2 = Divide(-1, p.AA1);
        p.BB2 = p.CY - p.AA2 * p.CX;
        p.EX = Divide(-(p.BB1 - p.BB2), p.AA1 - p.AA2);
        p.EY = Divide(p.AA1 * p.BB2 - p.AA2 * p.BB1, p.AA1 - p.AA2);
    }
    p.rt.Circle({.cx = p.EX, .cy = p.EY, .radius = 2, .colour = 15});
}

void LineIntersection(Program& p) {
    const bool firstVertical = SlopeForm(p.AX, p.AY, p.BX, p.BY, p.A1, p.B1, p.AX2);
    const bool secondVertical = SlopeForm(p.CX, p.CY, p.DX, p.DY, p.A2, p.B2, p.AX2);
    // Verticality is told by the x test, not by the slope marker: a line of
    // slope 1000 is not vertical.
    if ((firstVertical && secondVertical) ||
        (!firstVertical && !secondVertical && p.A1 == p.A2)) {
        p.AX2 = kNoMeetingPoint;
        p.AY2 = kNoMeetingPoint;
    } else if (firstVertical) {
        p.AY2 = p.A2 * p.AX2 + p.B2;
    } else if (secondVertical) {
        p.AY2 = p.A1 * p.AX2 + p.B1;
    } else {
        p.AX2 = Divide(-(p.B2 - p.B1), p.A2 - p.A1);
        p.AY2 = Divide(-p.A1 * (p.B2 - p.B1) + (p.A2 - p.A1) * p.B1, p.A2 - p.A1);
    }
    // Nothing draws these results, so a point beyond the singles' range
    // must not pass as one.
    RequireFinite({p.A1, p.A2, p.AX2, p.AY2});
    if (!firstVertical) RequireFinite({p.B1});
    if (!secondVertical) RequireFinite({p.B2});
}

void LineAxisIntersection(Program& p) {
    if (p.AX == p.BX) {
        p.X1 = p.AX;
        p.Y1 = p.CY;
        return;
    }
    if (p.AY == p.BY) {
        p.X1 = p.CX;
        p.Y1 = p.AY;
        return;
    }
    p.A = Slope(p.BY - p.AY, p.BX - p.AX);
    p.B = p.AY - p.A * p.AX;
    RequireFinite({p.A, p.B});
    if (p.CX < 0) {
        p.X1 = Divide(p.CY - p.B, p.A);
        p.Y1 = p.CY;
    }
    if (p.CY < 0) {
        p.Y1 = p.A * p.CX + p.B;
        p.X1 = p.CX;
    }
    if (p.CX < 0 || p.CY < 0) RequireFinite({p.X1, p.Y1});
}

void RotateSegment(Program& p) {
    p.ZX11 = p.ZX0;
    p.ZY11 = p.ZY0;
    p.ZX12 = p.ZX1;
    p.ZY12 = p.ZY1;
    p.CX = p.ZX1 - p.ZX0;
    p.CY = p.ZY1 - p.ZY0;
    p.RR = Hypot(p.CX, p.CY) / 2;
    p.ZX2 = p.ZX0 + p.RR;
    p.ZY2 = p.ZY0;
    RayDirection(p);
    p.H = p.HHP;
    p.HH = p.KAKUDO * p.PI / 180;
    // The point on the ellipse laid along +x from Z0 ...
    p.ZX3 = p.ZX2 + p.RR * Cosine(p.HH);
    p.ZY3 = p.ZY2 - Divide(p.TAKASA, p.RR) * p.RR * Sine(p.HH);
    // ... turned about Z0 by the segment's direction.
    p.ZX1 = p.ZX3;
    p.ZY1 = p.ZY3;
    RayDirection(p);
    p.R = Hypot(p.ZX3 - p.ZX0, p.ZY3 - p.ZY0);
    p.ZX = p.ZX0 + p.R * Cosine(p.H + p.HHP);
    p.ZY = p.ZY0 - p.R * Sine(p.H + p.HHP);
    RequireFinite({p.CX, p.CY, p.RR, p.ZX2, p.ZX3, p.ZY3, p.R, p.ZX, p.ZY});
}

}  // namespace lesson
