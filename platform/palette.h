// The sixteen colour numbers, chosen for a classroom projector, which
// washes out pale colours.
//
// Colour 15 is the white background. The contrast audit of both programs'
// walks (tests/platform/contrast_audit_test.cpp, `lesson-tour PROGRAM
// --contrast`) measures every text colour on the colour beneath it, and the
// marks drawn on a fill; every pair it finds reaches 3:1 (WCAG 2), the
// least being 3.11:1 (5 on 13). Colour 13, a mid pink-magenta, is both
// ground and text: the title cells and tally rows draw 3, 5, 7 and 0 on it,
// and the coin faces and dice-table bands draw it on 2, 3, 4 and 8. So 13
// is as light as 3:1 on white allows (3.13:1, the error line and other
// text), and those colours are as light as 3:1 under or on 13 allows: a
// dark red, green and purple that still read as red, green and purple. 9 is
// a deep amber: ticks on 15 at 3.19:1, the box texts on 4 and 12 at 5.11:1
// and 4.72:1. Every two numbers are at least CIEDE2000 11.4 apart (the
// closest: 8 and 10).
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
    {0x0b, 0x3f, 0xd8},  // 1  blue: figure lines
    {0x1c, 0x4e, 0x12},  // 2  dark green: figure lines and fills
    {0x8e, 0x00, 0x07},  // 3  dark red: emphasis, box plots
    {0x45, 0x08, 0x00},  // 4  maroon: key-wait box fill, initial text colour
    {0x6e, 0x03, 0x9c},  // 5  purple: answers and typed digits
    {0x8a, 0x4a, 0x05},  // 6  brown
    {0x3f, 0x3f, 0x3f},  // 7  dark grey: text, lines, bars
    {0x0a, 0x2a, 0x3a},  // 8  slate: a fill
    {0xd2, 0x7b, 0x0d},  // 9  amber: text inside the dark boxes, ticks
    {0x0d, 0x12, 0x73},  // 10 navy: main-menu panel
    {0x31, 0xda, 0xef},  // 11 cyan: cell fills
    {0x07, 0x2c, 0x24},  // 12 dark teal: next-step box fill
    {0xe3, 0x64, 0xaf},  // 13 pink-magenta: box borders, menu items, error text, cells
    {0xd5, 0xab, 0x2d},  // 14 gold: bold grid lines
    {0xff, 0xff, 0xff},  // 15 white: background
}};

}  // namespace platform
