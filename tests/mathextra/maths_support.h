// Helpers for the maths-routine tests: texts as UTF-8 for readable
// comparisons, and the code of the run-time error a call raises.
#pragma once

#include <gtest/gtest.h>

#include <time.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lessonlib/shell/errors.h"
#include "tests/charts/chart_ops.h"

namespace maths_test {

using Strings = std::vector<std::string>;

inline std::string S(const lesson::Text& t) { return t.Utf8(); }

// The processor time this thread has used, which, unlike the wall clock,
// does not run on while a busy machine leaves the test waiting.
inline std::chrono::duration<double> ThreadCpuTime() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

// The error code `call` fails with, or nothing when it returns; it must
// finish within a second of computing either way.
inline std::optional<lesson::ErrorCode> ErrorOf(const std::function<void()>& call) {
    const auto start = ThreadCpuTime();
    std::optional<lesson::ErrorCode> code;
    try {
        call();
    } catch (const lesson::RuntimeError& e) {
        code = e.code;
    }
    EXPECT_LT(ThreadCpuTime() - start, std::chrono::seconds(1));
    return code;
}

using MathsTest = chart_test::ChartTest;

}  // namespace maths_test
