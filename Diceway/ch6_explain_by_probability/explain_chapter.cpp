#include <vector>

#include "Diceway/ch6_explain_by_probability/explain_by_probability.h"
#include "lessonlib/charts/grid_paper.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::WaitAnyKey;

void ExplainByProbabilityChapter(Program& p) {
    ShowExplainByProbabilityAim(p);
    ExplainByProbabilityMenu(p);
}

void ShowExplainByProbabilityAim(Program& p) {
    lesson::ClearPlane(p);
    p.XI1 = 44;
    p.YI1 = 240;
    Say(p, 3, p.XI1, p.YI1, "<めあて>");
    Say(p, 0, p.XI1, p.YI1 + 65, "ことがらの起こりやすさを、確率をもとに説明しよう。");
}

void ExplainByProbabilityMenu(Program& p) {
    static const std::vector<ItemScreen> items = {
        ScratchCardQuestionScreen, TreeVersusTableScreen, MostLikelyExplanationScreen,
        ChangedConditionsScreen,   LotOrderQuestionScreen, LotOrderAnswerScreen};
    lesson::RunSubMenu(p, "①P171Q　②図と表　③説明　④条件変え　⑤くじ　⑥問１　⑦終了", items, 10.0f);
}

void ScratchCardQuestionScreen(Program& p) {
    lesson::ClearLessonArea(p);
    p.rt.SetLineWidth(5);
    DrawScratchCard(p);
    p.XI0 = 40;
    p.YI1 = 30;
    WaitAnyKey(p);

    Say(p, 0, 40, 30, "A,Bの2人が1枚ずつカードをけずるとき");
    Say(p, 0, p.XI0, p.YI1 + 50, "どれとどれがもっとも出やすいだろう。");
    WaitAnyKey(p);

    Say(p, 7, p.XI0, p.YI1 + 70, "Q1");
    Say(p, 3, p.XI2, p.YI1, "次の場合では? (予想)");
    Say(p, 3, p.XI0, p.YI1 + 50, "ア ");
    Say(p, 0, p.XI2, p.YI1, "2人とも「ジュース」");
    Say(p, 3, p.XI0, p.YI1 + 50, "イ ");
    Say(p, 0, p.XI2, p.YI1, "2人とも「はずれ」");
    Say(p, 3, p.XI0, p.YI1 + 50, "ウ ");
    Say(p, 0, p.XI2, p.YI1, "1人は「はずれ」、1人は「ジュース」");
    WaitAnyKey(p);

    Say(p, 7, p.XI0, p.YI1 + 70, "Q2");
    Say(p, 3, p.XI2, p.YI1, "予想が正しいかどうかを調べて、説明しよう。");
}

void DrawScratchCard(Program& p) {
    p.GGX = 800;
    p.GGY = 30;
    p.YOKO = 6;
    p.TATE = 8;
    p.SIZE = 50;
    p.CCC2 = 15;
    lesson::DrawGridPaper(p);

    // The corners, then the spots, in grid units from the bottom-left corner.
    static constexpr float kPoints[10][2] = {{0, 8},     {0, 0},   {6, 0},     {6, 8},   {1.5f, 6.2f},
                                             {3, 6.2f},  {4.5f, 6.2f}, {1.5f, 4.9f}, {3, 4.9f}, {4.5f, 4.9f}};
    for (int k = 1; k <= 10; ++k) {
        p.X_a(k) = p.GX0 + p.SIZE * kPoints[k - 1][0];
        p.Y_a(k) = p.GY0 - p.SIZE * kPoints[k - 1][1];
    }
    p.rt.Box(p.X_a(1), p.Y_a(1), p.X_a(3), p.Y_a(3), 0);
    for (int k = 5; k <= 10; ++k) p.rt.Circle({.cx = p.X_a(k), .cy = p.Y_a(k), .radius = 25, .colour = 2});

    p.XI1 = p.X_a(1) + 10;
    p.YI1 = p.Y_a(1) + 10;
    Say(p, 7, p.XI1, p.YI1, "スクラッチカード");
    Say(p, 5, p.XI1, p.YI1 + 190, "●");
    Say(p, 0, p.XI2, p.YI1, "ポテト…１つ");
    Say(p, 5, p.XI1, p.YI1 + 50, "★");
    Say(p, 0, p.XI2, p.YI1, "ジュース…2つ");
    Say(p, 5, p.XI1, p.YI1 + 50, "▲");
    Say(p, 0, p.XI2, p.YI1, "はずれ…3つ");
    Say(p, 0, p.XI1, p.YI1 + 50, "　1つ けずって");
}

}  // namespace diceway
