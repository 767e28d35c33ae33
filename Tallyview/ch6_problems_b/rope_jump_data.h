// The long-rope-jump practice records of four classes: the best count of
// jumps of every practice, in practice order, over five practice days.
//
// A loader sets DOSU to the class's number of practices and T(1..DOSU) to
// its counts, and nothing else: T(0) and the elements past DOSU keep what
// was there. A screen that sorted T() loads again for the practice order.
#pragma once

#include <array>

#include "Tallyview/tallyview_state.h"

namespace tallyview {

void LoadClass1Jumps(Program& p);  // "1組", 24 practices
void LoadClass2Jumps(Program& p);  // "2組", 25 practices
void LoadClass3Jumps(Program& p);  // "3組", 23 practices
void LoadClass4Jumps(Program& p);  // "4組", 21 practices

// The practices of each of the five days of class k (1..4): fixed per
// class, not derived from DOSU.
const std::array<int, 5>& PracticesPerDay(int classNumber);

// The loader of class k (1..4).
using ClassLoader = void (*)(Program&);
ClassLoader LoaderOfClass(int classNumber);

}  // namespace tallyview
