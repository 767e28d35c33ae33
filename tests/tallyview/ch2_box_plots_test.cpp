#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Tallyview/ch2_box_plots/box_plots.h"
#include "Tallyview/tallyview.h"
#include "tests/support/test_support.h"
#include "tools/tour_walks.h"

using namespace lesson;
using testing_support::Fixture;

namespace {

using Ops = std::vector<DrawOp>;

// A screen or chapter run on scripted keys, with the position in the
// operation log at which each key wait began.
struct ScreenRun {
    explicit ScreenRun(const std::string& keys) : f(Text(keys)) {
        f.rt.onWait = [this](WaitKind kind) {
            if (kind == WaitKind::AnyKey) keyWaits.push_back(f.rt.Ops().size());
            else ++numberWaits;
        };
    }
    Program& p() { return f.p(); }
    const Ops& ops() const { return f.rt.Ops(); }
    // The operations drawn between key wait `from` and key wait `to` (1-based;
    // 0 is the start, and a `to` past the last wait the end).
    Ops Between(std::size_t from, std::size_t to) const {
        const std::size_t a = from == 0 ? 0 : keyWaits[from - 1];
        const std::size_t b = to > keyWaits.size() ? ops().size() : keyWaits[to - 1];
        return Ops(ops().begin() + static_cast<std::ptrdiff_t>(a), ops().begin() + static_cast<std::ptrdiff_t>(b));
    }

    Fixture f;
    std::vector<std::size_t> keyWaits;
    int numberWaits = 0;
};

std::string Keys(std::size_t n) { return std::string(n, 'k'); }

bool IsText(const DrawOp& op, const char* text, float x, float y, int colour) {
    return op.kind == DrawOp::Kind::Text && op.text == Text(text) && op.points[0].x == x &&
           op.points[0].y == y && op.colour == colour;
}

int CountTexts(const Ops& ops, const char* text, float x, float y, int colour) {
    int n = 0;
    for (const DrawOp& op : ops) n += IsText(op, text, x, y, colour);
    return n;
}

// The texts whose top-left lies inside the box, joined in drawing order.
std::string TextIn(const Ops& ops, float x1, float y1, float x2, float y2) {
    std::string out;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Text && op.points[0].x >= x1 && op.points[0].x < x2 &&
            op.points[0].y >= y1 && op.points[0].y < y2)
            out += op.text.Utf8();
    return out;
}

// The texts of the line of text at y (some glyphs stand a little higher or
// lower than the line's top) from x1 to x2.
std::string LineText(const Ops& ops, float x1, float y, float x2) { return TextIn(ops, x1, y - 10, x2, y + 40); }

// The colours of those texts (one when they all agree, else -1).
int ColourIn(const Ops& ops, float x1, float y1, float x2, float y2) {
    int colour = -2;
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Text && op.points[0].x >= x1 && op.points[0].x < x2 &&
            op.points[0].y >= y1 && op.points[0].y < y2)
            colour = colour == -2 || colour == op.colour ? op.colour : -1;
    return colour;
}

const DrawOp* FindBox(const Ops& ops, float x1, float y1, float x2, float y2) {
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::FilledBox && op.points[0].x == x1 && op.points[0].y == y1 &&
            op.points[1].x == x2 && op.points[1].y == y2)
            return &op;
    return nullptr;
}

bool HasLine(const Ops& ops, float x1, float y1, float x2, float y2, int colour) {
    for (const DrawOp& op : ops)
        if (op.kind == DrawOp::Kind::Line && op.points[0].x == x1 && op.points[0].y == y1 &&
            op.points[1].x == x2 && op.points[1].y == y2 && op.colour == colour)
            return true;
    return false;
}

std::vector<float> Positions(const Program& p) { return {p.GS1, p.GS2, p.GS3, p.GS4, p.GS5}; }

}  // namespace

