#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessonlib/text/formula.h"
#include "lessonlib/text/formula_glyphs.h"
#include "tests/support/test_support.h"
#include "tests/text/op_description.h"

using namespace lesson;
using text_tests::Drawn;
using Ops = std::vector<std::string>;

namespace {

// One glyph drawn from the pen (100, 200) in colour 4, with the caller's
// line width 2, the markup flags set as given beforehand.
struct GlyphCase {
    const char* run;
    float bun = 0;
    float jyou = 0, jyouk = 0, hroot = 0;
    Ops ops;
    float advance = 0;
    float jyouAfter = -1, jyoukAfter = -1, hrootAfter = -1;  // -1: as before
};

void Prepare(Program& p, const GlyphCase& c) {
    p.X = 100;
    p.Y = 200;
    p.CCC1 = 4;
    p.BUN = c.bun;
    p.JYOU = c.jyou;
    p.JYOUK = c.jyouk;
    p.HROOT = c.hroot;
    p.TXM = 100;
    p.rt.SetLineWidth(2);
}

std::string Name(const GlyphCase& c) {
    return std::string("\"") + c.run + "\" BUN " + std::to_string(int(c.bun)) + " JYOU " +
           std::to_string(int(c.jyou)) + " JYOUK " + std::to_string(int(c.jyouk));
}

const std::vector<GlyphCase>& GlyphTable() {
    static const std::vector<GlyphCase> table = {
        // Marks: no drawing, no advance.
        {.run = "^", .advance = 0, .jyouAfter = 1},
        {.run = "\\", .advance = 0, .jyoukAfter = 1},
        {.run = "ﾝ", .hroot = 1, .advance = 0, .hrootAfter = 0},
        // Root and parallelogram signs.
        {.run = "√", .bun = 1,
         .ops = {"polyline 4 3 5 104 224 108 213 116 229 124 194 126 194"},
         .advance = 26, .hrootAfter = 11},
        {.run = "!", .bun = 1,
         .ops = {"polyline 4 3 5 104 224 108 213 116 229 124 194 126 194"},
         .advance = 26, .hrootAfter = 11},
        {.run = "√", .ops = {"polyline 4 3 5 104 236 108 224 116 240 124 196 132 196"},
         .advance = 28, .hrootAfter = 1},
        {.run = "!", .ops = {"polyline 4 3 5 104 236 108 224 116 240 124 196 132 196"},
         .advance = 28, .hrootAfter = 1},
        {.run = "&", .ops = {"polyline 4 5 5 104 240 125 240 132 208 111 208 104 240"},
         .advance = 36},
        {.run = "＃", .ops = {"polyline 4 5 5 110 208 104 236 126 236 132 208 110 208"},
         .advance = 36},
        {.run = "&", .bun = 1,
         .ops = {"polyline 4 5 5 104 240 125 240 132 208 111 208 104 240"}, .advance = 36},
        // Full stop, prime and degree, equals: the same in and out of fractions.
        {.run = ".", .ops = {"text 97 214 3 2 4 \".\" ゴシック 16 bold"}, .advance = 8},
        {.run = ".", .bun = 1, .ops = {"text 97 214 3 2 4 \".\" ゴシック 16 bold"}, .advance = 8},
        {.run = ".", .jyou = 1, .ops = {"text 97 214 3 2 4 \".\" ゴシック 16 bold"},
         .advance = 8, .jyouAfter = 1},
        {.run = "'", .ops = {"text 100 200 3 3 4 \"'\" ゴシック 16 bold"}, .advance = 12},
        {.run = "°", .ops = {"text 100 200 3 3 4 \"°\" ゴシック 16 bold"}, .advance = 12},
        {.run = "%", .ops = {"text 100 200 3 3 4 \"°\" ゴシック 16 bold"}, .advance = 12},
        {.run = "%", .bun = 1, .ops = {"text 100 200 3 3 4 \"°\" ゴシック 16 bold"},
         .advance = 12},
        {.run = "=", .ops = {"text 104 200 3 3 4 \"=\" ゴシック 14 bold"}, .advance = 32},
        {.run = "=", .bun = 1, .ops = {"text 104 200 3 3 4 \"=\" ゴシック 14 bold"},
         .advance = 32},
        {.run = "=", .jyou = 1, .ops = {"text 104 200 3 3 4 \"=\" ゴシック 14 bold"},
         .advance = 32, .jyouAfter = 1},
        // Small raised text, then exponents.
        {.run = "3", .jyouk = 1, .ops = {"text 100 190 6 3 4 \"3\" ゴシック 8 bold"},
         .advance = 24, .jyoukAfter = 0},
        {.run = "3", .bun = 1, .jyouk = 1, .ops = {"text 100 190 6 3 4 \"3\" ゴシック 8 bold"},
         .advance = 24, .jyoukAfter = 0},
        {.run = "3", .jyou = 1, .jyouk = 1, .ops = {"text 100 190 6 3 4 \"3\" ゴシック 8 bold"},
         .advance = 24, .jyouAfter = 1, .jyoukAfter = 0},
        {.run = "実", .jyouk = 1, .ops = {"text 100 190 6 3 4 \"実\" ゴシック 8 bold"},
         .advance = 24, .jyoukAfter = 0},
        {.run = "2", .bun = 1, .jyou = 1, .ops = {"text 100 196 6 3 4 \"2\" ゴシック 8 bold"},
         .advance = 24, .jyouAfter = 0},
        {.run = "2", .jyou = 1, .ops = {"text 100 200 3 2 4 \"2\" ゴシック 16 bold"},
         .advance = 24, .jyouAfter = 0},
        {.run = " ", .jyou = 1, .ops = {"text 100 200 3 2 4 \" \" ゴシック 16 bold"},
         .advance = 24, .jyouAfter = 0},
        {.run = "x", .jyou = 1, .ops = {"text 100 200 3 2 4 \"x\" ゴシック 16 bold"},
         .advance = 24, .jyouAfter = 0},
        // Italic letters and the script l.
        {.run = "x", .bun = 1, .ops = {"text 104 184 12 5 4 \"x\" Times New Roman 8 bold italic"},
         .advance = 32},
        {.run = "a", .ops = {"text 104 178 10 7 4 \"a\" Times New Roman 8 bold italic"},
         .advance = 27},
        {.run = "x", .ops = {"text 104 178 10 7 4 \"x\" Times New Roman 8 bold italic"},
         .advance = 27},
        {.run = "c", .ops = {"text 104 178 10 7 4 \"c\" Times New Roman 8 bold italic"},
         .advance = 27},
        {.run = "l", .ops = {"text 100 200 6 3 4 \"l\" MT Extra 16 bold"}, .advance = 32},
        {.run = "l", .bun = 1, .ops = {"text 100 200 6 3 4 \"l\" MT Extra 16 bold"},
         .advance = 32},
        // Minus and plus bars.
        {.run = "-", .bun = 1, .ops = {"line 106 214 126 214 4 5"}, .advance = 32},
        {.run = "+", .bun = 1, .ops = {"line 106 214 126 214 4 5", "line 116 204 116 224 4 5"},
         .advance = 32},
        {.run = "-", .ops = {"line 104 220 123 220 4 5"}, .advance = 27},
        {.run = "+", .ops = {"line 104 222 123 222 4 5", "line 113 210 113 234 4 5"},
         .advance = 27},
        // Operator signs: narrow on a line, full-width in a fraction.
        {.run = "*", .ops = {"text 96 200 2 3 4 \"×\" ゴシック 16 bold"}, .advance = 27},
        {.run = "/", .ops = {"text 96 200 2 3 4 \"÷\" ゴシック 16 bold"}, .advance = 27},
        {.run = "@", .ops = {"text 96 200 2 3 4 \"±\" ゴシック 16 bold"}, .advance = 27},
        {.run = "×", .ops = {"text 96 200 2 3 4 \"×\" ゴシック 16 bold"}, .advance = 27},
        {.run = "/", .bun = 1, .ops = {"text 100 200 3 3 4 \"÷\" ゴシック 11 bold"}, .advance = 38},
        {.run = "±", .bun = 1, .ops = {"text 100 200 3 3 4 \"±\" ゴシック 11 bold"}, .advance = 38},
        // Blanks, full-width and half-width characters.
        {.run = " ", .advance = 27},
        {.run = " ", .bun = 1, .advance = 27},
        {.run = "実", .bun = 1, .ops = {"text 100 200 3 3 4 \"実\" ゴシック 11 bold"},
         .advance = 38},
        {.run = "実", .ops = {"text 100 200 2 3 4 \"実\" ゴシック 16 bold"}, .advance = 34},
        {.run = "①", .ops = {"text 100 200 2 3 4 \"①\" ゴシック 16 bold"}, .advance = 34},
        {.run = "…", .ops = {"text 100 200 2 3 4 \"…\" ゴシック 16 bold"}, .advance = 34},
        {.run = "　", .ops = {"text 100 200 2 3 4 \"　\" ゴシック 16 bold"}, .advance = 34},
        {.run = "2", .bun = 1, .ops = {"text 100 200 4 2 4 \"2\" ゴシック 16 bold"}, .advance = 32},
        {.run = "ｱ", .bun = 1, .ops = {"text 100 200 4 2 4 \"ｱ\" ゴシック 16 bold"}, .advance = 32},
        {.run = "2", .ops = {"text 100 200 3 3 4 \"2\" ゴシック 16 bold"}, .advance = 27},
        {.run = "y", .ops = {"text 100 200 3 3 4 \"y\" ゴシック 16 bold"}, .advance = 27},
        {.run = "ｱ", .ops = {"text 100 200 3 3 4 \"ｱ\" ゴシック 16 bold"}, .advance = 27},
        {.run = "(", .ops = {"text 100 200 3 3 4 \"(\" ゴシック 16 bold"}, .advance = 27},
    };
    return table;
}

void ExpectFlags(const Program& p, const GlyphCase& c) {
    EXPECT_EQ(p.JYOU, c.jyouAfter < 0 ? c.jyou : c.jyouAfter);
    EXPECT_EQ(p.JYOUK, c.jyoukAfter < 0 ? c.jyouk : c.jyoukAfter);
    EXPECT_EQ(p.HROOT, c.hrootAfter < 0 ? c.hroot : c.hrootAfter);
}

}  // namespace

