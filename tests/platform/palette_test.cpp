#include <gtest/gtest.h>

#include "platform/colour_measures.h"
#include "platform/contrast_audit.h"
#include "platform/palette.h"

namespace {

using platform::PaletteContrast;

TEST(Palette, LegiblePairsReachTheirContrast) {
    const struct {
        int fg, bg;
        double least;
    } pairs[] = {
        {13, 15, 3},    // error line and other text: 4.5:1 would darken every colour drawn on 13 to black
        {9, 4, 4.5},    // key-wait and message box text
        {9, 12, 4.5},   // next-step box text
        {0, 15, 4.5},   // ordinary text
        {15, 10, 3},    // main-menu title on the panel
        {13, 10, 3},    // main-menu items on the panel
        {3, 15, 3},     // lesson text
        {5, 15, 3},
        {7, 15, 3},
        {9, 15, 3},
    };
    for (const auto& p : pairs) EXPECT_GE(PaletteContrast(p.fg, p.bg), p.least) << p.fg << " on " << p.bg;
    EXPECT_GT(platform::RelativeLuminance(platform::kPalette[15]), 0.9);  // the background is white or nearly
}

TEST(Palette, EveryTwoColoursLookDifferent) {
    for (int a = 0; a < 16; ++a)
        for (int b = a + 1; b < 16; ++b)
            EXPECT_GE(platform::PaletteDistance(a, b), platform::kLeastColourDistance) << a << " and " << b;
}

}  // namespace
