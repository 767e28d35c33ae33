#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "lessonlib/mathextra/fractions.h"
#include "tests/mathextra/maths_support.h"

using namespace lesson;
using namespace maths_test;
using Fractions = MathsTest;

TEST_F(Fractions, FloorModAndGcdLcm) {
    EXPECT_EQ(FloorMod(-1, 4), 3);
    EXPECT_EQ(FloorMod(7, 4), 3);
    EXPECT_EQ(FloorMod(8, 4), 0);
    EXPECT_EQ(FloorMod(3, 8), 3);
    for (auto [ds, db, gcd, lcm] : {std::tuple{6.0f, 8.0f, 2.0f, 24.0f}, {12, 18, 6, 36}, {18, 12, 6, 36},
                                    {0, 7, 7, 0}, {7, 0, 7, 0}, {1, 1, 1, 1}}) {
        p.DS = ds;
        p.DB = db;
        GcdLcm(p);
        EXPECT_EQ(p.X3, gcd) << ds << "/" << db;
        EXPECT_EQ(p.X4, lcm) << ds << "/" << db;
        EXPECT_EQ(p.DS, ds);
        EXPECT_EQ(p.DB, db);
    }
    p.DS = p.DB = 0;
    EXPECT_EQ(ErrorOf([&] { GcdLcm(p); }), ErrorCode::DivisionByZero);
    p.DS = std::numeric_limits<float>::quiet_NaN();  // never reaches 0
    p.DB = 4;
    EXPECT_EQ(ErrorOf([&] { GcdLcm(p); }), ErrorCode::Overflow);
    EXPECT_EQ(ErrorOf([&] { FloorMod(1, 0); }), ErrorCode::DivisionByZero);
}

