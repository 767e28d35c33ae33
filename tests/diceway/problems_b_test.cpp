#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Diceway/ch8_problems_b/problems_b.h"
#include "tests/diceway/answer_screen_support.h"

using namespace lesson;
using namespace answer_test;
using diceway_test::Fixture;

TEST(ProblemsB, EntryAsksAtOnceAndRoutesTheSubMenu) {
    // 0 and 8 show the line again, 5 opens item 5 (2 keys), 7 goes back.
    Fixture f("0\r8\r5\rkk7\r");
    std::vector<WaitKind> waits;
    std::size_t clearsAtFirstWait = 99;
    f.rt.onWait = [&](WaitKind kind) {
        if (waits.empty()) clearsAtFirstWait = CellsOfSize(f.rt.Ops(), 1760, 1800).size();
        waits.push_back(kind);
    };
    diceway::ProbabilityProblemsB(f.p());
    EXPECT_EQ(f.rt.KeysLeft(), 0u);
    EXPECT_EQ(waits, (std::vector<WaitKind>{WaitKind::Number, WaitKind::Number, WaitKind::Number,
                                            WaitKind::AnyKey, WaitKind::AnyKey, WaitKind::Number}));
    EXPECT_EQ(clearsAtFirstWait, 0u);
    EXPECT_NE(Visible(f).find("正三角形"), std::string::npos);
}

TEST(ProblemsB, KeyWaitsPerScreen) {
    Fixture f(Text(std::string(36, 'k')));
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::ProblemsB1aScreen, f), 10);
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::ProblemsB1bScreen, f), 7);
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::ProblemsB2abScreen, f), 7);
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::ProblemsB2cScreen, f), 5);
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::ProblemsB3abScreen, f), 2);
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::ProblemsB3cScreen, f), 5);
    EXPECT_EQ(f.rt.KeysLeft(), 0u);
}

TEST(ProblemsB, WhatEachWaitFollows) {
    Fixture f("kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk");
    const auto b1a = TextsAtWaits(f, diceway::ProblemsB1aScreen);
    ASSERT_EQ(b1a.size(), 10u);
    // Each sum line waits before its outcomes ("+" and "-" are strokes).
    EXPECT_TRUE(b1a[3].ends_with("(1,1)xy=3…")) << b1a[3];
    const auto b1b = TextsAtWaits(f, diceway::ProblemsB1bScreen);
    ASSERT_EQ(b1b.size(), 7u);
    // The first two lines stand before the first wait.
    EXPECT_TRUE(b1b[0].ends_with("(2)2xy=8だからy=82xx=1のときy=82×1=82=6だから")) << b1b[0];
    const auto b2ab = TextsAtWaits(f, diceway::ProblemsB2abScreen);
    ASSERT_EQ(b2ab.size(), 7u);
    EXPECT_TRUE(b2ab[0].ends_with("の頂点となる。")) << b2ab[0];
    EXPECT_TRUE(b2ab[1].ends_with("だから、2で")) << b2ab[1];
    // The whole result line comes after the last wait.
    EXPECT_TRUE(b2ab[6].ends_with("　だから")) << b2ab[6];
    const auto b2c = TextsAtWaits(f, diceway::ProblemsB2cScreen);
    ASSERT_EQ(b2c.size(), 5u);
    EXPECT_TRUE(b2c[4].ends_with("求める確率は")) << b2c[4];
    EXPECT_TRUE(Visible(f).ends_with("求める確率は83")) << Visible(f);
}

TEST(ProblemsB, FrameCellsAndMarks) {
    Fixture f("kkkkkkkkkk");
    diceway::ProblemsB1aScreen(f.p());
    const auto header = CellsOfSize(f.rt.Ops(), 342, 48);
    ASSERT_EQ(header.size(), 1u);
    EXPECT_EQ(Corner(header[0]), (Point{38, 30}));
    EXPECT_EQ(header[0].colour, 1);
    EXPECT_EQ(header[0].fill, 13);
    const auto number = CellsOfSize(f.rt.Ops(), 44, 44);
    ASSERT_EQ(number.size(), 1u);
    EXPECT_EQ(Corner(number[0]), (Point{400, 30}));
    const DrawOp* mark = FirstText(f.rt.Ops(), "(");
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->points[0].y, 30);
    EXPECT_GE(mark->points[0].x, 454 - 8);  // "(" stands a little left of its pen
    EXPECT_EQ(f.p().YI1, 560);
    EXPECT_EQ(f.p().HABA, 44);
}

