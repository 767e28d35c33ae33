#include "Tallyview/ch6_problems_b/problems_b.h"

#include <array>
#include <vector>

#include "lessonlib/charts/box_plot.h"
#include "lessonlib/charts/histogram_frame.h"
#include "lessonlib/charts/line_graph.h"
#include "lessonlib/charts/statistics.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/number_texts.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/plain_text.h"
#include "lessonlib/text/screen_text.h"
#include "Tallyview/ch6_problems_b/rope_jump_data.h"

namespace tallyview {

using lesson::Text;
using lesson::WaitAnyKey;

void ChapterProblemsB(Program& p) { ChapterProblemsBMenu(p); }

void ChapterProblemsBMenu(Program& p) {
    static const std::vector<ItemScreen> items = {RopeJumpProblemScreen, RopeJumpBoxPlotScreen,
                                                  RopeJumpLineGraphScreen, RopeJumpRevisionScreen};
    lesson::RunSubMenu(p, "章の問題Bの解答　①問題　②(1)箱ひげ図　③折れ線　④(2)修正　⑤終了", items, 10.0f);
}

namespace {

// A table cell 35 high with border 3 and text 0.
void Cell(Program& p, float x, float y, float width, float fill, const Text& text) {
    p.X = x;
    p.Y = y;
    p.HABA = width;
    p.TATE = 35;
    p.CCC1 = 0;
    p.CCC2 = 3;
    p.CCC3 = fill;
    p.A_s = text;
    lesson::DrawTableCell(p);
}

// ---- the record tables ------------------------------------------------------

constexpr std::array<const char*, 5> kDays = {"1日目", "2日目", "3日目", "4日目", "5日目"};

// The table's rows from Y(1) = top, 35 apart.
void SetRows(Program& p, float top) {
    p.TATE = 35;
    p.Y_a(1) = top;
    for (int k = 1; k <= 9; ++k) p.Y_a(k + 1) = p.Y_a(1) + p.TATE * static_cast<float>(k);
}

void DayLabelColumn(Program& p) {
    for (int d = 1; d <= 5; ++d) p.T_sa(d) = kDays[static_cast<std::size_t>(d - 1)];
    Cell(p, p.X_a(1), p.Y_a(1), 90, 13, Text());
    for (int d = 1; d <= 5; ++d) Cell(p, p.X_a(1), p.Y_a(d + 1), 90, 13, p.T_sa(d));
}

// One class's column: its header and its five day texts, each practice's
// count followed by a half-width blank.
void ClassColumn(Program& p, int classNumber, float x) {
    LoaderOfClass(classNumber)(p);
    lesson::NumbersToStrings(p);
    for (int d = 1; d <= 5; ++d) p.X_sa(d) = Text();
    int practice = 1;
    for (int d = 1; d <= 5; ++d)
        for (int k = 0; k < PracticesPerDay(classNumber)[static_cast<std::size_t>(d - 1)]; ++k, ++practice)
            p.X_sa(d) = p.X_sa(d) + p.T_sa(practice) + Text(" ");
    Cell(p, x, p.Y_a(1), 300, 13, Text(std::to_string(classNumber) + "組"));
    for (int d = 1; d <= 5; ++d) Cell(p, x, p.Y_a(d + 1), 300, 15, p.X_sa(d));
}

// ---- the five-number table, chart and box plots -----------------------------

// The summaries of the four classes, as the box plots show them.
constexpr std::array<std::array<const char*, 5>, 4> kSummaries = {{
    {"9", "14.5", "19", "24.5", "31"},
    {"12", "15.5", "17", "21", "35"},
    {"11", "17", "22", "24", "32"},
    {"13", "17", "19", "25", "33"},
}};
constexpr std::array<const char*, 5> kSummaryRows = {"最小", "第1", "第2", "第3", "最大"};

// The five-number table from (880, top): two blocks of three columns of 90,
// classes 1 and 2 with headings filled 13 over classes 3 and 4 filled 11.
void SummaryTable(Program& p, float top) {
    p.U_a(1) = 880;
    p.V_a(1) = top;
    p.X_a(1) = p.U_a(1);
    for (int k = 1; k <= 2; ++k) p.X_a(k + 1) = p.X_a(k) + 90;
    p.Y_a(1) = p.V_a(1);
    for (int k = 1; k <= 11; ++k) p.Y_a(k + 1) = p.Y_a(1) + 35 * static_cast<float>(k);
    for (int c = 0; c < 4; ++c)
        for (int k = 1; k <= 5; ++k) p.T_sa(10 * c + k) = kSummaries[static_cast<std::size_t>(c)][static_cast<std::size_t>(k - 1)];
    for (int k = 1; k <= 5; ++k) p.X_sa(k) = kSummaryRows[static_cast<std::size_t>(k - 1)];

    for (int block = 0; block < 2; ++block) {
        const float fill = block == 0 ? 13 : 11;
        const int row = 6 * block + 1;  // the block's heading row
        Cell(p, p.X_a(1), p.Y_a(row), 90, fill, Text());
        for (int k = 1; k <= 5; ++k) Cell(p, p.X_a(1), p.Y_a(row + k), 90, fill, p.X_sa(k));
        for (int column = 0; column < 2; ++column) {
            const int classNumber = 2 * block + column + 1;
            const float x = p.X_a(column + 2);
            Cell(p, x, p.Y_a(row), 90, fill, Text(std::to_string(classNumber) + "組"));
            for (int k = 1; k <= 5; ++k) Cell(p, x, p.Y_a(row + k), 90, 15, p.T_sa(10 * (classNumber - 1) + k));
        }
    }
}

// The count axis 0..38 from (80, 80) in rows `rowHeight` high, one row per
// class, and each class's box plot on its row's line. Value v lies at
// x = 80 + 20v. Leaves line width 5.
void ClassBoxPlots(Program& p, float rowHeight) {
    p.U_a(1) = 80;
    p.V_a(1) = 80;
    for (int k = 1; k <= 18; ++k) p.X_sa(k) = Text(std::to_string(2 * k));
    p.X_sa(0) = "(回)";
    const std::array<const char*, 4> rows = {"4組", "3組", "2組", "1組"};
    for (int k = 1; k <= 4; ++k) p.Y_sa(k) = rows[static_cast<std::size_t>(k - 1)];
    p.Y_sa(5) = Text();
    p.Y_sa(0) = Text();
    p.GGX = p.U_a(1);
    p.GGY = p.V_a(1);
    p.YOKO = 19;
    p.YOKO1X = 2;
    p.TATE = 5;
    p.SIZEX = 40;
    p.SIZEY = rowHeight;
    lesson::DrawHistogramFrame(p);
    p.AIDA = p.SIZEY;

    for (int k = 1; k <= 4; ++k) {
        LoaderOfClass(k)(p);
        lesson::SortAndSummarize(p);
        p.GGX = p.U_a(1);
        p.GY3 = p.GY1 + static_cast<float>(k) * p.AIDA;
        p.CCC2 = 5;
        p.HEI = -1;
        p.YOKO = 8;
        p.SIZEX = 40;
        p.TANIX = 2;
        p.SIZEY = 40;
        lesson::DrawBoxPlot(p);
    }
}

constexpr std::array<const char*, 3> kReasons = {" 最大値が最も大きい", " 中央値が最も大きい", " 箱が最も右にある"};

}  // namespace

void RopeJumpProblemScreen(Program& p) {
    lesson::ClearPlane(p);
    // The cells are drawn 3 wide whatever the last screen left; the width
    // found is put back afterwards.
    const float width = static_cast<float>(p.rt.LineWidth());
    p.rt.SetLineWidth(3);
    p.XI1 = 40;
    p.YI1 = 30;
    Say(p, 3, p.XI1, p.YI1, "どのクラスが優勝するかな？");
    p.U_a(1) = 520;
    p.V_a(1) = 100;
    Put(p, 7, p.U_a(1), p.V_a(1) - 50, "大縄跳び練習の各回の最高回数(回)");

    p.X_a(1) = p.U_a(1);
    p.X_a(2) = p.X_a(1) + 90;
    p.X_a(3) = p.X_a(2) + 300;
    p.X_a(4) = p.X_a(3) + 300;
    SetRows(p, p.V_a(1));
    DayLabelColumn(p);
    ClassColumn(p, 1, p.X_a(2));
    ClassColumn(p, 2, p.X_a(3));

    SetRows(p, p.Y_a(7) + 10);
    DayLabelColumn(p);
    ClassColumn(p, 3, p.X_a(2));
    ClassColumn(p, 4, p.X_a(3));

    Say(p, 0, p.XI1, p.YI1 + 60, "①5日間の練習");
    Say(p, 0, p.XI1, p.YI1 + 60, "②毎日4回から5回の練習");
    p.rt.SetLineWidth(width);
}

void RopeJumpBoxPlotScreen(Program& p) {
    lesson::ClearLessonArea(p);
    p.XI1 = 40;
    p.YI1 = 30;
    Say(p, 3, p.XI1, p.YI1, "優勝候補はどのクラス？理由は？");
    p.rt.SetLineWidth(3);
    SummaryTable(p, 80);
    ClassBoxPlots(p, 60);
    WaitAnyKey(p);

    p.YI1 = p.GY2 + 70;
    Say(p, 3, p.XI1, p.YI1, "1組");
    WaitAnyKey(p);
    for (int k = 2; k <= 4; ++k) {
        Say(p, 3, p.XI1, p.YI1 + 50, Text(std::to_string(k) + "組"));
        WaitAnyKey(p);
        Say(p, 0, p.XI2, p.YI1, kReasons[static_cast<std::size_t>(k - 2)]);
        if (k < 4) WaitAnyKey(p);
    }
}

void RopeJumpLineGraphScreen(Program& p) {
    lesson::ClearLessonArea(p);
    p.XI1 = 40;
    p.YI1 = 30;
    Say(p, 0, p.XI1, p.YI1, "Q ");
    Say(p, 3, p.XI2, p.YI1, "最高回数の記録の変化を表した折れ線グラフから読みとれることは？");

    const auto title = [&](int k) {
        p.CCC1 = 3;
        p.X = p.U_a(k) + 150;
        p.Y = p.V_a(k) - 30;
        p.AA_s = Text(std::to_string(k) + "組の記録");
        lesson::DrawPlainText(p);
    };
    const auto graph = [&](int k) {
        LoaderOfClass(k)(p);
        for (int i = 1; i <= static_cast<int>(p.DOSU); ++i) p.Y_a(i) = p.T_a(i);
        p.GGX = p.U_a(k);
        p.GGY = p.V_a(k);
        p.YOKO = 30;
        p.TATE = 4;
        p.CCC4 = 5;
        p.SIZEX = 15;
        p.SIZEY = 40;
        p.YTANI = 10;
        lesson::DrawLineGraph(p);
    };

    p.U_a(1) = 80;
    p.V_a(1) = 200;
    title(1);
    // Earlier charts leave labels behind (a frame's unit in X$(19)).
    for (int k = 1; k <= 25; ++k) p.X_sa(k) = Text();
    for (int k = 5; k <= 25; k += 5) p.X_sa(k) = Text(std::to_string(k));
    p.X_sa(30) = "(回目)";
    for (int k = 1; k <= 4; ++k) p.Y_sa(k) = Text(std::to_string(10 * k));
    p.Y_sa(0) = "(回)";
    graph(1);

    p.U_a(2) = p.GX2 + 120;
    p.V_a(2) = p.V_a(1);
    title(2);
    graph(2);
    p.U_a(3) = p.U_a(1);
    p.V_a(3) = p.GY2 + 90;
    title(3);
    graph(3);
    p.U_a(4) = p.U_a(2);
    p.V_a(4) = p.V_a(3);
    title(4);
    graph(4);
    WaitAnyKey(p);

    Say(p, 5, p.XI1, p.YI1 + 50, "1組の記録が最も伸びてきている。");
}

void RopeJumpRevisionScreen(Program& p) {
    lesson::ClearLessonArea(p);
    p.XI1 = 40;
    p.YI1 = 30;
    Say(p, 3, p.XI1, p.YI1, "折れ線グラフから予想を修正しますか？");
    p.rt.SetLineWidth(3);
    SummaryTable(p, 30);
    ClassBoxPlots(p, 50);

    p.YI1 = p.GY2 + 70;
    Say(p, 3, p.XI1, p.YI1, "1組");
    p.U_a(1) = p.X;
    p.V_a(1) = p.Y;
    for (int k = 2; k <= 4; ++k) {
        Say(p, 3, p.XI1, p.YI1 + 50, Text(std::to_string(k) + "組"));
        Say(p, 0, p.XI2, p.YI1, kReasons[static_cast<std::size_t>(k - 2)]);
    }
    WaitAnyKey(p);

    Say(p, 7, p.XI1, p.YI1 + 50, "折れ線グラフから");
    Say(p, 0, p.XI2, p.YI1, " 1組の記録が最も伸びてきている。");
    WaitAnyKey(p);

    Say(p, 7, p.U_a(1), p.V_a(1), " 後半だけでは、箱が右に小さくなり、");
    Say(p, 7, p.XI2 - 150, p.YI1 + 60, "中央値も大きくなりそう");
}

}  // namespace tallyview
