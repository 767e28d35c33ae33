#include "lessonlib/text/parallel_marks.h"

#include <cmath>

#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

void DrawParallelMarks(Program& p) {
    p.CX = p.BX - p.AX;
    p.CY = p.BY - p.AY;
    p.D = std::sqrt(p.CX * p.CX + p.CY * p.CY);
    p.DX = Divide(p.CX, p.D);
    p.DY = Divide(p.CY, p.D);
    p.BX1 = p.AX + Divide(p.CX * p.A, p.A + p.B);
    p.BY1 = p.AY + Divide(p.CY * p.A, p.A + p.B);
    p.EX = p.BX1 - p.NAGASA * p.DX;
    p.EY = p.BY1 - p.NAGASA * p.DY;
    const float half = p.NAGASA / 2;
    p.AX1 = p.EX - half * p.DY;
    p.AY1 = p.EY + half * p.DX;
    p.AX2 = p.EX + half * p.DY;
    p.AY2 = p.EY - half * p.DX;
    if (p.HONSU <= 0 || p.HONSU > 6) p.HONSU = 1;
    CountedLoop(p.II, 1, p.HONSU, [&] {
        const float stepX = 16 * p.DX;
        const float stepY = 16 * p.DY;
        p.BX1 += stepX;
        p.BY1 += stepY;
        p.AX1 += stepX;
        p.AY1 += stepY;
        p.AX2 += stepX;
        p.AY2 += stepY;
        p.rt.Line(p.AX1, p.AY1, p.BX1, p.BY1, p.CCC2);
        p.rt.Line(p.AX2, p.AY2, p.BX1, p.BY1, p.CCC2);
    });
}

}  // namespace lesson
