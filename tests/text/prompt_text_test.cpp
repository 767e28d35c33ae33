#include <gtest/gtest.h>

#include "lessonlib/text/formula.h"
#include "lessonlib/text/prompt_text.h"
#include "tests/support/test_support.h"
#include "tests/text/op_description.h"

using namespace lesson;
using testing_support::JoinedText;
using text_tests::Drawn;

namespace {

// Draws a prompt text from (x, 666) in colour 9.
void Prompt(Program& p, const Text& text, float x) {
    p.X = x;
    p.Y = 666;
    p.CCC1 = 9;
    p.AA_s = text;
    DrawPromptText(p);
}

}  // namespace

TEST(SymbolKeys, EveryKeyMapsToItsGlyphAndOtherCharactersStay) {
    testing_support::Fixture f;
    Program& p = f.p();
    const auto mapped = [&](const Text& keys) {
        Text out;
        for (char32_t c : keys.Chars()) {
            p.B_s = Text::FromChar(c);
            MapSymbolKey(p);
            out += p.B_s;
        }
        return out;
    };
    EXPECT_EQ(mapped(" XYABCDEFGHIJKLMNOPQRSTUVWZ"),
              Text("　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ"));
    EXPECT_EQ(mapped("0123456789*/+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:"),
              Text("０１２３４５６７８９×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△："));
    EXPECT_EQ(mapped("z#;_{|}\"\\`ｱﾝ実Ａ①×"), Text("z#;_{|}\"\\`ｱﾝ実Ａ①×"));
    EXPECT_EQ(mapped(""), Text());
}

TEST(PromptText, SubMenuLineAtTheFixedPitch) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prompt(p, " ①問題提示　②ヒストグラム　③終了", 16);
    // The leading blank takes a step and draws nothing; every other
    // character, the full-width blanks too, stands 16 after the one before.
    const auto ops = testing_support::VisibleOps(f.rt);
    ASSERT_EQ(ops.size(), 17u);
    for (std::size_t k = 0; k < ops.size(); ++k) EXPECT_EQ(ops[k].points[0].x, 32 + 16 * float(k));
    EXPECT_EQ(JoinedText(ops), "①問題提示　②ヒストグラム　③終了");
    EXPECT_EQ(p.X, 16 + 18 * 16);
}

TEST(PromptText, EchoedKeysWithTheKernedFullStop) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 1056;
    p.Y = 648;
    p.CCC1 = 5;
    f.rt.SetLineWidth(2);
    for (const char* key : {"3", ".", "5", "．", "2"}) {  // as the number entry echoes them
        p.A_s = key;
        DrawPromptChars(p);
        p.X = p.XT;
    }
    EXPECT_EQ(Drawn(f.rt),
              "text 1056 648 1 1 5 \"３\" ｺﾞｼｯｸ 16 bold; text 1068 648 1 1 5 \"．\" ｺﾞｼｯｸ 16 bold; "
              "text 1072 648 1 1 5 \"５\" ｺﾞｼｯｸ 16 bold; text 1084 648 1 1 5 \"．\" ｺﾞｼｯｸ 16 bold; "
              "text 1088 648 1 1 5 \"２\" ｺﾞｼｯｸ 16 bold");
    EXPECT_EQ(p.X, 1104);
    EXPECT_EQ(f.rt.LineWidth(), 2);
}

TEST(PromptText, CaretLetsOneCharacterThroughUnmapped) {
    testing_support::Fixture f;
    Program& p = f.p();
    // A one-byte glyph stands 4 higher.
    Prompt(p, "^2^^3^.4", 0);
    EXPECT_EQ(Drawn(f.rt),
              "text 0 662 1 1 9 \"2\" ｺﾞｼｯｸ 16 bold; text 16 662 1 1 9 \"3\" ｺﾞｼｯｸ 16 bold; "
              "text 32 662 1 1 9 \".\" ｺﾞｼｯｸ 16 bold; text 48 666 1 1 9 \"４\" ｺﾞｼｯｸ 16 bold");
    EXPECT_EQ(p.X, 64);

    // A formula ending in "^" leaves the caret pending for the next prompt.
    f.rt.ClearOps();
    p.AA_s = "x^";
    DrawFormula(p);
    Prompt(p, "88", 0);
    EXPECT_EQ(JoinedText(f.rt.Ops()), "x8８");
}
