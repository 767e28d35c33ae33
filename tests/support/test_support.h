// Helpers shared by the test suites.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "lessonlib/shell/run.h"
#include "lessonlib/shell/shared_state.h"
#include "platform/headless_runtime.h"
#include "Tallyview/tallyview.h"

namespace testing_support {

// A program state of type P on a headless runtime, as the program's start-up
// leaves it: font "ｺﾞｼｯｸ" 16, line width 3, then `init` (the program's
// initial values and arrays).
template <class P, void (*init)(P&)>
struct ProgramFixture {
    explicit ProgramFixture(const lesson::Text& keys = lesson::Text())
        : rt(keys), program(std::make_unique<P>(rt)) {
        rt.SetFontName("ｺﾞｼｯｸ");
        rt.SetFontSize(16);
        rt.SetLineWidth(3);
        init(*program);
    }
    platform::HeadlessRuntime rt;
    std::unique_ptr<P> program;
    P& p() { return *program; }
};

// Tallyview's state (CCC1 4, KAIX 1056, KAIY 648, its arrays); the shared
// routines' tests use it too.
using Fixture = ProgramFixture<tallyview::Program, tallyview::SetInitialState>;

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

// Counts the any-key waits that `screen` makes.
template <class F, class P>
int KeyWaitsOf(void (*screen)(P&), F& f) {
    int waits = 0;
    f.rt.onWait = [&](lesson::WaitKind kind) { waits += kind == lesson::WaitKind::AnyKey; };
    screen(f.p());
    f.rt.onWait = nullptr;
    return waits;
}

}  // namespace testing_support
