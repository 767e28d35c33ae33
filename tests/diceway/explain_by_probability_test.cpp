#include <gtest/gtest.h>

#include <map>
#include <string>

#include "Diceway/ch6_explain_by_probability/explain_by_probability.h"
#include "Diceway/ch6_explain_by_probability/outcome_tables.h"
#include "tests/diceway/diceway_fixture.h"

using namespace lesson;
using diceway_test::Fixture;
using K = DrawOp::Kind;

namespace {

std::string Keys(std::size_t n) { return std::string(n, 'k'); }

// How often each text is drawn in colour `colour` (any colour with -1).
std::map<std::string, int> TextCounts(const Fixture& f, int colour = -1) {
    std::map<std::string, int> counts;
    for (const DrawOp& op : testing_support::VisibleOps(f.rt))
        if (op.kind == K::Text && (colour < 0 || op.colour == colour)) ++counts[op.text.Utf8()];
    return counts;
}

// Every text drawn, as (text, colour, x, y) lines, for readable failures.
bool DrawsText(const Fixture& f, const char* text, int colour, float x, float y) {
    for (const DrawOp& op : f.rt.Ops())
        if (op.kind == K::Text && op.text == Text(text) && op.colour == colour && op.points[0].x == x &&
            op.points[0].y == y)
            return true;
    return false;
}

void TableAt(diceway::Program& p, float x, float y, float nasi, float nasih) {
    p.X_a(0) = x;
    p.Y_a(0) = y;
    p.NASI = nasi;
    p.NASIH = nasih;
}

}  // namespace

TEST(OutcomeTables, MarksFollowTheCard) {
    struct Case {
        void (*draw)(diceway::Program&);
        int tick, a, i, u;
        const char* fourthHeader;
    };
    for (const Case& c : {Case{diceway::DrawOutcomeTable, 11, 4, 9, 12, "×"},
                          Case{diceway::DrawOutcomeTableChanged, 11, 9, 4, 12, "ジ"}}) {
        Fixture f;
        diceway::Program& p = f.p();
        TableAt(p, 40, 300, 0, 1);
        c.draw(p);
        auto counts = TextCounts(f);
        EXPECT_EQ(counts["ﾚ"], c.tick);
        EXPECT_EQ(counts["ア"], c.a);
        EXPECT_EQ(counts["イ"], c.i);
        EXPECT_EQ(counts["ウ"], c.u);
        EXPECT_EQ(TextCounts(f, 9)["ﾚ"], c.tick);
        EXPECT_EQ(TextCounts(f, 3)["ア"], c.a);
        EXPECT_EQ(TextCounts(f, 7)["イ"], c.i);
        EXPECT_EQ(TextCounts(f, 5)["ウ"], c.u);
        EXPECT_EQ(p.F_sa(0), Text("A＼B"));
        EXPECT_EQ(p.F_sa(4), Text(c.fourthHeader));
        EXPECT_EQ(p.NASI, 0);
        EXPECT_EQ(p.NASIH, 0);
        EXPECT_EQ(f.rt.LineWidth(), 5);
        // Columns 40, 130, 170, ..., 330, right edge 370; rows 300 .. 600.
        EXPECT_EQ(p.X_a(1), 130);
        EXPECT_EQ(p.X_a(7), 370);
        EXPECT_EQ(p.Y_a(6), 600);
    }
}

TEST(OutcomeTables, PotatoRowAndColumnAreTicked) {
    Fixture f;
    diceway::Program& p = f.p();
    TableAt(p, 40, 300, 0, 1);
    diceway::DrawOutcomeTable(p);
    // The tick stands in every cell of row 1 (y 350) and column 1 (x 130).
    int inRow = 0, inColumn = 0;
    for (const DrawOp& op : f.rt.Ops()) {
        if (op.kind != K::Text || op.text != Text("ﾚ")) continue;
        inRow += op.points[0].y > 350 && op.points[0].y < 400;
        inColumn += op.points[0].x > 130 && op.points[0].x < 170;
    }
    EXPECT_EQ(inRow, 6);
    EXPECT_EQ(inColumn, 6);
}

TEST(OutcomeTables, SwitchesAreOneShot) {
    // Any NASIH but 1 leaves the body empty; NASI = 1 waits once a body cell.
    Fixture f(Keys(36));
    diceway::Program& p = f.p();
    TableAt(p, 40, 300, 0, 2);
    diceway::DrawOutcomeTable(p);
    auto counts = TextCounts(f);
    EXPECT_EQ(counts["ﾚ"] + counts["ア"] + counts["イ"] + counts["ウ"], 0);
    EXPECT_EQ(f.rt.KeysLeft(), 36u);
    TableAt(p, 40, 300, 1, 0);
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::DrawOutcomeTable, f), 36);
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::DrawOutcomeTable, f), 0);
}