TEST_F(Fractions, ReductionTable) {
    struct Row {
        float ds, db, dsAfter, dbAfter, yak, yak1;
        const char *a2, *a21, *a3, *a31, *tkai1, *tkai2;
    };
    const Row rows[] = {
        {6, 8, 3, 4, 2, 1, "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ6/8ﾀ=ﾀ3/4ﾀ", "+ﾀ6/8ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
        {3, 4, 3, 4, 3, 1, "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "3/4", "+3/4"},
        {-3, 4, -3, 4, 2, -1, "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "ﾀ-3/4ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
        {6, -8, -3, 4, 2, -1, "-ﾀ3/4ﾀ", "-ﾀ3/4ﾀ", "ﾀ6/-8ﾀ=-ﾀ3/4ﾀ", "ﾀ6/-8ﾀ=-ﾀ3/4ﾀ", "-3/4", "-3/4"},
        {-3, -4, 3, 4, 2, 1, "ﾀ3/4ﾀ", "+ﾀ3/4ﾀ", "ﾀ-3/-4ﾀ=ﾀ3/4ﾀ", "+ﾀ-3/-4ﾀ=+ﾀ3/4ﾀ", "3/4", "+3/4"},
        {4, 2, 2, 1, 1, 1, "2", "+2", "ﾀ4/2ﾀ=2", "+ﾀ4/2ﾀ=+2", "2", "+2"},
        {5, 1, 5, 1, 1, 1, "5", "+5", "ﾀ5/1ﾀ=5", "+ﾀ5/1ﾀ=+5", "5", "+5"},
        {-5, 1, -5, 1, 1, -1, "-5", "-5", "ﾀ-5/1ﾀ=-5", "ﾀ-5/1ﾀ=-5", "-5", "-5"},
        {5, -1, -5, 1, 1, -1, "-5", "-5", "ﾀ5/-1ﾀ=-5", "ﾀ5/-1ﾀ=-5", "-5", "-5"},
        {0, 5, 0, 1, 1, 1, "0", "+0", "ﾀ0/5ﾀ=0", "+ﾀ0/5ﾀ=+0", "0", "+0"},
        {0, -5, 0, 1, 1, 1, "0", "+0", "ﾀ0/-5ﾀ=0", "+ﾀ0/-5ﾀ=+0", "0", "+0"},
    };
    for (const Row& r : rows) {
        p.DS = r.ds;
        p.DB = r.db;
        ReduceFraction(p);
        const std::string at = std::to_string(r.ds) + "/" + std::to_string(r.db);
        EXPECT_EQ((chart_test::Values{p.DS, p.DB, p.YAK, p.YAK1, p.DS1, p.DB1}),
                  (chart_test::Values{r.dsAfter, r.dbAfter, r.yak, r.yak1, r.ds, r.db})) << at;
        EXPECT_EQ((Strings{S(p.A2_s), S(p.A21_s), S(p.A3_s), S(p.A31_s), S(p.TKAI1_s), S(p.TKAI2_s)}),
                  (Strings{r.a2, r.a21, r.a3, r.a31, r.tkai1, r.tkai2})) << at;
        EXPECT_EQ(p.A_s, p.TKAI2_s);
        EXPECT_EQ(S(p.A1_s), "ﾀ" + S(p.DS1_s) + "/" + S(p.DA1_s) + "ﾀ");
    }
}

TEST_F(Fractions, ReductionLeavesTheGcdOnlyWhenItRuns) {
    p.X3 = p.X4 = 99;
    for (float ds : {5.0f, -5.0f}) {  // denominator one: no gcd taken
        p.DS = ds;
        p.DB = 1;
        ReduceFraction(p);
        EXPECT_EQ((chart_test::Values{p.X3, p.X4}), (chart_test::Values{99, 99}));
    }
    p.DS = 5;
    p.DB = -1;
    ReduceFraction(p);
    EXPECT_EQ((chart_test::Values{p.X3, p.X4}), (chart_test::Values{1, 5}));
    p.DS = 6;
    p.DB = 8;
    ReduceFraction(p);
    EXPECT_EQ((chart_test::Values{p.X3, p.X4}), (chart_test::Values{2, 24}));
}

TEST_F(Fractions, ZeroDenominatorLeavesNoStaleResultText) {
    p.A2_s = "ﾀ1/2ﾀ";  // a cell line or an earlier fraction
    p.A21_s = "+ﾀ1/2ﾀ";
    p.DS = 5;
    p.DB = 0;
    ReduceFraction(p);
    EXPECT_EQ((chart_test::Values{p.YAK, p.YAK1, p.DS, p.DB}), (chart_test::Values{0, 1, 5, 0}));
    EXPECT_EQ((Strings{S(p.A1_s), S(p.DB_s), S(p.FDS1_s)}), (Strings{"ﾀ5/0ﾀ", "0", "+"}));
    EXPECT_EQ((Strings{S(p.A2_s), S(p.A21_s), S(p.A3_s), S(p.A31_s), S(p.TKAI1_s), S(p.TKAI2_s), S(p.A_s)}),
              (Strings{"", "", "", "", "", "", ""}));
}

TEST_F(Fractions, EveryReductionIsInLowestTerms) {
    for (int n = -30; n <= 30; ++n) {
        for (int d = -12; d <= 12; ++d) {
            if (d == 0) continue;
            p.DS = static_cast<float>(n);
            p.DB = static_cast<float>(d);
            ReduceFraction(p);
            EXPECT_GT(p.E2, 0);
            EXPECT_EQ(p.E1 * static_cast<float>(d), p.E2 * static_cast<float>(n)) << n << "/" << d;
            p.DS = std::fabs(p.E1);
            p.DB = p.E2;
            GcdLcm(p);
            EXPECT_EQ(p.X3, n == 0 ? p.E2 : 1) << n << "/" << d;
        }
    }
}

TEST_F(Fractions, SumTable) {
    struct Row {
        float s1, d1, s2, d2, db, ds1, ds2, ds4;
        const char *a1, *a11, *a2, *a21, *ds1s, *ds2s, *a3, *a5, *a4, *a41, *b3, *b4;
    };
    const Row rows[] = {
        {1, 4, 1, 6, 12, 3, 2, 5, "ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "3", "+2", "ﾀ3+2/12ﾀ",
         "ﾀ3/12ﾀ+ﾀ2/12ﾀ", "ﾀ5/12ﾀ", "+ﾀ5/12ﾀ", "ﾀ3/12ﾀ", "ﾀ2/12ﾀ"},
        {-1, 4, 1, 6, 12, -3, 2, -1, "-ﾀ3/12ﾀ", "-ﾀ3/12ﾀ", "ﾀ2/12ﾀ", "+ﾀ2/12ﾀ", "-3", "+2", "ﾀ-3+2/12ﾀ",
         "-ﾀ3/12ﾀ+ﾀ2/12ﾀ", "-ﾀ1/12ﾀ", "-ﾀ1/12ﾀ", "ﾀ3/12ﾀ", "ﾀ2/12ﾀ"},
        {5, -6, 1, 4, 12, -10, 3, -7, "-ﾀ10/12ﾀ", "-ﾀ10/12ﾀ", "ﾀ3/12ﾀ", "+ﾀ3/12ﾀ", "-10", "+3", "ﾀ-10+3/12ﾀ",
         "-ﾀ10/12ﾀ+ﾀ3/12ﾀ", "-ﾀ7/12ﾀ", "-ﾀ7/12ﾀ", "ﾀ10/12ﾀ", "ﾀ3/12ﾀ"},
        {1, 6, 1, 3, 6, 1, 2, 3, "ﾀ1/6ﾀ", "+ﾀ1/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "1", "+2", "ﾀ1+2/6ﾀ", "ﾀ1/6ﾀ+ﾀ2/6ﾀ",
         "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ1/6ﾀ", "ﾀ2/6ﾀ"},
        {2, 1, 1, 3, 3, 6, 1, 7, "ﾀ6/3ﾀ", "+ﾀ6/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "6", "+1", "ﾀ6+1/3ﾀ", "ﾀ6/3ﾀ+ﾀ1/3ﾀ",
         "ﾀ7/3ﾀ", "+ﾀ7/3ﾀ", "ﾀ6/3ﾀ", "ﾀ1/3ﾀ"},
        {1, 2, -1, 2, 2, 1, -1, 0, "ﾀ1/2ﾀ", "+ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "-ﾀ1/2ﾀ", "1", "-1", "ﾀ1-1/2ﾀ", "ﾀ1/2ﾀ-ﾀ1/2ﾀ",
         "-ﾀ0/2ﾀ", "-ﾀ0/2ﾀ", "ﾀ1/2ﾀ", "ﾀ1/2ﾀ"},
        {3, 1, 4, 1, 1, 3, 4, 7, "ﾀ3/1ﾀ", "+ﾀ3/1ﾀ", "ﾀ4/1ﾀ", "+ﾀ4/1ﾀ", "3", "+4", "ﾀ3+4/1ﾀ", "ﾀ3/1ﾀ+ﾀ4/1ﾀ",
         "ﾀ7/1ﾀ", "+ﾀ7/1ﾀ", "ﾀ3/1ﾀ", "ﾀ4/1ﾀ"},
        {1, 5, 3, 5, 5, 1, 3, 4, "ﾀ1/5ﾀ", "+ﾀ1/5ﾀ", "ﾀ3/5ﾀ", "+ﾀ3/5ﾀ", "1", "+3", "ﾀ1+3/5ﾀ", "ﾀ1/5ﾀ+ﾀ3/5ﾀ",
         "ﾀ4/5ﾀ", "+ﾀ4/5ﾀ", "ﾀ1/5ﾀ", "ﾀ3/5ﾀ"},
        {0, 3, 1, 3, 3, 0, 1, 1, "-ﾀ0/3ﾀ", "-ﾀ0/3ﾀ", "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "0", "+1", "ﾀ0+1/3ﾀ", "-ﾀ0/3ﾀ+ﾀ1/3ﾀ",
         "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ0/3ﾀ", "ﾀ1/3ﾀ"},
        {1, 3, 0, 3, 3, 1, 0, 1, "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "-ﾀ0/3ﾀ", "-ﾀ0/3ﾀ", "1", "+0", "ﾀ1+0/3ﾀ", "ﾀ1/3ﾀ-ﾀ0/3ﾀ",
         "ﾀ1/3ﾀ", "+ﾀ1/3ﾀ", "ﾀ1/3ﾀ", "ﾀ0/3ﾀ"},
        {1, 4, 2, 1, 4, 1, 8, 9, "ﾀ1/4ﾀ", "+ﾀ1/4ﾀ", "ﾀ8/4ﾀ", "+ﾀ8/4ﾀ", "1", "+8", "ﾀ1+8/4ﾀ", "ﾀ1/4ﾀ+ﾀ8/4ﾀ",
         "ﾀ9/4ﾀ", "+ﾀ9/4ﾀ", "ﾀ1/4ﾀ", "ﾀ8/4ﾀ"},
        {-1, -2, 1, 3, 6, 3, 2, 5, "ﾀ3/6ﾀ", "+ﾀ3/6ﾀ", "ﾀ2/6ﾀ", "+ﾀ2/6ﾀ", "3", "+2", "ﾀ3+2/6ﾀ", "ﾀ3/6ﾀ+ﾀ2/6ﾀ",
         "ﾀ5/6ﾀ", "+ﾀ5/6ﾀ", "ﾀ3/6ﾀ", "ﾀ2/6ﾀ"},
    };
    for (const Row& r : rows) {
        p.DS3_s = "kept";
        chart_test::Set({{&p.DSM1, r.s1}, {&p.DBM1, r.d1}, {&p.DSM2, r.s2}, {&p.DBM2, r.d2}});
        AddFractions(p);
        const std::string at = std::to_string(r.s1) + "/" + std::to_string(r.d1) + " + " +
                               std::to_string(r.s2) + "/" + std::to_string(r.d2);
        EXPECT_EQ((chart_test::Values{p.DB, p.DS1, p.DS2, p.DS4}), (chart_test::Values{r.db, r.ds1, r.ds2, r.ds4}))
            << at;
        EXPECT_EQ((Strings{S(p.A1_s), S(p.A11_s), S(p.A2_s), S(p.A21_s), S(p.DS1_s), S(p.DS2_s), S(p.A3_s),
                           S(p.A5_s), S(p.A4_s), S(p.A41_s), S(p.B3_s), S(p.B4_s)}),
                  (Strings{r.a1, r.a11, r.a2, r.a21, r.ds1s, r.ds2s, r.a3, r.a5, r.a4, r.a41, r.b3, r.b4}))
            << at;
        // The signs went into the numerators; DS3$ keeps the digits of a negative first term.
        EXPECT_GT(p.DBM1, 0);
        EXPECT_GT(p.DBM2, 0);
        EXPECT_EQ(S(p.DS3_s), p.DSM1 < 0 ? S(p.B1_s) : "kept") << at;
        EXPECT_EQ(p.A_s, p.DS4_s);
        // The sum is what it claims to be.
        EXPECT_FLOAT_EQ(p.DS4 / p.DB, p.DSM1 / p.DBM1 + p.DSM2 / p.DBM2) << at;
    }
}

TEST_F(Fractions, SumWithAZeroDenominatorFailsBeforeChangingAnything) {
    for (auto [d1, d2] : {std::pair{0.0f, 3.0f}, {3, 0}, {1, 0}, {0, 1}}) {
        chart_test::Set({{&p.DSM1, -1}, {&p.DBM1, d1}, {&p.DSM2, 1}, {&p.DBM2, d2}, {&p.DB, 77}});
        EXPECT_EQ(ErrorOf([&] { AddFractions(p); }), ErrorCode::DivisionByZero) << d1 << " " << d2;
        EXPECT_EQ((chart_test::Values{p.DSM1, p.DBM1, p.DB}), (chart_test::Values{-1, d1, 77}));
    }
}

// Singles hold every whole number only up to 2^24; past it a remainder or a
// product comes out wrong and would be written as if right.
TEST_F(Fractions, WholeNumbersBeyondSinglesAreRefusedBeforeAnythingChanges) {
    const float big = 3e38f;
    for (auto [ds, db] : {std::pair{1e38f, 4.0f}, {4, 1e38f}, {1e8f, 7}, {3, 16777228}, {5001, 5003},
                          {4097, 4096}, {-16777218, 1}, {std::numeric_limits<float>::infinity(), 2}}) {
        chart_test::Set({{&p.DS, ds}, {&p.DB, db}, {&p.X3, 77}, {&p.X4, 77}, {&p.LB8, 77}, {&p.YAK, 77}});
        EXPECT_EQ(ErrorOf([&] { GcdLcm(p); }), ErrorCode::Overflow) << ds << " " << db;
        EXPECT_EQ(ErrorOf([&] { ReduceFraction(p); }), ErrorCode::Overflow) << ds << " " << db;
        EXPECT_EQ((chart_test::Values{p.DS, p.DB, p.X3, p.X4, p.LB8, p.YAK}),
                  (chart_test::Values{ds, db, 77, 77, 77, 77}));
    }
    // The largest that still work come out exact.
    for (auto [ds, db, gcd, lcm] : {std::tuple{4096.0f, 4096.0f, 4096.0f, 4096.0f}, {16777216, 1, 1, 16777216},
                                    {4095, 4097, 1, 16777215}, {2048, 8192, 2048, 8192}}) {
        p.DS = ds;
        p.DB = db;
        GcdLcm(p);
        EXPECT_EQ((chart_test::Values{p.X3, p.X4}), (chart_test::Values{gcd, lcm})) << ds << " " << db;
    }
    p.DS = 4095;
    p.DB = 4097;
    ReduceFraction(p);
    EXPECT_EQ((chart_test::Values{p.DS, p.DB, p.YAK}), (chart_test::Values{4095, 4097, 3}));
    p.DS = -16777216;
    p.DB = 1;
    ReduceFraction(p);
    EXPECT_EQ((chart_test::Values{p.DS, p.DB, p.YAK}), (chart_test::Values{-16777216, 1, 1}));

    struct Sum {
        float n1, d1, n2, d2;
    };
    for (const Sum& s : {Sum{1, 5001, 1, 5003}, {1, big, 1, 3}, {1, 3, 1, 1e8f}, {16777215, 1, 2, 1},
                         {8388608, 1, 1, 2}, {-16777215, 1, -2, 1}, {1, 4096, 1, 4097}, {big, 1, 1, 1}}) {
        chart_test::Set({{&p.DSM1, s.n1}, {&p.DBM1, s.d1}, {&p.DSM2, s.n2}, {&p.DBM2, s.d2}, {&p.DB, 77}});
        EXPECT_EQ(ErrorOf([&] { AddFractions(p); }), ErrorCode::Overflow) << s.n1 << "/" << s.d1 << " + " << s.n2
                                                                              << "/" << s.d2;
        EXPECT_EQ((chart_test::Values{p.DSM1, p.DBM1, p.DSM2, p.DBM2, p.DB}),
                  (chart_test::Values{s.n1, s.d1, s.n2, s.d2, 77}));
    }
    for (const Sum& s : {Sum{1, 4096, 1, 4096}, {16777215, 1, 1, 1}, {8388607, 1, 1, 2}, {-16777215, 1, -1, 1},
                         {4095, 4096, 4095, 4096}}) {
        chart_test::Set({{&p.DSM1, s.n1}, {&p.DBM1, s.d1}, {&p.DSM2, s.n2}, {&p.DBM2, s.d2}});
        AddFractions(p);
        EXPECT_EQ(static_cast<double>(p.DS4) / p.DB, static_cast<double>(s.n1) / s.d1 + static_cast<double>(s.n2) / s.d2)
            << s.n1 << "/" << s.d1 << " + " << s.n2 << "/" << s.d2;
    }
}

TEST_F(Fractions, MarkupStripping) {
    struct Row {
        const char *in, *out;
        float ta1, ta2, ta3;
    };
    const Row rows[] = {
        {"ﾀ3/4ﾀ", "3/4", -1, -1, 4},       {"+ﾀ3/4ﾀ", "+3/4", -1, -1, 5},
        {"-ﾀ12/35ﾀ", "-12/35", -1, -1, 7}, {"ﾀ6/8ﾀ=ﾀ3/4ﾀ", "6/83/4", -1, -1, 4},
        {"2^3", "23", 2, -1, -1},          {"!2ﾝ", "!2", -1, 3, -1},
        {"ﾀﾀﾀ", "", -1, -1, 1},            {"3/4", "3/4", -1, -1, -1},
        {"", "", -1, -1, -1},              {"√2ﾀ1/2ﾀ", "√21/2", -1, -1, 7},  // √ is two bytes
    };
    for (const Row& r : rows) {
        chart_test::Set({{&p.TA1, -1}, {&p.TA2, -1}, {&p.TA3, -1}});
        p.A_s = r.in;
        StripMarkup(p);
        EXPECT_EQ(S(p.A_s), r.out) << r.in;
        EXPECT_EQ((chart_test::Values{p.TA1, p.TA2, p.TA3}), (chart_test::Values{r.ta1, r.ta2, r.ta3})) << r.in;
    }
}