TEST(FormulaGlyphs, GlyphTableDrawsAndAdvances) {
    for (const GlyphCase& c : GlyphTable()) {
        SCOPED_TRACE(Name(c));
        testing_support::Fixture f;
        Program& p = f.p();
        Prepare(p, c);
        p.A_s = c.run;
        DrawFormulaGlyphs(p);
        EXPECT_EQ(Drawn(f.rt), c.ops);
        EXPECT_EQ(p.X, 100 + c.advance);
        EXPECT_EQ(p.Y, 200);
        ExpectFlags(p, c);
        EXPECT_EQ(p.A_s, Text(c.run));
        EXPECT_EQ(p.BUN, c.bun);
        EXPECT_EQ(f.rt.Font(), (FontState{"ゴシック", 16, false, false}));
        EXPECT_EQ(f.rt.LineWidth(), 2);
    }
}

TEST(FormulaGlyphs, LineGlyphsDrawTheSameThroughDrawFormula) {
    for (const GlyphCase& c : GlyphTable()) {
        if (c.bun == 1) continue;
        SCOPED_TRACE(Name(c));
        testing_support::Fixture f;
        Program& p = f.p();
        Prepare(p, c);
        p.AA_s = c.run;
        DrawFormula(p);
        EXPECT_EQ(Drawn(f.rt), c.ops);
        EXPECT_EQ(p.X, 100 + c.advance);
        ExpectFlags(p, c);
        EXPECT_EQ(f.rt.LineWidth(), 2);
        EXPECT_EQ(p.DR, 2);
    }
}

