// A Diceway routine or screen run on scripted keys, with the place in the
// operation log at which each wait began, and the searches its tests share.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "tests/diceway/diceway_fixture.h"

namespace diceway_test {

using Ops = std::vector<lesson::DrawOp>;
using K = lesson::DrawOp::Kind;

struct ScreenRun {
    explicit ScreenRun(const std::string& keys = "") : f(lesson::Text(keys)) {
        f.rt.onWait = [this](lesson::WaitKind kind) {
            if (kind == lesson::WaitKind::AnyKey) keyWaits.push_back(f.rt.Ops().size());
            else numberWaits.push_back(f.rt.Ops().size());
        };
    }
    diceway::Program& p() { return f.p(); }
    const Ops& ops() const { return f.rt.Ops(); }
    // The operations drawn between key wait `from` and key wait `to`
    // (1-based; 0 is the start, and a `to` past the last wait is the end).
    Ops Between(std::size_t from, std::size_t to) const {
        const std::size_t a = from == 0 ? 0 : keyWaits[from - 1];
        const std::size_t b = to > keyWaits.size() ? ops().size() : keyWaits[to - 1];
        return Ops(ops().begin() + static_cast<std::ptrdiff_t>(a),
                   ops().begin() + static_cast<std::ptrdiff_t>(b));
    }

    Fixture f;
    std::vector<std::size_t> keyWaits;
    std::vector<std::size_t> numberWaits;
};

inline std::string Keys(std::size_t n) { return std::string(n, 'k'); }

// The operations that reach the visible plane (not the measuring row).
inline Ops Visible(const Ops& ops) {
    Ops out;
    for (const lesson::DrawOp& op : ops)
        if (op.points.empty() || op.points[0].y < 1000) out.push_back(op);
    return out;
}

// The visible operations above the bottom band, which holds the key prompt,
// the sub-menu line and the answer field (from y 640).
inline Ops AboveBand(const Ops& ops) {
    Ops out;
    for (const lesson::DrawOp& op : ops)
        if (!op.points.empty() && op.points[0].y < 630) out.push_back(op);
    return out;
}

// The texts of the text operations among `ops`, joined.
inline std::string Joined(const Ops& ops) {
    std::string out;
    for (const lesson::DrawOp& op : ops)
        if (op.kind == K::Text && op.points[0].y < 1000) out += op.text.Utf8();
    return out;
}

// How many operations of `kind` start at (x, y) in `colour`.
inline int Count(const Ops& ops, K kind, float x, float y, int colour) {
    return static_cast<int>(std::count_if(ops.begin(), ops.end(), [&](const lesson::DrawOp& op) {
        return op.kind == kind && op.points[0].x == x && op.points[0].y == y && op.colour == colour;
    }));
}

// The first text operation drawing `text` (one character), or null.
inline const lesson::DrawOp* FindText(const Ops& ops, const char* text) {
    const auto it = std::find_if(ops.begin(), ops.end(), [&](const lesson::DrawOp& op) {
        return op.kind == K::Text && op.text == lesson::Text(text) && op.points[0].y < 1000;
    });
    return it == ops.end() ? nullptr : &*it;
}

// The first operation of `kind` from (x1, y1) to (x2, y2), or null.
inline const lesson::DrawOp* Find(const Ops& ops, K kind, float x1, float y1, float x2, float y2) {
    const auto it = std::find_if(ops.begin(), ops.end(), [&](const lesson::DrawOp& op) {
        return op.kind == kind && op.points.size() > 1 && op.points[0].x == x1 && op.points[0].y == y1 &&
               op.points[1].x == x2 && op.points[1].y == y2;
    });
    return it == ops.end() ? nullptr : &*it;
}

}  // namespace diceway_test
