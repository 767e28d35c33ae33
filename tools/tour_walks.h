// The built-in walks of the screenshot tour: keys that reach every screen of
// a program and end it. Each grows with the chapters.
#pragma once

#include <string>

namespace tour {

// Tallyview chapter 1 from the main menu: the problem scene (7 steps), the
// histograms (9 steps), then back to the main menu.
inline constexpr const char* kTallyviewChapter1Walk =
    "1\r"
    "1\r" "kkkkkkk"
    "2\r" "kkkkkkkkk"
    "3\r";

// Tallyview chapter 2 from the main menu: every item of its sub-menu with a
// key for each step (17, 16, 29 and 26 steps), then back to the main menu.
inline constexpr const char* kTallyviewChapter2Walk =
    "2\r"
    "1\r" "kkkkkkkkkkkkkkkkk"
    "2\r" "kkkkkkkkkkkkkkkk"
    "3\r" "kkkkkkkkkkkkkkkkkkkkkkkkkkkkk"
    "4\r" "kkkkkkkkkkkkkkkkkkkkkkkkkk"
    "5\r";

// Tallyview chapter 3 from the main menu: histograms beside box plots (7
// steps), the shapes of distributions (6 steps), then back to the main menu.
inline constexpr const char* kTallyviewChapter3Walk =
    "3\r"
    "1\r" "kkkkkkk"
    "2\r" "kkkkkk"
    "3\r";

// Tallyview chapter 4 from the main menu: the problem (4 steps), the four
// products (19, 13, 13 and 13 steps), the judgement (5 steps), then back to
// the main menu.
inline constexpr const char* kTallyviewChapter4Walk =
    "4\r"
    "1\r" "kkkk"
    "2\r" "kkkkkkkkkkkkkkkkkkk"
    "3\r" "kkkkkkkkkkkkk"
    "4\r" "kkkkkkkkkkkkk"
    "5\r" "kkkkkkkkkkkkk"
    "6\r" "kkkkk"
    "7\r";

// Tallyview chapter 5 from the main menu: its three answers (15, 1 and 9
// steps), then back to the main menu.
inline constexpr const char* kTallyviewChapter5Walk =
    "5\r"
    "1\r" "kkkkkkkkkkkkkkk"
    "2\r" "k"
    "3\r" "kkkkkkkkk"
    "4\r";

inline std::string TallyviewWalk() {
    return std::string(kTallyviewChapter1Walk) + kTallyviewChapter2Walk + kTallyviewChapter3Walk +
           kTallyviewChapter4Walk +
           kTallyviewChapter5Walk + "7\r";
}

}  // namespace tour
