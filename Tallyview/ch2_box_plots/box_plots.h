// Chapter 2: quartiles, interquartile range and box plots, worked on the
// snack sales of the viewing season and the weeks before it.
#pragma once

#include "Tallyview/tallyview_state.h"

namespace tallyview {

// Main-menu item 2: the aim, then the chapter's sub-menu until its last item.
void InterquartileBoxPlotChapter(Program& p);

// Clears the plane and shows the aim "<めあて>" with its sentence; waits for
// no key. Leaves XI1 = 44, XI2 and YI1 after the sentence, CCC1 = 0.
void ShowInterquartileBoxPlotAim(Program& p);

// The sub-menu: ①箱ひげ図 ②例 ③表完成 ④図完成 ⑤終了 (back to the main menu).
void InterquartileBoxPlotMenu(Program& p);

// Item 1: the terms of a box plot revealed one by one around the box plot of
// the viewing-season weekday sales; ends with an upright box plot. 17 keys.
void BoxPlotIntroScreen(Program& p);

// Item 2: the worked example: the sorted values, the quartiles and the
// interquartile range line by line, then the scale and the box plot. 16 keys.
void BoxPlotExampleScreen(Program& p);

// Item 3: the five-number summaries of the four series revealed cell by cell
// beside each series' sorted values, then their interquartile ranges. 29 keys.
void CompleteSummaryTableScreen(Program& p);

// Item 4: the four box plots on one grid, built from their five marks, with
// the summary tables beside them and five conclusions. 26 keys.
void CompleteBoxPlotsScreen(Program& p);

}  // namespace tallyview
