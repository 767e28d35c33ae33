#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "lessonlib/charts/statistics.h"
#include "lessonlib/shell/numbers.h"
#include "Tallyview/ch6_problems_b/problems_b.h"
#include "Tallyview/ch6_problems_b/rope_jump_data.h"
#include "Tallyview/tallyview.h"
#include "tests/support/test_support.h"

using namespace lesson;
using testing_support::Fixture;
using K = DrawOp::Kind;
using Values = std::vector<float>;

namespace {

Values Loaded(const tallyview::Program& p) {
    Values v;
    for (int i = 1; i <= static_cast<int>(p.DOSU); ++i) v.push_back(p.T_a(i));
    return v;
}

bool TextAt(const std::vector<DrawOp>& ops, const char* text, float x, float y) {
    return std::any_of(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == K::Text && op.text == Text(text) && op.points[0].x == x && op.points[0].y == y;
    });
}

std::vector<DrawOp> Lines(const std::vector<DrawOp>& ops, int colour) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : ops)
        if (op.kind == K::Line && op.colour == colour) out.push_back(op);
    return out;
}

}  // namespace

TEST(RopeJumpData, CountsSumsAndSummaries) {
    Fixture f;
    tallyview::Program& p = f.p();
    const struct {
        float count, sum;
        Values summary;
    } expected[] = {{24, 478, {9, 14.5f, 19, 24.5f, 31}},
                    {25, 478, {12, 15.5f, 17, 21, 35}},
                    {23, 471, {11, 17, 22, 24, 32}},
                    {21, 438, {13, 17, 19, 25, 33}}};
    for (int k = 1; k <= 4; ++k) {
        const auto& e = expected[k - 1];
        tallyview::LoaderOfClass(k)(p);
        const Values v = Loaded(p);
        EXPECT_EQ(p.DOSU, e.count) << k;
        EXPECT_EQ(std::accumulate(v.begin(), v.end(), 0.0f), e.sum) << k;
        int days = 0;
        for (int n : tallyview::PracticesPerDay(k)) days += n;
        EXPECT_EQ(days, static_cast<int>(e.count)) << k;
        SortAndSummarize(p);
        EXPECT_EQ((Values{p.HH_a(1), p.HH_a(2), p.HH_a(3), p.HH_a(4), p.HH_a(5)}), e.summary) << k;
    }
    // 4組 after 1組 leaves 1組's last three; a reload after sorting gives the
    // practice order back.
    tallyview::LoadClass1Jumps(p);
    tallyview::LoadClass4Jumps(p);
    EXPECT_EQ((Values{p.T_a(22), p.T_a(23), p.T_a(24)}), (Values{31, 31, 27}));
    tallyview::LoadClass1Jumps(p);
    SortAndSummarize(p);
    EXPECT_EQ(p.T_a(1), 9);
    tallyview::LoadClass1Jumps(p);
    EXPECT_EQ(p.T_a(1), 14);
}

TEST(RopeJumpProblemScreen, DayTextsFromTheData) {
    Fixture f;
    tallyview::Program& p = f.p();
    f.rt.SetLineWidth(5);
    tallyview::RopeJumpProblemScreen(p);
    EXPECT_EQ(f.rt.LineWidth(), 5);  // the width it found
    EXPECT_EQ(p.X_sa(5), Text("23 33 16 20 "));
    const auto ops = testing_support::VisibleOps(f.rt);
    // 1組 day 1 (14 characters) starts 10 in; 2組's five two-digit values
    // fill the cell; 4組's days of four values start 30 in.
    EXPECT_TRUE(TextAt(ops, "1", 620, 139));
    EXPECT_TRUE(TextAt(ops, "1", 910, 139));
    EXPECT_TRUE(TextAt(ops, "1", 940, 394));
    // The lower table still has its day labels.
    EXPECT_TRUE(TextAt(ops, "1", 525, 359));
    EXPECT_TRUE(TextAt(ops, "5", 525, 499));
    for (const DrawOp& op : ops)
        if (op.kind == K::FilledBox && op.points[1].y - op.points[0].y == 35) {
            EXPECT_EQ(op.lineWidth, 3);
        }
    EXPECT_TRUE(TextAt(ops, "①", 40, 90));
    EXPECT_TRUE(TextAt(ops, "②", 40, 150));
}

TEST(RopeJumpScreens, KeyWaitsAndWalk) {
    const struct {
        void (*screen)(tallyview::Program&);
        int keys;
    } screens[] = {{tallyview::RopeJumpProblemScreen, 0},
                   {tallyview::RopeJumpBoxPlotScreen, 7},
                   {tallyview::RopeJumpLineGraphScreen, 1},
                   {tallyview::RopeJumpRevisionScreen, 2}};
    for (const auto& s : screens) {
        Fixture f(std::string(static_cast<std::size_t>(s.keys), 'k'));
        EXPECT_EQ(testing_support::KeyWaitsOf(s.screen, f), s.keys);
    }
    // Out-of-range choices show the line again; every item, then back.
    const auto walk = testing_support::RunWalk(tallyview::RunTallyview,
                                               "6\r0\r6\r-1\r1\r2\rkkkkkkk3\rk4\rkk5\r7\r");
    EXPECT_EQ(walk.result.kind, RunResult::Kind::Ended);
    EXPECT_EQ(walk.keyWaits, 10);
    EXPECT_EQ(walk.numberWaits, 10);
}

