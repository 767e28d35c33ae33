#include "tests/support/own_display.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

extern char** environ;

namespace testing_support {

namespace {

constexpr auto kReadyWithin = std::chrono::minutes(2);

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

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], serverFd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, "Xvfb", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        missing_ = spawned == ENOENT;
        failure_ = std::string("cannot start Xvfb: ") + std::strerror(spawned);
        return;
    }

    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        failure_ = "Xvfb ended or was not ready within two minutes";
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