TEST(FormulaGlyphs, MeasuredWidthIsTheAdvanceInAndOutOfFractions) {
    for (const GlyphCase& c : GlyphTable()) {
        SCOPED_TRACE(Name(c));
        testing_support::Fixture f;
        Program& p = f.p();
        Prepare(p, c);
        p.A_s = c.run;
        MeasureFormulaWidth(p);
        EXPECT_EQ(p.LLT, c.advance);
        ExpectFlags(p, c);  // measuring changes the markup state as drawing does
        EXPECT_TRUE(Drawn(f.rt).empty());
    }
}

TEST(FormulaGlyphs, EmptyRunDrawsNothingAndKeepsTheFlags) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prepare(p, {.run = "", .jyou = 1, .jyouk = 1, .hroot = 1});
    p.A_s = "";
    DrawFormulaGlyphs(p);
    EXPECT_TRUE(f.rt.Ops().empty());
    EXPECT_EQ(p.X, 100);
    EXPECT_EQ(p.JYOU, 1);
    EXPECT_EQ(p.JYOUK, 1);
    EXPECT_EQ(p.HROOT, 1);
    EXPECT_EQ(p.TXM, 100);
}

TEST(FormulaGlyphs, RootBarRunsFromTheSignToEachGlyphUntilClosed) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prepare(p, {.run = ""});
    p.A_s = "√3ﾝ+1";
    DrawFormulaGlyphs(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "polyline 4 3 5 104 236 108 224 116 240 124 196 132 196",
                               "text 128 200 3 3 4 \"3\" ゴシック 16 bold",
                               "line 128 196 155 196 4 3",
                               "line 159 222 178 222 4 5",
                               "line 168 210 168 234 4 5",
                               "text 182 200 3 3 4 \"1\" ゴシック 16 bold",
                           }));
    EXPECT_EQ(p.X, 209);
    EXPECT_EQ(p.HROOT, 0);
    EXPECT_EQ(p.TXM, 209);
    EXPECT_EQ(f.rt.LineWidth(), 2);
}

