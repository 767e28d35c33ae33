#include <gtest/gtest.h>

#include "Diceway/ch4_various_probability/various_probability.h"
#include "tests/diceway/dice_chapter_ops.h"

using namespace dice_chapter_test;
using testing_support::JoinedText;

namespace {

// The outcome cells ("r'c") filled with `fill` in the operations, by their
// texts, for a table whose first outcome cell is at (x, y).
std::vector<std::string> CellsFilled(const Ops& ops, int fill, float x, float y) {
    std::vector<std::string> cells;
    for (const lesson::DrawOp& box : BoxesFilled(ops, fill)) {
        const float r = (box.points[0].y - y) / 50 + 1, c = (box.points[0].x - x) / 84 + 1;
        if (box.points[1].x - box.points[0].x == 84 && r >= 1 && c >= 1)
            cells.push_back(std::to_string(static_cast<int>(r)) + "'" + std::to_string(static_cast<int>(c)));
    }
    return cells;
}

}  // namespace

TEST(VariousProbabilityChapter, EachScreenTakesItsKeysAndEndsAtTheSubMenu) {
    const struct { void (*screen)(diceway::Program&); std::size_t keys; } screens[] = {
        {diceway::ChooseTwoOfFourScreen, 44}, {diceway::DiceSumFiveScreen, 10},
        {diceway::MostLikelySumScreen, 9},    {diceway::SumNotFiveScreen, 16},
        {diceway::MakeDiceProblemsScreen, 9}, {diceway::ProductEvenScreen, 10}};
    for (const auto& s : screens) {
        ScreenRun run(Keys(s.keys));
        s.screen(run.p());
        EXPECT_EQ(run.keyWaits.size(), s.keys);
        EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
        // The last wait is followed by the screen's last text.
        EXPECT_FALSE(TextsIn(run.Between(s.keys, s.keys + 1), 0, 0, 1440, 650).empty());
        EXPECT_EQ(run.f.rt.LineWidth(), s.screen == diceway::ChooseTwoOfFourScreen ? 5 : 3);
    }
}

TEST(VariousProbabilityChapter, AimThenTheSubMenuUntilItsLastItem) {
    // Out of range (0, 8, 7.6 before rounding): the line again, nothing else
    // drawn; 5/3 rounds to item 2; 7 leaves the chapter.
    ScreenRun run("0\r8\r7.6\r5/3\r" + Keys(10) + "7\r");
    diceway::VariousProbabilityChapter(run.p());
    EXPECT_EQ(run.numberWaits, 5);
    EXPECT_EQ(run.keyWaits.size(), 10u);
    EXPECT_EQ(TextsAt(run.ops(), 44, 240, 3, "<"), 1);
    EXPECT_EQ(TextsAt(run.ops(), 44, 305, 0, "1"), 1);
    EXPECT_EQ(TextsAt(run.ops(), 44, 435, 0, "3"), 1);
    EXPECT_EQ(BoxesAt(run.Between(1, 2), 480, 250, 550, 300).size(), 1u);  // item 2's table
    // Before the item, only the aim, the sub-menu lines and their erasing.
    const Ops before = run.Between(0, 1);
    EXPECT_EQ(BoxesAt(Ops(before.begin(), before.begin() + 20), 0, 0, 1600, 1800).size(), 0u);
}

TEST(ChooseTwoOfFourScreen, HighlightsCoverTheirNodesAndTheTextFlowsBelow) {
    ScreenRun run(Keys(44));
    diceway::Program& p = run.p();
    diceway::ChooseTwoOfFourScreen(p);
    // Q1: C then D after "12通り" (key 18), on the ordered tree's cells.
    const Ops q1 = run.Between(18, 19);
    ASSERT_EQ(BoxesFilled(q1, 13).size(), 2u);
    EXPECT_EQ(BoxesAt(q1, 928, 150, 1042, 200).at(0).fill, 13);
    EXPECT_EQ(BoxesAt(q1, 1072, 90, 1186, 140).at(0).fill, 13);
    // Q2: the repeated second choices one per key, from key 22.
    const float repeats[][2] = {{784, 390}, {1072, 150}, {1072, 210}, {1072, 270}, {1072, 330}, {1072, 390}};
    for (std::size_t k = 0; k < 6; ++k) {
        const Ops step = run.Between(22 + k, 23 + k);
        ASSERT_EQ(BoxesFilled(step, 11).size(), 1u) << k;
        EXPECT_EQ(BoxesAt(step, repeats[k][0], repeats[k][1], repeats[k][0] + 114, repeats[k][1] + 50).size(), 1u);
    }
    // The ordered tree erased, the pair tree revealed key by key.
    EXPECT_EQ(BoxesAt(run.Between(28, 29), 640, 0, 2240, 1800).size(), 1u);
    // "6通り" on the line of "選び方は全部で、" (y 400); the pairs beside the
    // question, leaving the text cursor; the next lines at 450 and 510.
    const Ops end = run.Between(40, 45);
    EXPECT_EQ(TextsIn(end, 300, 400, 640, 401).size(), 3u);
    EXPECT_EQ(JoinedText(TextsIn(end, p.U_a(1), 325, 928, 326)), "(A,B),(A,C),(A,D)");
    EXPECT_EQ(JoinedText(TextsIn(end, p.U_a(1), 375, 928, 376)), "(B,C),(B,D),(C,D)");
    EXPECT_EQ(TextsAt(end, 76, 450, 0, "C"), 1);
    EXPECT_EQ(TextsAt(end, 76, 510, 3, "1"), 1);
    // C and D of the pair tree, at its 76 x 50.
    const Ops pair = run.Between(42, 43);
    EXPECT_EQ(BoxesAt(pair, 928, 390, 1004, 440).at(0).fill, 13);
    EXPECT_EQ(BoxesAt(pair, 1034, 390, 1110, 440).at(0).fill, 13);
    EXPECT_EQ(JoinedText(TextsIn(run.ops(), 440, 480, 1440, 481)), "　　　樹形図(組合せ）のかき方");
    EXPECT_EQ(run.f.rt.LineWidth(), 5);
    EXPECT_EQ(p.NASI, 0);
    EXPECT_EQ(p.HABA, 76);
}

