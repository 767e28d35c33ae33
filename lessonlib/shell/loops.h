// The counted repetition of both programs.
//
// The bounds are fixed on entry and tested after each pass, so the body runs
// at least once (a repetition from 1 to 0 makes one pass). The counter is a
// shared variable: the body sees it, may change it, and after a full run it
// stands one step past the bound. A body that returns false leaves the
// repetition at once, with the counter as that pass left it.
#pragma once

#include <type_traits>

namespace lesson {

template <class Body>
void CountedLoop(float& counter, float first, float last, Body&& body, float step = 1.0f) {
    counter = first;
    for (;;) {
        if constexpr (std::is_same_v<std::invoke_result_t<Body>, bool>) {
            if (!body()) return;
        } else {
            body();
        }
        counter += step;
        if (step >= 0 ? counter > last : counter < last) return;
    }
}

}  // namespace lesson
