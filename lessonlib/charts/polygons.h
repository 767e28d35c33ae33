// Polygons with labelled vertices.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// The closed outline through the vertices (G(i,1), G(i,2)), i = 1..KAKU, at
// line width SIZE1 (made whole) in CCC2; then, unless AAA$ is empty, a label
// at every vertex NAGASA from it: AAA$ = "1" takes X$(i), any other text the
// characters from its first one on (A, B, C, ...). Leaves AAA$ = "" and the
// line width as it was; overwrites II, KJ1 and NAGASA1, and with labels
// KJ2, KJ3, TII, Z0, Z1, Z2, ITI, NAGASA (0) and AngleLabel's scratch.
void DrawPolygon(Program& p);

// Labels vertex i with the character whose code is that of AAA$'s first
// character plus i - 1, by AngleLabel on the corner between the rays to the
// next vertex and the one after, exchanged (ITI = -1), NAGASA1 from it.
void LabelPolygonVertices(Program& p);

// The same with the labels X$(1..KAKU); the counter is TII.
void LabelPolygonFromList(Program& p);

}  // namespace lesson
