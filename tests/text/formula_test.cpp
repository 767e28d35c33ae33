#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessonlib/text/formula.h"
#include "tests/support/test_support.h"
#include "tests/text/op_description.h"

using namespace lesson;
using text_tests::Drawn;
using Ops = std::vector<std::string>;

namespace {

// Draws a formula line from (100, 200) in colour 4 with the caller's line
// width 2, the markup state cleared.
void Draw(Program& p, const Text& line) {
    p.X = 100;
    p.Y = 200;
    p.CCC1 = 4;
    p.JYOU = p.JYOUK = p.HROOT = p.BUN = 0;
    p.rt.SetLineWidth(2);
    p.AA_s = line;
    DrawFormula(p);
}

float Measure(Program& p, const Text& text) {
    p.A_s = text;
    MeasureFormulaWidth(p);
    return p.LLT;
}

// The fraction bars drawn (line width 4), as "x1-x2".
std::vector<std::string> Bars(const platform::HeadlessRuntime& rt) {
    std::vector<std::string> out;
    for (const DrawOp& op : testing_support::VisibleOps(rt))
        if (op.kind == DrawOp::Kind::Line && op.lineWidth == 4)
            out.push_back(platform::FormatNumber(op.points[0].x) + "-" +
                          platform::FormatNumber(op.points[1].x));
    return out;
}

}  // namespace

TEST(Fractions, EqualPartsStackOnABarOfTheirWidth) {
    testing_support::Fixture f;
    Program& p = f.p();
    Draw(p, "ﾀ1/6ﾀ");
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "line 100 225 132 225 4 4",
                               "text 100 228 4 2 4 \"6\" ゴシック 16 bold",
                               "text 100 190 4 2 4 \"1\" ゴシック 16 bold",
                           }));
    EXPECT_EQ(p.X, 132);
    EXPECT_EQ(p.Y, 200);
    EXPECT_EQ(p.BUN, 0);
    EXPECT_EQ(p.LLT, 32);
    EXPECT_EQ(f.rt.LineWidth(), 2);
    EXPECT_EQ(p.DR, 2);
    EXPECT_TRUE(p.AA_s.Empty());
}

TEST(Fractions, NarrowerPartIsCentred) {
    testing_support::Fixture f;
    Program& p = f.p();
    Draw(p, "ﾀ1/12ﾀ");
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "line 100 225 164 225 4 4",
                               "text 100 228 4 2 4 \"1\" ゴシック 16 bold",
                               "text 132 228 4 2 4 \"2\" ゴシック 16 bold",
                               "text 116 190 4 2 4 \"1\" ゴシック 16 bold",
                           }));
    EXPECT_EQ(p.X, 164);
    EXPECT_EQ(p.TBSI1, 16);
    EXPECT_EQ(p.TBBO1, 0);
}

TEST(Fractions, DenominatorHeightFollowsRootsAndPowers) {
    const struct {
        const char* line;
        float top;  // the denominator's pen
    } cases[] = {
        {"ﾀ1/3ﾀ", 228},     {"ﾀ実/3ﾀ", 228},     {"ﾀ1/3^2ﾀ", 236},
        {"ﾀ1/3√2ﾝﾀ", 244}, {"ﾀ1/3!2ﾝﾀ", 236},   {"ﾀ√2ﾝ/3ﾀ", 236},
        {"ﾀ!2ﾝ/3ﾀ", 236},  {"ﾀ√2ﾝ/3^2ﾀ", 244}, {"ﾀ1/3\\2ﾀ", 228},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        testing_support::Fixture f;
        Program& p = f.p();
        // A glyph drawn before leaves the glyph layer's scratch set.
        Draw(p, Text("実") + Text(c.line));
        const auto texts = testing_support::TextOps(testing_support::VisibleOps(f.rt));
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[1].text, Text("3"));
        EXPECT_EQ(texts[1].points[0].y, c.top);
        EXPECT_EQ(p.BUN, 0);
        EXPECT_EQ(f.rt.LineWidth(), 2);
    }
}

