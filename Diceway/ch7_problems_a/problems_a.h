// Chapter 7: the worked answers of the chapter problems A (textbook P174).
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Main-menu item 7: straight into the sub-menu (no aim screen).
void ProbabilityProblemsA(Program& p);

// "P174 章の問題A ①1,2,3　②4　③5,6　④終了".
void ProbabilityProblemsAMenu(Program& p);

// Problems 1 to 3, text only; three key waits.
void ProblemsA123Screen(Program& p);

// Problem 4: the pairs of a boy and a girl as a tree; two key waits.
void ProblemsA4Screen(Program& p);

// Problems 5 and 6: the orders of three balls as a tree; two key waits.
void ProblemsA56Screen(Program& p);

// The pairs: "男子" X$(9), X$(10) from (X(1), Y(0)), each with the "女子"
// X$(1..3) or X$(5..7) 110 to the right. Cells 80 x 46, rows 50 apart,
// rows 4 and 8 left empty. Leaves line width 5, X(2), Y(1..8), Y(11),
// Y(12).
void DrawBoyGirlPairTree(Program& p);

// The six orders of a red, a white and a blue ball in three columns 150
// apart from (X(1), Y(0)); the four branches that join red and white are
// colour 5. Leaves line width 5, X(2), X(3), Y(1..6), Y(11..13), the
// third column's labels in X$(1..6) and CCC4 = 5.
void DrawBallOrderTree(Program& p);

}  // namespace diceway
