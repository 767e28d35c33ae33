// Chapter 3: tree diagrams. The two-coin experiment, the tree of two coins
// that explains it, and the tree of the orders of three lots.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Main-menu item 3: the aim, then the chapter's sub-menu until its last item.
void TreeDiagramChapter(Program& p);

// Clears the plane and shows the aim "<めあて>" with its sentence; no key wait.
void ShowTreeDiagramAim(Program& p);

// The sub-menu: ①P165Q ②樹形図 ③問3 ④終了 (back to the main menu).
void TreeDiagramMenu(Program& p);

// Item 1: who is likely to win with two coins; 2000 tosses with their tally.
// 31 keys.
void CoinGameScreen(Program& p);

// Item 2: the tree of two coins shows four equally likely cases. 15 keys.
void CoinTreeScreen(Program& p);

// Item 3: the tree of the six orders of three lots; every position wins with
// probability 1/3. 30 keys.
void LotteryTreeAnswerScreen(Program& p);

// The two-coin experiment's steps, used by CoinGameScreen.

// Tosses both coins: P1, P2 (1 heads, 2 tails), their face texts ZX1$, ZX2$
// and colours ZX1M, ZX2M (15), ZX1N, ZX2N (4 heads, 2 tails); counts the
// outcome in F(2..4), the tosses in F(1), and makes F$() from them.
void TossTwoCoins(Program& p);

// 80 frames of the two coins spinning up and down in the coin panel, one
// pause unit each; leaves the panel erased. Runs on JJ.
void AnimateCoinToss(Program& p);

// The two result coins until a key is pressed, then the panel erased.
void ShowTossResultKey(Program& p);

// The two result coins for SSS pause units, then the panel erased.
void ShowTossResultTimed(Program& p);

// The tally table: the labels 回数 表表 裏裏 表裏 (X$(1..4)) and the counts
// F$(1..4) from (X(35), Y(35) + 55). Leaves CCC2 = 4, CCC3 = 13. Runs on II.
void DrawTallyTable(Program& p);

// The count column again from (X(36), Y(36) + 55), filled with the CCC3 in
// force. Runs on II.
void DrawTallyCounts(Program& p);

}  // namespace diceway
