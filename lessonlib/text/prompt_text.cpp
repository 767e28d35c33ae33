#include "lessonlib/text/prompt_text.h"

#include "lessonlib/shell/loops.h"
#include "lessonlib/text/strip_spaces.h"

namespace lesson {

void MapSymbolKey(Program& p) {
    // Key texts hold one-byte characters only, so byte and character
    // positions in them agree.
    p.HENK1_s = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
    p.HENK2_s = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
    p.HENK_s = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
    p.HENK3_s = "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗ△：";
    p.N1 = 0;
    p.N = 0;
    if (p.B_s.Empty()) return;
    p.N1 = static_cast<float>(FindText(p.HENK1_s, p.B_s));
    if (p.N1 != 0) p.B_s = MidChars(p.HENK2_s, p.N1, 1);
    // The second table sees the first one's result; a full-width glyph is
    // never among its keys, so the first table wins.
    p.N = static_cast<float>(FindText(p.HENK_s, p.B_s));
    if (p.N != 0) p.B_s = MidChars(p.HENK3_s, p.N, 1);
}

void DrawPromptChars(Program& p) {
    StripSpaces(p);
    p.LE = static_cast<float>(CountChars(p.A_s));
    p.XT = p.X;
    p.rt.SetFontBold(true);
    CountedLoop(p.I, 1, p.LE, [&] {
        p.B_s = MidChars(p.A_s, p.I, 1);  // empty when A$ is
        if (p.B_s == Text("^")) {
            p.JYOU = 1;
            return;
        }
        if (p.JYOU != 1) {
            MapSymbolKey(p);
        } else {
            p.JYOU = 0;
        }
        p.L = CountBytes(p.B_s) == 1 ? 4 : 0;
        // The full stop is kerned: drawn 4 left of the pen, it takes no room.
        const bool fullStop = p.B_s == Text("．");
        if (fullStop) p.XT -= 4;
        if (!p.B_s.Empty()) p.rt.DrawText(p.XT, p.Y - p.L, 1, 1, p.CCC1, p.B_s);
        if (fullStop) p.XT -= 12;
        p.XT += 16;
    });
}

void DrawPromptText(Program& p) {
    for (;;) {
        p.LEM = static_cast<float>(CountChars(p.AA_s));
        if (p.LEM == 0) return;
        p.A_s = FirstChars(p.AA_s, 1);
        p.AA_s = LastChars(p.AA_s, p.LEM - 1);
        if (p.A_s == Text("^")) {
            p.JYOU = 1;
            continue;
        }
        DrawPromptChars(p);
        p.X = p.XT;
    }
}

}  // namespace lesson
