#include "Diceway/ch5_basic_problems/basic_problems.h"

#include <vector>

#include "Diceway/figures/basic_problem_trees.h"
#include "Diceway/figures/node_cell.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::WaitAnyKey;

namespace {

// The head of every answer: the plane cleared, the page cell and the cell of
// the problem's number. The cells keep the line width in force.
void AnswerHead(Program& p, const lesson::Text& number) {
    ClearPlane(p);
    p.XI1 = 38;
    p.YI1 = 30;
    p.HABA = 342;
    p.TATE = 48;
    DrawNodeCell(p, 38, 30, "P170 基本の問題", 3, 1, 13);
    p.HABA = 44;
    DrawNodeCell(p, 400, 30, number, 13, 4, 3);
}

// One half of the digit tree: the tens `tens`, the ones under each of them,
// and whether the numbers of 32 or more stand out.
void DigitTreeHalf(Program& p, float x, const char* const (&tens)[2], const char* const (&ones)[6],
                   bool highlight) {
    p.X_sa(9) = tens[0];
    p.X_sa(10) = tens[1];
    for (int k = 0; k < 3; ++k) {
        p.X_sa(1 + k) = ones[k];
        p.X_sa(5 + k) = ones[3 + k];
    }
    p.X_sa(11) = highlight ? ">" : "";
    p.X_a(1) = x;
    p.Y_a(0) = 100;
    DrawTwoDigitTree(p);
}

}  // namespace

void BasicProblemsChapter(Program& p) { BasicProblemsMenu(p); }

void BasicProblemsMenu(Program& p) {
    static const std::vector<ItemScreen> items = {BallsAnswerScreen, TwoDigitCardsAnswerScreen,
                                                  ChooseTwoOfThreeAnswerScreen};
    lesson::RunSubMenu(p, "P170 基本の問題 ①～③解答　　　④終了", items, 10.0f);
}

void BallsAnswerScreen(Program& p) {
    AnswerHead(p, "1");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 60, "(1)3+2+4=9 だから ");
    Say(p, 5, p.XI2, p.YI1, "9通り");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 60, "(2)青玉2個 だから ");
    Say(p, 5, p.XI2, p.YI1, "2通り");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 60, "(3) ");
    Say(p, 5, p.XI2, p.YI1, "ﾀ2/9ﾀ");
}

void TwoDigitCardsAnswerScreen(Program& p) {
    AnswerHead(p, "2");
    WaitAnyKey(p);
    DigitTreeHalf(p, 880, {"1", "2"}, {"2", "3", "4", "1", "3", "4"}, false);
    DigitTreeHalf(p, 1030, {"3", "4"}, {"1", "2", "4", "1", "2", "3"}, true);
    Say(p, 0, p.XI1, p.YI1 + 80, "(1)");
    Say(p, 5, p.XI2, p.YI1, "12,13,14,21,23,24,31,32,");
    Say(p, 5, p.XI1 + 76, p.YI1 + 50, "34,41,42,43 ");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 80, "(2)");
    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で");
    Say(p, 5, p.XI2, p.YI1, "12通り");
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI1, p.YI1 + 50, "どの場合が起こることも同様に確からしい。");
    Say(p, 0, p.XI1, p.YI1 + 50, "このうち、32以上になる場合は");
    Say(p, 5, p.XI2, p.YI1, "5通り");
    Say(p, 0, p.XI2, p.YI1, "　だから");
    Say(p, 0, p.XI1, p.YI1 + 70, "求める確率は ");
    Say(p, 5, p.XI2, p.YI1, "ﾀ5/12ﾀ");
}

void ChooseTwoOfThreeAnswerScreen(Program& p) {
    AnswerHead(p, "3");
    p.X_a(1) = 720;
    p.Y_a(1) = 30;
    DrawThreeCombinationTree(p);
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 70, "起こりうる場合は全部で");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "3通り");
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI1, p.YI1 + 50, "どの場合が起こることも");
    Say(p, 0, p.XI1, p.YI1 + 50, "同様に確からしい。");
    Say(p, 0, p.XI1, p.YI1 + 50, "このうち、Aがふくまれる場合は");
    WaitAnyKey(p);
    DrawNodeCell(p, p.X_a(1), p.Y_a(5), "A", 0, 1, 13);
    DrawNodeCell(p, p.X_a(2), p.Y_a(2), "B", 0, 1, 13);
    DrawNodeCell(p, p.X_a(2), p.Y_a(3), "C", 0, 1, 13);
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.YI1 + 50, "2通り");
    Say(p, 0, p.XI2, p.YI1, "　だから");
    Say(p, 0, p.XI1, p.YI1 + 70, "求める確率は ");
    Say(p, 5, p.XI2, p.YI1, "ﾀ2/3ﾀ");
}

}  // namespace diceway
