// Running a program: its start-up, and the one place where ending, closing
// the window and run-time errors are caught.
#pragma once

#include <memory>

#include "lessonlib/shell/errors.h"
#include "lessonlib/shell/shared_state.h"

namespace lesson {

struct RunResult {
    enum class Kind { Ended, Closed, Error };
    Kind kind = Kind::Ended;
    int statement = 0;  // for Error
    int code = 0;       // for Error
};

// Runs `startUp` (which continues into the main menu) on a fresh shared
// state. A run-time error anywhere shows the error screen, which stays
// until the window is closed.
RunResult RunProgram(Runtime& rt, void (*startUp)(Program&));

// Seeds the random numbers from the clock text "hh:mm:ss": A = hours +
// minutes + seconds (a sum from 0 to 141), the seed being A made whole.
// Overwrites A only.
void ReseedFromClock(Program& p);

}  // namespace lesson
