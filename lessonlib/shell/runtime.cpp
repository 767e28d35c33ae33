#include "lessonlib/shell/runtime.h"

#include <cmath>

#include "lessonlib/shell/errors.h"
#include "lessonlib/shell/numbers.h"

namespace lesson {

namespace {

int CheckedColour(float colour, std::source_location loc) {
    const std::int32_t c = WholeNumber(colour, loc);
    if (c < 0 || c > 15) Fail(ErrorCode::IllegalValue, loc);
    return c;
}

float Finite(float v, std::source_location loc) {
    if (!std::isfinite(v)) Fail(ErrorCode::Overflow, loc);
    return v;
}

Point CheckedPoint(float x, float y, std::source_location loc) {
    return {Finite(x, loc), Finite(y, loc)};
}

}  // namespace

DrawOp Runtime::NewOp(DrawOp::Kind kind, float colour, Loc loc) {
    DrawOp op;
    op.kind = kind;
    op.colour = CheckedColour(colour, loc);
    op.lineWidth = lineWidth_;
    return op;
}

void Runtime::Emit(const DrawOp& op) {
    Service();
    Render(op);
}

void Runtime::SetUpWindow() { OnSetUpWindow(); }

void Runtime::ClearWindow() {
    DrawOp op;
    op.kind = DrawOp::Kind::Clear;
    op.colour = 15;
    op.fill = 15;
    op.lineWidth = lineWidth_;
    Emit(op);
}

void Runtime::Line(float x1, float y1, float x2, float y2, float colour, Loc loc) {
    DrawOp op = NewOp(DrawOp::Kind::Line, colour, loc);
    op.points = {CheckedPoint(x1, y1, loc), CheckedPoint(x2, y2, loc)};
    Emit(op);
}

void Runtime::Box(float x1, float y1, float x2, float y2, float colour, Loc loc) {
    DrawOp op = NewOp(DrawOp::Kind::Box, colour, loc);
    op.points = {CheckedPoint(x1, y1, loc), CheckedPoint(x2, y2, loc)};
    Emit(op);
}

void Runtime::FilledBox(float x1, float y1, float x2, float y2, float border, float fill, Loc loc) {
    DrawOp op = NewOp(DrawOp::Kind::FilledBox, border, loc);
    op.fill = CheckedColour(fill, loc);
    op.points = {CheckedPoint(x1, y1, loc), CheckedPoint(x2, y2, loc)};
    Emit(op);
}

void Runtime::Circle(const CircleArgs& c, Loc loc) {
    DrawOp op = NewOp(DrawOp::Kind::Circle, c.colour, loc);
    op.points = {CheckedPoint(c.cx, c.cy, loc)};
    op.radius = Finite(c.radius, loc);
    op.aspect = Finite(c.aspect, loc);
    op.start = Finite(c.start, loc);
    op.end = Finite(c.end, loc);
    if (op.radius < 0 || op.aspect <= 0) Fail(ErrorCode::IllegalValue, loc);
    op.sector = c.sector;
    op.filled = c.filled;
    op.fill = c.filled ? CheckedColour(c.fill, loc) : op.colour;
    Emit(op);
}

void Runtime::Polyline(std::span<const Point> points, float colour, Loc loc) {
    DrawOp op = NewOp(DrawOp::Kind::Polyline, colour, loc);
    if (points.empty()) Fail(ErrorCode::IllegalValue, loc);
    for (const Point& p : points) op.points.push_back(CheckedPoint(p.x, p.y, loc));
    Emit(op);
}

void Runtime::Polygon(std::span<const Point> points, float colour, float fill, Loc loc) {
    DrawOp op = NewOp(DrawOp::Kind::Polygon, colour, loc);
    op.fill = CheckedColour(fill, loc);
    if (points.empty()) Fail(ErrorCode::IllegalValue, loc);
    for (const Point& p : points) op.points.push_back(CheckedPoint(p.x, p.y, loc));
    Emit(op);
}

DrawOp Runtime::TextOp(float x, float y, float hscale, float vscale, float colour,
                      const Text& text, Loc loc) {
    DrawOp op = NewOp(DrawOp::Kind::Text, colour, loc);
    op.points = {CheckedPoint(x, y, loc)};
    op.hscale = WholeNumber(hscale, loc);
    op.vscale = WholeNumber(vscale, loc);
    if (op.hscale < 0 || op.vscale < 0 || op.hscale > 64 || op.vscale > 64)
        Fail(ErrorCode::IllegalValue, loc);
    op.text = text;
    op.font = font_;
    return op;
}

void Runtime::DrawText(float x, float y, float hscale, float vscale, float colour,
                       const Text& text, Loc loc) {
    Emit(TextOp(x, y, hscale, vscale, colour, text, loc));
}

void Runtime::DrawLetter(float x, float y, float hscale, float vscale, float colour,
                         const Text& text, const LetterLine& line, Loc loc) {
    DrawOp op = TextOp(x, y, hscale, vscale, colour, text, loc);
    op.letterLine = LetterLine{Finite(line.penX, loc),       Finite(line.advance, loc),
                               Finite(line.top, loc),        Finite(line.height, loc),
                               Finite(line.reachBefore, loc), Finite(line.reachAfter, loc)};
    if (line.advance <= 0 || line.height <= 0 || line.reachBefore < 0 || line.reachAfter < 0 ||
        line.reachBefore + line.reachAfter >= line.advance)
        Fail(ErrorCode::IllegalValue, loc);
    Emit(op);
}

void Runtime::SetFontName(const Text& face) { font_.face = face; }

void Runtime::SetFontSize(float size, Loc loc) {
    if (!(size > 0 && size <= 1000)) Fail(ErrorCode::IllegalValue, loc);
    font_.size = size;
}

void Runtime::SetFontBold(bool on) { font_.bold = on; }
void Runtime::SetFontItalic(bool on) { font_.italic = on; }

void Runtime::SetLineWidth(float width, Loc loc) {
    const std::int32_t w = WholeNumber(width, loc);
    if (w < 0 || w > 100) Fail(ErrorCode::IllegalValue, loc);
    lineWidth_ = w;
}

Text Runtime::PollKey() {
    Service();
    return OnPollKey();
}

void Runtime::Pause(float count, Loc loc) {
    const float c = Finite(count, loc);
    if (c > 0) OnPause(static_cast<double>(c) * kPauseUnitSeconds);
    else Service();
}

Text Runtime::ClockText() { return OnClockText(); }

void Runtime::Randomize(double seed, Loc loc) { random_.Seed(WholeNumber(seed, loc)); }

float Runtime::Rnd() {
    Service();
    return random_.Draw();
}

void Runtime::IdleUntilClosed() {
    OnIdleUntilClosed();
    throw WindowClosed{};  // not reached: the implementation never returns
}

}  // namespace lesson
