#include <gtest/gtest.h>

#include <iostream>

#include "Diceway/diceway.h"
#include "Tallyview/tallyview.h"
#include "platform/colour_measures.h"
#include "platform/contrast_audit.h"
#include "platform/palette.h"
#include "tools/tour_walks.h"

namespace {

using platform::ContrastAudit;
using platform::Lab;

TEST(ColourMeasures, ContrastAndDistanceMatchTheirReferences) {
    const platform::Rgb black{0, 0, 0}, white{255, 255, 255}, grey{0x76, 0x76, 0x76};
    EXPECT_NEAR(platform::ContrastRatio(black, white), 21, 1e-9);
    EXPECT_NEAR(platform::ContrastRatio(white, black), 21, 1e-9);
    EXPECT_NEAR(platform::ContrastRatio(grey, grey), 1, 1e-9);
    EXPECT_NEAR(platform::ContrastRatio(grey, white), 4.54, 0.01);  // the usual least grey for body text

    const Lab w = platform::ToLab(white);
    EXPECT_NEAR(w.l, 100, 0.01);
    EXPECT_NEAR(w.a, 0, 0.01);
    EXPECT_NEAR(w.b, 0, 0.01);

    // Pairs from the published CIEDE2000 test data: hue, chroma and
    // lightness terms, and the hue-mean wrap.
    const struct {
        Lab x, y;
        double difference;
    } pairs[] = {
        {{50, 2.6772, -79.7751}, {50, 0, -82.7485}, 2.0425},
        {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, 2.5, 0}, {73, 25, -18}, 27.1492},
        {{60.2574, -34.0099, 36.2677}, {60.4626, -34.1751, 39.4387}, 1.2644},
        {{50, 2.5, 0}, {50, 0, -2.5}, 4.3065},
    };
    for (const auto& p : pairs) {
        EXPECT_NEAR(platform::Ciede2000(p.x, p.y), p.difference, 1e-4);
        EXPECT_NEAR(platform::Ciede2000(p.y, p.x), p.difference, 1e-4);
    }
}

// A made-up screen: the key-wait box with its text, text on the white,
// on a cell, erased and in the measuring row, and marks on a fill.
lesson::RunResult DrawScreen(lesson::Runtime& rt) {
    rt.SetUpWindow();
    rt.FilledBox(96, 657, 400, 693, 13, 4);
    rt.DrawText(128, 666, 1, 1, 9, "何かキー");  // 4 full-width cells on 4
    rt.DrawText(16, 16, 1, 1, 0, "ab c");         // 3 half-width cells on 15; the blank has no ink
    rt.DrawText(16, 16, 1, 1, 15, "ab c");        // erased on 15
    rt.DrawText(0, 1800, 1, 1, 0, "measured");    // off the plane
    rt.WaitBegins(lesson::WaitKind::AnyKey);
    rt.WaitEnds();
    // A cell of fill 11 bordered in 0 from x 200 to 236 (the border 3
    // wide). A full-width cell at 200 lies on the fill; one at 232 (16
    // wide) mostly on white; a half-width cell at 226 doubled (16 wide)
    // mostly on the fill. Text in the fill's own colour erases.
    rt.FilledBox(200, 100, 236, 140, 0, 11);
    rt.DrawText(200, 110, 1, 1, 3, "表");
    rt.DrawText(232, 110, 1, 1, 3, "裏");
    rt.DrawText(226, 110, 2, 1, 5, "A");
    rt.DrawText(200, 110, 1, 1, 11, "表");
    // Two lots on fill 13: a ring on one, a cross's two strokes on the
    // other; a level line along its edge and a circle partly off it are no
    // marks on the fill.
    rt.Polygon(std::vector<lesson::Point>{{600, 200}, {720, 200}, {720, 360}, {600, 360}}, 0, 13);
    rt.Polygon(std::vector<lesson::Point>{{760, 200}, {880, 200}, {880, 360}, {760, 360}}, 0, 13);
    rt.SetLineWidth(10);
    rt.Circle({.cx = 660, .cy = 260, .radius = 40, .colour = 5});
    rt.Line(780, 220, 860, 280, 0);
    rt.Line(860, 220, 780, 280, 0);
    rt.SetLineWidth(3);
    rt.Line(760, 360, 880, 360, 7);
    rt.Circle({.cx = 860, .cy = 300, .radius = 30, .colour = 7});
    return {};
}

