#include <gtest/gtest.h>

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/number_entry.h"
#include "tests/support/test_support.h"

using namespace lesson;
using testing_support::Fixture;

namespace {

// Types `keys` into a fresh field; returns the fixture for inspection.
struct Entry {
    explicit Entry(const char* keys) : f(keys) {
        InputNumber(f.p());
        ParseNumber(f.p());
    }
    Fixture f;
    Program& p() { return f.p(); }
};

std::vector<DrawOp> EchoOps(Fixture& f) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : testing_support::TextOps(f.rt.Ops()))
        if (op.colour == 5) out.push_back(op);
    return out;
}

}  // namespace

TEST(NumberEntry, StateTable) {
    // Backspace and form feed clear everything typed so far.
    EXPECT_EQ(Entry("12\b4\r").p().AINP_s, Text("4"));
    EXPECT_EQ(Entry("12\f4\r").p().AINP_s, Text("4"));
    // Nine digits and Enter are accepted.
    EXPECT_EQ(Entry("123456789\r").p().AINP_s, Text("123456789"));
    // Ten held: the next key, Enter included, clears the field and is dropped.
    EXPECT_EQ(Entry("1234567890\r\r").p().AINP_s, Text());
    EXPECT_EQ(Entry("1234567890\r7\r").p().AINP_s, Text("7"));
    EXPECT_EQ(Entry("12345678905\r").p().AINP_s, Text());  // '5' cleared, then Enter
    // Keys outside "-" to "9" are ignored.
    Entry ignored("a 1\tZ１2\x1b\r");
    EXPECT_EQ(ignored.p().AINP_s, Text("12"));
    // Enter on an empty field.
    Entry empty("\r");
    EXPECT_EQ(empty.p().AINP_s, Text());
    EXPECT_EQ(empty.p().AINP, 0);
}

TEST(NumberEntry, EchoGlyphsAndTheKernedPoint) {
    Entry e("3.14\r");
    EXPECT_EQ(e.p().AINP_s, Text("3.14"));
    EXPECT_FLOAT_EQ(e.p().AINP, 3.14f);
    const auto echo = EchoOps(e.f);
    ASSERT_EQ(echo.size(), 4u);
    EXPECT_EQ(echo[0].text, Text("３"));
    EXPECT_EQ(echo[0].points[0].x, 1056);
    EXPECT_EQ(echo[1].text, Text("．"));
    EXPECT_EQ(echo[1].points[0].x, 1056 + 12);  // 4 left of its cell, no width of its own
    EXPECT_EQ(echo[2].text, Text("１"));
    EXPECT_EQ(echo[2].points[0].x, 1056 + 16);
    EXPECT_EQ(echo[3].points[0].x, 1056 + 32);
    for (const DrawOp& op : echo) EXPECT_EQ(op.points[0].y, 648);

    Entry slash("-3/4\r");
    const auto glyphs = EchoOps(slash.f);
    ASSERT_EQ(glyphs.size(), 4u);
    EXPECT_EQ(glyphs[0].text, Text("－"));
    EXPECT_EQ(glyphs[2].text, Text("÷"));
    EXPECT_EQ(slash.p().AINP, -0.75f);
    EXPECT_EQ(slash.p().CCC1, 5);
}

TEST(NumberEntry, LabelFieldAndErasing) {
    Entry e("5\r");
    const auto& ops = e.f.rt.Ops();
    const auto texts = testing_support::TextOps(ops);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, Text("入"));
    EXPECT_EQ(texts[0].points[0].x, 1008);
    EXPECT_EQ(texts[0].colour, 0);
    // The cursor dot: radius 4 at the cell's centre, drawn in 5, erased in 15.
    const DrawOp& dot = ops[2];
    EXPECT_EQ(dot.kind, DrawOp::Kind::Circle);
    EXPECT_EQ(dot.points[0].x, 1064);
    EXPECT_EQ(dot.points[0].y, 656);
    EXPECT_EQ(dot.radius, 4);
    EXPECT_EQ(dot.colour, 5);
    // The last operation erases label, echo and dot.
    const DrawOp& erase = ops.back();
    EXPECT_EQ(erase.kind, DrawOp::Kind::FilledBox);
    EXPECT_EQ(erase.points[0].x, 1008);
    EXPECT_EQ(erase.points[0].y, 640);
    EXPECT_EQ(erase.points[1].x, 1248);
    EXPECT_EQ(erase.points[1].y, 670);
    EXPECT_EQ(erase.fill, 15);
}

TEST(ParseNumber, ValuesOfTypedTexts) {
    Fixture f;
    Program& p = f.p();
    const auto value = [&](const char* typed) {
        p.AINP_s = typed;
        ParseNumber(p);
        return p.AINP;
    };
    EXPECT_EQ(value("3/4"), 0.75f);
    EXPECT_EQ(value("6/2"), 3);
    EXPECT_EQ(value("/4"), 0);
    EXPECT_EQ(value("1/2/3"), 0.5f);
    EXPECT_EQ(value("-1.5"), -1.5f);
    EXPECT_EQ(value("-6/-1"), 6);
    EXPECT_EQ(value("--5"), 0);
    EXPECT_EQ(value("."), 0);
    // A zero denominator is no run-time error: the entry counts as 0.
    for (const char* typo : {"5/0", "5/", "/", "0/0", "2/-"}) EXPECT_EQ(value(typo), 0) << typo;
}

TEST(NumberEntry, KeysWithoutACharacterEndAKeyWaitAndAreIgnoredInTheField) {
    const std::u32string none(1, kKeyWithoutCharacter);
    // Page Down at an any-key wait ends it.
    Fixture wait{Text(none)};
    WaitAnyKey(wait.p());
    EXPECT_EQ(wait.p().I_s, Text(none));
    // In the field it neither echoes nor clears ...
    Fixture f(Text(U"1" + none + U"2\r"));
    InputNumber(f.p());
    EXPECT_EQ(f.p().AINP_s, Text("12"));
    EXPECT_EQ(EchoOps(f).size(), 2u);
    // ... except with ten characters held, where any key clears.
    Fixture full(Text(U"1234567890" + none + U"7\r"));
    InputNumber(full.p());
    EXPECT_EQ(full.p().AINP_s, Text("7"));
}
