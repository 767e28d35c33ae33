#include <gtest/gtest.h>

#include "lessonlib/shell/errors.h"
#include "lessonlib/text/parallel_marks.h"
#include "tests/support/test_support.h"
#include "tests/text/op_description.h"

using namespace lesson;

namespace {

// The segment from (100, 100) to (bx, by) divided a : b, HONSU chevrons 16
// long in colour 3.
void Segment(Program& p, float bx, float by, float a, float b, float honsu) {
    p.AX = p.AY = 100;
    p.BX = bx;
    p.BY = by;
    p.A = a;
    p.B = b;
    p.HONSU = honsu;
    p.NAGASA = 16;
    p.CCC2 = 3;
}

}  // namespace

TEST(ParallelMarks, ChevronsPointFromAToB) {
    testing_support::Fixture f;
    Program& p = f.p();
    Segment(p, 300, 100, 1, 1, 2);
    DrawParallelMarks(p);
    EXPECT_EQ(text_tests::Drawn(f.rt),
              "line 200 108 216 100 3 3; line 200 92 216 100 3 3; "
              "line 216 108 232 100 3 3; line 216 92 232 100 3 3");

    // Downwards, with the base point at A.
    f.rt.ClearOps();
    Segment(p, 100, 300, 0, 1, 1);
    DrawParallelMarks(p);
    EXPECT_EQ(text_tests::Drawn(f.rt), "line 92 100 100 116 3 3; line 108 100 100 116 3 3");
}

TEST(ParallelMarks, CountIsOneToSix) {
    const struct {
        float honsu, chevrons, after;
    } cases[] = {{0, 1, 1}, {-2, 1, 1}, {7, 1, 1}, {6, 6, 6}, {0.5f, 1, 0.5f}, {2.5f, 2, 2.5f}};
    for (const auto& c : cases) {
        testing_support::Fixture f;
        Segment(f.p(), 300, 100, 1, 1, c.honsu);
        DrawParallelMarks(f.p());
        EXPECT_EQ(f.rt.Ops().size(), 2 * c.chevrons) << c.honsu;
        EXPECT_EQ(f.p().HONSU, c.after) << c.honsu;
    }
}

TEST(ParallelMarks, DegenerateSegmentIsADivisionByZero) {
    for (float b : {1.0f, -1.0f}) {  // a segment of length 0, or A + B = 0
        testing_support::Fixture f;
        Segment(f.p(), b == 1 ? 100 : 300, 100, 1, b, 1);
        try {  // not the overflow error that drawing at NaN would raise
            DrawParallelMarks(f.p());
            ADD_FAILURE() << "no error for B " << b;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.code, ErrorCode::DivisionByZero) << b;
        }
    }
}
