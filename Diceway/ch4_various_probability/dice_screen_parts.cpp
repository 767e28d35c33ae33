#include "Diceway/ch4_various_probability/dice_screen_parts.h"

#include <cstddef>

#include "Diceway/figures/dice_table.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

namespace {

void Parities(Program& p) {
    p.A = lesson::Remainder(p.JJ, 2);
    p.B = lesson::Remainder(p.II, 2);
}

}  // namespace

void BeginDiceScreen(Program& p) {
    ClearLessonArea(p);
    p.XI1 = 38;
    p.YI1 = 30;
    p.rt.SetLineWidth(5);
}

void DiceTableAt(Program& p, float x, float y) {
    p.X_a(0) = x;
    p.Y_a(0) = y;
    DrawDiceTable(p);
}

void SumFiveColours(Program& p) {
    Parities(p);
    p.CCC1 = p.JJ + p.II != 5 && p.A == p.B ? 3 : 0;
    p.CCC3 = p.JJ + p.II == 5 ? 13 : 15;
}

void SumBandColours(Program& p) {
    // By the sum's distance from 7: 7 itself, then 6 or 8, ... 2 or 12.
    static constexpr float kText[] = {13, 0, 13, 0, 13, 0};
    static constexpr float kFill[] = {8, 15, 4, 15, 2, 15};
    const float sum = p.JJ + p.II;
    const auto distance = static_cast<std::size_t>(sum < 7 ? 7 - sum : sum - 7);
    p.CCC1 = kText[distance];
    p.CCC3 = kFill[distance];
}

void BothOddColours(Program& p) {
    Parities(p);
    const bool bothOdd = p.A == 1 && p.B == 1;
    p.CCC1 = bothOdd ? 5 : p.A == p.B ? 3 : 0;
    p.CCC3 = bothOdd ? 13 : 15;
}

void RecolourDiceTable(Program& p, CellColourRule rule, bool waitAfterEachRow) {
    lesson::CountedLoop(p.JJ, 1, 6, [&] {
        lesson::CountedLoop(p.II, 1, 6, [&] {
            rule(p);
            RedrawDiceCell(p);
        });
        if (waitAfterEachRow) lesson::WaitAnyKey(p);
    });
}

}  // namespace diceway
