#include <gtest/gtest.h>

#include <algorithm>

#include "lessonlib/mathextra/arrows.h"
#include "lessonlib/mathextra/expression_texts.h"
#include "tests/mathextra/maths_support.h"

using namespace lesson;
using namespace maths_test;
using chart_test::OfKind;
using chart_test::Set;
using chart_test::Shapes;
using chart_test::Values;
using Arrows = MathsTest;
using ExpressionTexts = MathsTest;

namespace {

Strings Starts(const std::vector<DrawOp>& ops) {
    Strings out;
    for (const DrawOp& op : OfKind(ops, DrawOp::Kind::Text))
        out.push_back(op.text.Utf8() + "@" + std::to_string(static_cast<int>(op.points[0].x)) + "," +
                      std::to_string(static_cast<int>(op.points[0].y)) + " c" + std::to_string(op.colour));
    return out;
}

}  // namespace

TEST_F(Arrows, OneHeadEitherWayAndTwoHeads) {
    auto arrow = [&](float muki, float ya) {
        Set({{&p.ZX0, 100}, {&p.ZY0, 100}, {&p.ZX, 200}, {&p.ZY, 100}, {&p.NAGASA, 16}, {&p.MUKI, muki},
             {&p.YA, ya}, {&p.CCC2, 6}});
        f.rt.ClearOps();
        DrawArrow(p);
        return Shapes(f.rt.Ops());
    };
    p.rt.SetLineWidth(2);
    EXPECT_EQ(arrow(0, 0), (Strings{"line 100,100 200,100 c6 w2", "line 184,108 200,100 c6 w2",
                                    "line 184,92 200,100 c6 w2"}));
    EXPECT_EQ((Values{p.ZX0, p.ZX, p.MUKI, p.EX, p.D}), (Values{200, 100, 0, 184, 100}));
    EXPECT_EQ(arrow(-1, 1), (Strings{"line 200,100 100,100 c6 w2", "line 116,92 100,100 c6 w2",
                                     "line 116,108 100,100 c6 w2"}));
    EXPECT_EQ((Values{p.ZX0, p.ZX, p.YA}), (Values{100, 200, 1}));
    for (float muki : {0.0f, -1.0f}) {
        EXPECT_EQ(arrow(muki, 2).size(), 6u);
        EXPECT_EQ(p.YA, 0);
    }
}

TEST_F(Arrows, ZeroLengthArrowIsAShaftWithoutHead) {
    Set({{&p.ZX0, 50}, {&p.ZY0, 60}, {&p.ZX, 50}, {&p.ZY, 60}, {&p.NAGASA, 16}, {&p.YA, 2}});
    f.rt.ClearOps();
    EXPECT_EQ(ErrorOf([&] { DrawArrow(p); }), std::nullopt);
    EXPECT_EQ(f.rt.Ops().size(), 2u);  // the shaft, once for each end
    EXPECT_EQ((Values{p.D, p.CX, p.CY, p.DX, p.DY, p.EX, p.EY, p.ZX1, p.ZY1, p.ZX2, p.ZY2}),
              (Values{0, 0, 0, 0, 0, 50, 60, 50, 60, 50, 60}));
}

TEST_F(Arrows, SlopeTriangleWithLabels) {
    auto triangle = [&](float x3, float y3, float x4, float y4, const char* hyouji) {
        Set({{&p.GX3, x3}, {&p.GY3, y3}, {&p.GX4, x4}, {&p.GY4, y4}, {&p.SIZE, 40}});
        p.HYOUJI_s = hyouji;
        f.rt.ClearOps();
        DrawRiseRunArrows(p);
        return f.rt.Ops();
    };
    auto ops = triangle(180, 220, 100, 300, "yy");  // given right to left
    EXPECT_EQ((Values{p.GX3, p.GY3, p.GX4, p.GY4}), (Values{100, 300, 180, 220}));
    const Strings shapes = Shapes(OfKind(ops, DrawOp::Kind::Line));
    EXPECT_EQ(shapes[0], "line 100,300 180,300 c7 w4");
    EXPECT_EQ(shapes[3], "line 180,300 180,220 c3 w4");
    EXPECT_EQ((Strings{S(p.X_s), S(p.Y_s)}), (Strings{"2", "2"}));
    EXPECT_EQ(Starts(ops), (Strings{"2@126,256 c7", "2@180,244 c3"}));
    EXPECT_EQ((Values{static_cast<float>(p.rt.LineWidth()), p.CCC2, p.NAGASA, p.MUKI}), (Values{4, 3, 16, 0}));

    ops = triangle(100, 300, 120, 320, "yy");  // a rise of -0.5 and a run of .5
    EXPECT_EQ((Strings{S(p.X_s), S(p.Y_s)}), (Strings{".5", "-0.5"}));
    triangle(100, 300, 140, 280, "ny");
    EXPECT_EQ(S(p.Y_s), "0.5");
    EXPECT_EQ(Starts(f.rt.Ops()).size(), 3u);  // the rise label alone
    EXPECT_TRUE(Starts(triangle(100, 300, 140, 280, "")).empty());
    EXPECT_TRUE(Starts(triangle(100, 300, 140, 280, "ｙy")).empty());  // a two-byte first character

    // A horizontal line's triangle: a rise of 0, no head, label "0".
    ops = triangle(100, 300, 180, 300, "yy");
    EXPECT_EQ(S(p.Y_s), "0");
    EXPECT_EQ(OfKind(ops, DrawOp::Kind::Line).size(), 4u);
    p.SIZE = 0;
    Set({{&p.GX3, 100}, {&p.GY3, 300}, {&p.GX4, 180}, {&p.GY4, 220}});
    EXPECT_EQ(ErrorOf([&] { DrawRiseRunArrows(p); }), ErrorCode::DivisionByZero);
}

