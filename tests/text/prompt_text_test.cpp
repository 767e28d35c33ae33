#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessonlib/text/formula.h"
#include "lessonlib/text/prompt_text.h"
#include "tests/support/test_support.h"
#include "tests/text/op_description.h"

using namespace lesson;
using text_tests::Drawn;
using Ops = std::vector<std::string>;

namespace {

Text Mapped(Program& p, const Text& key) {
    p.B_s = key;
    MapSymbolKey(p);
    return p.B_s;
}

Text MappedEach(Program& p, const Text& keys) {
    Text out;
    for (char32_t c : keys.Chars()) out += Mapped(p, Text::FromChar(c));
    return out;
}

// Draws a prompt text from (x, 666) in colour 9 with the caller's line width 2.
void Prompt(Program& p, const Text& text, float x) {
    p.X = x;
    p.Y = 666;
    p.CCC1 = 9;
    p.rt.SetLineWidth(2);
    p.AA_s = text;
    DrawPromptText(p);
}

// One key echoed the way the number entry does: its own pen follows XT.
void Echo(Program& p, const Text& key) {
    p.A_s = key;
    DrawPromptChars(p);
    p.X = p.XT;
}

}  // namespace

TEST(SymbolKeys, BothTablesMapEveryKey) {
    testing_support::Fixture f;
    Program& p = f.p();
    EXPECT_EQ(MappedEach(p, "XYABCDEFGHIJKLMNOPQRSTUVWZ"),
              Text("ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ"));
    EXPECT_EQ(MappedEach(p, "0123456789*/+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:"),
              Text("０１２３４５６７８９×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△："));
    EXPECT_EQ(Mapped(p, " "), Text("　"));
    EXPECT_EQ(p.N1, 1);
    EXPECT_EQ(p.N, 0);  // the first table's glyph is final
    EXPECT_EQ(Mapped(p, "-"), Text("－"));
    EXPECT_EQ(p.N1, 0);
    EXPECT_EQ(p.N, 16);
}

TEST(SymbolKeys, CharactersOutsideTheTablesStay) {
    testing_support::Fixture f;
    Program& p = f.p();
    for (const char* c : {"z", "#", ";", "_", "{", "|", "}", "\"", "\\", "`", "ｱ", "ﾝ", "実",
                          "Ａ", "①", "×"})
        EXPECT_EQ(Mapped(p, c), Text(c)) << c;
    EXPECT_EQ(Mapped(p, ""), Text());
    EXPECT_EQ(p.HENK3_s.Size(), 60u);
    EXPECT_EQ(p.HENK2_s.Size(), 27u);
}

TEST(PromptText, SubMenuLineAtTheFixedPitch) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prompt(p, " ①問題提示　②ヒストグラム　③終了", 16);
    const auto ops = testing_support::VisibleOps(f.rt);
    // The leading blank takes a step and draws nothing; every other
    // character, the full-width blanks too, stands 16 after the one before.
    ASSERT_EQ(ops.size(), 17u);
    for (std::size_t k = 0; k < ops.size(); ++k) {
        EXPECT_EQ(ops[k].points[0].x, 32 + 16 * float(k)) << k;
        EXPECT_EQ(ops[k].points[0].y, 666);
        EXPECT_EQ(ops[k].colour, 9);
        EXPECT_EQ(ops[k].hscale, 1);
        EXPECT_TRUE(ops[k].font.bold);
    }
    EXPECT_EQ(ops[0].text, Text("①"));
    EXPECT_EQ(ops[5].text, Text("　"));
    EXPECT_EQ(p.X, 16 + 18 * 16);
    EXPECT_TRUE(p.AA_s.Empty());
    EXPECT_EQ(p.LEM, 0);
    EXPECT_EQ(f.rt.LineWidth(), 2);
    EXPECT_EQ(f.rt.Font().face, Text("ｺﾞｼｯｸ"));  // the face is the caller's
}

TEST(PromptText, KeyboardCharactersBecomeFullWidthGlyphs) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prompt(p, " ①P183Q　②", 16);
    EXPECT_EQ(testing_support::JoinedText(f.rt.Ops()), "①Ｐ１８３Ｑ　②");
    const auto ops = testing_support::VisibleOps(f.rt);
    for (std::size_t k = 1; k <= 5; ++k) {
        EXPECT_EQ(ops[k].points[0].x, 32 + 16 * float(k));
        EXPECT_EQ(ops[k].points[0].y, 666);
    }
    f.rt.ClearOps();
    Prompt(p, "AXxyz", 0);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "text 0 666 1 1 9 \"Α\" ｺﾞｼｯｸ 16 bold",
                               "text 16 666 1 1 9 \"Ｘ\" ｺﾞｼｯｸ 16 bold",
                               "text 32 666 1 1 9 \"χ\" ｺﾞｼｯｸ 16 bold",
                               "text 48 666 1 1 9 \"ｙ\" ｺﾞｼｯｸ 16 bold",
                               "text 64 662 1 1 9 \"z\" ｺﾞｼｯｸ 16 bold",
                           }));
    EXPECT_EQ(p.X, 80);
}