TEST(CountTables, StudentCountsAndValueRow) {
    Fixture f(Keys(9));
    diceway::Program& p = f.p();
    // Empty count texts still wait once a cell.
    for (int k = 1; k <= 6; ++k) p.X_sa(k) = Text();
    TableAt(p, 40, 130, 1, 0);
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::DrawStudentCountTable, f), 6);
    EXPECT_EQ(f.rt.LineWidth(), 5);
    EXPECT_EQ(p.X_a(1), 220);
    EXPECT_EQ(p.X_a(3), 340);
    EXPECT_EQ(p.Y_a(2), 230);

    f.rt.ClearOps();
    f.rt.SetLineWidth(2);
    p.X_sa(1) = "4";
    p.X_sa(2) = "9";
    p.X_sa(3) = "12";
    TableAt(p, 320, 180, 1, 0);
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::DrawChoiceValueRow, f), 3);
    EXPECT_EQ(f.rt.LineWidth(), 2);
    EXPECT_EQ(p.X_a(1), 464);
    EXPECT_EQ(p.X_a(4), 644);
    for (const DrawOp& op : f.rt.Ops()) {
        if (op.kind != K::FilledBox || op.points[0].y >= 657) continue;  // not the key-wait box
        EXPECT_GE(op.points[0].x, 464);  // nothing in the first 144 units
        EXPECT_EQ(op.colour, 1);
        EXPECT_EQ(op.lineWidth, 2);
    }
    EXPECT_EQ(p.F_sa(1), Text("ア"));
}

TEST(LotTree, NodesBranchesAndWinningLots) {
    Fixture f;
    diceway::Program& p = f.p();
    p.X_a(1) = 680;
    p.Y_a(0) = 100;
    const char* labels[] = {"2", "3", "4", "5", "1", "3", "4", "5", "1", "2"};
    for (int k = 1; k <= 10; ++k) p.X_sa(k) = labels[k - 1];
    diceway::DrawLotTree(p);
    EXPECT_EQ(p.X_a(2), 750);
    EXPECT_EQ(p.Y_a(11), 225);
    EXPECT_EQ(p.Y_a(12), 425);
    EXPECT_EQ(f.rt.LineWidth(), 5);
    std::vector<std::pair<Point, Point>> branches;
    for (const DrawOp& op : f.rt.Ops())
        if (op.kind == K::Line) branches.push_back({op.points[0], op.points[1]});
    ASSERT_EQ(branches.size(), 8u);
    const float ends[] = {175, 225, 275, 325, 375, 425, 475, 525};
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_EQ(branches[k].first.x, 720);
        EXPECT_EQ(branches[k].first.y, k < 4 ? 250 : 450);
        EXPECT_EQ(branches[k].second.x, 750);
        EXPECT_EQ(branches[k].second.y, ends[k]);
    }
    // Winning lots 1, 2, 3 in colour 5: the A nodes "1", "2" and four B nodes.
    auto winning = TextCounts(f, 5);
    EXPECT_EQ(winning["1"] + winning["2"] + winning["3"], 6);
    EXPECT_EQ(TextCounts(f, 0)["4"] + TextCounts(f, 0)["5"], 4);

    // With X$(10) empty: one A node and four B nodes; X$(5..8) are not drawn.
    f.rt.ClearOps();
    p.X_sa(9) = "5";
    p.X_sa(10) = Text();
    p.X_sa(1) = "1";
    p.X_sa(2) = "2";
    p.X_sa(3) = "3";
    p.X_sa(4) = "4";
    diceway::DrawLotTree(p);
    int lines = 0;
    for (const DrawOp& op : f.rt.Ops()) lines += op.kind == K::Line;
    EXPECT_EQ(lines, 4);
    EXPECT_EQ(TextCounts(f, 5)["1"] + TextCounts(f, 5)["2"] + TextCounts(f, 5)["3"], 3);
    EXPECT_EQ(TextCounts(f, 0)["5"], 1);
}

TEST(ScratchCard, CardSpotsAndNoGrid) {
    Fixture f(Keys(3));
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::ScratchCardQuestionScreen, f), 3);
    int boxes = 0, circles = 0, lines = 0;
    for (const DrawOp& op : f.rt.Ops()) {
        boxes += op.kind == K::Box;
        lines += op.kind == K::Line;
        if (op.kind == K::Circle && op.radius == 25 && op.colour == 2) ++circles;
    }
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(circles, 6);
    EXPECT_EQ(lines, 0);
    diceway::Program& p = f.p();
    EXPECT_EQ(p.X_a(5), 875);
    EXPECT_EQ(p.X_a(7), 1025);
    EXPECT_EQ(p.Y_a(5), 120);
    EXPECT_EQ(p.Y_a(8), 185);
    EXPECT_TRUE(DrawsText(f, "ス", 7, 810, 40));
    EXPECT_TRUE(DrawsText(f, "A", 0, 40, 30));
}

