#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Tallyview/ch3_histogram_comparison/histogram_comparison.h"
#include "Tallyview/tallyview.h"
#include "tests/support/test_support.h"
#include "tests/tallyview/screen_run.h"

using namespace lesson;
using namespace tallyview_test;
using testing_support::JoinedText;

namespace {

using Floats = std::vector<float>;

// The heights of the bars (filled boxes in `fill` with border 0) standing on
// y `axis`, left to right, in units of `step`.
Floats BarHeights(const Ops& ops, int fill, float axis, float step) {
    Floats heights;
    for (const DrawOp& op : ops)
        if (op.kind == K::FilledBox && op.fill == fill && op.colour == 0 && op.points[1].y == axis)
            heights.push_back((op.points[1].y - op.points[0].y) / step);
    return heights;
}

}  // namespace

TEST(HistogramComparisonChapter, AimSubMenuAndItems) {
    // The aim at once with the sub-menu line; out-of-range values (also 3.6
    // and 0.4 before rounding) show the line again; 3 is the main menu.
    ScreenRun run("3\r0\r4\r-1\r3.6\r0.4\r1\r" + Keys(7) + "2\r" + Keys(6) + "3\r7\r");
    EXPECT_EQ(tallyview::RunTallyview(run.f.rt).kind, RunResult::Kind::Ended);
    EXPECT_EQ(run.numberWaits, 10);
    EXPECT_EQ(run.keyWaits.size(), 13u);
    EXPECT_EQ(Count(run.Between(0, 1), K::Text, 44, 240, 3, "<"), 1);
    EXPECT_EQ(JoinedText(TextsIn(run.Between(0, 1), 44, 305, 1440, 306)), "ヒストグラムと箱ひげ図を対応させて考えよう。");
    const Ops line = TextsIn(run.Between(0, 1), 0, 660, 992, 720);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.front().text, Text("①"));
}

TEST(HistogramComparisonChapter, EachScreenTakesItsKeys) {
    const struct { void (*screen)(tallyview::Program&); std::size_t keys; } screens[] = {
        {tallyview::HistogramVersusBoxPlotScreen, 7}, {tallyview::DistributionShapesScreen, 6}};
    for (const auto& [screen, keys] : screens) {
        ScreenRun run(Keys(keys));
        screen(run.p());
        EXPECT_EQ(run.keyWaits.size(), keys);
        EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
    }
}

TEST(HistogramVersusBoxPlotScreen, CountsAndBoxPlotsOfBothPeriods) {
    ScreenRun run(Keys(7));
    tallyview::HistogramVersusBoxPlotScreen(run.p());
    // Bars 15 units a day on the class axis at y 335; the first chart before
    // the first key, the second after it. Empty classes draw flat bars.
    EXPECT_EQ(BarHeights(run.Between(0, 1), 7, 335, 15), (Floats{0, 6, 7, 13, 13, 6, 4, 0, 0, 0}));
    EXPECT_EQ(BarHeights(run.Between(1, 2), 3, 335, 15), (Floats{5, 10, 13, 10, 6, 2, 0, 0, 1, 0}));
    EXPECT_EQ(Count(run.Between(0, 1), K::Text, 180, 95, 3, "花"), 1);
    EXPECT_EQ(Count(run.Between(1, 2), K::Text, 720, 95, 3, "直"), 1);
    // Each box plot 80 below its frame, on the chart's scale, without mean mark.
    EXPECT_TRUE(BoxPlotsAt(run.Between(0, 1), 415).empty());
    const auto plots = BoxPlotsAt(run.Between(1, 2), 415);
    ASSERT_EQ(plots.size(), 2u);
    EXPECT_EQ(plots[0], (Floats{224, 290, 336, 374, 444}));
    EXPECT_EQ(plots[1], (Floats{744, 788, 820, 872, 1040}));
    EXPECT_FALSE(HasMeanMark(run.ops()));
    // The merits text by text, continuing their lines; the last two together.
    EXPECT_EQ(Count(run.Between(2, 3), K::Text, 40, 465, 7, "ヒ"), 1);
    EXPECT_EQ(JoinedText(TextsIn(run.Between(4, 5), 0, 465, 1440, 500)), "中央値はわかりにくい。");
    EXPECT_EQ(Count(run.Between(5, 6), K::Text, 40, 515, 7, "箱"), 1);
    EXPECT_EQ(Count(run.Between(7, 8), K::Text, 40, 565, 0, "直"), 1);
    EXPECT_EQ(Count(run.Between(7, 8), K::Text, 40, 615, 3, "範"), 1);
}

TEST(DistributionShapesScreen, BoxPlotsFirstThenHistograms) {
    ScreenRun run(Keys(6));
    tallyview::Program& p = run.p();
    tallyview::DistributionShapesScreen(p);
    // All four box plots after the question, at y 460, value v at
    // U(k) + 30 + 3 (v - 10).
    const auto plots = BoxPlotsAt(run.Between(1, 2), 460);
    ASSERT_EQ(plots.size(), 4u);
    EXPECT_EQ(plots[0], (Floats{116, 182, 221, 245, 308}));
    EXPECT_EQ(plots[1], (Floats{433, 454, 481, 511, 541}));
    EXPECT_EQ(plots[2], (Floats{717, 750, 780, 813, 897}));
    EXPECT_EQ(plots[3], (Floats{980, 1064, 1100, 1127, 1160}));
    EXPECT_FALSE(HasMeanMark(run.ops()));
    EXPECT_TRUE(BarHeights(run.Between(1, 2), 11, 410, 30).empty());
    // One histogram per key, 30 units a value, the ninth class left out.
    const Floats counts[] = {{1, 3, 6, 7, 6, 3, 1, 0}, {0, 6, 8, 5, 4, 0, 0, 0},
                             {1, 5, 7, 6, 4, 2, 1, 0}, {1, 2, 4, 6, 7, 5, 1, 0}};
    const float labelX[] = {80, 340, 660, 950};
    for (std::size_t k = 0; k < 4; ++k) {
        const Ops step = run.Between(2 + k, 3 + k);
        EXPECT_EQ(BarHeights(step, 11, 410, 30), counts[k]) << k;
        EXPECT_EQ(TextsIn(step, labelX[k], 140, labelX[k] + 1, 141).size(), 1u) << k;
    }
    // The tallest bar, set 2's [30, 40), reaches the chart's top at y 170.
    EXPECT_NE(Find(run.Between(3, 4), K::FilledBox, 460, 170, 490, 410), nullptr);
    EXPECT_EQ(Count(run.Between(6, 7), K::Text, 40, 535, 5, "箱"), 1);
    // The counts kept for the histograms.
    EXPECT_EQ(p.F_a(23), 8);
    EXPECT_EQ(p.F_a(49), 0);
}
