#include "lessonlib/mathextra/expression_texts.h"

#include <array>

#include "lessonlib/text/formula.h"

namespace lesson {

namespace {

// LE = the characters of A$; the first of them, empty for an empty text.
Text FirstChar(Program& p) {
    p.LE = static_cast<float>(CountChars(p.A_s));
    return FirstChars(p.A_s, p.LE > 0 ? 1 : 0);
}

Text Rest(const Program& p) { return MidChars(p.A_s, 2); }

// The width DrawFormula gives `markup`.
float FormulaWidth(Program& p, const Text& markup) {
    p.A_s = markup;
    MeasureFormulaWidth(p);
    return p.LLT;
}

void Formula(Program& p, float x, float y, const Text& markup) {
    p.X = x;
    p.Y = y;
    p.AA_s = markup;
    DrawFormula(p);
}

}  // namespace

void NegateExpression(Program& p) {
    const Text first = FirstChar(p);
    if (p.LE == 0) return;
    if (first == Text("-")) p.A_s = "+" + Rest(p);
    else if (first == Text("+")) p.A_s = "-" + Rest(p);
    else p.A_s = "-" + p.A_s;
}

void StripPlus(Program& p) {
    if (FirstChar(p) == Text("+")) p.A_s = Rest(p);
}

void StripSign(Program& p) {
    const Text first = FirstChar(p);
    if (first == Text("+") || first == Text("-")) p.A_s = Rest(p);
}

void DrawLeftBrace(Program& p) {
    p.X1 = p.X + 35;
    p.X2 = p.X1 - 12;
    p.X3 = p.X2;
    p.X4 = p.X2 - 15;
    p.DR = static_cast<float>(p.rt.LineWidth());
    p.Y1 = p.Y + 5;
    p.Y7 = (p.Y + p.HABA) - 10;
    p.Y4 = (p.Y1 + p.Y7) / 2;
    p.Y2 = p.Y1 + 3;
    p.Y3 = p.Y4 - 7;
    p.Y5 = p.Y4 + 7;
    p.Y6 = p.Y7 - 3;
    p.rt.SetLineWidth(5);
    const std::array<Point, 7> brace = {{{p.X1, p.Y1},
                                         {p.X2, p.Y2},
                                         {p.X3, p.Y3},
                                         {p.X4, p.Y4},
                                         {p.X3, p.Y5},
                                         {p.X2, p.Y6},
                                         {p.X1, p.Y7}}};
    p.rt.Polyline(brace, p.CCC1);
    p.rt.SetLineWidth(p.DR);
}

void DrawTwoLineLayout(Program& p) {
    p.X1 = p.X;
    p.Y1 = p.Y;
    const int width = p.rt.LineWidth();  // DrawFormula overwrites DR
    p.DR = static_cast<float>(width);
    p.LT1 = FormulaWidth(p, p.A1_s);
    p.LT2 = FormulaWidth(p, p.A2_s);
    p.LT = p.LT1 > p.LT2 ? p.LT1 : p.LT2;
    Formula(p, p.X1 + 54, p.Y1, p.A1_s);
    Formula(p, p.X1, p.Y1 + p.TAKASA + 6, p.ENZAN_s);
    Formula(p, p.X, p.Y1 + p.TAKASA + 6, ")");
    Formula(p, p.X1 + 54, p.Y1 + p.TAKASA, p.A2_s);
    p.rt.SetLineWidth(3);
    const float ruleY = p.Y1 + 2 * p.TAKASA;
    p.rt.Line(p.X1 + 27, ruleY, p.X1 + 27 + p.LT + 30, ruleY, p.CCC2);
    p.rt.SetLineWidth(static_cast<float>(width));
    p.XI2 = p.X1 + 54 + p.LT;
    p.YI1 = p.Y1 + p.TAKASA;
    p.XI3 = p.X1 + 54;
}

}  // namespace lesson
