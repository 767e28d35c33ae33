#include "Diceway/diceway.h"
#include "lessonlib/shell/run.h"

namespace diceway {

void ProbabilityStartUp(Program& p) {
    // The error screen is in place before this runs (RunProgram).
    p.rt.SetUpWindow();
    p.rt.SetFontName("ｺﾞｼｯｸ");
    p.rt.SetFontSize(16);
    p.rt.SetLineWidth(3);
    lesson::ReseedFromClock(p);
    SetInitialState(p);
    ProbabilityMainMenu(p);
}

lesson::RunResult RunDiceway(lesson::Runtime& rt) {
    return lesson::RunProgram(rt, ProbabilityStartUp);
}

}  // namespace diceway
