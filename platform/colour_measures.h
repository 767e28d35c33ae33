// How far apart two colours are, as a person reads them: the WCAG 2
// contrast ratio of text against its ground, and the CIEDE2000 colour
// difference that says whether two colours look different at all.
#pragma once

#include "platform/palette.h"

namespace platform {

// WCAG 2 relative luminance of an sRGB colour, 0 (black) to 1 (white).
double RelativeLuminance(Rgb c);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 (same) to 21.
double ContrastRatio(Rgb a, Rgb b);

// CIELAB under the D65 white.
struct Lab {
    double l, a, b;
};
Lab ToLab(Rgb c);

// The CIEDE2000 difference (kL = kC = kH = 1); about 1 is just noticeable.
double Ciede2000(const Lab& x, const Lab& y);

// The same measures between two colour numbers of the palette.
double PaletteContrast(int a, int b);
double PaletteDistance(int a, int b);

}  // namespace platform
