// How a run leaves its normal course.
//
// Ending the program, the window being closed and a run-time error are
// exceptions, caught once in the program's run function. A RuntimeError
// carries the number of the failing statement (its source line) and one of
// the error codes below; the error screen shows both.
#pragma once

#include <source_location>
#include <stdexcept>

namespace lesson {

// The error codes a run-time error can carry.
enum class ErrorCode : int {
    IllegalValue = 5,      // an argument outside what an operation accepts
    Overflow = 6,          // a result too large for its type, or not a number
    SubscriptRange = 9,    // an array index outside 0..bound
    DivisionByZero = 11,   // a division or remainder by zero
};

struct RuntimeError : std::runtime_error {
    RuntimeError(ErrorCode c, std::source_location where);
    int statement;  // source line of the failing statement
    ErrorCode code;
};

// The last main-menu item: the program ends at once.
struct ProgramEnd {};

// The user closed the window (or, in tests, the scripted keys ran out).
struct WindowClosed {};

[[noreturn]] void Fail(ErrorCode code, std::source_location where);

[[noreturn]] inline void EndProgram() { throw ProgramEnd{}; }

}  // namespace lesson
