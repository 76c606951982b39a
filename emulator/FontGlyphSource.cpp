#include "FontGlyphSource.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <iconv.h>

#include <algorithm>
#include <cstring>

namespace vprinter {

namespace {
constexpr int FIXED_SHIFT = 6; // FreeType's 26.6 numbers
constexpr int BITS_PER_BYTE = 8;
constexpr int MAX_ROW_BITS = 32;
constexpr int GLYPH_INSET = 1; // dots left free around a glyph in its cell
constexpr char CHINESE_FONT_PATTERN[] = ":lang=zh-cn";
} // namespace

struct FontGlyphSource::Library {
    FT_Library ft = nullptr;
};

uint32_t DoubleByteToUnicode(uint8_t lead, uint8_t trail) {
    iconv_t cd = iconv_open("UTF-32LE", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
    char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    unsigned char out[4] = {};
    char* inp = in;
    char* outp = reinterpret_cast<char*>(out);
    size_t inLeft = sizeof in, outLeft = sizeof out;
    const size_t done = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1) || inLeft != 0 || outLeft != 0) return 0;
    return out[0] | out[1] << 8 | out[2] << 16 | static_cast<uint32_t>(out[3]) << 24;
}

FontGlyphSource::FontGlyphSource() : library_(std::make_unique<Library>()) {
    if (FT_Init_FreeType(&library_->ft) != 0) return;
    // A configuration of our own, given back at once: the font is found once.
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(CHINESE_FONT_PATTERN));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) {
        FcConfigDestroy(config);
        return;
    }
    FcChar8* file = nullptr;
    int index = 0;
    FcLangSet* langs = nullptr;
    const bool chinese = FcPatternGetLangSet(match, FC_LANG, 0, &langs) == FcResultMatch &&
                         FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("zh-cn")) ==
                             FcLangEqual;
    if (chinese && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        FT_Face face = nullptr;
        if (FT_New_Face(library_->ft, reinterpret_cast<const char*>(file), index, &face) == 0) {
            face_ = face;
            file_ = reinterpret_cast<const char*>(file);
        }
    }
    FcPatternDestroy(match);
    FcConfigDestroy(config);
}

FontGlyphSource::~FontGlyphSource() {
    if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
    if (library_->ft) FT_Done_FreeType(library_->ft);
}

bool FontGlyphSource::DoubleByteGlyph(uint8_t lead, uint8_t trail, int width, int height,
                                      std::vector<uint32_t>* rows) const {
    if (!face_ || width > MAX_ROW_BITS || width <= 2 * GLYPH_INSET || height <= 2 * GLYPH_INSET)
        return false;
    const uint32_t character = DoubleByteToUnicode(lead, trail);
    if (character == 0) return false;
    std::lock_guard<std::mutex> lock(mutex_);
    const auto key = std::make_tuple(static_cast<uint16_t>(lead << 8 | trail), width, height);
    const auto found = cache_.find(key);
    if (found != cache_.end()) {
        *rows = found->second;
        return !rows->empty();
    }
    std::vector<uint32_t>& made = cache_[key];
    Render(character, width, height, &made);
    *rows = made;
    return !made.empty();
}

bool FontGlyphSource::Render(uint32_t character, int width, int height,
                             std::vector<uint32_t>* rows) const {
    auto face = static_cast<FT_Face>(face_);
    const FT_UInt index = FT_Get_Char_Index(face, character);
    if (index == 0) return false;
    const int size = std::min(width, height) - 2 * GLYPH_INSET;
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(size)) != 0) return false;
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
        return false;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return false;
    const int ascender = static_cast<int>(face->size->metrics.ascender >> FIXED_SHIFT);
    const int descender = static_cast<int>(-(face->size->metrics.descender >> FIXED_SHIFT));
    const int baseline = (height - (ascender + descender)) / 2 + ascender;
    const int left = (width - static_cast<int>(bitmap.width)) / 2;
    const int top = baseline - slot->bitmap_top;
    rows->assign(static_cast<size_t>(height), 0);
    for (int y = 0; y < static_cast<int>(bitmap.rows); ++y) {
        const int row = top + y;
        if (row < 0 || row >= height) continue;
        const unsigned char* line = bitmap.buffer + y * bitmap.pitch;
        for (int x = 0; x < static_cast<int>(bitmap.width); ++x) {
            const int column = left + x;
            if (column < 0 || column >= width) continue;
            if (line[x / BITS_PER_BYTE] & (0x80 >> (x % BITS_PER_BYTE)))
                (*rows)[static_cast<size_t>(row)] |= 0x80000000u >> column;
        }
    }
    return true;
}

} // namespace vprinter
