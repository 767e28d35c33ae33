#include <gtest/gtest.h>

#include "Diceway/figures/basic_problem_trees.h"
#include "Diceway/figures/dice_table.h"
#include "Diceway/figures/pair_trees.h"
#include "tests/diceway/dice_chapter_ops.h"

using namespace dice_chapter_test;
using testing_support::JoinedText;
using testing_support::KeyWaitsOf;

namespace {

void OrderedPairsAt640(diceway::Program& p) {
    p.X_sa(1) = "班長";
    p.X_sa(2) = "副班長";
    p.X_a(31) = 640;
    p.Y_a(31) = 30;
    diceway::DrawOrderedPairTree(p);
}

}  // namespace

TEST(OrderedPairTree, WaitsAtEveryNodeUnlessDrawnAtOnce) {
    ScreenRun run(Keys(14));
    diceway::Program& p = run.p();
    EXPECT_EQ(KeyWaitsOf(OrderedPairsAt640, run.f), 14);
    // Drawn at once, and the switch is off again for the next call.
    p.NASI = 1;
    EXPECT_EQ(KeyWaitsOf(OrderedPairsAt640, run.f), 0);
    EXPECT_EQ(p.NASI, 0);
    run.f.rt.TypeKeys(lesson::Text(Keys(14)));
    EXPECT_EQ(KeyWaitsOf(OrderedPairsAt640, run.f), 14);
}

TEST(OrderedPairTree, GeometryLabelsAndBranches) {
    ScreenRun run;
    diceway::Program& p = run.p();
    p.NASI = 1;
    OrderedPairsAt640(p);
    EXPECT_EQ((std::vector<float>{p.X_a(31), p.X_a(32), p.X_a(21), p.X_a(22), p.X_a(34), p.X_a(24)}),
              (std::vector<float>{640, 784, 928, 1072, 754, 1042}));
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(p.Y_a(40 + k), 30 + 60 * k);
    EXPECT_EQ(p.Y_a(32), 150);
    EXPECT_EQ(p.Y_a(33), 330);
    EXPECT_EQ(p.HABA, 114);
    EXPECT_EQ(p.TATE, 50);
    EXPECT_EQ(run.f.rt.LineWidth(), 5);

    // Each column's cells top to bottom: headers, then roots or children.
    const auto column = [&](float x) {
        std::string letters;
        for (float y = 30; y <= 390; y += 60) letters += JoinedText(TextsIn(run.ops(), x, y, x + 114, y + 50));
        return letters;
    };
    EXPECT_EQ(column(640), "班長AB");
    EXPECT_EQ(column(784), "副班長BCDCDA");
    EXPECT_EQ(column(928), "班長CD");
    EXPECT_EQ(column(1072), "副班長DABABC");
    // Headers on fill 13, nodes on white; every branch from a root's right
    // edge at mid-height, the right half 288 further right.
    EXPECT_EQ(BoxesFilled(run.ops(), 13).size(), 4u);
    EXPECT_EQ(BoxesAt(run.ops(), 640, 150, 754, 200).size(), 1u);
    for (int k = 1; k <= 6; ++k) {
        const float root = k <= 3 ? 175 : 355;
        EXPECT_EQ(LinesAt(run.ops(), 754, root, 784, 55 + 60 * k), 1) << k;
        EXPECT_EQ(LinesAt(run.ops(), 1042, root, 1072, 55 + 60 * k), 1) << k;
    }
}

TEST(PairCombinationTree, ElevenWaitsEndingOnTheLastBranch) {
    ScreenRun run(Keys(11));
    diceway::Program& p = run.p();
    p.X_a(1) = 928;
    p.Y_a(1) = 30;
    run.f.rt.SetLineWidth(5);
    diceway::DrawPairCombinationTree(p);
    EXPECT_EQ(run.keyWaits.size(), 11u);
    EXPECT_EQ(p.X_a(2), 1034);
    EXPECT_EQ((std::vector<float>{p.Y_a(2), p.Y_a(3), p.Y_a(4), p.Y_a(5), p.Y_a(6), p.Y_a(7), p.Y_a(10), p.Y_a(11)}),
              (std::vector<float>{90, 150, 210, 150, 270, 330, 300, 390}));
    EXPECT_EQ(p.HABA, 76);
    EXPECT_EQ(run.f.rt.LineWidth(), 5);
    // The heading two cells wide; the roots A, B, C at the left.
    EXPECT_EQ(BoxesAt(run.ops(), 928, 30, 1080, 80).size(), 1u);
    EXPECT_EQ(JoinedText(TextsIn(run.ops(), 928, 80, 1004, 450)), "ABC");
    EXPECT_EQ(JoinedText(TextsIn(run.ops(), 1034, 80, 1110, 450)), "BCDCDD");
    // After the last wait only C's child and the horizontal branch C-D.
    const Ops last = run.Between(11, 12);
    ASSERT_FALSE(last.empty());
    EXPECT_EQ(last.back().kind, K::Line);
    EXPECT_EQ(LinesAt(last, 1004, 415, 1034, 415), 1);
    EXPECT_EQ(LinesAt(run.ops(), 1004, 175, 1034, 115), 1);
    EXPECT_EQ(LinesAt(run.ops(), 1004, 325, 1034, 355), 1);
}

