#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>

#include "Diceway/ch1_experiments/experiments.h"
#include "Diceway/diceway.h"
#include "lessonlib/shell/errors.h"
#include "platform/window_runtime.h"
#include "tests/support/own_display.h"

namespace {

void PushText(platform::WindowRuntime& rt, const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = SDL_GetWindowID(rt.Window());
    std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
    SDL_PushEvent(&e);
}

float Thrown(diceway::Program& p) {
    float sum = 0;
    for (int k = 2; k <= 7; ++k) sum += p.F_a(k);
    return sum;
}

}  // namespace

// The million throws read no key, yet the window shows every batch and
// closing it ends the experiment.
TEST(DiceWindow, ClosingDuringTheExperimentEndsIt) {
    testing_support::OwnDisplay display;  // outlives the window
    if (display.Missing()) GTEST_SKIP() << display.Failure();
    ASSERT_TRUE(display.Started()) << display.Failure();
    platform::WindowRuntime rt("Diceway test");
    rt.SetUpWindow();
    diceway::Program p(rt);
    diceway::SetInitialState(p);
    PushText(rt, "a");  // the question's step
    PushText(rt, "b");  // the empty table's step
    bool closing = false;
    float shownBeforeClose = 0;
    rt.onPresent = [&] {
        // The first batch's counts have been presented: close the window.
        if (!closing && Thrown(p) >= 20000) {
            closing = true;
            shownBeforeClose = Thrown(p);
            SDL_Event e{};
            e.type = SDL_QUIT;
            SDL_PushEvent(&e);
        }
    };
    EXPECT_THROW(diceway::DiceExperimentScreen(p), lesson::WindowClosed);
    EXPECT_TRUE(closing);
    EXPECT_GE(shownBeforeClose, 20000);
    EXPECT_LT(p.KKK, 50);
    EXPECT_LT(Thrown(p), 1000000);
}
