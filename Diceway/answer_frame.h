// The frame shared by the answer screens of the chapter problems A and B:
// the whole plane cleared, a header cell naming the textbook page, and the
// problem-number cells.
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Clears the whole plane, sets XI1 = 38, YI1 = 30 and draws the header cell
// `page` at (38, 30), 342 x 48 (text 3, border 1, fill 13); then XI2 = 380
// (its right edge), YI1 = 30.
void BeginAnswerScreen(Program& p, const lesson::Text& page);

// The problem-number cell `number`, 44 x 44 (text 13, border 4, fill 3), at
// (x, y); like a text, it leaves XI2 at its right edge and YI1 at its top.
void ProblemNumberCell(Program& p, float x, float y, const lesson::Text& number);

}  // namespace diceway
