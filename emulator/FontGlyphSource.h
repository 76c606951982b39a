#pragma once
// Two-byte characters drawn from the Chinese font installed on the machine (found
// through fontconfig, rendered one bit deep by FreeType). Glyphs are kept once made.
#include "GlyphSource.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>

namespace vprinter {

class FontGlyphSource : public GlyphSource {
public:
    FontGlyphSource();
    ~FontGlyphSource() override;
    FontGlyphSource(const FontGlyphSource&) = delete;
    FontGlyphSource& operator=(const FontGlyphSource&) = delete;

    // False when no font for Chinese text is installed; every glyph is then refused.
    bool Available() const { return face_ != nullptr; }
    const std::string& FontFile() const { return file_; }

    bool DoubleByteGlyph(uint8_t lead, uint8_t trail, int width, int height,
                         std::vector<uint32_t>* rows) const override;

private:
    bool Render(uint32_t character, int width, int height, std::vector<uint32_t>* rows) const;

    struct Library;
    std::unique_ptr<Library> library_;
    void* face_ = nullptr; // FT_Face
    std::string file_;
    mutable std::mutex mutex_;
    mutable std::map<std::tuple<uint16_t, int, int>, std::vector<uint32_t>> cache_;
};

// GB18030 two-byte character as Unicode; 0 when it is none.
uint32_t DoubleByteToUnicode(uint8_t lead, uint8_t trail);

} // namespace vprinter
