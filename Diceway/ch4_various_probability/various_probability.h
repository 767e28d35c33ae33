// Chapter 4: various probabilities. Choosing two of four people, in order and
// as pairs, with their trees; then the table of two dice: the sum 5, the
// most likely sum, the sum not 5 by the complement, problems made from the
// table, and an even product by the complement.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Main-menu item 4: the aim, then the chapter's sub-menu until its last item.
void VariousProbabilityChapter(Program& p);

// Clears the plane and shows "<めあて>" with the three aims; waits for no key.
void ShowVariousProbabilityAim(Program& p);

// The sub-menu: ①P167Q ②P168Q1 ③Q2 ④Q3 ⑤Q4 ⑥問1 ⑦終了 (back to the main menu).
void VariousProbabilityMenu(Program& p);

// Item 1: C leader and D deputy (1/12) on the ordered-pair tree, then C and
// D both representatives (1/6) on the pair tree. 44 keys. Leaves line width
// 5, HABA 76, TATE 50.
void ChooseTwoOfFourScreen(Program& p);

// Item 2: the sum 5 on the dice table, its four cells filled. 10 keys.
void DiceSumFiveScreen(Program& p);

// Item 3: the most likely sum; the table coloured row by row in bands of
// equal sums. 9 keys.
void MostLikelySumScreen(Program& p);

// Item 4: the sum not 5, counted and then by the complement; the table is
// erased for the closing rule. 16 keys.
void SumNotFiveScreen(Program& p);

// Item 5: four problems made from the table and their answers; the table
// keeps its even-sum colouring. 9 keys.
void MakeDiceProblemsScreen(Program& p);

// Item 6: an even product by the complement of both odd; the nine both-odd
// cells filled. 10 keys.
void ProductEvenScreen(Program& p);

}  // namespace diceway
