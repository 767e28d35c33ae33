// The contrast audit: which colour pairs a program's screens really draw,
// read off the picture, and whether each is legible.
//
// A walk runs the program headless on a canvas of the plane. For every
// glyph of a text operation (one character cell as the runtime lays it
// out) the ground is the palette colour covering most of the cell just
// before the text is drawn, whatever drew it: boxes, discs, sectors,
// polygons. Marks drawn on a fill are measured the same way: a line,
// polyline or unfilled circle that spans an area (the winning lot's ring,
// the strokes of the losing lot's cross, a die's pips; not a level or
// upright line, which lies along a border or another line) and whose
// bounding box lies on one fill other than the background (not a chart
// line crossing bars and white).
// Skipped: blank characters (no ink), text outside the plane (the
// measuring row), text or a mark in the colour of its ground (an erase).
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "lessonlib/shell/run.h"
#include "lessonlib/shell/runtime.h"

namespace platform {

class Canvas;

// One colour drawn on one ground, and where it first appeared: the step
// is the number of the wait that shows it (lesson-tour's event number).
struct ContrastPair {
    int colour = 0, ground = 0;
    long glyphs = 0, marks = 0;
    std::string program;
    int firstStep = 0;
    std::string firstDrawn;  // the text, or the kind of mark
};

// The box texts on the dark fills: the key-wait and message boxes (9 on 4)
// and the next-step box (9 on 12). They need 4.5:1 even where no walk
// draws them; every other pair drawn needs 3:1.
inline constexpr std::pair<int, int> kBoxTextPairs[] = {{9, 4}, {9, 12}};
inline constexpr double kBoxTextContrast = 4.5;
inline constexpr double kDrawnContrast = 3;
// Every two colour numbers at least this far apart (CIEDE2000).
inline constexpr double kLeastColourDistance = 10;

class ContrastAudit {
public:
    using Run = std::function<lesson::RunResult(lesson::Runtime&)>;

    ContrastAudit();
    ~ContrastAudit();

    // Runs `run` with `keys` typed ahead, adding every pair it draws.
    lesson::RunResult Walk(const std::string& program, const Run& run, const lesson::Text& keys);

    // The pairs drawn so far, by (colour, ground).
    const std::map<std::pair<int, int>, ContrastPair>& Pairs() const { return pairs_; }
    long ErasedGlyphs() const { return erasedGlyphs_; }

    // The least contrast a text colour needs on a ground.
    static double Least(int colour, int ground);
    // One line per pair below its least contrast (drawn pairs and the box
    // texts) and per two colour numbers too close; empty when all pass.
    std::vector<std::string> Failures() const;
    // The pairs, least contrast first, with the box texts even if not
    // drawn, then the smallest colour distance and the failures.
    std::string Table() const;

private:
    void Inspect(const lesson::DrawOp& op, const Canvas& canvas);
    // How many pixels of the logical rectangle (on the plane) show each
    // palette colour.
    using Coverage = std::array<long, 16>;
    Coverage Cover(const Canvas& canvas, double x0, double y0, double x1, double y1);
    int Nearest(std::uint32_t argb);
    void Add(int colour, int ground, bool glyph, const std::string& drawn);

    std::map<std::pair<int, int>, ContrastPair> pairs_;
    std::unordered_map<std::uint32_t, int> nearest_;
    long erasedGlyphs_ = 0;
    std::string program_;
    int step_ = 0;
};

}  // namespace platform
