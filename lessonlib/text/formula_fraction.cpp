#include "lessonlib/text/formula_fraction.h"

#include "lessonlib/text/formula.h"
#include "lessonlib/text/formula_glyphs.h"

namespace lesson {

namespace {

// The width of a fraction part in its fraction forms, measured from the
// fraction's origin.
float PartWidth(Program& p, const Text& part) {
    p.X = p.XT;
    p.Y = p.YT;
    p.A_s = part;
    p.BUN = 1;
    MeasureFormulaWidth(p);
    return p.LLT;
}

// Draws a fraction part from (x, y) in its fraction forms.
void DrawPart(Program& p, const Text& part, float x, float y) {
    p.X = x;
    p.Y = y;
    p.BUN = 1;
    p.A_s = part;
    DrawFormulaGlyphs(p);
}

}  // namespace

void DrawFormulaFraction(Program& p) {
    p.XT = p.X;
    p.YT = p.Y;
    p.TA5 = static_cast<float>(FindChars(p.A_s, "!"));
    p.TA6 = static_cast<float>(FindChars(p.A_s, "√"));
    const int slash = FindChars(p.A_s, "/");
    p.RTASKAI1_s = slash == 0 ? Text() : FirstChars(p.A_s, slash - 1);
    p.RTASKAI2_s = MidChars(p.A_s, slash + 1);

    p.TBSI = PartWidth(p, p.RTASKAI1_s);
    p.TBBO = PartWidth(p, p.RTASKAI2_s);
    p.BUN = 0;
    p.NAGA = p.TBSI >= p.TBBO ? p.TBSI : p.TBBO;
    p.TBSI1 = (p.NAGA - p.TBSI) / 2;
    p.TBBO1 = (p.NAGA - p.TBBO) / 2;

    p.rt.SetLineWidth(4);
    p.BSEN = p.YT + 25;
    p.rt.Line(p.XT, p.BSEN, p.XT + p.NAGA, p.BSEN, p.CCC1);
    p.rt.SetLineWidth(p.DR);
    if (p.HROOT == 22) {
        p.rt.SetLineWidth(3);
        p.rt.Line(p.XT, p.YT - 14, p.XT + p.NAGA, p.YT - 14, p.CCC1);
        p.rt.SetLineWidth(p.DR);
    }

    // A root or power in the denominator, and any root sign in the fraction,
    // push the denominator down. The positions are taken here, from the
    // texts: measuring has overwritten the glyph layer's scratch.
    p.TA1 = static_cast<float>(FindChars(p.RTASKAI2_s, "√"));
    p.TA2 = static_cast<float>(FindChars(p.RTASKAI2_s, "^"));
    float denominatorTop = p.YT + (p.TA1 == 0 && p.TA2 == 0 ? 28 : 36);
    if (p.TA5 != 0 || p.TA6 != 0) denominatorTop += 8;

    DrawPart(p, p.RTASKAI2_s, p.XT + p.TBBO1, denominatorTop);
    DrawPart(p, p.RTASKAI1_s, p.XT + p.TBSI1, p.YT - 10);
    p.BUN = 0;
    p.X = p.XT + p.NAGA;
    p.Y = p.YT;
}

}  // namespace lesson
