#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "lessonlib/shell/errors.h"
#include "platform/canvas.h"
#include "platform/headless_runtime.h"
#include "platform/window_runtime.h"

namespace {

using Clock = std::chrono::steady_clock;
using lesson::Text;
using platform::WindowRuntime;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }
double MsSince(Clock::time_point start) { return Ms(Clock::now() - start); }

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
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

    void PushKey(SDL_Keycode key, bool repeat = false) {
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

    std::unique_ptr<WindowRuntime> rt;
};

// A screen with something of everything the programs draw.
void DrawSample(lesson::Runtime& rt) {
    rt.ClearWindow();
    rt.SetLineWidth(3);
    rt.FilledBox(22, 10, 1342, 610, 15, 10);
    rt.SetFontName("ｺﾞｼｯｸ");
    rt.SetFontSize(16);
    rt.SetFontBold(true);
    rt.DrawText(100, 40, 2, 3, 15, "＜Tallyview　メニュー＞");
    rt.DrawText(100, 120, 2, 3, 13, "１．箱ひげ図 (57+58)/2");
    rt.SetFontName("Times New Roman");
    rt.SetFontSize(8);
    rt.SetFontItalic(true);
    rt.DrawText(700, 120, 10, 7, 13, "x");
    rt.SetFontItalic(false);
    rt.SetLineWidth(5);
    rt.Circle({300, 400, 120, 3, 1, 0.1f, 0.6f, true, true, 11});
    rt.Circle({700, 400, 100, 14, 0.5f});
    const lesson::Point points[] = {{900, 300}, {1000, 500}, {1100, 320.5f}, {1300, 480}};
    rt.Polyline(points, 2);
    rt.Polygon(std::span(points).first(3), 0, 12);
    rt.SetLineWidth(3);
    rt.FilledBox(96, 657, 400, 693, 13, 4);
    rt.SetFontName("ｺﾞｼｯｸ");
    rt.SetFontSize(16);
    rt.SetFontBold(false);
    rt.DrawText(128, 666, 1, 1, 9, "何かキーを押して下さい。");
    rt.Line(1000, 650, 1400, 700, 5);
}

// The same drawing rendered by the headless runtime's canvas at a size.
std::vector<std::uint32_t> HeadlessPicture(int width, int height, double scale,
                                           const std::function<void(lesson::Runtime&)>& draw) {
    platform::HeadlessRuntime headless;
    draw(headless);
    platform::Canvas canvas(width, height, scale);
    for (const lesson::DrawOp& op : headless.Ops()) canvas.Draw(op);
    std::vector<std::uint32_t> pixels(std::size_t(width) * height);
    for (int y = 0; y < height; ++y)
        std::memcpy(&pixels[std::size_t(y) * width], canvas.Pixels() + y * canvas.Stride(), width * 4);
    return pixels;
}

// Pixels whose colours differ by more than a step in some channel.
std::size_t Differences(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        for (int shift : {0, 8, 16}) {
            const int p = (a[i] >> shift) & 0xff, q = (b[i] >> shift) & 0xff;
            if (std::abs(p - q) > 2) {
                ++count;
                break;
            }
        }
    }
    return count;
}

TEST_F(WindowTest, ShowsWhatTheHeadlessCanvasDraws) {
    DrawSample(*rt);
    const auto screen = rt->ReadScreen();
    const auto expected =
        HeadlessPicture(rt->PixelWidth(), rt->PixelHeight(), rt->Scale(), DrawSample);
    ASSERT_EQ(screen.size(), expected.size());
    EXPECT_LE(Differences(screen, expected), screen.size() / 1000);
}

TEST_F(WindowTest, RedrawsFromItsLogAfterAResize) {
    DrawSample(*rt);
    rt->Line(10, 10, 1430, 710, 3);
    SDL_SetWindowSize(rt->Window(), 1000, 640);
    const auto start = Clock::now();
    while (rt->PixelWidth() != 1000 && MsSince(start) < 3000) rt->Pause(1);
    ASSERT_EQ(rt->PixelWidth(), 1000);
    ASSERT_EQ(rt->PixelHeight(), 640);
    const auto screen = rt->ReadScreen();
    const auto expected = HeadlessPicture(1000, 640, 1000.0 / 1440, [](lesson::Runtime& r) {
        DrawSample(r);
        r.Line(10, 10, 1430, 710, 3);
    });
    EXPECT_LE(Differences(screen, expected), screen.size() / 1000);
}

