// Running a Tallyview screen or chapter on scripted keys, and finding what
// it drew.
#pragma once

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "Tallyview/tallyview.h"
#include "tests/support/test_support.h"

namespace tallyview_test {

using lesson::DrawOp;
using lesson::Text;
using lesson::WaitKind;
using K = DrawOp::Kind;
using Ops = std::vector<DrawOp>;

// A screen or chapter run on scripted keys, with the position in the
// operation log at which each key wait began.
struct ScreenRun {
    explicit ScreenRun(const std::string& keys) : f(Text(keys)) {
        f.rt.onWait = [this](WaitKind kind) {
            if (kind == WaitKind::AnyKey) keyWaits.push_back(f.rt.Ops().size());
            else ++numberWaits;
        };
    }
    tallyview::Program& p() { return f.p(); }
    const Ops& ops() const { return f.rt.Ops(); }
    // The operations drawn between key wait `from` and key wait `to` (1-based;
    // 0 is the start, and a `to` past the last wait the end).
    Ops Between(std::size_t from, std::size_t to) const {
        const std::size_t a = from == 0 ? 0 : keyWaits[from - 1];
        const std::size_t b = to > keyWaits.size() ? ops().size() : keyWaits[to - 1];
        return Ops(ops().begin() + static_cast<std::ptrdiff_t>(a), ops().begin() + static_cast<std::ptrdiff_t>(b));
    }

    testing_support::Fixture f;
    std::vector<std::size_t> keyWaits;
    int numberWaits = 0;
};

inline std::string Keys(std::size_t n) { return std::string(n, 'k'); }

// How many operations of `kind` in `colour` start at (x, y) and, for texts,
// draw `text`.
inline int Count(const Ops& ops, K kind, float x, float y, int colour, const char* text = "") {
    return static_cast<int>(std::count_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == kind && op.points[0].x == x && op.points[0].y == y && op.colour == colour &&
               (kind != K::Text || op.text == Text(text));
    }));
}

// The first operation of `kind` from (x1, y1) to (x2, y2), or null.
inline const DrawOp* Find(const Ops& ops, K kind, float x1, float y1, float x2, float y2) {
    const auto it = std::find_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == kind && op.points[0].x == x1 && op.points[0].y == y1 && op.points.size() > 1 &&
               op.points[1].x == x2 && op.points[1].y == y2;
    });
    return it == ops.end() ? nullptr : &*it;
}

// The text operations whose top-left lies inside the box.
inline Ops TextsIn(const Ops& ops, float x1, float y1, float x2, float y2) {
    Ops texts;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(texts), [&](const DrawOp& op) {
        return op.kind == K::Text && op.points[0].x >= x1 && op.points[0].x < x2 && op.points[0].y >= y1 &&
               op.points[0].y < y2;
    });
    return texts;
}

// A box plot's mean mark: its horizontal stroke, 16 long in colour 0.
inline bool HasMeanMark(const Ops& ops) {
    return std::any_of(ops.begin(), ops.end(), [](const DrawOp& op) {
        return op.kind == K::Line && op.colour == 0 && op.points[0].y == op.points[1].y &&
               op.points[1].x - op.points[0].x == 16;
    });
}

// The five x positions (minimum, quartiles, median, maximum) of each box plot
// centred on y `centre`, in the order drawn: read from the box (filled with
// the background) and the lines drawn around it.
inline std::vector<std::vector<float>> BoxPlotsAt(const Ops& ops, float centre) {
    std::vector<std::vector<float>> plots;
    for (std::size_t i = 1; i + 2 < ops.size(); ++i) {
        const DrawOp& box = ops[i];
        if (box.kind != K::FilledBox || box.fill != 15 || box.colour == 15 ||
            (box.points[0].y + box.points[1].y) / 2 != centre || ops[i - 1].kind != K::Line ||
            ops[i + 1].kind != K::Line || ops[i + 2].kind != K::Line)
            continue;
        plots.push_back({ops[i - 1].points[0].x, box.points[0].x, ops[i + 1].points[0].x, box.points[1].x,
                         ops[i + 2].points[1].x});
    }
    return plots;
}

}  // namespace tallyview_test
