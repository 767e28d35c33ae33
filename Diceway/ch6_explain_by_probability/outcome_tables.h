// The tables of the scratch-card problem: every outcome of two people
// scratching one spot each, the pupils' counts of the three events, and a row
// of values under the events ア, イ, ウ.
//
// Each table hangs from its top-left corner (X(0), Y(0)) and leaves its
// column edges in X(1).. and its row tops in Y(1).. for highlights drawn
// afterwards. NASI = 1 waits for a key after every body cell; NASIH = 1 fills
// the outcome tables' cells with their marks. Both switches act for one call
// and are 0 afterwards (the count table and the value row reset only NASI).
// The header texts are left in F$(0)..; II and JJ are the cell counters.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// The 36 outcomes for the card with one potato, two juices and three blanks:
// a header row (B's spot) and column (A's spot) of "ポ", "ジ", "ジ", "×", "×",
// "×" under the corner "A＼B", and a 6 x 6 body 40 wide. Marks: a potato
// anywhere "ﾚ" (colour 9), both juice "ア" (3), both blank "イ" (7), one of
// each "ウ" (5). Drawn at width 3; leaves width 5.
void DrawOutcomeTable(Program& p);

// The same table for the changed card with three juices and two blanks.
void DrawOutcomeTableChanged(Program& p);

// The counts of ア, イ, ウ as the two pupils found them: X$(1..3) for
// "みずきさん", X$(4..6) for "けいたさん", in cells 60 wide under a 180-wide
// name column. Drawn at width 3; leaves width 5.
void DrawStudentCountTable(Program& p);

// The answers' opening: all 36 outcomes equally likely, "右の表から、", each
// on a new line 50 below the last from XI0, with its two key waits.
void SayThirtySixOutcomes(Program& p);

// "ア", "イ", "ウ" over one row of the values X$(1..3), cells 60 wide with
// borders of colour 1, starting 144 right of X(0); nothing is drawn left of
// that. Keeps the caller's line width.
void DrawChoiceValueRow(Program& p);

}  // namespace diceway