TEST_F(ExpressionTexts, SignEdits) {
    struct Row {
        void (*edit)(Program&);
        const char *in, *out;
        float le;
    };
    const Row rows[] = {
        {NegateExpression, "-3x", "+3x", 3}, {NegateExpression, "+3x", "-3x", 3},
        {NegateExpression, "3x", "-3x", 2},  {NegateExpression, "-", "+", 1},
        {NegateExpression, "--3", "+-3", 3}, {NegateExpression, " 3", "- 3", 2},
        {NegateExpression, "－3", "-－3", 2}, {NegateExpression, "", "", 0},
        {StripPlus, "+5", "5", 2},           {StripPlus, "+", "", 1},
        {StripPlus, "-5", "-5", 2},          {StripPlus, "", "", 0},
        {StripSign, "+5", "5", 2},           {StripSign, "-5", "5", 2},
        {StripSign, "+-5", "-5", 3},         {StripSign, "-√2", "√2", 3},
        {StripSign, "", "", 0},
    };
    for (const Row& r : rows) {
        p.A_s = r.in;
        r.edit(p);
        EXPECT_EQ(S(p.A_s), r.out) << r.in;
        EXPECT_EQ(p.LE, r.le) << r.in;
    }
}

TEST_F(ExpressionTexts, LeftBrace) {
    Set({{&p.X, 0}, {&p.Y, 0}, {&p.HABA, 100}, {&p.CCC1, 4}});
    p.rt.SetLineWidth(3);
    f.rt.ClearOps();
    DrawLeftBrace(p);
    EXPECT_EQ(Shapes(f.rt.Ops()),
              (Strings{"polyline 35,5 23,8 23,40.5 8,47.5 23,54.5 23,87 35,90 c4 w5"}));
    EXPECT_EQ((Values{p.X, p.Y, static_cast<float>(p.rt.LineWidth()), p.X3, p.X4}), (Values{0, 0, 3, 23, 8}));
}

TEST_F(ExpressionTexts, TwoLineLayout) {
    Set({{&p.X, 100}, {&p.Y, 200}, {&p.TAKASA, 50}, {&p.CCC1, 0}, {&p.CCC2, 5}});
    p.A1_s = "12345";  // wider than the second line
    p.A2_s = "678";
    p.ENZAN_s = "+";
    p.rt.SetLineWidth(2);
    f.rt.ClearOps();
    DrawTwoLineLayout(p);
    const float lt1 = p.LT1;
    EXPECT_GT(lt1, p.LT2);
    EXPECT_EQ(p.LT, lt1);
    const auto ops = testing_support::VisibleOps(f.rt);
    const Strings texts = Starts(ops);
    EXPECT_EQ(texts.front(), "1@154,200 c0");
    // "+" is drawn in strokes from (100, 256); ")" follows it.
    for (const char* t : {")@127,256 c0", "6@154,250 c0"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), t), texts.end()) << t << " in " << testing::PrintToString(texts);
    const auto rule = OfKind(ops, DrawOp::Kind::Line).back();
    EXPECT_EQ((Values{rule.points[0].x, rule.points[0].y, rule.points[1].x, rule.points[1].y,
                      static_cast<float>(rule.lineWidth), static_cast<float>(rule.colour)}),
              (Values{127, 300, 100 + lt1 + 57, 300, 3, 5}));
    EXPECT_EQ((Values{p.YI1, p.XI3, p.XI2, static_cast<float>(p.rt.LineWidth())}),
              (Values{250, 154, 154 + lt1, 2}));
    // Both lines empty: the operator, ")" and a rule 30 long.
    p.A1_s = p.A2_s = Text();
    Set({{&p.X, 100}, {&p.Y, 200}});
    f.rt.ClearOps();
    DrawTwoLineLayout(p);
    const auto empty = OfKind(testing_support::VisibleOps(f.rt), DrawOp::Kind::Line).back();
    EXPECT_EQ((Values{empty.points[0].x, empty.points[1].x}), (Values{127, 157}));
}
