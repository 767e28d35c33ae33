// Directions of rays on the screen and labels at corners.
//
// Directions are measured as they look on the screen although y grows
// downward: 0 points right, PI/2 up, PI left, 3*PI/2 down, in [0, 2*PI). A
// point at distance r in direction a from (x, y) is (x + r cos a, y - r sin a).
// The routines work on the corner Z0 (ZX0, ZY0) and the ray ends Z1 (ZX1,
// ZY1) and Z2 (ZX2, ZY2), and set PI = 3.14159 (a single) for every
// conversion between degrees, radians and turns.
#pragma once

#include <cmath>

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Sine and cosine at full precision, the result stored as a single.
inline float Sine(float a) { return static_cast<float>(std::sin(static_cast<double>(a))); }
inline float Cosine(float a) { return static_cast<float>(std::cos(static_cast<double>(a))); }

// The point at distance r in direction a (radians, as on the screen) from (x, y).
inline Point PointInDirection(float x, float y, float r, float a) {
    return {x + r * Cosine(a), y - r * Sine(a)};
}

// HHP = the direction of the ray Z0 -> Z1 in radians, HH the same in degrees.
// Coincident points give PI.
void RayDirection(Program& p);

// HH3, HH4 = the directions of the rays Z0 -> Z1 and Z0 -> Z2, HH1, HH2 the
// same as fractions of a turn clockwise from 3 o'clock (1 - HH / (2 * PI)),
// for arcs; ITI = -1 exchanges the two rays. HH5 = the bisector of the angle
// swept counter-clockwise from HH3 to HH4; HHP is left at the direction of
// Z0 -> Z2.
void RayAngles(Program& p);

// Draws the formula text AAA$ in colour CCC1 beside the corner: a box LLT
// (its measured width) wide and 2 * DY high (DY = 40 when it holds a
// fraction, else 22), its centre on the bisector HH5 of RayAngles, moved
// NAGASA from Z0 and then half the box further, so that the box touches that
// point. Resets ITI = 0, AAA$ = "" and NAGASA = 0; leaves the pen after the
// label and overwrites A$, LLT, DY, N1, what RayAngles sets and the formula
// routines' scratch.
void AngleLabel(Program& p);

}  // namespace lesson
