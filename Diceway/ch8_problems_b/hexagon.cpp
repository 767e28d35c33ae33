// Problem 3: the regular hexagon ABCDEF; cards B to F name two vertices
// that make a triangle with A.
#include <cmath>

#include "Diceway/ch8_problems_b/problems_b.h"
#include "lessonlib/charts/grid_paper.h"
#include "lessonlib/charts/polygons.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::Say;
using lesson::WaitAnyKey;

namespace {

// The segment from vertex M to vertex N in colour 3 at the current width.
void VertexSegment(Program& p, float from, float to) {
    p.M = from;
    p.N = to;
    p.rt.Line(p.X_a(p.M), p.Y_a(p.M), p.X_a(p.N), p.Y_a(p.N), 3);
}

}  // namespace

void DrawHexagonTriangle(Program& p) {
    p.rt.SetLineWidth(5);
    // An invisible 10 x 10 grid of 40-unit squares gives the frame and PI.
    p.GGX = 800;
    p.GGY = 200;
    p.YOKO = 10;
    p.TATE = 10;
    p.SIZE = 40;
    p.CCC2 = 15;
    lesson::DrawGridPaper(p);
    p.X_a(0) = p.GX0 + p.SIZE * 5;
    p.Y_a(0) = p.GY0 - p.SIZE * 5;

    p.rt.SetLineWidth(5);
    p.R1 = p.SIZE * 5;
    // Vertex i at (60i + 60) degrees: A at 120, counter-clockwise on the screen.
    lesson::CountedLoop(p.II, 1, 6, [&] { p.R_a(p.II) = (60 * p.II + 60) * p.PI / 180; });
    lesson::CountedLoop(p.II, 1, 6, [&] {
        p.X_a(p.II) = p.X_a(0) + p.R1 * std::cos(p.R_a(p.II));
        p.Y_a(p.II) = p.Y_a(0) - p.R1 * std::sin(p.R_a(p.II));
    });
    lesson::CountedLoop(p.II, 1, 6, [&] {
        p.G_a(p.II, 1) = p.X_a(p.II);
        p.G_a(p.II, 2) = p.Y_a(p.II);
    });

    p.SIZE1 = 5;
    p.CCC1 = 0;
    p.CCC2 = 0;
    p.KAKU = 6;
    p.NAGASA = 10;
    p.AAA_s = "A";
    lesson::DrawPolygon(p);

    VertexSegment(p, 1, 3);
    VertexSegment(p, 1, 5);
    VertexSegment(p, 3, 5);
}

void ProblemsB3abScreen(Program& p) {
    BeginProblemsBScreen(p, "3");
    Say(p, 7, p.XI1, p.YI1 + 60, "(1) ");
    WaitAnyKey(p);
    DrawHexagonTriangle(p);
    Say(p, 5, p.XI2, p.YI1, "正三角形");

    Say(p, 7, p.XI1, p.YI1 + 50, "(2)");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "カードの取り出し方は、");
    Say(p, 3, p.XI1, p.YI1 + 50, "(B,C),(B,D),(B,E),(B,F)");
    Say(p, 3, p.XI1, p.YI1 + 50, "(C,D),(C,E),(C,F)");
    Say(p, 3, p.XI1, p.YI1 + 50, "(D,E),(D,F)");
    Say(p, 3, p.XI1, p.YI1 + 50, "(E,F)");
    Say(p, 0, p.XI1, p.YI1 + 50, "の");
    Say(p, 5, p.XI2, p.YI1, "10通り");
    Say(p, 0, p.XI2, p.YI1, "ある。");
}

void ProblemsB3cScreen(Program& p) {
    BeginProblemsBScreen(p, "3");
    Say(p, 0, p.XI2 + 10, p.YI1, "(3)");
    // The chord BF closes the triangle ABF with the sides AB and AF.
    DrawHexagonTriangle(p);
    VertexSegment(p, 2, 6);

    Say(p, 0, p.XI1, p.YI1 + 50, "カードの取り出し方は、");
    Say(p, 5, p.XI2, p.YI1, "10通り");
    Say(p, 0, p.XI2, p.YI1, "ある。");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "できる二等辺三角形は、");
    Say(p, 0, p.XI1, p.YI1 + 50, "点Aが頂点のとき、");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "△ABF,△ACE");
    Say(p, 0, p.XI1, p.YI1 + 50, "点Aが底辺にあるとき、");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "△BCA,△FAE");
    Say(p, 0, p.XI1, p.YI1 + 50, "の");
    Say(p, 5, p.XI2, p.YI1, "4通り");
    Say(p, 0, p.XI2, p.YI1, "ある。");
    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "10通り");
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI2, p.YI1, "どの");
    Say(p, 0, p.XI1, p.YI1 + 50, "場合が起こることも同様に確からしい。");
    Say(p, 0, p.XI1, p.YI1 + 50, "このうち、二等辺三角形となるの場合は");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "4通り");
    Say(p, 0, p.XI1, p.YI1 + 70, "だから、求める確率は ﾀ4/10ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ2/5ﾀ");
}

}  // namespace diceway
