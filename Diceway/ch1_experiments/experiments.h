// Chapter 1: probability from experiments. Three people draw in turn from
// three lots of which one wins, and one die is thrown a million times; both
// are simulated with the program's one random sequence.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Main-menu item 1: the aim, then the chapter's sub-menu until its last item.
void ExperimentChapter(Program& p);

// The aim "<めあて>" and its sentence on a cleared plane; waits for no key.
// Leaves XI1 = 44, YI1 = 305 and XI2 at the end of the sentence.
void ShowExperimentAim(Program& p);

// The sub-menu: ①P160 Q ②さいころの実験 ③終了 (back to the main menu).
void ExperimentMenu(Program& p);

// Item 1: 2000 lottery draws, the first ten one at a time on the lot
// picture, with the wins and relative frequencies of the three positions.
void LotteryOrderScreen(Program& p);

// One lottery draw: P1 = the winning position 1..3, F(P1) one higher, F(4)
// the number of draws, T(1..3) the positions' relative frequencies in whole
// thousandths.
void PickLotteryWinner(Program& p);

// Item 2: one die thrown 1,000,000 times in 50 batches, the counts shown
// after every batch, then the relative frequency of every face.
void DiceExperimentScreen(Program& p);

// One throw: P1 = the face 1..6, F(P1 + 1) one higher, F(1) = the throws so
// far / 10000.
void ThrowDie(Program& p);

}  // namespace diceway
