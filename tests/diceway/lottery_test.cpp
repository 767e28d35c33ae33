#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Diceway/ch1_experiments/experiments.h"
#include "lessonlib/shell/random.h"
#include "tests/diceway/cell_labels.h"
#include "tests/diceway/diceway_fixture.h"

using namespace lesson;
using diceway_test::CellLabels;
using diceway_test::Fixture;

namespace {

// The position the next draw of a fresh sequence from `seed` gives.
int FirstPosition(std::int32_t seed) {
    Random r;
    r.Seed(seed);
    return static_cast<int>(std::floor(r.Draw() * 3 + 1));
}

// Counts before one draw such that after it they are `after`.
void SetCountsBefore(diceway::Program& p, Fixture& f, std::int32_t seed, std::array<float, 3> after) {
    f.rt.Randomize(seed);
    after[static_cast<std::size_t>(FirstPosition(seed) - 1)] -= 1;
    for (int k = 1; k <= 3; ++k) p.F_a(k) = after[static_cast<std::size_t>(k - 1)];
}

std::string Keys(int n) { return std::string(static_cast<std::size_t>(n), 'k'); }

}  // namespace

TEST(PickLotteryWinner, FirstDrawWinsEverything) {
    Fixture f;
    diceway::Program& p = f.p();
    p.F_a(4) = 99;  // whatever it held
    diceway::PickLotteryWinner(p);
    ASSERT_GE(p.P1, 1);
    ASSERT_LE(p.P1, 3);
    EXPECT_EQ(p.F_a(4), 1);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(p.F_a(k), k == p.P1 ? 1 : 0);
        EXPECT_EQ(p.T_a(k), k == p.P1 ? 1 : 0);
    }
}

TEST(PickLotteryWinner, RelativeFrequenciesInWholeThousandths) {
    Fixture f;
    diceway::Program& p = f.p();
    SetCountsBefore(p, f, 7, {1, 1, 1});
    diceway::PickLotteryWinner(p);
    for (int k = 1; k <= 3; ++k) EXPECT_FLOAT_EQ(p.T_a(k), 0.333f);
    SetCountsBefore(p, f, 8, {650, 680, 670});
    diceway::PickLotteryWinner(p);
    EXPECT_EQ(p.F_a(4), 2000);
    EXPECT_FLOAT_EQ(p.T_a(1), 0.325f);
    EXPECT_FLOAT_EQ(p.T_a(2), 0.34f);
    EXPECT_FLOAT_EQ(p.T_a(3), 0.335f);
    // Halves round away from zero: 651 and 649 of 2000 are 325.5 and 324.5.
    SetCountsBefore(p, f, 9, {651, 700, 649});
    diceway::PickLotteryWinner(p);
    EXPECT_FLOAT_EQ(p.T_a(1), 0.326f);
    EXPECT_FLOAT_EQ(p.T_a(3), 0.325f);
}

TEST(PickLotteryWinner, PositionsStayInRangeAndAddUp) {
    Fixture f;
    diceway::Program& p = f.p();
    int seen[4] = {};
    for (int i = 0; i < 3000; ++i) {
        diceway::PickLotteryWinner(p);
        ASSERT_TRUE(p.P1 == 1 || p.P1 == 2 || p.P1 == 3) << p.P1;
        ++seen[static_cast<int>(p.P1)];
    }
    EXPECT_EQ(p.F_a(1) + p.F_a(2) + p.F_a(3), 3000);
    EXPECT_EQ(p.F_a(4), 3000);
    for (int k = 1; k <= 3; ++k) EXPECT_GT(seen[k], 800);
}

TEST(LotteryOrderScreen, FortySevenStepsThenTheSubMenuAtOnce) {
    Fixture f(Text(Keys(47)));
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::LotteryOrderScreen, f), 47);
    EXPECT_EQ(f.rt.KeysLeft(), 0u);
    // The last text is the conclusion, with no wait after it.
    const auto texts = testing_support::TextOps(f.rt.Ops());
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().points[0].y, 570);
    EXPECT_EQ(f.rt.LineWidth(), 5);
    EXPECT_EQ(f.p().CCC1, 3);
}

