#include <gtest/gtest.h>

#include <string>

#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/plain_text.h"
#include "platform/op_text.h"
#include "tests/support/test_support.h"
#include "tests/text/op_description.h"

using namespace lesson;
using text_tests::Drawn;

namespace {

// Where the visible operations stand: each one's points as "x,y", the
// operations joined by " | ".
std::string Placement(const platform::HeadlessRuntime& rt) {
    std::string out;
    for (const DrawOp& op : testing_support::VisibleOps(rt)) {
        if (!out.empty()) out += " |";
        for (const Point& pt : op.points) {
            out += ' ';
            out += platform::FormatNumber(pt.x);
            out += ',';
            out += platform::FormatNumber(pt.y);
        }
    }
    return out.empty() ? out : out.substr(1);
}

}  // namespace

TEST(PlainText, PenAdvancesPerCharacter) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 100;
    p.Y = 50;
    p.AA_s = "花見期間(平日)";
    DrawPlainText(p);
    const auto ops = testing_support::TextOps(testing_support::VisibleOps(f.rt));
    ASSERT_EQ(ops.size(), 8u);
    EXPECT_EQ(ops[4].points[0].x, 212);  // "(" stands 8 left of the pen at 220
    EXPECT_EQ(p.X, 300);

    // Measured out of sight, from a pen that is kept. Full-width signs and
    // blanks take the full width.
    const struct {
        const char* text;
        float width;
    } widths[] = {{"", 0},        {"1組の記録", 140}, {"57.5", 68}, {"(人)", 50},
                  {"．，（）　", 150}, {"1 2", 60},        {"ﾀﾞ", 40}};
    for (const auto& w : widths) {
        f.rt.ClearOps();
        p.X = 5;
        p.Y = 6;
        p.A_s = w.text;
        MeasureTextWidth(p);
        EXPECT_EQ(p.LLT, w.width) << w.text;
        EXPECT_EQ(p.X, 5);
        EXPECT_EQ(p.Y, 6);
        EXPECT_TRUE(testing_support::VisibleOps(f.rt).empty());
    }
}

TEST(PlainText, ItalicLettersAndTheRaisedY) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 100;
    p.Y = 200;
    p.CCC1 = 4;
    p.AA_s = "実ax=y";
    f.rt.SetLineWidth(2);
    DrawPlainText(p);
    // Bold at 15 in the caller's face until an italic letter brings "ゴシック".
    EXPECT_EQ(Drawn(f.rt),
              "text 100 200 2 2 4 \"実\" ｺﾞｼｯｸ 15 bold; "
              "text 134 188 7 4 4 \"a\" Times New Roman 8 bold italic; "
              "text 154 188 7 4 4 \"x\" Times New Roman 8 bold italic; "
              "text 170 200 3 2 4 \"=\" ゴシック 15 bold; text 190 194 3 2 4 \"y\" ゴシック 15 bold");
    EXPECT_EQ(p.X, 210);
    EXPECT_EQ(f.rt.Font(), (FontState{"ゴシック", 16, false, false}));
    EXPECT_EQ(f.rt.LineWidth(), 2);
}

// Cells at (100, 300): the box's corners, then where each text operation
// (a fraction's bar by its ends) stands.
TEST(Cells, PlaceTheirTextCentredAndNeverLeftOfTheCell) {
    const struct {
        void (*draw)(Program&);
        float haba, tate;
        const char *a1, *a2;  // the text (A$ for one-line cells), the second line
        const char* placement;
    } cases[] = {
        {DrawFormulaCell, 160, 44, "2", "", "100,300 260,344 | 166.5,300"},
        {DrawFormulaCell, 160, 47, "2", "", "100,300 260,347 | 166.5,301"},
        {DrawFormulaCell, 160, 47, "ﾀ1/2ﾀ", "",
         "100,300 260,347 | 164,323 196,323 | 164,326 | 164,288"},
        {DrawFormulaCell, 44, 50, "実実", "", "100,300 144,350 | 100,303 | 134,303"},
        {DrawFormulaCell2, 160, 90, "2", "実", "100,300 260,390 | 166.5,300 | 163,344"},
        {DrawFormulaCell2, 160, 90, "2", "", "100,300 260,390 | 166.5,325"},
        {DrawFormulaCell2, 160, 90, "2", "ﾀ1/2ﾀ",
         "100,300 260,390 | 166.5,300 | 164,372 196,372 | 164,375 | 164,337"},
        {DrawFormulaCellOnLine, 160, 50, "ﾀ1/2ﾀ", "",
         "100,297 260,347 | 164,325 196,325 | 164,328 | 164,290"},
        {DrawTableCell, 61, 35, "10", "", "100,300 161,335 | 110.5,304 | 130.5,304"},
        {DrawTableCell, 50, 36, "花見", "", "100,300 150,336 | 100,305 | 130,305"},
        {DrawTableCell2, 136, 70, "四", "範囲", "100,300 236,370 | 153,304 | 138,334 | 168,334"},
        {DrawTableCell2, 136, 70, "番", "", "100,300 236,370 | 153,319"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a1) + " / " + c.a2);
        testing_support::Fixture f;
        Program& p = f.p();
        p.X = 100;
        p.Y = 300;
        p.HABA = c.haba;
        p.TATE = c.tate;
        p.CCC2 = 3;
        p.CCC3 = 15;
        p.A_s = p.A1_s = c.a1;
        p.A2_s = c.a2;
        f.rt.SetLineWidth(2);
        c.draw(p);
        EXPECT_EQ(Placement(f.rt), c.placement);
        const DrawOp box = testing_support::VisibleOps(f.rt).at(0);
        EXPECT_EQ(box.colour, 3);
        EXPECT_EQ(box.fill, 15);
        EXPECT_EQ(p.X, 100 + c.haba);  // the next cell of the row starts here
        EXPECT_EQ(p.Y, 300);
        EXPECT_EQ(f.rt.LineWidth(), 2);
    }
}
