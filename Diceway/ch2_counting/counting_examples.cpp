// The definition of a probability by counting, and its card examples.
#include "Diceway/ch2_counting/counting_chapter.h"

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::WaitAnyKey;

void ProbabilityDefinitionScreen(Program& p) {
    ClearLessonArea(p);
    p.XI1 = 680;
    p.YI1 = 30;
    Say(p, 5, p.XI1 + 60, p.YI1, "<確率の求め方＞");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, 90, "起こる場合が全部で");
    Say(p, 3, p.XI2, p.YI1, "n");
    Say(p, 0, p.XI2, p.YI1, "通りあり、");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, 140, "そのどれが起こることも");
    Say(p, 3, p.XI1, 190, "同様に確からしい");
    Say(p, 0, p.XI2, p.YI1, "とする。");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, 240, "そのうち、ことがらAの起こる");
    Say(p, 0, p.XI1, 290, "場合が");
    Say(p, 3, p.XI2, p.YI1, "a");
    Say(p, 0, p.XI2, p.YI1, "通りであるとき、");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, 340, "ことがらAの起こる確率");
    Say(p, 3, p.XI2, p.YI1, "p");
    Say(p, 0, p.XI2, p.YI1, "は");
    Say(p, 5, p.XI1, p.YI1 + 70, "　p=ﾀa/nﾀ");
    WaitAnyKey(p);

    // The example in the left half: numbers at XI0, texts at XI1.
    p.XI0 = 40;
    p.XI1 = p.XI0 + 36;
    p.YI1 = 30;
    Say(p, 3, p.XI0, p.YI1, "例　１つのさいころを投げるとき、");
    Say(p, 3, p.XI1, 80, "奇数の目が出る確率を求めよう。");
    Say(p, 3, p.XI0, 130, "①");
    p.Y_a(1) = 180;
    Say(p, 0, p.XI1, 130, "起こりうる場合は全部で何通り?");
    Say(p, 3, p.XI0, 230, "②");
    Say(p, 0, p.XI1, 230, "どの場合が起こることも");
    Say(p, 0, p.XI1, 280, "同様に確からしいといえる?");
    p.Y_a(2) = 330;
    Say(p, 3, p.XI0, 380, "③");
    p.Y_a(3) = 430;
    Say(p, 0, p.XI1, 380, "奇数である場合は何通り?");
    Say(p, 3, p.XI0, 480, "④");
    p.Y_a(4) = 550;
    Say(p, 0, p.XI1, 480, "奇数の目が出る確率は?");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.Y_a(1), "　1,2,3,4,5,6の6通り。");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.Y_a(2), "　同様に確からしいといえる。");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.Y_a(3), "　1,3,5の3通り。");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.Y_a(4), " 　ﾀ3/6ﾀ=ﾀ1/2ﾀ");
}

namespace {

// One column of cards at X(column), the rows Y(1..) taking T$(1..count).
void DrawCardColumn(Program& p, float column, std::initializer_list<const char*> cards) {
    float k = 1;
    for (const char* card : cards) p.T_sa(k++) = card;
    lesson::CountedLoop(p.II, 1, static_cast<float>(cards.size()), [&] {
        p.X = p.X_a(column);
        p.Y = p.Y_a(p.II);
        p.A_s = p.T_sa(p.II);
        lesson::DrawFormulaCell(p);
    });
}

}  // namespace

void CardsExampleScreen(Program& p) {
    ClearLessonArea(p);
    // Ten cards in columns by their remainder on division by 3.
    p.HABA = 80;
    p.TATE = 120;
    p.CCC1 = 3;
    p.CCC2 = 0;
    p.CCC3 = 13;
    p.X_a(1) = 840;
    p.X_a(2) = 960;
    p.X_a(3) = 1080;
    p.Y_a(1) = 50;
    p.Y_a(2) = 190;
    p.Y_a(3) = 330;
    p.Y_a(4) = 470;
    DrawCardColumn(p, 1, {"1", "4", "7", "10"});
    DrawCardColumn(p, 2, {"2", "5", "8"});
    DrawCardColumn(p, 3, {"3", "6", "9"});

    p.XI1 = 38;
    p.YI1 = 30;
    Say(p, 7, p.XI1, p.YI1, "例1 ");
    Say(p, 3, p.XI2, p.YI1, "1～10を書いたカード10枚から1枚ひく");
    Say(p, 3, p.XI1, 80, " とき、数字が3の倍数である確率を求めよう。");
    Say(p, 7, p.XI1, 130, "①");
    p.Y_a(1) = 180;
    Say(p, 0, p.XI2, p.YI1, "起こりうる場合は全部で何通りですか。");
    Say(p, 7, p.XI1, 230, "②");
    p.Y_a(2) = 280;
    Say(p, 0, p.XI2, p.YI1, "どの場合が起こることも同様に確からしいですか。");
    Say(p, 7, p.XI1, 330, "③");
    p.Y_a(3) = 380;
    Say(p, 0, p.XI2, p.YI1, "数字が3の倍数である場合は何通りですか。");
    Say(p, 7, p.XI1, 450, "④");
    p.Y_a(4) = 530;
    Say(p, 0, p.XI2, p.YI1, "数字が3の倍数である確率を求めなさい。");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.Y_a(1), " 　１～10の10通り。");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.Y_a(2), " 　同様に確からしいといえる。");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.Y_a(3), " 　3,6,9の3通り。");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.Y_a(4), " 　ﾀ3/10ﾀ");
    WaitAnyKey(p);
    Say(p, 7, 160, 600, "教科書P164 問1　をしなさい。");
}

void PlayingCardsAnswerScreen(Program& p) {
    ClearLessonArea(p);
    p.XI1 = 38;
    p.YI1 = 30;
    Say(p, 3, p.XI1, p.YI1, "<教科書P164 問1　解答>");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, 80, "(1)エースである確率");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, 140, " 　ﾀ4/52ﾀ=ﾀ1/13ﾀ");
    Say(p, 0, p.XI1, 200, "(2)ジョーカーである確率");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, 260, " 　ﾀ0/52ﾀ=0");
    Say(p, 0, p.XI1, 320, "(3)ハートかダイヤかクラブか");
    Say(p, 0, p.XI1, 380, " 　スペードである確率");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, 440, " 　ﾀ52/52ﾀ=1");
    WaitAnyKey(p);

    p.XI1 = 570;
    p.YI1 = 30;
    Say(p, 5, p.XI1, p.YI1, "<確率が 0 とは>");
    Say(p, 3, p.XI1 + 38, 80, "決して起こらない");
    Say(p, 0, p.XI2, p.YI1, " 問1(2)");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, 150, "<確率が 1 とは>");
    Say(p, 3, p.XI1 + 38, 200, "かならず起こる");
    Say(p, 0, p.XI2, p.YI1, " 問1(3)");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, 270, "<確率pの 範囲は>");
    Say(p, 5, p.XI1 + 38, 320, "0≦p≦1");
}

}  // namespace diceway
