#include "lessonlib/shell/run.h"
#include "Tallyview/tallyview.h"

namespace tallyview {


void StartUp(Program& p) {
    // The error screen is in place before this runs (RunProgram).
    p.rt.SetUpWindow();
    p.rt.SetFontName("ｺﾞｼｯｸ");
    p.rt.SetFontSize(16);
    p.rt.SetLineWidth(3);
    lesson::ReseedFromClock(p);
    SetInitialState(p);
    MainMenu(p);
}

void SetInitialState(Program& p) {
    p.CCC1 = 4;
    p.KAIX = 1056;
    p.KAIY = 648;
    p.TITLE_s = "Tallyview";

    p.F_sa.Dim(50);
    p.F_a.Dim(50);
    p.T_sa.Dim(80);
    p.T_a.Dim(80);
    p.G_a.Dim(10, 10);
    p.H1_a.Dim(50);
    p.H2_a.Dim(50);
    p.H3_a.Dim(30);
    p.H4_a.Dim(30);
    p.X_a.Dim(50);
    p.Y_a.Dim(50);
    p.R_a.Dim(10);
    p.HH_a.Dim(10);
    p.X_sa.Dim(40);
    p.Y_sa.Dim(40);
    p.U_a.Dim(40);
    p.V_a.Dim(40);
    p.U_sa.Dim(20);
    p.V_sa.Dim(20);
}

lesson::RunResult RunTallyview(lesson::Runtime& rt) { return lesson::RunProgram(rt, StartUp); }

}  // namespace tallyview
