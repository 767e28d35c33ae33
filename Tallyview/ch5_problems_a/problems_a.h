// Chapter 5: the worked answers of the chapter problems A: a box plot from
// ten times, the box plot that belongs to a histogram, and statements judged
// from two groups' box plots.
#pragma once

#include "Tallyview/tallyview_state.h"

namespace tallyview {

// Main-menu item 5: no aim; the chapter's sub-menu until its last item.
void ChapterProblemsA(Program& p);

// The sub-menu: ①～③ the answers ④終了 (back to the main menu).
void ChapterProblemsAMenu(Program& p);

// The title cells "章の問題A" and the answer's `number` from (XI1, 30);
// leaves XI2 after the second cell and YI1 = 30. Sets the line width 5.
void ProblemsATitle(Program& p, const char* number);

// Answer 1: ten times sorted in a numbered table, the quartiles and the
// interquartile range worked line by line, then the scale and the box plot.
// 15 keys.
void ProblemsAAnswer1Screen(Program& p);

// Answer 2: a histogram skewed to the left beside three box plots ア, イ,
// ウ; after the key, the answer イ. 1 key.
void ProblemsAAnswer2Screen(Program& p);

// Answer 3: two groups' box plots on a score scale, then the statements
// ア to エ judged one by one. 9 keys.
void ProblemsAAnswer3Screen(Program& p);

}  // namespace tallyview
