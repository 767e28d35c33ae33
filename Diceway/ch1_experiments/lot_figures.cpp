#include "Diceway/ch1_experiments/lot_figures.h"

#include <array>

#include "lessonlib/charts/grid_paper.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

namespace {

// The lot outline through the corners A, B, C, D of `xs`, `ys`, outlined in
// 0 at the line width in force.
void LotOutline(Program& p, lesson::Array1<float>& xs, lesson::Array1<float>& ys, float fill) {
    const std::array<lesson::Point, 4> corners = {{
        {xs(p.A), ys(p.A)}, {xs(p.B), ys(p.B)}, {xs(p.C), ys(p.C)}, {xs(p.D), ys(p.D)},
    }};
    p.rt.Polygon(corners, 0, fill);
}

// A face-up lot's outline, filled with 13; A..D are left at 1..4.
void FaceUpOutline(Program& p) {
    p.A = 1;
    p.B = 2;
    p.C = 3;
    p.D = 4;
    LotOutline(p, p.X_a, p.Y_a, 13);
}

// The face-up lot's word, 10 right of its left edge and 50 above its
// bottom; the text cursor stays where the screen left it.
void LotWord(Program& p, float colour, const lesson::Text& word) {
    p.A = 2;
    lesson::Put(p, colour, p.X_a(2) + 10, p.Y_a(2) - 50, word);
}

}  // namespace

void LayoutLotFigure(Program& p) {
    p.GGX = 680;
    p.GGY = p.YI1 + 110;
    p.YOKO = 11;
    p.TATE = 4;
    p.CCC2 = 15;
    p.SIZE = 40;
    lesson::DrawGridPaper(p);  // colour 15: only the frame's corners

    // Lot 1's points in squares from its bottom-left corner, y upwards.
    p.X_a(1) = 0;
    p.X_a(2) = p.X_a(1);
    p.X_a(3) = p.X_a(1) + 3;
    p.X_a(4) = p.X_a(3);
    p.X_a(5) = p.X_a(1) + 0.5f;
    p.X_a(6) = p.X_a(4) - 0.5f;
    p.X_a(7) = (p.X_a(1) + p.X_a(4)) / 2;
    p.Y_a(1) = 4;
    p.Y_a(2) = 0;
    p.Y_a(3) = p.Y_a(2);
    p.Y_a(4) = p.Y_a(1);
    p.Y_a(5) = p.Y_a(1) - 0.5f;
    p.Y_a(6) = p.Y_a(5);
    p.Y_a(7) = p.Y_a(1) - 1.5f;

    lesson::CountedLoop(p.II, 1, 7, [&] {
        p.X_a(p.II) = p.GX0 + p.SIZE * p.X_a(p.II);
        p.Y_a(p.II) = p.GY0 - p.SIZE * p.Y_a(p.II);
    });
    // Lots 2 and 3 stand 4 and 8 squares to the right.
    lesson::CountedLoop(p.II, 1, 7, [&] {
        p.U_a(p.II) = p.X_a(p.II);
        p.V_a(p.II) = p.Y_a(p.II);
        p.U_a(10 + p.II) = p.X_a(p.II) + 4 * p.SIZE;
        p.V_a(10 + p.II) = p.Y_a(p.II);
        p.U_a(20 + p.II) = p.X_a(p.II) + 8 * p.SIZE;
        p.V_a(20 + p.II) = p.Y_a(p.II);
    });
}

void DrawThreeLots(Program& p) {
    for (const float first : {1.0f, 11.0f, 21.0f}) {
        p.A = first;
        p.B = first + 1;
        p.C = first + 2;
        p.D = first + 3;
        LotOutline(p, p.U_a, p.V_a, 11);
    }
}

void DrawWinningLot(Program& p) {
    FaceUpOutline(p);
    p.rt.SetLineWidth(10);
    p.rt.Circle({.cx = p.X_a(7), .cy = p.Y_a(7), .radius = p.SIZE, .colour = 5});
    p.rt.SetLineWidth(5);
    LotWord(p, 5, "あたり");
}

void DrawLosingLot(Program& p) {
    FaceUpOutline(p);
    p.rt.SetLineWidth(10);
    p.M = 5;
    p.rt.Line(p.X_a(p.M), p.Y_a(p.M), p.X_a(p.M) + 2 * p.SIZE, p.Y_a(p.M) + 1.5f * p.SIZE, 0);
    p.M = 6;
    p.rt.Line(p.X_a(p.M), p.Y_a(p.M), p.X_a(p.M) - 2 * p.SIZE, p.Y_a(p.M) + 1.5f * p.SIZE, 0);
    p.rt.SetLineWidth(5);
    LotWord(p, 0, "はずれ");
}

}  // namespace diceway
