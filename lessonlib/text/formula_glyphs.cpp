#include "lessonlib/text/formula_glyphs.h"

#include <array>

#include "lessonlib/shell/loops.h"

namespace lesson {

namespace {

const Text kGothic = "ゴシック";
const Text kSerif = "Times New Roman";
const Text kScript = "MT Extra";

bool Is(const Program& p, const char* c) { return p.B_s == Text(c); }

// The keyboard shorthand of formulas, applied in this order.
void SubstituteShorthand(Program& p) {
    if (Is(p, "%")) p.B_s = "°";
    if (Is(p, "*")) p.B_s = "×";
    if (Is(p, "/")) p.B_s = "÷";
    if (Is(p, "@")) p.B_s = "±";
    if (Is(p, "!")) p.B_s = "√";
}

// Draws B$ at the pen moved by (dx, dy) in the current font, then advances.
void GlyphText(Program& p, float dx, float dy, float hscale, float vscale, float advance) {
    p.rt.DrawText(p.TX + dx, p.TY + dy, hscale, vscale, p.CCC1, p.B_s);
    p.TX += advance;
}

// The height of the Gothic cells a maths letter stands among: the ordinary
// glyphs of a formula line and the digits of a fraction's part.
constexpr float kLineCellHeight = 16 * 3;
constexpr float kFractionCellHeight = 16 * 2;

// Outside fractions the signs ×, ÷ and ± (typed "*", "/" and "@") are drawn
// in full-width cells that start 4 left of their pen.
constexpr float kWideSignReach = 4;
// A fraction's bar is 4 wide with round ends: it reaches 2 past the
// fraction on either side.
constexpr float kFractionBarReach = 2;

// True when the character `c` of a formula line is one of those signs.
bool IsWideSign(const Text& c) {
    for (const char* sign : {"*", "/", "@", "×", "÷", "±"})
        if (c == Text(sign)) return true;
    return false;
}

// How far the marks of a formula line before and after the letter at the
// pen reach into its advance. The line is drawn a character at a time, so
// the one after the letter is the first of the text still to draw; the
// fraction drawn last (origin XT YT, NAGA wide) is the one before it when
// it ends at the pen on this line. Within a fraction's parts every glyph
// keeps to its advance.
LetterLine Neighbours(const Program& p) {
    LetterLine line;
    if (p.BUN == 1) return line;
    const Text next = FirstChars(p.AA_s, 1);
    if (IsWideSign(next)) line.reachAfter = kWideSignReach;
    if (next == Text("ﾀ")) line.reachAfter = kFractionBarReach;
    if (p.YT == p.TY && p.XT + p.NAGA == p.TX) line.reachBefore = kFractionBarReach;
    return line;
}

// Draws the maths letter B$ in the current font with its cell at the pen
// moved by (dx, dy), standing on the line of Gothic cells `lineHeight` tall
// at the pen, then advances.
void LetterText(Program& p, float dx, float dy, float hscale, float vscale, float lineHeight,
                float advance) {
    LetterLine line = Neighbours(p);
    line.penX = p.TX;
    line.advance = advance;
    line.top = p.TY;
    line.height = lineHeight;
    p.rt.DrawLetter(p.TX + dx, p.TY + dy, hscale, vscale, p.CCC1, p.B_s, line);
    p.TX += advance;
}

// The ordinary glyph of B$ outside fractions, by its width in bytes (TA2).
void DrawOrdinaryGlyph(Program& p) {
    if (p.TA2 == 2) {
        GlyphText(p, 0, 0, 2, 3, 34);
    } else {
        GlyphText(p, 0, 0, 3, 3, 27);
    }
}

// A root or parallelogram sign: an open polyline in the given width. The
// width is left at 3 and the root bar resumes after the sign.
void Sign(Program& p, float width, std::initializer_list<Point> offsets, float advance) {
    p.rt.SetLineWidth(width);
    p.rt.Polyline(PointsFrom(p.TX, p.TY, offsets), p.CCC1);
    p.rt.SetLineWidth(3);
    p.TX += advance;
    p.TXM = p.TX;
    p.B_s = Text();
}

// Minus and plus bars: segments (x1, y1, x2, y2) from the pen, width 5,
// leaving width 3.
void Strokes(Program& p, std::initializer_list<std::array<float, 4>> segments, float advance) {
    p.rt.SetLineWidth(5);
    for (const auto& s : segments)
        p.rt.Line(p.TX + s[0], p.TY + s[1], p.TX + s[2], p.TY + s[3], p.CCC1);
    p.rt.SetLineWidth(3);
    p.TX += advance;
}

// The marks and signs, which take no root bar over them. False when B$ is
// none of them.
bool DrawMarkOrSign(Program& p) {
    if (Is(p, "^")) {
        p.JYOU = 1;
    } else if (Is(p, "\\")) {
        p.JYOUK = 1;
    } else if (Is(p, "ﾝ")) {
        p.HROOT = 0;
    } else if (Is(p, "√") && p.BUN == 1) {
        Sign(p, 3, {{4, 24}, {8, 13}, {16, 29}, {24, -6}, {26, -6}}, 26);
        p.HROOT = 11;
    } else if (Is(p, "√")) {
        Sign(p, 3, {{4, 36}, {8, 24}, {16, 40}, {24, -4}, {32, -4}}, 28);
        p.HROOT = 1;
    } else if (Is(p, "&")) {
        Sign(p, 5, {{4, 40}, {25, 40}, {32, 8}, {11, 8}, {4, 40}}, 36);
    } else if (Is(p, "＃")) {
        Sign(p, 5, {{10, 8}, {4, 36}, {26, 36}, {32, 8}, {10, 8}}, 36);
    } else {
        return false;
    }
    return true;
}

// Text glyphs and bars; each leaves the face "ゴシック" at size 16.
void DrawGlyph(Program& p) {
    const bool inFraction = p.BUN == 1;
    if (Is(p, ".")) {
        GlyphText(p, -3, 14, 3, 2, 8);
        p.B_s = Text();
    } else if (Is(p, "'") || Is(p, "°")) {
        GlyphText(p, 0, 0, 3, 3, 12);
    } else if (Is(p, "=")) {
        p.rt.SetFontSize(14);
        p.rt.SetFontBold(true);
        GlyphText(p, 4, 0, 3, 3, 32);
        p.rt.SetFontSize(16);
    } else if (p.JYOUK == 1) {
        p.rt.SetFontSize(8);
        GlyphText(p, 0, -10, 6, 3, 24);
        p.JYOUK = 0;
        p.rt.SetFontSize(16);
    } else if (p.JYOU == 1 && inFraction) {
        p.rt.SetFontSize(8);
        GlyphText(p, 0, -4, 6, 3, 24);
        p.JYOU = 0;
        p.rt.SetFontSize(16);
    } else if (p.JYOU == 1) {
        GlyphText(p, 0, 0, 3, 2, 24);
        p.JYOU = 0;
    } else if (Is(p, "a") || Is(p, "x") || Is(p, "c")) {
        p.rt.SetFontName(kSerif);
        p.rt.SetFontSize(8);
        p.rt.SetFontItalic(true);
        if (inFraction) {
            LetterText(p, 4, -16, 12, 5, kFractionCellHeight, 32);
        } else {
            LetterText(p, 4, -22, 10, 7, kLineCellHeight, 27);
        }
        p.rt.SetFontName(kGothic);
        p.rt.SetFontSize(16);
        p.rt.SetFontItalic(false);
        p.B_s = Text();
    } else if (Is(p, "l")) {
        p.rt.SetFontName(kScript);
        p.rt.SetFontSize(16);
        p.rt.SetFontBold(true);
        LetterText(p, 0, 0, 6, 3, kLineCellHeight, 32);
        p.rt.SetFontName(kGothic);
        p.rt.SetFontSize(16);
        p.rt.SetFontBold(false);  // later glyphs of the run stay thin until an "="
        p.B_s = Text();
    } else if (Is(p, "-") && inFraction) {
        Strokes(p, {{6, 14, 26, 14}}, 32);
    } else if (Is(p, "+") && inFraction) {
        Strokes(p, {{6, 14, 26, 14}, {16, 4, 16, 24}}, 32);
    } else if (Is(p, "-")) {
        Strokes(p, {{4, 20, 23, 20}}, 27);
    } else if (Is(p, "+")) {
        Strokes(p, {{4, 22, 23, 22}, {13, 10, 13, 34}}, 27);
    } else if ((Is(p, "×") || Is(p, "÷") || Is(p, "±")) && !inFraction) {
        GlyphText(p, -4, 0, 2, 3, 27);
    } else if (Is(p, " ")) {
        p.TX += 27;
    } else if (p.TA2 == 2 && inFraction) {
        p.rt.SetFontSize(11);
        GlyphText(p, 0, 0, 3, 3, 38);
        p.rt.SetFontSize(16);
    } else if (inFraction) {
        GlyphText(p, 0, 0, 4, 2, 32);
    } else {
        DrawOrdinaryGlyph(p);
    }
}

// An open root's bar reaches from TXM to the end of the glyph just drawn,
// at the height where its sign's top stroke ends; otherwise TXM follows the
// pen. Glyphs inside a fraction leave a tall root's bar to the fraction.
void ExtendRootBar(Program& p) {
    float above = 0;
    if (p.HROOT == 1) {
        above = 4;
    } else if (p.HROOT == 11) {
        above = 6;
    } else if (p.HROOT == 22 && p.BUN != 1) {
        above = 14;
    } else {
        p.TXM = p.TX;
        return;
    }
    p.rt.SetLineWidth(3);
    p.rt.Line(p.TXM, p.TY - above, p.TX, p.TY - above, p.CCC1);
    p.rt.SetLineWidth(3);
}

// Draws the run A$ one glyph after another: as a formula, or as a name
// (every character its ordinary glyph).
void DrawRun(Program& p, bool asName) {
    p.TX = p.X;
    p.TY = p.Y;
    p.DR = static_cast<float>(p.rt.LineWidth());
    p.R_s = p.A_s;
    p.NAG = static_cast<float>(CountChars(p.R_s));
    p.rt.SetFontName(kGothic);
    p.rt.SetFontSize(16);
    p.rt.SetFontBold(true);
    if (p.NAG > 0) {
        CountedLoop(p.I, 1, p.NAG, [&] {
            p.B_s = MidChars(p.R_s, p.I, 1);
            if (asName) {
                p.TA2 = static_cast<float>(CountBytes(p.B_s));
                DrawOrdinaryGlyph(p);
            } else {
                SubstituteShorthand(p);
                if (DrawMarkOrSign(p)) return;
                p.TA2 = static_cast<float>(CountBytes(p.B_s));
                DrawGlyph(p);
            }
            ExtendRootBar(p);
        });
    }
    p.X = p.TX;
    p.Y = p.TY;
    p.rt.SetFontBold(false);
    p.rt.SetLineWidth(p.DR);
}

}  // namespace

std::vector<Point> PointsFrom(float x, float y, std::initializer_list<Point> offsets) {
    std::vector<Point> points;
    points.reserve(offsets.size());
    for (const Point& o : offsets) points.push_back({x + o.x, y + o.y});
    return points;
}

void DrawFormulaGlyphs(Program& p) { DrawRun(p, false); }

void DrawNameGlyphs(Program& p) { DrawRun(p, true); }

}  // namespace lesson
