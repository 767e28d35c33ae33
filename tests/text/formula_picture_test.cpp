#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "Diceway/diceway.h"
#include "Tallyview/tallyview.h"
#include "lessonlib/text/formula.h"
#include "lessonlib/text/formula_cells.h"
#include "lessonlib/text/plain_text.h"
#include "lessonlib/text/prompt_text.h"
#include "lessonlib/text/screen_text.h"
#include "platform/canvas.h"
#include "platform/op_text.h"
#include "platform/palette.h"
#include "tests/support/test_support.h"
#include "tools/tour_walks.h"

using namespace lesson;

namespace {

// The pixels one operation inks on an empty plane, in device pixels.
struct InkPixels {
    std::vector<std::pair<int, int>> pixels;
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // right and bottom inclusive
};

// Draws single operations on an empty plane shown at `scale`, each moved
// right by `phase` of a device pixel: the same line lands on other pixel
// fractions, as it does on other screens, and each rasteriser rounds it in
// its own way. The surface is the plane at that scale, so device pixels
// are plane units times the scale.
class InkRenderer {
public:
    InkRenderer(double scale, double phase)
        : scale_(scale), shift_(float(phase / scale)),
          canvas_(int(std::lround(platform::Canvas::kPlaneWidth * scale)),
                  int(std::lround(platform::Canvas::kPlaneHeight * scale)), scale) {}

