// A die that is not a cube: a prism on a skewed quadrilateral, seen from
// above, built from lengths and angles in a frame of grid squares.
#include <cmath>
#include <vector>

#include "Diceway/ch2_counting/counting_chapter.h"
#include "lessonlib/charts/figure_marks.h"
#include "lessonlib/charts/grid_paper.h"
#include "lessonlib/shell/loops.h"

namespace diceway {

namespace {

// Point k = point `base` moved r along the angle a (degrees, counter-
// clockwise, y up on the screen).
void PointFrom(Program& p, float k, float base, float r, float a) {
    p.A = a * p.PI / 180;
    p.X_a(k) = p.X_a(base) + r * std::cos(p.A);
    p.Y_a(k) = p.Y_a(base) - r * std::sin(p.A);
}

// A face through four corners, outlined in 0 and filled.
void DrawFace(Program& p, std::initializer_list<int> corners, float fill) {
    std::vector<lesson::Point> points;
    for (int k : corners) points.push_back({p.X_a(k), p.Y_a(k)});
    points.push_back(points.front());
    p.rt.Polygon(points, 0, fill);
}

// A hidden edge: a straight dotted line from the back corner, point 4.
void DrawHiddenEdge(Program& p, float to, float step) {
    p.ZX0 = p.X_a(4);
    p.ZY0 = p.Y_a(4);
    p.ZX1 = p.X_a(to);
    p.ZY1 = p.Y_a(to);
    p.CCC2 = 0;
    p.HOUKOU = 1;
    p.TAKASA = 0;
    p.AAA_s = lesson::Text();
    p.HABA = step;
    lesson::DrawDottedArc(p);
}

// Point m divides the segment a -> b in the ratio c1 : c2.
void DividePoint(Program& p, float m, float a, float b, float c1, float c2) {
    p.C1 = c1;
    p.C2 = c2;
    p.X_a(m) = (p.C2 * p.X_a(a) + p.C1 * p.X_a(b)) / (p.C1 + p.C2);
    p.Y_a(m) = (p.C2 * p.Y_a(a) + p.C1 * p.Y_a(b)) / (p.C1 + p.C2);
}

void DrawPip(Program& p, float m, float radius, float aspect, float colour) {
    p.rt.Circle({.cx = p.X_a(m), .cy = p.Y_a(m), .radius = radius, .colour = colour, .aspect = aspect});
}

}  // namespace

void DrawIrregularDie(Program& p) {
    // The frame of 10 x 8 squares gives the origin and PI; nothing is drawn.
    p.GGX = p.U_a(1);
    p.GGY = p.V_a(1);
    p.YOKO = 10;
    p.TATE = 8;
    p.SIZE = 20;
    p.CCC2 = 15;
    lesson::DrawGridPaper(p);

    // The bottom layer from point 1, the top layer 60 higher from point 5.
    p.X_a(1) = p.GX0;
    p.Y_a(1) = p.GY0 - p.SIZE * 2;
    p.X_a(5) = p.GX0;
    p.Y_a(5) = p.GY0 - p.SIZE * 5;
    p.R1 = p.SIZE * 10;
    p.R2 = p.R1 * 5.5f / 10;
    PointFrom(p, 3, 1, p.R1, 5);
    PointFrom(p, 7, 5, p.R1, 5);
    PointFrom(p, 2, 1, p.R2, -10);
    PointFrom(p, 6, 5, p.R2, -10);
    // The back corner lies as far from point 1 as point 3 from point 2.
    p.R2 = std::hypot(p.X_a(3) - p.X_a(2), p.Y_a(3) - p.Y_a(2));
    PointFrom(p, 4, 1, p.R2, 23);
    PointFrom(p, 8, 5, p.R2, 23);

    DrawFace(p, {1, 2, 6, 5}, 13);
    DrawFace(p, {2, 3, 7, 6}, 11);
    DrawFace(p, {5, 6, 7, 8}, 15);

    DrawHiddenEdge(p, 8, 5);
    DrawHiddenEdge(p, 3, 5);
    DrawHiddenEdge(p, 1, 8);

    // Three pips on the top face's diagonal, two on the left face's, one in
    // the middle of the right face.
    DividePoint(p, 11, 5, 7, 1, 3);
    DividePoint(p, 12, 5, 7, 1, 1);
    DividePoint(p, 13, 5, 7, 3, 1);
    DividePoint(p, 14, 5, 2, 1, 2);
    DividePoint(p, 15, 5, 2, 2, 1);
    DividePoint(p, 16, 6, 3, 1, 1);
    for (float m : {11.0f, 12.0f, 13.0f}) DrawPip(p, m, 11, 0.8f, 0);
    for (float m : {14.0f, 15.0f}) DrawPip(p, m, 10, 1.1f, 0);
    DrawPip(p, 16, 12, 1.2f, 5);
}

}  // namespace diceway
