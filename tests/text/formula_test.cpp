#include <gtest/gtest.h>

#include <array>
#include <string>

#include "lessonlib/text/formula.h"
#include "lessonlib/text/formula_glyphs.h"
#include "lessonlib/text/menu_heading.h"
#include "tests/support/test_support.h"
#include "tests/text/op_description.h"

using namespace lesson;
using text_tests::Drawn;

namespace {

// The pen at (100, 200), colour 4, the caller's line width 2, no markup
// pending.
void Start(Program& p, float bun = 0) {
    p.X = 100;
    p.Y = 200;
    p.CCC1 = 4;
    p.BUN = bun;
    p.JYOU = p.JYOUK = p.HROOT = 0;
    p.rt.SetLineWidth(2);
}

void Draw(Program& p, const Text& line) {
    Start(p);
    p.AA_s = line;
    DrawFormula(p);
}

float Measure(Program& p, const Text& text) {
    p.A_s = text;
    MeasureFormulaWidth(p);
    return p.LLT;
}

// The fraction bars drawn (line width 4), as "x1-x2 x1-x2".
std::string Bars(const platform::HeadlessRuntime& rt) {
    std::string out;
    for (const DrawOp& op : testing_support::VisibleOps(rt))
        if (op.kind == DrawOp::Kind::Line && op.lineWidth == 4) {
            if (!out.empty()) out += ' ';
            out += platform::FormatNumber(op.points[0].x);
            out += '-';
            out += platform::FormatNumber(op.points[1].x);
        }
    return out;
}

// A run (marks in it set the flags for the glyph after them), in a fraction
// or not, what it draws, its advance and JYOU JYOUK HROOT afterwards.
struct GlyphCase {
    const char* run;
    float bun;
    const char* draws;
    float advance;
    std::array<float, 3> flags = {};
};

const GlyphCase kGlyphs[] = {
    {"", 0, "", 0},
    {"^", 0, "", 0, {1, 0, 0}},
    {"\\", 0, "", 0, {0, 1, 0}},
    {"√", 0, "polyline 4 3 5 104 236 108 224 116 240 124 196 132 196", 28, {0, 0, 1}},
    {"＃", 1, "polyline 4 5 5 110 208 104 236 126 236 132 208 110 208", 36},
    {"^.", 0, "text 97 214 3 2 4 \".\" ゴシック 16 bold", 8, {1, 0, 0}},
    {"%", 1, "text 100 200 3 3 4 \"°\" ゴシック 16 bold", 12},
    {"^=", 1, "text 104 200 3 3 4 \"=\" ゴシック 14 bold", 32, {1, 0, 0}},
    {"\\3", 0, "text 100 190 6 3 4 \"3\" ゴシック 8 bold", 24},
    {"^\\実", 1, "text 100 190 6 3 4 \"実\" ゴシック 8 bold", 24, {1, 0, 0}},
    {"^2", 1, "text 100 196 6 3 4 \"2\" ゴシック 8 bold", 24},
    {"^x", 0, "text 100 200 3 2 4 \"x\" ゴシック 16 bold", 24},
    {"x", 1, "text 104 184 12 5 4 \"x\" Times New Roman 8 bold italic", 32},
    {"a", 0, "text 104 178 10 7 4 \"a\" Times New Roman 8 bold italic", 27},
    {"-", 1, "line 106 214 126 214 4 5", 32},
    {"+", 1, "line 106 214 126 214 4 5; line 116 204 116 224 4 5", 32},
    {"-", 0, "line 104 220 123 220 4 5", 27},
    {"/", 0, "text 96 200 2 3 4 \"÷\" ゴシック 16 bold", 27},
    {"@", 1, "text 100 200 3 3 4 \"±\" ゴシック 11 bold", 38},
    {" ", 1, "", 27},
    {"実", 1, "text 100 200 3 3 4 \"実\" ゴシック 11 bold", 38},
    {"実", 0, "text 100 200 2 3 4 \"実\" ゴシック 16 bold", 34},
    {"ｱ", 1, "text 100 200 4 2 4 \"ｱ\" ゴシック 16 bold", 32},
    {"2", 0, "text 100 200 3 3 4 \"2\" ゴシック 16 bold", 27},
    // Runs. A root's bar reaches from its sign to each glyph until "ﾝ" (6
    // above the pen in a fraction); a parallelogram sign interrupts it.
    {"!2&3ﾝ+1", 0,
     "polyline 4 3 5 104 236 108 224 116 240 124 196 132 196; "
     "text 128 200 3 3 4 \"2\" ゴシック 16 bold; line 128 196 155 196 4 3; "
     "polyline 4 5 5 159 240 180 240 187 208 166 208 159 240; "
     "text 191 200 3 3 4 \"3\" ゴシック 16 bold; line 191 196 218 196 4 3; "
     "line 222 222 241 222 4 5; line 231 210 231 234 4 5; text 245 200 3 3 4 \"1\" ゴシック 16 bold",
     172},
    {"!2ﾝ", 1,
     "polyline 4 3 5 104 224 108 213 116 229 124 194 126 194; "
     "text 126 200 4 2 4 \"2\" ゴシック 16 bold; line 126 194 158 194 4 3",
     58},
    // After a script l the run stays thin until an "=".
    {"3l2=2", 1,
     "text 100 200 4 2 4 \"3\" ゴシック 16 bold; text 132 200 6 3 4 \"l\" MT Extra 16 bold; "
     "text 164 200 4 2 4 \"2\" ゴシック 16; text 200 200 3 3 4 \"=\" ゴシック 14 bold; "
     "text 228 200 4 2 4 \"2\" ゴシック 16 bold",
     160},
};

}  // namespace

