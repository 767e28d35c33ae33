#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessonlib/text/formula_cells.h"
#include "tests/support/test_support.h"
#include "tests/text/op_description.h"

using namespace lesson;
using text_tests::Drawn;
using Ops = std::vector<std::string>;

namespace {

// A cell at (100, 300), border 0, fill 15, text colour 4, line width 2.
void Prepare(Program& p, float haba, float tate) {
    p.X = 100;
    p.Y = 300;
    p.HABA = haba;
    p.TATE = tate;
    p.CCC1 = 4;
    p.CCC2 = 0;
    p.CCC3 = 15;
    p.rt.SetLineWidth(2);
}

std::vector<DrawOp> Texts(const platform::HeadlessRuntime& rt) {
    return testing_support::TextOps(testing_support::VisibleOps(rt));
}

}  // namespace

TEST(FormulaCells, TextTopFollowsTheCellHeight) {
    const struct {
        float tate, plain, fraction;  // text top below the cell's top
    } cases[] = {{44, 0, -3}, {47, 1, -2}, {48, 2, -1}, {50, 3, 0},
                 {55, 5, 2},  {70, 13, 10}, {120, 38, 35}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tate);
        testing_support::Fixture f;
        Program& p = f.p();
        Prepare(p, 160, c.tate);
        p.A_s = "2";
        DrawFormulaCell(p);
        EXPECT_EQ(p.Y2, 300 + c.plain);
        EXPECT_EQ(p.N1, 0);
        EXPECT_EQ(Texts(f.rt).at(0).points[0].y, 300 + c.plain);

        Prepare(p, 160, c.tate);
        p.A_s = "1+ﾀ1/2ﾀ";  // "ﾀ" anywhere selects the fraction placement
        DrawFormulaCell(p);
        EXPECT_EQ(p.Y2, 300 + c.fraction);
        EXPECT_EQ(p.N1, 3);
    }
}

TEST(FormulaCells, TextIsCentredAndNeverStartsLeftOfTheCell) {
    const struct {
        float haba;
        const char* text;
        float inset;
    } cases[] = {{44, "^2", 10}, {160, "実実実2", 15.5}, {160, "問題提示問題提示", 0},
                 {160, "ﾀ1/12ﾀ", 48}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        testing_support::Fixture f;
        Program& p = f.p();
        Prepare(p, c.haba, 50);
        p.A_s = c.text;
        DrawFormulaCell(p);
        EXPECT_EQ(p.LT1, c.inset);
        EXPECT_EQ(testing_support::VisibleOps(f.rt).at(1).points[0].x, 100 + c.inset);
        EXPECT_EQ(p.X, 100 + c.haba);
        EXPECT_EQ(p.Y, 300);
    }
}

TEST(FormulaCells, RowOfCellsSharesEdges) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prepare(p, 160, 44);
    p.A_s = "";
    DrawFormulaCell(p);
    p.A_s = "ﾀ1/6ﾀ";
    DrawFormulaCell(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "fbox 100 300 260 344 0 15 2",
                               "fbox 260 300 420 344 0 15 2",
                               "line 324 322 356 322 4 4",
                               "text 324 325 4 2 4 \"6\" ゴシック 16 bold",
                               "text 324 287 4 2 4 \"1\" ゴシック 16 bold",
                           }));
    EXPECT_EQ(p.X, 420);
    EXPECT_EQ(p.Y, 300);
    EXPECT_EQ(p.HABA, 160);
    EXPECT_EQ(p.TATE, 44);
    EXPECT_EQ(p.CCC3, 15);
    EXPECT_EQ(f.rt.LineWidth(), 2);
}

TEST(FormulaCells, TwoLineCell) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prepare(p, 160, 90);
    p.A1_s = "直前期間";
    p.A2_s = "2週間";
    DrawFormulaCell2(p);
    const auto texts = Texts(f.rt);
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[0].points[0].x, 112);  // 136 wide
    EXPECT_EQ(texts[0].points[0].y, 300);
    EXPECT_EQ(texts[4].points[0].x, 132.5f);  // 95 wide
    EXPECT_EQ(texts[4].points[0].y, 344);
    EXPECT_EQ(Drawn(f.rt).at(0), "fbox 100 300 260 390 0 15 2");
    EXPECT_EQ(p.A1_s, Text("直前期間"));
    EXPECT_EQ(p.A2_s, Text("2週間"));
    EXPECT_EQ(p.X, 260);
    EXPECT_EQ(p.Y, 300);
    EXPECT_EQ(f.rt.LineWidth(), 2);

    // A lone first line sits 25 lower.
    f.rt.ClearOps();
    Prepare(p, 160, 90);
    p.A2_s = "";
    DrawFormulaCell2(p);
    ASSERT_EQ(Texts(f.rt).size(), 4u);
    EXPECT_EQ(Texts(f.rt)[0].points[0].y, 325);
    EXPECT_EQ(p.Y22, 325);

    // A fraction on the second line: 50 plus the upper half's placement.
    Prepare(p, 160, 90);
    p.A2_s = "ﾀ1/2ﾀ";
    DrawFormulaCell2(p);
    EXPECT_EQ(p.Y4, 347);
    EXPECT_EQ(p.Y22, 300);
}

TEST(FormulaCells, CellOnTheTextLine) {
    testing_support::Fixture f;
    Program& p = f.p();
    Prepare(p, 160, 50);
    p.N1 = 99;
    p.A_s = "ﾀ1/2ﾀ";
    DrawFormulaCellOnLine(p);
    const auto ops = Drawn(f.rt);
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0], "fbox 100 297 260 347 0 15 2");
    EXPECT_EQ(ops[1], "line 164 325 196 325 4 4");  // the text's pen is at y 300
    EXPECT_EQ(p.N1, 99);
    EXPECT_EQ(p.X, 260);
    EXPECT_EQ(p.Y, 300);
}
