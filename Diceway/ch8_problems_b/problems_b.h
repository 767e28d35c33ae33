// Chapter 8: the worked answers of the chapter problems B (textbook page 175).
#pragma once

#include "Diceway/diceway_state.h"

namespace diceway {

// Main-menu item 8: no aim screen, the sub-menu at once until its last item.
void ProbabilityProblemsB(Program& p);

// The sub-menu: P175 章の問題B ①1(1) ②1(2) ③2(1,2) ④2(3) ⑤3(1,2) ⑥3(3)
// ⑦終了 (back to the main menu).
void ProbabilityProblemsBMenu(Program& p);

// The frame of every screen of the chapter: the whole plane cleared, the
// header cell, and the problem-number cell `number` 20 to its right at
// (400, 30); leaves XI1 = 38, XI2 = 444, YI1 = 30.
void BeginProblemsBScreen(Program& p, const lesson::Text& number);

// Item 1, problem 1(1): two dice, x + y a prime; 15/36 = 5/12. 10 keys.
void ProblemsB1aScreen(Program& p);

// Item 2, problem 1(2): two dice, 2x + y = 8; 3/36 = 1/12. 7 keys.
void ProblemsB1bScreen(Program& p);

// Item 3, problem 2(1) and (2): coins moving a point round a triangle, one
// toss and two tosses; 2/4 = 1/2. 7 keys.
void ProblemsB2abScreen(Program& p);

// Item 4, problem 2(3): three tosses; 3/8. 5 keys.
void ProblemsB2cScreen(Program& p);

// Item 5, problem 3(1) and (2): the triangle ACE of the hexagon, and the ten
// ways of taking two of the cards B to F. 2 keys.
void ProblemsB3abScreen(Program& p);

// Item 6, problem 3(3): the isosceles triangles with A; 4/10 = 2/5. 5 keys.
void ProblemsB3cScreen(Program& p);

// The regular hexagon ABCDEF about (1000, 400), radius 200, A at the upper
// left and the letters running counter-clockwise, outlined in colour 0 with
// its letters outside the vertices, and the triangle ACE in colour 3. The
// vertices are left in X(1..6), Y(1..6) and G(i,1), G(i,2), the centre in
// X(0), Y(0), the angles in R(1..6); also R1 = 200, M = 3, N = 5, CCC1 = 0,
// CCC2 = 0 and the frame of the invisible grid (GX0 = 800, GY0 = 600). Leaves
// the line width at 5. No key waits.
void DrawHexagonTriangle(Program& p);

}  // namespace diceway
