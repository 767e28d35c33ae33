#include "Diceway/figures/dice_table.h"

#include <string>

#include "Diceway/figures/node_cell.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/plain_text.h"

namespace diceway {

namespace {

void HeaderCell(Program& p, float x, float y, float fill, const lesson::Text& label) {
    DrawNodeCell(p, x, y, label, 0, 0, fill);
}

void CornerLabel(Program& p, float x, float y, const lesson::Text& label) {
    p.CCC1 = 0;
    p.X = x;
    p.Y = y;
    p.AA_s = label;
    lesson::DrawPlainText(p);
}

}  // namespace

void DrawDiceTable(Program& p) {
    p.rt.SetLineWidth(3);
    p.X_a(1) = p.X_a(0) + 70;
    p.Y_a(1) = p.Y_a(0) + 50;
    p.HABA = 84;
    p.TATE = 50;
    lesson::CountedLoop(p.II, 2, 6, [&] { p.X_a(p.II) = p.X_a(p.II - 1) + p.HABA; });
    lesson::CountedLoop(p.JJ, 2, 6, [&] { p.Y_a(p.JJ) = p.Y_a(p.JJ - 1) + p.TATE; });
    p.X_sa(0) = "";
    lesson::CountedLoop(p.II, 1, 6, [&] { p.X_sa(p.II) = lesson::Text(std::to_string(static_cast<int>(p.II))); });

    lesson::CountedLoop(p.II, 1, 6, [&] { HeaderCell(p, p.X_a(p.II), p.Y_a(0), 11, p.X_sa(p.II)); });
    // The header column is narrower; the corner cell at its top stays white.
    lesson::CountedLoop(p.JJ, 0, 6, [&] {
        p.HABA = 70;
        HeaderCell(p, p.X_a(0), p.Y_a(p.JJ), p.JJ == 0 ? 15 : 11, p.X_sa(p.JJ));
    });
    p.rt.Line(p.X_a(0), p.Y_a(0), p.X_a(0) + 70, p.Y_a(0) + 50, 0);
    CornerLabel(p, p.X_a(0), p.Y_a(0) + 20, "小");
    CornerLabel(p, p.X_a(0) + 35, p.Y_a(0), "大");

    p.HABA = 84;
    p.TATE = 50;
    lesson::CountedLoop(p.JJ, 1, 6, [&] {
        lesson::CountedLoop(p.II, 1, 6, [&] {
            p.A = lesson::Remainder(p.JJ, 2);
            p.B = lesson::Remainder(p.II, 2);
            p.CCC1 = p.A == p.B ? 3 : 0;
            p.CCC3 = 15;
            RedrawDiceCell(p);
        });
    });
}

void RedrawDiceCell(Program& p) {
    p.X = p.X_a(p.II);
    p.Y = p.Y_a(p.JJ);
    p.CCC2 = 0;
    p.A_s = p.X_sa(p.JJ) + "'" + p.X_sa(p.II);
    lesson::DrawFormulaCell(p);
}

}  // namespace diceway
