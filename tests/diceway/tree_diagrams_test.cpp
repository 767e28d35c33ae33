#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Diceway/figures/tree_diagrams.h"
#include "lessonlib/text/formula.h"
#include "tests/diceway/screen_run.h"

using namespace lesson;
using namespace diceway_test;

namespace {

// The width a label takes, as the tree routines measure it.
float WidthOf(diceway::Program& p, const char* label) {
    p.A_s = label;
    MeasureFormulaWidth(p);
    return p.LLT;
}

// Columns from (720, r) with the given headings and labels.
void SetUpTree(diceway::Program& p, float r, const std::vector<const char*>& headings,
               const std::vector<const char*>& labels) {
    p.X_a(0) = 720;
    p.Y_a(0) = r;
    p.KOSUU = static_cast<float>(headings.size());
    for (std::size_t k = 0; k < headings.size(); ++k) p.X_sa(static_cast<float>(k + 1)) = headings[k];
    DrawTreeColumnHeaders(p);
    for (std::size_t k = 0; k < labels.size(); ++k) p.Y_sa(static_cast<float>(k + 1)) = labels[k];
}

// The label of every node in drawing order: one node is drawn after each
// wait of the tree but its last.
std::vector<std::string> NodeLabels(const ScreenRun& run, std::size_t firstWait, std::size_t nodes) {
    std::vector<std::string> labels;
    for (std::size_t n = 0; n < nodes; ++n) labels.push_back(Joined(AboveBand(run.Between(firstWait + n, firstWait + n + 1))));
    return labels;
}

}  // namespace

TEST(TreeColumns, OneColumnStillPlacesTheSecond) {
    ScreenRun run;
    diceway::Program& p = run.p();
    p.X_a(0) = 100;
    p.KOSUU = 1;
    p.X_sa(1) = "1回目";
    const float width = WidthOf(p, "1回目");
    run.f.rt.ClearOps();
    diceway::LayoutTreeColumns(p);
    EXPECT_EQ(p.HABA, width + 40);
    EXPECT_EQ(p.TATE, 50);
    EXPECT_EQ(p.X_a(1), 100);
    EXPECT_EQ(p.X_a(2), 100 + p.HABA);
    EXPECT_TRUE(Visible(run.ops()).empty());
    EXPECT_TRUE(run.keyWaits.empty());
}

TEST(TreeColumns, HeadingsStandOnTheirRowInColourThree) {
    ScreenRun run;
    diceway::Program& p = run.p();
    SetUpTree(p, 30, {"1番目", "2番目", "3番目"}, {});
    const float haba = p.HABA;
    EXPECT_EQ(p.X_a(3), 720 + 2 * haba);
    EXPECT_EQ(p.CCC1, 3);
    // Three cells, background on background, each with its heading.
    for (float x : {720.0f, 720 + haba, 720 + 2 * haba}) {
        const DrawOp* cell = Find(run.ops(), K::FilledBox, x, 30, x + haba, 80);
        ASSERT_NE(cell, nullptr) << x;
        EXPECT_EQ(cell->colour, 15);
        EXPECT_EQ(cell->fill, 15);
    }
    EXPECT_EQ(Joined(run.ops()), "1番目2番目3番目");
    EXPECT_TRUE(run.keyWaits.empty());
}

TEST(TreeDiagram, TwoCoinsTwoLevels) {
    ScreenRun run(Keys(7));
    diceway::Program& p = run.p();
    p.rt.SetLineWidth(5);
    SetUpTree(p, 100, {"1枚目", "2枚目"}, {"表", "裏"});
    const float column2 = p.X_a(2);
    p.EDA1 = 2;
    p.EDA2 = 0;
    p.HERU = 0;
    const std::size_t before = run.ops().size();
    diceway::DrawTreeDiagram(p);
    EXPECT_EQ(run.keyWaits.size(), 7u);
    EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
    // Nothing of the tree shows while the first wait is on the screen.
    EXPECT_EQ(AboveBand(Ops(run.ops().begin() + static_cast<std::ptrdiff_t>(before),
                            run.ops().begin() + static_cast<std::ptrdiff_t>(run.keyWaits[0])))
                  .size(),
              0u);
    EXPECT_EQ(NodeLabels(run, 1, 6), (std::vector<std::string>{"表", "裏", "表", "裏", "表", "裏"}));

    const float haba = WidthOf(p, "表") + 40;
    EXPECT_EQ(p.Y_a(1), 175);
    EXPECT_EQ(p.Y_a(2), 275);
    EXPECT_EQ(std::vector<float>({p.Y_a(11), p.Y_a(12), p.Y_a(13), p.Y_a(14)}),
              (std::vector<float>{150, 200, 250, 300}));
    EXPECT_EQ(p.U_a(1), 720 + haba);
    EXPECT_EQ(p.U_a(2), column2 + haba);
    // Branches from the middle of the parent's right edge to the child's
    // left edge, in colour 0 at the caller's width.
    const float parents[] = {175, 175, 275, 275};
    const float children[] = {150, 200, 250, 300};
    for (int j = 0; j < 4; ++j) {
        const DrawOp* branch = Find(run.ops(), K::Line, 720 + haba, parents[j] + 25, column2, children[j] + 25);
        ASSERT_NE(branch, nullptr) << j;
        EXPECT_EQ(branch->colour, 0);
        EXPECT_EQ(branch->lineWidth, 5);
    }
    EXPECT_EQ(p.EDA2, 1);
    EXPECT_EQ(p.HERU, 0);
    EXPECT_EQ(p.rt.LineWidth(), 5);
}

