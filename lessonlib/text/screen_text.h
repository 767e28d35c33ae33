// The lesson screens' way of writing a line of text.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Draws `text` as formula text at (x, y) in `colour`; afterwards XI2 holds
// the x where it ended and YI1 its y, so the next text can continue the line
// at XI2 or move down from YI1.
void Say(Program& p, float colour, float x, float y, const Text& text);

// Draws `text` as formula text at (x, y) in `colour` and leaves the text
// cursor (XI2, YI1) as it was: for labels placed beside a figure.
void Put(Program& p, float colour, float x, float y, const Text& text);

// A table heading: drawn like Put, then XI3 and YI3 hold the pen after it so
// that the next word of the heading can continue the line.
void PutHeading(Program& p, float colour, float x, float y, const Text& text);

// Clears the whole plane (0,0)-(1760,1800) in colour 15.
void ClearPlane(Program& p);

// Clears the lesson area (0,0)-(1600,1800) in colour 15.
void ClearLessonArea(Program& p);

}  // namespace lesson
