#include "Diceway/ch6_explain_by_probability/outcome_tables.h"

#include <array>

#include "lessonlib/shell/key_wait.h"
#include "lessonlib/shell/loops.h"
#include "Diceway/figures/node_cell.h"
#include "lessonlib/text/screen_text.h"

namespace diceway {

using lesson::Text;

namespace {

void WaitIfAsked(Program& p) {
    if (p.NASI == 1) lesson::WaitAnyKey(p);
}

// The card of an outcome table: which spots hold a juice, which a blank.
struct Card {
    std::array<const char*, 7> headers;
    float lastJuice;  // spots 2..lastJuice are juices, the rest blanks
};

constexpr Card kCard = {{"A＼B", "ポ", "ジ", "ジ", "×", "×", "×"}, 3};
constexpr Card kChangedCard = {{"A＼B", "ポ", "ジ", "ジ", "ジ", "×", "×"}, 4};

struct Mark {
    const char* text;
    float colour;
};

// The mark of the outcome in column II (B's spot) and row JJ (A's spot).
Mark MarkOf(const Program& p, const Card& card) {
    if (p.NASIH != 1) return {"", 0};
    if (p.II == 1 || p.JJ == 1) return {"ﾚ", 9};
    const bool bJuice = p.II <= card.lastJuice, aJuice = p.JJ <= card.lastJuice;
    if (bJuice && aJuice) return {"ア", 3};
    if (!bJuice && !aJuice) return {"イ", 7};
    return {"ウ", 5};
}

void DrawOutcomes(Program& p, const Card& card) {
    p.rt.SetLineWidth(3);
    p.X_a(1) = p.X_a(0) + 90;
    for (int k = 2; k <= 7; ++k) p.X_a(k) = p.X_a(k - 1) + 40;
    p.Y_a(1) = p.Y_a(0) + 50;
    for (int k = 2; k <= 6; ++k) p.Y_a(k) = p.Y_a(k - 1) + 50;
    p.HABA = 40;
    p.TATE = 50;
    for (int k = 0; k <= 6; ++k) p.F_sa(k) = card.headers[static_cast<std::size_t>(k)];

    for (int k = 0; k <= 6; ++k) {
        p.HABA = p.X_a(k + 1) - p.X_a(k);
        DrawNodeCell(p, p.X_a(k), p.Y_a(0), p.F_sa(k), 0, 0, 13);
    }
    p.HABA = 90;
    for (int k = 1; k <= 6; ++k) DrawNodeCell(p, p.X_a(0), p.Y_a(k), p.F_sa(k), 0, 0, 13);

    p.HABA = 40;
    p.TATE = 50;
    lesson::CountedLoop(p.JJ, 1, 6, [&] {
        lesson::CountedLoop(p.II, 1, 6, [&] {
            DrawNodeCell(p, p.X_a(p.II), p.Y_a(p.JJ), Text(), 0, 0, 15);
            const Mark mark = MarkOf(p, card);
            DrawNodeCell(p, p.X_a(p.II), p.Y_a(p.JJ), mark.text, mark.colour, 0, 15);
            WaitIfAsked(p);
        });
    });

    p.rt.SetLineWidth(5);
    p.NASI = 0;
    p.NASIH = 0;
}

}  // namespace

void DrawOutcomeTable(Program& p) { DrawOutcomes(p, kCard); }

void DrawOutcomeTableChanged(Program& p) { DrawOutcomes(p, kChangedCard); }

void DrawStudentCountTable(Program& p) {
    p.rt.SetLineWidth(3);
    p.X_a(1) = p.X_a(0) + 180;
    for (int k = 2; k <= 4; ++k) p.X_a(k) = p.X_a(k - 1) + 60;
    p.Y_a(1) = p.Y_a(0) + 50;
    p.Y_a(2) = p.Y_a(1) + 50;
    p.HABA = 60;
    p.TATE = 50;
    p.F_sa(0) = Text();
    p.F_sa(1) = "ア";
    p.F_sa(2) = "イ";
    p.F_sa(3) = "ウ";
    for (int k = 0; k <= 3; ++k) {
        p.HABA = p.X_a(k + 1) - p.X_a(k);
        DrawNodeCell(p, p.X_a(k), p.Y_a(0), p.F_sa(k), 0, 0, 13);
    }

    p.F_sa(1) = "みずきさん";
    p.F_sa(2) = "けいたさん";
    p.HABA = 180;
    for (int k = 1; k <= 2; ++k) DrawNodeCell(p, p.X_a(0), p.Y_a(k), p.F_sa(k), 0, 0, 13);

    p.HABA = 60;
    p.TATE = 50;
    lesson::CountedLoop(p.JJ, 1, 2, [&] {
        lesson::CountedLoop(p.II, 1, 3, [&] {
            DrawNodeCell(p, p.X_a(p.II), p.Y_a(p.JJ), p.X_sa((p.JJ - 1) * 3 + p.II), 0, 0, 15);
            WaitIfAsked(p);
        });
    });

    p.rt.SetLineWidth(5);
    p.NASI = 0;
}

void SayThirtySixOutcomes(Program& p) {
    Say(p, 0, p.XI0, p.YI1 + 50, "起こりうる場合は全部で");
    lesson::WaitAnyKey(p);
    Say(p, 5, p.XI2, p.YI1, "36通り");
    Say(p, 0, p.XI2, p.YI1, "あり、どの");
    Say(p, 0, p.XI0, p.YI1 + 50, "場合が起こることも同様に確からしい。");
    lesson::WaitAnyKey(p);
    Say(p, 0, p.XI0, p.YI1 + 50, "右の表から、");
}

void DrawChoiceValueRow(Program& p) {
    p.X_a(1) = p.X_a(0) + 144;
    for (int k = 2; k <= 4; ++k) p.X_a(k) = p.X_a(k - 1) + 60;
    p.Y_a(1) = p.Y_a(0) + 50;
    p.HABA = 60;
    p.TATE = 50;
    p.F_sa(0) = Text();
    p.F_sa(1) = "ア";
    p.F_sa(2) = "イ";
    p.F_sa(3) = "ウ";
    for (int k = 1; k <= 3; ++k) DrawNodeCell(p, p.X_a(k), p.Y_a(0), p.F_sa(k), 0, 1, 13);
    for (int k = 1; k <= 3; ++k) {
        DrawNodeCell(p, p.X_a(k), p.Y_a(1), p.X_sa(k), 0, 1, 15);
        WaitIfAsked(p);
    }
    p.NASI = 0;
}

}  // namespace diceway
