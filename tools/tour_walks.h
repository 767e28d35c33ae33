// The built-in walks of the screenshot tour: keys that reach every screen of
// a program and end it. Each grows with the chapters.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace tour {

// The keys of several walks one after another, as one text.
template <std::size_t... N>
constexpr auto JoinWalks(const char (&... walks)[N]) {
    std::array<char, (N + ...) - sizeof...(N) + 1> out{};
    std::size_t at = 0;
    ((std::copy_n(walks, N - 1, out.begin() + at), at += N - 1), ...);
    return out;
}

// Tallyview chapter 2 from the main menu: every item of its sub-menu with a
// key for each step (17, 16, 29 and 26 steps), then back to the main menu.
inline constexpr char kTallyviewChapter2Walk[] =
    "2\r"
    "1\r" "kkkkkkkkkkkkkkkkk"
    "2\r" "kkkkkkkkkkkkkkkk"
    "3\r" "kkkkkkkkkkkkkkkkkkkkkkkkkkkkk"
    "4\r" "kkkkkkkkkkkkkkkkkkkkkkkkkk"
    "5\r";

inline constexpr auto kTallyviewWalkKeys = JoinWalks(kTallyviewChapter2Walk, "7\r");
inline constexpr const char* kTallyviewWalk = kTallyviewWalkKeys.data();

}  // namespace tour
