// A node of a fixed tree figure, and a highlight of it: one formula cell.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// The cell HABA x TATE with its top-left at (x, y) and `label` centred in
// it: text colour `text`, border `border`, fill `fill` (left in CCC1..CCC3).
// The pen ends at the cell's right edge.
void DrawNodeCell(Program& p, float x, float y, const lesson::Text& label, float text, float border, float fill);

}  // namespace diceway
