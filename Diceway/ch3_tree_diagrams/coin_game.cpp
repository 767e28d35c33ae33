// The two-coin experiment: pupil A's reasoning, then 2000 tosses of two
// coins, the first ones animated, with a running tally.
#include "Diceway/ch3_tree_diagrams/tree_diagram_chapter.h"

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/number_texts.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::CountedLoop;
using lesson::WaitAnyKey;

namespace {

// The coins spin and show their result in this panel; the tally table lies
// below it.
void EraseCoinPanel(Program& p) { p.rt.FilledBox(720, 0, 1600, 384, 15, 15); }

// A coin of the question picture with its face written on it.
void DrawPictureCoin(Program& p, float x, float y, float fill, const char* face) {
    p.rt.Circle({.cx = x, .cy = y, .radius = p.R1, .colour = 0, .filled = true, .fill = fill});
    Put(p, 0, x - 17, y - 25, face);
}

// One half of a spinning coin: from `start` half a turn on, squeezed to H.
void DrawHalfCoin(Program& p, float x, float start, float outline, float fill) {
    p.rt.Circle({.cx = x,
                 .cy = p.ZY,
                 .radius = 80,
                 .colour = outline,
                 .aspect = p.H,
                 .start = start,
                 .end = start + 0.5f,
                 .sector = true,
                 .filled = true,
                 .fill = fill});
}

// One frame of the animation: the colour pair alternates with the parity
// of JJ and the coins narrow through 0.9 .. 0.1, then show whole again.
void DrawSpinningCoins(Program& p) {
    if (lesson::Remainder(p.JJ, 2) == 0) {
        p.CCC2 = 2;
        p.CCC3 = 15;
    } else {
        p.CCC2 = 15;
        p.CCC3 = 4;
    }
    p.H = 1 - lesson::Remainder(p.JJ, 10) / 10;
    DrawHalfCoin(p, p.ZX1, 0, p.CCC2, p.CCC3);
    DrawHalfCoin(p, p.ZX1, 0.5f, p.CCC3, p.CCC2);
    DrawHalfCoin(p, p.ZX2, 0, p.CCC3, p.CCC2);
    DrawHalfCoin(p, p.ZX2, 0.5f, p.CCC2, p.CCC3);
}

void DrawResultCoin(Program& p, float x, float outline, float fill, const lesson::Text& face) {
    p.rt.Circle({.cx = x, .cy = p.ZY, .radius = 80, .colour = outline, .filled = true, .fill = fill});
    p.rt.DrawText(x - 40, p.ZY - 40, 5, 5, 13, face);
}

void DrawResultCoins(Program& p) {
    p.ZX1 = 816;
    p.ZX2 = 992;
    p.ZY = 240;
    DrawResultCoin(p, p.ZX1, p.ZX1M, p.ZX1N, p.ZX1_s);
    DrawResultCoin(p, p.ZX2, p.ZX2M, p.ZX2N, p.ZX2_s);
}

// Text colours of the tally rows 回数, 表表, 裏裏, 表裏.
float TallyRowColour(float row) {
    static const float colours[] = {0, 7, 3, 5};
    return colours[static_cast<int>(row) - 1];
}

// One tally cell at the pen, border 4, with the fill in force.
void DrawTallyCell(Program& p, float width, const lesson::Text& text) {
    p.HABA = width;
    p.TATE = 55;
    p.A_s = text;
    lesson::DrawFormulaCell(p);
}

}  // namespace

void TossTwoCoins(Program& p) {
    p.P1 = lesson::RoundDown(p.rt.Rnd() * 2 + 1);
    p.P2 = lesson::RoundDown(p.rt.Rnd() * 2 + 1);
    const bool heads1 = p.P1 == 1;
    p.ZX1_s = heads1 ? "表" : "裏";
    p.ZX1M = 15;
    p.ZX1N = heads1 ? 4 : 2;
    const bool heads2 = p.P2 == 1;
    p.ZX2_s = heads2 ? "表" : "裏";
    p.ZX2M = 15;
    p.ZX2N = heads2 ? 4 : 2;
    if (p.P1 == 1 && p.P2 == 1) {
        p.F_a(2) += 1;
    } else if (p.P1 == 2 && p.P2 == 2) {
        p.F_a(3) += 1;
    } else {
        p.F_a(4) += 1;
    }
    p.F_a(1) = p.F_a(2) + p.F_a(3) + p.F_a(4);
    lesson::NumbersToStrings(p);
}

void AnimateCoinToss(Program& p) {
    p.ZX1 = 816;
    p.ZX2 = 992;
    p.ZY = 240;
    const auto frame = [&](float rise) {
        EraseCoinPanel(p);
        p.ZY += rise;
        DrawSpinningCoins(p);
        p.rt.Pause(1);
    };
    CountedLoop(p.JJ, 1, 40, [&] { frame(-3); });
    p.ZY = 160;
    CountedLoop(p.JJ, 1, 40, [&] { frame(3); });
    EraseCoinPanel(p);
}

void ShowTossResultKey(Program& p) {
    DrawResultCoins(p);
    WaitAnyKey(p);
    EraseCoinPanel(p);
}

