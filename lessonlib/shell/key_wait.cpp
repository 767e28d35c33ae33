#include "lessonlib/shell/key_wait.h"

#include "lessonlib/text/prompt_text.h"

namespace lesson {

void WaitAnyKey(Program& p) {
    p.CCC0 = p.CCC1;
    p.DR = static_cast<float>(p.rt.LineWidth());
    p.rt.SetLineWidth(3);
    p.rt.FilledBox(96, 657, 400, 693, 13, 4);
    p.CCC1 = 9;
    p.X = 128;
    p.Y = 666;
    p.AA_s = "何かキーを押して下さい。";
    DrawPromptText(p);
    PollUntilKey(p);
    p.rt.FilledBox(0, 657, 400, 693, 15, 15);
    p.CCC1 = p.CCC0;
    p.rt.SetLineWidth(p.DR);
}

void PollUntilKey(Program& p) {
    p.rt.WaitBegins(WaitKind::AnyKey);
    do {
        p.I_s = p.rt.PollKey();
    } while (p.I_s.Empty());
    p.rt.WaitEnds();
}

void ClearWorkArea(Program& p) { p.rt.FilledBox(0, 54, 1440, 900, 15, 15); }

void ClearAnswerBand(Program& p) {
    p.X = p.KAIX + 80;
    p.Y = p.KAIY - 72;
    p.rt.FilledBox(p.X, p.Y, p.X + 1440, p.Y + 90, 15, 15);
}

void FlushKeys(Program& p) {
    do {
        p.I_s = p.rt.PollKey();
    } while (!p.I_s.Empty());
}

}  // namespace lesson
