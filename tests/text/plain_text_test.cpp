#include <gtest/gtest.h>

#include "lessonlib/text/plain_text.h"
#include "tests/support/test_support.h"

using namespace lesson;
using testing_support::TextOps;
using testing_support::VisibleOps;

namespace {

float Measure(Program& p, const Text& t) {
    p.A_s = t;
    MeasureTextWidth(p);
    return p.LLT;
}

std::vector<DrawOp> DrawAt(testing_support::Fixture& f, float x, float y, const Text& t) {
    f.rt.ClearOps();
    f.p().X = x;
    f.p().Y = y;
    f.p().AA_s = t;
    DrawPlainText(f.p());
    return TextOps(VisibleOps(f.rt));
}

}  // namespace

TEST(PlainText, PenAdvancesPerCharacter) {
    testing_support::Fixture f;
    Program& p = f.p();
    const auto ops = DrawAt(f, 100, 50, "花見期間(平日)");
    ASSERT_EQ(ops.size(), 8u);
    EXPECT_EQ(ops[4].text, Text("("));
    EXPECT_EQ(ops[4].points[0].x, 212);  // eight left of the pen at 220
    EXPECT_EQ(ops[5].points[0].x, 232);
    EXPECT_EQ(ops[7].text, Text(")"));
    EXPECT_EQ(ops[7].points[0].x, 292);
    EXPECT_EQ(p.X, 300);
    EXPECT_EQ(p.Y, 50);
    EXPECT_TRUE(p.AA_s.Empty());
    EXPECT_EQ(p.A_s, Text(")"));
    EXPECT_EQ(ops[0].hscale, 2);  // full width at scale 2, 2
    EXPECT_EQ(ops[4].hscale, 3);  // half width at scale 3, 2
    EXPECT_EQ(ops[4].vscale, 2);

    EXPECT_EQ(Measure(p, "1組の記録"), 140);
    EXPECT_EQ(Measure(p, "10"), 40);
    EXPECT_EQ(Measure(p, "57.5"), 68);
    EXPECT_EQ(Measure(p, "(人)"), 50);
    // Full-width signs and blanks take the full-width advance; only the
    // half-width blank is skipped.
    EXPECT_EQ(Measure(p, "．，（）　"), 150);
    EXPECT_EQ(Measure(p, "1 2"), 60);
    EXPECT_EQ(DrawAt(f, 0, 100, "1 2").size(), 2u);
    EXPECT_EQ(Measure(p, "ﾀﾞ"), 40);  // half-width katakana: 20 each
}

TEST(PlainText, EmptyTextDrawsNothingAndKeepsThePen) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.A_s = "keep";
    EXPECT_TRUE(DrawAt(f, 70, 80, "").empty());
    EXPECT_EQ(p.X, 70);
    EXPECT_EQ(p.Y, 80);
    EXPECT_EQ(p.A_s, Text("keep"));
    EXPECT_FALSE(f.rt.Font().bold);
    EXPECT_EQ(f.rt.Font().size, 16);

    p.X = 5;
    p.Y = 6;
    EXPECT_EQ(Measure(p, ""), 0);
    EXPECT_TRUE(f.rt.Ops().empty());
    EXPECT_EQ(p.X, 5);
    EXPECT_EQ(p.Y, 6);
}

TEST(PlainText, ItalicLettersAndRaisedY) {
    testing_support::Fixture f;
    Program& p = f.p();
    const auto ops = DrawAt(f, 100, 200, "2ax=y");
    ASSERT_EQ(ops.size(), 5u);
    for (int i : {1, 2}) {
        EXPECT_EQ(ops[i].font.face, Text("Times New Roman"));
        EXPECT_EQ(ops[i].font.size, 8);
        EXPECT_TRUE(ops[i].font.italic);
        EXPECT_TRUE(ops[i].font.bold);
        EXPECT_EQ(ops[i].hscale, 7);
        EXPECT_EQ(ops[i].vscale, 4);
        EXPECT_EQ(ops[i].points[0].y, 188);
    }
    EXPECT_EQ(ops[1].points[0].x, 124);
    EXPECT_EQ(ops[2].points[0].x, 144);
    // After an italic letter the next one is upright, bold, 15, in ゴシック.
    EXPECT_EQ(ops[3].font, (FontState{"ゴシック", 15, true, false}));
    EXPECT_EQ(ops[3].points[0].x, 160);
    EXPECT_EQ(ops[4].points[0].y, 194);  // "y" raised by 6
    EXPECT_EQ(p.X, 200);
    EXPECT_EQ(p.Y, 200);
    EXPECT_EQ(f.rt.Font(), (FontState{"ゴシック", 16, false, false}));
    EXPECT_EQ(p.B_s, Text("y"));
    DrawAt(f, 0, 0, "c");
    EXPECT_TRUE(p.B_s.Empty());
    EXPECT_EQ(p.A_s, Text("c"));
}