TEST(DiceTable, CellsAndTheGeometryItLeaves) {
    ScreenRun run;
    diceway::Program& p = run.p();
    p.X_a(0) = 480;
    p.Y_a(0) = 250;
    run.f.rt.SetLineWidth(5);
    EXPECT_EQ(KeyWaitsOf(diceway::DrawDiceTable, run.f), 0);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(p.X_a(k), 480 + 70 + 84 * (k - 1));
        EXPECT_EQ(p.Y_a(k), 250 + 50 * k);
    }
    EXPECT_EQ(p.X_sa(0), lesson::Text());
    EXPECT_EQ(p.X_sa(6), lesson::Text("6"));
    EXPECT_EQ(p.HABA, 84);
    EXPECT_EQ(p.TATE, 50);
    EXPECT_EQ(run.f.rt.LineWidth(), 3);

    // The corner white, the header column 70 wide and the header row 84,
    // both on fill 11; the diagonal over the corner, "小" below it, "大" above.
    EXPECT_EQ(BoxesAt(run.ops(), 480, 250, 550, 300).at(0).fill, 15);
    EXPECT_EQ(BoxesAt(run.ops(), 480, 550, 550, 600).at(0).fill, 11);
    EXPECT_EQ(BoxesAt(run.ops(), 970, 250, 1054, 300).at(0).fill, 11);
    EXPECT_EQ(LinesAt(run.ops(), 480, 250, 550, 300), 1);
    EXPECT_EQ(TextsAt(run.ops(), 480, 270, 0, "小"), 1);
    EXPECT_EQ(TextsAt(run.ops(), 515, 250, 0, "大"), 1);
    // Outcome cells read small die, "'", large die; same parity in colour 3.
    EXPECT_EQ(JoinedText(TextsIn(run.ops(), 634, 400, 718, 450)), "3'2");
    int even = 0;
    for (const lesson::DrawOp& op : TextsIn(run.ops(), 550, 300, 1054, 600))
        if (op.text != lesson::Text("'")) even += op.colour == 3;
    EXPECT_EQ(even, 36);  // two digits in each of the 18 cells
    EXPECT_EQ(BoxesFilled(run.ops(), 15).size(), 37u);
}

TEST(TwoDigitTree, HalfATreeAtOnceWithItsHighlight) {
    for (const char* highlight : {"", ">", "x"}) {
        ScreenRun run;
        diceway::Program& p = run.p();
        const char* const texts[] = {"2", "3", "4", "9", "1", "3", "4", "9", "1", "2"};
        for (int k = 0; k < 10; ++k) p.X_sa(1 + k) = texts[k];
        p.X_sa(11) = highlight;
        p.X_a(1) = 880;
        p.Y_a(0) = 100;
        EXPECT_EQ(KeyWaitsOf(diceway::DrawTwoDigitTree, run.f), 0);
        EXPECT_EQ(p.X_a(2), 950);
        EXPECT_EQ(p.Y_a(11), 200);
        EXPECT_EQ(p.Y_a(12), 400);
        EXPECT_EQ(run.f.rt.LineWidth(), 5);
        // Rows 4 and 8 empty, whatever X$(4) and X$(8) hold.
        EXPECT_EQ(JoinedText(TextsIn(run.ops(), 950, 150, 990, 600)), "234134");
        EXPECT_EQ(JoinedText(TextsIn(run.ops(), 880, 100, 920, 600)), "十12");
        const bool on = std::string(highlight) == ">";
        for (int r : {1, 2, 3, 5, 6, 7}) {
            const Ops digit = TextsIn(run.ops(), 950, 100 + 50 * r, 990, 146 + 50 * r);
            ASSERT_EQ(digit.size(), 1u) << r;
            EXPECT_EQ(digit[0].colour, on && r > 1 ? 5 : 0) << highlight << r;
            EXPECT_EQ(LinesAt(run.ops(), 920, (r < 5 ? 200 : 400) + 25, 950, 125 + 50 * r), 1) << r;
        }
    }
}

TEST(ThreeCombinationTree, OneWaitAfterItsHeading) {
    ScreenRun run(Keys(1));
    diceway::Program& p = run.p();
    p.X_a(1) = 720;
    p.Y_a(1) = 30;
    diceway::DrawThreeCombinationTree(p);
    ASSERT_EQ(run.keyWaits.size(), 1u);
    EXPECT_EQ(JoinedText(TextsIn(run.Between(0, 1), 0, 0, 1440, 650)), "樹形図");
    EXPECT_EQ(p.Y_a(5), 120);
    EXPECT_EQ(p.Y_a(6), 210);
    EXPECT_EQ(p.HABA, 76);
    EXPECT_EQ(p.TATE, 50);
    EXPECT_EQ(run.f.rt.LineWidth(), 5);
    EXPECT_EQ(JoinedText(TextsIn(run.ops(), 720, 80, 796, 300)), "AB");
    EXPECT_EQ(JoinedText(TextsIn(run.ops(), 826, 80, 902, 300)), "BCC");
    EXPECT_EQ(LinesAt(run.ops(), 796, 235, 826, 235), 1);
}
