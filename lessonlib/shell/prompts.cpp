#include "lessonlib/shell/prompts.h"

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/number_entry.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/prompt_text.h"

namespace lesson {

void PromptAtAnswer(Program& p) {
    p.CCC1 = 5;
    p.X = p.KAIX - (static_cast<float>(CountChars(p.AA_s)) + 5) * 16;
    p.Y = p.KAIY;
    DrawPromptText(p);
    InputNumber(p);
    ParseNumber(p);
}

void ClearPromptBandFrom(Program& p, float leftOffset) {
    const float left = p.KAIX - leftOffset, top = p.KAIY - 8;
    p.rt.FilledBox(left, top, left + 1056, top + 50, 15, 15);
}

void SubMenuPrompt(Program& p) {
    p.CCC1 = 0;
    p.X = 16;
    p.Y = 666;
    DrawPromptText(p);
    InputNumber(p);
    ParseNumber(p);
}

void ClearBottomStrip(Program& p) { p.rt.FilledBox(0, 657, 992, 720, 15, 15); }

void ShowMessageWaitKey(Program& p) {
    p.CCC0 = p.CCC1;
    p.DR = static_cast<float>(p.rt.LineWidth());
    p.rt.SetLineWidth(3);
    p.rt.FilledBox(16, 657, 16 + 480, 657 + 36, 13, 4);
    p.CCC1 = 9;
    p.X = 48;
    p.Y = 666;
    DrawPromptText(p);
    PollUntilKey(p);
    ClearBottomStrip(p);
    p.CCC1 = p.CCC0;
    p.rt.SetLineWidth(p.DR);
}

void NextStepPrompt(Program& p) {
    p.DR = static_cast<float>(p.rt.LineWidth());
    p.rt.SetLineWidth(2);
    p.rt.FilledBox(96, 639, 400, 675, 13, 12);
    p.CCC1 = 9;
    p.X = 128;
    p.Y = 648;
    p.AA_s = "次のステップは１を入力。";
    DrawPromptText(p);
    InputNumber(p);
    ParseNumber(p);
    p.rt.FilledBox(96, 639, 400, 675, 15, 15);
    p.rt.SetLineWidth(p.DR);
}

void RunSubMenu(Program& p, const Text& line, std::span<const ItemScreen> items,
                std::optional<float> ainpAfterChoice) {
    const float k = static_cast<float>(items.size()) + 1;
    for (;;) {
        p.AA_s = line;
        SubMenuPrompt(p);
        p.SENTAKU = p.AINP;
        if (ainpAfterChoice) p.AINP = *ainpAfterChoice;
        ClearBottomStrip(p);
        if (p.SENTAKU < 1 || p.SENTAKU > k) continue;
        const std::int32_t item = WholeNumber(p.SENTAKU);
        if (item == static_cast<std::int32_t>(k)) return;
        items[static_cast<std::size_t>(item - 1)](p);
    }
}

}  // namespace lesson
