#include "Diceway/ch2_counting/counting_chapter.h"

#include <vector>

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/number_texts.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::WaitAnyKey;

void CountingChapter(Program& p) {
    ShowCountingAim(p);
    CountingMenu(p);
}

void ShowCountingAim(Program& p) {
    ClearPlane(p);
    p.XI1 = 44;
    p.YI1 = 240;
    Say(p, 3, p.XI1, p.YI1, "<めあて>");
    Say(p, 0, p.XI1, p.YI1 + 65, "確率を相対度数ではなく、場合の数を使って求めてみよう。");
}

void CountingMenu(Program& p) {
    static const std::vector<ItemScreen> items = {EquallyLikelyScreen, ProbabilityDefinitionScreen,
                                                  CardsExampleScreen, PlayingCardsAnswerScreen};
    lesson::RunSubMenu(p, "①P162Q　②確率の求め方　③例１　④問１　⑤終了", items, 10.0f);
}

void EquallyLikelyScreen(Program& p) {
    ClearLessonArea(p);
    p.XI1 = 38;
    p.YI1 = 30;
    Say(p, 3, p.XI1, p.YI1, "問　１つのさいころを投げるとき、");
    // Each question keeps the line its answer will take.
    Say(p, 0, p.XI1, p.YI1 + 50, "①目の出かたは何通りありますか。");
    p.Y_a(1) = p.YI1 + 50;
    Say(p, 0, p.XI1, p.YI1 + 100, "②どの目が出ることも同じ程度ですか。");
    p.Y_a(2) = p.YI1 + 50;
    Say(p, 0, p.XI1, p.YI1 + 100, "③１の目が出る場合は何通りですか。");
    p.Y_a(3) = p.YI1 + 50;
    Say(p, 0, p.XI1, p.YI1 + 120, "④ ");
    p.Y_a(4) = p.YI1 + 80;
    Say(p, 3, p.XI2, p.YI1, "ﾀ③の場合の数/①の場合の数ﾀ");
    Say(p, 0, p.XI2, p.YI1, " を求めなさい。");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.Y_a(1), " 　1,2,3,4,5,6の6通り。");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.Y_a(2), " 　同じ程度である。");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.Y_a(3), " 　1通り。");
    WaitAnyKey(p);

    // The decimal of 1/6 as the number-to-text rule writes it, with the
    // zero it leaves out put in front.
    p.T_a(1) = 1.0f / 6.0f;
    lesson::NumbersToStrings(p);
    p.T_sa(1) = lesson::Text("0") + p.T_sa(1);
    Say(p, 5, p.XI1, p.Y_a(4), lesson::Text(" 　ﾀ1/6ﾀ (約") + p.T_sa(1) + lesson::Text(")"));
    // The die stands 20 right of the decimal line.
    p.U_a(1) = p.X + 20;
    p.V_a(1) = 480;
    WaitAnyKey(p);

    p.XI1 = 646;
    p.YI1 = 30;
    Say(p, 5, p.XI1, p.YI1, "<同様に確からしい＞");
    Say(p, 0, p.XI1, p.YI1 + 50, "１つのさいころを投げるとき、どの目");
    Say(p, 0, p.XI1, p.YI1 + 50, "が出ることも同じ程度である。");
    Say(p, 0, p.XI1, p.YI1 + 50, "このようなとき、どの目が出ることも");
    Say(p, 5, p.XI1, p.YI1 + 50, "同様に確からしい");
    Say(p, 0, p.XI2, p.YI1, "という。");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 70, "Q ");
    Say(p, 0, p.XI2, p.YI1, "図のようなさいころでも、");
    Say(p, 0, p.XI1 + 27, p.YI1 + 70, "1の目が出る確率はﾀ1/6ﾀですか。");
    DrawIrregularDie(p);
    WaitAnyKey(p);
    Say(p, 5, p.XI1 + 27, p.YI1 + 70, "違う ");
    WaitAnyKey(p);
    Say(p, 0, p.XI2 + 60, p.YI1, "どうして?");
    WaitAnyKey(p);
    Say(p, 3, p.XI1 + 27, p.YI1 + 50, "どの目が出ることも");
    Say(p, 5, p.XI1 + 27, p.YI1 + 50, "同様に確からしい");
    Say(p, 3, p.XI1 + 27, p.YI1 + 50, "といえないから。");
}

}  // namespace diceway
