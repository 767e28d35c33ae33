#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Tallyview/ch3_histogram_comparison/histogram_comparison.h"
#include "Tallyview/ch5_problems_a/problems_a.h"
#include "Tallyview/tallyview.h"
#include "tests/support/test_support.h"
#include "tests/tallyview/screen_run.h"

using namespace lesson;
using namespace tallyview_test;
using testing_support::JoinedText;

namespace {

using Floats = std::vector<float>;
using Screen = void (*)(tallyview::Program&);

}  // namespace

TEST(ChapterProblemsA, SubMenuWithoutAim) {
    // No aim: the sub-menu at once; 0, 5, -2 and 4.6 show the line again;
    // 4 is the main menu.
    ScreenRun run("5\r0\r5\r-2\r4.6\r2\rk4\r7\r");
    EXPECT_EQ(tallyview::RunTallyview(run.f.rt).kind, RunResult::Kind::Ended);
    EXPECT_EQ(run.numberWaits, 8);
    EXPECT_EQ(run.keyWaits.size(), 1u);
    EXPECT_EQ(Count(run.ops(), K::Text, 44, 240, 3, "<"), 0);
    const Ops line = TextsIn(run.Between(0, 1), 0, 660, 992, 720);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.front().text, Text("章"));
}

TEST(ChapterProblemsA, EachScreenTakesItsKeys) {
    const struct { Screen screen; std::size_t keys; } screens[] = {
        {tallyview::ProblemsAAnswer1Screen, 15}, {tallyview::ProblemsAAnswer2Screen, 1},
        {tallyview::ProblemsAAnswer3Screen, 9}};
    for (const auto& [screen, keys] : screens) {
        ScreenRun run(Keys(keys));
        screen(run.p());
        EXPECT_EQ(run.keyWaits.size(), keys);
        EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
        EXPECT_FALSE(HasMeanMark(run.ops()));
    }
}

TEST(ProblemsAAnswer1Screen, SortedTableWorkingAndScale) {
    ScreenRun run(Keys(15));
    tallyview::ProblemsAAnswer1Screen(run.p());
    // Title cells 50 high: "章の問題A" 170 wide from 121, "1" 44 wide from 335.
    EXPECT_NE(Find(run.ops(), K::FilledBox, 121, 30, 291, 80), nullptr);
    EXPECT_NE(Find(run.ops(), K::FilledBox, 335, 30, 379, 80), nullptr);
    // The table before the first key: numbers and sorted times, rows 35 high.
    const Ops table = run.Between(0, 1);
    EXPECT_EQ(JoinedText(TextsIn(table, 1000, 80, 1060, 465)), "番12345678910");
    EXPECT_EQ(JoinedText(TextsIn(table, 1060, 80, 1132, 465)), "時間4699101113161819");
    EXPECT_NE(Find(table, K::FilledBox, 1060, 430, 1132, 465), nullptr);
    // Each quartile's answer one key after its sentence.
    // (The plus sign is drawn as strokes, not as a character.)
    EXPECT_EQ(JoinedText(TextsIn(run.Between(3, 4), 121, 130, 1000, 185)), "(1011)÷2=10.5(時間)");
    EXPECT_EQ(Count(run.Between(6, 7), K::Text, 321, 240, 5, "9"), 1);
    EXPECT_EQ(Count(run.Between(9, 10), K::Text, 321, 340, 5, "1"), 1);
    // The scale a key before the box plot: hour h at 161 + 40h, the line
    // from 161 to 1041, "0" under 161, "2" under 241, the summary's labels.
    const Ops scale = run.Between(14, 15), plot = run.Between(15, 16);
    EXPECT_NE(Find(scale, K::Line, 161, 590, 1041, 590), nullptr);
    EXPECT_TRUE(BoxPlotsAt(scale, 540).empty());
    EXPECT_EQ(JoinedText(TextsIn(scale, 0, 590, 1100, 640)), "024910.51619(時間)");
    const auto plots = BoxPlotsAt(plot, 540);
    ASSERT_EQ(plots.size(), 1u);
    EXPECT_EQ(plots[0], (Floats{321, 521, 581, 801, 921}));
}

