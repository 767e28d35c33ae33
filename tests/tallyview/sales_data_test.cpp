#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>

#include "Tallyview/sales_data.h"
#include "tests/support/test_support.h"

using namespace lesson;

namespace {

// A series' number of days, its first and last value, and its total.
struct Figures {
    float count, first, last, total;
    friend bool operator==(const Figures&, const Figures&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Figures& f) {
        return out << f.count << " days, " << f.first << " to " << f.last << ", total " << f.total;
    }
};

struct Product {
    const char* name;
    void (*load)(tallyview::Program&);
    std::array<Figures, 4> series;  // H1() .. H4()
};

const Product kProducts[] = {
    {"snack", tallyview::LoadSnackSales,  // in ascending order
     {{{47, 36, 110, 2709}, {49, 41, 96, 3354}, {23, 39, 77, 1251}, {21, 43, 105, 1645}}}},
    {"tea", tallyview::LoadTeaSales,  // the others in the order of the days
     {{{47, 119, 94, 6554}, {49, 165, 140, 7332}, {23, 82, 58, 1774}, {21, 65, 169, 1838}}}},
    {"soda", tallyview::LoadSodaSales,
     {{{47, 49, 30, 2112}, {49, 41, 50, 2607}, {23, 34, 29, 909}, {21, 47, 71, 1089}}}},
    {"chocolate", tallyview::LoadChocolateSales,
     {{{47, 33, 32, 1505}, {49, 32, 28, 1543}, {23, 17, 17, 433}, {21, 23, 33, 404}}}},
};

}  // namespace

// Each product loaded over the one before: every element up to the count
// replaced, index 0 and the elements past the count left alone.
TEST(SalesData, EachLoaderPutsItsSeriesInPlace) {
    testing_support::Fixture f;
    tallyview::Program& p = f.p();
    const std::array<std::pair<const float*, Array1<float>*>, 4> series = {
        {{&p.H1, &p.H1_a}, {&p.H2, &p.H2_a}, {&p.H3, &p.H3_a}, {&p.H4, &p.H4_a}}};
    for (const auto& [count, values] : series) {
        for (int i = 0; i <= values->Bound(); ++i) (*values)(i) = -1;
    }
    for (const Product& product : kProducts) {
        product.load(p);
        for (std::size_t s = 0; s < series.size(); ++s) {
            SCOPED_TRACE(std::string(product.name) + " H" + std::to_string(s + 1));
            const float n = *series[s].first;
            const Array1<float>& values = *series[s].second;
            float total = 0;
            for (int i = 1; i <= n; ++i) total += values(i);
            EXPECT_EQ((Figures{n, values(1), values(n), total}), product.series[s]);
            EXPECT_EQ(values(0), -1);
            for (int i = static_cast<int>(n) + 1; i <= values.Bound(); ++i) EXPECT_EQ(values(i), -1) << i;
        }
    }
}
