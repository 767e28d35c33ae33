#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Tallyview/ch4_distribution_trends/distribution_trends.h"
#include "Tallyview/tallyview.h"
#include "tests/support/test_support.h"
#include "tests/tallyview/screen_run.h"

using namespace lesson;
using namespace tallyview_test;
using testing_support::JoinedText;

namespace {

using Floats = std::vector<float>;
using Screen = void (*)(tallyview::Program&);

// The texts of a table column at x, five cells of 35 from y.
std::string Column(const Ops& ops, float x, float width, float y) {
    return JoinedText(TextsIn(ops, x, y, x + width, y + 175));
}

}  // namespace

TEST(DistributionTrendChapter, AimSubMenuAndItems) {
    // The aim at once with the sub-menu line; 0, 8, -1 and 7.6 show the line
    // again; 7 is the main menu, and chapter 4 again shows the aim again.
    ScreenRun run("4\r0\r8\r-1\r7.6\r6\r" + Keys(5) + "7\r4\r7\r7\r");
    EXPECT_EQ(tallyview::RunTallyview(run.f.rt).kind, RunResult::Kind::Ended);
    EXPECT_EQ(run.numberWaits, 10);
    EXPECT_EQ(run.keyWaits.size(), 5u);
    EXPECT_EQ(Count(run.Between(0, 1), K::Text, 44, 240, 3, "<"), 1);
    EXPECT_EQ(Count(run.ops(), K::Text, 44, 240, 3, "<"), 2);
    EXPECT_EQ(Count(run.ops(), K::Text, 44, 305, 0, "箱"), 2);
}

TEST(DistributionTrendChapter, EachScreenTakesItsKeys) {
    const struct { Screen screen; std::size_t keys; } screens[] = {
        {tallyview::SalesProblemScreen, 4},  {tallyview::SnackTrendScreen, 19},
        {tallyview::TeaTrendScreen, 13},     {tallyview::SodaTrendScreen, 13},
        {tallyview::ChocolateTrendScreen, 13}, {tallyview::TrendJudgementScreen, 5}};
    for (const auto& [screen, keys] : screens) {
        ScreenRun run(Keys(keys));
        screen(run.p());
        EXPECT_EQ(run.keyWaits.size(), keys);
        EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
    }
}

TEST(SalesProblemScreen, PeriodCellsBesideTheirHeading) {
    ScreenRun run(Keys(4));
    tallyview::SalesProblemScreen(run.p());
    const Ops step = run.Between(2, 3);
    EXPECT_EQ(Count(step, K::Text, 30, 260, 3, "収"), 1);
    // Two cells 160 x 90 side by side, 20 right of the end of "収集期間".
    Ops cells;
    for (const DrawOp& op : step)
        if (op.kind == K::FilledBox && op.points[0].y == 260 && op.points[1].y == 350) cells.push_back(op);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].fill, 11);
    EXPECT_EQ(cells[1].fill, 13);
    EXPECT_EQ(cells[0].points[1].x - cells[0].points[0].x, 160);
    EXPECT_EQ(cells[1].points[0].x, cells[0].points[1].x);
    const Ops heading = TextsIn(step, 30, 260, 170, 261);
    ASSERT_EQ(JoinedText(heading), "収集期間");
    EXPECT_GT(cells[0].points[0].x, heading.back().points[0].x + 20);
    EXPECT_EQ(Count(run.Between(4, 5), K::Text, 30, 430, 7, "こ"), 1);
}

