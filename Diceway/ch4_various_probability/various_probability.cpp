#include "Diceway/ch4_various_probability/various_probability.h"

#include <vector>

#include "Diceway/figures/node_cell.h"
#include "Diceway/figures/pair_trees.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::WaitAnyKey;

void VariousProbabilityChapter(Program& p) {
    ShowVariousProbabilityAim(p);
    VariousProbabilityMenu(p);
}

void ShowVariousProbabilityAim(Program& p) {
    ClearPlane(p);
    p.XI1 = 44;
    p.YI1 = 240;
    Say(p, 3, p.XI1, p.YI1, "<めあて>");
    Say(p, 0, p.XI1, p.YI1 + 65, "1 組み合わせを樹形図に表し、確率を求めよう。");
    Say(p, 0, p.XI1, p.YI1 + 65, "2 表に整理して、確率を求めよう。");
    Say(p, 0, p.XI1, p.YI1 + 65, "3 あることがらの起こらない確率について考えよう。");
}

void VariousProbabilityMenu(Program& p) {
    static const std::vector<ItemScreen> items = {ChooseTwoOfFourScreen, DiceSumFiveScreen,
                                                  MostLikelySumScreen,   SumNotFiveScreen,
                                                  MakeDiceProblemsScreen, ProductEvenScreen};
    lesson::RunSubMenu(p, "①P167Q　②P168Q1　③Q2　④Q3　⑤Q4　⑥問1　⑦終了", items, 10.0f);
}

void ChooseTwoOfFourScreen(Program& p) {
    ClearLessonArea(p);
    p.XI0 = 40;
    p.XI1 = p.XI0 + 36;
    p.YI1 = 30;
    p.rt.SetLineWidth(5);
    Say(p, 0, p.XI0, p.YI1, "A,B,C,Dの4人の中から2人を");
    Say(p, 0, p.XI0, p.YI1 + 50, "選ぶ場合の確率を求めよう。");
    WaitAnyKey(p);

    // Q1: the ordered choices, revealed node by node.
    Say(p, 7, p.XI0, p.YI1 + 50, "Q1");
    Say(p, 3, p.XI2, p.YI1, "Cが班長、Dが副班長になる場合");
    p.X_sa(1) = "班長";
    p.X_sa(2) = "副班長";
    p.X_a(31) = 640;
    p.Y_a(31) = 30;
    DrawOrderedPairTree(p);
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "選び方は全部で、");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "12通り");
    WaitAnyKey(p);
    DrawNodeCell(p, p.X_a(21), p.Y_a(32), p.F_sa(3), 0, 1, 13);
    DrawNodeCell(p, p.X_a(22), p.Y_a(41), p.F_sa(4), 0, 1, 13);
    Say(p, 0, p.XI1, p.YI1 + 50, "Cが班長、Dが副班長になるのは、");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 60, "1通り");
    Say(p, 0, p.XI2, p.YI1, "だから");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/12ﾀ");
    WaitAnyKey(p);

    // Q2: the same tree at once; the second choices that repeat a pair are
    // marked, then the tree gives way to the tree of pairs.
    Say(p, 7, p.XI0, p.YI1 + 60, "Q2");
    Say(p, 3, p.XI2, p.YI1, "BもCも代表になる場合");
    p.U_a(1) = p.X + 10;
    p.V_a(1) = p.Y - 25;
    p.X_sa(1) = "代表";
    p.X_sa(2) = "代表";
    p.X_a(31) = 640;
    p.Y_a(31) = 30;
    p.NASI = 1;
    DrawOrderedPairTree(p);
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "選び方は全部で、");
    WaitAnyKey(p);
    const struct { float column, row, letter; } repeats[] = {{32, 46, 1}, {22, 42, 1}, {22, 43, 2},
                                                             {22, 44, 1}, {22, 45, 2}, {22, 46, 3}};
    for (const auto& r : repeats) {
        DrawNodeCell(p, p.X_a(r.column), p.Y_a(r.row), p.F_sa(r.letter), 0, 1, 11);
        WaitAnyKey(p);
    }
    p.rt.FilledBox(p.X_a(31), 0, p.X_a(31) + 1600, 1800, 15, 15);
    p.X_a(1) = p.X_a(21);
    p.Y_a(1) = 30;
    DrawPairCombinationTree(p);
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "6通り");
    // The pairs are labels beside the question: the text goes on below.
    Put(p, 7, p.U_a(1), p.V_a(1), "(A,B),(A,C),(A,D)");
    Put(p, 7, p.U_a(1), p.V_a(1) + 50, "(B,C),(B,D),(C,D)");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "CもDも代表になるのは、");
    WaitAnyKey(p);
    DrawNodeCell(p, p.X_a(1), p.Y_a(11), "C", 0, 1, 13);
    DrawNodeCell(p, p.X_a(2), p.Y_a(11), "D", 0, 1, 13);
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 60, "1通り");
    Say(p, 0, p.XI2, p.YI1, "だから");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/6ﾀ");
    WaitAnyKey(p);

    p.XI1 = 440;
    p.YI1 = 430;
    Say(p, 5, p.XI1, p.YI1 + 50, "　　　樹形図(組合せ）のかき方");
    Say(p, 3, p.XI1, p.YI1 + 50, "同じ組合せを書かないようにして、だんだんと");
    Say(p, 3, p.XI1, p.YI1 + 50, "枝分かれが減っていくような樹形図をかく");
}

}  // namespace diceway
