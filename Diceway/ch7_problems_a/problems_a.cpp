#include "Diceway/ch7_problems_a/problems_a.h"

#include "Diceway/answer_frame.h"

#include <vector>

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "lessonlib/shell/prompts.h"
#include "Diceway/figures/node_cell.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::Text;
using lesson::WaitAnyKey;

namespace {

// A tree node: only its label shows.
void Node(Program& p, float x, float y, const Text& text) { DrawNodeCell(p, x, y, text, 0, 15, 15); }

// A column heading, framed in colour 3.
void Heading(Program& p, float x, float y, const Text& text) { DrawNodeCell(p, x, y, text, 0, 3, 15); }

}  // namespace

void ProbabilityProblemsA(Program& p) { ProbabilityProblemsAMenu(p); }

void ProbabilityProblemsAMenu(Program& p) {
    static const std::vector<ItemScreen> items = {ProblemsA123Screen, ProblemsA4Screen, ProblemsA56Screen};
    lesson::RunSubMenu(p, "P174 章の問題A ①1,2,3　②4　③5,6　④終了", items, 10.0f);
}

void ProblemsA123Screen(Program& p) {
    BeginAnswerScreen(p, "P174 章の問題A");
    ProblemNumberCell(p, p.XI1, p.YI1 + 50, "1");
    WaitAnyKey(p);
    Say(p, 5, p.XI2 + 30, p.YI1, "答 イ");
    Say(p, 3, p.XI1, p.YI1 + 50, "ア");
    Say(p, 0, p.XI2, p.YI1, "は、投げる回数が少なすぎるからいえない。");
    Say(p, 3, p.XI1, p.YI1 + 50, "ウ");
    Say(p, 0, p.XI2, p.YI1, "は、何回目でも確率はかわらない。");
    WaitAnyKey(p);

    ProblemNumberCell(p, p.XI1, p.YI1 + 50, "2");
    Say(p, 5, p.XI2 + 30, p.YI1, "答 いえない");
    Say(p, 3, p.XI1, p.YI1 + 50, "ア(偶数)");
    Say(p, 0, p.XI2, p.YI1, "は2通り、");
    Say(p, 3, p.XI2, p.YI1, "ウ(奇数)");
    Say(p, 0, p.XI2, p.YI1, "は3通りだから");
    WaitAnyKey(p);

    ProblemNumberCell(p, p.XI1, p.YI1 + 50, "3");
    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で");
    Say(p, 5, p.XI2, p.YI1, "100通り");
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI1, p.YI1 + 50, "どの場合が起こることも同様に確からしい。");
    Say(p, 0, p.XI1, p.YI1 + 50, "このうち、あたりをひく場合は");
    Say(p, 5, p.XI2, p.YI1, "5通り");
    Say(p, 0, p.XI2, p.YI1, "　だから");
    Say(p, 0, p.XI1, p.YI1 + 70, "求める確率は ﾀ5/100ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/20ﾀ");
}

void ProblemsA4Screen(Program& p) {
    BeginAnswerScreen(p, "P174 章の問題A");
    ProblemNumberCell(p, p.XI2 + 30, p.YI1, "4");
    WaitAnyKey(p);

    const char* const labels[10] = {"A", "B", "C", nullptr, "A", "B", "C", nullptr, "D", "E"};
    for (int k = 1; k <= 10; ++k)
        if (labels[k - 1]) p.X_sa(k) = labels[k - 1];
    p.X_a(1) = 880;
    p.Y_a(0) = 100;
    DrawBoyGirlPairTree(p);
    WaitAnyKey(p);

    Say(p, 0, p.XI1, p.YI1 + 60, "起こりうる場合は全部で");
    Say(p, 5, p.XI2, p.YI1, "6通り");
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI1, p.YI1 + 50, "どの場合が起こることも同様に確からしい。");
    Say(p, 0, p.XI1, p.YI1 + 50, "このうち、AとEがペアになる場合は");
    Say(p, 5, p.XI2, p.YI1, "1通り");
    Say(p, 0, p.XI2, p.YI1, "　だから");
    Say(p, 0, p.XI1, p.YI1 + 70, "求める確率は ");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/6ﾀ");
}