TEST(FormulaGlyphs, RootInAFractionPartHasItsBarSixAbove) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prepare(p, {.run = "", .bun = 1});
    p.A_s = "√2ﾝ";
    DrawFormulaGlyphs(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "polyline 4 3 5 104 224 108 213 116 229 124 194 126 194",
                               "text 126 200 4 2 4 \"2\" ゴシック 16 bold",
                               "line 126 194 158 194 4 3",
                           }));
    EXPECT_EQ(p.X, 158);
    EXPECT_EQ(p.HROOT, 0);
}

TEST(FormulaGlyphs, RootLeftOpenExtendsIntoLaterCalls) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prepare(p, {.run = ""});
    p.AA_s = "√3";
    DrawFormula(p);
    EXPECT_EQ(p.HROOT, 1);
    f.rt.ClearOps();

    // The next line, lower down: every glyph redraws the bar from the sign.
    p.X = 100;
    p.Y = 300;
    p.AA_s = "45";
    DrawFormula(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "text 100 300 3 3 4 \"4\" ゴシック 16 bold",
                               "line 128 296 127 296 4 3",
                               "text 127 300 3 3 4 \"5\" ゴシック 16 bold",
                               "line 128 296 154 296 4 3",
                           }));
    f.rt.ClearOps();

    p.AA_s = "ﾝ6";
    DrawFormula(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{"text 154 300 3 3 4 \"6\" ゴシック 16 bold"}));
    EXPECT_EQ(p.HROOT, 0);
}

TEST(FormulaGlyphs, ParallelogramUnderARootInterruptsTheBar) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prepare(p, {.run = ""});
    p.A_s = "√2&3ﾝ";
    DrawFormulaGlyphs(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "polyline 4 3 5 104 236 108 224 116 240 124 196 132 196",
                               "text 128 200 3 3 4 \"2\" ゴシック 16 bold",
                               "line 128 196 155 196 4 3",
                               "polyline 4 5 5 159 240 180 240 187 208 166 208 159 240",
                               "text 191 200 3 3 4 \"3\" ゴシック 16 bold",
                               "line 191 196 218 196 4 3",
                           }));
}

TEST(FormulaGlyphs, ScriptLLeavesTheRestOfTheRunThinUntilAnEquals) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prepare(p, {.run = "", .bun = 1});
    p.A_s = "3l2=2";
    DrawFormulaGlyphs(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "text 100 200 4 2 4 \"3\" ゴシック 16 bold",
                               "text 132 200 6 3 4 \"l\" MT Extra 16 bold",
                               "text 164 200 4 2 4 \"2\" ゴシック 16",
                               "text 200 200 3 3 4 \"=\" ゴシック 14 bold",
                               "text 228 200 4 2 4 \"2\" ゴシック 16 bold",
                           }));
    EXPECT_EQ(p.X, 260);
}

TEST(FormulaGlyphs, SentencesAndRunsAdvanceByTheirGlyphs) {
    testing_support::Fixture f;
    Program& p = f.p();
    const auto width = [&](const char* run, float bun) {
        Prepare(p, {.run = ""});
        p.BUN = bun;
        p.A_s = run;
        DrawFormulaGlyphs(p);
        return p.X - 100;
    };
    EXPECT_EQ(width("問題提示", 0), 136);
    EXPECT_EQ(width("問題提示", 1), 152);
    EXPECT_EQ(width("^23", 0), 24 + 27);
    EXPECT_EQ(width("\\3^2", 1), 24 + 24);
    EXPECT_EQ(p.B_s, Text("2"));
    EXPECT_EQ(width("2.5", 0), 27 + 8 + 27);
    EXPECT_EQ(p.TA2, 1);
    EXPECT_EQ(width("2x", 0), 27 + 27);
    EXPECT_EQ(p.B_s, Text());  // an italic letter leaves B$ empty
}

TEST(FormulaGlyphs, DivisionOutsideFractionsIsTheDivisionSign) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prepare(p, {.run = ""});
    p.AA_s = "(57+58)/2=115/2=";
    DrawFormula(p);
    EXPECT_EQ(testing_support::JoinedText(f.rt.Ops()), "(5758)÷2=115÷2=");
    // 12 half-width glyphs, a plus bar, two signs and two equals.
    EXPECT_EQ(p.X, 100 + 11 * 27 + 27 + 2 * 27 + 2 * 32);
    EXPECT_TRUE(p.AA_s.Empty());
}