TEST(TreeDiagram, ThreeItemsUnderThree) {
    ScreenRun run(Keys(13));
    diceway::Program& p = run.p();
    SetUpTree(p, 60, {"1回目", "2回目"}, {"A", "B", "C"});
    p.KOSUU = 3;
    p.EDA1 = 3;
    p.EDA2 = 0;
    p.HERU = 0;
    diceway::DrawTreeDiagram(p);
    EXPECT_EQ(run.keyWaits.size(), 13u);
    EXPECT_EQ(p.Y_a(1), 160);
    EXPECT_EQ(p.Y_a(2), 310);
    EXPECT_EQ(p.Y_a(3), 460);
    for (int j = 1; j <= 9; ++j) EXPECT_EQ(p.Y_a(10 + j), 60 + 50 * j);
    std::vector<std::string> second = NodeLabels(run, 4, 9);
    EXPECT_EQ(second, (std::vector<std::string>{"A", "B", "C", "A", "B", "C", "A", "B", "C"}));
}

TEST(TreeDiagram, LotteryOrdersGiveEverySixPaths) {
    ScreenRun run(Keys(16));
    diceway::Program& p = run.p();
    SetUpTree(p, 30, {"1番目", "2番目", "3番目"}, {"○ ", "*1", "*2"});
    const float column3 = p.X_a(3);
    p.EDA1 = 2;
    p.EDA2 = 1;
    p.HERU = 3;
    diceway::DrawTreeDiagram(p);
    EXPECT_EQ(run.keyWaits.size(), 16u);
    const auto labels = NodeLabels(run, 1, 15);
    // "*" is drawn as "×"; the blank after "○" draws nothing.
    std::vector<std::string> paths;
    for (int k = 0; k < 6; ++k) paths.push_back(labels[k / 2] + labels[3 + k] + labels[9 + k]);
    EXPECT_EQ(paths, (std::vector<std::string>{"○×1×2", "○×2×1", "×1×2○", "×1○×2", "×2○×1", "×2×1○"}));
    EXPECT_EQ(p.Y_a(1), 105);
    EXPECT_EQ(p.Y_a(2), 205);
    EXPECT_EQ(p.Y_a(3), 305);
    // Each leaf on its parent's row, joined to it.
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(p.V_a(k), 30 + 50 * k);
        EXPECT_NE(Find(run.ops(), K::Line, p.U_a(2), p.Y_a(10 + k) + 25, column3, p.V_a(k) + 25), nullptr) << k;
    }
    EXPECT_EQ(p.HERU, 0);
    EXPECT_EQ(p.EDA2, 1);
}

TEST(TreeDiagram, CellsAreAsWideAsTheFirstLabel) {
    ScreenRun run(Keys(7));
    diceway::Program& p = run.p();
    SetUpTree(p, 100, {"1", "2"}, {"A", "とても長いラベル"});
    p.EDA1 = 2;
    p.EDA2 = 0;
    diceway::DrawTreeDiagram(p);
    const float haba = WidthOf(p, "A") + 40;
    EXPECT_EQ(p.U_a(1), p.X_a(1) + haba);
    EXPECT_NE(Find(run.ops(), K::FilledBox, p.X_a(1), p.Y_a(2), p.X_a(1) + haba, p.Y_a(2) + 50), nullptr);
}

