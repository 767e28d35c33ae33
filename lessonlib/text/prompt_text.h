// Prompt text: the shell's prompts, menu lines and the echo of typed keys.
//
// Characters are drawn one by one at a fixed pitch of 16, in bold, in colour
// CCC1, through two symbol-key tables that turn keyboard characters into
// full-width glyphs ("*" into "×", "3" into "３"). A "^" lets the next
// character through unmapped; the flag lives in JYOU, which the formula
// drawing shares.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// B$ (one character) becomes its full-width glyph when a table holds it,
// else stays as it is; an empty B$ stays empty. Assigns the four table texts
// HENK1$, HENK2$, HENK$, HENK3$; leaves N1 and N = the positions found in
// the first and second key text (0 if absent).
void MapSymbolKey(Program& p);

// Draws the characters of A$ from (X, Y) and leaves the pen after them in XT
// (X is not moved). Half-width blanks are stripped from A$ first. Every
// drawn character advances 16; a one-byte glyph stands 4 higher; "．" takes
// no room and stands 4 left of the pen; "^" sets JYOU and takes no room.
// An empty A$ still makes one step of 16 and draws nothing. Bold is left on.
// Overwrites B$, LE, I, L, N1, N, the tables and StripSpaces' scratch.
void DrawPromptChars(Program& p);

// Draws AA$ from (X, Y) one character per DrawPromptChars call and leaves X
// after it; AA$ ends empty, LEM 0. A half-width blank takes one step of 16.
// Overwrites A$, XT, JYOU and what DrawPromptChars overwrites.
void DrawPromptText(Program& p);

}  // namespace lesson
