// Problem 2: each head moves the point 2 along the triangle ABC and each
// tail 1; the length decides the vertex reached.
#include <utility>

#include "Diceway/ch8_problems_b/problems_b.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::Say;
using lesson::WaitAnyKey;

namespace {

// The rule, one line from (38, 90), its labels in colour 3.
void RuleLine(Program& p) {
    Say(p, 0, p.XI1, p.YI1 + 60, "長さが、");
    const std::pair<float, const char*> rest[] = {
        {3, "3の倍数"}, {0, "なら"}, {3, "A、"}, {3, "3の倍数+1"}, {0, "なら"},
        {3, "B、"},     {3, "3の倍数+2"}, {0, "なら"}, {3, "C"}, {0, "の頂点となる。"}};
    for (const auto& [colour, text] : rest) Say(p, colour, p.XI2, p.YI1, text);
}

// The lines of listed outcomes are indented by 38.
float Indent(const Program& p) { return p.XI1 + 38; }

}  // namespace

void ProblemsB2abScreen(Program& p) {
    BeginProblemsBScreen(p, "2");
    RuleLine(p);
    WaitAnyKey(p);

    Say(p, 7, p.XI1, p.YI1 + 50, "(1) ");
    Say(p, 3, p.XI2, p.YI1, "表 ");
    Say(p, 0, p.XI2, p.YI1, "だから、2 で ");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "頂点C");

    Say(p, 7, p.XI1, p.YI1 + 50, "(2)");
    Say(p, 0, p.XI2, p.YI1, "表裏の出かたと長さは、");
    WaitAnyKey(p);
    Say(p, 3, Indent(p), p.YI1 + 50, "(表,表)2+2=4,(表,裏)2+1=3,");
    Say(p, 3, Indent(p), p.YI1 + 50, "(裏,表)1+2=3,(裏,裏)1+1=2");
    WaitAnyKey(p);
    Say(p, 0, Indent(p), p.YI1 + 50, "3の倍数 は3で");
    Say(p, 5, p.XI2, p.YI1, "2通り");
    Say(p, 0, p.XI2, p.YI1, "ある。");

    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "4通り");
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI2, p.YI1, "どの場合が起こることも同様に確か");
    Say(p, 0, p.XI1, p.YI1 + 50, "らしい。このうち、点Aとなるの場合は上記の");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "2通り");
    Say(p, 0, p.XI2, p.YI1, "　だから");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 70, "求める確率は ﾀ2/4ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/2ﾀ");
}

void ProblemsB2cScreen(Program& p) {
    BeginProblemsBScreen(p, "2");
    Say(p, 0, p.XI2 + 10, p.YI1, "(3)");
    RuleLine(p);
    WaitAnyKey(p);

    Say(p, 0, p.XI1, p.YI1 + 50, "表裏の出かたと長さは、");
    Say(p, 3, p.XI2, p.YI1, "(表,表,表)2+2+2=6,");
    Say(p, 3, Indent(p), p.YI1 + 50, "(表,表,裏)2+2+1=5,(表,裏,表)2+1+2=5,");
    Say(p, 3, Indent(p), p.YI1 + 50, "(表,裏,裏)2+1+1=4,(裏,表,表)1+2+2=5,");
    Say(p, 3, Indent(p), p.YI1 + 50, "(裏,表,裏)1+2+1=4,(裏,裏,表)1+1+2=4,");
    Say(p, 3, Indent(p), p.YI1 + 50, "(裏,裏,裏)1+1+1=3 ");
    WaitAnyKey(p);
    Say(p, 0, p.XI2, p.YI1, "3の倍数+1 は4で");
    Say(p, 5, p.XI2, p.YI1, "3通り");
    Say(p, 0, p.XI2, p.YI1, "ある。");

    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "8通り");
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI2, p.YI1, "どの場合が起こることも同様に確か");
    Say(p, 0, p.XI1, p.YI1 + 50, "らしい。このうち、点Bとなるの場合は上記の");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "3通り");
    Say(p, 0, p.XI2, p.YI1, "　だから");
    Say(p, 0, p.XI1, p.YI1 + 70, "求める確率は ");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "ﾀ3/8ﾀ");
}

}  // namespace diceway
