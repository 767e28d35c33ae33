#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Diceway/ch3_tree_diagrams/tree_diagram_chapter.h"
#include "tests/diceway/screen_run.h"

using namespace lesson;
using namespace diceway_test;

TEST(TreeDiagramChapter, EachScreenTakesItsKeysAndReturns) {
    const struct { void (*screen)(diceway::Program&); std::size_t keys; } screens[] = {
        {diceway::CoinGameScreen, 31}, {diceway::CoinTreeScreen, 15}, {diceway::LotteryTreeAnswerScreen, 30}};
    for (const auto& s : screens) {
        ScreenRun run(Keys(s.keys));
        s.screen(run.p());
        EXPECT_EQ(run.keyWaits.size(), s.keys);
        EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
    }
}

TEST(TreeDiagramChapter, SubMenuRefusesOutOfRangeAndRoundsFractions) {
    // 0, 5, -1 and 0.9 show the line again; 5/3 is item 2; 4 leaves.
    ScreenRun run("0\r5\r-1\r0.9\r5/3\r" + Keys(15) + "4\r");
    diceway::TreeDiagramChapter(run.p());
    EXPECT_EQ(run.numberWaits.size(), 6u);
    EXPECT_EQ(run.keyWaits.size(), 15u);
    EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
    // The aim once, before the first number; nothing but the bottom strip
    // between the refused numbers.
    EXPECT_EQ(Count(run.ops(), K::Text, 44, 240, 3), 1);
    for (std::size_t n = 1; n < 5; ++n) {
        const Ops between(run.ops().begin() + static_cast<std::ptrdiff_t>(run.numberWaits[n - 1]),
                          run.ops().begin() + static_cast<std::ptrdiff_t>(run.numberWaits[n]));
        EXPECT_TRUE(AboveBand(between).empty()) << n;
    }
    EXPECT_NE(FindText(run.ops(), "<"), nullptr);
}

TEST(CoinTreeScreen, HeadingsComeBeforeTheTreeAndTextsFollowIt) {
    ScreenRun run(Keys(15));
    diceway::CoinTreeScreen(run.p());
    // The key after text 6 brings both headings, the next one the first node.
    EXPECT_EQ(Joined(AboveBand(run.Between(3, 4))), "1枚目2枚目");
    EXPECT_EQ(Joined(AboveBand(run.Between(4, 5))), "表");
    // The caption leaves the cursor: the next question stands at y 320.
    EXPECT_EQ(Count(run.Between(10, 11), K::Text, 800, 30, 5), 1);
    EXPECT_EQ(Count(run.Between(11, 12), K::Text, 40, 320, 3), 1);
    EXPECT_EQ(Count(run.ops(), K::Text, 240, 600, 7), 1);
    EXPECT_EQ(run.p().rt.LineWidth(), 5);
    EXPECT_EQ(run.p().EDA2, 1);
    EXPECT_EQ(run.p().HERU, 0);
}

TEST(LotteryTreeAnswerScreen, TextsStartBelowTheIntroduction) {
    ScreenRun run(Keys(30));
    diceway::LotteryTreeAnswerScreen(run.p());
    EXPECT_EQ(Count(run.ops(), K::Text, 76, 30, 3), 1);
    EXPECT_EQ(Count(run.ops(), K::Text, 40, 80, 0), 1);
    // Text 1 after the tree and the wait that follows it (waits 3..19).
    EXPECT_EQ(Count(run.Between(19, 20), K::Text, 40, 140, 3), 1);
    EXPECT_EQ(Count(run.ops(), K::Text, 40, 320, 3), 1);
    EXPECT_EQ(run.p().Y_a(3), 305);
    EXPECT_EQ(run.p().rt.LineWidth(), 5);
}

namespace {

// The experiment on a fixed seed, with the counts as each wait saw them.
struct CoinGameRun {
    explicit CoinGameRun(double seed, int visits = 1) : run(Keys(31 * static_cast<std::size_t>(visits))) {
        run.p().rt.Randomize(seed);
        run.f.rt.onWait = [this](WaitKind) {
            diceway::Program& p = run.p();
            shown.push_back(p.F_sa(1).Utf8());
            sumsAgree = sumsAgree && p.F_a(2) + p.F_a(3) + p.F_a(4) == p.F_a(1);
            run.keyWaits.push_back(run.ops().size());
        };
        for (int v = 0; v < visits; ++v) diceway::CoinGameScreen(run.p());
    }
    ScreenRun run;
    std::vector<std::string> shown;
    bool sumsAgree = true;
};

}  // namespace

