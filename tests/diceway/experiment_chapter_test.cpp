#include <gtest/gtest.h>

#include <algorithm>

#include "Diceway/ch1_experiments/experiments.h"
#include "tests/diceway/diceway_fixture.h"

using namespace lesson;
using diceway_test::Fixture;

namespace {

int CountText(const std::vector<DrawOp>& ops, const char* glyph, float y) {
    return static_cast<int>(std::count_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Text && op.text == Text(glyph) && op.points[0].y == y;
    }));
}

int BottomStripErases(const std::vector<DrawOp>& ops) {
    return static_cast<int>(std::count_if(ops.begin(), ops.end(), [](const DrawOp& op) {
        return op.kind == DrawOp::Kind::FilledBox && op.points[0].x == 0 && op.points[0].y == 657 &&
               op.points[1].x == 992 && op.points[1].y == 720;
    }));
}

}  // namespace

TEST(ExperimentChapter, AimThenSubMenuWithoutAWait) {
    Fixture f("3\r");
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::ExperimentChapter, f), 0);
    const auto texts = testing_support::TextOps(testing_support::VisibleOps(f.rt));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, Text("<"));
    EXPECT_EQ(texts[0].points[0].x, 44);
    EXPECT_EQ(texts[0].points[0].y, 240);
    EXPECT_EQ(texts[0].colour, 3);
    const auto sentence = std::find_if(texts.begin(), texts.end(),
                                       [](const DrawOp& op) { return op.text == Text("実"); });
    ASSERT_NE(sentence, texts.end());
    EXPECT_EQ(sentence->points[0].x, 44);
    EXPECT_EQ(sentence->points[0].y, 305);
    EXPECT_EQ(sentence->colour, 0);
    EXPECT_EQ(f.p().XI1, 44);
    EXPECT_EQ(f.p().YI1, 305);
    EXPECT_GT(f.p().XI2, 44 + 20 * 27);  // the end of the sentence
}

TEST(ExperimentChapter, SubMenuLineIsPromptText) {
    Fixture f("3\r");
    diceway::ExperimentMenu(f.p());
    // The half-width blank before Q takes a cell of its own: ①P160 then Ｑ.
    const auto texts = testing_support::TextOps(f.rt.Ops());
    const auto q = std::find_if(texts.begin(), texts.end(),
                                [](const DrawOp& op) { return op.text == Text("Ｑ"); });
    ASSERT_NE(q, texts.end());
    EXPECT_EQ(q->points[0].x, 112);
    EXPECT_EQ(q->points[0].y, 666);
    EXPECT_EQ(q->colour, 0);
}

TEST(ExperimentChapter, OutOfRangeShowsTheLineAgainOverTheAim) {
    // 0, 4, empty, 1/2 and the typo 5/0 show the line again; 6/2 (3) leaves.
    Fixture f("0\r4\r\r1/2\r5/0\r6/2\r");
    EXPECT_EQ(testing_support::KeyWaitsOf(diceway::ExperimentChapter, f), 0);
    EXPECT_EQ(f.rt.KeysLeft(), 0u);
    const auto& ops = f.rt.Ops();
    EXPECT_EQ(CountText(ops, "<", 240), 1);   // the aim is drawn once
    EXPECT_EQ(CountText(ops, "①", 666), 6);  // the line six times
    EXPECT_EQ(BottomStripErases(ops), 6);
    // Nothing but the strip is erased: no clear of the plane after the aim.
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(),
                            [](const DrawOp& op) {
                                return op.kind == DrawOp::Kind::FilledBox && op.points[0].x == 0 &&
                                       op.points[0].y == 0;
                            }),
              1);
}

TEST(ExperimentChapter, FractionalChoiceIsMadeWhole) {
    Fixture f("2.5\r");  // whole 3: back to the main menu
    diceway::ExperimentMenu(f.p());
    EXPECT_EQ(f.rt.KeysLeft(), 0u);
    EXPECT_EQ(f.p().SENTAKU, 2.5f);
}
