#include "Diceway/ch6_explain_by_probability/explain_by_probability.h"
#include "Diceway/ch6_explain_by_probability/outcome_tables.h"
#include "Diceway/figures/tree_diagrams.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::Text;
using lesson::WaitAnyKey;

namespace {

void CountsAre(Program& p, const char* const (&counts)[6]) {
    for (int k = 1; k <= 6; ++k) p.X_sa(k) = counts[k - 1];
}

// The six fans of the 36 outcomes, one per spot of the card as root, in three
// columns of two from (x, top), the columns `step` apart. NASI is read by the
// first fan only: the fans reset it.
void DrawSpotFans(Program& p, float x, float top, float step) {
    static const char* const kSpots[6] = {"ポ", "ジ1", "ジ2", "×1", "×2", "×3"};
    for (int fan = 1; fan <= 6; ++fan) {
        // The spacer sets the gap to the child column; a fan leaves its root
        // label in X$(1), so it is set again for every fan.
        p.X_sa(1) = "  ";
        p.X_sa(2) = "  ";
        if (fan % 2 == 1) {
            p.X_a(0) = x + step * static_cast<float>((fan - 1) / 2);
            p.Y_a(0) = top;
        } else {
            p.Y_a(0) = p.Y_a(16) + 50;
        }
        p.KOSUU = 1;
        LayoutTreeColumns(p);
        for (int k = 1; k <= 6; ++k) p.Y_sa(k) = kSpots[k - 1];
        p.EDA1 = 6;
        p.BANME = static_cast<float>(fan);
        p.HERU = 0;
        DrawTreeFan(p);
    }
}

}  // namespace

void TreeVersusTableScreen(Program& p) {
    lesson::ClearLessonArea(p);
    p.rt.SetLineWidth(5);
    p.XI0 = 40;
    p.YI1 = 30;
    Say(p, 3, 40, 30, "みずきさん");
    Say(p, 0, p.XI2, p.YI1, "…樹形図をかく");
    WaitAnyKey(p);

    p.X_sa(1) = "A ";
    p.X_sa(2) = "B ";
    p.X_sa(3) = Text();
    p.X_a(0) = 400;
    p.Y_a(0) = 150;
    p.KOSUU = 3;
    DrawTreeColumnHeaders(p);
    p.Y_sa(1) = "ポ";
    p.Y_sa(2) = "ジ";
    p.Y_sa(3) = "×";
    // Set every time: an earlier tree may have left a third level or rotation.
    p.EDA1 = 3;
    p.EDA2 = 0;
    p.HERU = 0;
    DrawTreeDiagram(p);
    WaitAnyKey(p);

    Say(p, 3, p.XI2 + 40, p.YI1, "けいたさん");
    Say(p, 0, p.XI2, p.YI1, "…表をつくる");
    p.X_a(0) = 40;
    p.Y_a(0) = 300;
    p.NASI = 0;
    p.NASIH = 0;
    DrawOutcomeTable(p);
    WaitAnyKey(p);
    p.X_a(0) = 40;
    p.Y_a(0) = 300;
    p.NASI = 1;
    p.NASIH = 1;
    DrawOutcomeTable(p);
    WaitAnyKey(p);

    CountsAre(p, {"", "", "", "", "", ""});
    p.X_a(0) = 40;
    p.Y_a(0) = p.YI1 + 100;
    p.NASI = 0;
    DrawStudentCountTable(p);
    WaitAnyKey(p);
    CountsAre(p, {"1", "1", "2", "4", "9", "12"});
    p.X_a(0) = 40;
    p.Y_a(0) = p.YI1 + 100;
    p.NASI = 1;
    DrawStudentCountTable(p);
    WaitAnyKey(p);
    Say(p, 5, p.XI2 + 40, p.YI1, "違う！なぜだろう?");
    WaitAnyKey(p);

    p.rt.FilledBox(0, 0, 1600, 80, 15, 15);
    Say(p, 0, 40, 30, "樹形図は同様に確からしいといえない。");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "「ジュースとはずれ」は区別する。");
    WaitAnyKey(p);
    p.NASI = 1;
    DrawSpotFans(p, 560, p.YI1 + 50, 200);
    WaitAnyKey(p);

    CountsAre(p, {"4", "9", "12", "4", "9", "12"});
    p.X_a(0) = 40;
    p.Y_a(0) = p.YI1 + 100;
    p.NASI = 0;
    DrawStudentCountTable(p);
}

void MostLikelyExplanationScreen(Program& p) {
    lesson::ClearLessonArea(p);
    p.rt.SetLineWidth(5);
    p.XI0 = 40;
    p.XI1 = 76;
    p.YI1 = 30;
    Say(p, 3, 40, 30, "もっとも出やすいのはどれか、説明しよう。");

    p.X_sa(1) = "4";
    p.X_sa(2) = "9";
    p.X_sa(3) = "12";
    p.X_a(0) = 320;
    p.Y_a(0) = p.YI1 + 150;
    p.NASI = 0;
    DrawChoiceValueRow(p);
    p.X_a(0) = 320;
    p.Y_a(0) = 300;
    p.NASI = 0;
    p.NASIH = 1;
    DrawOutcomeTable(p);
    DrawSpotFans(p, 680, p.YI1 + 50, 160);
    WaitAnyKey(p);

    SayThirtySixOutcomes(p);
    Say(p, 3, p.XI0, p.YI1 + 60, "アの確率は ");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 20, p.YI1, "ﾀ4/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/9ﾀ");
    Say(p, 3, p.XI0, p.YI1 + 60, "イの確率は ");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 60, "ﾀ9/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/4ﾀ");
    Say(p, 3, p.XI0, p.YI1 + 60, "ウの確率は ");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 60, "ﾀ12/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/3ﾀ");
    Say(p, 0, p.XI2, p.YI1, "だから");
    WaitAnyKey(p);
    Say(p, 5, p.XI0, p.YI1 + 70, "ウがもっとも");
    Say(p, 5, p.XI0, p.YI1 + 50, "出やすい。");
}

}  // namespace diceway