TEST(TreeDiagram, NoChildrenIsARuntimeError) {
    ScreenRun run(Keys(5));
    diceway::Program& p = run.p();
    SetUpTree(p, 100, {"1", "2"}, {"A", "B"});
    p.EDA1 = 0;
    EXPECT_THROW(diceway::DrawTreeDiagram(p), RuntimeError);
}

TEST(PickUnusedLabel, TakesTheLastFreeIndexOrNone) {
    ScreenRun run;
    diceway::Program& p = run.p();
    p.KOSUU = 3;
    p.A = 1;
    p.F = 3;
    p.M = 9;
    diceway::PickUnusedLabel(p);
    EXPECT_EQ(p.M, 2);
    p.KOSUU = 4;
    diceway::PickUnusedLabel(p);
    EXPECT_EQ(p.M, 4);
    p.KOSUU = 2;
    p.A = 2;
    p.F = 1;
    p.M = 9;
    diceway::PickUnusedLabel(p);
    EXPECT_EQ(p.M, 9);
}

namespace {

const char* const kSix[] = {"a1", "b2", "c3", "d4", "e5", "f6", "g7"};

void SetUpFan(diceway::Program& p, int items) {
    p.X_a(0) = 100;
    p.Y_a(0) = 80;
    p.KOSUU = 1;
    p.X_sa(1) = "1回目";
    diceway::LayoutTreeColumns(p);
    for (int k = 0; k < items; ++k) p.Y_sa(k + 1) = kSix[k];
    p.EDA1 = 6;
}

std::string FanLabels(const Ops& ops) { return Joined(ops); }

}  // namespace

TEST(TreeFan, WaitsOnlyWhenAskedAndOnce) {
    ScreenRun run(Keys(7));
    diceway::Program& p = run.p();
    SetUpFan(p, 6);
    p.BANME = 2;
    p.NASI = 1;
    diceway::DrawTreeFan(p);
    EXPECT_EQ(run.keyWaits.size(), 7u);
    EXPECT_EQ(p.NASI, 0);
    EXPECT_EQ(p.HERU, 0);
    // The next fan draws without waiting; so does any NASI other than 1.
    diceway::DrawTreeFan(p);
    p.NASI = 2;
    diceway::DrawTreeFan(p);
    EXPECT_EQ(run.keyWaits.size(), 7u);
}

TEST(TreeFan, RowsAndBranches) {
    ScreenRun run;
    diceway::Program& p = run.p();
    SetUpFan(p, 6);
    p.BANME = 3;
    p.HERU = 0;
    const float column2 = p.X_a(2);
    diceway::DrawTreeFan(p);
    const float haba = WidthOf(p, "a1") + 40;
    EXPECT_EQ(p.HABA, haba);
    EXPECT_EQ(p.TATE, 47);
    EXPECT_EQ(p.U_a(1), 100 + haba);
    EXPECT_EQ(p.U_a(2), column2 + haba);
    EXPECT_EQ(p.Y_a(1), 80 + 5 * 23.5f);
    EXPECT_EQ(p.X_sa(1), Text("c3"));
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(p.Y_a(10 + i), 80 + (i - 1) * 47);
        EXPECT_NE(Find(run.ops(), K::Line, 100 + haba, p.Y_a(1) + 23.5f, column2, p.Y_a(10 + i) + 23.5f), nullptr);
    }
    // The root's own item stays among the children.
    EXPECT_EQ(FanLabels(run.ops()), "c3a1b2c3d4e5f6");
}

TEST(TreeFan, RemovingTheRootsItem) {
    {
        ScreenRun run;
        diceway::Program& p = run.p();
        SetUpFan(p, 7);
        p.BANME = 1;
        p.HERU = 1;
        run.f.rt.ClearOps();
        diceway::DrawTreeFan(p);
        EXPECT_EQ(FanLabels(run.ops()), "a1b2c3d4e5f6g7");
        EXPECT_EQ(p.Y_sa(1), Text("b2"));
        EXPECT_EQ(p.Y_sa(6), Text("g7"));
    }
    {
        ScreenRun run;
        diceway::Program& p = run.p();
        SetUpFan(p, 7);
        p.BANME = 7;
        p.HERU = 1;
        run.f.rt.ClearOps();
        diceway::DrawTreeFan(p);
        EXPECT_EQ(FanLabels(run.ops()), "g7a1b2c3d4e5f6");
        EXPECT_EQ(p.Y_sa(7), Text("g7"));
    }
}
