// The shared program state.
//
// The shared routines exchange their inputs and results through this one
// record: a caller sets the input variables, calls, and reads the
// results. Names follow the lesson programs' own variables: a text variable
// AA$ is AA_s, a number array T() is T_a, a text array T$() is T_sa. Numbers
// are singles and start at 0, texts start empty; arrays have no elements until
// start-up dimensions them. Scratch variables are shared too: a caller keeps
// nothing in a variable that a routine it calls overwrites.
#pragma once

#include "lessonlib/shell/arrays.h"
#include "lessonlib/shell/runtime.h"
#include "lessonlib/shell/text.h"

namespace lesson {

struct SharedState {
    // --- pen, texts and colours -------------------------------------------
    float X = 0, Y = 0;          // pen: top-left of the next text or cell
    Text AA_s;                   // text to draw (formula, prompt or plain text)
    Text A_s;                    // text argument of cells, measuring, stripping; scratch
    Text A1_s, A2_s;             // first and second line of a two-line cell
    Text B_s;                    // current character inside the text routines; scratch
    float CCC0 = 0;              // saved text colour
    float CCC1 = 0;              // text colour
    float CCC2 = 0;              // border and line colour
    float CCC3 = 0;              // fill colour of cells; bold grid lines
    float CCC4 = 0;              // bars, frequency polygons, line graphs
    float HABA = 0, TATE = 0;    // cell width and height; TATE also chart steps
    float LLT = 0;               // measured width
    float DR = 0;                // line width saved by a routine that changes it

    // --- input ---------------------------------------------------------------
    float KAIX = 0, KAIY = 0;    // answer field position
    Text AINP_s;                 // typed text of the number entry
    float AINP = 0;              // its value
    float SENTAKU = 0;           // chosen sub-menu item
    Text I_s;                    // last key read
    float XX = 0, YY = 0;        // cell of the next echoed character
    float FKIG = 0, HHKIG = 0;   // symbol-key match and its code

    // --- program -------------------------------------------------------------
    Text TITLE_s;                // title in the main-menu heading
    float A = 0, B = 0;          // scratch; A holds the random seed after start-up

    // --- lesson screens' text cursor ----------------------------------------
    float XI0 = 0, XI1 = 0, XI2 = 0, YI1 = 0;
    float XI3 = 0, YI3 = 0;      // second cursor, for table headings

    // --- shared counters and scratch ----------------------------------------
    float I = 0, II = 0, JJ = 0, KK = 0;
    float N = 0, N1 = 0, N2 = 0;
    float X1 = 0, Y1 = 0;
    float LEM = 0;

    // --- text and formula drawing -------------------------------------------
    Text HENK1_s, HENK2_s, HENK_s, HENK3_s;  // symbol-key tables
    float XT = 0, YT = 0;        // pen inside prompt text; fraction origin
    float LE = 0, L = 0;         // characters after stripping; upward shift of a glyph
    Text X9_s, X8_s;             // blank stripping: result being built, byte examined
    float KB8 = 0, IB8 = 0;      // blank stripping: byte length, byte position
    Text AA_A_s;                 // rest of a formula line after a fraction
    float JYOU = 0;              // 1: next glyph is an exponent (also prompt text's escape)
    float JYOUK = 0;             // 1: next glyph is small raised text
    float HROOT = 0;             // open root bar: 0, 1, 11 or 22
    float TXM = 0;               // where the open root bar's next stretch starts
    float BUN = 0;               // 1 while a fraction's parts are measured or drawn
    float XX1 = 0, YY1 = 0;      // caller's pen kept by the width measurements
    Text AA1_s;                  // caller's text kept by the width measurements
    float TX = 0, TY = 0;        // pen inside the glyph and plain-text routines
    Text R_s;                    // copy of the run being drawn
    float NAG = 0;               // its length in characters
    float TA1 = 0, TA2 = 0, TA5 = 0, TA6 = 0;  // glyph byte length; root and power positions
    Text RTASKAI1_s, RTASKAI2_s; // numerator and denominator
    float TBSI = 0, TBBO = 0, NAGA = 0, TBSI1 = 0, TBBO1 = 0, BSEN = 0;  // fraction layout
    float LT1 = 0;               // text inset in a cell
    float Y2 = 0, Y3 = 0, Y22 = 0, Y4 = 0;  // cell text tops and bottom
    Text MOTOA_s;                // cell text kept across its measurement
    // parallel-line marks and other figure marks
    float AX = 0, AY = 0, BX = 0, BY = 0;
    float NAGASA = 0, HONSU = 0;
    float CX = 0, CY = 0, D = 0, DX = 0, DY = 0;
    float BX1 = 0, BY1 = 0, EX = 0, EY = 0;
    float AX1 = 0, AY1 = 0, AX2 = 0, AY2 = 0;

