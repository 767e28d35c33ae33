#include <gtest/gtest.h>

#include "tests/diceway/diceway_fixture.h"

using namespace lesson;

TEST(DicewayState, ArraysHaveDicewaysBounds) {
    diceway_test::Fixture f;
    diceway::Program& p = f.p();
    EXPECT_EQ(p.TITLE_s, Text("Diceway"));
    EXPECT_EQ(p.F_a.Bound(), 40);
    EXPECT_EQ(p.F_sa.Bound(), 40);
    EXPECT_EQ(p.X_sa.Bound(), 20);
    EXPECT_EQ(p.U_a.Bound(), 40);
    EXPECT_FALSE(p.U_sa.Dimensioned());
    EXPECT_FALSE(p.V_sa.Dimensioned());
    EXPECT_THROW(p.F_a(41), RuntimeError);
}
