#include "lessonlib/shell/run.h"

#include "lessonlib/shell/error_screen.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

RunResult RunGuarded(Program& program, const std::function<void()>& body) {
    try {
        body();
        return {RunResult::Kind::Ended};
    } catch (const ProgramEnd&) {
        return {RunResult::Kind::Ended};
    } catch (const WindowClosed&) {
        return {RunResult::Kind::Closed};
    } catch (const RuntimeError& error) {
        RunResult result{RunResult::Kind::Error, error.statement, static_cast<int>(error.code)};
        try {
            ErrorTrap(program, error);
        } catch (const WindowClosed&) {
        }
        return result;
    }
}

void ReseedFromClock(Program& p) {
    const Text clock = p.rt.ClockText();
    p.A = ValueOfText(FirstChars(clock, 2));
    p.A = p.A + ValueOfText(MidChars(clock, 4, 2));
    p.A = p.A + ValueOfText(LastChars(clock, 2));
    p.rt.Randomize(p.A);
}

}  // namespace lesson
