// The counted repetition of both programs.
//
// The bounds are fixed on entry and tested after each pass, so the body runs
// at least once (a repetition from 1 to 0 makes one pass). The counter is a
// shared variable: the body sees it, may change it, and after a full run it
// stands one step past the bound. A body that returns false leaves the
// repetition at once, with the counter as that pass left it.
//
// A repetition that could never end is a run-time error (overflow) instead
// of a hang: a bound that is not a number, or a step that no longer moves the
// counter (a zero step, or a counter beyond single precision's whole numbers).
#pragma once

#include <cmath>
#include <source_location>
#include <type_traits>

#include "lessonlib/shell/errors.h"

namespace lesson {

template <class Body>
void CountedLoop(float& counter, float first, float last, Body&& body, float step = 1.0f,
                 std::source_location loc = std::source_location::current()) {
    if (std::isnan(first) || std::isnan(last) || std::isnan(step)) Fail(ErrorCode::Overflow, loc);
    counter = first;
    for (;;) {
        if constexpr (std::is_same_v<std::invoke_result_t<Body>, bool>) {
            if (!body()) return;
        } else {
            body();
        }
        const float next = counter + step;
        if (next == counter) Fail(ErrorCode::Overflow, loc);
        counter = next;
        if (step >= 0 ? counter > last : counter < last) return;
    }
}

}  // namespace lesson
