#include "lessonlib/shell/number_entry.h"

#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/prompt_text.h"

namespace lesson {

namespace {

void CursorDot(Program& p, float colour) {
    p.rt.Circle({.cx = p.XX + 8, .cy = p.YY + 8, .radius = 4, .colour = colour});
}

// The field without its label: the typed characters and the dot.
void ClearField(Program& p) {
    p.rt.FilledBox(p.KAIX, p.KAIY - 8, p.KAIX + 192, p.KAIY - 8 + 30, 15, 15);
}

}  // namespace

void InputNumber(Program& p) {
    p.XX = p.KAIX;
    p.YY = p.KAIY;
    p.AINP_s = Text();
    p.CCC1 = 0;
    p.X = p.KAIX - 48;
    p.Y = p.KAIY;
    p.AA_s = "入力";
    DrawPromptText(p);
    p.rt.WaitBegins(WaitKind::Number);
    InputKeyLoop(p);
    p.rt.WaitEnds();
    p.rt.FilledBox(p.KAIX - 48, p.KAIY - 8, p.KAIX - 48 + 240, p.KAIY - 8 + 30, 15, 15);
}

void InputKeyLoop(Program& p) {
    const Text backspace = CharText(8), formFeed = CharText(12), enter = CharText(13);
    for (;;) {
        CursorDot(p, 5);
        p.I_s = p.rt.PollKey();
        if (p.I_s.Empty()) {
            CursorDot(p, 15);
            continue;
        }
        if (p.I_s == backspace || p.I_s == formFeed || CountChars(p.AINP_s) >= 10) {
            ClearField(p);
            p.AINP_s = Text();
            p.XX = p.KAIX;
            p.YY = p.KAIY;
            continue;
        }
        if (p.I_s == enter) {
            CursorDot(p, 15);
            return;
        }
        if (Text("-") <= p.I_s && p.I_s <= Text("9")) {
            CursorDot(p, 15);
            p.CCC1 = 5;
            p.A_s = p.I_s;
            p.X = p.XX;
            p.Y = p.YY;
            DrawPromptChars(p);
            p.XX = p.XT;
            p.AINP_s += p.I_s;
        }
        // Any other key is ignored.
    }
}

void ParseNumber(Program& p) {
    p.LEM = static_cast<float>(CountChars(p.AINP_s));
    p.N = static_cast<float>(FindChars(p.AINP_s, "/"));
    if (p.N == 0) {
        p.AINP = ValueOfText(p.AINP_s);
        return;
    }
    p.A_s = FirstChars(p.AINP_s, p.N - 1);
    p.B_s = LastChars(p.AINP_s, p.LEM - p.N);
    const float denominator = ValueOfText(p.B_s);
    // A zero denominator ("5/0", "5/", "/") is a typo, not a reason to end the
    // lesson on the error screen: the entry counts as 0.
    p.AINP = denominator == 0 ? 0.0f : Divide(ValueOfText(p.A_s), denominator);
}

}  // namespace lesson
