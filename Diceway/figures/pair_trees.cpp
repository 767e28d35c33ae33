#include "Diceway/figures/pair_trees.h"

#include "Diceway/figures/node_cell.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"

namespace diceway {

namespace {

// A branch from a parent's right edge to a child's left edge, both at 25
// below the cells' tops.
void Branch(Program& p, float x1, float parentTop, float x2, float childTop) {
    p.rt.Line(x1, parentTop + 25, x2, childTop + 25, 0);
}

// The ordered-pair tree's wait between steps, unless it draws at once.
void StepWait(Program& p) {
    if (p.NASI != 1) lesson::WaitAnyKey(p);
}

// The index into F$() of child k (1..6) of the left half: roots A and B take
// three children each, the other letters in turn after the root.
float LeftLabel(float k) { return k < 4 ? k + 1 : k < 6 ? k - 1 : 1; }

// The same for the right half, whose roots are C and D.
float RightLabel(float k) { return k == 1 ? 4 : k < 4 ? k - 1 : k - 3; }

}  // namespace

void DrawOrderedPairTree(Program& p) {
    p.rt.SetLineWidth(5);
    p.HABA = 114;
    p.TATE = 50;
    p.X_a(32) = p.X_a(31) + p.HABA + 30;
    p.X_a(34) = p.X_a(31) + p.HABA;
    const float half = 2 * (p.HABA + 30);
    p.X_a(21) = p.X_a(31) + half;
    p.X_a(22) = p.X_a(32) + half;
    p.X_a(24) = p.X_a(34) + half;
    p.Y_a(41) = p.Y_a(31) + 60;
    lesson::CountedLoop(p.KK, 42, 46, [&] { p.Y_a(p.KK) = p.Y_a(p.KK - 1) + 60; });
    p.Y_a(32) = (p.Y_a(41) + p.Y_a(43) + p.TATE) / 2 - 25;
    p.Y_a(33) = (p.Y_a(44) + p.Y_a(46) + p.TATE) / 2 - 25;
    p.F_sa(1) = "A";
    p.F_sa(2) = "B";
    p.F_sa(3) = "C";
    p.F_sa(4) = "D";

    lesson::CountedLoop(p.II, 1, 2, [&] {
        DrawNodeCell(p, p.X_a(30 + p.II), p.Y_a(31), p.X_sa(p.II), 0, 1, 13);
        DrawNodeCell(p, p.X_a(20 + p.II), p.Y_a(31), p.X_sa(p.II), 0, 1, 13);
    });
    StepWait(p);

    lesson::CountedLoop(p.JJ, 1, 2, [&] {
        DrawNodeCell(p, p.X_a(31), p.Y_a(31 + p.JJ), p.F_sa(p.JJ), 0, 1, 15);
        DrawNodeCell(p, p.X_a(21), p.Y_a(31 + p.JJ), p.F_sa(p.JJ + 2), 0, 1, 15);
    });
    StepWait(p);

    // Children from top to bottom, each with its branch after its cell so
    // that the cell's box does not cover the branch's end.
    const auto children = [&](float childColumn, float rootEdge, float (*label)(float)) {
        lesson::CountedLoop(p.KK, 1, 6, [&] {
            p.KL = label(p.KK);
            const float parentTop = p.Y_a(32 + lesson::RoundDown((p.KK - 1) / 3));
            DrawNodeCell(p, childColumn, p.Y_a(40 + p.KK), p.F_sa(p.KL), 0, 1, 15);
            Branch(p, rootEdge, parentTop, childColumn, p.Y_a(40 + p.KK));
            StepWait(p);
        });
    };
    children(p.X_a(32), p.X_a(34), LeftLabel);
    children(p.X_a(22), p.X_a(24), RightLabel);
    p.NASI = 0;
}

void DrawPairCombinationTree(Program& p) {
    p.HABA = 76;
    p.TATE = 50;
    p.X_a(2) = p.X_a(1) + p.HABA + 30;
    lesson::CountedLoop(p.KK, 2, 4, [&] { p.Y_a(p.KK) = p.Y_a(p.KK - 1) + 60; });
    p.Y_a(5) = (p.Y_a(2) + p.Y_a(4) + p.TATE) / 2 - 25;

    p.HABA = 152;
    DrawNodeCell(p, p.X_a(1), p.Y_a(1), "樹形図", 5, 3, 15);
    lesson::WaitAnyKey(p);

    // Each root, then its children one by one; a further wait closes a group.
    const float rootEdge = p.X_a(2) - 30;
    p.HABA = 76;
    DrawNodeCell(p, p.X_a(1), p.Y_a(5), "A", 0, 1, 15);
    p.X_sa(1) = "B";
    p.X_sa(2) = "C";
    p.X_sa(3) = "D";
    lesson::WaitAnyKey(p);
    lesson::CountedLoop(p.JJ, 1, 3, [&] {
        DrawNodeCell(p, p.X_a(2), p.Y_a(1 + p.JJ), p.X_sa(p.JJ), 0, 1, 15);
        Branch(p, rootEdge, p.Y_a(5), p.X_a(2), p.Y_a(1 + p.JJ));
        lesson::WaitAnyKey(p);
    });
    lesson::WaitAnyKey(p);

    p.Y_a(6) = p.Y_a(4) + 60;
    p.Y_a(7) = p.Y_a(6) + 60;
    p.Y_a(10) = (p.Y_a(6) + p.Y_a(7) + p.TATE) / 2 - 25;
    DrawNodeCell(p, p.X_a(1), p.Y_a(10), "B", 0, 1, 15);
    p.X_sa(1) = "C";
    p.X_sa(2) = "D";
    lesson::WaitAnyKey(p);
    lesson::CountedLoop(p.JJ, 1, 2, [&] {
        DrawNodeCell(p, p.X_a(2), p.Y_a(5 + p.JJ), p.X_sa(p.JJ), 0, 1, 15);
        Branch(p, rootEdge, p.Y_a(10), p.X_a(2), p.Y_a(5 + p.JJ));
        lesson::WaitAnyKey(p);
    });
    lesson::WaitAnyKey(p);

    p.Y_a(11) = p.Y_a(7) + 60;
    DrawNodeCell(p, p.X_a(1), p.Y_a(11), "C", 0, 1, 15);
    lesson::WaitAnyKey(p);
    DrawNodeCell(p, p.X_a(2), p.Y_a(11), "D", 0, 1, 15);
    Branch(p, rootEdge, p.Y_a(11), p.X_a(2), p.Y_a(11));
}

}  // namespace diceway