TEST(DiceSumScreens, RecolouringByTheRules) {
    {
        ScreenRun run(Keys(10));
        diceway::DiceSumFiveScreen(run.p());
        const Ops recolour = run.Between(5, 6);
        EXPECT_EQ(CellsFilled(recolour, 13, 550, 300), (std::vector<std::string>{"1'4", "2'3", "3'2", "4'1"}));
        EXPECT_EQ(CellsFilled(recolour, 15, 550, 300).size(), 32u);
        // A cell that keeps its even-sum colour.
        EXPECT_EQ(TextsIn(recolour, 550, 300, 634, 350).at(0).colour, 3);
    }
    {
        ScreenRun run(Keys(9));
        diceway::MostLikelySumScreen(run.p());
        // One row per key from key 1; the table in bands of sums.
        for (std::size_t row = 1; row <= 6; ++row)
            EXPECT_EQ(CellsFilled(run.Between(row, row + 1), 15, 270, 350).size() +
                          CellsFilled(run.Between(row, row + 1), 8, 270, 350).size() +
                          CellsFilled(run.Between(row, row + 1), 4, 270, 350).size() +
                          CellsFilled(run.Between(row, row + 1), 2, 270, 350).size(),
                      6u)
                << row;
        const Ops bands = run.Between(1, 7);
        EXPECT_EQ(CellsFilled(bands, 8, 270, 350).size(), 6u);
        EXPECT_EQ(CellsFilled(bands, 4, 270, 350).size(), 8u);
        EXPECT_EQ(CellsFilled(bands, 2, 270, 350), (std::vector<std::string>{"1'2", "2'1", "5'6", "6'5"}));
        EXPECT_EQ(CellsFilled(bands, 15, 270, 350).size(), 18u);
        for (const lesson::DrawOp& op : TextsIn(bands, 270, 350, 774, 650)) EXPECT_NE(op.colour, 3);
        // Two keys after the sixth row before the sums are listed.
        EXPECT_TRUE(TextsIn(run.Between(7, 8), 0, 0, 1440, 650).empty());
    }
}

TEST(SumNotFiveScreen, ErasesTheTableAndGoesOnWhereItStood) {
    ScreenRun run(Keys(16));
    diceway::Program& p = run.p();
    diceway::SumNotFiveScreen(p);
    EXPECT_EQ(CellsFilled(run.Between(3, 4), 13, 470, 300).size(), 4u);
    const Ops erase = run.Between(12, 13);
    ASSERT_EQ(BoxesAt(erase, 400, 250, 2000, 2050).size(), 1u);
    EXPECT_EQ(BoxesAt(erase, 400, 250, 2000, 2050)[0].fill, 15);
    // "1-1/9=" 50 right of the end of the line at y 370 (after its fractions), then the rule lines.
    const Ops after = run.Between(13, 17);
    const Ops first = TextsIn(after, 300, 300, 1440, 420);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first[0].text, lesson::Text("1"));
    EXPECT_EQ(first[0].colour, 3);
    EXPECT_EQ(first[0].points[0].y, 370);
    EXPECT_GT(first[0].points[0].x, 250);
    EXPECT_EQ(TextsAt(after, 38, 440, 3, "("), 1);
    EXPECT_EQ(TextsAt(after, 38, 500, 5, "("), 1);
    EXPECT_EQ(TextsAt(run.Between(16, 17), 38, 560, 7, "和"), 1);
}

TEST(DiceProblemScreens, KeepOrFillTheOddCells) {
    {
        ScreenRun run(Keys(9));
        diceway::MakeDiceProblemsScreen(run.p());
        EXPECT_TRUE(BoxesFilled(run.Between(1, 10), 13).empty());
        EXPECT_EQ(TextsAt(run.Between(9, 10), 240, 610, 7, "教"), 1);
        EXPECT_EQ(TextsAt(run.Between(5, 6), 38, 200, 3, "①"), 1);
        EXPECT_EQ(TextsAt(run.Between(8, 9), 38, 410, 3, "④"), 1);
    }
    {
        ScreenRun run(Keys(10));
        diceway::ProductEvenScreen(run.p());
        const Ops recolour = run.Between(7, 8);
        EXPECT_EQ(CellsFilled(recolour, 13, 550, 340),
                  (std::vector<std::string>{"1'1", "1'3", "1'5", "3'1", "3'3", "3'5", "5'1", "5'3", "5'5"}));
        int five = 0, three = 0;
        for (const lesson::DrawOp& op : TextsIn(recolour, 550, 340, 1054, 640)) {
            if (op.text == lesson::Text("'")) continue;
            five += op.colour == 5;
            three += op.colour == 3;
        }
        EXPECT_EQ(five, 18);   // the nine both-odd cells
        EXPECT_EQ(three, 18);  // the nine both-even cells
    }
}
