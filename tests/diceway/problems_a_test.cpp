#include <gtest/gtest.h>

#include <algorithm>

#include "Diceway/ch7_problems_a/problems_a.h"
#include "tests/diceway/diceway_fixture.h"

using namespace lesson;
using diceway_test::Fixture;
using K = DrawOp::Kind;

namespace {

std::vector<DrawOp> Lines(const Fixture& f) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : f.rt.Ops())
        if (op.kind == K::Line && op.points[0].y < 1000) out.push_back(op);
    return out;
}

bool TextAt(const Fixture& f, const char* text, int colour, float x, float y) {
    const auto ops = testing_support::VisibleOps(f.rt);
    return std::any_of(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == K::Text && op.text == Text(text) && op.colour == colour && op.points[0].x == x &&
               op.points[0].y == y;
    });
}

bool CellAt(const Fixture& f, float x, float y, float w, float h, int border, int fill) {
    return std::any_of(f.rt.Ops().begin(), f.rt.Ops().end(), [&](const DrawOp& op) {
        return op.kind == K::FilledBox && op.points[0].x == x && op.points[0].y == y && op.points[1].x == x + w &&
               op.points[1].y == y + h && op.colour == border && op.fill == fill;
    });
}

}  // namespace

TEST(ProblemsA, ScreensKeysAndFrame) {
    const struct {
        void (*screen)(diceway::Program&);
        int keys;
        int width;
    } screens[] = {{diceway::ProblemsA123Screen, 3, 3},
                   {diceway::ProblemsA4Screen, 2, 5},
                   {diceway::ProblemsA56Screen, 2, 5}};
    for (const auto& s : screens) {
        Fixture f(std::string(static_cast<std::size_t>(s.keys), 'k'));
        EXPECT_EQ(testing_support::KeyWaitsOf(s.screen, f), s.keys);
        EXPECT_EQ(f.rt.LineWidth(), s.width);
        EXPECT_TRUE(CellAt(f, 38, 30, 342, 48, 1, 13));  // the header cell
        EXPECT_EQ(f.p().XI1, 38);
    }
}

TEST(ProblemsA, NumberCellsMoveTheCursorLikeText) {
    Fixture f("kkk");
    diceway::ProblemsA123Screen(f.p());
    // "1" at (38, 80), its answer 30 right of the cell; "2" at y 230, "3" at 330.
    EXPECT_TRUE(CellAt(f, 38, 80, 44, 44, 4, 3));
    EXPECT_TRUE(CellAt(f, 38, 230, 44, 44, 4, 3));
    EXPECT_TRUE(CellAt(f, 38, 330, 44, 44, 4, 3));
    EXPECT_TRUE(TextAt(f, "答", 5, 112, 80));
    EXPECT_TRUE(TextAt(f, "求", 0, 38, 550));
    EXPECT_EQ(f.p().YI1, 550);

    Fixture g("kk");
    diceway::ProblemsA4Screen(g.p());
    EXPECT_TRUE(CellAt(g, 410, 30, 44, 44, 4, 3));  // on the header's row
    EXPECT_TRUE(TextAt(g, "起", 0, 38, 90));
}

TEST(BoyGirlPairTree, SixPairsInTwoGroups) {
    Fixture f;
    diceway::Program& p = f.p();
    const char* labels[] = {"A", "B", "C", "X", "A", "B", "C", "X", "D", "E"};
    for (int k = 1; k <= 10; ++k) p.X_sa(k) = labels[k - 1];
    p.X_a(1) = 880;
    p.Y_a(0) = 100;
    diceway::DrawBoyGirlPairTree(p);
    EXPECT_EQ(p.X_a(2), 990);
    EXPECT_EQ(p.Y_a(11), 200);
    EXPECT_EQ(p.Y_a(12), 400);
    const auto lines = Lines(f);
    ASSERT_EQ(lines.size(), 6u);
    const float ends[] = {175, 225, 275, 375, 425, 475};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(lines[k].points[0].x, 960);
        EXPECT_EQ(lines[k].points[0].y, k < 3 ? 225 : 425);
        EXPECT_EQ(lines[k].points[1].x, 990);
        EXPECT_EQ(lines[k].points[1].y, ends[k]);
        EXPECT_EQ(lines[k].colour, 0);
        EXPECT_EQ(lines[k].lineWidth, 5);
    }
    // Rows 4 and 8 stay empty whatever their labels hold.
    const auto ops = testing_support::VisibleOps(f.rt);
    EXPECT_TRUE(std::none_of(ops.begin(), ops.end(), [](const DrawOp& op) { return op.text == Text("X"); }));
    EXPECT_TRUE(CellAt(f, 880, 100, 80, 46, 3, 15));
    EXPECT_TRUE(CellAt(f, 990, 100, 80, 46, 3, 15));
}

TEST(BallOrderTree, RedAndWhiteSideBySide) {
    Fixture f;
    diceway::Program& p = f.p();
    p.X_a(1) = 760;
    p.Y_a(0) = 100;
    diceway::DrawBallOrderTree(p);
    EXPECT_EQ(p.X_a(2), 910);
    EXPECT_EQ(p.X_a(3), 1060);
    EXPECT_EQ(p.Y_a(11), 175);
    EXPECT_EQ(p.Y_a(13), 375);
    const auto lines = Lines(f);
    ASSERT_EQ(lines.size(), 12u);
    // Second level from 25 below the parent's top; third level horizontal.
    EXPECT_EQ(lines[0].points[0].x, 860);
    EXPECT_EQ(lines[0].points[0].y, 200);
    EXPECT_EQ(lines[0].points[1].x, 920);
    EXPECT_EQ(lines[0].points[1].y, 175);
    EXPECT_EQ(lines[5].points[0].y, 400);
    std::vector<std::size_t> red;
    for (std::size_t k = 0; k < 12; ++k) {
        if (lines[k].colour == 5) red.push_back(k);
        if (k >= 6) {
            EXPECT_EQ(lines[k].points[0].y, lines[k].points[1].y);
        }
    }
    EXPECT_EQ(red, (std::vector<std::size_t>{0, 2, 10, 11}));
    // The orders read off the rows with their first ball.
    const char* first[] = {"赤", "赤", "白", "白", "青", "青"};
    const char* second[] = {"白", "青", "赤", "青", "赤", "白"};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_NE(Text(first[k - 1]), Text(second[k - 1]));
        EXPECT_NE(Text(second[k - 1]), p.X_sa(k));
        EXPECT_NE(Text(first[k - 1]), p.X_sa(k));
    }
    EXPECT_EQ(p.CCC4, 5);
}

TEST(ProblemsA, SubMenuRange) {
    // 0 and 5 show the line again; 2.4 is item 2; 3.6 leaves the chapter.
    Fixture f("0\r5\r2.4\rkk3.6\r");
    int numberWaits = 0;
    f.rt.onWait = [&](WaitKind kind) { numberWaits += kind == WaitKind::Number; };
    diceway::ProbabilityProblemsA(f.p());
    EXPECT_EQ(numberWaits, 4);
    EXPECT_EQ(f.rt.KeysLeft(), 0u);
    EXPECT_TRUE(TextAt(f, "男", 0, 880 + 10, 104) || CellAt(f, 880, 100, 80, 46, 3, 15));
}
