// Helpers for the tests of the answer screens of the chapter problems.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tests/diceway/diceway_fixture.h"

namespace lesson {
// For comparing corners and branch ends in assertions.
inline bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }
inline std::ostream& operator<<(std::ostream& os, const Point& pt) {
    return os << "(" << pt.x << ", " << pt.y << ")";
}
}  // namespace lesson

namespace answer_test {

// The texts drawn so far above the bottom band (no prompts), joined.
inline std::string Visible(diceway_test::Fixture& f) {
    std::string out;
    for (const lesson::DrawOp& op : f.rt.Ops())
        if (op.kind == lesson::DrawOp::Kind::Text && op.points[0].y < 650) out += op.text.Utf8();
    return out;
}

// Runs `screen` and gives, at each of its any-key waits, the texts drawn
// above the bottom band since it started, joined.
inline std::vector<std::string> TextsAtWaits(diceway_test::Fixture& f, void (*screen)(diceway::Program&)) {
    f.rt.ClearOps();
    std::vector<std::string> texts;
    f.rt.onWait = [&](lesson::WaitKind kind) {
        if (kind == lesson::WaitKind::AnyKey) texts.push_back(Visible(f));
    };
    screen(f.p());
    f.rt.onWait = nullptr;
    return texts;
}

// The filled boxes of exactly this size: the cells.
inline std::vector<lesson::DrawOp> CellsOfSize(const std::vector<lesson::DrawOp>& ops, float width,
                                               float height) {
    std::vector<lesson::DrawOp> cells;
    for (const lesson::DrawOp& op : ops)
        if (op.kind == lesson::DrawOp::Kind::FilledBox && op.points[1].x - op.points[0].x == width &&
            op.points[1].y - op.points[0].y == height)
            cells.push_back(op);
    return cells;
}

// The straight lines drawn in the visible plane.
inline std::vector<lesson::DrawOp> LinesOf(const std::vector<lesson::DrawOp>& ops) {
    std::vector<lesson::DrawOp> lines;
    for (const lesson::DrawOp& op : ops)
        if (op.kind == lesson::DrawOp::Kind::Line && op.points[0].y < 1000) lines.push_back(op);
    return lines;
}

inline lesson::Point Corner(const lesson::DrawOp& op) { return op.points[0]; }

// The first visible text operation that draws `text`, or null.
inline const lesson::DrawOp* FirstText(const std::vector<lesson::DrawOp>& ops, const char* text) {
    for (const lesson::DrawOp& op : ops)
        if (op.kind == lesson::DrawOp::Kind::Text && op.points[0].y < 1000 && op.text == lesson::Text(text))
            return &op;
    return nullptr;
}

}  // namespace answer_test