    // The ink of `op`; a filled shape's fill is left out, since a maths
    // letter may stand on it.
    InkPixels Of(DrawOp op) {
        for (Point& pt : op.points) pt.x += shift_;
        if (op.letterLine) op.letterLine->penX += shift_;
        op.fill = platform::kBackgroundColour;
        const platform::Rgb bg = platform::kPalette[platform::kBackgroundColour];
        const std::uint32_t background =
            0xff000000u | std::uint32_t(bg.r) << 16 | std::uint32_t(bg.g) << 8 | bg.b;
        const platform::PixelRect r = canvas_.Draw(op);
        InkPixels ink;
        for (int y = r.y0; y < r.y1; ++y) {
            for (int x = r.x0; x < r.x1; ++x) {
                std::uint32_t word;
                std::memcpy(&word, canvas_.Pixels() + y * canvas_.Stride() + x * 4, 4);
                if (word == background) continue;
                ink.pixels.emplace_back(x, y);
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
        // Erased for the next, by the background colour over all it changed.
        DrawOp erase;
        erase.kind = DrawOp::Kind::FilledBox;
        erase.colour = erase.fill = platform::kBackgroundColour;
        erase.points = {{float(r.x0 / scale_ - 1), float(r.y0 / scale_ - 1)},
                        {float(r.x1 / scale_ + 1), float(r.y1 / scale_ + 1)}};
        canvas_.Draw(erase);
        return ink;
    }

    // The device column of plane x.
    double Column(float x) const { return (x + shift_) * scale_; }

private:
    double scale_;
    float shift_;
    platform::Canvas canvas_;
};

// The clear pixels between two inks, diagonals counting as next to each
// other: 0 when they touch, negative when they overlap; `enough` when there
// are that many or more, or either ink is empty.
int ClearPixels(const InkPixels& a, const InkPixels& b, int enough) {
    if (a.pixels.empty() || b.pixels.empty()) return enough;
    // a's pixels as a map with a border `enough` wide, where b's neighbourhoods are looked up.
    const int x0 = a.left - enough, y0 = a.top - enough;
    const int w = a.right - a.left + 1 + 2 * enough, h = a.bottom - a.top + 1 + 2 * enough;
    std::vector<char> inked(std::size_t(w) * h, 0);
    auto at = [&](int x, int y) -> char& { return inked[std::size_t(y - y0) * w + (x - x0)]; };
    for (const auto& [x, y] : a.pixels) at(x, y) = 1;
    int clear = enough;
    for (const auto& [bx, by] : b.pixels) {
        for (int y = std::max(by - clear, y0); y <= std::min(by + clear, y0 + h - 1); ++y)
            for (int x = std::max(bx - clear, x0); x <= std::min(bx + clear, x0 + w - 1); ++x)
                if (at(x, y)) clear = std::min(clear, std::max(std::abs(x - bx), std::abs(y - by)) - 1);
    }
    return clear;
}

// The scales a maximised window shows the plane at: the plane's own and
// those of larger screens.
constexpr double kScales[] = {1.0, 1.2, 4.0 / 3, 16.0 / 9, 8.0 / 3};
constexpr double kPhases[] = {0, 0.25, 0.5, 0.75};

// Clear pixels a maths letter keeps from every other glyph and mark,
// whatever the rounding of either: one keeps them apart, and one is spare,
// so that a rasteriser that rounds a glyph a pixel nearer than the one the
// tests run on still leaves one.
constexpr int kLetterClearance = 2;

// The visible operations of one line drawn by `draw` from (x, y) on a
// program state as the chapters leave it.
std::vector<DrawOp> LineOps(void (*draw)(Program&, const char*), const char* text) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.XI2 = 40;
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

// The text in a table cell with a border, as the answer screens draw it.
void Cell(Program& p, const char* text) {
    p.X = p.XI2;
    p.Y = p.YI1;
    p.CCC1 = 0;
    p.CCC2 = 0;
    p.CCC3 = 14;
    p.HABA = 120;
    p.TATE = 70;
    p.A_s = text;
    DrawFormulaCell(p);
}

std::size_t IndexOfText(const std::vector<DrawOp>& ops, const char* text) {
    for (std::size_t i = 0; i < ops.size(); ++i)
        if (ops[i].kind == DrawOp::Kind::Text && ops[i].text == Text(text)) return i;
    ADD_FAILURE() << "no text " << text;
    return 0;
}

}  // namespace

// A maths letter keeps its ink off every other glyph and mark of its line,
// whatever its neighbours, at every scale a window shows the plane at and on
// every pixel fraction: "2x+y=8" must not read as "2 to the x", nor may
// another rasteriser's rounding close the gap.
TEST(FormulaPicture, MathsLettersClearTheirNeighboursAtEveryScale) {
    const struct {
        void (*draw)(Program&, const char*);
        const char* line;
    } lines[] = {
        // The chapters' lines, and a letter beside each glyph a formula has.
        {SayParts, "2x+y=8 だから y=8-2x"},
        {SayParts, "場合が|a|通りであるとき、"},
        {SayParts, "2≦x+y≦12、x=4 のとき"},
        {SayParts, "0a1x2c3a4x5c6a7x8c9ax"},
        {SayParts, "x-a=c*x/a@c(x)(a)(c)"},
        {SayParts, "c+2l=8 l-1 (l) 4l*l"},
        {SayParts, "x^2+2ax+√xﾝ+c^2"},
        // Fractions: a letter beside one, and in its parts beside their
        // glyphs, above and below the bar.
        {SayParts, "ﾀ1/2ﾀa ﾀ1/2ﾀc ﾀ1/2ﾀx xﾀ1/2ﾀ aﾀ3/4ﾀ cﾀ3/4ﾀ lﾀ1/2ﾀl"},
        {SayParts, "　p=ﾀa/nﾀ ﾀ2x+1/3c-4ﾀ ﾀ5/axﾀ ﾀ(c)/x=6ﾀ"},
        // Plain text (labels) and a bordered cell.
        {PlainText, "2x+1 4a-5c (x) 3a(c)"},
        {Cell, "ﾀ1/xﾀ"},
        {Cell, "x^2"},
    };
    std::vector<std::vector<DrawOp>> lineOps;
    for (const auto& l : lines) lineOps.push_back(LineOps(l.draw, l.line));
    for (double scale : kScales) {
        for (double phase : kPhases) {
            SCOPED_TRACE("scale " + std::to_string(scale) + " phase " + std::to_string(phase));
            InkRenderer render(scale, phase);
            for (std::size_t n = 0; n < lineOps.size(); ++n) {
                SCOPED_TRACE(lines[n].line);
                const std::vector<DrawOp>& ops = lineOps[n];
                std::vector<InkPixels> ink;
                for (const DrawOp& op : ops) ink.push_back(render.Of(op));
                int letters = 0;
                for (std::size_t at = 0; at < ops.size(); ++at) {
                    if (!ops[at].letterLine) continue;
                    ++letters;
                    const lesson::LetterLine& line = *ops[at].letterLine;
                    ASSERT_FALSE(ink[at].pixels.empty());
                    // Within its own advance,
                    EXPECT_GE(ink[at].left, render.Column(line.penX)) << ops[at].text.Utf8();
                    EXPECT_LT(ink[at].right, render.Column(line.penX + line.advance)) << ops[at].text.Utf8();
                    // and clear of everything else.
                    for (std::size_t i = 0; i < ops.size(); ++i) {
                        if (i == at) continue;
                        EXPECT_GE(ClearPixels(ink[at], ink[i], kLetterClearance), kLetterClearance)
                            << ops[at].text.Utf8() << " (op " << at << ") and op " << i << " "
                            << platform::FormatOp(ops[i]);
                    }
                }
                EXPECT_GT(letters, 0);
            }
        }
    }
}

// Every maths letter the programs' built-in walks draw keeps its clearance
// from whatever is drawn around it on its screen.
TEST(FormulaPicture, MathsLettersOfEveryScreenClearTheirNeighbours) {
    const struct {
        RunResult (*run)(Runtime&);
        std::string keys;
    } walks[] = {{tallyview::RunTallyview, tour::TallyviewWalk()}, {diceway::RunDiceway, tour::DicewayWalk()}};
    int letters = 0;
    for (const auto& walk : walks) {
        const std::vector<DrawOp> ops = testing_support::RunWalk(walk.run, Text(walk.keys.c_str())).ops;
        // A screen's letters are drawn many times over; each is judged once.
        std::set<std::string> judged;
        for (double scale : {1.0, 8.0 / 3}) {
            InkRenderer render(scale, 0);
            for (std::size_t at = 0; at < ops.size(); ++at) {
                const DrawOp& letter = ops[at];
                if (!letter.letterLine || letter.colour == platform::kBackgroundColour) continue;
                // Its neighbours are drawn just before or after it, on the
                // same screen: no clearing or erasing box over it between.
                constexpr std::size_t kNear = 40;
                const std::size_t from = at > kNear ? at - kNear : 0, to = std::min(ops.size(), at + kNear);
                std::string scene = std::to_string(scale);
                for (std::size_t i = from; i < to; ++i) scene += platform::FormatOp(ops[i]) + "\n";
                if (!judged.insert(scene).second) continue;
                ++letters;
                auto erases = [&](const DrawOp& op) {
                    if (op.kind == DrawOp::Kind::Clear) return true;
                    const Point pen{letter.letterLine->penX, letter.letterLine->top};
                    return op.kind == DrawOp::Kind::FilledBox && op.fill == platform::kBackgroundColour &&
                           op.points[0].x <= pen.x && op.points[0].y <= pen.y && op.points[1].x >= pen.x &&
                           op.points[1].y >= pen.y;
                };
                const InkPixels ink = render.Of(letter);
                auto judge = [&](std::size_t i) {
                    EXPECT_GE(ClearPixels(ink, render.Of(ops[i]), kLetterClearance), kLetterClearance)
                        << platform::FormatOp(letter) << " and " << platform::FormatOp(ops[i]) << " at scale "
                        << scale;
                };
                for (std::size_t i = at; i-- > from && !erases(ops[i]);) judge(i);
                for (std::size_t i = at + 1; i < to && !erases(ops[i]); ++i) judge(i);
            }
        }
    }
    EXPECT_GT(letters, 0);
}

// A maths letter stands on the line like the digit that could take its
// place, within the advance that digit has.
TEST(FormulaPicture, MathsLettersSitOnTheLine) {
    const struct {
        void (*draw)(Program&, const char*);
        const char* line;
        const char* letter;
        const char* digitLine;  // the same with a digit in the letter's place
    } cases[] = {
        {SayParts, "2x+y=8", "x", "22+y=8"},
        {SayParts, "場合が|a|通り", "a", "場合が|2|通り"},
        {SayParts, "　p=ﾀa/nﾀ", "a", "　p=ﾀ2/nﾀ"},
        {SayParts, "c+2l=8", "l", "c+22=8"},
        {PlainText, "2x+1", "x", "22+1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        for (double scale : {1.0, 8.0 / 3}) {
            InkRenderer render(scale, 0);
            const std::vector<DrawOp> ops = LineOps(c.draw, c.line), digitOps = LineOps(c.draw, c.digitLine);
            const std::size_t at = IndexOfText(ops, c.letter);
            ASSERT_EQ(digitOps[at].text, Text("2"));
            const InkPixels letter = render.Of(ops[at]), digit = render.Of(digitOps[at]);
            EXPECT_NEAR(letter.bottom, digit.bottom, 3 * scale);
            EXPECT_GT(letter.left, digit.left - 4 * scale);
        }
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