TEST(Fractions, FractionsFollowEachOtherWithoutGaps) {
    testing_support::Fixture f;
    Program& p = f.p();
    Draw(p, "ﾀ36/36ﾀ-ﾀ4/36ﾀ=ﾀ32/36ﾀ");
    EXPECT_EQ(Bars(f.rt), (Ops{"100-164", "191-255", "287-351"}));
    EXPECT_EQ(p.X, 351);

    f.rt.ClearOps();
    Draw(p, "ﾀ2/4ﾀ=ﾀ1/2ﾀ");
    EXPECT_EQ(Bars(f.rt), (Ops{"100-132", "164-196"}));
    EXPECT_EQ(Measure(p, "ﾀ2/4ﾀ=ﾀ1/2ﾀ"), 96);
}

TEST(Fractions, SplitAtTheFirstSlash) {
    testing_support::Fixture f;
    Program& p = f.p();
    Draw(p, "ﾀ6/3/2ﾀ");
    EXPECT_EQ(testing_support::JoinedText(testing_support::VisibleOps(f.rt)), "3÷26");
    EXPECT_EQ(Bars(f.rt), (Ops{"100-202"}));  // 32 + 38 + 32

    // Without a slash the whole text is the denominator.
    f.rt.ClearOps();
    Draw(p, "ﾀ12ﾀ");
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "line 100 225 164 225 4 4",
                               "text 100 228 4 2 4 \"1\" ゴシック 16 bold",
                               "text 132 228 4 2 4 \"2\" ゴシック 16 bold",
                           }));
    EXPECT_EQ(p.X, 164);
    f.rt.ClearOps();
    Draw(p, "ﾀ5/ﾀ");
    EXPECT_EQ(Bars(f.rt), (Ops{"100-132"}));
    EXPECT_EQ(p.X, 132);
}

TEST(Fractions, JapanesePartsTakeTheFractionForm) {
    testing_support::Fixture f;
    Program& p = f.p();
    Draw(p, "ﾀ③の場合の数/①の場合の数ﾀ");
    EXPECT_EQ(Bars(f.rt), (Ops{"100-328"}));
    const auto texts = testing_support::TextOps(testing_support::VisibleOps(f.rt));
    ASSERT_EQ(texts.size(), 12u);
    EXPECT_EQ(texts[6].text, Text("③"));
    EXPECT_EQ(texts[6].points[0].y, 190);
    EXPECT_EQ(texts[6].font.size, 11);
}

TEST(FormulaLines, UnclosedFractionMarkIsDropped) {
    testing_support::Fixture f;
    Program& p = f.p();
    Draw(p, "1ﾀ2/3");
    EXPECT_EQ(testing_support::JoinedText(f.rt.Ops()), "12÷3");
    EXPECT_EQ(p.X, 100 + 4 * 27);
}

TEST(FormulaLines, SentenceWithShorthand) {
    testing_support::Fixture f;
    Program& p = f.p();
    const Text line = "x=1 のとき y=8-2*1=8-2=6 だから ";
    Draw(p, line);
    EXPECT_EQ(testing_support::JoinedText(f.rt.Ops()), "x=1のときy=82×1=82=6だから");
    // 12 half-width glyphs and signs, 4 blanks, 4 equals, 6 full-width.
    EXPECT_EQ(p.X, 100 + 12 * 27 + 4 * 27 + 4 * 32 + 6 * 34);
    EXPECT_EQ(Measure(p, line), p.X - 100);
}

TEST(FormulaLines, EmptyLineDrawsNothing) {
    testing_support::Fixture f;
    Program& p = f.p();
    Draw(p, "");
    EXPECT_TRUE(f.rt.Ops().empty());
    EXPECT_EQ(p.X, 100);
    EXPECT_EQ(f.rt.LineWidth(), 2);
    EXPECT_EQ(Measure(p, ""), 0);
}

