#include "platform/fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <string>
#include <tuple>

namespace platform {

namespace {

constexpr const char* kGothicFamily = "IPAGothic";
constexpr const char* kSerifFamily = "Liberation Serif";
constexpr char32_t kScriptSmallL = U'\u2113';

// The best fontconfig match for a family and style; the caller destroys it.
FcPattern* MatchFont(const char* family, bool bold, bool italic) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    return match;
}

bool HasFamily(FcPattern* match, const char* family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (std::string(reinterpret_cast<const char*>(name)) == family) return true;
    return false;
}

struct FontStyle {
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
};

// The weight and slant of the font file a match names. The match itself
// may carry the style requested, with fontconfig's synthesis.
FontStyle OwnStyle(FcPattern* match) {
    FontStyle style;
    FcChar8* file = nullptr;
    int index = 0;
    if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) return style;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    int count = 0;
    FcPattern* own = FcFreeTypeQuery(file, static_cast<unsigned>(index), nullptr, &count);
    if (!own) return style;
    FcPatternGetInteger(own, FC_WEIGHT, 0, &style.weight);
    FcPatternGetInteger(own, FC_SLANT, 0, &style.slant);
    FcPatternDestroy(own);
    return style;
}

// Ascent, descent and foot in ems, measured at a large size so that no
// rounding of the font's metrics shows.
void MeasureFace(FontFace& f) {
    constexpr double kSize = 1000;
    cairo_matrix_t fontMatrix, ctm;
    cairo_matrix_init_scale(&fontMatrix, kSize, kSize);
    cairo_matrix_init_identity(&ctm);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_scaled_font_t* scaled = cairo_scaled_font_create(f.face, &fontMatrix, &ctm, options);
    cairo_font_extents_t extents;
    cairo_scaled_font_extents(scaled, &extents);
    f.ascent = extents.ascent / kSize;
    f.descent = extents.descent / kSize;
    if (f.ascent + f.descent <= 0) f.ascent = 1;
    cairo_text_extents_t x;
    cairo_scaled_font_text_extents(scaled, "x", &x);
    if (x.height > 0) f.foot = -(x.y_bearing + x.height) / kSize;
    cairo_scaled_font_destroy(scaled);
    cairo_font_options_destroy(options);
}

// Every face used so far, kept for the life of the process.
class FaceCache {
public:
    ~FaceCache() {
        for (auto& [key, face] : faces_) cairo_font_face_destroy(face.face);
    }

    const FontFace& Get(const char* family, bool bold, bool italic) {
        const Key key{family, bold, italic};
        auto found = faces_.find(key);
        if (found != faces_.end()) return found->second;

        FontFace f;
        f.proportional = std::string(family) != kGothicFamily;
        FcPattern* match = MatchFont(family, bold, italic);
        if (!match) {
            // No fonts at all: cairo's own fallback still draws something.
            f.face = cairo_toy_font_face_create(
                family, italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        } else {
            // The style is synthesised here, from what the font file itself
            // holds, never twice. Bold goes into the pattern: cairo shares
            // one face among patterns of the same file that differ in
            // nothing it reads, so a face must be made bold as it is made.
            const FontStyle own = OwnStyle(match);
            FcPatternDel(match, FC_EMBOLDEN);
            FcPatternDel(match, FC_MATRIX);
            f.emboldened = bold && own.weight < FC_WEIGHT_DEMIBOLD;
            FcPatternAddBool(match, FC_EMBOLDEN, f.emboldened);
            f.slanted = italic && own.slant == FC_SLANT_ROMAN;
            f.face = cairo_ft_font_face_create_for_pattern(match);
            FcPatternDestroy(match);
        }
        MeasureFace(f);
        return faces_.emplace(key, f).first->second;
    }

private:
    using Key = std::tuple<std::string, bool, bool>;
    std::map<Key, FontFace> faces_;
};

FaceCache& Cache() {
    static FaceCache cache;
    return cache;
}

}  // namespace

GlyphChoice ChooseGlyph(const lesson::Text& faceName, bool bold, bool italic, char32_t c) {
    if (faceName == "Times New Roman") return {&Cache().Get(kSerifFamily, bold, italic), c};
    if (faceName == "MT Extra")
        return {&Cache().Get(kSerifFamily, bold, italic), c == U'l' ? kScriptSmallL : c};
    return {&Cache().Get(kGothicFamily, bold, italic), c};
}

bool GothicFaceInstalled() {
    FcPattern* match = MatchFont(kGothicFamily, false, false);
    const bool found = match && HasFamily(match, kGothicFamily);
    if (match) FcPatternDestroy(match);
    return found;
}

}  // namespace platform
