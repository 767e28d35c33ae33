#include "platform/window_runtime.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>

#include "lessonlib/shell/errors.h"
#include "platform/fonts.h"
#include "platform/palette.h"
#include "platform/x_errors.h"

namespace platform {

using lesson::DrawOp;
using Clock = std::chrono::steady_clock;

namespace {

// How often a running program looks at the window's events and presents.
constexpr auto kFrame = std::chrono::milliseconds(16);
// How long one key poll waits for an event when no key is waiting.
constexpr int kPollWaitMs = 10;

[[noreturn]] void Unavailable(const std::string& title, const std::string& message) {
    std::cerr << title << ": " << message << std::endl;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr);
    throw WindowUnavailable(message);
}

// The key code of a key that gives no character, 0 for keys that report
// nothing (modifiers among them).
char32_t KeyCode(SDL_Keycode key) {
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return 13;
        case SDLK_BACKSPACE: return 8;
        case SDLK_DELETE: return 12;
        case SDLK_ESCAPE: return 27;
        case SDLK_TAB: return 9;
        case SDLK_RIGHT: return 28;
        case SDLK_LEFT: return 29;
        case SDLK_UP: return 30;
        case SDLK_DOWN: return 31;
        default: return 0;
    }
}

bool IsModifier(SDL_Keycode key) {
    switch (key) {
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
        case SDLK_LCTRL:
        case SDLK_RCTRL:
        case SDLK_LALT:
        case SDLK_RALT:
        case SDLK_LGUI:
        case SDLK_RGUI:
        case SDLK_MODE:
        case SDLK_CAPSLOCK:
        case SDLK_NUMLOCKCLEAR:
        case SDLK_SCROLLLOCK: return true;
        default: return false;
    }
}

bool UsesFill(const DrawOp& op) {
    return op.kind == DrawOp::Kind::FilledBox || op.kind == DrawOp::Kind::Polygon ||
           (op.kind == DrawOp::Kind::Circle && op.filled);
}

bool SamePoints(const std::vector<lesson::Point>& a, const std::vector<lesson::Point>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](lesson::Point p, lesson::Point q) { return p.x == q.x && p.y == q.y; });
}

// True when `later` is `earlier` drawn again in the background colour: the
// canvas then covers every pixel `earlier` touched, so `later` alone gives
// the same picture.
bool Erases(const DrawOp& later, const DrawOp& earlier) {
    if (later.kind == DrawOp::Kind::Clear || later.kind == DrawOp::Kind::Text) return false;
    if (later.colour != kBackgroundColour || (UsesFill(later) && later.fill != kBackgroundColour))
        return false;
    return later.kind == earlier.kind && later.lineWidth == earlier.lineWidth &&
           SamePoints(later.points, earlier.points) && later.radius == earlier.radius &&
           later.aspect == earlier.aspect && later.start == earlier.start &&
           later.end == earlier.end && later.sector == earlier.sector &&
           later.filled == earlier.filled;
}

bool CoversPlane(const DrawOp& op) {
    if (op.kind == DrawOp::Kind::Clear) return true;
    if (op.kind != DrawOp::Kind::FilledBox) return false;
    const lesson::Point a = op.points[0], b = op.points[1];
    return std::min(a.x, b.x) <= 0 && std::min(a.y, b.y) <= 0 &&
           std::max(a.x, b.x) >= Canvas::kPlaneWidth && std::max(a.y, b.y) >= Canvas::kPlaneHeight;
}

}  // namespace

WindowRuntime::WindowRuntime(const std::string& title) {
    if (!GothicFaceInstalled())
        Unavailable(title,
                    "The Japanese font IPAGothic is not installed, so the lessons cannot be shown. "
                    "Install the package fonts-ipafont-gothic and start the program again.");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    IgnoreEventsSentToGoneWindows();
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        Unavailable(title, std::string("Cannot open a window: ") + SDL_GetError());
    // With no display SDL falls back to windows nobody can see.
    const std::string driver = SDL_GetCurrentVideoDriver();
    if (!std::getenv("SDL_VIDEODRIVER") && (driver == "offscreen" || driver == "dummy")) {
        SDL_Quit();
        Unavailable(title, "Cannot open a window: no display was found.");
    }
    SDL_Rect usable{0, 0, Canvas::kPlaneWidth, Canvas::kPlaneHeight};
    SDL_GetDisplayUsableBounds(0, &usable);
    // Without a window manager the window is not maximised: it is given the
    // usable size of the display from the start.
    window_ = SDL_CreateWindow(title.c_str(), usable.x, usable.y, usable.w, usable.h,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_MAXIMIZED);
    if (window_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) {
        const std::string error = SDL_GetError();
        if (window_) SDL_DestroyWindow(window_);
        SDL_Quit();
        Unavailable(title, "Cannot open a window: " + error);
    }
    SDL_StartTextInput();
    FitToWindow();
    PresentIfChanged();
    nextService_ = Clock::now() + kFrame;
}

WindowRuntime::~WindowRuntime() {
    if (texture_) SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    SDL_Quit();
}

void WindowRuntime::FitToWindow() {
    int width = 0, height = 0;
    SDL_GetRendererOutputSize(renderer_, &width, &height);
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (canvas_ && canvas_->Width() == width && canvas_->Height() == height) {
        exposed_ = true;
        return;
    }
    scale_ = std::min(double(width) / Canvas::kPlaneWidth, double(height) / Canvas::kPlaneHeight);
    canvas_ = std::make_unique<Canvas>(width, height, scale_);
    for (const DrawOp& op : log_) canvas_->Draw(op);
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 width, height);
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
    // Nothing of the new size is on the screen yet: everything differs.
    shown_.assign(std::size_t(canvas_->Stride()) * height, 0);
    dirty_ = {0, 0, width, height};
}