TEST(FormulaGlyphs, EachGlyphDrawsAdvancesAndMeasures) {
    for (const GlyphCase& c : kGlyphs) {
        SCOPED_TRACE(std::string("\"") + c.run + (c.bun == 1 ? "\" in a fraction" : "\""));
        testing_support::Fixture f;
        Program& p = f.p();
        Start(p, c.bun);
        p.A_s = c.run;
        DrawFormulaGlyphs(p);
        EXPECT_EQ(Drawn(f.rt), c.draws);
        EXPECT_EQ(p.X, 100 + c.advance);
        EXPECT_EQ(p.Y, 200);
        EXPECT_EQ((std::array{p.JYOU, p.JYOUK, p.HROOT}), c.flags);
        EXPECT_EQ(f.rt.Font(), (FontState{"ゴシック", 16, false, false}));
        EXPECT_EQ(f.rt.LineWidth(), 2);

        // Measuring (a character at a time) gives the same advance and
        // changes the markup state alike, drawing nothing in sight.
        Start(p, c.bun);
        EXPECT_EQ(Measure(p, c.run), c.advance);
        EXPECT_EQ((std::array{p.JYOU, p.JYOUK, p.HROOT}), c.flags);
        EXPECT_EQ(Drawn(f.rt), c.draws);
    }
}

TEST(FormulaGlyphs, RootLeftOpenExtendsIntoTheNextCall) {
    testing_support::Fixture f;
    Program& p = f.p();
    Draw(p, "√3");
    f.rt.ClearOps();

    // The next line, lower down: every glyph redraws the bar from the sign.
    p.X = 100;
    p.Y = 300;
    p.AA_s = "45ﾝ6";
    DrawFormula(p);
    EXPECT_EQ(Drawn(f.rt),
              "text 100 300 3 3 4 \"4\" ゴシック 16 bold; line 128 296 127 296 4 3; "
              "text 127 300 3 3 4 \"5\" ゴシック 16 bold; line 128 296 154 296 4 3; "
              "text 154 300 3 3 4 \"6\" ゴシック 16 bold");
    EXPECT_EQ(p.HROOT, 0);
}

TEST(Fractions, DenominatorHeightFollowsRootsAndPowers) {
    const struct {
        const char* line;
        float top;  // the denominator's pen
    } cases[] = {
        {"ﾀ1/6ﾀ", 228},     {"ﾀ1/6^2ﾀ", 236},   {"ﾀ1/6√2ﾝﾀ", 244}, {"ﾀ1/6!2ﾝﾀ", 236},
        {"ﾀ√2ﾝ/6ﾀ", 236},  {"ﾀ!2ﾝ/6ﾀ", 236},  {"ﾀ√2ﾝ/6^2ﾀ", 244}, {"ﾀ1/6\\2ﾀ", 228},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        testing_support::Fixture f;
        Program& p = f.p();
        // A full-width glyph drawn first leaves the glyph layer's scratch set.
        Draw(p, Text("実") + Text(c.line));
        const auto texts = testing_support::TextOps(testing_support::VisibleOps(f.rt));
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[1].text, Text("6"));
        EXPECT_EQ(texts[1].points[0].y, c.top);
    }
}

