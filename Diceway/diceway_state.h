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
    float P1 = 0;                // the last draw: winning position 1..3, or die face 1..6
    float IJ = 0;                // single lottery draw, 1 to 10
    float KKK = 0;               // batch of draws or throws
    float C = 0, M = 0;          // lot figures: corner and mark point indices

    // --- counting, the two-coin experiment and tree diagrams -----------------


    // --- choosing two of four, the two-dice table and the basic problems ----


    // --- explaining a choice by probability ----------------------------------


    // --- worked answers of the chapter problems ------------------------------

};

// One item screen of a Diceway sub-menu.
using ItemScreen = void (*)(Program&);

}  // namespace diceway
