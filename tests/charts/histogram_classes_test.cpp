#include <gtest/gtest.h>

#include <vector>

#include "lessonlib/charts/histogram_classes.h"
#include "tests/support/test_support.h"

using namespace lesson;

namespace {

void SetUpClasses(Program& p, float first, float width, float last, float label1, float step,
                  float labelMax) {
    p.YOKO1X = first;
    p.XTANI = width;
    p.XMAX = last;
    p.TATE1Y = label1;
    p.YTANI = step;
    p.YMAX = labelMax;
}

void Load(Program& p, const std::vector<float>& values) {
    p.DOSU = static_cast<float>(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) p.T_a(static_cast<double>(i + 1)) = values[i];
}

std::vector<float> Counts(Program& p, int from, int to) {
    std::vector<float> out;
    for (int k = from; k <= to; ++k) out.push_back(p.Y_a(k));
    return out;
}

}  // namespace

TEST(CountHistogramClasses, BoundariesAndLabels) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.X_sa(0) = "(個)";
    p.X_sa(11) = "keep";
    p.Y_sa(5) = "keep";
    SetUpClasses(p, 30, 10, 130, 5, 5, 20);
    Load(p, {40, 29, 30, 39.5f, 135, 140, 129.9f, 139.9f});
    CountHistogramClasses(p);
    EXPECT_EQ(p.XKOSU, 11);
    EXPECT_EQ(p.YKOSU, 4);
    EXPECT_EQ(p.YOKO, 11);
    EXPECT_EQ(p.TATE, 4);
    EXPECT_EQ(p.TANIX, 10);
    // 40 opens class 2; 29 and 140 fall outside every class.
    EXPECT_EQ(Counts(p, 0, 11), (std::vector<float>{0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 1, 2}));
    const char* bounds[] = {"30", "40", "50", "60", "70", "80", "90", "100", "110", "120"};
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(p.X_sa(k), Text(bounds[k - 1]));
    EXPECT_EQ(p.X_sa(0), Text("(個)"));
    EXPECT_EQ(p.X_sa(11), Text("keep"));
    const char* labels[] = {"5", "10", "15", "20"};
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(p.Y_sa(k), Text(labels[k - 1]));
    EXPECT_EQ(p.Y_sa(5), Text("keep"));
    EXPECT_EQ(p.T_a(1), 40);  // the data is left as it was
    EXPECT_EQ(p.DOSU, 8);

    // Counting again starts from zero.
    CountHistogramClasses(p);
    EXPECT_EQ(Counts(p, 0, 11), (std::vector<float>{0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 1, 2}));
}

TEST(CountHistogramClasses, SnackSalesWeekdays) {
    testing_support::Fixture f;
    Program& p = f.p();
    SetUpClasses(p, 30, 10, 130, 2, 2, 14);
    Load(p, {41, 41, 41, 43, 47, 47, 53, 53, 53, 55, 56, 57, 58, 60, 61, 62, 66,
             66, 66, 67, 67, 67, 67, 68, 69, 69, 70, 71, 72, 72, 73, 74, 75, 76,
             78, 78, 78, 79, 79, 80, 81, 83, 84, 85, 89, 92, 93, 96, 96});
    CountHistogramClasses(p);
    EXPECT_EQ(p.TATE, 7);
    EXPECT_EQ(Counts(p, 1, 11), (std::vector<float>{0, 6, 7, 13, 13, 6, 4, 0, 0, 0, 0}));

    Load(p, {36, 37, 38, 38, 39, 42, 43, 45, 45, 45, 46, 47, 47, 47, 49, 52,
             52, 52, 53, 53, 54, 54, 54, 55, 55, 57, 58, 59, 60, 60, 61, 64,
             64, 65, 68, 68, 68, 69, 70, 70, 72, 73, 76, 79, 80, 80, 110});
    CountHistogramClasses(p);
    EXPECT_EQ(Counts(p, 1, 11), (std::vector<float>{5, 10, 13, 10, 6, 2, 0, 0, 1, 0, 0}));
}

TEST(CountHistogramClasses, HalfStepRowCount) {
    testing_support::Fixture f;
    Program& p = f.p();
    p.Y_sa(11) = "keep";
    SetUpClasses(p, 20, 20, 220, 20, 20, 210);
    Load(p, {25, 219.5f, 239});
    CountHistogramClasses(p);
    EXPECT_EQ(p.YKOSU, 10.5f);
    EXPECT_EQ(p.TATE, 10.5f);
    EXPECT_EQ(p.Y_sa(1), Text("20"));
    EXPECT_EQ(p.Y_sa(10), Text("200"));
    EXPECT_EQ(p.Y_sa(11), Text("keep"));
    EXPECT_EQ(p.Y_a(1), 1);
    EXPECT_EQ(p.Y_a(10), 1);  // [200, 220)
    EXPECT_EQ(p.Y_a(11), 1);  // [220, 240)
}