TEST(ProblemsAAnswer1Screen, ScaleStaysInPlaceAfterOtherChapters) {
    // Chapter 3 leaves the scale origin at 30 and its first label "30"; the
    // scale still starts at 0 hours with "2" one step on.
    ScreenRun run(Keys(7 + 15));
    tallyview::HistogramVersusBoxPlotScreen(run.p());
    tallyview::ProblemsAAnswer1Screen(run.p());
    const auto plots = BoxPlotsAt(run.Between(22, 23), 540);
    ASSERT_EQ(plots.size(), 1u);
    EXPECT_EQ(plots[0], (Floats{321, 521, 581, 801, 921}));
    EXPECT_EQ(JoinedText(TextsIn(run.Between(21, 22), 0, 590, 1100, 640)), "024910.51619(時間)");
}

TEST(ProblemsAAnswer2Screen, HistogramBoxPlotsAndAnswer) {
    // After the third answer, whose frame labels the scores 1 to 10: the
    // histogram still shows nothing but its "0".
    ScreenRun run(Keys(9 + 1));
    tallyview::ProblemsAAnswer3Screen(run.p());
    const std::size_t start = run.ops().size();
    tallyview::ProblemsAAnswer2Screen(run.p());
    const Ops screen(run.ops().begin() + static_cast<std::ptrdiff_t>(start), run.ops().end());
    EXPECT_EQ(JoinedText(TextsIn(screen, 100, 440, 440, 500)), "0");
    EXPECT_EQ(JoinedText(TextsIn(screen, 470, 440, 820, 500)), "0");
    // Bars 30 a count from the axis at 440 in columns 1 to 8.
    Floats heights;
    for (const DrawOp& op : screen)
        if (op.kind == K::FilledBox && op.fill == 11 && op.colour == 0 && op.points[1].y == 440)
            heights.push_back((440 - op.points[0].y) / 30);
    EXPECT_EQ(heights, (Floats{0, 1, 1, 2, 3, 3, 6, 5}));
    // ア, イ, ウ from the top, value v at 558 + 3v.
    const struct { float y; Floats x; } plots[] = {{260, {588, 616.5f, 642, 696, 795}},
                                                    {320, {588, 687, 741, 766.5f, 795}},
                                                    {380, {588, 651.75f, 691.5f, 731.25f, 795}}};
    for (const auto& plot : plots) {
        const auto found = BoxPlotsAt(screen, plot.y);
        ASSERT_EQ(found.size(), 1u) << plot.y;
        EXPECT_EQ(found[0], plot.x) << plot.y;
    }
    const Ops labels = TextsIn(screen, 470, 200, 530, 440);
    ASSERT_EQ(JoinedText(labels), "ウイア");  // drawn from the bottom line up
    EXPECT_LT(labels[2].points[0].y, labels[1].points[0].y);
    EXPECT_LT(labels[1].points[0].y, labels[0].points[0].y);
    EXPECT_EQ(Count(run.Between(10, 11), K::Text, 121, 100, 3, "左"), 1);
    EXPECT_EQ(JoinedText(TextsIn(run.Between(10, 11), 0, 100, 1440, 101)), "左にゆがんだ分布だからイ");
}

TEST(ProblemsAAnswer3Screen, ScoreScaleAndVerdicts) {
    ScreenRun run(Keys(9));
    tallyview::ProblemsAAnswer3Screen(run.p());
    const Ops first = run.Between(0, 1);
    const struct { float y; Floats x; } plots[] = {{110, {840, 920, 1000, 1040, 1120}},
                                                    {170, {760, 840, 920, 1000, 1040}}};
    for (const auto& plot : plots) {
        const auto found = BoxPlotsAt(first, plot.y);
        ASSERT_EQ(found.size(), 1u) << plot.y;
        EXPECT_EQ(found[0], plot.x) << plot.y;
    }
    // The scores in two rows under the axis, the unit at line 11.
    EXPECT_EQ(JoinedText(TextsIn(first, 700, 234, 1200, 235)), "13579(点)");
    EXPECT_EQ(JoinedText(TextsIn(first, 700, 256, 1200, 257)), "246810");
    // Letters at 40, working at 67; the verdicts in colour 5.
    EXPECT_EQ(Count(run.Between(1, 2), K::Text, 40, 90, 7, "ア"), 1);
    EXPECT_EQ(Count(run.Between(4, 5), K::Text, 40, 250, 7, "イ"), 1);
    EXPECT_EQ(Count(run.Between(8, 9), K::Text, 40, 520, 7, "エ"), 1);
    int verdicts = 0;
    for (const DrawOp& op : run.ops()) verdicts += op.kind == K::Text && op.colour == 5 && op.text == Text("正");
    EXPECT_EQ(verdicts, 4);
    EXPECT_EQ(JoinedText(TextsIn(run.Between(9, 10), 0, 570, 1440, 571)).substr(0, 3), "だ");
}
