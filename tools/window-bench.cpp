// window-bench: measures the window runtime on the current display.
//
//   window-bench [SECONDS]
//
// Prints, one per line:
//   - the time from the start of the process to the first frame on the
//     screen (the window opened), and to the first drawn screen after a
//     real program start-up;
//   - the processor time the process uses while a program waits for a key,
//     polling like the key wait, and polling like the number entry (which
//     draws and erases its cursor dot on every poll), over SECONDS (5);
//   - the time from a key press to the frame that shows its answer.
#include <SDL.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "Tallyview/tallyview.h"
#include "platform/window_runtime.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A screen like the main menu's: panel, title, numbered items, prompt.
void DrawMenuScreen(lesson::Runtime& rt) {
    rt.ClearWindow();
    rt.FilledBox(22, 10, 1342, 610, 15, 10);
    rt.SetFontName("ゴシック");
    rt.SetFontSize(16);
    rt.SetFontBold(true);
    rt.DrawText(200, 40, 2, 3, 15, "＜Tallyview　メニュー＞");
    for (int i = 0; i < 6; ++i)
        rt.DrawText(200, 140 + 70 * i, 2, 3, 13, "１．代表値と散らばり　箱ひげ図");
    rt.SetFontBold(false);
    rt.DrawText(416, 648, 1, 1, 0, "番号を入力して下さい。");
}

// Processor time used per second of wall time while `poll` runs.
template <typename Poll>
double CpuShare(double seconds, Poll poll) {
    const double cpu = CpuSeconds();
    const auto start = Clock::now();
    while (Ms(Clock::now() - start) < seconds * 1000) poll();
    return (CpuSeconds() - cpu) / (Ms(Clock::now() - start) / 1000);
}

void PushKey(char c) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    event.text.text[0] = c;
    SDL_PushEvent(&event);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5;
    const auto processStart = Clock::now();
    try {
        platform::WindowRuntime rt("window-bench");
        std::printf("window open, first frame presented: %.0f ms\n", Ms(Clock::now() - processStart));

        Clock::time_point firstDrawn{};
        rt.onPresent = [&] {
            if (firstDrawn == Clock::time_point{}) firstDrawn = Clock::now();
        };
        tallyview::RunTallyview(rt);  // the real start-up; its menu is still to come
        DrawMenuScreen(rt);
        rt.PollKey();
        std::printf("start-up to the first drawn screen presented: %.0f ms\n",
                    Ms(firstDrawn - processStart));

        rt.FilledBox(96, 657, 400, 693, 13, 4);
        rt.DrawText(128, 666, 1, 1, 9, "何かキーを押して下さい。");
        std::printf("processor time while polling like the key wait: %.2f %%\n",
                    100 * CpuShare(seconds, [&] { rt.PollKey(); }));
        const auto entryPoll = [&] {
            rt.Circle({1064, 656, 4, 5});
            const lesson::Text key = rt.PollKey();
            rt.Circle({1064, 656, 4, 15});
            return key;
        };
        std::printf("processor time while polling like the number entry: %.2f %%\n",
                    100 * CpuShare(seconds, entryPoll));

        // Key presses from another thread at uneven moments; each is echoed
        // in the answer field, and the frame that shows it is timed.
        constexpr int kPresses = 40;
        std::atomic<Clock::rep> pushedAt{0};
        std::vector<double> latencies;
        Clock::time_point presented{};
        rt.onPresent = [&] { presented = Clock::now(); };
        std::thread typist([&] {
            for (int i = 0; i < kPresses; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(40 + (i * 7) % 23));
                pushedAt = Clock::now().time_since_epoch().count();
                PushKey(char('0' + i % 10));
            }
        });
        float x = 1056;
        while (int(latencies.size()) < kPresses) {
            const lesson::Text key = entryPoll();
            if (key.Empty()) continue;
            const Clock::time_point pushed{Clock::duration(pushedAt.load())};
            rt.FilledBox(1008, 640, 1248, 670, 15, 15);
            rt.DrawText(x, 648, 1, 1, 5, key);
            presented = {};
            while (presented == Clock::time_point{}) entryPoll();
            latencies.push_back(Ms(presented - pushed));
            x = x >= 1200 ? 1056 : x + 16;
        }
        typist.join();
        std::sort(latencies.begin(), latencies.end());
        std::printf("key press to presented frame: median %.1f ms, max %.1f ms (%d presses)\n",
                    latencies[latencies.size() / 2], latencies.back(), kPresses);
    } catch (const platform::WindowUnavailable&) {
        return 1;
    } catch (const lesson::WindowClosed&) {
        return 1;
    }
    return 0;
}
