#include "Diceway/diceway.h"

namespace diceway {

void SetInitialState(Program& p) {
    p.CCC1 = 4;
    p.KAIX = 1056;
    p.KAIY = 648;
    p.TITLE_s = "Diceway";

    p.F_sa.Dim(40);
    p.F_a.Dim(40);
    p.T_sa.Dim(80);
    p.T_a.Dim(80);
    p.X_a.Dim(50);
    p.Y_a.Dim(50);
    p.X_sa.Dim(20);
    p.Y_sa.Dim(20);
    p.U_a.Dim(40);
    p.V_a.Dim(40);
    p.G_a.Dim(10, 10);
    p.R_a.Dim(10);
    p.HH_a.Dim(10);
}

}  // namespace diceway
