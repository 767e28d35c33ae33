// The error screen shown after any run-time error.
#pragma once

#include "lessonlib/shell/errors.h"
#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Clears the window, shows the failing statement's number and the error code
// with the request to close the window, and idles until it is closed.
// Overwrites A, A$, B, B$. Never returns.
[[noreturn]] void ErrorTrap(Program& p, const RuntimeError& error);

}  // namespace lesson
