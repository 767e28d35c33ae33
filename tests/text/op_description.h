// Recorded operations as one string for the text tests.
#pragma once

#include <string>

#include "platform/op_text.h"
#include "tests/support/test_support.h"

namespace text_tests {

// The visible operations drawn since the last ClearOps as FormatOp's lines
// joined by "; ", a text operation with its font ("ゴシック 16 bold").
inline std::string Drawn(const platform::HeadlessRuntime& rt) {
    std::string out;
    for (const lesson::DrawOp& op : testing_support::VisibleOps(rt)) {
        if (!out.empty()) out += "; ";
        out += platform::FormatOp(op);
        if (op.kind != lesson::DrawOp::Kind::Text) continue;
        out += ' ';
        out += op.font.face.Utf8();
        out += ' ';
        out += platform::FormatNumber(op.font.size);
        if (op.font.bold) out += " bold";
        if (op.font.italic) out += " italic";
    }
    return out;
}

}  // namespace text_tests
