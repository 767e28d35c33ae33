#include "Diceway/figures/basic_problem_trees.h"

#include "Diceway/figures/node_cell.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"

namespace diceway {

namespace {

// A branch from a parent's right edge, 30 left of the child column, to the
// child's left edge, both 25 below the cells' tops.
void Branch(Program& p, float parentTop, float childTop) {
    p.rt.Line(p.X_a(2) - 30, parentTop + 25, p.X_a(2), childTop + 25, 0);
}

}  // namespace

void DrawTwoDigitTree(Program& p) {
    p.rt.SetLineWidth(5);
    p.HABA = 40;
    p.TATE = 46;
    p.X_a(2) = p.X_a(1) + p.HABA + 30;
    lesson::CountedLoop(p.JJ, 1, 8, [&] { p.Y_a(p.JJ) = p.Y_a(p.JJ - 1) + 50; });
    lesson::CountedLoop(p.JJ, 1, 2, [&] { p.Y_a(10 + p.JJ) = p.Y_a(4 * p.JJ - 3) + 75 - 25; });

    DrawNodeCell(p, p.X_a(1), p.Y_a(0), "十", 0, 3, 15);
    DrawNodeCell(p, p.X_a(1), p.Y_a(11), p.X_sa(9), 0, 15, 15);
    DrawNodeCell(p, p.X_a(1), p.Y_a(12), p.X_sa(10), 0, 15, 15);
    DrawNodeCell(p, p.X_a(2), p.Y_a(0), "一", 0, 3, 15);

    const bool highlight = p.X_sa(11) == lesson::Text(">");
    lesson::CountedLoop(p.JJ, 1, 8, [&] {
        if (p.JJ == 4 || p.JJ == 8) return;
        p.LY = p.JJ < 5 ? 1 : 2;
        DrawNodeCell(p, p.X_a(2), p.Y_a(p.JJ), p.X_sa(p.JJ), highlight && p.JJ > 1 ? 5 : 0, 15, 15);
        Branch(p, p.Y_a(10 + p.LY), p.Y_a(p.JJ));
    });
}

void DrawThreeCombinationTree(Program& p) {
    p.rt.SetLineWidth(5);
    p.HABA = 76;
    p.TATE = 50;
    p.X_a(2) = p.X_a(1) + p.HABA + 30;
    lesson::CountedLoop(p.JJ, 2, 4, [&] { p.Y_a(p.JJ) = p.Y_a(p.JJ - 1) + 60; });
    p.Y_a(5) = (p.Y_a(2) + p.Y_a(3) + p.TATE) / 2 - 25;

    p.HABA = 152;
    DrawNodeCell(p, p.X_a(1), p.Y_a(1), "樹形図", 5, 3, 15);
    lesson::WaitAnyKey(p);

    p.HABA = 76;
    DrawNodeCell(p, p.X_a(1), p.Y_a(5), "A", 0, 1, 15);
    p.X_sa(1) = "B";
    p.X_sa(2) = "C";
    lesson::CountedLoop(p.JJ, 1, 2, [&] {
        DrawNodeCell(p, p.X_a(2), p.Y_a(1 + p.JJ), p.X_sa(p.JJ), 0, 1, 15);
        Branch(p, p.Y_a(5), p.Y_a(1 + p.JJ));
    });

    p.Y_a(6) = p.Y_a(4);
    DrawNodeCell(p, p.X_a(1), p.Y_a(6), "B", 0, 1, 15);
    p.X_sa(1) = "C";
    DrawNodeCell(p, p.X_a(2), p.Y_a(4), "C", 0, 1, 15);
    Branch(p, p.Y_a(4), p.Y_a(4));
}

}  // namespace diceway
