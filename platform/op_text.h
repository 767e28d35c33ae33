// One line of text per drawing operation, for the screenshot tour's
// operation log and for test failure messages.
#pragma once

#include <string>

#include "lessonlib/shell/runtime.h"

namespace platform {

// The operation's name first, then its numbers; a text operation is
// `text X Y HSCALE VSCALE COLOUR "TEXT"` with `"` and `\` escaped.
std::string FormatOp(const lesson::DrawOp& op);

// A number in its shortest exact form ("1056", "15.5", "0.1").
std::string FormatNumber(float v);

}  // namespace platform
