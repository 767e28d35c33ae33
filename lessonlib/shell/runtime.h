// The graphics runtime as both programs use it.
//
// Everything the programs draw, read and time goes through this interface:
// lines, boxes, circles and arcs, polylines and polygons, text at a point,
// fonts, the line width, clearing, key polling, pauses, the clock text,
// seeded random numbers and the error screen's idle. It is implemented twice
// in platform/: a window, and a headless runtime for tests and screenshots.
//
// The public operations check their arguments (colours 0..15, whole widths
// and scales, finite coordinates) and report a failure as a run-time error
// at the calling statement; the implementations receive only valid drawing
// operations (DrawOp) with the font and line width in force.
#pragma once

#include <cstdint>
#include <optional>
#include <source_location>
#include <span>
#include <string>
#include <vector>

#include "lessonlib/shell/random.h"
#include "lessonlib/shell/text.h"

namespace lesson {

struct Point {
    float x = 0, y = 0;
};

struct FontState {
    Text face = "ｺﾞｼｯｸ";
    float size = 16;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const FontState&, const FontState&) = default;
};

// A circle, ellipse, arc or sector. `start` and `end` are fractions of a
// turn, measured clockwise on the screen from 3 o'clock; the arc runs from
// start to end in increasing fraction, wrapping past 1. Both 0, or an end
// one full turn after the start, is the whole circle. `aspect` is height
// over width: the radius is the larger half-axis.
struct CircleArgs {
    float cx = 0, cy = 0, radius = 0;
    float colour = 0;
    float aspect = 1;
    float start = 0, end = 0;
    bool sector = false;  // join the arc's ends to the centre
    bool filled = false;
    float fill = 0;
};

// The line a maths letter belongs to, in plane coordinates: the pen of the
// routine that lays the line out and how far it moves past the letter, the
// top and height of the line's Gothic cells, and how far the marks before
// and after the letter (their glyphs' cells, a fraction's bar) reach into
// its advance. The letter stands foot to foot with that line's glyphs, its
// ink centred in the room they leave it.
struct LetterLine {
    float penX = 0, advance = 0;
    float top = 0, height = 0;
    float reachBefore = 0, reachAfter = 0;
};

// One validated drawing operation, as the runtime implementations receive it.
struct DrawOp {
    enum class Kind { Clear, Line, Box, FilledBox, Circle, Polyline, Polygon, Text };
    Kind kind = Kind::Clear;
    std::vector<Point> points;  // Line/Box/FilledBox: two corners; polylines: all points
    int colour = 0;             // line, border or text colour
    int fill = 0;               // FilledBox, Polygon, filled Circle
    int lineWidth = 3;
    // Circle
    float radius = 0, aspect = 1, start = 0, end = 0;
    bool sector = false, filled = false;
    // Text
    int hscale = 1, vscale = 1;
    Text text;
    FontState font;
    std::optional<LetterLine> letterLine;  // a maths letter: the line it stands on
};

// The key code of a key that gives no character and has no code of its
// own: it ends an any-key wait, and no prompt interprets it.
inline constexpr char32_t kKeyWithoutCharacter = 0;

// What the program is waiting for; the headless runtime reports it to the
// screenshot tour and tests, the window ignores it.
enum class WaitKind { AnyKey, Number };

// The unit of a timed pause, in seconds.
inline constexpr double kPauseUnitSeconds = 0.030;

class Runtime {
public:
    using Loc = std::source_location;

    virtual ~Runtime() = default;

    // Logical coordinates and the maximised window, once before drawing.
    void SetUpWindow();

    void ClearWindow();
    void Line(float x1, float y1, float x2, float y2, float colour, Loc loc = Loc::current());
    void Box(float x1, float y1, float x2, float y2, float colour, Loc loc = Loc::current());
    void FilledBox(float x1, float y1, float x2, float y2, float border, float fill,
                   Loc loc = Loc::current());
    void Circle(const CircleArgs& c, Loc loc = Loc::current());
    void Polyline(std::span<const Point> points, float colour, Loc loc = Loc::current());
    void Polygon(std::span<const Point> points, float colour, float fill,
                 Loc loc = Loc::current());
    // Text with the top-left corner of its first cell at (x, y). A full-width
    // character's cell is size x hscale wide, a half-width one half that, and
    // every cell size x vscale tall.
    void DrawText(float x, float y, float hscale, float vscale, float colour, const Text& text,
                  Loc loc = Loc::current());
    // A maths letter: its text drawn in its cell as DrawText draws it, but
    // standing on `line` (a positive advance and height, reaches of at
    // least 0 that leave some of the advance).
    void DrawLetter(float x, float y, float hscale, float vscale, float colour, const Text& text,
                    const LetterLine& line, Loc loc = Loc::current());

    void SetFontName(const Text& face);
    void SetFontSize(float size, Loc loc = Loc::current());
    void SetFontBold(bool on);
    void SetFontItalic(bool on);
    const FontState& Font() const { return font_; }

    void SetLineWidth(float width, Loc loc = Loc::current());
    int LineWidth() const { return lineWidth_; }

    // The next waiting key as a one-character text, else the empty text.
    // Enter is code 13, Backspace 8, Delete 12, Escape 27, Tab 9, the arrows
    // 28..31; every other key with no character of its own (Page Up/Down,
    // Home, End, the function keys, ...) is kKeyWithoutCharacter. Modifier
    // keys alone give nothing. Never waits for long.
    Text PollKey();
    // A timed wait of `count` units of 30 ms (kPauseUnitSeconds).
    void Pause(float count, Loc loc = Loc::current());
    // "hh:mm:ss".
    Text ClockText();

    void Randomize(double seed, Loc loc = Loc::current());
    float Rnd();

    // The error screen's idle: returns never; ends by WindowClosed.
    [[noreturn]] void IdleUntilClosed();

    // Marks the span in which the program waits for a key or a number.
    void WaitBegins(WaitKind kind) { OnWaitBegins(kind); }
    void WaitEnds() { OnWaitEnds(); }

protected:
    virtual void OnSetUpWindow() = 0;
    virtual void Render(const DrawOp& op) = 0;
    virtual Text OnPollKey() = 0;
    virtual void OnPause(double seconds) = 0;
    virtual Text OnClockText() = 0;
    [[noreturn]] virtual void OnIdleUntilClosed() = 0;
    virtual void OnWaitBegins(WaitKind) {}
    virtual void OnWaitEnds() {}
    // Called at every operation: a window keeps itself responsive here.
    virtual void Service() {}

private:
    DrawOp NewOp(DrawOp::Kind kind, float colour, Loc loc);
    DrawOp TextOp(float x, float y, float hscale, float vscale, float colour, const Text& text,
                  Loc loc);
    void Emit(const DrawOp& op);

    FontState font_;
    int lineWidth_ = 3;
    Random random_;
};

}  // namespace lesson
