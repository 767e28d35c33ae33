// Counting the working data set into histogram classes.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Counts T(1..DOSU) into XKOSU = (XMAX - YOKO1X) / XTANI + 1 classes of
// width XTANI from YOKO1X, each closed on the left and open on the right:
// Y(k) = the count of class k, Y(0) = 0. Labels the class bounds
// X$(1..XKOSU - 1) and the YKOSU = (YMAX - TATE1Y) / YTANI + 1 frequency
// steps Y$(1..YKOSU) (blank-free decimal texts), and sets YOKO = XKOSU,
// TATE = YKOSU, TANIX = XTANI, none of them rounded. Overwrites II, JJ, A$
// and the blank-stripping scratch; T() and DOSU are left as they were.
void CountHistogramClasses(Program& p);

}  // namespace lesson
