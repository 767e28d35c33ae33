// Tree diagrams of all the ways an experiment can turn out, laid out and
// labelled from the shared state, revealed node by node.
//
// Every node is a formula cell with border and fill 15, so only its label
// shows; branches are straight lines in colour 0 at the caller's line width.
// The caller places the columns first (LayoutTreeColumns or
// DrawTreeColumnHeaders), then draws the tree (DrawTreeDiagram) or one fan
// (DrawTreeFan). Scratch the routines overwrite: II, JJ, A, B, C, F, M, N,
// EDA, X, Y, A$, AA$, LLT and what the formula cell overwrites.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// HABA = width of the heading X$(1) + 40, TATE = 50; X(1) = X(0) and each
// further column HABA to the right, up to X(KOSUU); X(2) is set also when
// KOSUU is 1. Draws nothing.
void LayoutTreeColumns(Program& p);

// The column layout, then the headings X$(1..KOSUU) on the row Y(0) in
// colour 3. Leaves CCC1 = 3. No key wait.
void DrawTreeColumnHeaders(Program& p);

// KOSUU first-level nodes labelled Y$(1..KOSUU), EDA1 children under each,
// and with EDA2 > 0 a third level of EDA2 children under every second-level
// node, each parent centred on its children, leaf rows 50 apart from
// Y(0) + 50. A child is labelled by its position under its parent, or with
// HERU > 0 by rotation modulo HERU (the tree of orders, whose last item is
// chosen by PickUnusedLabel). Every cell is as wide as Y$(1) + 40. Waits for
// a key before anything is drawn and after every node. Leaves U(1..KOSUU) =
// the columns' right edges, V(k) the leaf rows, Y(i) the first-level rows,
// Y(10 + j) the second-level rows, EDA2 = 1 if it was 0, HERU = 0.
void DrawTreeDiagram(Program& p);

// M = the largest label index 1..KOSUU that is neither A nor F; M is left as
// it was when there is none. Runs on JJ.
void PickUnusedLabel(Program& p);

// One root Y$(BANME) at (X(1), Y(1)) with the children Y$(1..EDA1) in the
// column X(2), rows 47 apart from Y(0), the root centred on them. With
// HERU = 1 the root's item is first removed from Y$(1..EDA1 + 1) (the list
// is changed). With NASI = 1 waits after the root and after every child.
// Leaves X$(1) = the root's label, U(1), U(2), Y(1), Y(11..), HABA, TATE = 47,
// NASI = 0, HERU = 0.
void DrawTreeFan(Program& p);

}  // namespace diceway
