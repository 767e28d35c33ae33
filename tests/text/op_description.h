// Recorded operations as short strings for the text tests: FormatOp's line,
// with the font appended to a text operation ("ゴシック 16 bold").
#pragma once

#include <string>
#include <vector>

#include "platform/op_text.h"
#include "tests/support/test_support.h"

namespace text_tests {

inline std::string Describe(const lesson::DrawOp& op) {
    std::string out = platform::FormatOp(op);
    if (op.kind == lesson::DrawOp::Kind::Text) {
        out += " " + op.font.face.Utf8() + " " + platform::FormatNumber(op.font.size);
        if (op.font.bold) out += " bold";
        if (op.font.italic) out += " italic";
    }
    return out;
}

inline std::vector<std::string> Describe(const std::vector<lesson::DrawOp>& ops) {
    std::vector<std::string> out;
    for (const lesson::DrawOp& op : ops) out.push_back(Describe(op));
    return out;
}

// The visible operations drawn since the last ClearOps, described.
inline std::vector<std::string> Drawn(const platform::HeadlessRuntime& rt) {
    return Describe(testing_support::VisibleOps(rt));
}

}  // namespace text_tests
