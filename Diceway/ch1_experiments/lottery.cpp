#include <array>

#include "Diceway/ch1_experiments/experiments.h"
#include "Diceway/ch1_experiments/lot_figures.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/number_texts.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::Text;
using lesson::WaitAnyKey;

void PickLotteryWinner(Program& p) {
    p.P1 = lesson::RoundDown(p.rt.Rnd() * 3 + 1);
    p.F_a(p.P1) = p.F_a(p.P1) + 1;
    p.F_a(4) = (p.F_a(1) + p.F_a(2)) + p.F_a(3);
    for (float k = 1; k <= 3; ++k)
        p.T_a(k) = static_cast<float>(lesson::WholeNumber16(lesson::Divide(1000 * p.F_a(k), p.F_a(4)))) / 1000;
}

namespace {

// Lot `lot` (1..3) face up: its seven points into X(), Y(), then the winner
// or a loser drawn there.
void ShowLot(Program& p, float lot, bool winner) {
    const float offset = 10 * (lot - 1);
    lesson::CountedLoop(p.II, 1, 7, [&] {
        p.X_a(p.II) = p.U_a(offset + p.II);
        p.Y_a(p.II) = p.V_a(offset + p.II);
    });
    if (winner) DrawWinningLot(p);
    else DrawLosingLot(p);
}

// One cell of the results table: column 1..3, row top Y(row), framed in 3,
// its text in 0.
void TableCell(Program& p, float column, float row, float fill, const Text& text) {
    p.X = p.X_a(10 + column);
    p.Y = p.Y_a(row);
    p.HABA = p.X_a(11 + column) - p.X_a(10 + column);
    p.TATE = 50;
    p.CCC1 = 0;
    p.CCC2 = 3;
    p.CCC3 = fill;
    p.A_s = text;
    lesson::DrawFormulaCell(p);
}

// The table empty: the position labels and the two headings, blank values.
void DrawEmptyTable(Program& p) {
    p.X_a(11) = 80;
    p.X_a(12) = p.X_a(11) + 114;
    p.X_a(13) = p.X_a(12) + 252;
    p.X_a(14) = p.X_a(13) + 152;
    p.Y_a(11) = 150;
    lesson::CountedLoop(p.II, 12, 16, [&] { p.Y_a(p.II) = p.Y_a(p.II - 1) + 50; });

    using Column = std::array<const char*, 5>;
    const std::array<Column, 3> columns = {{
        {"", "1番目", "2番目", "3番目", "計"},
        {"あたった回数", "", "", "", ""},
        {"相対度数", "", "", "", ""},
    }};
    for (int c = 0; c < 3; ++c) {
        const float column = static_cast<float>(c + 1);
        for (int r = 0; r < 5; ++r) p.X_sa(static_cast<float>(11 + r)) = columns[c][r];
        lesson::CountedLoop(p.JJ, 11, 15, [&] {
            const float fill = column == 1 || p.JJ == 11 ? 13 : 15;
            TableCell(p, column, p.JJ, fill, p.X_sa(p.JJ));
        });
    }
}

// The counts and relative frequencies of rows 1番目..計 drawn anew.
void RefreshTable(Program& p) {
    lesson::NumbersToStrings(p);
    p.T_sa(4) = Text();  // 計 has no relative frequency
    for (float k = 1; k <= 3; ++k)
        if (p.T_a(k) != 0 && p.T_a(k) != 1) p.T_sa(k) = Text("0") + p.T_sa(k);
    lesson::CountedLoop(p.JJ, 1, 4, [&] {
        TableCell(p, 2, 11 + p.JJ, 15, p.F_sa(p.JJ));
        TableCell(p, 3, 11 + p.JJ, 15, p.T_sa(p.JJ));
    });
}

}  // namespace

void LotteryOrderScreen(Program& p) {
    ClearLessonArea(p);
    p.XI0 = 40;
    p.XI1 = p.XI0 + 36;
    p.YI1 = 30;
    p.rt.SetLineWidth(5);

    Say(p, 3, p.XI0, p.YI1, "Q ");
    Say(p, 0, p.XI2, p.YI1, "3枚のうち1枚のあたりが入っているくじがある。このくじを");
    Say(p, 0, p.XI1, p.YI1 + 50, "3人が順番にひくとき、何番目にひくとあたりやすい?");

    // One lot of the three wins.
    LayoutLotFigure(p);
    DrawThreeLots(p);
    ShowLot(p, 1, true);
    ShowLot(p, 2, false);
    ShowLot(p, 3, false);
    WaitAnyKey(p);

    DrawThreeLots(p);
    Put(p, 3, p.U_a(1), p.YI1 + 50, "1番目");
    Put(p, 3, p.U_a(11), p.YI1 + 50, "2番目");
    Put(p, 3, p.U_a(21), p.YI1 + 50, "3番目");
    WaitAnyKey(p);

    DrawEmptyTable(p);
    WaitAnyKey(p);

    lesson::CountedLoop(p.II, 1, 4, [&] { p.F_a(p.II) = 0; });

    // Ten single draws, each shown on the lots.
    lesson::CountedLoop(p.IJ, 1, 10, [&] {
        PickLotteryWinner(p);
        ShowLot(p, 1, p.P1 == 1);
        ShowLot(p, 2, p.P1 == 2);
        ShowLot(p, 3, p.P1 == 3);
        RefreshTable(p);
        WaitAnyKey(p);
        DrawThreeLots(p);
        WaitAnyKey(p);
    });

    // 90 more, to 100 draws; then 19 batches of 100, to 2000.
    lesson::CountedLoop(p.KK, 1, 90, [&] { PickLotteryWinner(p); });
    RefreshTable(p);
    WaitAnyKey(p);
    lesson::CountedLoop(p.KKK, 1, 19, [&] {
        lesson::CountedLoop(p.KK, 1, 100, [&] { PickLotteryWinner(p); });
        RefreshTable(p);
        WaitAnyKey(p);
    });
    WaitAnyKey(p);

    p.YI1 = p.Y_a(16);
    Say(p, 3, p.XI0, p.YI1 + 20, "Q ");
    Say(p, 7, p.XI2, p.YI1, "1番目、2番目、3番目にひく人の確率は?");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "相対度数を確率とする。");
    WaitAnyKey(p);
    Say(p, 3, p.XI0, p.YI1 + 50, "Q ");
    Say(p, 7, p.XI2, p.YI1, "何番目にひくとあたりやすい?");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "あたる確率はほぼ同じだから、あたりやすさはかわらない。");
}

}  // namespace diceway
