#include <gtest/gtest.h>

#include <algorithm>

#include "Tallyview/tallyview.h"
#include "tests/support/test_support.h"

using namespace lesson;
using testing_support::RunWalk;

namespace {

// Texts are drawn a character at a time; blanks draw nothing.
bool Drew(const testing_support::Walk& w, const char* text) {
    return testing_support::JoinedText(w.ops).find(text) != std::string::npos;
}

int WholeScreenClears(const testing_support::Walk& w) {
    return static_cast<int>(std::count_if(w.ops.begin(), w.ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::FilledBox && op.points[0].x == 0 && op.points[0].y == 0 &&
               op.points[1].x == 1760 && op.points[1].y == 1800;
    }));
}

}  // namespace

TEST(MainMenu, ExitValueEndsTheProgram) {
    for (const char* keys : {"7\r", "14/2\r", "7.0\r"}) {
        const auto w = RunWalk(tallyview::RunTallyview, keys);
        EXPECT_EQ(w.result.kind, RunResult::Kind::Ended) << keys;
        EXPECT_EQ(w.numberWaits, 1) << keys;
    }
}

TEST(MainMenu, OutOfRangeValuesDrawTheMenuAgain) {
    // Empty, 0, 8, 0.5, 1/2, -3, 6.6 (whole 7, not the exit value), and the
    // zero-denominator typo: each shows the whole menu again.
    const auto w = RunWalk(tallyview::RunTallyview, "\r0\r8\r0.5\r1/2\r-3\r6.6\r5/0\r7\r");
    EXPECT_EQ(w.result.kind, RunResult::Kind::Ended);
    EXPECT_EQ(w.numberWaits, 9);
    // One whole-screen clear per drawing of the menu; none for a chapter.
    EXPECT_EQ(WholeScreenClears(w), 9);
}

TEST(MainMenu, DrawsTitleItemsAndPrompt) {
    const auto w = RunWalk(tallyview::RunTallyview, "7\r");
    const auto texts = testing_support::TextOps(w.ops);
    const std::string all = testing_support::JoinedText(w.ops);
    for (const char* item : {"＜Tallyview　メニュー＞", "1　問題場面", "2　四分位範囲と箱ひげ図",
                             "3　ヒストグラムとのちがい", "4　分布の傾向の比較", "5　章の問題A",
                             "6　章の問題B", "7　終了", "番号を入力して下さい。"}) {
        EXPECT_NE(all.find(item), std::string::npos) << item;
    }
    // The prompt starts at (KAIX - 240, KAIY) in colour 0.
    const auto prompt = std::find_if(texts.begin(), texts.end(),
                                     [](const DrawOp& op) { return op.text == Text("番"); });
    ASSERT_NE(prompt, texts.end());
    EXPECT_EQ(prompt->points[0].x, 816);
    EXPECT_EQ(prompt->points[0].y, 648);
    EXPECT_EQ(prompt->colour, 0);
    // The panel is filled with 10, the heading in 15.
    EXPECT_TRUE(std::any_of(w.ops.begin(), w.ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::FilledBox && op.points[0].x == 22 && op.points[1].x == 1342 &&
               op.fill == 10;
    }));
}

TEST(MainMenu, DispatchUsesTheTestedValue) {
    // 1 starts chapter 1: its aim, then its sub-menu; 3 there leads back.
    auto w = RunWalk(tallyview::RunTallyview, "1\r3\r7\r");
    EXPECT_EQ(w.result.kind, RunResult::Kind::Ended);
    EXPECT_TRUE(Drew(w, "<めあて>"));
    EXPECT_EQ(w.numberWaits, 3);
    // "12/2" is 6, so chapter 6, never chapter 1 or 3; "6/2" is 3, chapter
    // 3 with its own aim, never chapter 6.
    for (const char* keys : {"12/2\r7\r", "-6/-1\r7\r"}) {
        w = RunWalk(tallyview::RunTallyview, keys);
        EXPECT_FALSE(Drew(w, "<めあて>")) << keys;
    }
    w = RunWalk(tallyview::RunTallyview, "6/2\r3\r7\r");
    EXPECT_EQ(w.result.kind, RunResult::Kind::Ended);
    EXPECT_TRUE(Drew(w, "ヒストグラムと箱ひげ図を対応させて考えよう。"));
    w = RunWalk(tallyview::RunTallyview, "1.4\r3\r7\r");  // made whole: chapter 1
    EXPECT_TRUE(Drew(w, "スナック菓子の販売数の傾向を調べよう。"));
}