TEST(SnackTrendScreen, TablesBoxPlotsAndConclusions) {
    ScreenRun run(Keys(19));
    tallyview::SnackTrendScreen(run.p());
    const Ops first = run.Between(0, 1);
    // Weekday table: viewing season then the weeks before; holiday table
    // below; the corner cells blank.
    EXPECT_EQ(Column(first, 1010, 105, 100), "4157.56978.596");
    EXPECT_EQ(Column(first, 1115, 90, 100), "36475568110");
    EXPECT_EQ(Column(first, 1010, 105, 345), "4367829110" "5");
    EXPECT_EQ(Column(first, 920, 90, 100), "最小第1第2第3最大");
    EXPECT_TRUE(TextsIn(first, 920, 30, 1010, 100).empty());
    EXPECT_TRUE(TextsIn(first, 920, 275, 1010, 345).empty());
    EXPECT_EQ(JoinedText(TextsIn(first, 1010, 275, 1115, 345)), "花見休日");
    // The grid's unit at the end of the axis; the box plots one per key on
    // their rows, value v at 260 + 6 (v - 10), in colour 7, no mean marks.
    EXPECT_EQ(JoinedText(TextsIn(first, 810, 325, 900, 400)), "(個)");
    const struct { float y; Floats x; } plots[] = {{125, {446, 545.0f, 614, 671, 776}},
                                                    {175, {416, 482, 530, 608, 860}},
                                                    {225, {458, 602, 692, 746, 830}},
                                                    {275, {434, 476, 512, 572, 662}}};
    for (std::size_t k = 0; k < 4; ++k) {
        const auto found = BoxPlotsAt(run.Between(1 + k, 2 + k), plots[k].y);
        ASSERT_EQ(found.size(), 1u) << k;
        EXPECT_EQ(found[0], plots[k].x) << k;
    }
    EXPECT_FALSE(HasMeanMark(run.ops()));
    // Conclusions: the number and statement, then the finding, then the reason.
    EXPECT_EQ(Count(run.Between(5, 6), K::Text, 40, 395, 3, "①"), 1);
    EXPECT_EQ(JoinedText(TextsIn(run.Between(6, 7), 0, 395, 1440, 396)), "花見が多い");
    EXPECT_EQ(Count(run.Between(17, 18), K::Text, 40, 595, 3, "⑤"), 1);
}

TEST(SnackTrendScreen, SecondVisitDrawsTheSame) {
    ScreenRun run(Keys(38));
    tallyview::SnackTrendScreen(run.p());
    const Ops once = run.ops();
    tallyview::SnackTrendScreen(run.p());
    const Ops again(run.ops().begin() + static_cast<std::ptrdiff_t>(once.size()), run.ops().end());
    EXPECT_EQ(JoinedText(TextsIn(again, 900, 0, 1300, 600)), JoinedText(TextsIn(once, 900, 0, 1300, 600)));
    EXPECT_EQ(JoinedText(TextsIn(again, 0, 0, 900, 400)), JoinedText(TextsIn(once, 0, 0, 900, 400)));
}

TEST(TeaTrendScreen, OwnScaleAndIndentedReason) {
    ScreenRun run(Keys(13));
    tallyview::TeaTrendScreen(run.p());
    EXPECT_EQ(Column(run.ops(), 1010, 105, 345), "3362.583110169");
    // Value v at 260 + 3 (v - 20); the holiday box plot of the season.
    const auto found = BoxPlotsAt(run.Between(3, 4), 225);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0], (Floats{299, 387.5f, 449, 530, 707}));
    // The last reason on a line of its own, after the finding's key.
    const Ops last = run.Between(13, 14);
    const std::string reason = JoinedText(TextsIn(last, 40, 545, 1440, 546));
    EXPECT_NE(reason.find("(箱と右ひげの長さ)"), std::string::npos);
    EXPECT_TRUE(TextsIn(last, 0, 495, 1440, 496).empty());
}

TEST(TrendJudgementScreen, QuestionsAndAnswers) {
    ScreenRun run(Keys(5));
    tallyview::TrendJudgementScreen(run.p());
    EXPECT_EQ(Count(run.Between(0, 1), K::Text, 30, 190, 3, "種"), 1);
    EXPECT_EQ(Count(run.Between(1, 2), K::Text, 30, 260, 7, "Q"), 1);
    EXPECT_EQ(Count(run.Between(2, 3), K::Text, 57, 310, 0, "ス"), 1);
    EXPECT_EQ(Count(run.Between(4, 5), K::Text, 30, 430, 7, "Q"), 1);
    EXPECT_EQ(Count(run.Between(5, 6), K::Text, 57, 480, 3, "ス"), 1);
}
