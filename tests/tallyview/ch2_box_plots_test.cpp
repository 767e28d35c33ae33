#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "Tallyview/ch2_box_plots/box_plots.h"
#include "Tallyview/tallyview.h"
#include "tests/support/test_support.h"
#include "tests/tallyview/screen_run.h"

using namespace lesson;
using testing_support::JoinedText;

using namespace tallyview_test;

TEST(BoxPlotChapter, EachScreenTakesItsKeysAndReturns) {
    const struct { void (*screen)(tallyview::Program&); std::size_t keys; } screens[] = {
        {tallyview::BoxPlotIntroScreen, 17}, {tallyview::BoxPlotExampleScreen, 16},
        {tallyview::CompleteSummaryTableScreen, 29}, {tallyview::CompleteBoxPlotsScreen, 26}};
    for (const auto& s : screens) {
        ScreenRun run(Keys(s.keys));
        s.screen(run.p());  // returns to the sub-menu on the last key
        EXPECT_EQ(run.keyWaits.size(), s.keys);
        EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
    }
}

TEST(BoxPlotChapter, ReachedFromTheMainMenuWithItsSubMenu) {
    // In the sub-menu, out of range (also 5.4 and 0.6 before rounding): the
    // line again and no screen; 2.4 is the example; 5 is the main menu again.
    ScreenRun run("2\r0\r6\r-1\r5.4\r0.6\r2.4\r" + Keys(16) + "5\r7\r");
    EXPECT_EQ(tallyview::RunTallyview(run.f.rt).kind, RunResult::Kind::Ended);
    EXPECT_EQ(run.numberWaits, 9);
    EXPECT_EQ(run.keyWaits.size(), 16u);
    // The aim before the first key; the example's heading once.
    EXPECT_EQ(Count(run.Between(0, 1), K::Text, 44, 240, 3, "<"), 1);
    EXPECT_EQ(Count(run.ops(), K::Text, 40, 30, 7, "例"), 1);
}

TEST(BoxPlotIntroScreen, LabelsStandByTheBoxPlot) {
    ScreenRun run(Keys(17));
    tallyview::BoxPlotIntroScreen(run.p());
    // The summary 41, 57.5, 69, 78.5, 96 lies at x 408, 540, 632, 708, 848
    // (8 units per piece from x 240) over the scale line at y 150. Each
    // label's first character, after the key that reveals it:
    const struct { std::size_t key; const char* text; float x, y; int colour; } labels[] = {
        {2, "箱", 540, 30, 0},  {3, "ひ", 408, 30, 0},  {3, "ひ", 748, 30, 0},  {4, "最", 328, 190, 3},
        {5, "最", 816, 190, 3}, {7, "①", 522, 190, 3}, {8, "②", 614, 190, 3}, {9, "③", 690, 190, 3},
        {11, "=", 556, 240, 3}};
    for (const auto& l : labels)
        EXPECT_EQ(Count(run.Between(l.key, l.key + 1), K::Text, l.x, l.y, l.colour, l.text), 1) << l.text << l.x;
    // The mean mark at 68.4; the upright box plot last, leaving width 5.
    EXPECT_EQ(Count(run.ops(), K::Line, 619.2f, 100, 0), 1);
    EXPECT_NE(Find(run.ops(), K::Line, 1070, 50, 1070, 500), nullptr);
    EXPECT_EQ(run.f.rt.LineWidth(), 5);
}

TEST(BoxPlotExampleScreen, TableSummaryAndScale) {
    ScreenRun run(Keys(16));
    tallyview::Program& p = run.p();
    tallyview::BoxPlotExampleScreen(p);
    // The sorted values in four columns of 12 or 13 rows 35 high from y 80;
    // the median 69 alone in row 13 (the summary, 41, 57.5, 69, 78.5, 96,
    // places the box plot below).
    const Ops table = run.Between(1, 2);
    EXPECT_EQ(JoinedText(TextsIn(table, 880, 80, 1120, 115)), "41586979");
    EXPECT_EQ(JoinedText(TextsIn(table, 880, 465, 1120, 500)), "57687896");
    EXPECT_EQ(JoinedText(TextsIn(table, 940, 500, 1000, 535)), "69");
    // The scale a key before the box plot, its labels centred under the five
    // values at x 278, 410, 502, 578, 718; no mean mark on this plot.
    EXPECT_EQ((std::vector<float>{p.GS1, p.GS2, p.GS3, p.GS4, p.GS5}), (std::vector<float>{278, 410, 502, 578, 718}));
    const Ops scale = run.Between(15, 16), plot = run.Between(16, 17);
    const std::pair<const char*, float> labels[] = {{"4", 258}, {"5", 376}, {"6", 482}, {"7", 544}, {"9", 698}};
    for (const auto& [text, x] : labels) EXPECT_EQ(Count(scale, K::Text, x, 580, 0, text), 1) << x;
    EXPECT_EQ(Count(scale, K::FilledBox, 410, 505, 3), 0);
    EXPECT_EQ(Count(plot, K::FilledBox, 410, 505, 3), 1);
    EXPECT_FALSE(HasMeanMark(plot));
}

