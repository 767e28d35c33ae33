#include "Diceway/answer_frame.h"

#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

namespace {

void Cell(Program& p, float x, float y, float width, float height, float text, float border,
          float fill, const lesson::Text& label) {
    p.X = x;
    p.Y = y;
    p.HABA = width;
    p.TATE = height;
    p.CCC1 = text;
    p.CCC2 = border;
    p.CCC3 = fill;
    p.A_s = label;
    lesson::DrawFormulaCell(p);
    p.XI2 = p.X;
    p.YI1 = p.Y;
}

}  // namespace

void BeginAnswerScreen(Program& p, const lesson::Text& page) {
    lesson::ClearPlane(p);
    p.XI1 = 38;
    p.YI1 = 30;
    Cell(p, p.XI1, p.YI1, 342, 48, 3, 1, 13, page);
}

void ProblemNumberCell(Program& p, float x, float y, const lesson::Text& number) {
    Cell(p, x, y, 44, 44, 13, 4, 3, number);
}

}  // namespace diceway
