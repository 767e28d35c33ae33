// window-bench: measures a lesson program in the real window.
//
//   window-bench PROGRAM [--walks N] [--pace MS] [--idle SECONDS]
//
// Starts PROGRAM in the window and types its built-in walk (the one the
// screenshot tour types) as key events, MS (150) after each step's frame,
// N (10) times, the program starting again after each walk ends. Prints:
//   - the renderer: SDL's, and OpenGL's name for it where SDL draws with it;
//   - start-up: process start to the first presented frame of the menu;
//   - every step, from the key to the first frame presented after the
//     program waits again: median, 99th percentile, maximum, and the
//     slowest step by its place in the walk. A step runs as long as the
//     program computes; one whose screen does not change presents nothing
//     when the program waits again and ends, after two seconds without a
//     frame, at the moment the program began to wait. Paced steps (below)
//     are left out;
//   - the paced steps, during which the program paused (a timed pause, in
//     units of 30 ms): how many, the pause they asked for in all, and the
//     longest gap between two frames presented while they ran, with the
//     longest pause asked for within it. An animation that pauses one unit
//     per frame must present every frame: its gaps are reported apart and
//     stay near one unit;
//   - processor time while the program waits at an any-key wait and at
//     the number entry, over SECONDS (5) each, on the first walk;
//   - resident memory after one walk and after N.
// Nothing is asserted: the figures are for the closing notes.
#include <SDL.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "Diceway/diceway.h"
#include "Tallyview/tallyview.h"
#include "platform/window_runtime.h"
#include "tools/step_frames.h"
#include "tools/tour_walks.h"

