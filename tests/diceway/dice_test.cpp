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

constexpr float kRowTop[8] = {0, 150, 200, 250, 300, 350, 400, 450};

// The screen run once on a fresh program, with its keys.
struct DiceRun {
    DiceRun() : f(Text("kkkkkkk")) { waits = testing_support::KeyWaitsOf(diceway::DiceExperimentScreen, f); }
    Fixture f;
    int waits = 0;
};

DiceRun& OneRun() {
    static DiceRun run;  // a million throws: run once for the suite
    return run;
}

}  // namespace

TEST(DiceExperimentScreen, SevenStepsThenTheSubMenuAtOnce) {
    DiceRun& run = OneRun();
    EXPECT_EQ(run.waits, 7);
    EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
    const auto texts = testing_support::TextOps(run.f.rt.Ops());
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().points[0].y, 450);  // "求められるだろうか?"
    EXPECT_EQ(run.f.rt.LineWidth(), 5);
}

TEST(DiceExperimentScreen, CountsAfterEveryBatch) {
    const auto& ops = OneRun().f.rt.Ops();
    const auto throws = CellLabels(ops, 782, kRowTop[1]);
    ASSERT_EQ(throws.size(), 51u);  // "0", then one redraw per batch
    EXPECT_EQ(throws[0], "0");
    std::vector<std::vector<std::string>> faces;
    for (int row = 2; row <= 7; ++row) {
        faces.push_back(CellLabels(ops, 782, kRowTop[row]));
        ASSERT_EQ(faces.back().size(), 51u);
        EXPECT_EQ(faces.back()[0], "0");
    }
    for (int n = 1; n <= 50; ++n) {
        EXPECT_EQ(throws[n], std::to_string(2 * n) + "万");
        long sum = 0;
        for (const auto& face : faces) sum += std::stol(face[n]);
        EXPECT_EQ(sum, 20000L * n) << "batch " << n;
    }
    // The labels' column.
    EXPECT_EQ(CellLabels(ops, 680, kRowTop[1]), std::vector<std::string>{"回数"});
    EXPECT_EQ(CellLabels(ops, 680, kRowTop[7]), std::vector<std::string>{"6の目"});
}

TEST(DiceExperimentScreen, RelativeFrequenciesMatchTheCounts) {
    DiceRun& run = OneRun();
    const auto& ops = run.f.rt.Ops();
    EXPECT_EQ(CellLabels(ops, 962, kRowTop[1]), std::vector<std::string>{"相対度数"});
    double total = 0;
    for (int row = 2; row <= 7; ++row) {
        const auto freq = CellLabels(ops, 962, kRowTop[row]);
        ASSERT_EQ(freq.size(), 1u);
        const std::string& text = freq[0];
        ASSERT_EQ(text.rfind("0.", 0), 0u) << text;
        EXPECT_LE(text.size(), 5u) << text;
        const long count = std::stol(CellLabels(ops, 782, kRowTop[row]).back());
        EXPECT_DOUBLE_EQ(std::stod(text), std::floor(count / 1000.0 + 0.5) / 1000) << text;
        EXPECT_NEAR(std::stod(text), 1.0 / 6, 0.003) << text;
        total += std::stod(text);
    }
    EXPECT_NEAR(total, 1, 0.006);
    EXPECT_EQ(run.f.p().F_a(1), 1000000);
}

TEST(DiceExperimentScreen, FaceOnesFrequencyFollowsItsSentence) {
    DiceRun& run = OneRun();
    const auto texts = testing_support::TextOps(testing_support::VisibleOps(run.f.rt));
    // "相対度数を求めると、" at (76,140); the value 30 right of its end, in 5.
    auto sentence = texts.end(), comma = texts.end(), value = texts.end();
    for (auto it = texts.begin(); it != texts.end(); ++it) {
        if (it->points[0].y != 140) continue;
        if (sentence == texts.end() && it->text == Text("相")) sentence = it;
        if (comma == texts.end() && it->text == Text("、")) comma = it;
        if (value == texts.end() && it->colour == 5) value = it;
    }
    ASSERT_NE(sentence, texts.end());
    ASSERT_NE(comma, texts.end());
    ASSERT_NE(value, texts.end());
    EXPECT_EQ(sentence->points[0].x, 76);
    EXPECT_EQ(sentence->colour, 0);
    EXPECT_EQ(value->text, Text("0"));
    // The sentence's last glyph is full width (34 units).
    EXPECT_EQ(value->points[0].x, comma->points[0].x + 34 + 30);
}

TEST(ThrowDie, FacesCountedAndTotalKept) {
    Fixture f;
    diceway::Program& p = f.p();
    for (int i = 0; i < 60000; ++i) {
        diceway::ThrowDie(p);
        ASSERT_TRUE(p.P1 >= 1 && p.P1 <= 6) << p.P1;
    }
    EXPECT_EQ(p.F_a(1), 6);  // 60,000 throws / 10,000
    EXPECT_EQ(p.F_a(8), 0);
    float sum = 0;
    for (int k = 2; k <= 7; ++k) {
        sum += p.F_a(k);
        EXPECT_NEAR(p.F_a(k), 10000, 500);
    }
    EXPECT_EQ(sum, 60000);
}

TEST(DiceExperimentScreen, SecondVisitCountsFromZeroOnTheSameSequence) {
    Fixture f(Text("kkkkkkkkkkkkkk"));
    diceway::Program& p = f.p();
    diceway::DiceExperimentScreen(p);
    f.rt.ClearOps();
    diceway::DiceExperimentScreen(p);
    const auto throws = CellLabels(f.rt.Ops(), 782, kRowTop[1]);
    ASSERT_EQ(throws.size(), 51u);
    EXPECT_EQ(throws[0], "0");
    EXPECT_EQ(throws[1], "2万");
    // Exactly a million draws a visit, all from the program's one sequence.
    Random r;
    r.Seed(0);
    for (int i = 0; i < 2000000; ++i) r.Draw();
    EXPECT_EQ(f.rt.Rnd(), r.Draw());
}