TEST(PromptText, EchoedKeysWithTheKernedFullStop) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 1056;
    p.Y = 648;
    p.CCC1 = 5;
    for (const char* key : {"3", ".", "5", "-", "/"}) Echo(p, key);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "text 1056 648 1 1 5 \"３\" ｺﾞｼｯｸ 16 bold",
                               "text 1068 648 1 1 5 \"．\" ｺﾞｼｯｸ 16 bold",
                               "text 1072 648 1 1 5 \"５\" ｺﾞｼｯｸ 16 bold",
                               "text 1088 648 1 1 5 \"－\" ｺﾞｼｯｸ 16 bold",
                               "text 1104 648 1 1 5 \"÷\" ｺﾞｼｯｸ 16 bold",
                           }));
    EXPECT_EQ(p.XT, 1120);
    EXPECT_EQ(p.X, 1120);

    // A full stop written as "．" is kerned too.
    f.rt.ClearOps();
    p.X = 0;
    p.Y = 100;
    p.AA_s = "1．2";
    DrawPromptText(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "text 0 100 1 1 5 \"１\" ｺﾞｼｯｸ 16 bold",
                               "text 12 100 1 1 5 \"．\" ｺﾞｼｯｸ 16 bold",
                               "text 16 100 1 1 5 \"２\" ｺﾞｼｯｸ 16 bold",
                           }));
    EXPECT_EQ(p.X, 32);
}

TEST(PromptText, CaretLetsOneCharacterThroughUnmapped) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prompt(p, "^2^^3^.4", 0);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "text 0 662 1 1 9 \"2\" ｺﾞｼｯｸ 16 bold",
                               "text 16 662 1 1 9 \"3\" ｺﾞｼｯｸ 16 bold",
                               "text 32 662 1 1 9 \".\" ｺﾞｼｯｸ 16 bold",
                               "text 48 666 1 1 9 \"４\" ｺﾞｼｯｸ 16 bold",
                           }));
    EXPECT_EQ(p.X, 64);
    EXPECT_EQ(p.JYOU, 0);
}

TEST(PromptText, PendingCaretCarriesToTheNextTextAndFormula) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prompt(p, "1^", 0);
    EXPECT_EQ(p.JYOU, 1);
    f.rt.ClearOps();
    Echo(p, "7");  // the next echoed key is drawn as typed
    EXPECT_EQ(Drawn(f.rt), (Ops{"text 16 662 1 1 9 \"7\" ｺﾞｼｯｸ 16 bold"}));
    EXPECT_EQ(p.JYOU, 0);

    // A formula ending in "^" leaves the flag for the next prompt too.
    p.AA_s = "x^";
    p.X = 0;
    p.Y = 300;
    DrawFormula(p);
    EXPECT_EQ(p.JYOU, 1);
    f.rt.ClearOps();
    Prompt(p, "88", 0);
    EXPECT_EQ(testing_support::JoinedText(f.rt.Ops()), "8８");
}

TEST(PromptText, CharsStripBlanksAndEmptyTextTakesAStep) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 100;
    p.Y = 200;
    p.A_s = "1 2  3";
    DrawPromptChars(p);
    EXPECT_EQ(testing_support::JoinedText(f.rt.Ops()), "１２３");
    EXPECT_EQ(p.XT, 148);
    EXPECT_EQ(p.X, 100);
    EXPECT_EQ(p.A_s, Text("123"));
    EXPECT_EQ(p.I, 4);
    EXPECT_TRUE(f.rt.Font().bold);

    f.rt.ClearOps();
    for (const char* text : {"", " "}) {
        p.A_s = text;
        DrawPromptChars(p);
        EXPECT_TRUE(f.rt.Ops().empty());
        EXPECT_EQ(p.XT, 116);
        EXPECT_EQ(p.I, 2);
    }

    p.AA_s = "";
    DrawPromptText(p);
    EXPECT_EQ(p.X, 100);
    EXPECT_TRUE(f.rt.Ops().empty());
}
