// A virtual X server (Xvfb) of a test's own, for the tests that open a real
// window. On a display of its own no other test's window opens, closes or
// lies over the test's window, and no other client's leaving resets the
// server, so what the test sees of its window comes from its window alone.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace testing_support {

class OwnDisplay {
public:
    // Starts the server (1440x720, 24 bits, no TCP) and points DISPLAY at
    // it; waits for the server to say it is ready, however long that takes
    // on a busy machine, up to two minutes.
    OwnDisplay();
    // Ends the server and restores DISPLAY. Every window on it must have
    // been closed before.
    ~OwnDisplay();
    OwnDisplay(const OwnDisplay&) = delete;
    OwnDisplay& operator=(const OwnDisplay&) = delete;

    // True when the server runs; otherwise Missing() tells whether Xvfb is
    // not installed (a test skips) or Failure() why it did not start.
    bool Started() const { return server_ > 0; }
    bool Missing() const { return missing_; }
    const std::string& Failure() const { return failure_; }

private:
    pid_t server_ = -1;
    bool missing_ = false;
    std::string failure_;
    std::optional<std::string> previousDisplay_;
};

}  // namespace testing_support
