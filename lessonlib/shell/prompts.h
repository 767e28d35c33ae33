// The prompts around the number-entry field, the sub-menu protocol, and the
// routines that erase what they drew.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Shows AA$ (may be empty) ending five cells left of the answer field, then
// reads a number: AINP$, AINP.
void PromptAtAnswer(Program& p);

// Erases the prompt band: from (KAIX - leftOffset, KAIY - 8), 1056 x 50.
// Each program's ClearPromptBand passes its own left edge.
void ClearPromptBandFrom(Program& p, float leftOffset);

// Shows the sub-menu line AA$ in the bottom strip at (16, 666) and reads the
// choice: AINP$, AINP. The line stays; ClearBottomStrip erases it.
void SubMenuPrompt(Program& p);

// Erases the bottom strip (0,657)-(992,720).
void ClearBottomStrip(Program& p);

// A message AA$ in a box at the bottom, then a wait for any key (I$).
void ShowMessageWaitKey(Program& p);

// A boxed request to type 1 for the next step, read as AINP$, AINP.
void NextStepPrompt(Program& p);

// One item screen of a sub-menu; it returns to the sub-menu when done.
using ItemScreen = std::function<void(Program&)>;

// The sub-menu protocol of every chapter: shows `line`, reads the choice into
// SENTAKU, erases the strip, shows the line again while the choice lies
// outside 1..k (k = items + 1), and runs the chosen item screen, made whole by
// the system's rule. Returns when item k, back to the main menu, is chosen.
// A chapter whose protocol sets AINP to a value after copying it into SENTAKU
// passes that value as `ainpAfterChoice`.
void RunSubMenu(Program& p, const Text& line, std::span<const ItemScreen> items,
                std::optional<float> ainpAfterChoice = std::nullopt);

// The same protocol over a program's own context P, whose item screens take
// that context.
template <class P>
void RunSubMenu(P& p, const Text& line, const std::vector<void (*)(P&)>& items,
                std::optional<float> ainpAfterChoice = std::nullopt) {
    std::vector<ItemScreen> screens;
    screens.reserve(items.size());
    for (void (*screen)(P&) : items) screens.push_back([&p, screen](Program&) { screen(p); });
    RunSubMenu(static_cast<Program&>(p), line, std::span<const ItemScreen>(screens), ainpAfterChoice);
}

}  // namespace lesson
