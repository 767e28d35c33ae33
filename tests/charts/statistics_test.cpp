#include <gtest/gtest.h>

#include <string>

#include "Tallyview/sales_data.h"
#include "lessonlib/charts/histogram_classes.h"
#include "lessonlib/charts/statistics.h"
#include "tests/charts/chart_ops.h"

using namespace lesson;
using namespace chart_test;
using Statistics = ChartTest;
using HistogramClasses = ChartTest;

namespace {

void Load(Program& p, const Values& values) {
    p.DOSU = static_cast<float>(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) p.T_a(static_cast<double>(i + 1)) = values[i];
}

Values Elements(const Array1<float>& a, float from, float to) {
    Values out;
    for (float k = from; k <= to; ++k) out.push_back(a(k));
    return out;
}

std::string Joined(const Array1<Text>& a, int from, int to) {
    std::string out = a(from).Utf8();
    for (int k = from + 1; k <= to; ++k) {
        out += ' ';
        out += a(k).Utf8();
    }
    return out;
}

// HH(1..6) after sorting and summarising `values`.
Values Summary(Program& p, const Values& values) {
    Load(p, values);
    SortAndSummarize(p);
    return Elements(p.HH_a, 1, 6);
}

}  // namespace

TEST_F(Statistics, QuartilesForEveryRemainderOfTheCount) {
    // The squares n^2 .. 1, descending so that the sort must reverse them;
    // their unequal gaps make every wrong index show. 31.666 rounds to 31.7.
    const std::pair<int, Values> cases[] = {
        {8, {1, 6.5f, 20.5f, 42.5f, 64, 25.5f}},  // 4k
        {9, {1, 6.5f, 25, 56.5f, 81, 31.7f}},     // 4k + 1
        {10, {1, 9, 30.5f, 64, 100, 38.5f}},      // 4k + 2
        {11, {1, 9, 36, 81, 121, 46}},            // 4k + 3
        {2, {1, 1, 2.5f, 4, 4, 2.5f}},            // two values
    };
    for (const auto& [n, summary] : cases) {
        Values squares;
        for (int i = n; i >= 1; --i) squares.push_back(static_cast<float>(i * i));
        EXPECT_EQ(Summary(p, squares), summary) << n;
        EXPECT_EQ(Elements(p.T_a, 1, static_cast<float>(n)), Values(squares.rbegin(), squares.rend()));
    }
}

TEST_F(Statistics, SnackSalesSeries) {
    tallyview::LoadSnackSales(p);
    EXPECT_EQ(Summary(p, Elements(p.H2_a, 1, p.H2)), (Values{41, 57.5f, 69, 78.5f, 96, 68.4f}));
    EXPECT_EQ(Summary(p, Elements(p.H1_a, 1, p.H1)), (Values{36, 47, 55, 68, 110, 57.6f}));
    EXPECT_EQ(Summary(p, Elements(p.H3_a, 1, p.H3)), (Values{39, 46, 52, 62, 77, 54.4f}));
    EXPECT_EQ(Summary(p, Elements(p.H4_a, 1, p.H4)), (Values{43, 67, 82, 91, 105, 78.3f}));
}

TEST_F(HistogramClasses, BoundariesLabelsRecountAndAHalfStepRowCount) {
    p.X_sa(0) = "(個)";
    p.X_sa(11) = "keep";
    p.Y_sa(5) = "keep";
    Set({{&p.YOKO1X, 30}, {&p.XTANI, 10}, {&p.XMAX, 130}, {&p.TATE1Y, 5}, {&p.YTANI, 5}, {&p.YMAX, 20}});
    Load(p, {40, 29, 30, 39.5f, 135, 140, 129.9f, 139.9f});
    CountHistogramClasses(p);
    EXPECT_EQ((Values{p.XKOSU, p.YOKO, p.YKOSU, p.TATE, p.TANIX}), (Values{11, 11, 4, 4, 10}));
    // Classes are closed on the left: 40 opens class 2; 29 and 140 fall outside.
    const Values counts = {0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 1, 2};
    EXPECT_EQ(Elements(p.Y_a, 0, 11), counts);
    EXPECT_EQ(Joined(p.X_sa, 0, 11), "(個) 30 40 50 60 70 80 90 100 110 120 keep");
    EXPECT_EQ(Joined(p.Y_sa, 1, 5), "5 10 15 20 keep");
    CountHistogramClasses(p);
    EXPECT_EQ(Elements(p.Y_a, 0, 11), counts);  // counting again starts from zero

    // (210 - 20) / 20 + 1 = 10.5 rows stay 10.5; rows 1..10 get labels.
    p.Y_sa(11) = "keep";
    Set({{&p.YOKO1X, 20}, {&p.XTANI, 20}, {&p.XMAX, 220}});
    Set({{&p.TATE1Y, 20}, {&p.YTANI, 20}, {&p.YMAX, 210}});
    Load(p, {25, 219.5f, 239});
    CountHistogramClasses(p);
    EXPECT_EQ((Values{p.YKOSU, p.TATE}), (Values{10.5f, 10.5f}));
    EXPECT_EQ(Joined(p.Y_sa, 1, 11), "20 40 60 80 100 120 140 160 180 200 keep");
    EXPECT_EQ(Elements(p.Y_a, 1, 11), (Values{1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}));
}
