#include <gtest/gtest.h>

#include <algorithm>

#include "Diceway/diceway.h"
#include "lessonlib/shell/run.h"
#include "tests/diceway/diceway_fixture.h"
#include "tests/support/test_support.h"

using namespace lesson;
using testing_support::RunWalk;

namespace {

bool Drew(const testing_support::Walk& w, const char* text) {
    return testing_support::JoinedText(w.ops).find(text) != std::string::npos;
}

int MenusDrawn(const testing_support::Walk& w) {
    // The panel is drawn once per drawing of the menu.
    return static_cast<int>(std::count_if(w.ops.begin(), w.ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::FilledBox && op.points[0].x == 22 && op.points[0].y == 10 &&
               op.points[1].x == 1342 && op.points[1].y == 610 && op.fill == 10;
    }));
}

const DrawOp* FirstText(const std::vector<DrawOp>& ops, const char* text) {
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Text && op.text == Text(text)) return &op;
    return nullptr;
}

}  // namespace

TEST(DicewayMenu, ExitValueEndsTheProgramAtOnce) {
    for (const char* keys : {"10\r", "010\r", "10.0\r", "20/2\r"}) {
        const auto w = RunWalk(diceway::RunDiceway, keys);
        EXPECT_EQ(w.result.kind, RunResult::Kind::Ended) << keys;
        EXPECT_EQ(w.numberWaits, 1) << keys;
        // Nothing is drawn after the prompt band is erased.
        ASSERT_FALSE(w.ops.empty());
        const DrawOp& last = w.ops.back();
        EXPECT_EQ(last.kind, DrawOp::Kind::FilledBox) << keys;
        EXPECT_EQ(last.points[0].x, 1056 - 240) << keys;
        EXPECT_EQ(last.points[0].y, 648 - 8) << keys;
        EXPECT_EQ(last.points[1].x, 1056 - 240 + 1056) << keys;
        EXPECT_EQ(last.points[1].y, 648 - 8 + 50) << keys;
    }
}

TEST(DicewayMenu, NumbersThatAreNoChapterShowTheMenuAgain) {
    // Empty, 0, -3, 11, 1/2, the zero-denominator typo 5/0, the blank item
    // 9, and 9.6 (whole 10, but not the exit value).
    const auto w = RunWalk(diceway::RunDiceway, "\r0\r-3\r11\r1/2\r5/0\r9\r9.6\r10\r");
    EXPECT_EQ(w.result.kind, RunResult::Kind::Ended);
    EXPECT_EQ(w.numberWaits, 9);
    EXPECT_EQ(MenusDrawn(w), 9);
    EXPECT_FALSE(Drew(w, "<めあて>"));
}

TEST(DicewayMenu, BlankItemLeadsBackToTheMenu) {
    const auto w = RunWalk(diceway::RunDiceway, "9\r9\r10\r");
    EXPECT_EQ(w.result.kind, RunResult::Kind::Ended);
    EXPECT_EQ(MenusDrawn(w), 3);
    EXPECT_EQ(w.keyWaits, 0);
}

TEST(DicewayMenu, ChapterIsTheTestedValueMadeWhole) {
    // 3/3 and 1.4 open chapter 1; 4/2 is 2 and 12/3 is 4, never chapter 1
    // (nor an item beyond the table).
    for (const char* keys : {"3/3\r3\r10\r", "1.4\r3\r10\r"}) {
        const auto w = RunWalk(diceway::RunDiceway, keys);
        EXPECT_EQ(w.result.kind, RunResult::Kind::Ended) << keys;
        EXPECT_TRUE(Drew(w, "<めあて>")) << keys;
        EXPECT_EQ(MenusDrawn(w), 2) << keys;
    }
    // Chapter 2's sub-menu ends at item 5, chapter 4's at item 7.
    for (const char* keys : {"4/2\r5\r10\r", "12/3\r7\r10\r"}) {
        const auto w = RunWalk(diceway::RunDiceway, keys);
        EXPECT_EQ(w.result.kind, RunResult::Kind::Ended) << keys;
        EXPECT_FALSE(Drew(w, "さいころの実験")) << keys;
        EXPECT_EQ(MenusDrawn(w), 2) << keys;
    }
}

TEST(DicewayMenu, LayoutOfHeadingItemsAndPrompt) {
    const auto w = RunWalk(diceway::RunDiceway, "10\r");
    const std::string all = testing_support::JoinedText(w.ops);
    for (const char* item : {"1　確率実験", "2　確率の求め方", "3　樹形図", "4　いろいろな確率",
                             "5　基本の問題", "6　確率による説明", "7　章の問題A", "8　章の問題B",
                             "9　", "10終了"}) {
        EXPECT_NE(all.find(item), std::string::npos) << item;
    }
    struct Expect {
        const char* glyph;
        float x, y;
        int colour;
    };
    for (const Expect& e : {Expect{"＜", 264, 30, 15}, Expect{"1", 44, 120, 13}, Expect{"2", 44, 180, 15},
                            Expect{"8", 44, 540, 15}, Expect{"9", 660, 120, 13},
                            Expect{"番", 816, 648, 0}}) {
        const DrawOp* op = FirstText(w.ops, e.glyph);
        ASSERT_NE(op, nullptr) << e.glyph;
        EXPECT_EQ(op->colour, e.colour) << e.glyph;
        EXPECT_EQ(op->points[0].y, e.y) << e.glyph;
        if (e.x != 660) EXPECT_EQ(op->points[0].x, e.x) << e.glyph;
        else EXPECT_GT(op->points[0].x, 660) << e.glyph;  // " 9" starts with a blank
    }
    // The field's label "入力" stands left of the typed digits.
    EXPECT_TRUE(std::any_of(w.ops.begin(), w.ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Text && op.text == Text("入") && op.points[0].x == 1008 &&
               op.points[0].y == 648;
    }));
    // The prompt is drawn twice in the same place, once by the menu and once
    // by the number prompt.
    const auto prompts = std::count_if(w.ops.begin(), w.ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Text && op.text == Text("番") && op.points[0].x == 816;
    });
    EXPECT_EQ(prompts, 2);
}

TEST(DicewayStartUp, SeedIsTheSumOfTheClock) {
    struct Case {
        const char* clock;
        float seed;
    };
    for (const Case c : {Case{"00:00:00", 0}, Case{"12:34:56", 102}, Case{"23:59:59", 141}}) {
        platform::HeadlessRuntime rt(Text("10\r"), Text(c.clock));
        diceway::Program p(rt);
        const RunResult result = RunGuarded(p, [&] { diceway::ProbabilityStartUp(p); });
        EXPECT_EQ(result.kind, RunResult::Kind::Ended) << c.clock;
        EXPECT_EQ(p.A, c.seed) << c.clock;
        EXPECT_EQ(p.KAIX, 1056);
        EXPECT_EQ(p.KAIY, 648);
        EXPECT_EQ(p.TITLE_s, Text("Diceway"));
        EXPECT_EQ(rt.LineWidth(), 3);
        EXPECT_TRUE(rt.WindowSetUp());
    }
}
