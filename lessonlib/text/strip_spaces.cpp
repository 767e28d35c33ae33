#include "lessonlib/text/strip_spaces.h"

#include "lessonlib/shell/loops.h"

namespace lesson {

void StripSpaces(Program& p) {
    p.X9_s = Text();
    p.KB8 = static_cast<float>(CountBytes(p.A_s));
    CountedLoop(p.IB8, 1, p.KB8, [&] {
        // An empty text makes one pass, which takes nothing.
        p.X8_s = p.KB8 == 0 ? Text() : MidBytes(p.A_s, p.IB8, 1);
        if (p.X8_s != Text(" ")) p.X9_s += p.X8_s;
    });
    p.A_s = p.X9_s;
}

}  // namespace lesson