// Whole lines from the pen (100, 200) with the caller's line width 2:
// measured first (nothing in sight; the pen and A$ kept, also when measuring
// re-enters through a fraction), then drawn.
TEST(Fractions, LinesOfFractionsAndTheirWidths) {
    const struct {
        const char* line;
        const char* bars;
        const char* texts;  // in drawing order: each denominator before its numerator
        float x;
    } cases[] = {
        {"ﾀ1/12ﾀ", "100-164", "121", 164},
        {"ﾀ36/36ﾀ-ﾀ4/36ﾀ=ﾀ32/36ﾀ", "100-164 191-255 287-351", "3636364=3632", 351},
        {"ﾀ6/3/2ﾀ", "100-202", "3÷26", 202},  // split at the first slash
        {"ﾀ12ﾀ", "100-164", "12", 164},       // without a slash all is denominator
        {"ﾀ③の場合の数/①の場合の数ﾀ", "100-328", "①の場合の数③の場合の数", 328},
        {"1ﾀ2/3", "", "12÷3", 208},  // an unclosed fraction mark is dropped
        {"#ﾀ√2ﾝ/3^2ﾀ+√5ﾝ-x=l&", "132-190", "3225x=l", 426},
        {"x=1 のとき y=8-2*1=8-2=6 だから ", "", "x=1のときy=82×1=82=6だから", 864},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        testing_support::Fixture f;
        Program& p = f.p();
        Start(p);
        EXPECT_EQ(Measure(p, c.line), c.x - 100);
        EXPECT_EQ(p.X, 100);
        EXPECT_EQ(p.Y, 200);
        EXPECT_EQ(p.A_s, Text(c.line));
        EXPECT_EQ(p.BUN, 0);
        EXPECT_EQ(Drawn(f.rt), "");
        EXPECT_EQ(f.rt.LineWidth(), 2);
        Draw(p, c.line);
        EXPECT_EQ(Bars(f.rt), c.bars);
        EXPECT_EQ(testing_support::JoinedText(testing_support::VisibleOps(f.rt)), c.texts);
        EXPECT_EQ(p.X, c.x);
        EXPECT_EQ(f.rt.LineWidth(), 2);
    }
}

TEST(Fractions, TallRootOverAFractionAndTheGlyphsAfterIt) {
    testing_support::Fixture f;
    Program& p = f.p();
    Draw(p, "#ﾀ12/1ﾀ+1ﾝ2");
    EXPECT_EQ(Drawn(f.rt),
              "polyline 4 3 5 104 236 108 224 116 260 130 186 138 186; "
              "line 132 225 196 225 4 4; line 132 186 196 186 4 3; "
              "text 148 228 4 2 4 \"1\" ゴシック 16 bold; text 132 190 4 2 4 \"1\" ゴシック 16 bold; "
              "text 164 190 4 2 4 \"2\" ゴシック 16 bold; line 200 222 219 222 4 5; "
              "line 209 210 209 234 4 5; line 196 186 223 186 4 3; "
              "text 223 200 3 3 4 \"1\" ゴシック 16 bold; line 196 186 250 186 4 3; "
              "text 250 200 3 3 4 \"2\" ゴシック 16 bold");
    EXPECT_EQ(p.X, 277);

    // With the wider denominator the root bar spans it too.
    f.rt.ClearOps();
    Draw(p, "#ﾀ1/12ﾀﾝ");
    EXPECT_EQ(Drawn(f.rt),
              "polyline 4 3 5 104 236 108 224 116 260 130 186 138 186; "
              "line 132 225 196 225 4 4; line 132 186 196 186 4 3; "
              "text 132 228 4 2 4 \"1\" ゴシック 16 bold; text 164 228 4 2 4 \"2\" ゴシック 16 bold; "
              "text 148 190 4 2 4 \"1\" ゴシック 16 bold");
}

TEST(MenuHeading, TheProgramsNameIsDrawnWithOrdinaryGlyphs) {
    // "a", "c" and "l" would take their maths forms in a formula; in the
    // name each letter is the ordinary half-width glyph, 27 apart.
    for (const char* name : {"Tallyview", "Diceway"}) {
        SCOPED_TRACE(name);
        testing_support::Fixture f;
        Program& p = f.p();
        p.TITLE_s = name;
        p.rt.SetLineWidth(2);
        DrawMenuHeading(p);
        std::string expected = "text 264 30 2 3 15 \"＜\" ゴシック 16 bold";
        float x = 298;
        for (const char* c = name; *c; ++c, x += 27)
            expected += "; text " + std::to_string(int(x)) + " 30 3 3 15 \"" + std::string(1, *c) +
                        "\" ゴシック 16 bold";
        for (const char* c : {"　", "メ", "ニ", "ュ", "ー", "＞"}) {
            expected += "; text " + std::to_string(int(x)) + " 30 2 3 15 \"" + c + "\" ゴシック 16 bold";
            x += 34;
        }
        EXPECT_EQ(Drawn(f.rt), expected);
        EXPECT_EQ(p.X, x);
        EXPECT_EQ(p.Y, 30);
        EXPECT_EQ(p.CCC1, 15);
        EXPECT_EQ(p.rt.LineWidth(), 2);
        EXPECT_TRUE(p.AA_s.Empty());
    }
}