TEST(CoinGameScreen, CountsGrowToTwoThousand) {
    CoinGameRun game(7);
    ASSERT_EQ(game.shown.size(), 31u);
    EXPECT_EQ(game.shown[4], "1");
    EXPECT_EQ(game.shown[8], "5");
    EXPECT_EQ(game.shown[9], "50");
    EXPECT_EQ(game.shown[10], "100");
    EXPECT_EQ(game.shown[29], "2000");
    EXPECT_TRUE(game.sumsAgree);
    // The tally table shows what the counts say, in its count column.
    const diceway::Program& p = game.run.f.p();
    EXPECT_EQ(p.F_a(1), 2000);
    EXPECT_EQ(p.F_sa(1), Text("2000"));
    EXPECT_EQ(p.X_sa(4), Text("表裏"));
}

TEST(CoinGameScreen, AnimationResultsAndPauses) {
    CoinGameRun game(11);
    const Ops& ops = game.run.ops();
    // 80 frames of four half discs for each of the five animated tosses.
    std::vector<float> aspects;
    for (const DrawOp& op : ops)
        if (op.kind == K::Circle && op.sector) aspects.push_back(op.aspect);
    ASSERT_EQ(aspects.size(), 5u * 320);
    for (int frame = 0; frame < 80; ++frame) {
        const int jj = frame % 40 + 1;
        EXPECT_FLOAT_EQ(aspects[4 * static_cast<std::size_t>(frame)], 1 - static_cast<float>(jj % 10) / 10) << frame;
    }
    // Every result face is written on a coin of its own colour.
    int faces = 0;
    for (std::size_t i = 1; i < ops.size(); ++i) {
        if (ops[i].kind != K::Text || ops[i].hscale != 5) continue;
        ++faces;
        const DrawOp& coin = ops[i - 1];
        ASSERT_EQ(coin.kind, K::Circle);
        EXPECT_EQ(coin.fill, ops[i].text == Text("表") ? 4 : 2);
        EXPECT_EQ(coin.colour, 15);
        EXPECT_EQ(ops[i].colour, 13);
        EXPECT_EQ(ops[i].vscale, 5);
        EXPECT_EQ(ops[i].points[0].x, coin.points[0].x - 40);
    }
    EXPECT_EQ(faces, 2 * 50);
    // 80 units per animated toss, 35 results of 10 and 10 of 4.
    EXPECT_NEAR(game.run.f.rt.PausedSeconds(), 790 * 0.03, 1e-3);
    // The panel is always erased over exactly its own rectangle.
    for (const DrawOp& op : ops) {
        if (op.kind == K::FilledBox && op.points[0].x == 720) {
            EXPECT_EQ(op.points[0].y, 0);
            EXPECT_EQ(op.points[1].x, 1600);
            EXPECT_EQ(op.points[1].y, 384);
        }
    }
}

TEST(CoinGameScreen, TallyTableCellsAndTheirFill) {
    CoinGameRun game(3);
    const Ops& ops = game.run.ops();
    // Count cells of the last redraw: fill 13, border 4, 160 x 55.
    int cells = 0;
    for (const DrawOp& op : ops)
        if (op.kind == K::FilledBox && op.points[0].x == 760 && op.points[1].x == 920) {
            EXPECT_EQ(op.fill, 13);
            EXPECT_EQ(op.colour, 4);
            EXPECT_EQ(op.points[1].y - op.points[0].y, 55);
            ++cells;
        }
    // The empty table, 5 full tables, 50 + 1 + 19 count redraws.
    EXPECT_EQ(cells, 4 * (1 + 5 + 50 + 1 + 19));
}

TEST(CoinGameScreen, ASecondVisitStartsAfresh) {
    CoinGameRun game(5, 2);
    ASSERT_EQ(game.shown.size(), 62u);
    // The table drawn before the first toss of the second visit is blank.
    const Ops& ops = game.run.ops();
    std::size_t i = game.run.keyWaits[31 + 3];
    while (!(ops[i].kind == K::FilledBox && ops[i].points[0].x == 680)) ++i;
    Ops table;
    for (; !(ops[i].kind == K::Circle); ++i)
        if (ops[i].points[0].x >= 760) table.push_back(ops[i]);
    EXPECT_EQ(Joined(table), "");
    EXPECT_EQ(game.shown[31 + 4], "1");
    EXPECT_EQ(game.shown[31 + 29], "2000");
}

TEST(CoinGameScreen, OneOfEachComesUpAboutHalfTheTime) {
    for (double seed : {1.0, 42.0, 77.0, 123.0}) {
        CoinGameRun game(seed);
        const float mixed = game.run.f.p().F_a(4);
        EXPECT_GT(mixed, 900) << seed;
        EXPECT_LT(mixed, 1100) << seed;
        EXPECT_GT(game.run.f.p().F_a(2), 0);
        EXPECT_GT(game.run.f.p().F_a(3), 0);
    }
}