TEST(RopeJumpBoxPlots, BothScreensLineUpWithTheirLabels) {
    // Value v at x = 80 + 20v, centre lines 60 apart from 140 (item 2) and
    // 50 apart from 130 (item 4); no mean mark; tables of width 3.
    const float xs[4][5] = {{260, 370, 460, 570, 700},
                            {320, 390, 420, 500, 780},
                            {300, 420, 520, 560, 720},
                            {340, 420, 460, 580, 740}};
    const struct {
        void (*screen)(tallyview::Program&);
        int keys;
        float firstCentre, step;
    } screens[] = {{tallyview::RopeJumpBoxPlotScreen, 7, 140, 60},
                   {tallyview::RopeJumpRevisionScreen, 2, 130, 50}};
    for (const auto& s : screens) {
        Fixture f(std::string(static_cast<std::size_t>(s.keys), 'k'));
        tallyview::Program& p = f.p();
        p.X_sa(0) = "(個)";  // an earlier chart's unit
        p.YOKO1X = 30;       // and its value origin
        f.rt.SetLineWidth(5);
        s.screen(p);
        const auto plots = Lines(f.rt.Ops(), 5);
        for (int k = 0; k < 4; ++k) {
            const float centre = s.firstCentre + s.step * static_cast<float>(k);
            const bool box = std::any_of(f.rt.Ops().begin(), f.rt.Ops().end(), [&](const DrawOp& op) {
                return op.kind == K::FilledBox && op.colour == 5 && op.points[0].x == xs[k][1] &&
                       op.points[1].x == xs[k][3] && op.points[0].y == centre - 20 && op.points[1].y == centre + 20;
            });
            EXPECT_TRUE(box) << "class " << k + 1;
            for (float x : {xs[k][0], xs[k][2], xs[k][4]}) {
                const bool upright = std::any_of(plots.begin(), plots.end(), [&](const DrawOp& op) {
                    return op.points[0].x == x && op.points[1].x == x && op.points[0].y < centre &&
                           op.points[1].y > centre;
                });
                EXPECT_TRUE(upright) << "class " << k + 1 << " x " << x;
            }
        }
        EXPECT_EQ(plots.size(), 4u * 5);  // two whiskers, the median, two end ticks; no mean mark
        const auto ops = testing_support::VisibleOps(f.rt);
        EXPECT_TRUE(TextAt(ops, "(", 801 - 8, s.step == 60 ? 384 : 334));  // the unit "(回)"
        for (const DrawOp& op : ops)
            if (op.kind == K::FilledBox && op.points[0].x >= 880 && op.points[1].y - op.points[0].y == 35) {
                EXPECT_EQ(op.lineWidth, 3);
            }
        EXPECT_EQ(f.rt.LineWidth(), 5);
    }
}

TEST(RopeJumpBoxPlots, TableTextsAreTheComputedSummaries) {
    Fixture f(std::string(7, 'k'));
    tallyview::Program& p = f.p();
    tallyview::RopeJumpBoxPlotScreen(p);
    const Values drawn = {ValueOfText(p.T_sa(1)), ValueOfText(p.T_sa(12)), ValueOfText(p.T_sa(23)),
                          ValueOfText(p.T_sa(34)), ValueOfText(p.T_sa(35))};
    Values computed;
    const int picks[][2] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {4, 5}};
    for (const auto& pick : picks) {
        tallyview::LoaderOfClass(pick[0])(p);
        SortAndSummarize(p);
        computed.push_back(p.HH_a(pick[1]));
    }
    EXPECT_EQ(drawn, computed);
}

TEST(RopeJumpLineGraphs, RecordLinesAndLabels) {
    for (bool afterBoxPlots : {false, true}) {
        Fixture f(std::string(afterBoxPlots ? 8 : 1, 'k'));
        tallyview::Program& p = f.p();
        if (afterBoxPlots) tallyview::RopeJumpBoxPlotScreen(p);
        f.rt.ClearOps();
        tallyview::RopeJumpLineGraphScreen(p);
        const auto record = Lines(f.rt.Ops(), 5);
        ASSERT_EQ(record.size(), 89u);
        EXPECT_EQ(record[0].points[0].x, 95);
        EXPECT_EQ(record[0].points[0].y, 304);
        EXPECT_EQ(record[0].points[1].x, 110);
        EXPECT_EQ(record[0].points[1].y, 324);
        EXPECT_EQ(record[22].points[1].x, 440);  // 1組's last practice
        EXPECT_EQ(record[22].points[1].y, 252);
        const bool peak = std::any_of(record.begin(), record.end(), [](const DrawOp& op) {
            return op.points[1].x == 995 && op.points[1].y == 220;
        });
        EXPECT_TRUE(peak);
        // Six x labels per graph, whatever the box plot frame left in X$().
        const auto ops = testing_support::VisibleOps(f.rt);
        int labels = 0;
        for (const DrawOp& op : ops) labels += op.kind == K::Text && op.points[0].y == 364 && op.colour == 0;
        EXPECT_EQ(labels, 2 * (1 + 2 + 2 + 2 + 2 + 4)) << afterBoxPlots;
        EXPECT_TRUE(TextAt(ops, "1", 40, 80));  // the answer under the question
    }
}

TEST(RopeJumpRevision, StatementFollowsTheFirstClass) {
    Fixture f("kk");
    tallyview::Program& p = f.p();
    tallyview::RopeJumpRevisionScreen(p);
    EXPECT_EQ(p.V_a(1), 400);
    const auto ops = testing_support::VisibleOps(f.rt);
    EXPECT_TRUE(TextAt(ops, "中", 556, 460));
    EXPECT_TRUE(TextAt(ops, "折", 40, 600));
}
