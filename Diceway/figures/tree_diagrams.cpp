#include "Diceway/figures/tree_diagrams.h"

#include <cmath>

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/formula.h"
#include "lessonlib/text/formula_cells.h"

namespace diceway {

using lesson::CountedLoop;
using lesson::WaitAnyKey;

namespace {

// The smallest whole number not below a / b.
float Ceiling(float a, float b) { return std::ceil(lesson::Divide(a, b)); }

// a mod n with a remainder of 0 read as n: the labels 1..n in rotation.
float Rotate(float a, float n) {
    const float m = lesson::Remainder(a, n);
    return m == 0 ? n : m;
}

// HABA = the width of `label` + 40: every cell of a tree or its heading row
// is as wide as its first label.
void MeasureCellWidth(Program& p, const lesson::Text& label) {
    p.A_s = label;
    lesson::MeasureFormulaWidth(p);
    p.HABA = p.LLT + 40;
}

// One node: only its label shows, the cell being background on background.
void DrawNode(Program& p, float x, float y, const lesson::Text& label, float colour) {
    p.X = x;
    p.Y = y;
    p.A_s = label;
    p.CCC1 = colour;
    p.CCC2 = 15;
    p.CCC3 = 15;
    lesson::DrawFormulaCell(p);
}

void DrawBranch(Program& p, float x1, float y1, float x2, float y2) { p.rt.Line(x1, y1, x2, y2, 0); }

}  // namespace

void LayoutTreeColumns(Program& p) {
    MeasureCellWidth(p, p.X_sa(1));
    p.TATE = 50;
    p.X_a(1) = p.X_a(0);
    // Runs once also for a single column: the fans of one column draw their
    // children at X(2).
    CountedLoop(p.II, 2, p.KOSUU, [&] { p.X_a(p.II) = p.X_a(p.II - 1) + p.HABA; });
}

void DrawTreeColumnHeaders(Program& p) {
    LayoutTreeColumns(p);
    CountedLoop(p.II, 1, p.KOSUU, [&] { DrawNode(p, p.X_a(p.II), p.Y_a(0), p.X_sa(p.II), 3); });
}

void PickUnusedLabel(Program& p) {
    CountedLoop(p.JJ, 1, p.KOSUU, [&] {
        if (p.JJ != p.A && p.JJ != p.F) p.M = p.JJ;
    });
}

void DrawTreeDiagram(Program& p) {
    // EDA2 = 0 asks for two levels; the row arithmetic below then counts one
    // leaf under every second-level node.
    p.EDA = p.EDA2;
    if (p.EDA2 == 0) p.EDA2 = 1;
    MeasureCellWidth(p, p.Y_sa(1));
    p.TATE = 50;
    CountedLoop(p.II, 1, p.KOSUU, [&] { p.U_a(p.II) = p.X_a(p.II) + p.HABA; });

    // Rows from the leaves up, each parent centred on its children.
    const float nodes2 = p.KOSUU * p.EDA1;
    CountedLoop(p.II, 1, nodes2 * p.EDA2, [&] { p.V_a(p.II) = p.Y_a(0) + 50 * p.II; });
    CountedLoop(p.II, 1, nodes2,
                [&] { p.Y_a(10 + p.II) = p.V_a((p.II - 1) * p.EDA2 + 1) + (p.EDA2 - 1) * 25; });
    CountedLoop(p.II, 1, p.KOSUU,
                [&] { p.Y_a(p.II) = p.Y_a(10 + (p.II - 1) * p.EDA1 + 1) + (p.EDA1 - 1) * 25; });

    WaitAnyKey(p);
    CountedLoop(p.II, 1, p.KOSUU, [&] {
        DrawNode(p, p.X_a(1), p.Y_a(p.II), p.Y_sa(p.II), 0);
        WaitAnyKey(p);
    });

    CountedLoop(p.II, 1, nodes2, [&] {
        p.A = Ceiling(p.II, p.EDA1);
        p.B = p.II - (p.A - 1) * p.EDA1;
        p.M = p.HERU == 0 ? p.B : Rotate(p.A + p.B, p.HERU);
        DrawNode(p, p.X_a(2), p.Y_a(10 + p.II), p.Y_sa(p.M), 0);
        DrawBranch(p, p.U_a(1), p.Y_a(p.A) + 25, p.X_a(2), p.Y_a(10 + p.II) + 25);
        WaitAnyKey(p);
    });

    if (p.EDA != 0) {
        CountedLoop(p.II, 1, nodes2 * p.EDA2, [&] {
            p.C = Rotate(p.II, p.EDA2);
            p.A = Ceiling(p.II, p.EDA1 * p.EDA2);
            p.B = Ceiling(p.II, p.EDA2) - (p.A - 1) * p.EDA1;
            if (p.HERU == 0) {
                // Without a rotation a leaf, like a second-level node, is
                // labelled by its position under its parent.
                p.F = p.B;
                p.M = p.C;
            } else {
                // The orders of HERU items: the rotation gives the last item
                // of a path; where it repeats an ancestor, the item left over
                // replaces it.
                p.F = Rotate(p.A + p.B, p.HERU);
                p.M = Rotate(p.A + p.B + p.C, p.HERU);
                if (p.M == p.A || p.M == p.F) PickUnusedLabel(p);
            }
            DrawNode(p, p.X_a(3), p.V_a(p.II), p.Y_sa(p.M), 0);
            // The cell overwrote N: the parent is found after it.
            p.N = Ceiling(p.II, p.EDA2);
            DrawBranch(p, p.U_a(2), p.Y_a(10 + p.N) + 25, p.X_a(3), p.V_a(p.II) + 25);
            WaitAnyKey(p);
        });
    }
    p.HERU = 0;
}

void DrawTreeFan(Program& p) {
    MeasureCellWidth(p, p.Y_sa(1));
    p.TATE = 47;
    p.U_a(1) = p.X_a(1) + p.HABA;
    p.U_a(2) = p.X_a(2) + p.HABA;
    CountedLoop(p.II, 1, p.EDA1, [&] { p.Y_a(10 + p.II) = p.Y_a(0) + (p.II - 1) * 47; });
    p.Y_a(1) = p.Y_a(11) + (p.EDA1 - 1) * 23.5f;

    p.X_sa(1) = p.Y_sa(p.BANME);
    // The root's item leaves the list; the last item needs no shift.
    if (p.HERU == 1 && p.BANME != p.EDA1 + 1)
        CountedLoop(p.II, p.BANME, p.EDA1, [&] { p.Y_sa(p.II) = p.Y_sa(p.II + 1); });

    DrawNode(p, p.X_a(1), p.Y_a(1), p.X_sa(1), 0);
    if (p.NASI == 1) WaitAnyKey(p);
    CountedLoop(p.II, 1, p.EDA1, [&] {
        DrawNode(p, p.X_a(2), p.Y_a(10 + p.II), p.Y_sa(p.II), 0);
        DrawBranch(p, p.U_a(1), p.Y_a(1) + 23.5f, p.X_a(2), p.Y_a(10 + p.II) + 23.5f);
        if (p.NASI == 1) WaitAnyKey(p);
    });
    p.NASI = 0;
    p.HERU = 0;
}

}  // namespace diceway