TEST(ProblemsB, TheHexagonsWidthCarriesIntoTheNextScreensFrames) {
    Fixture f("5\rkk1\rkkkkkkkkkk7\r");
    diceway::ProbabilityProblemsB(f.p());
    const auto numbers = CellsOfSize(f.rt.Ops(), 44, 44);
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_EQ(numbers[0].lineWidth, 3);
    EXPECT_EQ(numbers[1].lineWidth, 5);
}

TEST(Hexagon, VerticesLettersAndTriangle) {
    Fixture f;
    diceway::Program& p = f.p();
    diceway::DrawHexagonTriangle(p);
    const Point expected[] = {{900, 226.8f}, {800, 400}, {900, 573.2f}, {1100, 573.2f}, {1200, 400}, {1100, 226.8f}};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_NEAR(p.X_a(i), expected[i - 1].x, 0.1) << i;
        EXPECT_NEAR(p.Y_a(i), expected[i - 1].y, 0.1) << i;
        EXPECT_EQ(p.G_a(i, 1), p.X_a(i));
        EXPECT_EQ(p.G_a(i, 2), p.Y_a(i));
    }
    EXPECT_EQ(f.rt.LineWidth(), 5);
    EXPECT_EQ(p.GX0, 800);
    EXPECT_EQ(p.GY0, 600);
    EXPECT_EQ(p.M, 3);
    EXPECT_EQ(p.N, 5);
    EXPECT_EQ(p.CCC1, 0);
    EXPECT_EQ(p.CCC2, 0);
    EXPECT_TRUE(p.AAA_s.Empty());

    // Six black sides, then AC, AE, CE in colour 3; nothing of the grid.
    const auto lines = LinesOf(f.rt.Ops());
    ASSERT_EQ(lines.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(lines[i].colour, i < 6 ? 0 : 3) << i;
        EXPECT_EQ(lines[i].lineWidth, 5) << i;
    }
    EXPECT_NEAR(lines[6].points[1].x, 900, 0.1);
    EXPECT_NEAR(lines[6].points[1].y, 573.2, 0.1);
    EXPECT_EQ(lines[8].points[1].x, 1200);

    // Each letter stands outside the hexagon, near its own vertex.
    for (int i = 1; i <= 6; ++i) {
        const std::string letter(1, static_cast<char>('A' + i - 1));
        const DrawOp* label = FirstText(f.rt.Ops(), letter.c_str());
        ASSERT_NE(label, nullptr) << letter;
        const float cx = label->points[0].x + 16, cy = label->points[0].y + 16;
        const float fromCentre = std::hypot(cx - 1000, cy - 400);
        EXPECT_GT(fromCentre, 200) << letter;
        EXPECT_LT(std::hypot(cx - p.X_a(i), cy - p.Y_a(i)), 60) << letter;
    }
}

TEST(Hexagon, FigureBeforeOrAfterTheFirstKey) {
    Fixture f("kkkkkkk");
    std::vector<std::size_t> linesAtWaits;
    f.rt.onWait = [&](WaitKind) { linesAtWaits.push_back(LinesOf(f.rt.Ops()).size()); };
    diceway::ProblemsB3abScreen(f.p());
    ASSERT_EQ(linesAtWaits.size(), 2u);
    EXPECT_EQ(linesAtWaits[0], 0u);
    EXPECT_EQ(linesAtWaits[1], 9u);

    f.rt.ClearOps();
    linesAtWaits.clear();
    diceway::ProblemsB3cScreen(f.p());
    ASSERT_EQ(linesAtWaits.size(), 5u);
    EXPECT_EQ(linesAtWaits[0], 10u);  // with the chord BF
    const auto lines = LinesOf(f.rt.Ops());
    EXPECT_EQ(lines[9].colour, 3);
    EXPECT_EQ(lines[9].points[0].x, 800);
    EXPECT_NEAR(lines[9].points[1].x, 1100, 0.1);
    EXPECT_NEAR(lines[9].points[1].y, 226.8, 0.1);
    EXPECT_EQ(f.p().YI1, 500);
}
