// The font faces behind the programs' face names, through fontconfig and
// cairo-ft.
//
// "ｺﾞｼｯｸ", "ゴシック" and any name not known here are the Japanese Gothic
// face IPAGothic (fixed pitch: a full-width glyph advances one em, a
// half-width one half an em). "Times New Roman" is Liberation Serif.
// "MT Extra" draws its letter "l" as the script small l "ℓ" and every other
// character from the serif face. Bold and italic are synthesised where a
// face has no such style (italic by the drawing, see FontFace::slanted).
#pragma once

#include <cairo.h>

#include "lessonlib/shell/text.h"

namespace platform {

// A face ready for drawing, with its vertical metrics at a size of one em.
struct FontFace {
    cairo_font_face_t* face = nullptr;  // owned by the face cache
    double ascent = 0, descent = 0;
    // How far above the baseline the face's letters and digits stand (the
    // foot of its "x"): the Gothic face lifts its Latin glyphs a little.
    double foot = 0;
    bool proportional = false;  // the serif face: glyphs of their own widths
    bool slanted = false;     // italic wanted, the face has none: slant its glyphs
    bool emboldened = false;  // bold made by thickening the glyphs
};

// How far a slanted glyph leans: x moves by this much of the height.
inline constexpr double kSlant = 0.2;
// How much wider an emboldened glyph grows, to the right, as a fraction of
// its vertical em (FreeType's synthetic bold).
inline constexpr double kBoldGrowth = 1.0 / 24;

// The face and the character drawn for character `c` of a text in the
// face named `faceName`.
struct GlyphChoice {
    const FontFace* face;
    char32_t drawn;
};
GlyphChoice ChooseGlyph(const lesson::Text& faceName, bool bold, bool italic, char32_t c);

// True when fontconfig finds IPAGothic itself, not a substitute.
bool GothicFaceInstalled();

}  // namespace platform
