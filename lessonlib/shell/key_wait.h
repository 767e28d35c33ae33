// The step pause of the lesson screens and the clearing routines.
#pragma once

#include "lessonlib/shell/shared_state.h"

namespace lesson {

// Shows "何かキーを押して下さい。" in the key-wait box at the bottom left, waits
// for any key (I$; a key typed ahead ends it at once and is used up), erases
// (0,657)-(400,693), and gives the caller its text colour and line width back.
void WaitAnyKey(Program& p);

// Polls the keyboard until a key arrives (I$), with no pause between polls;
// the runtime keeps the window responsive meanwhile.
void PollUntilKey(Program& p);

// Erases the work area (0,54)-(1440,900).
void ClearWorkArea(Program& p);

// Erases the box 1440 x 90 from (KAIX + 80, KAIY - 72), leaving X, Y there.
void ClearAnswerBand(Program& p);

// Reads and drops every waiting key; I$ is empty afterwards.
void FlushKeys(Program& p);

}  // namespace lesson
