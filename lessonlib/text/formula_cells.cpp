#include "lessonlib/text/formula_cells.h"

#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/formula.h"

namespace lesson {

namespace {

// Keeps the cell's corner and the text to draw in it.
void BeginCell(Program& p, const Text& text) {
    p.X1 = p.X;
    p.Y1 = p.Y;
    p.MOTOA_s = text;
    p.A_s = text;
}

// Measures A$ and centres it: LT1 = the inset from the cell's left edge.
// A text wider than the cell starts at its left edge.
void MeasureInset(Program& p) {
    MeasureFormulaWidth(p);
    p.LT1 = (p.HABA - p.LLT) / 2;
    if (p.LT1 < 0) p.LT1 = 0;
}

// The height a text line takes: 50 with a fraction in it (N1 found a "ﾀ").
float LineHeight(Program& p) {
    p.N1 = static_cast<float>(FindChars(p.A_s, "ﾀ"));
    return p.N1 == 0 ? 44 : 50;
}

// The top of a line of height `line` centred in `space`.
float CentredTop(float space, float line) { return RoundDown((space - line) / 2); }

void DrawBox(Program& p, float top, float bottom) {
    p.rt.FilledBox(p.X1, top, p.X1 + p.HABA, bottom, p.CCC2, p.CCC3);
}

// Draws the kept text MOTOA$ at the inset, with its top at y.
void DrawCellText(Program& p, float y) {
    p.X = p.X1 + p.LT1;
    p.Y = y;
    p.AA_s = p.MOTOA_s;
    DrawFormula(p);
}

void EndCell(Program& p) {
    p.X = p.X1 + p.HABA;
    p.Y = p.Y1;
}

}  // namespace

void DrawFormulaCell(Program& p) {
    BeginCell(p, p.A_s);
    const float line = LineHeight(p);
    MeasureInset(p);
    p.Y2 = p.Y1 + CentredTop(p.TATE, line);
    p.Y3 = p.Y1 + p.TATE;
    DrawBox(p, p.Y1, p.Y3);
    DrawCellText(p, p.Y2);
    EndCell(p);
}

void DrawFormulaCell2(Program& p) {
    BeginCell(p, p.A1_s);
    const float firstLine = LineHeight(p);
    MeasureInset(p);
    p.Y2 = p.Y1 + CentredTop(p.TATE / 2, firstLine);
    p.Y3 = p.Y1 + p.TATE;
    DrawBox(p, p.Y1, p.Y3);
    p.Y22 = p.A2_s.Empty() ? p.Y2 + 25 : p.Y2;
    DrawCellText(p, p.Y22);

    p.MOTOA_s = p.A2_s;
    p.A_s = p.A2_s;
    const float secondLine = LineHeight(p);
    MeasureInset(p);
    p.Y4 = p.Y1 + secondLine + CentredTop(p.TATE / 2, secondLine);
    DrawCellText(p, p.Y4);
    EndCell(p);
}

void DrawFormulaCellOnLine(Program& p) {
    BeginCell(p, p.A_s);
    MeasureInset(p);
    const float above = CentredTop(p.TATE, 44);
    p.Y2 = p.Y1 - above;
    p.Y3 = p.Y1 + p.TATE - above;
    DrawBox(p, p.Y2, p.Y3);
    DrawCellText(p, p.Y1);
    EndCell(p);
}

}  // namespace lesson