    // --- working data --------------------------------------------------------
    float DOSU = 0;              // number of values in T()

    // --- charts: statistics, histograms, box plots, figures -----------------
    float HEIKIN = 0;            // mean of T() to one decimal
    float KEI = 0;               // sum of T()
    float DOSU1 = 0;             // summary: values in each half
    // histogram classes
    float YOKO1X = 0, XTANI = 0, XMAX = 0;   // first class start, class width, last class start
    float TATE1Y = 0, YTANI = 0, YMAX = 0;   // first, step and last frequency label
    float XKOSU = 0, YKOSU = 0;  // number of classes and of frequency labels
    float YOKO = 0;              // chart columns (TATE is the rows)
    float TANIX = 0;             // data units per horizontal scale step
    // chart model: inputs and the frame's results
    float GGX = 0, GGY = 0;      // top-left corner
    float SIZEX = 0, SIZEY = 0;  // column width, row height (box height for box plots)
    float GX0 = 0, GY0 = 0;      // origin: vertical axis x, horizontal axis y
    float GX1 = 0, GY1 = 0, GX2 = 0, GY2 = 0;  // left, top, right, bottom edges
    float SIZEYY = 0;            // drawing units per unit of value
    // box plots
    float GY3 = 0, GY4 = 0;      // centre line; scale line
    float GX = 0, GX3 = 0, GX4 = 0;  // x of YOKO1X; left and right end of the scale
    float DY1 = 0, DY2 = 0;      // half box height; half end-tick length
    float GS1 = 0, GS2 = 0, GS3 = 0, GS4 = 0, GS5 = 0, GS6 = 0;  // x of min..max, mean
    float HEI = 0;               // > 0: draw the mean mark
    Text TANI_s;                 // unit text at the right end of the scale
    Text M_s;                    // scale label kept across its measurement
    // figure points, directions and angle labels
    float ZX0 = 0, ZY0 = 0, ZX1 = 0, ZY1 = 0, ZX2 = 0, ZY2 = 0;  // corner Z0, ray ends Z1, Z2
    float PI = 0;                // 3.14159, set by the routines that use it
    float HHP = 0, HH = 0;       // direction of the last ray: radians, degrees
    float HH1 = 0, HH2 = 0;      // ray directions as turn fractions for arcs
    float HH3 = 0, HH4 = 0, HH5 = 0;  // ray directions and bisector, radians
    float ITI = 0;               // -1 exchanges the rays; shift of equal ticks
    Text AAA_s;                  // label of a figure mark (formula text)
    // figure marks
    float TAKASA = 0, HOUKOU = 0, NAKA = 0;  // dotted arc: height, side, partial span
    float AIDA = 0;              // spacing of equal-length ticks
    float RR = 0, H = 0, R = 0;  // dotted arc: half length, direction, dot distance
    float ZX = 0, ZY = 0;        // dotted arc: point of the arc being placed
    float ZX3 = 0, ZY3 = 0, ZX4 = 0, ZY4 = 0, ZX5 = 0, ZY5 = 0;  // construction points
    float ZX11 = 0, ZY11 = 0, ZX12 = 0, ZY12 = 0;  // dotted arc: segment ends
    float D1 = 0, D2 = 0;        // dotted arc: span in degrees
    float NAGASA1 = 0;           // label distance kept across AngleLabel
    Text KAKUDO_s;               // an angle in degrees as text
    // grid paper and polygons
    float SIZE = 0;              // side of a grid square
    float KAKU = 0, SIZE1 = 0;   // vertices; line width of the sides
    float KJ1 = 0, KJ2 = 0, KJ3 = 0, TII = 0;  // next vertices; label code; label counter

