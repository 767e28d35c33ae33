#include "platform/x_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace platform {

namespace {

using XErrorHandlerFunction = int (*)(Display*, XErrorEvent*);

// The handler found at the first installation; later installations may
// find SDL's, which passes errors back to this one.
XErrorHandlerFunction earlierHandler = nullptr;

int IgnoreEventSentToGoneWindow(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    return earlierHandler ? earlierHandler(display, error) : 0;
}

}  // namespace

void IgnoreEventsSentToGoneWindows() {
    const XErrorHandlerFunction found = XSetErrorHandler(IgnoreEventSentToGoneWindow);
    if (!earlierHandler && found != IgnoreEventSentToGoneWindow) earlierHandler = found;
}

}  // namespace platform
