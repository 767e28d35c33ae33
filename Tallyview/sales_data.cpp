#include "Tallyview/sales_data.h"

#include <array>
#include <cstddef>

namespace tallyview {


namespace {

struct ProductSales {
    std::array<float, 47> h1;  // before the season, weekdays
    std::array<float, 49> h2;  // viewing season, weekdays
    std::array<float, 23> h3;  // before the season, holidays
    std::array<float, 21> h4;  // viewing season, holidays
};

// Snack confectionery, every series in ascending order.
constexpr ProductSales kSnack = {
    .h1 = {
        36, 37, 38, 38, 39, 42, 43, 45, 45, 45, 46, 47, 47, 47, 49, 52, 52, 52, 53, 53, 54, 54,
        54, 55, 55, 57, 58, 59, 60, 60, 61, 64, 64, 65, 68, 68, 68, 69, 70, 70, 72, 73, 76, 79,
        80, 80, 110
    },
    .h2 = {
        41, 41, 41, 43, 47, 47, 53, 53, 53, 55, 56, 57, 58, 60, 61, 62, 66, 66, 66, 67, 67, 67,
        67, 68, 69, 69, 70, 71, 72, 72, 73, 74, 75, 76, 78, 78, 78, 79, 79, 80, 81, 83, 84, 85,
        89, 92, 93, 96, 96
    },
    .h3 = {
        39, 40, 41, 41, 42, 46, 47, 49, 50, 51, 51, 52, 52, 58, 60, 60, 61, 62, 65, 67, 69, 71,
        77
    },
    .h4 = {
        43, 47, 50, 53, 64, 70, 74, 74, 76, 80, 82, 83, 85, 87, 90, 90, 92, 92, 104, 104, 105
    },
};

// Tea-type drinks, in the order of the days.
constexpr ProductSales kTea = {
    .h1 = {
        119, 151, 135, 163, 140, 130, 140, 129, 145, 174, 110, 117, 139, 124, 133, 106, 140,
        166, 172, 131, 143, 134, 175, 156, 156, 157, 150, 156, 181, 165, 129, 132, 184, 128,
        133, 134, 164, 121, 127, 104, 114, 106, 140, 148, 132, 127, 94
    },
    .h2 = {
        165, 129, 139, 195, 122, 181, 142, 134, 173, 143, 145, 170, 107, 135, 105, 149, 174,
        155, 137, 152, 117, 156, 165, 160, 164, 168, 150, 157, 150, 158, 141, 154, 154, 154,
        135, 168, 168, 206, 140, 152, 104, 110, 135, 143, 139, 187, 147, 158, 140
    },
    .h3 = {
        82, 71, 89, 116, 93, 49, 70, 88, 57, 100, 75, 58, 101, 86, 49, 78, 89, 115, 63, 71, 57,
        59, 58
    },
    .h4 = {
        65, 110, 71, 123, 57, 57, 110, 54, 91, 119, 117, 102, 79, 60, 101, 83, 65, 70, 33, 102,
        169
    },
};

// Carbonated drinks, in the order of the days.
constexpr ProductSales kSoda = {
    .h1 = {
        49, 37, 36, 37, 49, 51, 50, 57, 37, 42, 45, 39, 37, 35, 51, 50, 46, 49, 38, 41, 41, 39,
        59, 43, 81, 43, 66, 58, 31, 32, 44, 36, 42, 33, 51, 52, 45, 54, 38, 54, 33, 42, 55, 42,
        45, 47, 30
    },
    .h2 = {
        41, 54, 58, 63, 53, 55, 64, 55, 66, 61, 36, 37, 46, 70, 47, 60, 58, 49, 40, 71, 50, 38,
        73, 53, 73, 82, 47, 44, 63, 73, 29, 44, 46, 47, 42, 52, 46, 40, 49, 53, 50, 28, 53, 55,
        68, 46, 59, 70, 50
    },
    .h3 = {
        34, 52, 41, 48, 50, 35, 37, 39, 31, 28, 19, 23, 55, 26, 26, 43, 55, 70, 36, 40, 57, 35,
        29
    },
    .h4 = {
        47, 60, 74, 49, 68, 50, 50, 41, 61, 64, 50, 68, 38, 44, 67, 36, 44, 26, 19, 62, 71
    },
};

// Chocolate, in the order of the days.
constexpr ProductSales kChocolate = {
    .h1 = {
        33, 35, 34, 33, 34, 25, 29, 25, 31, 27, 33, 40, 24, 35, 24, 24, 25, 24, 30, 41, 39, 33,
        27, 44, 37, 36, 30, 31, 39, 25, 34, 46, 24, 18, 35, 39, 35, 27, 40, 37, 25, 27, 61, 35,
        27, 16, 32
    },
    .h2 = {
        32, 31, 30, 26, 32, 34, 30, 31, 28, 34, 24, 41, 32, 28, 25, 38, 39, 32, 35, 28, 24, 27,
        40, 28, 42, 21, 27, 28, 40, 31, 23, 49, 28, 42, 32, 31, 33, 47, 29, 31, 26, 32, 30, 28,
        17, 36, 37, 26, 28
    },
    .h3 = {
        17, 18, 25, 34, 18, 23, 19, 9, 28, 15, 14, 15, 24, 19, 12, 17, 13, 13, 28, 23, 18, 14,
        17
    },
    .h4 = {
        23, 18, 19, 20, 22, 15, 10, 14, 24, 22, 28, 16, 8, 18, 29, 13, 18, 15, 9, 30, 33
    },
};
template <std::size_t N>
void LoadSeries(float& count, lesson::Array1<float>& series, const std::array<float, N>& values) {
    count = static_cast<float>(N);
    for (std::size_t i = 0; i < N; ++i) series(static_cast<double>(i + 1)) = values[i];
}

void LoadProduct(Program& p, const ProductSales& sales) {
    LoadSeries(p.H1, p.H1_a, sales.h1);
    LoadSeries(p.H2, p.H2_a, sales.h2);
    LoadSeries(p.H3, p.H3_a, sales.h3);
    LoadSeries(p.H4, p.H4_a, sales.h4);
}

}  // namespace

void LoadSnackSales(Program& p) { LoadProduct(p, kSnack); }
void LoadTeaSales(Program& p) { LoadProduct(p, kTea); }
void LoadSodaSales(Program& p) { LoadProduct(p, kSoda); }
void LoadChocolateSales(Program& p) { LoadProduct(p, kChocolate); }

}  // namespace tallyview
