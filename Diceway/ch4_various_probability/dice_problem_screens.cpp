#include "Diceway/ch4_various_probability/dice_screen_parts.h"
#include "Diceway/ch4_various_probability/various_probability.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::WaitAnyKey;

void MakeDiceProblemsScreen(Program& p) {
    BeginDiceScreen(p);
    Say(p, 7, p.XI1, p.YI1, "Q ");
    Say(p, 3, p.XI2, p.YI1, "出た目の数について、確率の問題をつくり、答を求めよう。");
    DiceTableAt(p, 400, 250);
    WaitAnyKey(p);

    Say(p, 3, p.XI1, p.YI1 + 50, "①");
    Say(p, 0, p.XI2, p.YI1, "同じになる確率は?");
    WaitAnyKey(p);
    Say(p, 3, p.XI2 + 30, p.YI1, "②");
    Say(p, 0, p.XI2, p.YI1, "同じにならない確率は?");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "③");
    Say(p, 0, p.XI2, p.YI1, "和が偶数になる確率は?");
    WaitAnyKey(p);
    Say(p, 3, p.XI2 + 30, p.YI1, "④");
    Say(p, 0, p.XI2, p.YI1, "和が奇数になる確率は?");
    WaitAnyKey(p);

    const struct { const char* number; const char* working; const char* answer; } answers[] = {
        {"①", "ﾀ6/36ﾀ=", "ﾀ1/6ﾀ"}, {"②", "1-ﾀ1/6ﾀ=", "ﾀ5/6ﾀ"},
        {"③", "ﾀ18/36ﾀ=", "ﾀ1/2ﾀ"}, {"④", "1-ﾀ1/2ﾀ=", "ﾀ1/2ﾀ"}};
    for (const auto& a : answers) {
        Say(p, 3, p.XI1, p.YI1 + 70, a.number);
        Say(p, 0, p.XI2, p.YI1, a.working);
        Say(p, 5, p.XI2, p.YI1, a.answer);
        WaitAnyKey(p);
    }
    Say(p, 7, 240, 610, "教科書P169 問1　をしなさい。");
}

void ProductEvenScreen(Program& p) {
    BeginDiceScreen(p);
    Say(p, 7, p.XI1, p.YI1, "問1 ");
    Say(p, 0, p.XI2, p.YI1, "出た目の数の積が偶数になる確率を求めよう。");
    DiceTableAt(p, 480, 290);
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "「少なくとも1つは偶数」");
    Say(p, 0, p.XI2, p.YI1, "であればよく、");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "(偶数,偶数),(偶数,奇数),");
    Say(p, 3, p.XI1, p.YI1 + 50, "(奇数,偶数)");
    Say(p, 0, p.XI2, p.YI1, "の場合だから、");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "「少なくとも1つは偶数」とならないのは");
    Say(p, 7, p.XI1, p.YI1 + 50, "(奇数,奇数)の場合である。");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "よって、");
    Say(p, 5, p.XI2, p.YI1, "1-(両方奇数である確率)");
    Say(p, 0, p.XI2, p.YI1, "で求める。");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で、");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "36通り");
    Say(p, 0, p.XI2, p.YI1, "あり、どの場合が起こることも同様に");
    Say(p, 0, p.XI1, p.YI1 + 50, "確からしい。このうち、");
    Say(p, 0, p.XI1, p.YI1 + 50, "(奇数,奇数)の場合は");
    WaitAnyKey(p);
    RecolourDiceTable(p, BothOddColours);
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.YI1 + 50, "9通り");
    Say(p, 0, p.XI2, p.YI1, " だから");
    Say(p, 0, p.XI1, p.YI1 + 50, "求める確率は");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 70, "1-ﾀ9/36ﾀ=");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "ﾀ27/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ3/4ﾀ");
}

}  // namespace diceway