void WindowRuntime::PresentIfChanged() {
    if (!dirty_.Empty()) {
        const int stride = canvas_->Stride();
        const std::size_t offset = std::size_t(dirty_.x0) * 4;
        const std::size_t bytes = std::size_t(dirty_.x1 - dirty_.x0) * 4;
        int first = -1, last = -1;
        for (int y = dirty_.y0; y < dirty_.y1; ++y) {
            const std::uint8_t* drawn = canvas_->Pixels() + std::size_t(y) * stride + offset;
            std::uint8_t* shown = shown_.data() + std::size_t(y) * stride + offset;
            if (std::memcmp(drawn, shown, bytes) == 0) continue;
            std::memcpy(shown, drawn, bytes);
            if (first < 0) first = y;
            last = y;
        }
        if (first >= 0) {
            const SDL_Rect rect{dirty_.x0, first, dirty_.x1 - dirty_.x0, last + 1 - first};
            SDL_UpdateTexture(texture_, &rect, canvas_->Pixels() + std::size_t(first) * stride + offset,
                              stride);
            exposed_ = true;
        }
        dirty_ = {};
    }

    if (!exposed_) return;
    exposed_ = false;
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    if (onPresent) onPresent();
}

void WindowRuntime::Handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT: closed_ = true; break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE: closed_ = true; break;
                case SDL_WINDOWEVENT_SIZE_CHANGED: FitToWindow(); break;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SHOWN:
                case SDL_WINDOWEVENT_RESTORED: exposed_ = true; break;
                default: break;
            }
            break;
        case SDL_TEXTINPUT: {
            keyAwaitingText_ = false;
            const lesson::Text typed(event.text.text);
            keys_.insert(keys_.end(), typed.Chars().begin(), typed.Chars().end());
            break;
        }
        case SDL_KEYDOWN:
            EndKeyAwaitingText();
            if (const char32_t code = KeyCode(event.key.keysym.sym)) {
                keys_.push_back(code);
            } else if (!IsModifier(event.key.keysym.sym)) {
                // A key with a character sends it as text input right after
                // this event; any other key is a key without a character.
                keyAwaitingText_ = true;
            }
            break;
        default: break;
    }
}

void WindowRuntime::EndKeyAwaitingText() {
    if (keyAwaitingText_) keys_.push_back(lesson::kKeyWithoutCharacter);
    keyAwaitingText_ = false;
}

void WindowRuntime::Pump(int waitMs) {
    SDL_Event event;
    if (waitMs > 0 ? SDL_WaitEventTimeout(&event, waitMs) : SDL_PollEvent(&event)) {
        Handle(event);
        while (SDL_PollEvent(&event)) Handle(event);
    }
    // A key's text input arrives in the same batch of events as the key.
    EndKeyAwaitingText();
    if (closed_) throw lesson::WindowClosed{};
}

void WindowRuntime::Service() {
    if (closed_) throw lesson::WindowClosed{};
    // A waiting program polls right after it draws, and the poll presents:
    // a frame here could fall between erasing and redrawing (the number
    // entry's dot) and show the picture half redrawn.
    if (waiting_) return;
    const auto now = Clock::now();
    if (now < nextService_) return;
    nextService_ = now + kFrame;
    Pump(0);
    PresentIfChanged();
}

void WindowRuntime::Remember(const DrawOp& op) {
    if (CoversPlane(op)) log_.clear();
    else
        while (!log_.empty() && Erases(op, log_.back())) log_.pop_back();
    log_.push_back(op);
}

void WindowRuntime::Render(const DrawOp& op) {
    const PixelRect touched = canvas_->Draw(op);
    if (touched.Empty()) return;  // wholly off the plane: nothing to keep
    Remember(op);
    dirty_.Add(touched);
}

void WindowRuntime::OnSetUpWindow() {
    SDL_MaximizeWindow(window_);
    Pump(0);
}

lesson::Text WindowRuntime::OnPollKey() {
    PresentIfChanged();
    if (keys_.empty()) {
        Pump(kPollWaitMs);
        PresentIfChanged();
    }
    if (keys_.empty()) return lesson::Text();
    const char32_t key = keys_.front();
    keys_.pop_front();
    return lesson::Text::FromChar(key);
}

void WindowRuntime::OnPause(double seconds) {
    PresentIfChanged();
    const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
    if (onPause) onPause(seconds);
    for (auto now = Clock::now(); now < deadline; now = Clock::now()) {
        const double left = std::chrono::duration<double, std::milli>(deadline - now).count();
        Pump(int(std::ceil(left)));
        PresentIfChanged();
    }
}

lesson::Text WindowRuntime::OnClockText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return lesson::Text(text);
}

void WindowRuntime::OnIdleUntilClosed() {
    for (;;) {
        PresentIfChanged();
        Pump(1000);
        keys_.clear();
    }
}

std::vector<std::uint32_t> WindowRuntime::ReadScreen() {
    PresentIfChanged();
    const int width = PixelWidth(), height = PixelHeight();
    std::vector<std::uint32_t> pixels(std::size_t(width) * height);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width * 4);
    return pixels;
}

}  // namespace platform
