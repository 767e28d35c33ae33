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
    // Trees: their shape, the fan's root, and the routines' scratch.
    float KOSUU = 0;             // columns; first-level nodes and labels to choose from
    float EDA1 = 0, EDA2 = 0;    // children of every first- and second-level node
    float BANME = 0;             // index in Y$() of a fan's root label
    float EDA = 0;               // EDA2 as the caller passed it (0: two levels)
    float C = 0, F = 0, M = 0;   // position under a parent; second-level label; label index
    // The two-coin experiment.
    float P1 = 0, P2 = 0;        // faces of coin 1 and 2: 1 heads, 2 tails
    lesson::Text ZX1_s, ZX2_s;         // their face texts
    float ZX1M = 0, ZX2M = 0;    // outline colours of the result coins
    float ZX1N = 0, ZX2N = 0;    // fill colours of the result coins
    float SSS = 0;               // pause of a timed result, in wait units
    float IJ = 0;                // batch counter
    float R1 = 0, R2 = 0;        // radii and lengths of the coin picture and the die
    float C1 = 0, C2 = 0;        // the ratio a pip divides its diagonal in


    // --- choosing two of four, the two-dice table and the basic problems ----
    float KL = 0;                // label index of a child in the ordered-pair tree
    float LY = 0;                // parent row (1 or 2) of the branch being drawn

    // --- explaining a choice by probability ----------------------------------
    float LY = 0;                // lot tree: the A row a branch hangs from


    // --- worked answers of the chapter problems ------------------------------
    // chapter problems A: the pair and ball-order trees
    float LY = 0;                // the first-column row a branch hangs from
    float TL = 0;                // the row whose top starts a second-level branch

};

// One item screen of a Diceway sub-menu.
using ItemScreen = void (*)(Program&);

}  // namespace diceway
