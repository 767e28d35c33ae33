#include "lessonlib/text/menu_heading.h"

#include "lessonlib/text/formula.h"
#include "lessonlib/text/formula_glyphs.h"

namespace lesson {

void DrawMenuHeading(Program& p) {
    p.CCC1 = 15;
    p.X = 264;
    p.Y = 30;
    p.AA_s = "＜";
    DrawFormula(p);
    p.A_s = p.TITLE_s;
    DrawNameGlyphs(p);
    p.AA_s = "　メニュー＞";
    DrawFormula(p);
}

}  // namespace lesson
