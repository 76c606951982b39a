#include "emulator/LineComposer.h"

#include <algorithm>

namespace vprinter {

namespace {

constexpr int MASK_BITS = 64;
constexpr int ITALIC_SLANT = 6; // one dot of slant per six rows
constexpr int UNDERSCORE_ROWS = 2;

uint64_t TopBits(int count) {
    if (count <= 0) return 0;
    if (count >= MASK_BITS) return ~0ULL;
    return ~0ULL << (MASK_BITS - count);
}

// Every dot of the top half of mask becomes two dots.
uint64_t DoubleWidth(uint64_t mask) {
    uint64_t out = 0;
    for (int i = 0; i < MASK_BITS / 2; ++i)
        if (mask & (1ULL << (MASK_BITS - 1 - i))) out |= 3ULL << (MASK_BITS - 2 - 2 * i);
    return out;
}

} // namespace

LineComposer::LineComposer(int paperWidth)
    : canvas_(paperWidth, CANVAS_ROWS), areaWidth_(paperWidth) {}

void LineComposer::SetArea(int left, int width) {
    if (!Empty()) return;
    areaLeft_ = std::clamp(left, 0, canvas_.Width());
    areaWidth_ = std::clamp(width, 0, canvas_.Width() - areaLeft_);
}

void LineComposer::SetCursor(int x) {
    cursor_ = std::clamp(x, 0, areaWidth_);
}

int LineComposer::CellWidth(const FontFace& font, uint8_t mode) {
    return font.width * ((mode & PRN_MODE_DOUBLE_WIDTH) ? 2 : 1);
}

int LineComposer::CellHeight(const FontFace& font, uint8_t mode) {
    return font.height * ((mode & PRN_MODE_DOUBLE_HEIGHT) ? 2 : 1);
}

void LineComposer::Raise(int height) {
    height_ = std::clamp(std::max(height_, height), 0, CANVAS_ROWS);
}

void LineComposer::Reserve(int height) {
    content_ = true;
    Raise(height);
}

void LineComposer::PutGlyph(const FontFace& font, uint8_t code, uint8_t mode) {
    const uint32_t* rows = font.Glyph(code);
    const int width = CellWidth(font, mode);
    const int height = CellHeight(font, mode);
    const int yScale = (mode & PRN_MODE_DOUBLE_HEIGHT) ? 2 : 1;
    const uint64_t cell = TopBits(width);
    const int top = CANVAS_ROWS - height;
    for (int y = 0; y < font.height; ++y) {
        uint64_t mask = static_cast<uint64_t>(rows[y]) << 32;
        if (mode & PRN_MODE_ITALIC) mask >>= (font.height - 1 - y) / ITALIC_SLANT;
        if (mode & PRN_MODE_BOLD) mask |= mask >> 1;
        if (mode & PRN_MODE_DOUBLE_WIDTH) mask = DoubleWidth(mask);
        mask &= cell;
        for (int copy = 0; copy < yScale; ++copy) {
            const int row = y * yScale + copy;
            uint64_t line = mask;
            if ((mode & PRN_MODE_UNDERSCORE) && row >= height - UNDERSCORE_ROWS) line = cell;
            if (mode & PRN_MODE_FRAME) {
                if (row == 0 || row == height - 1) line = cell;
                line |= TopBits(1) | (TopBits(width) & ~TopBits(width - 1));
            }
            if (mode & PRN_MODE_HIGHLIGHT) line = ~line & cell;
            canvas_.OrMask(top + row, cursor_, line, std::min(width, areaWidth_ - cursor_));
        }
    }
    content_ = true;
    Raise(height);
    cursor_ = std::min(cursor_ + width, areaWidth_);
    right_ = std::max(right_, cursor_);
}

void LineComposer::PutPlaceholder(const FontFace& font, uint8_t mode) {
    const int width = 2 * CellWidth(font, mode);
    const int height = CellHeight(font, mode);
    const int top = CANVAS_ROWS - height;
    const int inset = 2;
    const int boxWidth = std::min(width - 2 * inset, areaWidth_ - cursor_ - inset);
    for (int row = inset; row < height - inset; ++row) {
        const bool edge = row == inset || row == height - inset - 1;
        const uint64_t line =
            edge ? TopBits(boxWidth) : TopBits(1) | (TopBits(boxWidth) & ~TopBits(boxWidth - 1));
        canvas_.OrMask(top + row, cursor_ + inset, line, boxWidth);
    }
    content_ = true;
    Raise(height);
    cursor_ = std::min(cursor_ + width, areaWidth_);
    right_ = std::max(right_, cursor_);
}

void LineComposer::PutImage(const PaperBitmap& image) {
    const int height = std::min(image.Height(), CANVAS_ROWS);
    const int width = std::min(image.Width(), areaWidth_ - cursor_);
    const int top = CANVAS_ROWS - height;
    for (int row = 0; row < height; ++row)
        canvas_.OrBits(top + row, cursor_, image.Row(row), width);
    content_ = true;
    Raise(height);
    cursor_ += std::max(width, 0);
    right_ = std::max(right_, cursor_);
}

void LineComposer::PutRule(int x, int height) {
    height = std::min(height, CANVAS_ROWS);
    x = std::clamp(x, 0, std::max(areaWidth_ - 1, 0));
    for (int row = CANVAS_ROWS - height; row < CANVAS_ROWS; ++row) canvas_.Set(x, row);
    content_ = true;
    Raise(height);
    right_ = std::max(right_, x + 1);
}

void LineComposer::PrintOnto(PaperBitmap& paper, int y, Alignment alignment) {
    const int used = std::max(right_, cursor_);
    int offset = 0;
    if (alignment == Alignment::Center) offset = (areaWidth_ - used) / 2;
    if (alignment == Alignment::Right) offset = areaWidth_ - used;
    offset = std::max(offset, 0);
    const int first = CANVAS_ROWS - height_;
    for (int row = 0; row < height_; ++row)
        paper.OrBits(y + row, areaLeft_ + offset, canvas_.Row(first + row), used);
    Discard();
}

void LineComposer::Discard() {
    canvas_.ClearRows(0, CANVAS_ROWS);
    cursor_ = 0;
    right_ = 0;
    height_ = 0;
    content_ = false;
}

void LineComposer::DrawText(PaperBitmap& target, int x, int y, std::string_view text,
                            const FontFace& font) {
    for (char c : text) {
        const uint32_t* rows = font.Glyph(static_cast<uint8_t>(c));
        for (int row = 0; row < font.height; ++row)
            target.OrMask(y + row, x, static_cast<uint64_t>(rows[row]) << 32, font.width);
        x += font.width;
    }
}

} // namespace vprinter
