#include <gtest/gtest.h>

#include <vector>

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/number_texts.h"
#include "lessonlib/shell/prompts.h"
#include "tests/support/test_support.h"

using namespace lesson;
using testing_support::Fixture;

namespace {

// Runs a sub-menu with k items on `keys`; returns the items chosen in order.
std::vector<int> Choices(const char* keys, int k) {
    Fixture f(keys);
    std::vector<int> chosen;
    std::vector<ItemScreen> items;
    for (int i = 1; i < k; ++i) items.push_back([&chosen, i](Program&) { chosen.push_back(i); });
    try {
        RunSubMenu(f.p(), "①一　②二　③終了", items);
        chosen.push_back(k);  // left through the last item
    } catch (const WindowClosed&) {
        // keys ran out while the line was shown again
    }
    return chosen;
}

bool IsBox(const DrawOp& op, float x1, float y1, float x2, float y2, int border, int fill) {
    return op.kind == DrawOp::Kind::FilledBox && op.points[0].x == x1 && op.points[0].y == y1 &&
           op.points[1].x == x2 && op.points[1].y == y2 && op.colour == border && op.fill == fill;
}

}  // namespace

TEST(SubMenu, RangeAndRounding) {
    // Out of range or empty: the line is shown again, nothing is run.
    EXPECT_EQ(Choices("0.6\r5.2\r0\r\r-3\r", 5), std::vector<int>{});
    EXPECT_EQ(Choices("6\r", 5), std::vector<int>{});
    EXPECT_EQ(Choices("4/2\r", 5), std::vector<int>{2});
    EXPECT_EQ(Choices("8/2\r", 5), std::vector<int>{4});
    EXPECT_EQ(Choices("2.6\r1.4\r", 5), (std::vector<int>{3, 1}));
    EXPECT_EQ(Choices("1\r3\r2\r5\r", 5), (std::vector<int>{1, 3, 2, 5}));
    EXPECT_EQ(Choices("4\r5\r3\r", 3), std::vector<int>{3});
    // A typo with a zero denominator just shows the line again.
    EXPECT_EQ(Choices("5/0\r1\r", 3), std::vector<int>{1});
}

TEST(SubMenu, LineAndStrip) {
    Fixture f("3\r");
    std::vector<ItemScreen> items(2, [](Program&) {});
    RunSubMenu(f.p(), " ①問題提示　②ヒストグラム　③終了", items, 10.0f);
    EXPECT_EQ(f.p().SENTAKU, 3);
    EXPECT_EQ(f.p().AINP, 10);
    const auto texts = testing_support::TextOps(f.rt.Ops());
    // The leading half-width blank takes one cell: "①" stands at x 32.
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, Text("①"));
    EXPECT_EQ(texts[0].points[0].x, 32);
    EXPECT_EQ(texts[0].points[0].y, 666);
    EXPECT_TRUE(IsBox(f.rt.Ops().back(), 0, 657, 992, 720, 15, 15));
}

TEST(KeyWait, RestoresColourAndWidthAndUsesOneKey) {
    Fixture f("abc");
    Program& p = f.p();
    p.CCC1 = 7;
    f.rt.SetLineWidth(5);
    p.II = 3;
    p.JJ = 4;
    WaitAnyKey(p);
    EXPECT_EQ(p.I_s, Text("a"));
    EXPECT_EQ(p.CCC1, 7);
    EXPECT_EQ(f.rt.LineWidth(), 5);
    EXPECT_EQ(p.II, 3);
    EXPECT_EQ(p.JJ, 4);
    EXPECT_EQ(f.rt.KeysLeft(), 2u);  // typed-ahead keys are taken one per wait
    WaitAnyKey(p);
    EXPECT_EQ(p.I_s, Text("b"));

    const auto& ops = f.rt.Ops();
    EXPECT_TRUE(IsBox(ops.front(), 96, 657, 400, 693, 13, 4));
    EXPECT_EQ(ops.front().lineWidth, 3);
    EXPECT_TRUE(IsBox(ops.back(), 0, 657, 400, 693, 15, 15));
    EXPECT_EQ(ops.back().lineWidth, 3);
    const auto texts = testing_support::TextOps(ops);
    EXPECT_EQ(texts.front().points[0].x, 128);
    EXPECT_EQ(texts.front().colour, 9);
    EXPECT_EQ(p.X, 320);  // twelve cells of 16 from 128
}

