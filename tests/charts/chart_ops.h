// Helpers for the chart tests: inputs set as one table, drawing operations as
// short texts (one comparison shows every coordinate, colour and width), and a
// fresh program per test.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/test_support.h"

namespace chart_test {

using Strings = std::vector<std::string>;
using Values = std::vector<float>;

// Set({{&p.GGX, 240}, {&p.SIZEX, 80}}) sets GGX and SIZEX.
inline void Set(std::initializer_list<std::pair<float*, float>> values) {
    for (auto [variable, value] : values) *variable = value;
}

// The corner Z0 with the ray ends Z1 and Z2 (or the segment Z0 - Z1).
inline void Corner(lesson::Program& p, float x0, float y0, float x1, float y1, float x2 = 0,
                   float y2 = 0) {
    Set({{&p.ZX0, x0}, {&p.ZY0, y0}, {&p.ZX1, x1}, {&p.ZY1, y1}, {&p.ZX2, x2}, {&p.ZY2, y2}});
}

inline std::vector<lesson::DrawOp> OfKind(const std::vector<lesson::DrawOp>& ops,
                                          lesson::DrawOp::Kind kind) {
    std::vector<lesson::DrawOp> out;
    for (const lesson::DrawOp& op : ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

// "line 1,2 3,4 c5 w3": lines, polylines, boxes and filled boxes ("c5/15":
// border and fill) with their points, colour and line width.
inline Strings Shapes(const std::vector<lesson::DrawOp>& ops) {
    using Kind = lesson::DrawOp::Kind;
    Strings out;
    for (const lesson::DrawOp& op : ops) {
        const bool filled = op.kind == Kind::FilledBox;
        const bool box = op.kind == Kind::Box;
        std::ostringstream s;
        s << (filled ? "filled" : box ? "box" : op.kind == Kind::Polyline ? "polyline" : "line");
        for (const lesson::Point& pt : op.points) s << ' ' << pt.x << ',' << pt.y;
        s << " c" << op.colour;
        if (filled) s << '/' << op.fill;
        out.push_back(s.str() + " w" + std::to_string(op.lineWidth));
    }
    return out;
}

// Where each of `labels`, drawn glyph by glyph in this order, starts, to a
// tenth: "30@194,439 40@274,461"; glyphs that spell something else show "?".
inline std::string LabelStarts(const std::vector<lesson::DrawOp>& ops, const Strings& labels) {
    const std::vector<lesson::DrawOp> glyphs = OfKind(ops, lesson::DrawOp::Kind::Text);
    std::ostringstream out;
    std::size_t i = 0;
    for (const std::string& label : labels) {
        const lesson::Point at = i < glyphs.size() ? glyphs[i].points[0] : lesson::Point{-1, -1};
        out << (&label == &labels.front() ? "" : " ") << label << '@' << std::round(at.x * 10) / 10
            << ',' << std::round(at.y * 10) / 10;
        std::string drawn;
        while (drawn.size() < label.size() && i < glyphs.size()) drawn += glyphs[i++].text.Utf8();
        if (drawn != label) out << '?';
    }
    return out.str() + (i == glyphs.size() ? "" : " ?");
}

// Tallyview's start-up state on a headless runtime.
struct ChartTest : ::testing::Test {
    testing_support::Fixture f;
    tallyview::Program& p = f.p();

    // The shapes that `draw` adds.
    Strings ShapesOf(void (*draw)(lesson::Program&)) {
        f.rt.ClearOps();
        draw(p);
        return Shapes(f.rt.Ops());
    }
};

}  // namespace chart_test
