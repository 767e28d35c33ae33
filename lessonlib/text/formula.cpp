#include "lessonlib/text/formula.h"

#include "lessonlib/text/formula_fraction.h"
#include "lessonlib/text/formula_glyphs.h"

namespace lesson {

namespace {

// The tall root sign before a fraction: as tall as the fraction, its top
// arm at 14 above the pen, where the fraction's root bar continues it.
void DrawTallRoot(Program& p) {
    p.rt.SetLineWidth(3);
    p.rt.Polyline(PointsFrom(p.X, p.Y, {{4, 36}, {8, 24}, {16, 60}, {30, -14}, {38, -14}}),
                  p.CCC1);
    p.HROOT = 22;
    p.rt.SetLineWidth(p.DR);
    p.X += 32;
    p.TXM = p.X;
}

}  // namespace

void DrawFormula(Program& p) {
    for (;;) {
        p.DR = static_cast<float>(p.rt.LineWidth());
        p.LEM = static_cast<float>(CountChars(p.AA_s));
        if (p.LEM == 0) {
            p.rt.SetLineWidth(p.DR);
            return;
        }
        p.A_s = FirstChars(p.AA_s, 1);
        p.AA_s = LastChars(p.AA_s, p.LEM - 1);
        if (p.A_s == Text("ﾀ")) {
            p.N = static_cast<float>(FindChars(p.AA_s, "ﾀ"));
            if (p.N == 0) continue;
            p.A_s = FirstChars(p.AA_s, p.N - 1);
            // The fraction measures its parts through this routine, which
            // overwrites AA$ but never AA_A$ (the parts hold no "ﾀ").
            p.AA_A_s = LastChars(p.AA_s, p.LEM - p.N - 1);
            DrawFormulaFraction(p);
            p.AA_s = p.AA_A_s;
        } else if (p.A_s == Text("#")) {
            DrawTallRoot(p);
        } else if (p.A_s == Text("^")) {
            p.JYOU = 1;
        } else {
            DrawFormulaGlyphs(p);
        }
    }
}

void MeasureFormulaWidth(Program& p) {
    // Each call keeps its own copies: measuring re-enters through fractions.
    const float x = p.X;
    const float y = p.Y;
    const Text a = p.A_s;
    p.X = 0;
    p.Y = 1800;
    p.AA_s = a;
    DrawFormula(p);
    p.LLT = p.X;
    p.X = p.XX1 = x;
    p.Y = p.YY1 = y;
    p.A_s = p.AA1_s = a;
}

}  // namespace lesson