TEST(LotteryOrderScreen, TableFollowsTheDraws) {
    Fixture f(Text(Keys(47)));
    diceway::Program& p = f.p();
    diceway::LotteryOrderScreen(p);
    const auto& ops = f.rt.Ops();
    // Row tops 200, 250, 300 (positions) and 350 (計); counts at x 194,
    // relative frequencies at x 446.
    const auto total = CellLabels(ops, 194, 350);
    std::vector<std::string> expected = {""};  // the empty table
    for (int n = 1; n <= 10; ++n) expected.push_back(std::to_string(n));
    for (int n = 100; n <= 2000; n += 100) expected.push_back(std::to_string(n));
    EXPECT_EQ(total, expected);
    for (const std::string& cell : CellLabels(ops, 446, 350)) EXPECT_EQ(cell, "");
    std::vector<std::vector<std::string>> counts, freqs;
    for (float row : {200.0f, 250.0f, 300.0f}) {
        counts.push_back(CellLabels(ops, 194, row));
        freqs.push_back(CellLabels(ops, 446, row));
        ASSERT_EQ(counts.back().size(), expected.size());
        ASSERT_EQ(freqs.back().size(), expected.size());
    }
    for (std::size_t i = 1; i < expected.size(); ++i) {
        const int all = std::stoi(expected[i]);
        int sum = 0;
        for (std::size_t r = 0; r < 3; ++r) {
            const int count = std::stoi(counts[r][i]);
            sum += count;
            // The frequency is the row's whole thousandths, "0" before a
            // value strictly between 0 and 1.
            const int thousandths = static_cast<int>(std::floor(1000.0 * count / all + 0.5));
            std::string text = thousandths == 0 ? "0" : thousandths == 1000 ? "1" : "0.";
            if (thousandths > 0 && thousandths < 1000) {
                std::string digits = std::to_string(1000 + thousandths).substr(1);
                while (digits.back() == '0') digits.pop_back();
                text += digits;
            }
            EXPECT_EQ(freqs[r][i], text) << "after " << all << " draws, row " << r + 1;
        }
        EXPECT_EQ(sum, all);
    }
    EXPECT_EQ(p.F_a(4), 2000);
}

TEST(LotteryOrderScreen, SingleDrawsShowOneWinnerEach) {
    Fixture f(Text(Keys(47)));
    diceway::LotteryOrderScreen(f.p());
    int circles = 0, crossStrokes = 0;
    for (const DrawOp& op : f.rt.Ops()) {
        circles += op.kind == DrawOp::Kind::Circle;
        crossStrokes += op.kind == DrawOp::Kind::Line && op.lineWidth == 10;
    }
    // The illustration and the ten single draws: one winner and two losers each.
    EXPECT_EQ(circles, 11);
    EXPECT_EQ(crossStrokes, 11 * 4);
}

TEST(LotteryOrderScreen, EveryVisitDrawsAfreshFromOneSequence) {
    Fixture f(Text(Keys(94)));
    diceway::Program& p = f.p();
    p.T_a(4) = 0.167f;  // left by the dice screen
    p.X_a(1) = 12;      // a stale figure point
    diceway::LotteryOrderScreen(p);
    diceway::LotteryOrderScreen(p);
    EXPECT_EQ(p.F_a(4), 2000);
    const auto totals = CellLabels(f.rt.Ops(), 194, 350);
    ASSERT_EQ(totals.size(), 2u * 31);
    EXPECT_EQ(totals[31], "");
    EXPECT_EQ(totals[32], "1");
    // Exactly 2000 draws a visit, all from the program's one sequence.
    Random r;
    r.Seed(0);
    for (int i = 0; i < 4000; ++i) r.Draw();
    EXPECT_EQ(f.rt.Rnd(), r.Draw());
}
