// The main-menu heading of both programs.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Draws "＜" + TITLE$ + "　メニュー＞" from (264, 30) in colour 15 with the
// formula drawing, the program's name with its ordinary glyphs (a name is
// not a formula: its "a", "x", "c" and "l" are plain letters). Leaves CCC1
// 15, X after the heading, Y 30, AA$ empty and what DrawFormula overwrites.
void DrawMenuHeading(Program& p);

}  // namespace lesson