TEST(ExplainChapter, ScreensTakeTheirKeys) {
    const struct {
        void (*screen)(diceway::Program&);
        int keys;
    } screens[] = {{diceway::TreeVersusTableScreen, 72},
                   {diceway::MostLikelyExplanationScreen, 7},
                   {diceway::ChangedConditionsScreen, 50},
                   {diceway::LotOrderQuestionScreen, 5},
                   {diceway::LotOrderAnswerScreen, 9}};
    for (const auto& s : screens) {
        Fixture f(Keys(static_cast<std::size_t>(s.keys)));
        EXPECT_EQ(testing_support::KeyWaitsOf(s.screen, f), s.keys);
        EXPECT_EQ(f.rt.KeysLeft(), 0u);
        EXPECT_EQ(f.rt.LineWidth(), s.screen == diceway::LotOrderQuestionScreen ? 3 : 5);
    }
}

TEST(ExplainChapter, SubMenuRange) {
    // 0, 8 and -1 show the line again; 1.4 is item 1; 6.6 leaves the chapter.
    Fixture f("0\r8\r-1\r1.4\r" + Keys(3) + "6.6\r");
    int numberWaits = 0;
    f.rt.onWait = [&](WaitKind kind) { numberWaits += kind == WaitKind::Number; };
    diceway::ExplainByProbabilityChapter(f.p());
    EXPECT_EQ(numberWaits, 5);
    EXPECT_EQ(f.rt.KeysLeft(), 0u);
    EXPECT_TRUE(DrawsText(f, "<", 3, 44, 240));
    EXPECT_EQ(f.p().AINP, 10);
}

TEST(LotOrderAnswer, ThreeTreesOfTwentyOutcomes) {
    Fixture f(Keys(9));
    diceway::LotOrderAnswerScreen(f.p());
    int branches = 0;
    for (const DrawOp& op : f.rt.Ops())
        branches += op.kind == K::Line && op.points[1].x - op.points[0].x == 30;
    EXPECT_EQ(branches, 20);
    EXPECT_TRUE(DrawsText(f, "教", 3, 718, 30));
    EXPECT_EQ(f.p().YI1, 570);
}

TEST(TreeVersusTable, KindsTreeThenSpotFans) {
    Fixture f(Keys(72));
    diceway::Program& p = f.p();
    p.EDA2 = 1;  // as chapter 3's lottery tree leaves it
    std::vector<std::size_t> waitAt;
    f.rt.onWait = [&](WaitKind) { waitAt.push_back(f.rt.Ops().size()); };
    diceway::TreeVersusTableScreen(p);
    ASSERT_EQ(waitAt.size(), 72u);
    // At the tree's first wait only the headers stand under the heading.
    std::string before;
    for (std::size_t k = 0; k < waitAt[1]; ++k) {
        const DrawOp& op = f.rt.Ops()[k];
        if (op.kind == K::Text && op.points[0].y < 600 && op.points[0].y > 100) before += op.text.Utf8();
    }
    EXPECT_EQ(before, "AB");
    // Two levels only (EDA2 set to 0): the 9 branches of the kinds. tree,
    // the first from (474, 275) to (494, 225), colour 0 at width 5.
    std::vector<DrawOp> branches;
    for (const DrawOp& op : f.rt.Ops())
        if (op.kind == K::Line && op.points[0].x >= 400 && op.points[0].x < 560) branches.push_back(op);
    ASSERT_EQ(branches.size(), 9u);
    EXPECT_EQ(branches[0].points[0].x, 474);
    EXPECT_EQ(branches[0].points[0].y, 275);
    EXPECT_EQ(branches[0].points[1].x, 494);
    EXPECT_EQ(branches[0].points[1].y, 225);
    EXPECT_EQ(branches[0].colour, 0);
    EXPECT_EQ(branches[0].lineWidth, 5);
    // The six fans: 36 branches; the last fan's rows from 365, 47 apart.
    int fanBranches = 0;
    for (const DrawOp& op : f.rt.Ops()) fanBranches += op.kind == K::Line && op.points[0].x >= 560;
    EXPECT_EQ(fanBranches, 36);
    EXPECT_EQ(p.Y_a(11), 365);
    EXPECT_EQ(p.Y_a(16), 600);
    EXPECT_EQ(p.NASI, 0);
    EXPECT_EQ(p.HERU, 0);
    EXPECT_EQ(p.X_sa(4), Text("4"));  // the corrected counts
    EXPECT_EQ(p.X_sa(6), Text("12"));
}

TEST(MostLikelyExplanation, EverythingStandsBeforeTheFirstWait) {
    Fixture f(Keys(7));
    std::size_t firstWait = 0;
    f.rt.onWait = [&](WaitKind) {
        if (!firstWait) firstWait = f.rt.Ops().size();
    };
    diceway::MostLikelyExplanationScreen(f.p());
    int fanBranches = 0;
    for (std::size_t k = 0; k < firstWait; ++k) {
        const DrawOp& op = f.rt.Ops()[k];
        fanBranches += op.kind == K::Line && op.points[0].x >= 680;
    }
    EXPECT_EQ(fanBranches, 36);
    EXPECT_EQ(f.p().X_a(0), 1000);
}
