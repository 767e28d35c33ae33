#include "Diceway/ch3_tree_diagrams/tree_diagram_chapter.h"

#include <vector>

#include "Diceway/figures/tree_diagrams.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::WaitAnyKey;

void TreeDiagramChapter(Program& p) {
    ShowTreeDiagramAim(p);
    TreeDiagramMenu(p);
}

void ShowTreeDiagramAim(Program& p) {
    ClearPlane(p);
    p.XI1 = 44;
    p.YI1 = 240;
    Say(p, 3, p.XI1, p.YI1, "<めあて>");
    Say(p, 0, p.XI1, p.YI1 + 65, "起こりうる場合を図を利用して考え、確率を求めよう。");
}

void TreeDiagramMenu(Program& p) {
    static const std::vector<ItemScreen> items = {CoinGameScreen, CoinTreeScreen, LotteryTreeAnswerScreen};
    lesson::RunSubMenu(p, "①P165Q　②樹形図　③問3　④終了", items, 10.0f);
}

namespace {

// The lesson area cleared, the text margins 40 and 76 from the top line, and
// the tree's branches 5 wide (left so after the screen).
void BeginTreeScreen(Program& p) {
    ClearLessonArea(p);
    p.XI0 = 40;
    p.XI1 = 76;
    p.YI1 = 30;
    p.rt.SetLineWidth(5);
}

}  // namespace

void CoinTreeScreen(Program& p) {
    BeginTreeScreen(p);
    Say(p, 0, p.XI0, p.YI1, "<Aさんの考え>");
    Say(p, 7, p.XI0, p.YI1 + 50, "表表,表裏,裏裏 だから 全部ﾀ1/3ﾀ");
    WaitAnyKey(p);
    Say(p, 3, p.XI0, p.YI1 + 70, "Q ");
    Say(p, 0, p.XI1, p.YI1, "表裏の出かたは何通りありますか。");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "(表,表),(表,裏),(裏,表),");
    Say(p, 3, p.XI1, p.YI1 + 50, "(裏,裏)の4通り。");
    WaitAnyKey(p);

    p.X_sa(1) = "1枚目";
    p.X_sa(2) = "2枚目";
    p.X_a(0) = 720;
    p.Y_a(0) = 100;
    p.KOSUU = 2;
    DrawTreeColumnHeaders(p);
    p.Y_sa(1) = "表";
    p.Y_sa(2) = "裏";
    p.EDA1 = 2;
    p.EDA2 = 0;
    p.HERU = 0;
    DrawTreeDiagram(p);

    Put(p, 5, 800, 30, "<樹形図＞");
    WaitAnyKey(p);

    Say(p, 3, p.XI0, p.YI1 + 70, "Q ");
    Say(p, 0, p.XI1, p.YI1, "Aさんの考えと違う理由は?");
    WaitAnyKey(p);
    Say(p, 3, p.XI1, p.YI1 + 50, "(表,裏),(裏,表)を1通りと考えて");
    Say(p, 3, p.XI1, p.YI1 + 50, "いるから、同様に確からしいといえない。");
    WaitAnyKey(p);
    Say(p, 3, p.XI0, p.YI1 + 70, "Q ");
    Say(p, 0, p.XI1, p.YI1, "表と裏が出る確率は?");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "(表,裏),(裏,表)の2通り だから ");
    Say(p, 3, p.XI2, p.YI1, "ﾀ2/4ﾀ=ﾀ1/2ﾀ");
    WaitAnyKey(p);
    Say(p, 7, 240, 600, "教科書P166 問3　をしなさい。");
}

void LotteryTreeAnswerScreen(Program& p) {
    BeginTreeScreen(p);
    Say(p, 3, p.XI1, p.YI1, "P166 問3 解答");
    WaitAnyKey(p);
    Say(p, 0, p.XI0, p.YI1 + 50, "樹形図をかくと、");
    WaitAnyKey(p);

    p.X_sa(1) = "1番目";
    p.X_sa(2) = "2番目";
    p.X_sa(3) = "3番目";
    p.X_a(0) = 720;
    p.Y_a(0) = 30;
    p.KOSUU = 3;
    DrawTreeColumnHeaders(p);
    p.Y_sa(1) = "○ ";
    p.Y_sa(2) = "*1";
    p.Y_sa(3) = "*2";
    p.EDA1 = 2;
    p.EDA2 = 1;
    p.HERU = 3;
    DrawTreeDiagram(p);
    WaitAnyKey(p);

    Say(p, 3, p.XI0, p.YI1 + 60, "① 1番目の人があたる確率");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で、");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "3通り");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 60, "当たる場合は");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "1通り");
    Say(p, 0, p.XI2, p.YI1, "だから ");
    WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/3ﾀ");
    WaitAnyKey(p);
    Say(p, 3, p.XI0, p.YI1 + 70, "② 2,3番目の人があたる確率");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "起こりうる場合は全部で、");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "6通り");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 50, "当たる場合は");
    WaitAnyKey(p);
    Say(p, 3, p.XI2, p.YI1, "2通り");
    Say(p, 0, p.XI2, p.YI1, "だから ");
    WaitAnyKey(p);
    Say(p, 0, p.XI1, p.YI1 + 70, "　　ﾀ2/6ﾀ=");
    Say(p, 5, p.XI2, p.YI1, "ﾀ1/3ﾀ");
}

}  // namespace diceway