namespace {

using Clock = std::chrono::steady_clock;

struct ProgramEntry {
    lesson::RunResult (*run)(lesson::Runtime&);
    std::string (*walk)();
};

// One line per program.
const std::map<std::string, ProgramEntry> kPrograms = {
    {"Tallyview", {tallyview::RunTallyview, tour::TallyviewWalk}},
    {"Diceway", {diceway::RunDiceway, tour::DicewayWalk}},
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long ResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

void PushKey(char c) {
    SDL_Event event{};
    if (c == '\r') {
        event.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = SDLK_RETURN;
    } else {
        event.type = SDL_TEXTINPUT;
        event.text.text[0] = c;
    }
    SDL_PushEvent(&event);
}

// The place of each key in the walk: the numbers chosen so far on the
// current menu path and the count of keys since, e.g. "2.3 key 12".
std::vector<std::string> StepNames(const std::string& walk) {
    std::vector<std::string> names;
    std::string number, last, path;
    int sinceChoice = 0;
    for (char c : walk) {
        names.push_back((path.empty() ? std::string("menu") : path) + " key " + std::to_string(++sinceChoice));
        if (c >= '0' && c <= '9') {
            number += c;
        } else if (c == '\r' && !number.empty()) {
            path = last.empty() ? number : last + "." + number;
            last = number;
            number.clear();
            sinceChoice = 0;
        }
    }
    return names;
}

// OpenGL's name of the renderer when SDL draws with OpenGL, else "".
std::string GlRenderer() {
    using GetString = const unsigned char* (*)(unsigned);
    constexpr unsigned kGlRenderer = 0x1F01;
    if (!SDL_GL_GetCurrentContext()) return "";
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
    return name ? reinterpret_cast<const char*>(name) : "";
}

// What the main thread tells the typist.
struct Shared {
    std::mutex m;
    std::condition_variable cv;
    bool waiting = false;  // the program waits and has presented since
    lesson::WaitKind kind{};
    // Since when the program waits, its key pushed or its wait begun;
    // empty while it runs.
    std::optional<Clock::time_point> waitingSince;
    Clock::time_point keyAt{};        // when the step's key was pushed
    Clock::time_point presentedAt{};  // the step's first frame after the wait began
    bool stepOpen = true;             // a key is out, its frame not yet presented
    bench::StepFrames frames;         // of the open step
    bool done = false;
};

}  // namespace

int main(int argc, char** argv) {
    const auto processStart = Clock::now();
    if (argc < 2 || !kPrograms.count(argv[1])) {
        std::fprintf(stderr, "usage: window-bench PROGRAM [--walks N] [--pace MS] [--idle SECONDS]\nprograms:");
        for (const auto& [name, entry] : kPrograms) std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    const std::string name = argv[1];
    const ProgramEntry& program = kPrograms.at(name);
    int walks = 10, paceMs = 150;
    double idleSeconds = 5;
    for (int i = 2; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--walks") walks = std::max(1, std::atoi(argv[i + 1]));
        else if (option == "--pace") paceMs = std::max(0, std::atoi(argv[i + 1]));
        else if (option == "--idle") idleSeconds = std::atof(argv[i + 1]);
    }
    const std::string walk = program.walk();
    const std::vector<std::string> names = StepNames(walk);

    try {
        platform::WindowRuntime rt(name);
        SDL_RendererInfo info{};
        SDL_GetRendererInfo(SDL_GetRenderer(rt.Window()), &info);
        const std::string gl = GlRenderer();
        std::printf("%s in a %dx%d window, renderer %s%s%s\n", name.c_str(), rt.PixelWidth(), rt.PixelHeight(),
                    info.name, gl.empty() ? "" : ": ", gl.c_str());

        Shared s;
        rt.onWait = [&](lesson::WaitKind kind) {
            std::lock_guard lock(s.m);
            s.kind = kind;
            s.waitingSince = Clock::now();
            s.cv.notify_all();
        };
        rt.onWaitEnds = [&] {
            std::lock_guard lock(s.m);
            s.waitingSince.reset();
            s.cv.notify_all();
        };
        rt.onPause = [&](double seconds) {
            std::lock_guard lock(s.m);
            s.frames.Pause(seconds);
        };
        // A step ends with the first frame presented while the program waits
        // again after its key (a digit's echo in the number entry, too).
        rt.onPresent = [&] {
            const auto now = Clock::now();
            std::lock_guard lock(s.m);
            if (!s.stepOpen) return;
            s.frames.Present(Ms(now - processStart));
            if (!s.waitingSince) return;
            s.stepOpen = false;
            s.presentedAt = now;
            s.waiting = true;
            s.cv.notify_all();
        };

        std::vector<double> steps;
        std::vector<std::string> stepNames;
        bench::PacedSteps paced;
        double startUpMs = 0, keyWaitCpu = -1, entryCpu = -1;
        long rssOne = 0;
        std::thread typist([&] {
            std::unique_lock lock(s.m);
            auto awaitWait = [&] {
                // However long the program runs and pauses; a step whose
                // screen does not change presents nothing new and ends when
                // the program began to wait.
                while (!s.waiting && !s.done) {
                    if (!s.waitingSince) {
                        s.cv.wait(lock);
                        continue;
                    }
                    const Clock::time_point since = *s.waitingSince;
                    const auto deadline = since + std::chrono::seconds(2);
                    s.cv.wait_until(lock, deadline);
                    if (!s.waiting && !s.done && s.waitingSince == since && Clock::now() >= deadline) {
                        s.presentedAt = since;
                        s.stepOpen = false;
                        break;
                    }
                }
                s.waiting = false;
            };
            auto measureIdle = [&] {
                lock.unlock();
                const double cpu = CpuSeconds();
                const auto start = Clock::now();
                std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
                const double share = (CpuSeconds() - cpu) / (Ms(Clock::now() - start) / 1000);
                lock.lock();
                return 100 * share;
            };
            for (int w = 0; w < walks && !s.done; ++w) {
                awaitWait();  // the menu after start-up
                if (w == 0) startUpMs = Ms(s.presentedAt - processStart);
                for (std::size_t k = 0; k < walk.size() && !s.done; ++k) {
                    if (w == 0 && entryCpu < 0 && s.kind == lesson::WaitKind::Number) entryCpu = measureIdle();
                    if (w == 0 && keyWaitCpu < 0 && s.kind == lesson::WaitKind::AnyKey) keyWaitCpu = measureIdle();
                    lock.unlock();
                    std::this_thread::sleep_for(std::chrono::milliseconds(paceMs));
                    lock.lock();
                    s.keyAt = Clock::now();
                    s.stepOpen = true;
                    s.frames.Begin();
                    const bool last = k + 1 == walk.size();  // the last key ends the program
                    if (last) s.waitingSince.reset();
                    else s.waitingSince = s.keyAt;
                    PushKey(walk[k]);
                    if (last) break;  // the step stays open for the next start's menu
                    awaitWait();
                    if (s.frames.Paced()) {
                        paced.Add(s.frames);
                    } else {
                        steps.push_back(Ms(s.presentedAt - s.keyAt));
                        stepNames.push_back(names[k]);
                    }
                }
            }
        });
        for (int w = 0; w < walks; ++w) {
            const lesson::RunResult result = program.run(rt);
            if (w == 0) rssOne = ResidentKb();
            if (result.kind != lesson::RunResult::Kind::Ended) break;
        }
        {
            std::lock_guard lock(s.m);
            s.done = true;
            s.cv.notify_all();
        }
        typist.join();
        const long rssAll = ResidentKb();

        std::printf("start-up to the first presented menu frame: %.0f ms\n", startUpMs);
        if (!steps.empty()) {
            std::vector<double> sorted = steps;
            std::sort(sorted.begin(), sorted.end());
            const std::size_t slowest = std::size_t(std::max_element(steps.begin(), steps.end()) - steps.begin());
            std::printf("key to the step's presented frame over %zu steps: median %.1f ms, p99 %.1f ms, max %.1f ms"
                        " (slowest: %s)\n",
                        sorted.size(), sorted[sorted.size() / 2], sorted[(sorted.size() * 99) / 100],
                        sorted.back(), stepNames[slowest].c_str());
        }
        if (paced.count == 0) {
            std::printf("paced steps (the program paused): none\n");
        } else {
            std::printf("paced steps (the program paused; a pause unit is %.0f ms): %d, pauses asked for %.2f s in"
                        " all, longest gap between presented frames %.1f ms (across a pause of %.0f ms), across"
                        " pauses of one unit at most %.1f ms\n",
                        lesson::kPauseUnitSeconds * 1000, paced.count, paced.pausedSeconds, paced.longestGapMs,
                        paced.longestGapPause * 1000, paced.longestUnitGapMs);
        }
        std::printf("processor time while waiting at an any-key wait: %.2f %%\n", keyWaitCpu);
        std::printf("processor time while waiting at the number entry: %.2f %%\n", entryCpu);
        std::printf("resident memory after one walk: %ld kB, after %d: %ld kB\n", rssOne, walks, rssAll);
    } catch (const platform::WindowUnavailable&) {
        return 1;
    } catch (const lesson::WindowClosed&) {
        return 1;
    }
    return 0;
}