TEST(Clearing, BoxesAndExtents) {
    Fixture f;
    Program& p = f.p();
    ClearWorkArea(p);
    EXPECT_TRUE(IsBox(f.rt.Ops().back(), 0, 54, 1440, 900, 15, 15));
    ClearAnswerBand(p);
    EXPECT_TRUE(IsBox(f.rt.Ops().back(), 1136, 576, 2576, 666, 15, 15));
    EXPECT_EQ(p.X, 1136);
    EXPECT_EQ(p.Y, 576);
    ClearPromptBandFrom(p, 640);
    EXPECT_TRUE(IsBox(f.rt.Ops().back(), 416, 640, 1472, 690, 15, 15));
    ClearPromptBandFrom(p, 240);
    EXPECT_TRUE(IsBox(f.rt.Ops().back(), 816, 640, 1872, 690, 15, 15));
    ClearBottomStrip(p);
    EXPECT_TRUE(IsBox(f.rt.Ops().back(), 0, 657, 992, 720, 15, 15));
}

TEST(Prompts, PromptAtAnswerPlacesTheText) {
    Fixture f("\r");
    Program& p = f.p();
    p.AA_s = "番号を入力して下さい。";
    PromptAtAnswer(p);
    const auto texts = testing_support::TextOps(f.rt.Ops());
    EXPECT_EQ(texts.front().points[0].x, 1056 - 256);
    EXPECT_EQ(texts.front().colour, 5);
    EXPECT_EQ(texts[10].points[0].x, 1056 - 96);  // the last of 11 cells ends at KAIX - 80
}

TEST(Prompts, FlushKeysAndMessages) {
    Fixture f("xyz");
    FlushKeys(f.p());
    EXPECT_EQ(f.rt.KeysLeft(), 0u);
    EXPECT_EQ(f.p().I_s, Text());

    Fixture m("k1\r");
    Program& p = m.p();
    p.CCC1 = 7;
    m.rt.SetLineWidth(4);
    p.AA_s = "メッセージ";
    ShowMessageWaitKey(p);
    EXPECT_EQ(p.I_s, Text("k"));
    EXPECT_EQ(p.CCC1, 7);
    EXPECT_EQ(m.rt.LineWidth(), 4);
    NextStepPrompt(p);
    EXPECT_EQ(p.AINP, 1);
    EXPECT_EQ(m.rt.LineWidth(), 4);
    EXPECT_TRUE(IsBox(m.rt.Ops().back(), 96, 639, 400, 675, 15, 15));
}

TEST(NumberTexts, ArraysToTexts) {
    Fixture f;
    Program& p = f.p();
    p.T_a(1) = 0.25f;
    p.T_a(2) = -3;
    p.T_a(80) = 57.5f;
    p.T_sa(0) = "kept";
    p.F_a(50) = 12;
    p.U_a(0) = 4;
    p.U_a(21) = 9;
    p.V_sa(20) = "old";
    NumbersToStrings(p);
    EXPECT_EQ(p.T_sa(1), Text(".25"));
    EXPECT_EQ(p.T_sa(2), Text("-3"));
    EXPECT_EQ(p.T_sa(3), Text("0"));
    EXPECT_EQ(p.T_sa(80), Text("57.5"));
    EXPECT_EQ(p.T_sa(0), Text("kept"));
    EXPECT_EQ(p.F_sa(50), Text("12"));
    EXPECT_EQ(p.U_sa(0), Text("4"));
    EXPECT_EQ(p.V_sa(20), Text("0"));
}

TEST(NumberTexts, ProgramWithoutUAndVTexts) {
    platform::HeadlessRuntime rt;
    Program p(rt);
    p.T_a.Dim(80);
    p.T_sa.Dim(80);
    p.F_a.Dim(40);
    p.F_sa.Dim(40);
    p.F_a(40) = 7;
    NumbersToStrings(p);
    EXPECT_EQ(p.F_sa(40), Text("7"));
}

TEST(NumberTexts, SymbolKeyCodes) {
    Fixture f;
    Program& p = f.p();
    p.HHKIG = 99;
    p.I_s = "";
    SymbolKeyCode(p);
    EXPECT_EQ(p.FKIG, 0);
    EXPECT_EQ(p.HHKIG, 99);
    const char* keys[] = {"Q", "W", "E", "R", "T", "@", "I", "[", "]", "S"};
    for (int code = 1; code <= 10; ++code) {
        p.I_s = keys[code - 1];
        SymbolKeyCode(p);
        EXPECT_EQ(p.FKIG, 1);
        EXPECT_EQ(p.HHKIG, code);
    }
    p.I_s = "q";
    SymbolKeyCode(p);
    EXPECT_EQ(p.FKIG, 0);
    EXPECT_EQ(p.HHKIG, 10);
}
