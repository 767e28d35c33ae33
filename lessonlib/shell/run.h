// Running a program: its start-up, and the one place where ending, closing
// the window and run-time errors are caught.
#pragma once

#include <functional>
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

// Runs `body` on `program`, catching the program's end, the window being
// closed and run-time errors. A run-time error shows the error screen, which
// stays until the window is closed.
RunResult RunGuarded(Program& program, const std::function<void()>& body);

// Runs `startUp` (which continues into the main menu) on a fresh state of the
// program's own type P (lesson::Program or a program's extension of it).
template <class P>
RunResult RunProgram(Runtime& rt, void (*startUp)(P&)) {
    auto program = std::make_unique<P>(rt);
    return RunGuarded(*program, [&] { startUp(*program); });
}

// Seeds the random numbers from the clock text "hh:mm:ss": A = hours +
// minutes + seconds (a sum from 0 to 141), the seed being A made whole.
// Overwrites A only.
void ReseedFromClock(Program& p);

}  // namespace lesson
