// Chapter 2: a probability found by counting equally likely cases.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Main-menu item 2: the aim, then the chapter's sub-menu until its last item.
void CountingChapter(Program& p);

// Clears the plane and shows the aim "<めあて>" with its sentence; no key wait.
void ShowCountingAim(Program& p);

// The sub-menu: ①P162Q ②確率の求め方 ③例１ ④問１ ⑤終了 (back to the main menu).
void CountingMenu(Program& p);

// Item 1: one die, its six equally likely cases and 1/6 with its decimal;
// then a die that is not a cube. 9 keys.
void EquallyLikelyScreen(Program& p);

// The die that is not a cube, its frame's top-left at (U(1), V(1)): three
// faces filled 13, 11, 15, three hidden edges dotted from the back corner,
// and the pips of three faces. Overwrites X(1..16), Y(1..16); leaves
// CCC2 = 0, HABA = 8, HOUKOU = 1, TAKASA = 0.
void DrawIrregularDie(Program& p);

// Item 2: the definition p = a/n and the odd number on one die. 9 keys.
void ProbabilityDefinitionScreen(Program& p);

// Item 3: ten numbered cards and the multiples of 3. 5 keys.
void CardsExampleScreen(Program& p);

// Item 4: the answers on a pack of playing cards; probability 0, 1 and its
// range. 7 keys.
void PlayingCardsAnswerScreen(Program& p);

}  // namespace diceway
