// Chapter 3: histograms set beside box plots, what each chart shows well,
// and how the shape of a histogram can be read from its box plot.
#pragma once

#include "Tallyview/tallyview_state.h"

namespace tallyview {

// Main-menu item 3: the aim, then the chapter's sub-menu until its last item.
void HistogramComparisonChapter(Program& p);

// The aim "<めあて>" and its sentence; clears nothing, waits for no key.
// Leaves XI1 = 44, YI1 = 305, XI2 after the sentence, CCC1 = 0.
void ShowHistogramComparisonAim(Program& p);

// The sub-menu: ①P183Q ②ヒストグラムの形 ③終了 (back to the main menu).
void HistogramComparisonMenu(Program& p);

// Item 1: the weekday snack sales of the viewing season and of the weeks
// before it, each as a histogram with its box plot below on the same scale,
// then the merits of each chart. 7 keys.
void HistogramVersusBoxPlotScreen(Program& p);

// Item 2: four small data sets as box plots, then one by one their
// histograms above them with the names of their shapes. 6 keys.
void DistributionShapesScreen(Program& p);

}  // namespace tallyview
