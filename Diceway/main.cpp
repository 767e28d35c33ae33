// Diceway: opens the window and runs the lessons in it.
#include "Diceway/diceway.h"
#include "platform/window_runtime.h"

int main() {
    try {
        platform::WindowRuntime rt("Diceway");
        diceway::RunDiceway(rt);
    } catch (const platform::WindowUnavailable&) {
        return 1;  // the reason has been shown
    }
    return 0;
}
