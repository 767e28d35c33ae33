#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "lessonlib/shell/arrays.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/shell/random.h"
#include "lessonlib/shell/run.h"
#include "Tallyview/tallyview.h"
#include "platform/headless_runtime.h"
#include "tests/support/test_support.h"

using namespace lesson;

TEST(Arrays, BoundsAreCheckedWithTheStatementLine) {
    Array1<float> t;
    EXPECT_THROW(t(0), RuntimeError);  // not dimensioned: no elements at all
    t.Dim(80);
    t(80) = 5;
    EXPECT_EQ(t(80), 5);
    EXPECT_EQ(t(79.5), 5);  // subscripts are made whole by the system's rule
    int line = 0;
    try {
        line = __LINE__ + 1;
        t(81) = 1;
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code, ErrorCode::SubscriptRange);
        EXPECT_EQ(e.statement, line);
    }
    EXPECT_THROW(t(-1), RuntimeError);
    EXPECT_THROW(t(1e12), RuntimeError);

    Array2<float> g;
    g.Dim(10, 10);
    g(6, 2) = 1;
    g(1, 10) = 2;
    EXPECT_THROW(g(11, 1), RuntimeError);
    EXPECT_THROW(g(1, 11), RuntimeError);
    EXPECT_EQ(g(6, 2), 1);
}

TEST(CountedLoop, RunsOnceAtLeastAndEndsPastTheBound) {
    float i = 0;
    int passes = 0;
    CountedLoop(i, 1, 0, [&] { ++passes; });
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(i, 2);

    std::vector<float> seen;
    CountedLoop(i, 1, 5, [&] { seen.push_back(i); });
    EXPECT_EQ(seen, (std::vector<float>{1, 2, 3, 4, 5}));
    EXPECT_EQ(i, 6);

    float last = 10;  // the bound is fixed on entry
    passes = 0;
    CountedLoop(i, 1, last, [&] { ++passes; last = 2; });
    EXPECT_EQ(passes, 10);

    seen.clear();
    CountedLoop(i, 5, 1, [&] { seen.push_back(i); }, -2);
    EXPECT_EQ(seen, (std::vector<float>{5, 3, 1}));

    passes = 0;
    CountedLoop(i, 1, 9, [&] { ++passes; return i < 3; });
    EXPECT_EQ(passes, 3);
    EXPECT_EQ(i, 3);

    // A repetition that could never end is a run-time error, not a hang.
    EXPECT_THROW(CountedLoop(i, 1, std::nanf(""), [] {}), RuntimeError);
    EXPECT_THROW(CountedLoop(i, 1, 5, [] {}, 0), RuntimeError);
    EXPECT_THROW(CountedLoop(i, 16777215, 16777300, [] {}), RuntimeError);
}