void ShowTossResultTimed(Program& p) {
    DrawResultCoins(p);
    p.rt.Pause(p.SSS);
    EraseCoinPanel(p);
}

void DrawTallyTable(Program& p) {
    p.X_sa(1) = "回数";
    p.X_sa(2) = "表表";
    p.X_sa(3) = "裏裏";
    p.X_sa(4) = "表裏";
    CountedLoop(p.II, 1, 4, [&] {
        p.CCC1 = TallyRowColour(p.II);
        p.CCC2 = 4;
        p.CCC3 = 13;
        p.X = p.X_a(35);
        p.Y = p.Y_a(35) + 55 * p.II;
        DrawTallyCell(p, 80, p.X_sa(p.II));
        DrawTallyCell(p, 160, p.F_sa(p.II));
    });
}

void DrawTallyCounts(Program& p) {
    CountedLoop(p.II, 1, 4, [&] {
        p.CCC1 = TallyRowColour(p.II);
        p.CCC2 = 4;
        p.X = p.X_a(36);
        p.Y = p.Y_a(36) + 55 * p.II;
        DrawTallyCell(p, 160, p.F_sa(p.II));
    });
}

void CoinGameScreen(Program& p) {
    ClearLessonArea(p);
    p.XI0 = 40;
    p.XI1 = 76;
    p.YI1 = 30;
    Say(p, 3, p.XI0, p.YI1, "誰が勝ちそう？");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "コインを2枚投げて");

    // Who wins on which pair of faces.
    p.R1 = 40;
    p.X_a(1) = 40;
    p.X_a(2) = 80;
    p.X_a(3) = 160;
    p.X_a(4) = 200;
    CountedLoop(p.II, 1, 9, [&] { p.Y_a(p.II) = p.YI1 + 50 + 40 * (p.II - 1); });
    DrawPictureCoin(p, p.X_a(2), p.Y_a(2), 13, "表");
    DrawPictureCoin(p, p.X_a(3), p.Y_a(2), 13, "表");
    DrawPictureCoin(p, p.X_a(2), p.Y_a(4), 11, "裏");
    DrawPictureCoin(p, p.X_a(3), p.Y_a(4), 11, "裏");
    DrawPictureCoin(p, p.X_a(2), p.Y_a(6), 13, "表");
    DrawPictureCoin(p, p.X_a(3), p.Y_a(6), 11, "裏");
    Say(p, 7, 240, 100, "Aさんの勝ち");
    Say(p, 7, 240, 180, "Bさんの勝ち");
    Say(p, 7, 240, 260, "Cさんの勝ち");
    Say(p, 0, p.XI2, p.YI1, "(1枚ずつ)");
    WaitAnyKey(p);

    Say(p, 3, 40, 340, "<Aさんの考え>");
    Say(p, 0, 40, 390, "起こりうる場合は全部で3通り だから");
    Say(p, 0, 40, 450, "3人が勝つ確率は、ﾀ1/3ﾀで等しい。");
    WaitAnyKey(p);
    Say(p, 3, 76, 520, "実験してみよう！");
    WaitAnyKey(p);

    // A fresh experiment on every visit.
    p.X_a(35) = 680;
    p.Y_a(35) = 350;
    p.X_a(36) = 760;
    p.Y_a(36) = 350;
    CountedLoop(p.II, 0, 20, [&] {
        p.F_a(p.II) = 0;
        p.T_a(p.II) = 0;
        p.X_a(p.II) = 0;
        p.F_sa(p.II) = lesson::Text();
        p.T_sa(p.II) = lesson::Text();
        p.X_sa(p.II) = lesson::Text();
    });
    DrawTallyTable(p);

    // The first five tosses animated and held until a key, the next 45
    // shown for a moment.
    CountedLoop(p.KK, 1, 50, [&] {
        TossTwoCoins(p);
        if (p.KK <= 5) {
            AnimateCoinToss(p);
            DrawTallyTable(p);
            ShowTossResultKey(p);
        } else {
            p.SSS = p.KK <= 40 ? 10 : 4;
            ShowTossResultTimed(p);
        }
        DrawTallyCounts(p);
    });
    WaitAnyKey(p);

    // The rest without pictures: 50, then 19 batches of 100.
    CountedLoop(p.KK, 51, 100, [&] { TossTwoCoins(p); });
    DrawTallyCounts(p);
    WaitAnyKey(p);
    CountedLoop(p.IJ, 1, 19, [&] {
        CountedLoop(p.KK, 1, 100, [&] { TossTwoCoins(p); });
        DrawTallyCounts(p);
        WaitAnyKey(p);
    });
    WaitAnyKey(p);

    p.XI0 = 720;
    p.XI1 = 756;
    p.YI1 = 30;
    Say(p, 3, p.XI0, p.YI1, "Q ");
    Say(p, 0, p.XI2, p.YI1, "Aさんの考えと");
    Say(p, 5, p.XI1, 80, "実験結果が異なった");
    Say(p, 0, p.XI1, 130, "のはなぜだろう?");
}

}  // namespace diceway
