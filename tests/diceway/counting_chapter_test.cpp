#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Diceway/ch2_counting/counting_chapter.h"
#include "tests/diceway/screen_run.h"

using namespace lesson;
using namespace diceway_test;

TEST(CountingChapter, EachScreenTakesItsKeysAndReturns) {
    const struct { void (*screen)(diceway::Program&); std::size_t keys; } screens[] = {
        {diceway::EquallyLikelyScreen, 9}, {diceway::ProbabilityDefinitionScreen, 9},
        {diceway::CardsExampleScreen, 5}, {diceway::PlayingCardsAnswerScreen, 7}};
    for (const auto& s : screens) {
        ScreenRun run(Keys(s.keys));
        s.screen(run.p());
        EXPECT_EQ(run.keyWaits.size(), s.keys);
        EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
    }
}

TEST(CountingChapter, SubMenuRefusesOutOfRangeAndRoundsFractions) {
    // 0, 6, -1 and 0.9 show the line again; 5/3 is item 2; 5 leaves.
    ScreenRun run("0\r6\r-1\r0.9\r5/3\r" + Keys(9) + "5\r");
    diceway::CountingChapter(run.p());
    EXPECT_EQ(run.numberWaits.size(), 6u);
    EXPECT_EQ(run.keyWaits.size(), 9u);
    EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
    EXPECT_EQ(Count(run.ops(), K::Text, 44, 240, 3), 1);  // the aim, once
    for (std::size_t n = 1; n < 5; ++n) {
        const Ops between(run.ops().begin() + static_cast<std::ptrdiff_t>(run.numberWaits[n - 1]),
                          run.ops().begin() + static_cast<std::ptrdiff_t>(run.numberWaits[n]));
        EXPECT_TRUE(AboveBand(between).empty()) << n;
    }
    // Item 2's heading.
    EXPECT_EQ(Count(run.ops(), K::Text, 740, 30, 5), 1);
}

TEST(EquallyLikelyScreen, DecimalAndTheDieBesideIt) {
    ScreenRun run(Keys(9));
    diceway::Program& p = run.p();
    diceway::EquallyLikelyScreen(p);
    EXPECT_EQ(p.T_sa(1), Text("0.1666667"));
    // The die's frame starts 20 after the decimal line (its closing
    // bracket is the last text at y 480 of the left column).
    const Ops line = AboveBand(run.Between(4, 5));
    float end = 0;
    for (const DrawOp& op : line)
        if (op.kind == K::Text && op.points[0].y == 480 && op.colour == 5) end = op.points[0].x;
    EXPECT_EQ(Joined(line).substr(Joined(line).size() - 1), ")");
    EXPECT_GT(p.U_a(1), end);
    EXPECT_LT(p.U_a(1), end + 50);
    EXPECT_EQ(p.U_a(1), 490);
    EXPECT_EQ(p.V_a(1), 480);
    EXPECT_EQ(p.GX0, p.U_a(1));
    EXPECT_EQ(p.GY0, 640);
}

TEST(IrregularDie, PointsFacesEdgesAndPips) {
    ScreenRun run;
    diceway::Program& p = run.p();
    p.U_a(1) = 490;
    p.V_a(1) = 480;
    diceway::DrawIrregularDie(p);
    const float expected[8][2] = {{0, -40},      {108.3f, -20.9f}, {199.2f, -57.4f}, {90.2f, -78.3f},
                                  {0, -100},     {108.3f, -80.9f}, {199.2f, -117.4f}, {90.2f, -138.3f}};
    for (int k = 0; k < 8; ++k) {
        EXPECT_NEAR(p.X_a(k + 1) - 490, expected[k][0], 0.1) << k + 1;
        EXPECT_NEAR(p.Y_a(k + 1) - 640, expected[k][1], 0.1) << k + 1;
    }
    EXPECT_NEAR(p.R2, 97.98f, 0.05);
    std::vector<int> fills;
    int dots = 0;
    std::vector<float> pipAspects;
    for (const DrawOp& op : run.ops()) {
        if (op.kind == K::Polygon) {
            fills.push_back(op.fill);
            EXPECT_EQ(op.points.size(), 5u);
            EXPECT_EQ(op.colour, 0);
        }
        if (op.kind == K::Circle && op.radius == 0.5f) ++dots;
        if (op.kind == K::Circle && op.radius > 1) pipAspects.push_back(op.aspect);
    }
    EXPECT_EQ(fills, (std::vector<int>{13, 11, 15}));
    EXPECT_EQ(dots, 37 + 37 + 23);
    EXPECT_EQ(pipAspects, (std::vector<float>{0.8f, 0.8f, 0.8f, 1.1f, 1.1f, 1.2f}));
    // The middle pip of the right face halves the diagonal from 6 to 3.
    EXPECT_FLOAT_EQ(p.X_a(16), (p.X_a(6) + p.X_a(3)) / 2);
    EXPECT_EQ(p.CCC2, 0);
    EXPECT_EQ(p.HABA, 8);
    EXPECT_EQ(run.f.rt.LineWidth(), 3);
}

TEST(CardsExampleScreen, TenCardsInThreeColumns) {
    ScreenRun run(Keys(5));
    diceway::CardsExampleScreen(run.p());
    int cards = 0;
    std::string numbers;
    const Ops ops = run.ops();
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const DrawOp& op = ops[i];
        if (op.kind != K::FilledBox || op.points[1].x - op.points[0].x != 80) continue;
        ++cards;
        EXPECT_EQ(op.points[1].y - op.points[0].y, 120);
        EXPECT_EQ(op.fill, 13);
        EXPECT_EQ(op.colour, 0);
        std::string label;
        float left = 0, right = 0;
        for (std::size_t j = i + 1; j < ops.size() && ops[j].kind == K::Text; ++j) {
            if (ops[j].points[0].y >= 1000) continue;
            if (ops[j].points[0].x >= op.points[1].x || ops[j].points[0].x < op.points[0].x) break;
            if (label.empty()) left = ops[j].points[0].x;
            right = ops[j].points[0].x;
            label += ops[j].text.Utf8();
        }
        numbers += label + ",";
        // "10" centred like the one-digit numbers: its inset is smaller.
        if (label == "10") {
            EXPECT_LT(left - op.points[0].x, 30);
        }
        if (label == "1") {
            EXPECT_GT(left - op.points[0].x, 20);
        }
        (void)right;
    }
    EXPECT_EQ(cards, 10);
    EXPECT_EQ(numbers, "1,4,7,10,2,5,8,3,6,9,");
    EXPECT_EQ(Count(run.ops(), K::FilledBox, 960, 470, 0), 0);
}

TEST(PlayingCardsAnswerScreen, AnswerAndNextQuestionTogether) {
    ScreenRun run(Keys(7));
    diceway::PlayingCardsAnswerScreen(run.p());
    // After the second key: the ace's answer and the joker question.
    const Ops step = AboveBand(run.Between(2, 3));
    EXPECT_EQ(Count(step, K::Text, 38, 200, 0), 1);
    EXPECT_EQ(Count(run.Between(7, 8), K::Text, 608, 320, 5), 1);
}
