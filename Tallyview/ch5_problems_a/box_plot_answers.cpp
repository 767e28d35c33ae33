#include <array>

#include "lessonlib/charts/box_plot.h"
#include "lessonlib/charts/histogram_bars.h"
#include "lessonlib/charts/histogram_frame.h"
#include "lessonlib/charts/number_label.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/text/screen_text.h"
#include "Tallyview/ch5_problems_a/problems_a.h"

namespace tallyview {

using lesson::Text;
using lesson::WaitAnyKey;

namespace {

using Summary = std::array<float, 5>;

// HH(1..5) = the literal summary; the box plot on row `row` of the frame
// whose top GY1 and row step AIDA are set, without the mean mark.
void LiteralBoxPlot(Program& p, const Summary& summary, float row, float tanix) {
    lesson::CountedLoop(p.II, 1, 5, [&] { p.HH_a(p.II) = summary[static_cast<std::size_t>(p.II - 1)]; });
    p.GY3 = p.GY1 + p.AIDA * row;
    p.CCC2 = 3;
    p.HEI = -1;
    p.TANIX = tanix;
    p.SIZEY = 40;
    lesson::DrawBoxPlot(p);
}

void ClearLabels(lesson::Array1<Text>& labels, float first, float last) {
    for (float k = first; k <= last; ++k) labels(k) = Text();
}

}  // namespace

void ProblemsAAnswer2Screen(Program& p) {
    ClearPlane(p);
    p.XI0 = 40;
    p.XI1 = p.XI0 + 81;
    p.YI1 = 30;
    ProblemsATitle(p, "2");

    // The histogram from its literal counts. It has no class labels: the
    // ones an earlier screen left would not belong to these counts.
    p.U_a(1) = p.XI1 + 40;
    p.V_a(1) = 200;
    static constexpr std::array<float, 9> kCounts = {0, 1, 1, 2, 3, 3, 6, 5, 0};
    lesson::CountedLoop(p.II, 1, 9, [&] { p.Y_a(p.II) = kCounts[static_cast<std::size_t>(p.II - 1)]; });
    ClearLabels(p.Y_sa, 0, 9);
    ClearLabels(p.X_sa, 0, 9);
    p.GGX = p.U_a(1);
    p.GGY = p.V_a(1);
    p.YOKO = 9;
    p.YOKO1X = 1;
    p.TATE = 8;
    p.CCC4 = 11;
    p.SIZEX = 30;
    p.SIZEY = 30;
    p.YTANI = 1;
    lesson::DrawHistogramFrame(p);
    lesson::DrawHistogramBars(p);
    lesson::DrawHistogramGrid(p);

    // The three box plots on a frame of their own, ア at the top.
    p.U_a(2) = p.GX2 + 100;
    p.V_a(2) = p.V_a(1);
    ClearLabels(p.X_sa, 0, 9);
    p.Y_sa(1) = "ウ";
    p.Y_sa(2) = "イ";
    p.Y_sa(3) = "ア";
    ClearLabels(p.Y_sa, 4, 5);
    p.Y_sa(0) = Text();
    p.GGX = p.U_a(2);
    p.GGY = p.V_a(2);
    p.YOKO = 9;
    p.TATE = 4;
    p.SIZEX = 30;
    p.SIZEY = 60;
    lesson::DrawHistogramFrame(p);
    p.AIDA = p.SIZEY;
    const Summary plots[] = {{10, 19.5f, 28, 46, 79}, {10, 43, 61, 69.5f, 79}, {10, 31.25f, 44.5f, 57.75f, 79}};
    for (float row = 1; row <= 3; ++row) {
        p.GGX = p.U_a(2);
        p.YOKO = 9;
        p.SIZEX = 30;
        LiteralBoxPlot(p, plots[static_cast<std::size_t>(row - 1)], row, 10);
    }
    WaitAnyKey(p);

    Say(p, 3, p.XI1, p.YI1 + 70, "左にゆがんだ分布 ");
    Say(p, 0, p.XI2, p.YI1, "だから ");
    Say(p, 5, p.XI2, p.YI1, "イ");
}

void ProblemsAAnswer3Screen(Program& p) {
    ClearPlane(p);
    p.XI0 = 40;
    p.XI1 = p.XI0 + 27;
    p.YI1 = 30;
    ProblemsATitle(p, "3");

    // The score scale: grid line s stands for s points, the unit at line 11.
    p.U_a(2) = 720;
    p.V_a(2) = 50;
    for (float s = 1; s <= 10; ++s) p.X_sa(s) = lesson::NumberLabel(p, s);
    p.X_sa(0) = "(点)";
    p.Y_sa(1) = "2班";
    p.Y_sa(2) = "1班";
    ClearLabels(p.Y_sa, 3, 5);
    p.Y_sa(0) = Text();
    p.GGX = p.U_a(2);
    p.GGY = p.V_a(2);
    p.YOKO = 11;
    p.YOKO1X = 1;
    p.TATE = 3;
    p.SIZEX = 40;
    p.SIZEY = 60;
    lesson::DrawHistogramFrame(p);
    p.AIDA = p.SIZEY;
    for (const auto& [summary, row] : {std::pair{Summary{3, 5, 7, 8, 10}, 1.0f}, std::pair{Summary{1, 3, 5, 7, 8}, 2.0f}}) {
        p.GGX = p.U_a(2);
        p.YOKO = 11;
        p.SIZEX = 40;
        LiteralBoxPlot(p, summary, row, 1);
    }
    WaitAnyKey(p);

    Say(p, 7, p.XI0, p.YI1 + 60, "ア");
    Say(p, 3, p.XI1, p.YI1, "1班の四分位範囲は");
    Say(p, 0, p.XI2, p.YI1, " 8-5=");
    Say(p, 3, p.XI2, p.YI1, "3(点)");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "2班の四分位範囲は");
    Say(p, 0, p.XI2, p.YI1, " 7-3=");
    Say(p, 3, p.XI2, p.YI1, "4(点)");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "したがって　");
    Say(p, 5, p.XI2, p.YI1, "正しい");
    WaitAnyKey(p);

    Say(p, 7, p.XI0, p.YI1 + 60, "イ");
    Say(p, 3, p.XI1, p.YI1, "1班の第1四分位数は5点");
    Say(p, 0, p.XI2, p.YI1, "で、5番目と");
    Say(p, 0, p.XI1, p.YI1 + 50, "6番目の平均 だから");
    Say(p, 3, p.XI2, p.YI1, "5点以上は15人");
    WaitAnyKey(p);
    Say(p, 3, p.XI2 + 80, p.YI1, "2班の中央値は5点");
    Say(p, 0, p.XI1, p.YI1 + 50, "で、10番目と11番目の平均 だから ");
    Say(p, 3, p.XI2, p.YI1, "5点以上が10人");
    Say(p, 5, p.XI2, p.YI1, " 正しい");
    WaitAnyKey(p);

    Say(p, 7, p.XI0, p.YI1 + 60, "ウ");
    Say(p, 3, p.XI1, p.YI1, "1班の範囲は");
    Say(p, 0, p.XI2, p.YI1, " 10-3=7　で");
    Say(p, 3, p.XI2, p.YI1, "7点");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "2班の範囲は");
    Say(p, 0, p.XI2, p.YI1, " 8-1=7　で");
    Say(p, 3, p.XI2, p.YI1, "7点");
    Say(p, 5, p.XI2, p.YI1, " 正しい");
    WaitAnyKey(p);

    Say(p, 7, p.XI0, p.YI1 + 60, "エ");
    Say(p, 3, p.XI1, p.YI1, "1班の第3四分位数は8点、");
    Say(p, 3, p.XI2, p.YI1, "2班の最大値は8点");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "だが、第3四分位数は15番目と16番目の平均 だから ");
    Say(p, 5, p.XI2, p.YI1, "正しくない");
}

}  // namespace tallyview