TEST(BoxPlotChapter, EachScreenTakesItsKeysAndReturns) {
    const struct {
        void (*screen)(Program&);
        std::size_t keys;
    } screens[] = {
        {tallyview::BoxPlotIntroScreen, 17},
        {tallyview::BoxPlotExampleScreen, 16},
        {tallyview::CompleteSummaryTableScreen, 29},
        {tallyview::CompleteBoxPlotsScreen, 26},
    };
    for (const auto& s : screens) {
        ScreenRun run(Keys(s.keys));
        s.screen(run.p());  // returns to the sub-menu on the last key
        EXPECT_EQ(run.keyWaits.size(), s.keys);
        EXPECT_EQ(run.f.rt.KeysLeft(), 0u);
    }
}

TEST(BoxPlotChapter, AimAndSubMenuLineWithoutAKey) {
    ScreenRun run("5\r");
    tallyview::InterquartileBoxPlotChapter(run.p());
    EXPECT_TRUE(run.keyWaits.empty());
    EXPECT_EQ(run.numberWaits, 1);
    const Ops visible = testing_support::VisibleOps(run.f.rt);
    EXPECT_EQ(LineText(visible, 44, 240, 1440), "<めあて>");
    EXPECT_EQ(ColourIn(visible, 44, 230, 1440, 280), 3);
    EXPECT_EQ(CountTexts(visible, "複", 44, 305, 0), 1);
    EXPECT_EQ(LineText(visible, 0, 666, 1000), "①箱ひげ図　②例　③表完成　④図完成　⑤終了");
    EXPECT_EQ(run.p().AINP, 10);
}

TEST(BoxPlotChapter, SubMenuRangeAndRounding) {
    // Out of range (also 5.4 and 0.6 before rounding): the line again and no
    // screen; 2.4 is the example; 5 leaves the chapter.
    ScreenRun run("0\r6\r-1\r5.4\r0.6\r2.4\r" + Keys(16) + "5\r");
    tallyview::InterquartileBoxPlotChapter(run.p());
    EXPECT_EQ(run.numberWaits, 7);
    EXPECT_EQ(run.keyWaits.size(), 16u);
    // One lesson-area clearing, after the sixth entry: the example's.
    int clears = 0;
    for (const DrawOp& op : run.ops())
        clears += op.kind == DrawOp::Kind::FilledBox && op.points[1].x == 1600 && op.points[1].y == 1800;
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(CountTexts(run.ops(), "例", 40, 30, 7), 1);
}

TEST(BoxPlotChapter, ReachedFromTheMainMenuAndBack) {
    ScreenRun one("2\r1\r" + Keys(17) + "5\r7\r");
    EXPECT_EQ(tallyview::RunTallyview(one.f.rt).kind, RunResult::Kind::Ended);
    EXPECT_EQ(one.keyWaits.size(), 17u);

    // The tour's walk: every item of the chapter, back to the main menu, end.
    ScreenRun walk(tour::TallyviewWalk());
    EXPECT_EQ(tallyview::RunTallyview(walk.f.rt).kind, RunResult::Kind::Ended);
    EXPECT_EQ(walk.keyWaits.size(), 7u + 9 + 17 + 16 + 29 + 26);
    EXPECT_EQ(walk.f.rt.KeysLeft(), 0u);
}

