#include <gtest/gtest.h>

#include <cmath>

#include "lessonlib/shell/errors.h"
#include "lessonlib/shell/numbers.h"

using namespace lesson;

TEST(NumberToText, FormsOfTheDecimalText) {
    EXPECT_EQ(NumberToText(12), Text(" 12"));
    EXPECT_EQ(NumberToText(-3), Text("-3"));
    EXPECT_EQ(NumberToText(0.25f), Text(" .25"));
    EXPECT_EQ(NumberToText(-0.5f), Text("-.5"));
    EXPECT_EQ(NumberToText(0.1f), Text(" .1"));
    EXPECT_EQ(NumberToText(68.4f), Text(" 68.4"));
    EXPECT_EQ(NumberToText(57.5f), Text(" 57.5"));
    EXPECT_EQ(NumberToText(1.0f / 6.0f), Text(" .1666667"));
    EXPECT_EQ(NumberToText(0.167f), Text(" .167"));
    EXPECT_EQ(NumberToText(0), Text(" 0"));
    EXPECT_EQ(NumberToText(-0.0f), Text(" 0"));
    EXPECT_EQ(NumberToText(1000000), Text(" 1000000"));
    EXPECT_EQ(NumberToText(16777215), Text(" 16777215"));
    EXPECT_EQ(NumberToText(-16777215), Text("-16777215"));
}

TEST(ValueOfText, LeadingNumberOrZero) {
    EXPECT_EQ(ValueOfText(""), 0.0f);
    EXPECT_EQ(ValueOfText("-"), 0.0f);
    EXPECT_EQ(ValueOfText("."), 0.0f);
    EXPECT_EQ(ValueOfText("--5"), 0.0f);
    EXPECT_FLOAT_EQ(ValueOfText("3.14"), 3.14f);
    EXPECT_FLOAT_EQ(ValueOfText("1.2.3"), 1.2f);
    EXPECT_EQ(ValueOfText("-1.5"), -1.5f);
    EXPECT_EQ(ValueOfText(" 12"), 12.0f);
    EXPECT_EQ(ValueOfText("12/2"), 12.0f);
    EXPECT_EQ(ValueOfText(".5"), 0.5f);
    EXPECT_EQ(ValueOfText("07"), 7.0f);
    EXPECT_EQ(ValueOfText("5E"), 5.0f);
    // The texts of numbers read back as the numbers.
    for (float v : {0.25f, -3.0f, 68.4f, 1234567.0f, 1e-5f})
        EXPECT_EQ(ValueOfText(NumberToText(v)), v) << v;
}

TEST(WholeNumbers, HalvesRoundAwayFromZero) {
    EXPECT_EQ(WholeNumber(2.5), 3);
    EXPECT_EQ(WholeNumber(-2.5), -3);
    EXPECT_EQ(WholeNumber(0.5), 1);
    EXPECT_EQ(WholeNumber(0.49999997f), 0);
    EXPECT_EQ(WholeNumber(6.6f), 7);
    EXPECT_EQ(WholeNumber(-0.4), 0);
    EXPECT_EQ(RoundDown(2.7f), 2.0f);
    EXPECT_EQ(RoundDown(-1.5f), -2.0f);
}

TEST(WholeNumbers, RangeIsChecked) {
    EXPECT_THROW(WholeNumber(3e9), RuntimeError);
    EXPECT_THROW(WholeNumber(std::nan("")), RuntimeError);
    EXPECT_EQ(WholeNumber16(1000), 1000);
    EXPECT_THROW(WholeNumber16(32767.5), RuntimeError);
    try {
        WholeNumber(1e10);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code, ErrorCode::Overflow);
    }
}

TEST(CheckedArithmetic, DivisionAndRemainder) {
    EXPECT_EQ(Divide(3, 4), 0.75f);
    EXPECT_EQ(Remainder(7, 3), 1.0f);
    EXPECT_EQ(Remainder(-7, 3), -1.0f);
    EXPECT_EQ(Remainder(7.6, 3), 2.0f);  // operands made whole first
    int line = 0;
    try {
        line = __LINE__ + 1;
        Divide(1, 0);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code, ErrorCode::DivisionByZero);
        EXPECT_EQ(e.statement, line);
    }
    EXPECT_THROW(Remainder(5, 0.4), RuntimeError);
    EXPECT_THROW(Divide(3e38f, 1e-3f), RuntimeError);
}
