#include <array>

#include "lessonlib/charts/histogram_bars.h"
#include "lessonlib/charts/histogram_classes.h"
#include "lessonlib/charts/histogram_frame.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/text/plain_text.h"
#include "Tallyview/ch1_problem_scene/problem_scene.h"
#include "Tallyview/sales_data.h"
#include "lessonlib/text/screen_text.h"

namespace tallyview {

using lesson::Text;
using lesson::WaitAnyKey;

namespace {

// T(after + i) = series(i) for i = 1..count.
void CopySeries(Program& p, lesson::Array1<float>& series, float count, float after) {
    lesson::CountedLoop(p.II, 1, count, [&] { p.T_a(after + p.II) = series(p.II); });
}

void SetClasses(Program& p, float tate1y, float ytani, float ymax) {
    p.YOKO1X = 30;
    p.XTANI = 10;
    p.XMAX = 130;
    p.TATE1Y = tate1y;
    p.YTANI = ytani;
    p.YMAX = ymax;
}

// Y(i) = F(offset + i), or F(offset + i) = Y(i), for the ten classes.
void CountsToY(Program& p, float offset) {
    lesson::CountedLoop(p.II, 1, 10, [&] { p.Y_a(p.II) = p.F_a(offset + p.II); });
}
void CountsFromY(Program& p, float offset) {
    lesson::CountedLoop(p.II, 1, 10, [&] { p.F_a(offset + p.II) = p.Y_a(p.II); });
}

void Chart(Program& p, float origin, float colour, float sizeX, float sizeY) {
    p.GGX = p.U_a(origin);
    p.GGY = p.V_a(origin);
    p.CCC4 = colour;
    p.SIZEX = sizeX;
    p.SIZEY = sizeY;
}

// Frame, bars and grid of the large chart with the counts kept at F(offset+1..).
void LargeHistogram(Program& p, float offset, float colour) {
    CountsToY(p, offset);
    Chart(p, 1, colour, 80, 80);
    lesson::DrawHistogramFrame(p);
    lesson::DrawHistogramBars(p);
    lesson::DrawHistogramGrid(p);
}

// The two frequency polygons: viewing season (7) first, then before it (3).
void BothPolygons(Program& p) {
    CountsToY(p, 0);
    Chart(p, 1, 7, 80, 80);
    lesson::DrawFrequencyPolygon(p);
    CountsToY(p, 10);
    Chart(p, 1, 3, 80, 80);
    lesson::DrawFrequencyPolygon(p);
}

}  // namespace

void SalesHistogramsScreen(Program& p) {
    ClearPlane(p);
    p.XI1 = 40;
    p.YI1 = 15;
    LoadSnackSales(p);

    // Class counts of the two periods, weekdays and holidays together.
    CopySeries(p, p.H2_a, p.H2, 0);
    CopySeries(p, p.H4_a, p.H4, p.H2);
    p.DOSU = p.H2 + p.H4;
    SetClasses(p, 5, 5, 20);
    lesson::CountHistogramClasses(p);
    CountsFromY(p, 0);
    CopySeries(p, p.H1_a, p.H1, 0);
    CopySeries(p, p.H3_a, p.H3, p.H1);
    p.DOSU = p.H1 + p.H3;
    lesson::CountHistogramClasses(p);
    CountsFromY(p, 10);

    p.U_a(1) = p.XI1 + 100;
    p.V_a(1) = p.YI1 + 100;
    p.X_sa(0) = "(個)";
    p.Y_sa(0) = "(日)";
    Chart(p, 1, 7, 80, 80);
    lesson::DrawHistogramFrame(p);
    Say(p, 5, p.XI1 + 240, p.YI1, "スナック菓子の販売数");
    Say(p, 3, p.GX1 + 50, p.YI1 + 50, "■直前期間");
    Say(p, 7, p.XI2 + 50, p.YI1, "■花見期間");
    WaitAnyKey(p);
    LargeHistogram(p, 10, 3);
    WaitAnyKey(p);
    LargeHistogram(p, 0, 7);
    WaitAnyKey(p);
    BothPolygons(p);
    WaitAnyKey(p);
    p.rt.FilledBox(p.GX1, p.GY1, p.GX2, p.GY2, 15, 15);
    lesson::DrawHistogramGrid(p);
    BothPolygons(p);
    WaitAnyKey(p);

    Say(p, 0, p.XI1, p.GY2 + 70, "①花見期間の方が販売数が多い。");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "②直前期間ではグラフが1つだけ右のはなれたところにある。");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "③平日と休日のちがいがわからない。");
    WaitAnyKey(p);

    // One small histogram per series, on the same scales.
    ClearPlane(p);
    struct Small {
        lesson::Array1<float>* series;
        float count;
        const char* label;
    };
    const std::array<Small, 4> charts = {{
        {&p.H2_a, p.H2, "花見期間(平日)"},
        {&p.H4_a, p.H4, "花見期間(休日)"},
        {&p.H1_a, p.H1, "直前期間(平日)"},
        {&p.H3_a, p.H3, "直前期間(休日)"},
    }};
    for (std::size_t k = 1; k <= charts.size(); ++k) {
        const Small& c = charts[k - 1];
        const float n = static_cast<float>(k);
        switch (k) {
            case 1: p.U_a(1) = p.XI1 + 100; p.V_a(1) = 50; break;
            case 2: p.U_a(2) = p.GX2 + 100; p.V_a(2) = p.V_a(1); break;
            case 3: p.U_a(3) = p.U_a(1); p.V_a(3) = p.GY2 + 100; break;
            default: p.U_a(4) = p.U_a(2); p.V_a(4) = p.V_a(3); break;
        }
        p.DOSU = c.count;
        CopySeries(p, *c.series, c.count, 0);
        SetClasses(p, 2, 2, 14);
        lesson::CountHistogramClasses(p);
        CountsFromY(p, 0);
        Chart(p, n, 3, 40, 30);
        lesson::DrawHistogramFrame(p);
        lesson::DrawHistogramBars(p);
        lesson::DrawHistogramGrid(p);
        p.CCC1 = 3;
        p.X = p.GX0 + 40;
        p.Y = p.GY1 - 30;
        p.AA_s = c.label;
        lesson::DrawPlainText(p);
    }
    WaitAnyKey(p);
    Say(p, 5, p.GX1 - 280, p.GY2 + 60, "複数のデータの分布を比較する方法は？");
}

}  // namespace tallyview
