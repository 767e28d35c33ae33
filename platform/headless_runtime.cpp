#include "platform/headless_runtime.h"

#include "lessonlib/shell/errors.h"
#include "platform/canvas.h"

namespace platform {

HeadlessRuntime::HeadlessRuntime(const lesson::Text& keys, const lesson::Text& clock)
    : keys_(keys.Chars()), clock_(clock) {}

HeadlessRuntime::~HeadlessRuntime() = default;

void HeadlessRuntime::TypeKeys(const lesson::Text& keys) { keys_ += keys.Chars(); }

void HeadlessRuntime::Render(const lesson::DrawOp& op) {
    ++drawsSinceWait_;
    if (drawLimit_ > 0 && drawsSinceWait_ > drawLimit_) {
        drawLimitReached_ = true;
        throw lesson::WindowClosed{};
    }
    if (keepOps_) ops_.push_back(op);
    if (beforeDraw) beforeDraw(op);
    if (canvas_) canvas_->Draw(op);
}

lesson::Text HeadlessRuntime::OnPollKey() {
    if (nextKey_ < keys_.size()) return lesson::Text::FromChar(keys_[nextKey_++]);
    if (waitDepth_ > 0) {
        if (onKeysOut) onKeysOut();
        throw lesson::WindowClosed{};
    }
    return lesson::Text();
}

void HeadlessRuntime::OnIdleUntilClosed() { throw lesson::WindowClosed{}; }

void HeadlessRuntime::OnWaitBegins(lesson::WaitKind kind) {
    ++waitDepth_;
    if (onWait) onWait(kind);
    drawsSinceWait_ = 0;
}

void HeadlessRuntime::OnWaitEnds() {
    if (waitDepth_ > 0) --waitDepth_;
}

void HeadlessRuntime::EnableCanvas() {
    if (!canvas_) canvas_ = std::make_unique<Canvas>(Canvas::kPlaneWidth, Canvas::kPlaneHeight, 1.0);
}

bool HeadlessRuntime::WritePng(const std::string& path) const {
    return canvas_ && canvas_->WritePng(path);
}

}  // namespace platform
