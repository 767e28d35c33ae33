// The sixteen colour numbers, chosen for a classroom projector, which
// washes out pale colours.
//
// Colour 15 is the white background. The contrast audit of both programs'
// walks (tests/platform/contrast_audit_test.cpp, `lesson-tour PROGRAM
// --contrast`) measures every text colour on the colour beneath it, and the
// marks drawn on a fill; every pair it finds reaches 3:1 (WCAG 2), the
// least being 3.30:1 (13 on 2). Colour 13, a mid magenta, is both ground
// and text: the title cells and tally rows draw 3, 5, 7 and 0 on it and the
// coin faces and dice-table bands draw it on 2, 3, 4 and 8, so those are
// dark, while 13 on 10 (menu items, 3.8:1) and on 15 (the error line,
// 4.9:1) stay legible. 9 is a deep amber: ticks on 15 at 3.3:1, and the
// box texts on 4 and 12 at 5.7:1 and 5.0:1. Every two numbers are at least
// CIEDE2000 11.0 apart (the closest: 2 and 12), each keeping its hue: blue,
// green, red, maroon, purple, brown, grey, indigo, amber, navy, cyan, teal,
// magenta, gold.
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
    {0x0d, 0x4f, 0xf8},  // 1  blue: figure lines
    {0x14, 0x24, 0x00},  // 2  dark green: figure lines and fills
    {0x48, 0x00, 0x01},  // 3  dark red: emphasis, box plots
    {0x25, 0x07, 0x02},  // 4  maroon: key-wait box fill, initial text colour
    {0x39, 0x07, 0x3c},  // 5  dark purple: answers and typed digits
    {0xaa, 0x4e, 0x01},  // 6  brown
    {0x25, 0x1c, 0x25},  // 7  dark grey: text, lines, bars
    {0x13, 0x00, 0x66},  // 8  indigo: a fill
    {0xc6, 0x7d, 0x11},  // 9  amber: text inside the dark boxes, ticks
    {0x06, 0x0f, 0x31},  // 10 navy: main-menu panel
    {0x41, 0xdd, 0xf3},  // 11 cyan: cell fills
    {0x00, 0x23, 0x1c},  // 12 dark teal: next-step box fill
    {0xba, 0x40, 0x92},  // 13 magenta: box borders, menu items, error text, cells
    {0xd2, 0xb0, 0x00},  // 14 gold: bold grid lines
    {0xff, 0xff, 0xff},  // 15 white: background
}};

}  // namespace platform
