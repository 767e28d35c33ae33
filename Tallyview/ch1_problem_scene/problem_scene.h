// Chapter 1: the problem scene. A convenience store near a cherry-blossom
// spot looks at five years of daily snack sales before and during the
// viewing season.
#pragma once

#include "Tallyview/tallyview_state.h"

namespace tallyview {

// Main-menu item 1: the aim, then the chapter's sub-menu until its last item.
void ProblemSceneChapter(Program& p);

// The aim "<めあて>" and its sentence; clears nothing, waits for no key.
void ShowProblemSceneAim(Program& p);

// The sub-menu: ①問題提示 ②ヒストグラム ③終了 (back to the main menu).
void ProblemSceneMenu(Program& p);

// Item 1: the story, the collection periods, the products and the snack
// data set as two number tables.
void ProblemSceneScreen(Program& p);

// Item 2: the snack data as histograms and frequency polygons.
void SalesHistogramsScreen(Program& p);

}  // namespace tallyview
