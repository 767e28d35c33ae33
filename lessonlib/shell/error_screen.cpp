#include "lessonlib/shell/error_screen.h"

#include "lessonlib/shell/numbers.h"

namespace lesson {

void ErrorTrap(Program& p, const RuntimeError& error) {
    p.rt.ClearWindow();
    p.A = static_cast<float>(error.statement);
    p.A_s = NumberToText(p.A);
    p.B = static_cast<float>(static_cast<int>(error.code));
    p.B_s = NumberToText(p.B);
    // No font is selected: the message uses whatever was last in force.
    p.rt.DrawText(288, 432, 1, 1, 13,
                  p.A_s + "," + p.B_s + "エラーが発生しました。マウスで×をクリックして下さい。");
    p.rt.IdleUntilClosed();
}

}  // namespace lesson
