#include <array>

#include "Diceway/ch1_experiments/experiments.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/number_texts.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::Text;
using lesson::WaitAnyKey;

void ThrowDie(Program& p) {
    p.P1 = lesson::RoundDown(p.rt.Rnd() * 6 + 1);
    p.F_a(p.P1 + 1) = p.F_a(p.P1 + 1) + 1;
    p.F_a(1) = (p.F_a(2) + p.F_a(3) + p.F_a(4) + p.F_a(5) + p.F_a(6) + p.F_a(7)) / 10000;
}

namespace {

// One column of the results table, rows 1 to 7: column 1..3 from X(column)
// to X(column + 1), each cell's text from `texts`.
void TableColumn(Program& p, float column, float fill, lesson::Array1<Text>& texts) {
    lesson::CountedLoop(p.JJ, 1, 7, [&] {
        p.X = p.X_a(column);
        p.Y = p.Y_a(p.JJ);
        p.HABA = p.X_a(column + 1) - p.X_a(column);
        p.TATE = 50;
        p.CCC1 = 0;
        p.CCC2 = 3;
        p.CCC3 = fill;
        p.A_s = texts(p.JJ);
        lesson::DrawFormulaCell(p);
    });
}

}  // namespace

void DiceExperimentScreen(Program& p) {
    ClearLessonArea(p);
    p.XI0 = 40;
    p.XI1 = p.XI0 + 36;
    p.YI1 = 30;
    p.rt.SetLineWidth(5);

    Say(p, 3, p.XI0, p.YI1, "Q ");
    Say(p, 0, p.XI2, p.YI1, "1つのさいころを投げるとき、1の目が出る確率は?");
    WaitAnyKey(p);
    Say(p, 7, p.XI1, p.YI1 + 50, "実験してみよう！");

    // The table: labels, counts and relative frequencies, seven rows of 50.
    p.X_a(1) = 680;
    p.X_a(2) = p.X_a(1) + 102;
    p.X_a(3) = p.X_a(2) + 180;
    p.X_a(4) = p.X_a(3) + 180;
    p.Y_a(1) = 150;
    lesson::CountedLoop(p.II, 2, 8, [&] { p.Y_a(p.II) = p.Y_a(p.II - 1) + 50; });
    static constexpr std::array<const char*, 7> kLabels = {
        "回数", "1の目", "2の目", "3の目", "4の目", "5の目", "6の目"};
    lesson::CountedLoop(p.II, 1, 7, [&] { p.X_sa(p.II) = kLabels[static_cast<std::size_t>(p.II - 1)]; });
    TableColumn(p, 1, 13, p.X_sa);
    lesson::CountedLoop(p.II, 1, 7, [&] { p.X_sa(p.II) = "0"; });
    TableColumn(p, 2, 15, p.X_sa);
    WaitAnyKey(p);

    // 50 batches of 20,000 throws, the counts shown after each.
    lesson::CountedLoop(p.II, 1, 7, [&] { p.F_a(p.II) = 0; });
    lesson::CountedLoop(p.KKK, 1, 50, [&] {
        lesson::CountedLoop(p.KK, 1, 20000, [&] { ThrowDie(p); });
        lesson::NumbersToStrings(p);
        p.F_sa(1) = p.F_sa(1) + Text("万");
        TableColumn(p, 2, 15, p.F_sa);
    });
    WaitAnyKey(p);

    p.F_a(1) = p.F_a(1) * 10000;
    lesson::CountedLoop(p.II, 2, 7, [&] {
        p.T_a(p.II) =
            static_cast<float>(lesson::WholeNumber16(lesson::Divide(1000 * p.F_a(p.II), p.F_a(1)))) / 1000;
    });
    lesson::NumbersToStrings(p);
    lesson::CountedLoop(p.II, 2, 7, [&] { p.T_sa(p.II) = Text("0") + p.T_sa(p.II); });
    p.T_sa(1) = "相対度数";

    Say(p, 0, p.XI1, p.YI1 + 60, "相対度数を求めると、");
    TableColumn(p, 3, 13, p.T_sa);
    WaitAnyKey(p);
    Say(p, 5, p.XI2 + 30, p.YI1, p.T_sa(2));
    WaitAnyKey(p);

    Say(p, 3, p.XI0, p.YI1 + 80, "Q ");
    Say(p, 0, p.XI2, p.YI1, "他の目の出る確率は?");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.YI1 + 50, "どの目の出かたもほぼ同じ");
    Say(p, 3, p.XI1, p.YI1 + 50, "(0.167程度)");
    WaitAnyKey(p);
    Say(p, 3, p.XI0, p.YI1 + 80, "実験によらずに、１の目の出る確率を");
    Say(p, 3, p.XI0, p.YI1 + 50, "求められるだろうか?");
}

}  // namespace diceway
