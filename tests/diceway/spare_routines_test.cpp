#include <gtest/gtest.h>

#include <vector>

#include "Diceway/spare_routines.h"
#include "tests/diceway/diceway_fixture.h"

using namespace lesson;
using diceway_test::Fixture;

TEST(BracketNegative, BracketsAnyTextWithAMinus) {
    Fixture f;
    diceway::Program& p = f.p();
    const struct { const char* in; const char* out; float position; } cases[] = {
        {"-3", "(-3)", 1}, {"2-3", "(2-3)", 2}, {"3", "3", 0}, {"", "", 0},
        {"(-3)", "((-3))", 2}, {"あ-3", "(あ-3)", 3},  // a byte position
    };
    for (const auto& c : cases) {
        p.A_s = c.in;
        diceway::BracketNegative(p);
        EXPECT_EQ(p.A_s, Text(c.out)) << c.in;
        EXPECT_EQ(p.TA1, c.position) << c.in;
    }
}

namespace {

std::vector<float> Listed(const lesson::Array1<float>& a, float count) {
    std::vector<float> out;
    for (float k = 1; k <= count; ++k) out.push_back(a(k));
    return out;
}

}  // namespace

TEST(ListDivisorPairs, DivisorsCofactorsAndPairs) {
    Fixture f;
    diceway::Program& p = f.p();
    for (float dy : {12.0f, -12.0f}) {
        p.DY = dy;
        diceway::ListDivisorPairs(p);
        EXPECT_EQ(p.DY, 12);
        EXPECT_EQ(p.P, 6);
        EXPECT_EQ(Listed(p.X_a, p.P), (std::vector<float>{1, 2, 3, 4, 6, 12}));
        EXPECT_EQ(Listed(p.Y_a, p.P), (std::vector<float>{12, 6, 4, 3, 2, 1}));
        EXPECT_EQ(p.KOSUU, 3);
    }
    p.DY = 7;
    diceway::ListDivisorPairs(p);
    EXPECT_EQ(Listed(p.X_a, p.P), (std::vector<float>{1, 7}));
    EXPECT_EQ(p.KOSUU, 1);

    // A square lists its root once: 9 divisors, 5 pairs by the halves-up rule.
    p.DY = 36;
    diceway::ListDivisorPairs(p);
    EXPECT_EQ(p.P, 9);
    EXPECT_EQ(p.KOSUU, 5);
    EXPECT_EQ(p.X_a(5), 6);
    EXPECT_EQ(p.Y_a(5), 6);
}

TEST(ListDivisorPairs, EdgeValues) {
    Fixture f;
    diceway::Program& p = f.p();
    // The loop runs once even below its bound: 0 gives the one entry 1, 0.
    p.DY = 0;
    diceway::ListDivisorPairs(p);
    EXPECT_EQ(p.P, 1);
    EXPECT_EQ(p.X_a(1), 1);
    EXPECT_EQ(p.Y_a(1), 0);
    p.DY = 7.5f;
    diceway::ListDivisorPairs(p);
    EXPECT_EQ(p.P, 0);
    EXPECT_EQ(p.KOSUU, 0);

    p.DY = 1000000;
    diceway::ListDivisorPairs(p);
    EXPECT_EQ(p.P, 49);
    EXPECT_EQ(p.X_a(49), 1000000);
    EXPECT_EQ(p.Y_a(25), 1000);
    EXPECT_EQ(p.II, 1000001);
}

TEST(ListDivisorPairs, MoreDivisorsThanTheArrayHoldsIsARunTimeError) {
    Fixture f;
    diceway::Program& p = f.p();
    p.DY = 5040;  // 60 divisors
    try {
        diceway::ListDivisorPairs(p);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code, ErrorCode::SubscriptRange);
    }
    EXPECT_EQ(p.P, 51);
    EXPECT_EQ(p.X_a(50), 420);  // the 51st, 504, finds no place
}
