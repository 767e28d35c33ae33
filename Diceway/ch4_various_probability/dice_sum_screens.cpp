#include "Diceway/ch4_various_probability/dice_screen_parts.h"
#include "Diceway/ch4_various_probability/various_probability.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::WaitAnyKey;

void DiceSumFiveScreen(Program& p) {
    BeginDiceScreen(p);
    Say(p, 7, p.XI1, p.YI1, "Q ");
    Say(p, 3, p.XI2, p.YI1, "大小2つのさいころを投げるとき、出た目の数の和が5となる確率は？");
    WaitAnyKey(p);
    DiceTableAt(p, 480, 250);
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で、");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "36通り");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "あり、どの場合が起こることも");
    Say(p, 0, p.XI1, p.YI1 + 50, "同様に確からしい。このうち、出た目の数の和が5となるのは");
    WaitAnyKey(p);
    RecolourDiceTable(p, SumFiveColours);
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "(1,4),(2,3),(3,2),(4,1)　");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "の");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "4通り");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "あるから、");
    Say(p, 0, p.XI1, p.YI1 + 70, "求める確率は ");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "ﾀ4/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/9ﾀ");
}

void MostLikelySumScreen(Program& p) {
    BeginDiceScreen(p);
    Say(p, 7, p.XI1, p.YI1, "Q ");
    Say(p, 3, p.XI2, p.YI1, "出た目の数の和がいくつになる確率が最も大きい？");
    DiceTableAt(p, 200, 300);
    WaitAnyKey(p);
    RecolourDiceTable(p, SumBandColours, true);
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "和が2と12(1通り),和が3と11(2通り),和が4と10(3通り),");
    Say(p, 0, p.XI1, p.YI1 + 50, "和が5と9(4通り),和が6と8(5通り),和が7(6通り) だから");
    Say(p, 5, p.XI2 + 20, p.YI1, "7");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 70, "起こりうる場合は全部で36通りだから、確率は　");
    Say(p, 0, p.XI2, p.YI1, "ﾀ6/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/6ﾀ");
}

void SumNotFiveScreen(Program& p) {
    BeginDiceScreen(p);
    Say(p, 7, p.XI1, p.YI1, "Q ");
    Say(p, 3, p.XI2, p.YI1, "出た目の数の和が5にならない確率は？");
    DiceTableAt(p, 400, 250);
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で、");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "36通り");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "あり、どの場合が起こることも");
    Say(p, 0, p.XI1, p.YI1 + 50, "同様に確からしい。このうち、出た目の数の和が5とならないは");
    RecolourDiceTable(p, SumFiveColours);
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "36-4=32");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "の");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "32通り");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "あるから、求める確率は");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 39, p.YI1, "ﾀ32/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ8/9ﾀ");
    WaitAnyKey(p);
    Say(p, 7, p.XI1, p.YI1 + 50, "次の計算は？");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 70, "ﾀ36/36ﾀ-ﾀ4/36ﾀ=ﾀ32/36ﾀ");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 70, "1-ﾀ4/36ﾀ=ﾀ32/36ﾀ");
    WaitAnyKey(p);
    // The table goes, with everything right of and below its corner; the
    // last line then continues where the table stood.
    p.rt.FilledBox(p.X_a(0), p.Y_a(0), p.X_a(0) + 1600, p.Y_a(0) + 1800, 15, 15);
    WaitAnyKey(p);
    Say(p, 3, p.XI2 + 50, p.YI1, "1-ﾀ1/9ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ8/9ﾀ");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 70, "(すべての場合の確率)-(和が5になる確率)=(和が5にならない確率)");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.YI1 + 60, "(Aの起こらない確率)=1-(Aの起こる確率)");
    WaitAnyKey(p);
    Say(p, 7, p.XI1, p.YI1 + 60, "和が5にならない確率=1-ﾀ1/9ﾀ=ﾀ8/9ﾀ と計算できる");
}

}  // namespace diceway
