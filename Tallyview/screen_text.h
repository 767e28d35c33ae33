// The lesson screens' way of writing a line of text.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace tallyview {

// Draws `text` as formula text at (x, y) in `colour`; afterwards XI2 holds
// the x where it ended and YI1 its y, so the next text can continue the line
// at XI2 or move down from YI1.
void Say(lesson::Program& p, float colour, float x, float y, const lesson::Text& text);

// Draws `text` as formula text at (x, y) in `colour` and leaves the text
// cursor (XI2, YI1) as it was: for labels placed beside a figure.
void Put(lesson::Program& p, float colour, float x, float y, const lesson::Text& text);

// A table heading: drawn like Put, then XI3 and YI3 hold the pen after it so
// that the next word of the heading can continue the line.
void PutHeading(lesson::Program& p, float colour, float x, float y, const lesson::Text& text);

// Clears the whole plane (0,0)-(1760,1800) in colour 15.
void ClearPlane(lesson::Program& p);

// Clears the lesson area (0,0)-(1600,1800) in colour 15.
void ClearLessonArea(lesson::Program& p);

}  // namespace tallyview
