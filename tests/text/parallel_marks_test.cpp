#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lessonlib/shell/errors.h"
#include "lessonlib/text/parallel_marks.h"
#include "tests/support/test_support.h"
#include "tests/text/op_description.h"

using namespace lesson;
using text_tests::Drawn;
using Ops = std::vector<std::string>;

namespace {

void Segment(Program& p, float ax, float ay, float bx, float by, float a, float b) {
    p.AX = ax;
    p.AY = ay;
    p.BX = bx;
    p.BY = by;
    p.A = a;
    p.B = b;
    p.NAGASA = 16;
    p.HONSU = 1;
    p.CCC2 = 3;
    p.X = 7;
    p.Y = 8;
}

}  // namespace

TEST(ParallelMarks, ChevronsPointFromAToB) {
    testing_support::Fixture f;
    Program& p = f.p();
    Segment(p, 100, 100, 300, 100, 1, 1);
    p.HONSU = 2;
    DrawParallelMarks(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{
                               "line 200 108 216 100 3 3",
                               "line 200 92 216 100 3 3",
                               "line 216 108 232 100 3 3",
                               "line 216 92 232 100 3 3",
                           }));
    EXPECT_EQ(p.II, 3);
    EXPECT_EQ(p.HONSU, 2);
    EXPECT_EQ(p.X, 7);
    EXPECT_EQ(p.Y, 8);

    // Swapping the points and the ratio keeps the base point; the chevrons
    // then point and lie the other way. A 0 puts the base point at A.
    f.rt.ClearOps();
    Segment(p, 300, 100, 100, 100, 1, 1);
    DrawParallelMarks(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{"line 200 92 184 100 3 3", "line 200 108 184 100 3 3"}));
    f.rt.ClearOps();
    Segment(p, 100, 100, 100, 300, 0, 1);
    DrawParallelMarks(p);
    EXPECT_EQ(Drawn(f.rt), (Ops{"line 92 100 100 116 3 3", "line 108 100 100 116 3 3"}));
}

TEST(ParallelMarks, CountIsOneToSix) {
    const struct {
        float honsu;
        std::size_t chevrons;
        float after;
    } cases[] = {{0, 1, 1}, {-2, 1, 1}, {7, 1, 1}, {6, 6, 6}, {0.5f, 1, 0.5f}, {2.5f, 2, 2.5f}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.honsu);
        testing_support::Fixture f;
        Program& p = f.p();
        Segment(p, 100, 100, 300, 100, 1, 1);
        p.HONSU = c.honsu;
        DrawParallelMarks(p);
        EXPECT_EQ(f.rt.Ops().size(), 2 * c.chevrons);
        EXPECT_EQ(p.HONSU, c.after);
        EXPECT_EQ(p.BX1, 200 + 16 * float(c.chevrons));
    }
}

TEST(ParallelMarks, DegenerateSegmentIsADivisionByZero) {
    testing_support::Fixture f;
    Program& p = f.p();
    Segment(p, 100, 100, 100, 100, 1, 1);
    try {
        DrawParallelMarks(p);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.code, ErrorCode::DivisionByZero);
    }
    Segment(p, 100, 100, 300, 100, 1, -1);
    EXPECT_THROW(DrawParallelMarks(p), RuntimeError);
    EXPECT_TRUE(f.rt.Ops().empty());
}
