// Helpers of the Diceway tests: reading table cells back from the drawing.
#pragma once

#include <string>
#include <vector>

#include "lessonlib/shell/runtime.h"

namespace diceway_test {

// The labels of every cell drawn with its top-left corner at (x, y), in
// drawing order: a cell is a filled box, its label the texts drawn right
// after it, as one text ("" for an empty cell). The measuring row below the
// plane (y 1000 and lower) is left out.
inline std::vector<std::string> CellLabels(const std::vector<lesson::DrawOp>& ops, float x, float y) {
    std::vector<std::string> labels;
    bool inCell = false;
    for (const lesson::DrawOp& op : ops) {
        if (!op.points.empty() && op.points[0].y >= 1000) continue;
        if (op.kind == lesson::DrawOp::Kind::FilledBox) {
            inCell = op.points[0].x == x && op.points[0].y == y;
            if (inCell) labels.emplace_back();
        } else if (op.kind == lesson::DrawOp::Kind::Text) {
            if (inCell) labels.back() += op.text.Utf8();
        } else {
            inCell = false;
        }
    }
    return labels;
}

}  // namespace diceway_test