TEST(BoxPlotIntroScreen, LabelsStandByTheBoxPlot) {
    ScreenRun run(Keys(17));
    Program& p = run.p();
    std::vector<float> atScale;
    float scaleLine = 0;
    run.f.rt.onWait = [&, counting = run.f.rt.onWait](WaitKind kind) {
        counting(kind);
        if (run.keyWaits.size() == 2) atScale = Positions(p), scaleLine = p.GY4;
    };
    tallyview::BoxPlotIntroScreen(p);
    // The summary 41, 57.5, 69, 78.5, 96 on 8 units per piece from x 240.
    EXPECT_EQ(atScale, (std::vector<float>{408, 540, 632, 708, 848}));
    EXPECT_EQ(scaleLine, 150);
    const Ops& ops = run.ops();
    // Key by key: "箱" after key 2, the whiskers after key 3, ...
    EXPECT_EQ(CountTexts(run.Between(2, 3), "箱", 540, 30, 0), 1);
    const Ops whiskers = run.Between(3, 4);
    EXPECT_EQ(CountTexts(whiskers, "ひ", 408, 30, 0) + CountTexts(whiskers, "ひ", 748, 30, 0), 2);
    EXPECT_EQ(CountTexts(run.Between(4, 5), "最", 328, 190, 3), 1);
    EXPECT_EQ(CountTexts(run.Between(5, 6), "最", 816, 190, 3), 1);
    EXPECT_EQ(LineText(run.Between(6, 7), 40, 290, 1440), "四分位数…データを4等分したときの区切りの値");
    EXPECT_EQ(CountTexts(run.Between(7, 8), "①", 522, 190, 3), 1);
    EXPECT_EQ(CountTexts(run.Between(8, 9), "②", 614, 190, 3), 1);
    EXPECT_EQ(CountTexts(run.Between(9, 10), "③", 690, 190, 3), 1);
    EXPECT_EQ(CountTexts(run.Between(10, 11), "①", 40, 240, 7), 1);
    // "=中央値" fills the blanks of the quartile line.
    EXPECT_EQ(LineText(run.Between(11, 12), 552, 240, 700), "=中央値");
    EXPECT_EQ(LineText(ops, 40, 340, 1440), "四分位範囲…箱の横の長さで、約半数のデータをふくむ");
    // (The formula drawing strokes "+" and "-" instead of writing them.)
    EXPECT_EQ(LineText(ops, 40, 390, 1440), "(四分位範囲)=(第3四分位数)(第1四分位数)");
    EXPECT_EQ(LineText(ops, 40, 440, 1440), "(範囲)=(最大値)(最小値)");
    EXPECT_EQ(LineText(ops, 40, 530, 1440), "平均値の位置を表すこともある(が平均値)");
    EXPECT_EQ(LineText(ops, 40, 580, 1440), "箱ひげ図を縦にかくこともある");
    // The mean mark at 68.4, and the upright box plot last, leaving width 5.
    EXPECT_TRUE(HasLine(ops, 619.2f, 100, 635.2f, 100, 0));
    EXPECT_TRUE(HasLine(ops, 1070, 50, 1070, 500, 0));
    EXPECT_EQ(run.f.rt.LineWidth(), 5);
}

TEST(BoxPlotExampleScreen, TableWorkingAndScale) {
    ScreenRun run(Keys(16));
    Program& p = run.p();
    tallyview::BoxPlotExampleScreen(p);
    const Ops table = run.Between(1, 2);
    const auto row = [&](float k) { return TextIn(table, 880, 80 + 35 * (k - 1), 1120, 80 + 35 * k); };
    EXPECT_EQ(row(1), "41586979");
    EXPECT_EQ(row(12), "57687896");
    EXPECT_EQ(row(13), "69");
    EXPECT_EQ(TextIn(table, 940, 500, 1000, 535), "69");
    for (float k = 1; k <= 12; ++k) {
        const DrawOp* cell = FindBox(table, 880, 80 + 35 * (k - 1), 940, 80 + 35 * k);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->fill, k == 5 || k == 10 ? 11 : 13);
        EXPECT_EQ(cell->colour, 15);
    }
    EXPECT_EQ(CountTexts(table, "花", 880, 30, 3), 1);

    const Ops& ops = run.ops();
    // "/" outside a fraction is a division sign; "+" is stroked.
    EXPECT_EQ(LineText(ops, 70, 230, 880), "(5758)÷2=115÷2=57.5(個)");
    EXPECT_EQ(LineText(ops, 70, 330, 880), "(7879)÷2=157÷2=78.5(個)");
    EXPECT_EQ(LineText(ops, 40, 430, 880), "⑤箱ひげ図最小値が41個、最大値が96個だから");
    // The summary agrees with the working texts.
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(p.HH_a(k), (std::vector<float>{41, 57.5, 69, 78.5, 96})[k - 1]);

    // The scale a key before the box plot; the labels centred under the
    // five values at x 278, 410, 502, 578, 718.
    EXPECT_EQ(Positions(p), (std::vector<float>{278, 410, 502, 578, 718}));
    const Ops scale = run.Between(15, 16);
    const float left[] = {258, 376, 482, 544, 698};
    const char* first[] = {"4", "5", "6", "7", "9"};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(CountTexts(scale, first[k], left[k], 580, 0), 1) << k;
    EXPECT_EQ(FindBox(scale, 410, 505, 578, 555), nullptr);
    const Ops plot = run.Between(16, 17);
    const DrawOp* box = FindBox(plot, 410, 505, 578, 555);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->colour, 3);
    for (const DrawOp& op : plot) EXPECT_NE(op.colour, 0) << "no mean mark";
}

