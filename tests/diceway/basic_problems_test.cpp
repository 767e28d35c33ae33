#include <gtest/gtest.h>

#include "Diceway/ch5_basic_problems/basic_problems.h"
#include "tests/diceway/dice_chapter_ops.h"

using namespace dice_chapter_test;
using testing_support::JoinedText;

TEST(BasicProblemsChapter, EachAnswerTakesItsKeysUnderTheCommonHead) {
    const struct { void (*screen)(diceway::Program&); std::size_t keys; const char* number; } screens[] = {
        {diceway::BallsAnswerScreen, 3, "1"},
        {diceway::TwoDigitCardsAnswerScreen, 2, "2"},
        {diceway::ChooseTwoOfThreeAnswerScreen, 5, "3"}};
    for (const auto& s : screens) {
        ScreenRun run(Keys(s.keys));
        run.f.rt.SetLineWidth(5);
        s.screen(run.p());
        EXPECT_EQ(run.keyWaits.size(), s.keys);
        EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
        const Ops head = run.Between(0, 1);
        EXPECT_EQ(BoxesAt(head, 0, 0, 1760, 1800).size(), 1u);
        const Ops title = BoxesAt(head, 38, 30, 380, 78), number = BoxesAt(head, 400, 30, 444, 78);
        ASSERT_EQ(title.size(), 1u);
        ASSERT_EQ(number.size(), 1u);
        EXPECT_EQ((std::vector<int>{title[0].colour, title[0].fill, title[0].lineWidth}), (std::vector<int>{1, 13, 5}));
        EXPECT_EQ((std::vector<int>{number[0].colour, number[0].fill}), (std::vector<int>{4, 3}));
        EXPECT_EQ(JoinedText(TextsIn(head, 400, 30, 444, 78)), s.number);
        EXPECT_FALSE(TextsIn(run.Between(s.keys, s.keys + 1), 0, 0, 1440, 650).empty());
    }
}

TEST(BasicProblemsChapter, StraightIntoTheSubMenu) {
    // No aim; 5 and 0 show the line again; 1.4 is answer 1; 4 leaves.
    ScreenRun run("5\r0\r1.4\r" + Keys(3) + "4\r");
    diceway::BasicProblemsChapter(run.p());
    EXPECT_EQ(run.numberWaits, 4);
    EXPECT_EQ(run.keyWaits.size(), 3u);
    EXPECT_EQ(BoxesAt(run.ops(), 0, 0, 1760, 1800).size(), 1u);  // answer 1's head alone
    EXPECT_EQ(TextsAt(run.ops(), 38, 210, 0, "("), 1);
}

TEST(TwoDigitCardsAnswerScreen, TheSecondHalfStandsOutTheSameOnEveryVisit) {
    ScreenRun run(Keys(4));
    diceway::Program& p = run.p();
    for (int visit = 0; visit < 2; ++visit) {
        run.f.rt.ClearOps();
        run.keyWaits.clear();
        diceway::TwoDigitCardsAnswerScreen(p);
        // The numbers below the first wait: tens 1, 2 then 3, 4.
        const Ops trees = run.Between(1, 2);
        for (const lesson::DrawOp& op : TextsIn(trees, 950, 150, 990, 600)) EXPECT_EQ(op.colour, 0) << visit;
        std::string second;
        for (const lesson::DrawOp& op : TextsIn(trees, 1100, 150, 1140, 600)) {
            second += op.colour == 5 ? '+' : '-';
            second += op.text.Utf8();
        }
        EXPECT_EQ(second, "-1+2+4+1+2+3") << visit;
        // The list of numbers continues 76 in, 50 lower; "(2)" at y 240.
        EXPECT_EQ(TextsAt(trees, 114, 160, 5, "3"), 1);
        EXPECT_EQ(TextsAt(run.Between(2, 3), 38, 240, 0, "("), 1);
    }
}

TEST(ChooseTwoOfThreeAnswerScreen, PairsWithAHighlightedOnTheTree) {
    ScreenRun run(Keys(5));
    diceway::ChooseTwoOfThreeAnswerScreen(run.p());
    EXPECT_EQ(JoinedText(TextsIn(run.Between(0, 1), 600, 0, 1440, 650)), "樹形図");
    const Ops marks = run.Between(4, 5);
    ASSERT_EQ(BoxesFilled(marks, 13).size(), 3u);
    EXPECT_EQ(BoxesAt(marks, 720, 120, 796, 170).size(), 1u);
    EXPECT_EQ(BoxesAt(marks, 826, 90, 902, 140).size(), 1u);
    EXPECT_EQ(BoxesAt(marks, 826, 150, 902, 200).size(), 1u);
    EXPECT_EQ(TextsAt(run.Between(5, 6), 38, 300, 5, "2"), 1);
}
