#include "lessonlib/charts/box_plot.h"
#include "lessonlib/shell/key_wait.h"
#include "Tallyview/ch2_box_plots/box_plots.h"
#include "Tallyview/ch2_box_plots/snack_series.h"
#include "Tallyview/sales_data.h"
#include "lessonlib/text/screen_text.h"

namespace tallyview {

using lesson::WaitAnyKey;

// The working lines quote the values of the table; the table, the scale and
// the box plot are drawn from the sorted data and its summary.
void BoxPlotExampleScreen(Program& p) {
    ClearLessonArea(p);
    p.XI0 = 40;
    p.XI1 = p.XI0 + 30;
    p.YI1 = 30;
    Say(p, 7, p.XI0, p.YI1, "例 ");
    Say(p, 3, p.XI2, p.YI1, "花見期間(平日)の箱ひげ図をかこう。");
    WaitAnyKey(p);

    LoadSnackSales(p);
    SummarizeSeries(p, kViewingWeekdays);
    CountSnackClasses(p);
    DrawSortedValues(p, kViewingWeekdayValues);
    WaitAnyKey(p);

    Say(p, 3, p.XI0, p.YI1 + 50, "①第2四分位数");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "中央値だから");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "25番目の値で");
    Say(p, 3, p.XI2, p.YI1, "69(個)");
    WaitAnyKey(p);

    Say(p, 3, p.XI0, p.YI1 + 50, "②第1四分位数");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "1～24番までの中央値だから");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "(57+58)/2=115/2=");
    Say(p, 3, p.XI2, p.YI1, "57.5(個)");
    WaitAnyKey(p);

    Say(p, 3, p.XI0, p.YI1 + 50, "③第3四分位数");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "26～49番までの中央値だから");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "(78+79)/2=157/2=");
    Say(p, 3, p.XI2, p.YI1, "78.5(個)");
    WaitAnyKey(p);

    Say(p, 3, p.XI0, p.YI1 + 50, "④四分位範囲");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "78.5-57.5=");
    Say(p, 3, p.XI2, p.YI1, "21(個)");
    WaitAnyKey(p);

    Say(p, 3, p.XI0, p.YI1 + 50, "⑤箱ひげ図");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 30, p.YI1, "最小値が");
    Say(p, 3, p.XI2, p.YI1, "41個");
    Say(p, 0, p.XI2, p.YI1, "、最大値が");
    Say(p, 3, p.XI2, p.YI1, "96個");
    Say(p, 0, p.XI2 + 30, p.YI1, "だから");
    WaitAnyKey(p);

    // The scale first, the box plot (without the mean mark) a key later.
    p.GGX = p.XI1 + 40;
    p.GY3 = p.YI1 + 100;
    p.CCC2 = 3;
    p.HEI = -1;
    p.YOKO = p.XKOSU;
    p.SIZEX = 80;
    p.TANIX = 10;
    p.SIZEY = 50;
    p.TANI_s = "(個)";
    lesson::DrawBoxPlotScale(p);
    WaitAnyKey(p);
    lesson::DrawBoxPlot(p);
}

}  // namespace tallyview
