#include "Tallyview/ch4_distribution_trends/distribution_trends.h"

#include <vector>

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/screen_text.h"

namespace tallyview {

using lesson::Text;
using lesson::WaitAnyKey;

void DistributionTrendChapter(Program& p) {
    ShowDistributionTrendAim(p);
    DistributionTrendMenu(p);
}

void ShowDistributionTrendAim(Program& p) {
    ClearPlane(p);
    p.XI1 = 44;
    p.YI1 = 240;
    Say(p, 3, p.XI1, p.YI1, "<めあて>");
    Say(p, 0, p.XI1, p.YI1 + 65, "箱ひげ図を用いて、データ分布の傾向を比較して判断しよう。");
}

void DistributionTrendMenu(Program& p) {
    static const std::vector<ItemScreen> items = {SalesProblemScreen,   SnackTrendScreen,     TeaTrendScreen,
                                                  SodaTrendScreen,      ChocolateTrendScreen, TrendJudgementScreen};
    lesson::RunSubMenu(p, "①P184Q　②スナック菓子　③茶系飲料　④炭酸飲料　⑤チョコレート　⑥判断　⑦終了", items,
                       10.0f);
}

namespace {

// A collection period as a two-line cell, 160 x 90, at column `column` of
// row 1: the period's name over "2週間".
void PeriodCell(Program& p, float column, float fill, const Text& period) {
    p.X = p.X_a(column);
    p.Y = p.Y_a(1);
    p.HABA = 160;
    p.TATE = 90;
    p.CCC1 = 0;
    p.CCC2 = 3;
    p.CCC3 = fill;
    p.A1_s = period;
    p.A2_s = "2週間";
    lesson::DrawFormulaCell2(p);
}

}  // namespace

void SalesProblemScreen(Program& p) {
    ClearPlane(p);
    p.XI0 = 30;
    p.YI1 = 20;
    p.rt.SetLineWidth(3);
    Say(p, 3, p.XI0, p.YI1, "箱ひげ図を用いて、各商品の販売数の傾向を調べよう。");
    WaitAnyKey(p);
    Say(p, 0, p.XI0, p.YI1 + 70, "ある桜の名所の近くにオープンしたコンビニの店長は、");
    Say(p, 0, p.XI0, p.YI1 + 50, "花見の時期によく売れる商品を調べたいと考えている。");
    WaitAnyKey(p);
    Say(p, 7, p.XI0, p.YI1 + 70, "A店の過去5年分の販売数");
    Say(p, 3, p.XI0, p.YI1 + 50, "収集期間");
    p.X_a(1) = p.XI2 + 20;
    p.X_a(2) = p.X_a(1) + 160;
    p.Y_a(1) = p.YI1;
    PeriodCell(p, 1, 11, "直前期間");
    PeriodCell(p, 2, 13, "花見期間");
    WaitAnyKey(p);
    Say(p, 3, p.XI0, p.YI1 + 100, "種類…");
    Say(p, 0, p.XI2, p.YI1, "茶系飲料,炭酸飲料,スナック菓子,チョコレート");
    WaitAnyKey(p);
    Say(p, 7, p.XI0, p.YI1 + 70, "この4種類それぞれについて、販売数の傾向を調べよう。");
}

void TrendJudgementScreen(Program& p) {
    ClearPlane(p);
    p.XI0 = 30;
    p.XI1 = p.XI0 + 27;
    p.YI1 = 20;
    p.rt.SetLineWidth(3);
    Say(p, 3, p.XI0, p.YI1, "箱ひげ図を用いて、各商品の販売数の傾向を調べよう。");
    Say(p, 0, p.XI0, p.YI1 + 60, "ある桜の名所の近くにオープンしたコンビニの店長は、");
    Say(p, 0, p.XI0, p.YI1 + 50, "花見の時期によく売れる商品を調べたいと考えている。");
    Say(p, 3, p.XI0, p.YI1 + 60, "種類…");
    Say(p, 0, p.XI2, p.YI1, "茶系飲料,炭酸飲料,スナック菓子,チョコレート");
    WaitAnyKey(p);
    Say(p, 7, p.XI0, p.YI1 + 70, "Q 花見の時期にどの商品がよく売れていましたか?");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "スナック菓子と炭酸飲料は、平日、休日にかかわらずよく売れていた。");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "特に、スナック菓子は花見期間の休日によく売れていた。");
    WaitAnyKey(p);
    Say(p, 7, p.XI0, p.YI1 + 70, "Q 店長へのアドバイスは?");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "スナック菓子はよく売れるので、仕入れを増やすとよい。");
}

}  // namespace tallyview