TEST_F(WindowTest, LogKeepsOnlyWhatCanStillBeSeen) {
    DrawSample(*rt);
    rt->DrawText(0, 1800, 1, 1, 0, "測る");  // the measuring row
    const std::size_t drawn = rt->LoggedOps();
    // The number entry's cursor: a dot drawn and erased on every poll.
    for (int i = 0; i < 500; ++i) {
        rt->Circle({1064, 656, 4, 5});
        rt->Circle({1064, 656, 4, 15});
    }
    EXPECT_LE(rt->LoggedOps(), drawn + 1);
    rt->FilledBox(0, 0, 1760, 1800, 15, 15);
    EXPECT_EQ(rt->LoggedOps(), 1u);
}

TEST_F(WindowTest, KeysArriveAsTheirCharactersAndCodes) {
    PushText("a");
    PushText("国x");
    PushKey(SDLK_LSHIFT);
    PushKey(SDLK_RETURN);
    PushKey(SDLK_RETURN, true);
    PushKey(SDLK_KP_ENTER);
    PushKey(SDLK_BACKSPACE);
    PushKey(SDLK_DELETE);
    PushKey(SDLK_ESCAPE);
    PushKey(SDLK_TAB);
    PushKey(SDLK_RIGHT);
    PushKey(SDLK_LEFT);
    PushKey(SDLK_UP);
    PushKey(SDLK_DOWN);
    PushKey(SDLK_F1);
    std::u32string keys;
    for (int i = 0; i < 20; ++i) keys += rt->PollKey().Chars();
    EXPECT_EQ(keys, U"a国x\r\r\r\b\f\x1b\t\x1c\x1d\x1e\x1f");
}

TEST_F(WindowTest, PollingWithoutKeysReturnsQuicklyAndPresentsOnlyChanges) {
    // The number entry's loop: the cursor dot drawn, a poll, the dot erased.
    auto poll = [&] {
        rt->Circle({1064, 656, 4, 5});
        EXPECT_EQ(rt->PollKey(), Text());
        rt->Circle({1064, 656, 4, 15});
    };
    poll();
    rt->Pause(5);  // the window is shown and the dot on the screen
    int presents = 0;
    rt->onPresent = [&] { ++presents; };
    const auto start = Clock::now();
    for (int i = 0; i < 50; ++i) poll();
    EXPECT_LT(MsSince(start), 50 * 20.0);
    // The picture at each poll is the same: only exposures (other windows
    // of the same display coming and going) are presented again.
    EXPECT_LE(presents, 10);
}

TEST_F(WindowTest, DrawingReachesTheScreenDuringALongComputation) {
    Clock::time_point presented{};
    rt->onPresent = [&] {
        if (presented == Clock::time_point{}) presented = Clock::now();
    };
    rt->Pause(2);  // a frame's time since the last look at the clock
    const auto drawn = Clock::now();
    rt->Box(100, 100, 300, 300, 0);
    while (MsSince(drawn) < 100) rt->Rnd();
    ASSERT_NE(presented, Clock::time_point{});
    EXPECT_LT(Ms(presented - drawn), 34);
}

TEST_F(WindowTest, ClosingEndsAPause) {
    PushQuit();
    const auto start = Clock::now();
    EXPECT_THROW(rt->Pause(100), lesson::WindowClosed);  // three seconds
    EXPECT_LT(MsSince(start), 500);
}

TEST_F(WindowTest, ClosingEndsKeyPolling) {
    PushQuit();
    EXPECT_THROW(
        for (;;) rt->PollKey(), lesson::WindowClosed);
}

TEST_F(WindowTest, ClosingEndsALongComputation) {
    PushQuit();
    const auto start = Clock::now();
    EXPECT_THROW(
        while (MsSince(start) < 2000) {
            rt->Rnd();
            rt->Line(0, 0, 100, 100, 0);
        },
        lesson::WindowClosed);
    EXPECT_LT(MsSince(start), 500);
}

TEST_F(WindowTest, ClosingEndsTheIdleOfTheErrorScreen) {
    PushText("a");
    PushQuit();
    EXPECT_THROW(rt->IdleUntilClosed(), lesson::WindowClosed);
}

TEST_F(WindowTest, ClockTextIsHoursMinutesSeconds) {
    const std::string clock = rt->ClockText().Utf8();
    ASSERT_EQ(clock.size(), 8u);
    EXPECT_EQ(clock[2], ':');
    EXPECT_EQ(clock[5], ':');
}

}  // namespace