TEST(CompleteSummaryTableScreen, FourSummariesAndTheirRanges) {
    ScreenRun run(Keys(29));
    tallyview::CompleteSummaryTableScreen(run.p());
    const Ops& ops = run.ops();
    const float left[] = {116, 252, 388, 524, 660, 796, 932};
    const auto cell = [&](int row, int column) {
        return TextIn(ops, left[column - 1], 90 + 70 * row, left[column], 160 + 70 * row);
    };
    const char* rows[4][6] = {
        {"41", "57.5", "69", "78.5", "96", "21"},
        {"36", "47", "55", "68", "110", "21"},
        {"43", "67", "82", "91", "105", "24"},
        {"39", "46", "52", "62", "77", "16"},
    };
    // The range column stands where the value tables stood: read it after
    // they were erased.
    const Ops ranges = run.Between(25, 30);
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 5; ++c) {
            EXPECT_EQ(cell(r, c), rows[r - 1][c - 1]) << r << "," << c;
            EXPECT_EQ(ColourIn(ops, left[c - 1], 90 + 70 * r, left[c], 160 + 70 * r), r == 1 ? 0 : 5);
        }
        EXPECT_EQ(TextIn(ranges, 796, 90 + 70 * r, 932, 160 + 70 * r), rows[r - 1][5]) << r;
        EXPECT_EQ(ColourIn(ranges, 796, 90 + 70 * r, 932, 160 + 70 * r), 5);
    }
    EXPECT_EQ(TextIn(ranges, 796, 90, 932, 160), "四分位範囲");
    // Every border 5 wide, and the width stays.
    EXPECT_EQ(FindBox(ops, 116, 160, 252, 230)->lineWidth, 5);
    EXPECT_EQ(run.f.rt.LineWidth(), 5);
}

TEST(CompleteSummaryTableScreen, RevealOrderAndValueTables) {
    ScreenRun run(Keys(29));
    tallyview::CompleteSummaryTableScreen(run.p());
    // Each stage: its data table before its first key, then minimum,
    // maximum, median, first and third quartile, one key each.
    const float columnLeft[] = {116, 660, 388, 252, 524};
    for (int stage = 0; stage < 4; ++stage) {
        const std::size_t first = 1 + 6 * static_cast<std::size_t>(stage);
        for (std::size_t k = 0; k < 5; ++k) {
            const Ops step = run.Between(first + 1 + k, first + 2 + k);
            const float top = 160 + 70 * static_cast<float>(stage);
            EXPECT_NE(FindBox(step, columnLeft[k], top, columnLeft[k] + 136, top + 70), nullptr)
                << stage << "," << k;
        }
    }
    const auto column = [&](std::size_t stage, float left, float right) {
        return TextIn(run.Between(1 + 6 * stage, 2 + 6 * stage), left, 80, right, 800);
    };
    // Stage 1: 12 rows and the median 69 alone in row 13 of column 2.
    EXPECT_EQ(TextIn(run.Between(1, 2), 940, 500, 1000, 535), "69");
    // Stage 2: column 4 ends with 110 in row 11 and an empty white cell.
    EXPECT_EQ(column(1, 1060, 1135), "68697070727376798080110");
    const auto stage2 = run.Between(7, 8);
    const DrawOp* empty = FindBox(stage2, 1060, 465, 1135, 500);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty->fill, 15);
    // Stage 3: 5 rows, the median 82 alone in row 6 of column 2.
    EXPECT_EQ(column(2, 940, 1000), "707474768082");
    EXPECT_EQ(TextIn(run.Between(13, 14), 880, 255, 940, 290), "");
    // Stage 4: column 4 ends with 77 in row 5 and an empty cell in row 6.
    EXPECT_EQ(column(3, 1060, 1135), "6567697177");
    EXPECT_NE(FindBox(run.Between(19, 20), 1060, 255, 1135, 290), nullptr);
    // After the last stage the data table is erased before the range column.
    const Ops end = run.Between(25, 26);
    const DrawOp* erase = FindBox(end, 880, 0, 2480, 1800);
    ASSERT_NE(erase, nullptr);
    EXPECT_EQ(erase->fill, 15);
    EXPECT_GT(FindBox(end, 796, 90, 932, 160), erase);
}

