// Helpers shared by the test suites.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lessonlib/shell/run.h"
#include "lessonlib/shell/shared_state.h"
#include "platform/headless_runtime.h"

namespace testing_support {

// A program state on a headless runtime, dimensioned as Tallyview's
// start-up leaves it (font "ｺﾞｼｯｸ" 16, line width 3, CCC1 4, KAIX 1056,
// KAIY 648).
struct Fixture {
    explicit Fixture(const lesson::Text& keys = lesson::Text());
    platform::HeadlessRuntime rt;
    std::unique_ptr<lesson::Program> program;
    lesson::Program& p() { return *program; }
};

// The operations drawn so far, leaving out the measuring row below the
// visible plane (everything drawn at y 1000 or lower).
std::vector<lesson::DrawOp> VisibleOps(const platform::HeadlessRuntime& rt);

// The text operations among `ops`.
std::vector<lesson::DrawOp> TextOps(const std::vector<lesson::DrawOp>& ops);

// The texts of the text operations, joined, for readable assertions.
std::string JoinedText(const std::vector<lesson::DrawOp>& ops);

// Folder for pictures written by tests (created on demand).
std::string OutputDir();

}  // namespace testing_support

namespace testing_support {

// A whole program run on scripted keys, with the waits it made.
struct Walk {
    lesson::RunResult result;
    int keyWaits = 0;     // WaitAnyKey and the like
    int numberWaits = 0;  // number entries started
    bool keysOut = false;
    std::vector<lesson::DrawOp> ops;
};

Walk RunWalk(lesson::RunResult (*run)(lesson::Runtime&), const lesson::Text& keys);

// Counts the any-key waits that `screen` makes on `keys`.
int KeyWaitsOf(void (*screen)(lesson::Program&), Fixture& f);

}  // namespace testing_support
