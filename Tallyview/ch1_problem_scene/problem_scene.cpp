#include "Tallyview/ch1_problem_scene/problem_scene.h"

#include <vector>

#include "lessonlib/charts/number_label.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/plain_text.h"
#include "Tallyview/sales_data.h"
#include "lessonlib/text/screen_text.h"

namespace tallyview {

using lesson::Text;
using lesson::WaitAnyKey;

void ProblemSceneChapter(Program& p) {
    ShowProblemSceneAim(p);
    ProblemSceneMenu(p);
}

void ShowProblemSceneAim(Program& p) {
    p.XI1 = 44;
    p.YI1 = 240;
    Say(p, 3, p.XI1, p.YI1, "<めあて>");
    Say(p, 0, p.XI1, p.YI1 + 65, "スナック菓子の販売数の傾向を調べよう。");
}

void ProblemSceneMenu(Program& p) {
    static const std::vector<ItemScreen> items = {ProblemSceneScreen, SalesHistogramsScreen};
    lesson::RunSubMenu(p, " ①問題提示　②ヒストグラム　③終了", items, 10.0f);
}

namespace {

// One table cell at column `column` of row JJ, with the value's text or empty.
void ValueCell(Program& p, float column, float fill, bool filled, float value) {
    p.X = p.X_a(column);
    p.Y = p.Y_a(p.JJ);
    p.HABA = p.X_a(column + 1) - p.X_a(column);
    p.TATE = 35;
    p.CCC1 = 0;
    p.CCC2 = 15;
    p.CCC3 = fill;
    p.A_s = filled ? lesson::NumberLabel(p, value) : Text();
    lesson::DrawTableCell(p);
}

// One period's table: three columns of weekday values, two of holiday values,
// 17 rows each, every fifth row in colour 11.
void SalesTable(Program& p, lesson::Array1<float>& weekday, float weekdays,
                lesson::Array1<float>& holiday, float holidays) {
    lesson::CountedLoop(p.JJ, 1, 17, [&] {
        const bool fifth = lesson::Remainder(p.JJ, 5) == 0;
        const float weekdayFill = fifth ? 11 : 13, holidayFill = fifth ? 11 : 15;
        ValueCell(p, 1, weekdayFill, true, weekday(p.JJ));
        ValueCell(p, 2, weekdayFill, true, weekday(p.JJ + 17));
        const bool third = p.JJ + 34 <= weekdays;
        ValueCell(p, 3, third ? weekdayFill : 15, third, third ? weekday(p.JJ + 34) : 0);
        ValueCell(p, 4, holidayFill, true, holiday(p.JJ));
        const bool fifthColumn = p.JJ + 17 <= holidays;
        ValueCell(p, 5, holidayFill, fifthColumn, fifthColumn ? holiday(p.JJ + 17) : 0);
    });
}

// A collection period as a two-line cell, 160 x 90, at column `column` of
// row 1: the period's name over "2週間".
void PeriodCell(Program& p, float column, float fill, const Text& period) {
    p.HABA = 160;
    p.TATE = 90;
    p.CCC1 = 0;
    p.CCC2 = 3;
    p.CCC3 = fill;
    p.X = p.X_a(column);
    p.Y = p.Y_a(1);
    p.A1_s = period;
    p.A2_s = "2週間";
    lesson::DrawFormulaCell2(p);
}

void SetColumns(Program& p, std::initializer_list<float> edges) {
    p.A = 1;
    for (float edge : edges) p.X_a(p.A++) = edge;
}

}  // namespace

void ProblemSceneScreen(Program& p) {
    ClearPlane(p);
    p.XI0 = 30;
    p.XI1 = p.XI0 + 27;
    p.YI1 = 20;
    Say(p, 3, p.XI0, p.YI1, "よく売れる商品は？");
    WaitAnyKey(p);
    Say(p, 0, p.XI0, p.YI1 + 50, "ある桜の名所の近くにオープンした");
    Say(p, 0, p.XI0, p.YI1 + 50, "コンビニの店長は、花見の時期に");
    Say(p, 0, p.XI0, p.YI1 + 50, "よく売れる商品を調べたい。");
    WaitAnyKey(p);
    Say(p, 7, p.XI0, p.YI1 + 50, "A店の過去5年分の販売数");
    Say(p, 3, p.XI0, p.YI1 + 50, "収集期間");

    // The two collection periods as two-line cells right of "収集期間".
    p.X_a(1) = p.XI2 + 20;
    p.X_a(2) = p.X_a(1) + 160;
    p.Y_a(1) = p.YI1;
    PeriodCell(p, 1, 11, "直前期間");
    PeriodCell(p, 2, 13, "花見期間");
    WaitAnyKey(p);

    Say(p, 3, p.XI0, p.YI1 + 100, "種類…");
    Say(p, 0, p.XI2, p.YI1, "茶系飲料,炭酸飲料");
    Say(p, 0, p.XI0 + 80, p.YI1 + 50, "スナック菓子,チョコレート");
    WaitAnyKey(p);
    Say(p, 0, p.XI0, p.YI1 + 50, "P190～192");
    Say(p, 7, p.XI2, p.YI1, "でわかることは?");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "スナック菓子の販売傾向は?");
    WaitAnyKey(p);

    p.U_a(1) = 600;
    p.V_a(1) = 70;
    LoadSnackSales(p);
    p.Y_a(1) = p.V_a(1);
    lesson::CountedLoop(p.A, 1, 18, [&] { p.Y_a(p.A + 1) = p.Y_a(1) + 35 * p.A; });

    // Just before the season.
    SetColumns(p, {600, 660, 720, 795, 855, 915});
    PutHeading(p, 3, p.X_a(1), p.V_a(1) - 50, "直前");
    PutHeading(p, 7, p.XI3, p.V_a(1) - 50, "平日");
    PutHeading(p, 7, p.X_a(4), p.V_a(1) - 50, "休日");
    SalesTable(p, p.H1_a, p.H1, p.H3_a, p.H3);

    // The viewing season, right of it.
    SetColumns(p, {915, 975, 1035, 1095, 1155, 1230});
    PutHeading(p, 3, p.X_a(1), p.V_a(1) - 50, "花見");
    PutHeading(p, 7, p.XI3, p.V_a(1) - 50, "平日");
    PutHeading(p, 7, p.X_a(4), p.V_a(1) - 50, "休日");
    SalesTable(p, p.H2_a, p.H2, p.H4_a, p.H4);

    WaitAnyKey(p);
    Say(p, 7, p.XI1, p.YI1 + 60, "ヒストグラムにしてみよう。");
}

}  // namespace tallyview
