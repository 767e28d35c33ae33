#include <gtest/gtest.h>

#include <algorithm>

#include "Diceway/ch1_experiments/lot_figures.h"
#include "tests/diceway/diceway_fixture.h"

using namespace lesson;
using diceway_test::Fixture;

namespace {

std::vector<DrawOp> OfKind(const std::vector<DrawOp>& ops, DrawOp::Kind kind) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

void LayOut(Fixture& f) {
    f.p().YI1 = 80;
    diceway::LayoutLotFigure(f.p());
}

}  // namespace

TEST(LotFigures, LayoutPlacesThreeLotsAndDrawsNothing) {
    Fixture f;
    f.p().CCC2 = 3;
    LayOut(f);
    diceway::Program& p = f.p();
    EXPECT_TRUE(f.rt.Ops().empty());  // no grid line under the lots
    for (int lot = 0; lot < 3; ++lot) {
        const float o = 10.0f * lot, d = 160.0f * lot;
        EXPECT_EQ(p.U_a(o + 1), 680 + d);
        EXPECT_EQ(p.V_a(o + 1), 190);
        EXPECT_EQ(p.U_a(o + 3), 800 + d);
        EXPECT_EQ(p.V_a(o + 3), 350);
        EXPECT_EQ(p.U_a(o + 5), 700 + d);
        EXPECT_EQ(p.V_a(o + 5), 210);
        EXPECT_EQ(p.U_a(o + 6), 780 + d);
        EXPECT_EQ(p.U_a(o + 7), 740 + d);
        EXPECT_EQ(p.V_a(o + 7), 250);
    }
    EXPECT_EQ(p.U_a(17), 900);  // the middle lot's circle centre
    EXPECT_EQ(p.X_a(1), 680);   // lot 1 is ready to be shown
    EXPECT_EQ(p.Y_a(7), 250);
    EXPECT_EQ(p.U_a(8), 0);     // points 8-10 stay untouched
    EXPECT_EQ(p.CCC2, 15);
    EXPECT_EQ(p.SIZE, 40);
    EXPECT_EQ(p.II, 8);
    EXPECT_EQ(p.YI1, 80);
}

TEST(LotFigures, FaceDownLotsCoverTheirMarks) {
    Fixture f;
    LayOut(f);
    f.rt.SetLineWidth(5);
    diceway::DrawWinningLot(f.p());
    f.rt.ClearOps();
    diceway::DrawThreeLots(f.p());
    const auto polygons = OfKind(f.rt.Ops(), DrawOp::Kind::Polygon);
    ASSERT_EQ(polygons.size(), 3u);
    for (int lot = 0; lot < 3; ++lot) {
        const DrawOp& op = polygons[lot];
        EXPECT_EQ(op.fill, 11);
        EXPECT_EQ(op.colour, 0);
        EXPECT_EQ(op.lineWidth, 5);
        ASSERT_EQ(op.points.size(), 4u);
        EXPECT_EQ(op.points[0].x, 680 + 160 * lot);
        EXPECT_EQ(op.points[0].y, 190);
        EXPECT_EQ(op.points[2].x, 800 + 160 * lot);
        EXPECT_EQ(op.points[2].y, 350);
    }
    EXPECT_EQ(f.p().A, 21);
    EXPECT_EQ(f.p().D, 24);
}

TEST(LotFigures, WinningLotHasACircleAndItsWord) {
    Fixture f;
    LayOut(f);
    diceway::Program& p = f.p();
    p.XI2 = 123;
    f.rt.SetLineWidth(3);
    diceway::DrawWinningLot(p);  // no copy: the left lot
    const auto& ops = f.rt.Ops();
    const auto polygons = OfKind(ops, DrawOp::Kind::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].fill, 13);
    EXPECT_EQ(polygons[0].lineWidth, 3);  // the width in force on entry
    const auto circles = OfKind(ops, DrawOp::Kind::Circle);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].points[0].x, 740);
    EXPECT_EQ(circles[0].points[0].y, 250);
    EXPECT_EQ(circles[0].radius, 40);
    EXPECT_EQ(circles[0].colour, 5);
    EXPECT_EQ(circles[0].lineWidth, 10);
    EXPECT_FALSE(circles[0].filled);
    const auto texts = testing_support::TextOps(testing_support::VisibleOps(f.rt));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, Text("あ"));
    EXPECT_EQ(texts[0].points[0].x, 690);
    EXPECT_EQ(texts[0].points[0].y, 300);
    EXPECT_EQ(texts[0].colour, 5);
    EXPECT_EQ(f.rt.LineWidth(), 5);
    EXPECT_EQ(p.CCC1, 5);
    EXPECT_EQ(p.Y, 300);
    EXPECT_EQ(p.A, 2);
    EXPECT_EQ(p.D, 4);
    EXPECT_EQ(p.XI2, 123);  // the text cursor is the screen's
    EXPECT_EQ(p.YI1, 80);
}

TEST(LotFigures, LosingLotHasACrossInsideIt) {
    Fixture f;
    LayOut(f);
    diceway::Program& p = f.p();
    for (int i = 1; i <= 7; ++i) {  // the right lot
        p.X_a(i) = p.U_a(20 + i);
        p.Y_a(i) = p.V_a(20 + i);
    }
    diceway::DrawLosingLot(p);
    const auto lines = OfKind(f.rt.Ops(), DrawOp::Kind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].points[0].x, 1020);
    EXPECT_EQ(lines[0].points[0].y, 210);
    EXPECT_EQ(lines[0].points[1].x, 1100);
    EXPECT_EQ(lines[0].points[1].y, 270);
    EXPECT_EQ(lines[1].points[0].x, 1100);
    EXPECT_EQ(lines[1].points[1].x, 1020);
    EXPECT_EQ(lines[1].points[1].y, 270);
    for (const DrawOp& line : lines) {
        EXPECT_EQ(line.colour, 0);
        EXPECT_EQ(line.lineWidth, 10);
    }
    const auto texts = testing_support::TextOps(testing_support::VisibleOps(f.rt));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, Text("は"));
    EXPECT_EQ(texts[0].points[0].x, 1010);
    EXPECT_EQ(texts[0].colour, 0);
    EXPECT_EQ(p.CCC1, 0);
    EXPECT_EQ(p.M, 6);
    EXPECT_EQ(f.rt.LineWidth(), 5);
}
