#include <gtest/gtest.h>

#include <algorithm>

#include "Tallyview/ch1_problem_scene/problem_scene.h"
#include "Tallyview/tallyview.h"
#include "tests/support/test_support.h"

using namespace lesson;
using testing_support::Fixture;

namespace {

// The plain-text cells' labels in drawing order, as whole texts.
std::vector<std::string> CellLabels(const std::vector<DrawOp>& ops) {
    // A cell's label is drawn character by character right after its box.
    std::vector<std::string> labels;
    bool inCell = false;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::FilledBox && op.points[1].y - op.points[0].y == 35) {
            labels.emplace_back();
            inCell = true;
        } else if (op.kind == DrawOp::Kind::Text && inCell) {
            labels.back() += op.text.Utf8();
        } else if (op.kind != DrawOp::Kind::Text) {
            inCell = false;
        }
    }
    return labels;
}

}  // namespace

TEST(ProblemScene, AimAndSubMenu) {
    Fixture f("3\r");
    tallyview::ProblemSceneChapter(f.p());
    const auto texts = testing_support::TextOps(testing_support::VisibleOps(f.rt));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, Text("<"));
    EXPECT_EQ(texts[0].points[0].x, 44);
    EXPECT_EQ(texts[0].points[0].y, 240);
    EXPECT_EQ(texts[0].colour, 3);
    const auto sentence = std::find_if(texts.begin(), texts.end(),
                                       [](const DrawOp& op) { return op.text == Text("ス"); });
    ASSERT_NE(sentence, texts.end());
    EXPECT_EQ(sentence->points[0].y, 305);
    EXPECT_EQ(sentence->colour, 0);
    EXPECT_EQ(f.p().XI1, 44);
}

TEST(ProblemScene, ScreenKeysAndTables) {
    Fixture f("1234567");
    EXPECT_EQ(testing_support::KeyWaitsOf(tallyview::ProblemSceneScreen, f), 7);
    EXPECT_EQ(f.rt.KeysLeft(), 0u);
    const auto labels = CellLabels(testing_support::VisibleOps(f.rt));
    ASSERT_EQ(labels.size(), 2u * 17 * 5);
    // First rows of both tables, and where the short columns end.
    EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 5),
              (std::vector<std::string>{"36", "52", "68", "39", "62"}));
    EXPECT_EQ(labels[12 * 5 + 2], "110");  // row 13, column 3: H1(47)
    EXPECT_EQ(labels[13 * 5 + 2], "");
    EXPECT_EQ(labels[5 * 5 + 4], "77");    // row 6, column 5: H3(23)
    EXPECT_EQ(labels[6 * 5 + 4], "");
    const std::size_t second = 17 * 5;
    EXPECT_EQ(labels[second + 14 * 5 + 2], "96");   // row 15, column 3: H2(49)
    EXPECT_EQ(labels[second + 15 * 5 + 2], "");
    EXPECT_EQ(labels[second + 3 * 5 + 4], "105");   // row 4, column 5: H4(21)
    EXPECT_EQ(labels[second + 4 * 5 + 4], "");
    EXPECT_EQ(f.p().YI1, 580);
}

TEST(ProblemScene, CellFillsStandOutEveryFifthRow) {
    Fixture f("1234567");
    tallyview::ProblemSceneScreen(f.p());
    std::vector<DrawOp> cells;
    for (const DrawOp& op : f.rt.Ops())
        if (op.kind == DrawOp::Kind::FilledBox && op.points[1].y - op.points[0].y == 35) cells.push_back(op);
    ASSERT_EQ(cells.size(), 170u);
    const auto fill = [&](int table, int row, int column) { return cells[(table * 17 + row - 1) * 5 + column - 1].fill; };
    EXPECT_EQ(fill(0, 1, 1), 13);
    EXPECT_EQ(fill(0, 5, 1), 11);
    EXPECT_EQ(fill(0, 15, 3), 15);  // empty weekday cells are always white
    EXPECT_EQ(fill(0, 1, 4), 15);
    EXPECT_EQ(fill(0, 10, 5), 11);  // empty holiday cells keep the row's fill
    EXPECT_EQ(fill(1, 15, 3), 11);
    EXPECT_EQ(cells[0].points[0].x, 600);
    EXPECT_EQ(cells[0].points[0].y, 70);
    EXPECT_EQ(cells[2].points[1].x, 795);  // the first table's third column is 75 wide
    EXPECT_EQ(cells[85 + 4].points[1].x, 1230);
}

TEST(SalesHistograms, KeysAndClassCounts) {
    Fixture f("123456789");
    EXPECT_EQ(testing_support::KeyWaitsOf(tallyview::SalesHistogramsScreen, f), 9);
    tallyview::Program& p = f.p();
    const std::vector<float> before{6, 17, 19, 17, 8, 2, 0, 0, 1, 0};
    const std::vector<float> lastSmall{1, 7, 6, 7, 2, 0, 0, 0, 0, 0};  // H3, the last small chart
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(p.F_a(10 + i), before[static_cast<std::size_t>(i - 1)]) << i;
        EXPECT_EQ(p.F_a(i), lastSmall[static_cast<std::size_t>(i - 1)]) << i;
    }
    EXPECT_EQ(p.DOSU, 23);
    EXPECT_EQ(p.U_a(2), p.U_a(4));
    EXPECT_EQ(p.V_a(3), p.V_a(4));
}