TEST(PlainText, FontAndLineWidthAfterwards) {
    testing_support::Fixture f;
    Program& p = f.p();
    f.rt.SetFontBold(true);
    f.rt.SetFontSize(12);
    f.rt.SetLineWidth(5);
    const auto ops = DrawAt(f, 0, 0, "12");
    // The face is whatever was current; every character bold at 15.
    EXPECT_EQ(ops[0].font, (FontState{"ｺﾞｼｯｸ", 15, true, false}));
    EXPECT_EQ(f.rt.Font(), (FontState{"ｺﾞｼｯｸ", 16, false, false}));
    EXPECT_EQ(f.rt.LineWidth(), 5);
    EXPECT_EQ(p.DR, 5);
    Measure(p, "x");
    EXPECT_EQ(f.rt.LineWidth(), 5);
    EXPECT_EQ(f.rt.Font().face, Text("ゴシック"));
}

TEST(TableCells, OneLineCellCentresItsLabel) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 100;
    p.Y = 80;
    p.HABA = 200;
    p.TATE = 35;
    p.CCC1 = 0;
    p.CCC2 = 3;
    p.CCC3 = 11;
    p.A_s = "1組の記録";
    DrawTableCell(p);
    const auto ops = VisibleOps(f.rt);
    ASSERT_EQ(ops.size(), 6u);
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::FilledBox);
    EXPECT_EQ(ops[0].points[0].x, 100);
    EXPECT_EQ(ops[0].points[0].y, 80);
    EXPECT_EQ(ops[0].points[1].x, 300);
    EXPECT_EQ(ops[0].points[1].y, 115);
    EXPECT_EQ(ops[0].colour, 3);
    EXPECT_EQ(ops[0].fill, 11);
    EXPECT_EQ(ops[1].points[0].x, 130);  // (200 - 140) / 2 from the left edge
    EXPECT_EQ(ops[1].points[0].y, 84);   // 4 below the top
    EXPECT_EQ(p.X, 300);
    EXPECT_EQ(p.Y, 80);
    EXPECT_EQ(p.A_s, Text("録"));
    EXPECT_EQ(p.MOTOA_s, Text("1組の記録"));
    EXPECT_EQ(p.LLT, 140);
    EXPECT_TRUE(p.AA_s.Empty());
    EXPECT_EQ(f.rt.LineWidth(), 3);

    // Half a unit of inset is kept, not rounded.
    p.HABA = 61;
    p.A_s = "10";
    DrawTableCell(p);
    EXPECT_EQ(p.LT1, 10.5f);
}

TEST(TableCells, WideLabelStartsAtTheLeftEdge) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 40;
    p.Y = 0;
    p.HABA = 60;
    p.TATE = 35;
    p.A_s = "花見期間";
    DrawTableCell(p);
    EXPECT_EQ(p.LT1, 0);
    const auto text = TextOps(VisibleOps(f.rt));
    EXPECT_EQ(text.front().points[0].x, 40);
    EXPECT_EQ(p.X, 100);
}

TEST(TableCells, RowOfCells) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 252;
    p.Y = 160;
    p.HABA = 136;
    p.TATE = 35;
    for (const char* v : {"41", "57.5", "69", "78.5", "96"}) {
        p.A_s = v;  // the label must be set afresh for every cell
        DrawTableCell(p);
    }
    std::vector<float> lefts;
    for (const DrawOp& op : VisibleOps(f.rt))
        if (op.kind == DrawOp::Kind::FilledBox) lefts.push_back(op.points[0].x);
    EXPECT_EQ(lefts, (std::vector<float>{252, 388, 524, 660, 796}));
    EXPECT_EQ(p.X, 932);
    EXPECT_EQ(p.Y, 160);
}

TEST(TableCells, TwoLineCell) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X = 796;
    p.Y = 90;
    p.HABA = 136;
    p.TATE = 70;
    p.A1_s = "四分位";
    p.A2_s = "範囲";
    DrawTableCell2(p);
    auto text = TextOps(VisibleOps(f.rt));
    ASSERT_EQ(text.size(), 5u);
    EXPECT_EQ(text[0].points[0].x, 796 + 23);  // (136 - 90) / 2
    EXPECT_EQ(text[0].points[0].y, 94);
    EXPECT_EQ(text[3].points[0].x, 796 + 38);  // (136 - 60) / 2
    EXPECT_EQ(text[3].points[0].y, 124);
    EXPECT_EQ(p.Y22, 94);
    EXPECT_EQ(p.Y4, 124);
    EXPECT_EQ(p.A_s, Text("囲"));
    EXPECT_EQ(p.MOTOA_s, Text("範囲"));
    EXPECT_EQ(p.A1_s, Text("四分位"));
    EXPECT_EQ(p.X, 932);
    EXPECT_EQ(p.Y, 90);

    f.rt.ClearOps();
    p.X = 0;
    p.A1_s = "番";
    p.A2_s = "";
    DrawTableCell2(p);
    text = TextOps(VisibleOps(f.rt));
    ASSERT_EQ(text.size(), 1u);
    EXPECT_EQ(text[0].points[0].y, 90 + 19);
    EXPECT_TRUE(p.A_s.Empty());
    EXPECT_EQ(p.X, 136);
}
