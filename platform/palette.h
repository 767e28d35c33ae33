// The sixteen colour numbers, chosen for a classroom projector.
//
// Colour 15 is the white background. The pairs the screens rely on stay
// legible (WCAG 2 contrast): 0 and 13 on 15 at least 4.5:1 (ordinary text,
// the error line), 9 on 4 at least 4.5:1 (the key-wait box's text), 15 and
// 13 on 10 at least 3:1 (the main-menu title and items on the dark panel),
// and 3, 5, 7 on 15 at least 3:1 (lesson text). The hues keep apart: blue,
// green, red, maroon, purple, brown, greys, pale yellow, navy, light cyan,
// teal, magenta and gold.
#pragma once

#include <array>
#include <cstdint>

namespace platform {

struct Rgb {
    std::uint8_t r, g, b;
};

inline constexpr int kBackgroundColour = 15;

inline constexpr std::array<Rgb, 16> kPalette = {{
    {0x00, 0x00, 0x00},  // 0  black: ordinary text, lines and borders
    {0x1f, 0x5f, 0xd6},  // 1  blue: figure lines
    {0x2e, 0x8b, 0x3a},  // 2  green: figure lines and fills
    {0xd6, 0x20, 0x20},  // 3  red: emphasis, box plots
    {0x70, 0x10, 0x10},  // 4  maroon: key-wait box fill, initial text colour
    {0x7b, 0x1f, 0xa2},  // 5  purple: answers and typed digits
    {0x8d, 0x5a, 0x12},  // 6  brown
    {0x5f, 0x63, 0x68},  // 7  grey: text, lines, bars
    {0xa8, 0xa8, 0xa8},  // 8  light grey: a fill
    {0xff, 0xf3, 0xa8},  // 9  pale yellow: text inside the dark boxes
    {0x0c, 0x1a, 0x3c},  // 10 navy: main-menu panel
    {0x9a, 0xdb, 0xea},  // 11 light cyan: cell fills
    {0x00, 0x69, 0x5c},  // 12 teal: next-step box fill
    {0xc8, 0x38, 0x9a},  // 13 magenta: box borders, menu items, error text
    {0xc9, 0x97, 0x00},  // 14 gold: bold grid lines
    {0xff, 0xff, 0xff},  // 15 white: background
}};

}  // namespace platform
