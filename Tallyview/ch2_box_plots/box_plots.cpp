#include "Tallyview/ch2_box_plots/box_plots.h"

#include <vector>

#include "lessonlib/charts/box_plot.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/prompts.h"
#include "Tallyview/ch2_box_plots/snack_series.h"
#include "Tallyview/sales_data.h"
#include "lessonlib/text/screen_text.h"

namespace tallyview {

using lesson::WaitAnyKey;

void InterquartileBoxPlotChapter(Program& p) {
    ShowInterquartileBoxPlotAim(p);
    InterquartileBoxPlotMenu(p);
}

void ShowInterquartileBoxPlotAim(Program& p) {
    ClearPlane(p);
    p.XI1 = 44;
    p.YI1 = 240;
    Say(p, 3, p.XI1, p.YI1, "<めあて>");
    Say(p, 0, p.XI1, p.YI1 + 65, "複数のデータの分布を比較する方法を考えよう。");
}

void InterquartileBoxPlotMenu(Program& p) {
    static const std::vector<ItemScreen> items = {
        BoxPlotIntroScreen, BoxPlotExampleScreen, CompleteSummaryTableScreen, CompleteBoxPlotsScreen};
    lesson::RunSubMenu(p, "①箱ひげ図　②例　③表完成　④図完成　⑤終了", items, 10.0f);
}

void BoxPlotIntroScreen(Program& p) {
    ClearLessonArea(p);
    p.XI1 = 40;
    p.YI1 = 30;
    Say(p, 5, p.XI1, p.YI1, "箱ひげ図");
    WaitAnyKey(p);

    LoadSnackSales(p);
    SummarizeSeries(p, kViewingWeekdays);
    CountSnackClasses(p);

    // The box plot with its mean mark, and its scale; the labels below are
    // placed by the positions GS1..GS5 and the scale line GY4 it leaves.
    p.GGX = 240;
    p.GY3 = 100;
    p.CCC2 = 3;
    p.HEI = 1;
    p.YOKO = p.XKOSU;
    p.YOKO1X = 30;
    p.SIZEX = 80;
    p.TANIX = 10;
    p.SIZEY = 50;
    lesson::DrawBoxPlot(p);
    p.TANI_s = "(個)";
    lesson::DrawBoxPlotScale(p);
    WaitAnyKey(p);

    Put(p, 0, p.GS2, p.YI1, "箱");
    WaitAnyKey(p);
    Put(p, 0, p.GS1, 30, "ひげ");
    Put(p, 0, p.GS4 + 40, 30, "ひげ");
    WaitAnyKey(p);
    Put(p, 3, p.GS1 - 80, p.GY4 + 40, "最小値");
    WaitAnyKey(p);
    Put(p, 3, p.GS5 - 32, p.GY4 + 40, "最大値");
    WaitAnyKey(p);

    p.YI1 = p.GY4 + 90;
    Say(p, 3, p.XI1, p.YI1 + 50, "四分位数");
    Say(p, 0, p.XI2, p.YI1, "…データを4等分したときの区切りの値");
    WaitAnyKey(p);
    Put(p, 3, p.GS2 - 18, p.GY4 + 40, "①");
    WaitAnyKey(p);
    Put(p, 3, p.GS3 - 18, p.GY4 + 40, "②");
    WaitAnyKey(p);
    Put(p, 3, p.GS4 - 18, p.GY4 + 40, "③");
    WaitAnyKey(p);
    Put(p, 7, p.XI1, p.GY4 + 90, "①第1四分位数,②第2四分位数　　　　　,③第3四分位数");
    WaitAnyKey(p);
    Put(p, 3, p.GS3 - 80, p.GY4 + 90, "=中央値");
    WaitAnyKey(p);

    Say(p, 3, p.XI1, p.YI1 + 50, "四分位範囲");
    Say(p, 0, p.XI2, p.YI1, "…箱の横の長さ");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "で、約半数のデータをふくむ");
    WaitAnyKey(p);
    Say(p, 7, p.XI1, p.YI1 + 50, "(四分位範囲)=(第3四分位数)-(第1四分位数)");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "(範囲)=(最大値)-(最小値)");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 90, "平均値の位置を表すこともある(+");
    Say(p, 3, p.XI2, p.YI1, "が平均値");
    Say(p, 0, p.XI2, p.YI1, ")");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "箱ひげ図を縦にかくこともある");
    lesson::DrawBoxPlotVertical(p);
}

}  // namespace tallyview
