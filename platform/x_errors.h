// The X error that a clean end of the program can earn, made harmless.
//
// While the program waits for events, SDL wakes it by sending an event to
// its window over a second connection to the X server. When a key ends the
// program during such a wait, the server may take the window's destruction
// from the first connection before that event and answer the event with a
// BadWindow error; Xlib's default handler prints it and ends the process
// with status 1, so a program that ended cleanly would report a failure.
#pragma once

namespace platform {

// Installs a process-wide Xlib error handler that ignores BadWindow errors
// of events sent to a window (the window is gone, nothing is lost) and hands
// every other error to the handler that was in place before. Call it before
// SDL opens its connections, so that SDL's own handler, which passes errors
// on to the one it found, passes them to this one. Repeated calls are
// harmless.
void IgnoreEventsSentToGoneWindows();

}  // namespace platform
