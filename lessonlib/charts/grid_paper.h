// Square grid paper for figures.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// YOKO x TATE squares of side SIZE hung from (GGX, GGY): sets GX1 = GX0 =
// GGX, GY1 = GGY, GX2 = GX1 + SIZE * YOKO, GY2 = GY0 = GY1 + SIZE * TATE
// (the origin is the bottom-left corner) and PI = 3.14159. With CCC2 = 15
// nothing is drawn; otherwise CCC3 = 14 and every line is drawn, vertical
// ones first, every fifth counted from the left and from the bottom 3 wide
// in CCC3 and the others 1 wide in CCC2. The line width comes back as it
// was; II is overwritten.
void DrawGridPaper(Program& p);

}  // namespace lesson
