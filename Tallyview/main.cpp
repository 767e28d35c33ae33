// Tallyview: opens the window and runs the lessons in it.
#include "Tallyview/tallyview.h"
#include "platform/window_runtime.h"

int main() {
    try {
        platform::WindowRuntime rt("Tallyview");
        tallyview::RunTallyview(rt);
    } catch (const platform::WindowUnavailable&) {
        return 1;  // the reason has been shown
    }
    return 0;
}
