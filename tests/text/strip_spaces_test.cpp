#include <gtest/gtest.h>

#include "lessonlib/shell/numbers.h"
#include "lessonlib/text/strip_spaces.h"
#include "tests/support/test_support.h"

using namespace lesson;

namespace {

Text Strip(Program& p, const Text& t) {
    p.A_s = t;
    StripSpaces(p);
    return p.A_s;
}

}  // namespace

TEST(StripSpaces, RemovesEveryHalfWidthBlankOnly) {
    testing_support::Fixture f;
    Program& p = f.p();
    EXPECT_EQ(Strip(p, NumberToText(12)), Text("12"));
    EXPECT_EQ(Strip(p, NumberToText(-3.5f)), Text("-3.5"));
    EXPECT_EQ(Strip(p, "1 2  3 "), Text("123"));
    EXPECT_EQ(Strip(p, "　全角 の空白　"), Text("　全角の空白　"));
    EXPECT_EQ(Strip(p, "ﾀ1/6ﾀ 実"), Text("ﾀ1/6ﾀ実"));
    EXPECT_EQ(p.X9_s, p.A_s);
    EXPECT_EQ(p.KB8, 8);  // five one-byte characters, a blank, a two-byte one
    EXPECT_EQ(p.IB8, 9);
}

TEST(StripSpaces, EmptyAndBlankTexts) {
    testing_support::Fixture f;
    Program& p = f.p();
    EXPECT_EQ(Strip(p, ""), Text());
    EXPECT_EQ(p.X8_s, Text());
    EXPECT_EQ(p.IB8, 2);
    EXPECT_EQ(Strip(p, "   "), Text());
}
