#include "lessonlib/charts/histogram_classes.h"

#include "lessonlib/charts/number_label.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

void CountHistogramClasses(Program& p) {
    p.XKOSU = Divide(p.XMAX - p.YOKO1X, p.XTANI) + 1;
    p.YKOSU = Divide(p.YMAX - p.TATE1Y, p.YTANI) + 1;
    CountedLoop(p.II, 0, p.XKOSU, [&] { p.Y_a(p.II) = 0; });
    CountedLoop(p.JJ, 1, p.DOSU, [&] {
        CountedLoop(p.II, 1, p.XKOSU, [&] {
            const float value = p.T_a(p.JJ);
            if (p.YOKO1X + (p.II - 1) * p.XTANI <= value && value < p.YOKO1X + p.II * p.XTANI)
                p.Y_a(p.II) = p.Y_a(p.II) + 1;
        });
    });
    CountedLoop(p.II, 1, p.XKOSU - 1,
                [&] { p.X_sa(p.II) = NumberLabel(p, p.YOKO1X + (p.II - 1) * p.XTANI); });
    CountedLoop(p.II, 1, p.YKOSU,
                [&] { p.Y_sa(p.II) = NumberLabel(p, p.TATE1Y + (p.II - 1) * p.YTANI); });
    p.TATE = p.YKOSU;
    p.YOKO = p.XKOSU;
    p.TANIX = p.XTANI;
}

}  // namespace lesson