TEST(Random, SameSeedSameSequenceAndNeverOne) {
    Random a, b;
    a.Seed(102);
    b.Seed(102);
    for (int k = 0; k < 1000; ++k) EXPECT_EQ(a.Draw(), b.Draw());
    Random c;
    c.Seed(6);
    float lo = 1, hi = 0;
    for (int k = 0; k < 200000; ++k) {
        const float v = c.Draw();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        // Exact multiples of 2^-24.
        ASSERT_EQ(v * 16777216.0f, std::floor(v * 16777216.0f));
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    EXPECT_LT(lo, 0.001f);
    EXPECT_GT(hi, 0.999f);
}

// The clock gives the seeds 0 to 141; each must start an experiment of its
// own, not the same stream shifted by a few draws.
TEST(Random, EveryClockSeedDrawsItsOwnSequence) {
    constexpr int kSeeds = 142, kDraws = 10000, kRun = 8;
    std::vector<std::vector<std::uint32_t>> draws(kSeeds);
    // Every pair of consecutive draws, keyed by its 48 bits.
    struct Pair {
        std::uint64_t key;
        int seed, at;
    };
    std::vector<Pair> pairs;
    pairs.reserve(std::size_t{kSeeds} * kDraws);
    for (int s = 0; s < kSeeds; ++s) {
        Random r;
        r.Seed(s);
        for (int k = 0; k < kDraws; ++k) draws[s].push_back(static_cast<std::uint32_t>(r.Draw() * 16777216.0f));
        for (int k = 0; k + 1 < kDraws; ++k)
            pairs.push_back({std::uint64_t{draws[s][k]} << 24 | draws[s][k + 1], s, k});
    }
    std::sort(pairs.begin(), pairs.end(), [](const Pair& a, const Pair& b) { return a.key < b.key; });
    // A shared run of 8 draws starts with a shared pair; check each one.
    int shared = 0;
    std::string first;
    for (std::size_t i = 0; i + 1 < pairs.size(); ++i) {
        for (std::size_t j = i + 1; j < pairs.size() && pairs[j].key == pairs[i].key; ++j) {
            const Pair& a = pairs[i];
            const Pair& b = pairs[j];
            if (a.seed == b.seed) continue;
            int same = 0;
            while (same < kRun && a.at + same < kDraws && b.at + same < kDraws &&
                   draws[a.seed][a.at + same] == draws[b.seed][b.at + same])
                ++same;
            if (same < kRun) continue;
            if (shared++ == 0)
                first = "seeds " + std::to_string(a.seed) + " and " + std::to_string(b.seed) + " from draws " +
                        std::to_string(a.at) + " and " + std::to_string(b.at);
        }
    }
    EXPECT_EQ(shared, 0) << "first: " << first;

    // The count of one face in 20,000 throws spreads between the seeds as
    // independent experiments do: binomial standard deviation 52.7.
    std::vector<double> counts;
    for (int s = 0; s < kSeeds; ++s) {
        Random r;
        r.Seed(s);
        int sixes = 0;
        for (int k = 0; k < 20000; ++k) sixes += RoundDown(r.Draw() * 6 + 1) == 6;
        counts.push_back(sixes);
    }
    const double mean = std::accumulate(counts.begin(), counts.end(), 0.0) / kSeeds;
    double squares = 0;
    for (double c : counts) squares += (c - mean) * (c - mean);
    const double spread = std::sqrt(squares / (kSeeds - 1));
    EXPECT_NEAR(mean, 20000.0 / 6, 15);
    EXPECT_GT(spread, 35);
    EXPECT_LT(spread, 75);
}

namespace {

float SeedAt(const char* clock) {
    platform::HeadlessRuntime rt("", clock);
    Program p(rt);
    ReseedFromClock(p);
    return p.A;
}

}  // namespace

TEST(StartUp, SeedIsTheSumOfTheClockFields) {
    EXPECT_EQ(SeedAt("00:00:00"), 0);
    EXPECT_EQ(SeedAt("23:59:59"), 141);
    EXPECT_EQ(SeedAt("12:34:56"), 102);
    EXPECT_EQ(SeedAt("01:02:03"), 6);
    EXPECT_EQ(SeedAt("03:02:01"), 6);

    // Equal seeds draw equal sequences.
    platform::HeadlessRuntime r1("", "01:02:03"), r2("", "03:02:01");
    Program p1(r1), p2(r2);
    ReseedFromClock(p1);
    ReseedFromClock(p2);
    for (int k = 0; k < 50; ++k) EXPECT_EQ(r1.Rnd(), r2.Rnd());
}

TEST(StartUp, InitialStateAndArrays) {
    platform::HeadlessRuntime rt;
    tallyview::Program p(rt);
    EXPECT_EQ(p.X, 0);
    EXPECT_EQ(p.AA_s, Text());
    EXPECT_FALSE(p.T_a.Dimensioned());
    tallyview::SetInitialState(p);
    EXPECT_EQ(p.CCC1, 4);
    EXPECT_EQ(p.KAIX, 1056);
    EXPECT_EQ(p.KAIY, 648);
    EXPECT_EQ(p.TITLE_s, Text("Tallyview"));
    EXPECT_EQ(p.T_a.Bound(), 80);
    EXPECT_EQ(p.F_a.Bound(), 50);
    EXPECT_EQ(p.U_sa.Bound(), 20);
    EXPECT_EQ(p.G_a.Bound1(), 10);
    EXPECT_EQ(p.G_a.Bound2(), 10);
    EXPECT_THROW(p.T_a(81), RuntimeError);
    EXPECT_EQ(p.T_a(80), 0);
}

namespace {

int failingLine = 0;

void FailingStartUp(tallyview::Program& p) {
    p.rt.SetFontName("ｺﾞｼｯｸ");
    tallyview::SetInitialState(p);
    failingLine = __LINE__ + 1;
    p.T_a(81) = 1;
}

}  // namespace

TEST(ErrorScreen, ShowsStatementAndCodeThenIdles) {
    platform::HeadlessRuntime rt("123\r");
    const RunResult result = RunProgram(rt, FailingStartUp);
    EXPECT_EQ(result.kind, RunResult::Kind::Error);
    EXPECT_EQ(result.statement, failingLine);
    EXPECT_EQ(result.code, 9);
    ASSERT_EQ(rt.Ops().size(), 2u);
    EXPECT_EQ(rt.Ops()[0].kind, DrawOp::Kind::Clear);
    const DrawOp& text = rt.Ops()[1];
    EXPECT_EQ(text.kind, DrawOp::Kind::Text);
    EXPECT_EQ(text.points[0].x, 288);
    EXPECT_EQ(text.points[0].y, 432);
    EXPECT_EQ(text.colour, 13);
    EXPECT_EQ(text.hscale, 1);
    EXPECT_EQ(text.text.Utf8(), " " + std::to_string(failingLine) +
                                    ", 9エラーが発生しました。マウスで×をクリックして下さい。");
    EXPECT_EQ(rt.KeysLeft(), 4u);  // keys change nothing: none was read
}

TEST(Runtime, ChecksItsArguments) {
    platform::HeadlessRuntime rt;
    EXPECT_THROW(rt.Line(0, 0, 1, 1, 16), RuntimeError);
    EXPECT_THROW(rt.FilledBox(0, 0, 1, 1, 15, -1), RuntimeError);
    EXPECT_THROW(rt.Line(0, std::nanf(""), 1, 1, 0), RuntimeError);
    EXPECT_THROW(rt.SetLineWidth(-1), RuntimeError);
    EXPECT_THROW(rt.DrawLetter(0, 0, 10, 7, 0, "x", {0, 27, std::nanf(""), 48}), RuntimeError);
    EXPECT_THROW(rt.DrawLetter(0, 0, 10, 7, 0, "x", {0, 0, 0, 48}), RuntimeError);
    // Neighbours that reach out of the letter's advance, or fill it, leave it no room.
    EXPECT_THROW(rt.DrawLetter(0, 0, 10, 7, 0, "x", {0, 27, 0, 48, -1, 0}), RuntimeError);
    EXPECT_THROW(rt.DrawLetter(0, 0, 10, 7, 0, "x", {0, 27, 0, 48, 0, std::nanf("")}), RuntimeError);
    EXPECT_THROW(rt.DrawLetter(0, 0, 10, 7, 0, "x", {0, 27, 0, 48, 20, 7}), RuntimeError);
    EXPECT_NO_THROW(rt.DrawLetter(0, 0, 10, 7, 0, "x", {0, 27, 0, 48, 2, 4}));
    // Off-plane, fractional and zero-length drawing is no error.
    EXPECT_NO_THROW(rt.FilledBox(0, 0, 1760, 1800, 15, 15));
    EXPECT_NO_THROW(rt.Line(10.5f, 10.25f, 10.5f, 10.25f, 0));
    EXPECT_NO_THROW(rt.Circle({.cx = 5, .cy = 5, .radius = 0.5f, .colour = 0}));
    EXPECT_NO_THROW(rt.DrawText(0, 1800, 3, 2, 0, "measuring row"));
    rt.SetLineWidth(5);
    rt.Line(0, 0, 1, 1, 2);
    EXPECT_EQ(rt.Ops().back().lineWidth, 5);
    EXPECT_EQ(rt.Ops().back().colour, 2);
}

TEST(Runtime, HeadlessKeysAndKeysOut) {
    platform::HeadlessRuntime rt("ab");
    EXPECT_EQ(rt.PollKey(), Text("a"));
    EXPECT_EQ(rt.PollKey(), Text("b"));
    EXPECT_EQ(rt.PollKey(), Text());  // not waiting: an empty poll
    bool out = false;
    rt.onKeysOut = [&] { out = true; };
    rt.WaitBegins(WaitKind::AnyKey);
    EXPECT_THROW(rt.PollKey(), WindowClosed);
    EXPECT_TRUE(out);
}
