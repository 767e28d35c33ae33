// Tallyview's run context: lessonlib's shared state and runtime, plus the
// variables that only Tallyview's own screens use.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace tallyview {

struct Program : lesson::Program {
    explicit Program(lesson::Runtime& runtime) : lesson::Program(runtime) {}

    // The loaded product's sales series H1() .. H4() and their days.
    float H1 = 0, H2 = 0, H3 = 0, H4 = 0;
    lesson::Array1<float> H1_a, H2_a, H3_a, H4_a;
};

// One item screen of a Tallyview sub-menu.
using ItemScreen = void (*)(Program&);

}  // namespace tallyview
