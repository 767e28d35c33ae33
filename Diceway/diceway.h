// Diceway: the lesson program on probability.
#pragma once

#include "lessonlib/shell/run.h"
#include "Diceway/diceway_state.h"

namespace diceway {

// Starts the program on `rt` and runs it until it ends, the window is closed,
// or the error screen has been closed.
lesson::RunResult RunDiceway(lesson::Runtime& rt);

// The start-up block: window, font, line width, random seed, initial state
// and arrays; continues into the main menu.
void ProbabilityStartUp(Program& p);

// Start-up's initial values and arrays (text colour, answer field, title,
// every array dimensioned).
void SetInitialState(Program& p);

// The main menu: draws itself, reads a chapter number and runs the chapter,
// again after every chapter; returns only by ending the program.
void ProbabilityMainMenu(Program& p);

// Shows "番号を入力して下さい。" at (KAIX - 240, KAIY) in colour 0 and reads a
// number: AINP$, AINP.
void PromptMenuNumber(Program& p);

// Item 9 of the main menu: nothing but the menu again.
void MainMenuItem9(Program& p);

// Erases Diceway's prompt band: from (KAIX - 240, KAIY - 8), 1056 x 50.
void ClearPromptBand(Program& p);

}  // namespace diceway
