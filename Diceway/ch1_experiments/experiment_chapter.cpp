#include <vector>

#include "Diceway/ch1_experiments/experiments.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

void ExperimentChapter(Program& p) {
    ShowExperimentAim(p);
    ExperimentMenu(p);
}

void ShowExperimentAim(Program& p) {
    ClearPlane(p);
    p.XI1 = 44;
    p.YI1 = 240;
    Say(p, 3, p.XI1, p.YI1, "<めあて>");
    Say(p, 0, p.XI1, p.YI1 + 65, "実験から確率を求め、ことがらの起こりやすさを説明しよう。");
}

void ExperimentMenu(Program& p) {
    static const std::vector<ItemScreen> items = {LotteryOrderScreen, DiceExperimentScreen};
    lesson::RunSubMenu(p, "①P160 Q　②さいころの実験　③終了", items);
}

}  // namespace diceway
