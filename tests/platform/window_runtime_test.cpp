#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include "lessonlib/shell/errors.h"
#include "platform/canvas.h"
#include "platform/headless_runtime.h"
#include "platform/window_runtime.h"
#include "tests/support/own_display.h"

namespace {

using Clock = std::chrono::steady_clock;
using platform::WindowRuntime;

// How long a test waits for what the window does at once: ample on a
// machine whose every core is busy, yet a fault fails the test, not hangs it.
constexpr double kPatienceMs = 20000;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (display.Missing()) GTEST_SKIP() << display.Failure();
        ASSERT_TRUE(display.Started()) << display.Failure();
        rt = std::make_unique<WindowRuntime>("window test");
        rt->SetUpWindow();
    }

    void PushText(const char* utf8) {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        e.text.windowID = SDL_GetWindowID(rt->Window());
        std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
        SDL_PushEvent(&e);
    }

    void PushKey(SDL_Keycode key, bool repeat) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.windowID = SDL_GetWindowID(rt->Window());
        e.key.state = SDL_PRESSED;
        e.key.repeat = repeat;
        e.key.keysym.sym = key;
        SDL_PushEvent(&e);
    }

    static void PushQuit() {
        SDL_Event e{};
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
    }

    // Declared before the window, so the window closes before its server ends.
    testing_support::OwnDisplay display;
    std::unique_ptr<WindowRuntime> rt;
};

// A screen with something of everything the programs draw.
void DrawSample(lesson::Runtime& rt) {
    rt.ClearWindow();
    rt.SetLineWidth(3);
    rt.FilledBox(22, 10, 1342, 610, 15, 10);
    rt.SetFontBold(true);
    rt.DrawText(100, 40, 2, 3, 15, "＜Tallyview　メニュー＞");
    rt.DrawText(100, 120, 2, 3, 13, "１．箱ひげ図 (57+58)/2");
    rt.SetFontName("Times New Roman");
    rt.SetFontSize(8);
    rt.SetFontItalic(true);
    rt.DrawText(700, 120, 10, 7, 13, "x");
    rt.SetLineWidth(5);
    rt.Circle({300, 400, 120, 3, 1, 0.1f, 0.6f, true, true, 11});
    rt.Circle({700, 400, 100, 14, 0.5f});
    const lesson::Point points[] = {{900, 300}, {1000, 500}, {1100, 320.5f}, {1300, 480}};
    rt.Polyline(points, 2);
    rt.Polygon(std::span(points).first(3), 0, 12);
    rt.FilledBox(96, 657, 400, 693, 13, 4);
    rt.Line(1000, 650, 1400, 700, 5);
}

// Expects the window to show the picture the headless runtime's canvas
// renders of `draw`, allowing a pixel in a thousand to differ by more than a
// step in some channel.
void ExpectShows(WindowRuntime& rt, void (*draw)(lesson::Runtime&)) {
    platform::HeadlessRuntime headless;
    draw(headless);
    platform::Canvas canvas(rt.PixelWidth(), rt.PixelHeight(), rt.Scale());
    for (const lesson::DrawOp& op : headless.Ops()) canvas.Draw(op);
    const auto screen = rt.ReadScreen();
    ASSERT_EQ(screen.size(), std::size_t(canvas.Width()) * canvas.Height());
    std::size_t differences = 0;
    for (std::size_t i = 0; i < screen.size(); ++i) {
        const std::size_t x = i % canvas.Width(), y = i / canvas.Width();
        std::uint32_t expected;
        std::memcpy(&expected, canvas.Pixels() + y * canvas.Stride() + x * 4, 4);
        for (int shift : {0, 8, 16}) {
            if (std::abs(int(screen[i] >> shift & 0xff) - int(expected >> shift & 0xff)) > 2) {
                ++differences;
                break;
            }
        }
    }
    EXPECT_LE(differences, screen.size() / 1000);
}

TEST_F(WindowTest, ShowsWhatTheHeadlessCanvasDrawsAlsoAfterAResize) {
    DrawSample(*rt);
    ExpectShows(*rt, DrawSample);
    // The number entry's cursor, drawn and erased on every poll, is not
    // kept in the log the window redraws from.
    const std::size_t logged = rt->LoggedOps();
    for (int i = 0; i < 100; ++i) rt->Circle({1064, 656, 4, 5}), rt->Circle({1064, 656, 4, 15});
    EXPECT_LE(rt->LoggedOps(), logged + 1);

    SDL_SetWindowSize(rt->Window(), 1000, 640);
    const auto start = Clock::now();
    while (rt->PixelWidth() != 1000 && MsSince(start) < kPatienceMs) rt->Pause(1);
    ASSERT_EQ(rt->PixelWidth(), 1000);
    ExpectShows(*rt, DrawSample);
}

TEST_F(WindowTest, KeysArriveAsTheirCharactersAndCodes) {
    PushText("a");
    PushText("国x");
    const SDL_Keycode keys[] = {SDLK_LSHIFT, SDLK_RETURN, SDLK_RETURN, SDLK_KP_ENTER, SDLK_BACKSPACE, SDLK_DELETE,
                                SDLK_ESCAPE, SDLK_TAB,    SDLK_RIGHT,  SDLK_LEFT,     SDLK_UP,        SDLK_DOWN,
                                SDLK_F1};
    for (std::size_t i = 0; i < std::size(keys); ++i) PushKey(keys[i], i % 2 == 1);  // held keys repeat
    std::u32string typed;
    for (int i = 0; i < 20; ++i) typed += rt->PollKey().Chars();
    EXPECT_EQ(typed, std::u32string(U"a国x\r\r\r\b\f\x1b\t\x1c\x1d\x1e\x1f") + U'\0');
}

