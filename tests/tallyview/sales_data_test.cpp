#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "Tallyview/sales_data.h"
#include "tests/support/test_support.h"

using namespace lesson;
using tallyview::LoadChocolateSales;
using tallyview::LoadSnackSales;
using tallyview::LoadSodaSales;
using tallyview::LoadTeaSales;

namespace {

using Loader = void (*)(Program&);

// The four series in the order H1() .. H4().
std::array<std::vector<float>, 4> LoadedSeries(Program& p) {
    auto series = [](const Array1<float>& a, float count) {
        std::vector<float> v;
        for (int i = 1; i <= count; ++i) v.push_back(a(i));
        return v;
    };
    return {series(p.H1_a, p.H1), series(p.H2_a, p.H2), series(p.H3_a, p.H3),
            series(p.H4_a, p.H4)};
}

// Median of the n sorted values starting at `from`.
float Median(const std::vector<float>& sorted, std::size_t from, std::size_t n) {
    const std::size_t m = from + n / 2;
    return n % 2 == 1 ? sorted[m] : (sorted[m - 1] + sorted[m]) / 2;
}

// Minimum, quartiles, median and maximum; the quartiles are the medians of the
// first and the last INT(n/2) values, the middle value of an odd count in
// neither half.
std::array<float, 5> FiveNumbers(std::vector<float> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size(), h = n / 2;
    return {v.front(), Median(v, 0, h), Median(v, 0, n), Median(v, n - h, h), v.back()};
}

// Days in each of the classes [30,40), [40,50), ..., [120,130).
std::array<int, 10> ClassCounts(const std::vector<float>& v) {
    std::array<int, 10> counts{};
    for (float x : v)
        for (int k = 0; k < 10; ++k)
            if (30 + 10 * k <= x && x < 40 + 10 * k) ++counts[k];
    return counts;
}

std::vector<float> Joined(std::vector<float> a, const std::vector<float>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct SeriesFigures {
    int count;
    float min, max;
    double total;
};

struct Product {
    const char* name;
    Loader load;
    std::array<SeriesFigures, 4> series;  // H1() .. H4()
};

const Product kProducts[] = {
    {"snack", LoadSnackSales,
     {{{47, 36, 110, 2709}, {49, 41, 96, 3354}, {23, 39, 77, 1251}, {21, 43, 105, 1645}}}},
    {"tea", LoadTeaSales,
     {{{47, 94, 184, 6554}, {49, 104, 206, 7332}, {23, 49, 116, 1774}, {21, 33, 169, 1838}}}},
    {"soda", LoadSodaSales,
     {{{47, 30, 81, 2112}, {49, 28, 82, 2607}, {23, 19, 70, 909}, {21, 19, 74, 1089}}}},
    {"chocolate", LoadChocolateSales,
     {{{47, 16, 61, 1505}, {49, 17, 49, 1543}, {23, 9, 34, 433}, {21, 8, 33, 404}}}},
};

}  // namespace

TEST(SalesData, EverySeriesHasItsCountRangeAndTotal) {
    for (const Product& product : kProducts) {
        testing_support::Fixture f;
        product.load(f.p());
        const auto loaded = LoadedSeries(f.p());
        for (std::size_t s = 0; s < 4; ++s) {
            SCOPED_TRACE(std::string(product.name) + " H" + std::to_string(s + 1));
            const SeriesFigures& want = product.series[s];
            const std::vector<float>& v = loaded[s];
            ASSERT_EQ(v.size(), static_cast<std::size_t>(want.count));
            EXPECT_EQ(*std::min_element(v.begin(), v.end()), want.min);
            EXPECT_EQ(*std::max_element(v.begin(), v.end()), want.max);
            double total = 0;
            for (float x : v) total += x;
            EXPECT_EQ(total, want.total);
        }
    }
}

TEST(SalesData, SnackSeriesGiveTheSummariesAndClassCountsShown) {
    testing_support::Fixture f;
    Program& p = f.p();
    LoadSnackSales(p);
    const auto [h1, h2, h3, h4] = LoadedSeries(p);
    for (const auto& v : {h1, h2, h3, h4}) {
        EXPECT_TRUE(std::is_sorted(v.begin(), v.end()));
    }
    EXPECT_EQ(p.H1_a(1), 36);
    EXPECT_EQ(p.H1_a(46), 80);
    EXPECT_EQ(p.H1_a(47), 110);
    EXPECT_EQ(p.H2_a(25), 69);
    EXPECT_EQ(p.H2_a(49), 96);
    EXPECT_EQ(p.H4_a(1), 43);

    using Five = std::array<float, 5>;
    EXPECT_EQ(FiveNumbers(h2), (Five{41, 57.5f, 69, 78.5f, 96}));
    EXPECT_EQ(FiveNumbers(h1), (Five{36, 47, 55, 68, 110}));
    EXPECT_EQ(FiveNumbers(h4), (Five{43, 67, 82, 91, 105}));
    EXPECT_EQ(FiveNumbers(h3), (Five{39, 46, 52, 62, 77}));

    using Counts = std::array<int, 10>;
    EXPECT_EQ(ClassCounts(h2), (Counts{0, 6, 7, 13, 13, 6, 4, 0, 0, 0}));
    EXPECT_EQ(ClassCounts(h4), (Counts{0, 2, 2, 1, 4, 5, 4, 3, 0, 0}));
    EXPECT_EQ(ClassCounts(h1), (Counts{5, 10, 13, 10, 6, 2, 0, 0, 1, 0}));
    EXPECT_EQ(ClassCounts(h3), (Counts{1, 7, 6, 7, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ClassCounts(Joined(h2, h4)), (Counts{0, 8, 9, 14, 17, 11, 8, 3, 0, 0}));
    EXPECT_EQ(ClassCounts(Joined(h1, h3)), (Counts{6, 17, 19, 17, 8, 2, 0, 0, 1, 0}));
}

TEST(SalesData, OtherProductsKeepTheDayOrder) {
    testing_support::Fixture f;
    Program& p = f.p();
    float lowest = 1e9f, highest = -1e9f;
    for (const Product& product : kProducts) {
        product.load(p);
        for (const auto& v : LoadedSeries(p)) {
            if (product.load != LoadSnackSales) {
                EXPECT_FALSE(std::is_sorted(v.begin(), v.end()));
            }
            lowest = std::min(lowest, *std::min_element(v.begin(), v.end()));
            highest = std::max(highest, *std::max_element(v.begin(), v.end()));
        }
    }
    LoadChocolateSales(p);
    EXPECT_EQ(p.H4_a(13), lowest);
    EXPECT_EQ(lowest, 8);
    LoadTeaSales(p);
    EXPECT_EQ(p.H2_a(38), highest);
    EXPECT_EQ(highest, 206);
    EXPECT_EQ(p.H1_a(1), 119);
    EXPECT_EQ(p.H1_a(47), 94);
}

TEST(SalesData, LoaderReplacesThePreviousProductAndTouchesNothingElse) {
    testing_support::Fixture fresh;
    LoadSnackSales(fresh.p());
    const auto snack = LoadedSeries(fresh.p());

    testing_support::Fixture f;
    Program& p = f.p();
    // Index 0 and the elements past each count are never written.
    std::array<Array1<float>*, 4> arrays = {&p.H1_a, &p.H2_a, &p.H3_a, &p.H4_a};
    const std::array<int, 4> counts = {47, 49, 23, 21};
    for (std::size_t s = 0; s < 4; ++s) {
        (*arrays[s])(0) = -1;
        for (int i = counts[s] + 1; i <= arrays[s]->Bound(); ++i) (*arrays[s])(i) = -2;
    }
    p.II = 3, p.JJ = 4, p.I = 5, p.DOSU = 6, p.X = 7, p.Y = 8, p.CCC1 = 9;

    LoadTeaSales(p);
    LoadSnackSales(p);
    LoadSnackSales(p);
    EXPECT_EQ(LoadedSeries(p), snack);
    for (std::size_t s = 0; s < 4; ++s) {
        SCOPED_TRACE("H" + std::to_string(s + 1));
        EXPECT_EQ((*arrays[s])(0), -1);
        for (int i = counts[s] + 1; i <= arrays[s]->Bound(); ++i) {
            EXPECT_EQ((*arrays[s])(i), -2);
        }
    }
    EXPECT_EQ(p.II, 3);
    EXPECT_EQ(p.JJ, 4);
    EXPECT_EQ(p.I, 5);
    EXPECT_EQ(p.DOSU, 6);
    EXPECT_EQ(p.X, 7);
    EXPECT_EQ(p.Y, 8);
    EXPECT_EQ(p.CCC1, 9);
}