    // --- further maths routines ---------------------------------------------
    // fractions: reduction, sums, the pair of Euclid's algorithm
    float DS = 0, DB = 0;        // numerator and denominator being reduced
    float DS1 = 0, DB1 = 0;      // the given fraction; first expanded numerator of a sum
    float YAK = 0, YAK1 = 0;     // kind of reduced result; its sign (-1 or 1)
    float E1 = 0, E2 = 0;        // reduced numerator (signed) and denominator
    float X2 = 0, X3 = 0, X4 = 0;  // Euclid's pair with X1; gcd and lcm (brace points too)
    float LB8 = 0;               // product of the two inputs of the gcd
    Text DS1_s, DA1_s, DB_s, DS_s;  // number texts of a reduction
    Text A21_s, A3_s, A31_s, FDS1_s;  // signed result, worked steps, "+" of a positive value
    Text TKAI1_s, TKAI2_s;       // result texts without markup
    float DSM1 = 0, DBM1 = 0, DSM2 = 0, DBM2 = 0;  // the two fractions of a sum
    float DS2 = 0, DS4 = 0;      // second expanded numerator; numerator of the sum
    Text B1_s, B2_s, DS2_s, DS3_s, DS4_s;  // number texts of a sum
    Text A11_s, A4_s, A41_s, A5_s, B3_s, B4_s;  // terms of a worked sum
    float TA3 = 0;               // markup stripping: position of the last fraction mark
    // lines: slopes, intercepts and meeting points
    float AA1 = 0, BB1 = 0, AA2 = 0, BB2 = 0;  // slope forms; ranges of a coordinate plane
    float A1 = 0, B1 = 0, A2 = 0, B2 = 0;      // slope forms of two intersecting lines
    // square roots and prime factors
    float R1B = 0, R1B1 = 0, R1A = 0, R1I = 0;  // radicand, given radicand, coefficient, trial root
    Text R1A1_s, R1A_s, RAB_s, RABM_s, R1B_s;   // texts of a simplified root
    float SOSU = 0, SOSU1 = 0;   // number to factorise; its magnitude
    float Q = 0, P = 0, TJ = 0;  // primes found; prime under test; clearing counter
    // coordinate plane, points and graphs
    float BAIX = 0, BAIY = 0;    // caller's units per grid square
    float NASI = 0;              // -1: no tick numbers
    float P1 = 0, P2 = 0;        // whole part and first decimal of a tick; step of a graph
    Text P1_s, P2_s;             // their texts
    float XG = 0, YG = 0;        // a point in the caller's units
    float GY = 0;                // its drawing y (GX its x)
    float KASANARIX = 0, KASANARIY = 0;  // shift of a point's or graph's label
    float IROIRO = 0;            // graph type: 1 a/x, 2 ax^2, 3 ax+b, 4 ax+by=c
    float AA = 0, BB = 0, CC = 0;  // coefficients of a graph
    float GX5 = 0, GY5 = 0;      // running sample of a graph
    // arrows
    float MUKI = 0;              // -1: the head at the first end
    float YA = 0;                // 2: heads at both ends
    Text HYOUJI_s;               // "yy": label the run and the rise arrow
    Text X_s, Y_s;               // run and rise labels
    // braces, two-line layouts and rotation points
    float Y5 = 0, Y6 = 0, Y7 = 0;  // brace points (with Y1 .. Y4)
    Text ENZAN_s;                // operator before the second line
    float LT = 0, LT2 = 0;       // widest line; width of the second line (LT1 the first)
    float KAKUDO = 0;            // angle in degrees on an ellipse over a segment

    // --- arrays (dimensioned at start-up) -----------------------------------
    Array1<Text> F_sa;           // texts of F()
    Array1<float> F_a;           // counts
    Array1<Text> T_sa;           // texts of T()
    Array1<float> T_a;           // working data
    Array2<float> G_a;           // polygon vertices; prime factors and exponents
    Array1<float> X_a, Y_a;      // table columns and rows, figure points, class frequencies
    Array1<float> R_a;           // figure scratch
    Array1<float> HH_a;          // summary of T(): min, Q1, median, Q3, max, mean
    Array1<Text> X_sa, Y_sa;     // chart, tree and table labels
    Array1<float> U_a, V_a;      // chart origins
    Array1<Text> U_sa, V_sa;     // texts of U(), V()
};

// The run context: the shared state plus the runtime it draws through. Each
// program extends it with the variables only its own screens use.
struct Program : SharedState {
    explicit Program(Runtime& runtime) : rt(runtime) {}
    Runtime& rt;
};

}  // namespace lesson
