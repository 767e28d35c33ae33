#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "lessonlib/text/formula.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/plain_text.h"
#include "lessonlib/text/prompt_text.h"
#include "lessonlib/text/screen_text.h"
#include "platform/canvas.h"
#include "platform/palette.h"
#include "tests/support/test_support.h"

using namespace lesson;

namespace {

// The pixels one operation inks on an empty plane at scale 1.
struct InkPixels {
    std::vector<std::pair<int, int>> pixels;
    int left = 1 << 30, right = -1, bottom = -1;  // right and bottom inclusive
};

InkPixels InkOf(const DrawOp& op) {
    platform::Canvas canvas(platform::Canvas::kPlaneWidth, platform::Canvas::kPlaneHeight, 1.0);
    const platform::Rgb bg = platform::kPalette[platform::kBackgroundColour];
    const std::uint32_t background = 0xff000000u | std::uint32_t(bg.r) << 16 | std::uint32_t(bg.g) << 8 | bg.b;
    const platform::PixelRect r = canvas.Draw(op);
    InkPixels ink;
    for (int y = r.y0; y < r.y1; ++y) {
        for (int x = r.x0; x < r.x1; ++x) {
            std::uint32_t word;
            std::memcpy(&word, canvas.Pixels() + y * canvas.Stride() + x * 4, 4);
            if (word == background) continue;
            ink.pixels.emplace_back(x, y);
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.bottom = std::max(ink.bottom, y);
        }
    }
    return ink;
}

// True when a pixel of one lies on or next to (diagonals included) a pixel
// of the other.
bool Touch(const InkPixels& a, const InkPixels& b) {
    for (const auto& [ax, ay] : a.pixels)
        for (const auto& [bx, by] : b.pixels)
            if (std::abs(ax - bx) <= 1 && std::abs(ay - by) <= 1) return true;
    return false;
}

// The visible operations of one line drawn by `draw` from (x, y) on a
// program state as the chapters leave it.
std::vector<DrawOp> LineOps(void (*draw)(Program&, const char*), const char* text) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.XI2 = 680;
    p.YI1 = 290;
    draw(p, text);
    return testing_support::VisibleOps(f.rt);
}

// A line said as the chapters say theirs, in parts joined by "|".
void SayParts(Program& p, const char* text) {
    const std::string all = text;
    for (std::size_t from = 0, bar; from <= all.size(); from = bar + 1) {
        bar = std::min(all.find('|', from), all.size());
        Say(p, 0, p.XI2, p.YI1, Text(all.substr(from, bar - from).c_str()));
    }
}

void PlainText(Program& p, const char* text) {
    p.X = p.XI2;
    p.Y = p.YI1;
    p.AA_s = text;
    DrawPlainText(p);
}

std::size_t IndexOfText(const std::vector<DrawOp>& ops, const char* text) {
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (ops[i].kind == DrawOp::Kind::Text && ops[i].text == Text(text)) return i;
    ADD_FAILURE() << "no text " << text;
    return 0;
}

}  // namespace

// A maths letter stands on the line like the digits beside it and keeps its
// ink off every other glyph: "2x+y=8" must not read as "2 to the x".
TEST(FormulaPicture, MathsLettersSitOnTheLineAndClearTheirNeighbours) {
    const struct {
        void (*draw)(Program&, const char*);
        const char* line;
        const char* letter;
        const char* digitLine;  // the same with a digit in the letter's place
    } cases[] = {
        {SayParts, "2x+y=8 だから y=8-2x", "x", "22+y=8 だから y=8-2x"},   // Diceway chapter 8
        {SayParts, "場合が|a|通りであるとき、", "a", "場合が|2|通りであるとき、"},  // chapter 2
        {SayParts, "　p=ﾀa/nﾀ", "a", "　p=ﾀ2/nﾀ"},                           // in a fraction
        {SayParts, "c+2l=8", "l", "c+22=8"},
        {PlainText, "2x+1", "x", "22+1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const std::vector<DrawOp> ops = LineOps(c.draw, c.line), digitOps = LineOps(c.draw, c.digitLine);
        const std::size_t at = IndexOfText(ops, c.letter);
        const InkPixels letter = InkOf(ops[at]);
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (i == at) continue;
            EXPECT_FALSE(Touch(letter, InkOf(ops[i]))) << "op " << i << " " << ops[i].text.Utf8();
        }
        const InkPixels digit = InkOf(digitOps[at]);
        ASSERT_EQ(digitOps[at].text, Text("2"));
        EXPECT_NEAR(letter.bottom, digit.bottom, 3);
        EXPECT_GT(letter.left, digit.left - 4);  // within the advance, not left of it
    }
}

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