TEST(CompleteBoxPlotsScreen, MarksThenFourBoxPlots) {
    ScreenRun run(Keys(26));
    Program& p = run.p();
    tallyview::CompleteBoxPlotsScreen(p);
    // The origin reads 20: a "2" before the frame's "0".
    const Ops start = run.Between(0, 1);
    EXPECT_EQ(CountTexts(start, "2", 140, 325, 0), 1);
    EXPECT_EQ(CountTexts(start, "0", 170, 325, 0), 1);

    // The first box plot only to find its five positions: in the background
    // colour, and the grid drawn again over it.
    const Ops hidden = run.Between(1, 2);
    const DrawOp* invisible = FindBox(hidden, 425, 107.5f, 551, 142.5f);
    ASSERT_NE(invisible, nullptr);
    EXPECT_EQ(invisible->colour, 15);
    EXPECT_TRUE(HasLine(Ops(invisible, hidden.data() + hidden.size()), 260, 75, 260, 325, 0));

    // Keys 2 to 6 reveal the five marks.
    const float marks[] = {326, 425, 494, 551, 656};
    for (std::size_t k = 0; k < 5; ++k) {
        const Ops step = run.Between(2 + k, 3 + k);
        int circles = 0;
        for (const DrawOp& op : step)
            circles += op.kind == DrawOp::Kind::Circle && op.points[0].x == marks[k] &&
                       op.points[0].y == 125 && op.radius == 6 && op.colour == 0 && !op.filled;
        EXPECT_EQ(circles, 1) << k;
    }

    // Keys 7 to 10: the four box plots in colour 5, without mean marks.
    const struct {
        float from, to, y;
    } plots[] = {{326, 656, 125}, {296, 740, 175}, {338, 710, 225}, {314, 542, 275}};
    for (std::size_t k = 0; k < 4; ++k) {
        const Ops step = run.Between(7 + k, 8 + k);
        EXPECT_TRUE(HasLine(step, plots[k].from, plots[k].y - 8.75f, plots[k].from, plots[k].y + 8.75f, 5)) << k;
        EXPECT_TRUE(HasLine(step, plots[k].to, plots[k].y - 8.75f, plots[k].to, plots[k].y + 8.75f, 5)) << k;
        for (const DrawOp& op : step) EXPECT_FALSE(op.kind == DrawOp::Kind::Line && op.colour == 0);
    }

    // The summary tables beside the grid.
    const Ops& ops = run.ops();
    EXPECT_EQ(TextIn(ops, 1010, 100, 1100, 275), "4157.56978.596");
    EXPECT_EQ(TextIn(ops, 1100, 100, 1190, 275), "36475568110");
    EXPECT_EQ(TextIn(ops, 1010, 345, 1100, 520), "43678291105");
    EXPECT_EQ(TextIn(ops, 1100, 345, 1190, 520), "3946526277");

    // The conclusions, part by part.
    EXPECT_EQ(LineText(run.Between(11, 12), 40, 395, 1440), "①平日どうし");
    EXPECT_EQ(LineText(run.Between(14, 15), 40, 395, 1440), "×25％");
    EXPECT_EQ(LineText(ops, 40, 595, 1440), "⑤直前の平日と休日平日のばらつきが多い(箱やひげの長さ)");
    EXPECT_EQ(ColourIn(run.Between(26, 27), 40, 585, 1440, 635), 3);
}
