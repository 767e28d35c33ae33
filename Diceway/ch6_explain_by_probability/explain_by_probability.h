// Chapter 6: explaining which event is the more likely by its probability,
// on a scratch card with one potato, two juices and three blanks, and on lots
// drawn first or later.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Main-menu item 6: the aim, then the sub-menu until its last item.
void ExplainByProbabilityChapter(Program& p);

// The aim on a cleared screen; no key wait.
void ShowExplainByProbabilityAim(Program& p);

// "①P171Q　②図と表　③説明　④条件変え　⑤くじ　⑥問１　⑦終了".
void ExplainByProbabilityMenu(Program& p);

// The question beside the scratch card; three key waits.
void ScratchCardQuestionScreen(Program& p);

// The card (800,30)-(1100,430) with its six spots and legend, laid out on an
// invisible 6 x 8 grid of 50. Leaves the corners and spots in X(1..10),
// Y(1..10).
void DrawScratchCard(Program& p);

// The pupils' tree of kinds against the table of spots, and the full tree
// of 36 branches as six fans.
void TreeVersusTableScreen(Program& p);

// The counts, the marked table and the six fans, then the probabilities of
// the three events.
void MostLikelyExplanationScreen(Program& p);

// The card with three juices and two blanks: its table cell by cell, its
// counts and probabilities.
void ChangedConditionsScreen(Program& p);

// Whether drawing first or later matters: the question.
void LotOrderQuestionScreen(Program& p);

// Five lots, three winning, A draws then B: the 20 outcomes as three lot
// trees and both probabilities.
void LotOrderAnswerScreen(Program& p);

// A lot tree: column A from X(1) with the node X$(9) (and X$(10) unless it
// is empty), column B 70 to the right with the four (or eight) nodes X$(1..),
// header row at Y(0). Winning lots "1", "2", "3" in colour 5. Leaves line
// width 5, HABA 40, TATE 46, X(2), the B rows Y(1..8) and the A rows Y(11),
// Y(12).
void DrawLotTree(Program& p);

}  // namespace diceway
