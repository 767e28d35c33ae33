#include "Diceway/ch6_explain_by_probability/explain_by_probability.h"
#include "Diceway/ch6_explain_by_probability/outcome_tables.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::WaitAnyKey;

void ChangedConditionsScreen(Program& p) {
    lesson::ClearLessonArea(p);
    p.rt.SetLineWidth(5);
    p.XI0 = 40;
    p.XI1 = 76;
    p.YI1 = 30;
    Say(p, 3, 40, 30, "問題の条件を変えて､考えよう。");
    WaitAnyKey(p);
    Say(p, 0, p.XI0, p.YI1 + 50, "ポテト1つ、ジュース3つ、はずれ2つにすると");
    WaitAnyKey(p);

    p.X_a(0) = 600;
    p.Y_a(0) = 250;
    p.NASI = 0;
    p.NASIH = 0;
    DrawOutcomeTableChanged(p);
    WaitAnyKey(p);
    p.Y_a(0) = 250;
    p.NASI = 1;
    p.NASIH = 1;
    DrawOutcomeTableChanged(p);

    p.X_sa(1) = p.X_sa(2) = p.X_sa(3) = lesson::Text();
    p.Y_a(0) = p.YI1 + 60;
    p.NASI = 0;
    DrawChoiceValueRow(p);
    WaitAnyKey(p);
    p.X_sa(1) = "9";
    p.X_sa(2) = "4";
    p.X_sa(3) = "12";
    p.Y_a(0) = 140;
    p.NASI = 1;
    DrawChoiceValueRow(p);
    WaitAnyKey(p);

    SayThirtySixOutcomes(p);
    Say(p, 3, p.XI0, p.YI1 + 70, "アの確率は ");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 20, p.YI1, "ﾀ9/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/4ﾀ");
    Say(p, 3, p.XI0, p.YI1 + 70, "イの確率は ");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 20, p.YI1, "ﾀ4/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/9ﾀ");
    Say(p, 3, p.XI0, p.YI1 + 70, "ウの確率は ");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 20, p.YI1, "ﾀ12/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/3ﾀ");
    Say(p, 0, p.XI2, p.YI1, " だから");
    WaitAnyKey(p);
    Say(p, 5, p.XI0, p.YI1 + 70, "ウがもっとも出やすい。");
}

}  // namespace diceway
