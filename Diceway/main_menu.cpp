#include <array>

#include "Diceway/ch1_experiments/experiments.h"
#include "Diceway/ch2_counting/counting_chapter.h"
#include "Diceway/ch3_tree_diagrams/tree_diagram_chapter.h"
#include "Diceway/ch4_various_probability/various_probability.h"
#include "Diceway/ch5_basic_problems/basic_problems.h"
#include "Diceway/ch6_explain_by_probability/explain_by_probability.h"
#include "Diceway/ch7_problems_a/problems_a.h"
#include "Diceway/ch8_problems_b/problems_b.h"
#include "Diceway/diceway.h"
#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/number_entry.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/formula.h"
#include "lessonlib/text/menu_heading.h"
#include "lessonlib/text/prompt_text.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::Text;

namespace {

struct MenuItem {
    float x, y;
    float colour;
    const char* text;
};

// Eight chapters in one column; the blank item 9 and the exit item 10 beside
// the first two.
constexpr std::array<MenuItem, 10> kItems = {{
    {44, 120, 13, "1　確率実験"},
    {44, 180, 15, "2　確率の求め方"},
    {44, 240, 13, "3　樹形図"},
    {44, 300, 15, "4　いろいろな確率"},
    {44, 360, 13, "5　基本の問題"},
    {44, 420, 15, "6　確率による説明"},
    {44, 480, 13, "7　章の問題A"},
    {44, 540, 15, "8　章の問題B"},
    {660, 120, 13, " 9　"},
    {660, 180, 15, "10 終了"},
}};

// The entries of items 1 to 9; a chapter not built yet leads straight back
// to the menu.
using ChapterEntry = void (*)(Program&);
constexpr std::array<ChapterEntry, 9> kChapters = {{
    ExperimentChapter, CountingChapter, TreeDiagramChapter, VariousProbabilityChapter, BasicProblemsChapter,
    ExplainByProbabilityChapter, ProbabilityProblemsA, ProbabilityProblemsB,
    MainMenuItem9,
}};

constexpr float kExitItem = 10;

void DrawMenu(Program& p) {
    lesson::ClearWorkArea(p);
    lesson::ClearPlane(p);
    p.rt.FilledBox(22, 10, 22 + 1320, 10 + 600, 15, 10);
    lesson::DrawMenuHeading(p);
    for (const MenuItem& item : kItems) {
        p.CCC1 = item.colour;
        p.X = item.x;
        p.Y = item.y;
        p.AA_s = item.text;
        lesson::DrawFormula(p);
    }
}

void DrawMenuPrompt(Program& p) {
    p.CCC1 = 0;
    p.X = p.KAIX - 240;
    p.Y = p.KAIY;
    p.AA_s = "番号を入力して下さい。";
    lesson::DrawPromptText(p);
}

}  // namespace

void ClearPromptBand(Program& p) { lesson::ClearPromptBandFrom(p, 240); }

void PromptMenuNumber(Program& p) {
    DrawMenuPrompt(p);
    lesson::InputNumber(p);
    lesson::ParseNumber(p);
}

void MainMenuItem9(Program&) {}

void ProbabilityMainMenu(Program& p) {
    for (;;) {
        DrawMenu(p);
        DrawMenuPrompt(p);
        PromptMenuNumber(p);
        ClearPromptBand(p);
        if (p.AINP == kExitItem) lesson::EndProgram();
        if (p.AINP < 1 || p.AINP > kExitItem) continue;
        // The item is the value the tests passed, made whole by the system's
        // rule (never the number the typed text begins with, which "4/2"
        // would make 4 and "12/3" 12); a whole number that is no item (10
        // from 9.6, which is not the exit value) shows the menu again.
        const std::int32_t n = lesson::WholeNumber(p.AINP);
        if (n < 1 || n > static_cast<std::int32_t>(kChapters.size())) continue;
        lesson::ClearPlane(p);
        if (const ChapterEntry chapter = kChapters[static_cast<std::size_t>(n - 1)]) chapter(p);
    }
}

}  // namespace diceway
