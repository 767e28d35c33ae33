#include <gtest/gtest.h>

#include <cmath>

#include "platform/palette.h"

namespace {

using platform::kPalette;

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(int colour) {
    const platform::Rgb c = kPalette[colour];
    return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

double Contrast(int a, int b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Lab {
    double l, a, b;
};

Lab ToLab(int colour) {
    const platform::Rgb c = kPalette[colour];
    const double r = Linear(c.r), g = Linear(c.g), b = Linear(c.b);
    const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
    const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
    const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

TEST(Palette, LegiblePairsReachTheirContrast) {
    struct Pair {
        int fg, bg;
        double least;
    };
    const Pair pairs[] = {
        {13, 15, 4.5},  // error line
        {9, 4, 4.5},    // key-wait text in its box
        {0, 15, 4.5},   // ordinary text
        {15, 10, 3},    // main-menu title on the panel
        {13, 10, 3},    // main-menu items on the panel
        {3, 15, 3},     // lesson text
        {5, 15, 3},
        {7, 15, 3},
    };
    for (const Pair& p : pairs)
        EXPECT_GE(Contrast(p.fg, p.bg), p.least) << p.fg << " on " << p.bg;
}

TEST(Palette, BackgroundIsWhiteOrNearly) { EXPECT_GT(Luminance(15), 0.9); }

TEST(Palette, EveryTwoColoursLookDifferent) {
    for (int a = 0; a < 16; ++a) {
        for (int b = a + 1; b < 16; ++b) {
            const Lab p = ToLab(a), q = ToLab(b);
            const double distance = std::hypot(p.l - q.l, p.a - q.a, p.b - q.b);
            EXPECT_GE(distance, 25) << a << " and " << b;
        }
    }
}

}  // namespace