TEST(FormulaLines, TallRootOverAFractionAndTheGlyphsAfterIt) {
    testing_support::Fixture f;
    Program& p = f.p();
    Draw(p, "#ﾀ1/2ﾀ+1ﾝ");
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "polyline 4 3 5 104 236 108 224 116 260 130 186 138 186",
                               "line 132 225 164 225 4 4",
                               "line 132 186 164 186 4 3",
                               "text 132 228 4 2 4 \"2\" ゴシック 16 bold",
                               "text 132 190 4 2 4 \"1\" ゴシック 16 bold",
                               "line 168 222 187 222 4 5",
                               "line 177 210 177 234 4 5",
                               "line 164 186 191 186 4 3",
                               "text 191 200 3 3 4 \"1\" ゴシック 16 bold",
                               "line 164 186 218 186 4 3",
                           }));
    EXPECT_EQ(p.X, 218);
    EXPECT_EQ(p.HROOT, 0);
    EXPECT_EQ(f.rt.LineWidth(), 2);

    // Closed right after the fraction: its bar spans the wider part.
    f.rt.ClearOps();
    Draw(p, "#ﾀ1/12ﾀﾝ2");
    const auto ops = Drawn(f.rt);
    ASSERT_GE(ops.size(), 3u);
    EXPECT_EQ(ops[2], "line 132 186 196 186 4 3");
    EXPECT_EQ(ops.back(), "text 196 200 3 3 4 \"2\" ゴシック 16 bold");
    EXPECT_EQ(p.HROOT, 0);
}

TEST(Measuring, KeepsTheCallersPenAndText) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 300;
    p.Y = 400;
    p.BUN = 0;
    p.rt.SetLineWidth(2);
    const Text text = "ﾀ1/12ﾀ";
    EXPECT_EQ(Measure(p, text), 64);
    EXPECT_EQ(p.X, 300);
    EXPECT_EQ(p.Y, 400);
    EXPECT_EQ(p.A_s, text);
    EXPECT_EQ(p.XX1, 300);
    EXPECT_EQ(p.YY1, 400);
    EXPECT_EQ(p.AA1_s, text);
    EXPECT_TRUE(p.AA_s.Empty());
    EXPECT_EQ(p.BUN, 0);
    EXPECT_EQ(f.rt.LineWidth(), 2);

    EXPECT_EQ(Measure(p, "ﾀ1/12ﾀ+ﾀ1/2ﾀ"), 64 + 27 + 32);
    EXPECT_EQ(p.X, 300);
    EXPECT_EQ(p.A_s, Text("ﾀ1/12ﾀ+ﾀ1/2ﾀ"));
}

TEST(Measuring, DrawsOnlyInTheMeasuringRow) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 50;
    p.Y = 60;
    Measure(p, "#ﾀ√2ﾝ/3^2ﾀ+√5ﾝ-x=l&");
    ASSERT_FALSE(f.rt.Ops().empty());
    for (const DrawOp& op : f.rt.Ops())
        for (const Point& pt : op.points) EXPECT_GE(pt.y, 1700) << platform::FormatOp(op);
    EXPECT_EQ(p.X, 50);
    EXPECT_EQ(p.Y, 60);
}

TEST(Measuring, WidthIsTheDrawnAdvance) {
    for (const char* line : {"#ﾀ√2ﾝ/3^2ﾀ+√5ﾝ", "ﾀx+1/2ﾀ-ﾀa/3ﾀ", "2^3=8", "x\\2=1.5%"}) {
        SCOPED_TRACE(line);
        testing_support::Fixture f;
        Program& p = f.p();
        p.HROOT = 0;
        const float width = Measure(p, line);
        Draw(p, line);
        EXPECT_EQ(p.X - 100, width);
    }
}
