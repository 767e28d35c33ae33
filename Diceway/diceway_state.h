// Diceway's run context: lessonlib's shared state and runtime, plus the
// variables that only Diceway's own screens use.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace diceway {

struct Program : lesson::Program {
    explicit Program(lesson::Runtime& runtime) : lesson::Program(runtime) {}

    // --- shared by several chapters' figures ---------------------------------
    // One-call switches of the figure routines, set back to 0 by the routine
    // that reads them; each routine gives them its own meaning.
    float NASI = 0, NASIH = 0, HERU = 0;

    // --- start-up, main menu and the experiments of chapter 1 ----------------


    // --- counting, the two-coin experiment and tree diagrams -----------------


    // --- choosing two of four, the two-dice table and the basic problems ----


    // --- explaining a choice by probability ----------------------------------


    // --- worked answers of the chapter problems ------------------------------
    // chapter problems A: the pair and ball-order trees
    float LY = 0;                // the first-column row a branch hangs from
    float TL = 0;                // the row whose top starts a second-level branch

};

// One item screen of a Diceway sub-menu.
using ItemScreen = void (*)(Program&);

}  // namespace diceway
