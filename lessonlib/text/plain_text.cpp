#include "lessonlib/text/plain_text.h"

#include "lessonlib/shell/numbers.h"

namespace lesson {

namespace {

// Draws the character in R$ at the pen (TX, TY) and returns its advance.
float DrawPlainCharacter(Program& p) {
    const char32_t c = p.R_s.At(0);
    switch (c) {
        case U'.':
        case U',':
            p.rt.DrawText(p.TX, p.TY, 3, 2, p.CCC1, p.R_s);
            return 8;
        case U'(':
            p.rt.DrawText(p.TX - 8, p.TY, 3, 2, p.CCC1, p.R_s);
            return 12;
        case U')':
            p.rt.DrawText(p.TX, p.TY, 3, 2, p.CCC1, p.R_s);
            return 8;
        case U' ':
            return 20;
        case U'a':
        case U'x':
        case U'c':
            // A small italic letter in a raised cell, standing on the line of
            // Gothic cells (size 15 at scale 2), whose cells, 22.5 wide, reach
            // 2.5 past their advance of 20; the Gothic face comes back after
            // it.
            p.B_s = Text();
            p.rt.SetFontName("Times New Roman");
            p.rt.SetFontSize(8);
            p.rt.SetFontItalic(true);
            p.rt.DrawLetter(p.TX + 4, p.TY - 12, 7, 4, p.CCC1, p.R_s,
                            {.penX = p.TX,
                             .advance = 20,
                             .top = p.TY,
                             .height = 15 * 2,
                             .reachBefore = 2.5f,
                             .reachAfter = 2.5f});
            p.rt.SetFontName("ゴシック");
            p.rt.SetFontItalic(false);
            return 20;
        case U'y':
            p.rt.DrawText(p.TX, p.TY - 6, 3, 2, p.CCC1, p.R_s);
            return 20;
        default:
            break;
    }
    if (p.TA2 == 2) {
        p.rt.DrawText(p.TX, p.TY, 2, 2, p.CCC1, p.R_s);
        return 30;
    }
    p.rt.DrawText(p.TX, p.TY, 3, 2, p.CCC1, p.R_s);
    return 20;
}

// Measures `label` (kept in MOTOA$ meanwhile) and sets LT1, the inset that
// centres it in a cell HABA wide; a label wider than the cell starts at the
// cell's left edge.
void MeasureCellLabel(Program& p, const Text& label) {
    p.A_s = label;
    p.MOTOA_s = label;
    MeasureTextWidth(p);
    p.LT1 = (p.HABA - p.LLT) / 2;
    if (p.LT1 < 0) p.LT1 = 0;
}

// Draws the label kept in MOTOA$ at the inset LT1, with its top at `top`.
void DrawCellLabel(Program& p, float top) {
    p.X = p.X1 + p.LT1;
    p.Y = top;
    p.AA_s = p.MOTOA_s;
    DrawPlainText(p);
}

}  // namespace

void DrawPlainText(Program& p) {
    p.DR = static_cast<float>(p.rt.LineWidth());
    for (;;) {
        p.TX = p.X;
        p.TY = p.Y;
        p.LEM = static_cast<float>(CountChars(p.AA_s));
        if (p.LEM == 0) break;
        p.NAG = static_cast<float>(CountBytes(p.AA_s));
        p.R_s = FirstChars(p.AA_s, 1);
        p.TA2 = static_cast<float>(CountBytes(p.R_s));
        p.I = p.TA2 + 1;
        p.AA_s = MidBytes(p.AA_s, p.I);
        p.A_s = p.R_s;
        p.B_s = p.R_s;
        p.rt.SetFontBold(true);
        p.rt.SetFontSize(15);
        p.TX += DrawPlainCharacter(p);
        p.X = p.TX;
        p.Y = p.TY;
    }
    p.rt.SetFontBold(false);
    p.rt.SetLineWidth(p.DR);
    p.rt.SetFontSize(16);
}

void MeasureTextWidth(Program& p) {
    // The caller's pen is kept here as well as in XX1, YY1, which the formula
    // measurement shares.
    const float x = p.X, y = p.Y;
    p.XX1 = x;
    p.YY1 = y;
    p.X = 0;
    p.Y = 1800;
    p.AA1_s = p.A_s;
    p.AA_s = p.A_s;
    DrawPlainText(p);
    p.LLT = p.X;
    p.X = x;
    p.Y = y;
    p.AA_s = p.AA1_s;
}

void DrawTableCell(Program& p) {
    p.X1 = p.X;
    p.Y1 = p.Y;
    MeasureCellLabel(p, p.A_s);
    p.Y2 = p.Y1 + RoundDown((p.TATE - 26) / 2);
    p.Y3 = p.Y1 + p.TATE;
    p.rt.FilledBox(p.X1, p.Y1, p.X1 + p.HABA, p.Y3, p.CCC2, p.CCC3);
    DrawCellLabel(p, p.Y2);
    p.X = p.X1 + p.HABA;
    p.Y = p.Y1;
}

void DrawTableCell2(Program& p) {
    p.X1 = p.X;
    p.Y1 = p.Y;
    MeasureCellLabel(p, p.A1_s);
    p.Y2 = p.Y1 + RoundDown((p.TATE / 2 - 26) / 2);
    p.Y3 = p.Y1 + p.TATE;
    p.rt.FilledBox(p.X1, p.Y1, p.X1 + p.HABA, p.Y3, p.CCC2, p.CCC3);
    p.Y22 = p.A2_s.Empty() ? p.Y2 + 15 : p.Y2;
    DrawCellLabel(p, p.Y22);
    MeasureCellLabel(p, p.A2_s);
    p.Y4 = p.Y2 + 30;
    DrawCellLabel(p, p.Y4);
    p.X = p.X1 + p.HABA;
    p.Y = p.Y1;
}

}  // namespace lesson
