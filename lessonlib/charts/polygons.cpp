#include "lessonlib/charts/polygons.h"

#include "lessonlib/charts/ray_angles.h"
#include "lessonlib/shell/loops.h"

namespace lesson {

namespace {

// Draws the label in AAA$ at vertex i, the rays running to the next vertex
// and the one after it.
void LabelVertex(Program& p, float i) {
    p.KJ1 = i + 1;
    if (p.KJ1 > p.KAKU) p.KJ1 = p.KJ1 - p.KAKU;
    p.KJ2 = i + 2;
    if (p.KJ2 > p.KAKU) p.KJ2 = p.KJ2 - p.KAKU;
    p.ZX0 = p.G_a(i, 1);
    p.ZY0 = p.G_a(i, 2);
    p.ZX1 = p.G_a(p.KJ1, 1);
    p.ZY1 = p.G_a(p.KJ1, 2);
    p.ZX2 = p.G_a(p.KJ2, 1);
    p.ZY2 = p.G_a(p.KJ2, 2);
    p.ITI = -1;
    p.NAGASA = p.NAGASA1;
    AngleLabel(p);
}

}  // namespace

void DrawPolygon(Program& p) {
    const int width = p.rt.LineWidth();
    CountedLoop(p.II, 1, p.KAKU, [&] {
        p.KJ1 = p.II == p.KAKU ? 1 : p.II + 1;
        p.rt.SetLineWidth(p.SIZE1);
        p.rt.Line(p.G_a(p.II, 1), p.G_a(p.II, 2), p.G_a(p.KJ1, 1), p.G_a(p.KJ1, 2), p.CCC2);
    });
    p.NAGASA1 = p.NAGASA;
    if (p.AAA_s == Text("1")) {
        LabelPolygonFromList(p);
    } else if (!p.AAA_s.Empty()) {
        LabelPolygonVertices(p);
    }
    p.AAA_s = Text();
    p.rt.SetLineWidth(static_cast<float>(width));
}

void LabelPolygonVertices(Program& p) {
    // The first code is taken before the labels empty AAA$.
    p.KJ3 = static_cast<float>(p.AAA_s.At(0));
    CountedLoop(p.II, 1, p.KAKU, [&] {
        p.AAA_s = CharText(static_cast<char32_t>(p.KJ3 - 1 + p.II));
        LabelVertex(p, p.II);
    });
}

void LabelPolygonFromList(Program& p) {
    CountedLoop(p.TII, 1, p.KAKU, [&] {
        p.AAA_s = p.X_sa(p.TII);
        LabelVertex(p, p.TII);
    });
}

}  // namespace lesson
