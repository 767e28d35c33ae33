#include <array>

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/numbers.h"
#include "lessonlib/shell/prompts.h"
#include "lessonlib/text/formula.h"
#include "lessonlib/text/menu_heading.h"
#include "lessonlib/text/prompt_text.h"
#include "Tallyview/ch1_problem_scene/problem_scene.h"
#include "Tallyview/ch2_box_plots/box_plots.h"
#include "Tallyview/ch3_histogram_comparison/histogram_comparison.h"
#include "Tallyview/ch4_distribution_trends/distribution_trends.h"
#include "Tallyview/ch5_problems_a/problems_a.h"
#include "Tallyview/ch6_problems_b/problems_b.h"
#include "Tallyview/tallyview.h"

namespace tallyview {

using lesson::Text;

namespace {

struct MenuItem {
    float y;
    float colour;
    const char* text;
};

constexpr std::array<MenuItem, 7> kItems = {{
    {120, 13, "1　問題場面"},
    {180, 15, "2　四分位範囲と箱ひげ図"},
    {240, 13, "3　ヒストグラムとのちがい"},
    {300, 15, "4　分布の傾向の比較"},
    {360, 13, "5　章の問題A "},
    {420, 15, "6　章の問題B"},
    {480, 13, "7　終了"},
}};

// The chapter entries of items 1 to 6; a chapter not built yet leads straight
// back to the menu.
using ChapterEntry = void (*)(Program&);
constexpr std::array<ChapterEntry, 6> kChapters = {{
    ProblemSceneChapter, InterquartileBoxPlotChapter, HistogramComparisonChapter, DistributionTrendChapter,
    ChapterProblemsA, ChapterProblemsB,
}};

void DrawMenu(Program& p) {
    lesson::ClearWorkArea(p);
    p.rt.FilledBox(0, 0, 1760, 1800, 15, 15);
    p.rt.FilledBox(22, 10, 1342, 610, 15, 10);
    lesson::DrawMenuHeading(p);
    for (const MenuItem& item : kItems) {
        p.CCC1 = item.colour;
        p.X = 44;
        p.Y = item.y;
        p.AA_s = item.text;
        lesson::DrawFormula(p);
    }
    p.CCC1 = 0;
    p.X = p.KAIX - 240;
    p.Y = p.KAIY;
    p.AA_s = "番号を入力して下さい。";
    lesson::DrawPromptText(p);
}

}  // namespace

void ClearPromptBand(Program& p) { lesson::ClearPromptBandFrom(p, 640); }

void MainMenu(Program& p) {
    for (;;) {
        DrawMenu(p);
        lesson::PromptAtAnswer(p);
        ClearPromptBand(p);
        if (p.AINP == 7) lesson::EndProgram();
        if (p.AINP < 1 || p.AINP > 7) continue;
        // The chapter is the value the tests passed, made whole by the
        // system's rule; a whole number that is no chapter (7 from 6.6, which
        // is not the exit value) shows the menu again.
        const std::int32_t n = lesson::WholeNumber(p.AINP);
        if (n < 1 || n > 6) continue;
        p.rt.FilledBox(0, 0, 1760, 1800, 15, 15);
        if (const ChapterEntry chapter = kChapters[static_cast<std::size_t>(n - 1)]) chapter(p);
    }
}

}  // namespace tallyview
