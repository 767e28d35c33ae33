#include "Diceway/ch6_explain_by_probability/explain_by_probability.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "Diceway/figures/node_cell.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::Text;
using lesson::WaitAnyKey;

namespace {

bool IsWinningLot(const Text& label) { return label == Text("1") || label == Text("2") || label == Text("3"); }

void LotNode(Program& p, float x, float y, const Text& label) {
    DrawNodeCell(p, x, y, label, IsWinningLot(label) ? 5 : 0, 15, 15);
}

// One drawer's probability: the heading `dy` below the line, the count of
// all cases and of the winning ones, then 3/5; five key waits.
void SayLotProbability(Program& p, float dy, const char* heading, const char* all, const char* winning) {
    Say(p, 3, p.XI1, p.YI1 + dy, heading);
    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, all);
    Say(p, 0, p.XI2, p.YI1, "あり、");
    Say(p, 0, p.XI1, p.YI1 + 50, "どの場合が起こることも同様に確か");
    Say(p, 0, p.XI1, p.YI1 + 50, "らしい。このうち、あたる場合は");
    WaitAnyKey(p);
    Say(p, 5, p.XI1, p.YI1 + 60, winning);
    Say(p, 0, p.XI2, p.YI1, "だから、求める確率は ");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "ﾀ3/5ﾀ");
    WaitAnyKey(p);
}

}  // namespace

void DrawLotTree(Program& p) {
    p.rt.SetLineWidth(5);
    p.HABA = 40;
    p.TATE = 46;
    p.X_a(2) = p.X_a(1) + p.HABA + 30;
    for (int k = 1; k <= 8; ++k) p.Y_a(k) = p.Y_a(k - 1) + 50;
    for (int j = 1; j <= 2; ++j) p.Y_a(10 + j) = p.Y_a(4 * j - 3) + 75;

    DrawNodeCell(p, p.X_a(1), p.Y_a(0), "A", 0, 3, 15);
    // Each loop takes its bound once: the cells overwrite N1 and N2.
    p.N1 = p.X_sa(10).Empty() ? 1 : 2;
    lesson::CountedLoop(p.JJ, 1, p.N1, [&] { LotNode(p, p.X_a(1), p.Y_a(10 + p.JJ), p.X_sa(8 + p.JJ)); });

    DrawNodeCell(p, p.X_a(2), p.Y_a(0), "B", 0, 3, 15);
    p.N2 = p.X_sa(10).Empty() ? 4 : 8;
    lesson::CountedLoop(p.JJ, 1, p.N2, [&] {
        LotNode(p, p.X_a(2), p.Y_a(p.JJ), p.X_sa(p.JJ));
        p.LY = p.JJ <= 4 ? 1 : 2;
        p.rt.Line(p.X_a(2) - 30, p.Y_a(10 + p.LY) + 25, p.X_a(2), p.Y_a(p.JJ) + 25, 0);
    });
}

void LotOrderQuestionScreen(Program& p) {
    lesson::ClearLessonArea(p);
    p.XI1 = 38;
    p.YI1 = 30;
    Say(p, 3, p.XI1, p.YI1, " くじをひくとき、先かあとかで当たりやすさに違いはあるか。");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "①先が有利　②あとが有利　③違いはない");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "どうして確かめますか。");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "確率で比べられますか。");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "どんな確率を求めればよいですか。");
    WaitAnyKey(p);
    Say(p, 7, p.XI1, p.YI1 + 50, "教科書P173 問1 をやってみよう。");
}

void LotOrderAnswerScreen(Program& p) {
    lesson::ClearLessonArea(p);
    p.XI1 = 38;
    p.YI1 = 30;
    p.rt.SetLineWidth(5);
    Say(p, 3, p.XI1 + 680, p.YI1, "教科書P173 問1解答");

    struct LotTree {
        float x;
        const char* nodes[10];  // X$(1) .. X$(10); nullptr keeps what is there
    };
    static constexpr LotTree kTrees[] = {
        {680, {"2", "3", "4", "5", "1", "3", "4", "5", "1", "2"}},
        {830, {"1", "2", "4", "5", "1", "2", "3", "5", "3", "4"}},
        {980, {"1", "2", "3", "4", nullptr, nullptr, nullptr, nullptr, "5", ""}},
    };
    for (const LotTree& tree : kTrees) {
        p.X_a(1) = tree.x;
        p.Y_a(0) = 100;
        for (int k = 1; k <= 10; ++k)
            if (tree.nodes[k - 1]) p.X_sa(k) = tree.nodes[k - 1];
        DrawLotTree(p);
    }
    WaitAnyKey(p);

    SayLotProbability(p, 0, "<Aのあたる確率>", "5通り", "3通り");
    SayLotProbability(p, 60, "<Bのあたる確率>", "20通り", "12通り");
    Say(p, 0, p.XI1, p.YI1 + 60, "したがって、");
    Say(p, 5, p.XI2, p.YI1, "あたりやすさに違いはない。");
}

}  // namespace diceway
