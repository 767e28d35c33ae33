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
    // Scratch several chapters' routines share under the same names.
    float P1 = 0;                // the last draw (lot, die face, coin 1's face)
    float IJ = 0;                // counter of single draws or batches
    float C = 0, M = 0;          // lot figures' points; tree child position and label index
    float LY = 0;                // parent row of the tree branch being drawn

    // --- start-up, main menu and the experiments of chapter 1 ----------------
    float KKK = 0;               // batch of draws or throws

    // --- counting, the two-coin experiment and tree diagrams -----------------
    // Trees: their shape, the fan's root, and the routines' scratch.
    float KOSUU = 0;             // columns; first-level nodes and labels to choose from
    float EDA1 = 0, EDA2 = 0;    // children of every first- and second-level node
    float BANME = 0;             // index in Y$() of a fan's root label
    float EDA = 0;               // EDA2 as the caller passed it (0: two levels)
    float F = 0;                 // second-level label of a tree
    // The two-coin experiment.
    float P2 = 0;                // face of coin 2 (P1 coin 1): 1 heads, 2 tails
    lesson::Text ZX1_s, ZX2_s;         // their face texts
    float ZX1M = 0, ZX2M = 0;    // outline colours of the result coins
    float ZX1N = 0, ZX2N = 0;    // fill colours of the result coins
    float SSS = 0;               // pause of a timed result, in wait units
    float R1 = 0, R2 = 0;        // radii and lengths of the coin picture and the die
    float C1 = 0, C2 = 0;        // the ratio a pip divides its diagonal in

    // --- choosing two of four, the two-dice table and the basic problems ----
    float KL = 0;                // label index of a child in the ordered-pair tree

    // --- explaining a choice by probability ----------------------------------

    // --- worked answers of the chapter problems ------------------------------
    // chapter problems A: the pair and ball-order trees
    float TL = 0;                // the row whose top starts a second-level branch

};

// One item screen of a Diceway sub-menu.
using ItemScreen = void (*)(Program&);

}  // namespace diceway
