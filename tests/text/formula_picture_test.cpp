#include <gtest/gtest.h>

#include <filesystem>

#include "lessonlib/text/formula.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/prompt_text.h"
#include "tests/support/test_support.h"

using namespace lesson;

// A screen of formula lines, cells and prompt text rendered as a class sees
// it, written to formula_lines.png for a look.
TEST(FormulaPicture, RendersFormulaLinesAndCells) {
    testing_support::Fixture f;
    Program& p = f.p();
    f.rt.EnableCanvas();
    f.rt.ClearWindow();

    p.CCC1 = 0;
    float y = 20;
    for (const char* line : {"<めあて> ﾀ1/6ﾀ+ﾀ1/12ﾀ=ﾀ2/12ﾀ+ﾀ1/12ﾀ=ﾀ3/12ﾀ=ﾀ1/4ﾀ",
                             "1-ﾀ4/36ﾀ=ﾀ32/36ﾀ　　ﾀ③の場合の数/①の場合の数ﾀ",
                             "x^2+2x+1=(x+1)^2　　√2ﾝ*√3ﾝ=√6ﾝ　　a\\2@45%",
                             "#ﾀ1/4ﾀﾝ=ﾀ1/2ﾀ　　#ﾀ√3ﾝ/x^2ﾀ+1ﾝ　　ﾀ6/3/2ﾀ", "(57+58)/2=115/2=57.5"}) {
        p.X = 44;
        p.Y = y;
        p.AA_s = line;
        DrawFormula(p);
        y += 90;
    }

    p.X = 44;
    p.Y = 490;
    p.CCC2 = 0;
    p.CCC3 = 15;
    p.HABA = 120;
    p.TATE = 70;
    for (const char* text : {"1", "ﾀ1/6ﾀ", "x^2", "ﾀ5/36ﾀ"}) {
        p.A_s = text;
        DrawFormulaCell(p);
    }
    p.HABA = 160;
    p.TATE = 90;
    p.A1_s = "直前期間";
    p.A2_s = "2週間";
    DrawFormulaCell2(p);

    p.X = 16;
    p.Y = 666;
    p.AA_s = " ①問題提示　②ヒストグラム　③終了";
    DrawPromptText(p);

    const std::string path = testing_support::OutputDir() + "/formula_lines.png";
    ASSERT_TRUE(f.rt.WritePng(path));
    EXPECT_GT(std::filesystem::file_size(path), 0u);
}
