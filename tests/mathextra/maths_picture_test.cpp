// Draws the coordinate planes, graphs, arrows, marks and worked texts into
// mathextra.png for a person to look at; the test itself checks only that
// the picture is written.
#include <gtest/gtest.h>

#include "lessonlib/mathextra/arrows.h"
#include "lessonlib/mathextra/coordinate_plane.h"
#include "lessonlib/mathextra/expression_texts.h"
#include "lessonlib/mathextra/fractions.h"
#include "lessonlib/mathextra/function_graphs.h"
#include "lessonlib/mathextra/line_geometry.h"
#include "lessonlib/mathextra/roots_and_factors.h"
#include "lessonlib/text/formula.h"
#include "tests/mathextra/maths_support.h"

using namespace lesson;
using chart_test::Set;
using MathsPicture = maths_test::MathsTest;

namespace {

void Formula(Program& p, float x, float y, const Text& markup, float colour = 0) {
    Set({{&p.X, x}, {&p.Y, y}, {&p.CCC1, colour}});
    p.AA_s = markup;
    DrawFormula(p);
}

void Graph(Program& p, float type, float a, float b, float c, const Text& label, float colour) {
    Set({{&p.IROIRO, type}, {&p.AA, a}, {&p.BB, b}, {&p.CC, c}, {&p.CCC3, colour}});
    Set({{&p.AA1, -6}, {&p.AA2, 6}, {&p.BB1, -6}, {&p.BB2, 6}});
    p.AAA_s = label;
    DrawFunctionGraph(p);
}

}  // namespace

TEST_F(MathsPicture, PlanesGraphsArrowsAndTexts) {
    f.rt.EnableCanvas();
    // A plane of -6 .. 6 with y = 6/x, y = 0.5x^2, x + 2y = 4, x = 3 and two points.
    Set({{&p.GGX, 40}, {&p.GGY, 60}, {&p.SIZE, 25}, {&p.CCC2, 1}, {&p.BAIX, 1}, {&p.BAIY, 1}});
    Set({{&p.AA1, -6}, {&p.AA2, 6}, {&p.BB1, -6}, {&p.BB2, 6}});
    DrawCoordinateGrid(p);
    Graph(p, 1, 6, 0, 0, "y=ﾀ6/xﾀ", 4);
    Graph(p, 2, 0.5f, 0, 0, "y=ﾀ1/2ﾀx^2", 2);
    p.KASANARIY = -40;
    Graph(p, 4, 1, 2, 4, "x+2y=4", 5);
    Graph(p, 4, 1, 0, 3, "x=3", 13);
    Set({{&p.XG, 2}, {&p.YG, 3}, {&p.R, 5}, {&p.CCC3, 4}});
    p.AAA_s = "A";
    PlotLabelledPoint(p);
    Set({{&p.XG, -4}, {&p.YG, 4}, {&p.CCC3, 3}});
    p.AAA_s = "B(-4,4)";
    PlotLabelledPoint(p);

    // A plane at 0.5 per square with its decimal ticks.
    Set({{&p.GGX, 420}, {&p.GGY, 60}, {&p.SIZE, 22}, {&p.CCC2, 1}, {&p.BAIX, 0.5f}, {&p.BAIY, 0.5f}});
    Set({{&p.AA1, -1}, {&p.AA2, 5.5f}, {&p.BB1, -1}, {&p.BB2, 5.5f}, {&p.NASI, -1}});
    DrawCoordinateGrid(p);
    DrawDecimalTicks(p);
    // A labelled slope triangle on it, and a double-headed arrow beneath.
    Set({{&p.GX3, p.GX0 + 2 * p.SIZE}, {&p.GY3, p.GY0 - 2 * p.SIZE}, {&p.GX4, p.GX0 + 8 * p.SIZE},
         {&p.GY4, p.GY0 - 6 * p.SIZE}});
    p.SIZE = 22;
    p.HYOUJI_s = "yy";
    p.rt.SetLineWidth(2);
    p.rt.Line(p.GX3 - 22, p.GY3 + 14.67f, p.GX4 + 22, p.GY4 - 14.67f, 0);
    DrawRiseRunArrows(p);
    Set({{&p.ZX0, 440}, {&p.ZY0, 460}, {&p.ZX, 700}, {&p.ZY, 460}, {&p.NAGASA, 16}, {&p.YA, 2}, {&p.CCC2, 1}});
    DrawArrow(p);
    Formula(p, 540, 470, "6cm", 1);

    // A foot of a perpendicular on a line, marked over the line.
    p.rt.SetLineWidth(3);
    p.rt.Line(780, 420, 1000, 320, 0);
    Set({{&p.AX, 780}, {&p.AY, 420}, {&p.BX, 1000}, {&p.BY, 320}, {&p.CX, 930}, {&p.CY, 440}});
    PerpendicularFootMark(p);
    p.rt.Line(p.CX, p.CY, p.EX, p.EY, 7);
    PerpendicularFootMark(p);
    Formula(p, p.CX, p.CY, "C");

    // A brace by a two-line calculation.
    Set({{&p.X, 760}, {&p.Y, 50}, {&p.HABA, 150}, {&p.CCC1, 0}});
    DrawLeftBrace(p);
    p.A1_s = "ﾀ1/4ﾀ";
    p.A2_s = "ﾀ1/6ﾀ";
    p.ENZAN_s = "+";
    Set({{&p.X, 800}, {&p.Y, 60}, {&p.TAKASA, 70}, {&p.CCC2, 0}});
    DrawTwoLineLayout(p);

    // Worked texts of the fraction and root routines.
    Set({{&p.DS, 6}, {&p.DB, -8}});
    ReduceFraction(p);
    Formula(p, 1060, 60, p.A3_s);
    Set({{&p.DSM1, 1}, {&p.DBM1, 4}, {&p.DSM2, 1}, {&p.DBM2, 6}});
    AddFractions(p);
    Formula(p, 1060, 180, p.A5_s + "=" + p.A3_s + "=" + p.A4_s);
    p.R1B = 72;
    SimplifySquareRoot(p);
    Formula(p, 1060, 300, p.RABM_s + p.RAB_s);
    EXPECT_TRUE(f.rt.WritePng(testing_support::OutputDir() + "/mathextra.png"));
}
