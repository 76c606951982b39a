#pragma once
// The print buffer of one line: characters, bit-image bands and rules are set on
// a canvas from the left edge of the print area, bottom-aligned as on a real
// printer, and go onto the paper, aligned, when the line is printed.
#include "FontTables.h"
#include "PaperBitmap.h"
#include "PrinterState.h"

#include <string_view>

namespace vprinter {

// How a character is drawn: the ESC ! bits and the settings of the other
// character commands.
struct CharacterStyle {
    uint8_t mode = 0;   // ESC ! bits
    int scaleX = 1;     // GS ! (ESC ! double width makes 1 into 2)
    int scaleY = 1;
    int underline = 0;  // ESC - / FS -: dots
    bool reverse = false;
    bool rotated = false;
    int spacing = 0;    // ESC SP: dots right of the character, before scaling

    int ScaleX() const;
    int ScaleY() const;
};

class LineComposer {
public:
    static constexpr int CANVAS_ROWS = 8 * 24; // the tallest cell: 24 dots, eight times

    explicit LineComposer(int paperWidth);

    // The print area of the line; takes effect only while the line is empty.
    void SetArea(int left, int width);
    int AreaLeft() const { return areaLeft_; }
    int AreaWidth() const { return areaWidth_; }

    bool Empty() const { return !content_ && cursor_ == 0; }
    bool HasContent() const { return content_; }
    int Cursor() const { return cursor_; }
    void SetCursor(int x);
    bool Fits(int width) const { return cursor_ + width <= areaWidth_; }
    int Height() const { return height_; }

    // Cell width and height of a character in the given font and ESC ! mode.
    static int CellWidth(const FontFace& font, uint8_t mode);
    static int CellHeight(const FontFace& font, uint8_t mode);

    void PutGlyph(const FontFace& font, uint8_t code, uint8_t mode);
    // Cell of a glyph of width x height dots drawn in the style.
    static int CellWidth(int width, int height, const CharacterStyle& style);
    static int CellHeight(int width, int height, const CharacterStyle& style);
    // A glyph given as rows (one word each, leftmost dot in the top bit, width <= 32).
    void PutCharacter(const uint32_t* rows, int width, int height, const CharacterStyle& style);
    // A double-byte character this printer has no glyph for: a framed square.
    void PutPlaceholder(const FontFace& font, uint8_t mode);
    // An image band at the cursor; the part beyond the print area is dropped.
    void PutImage(const PaperBitmap& image);
    // A vertical rule of the given height at x, without moving the cursor.
    void PutRule(int x, int height);
    // Raises the line height without drawing (an empty cell).
    void Reserve(int height);

    // Copies the line onto paper with its top at row y, placed by the alignment,
    // and empties it. The paper must already hold rows y .. y + Height().
    void PrintOnto(PaperBitmap& paper, int y, Alignment alignment, bool upsideDown = false);
    void Discard();

    // Draws text with its top left corner at (x, y); used for barcode text.
    static void DrawText(PaperBitmap& target, int x, int y, std::string_view text,
                         const FontFace& font);

private:
    void Raise(int height);
    void PutLargeCharacter(const uint32_t* rows, int width, int height, const CharacterStyle& style);

    PaperBitmap canvas_;
    int areaLeft_ = 0;
    int areaWidth_;
    int cursor_ = 0;
    int right_ = 0; // rightmost dot used, for alignment
    int height_ = 0;
    bool content_ = false;
};

} // namespace vprinter
