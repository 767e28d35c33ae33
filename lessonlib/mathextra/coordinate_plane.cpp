#include "lessonlib/mathextra/coordinate_plane.h"

#include <cmath>

#include "lessonlib/charts/number_label.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/formula.h"

namespace lesson {

namespace {

const Text kGothic = "ゴシック";
const Text kSerif = "Times New Roman";

// 0 becomes 1 and a negative scale its magnitude.
void MakePositive(float& scale) {
    if (scale == 0) scale = 1;
    else if (scale < 0) scale = std::fabs(scale);
}

// Bold lines and numbers stand at the indices whose whole value is a
// multiple of 5.
bool OnBoldLine(float index) { return Remainder(index, 5) == 0; }

// Draws `text` with its top-left corner at the pen, twice as wide as the
// font's cell, in colour CCC1; an empty text draws nothing.
void DrawWide(Program& p, const Text& text) {
    if (!text.Empty()) p.rt.DrawText(p.X, p.Y, 2, 1, p.CCC1, text);
}

// The plane's number of index II in AA$: empty at 0 and when NASI is -1.
void IndexText(Program& p) {
    p.AA_s = NumberLabel(p, p.II);
    if (p.II == 0 || p.NASI == -1) p.AA_s = Text();
}

// P1, P2 = the whole part and the first decimal of |v|, cut off; P1$ (with
// "-" for a negative v) and P2$ their texts. Tenths that the product of
// index and scale stores a hair below a whole number are taken whole: in
// singles 10 * 0.01 is 0.099999994, which must label 0.1, not 0.0.
void TickValue(Program& p, float v) {
    const double tenths = 10.0 * std::fabs(static_cast<double>(v));
    const double nearest = std::round(tenths);
    const double whole = std::fabs(tenths - nearest) <= 1e-6 * tenths ? nearest : std::floor(tenths);
    p.P1 = static_cast<float>(std::floor(whole / 10));
    p.P2 = static_cast<float>(whole - 10.0 * p.P1);
    p.P1_s = (v < 0 ? "-" : "") + NumberLabel(p, p.P1);
    p.P2_s = NumberLabel(p, p.P2);
}

// The label of a tick in AA$, or false when the index II has none.
bool TickLabel(Program& p) {
    if (p.II == 0 || !OnBoldLine(p.II)) return false;
    p.AA_s = p.P2 == 0 ? p.P1_s : p.P1_s + p.P2_s;
    return true;
}

}  // namespace

void DrawCoordinateGrid(Program& p) {
    p.DR = static_cast<float>(p.rt.LineWidth());
    MakePositive(p.BAIX);
    MakePositive(p.BAIY);
    p.AA1 = Divide(p.AA1, p.BAIX);
    p.AA2 = Divide(p.AA2, p.BAIX);
    p.BB1 = Divide(p.BB1, p.BAIY);
    p.BB2 = Divide(p.BB2, p.BAIY);
    if (p.GGX == 0 && p.GGY == 0) {
        p.GGX = 640;
        p.GGY = 180;
    }
    p.GX0 = p.GGX + p.SIZE * std::fabs(p.AA1);
    p.GY0 = p.GGY + p.SIZE * p.BB2;
    p.GX1 = p.GGX;
    p.GY1 = p.GGY;
    p.GX2 = p.GX0 + p.SIZE * p.AA2;
    p.GY2 = p.GY0 + p.SIZE * std::fabs(p.BB1);
    p.SIZE1 = p.SIZE < 40 ? 26 : 30;
    p.rt.SetFontSize(p.SIZE1);

    if (p.CCC2 != 0) {
        // Thin lines half a unit before their place, so the bold ones cover them.
        p.rt.SetLineWidth(1);
        CountedLoop(p.II, p.AA1, p.AA2, [&] {
            const float x = p.GX0 + p.SIZE * p.II - 0.5f;
            p.rt.Line(x, p.GY1, x, p.GY2, 0);
        });
        CountedLoop(p.II, p.BB1, p.BB2, [&] {
            const float y = p.GY0 - p.SIZE * p.II - 0.5f;
            p.rt.Line(p.GX1, y, p.GX2, y, 0);
        });
        CountedLoop(p.II, p.AA1, p.AA2, [&] {
            if (!OnBoldLine(p.II)) return;
            p.rt.SetLineWidth(3);
            const float x = p.GX0 + p.SIZE * p.II;
            p.rt.Line(x, p.GY1, x, p.GY2, 1);
            IndexText(p);
            p.CCC1 = 0;
            p.X = x - static_cast<float>(CountChars(p.AA_s)) / 2 * p.SIZE1;
            p.Y = p.GY0;
            DrawWide(p, p.AA_s);
        });
        CountedLoop(p.II, p.BB1, p.BB2, [&] {
            if (!OnBoldLine(p.II)) return;
            p.rt.SetLineWidth(3);
            const float y = p.GY0 - p.SIZE * p.II;
            p.rt.Line(p.GX1, y, p.GX2, y, 1);
            IndexText(p);
            p.CCC1 = 0;
            p.X = p.GX0 - p.SIZE1 * static_cast<float>(CountChars(p.AA_s));
            p.Y = y - p.SIZE1 / 2 - 4;
            DrawWide(p, p.AA_s);
        });
    }

    p.rt.SetLineWidth(4);
    p.rt.Line(p.GX0, p.GY1, p.GX0, p.GY2, 0);
    p.rt.SetLineWidth(4);
    p.rt.Line(p.GX1, p.GY0, p.GX2, p.GY0, 0);

    p.rt.SetFontBold(true);
    p.rt.SetFontName(kSerif);
    p.rt.SetFontSize(0.8f * p.SIZE1);
    p.rt.SetFontItalic(true);
    p.CCC1 = 0;
    p.X = p.GX2 - 0.8f * p.SIZE1;
    p.Y = p.GY0 - 1.5f * p.SIZE1;
    p.rt.DrawText(p.X, p.Y, 3, 2, p.CCC1, "x");

    p.rt.SetFontName(kGothic);
    p.rt.SetFontSize(p.SIZE1);
    p.rt.SetFontItalic(false);
    p.CCC1 = 0;
    p.X = p.GX0 - p.SIZE1;
    p.Y = p.GY0;
    p.AA_s = "0";
    DrawWide(p, p.AA_s);
    p.CCC1 = 0;
    p.X = p.GX0;
    p.Y = p.GY1 - p.SIZE1 / 2;
    p.AA_s = "y";
    DrawWide(p, p.AA_s);

    p.rt.SetFontBold(false);
    p.rt.SetFontSize(16);
    p.rt.SetLineWidth(p.DR);
    p.NASI = 0;
}

void DrawDecimalTicks(Program& p) {
    p.rt.SetFontSize(p.SIZE1);
    CountedLoop(p.II, p.AA1, p.AA2, [&] {
        TickValue(p, p.II * p.BAIX);
        if (!TickLabel(p)) return;
        const float n = static_cast<float>(CountChars(p.AA_s));
        const float m = static_cast<float>(CountChars(p.P1_s));
        p.X = p.GX0 + p.SIZE * p.II - n / 2 * p.SIZE1;
        p.Y = p.GY0 + 4;
        p.CCC1 = 0;
        DrawWide(p, p.AA_s);
        if (p.P2 == 0) return;
        p.X = p.X + p.SIZE1 * m - 6;
        p.Y = p.GY0 + 8;
        p.CCC1 = 0;
        DrawWide(p, ".");
    });
    CountedLoop(p.II, p.BB1, p.BB2, [&] {
        TickValue(p, p.II * p.BAIY);
        if (!TickLabel(p)) return;
        const float n = static_cast<float>(CountChars(p.AA_s));
        const float m = static_cast<float>(CountChars(p.P1_s));
        p.X = p.GX0 - p.SIZE1 * n;
        p.Y = p.GY0 - p.SIZE * p.II - p.SIZE1 / 2;
        p.CCC1 = 0;
        DrawWide(p, p.AA_s);
        if (p.P2 == 0) return;
        p.X = p.X + p.SIZE1 * m - 6;
        p.Y = p.GY0 - p.SIZE * p.II - p.SIZE1 / 2 + 4;
        p.CCC1 = 0;
        DrawWide(p, ".");
    });
    p.rt.SetFontSize(16);
}

void PlotLabelledPoint(Program& p) {
    if (p.BAIX == 0) p.BAIX = 1;
    if (p.BAIY == 0) p.BAIY = 1;
    p.GX = p.GX0 + p.SIZE * p.XG / p.BAIX;
    p.GY = p.GY0 - p.SIZE * p.YG / p.BAIY;
    p.rt.Circle({.cx = p.GX, .cy = p.GY, .radius = p.R, .colour = p.CCC3});
    p.X = p.GX - 20;
    p.Y = p.GY - 40;
    DrawShiftedLabel(p);
}

void DrawShiftedLabel(Program& p) {
    p.CCC1 = p.CCC3;
    p.X = p.X + p.KASANARIX;
    p.Y = p.Y + p.KASANARIY;
    p.AA_s = p.AAA_s;
    DrawFormula(p);
    p.KASANARIX = 0;
    p.KASANARIY = 0;
    p.BAIX = 1;
    p.BAIY = 1;
}

}  // namespace lesson
