// Running Diceway's chapter screens on scripted keys and finding what they
// drew.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

#include "tests/diceway/diceway_fixture.h"

namespace dice_chapter_test {

using Ops = std::vector<lesson::DrawOp>;
using K = lesson::DrawOp::Kind;

// A Diceway state on scripted keys that notes where in the operation log
// each key wait began, and counts the number entries.
struct ScreenRun {
    explicit ScreenRun(const std::string& keys = "") : f(lesson::Text(keys)) {
        f.rt.onWait = [this](lesson::WaitKind kind) {
            if (kind == lesson::WaitKind::AnyKey) keyWaits.push_back(f.rt.Ops().size());
            else ++numberWaits;
        };
    }
    diceway::Program& p() { return f.p(); }
    const Ops& ops() const { return f.rt.Ops(); }
    // The operations between key wait `from` and key wait `to` (1-based; 0 is
    // the start, and a `to` past the last wait the end).
    Ops Between(std::size_t from, std::size_t to) const {
        const std::size_t a = from == 0 ? 0 : keyWaits[from - 1];
        const std::size_t b = to > keyWaits.size() ? ops().size() : keyWaits[to - 1];
        return Ops(ops().begin() + static_cast<std::ptrdiff_t>(a), ops().begin() + static_cast<std::ptrdiff_t>(b));
    }

    diceway_test::Fixture f;
    std::vector<std::size_t> keyWaits;
    int numberWaits = 0;
};

inline std::string Keys(std::size_t n) { return std::string(n, 'k'); }

// The filled boxes with the corners (x1, y1), (x2, y2).
inline Ops BoxesAt(const Ops& ops, float x1, float y1, float x2, float y2) {
    Ops found;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(found), [&](const lesson::DrawOp& op) {
        return op.kind == K::FilledBox && op.points[0].x == x1 && op.points[0].y == y1 && op.points[1].x == x2 &&
               op.points[1].y == y2;
    });
    return found;
}

// The filled boxes filled with `fill`, leaving out the key-wait box and its
// erasing.
inline Ops BoxesFilled(const Ops& ops, int fill) {
    Ops found;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(found), [&](const lesson::DrawOp& op) {
        return op.kind == K::FilledBox && op.fill == fill && op.points[0].y < 650;
    });
    return found;
}

// The lines from (x1, y1) to (x2, y2).
inline int LinesAt(const Ops& ops, float x1, float y1, float x2, float y2) {
    return static_cast<int>(std::count_if(ops.begin(), ops.end(), [&](const lesson::DrawOp& op) {
        return op.kind == K::Line && op.points[0].x == x1 && op.points[0].y == y1 && op.points[1].x == x2 &&
               op.points[1].y == y2;
    }));
}

// The text operations starting at (x, y) that draw `text` in `colour`.
inline int TextsAt(const Ops& ops, float x, float y, int colour, const char* text) {
    return static_cast<int>(std::count_if(ops.begin(), ops.end(), [&](const lesson::DrawOp& op) {
        return op.kind == K::Text && op.points[0].x == x && op.points[0].y == y && op.colour == colour &&
               op.text == lesson::Text(text);
    }));
}

// The text operations whose top-left lies in the box.
inline Ops TextsIn(const Ops& ops, float x1, float y1, float x2, float y2) {
    Ops texts;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(texts), [&](const lesson::DrawOp& op) {
        return op.kind == K::Text && op.points[0].x >= x1 && op.points[0].x < x2 && op.points[0].y >= y1 &&
               op.points[0].y < y2;
    });
    return texts;
}

}  // namespace dice_chapter_test