void ProblemsA56Screen(Program& p) {
    BeginAnswerScreen(p, "P174 章の問題A");
    p.X_a(1) = 760;
    p.Y_a(0) = 100;
    DrawBallOrderTree(p);
    ProblemNumberCell(p, p.XI1, p.YI1 + 50, "5");
    WaitAnyKey(p);

    Say(p, 0, p.XI1, p.YI1 + 60, "起こりうる場合は全部で");
    Say(p, 5, p.XI2, p.YI1, "6通り");
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI1, p.YI1 + 50, "どの場合が起こることも同様に確からしい。");
    Say(p, 0, p.XI1, p.YI1 + 50, "このうち、赤玉と白玉がとなり合って");
    Say(p, 0, p.XI1, p.YI1 + 50, "並ぶ場合は");
    Say(p, 5, p.XI2, p.YI1, "4通り");
    Say(p, 0, p.XI2, p.YI1, "　だから");
    Say(p, 0, p.XI1, p.YI1 + 70, "求める確率は ﾀ4/6ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ2/3ﾀ");
    WaitAnyKey(p);
    ProblemNumberCell(p, p.XI1, p.YI1 + 70, "6");
    Say(p, 3, p.XI1, p.YI1 + 50, "解答例　偶数、奇数、3以下、4以上　など");
}

void DrawBoyGirlPairTree(Program& p) {
    p.rt.SetLineWidth(5);
    p.HABA = 80;
    p.TATE = 46;
    p.X_a(2) = p.X_a(1) + p.HABA + 30;
    for (int k = 1; k <= 8; ++k) p.Y_a(k) = p.Y_a(k - 1) + 50;
    p.Y_a(11) = p.Y_a(1) + 50;
    p.Y_a(12) = p.Y_a(5) + 50;

    Heading(p, p.X_a(1), p.Y_a(0), "男子");
    for (int j = 1; j <= 2; ++j) Node(p, p.X_a(1), p.Y_a(10 + j), p.X_sa(8 + j));
    Heading(p, p.X_a(2), p.Y_a(0), "女子");
    lesson::CountedLoop(p.JJ, 1, 8, [&] {
        if (p.JJ == 4 || p.JJ == 8) return;  // the gap between the two groups
        p.LY = p.JJ < 5 ? 1 : 2;
        Node(p, p.X_a(2), p.Y_a(p.JJ), p.X_sa(p.JJ));
        p.rt.Line(p.X_a(2) - 30, p.Y_a(10 + p.LY) + 25, p.X_a(2), p.Y_a(p.JJ) + 25, 0);
    });
}

void DrawBallOrderTree(Program& p) {
    p.rt.SetLineWidth(5);
    p.HABA = 120;
    p.TATE = 46;
    p.X_a(2) = p.X_a(1) + p.HABA + 30;
    p.X_a(3) = p.X_a(2) + p.HABA + 30;
    for (int k = 1; k <= 6; ++k) p.Y_a(k) = p.Y_a(k - 1) + 50;
    for (int j = 1; j <= 3; ++j) p.Y_a(10 + j) = p.Y_a(2 * j - 1) + 25;

    Heading(p, p.X_a(1), p.Y_a(0), "1回目");
    Heading(p, p.X_a(2), p.Y_a(0), "2回目");
    Heading(p, p.X_a(3), p.Y_a(0), "3回目");
    p.X_sa(11) = "赤";
    p.X_sa(12) = "白";
    p.X_sa(13) = "青";
    for (int j = 11; j <= 13; ++j) Node(p, p.X_a(1), p.Y_a(j), p.X_sa(j));

    // Rows k = 1..6 with their first ball are the six orders; rows 1 and 3
    // join red and white between the first and second ball, rows 5 and 6
    // between the second and third.
    const char* const second[6] = {"白", "青", "赤", "青", "赤", "白"};
    for (int k = 1; k <= 6; ++k) p.X_sa(k) = second[k - 1];
    lesson::CountedLoop(p.JJ, 1, 6, [&] {
        Node(p, p.X_a(2), p.Y_a(p.JJ), p.X_sa(p.JJ));
        p.CCC4 = p.JJ == 1 || p.JJ == 3 ? 5 : 0;
        p.TL = p.JJ < 3 ? 2 : p.JJ < 5 ? 4 : 6;
        p.rt.Line(p.X_a(2) - 50, p.Y_a(p.TL), p.X_a(2) + 10, p.Y_a(p.JJ) + 25, p.CCC4);
    });
    const char* const third[6] = {"青", "白", "青", "赤", "白", "赤"};
    for (int k = 1; k <= 6; ++k) p.X_sa(k) = third[k - 1];
    lesson::CountedLoop(p.JJ, 1, 6, [&] {
        Node(p, p.X_a(3), p.Y_a(p.JJ), p.X_sa(p.JJ));
        p.CCC4 = p.JJ == 5 || p.JJ == 6 ? 5 : 0;
        p.rt.Line(p.X_a(3) - 50, p.Y_a(p.JJ) + 25, p.X_a(3) + 10, p.Y_a(p.JJ) + 25, p.CCC4);
    });
}

}  // namespace diceway
