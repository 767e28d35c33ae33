// The window runtime: the programs in one SDL2 window, drawn with the same
// Cairo canvas as the headless runtime.
//
// The window is maximised and resizable; the plane is drawn at the window's
// real pixel size and re-drawn from a log of the operations whenever the
// size changes. Whatever has been drawn reaches the screen within about one
// frame: every runtime operation looks at the clock and, every 16 ms, takes
// the window's events and presents what changed, so the window stays
// responsive during long computations too. While the program waits for a
// key, its polls present instead: each comes right after the program's
// drawing, so no frame shows a picture half redrawn. Waiting for a key
// sleeps in the event queue, so a polling program uses next to no processor
// time.
// Closing the window at any moment raises lesson::WindowClosed.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "lessonlib/shell/runtime.h"
#include "platform/canvas.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
union SDL_Event;

namespace platform {

// The window cannot be opened: no display, or the Gothic face is missing.
// The reason has already been told to the user (standard error and, where
// a display allows, a message box).
struct WindowUnavailable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class WindowRuntime : public lesson::Runtime {
public:
    explicit WindowRuntime(const std::string& title);
    ~WindowRuntime() override;
    WindowRuntime(const WindowRuntime&) = delete;
    WindowRuntime& operator=(const WindowRuntime&) = delete;

    // Called after every frame presented, when the program begins to wait
    // for a key or a number, and when a timed pause begins, with the seconds
    // the program asked for, after what was drawn before it has been
    // presented (for measurements).
    std::function<void()> onPresent;
    std::function<void(lesson::WaitKind)> onWait;
    std::function<void()> onWaitEnds;
    std::function<void(double)> onPause;

    // The size of the picture in device pixels.
    int PixelWidth() const { return canvas_->Width(); }
    int PixelHeight() const { return canvas_->Height(); }
    // The scale from the plane to device pixels.
    double Scale() const { return scale_; }
    // Brings the screen up to date and reads it back, as 0xAARRGGBB words
    // row by row (for tests).
    std::vector<std::uint32_t> ReadScreen();
    // Operations kept for re-drawing after a resize.
    std::size_t LoggedOps() const { return log_.size(); }
    SDL_Window* Window() const { return window_; }

protected:
    void OnSetUpWindow() override;
    void Render(const lesson::DrawOp& op) override;
    lesson::Text OnPollKey() override;
    void OnPause(double seconds) override;
    lesson::Text OnClockText() override;
    [[noreturn]] void OnIdleUntilClosed() override;
    void OnWaitBegins(lesson::WaitKind kind) override {
        waiting_ = true;
        if (onWait) onWait(kind);
    }
    void OnWaitEnds() override {
        waiting_ = false;
        if (onWaitEnds) onWaitEnds();
    }
    void Service() override;

private:
    // Handles every waiting event, first waiting up to `waitMs` for one;
    // raises WindowClosed once the window has been closed.
    void Pump(int waitMs);
    void Handle(const SDL_Event& event);
    // Queues the key pressed last as a key without a character when no
    // text input followed it.
    void EndKeyAwaitingText();
    // Uploads and presents the pixels that changed since the last frame.
    void PresentIfChanged();
    // Matches the picture to the window's pixel size.
    void FitToWindow();
    void Remember(const lesson::DrawOp& op);

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::unique_ptr<Canvas> canvas_;
    double scale_ = 1;
    std::vector<std::uint8_t> shown_;  // the pixels on the screen, as the canvas holds them
    PixelRect dirty_;                  // drawn since the last frame
    bool exposed_ = false;             // the screen must be presented again
    bool closed_ = false;
    bool waiting_ = false;  // the program polls for a key or a number
    std::deque<char32_t> keys_;
    bool keyAwaitingText_ = false;  // a key is down whose text may follow
    // The operations since the last one that covered the whole plane.
    std::vector<lesson::DrawOp> log_;
    std::chrono::steady_clock::time_point nextService_;
};

}  // namespace platform
