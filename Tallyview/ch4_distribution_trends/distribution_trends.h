// Chapter 4: box plots compare the sales trends of four products of the
// convenience store, before and during the viewing season.
#pragma once

#include "Tallyview/tallyview_state.h"

namespace tallyview {

// Main-menu item 4: the aim, then the chapter's sub-menu until its last item.
void DistributionTrendChapter(Program& p);

// Clears the plane and shows the aim "<めあて>" with its sentence; waits for
// no key. Leaves XI1 = 44, XI2 and YI1 after the sentence, CCC1 = 0.
void ShowDistributionTrendAim(Program& p);

// The sub-menu: ①P184Q ②..⑤ the four products ⑥判断 ⑦終了 (back to the
// main menu).
void DistributionTrendMenu(Program& p);

// Item 1: the problem: the store, the collection periods, the products. 4 keys.
void SalesProblemScreen(Program& p);

// The loaded product's four series summarised into F(11..15), F(21..25),
// F(31..35), F(41..45) with their texts F$(), and shown as the weekday and
// holiday tables at (920,30)-(1205,520). Leaves T() holding H3() sorted and
// the table geometry in X(), Y(), X$(1..5), X$(11..13); waits for no key.
void SummarizeSalesSeries(Program& p);

// Items 2 to 5: one product each, its tables, its four box plots on one
// grid, and the conclusions. Snack 19 keys, the others 13.
void SnackTrendScreen(Program& p);
void TeaTrendScreen(Program& p);
void SodaTrendScreen(Program& p);
void ChocolateTrendScreen(Program& p);

// Item 6: which products sold well at blossom time, and the advice to the
// store manager. 5 keys.
void TrendJudgementScreen(Program& p);

}  // namespace tallyview
