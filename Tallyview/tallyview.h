// Tallyview: the lesson program on comparing data distributions.
#pragma once

#include "lessonlib/shell/run.h"
#include "Tallyview/tallyview_state.h"

namespace tallyview {

// Starts the program on `rt` and runs it until it ends, the window is closed,
// or the error screen has been closed.
lesson::RunResult RunTallyview(lesson::Runtime& rt);

// The start-up block: window, font, line width, random seed, initial state
// and arrays; continues into the main menu.
void StartUp(Program& p);

// Start-up's initial values and arrays (text colour, answer field, title,
// every array dimensioned).
void SetInitialState(Program& p);

// The main menu: draws itself, reads a chapter number and runs the chapter,
// again after every chapter; returns only by ending the program.
void MainMenu(Program& p);

// Erases Tallyview's prompt band: from (KAIX - 640, KAIY - 8), 1056 x 50.
void ClearPromptBand(Program& p);

}  // namespace tallyview
