#include <gtest/gtest.h>

#include <filesystem>

#include "lessonlib/text/formula.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/parallel_marks.h"
#include "lessonlib/text/prompt_text.h"
#include "tests/support/test_support.h"

using namespace lesson;

namespace {

void Line(Program& p, float x, float y, float colour, const Text& text) {
    p.X = x;
    p.Y = y;
    p.CCC1 = colour;
    p.AA_s = text;
    DrawFormula(p);
}

void Cell(Program& p, float haba, float tate, float fill, const Text& text) {
    p.HABA = haba;
    p.TATE = tate;
    p.CCC3 = fill;
    p.A_s = text;
    DrawFormulaCell(p);
}

}  // namespace

// A screen of formula lines, cells and prompt text rendered as a class sees
// it, written to formula_lines.png for a look.
TEST(FormulaPicture, RendersFormulaLinesAndCells) {
    testing_support::Fixture f;
    Program& p = f.p();
    f.rt.EnableCanvas();
    f.rt.ClearWindow();

    Line(p, 44, 20, 3, "<めあて>");
    Line(p, 44, 70, 0, "ﾀ1/6ﾀ+ﾀ1/12ﾀ=ﾀ2/12ﾀ+ﾀ1/12ﾀ=ﾀ3/12ﾀ=ﾀ1/4ﾀ");
    Line(p, 44, 160, 0, "1-ﾀ4/36ﾀ=ﾀ32/36ﾀ　　ﾀ③の場合の数/①の場合の数ﾀ");
    Line(p, 44, 250, 0, "x^2+2x+1=(x+1)^2　　√2ﾝ*√3ﾝ=√6ﾝ　　a\\2@45%");
    Line(p, 44, 330, 0, "#ﾀ1/4ﾀﾝ=ﾀ1/2ﾀ　　#ﾀ√3ﾝ/x^2ﾀ+1ﾝ　　ﾀ6/3/2ﾀ");
    Line(p, 44, 420, 5, "(57+58)/2=115/2=57.5");
    Line(p, 700, 420, 0, "x=1 のとき y=8-2*1=8-2=6 だから ");

    p.X = 44;
    p.Y = 490;
    p.CCC2 = 0;
    Cell(p, 320, 70, 11, "P174 章の問題A");
    Cell(p, 60, 70, 15, "1");
    Cell(p, 100, 70, 15, "ﾀ1/6ﾀ");
    Cell(p, 100, 70, 15, "x^2");
    Cell(p, 100, 70, 13, "ﾀ5/36ﾀ");
    p.HABA = 160;
    p.TATE = 90;
    p.CCC3 = 15;
    p.A1_s = "直前期間";
    p.A2_s = "2週間";
    DrawFormulaCell2(p);
    p.A1_s = "花見期間";
    p.A2_s = "";
    DrawFormulaCell2(p);

    p.AX = 1100;
    p.AY = 500;
    p.BX = 1380;
    p.BY = 580;
    p.A = 1;
    p.B = 1;
    p.NAGASA = 16;
    p.HONSU = 2;
    p.CCC2 = 3;
    f.rt.Line(p.AX, p.AY, p.BX, p.BY, 0);
    DrawParallelMarks(p);

    p.X = 16;
    p.Y = 666;
    p.CCC1 = 0;
    p.AA_s = " ①問題提示　②ヒストグラム　③終了";
    DrawPromptText(p);
    p.X = 1056;
    p.Y = 648;
    p.CCC1 = 5;
    for (const char* key : {"3", ".", "5", "/", "4"}) {
        p.A_s = key;
        DrawPromptChars(p);
        p.X = p.XT;
    }

    const std::string path = testing_support::OutputDir() + "/formula_lines.png";
    ASSERT_TRUE(f.rt.WritePng(path));
    EXPECT_GT(std::filesystem::file_size(path), 0u);
}
