// Chapter 6: the worked answers of chapter problems B, on the long-rope-jump
// records of four classes: record tables, box plots, line graphs and the
// revised prediction.
#pragma once

#include "Tallyview/tallyview_state.h"

namespace tallyview {

// Main-menu item 6: straight into the sub-menu (no aim screen).
void ChapterProblemsB(Program& p);

// "章の問題Bの解答　①問題　②(1)箱ひげ図　③折れ線　④(2)修正　⑤終了".
void ChapterProblemsBMenu(Program& p);

// Item 1: the question and the four classes' records by day in two tables;
// no key wait.
void RopeJumpProblemScreen(Program& p);

// Item 2: the five-number table and the box plots on one axis, then the
// answer class by class; seven key waits.
void RopeJumpBoxPlotScreen(Program& p);

// Item 3: one line graph per class, then the finding; one key wait.
void RopeJumpLineGraphScreen(Program& p);

// Item 4: table, box plots and reasons again, the finding of the line
// graphs, and the revised statement; two key waits.
void RopeJumpRevisionScreen(Program& p);

}  // namespace tallyview
