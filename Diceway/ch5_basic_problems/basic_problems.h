// Chapter 5: the worked answers of the three basic problems of page 170:
// a ball drawn from a bag, two-digit numbers from four cards, two chosen of
// three people.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Main-menu item 5: straight into the sub-menu (no aim) until its last item.
void BasicProblemsChapter(Program& p);

// The sub-menu: answers ①..③, ④終了 (back to the main menu).
void BasicProblemsMenu(Program& p);

// Answer 1: nine balls, two blue: 2/9. 3 keys.
void BallsAnswerScreen(Program& p);

// Answer 2: the twelve two-digit numbers from the cards 1 to 4 on the digit
// tree, five of them 32 or more: 5/12. 2 keys.
void TwoDigitCardsAnswerScreen(Program& p);

// Answer 3: the three pairs of A, B, C on their tree, two with A: 2/3.
// 5 keys (one inside the tree).
void ChooseTwoOfThreeAnswerScreen(Program& p);

}  // namespace diceway
