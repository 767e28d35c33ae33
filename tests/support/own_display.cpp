#include "tests/support/own_display.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace testing_support {

namespace {

constexpr auto kReadyWithin = std::chrono::minutes(2);
// The exit status of the child that finds no Xvfb to run.
constexpr int kNotInstalled = 126;

// Reads the display number the server writes to `fd` once it accepts
// clients; empty when the server ends first or is not ready in time.
std::string ReadDisplayNumber(int fd) {
    const auto deadline = std::chrono::steady_clock::now() + kReadyWithin;
    std::string number;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return {};
        pollfd ready{fd, POLLIN, 0};
        const int polled = poll(&ready, 1, int(left.count()));
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) return {};
        char c;
        const ssize_t got = read(fd, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return {};  // the server ended
        if (c == '\n') return number;
        number += c;
    }
}

}  // namespace

OwnDisplay::OwnDisplay() {
    if (const char* display = std::getenv("DISPLAY")) previousDisplay_ = display;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        failure_ = std::string("no pipe for Xvfb: ") + std::strerror(errno);
        return;
    }
    // The server writes its display number to a descriptor of its own,
    // which must differ from both ends of the pipe.
    const int serverFd = std::max(fds[0], fds[1]) + 1;
    const std::string serverFdText = std::to_string(serverFd);
    std::vector<std::string> args = {"Xvfb",  "-displayfd",  serverFdText, "-screen", "0",
                                     "1440x720x24", "-nolisten", "tcp", "-noreset"};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    // The server ends with the test process, however that ends.
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(127);
        const int quiet = open("/dev/null", O_WRONLY | O_CLOEXEC);
        // Quiet first: /dev/null may have been given the server's number.
        if (dup2(quiet, STDOUT_FILENO) < 0 || dup2(quiet, STDERR_FILENO) < 0 || dup2(fds[1], serverFd) < 0)
            _exit(127);
        execvp("Xvfb", argv.data());
        _exit(errno == ENOENT ? kNotInstalled : 127);
    }
    close(fds[1]);
    if (pid < 0) {
        close(fds[0]);
        failure_ = std::string("cannot start Xvfb: ") + std::strerror(errno);
        return;
    }

    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        missing_ = WIFEXITED(status) && WEXITSTATUS(status) == kNotInstalled;
        failure_ = missing_ ? "Xvfb is not installed" : "Xvfb ended or was not ready within two minutes";
        return;
    }
    server_ = pid;
    setenv("DISPLAY", (":" + number).c_str(), 1);
}

OwnDisplay::~OwnDisplay() {
    if (!Started()) return;
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
    if (previousDisplay_) setenv("DISPLAY", previousDisplay_->c_str(), 1);
    else unsetenv("DISPLAY");
}

}  // namespace testing_support
