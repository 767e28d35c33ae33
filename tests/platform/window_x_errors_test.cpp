#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/window_runtime.h"
#include "tests/support/own_display.h"

#include <X11/Xlib.h>

namespace {

// Opens the program's window, then earns an X error on a window that is
// gone, over a connection of its own: an event sent to it (as SDL's wake-up
// event can be, when a key ends the program while it waits) or a request to
// map it. Ends the process with status 0 if the error let it go on.
[[noreturn]] void ErrorOnAGoneWindow(bool sendingAnEvent) {
    {
        platform::WindowRuntime rt("X error test");
        Display* other = XOpenDisplay(nullptr);
        const ::Window gone = XCreateSimpleWindow(other, DefaultRootWindow(other), 0, 0, 1, 1, 0, 0, 0);
        XDestroyWindow(other, gone);
        if (sendingAnEvent) {
            XEvent wake{};
            wake.xclient.type = ClientMessage;
            wake.xclient.window = gone;
            wake.xclient.format = 8;
            XSendEvent(other, gone, False, NoEventMask, &wake);
        } else {
            XMapWindow(other, gone);
        }
        XSync(other, False);
        XCloseDisplay(other);
    }
    std::exit(0);
}

}  // namespace

// A program that ends cleanly ends with status 0, even when the server
// answers the last wake-up event with an error because the window has
// already gone; any other X error still ends the program as Xlib's default
// handler does.
TEST(WindowXErrors, AnEventSentToAGoneWindowDoesNotFailTheProgram) {
    testing_support::OwnDisplay display;
    if (display.Missing()) GTEST_SKIP() << display.Failure();
    ASSERT_TRUE(display.Started()) << display.Failure();
    EXPECT_EXIT(ErrorOnAGoneWindow(true), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(ErrorOnAGoneWindow(false), testing::ExitedWithCode(1), "BadWindow");
}
