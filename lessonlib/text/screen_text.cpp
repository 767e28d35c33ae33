#include "lessonlib/text/screen_text.h"

#include "lessonlib/text/formula.h"

namespace lesson {

void Say(Program& p, float colour, float x, float y, const Text& text) {
    Put(p, colour, x, y, text);
    p.XI2 = p.X;
    p.YI1 = p.Y;
}

void Put(Program& p, float colour, float x, float y, const Text& text) {
    p.CCC1 = colour;
    p.X = x;
    p.Y = y;
    p.AA_s = text;
    lesson::DrawFormula(p);
}

void PutHeading(Program& p, float colour, float x, float y, const Text& text) {
    Put(p, colour, x, y, text);
    p.XI3 = p.X;
    p.YI3 = p.Y;
}

void ClearPlane(Program& p) { p.rt.FilledBox(0, 0, 1760, 1800, 15, 15); }

void ClearLessonArea(Program& p) { p.rt.FilledBox(0, 0, 1600, 1800, 15, 15); }

}  // namespace lesson
