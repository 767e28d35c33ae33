// The headless runtime: the programs run unchanged, with no window.
//
// It records every drawing operation (for tests), takes its keys from a
// script typed ahead, answers a fixed clock text, pauses without sleeping,
// and on request renders the same picture as the window into a PNG.
// When the program waits for a key and the script has none left, it reports
// "keys out" and ends the run as if the window had been closed.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "lessonlib/shell/runtime.h"

namespace platform {

class Canvas;

class HeadlessRuntime : public lesson::Runtime {
public:
    explicit HeadlessRuntime(const lesson::Text& keys = lesson::Text(),
                             const lesson::Text& clock = lesson::Text("12:34:56"));
    ~HeadlessRuntime() override;

    // Appends keys to the script.
    void TypeKeys(const lesson::Text& keys);
    std::size_t KeysLeft() const { return keys_.size() - nextKey_; }

    const std::vector<lesson::DrawOp>& Ops() const { return ops_; }
    void ClearOps() { ops_.clear(); }
    bool KeepOps() const { return keepOps_; }
    void SetKeepOps(bool keep) { keepOps_ = keep; }

    // Called when the program starts waiting for a key or a number, and when
    // it waits with no key left (then the run ends).
    std::function<void(lesson::WaitKind)> onWait;
    std::function<void()> onKeysOut;
    // Called with every drawing operation before the canvas draws it, so
    // the picture can be read as it was beneath the operation.
    std::function<void(const lesson::DrawOp&)> beforeDraw;

    // Drawing operations since the program last began to wait; past
    // `limit` of them the run ends as if the window had been closed and
    // DrawLimitReached() tells so (0: no limit).
    std::size_t DrawsSinceWait() const { return drawsSinceWait_; }
    void SetDrawLimit(std::size_t limit) { drawLimit_ = limit; }
    bool DrawLimitReached() const { return drawLimitReached_; }

    bool WindowSetUp() const { return windowSetUp_; }
    double PausedSeconds() const { return pausedSeconds_; }
    int Waiting() const { return waitDepth_; }

    // Renders every later operation into a picture of the visible plane.
    void EnableCanvas();
    // Writes the picture as a PNG (EnableCanvas first). False on failure.
    bool WritePng(const std::string& path) const;
    const Canvas* GetCanvas() const { return canvas_.get(); }

protected:
    void OnSetUpWindow() override { windowSetUp_ = true; }
    void Render(const lesson::DrawOp& op) override;
    lesson::Text OnPollKey() override;
    void OnPause(double seconds) override { pausedSeconds_ += seconds; }
    lesson::Text OnClockText() override { return clock_; }
    [[noreturn]] void OnIdleUntilClosed() override;
    void OnWaitBegins(lesson::WaitKind kind) override;
    void OnWaitEnds() override;

private:
    std::u32string keys_;
    std::size_t nextKey_ = 0;
    lesson::Text clock_;
    std::vector<lesson::DrawOp> ops_;
    bool keepOps_ = true;
    bool windowSetUp_ = false;
    double pausedSeconds_ = 0;
    int waitDepth_ = 0;
    std::size_t drawsSinceWait_ = 0;
    std::size_t drawLimit_ = 0;
    bool drawLimitReached_ = false;
    std::unique_ptr<Canvas> canvas_;
};

}  // namespace platform