TEST_F(WindowTest, EveryKeyButAModifierIsAKey) {
    // A key with a character comes once, as its text; keys without one
    // come as the key without a character; modifiers alone give nothing.
    PushKey(SDLK_5, false);
    PushText("5");
    for (SDL_Keycode key : {SDLK_LCTRL, SDLK_RALT, SDLK_CAPSLOCK, SDLK_PAGEDOWN, SDLK_PAGEUP, SDLK_HOME,
                            SDLK_END, SDLK_INSERT, SDLK_F5, SDLK_F12, SDLK_APPLICATION, SDLK_PRINTSCREEN,
                            SDLK_PAUSE, SDLK_KP_5, SDLK_LGUI})
        PushKey(key, false);
    PushKey(SDLK_KP_5, false);
    PushText("5");
    std::u32string typed;
    for (int i = 0; i < 20; ++i) typed += rt->PollKey().Chars();
    EXPECT_EQ(typed, U"5" + std::u32string(11, U'\0') + U"5");
}

// The number entry's loop while it waits: the cursor dot drawn, a poll, the
// dot erased. Tells at each present whether the picture holds the dot.
class NumberEntryLoop {
public:
    explicit NumberEntryLoop(WindowRuntime& rt) : rt_(rt) {
        rt_.onPresent = [this] {
            ++presents;
            if (dotShown_ == dotDrawn_) ++repeats;
            if (!dotDrawn_) ++withoutDot;
            dotShown_ = dotDrawn_;
        };
        rt_.WaitBegins(lesson::WaitKind::Number);
    }
    ~NumberEntryLoop() {
        rt_.WaitEnds();
        rt_.onPresent = nullptr;
    }

    void Poll() {
        rt_.Circle({1064, 656, 4, 5});
        dotDrawn_ = true;
        EXPECT_EQ(rt_.PollKey(), lesson::Text());
        rt_.Circle({1064, 656, 4, 15});
        dotDrawn_ = false;
    }

    int presents = 0;
    int repeats = 0;     // presents of the picture already on the screen
    int withoutDot = 0;  // presents of the picture with the dot erased

private:
    WindowRuntime& rt_;
    bool dotDrawn_ = false;
    std::optional<bool> dotShown_;
};

TEST_F(WindowTest, PollingPresentsOnlyChangedPictures) {
    // However the frames fall, a present shows a picture other than the one
    // on the screen; only an exposure presents the same picture again.
    rt->Pause(5);  // the set-up's frames
    NumberEntryLoop loop(*rt);
    for (int i = 0; i < 50; ++i) loop.Poll();
    EXPECT_LE(loop.repeats, 10);  // only exposures, never the same picture again
}

TEST_F(WindowTest, AWaitingProgramIsPresentedWholeAtItsPolls) {
    // However late the program comes back to draw the dot again, the frame
    // that falls due meanwhile does not show the dot missing.
    NumberEntryLoop loop(*rt);
    for (int i = 0; i < 5; ++i) {
        loop.Poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(40));  // more than two frames
    }
    EXPECT_GE(loop.presents, 1);  // the dot
    EXPECT_EQ(loop.withoutDot, 0);
}

TEST_F(WindowTest, DrawingReachesTheScreenDuringALongComputation) {
    Clock::time_point presented{};
    rt->onPresent = [&] {
        if (presented == Clock::time_point{}) presented = Clock::now();
    };
    rt->Pause(2);
    rt->Box(100, 100, 300, 300, 0);
    // Computing, drawing nothing more: the box is shown while it goes on.
    const auto start = Clock::now();
    while (presented == Clock::time_point{} && MsSince(start) < kPatienceMs) rt->Rnd();
    EXPECT_NE(presented, Clock::time_point{});
}

TEST_F(WindowTest, APauseTellsItsLengthOnceWhatWasDrawnBeforeItIsPresented) {
    rt->Pause(1);  // the set-up's frames
    std::vector<double> events;  // a pause's seconds, -1 for a frame
    rt->onPresent = [&] { events.push_back(-1); };
    rt->onPause = [&](double seconds) { events.push_back(seconds); };
    rt->Box(100, 100, 300, 300, 0);
    rt->Pause(1);
    rt->Pause(2.5f);  // nothing new to present
    rt->Pause(0);     // no pause at all
    rt->Pause(-1);
    EXPECT_EQ(events, (std::vector<double>{-1, lesson::kPauseUnitSeconds, 2.5 * lesson::kPauseUnitSeconds}));
}

// Closing the window ends whatever the program is doing.
TEST_F(WindowTest, ClosingEndsALongComputationAndTheErrorScreen) {
    PushQuit();
    const auto start = Clock::now();
    EXPECT_THROW(
        while (MsSince(start) < kPatienceMs) rt->Rnd(), lesson::WindowClosed);
    PushText("a");  // keys change nothing on the error screen
    PushQuit();
    EXPECT_THROW(rt->IdleUntilClosed(), lesson::WindowClosed);
}

TEST_F(WindowTest, ClosingEndsAPause) {
    PushQuit();
    const auto start = Clock::now();
    const float units = float(2 * kPatienceMs / 1000 / lesson::kPauseUnitSeconds);  // twice the patience
    EXPECT_THROW(rt->Pause(units), lesson::WindowClosed);
    EXPECT_LT(MsSince(start), kPatienceMs);  // ended, not waited out
}

TEST_F(WindowTest, ClosingEndsKeyPolling) {
    PushQuit();
    const auto start = Clock::now();
    EXPECT_THROW(
        while (MsSince(start) < kPatienceMs) rt->PollKey(), lesson::WindowClosed);
}

}  // namespace
