// Helpers for the chart tests: picking drawing operations by kind.
#pragma once

#include <vector>

#include "lessonlib/shell/runtime.h"

namespace chart_test {

inline std::vector<lesson::DrawOp> OfKind(const std::vector<lesson::DrawOp>& ops,
                                          lesson::DrawOp::Kind kind) {
    std::vector<lesson::DrawOp> out;
    for (const lesson::DrawOp& op : ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

inline std::vector<lesson::DrawOp> Lines(const std::vector<lesson::DrawOp>& ops) {
    return OfKind(ops, lesson::DrawOp::Kind::Line);
}

// A segment as its two corners, for comparisons.
struct Seg {
    float x1, y1, x2, y2;
    friend bool operator==(const Seg&, const Seg&) = default;
};

inline Seg SegOf(const lesson::DrawOp& op) {
    return {op.points[0].x, op.points[0].y, op.points[1].x, op.points[1].y};
}

inline std::ostream& operator<<(std::ostream& os, const Seg& s) {
    return os << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}

}  // namespace chart_test
