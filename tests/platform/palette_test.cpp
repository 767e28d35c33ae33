#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/palette.h"

namespace {

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// CIE XYZ of a palette colour (D65 white).
std::array<double, 3> Xyz(int colour) {
    const platform::Rgb c = platform::kPalette[colour];
    const double r = Linear(c.r), g = Linear(c.g), b = Linear(c.b);
    return {0.4124 * r + 0.3576 * g + 0.1805 * b, 0.2126 * r + 0.7152 * g + 0.0722 * b,
            0.0193 * r + 0.1192 * g + 0.9505 * b};
}

double Contrast(int a, int b) {
    const double la = Xyz(a)[1], lb = Xyz(b)[1];
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(Palette, LegiblePairsReachTheirContrast) {
    const struct {
        int fg, bg;
        double least;
    } pairs[] = {
        {13, 15, 4.5},  // error line
        {9, 4, 4.5},    // key-wait text in its box
        {0, 15, 4.5},   // ordinary text
        {15, 10, 3},    // main-menu title on the panel
        {13, 10, 3},    // main-menu items on the panel
        {3, 15, 3},     // lesson text
        {5, 15, 3},
        {7, 15, 3},
    };
    for (const auto& p : pairs) EXPECT_GE(Contrast(p.fg, p.bg), p.least) << p.fg << " on " << p.bg;
    EXPECT_GT(Xyz(15)[1], 0.9);  // the background is white or nearly
}

// Every two colours at least 25 apart in CIELAB.
TEST(Palette, EveryTwoColoursLookDifferent) {
    auto lab = [](int colour) {
        const auto [x, y, z] = Xyz(colour);
        auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
        const double fx = f(x / 0.95047), fy = f(y), fz = f(z / 1.08883);
        return std::array<double, 3>{116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
    };
    for (int a = 0; a < 16; ++a) {
        for (int b = a + 1; b < 16; ++b) {
            const auto p = lab(a), q = lab(b);
            EXPECT_GE(std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]), 25) << a << " and " << b;
        }
    }
}

}  // namespace