TEST(CompleteSummaryTableScreen, SummariesRevealedCellByCell) {
    ScreenRun run(Keys(29));
    tallyview::CompleteSummaryTableScreen(run.p());
    const float left[] = {116, 252, 388, 524, 660, 796, 932};
    const auto cell = [&](const Ops& ops, int row, int column) {
        return TextsIn(ops, left[column - 1], 90 + 70 * row, left[column], 160 + 70 * row);
    };
    const char* rows[4][6] = {
        {"41", "57.5", "69", "78.5", "96", "21"},
        {"36", "47", "55", "68", "110", "21"},
        {"43", "67", "82", "91", "105", "24"},
        {"39", "46", "52", "62", "77", "16"},
    };
    // Row by row, after its value table's key: minimum, maximum, median,
    // first and third quartile, a key each; then the ranges, a key each.
    const int revealOrder[] = {1, 5, 3, 2, 4};
    for (int r = 1; r <= 4; ++r) {
        for (std::size_t k = 0; k < 5; ++k) {
            const Ops step = cell(run.Between(6 * r - 4 + k, 6 * r - 3 + k), r, revealOrder[k]);
            EXPECT_EQ(JoinedText(step), rows[r - 1][revealOrder[k] - 1]) << r << "," << k;
            for (const DrawOp& op : step) EXPECT_EQ(op.colour, r == 1 ? 0 : 5);
        }
        EXPECT_EQ(JoinedText(cell(run.Between(25 + r, 26 + r), r, 6)), rows[r - 1][5]) << r;
    }
    // The second value table: column 4 ends with 110 in row 11.
    EXPECT_EQ(JoinedText(TextsIn(run.Between(7, 8), 1060, 80, 1135, 800)), "68697070727376798080110");
    // The last value table goes before the range column is drawn.
    const Ops end = run.Between(25, 26);
    const DrawOp* erase = Find(end, K::FilledBox, 880, 0, 2480, 1800);
    ASSERT_NE(erase, nullptr);
    EXPECT_GT(Find(end, K::FilledBox, 796, 90, 932, 160), erase);
}

TEST(CompleteBoxPlotsScreen, MarksThenFourBoxPlots) {
    ScreenRun run(Keys(26));
    tallyview::CompleteBoxPlotsScreen(run.p());
    // The first box plot only to find its five positions: in the background
    // colour, and the grid drawn again over it.
    const Ops hidden = run.Between(1, 2);
    const DrawOp* invisible = Find(hidden, K::FilledBox, 425, 107.5f, 551, 142.5f);
    ASSERT_TRUE(invisible && invisible->colour == 15);
    EXPECT_NE(Find(Ops(invisible, hidden.data() + hidden.size()), K::Line, 260, 75, 260, 325), nullptr);
    // Keys 2 to 6 reveal the five marks; keys 7 to 10 the four box plots in
    // colour 5, without mean marks.
    const float marks[] = {326, 425, 494, 551, 656};
    for (std::size_t k = 0; k < 5; ++k) EXPECT_EQ(Count(run.Between(2 + k, 3 + k), K::Circle, marks[k], 125, 0), 1);
    const struct { float from, to, y; } plots[] = {{326, 656, 125}, {296, 740, 175}, {338, 710, 225}, {314, 542, 275}};
    for (std::size_t k = 0; k < 4; ++k) {
        const Ops step = run.Between(7 + k, 8 + k);
        EXPECT_EQ(Count(step, K::Line, plots[k].from, plots[k].y - 8.75f, 5), 1) << k;
        EXPECT_EQ(Count(step, K::Line, plots[k].to, plots[k].y - 8.75f, 5), 1) << k;
        EXPECT_FALSE(HasMeanMark(step)) << k;
    }
    // The summary tables beside the grid.
    const auto column = [&](float x, float y) { return JoinedText(TextsIn(run.ops(), x, y, x + 90, y + 175)); };
    EXPECT_EQ(column(1010, 100), "4157.56978.596");
    EXPECT_EQ(column(1100, 100), "36475568110");
    EXPECT_EQ(column(1010, 345), "43678291105");
    EXPECT_EQ(column(1100, 345), "3946526277");
}
