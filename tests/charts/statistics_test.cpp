#include <gtest/gtest.h>

#include <vector>

#include "lessonlib/charts/statistics.h"
#include "lessonlib/shell/errors.h"
#include "tests/support/test_support.h"

using namespace lesson;

namespace {

// The snack sales series: weekdays and holidays, just before and during the
// cherry-blossom viewing season.
const std::vector<float> kBeforeWeekdays = {
    36, 37, 38, 38, 39, 42, 43, 45, 45, 45, 46, 47, 47, 47, 49, 52, 52, 52, 53, 53, 54, 54, 54, 55,
    55, 57, 58, 59, 60, 60, 61, 64, 64, 65, 68, 68, 68, 69, 70, 70, 72, 73, 76, 79, 80, 80, 110};
const std::vector<float> kSeasonWeekdays = {
    41, 41, 41, 43, 47, 47, 53, 53, 53, 55, 56, 57, 58, 60, 61, 62, 66, 66, 66, 67, 67, 67, 67, 68, 69,
    69, 70, 71, 72, 72, 73, 74, 75, 76, 78, 78, 78, 79, 79, 80, 81, 83, 84, 85, 89, 92, 93, 96, 96};
const std::vector<float> kBeforeHolidays = {39, 40, 41, 41, 42, 46, 47, 49, 50, 51, 51, 52,
                                            52, 58, 60, 60, 61, 62, 65, 67, 69, 71, 77};
const std::vector<float> kSeasonHolidays = {43, 47, 50, 53, 64, 70, 74, 74, 76, 80, 82,
                                            83, 85, 87, 90, 90, 92, 92, 104, 104, 105};
void Load(Program& p, const std::vector<float>& values) {
    p.DOSU = static_cast<float>(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) p.T_a(static_cast<double>(i + 1)) = values[i];
}

std::vector<float> Summary(Program& p) {
    return {p.HH_a(1), p.HH_a(2), p.HH_a(3), p.HH_a(4), p.HH_a(5), p.HH_a(6)};
}

std::vector<float> Summarize(Program& p, const std::vector<float>& values) {
    Load(p, values);
    SortAndSummarize(p);
    return Summary(p);
}

// n values (n + 1 - i)^2 for i = 1..n: descending, so the sort must reverse
// them; unequal gaps make every wrong index show.
std::vector<float> ReversedSquares(int n) {
    std::vector<float> v;
    for (int i = n; i >= 1; --i) v.push_back(static_cast<float>(i * i));
    return v;
}

}  // namespace

TEST(SortAndSummarize, QuartilesForEveryRemainderOfTheCount) {
    testing_support::Fixture f;
    Program& p = f.p();
    struct Case {
        int n;
        float q1, median, q3;
    };
    // Sorted values are 1, 4, 9, 16, 25, 36, 49, 64, 81, 100, 121.
    const Case cases[] = {
        {8, (4 + 9) / 2.0f, (16 + 25) / 2.0f, (36 + 49) / 2.0f},    // 4k
        {9, (4 + 9) / 2.0f, 25, (49 + 64) / 2.0f},                  // 4k + 1
        {10, 9, (25 + 36) / 2.0f, 64},                              // 4k + 2
        {11, 9, 36, 81},                                            // 4k + 3
        {7, 4, 16, 36},                                             // 4k + 3, k = 1
        {4, (1 + 4) / 2.0f, (4 + 9) / 2.0f, (9 + 16) / 2.0f},       // 4k, k = 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        const auto s = Summarize(p, ReversedSquares(c.n));
        EXPECT_EQ(s[0], 1);
        EXPECT_EQ(s[1], c.q1);
        EXPECT_EQ(s[2], c.median);
        EXPECT_EQ(s[3], c.q3);
        EXPECT_EQ(s[4], static_cast<float>(c.n * c.n));
        for (int i = 1; i < c.n; ++i) EXPECT_LE(p.T_a(i), p.T_a(i + 1));
    }

    EXPECT_EQ(Summarize(p, {8, 3}), (std::vector<float>{3, 3, 5.5f, 8, 8, 5.5f}));
    EXPECT_EQ(Summarize(p, {1, 2, 3, 4, 5, 6, 7, 8, 9}),
              (std::vector<float>{1, 2.5f, 5, 7.5f, 9, 5}));
}

TEST(SortAndSummarize, SmallExamplesAndTheMean) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.T_a(0) = -7;
    p.HH_a(0) = 11;
    p.HH_a(7) = 12;
    EXPECT_EQ(Summarize(p, {16, 4, 19, 9, 10, 11, 13, 9, 18, 6}),
              (std::vector<float>{4, 9, 10.5f, 16, 19, 11.5f}));
    EXPECT_EQ(p.HEIKIN, 11.5f);
    EXPECT_EQ(p.KEI, 115);
    const float sorted[] = {4, 6, 9, 9, 10, 11, 13, 16, 18, 19};
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(p.T_a(i), sorted[i - 1]);
    EXPECT_EQ(p.T_a(0), -7);
    EXPECT_EQ(p.HH_a(0), 11);
    EXPECT_EQ(p.HH_a(7), 12);

    // Again on the sorted data: the same.
    SortAndSummarize(p);
    EXPECT_EQ(Summary(p), (std::vector<float>{4, 9, 10.5f, 16, 19, 11.5f}));

    // The mean is rounded to one decimal, not truncated.
    EXPECT_EQ(Summarize(p, {2, 1, 2})[5], 1.7f);
    EXPECT_EQ(Summarize(p, {7, 3, 4, 1, 6, 2, 5})[5], 4);
}

TEST(SortAndSummarize, SnackSalesSeries) {
    testing_support::Fixture f;
    Program& p = f.p();
    EXPECT_EQ(Summarize(p, kSeasonWeekdays), (std::vector<float>{41, 57.5f, 69, 78.5f, 96, 68.4f}));
    EXPECT_EQ(p.KEI, 3354);
    EXPECT_EQ(Summarize(p, kBeforeWeekdays), (std::vector<float>{36, 47, 55, 68, 110, 57.6f}));
    EXPECT_EQ(p.KEI, 2709);
    EXPECT_EQ(Summarize(p, kSeasonHolidays), (std::vector<float>{43, 67, 82, 91, 105, 78.3f}));
    EXPECT_EQ(p.KEI, 1645);
    EXPECT_EQ(Summarize(p, kBeforeHolidays), (std::vector<float>{39, 46, 52, 62, 77, 54.4f}));
    EXPECT_EQ(p.KEI, 1251);
}

TEST(SortAndSummarize, EmptyDataSetDividesByZero) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.DOSU = 0;
    try {
        SortAndSummarize(p);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code, ErrorCode::DivisionByZero);
    }
}
