// The built-in walks of the screenshot tour: keys that reach every screen of
// a program and end it. Each grows with the chapters.
#pragma once

#include <initializer_list>
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

// Tallyview chapter 6 from the main menu: the problem (no key), the box plots
// (7 steps), the line graphs (1), the revision (2), then back to the menu.
inline constexpr const char* kTallyviewChapter6Walk =
    "6\r"
    "1\r"
    "2\r" "kkkkkkk"
    "3\r" "k"
    "4\r" "kk"
    "5\r";

inline std::string TallyviewWalk() {
    return std::string(kTallyviewChapter1Walk) + kTallyviewChapter2Walk + kTallyviewChapter3Walk +
           kTallyviewChapter4Walk + kTallyviewChapter5Walk + kTallyviewChapter6Walk + "7\r";
}

// Diceway chapter 1 from the main menu: the lottery (47 steps), the dice
// experiment (7 steps), then back to the main menu.
inline constexpr const char* kDicewayChapter1Walk =
    "1\r"
    "1\r" "kkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkk"
    "2\r" "kkkkkkk"
    "3\r";

// A chapter from the main menu: its number, then each sub-menu item with a
// key for each of that screen's steps, then the item back to the menu.
inline std::string ChapterWalk(int chapter, std::initializer_list<int> steps) {
    std::string keys = std::to_string(chapter) + "\r";
    int item = 1;
    for (int n : steps) keys += std::to_string(item++) + "\r" + std::string(static_cast<std::size_t>(n), 'k');
    return keys + std::to_string(item) + "\r";
}

// Diceway's blank item 9 leads back to the menu.
inline constexpr const char* kDicewayOtherItemsWalk = "9\r";

inline std::string DicewayWalk() {
    return std::string(kDicewayChapter1Walk) + ChapterWalk(2, {9, 9, 5, 7}) + ChapterWalk(3, {31, 15, 30}) +
           ChapterWalk(4, {44, 10, 9, 16, 9, 10}) + ChapterWalk(5, {3, 2, 5}) +
           ChapterWalk(6, {3, 72, 7, 50, 5, 9}) + ChapterWalk(7, {3, 2, 2}) +
           ChapterWalk(8, {10, 7, 7, 5, 2, 5}) + kDicewayOtherItemsWalk + "10\r";
}

}  // namespace tour
