#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "lessonlib/mathextra/roots_and_factors.h"
#include "tests/mathextra/maths_support.h"

using namespace lesson;
using namespace maths_test;
using chart_test::Values;
using RootsAndFactors = MathsTest;

TEST_F(RootsAndFactors, SquareRootTable) {
    struct Row {
        float given, coefficient, left;
        const char *r1a, *rab, *rabm, *r1b;
    };
    const Row rows[] = {
        {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},      {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
        {7, 1, 7, "", "!7ﾝ", "", "!7ﾝ"},              {36, 6, 1, "6", "6ﾝ", "!36ﾝ=", "ﾝ"},
        {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},                {44521, 1, 44521, "", "!44521ﾝ", "", "!44521ﾝ"},
        {4, 2, 1, "2", "2ﾝ", "!4ﾝ=", "ﾝ"},            {160000, 400, 1, "400", "400ﾝ", "!160000ﾝ=", "ﾝ"},
    };
    for (const Row& r : rows) {
        p.R1B = r.given;
        SimplifySquareRoot(p);
        EXPECT_EQ((Values{p.R1A, p.R1B, p.R1B1, p.R1I}), (Values{r.coefficient, r.left, r.given, 201})) << r.given;
        EXPECT_EQ((Strings{S(p.R1A_s), S(p.RAB_s), S(p.RABM_s), S(p.R1B_s), S(p.A_s)}),
                  (Strings{r.r1a, r.rab, r.rabm, r.r1b, r.r1b}))
            << r.given;
        // The working text keeps the number's blank.
        EXPECT_EQ(S(p.R1A1_s), r.left == 1 ? "" : "! " + std::to_string(static_cast<int>(r.left)));
        EXPECT_EQ(p.R1A * p.R1A * p.R1B, r.given);
    }
}

TEST_F(RootsAndFactors, RadicandNotAWholeNumberOfAtLeastOneIsRefusedAtOnce) {
    for (float zero : {0.0f, 0.4f, -0.3f, std::numeric_limits<float>::quiet_NaN(), -12.0f, -1.0f, 2.5f, 0.75f,
                       1.5f}) {
        p.R1B = zero;
        p.R1A = 77;
        EXPECT_EQ(ErrorOf([&] { SimplifySquareRoot(p); }), ErrorCode::IllegalValue) << zero;
        EXPECT_EQ(p.R1A, 77);  // refused before anything was changed
    }
    p.R1B = 3e9f;  // beyond the whole numbers of the remainder
    EXPECT_EQ(ErrorOf([&] { SimplifySquareRoot(p); }), ErrorCode::Overflow);
}

TEST_F(RootsAndFactors, FactorisationTable) {
    struct Row {
        float sosu, q;
        std::vector<std::pair<float, float>> slots;
        float rest;
    };
    const Row rows[] = {
        {360, 3, {{2, 3}, {3, 2}, {5, 1}}, 1},
        {-12, 2, {{2, 2}, {3, 1}}, 1},
        {1, 0, {}, 1},
        {29, 0, {}, 29},
        {58, 1, {{2, 1}}, 29},
        {841, 0, {}, 841},
        {1024, 1, {{2, 10}}, 1},
        {9699690, 8, {{2, 1}, {3, 1}, {5, 1}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}}, 1},
    };
    for (const Row& r : rows) {
        for (int k = 1; k <= 10; ++k) p.G_a(1, k) = p.G_a(2, k) = 55;  // an earlier call's slots
        p.G_a(0, 3) = 9;
        p.SOSU = r.sosu;
        PrimeFactorise(p);
        EXPECT_EQ((Values{p.Q, p.SOSU, p.SOSU1, p.P, p.TJ}),
                  (Values{r.q, std::fabs(r.sosu), std::fabs(r.sosu), 10, 11})) << r.sosu;
        for (int k = 1; k <= 9; ++k) {
            const auto expected = k <= static_cast<int>(r.slots.size()) ? r.slots[k - 1] : std::pair{0.0f, 0.0f};
            EXPECT_EQ((Values{p.G_a(1, k), p.G_a(2, k)}), (Values{expected.first, expected.second}))
                << r.sosu << " slot " << k;
        }
        EXPECT_EQ((Values{p.G_a(1, 10), p.G_a(2, 10), p.G_a(0, 3)}), (Values{r.rest, 1, 9})) << r.sosu;
    }
    const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(p.R_a(k), primes[k - 1]);
}

TEST_F(RootsAndFactors, FactorsMultiplyBackForEveryNumberTo10000) {
    for (int n = 1; n <= 10000; ++n) {
        p.SOSU = static_cast<float>(n);
        PrimeFactorise(p);
        double product = p.G_a(1, 10);
        for (int k = 1; k <= p.Q; ++k) product *= std::pow(p.G_a(1, k), p.G_a(2, k));
        ASSERT_EQ(product, n);
        for (int k = 2; k <= p.Q; ++k) ASSERT_LT(p.G_a(1, k - 1), p.G_a(1, k)) << n;
    }
}

TEST_F(RootsAndFactors, FactorisationOutsideItsDomainReturns) {
    for (float v : {0.0f, -0.25f, 3e9f, -5e12f}) {
        p.SOSU = v;
        EXPECT_EQ(ErrorOf([&] { PrimeFactorise(p); }), std::nullopt) << v;
        EXPECT_EQ((Values{p.Q, p.G_a(1, 10), p.G_a(2, 10), p.SOSU, p.P, p.TJ}),
                  (Values{0, std::fabs(v), 1, std::fabs(v), 10, 11})) << v;
        for (int k = 1; k <= 9; ++k) EXPECT_EQ((Values{p.G_a(1, k), p.G_a(2, k)}), (Values{0, 0}));
        EXPECT_EQ(p.R_a(10), 29);
    }
    p.SOSU = 2147483520;  // the largest single below 2^31: 2^7 * 16777215 = 2^7 * 3^2 * 5 * 7 * 13 * 17 * 241
    PrimeFactorise(p);
    EXPECT_EQ((Values{p.Q, p.G_a(1, 1), p.G_a(2, 1), p.G_a(1, 10)}), (Values{6, 2, 7, 241}));
}

TEST_F(RootsAndFactors, AnUndimensionedTableIsASubscriptError) {
    testing_support::Fixture bare;
    lesson::Program q(bare.rt);  // no program has dimensioned G() or R()
    q.SOSU = 12;
    EXPECT_EQ(ErrorOf([&] { PrimeFactorise(q); }), ErrorCode::SubscriptRange);
}
