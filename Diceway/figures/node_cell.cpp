#include "Diceway/figures/node_cell.h"

#include "lessonlib/text/formula_cells.h"

namespace diceway {

void DrawNodeCell(Program& p, float x, float y, const lesson::Text& label, float text, float border, float fill) {
    p.X = x;
    p.Y = y;
    p.CCC1 = text;
    p.CCC2 = border;
    p.CCC3 = fill;
    p.A_s = label;
    lesson::DrawFormulaCell(p);
}

}  // namespace diceway
