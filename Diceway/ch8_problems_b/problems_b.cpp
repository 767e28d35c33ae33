#include "Diceway/ch8_problems_b/problems_b.h"

#include <vector>

#include "Diceway/answer_frame.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::Say;
using lesson::WaitAnyKey;

void ProbabilityProblemsB(Program& p) { ProbabilityProblemsBMenu(p); }

void ProbabilityProblemsBMenu(Program& p) {
    static const std::vector<ItemScreen> items = {ProblemsB1aScreen,  ProblemsB1bScreen,
                                                  ProblemsB2abScreen, ProblemsB2cScreen,
                                                  ProblemsB3abScreen, ProblemsB3cScreen};
    lesson::RunSubMenu(p, "P175 章の問題B ①1(1)　②1(2)　③2(1,2)　④2(3)　⑤3(1,2)　⑥3(3)　⑦終了",
                       items, 10.0f);
}

void BeginProblemsBScreen(Program& p, const lesson::Text& number) {
    BeginAnswerScreen(p, "P175 章の問題B");
    ProblemNumberCell(p, p.XI2 + 20, p.YI1, number);
}

void ProblemsB1aScreen(Program& p) {
    BeginProblemsBScreen(p, "1");
    Say(p, 0, p.XI2 + 10, p.YI1, "(1)");
    Say(p, 0, p.XI1, p.YI1 + 60, "2≦x+y≦12 だから、素数は ");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "2,3,5,7,11");
    Say(p, 0, p.XI2, p.YI1, " しかない。");
    WaitAnyKey(p);

    // Each sum's outcomes follow its equation a key later.
    Say(p, 0, p.XI1, p.YI1 + 50, "x+y=2 …");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "(1,1)");
    Say(p, 0, p.XI1, p.YI1 + 50, "x+y=3 …");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "(1,2),(2,1)");
    Say(p, 0, p.XI1, p.YI1 + 50, "x+y=5 …");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "(1,4),(2,3),(3,2),(4,1)");
    Say(p, 0, p.XI1, p.YI1 + 50, "x+y=7 …");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "(1,6),(2,5),(3,4),(4,3),(5,2),(6,1)");
    Say(p, 0, p.XI1, p.YI1 + 50, "x+y=11 …");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "(5,6),(6,5)");

    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "36通り");
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI1, p.YI1 + 50, "どの場合が起こることも同様に確からしい。");
    Say(p, 0, p.XI1, p.YI1 + 50, "このうち、x+yが素数となる場合は上記の");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "15通り");
    Say(p, 0, p.XI2, p.YI1, "　だから");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 70, "求める確率は ﾀ15/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ5/12ﾀ");
}

void ProblemsB1bScreen(Program& p) {
    BeginProblemsBScreen(p, "1");
    Say(p, 0, p.XI2 + 10, p.YI1, "(2)");
    Say(p, 0, p.XI1, p.YI1 + 60, "2x+y=8 だから y=8-2x");
    Say(p, 0, p.XI1, p.YI1 + 50, "x=1 のとき y=8-2*1=8-2=6 だから ");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "(1,6)");
    Say(p, 0, p.XI1, p.YI1 + 50, "x=2 のとき y=8-2*2=8-4=4 だから ");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "(2,4)");
    Say(p, 0, p.XI1, p.YI1 + 50, "x=3 のとき y=8-2*3=8-6=2 だから ");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "(3,2)");
    Say(p, 0, p.XI1, p.YI1 + 50, "x=4 のとき y=8-2*4=8-8=0 だから ");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "4以上の場合はない");

    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "36通り");
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI1, p.YI1 + 50, "どの場合が起こることも同様に確からしい。");
    Say(p, 0, p.XI1, p.YI1 + 50, "このうち、2x+y=8となる場合は上記の");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "3通り");
    Say(p, 0, p.XI2, p.YI1, "　だから");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 70, "求める確率は ﾀ3/36ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/12ﾀ");
}

}  // namespace diceway
