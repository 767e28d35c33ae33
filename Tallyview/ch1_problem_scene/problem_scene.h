// Chapter 1: the problem scene. A convenience store near a cherry-blossom
// spot looks at five years of daily snack sales before and during the
// viewing season.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace tallyview {

// Main-menu item 1: the aim, then the chapter's sub-menu until its last item.
void ProblemSceneChapter(lesson::Program& p);

// The aim "<めあて>" and its sentence; clears nothing, waits for no key.
void ShowProblemSceneAim(lesson::Program& p);

// The sub-menu: ①問題提示 ②ヒストグラム ③終了 (back to the main menu).
void ProblemSceneMenu(lesson::Program& p);

// Item 1: the story, the collection periods, the products and the snack
// data set as two number tables.
void ProblemSceneScreen(lesson::Program& p);

// Item 2: the snack data as histograms and frequency polygons.
void SalesHistogramsScreen(lesson::Program& p);

}  // namespace tallyview