TEST(ContrastAudit, FindsEachGlyphsGroundAndTheMarksOnAFill) {
    ContrastAudit audit;
    audit.Walk("Screen", DrawScreen, lesson::Text());
    std::map<std::pair<int, int>, std::pair<long, long>> counts;
    for (const auto& [key, pair] : audit.Pairs()) counts[key] = {pair.glyphs, pair.marks};
    const std::map<std::pair<int, int>, std::pair<long, long>> expected = {
        {{9, 4}, {4, 0}},   {{0, 15}, {3, 0}},  {{3, 11}, {1, 0}},
        {{3, 15}, {1, 0}},  {{5, 11}, {1, 0}},  {{5, 13}, {0, 1}}, {{0, 13}, {0, 2}},
    };
    EXPECT_EQ(counts, expected);
    EXPECT_EQ(audit.ErasedGlyphs(), 4);

    const platform::ContrastPair& box = audit.Pairs().at({9, 4});
    EXPECT_EQ(box.program, "Screen");
    EXPECT_EQ(box.firstStep, 1);
    EXPECT_EQ(box.firstDrawn, "何かキー");
    const platform::ContrastPair& ring = audit.Pairs().at({5, 13});
    EXPECT_EQ(ring.firstStep, 2);
    EXPECT_EQ(ring.firstDrawn, "(circle)");
}

TEST(ContrastAudit, FailsTheLeastLegiblePairAndNamesItInTheTable) {
    EXPECT_EQ(ContrastAudit::Least(9, 4), 4.5);
    EXPECT_EQ(ContrastAudit::Least(9, 12), 4.5);
    EXPECT_EQ(ContrastAudit::Least(4, 9), 3);
    EXPECT_EQ(ContrastAudit::Least(0, 15), 3);

    // The two colour numbers of least contrast: no sixteen colours can
    // keep every two of them 3:1 apart.
    int fg = 0, bg = 1;
    for (int a = 0; a < 16; ++a)
        for (int b = 0; b < 16; ++b)
            if (a != b && platform::PaletteContrast(a, b) < platform::PaletteContrast(fg, bg)) fg = a, bg = b;
    ASSERT_LT(platform::PaletteContrast(fg, bg), 3);
    ContrastAudit audit;
    audit.Walk("Screen", [&](lesson::Runtime& rt) {
        rt.FilledBox(0, 0, 1440, 720, bg, bg);
        rt.DrawText(100, 100, 1, 1, float(fg), "ab");
        return lesson::RunResult{};
    }, lesson::Text());
    const std::string pair = std::to_string(fg) + " on " + std::to_string(bg) + ":";
    const std::vector<std::string> failures = audit.Failures();
    ASSERT_FALSE(failures.empty());
    EXPECT_EQ(failures[0].rfind(pair, 0), 0u) << failures[0];
    EXPECT_NE(failures[0].find("Screen step 1: ab"), std::string::npos) << failures[0];
    const std::string table = audit.Table();
    EXPECT_NE(table.find("too low"), std::string::npos) << table;
    // The box texts are listed even where nothing draws them.
    EXPECT_NE(table.find("9 on 12"), std::string::npos) << table;
}

// The built-in walks reach every screen: each pair a screen draws, and the
// box texts, must be legible and the colour numbers must look different.
// The table goes to the test's output for a person to read.
void ExpectLegibleWalk(const std::string& program, const ContrastAudit::Run& run, const std::string& walk) {
    ContrastAudit audit;
    const lesson::RunResult result = audit.Walk(program, run, lesson::Text(walk));
    std::cout << program << "'s walk:\n" << audit.Table();
    EXPECT_EQ(result.kind, lesson::RunResult::Kind::Ended);
    for (const std::string& failure : audit.Failures()) ADD_FAILURE() << failure;
}

TEST(ContrastAudit, TallyviewsScreensDrawLegiblePairs) {
    ExpectLegibleWalk("Tallyview", tallyview::RunTallyview, tour::TallyviewWalk());
}

TEST(ContrastAudit, DicewaysScreensDrawLegiblePairs) {
    ExpectLegibleWalk("Diceway", diceway::RunDiceway, tour::DicewayWalk());
}

}  // namespace
