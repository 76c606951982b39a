#include "LineComposer.h"

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

// Every dot of mask becomes scale dots; what passes the 64th is dropped.
uint64_t ScaleWidth(uint64_t mask, int scale) {
    if (scale == 1) return mask;
    uint64_t out = 0;
    const uint64_t run = TopBits(scale);
    for (int i = 0; i * scale < MASK_BITS; ++i)
        if (mask & (1ULL << (MASK_BITS - 1 - i))) out |= run >> (i * scale);
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

int CharacterStyle::ScaleX() const {
    return scaleX == 1 && (mode & PRN_MODE_DOUBLE_WIDTH) ? 2 : std::max(scaleX, 1);
}

int CharacterStyle::ScaleY() const {
    return scaleY == 1 && (mode & PRN_MODE_DOUBLE_HEIGHT) ? 2 : std::max(scaleY, 1);
}

int LineComposer::CellWidth(int width, int height, const CharacterStyle& style) {
    return ((style.rotated ? height : width) + style.spacing) * style.ScaleX();
}

int LineComposer::CellHeight(int width, int height, const CharacterStyle& style) {
    return (style.rotated ? width : height) * style.ScaleY();
}

void LineComposer::PutGlyph(const FontFace& font, uint8_t code, uint8_t mode) {
    CharacterStyle style;
    style.mode = mode;
    PutCharacter(font.Glyph(code), font.width, font.height, style);
}

void LineComposer::PutCharacter(const uint32_t* rows, int width, int height,
                                const CharacterStyle& style) {
    uint32_t turned[MASK_BITS / 2] = {};
    if (style.rotated) {
        // Clockwise: the glyph's left column becomes the top row.
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (rows[y] & (0x80000000u >> x)) turned[x] |= 0x80000000u >> (height - 1 - y);
        rows = turned;
        std::swap(width, height);
    }
    const int scaleX = style.ScaleX();
    if (width * scaleX > MASK_BITS) return PutLargeCharacter(rows, width, height, style);
    const uint8_t mode = style.mode;
    const int cellWidth = CellWidth(width, height, CharacterStyle{}) * scaleX;
    const int yScale = style.ScaleY();
    const int cellHeight = height * yScale;
    const uint64_t cell = TopBits(std::min(cellWidth, MASK_BITS));
    const int top = CANVAS_ROWS - cellHeight;
    const int underline =
        std::max((mode & PRN_MODE_UNDERSCORE) ? UNDERSCORE_ROWS : 0, style.underline);
    const bool inverse = (mode & PRN_MODE_HIGHLIGHT) || style.reverse;
    for (int y = 0; y < height; ++y) {
        uint64_t mask = static_cast<uint64_t>(rows[y]) << 32;
        if (mode & PRN_MODE_ITALIC) mask >>= (height - 1 - y) / ITALIC_SLANT;
        if (mode & PRN_MODE_BOLD) mask |= mask >> 1;
        mask = ScaleWidth(mask, scaleX) & TopBits(width * scaleX);
        for (int copy = 0; copy < yScale; ++copy) {
            const int row = y * yScale + copy;
            uint64_t line = mask;
            if (underline && row >= cellHeight - underline) line = cell;
            if (mode & PRN_MODE_FRAME) {
                if (row == 0 || row == cellHeight - 1) line = cell;
                line |= TopBits(1) | (TopBits(cellWidth) & ~TopBits(cellWidth - 1));
            }
            if (inverse) line = ~line & cell;
            canvas_.OrMask(top + row, cursor_, line,
                           std::min({cellWidth, MASK_BITS, areaWidth_ - cursor_}));
        }
    }
    content_ = true;
    Raise(cellHeight);
    cursor_ = std::min(cursor_ + (width + style.spacing) * scaleX, areaWidth_);
    right_ = std::max(right_, cursor_);
}

// Characters wider than one mask (large GS ! sizes) are drawn dot by dot.
void LineComposer::PutLargeCharacter(const uint32_t* rows, int width, int height,
                                     const CharacterStyle& style) {
    const int scaleX = style.ScaleX();
    const int scaleY = style.ScaleY();
    const int cellWidth = (width + style.spacing) * scaleX;
    const int cellHeight = height * scaleY;
    const int top = CANVAS_ROWS - cellHeight;
    const int underline =
        std::max((style.mode & PRN_MODE_UNDERSCORE) ? UNDERSCORE_ROWS : 0, style.underline);
    const bool inverse = (style.mode & PRN_MODE_HIGHLIGHT) || style.reverse;
    const int visible = std::min(cellWidth, areaWidth_ - cursor_);
    for (int row = 0; row < cellHeight; ++row) {
        uint32_t bits = rows[row / scaleY];
        if (style.mode & PRN_MODE_BOLD) bits |= bits >> 1;
        const bool ruled = underline && row >= cellHeight - underline;
        for (int x = 0; x < visible; ++x) {
            const int dot = x / scaleX;
            bool black = ruled || (dot < width && (bits & (0x80000000u >> dot)));
            if (inverse) black = !black;
            if (black) canvas_.Set(cursor_ + x, top + row);
        }
    }
    content_ = true;
    Raise(cellHeight);
    cursor_ = std::min(cursor_ + cellWidth, areaWidth_);
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

void LineComposer::PrintOnto(PaperBitmap& paper, int y, Alignment alignment, bool upsideDown) {
    const int used = std::max(right_, cursor_);
    int offset = 0;
    if (alignment == Alignment::Center) offset = (areaWidth_ - used) / 2;
    if (alignment == Alignment::Right) offset = areaWidth_ - used;
    offset = std::max(offset, 0);
    const int first = CANVAS_ROWS - height_;
    if (!upsideDown) {
        for (int row = 0; row < height_; ++row)
            paper.OrBits(y + row, areaLeft_ + offset, canvas_.Row(first + row), used);
    } else {
        // Turned half round inside the print area: the last row first, each mirrored.
        for (int row = 0; row < height_; ++row)
            for (int x = 0; x < used; ++x)
                if (canvas_.Get(x, first + row))
                    paper.Set(areaLeft_ + areaWidth_ - 1 - (offset + x), y + height_ - 1 - row);
    }
    Discard();
}

void LineComposer::Discard() {
    canvas_.ClearRows(CANVAS_ROWS - height_, height_);
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
