#include "Tallyview/ch5_problems_a/problems_a.h"

#include <array>
#include <vector>

#include "lessonlib/charts/box_plot.h"
#include "lessonlib/charts/number_label.h"
#include "lessonlib/charts/statistics.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/number_texts.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/plain_text.h"
#include "lessonlib/text/screen_text.h"

namespace tallyview {

using lesson::Text;
using lesson::WaitAnyKey;

void ChapterProblemsA(Program& p) { ChapterProblemsAMenu(p); }

void ChapterProblemsAMenu(Program& p) {
    static const std::vector<ItemScreen> items = {ProblemsAAnswer1Screen, ProblemsAAnswer2Screen,
                                                  ProblemsAAnswer3Screen};
    lesson::RunSubMenu(p, "章の問題Aの解答　①～③→解答　　　 ④→終了", items, 10.0f);
}

void ProblemsATitle(Program& p, const char* number) {
    p.rt.SetLineWidth(5);
    p.X = p.XI1;
    p.Y = 30;
    p.HABA = 170;
    p.TATE = 50;
    p.CCC1 = 3;
    p.CCC2 = 0;
    p.CCC3 = 13;
    p.A_s = "章の問題A";
    lesson::DrawFormulaCell(p);
    p.XI2 = p.X;
    p.X = p.XI2 + 44;
    p.HABA = 44;
    p.CCC1 = 0;
    p.CCC2 = 3;
    p.CCC3 = 11;
    p.A_s = number;
    lesson::DrawFormulaCell(p);
    p.XI2 = p.X;
    p.YI1 = 30;
}

namespace {

constexpr std::array<float, 10> kTimes = {4, 6, 9, 9, 10, 11, 13, 16, 18, 19};

void LoadTimes(Program& p) {
    p.DOSU = static_cast<float>(kTimes.size());
    lesson::CountedLoop(p.II, 1, p.DOSU, [&] { p.T_a(p.II) = kTimes[static_cast<std::size_t>(p.II - 1)]; });
    lesson::SortAndSummarize(p);
}

// A cell of the times table at column `column` of row `row`, 35 high.
void TimesCell(Program& p, float column, float row, float fill, const Text& text) {
    p.X = p.X_a(column);
    p.Y = p.Y_a(row);
    p.HABA = p.X_a(column + 1) - p.X_a(column);
    p.TATE = 35;
    p.CCC1 = 0;
    p.CCC2 = 3;
    p.CCC3 = fill;
    p.A_s = text;
    lesson::DrawTableCell(p);
}

}  // namespace

void ProblemsAAnswer1Screen(Program& p) {
    ClearPlane(p);
    p.XI0 = 40;
    p.XI1 = p.XI0 + 81;
    p.YI1 = 30;
    ProblemsATitle(p, "1");

    // The sorted times in a numbered table at the right.
    LoadTimes(p);
    lesson::CountedLoop(p.II, 1, 10, [&] { p.F_a(p.II) = p.T_a(p.II); });
    lesson::NumbersToStrings(p);
    p.U_a(1) = 1000;
    p.V_a(1) = 80;
    p.X_a(1) = p.U_a(1);
    p.X_a(2) = p.X_a(1) + 60;
    p.X_a(3) = p.X_a(2) + 72;
    p.Y_a(1) = p.V_a(1);
    lesson::CountedLoop(p.II, 1, 10, [&] { p.Y_a(1 + p.II) = p.Y_a(1) + 35 * p.II; });
    TimesCell(p, 1, 1, 13, "番");
    TimesCell(p, 2, 1, 13, "時間");
    lesson::CountedLoop(p.JJ, 1, 10, [&] {
        TimesCell(p, 1, 1 + p.JJ, 13, lesson::NumberLabel(p, p.JJ));
        TimesCell(p, 2, 1 + p.JJ, 15, p.F_sa(p.JJ));
    });
    WaitAnyKey(p);

    Say(p, 3, p.XI0, p.YI1 + 60, "(1)第2四分位数");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "中央値を求めればよいから");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "(10+11)/2=");
    Put(p, 5, p.XI2, p.YI1, "10.5(時間)");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "第1四分位数");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "1～5番までの中央値を求めればよいから");
    Say(p, 0, p.XI1, p.YI1 + 50, Text());
    WaitAnyKey(p);
    Put(p, 5, p.XI2 + 200, p.YI1, "9(時間)");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "第3四分位数");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "6～10番の中央値を求めればよいから");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, Text());
    Put(p, 5, p.XI2 + 200, p.YI1, "16(時間)");
    WaitAnyKey(p);
    Say(p, 3, p.XI0, p.YI1 + 50, "(2)四分位範囲");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "16-9=");
    Put(p, 5, p.XI2, p.YI1, "7(時間)");
    WaitAnyKey(p);
    Say(p, 3, p.XI0, p.YI1 + 50, "(3)箱ひげ図");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "最小値が");
    Say(p, 3, p.XI2, p.YI1, "4時間");
    Say(p, 0, p.XI2, p.YI1, "、最大値が");
    Say(p, 3, p.XI2, p.YI1, "19時間");
    Say(p, 0, p.XI2 + 30, p.YI1, "だから");
    WaitAnyKey(p);

    // The scale's first step stands for 0 to 2 hours, so hour h lies at
    // x = 161 + 40h whatever an earlier screen left in YOKO1X and X$(1).
    LoadTimes(p);
    p.GGX = p.XI1 + 40;
    p.GY3 = p.YI1 + 100;
    p.CCC2 = 3;
    p.HEI = -1;
    p.YOKO = 11;
    p.SIZEX = 80;
    p.TANIX = 2;
    p.SIZEY = 50;
    p.TANI_s = "(時間)";
    p.YOKO1X = 2;
    p.X_sa(1) = "2";
    lesson::DrawBoxPlotScale(p);
    WaitAnyKey(p);
    lesson::DrawBoxPlot(p);
}

}  // namespace tallyview
