// Bit-image bands (ESC *) and raster blocks (GS v 0).
#include "Interpreter.h"

#include <algorithm>

namespace vprinter {

namespace {

constexpr int BAND_BITS_8 = 8;
constexpr int BITS_PER_BYTE = 8;
constexpr size_t BIT_IMAGE_HEADER = 5; // ESC * m nL nH
constexpr int MODE_BYTES_STEP = 16;    // m / 16 + 1 bytes per column

struct BitImageMode {
    uint8_t m;
    int scaleX; // dots per column
    int scaleY; // dots per bit
};

// At 203 dpi: single density prints each column twice, 8-dot bands print each bit
// three dots tall, so every band is 24 dots high.
constexpr BitImageMode BIT_IMAGE_MODES[] = {
    {0, 2, 3},  // 8-dot single density
    {1, 1, 3},  // 8-dot double density
    {32, 2, 1}, // 24-dot single density
    {33, 1, 1}, // 24-dot double density
};

constexpr uint8_t RASTER_DOUBLE_WIDTH = 0x01;
constexpr uint8_t RASTER_DOUBLE_HEIGHT = 0x02;

} // namespace

void Interpreter::OnBitImage(const uint8_t* command, size_t length) {
    const uint8_t m = command[2];
    const int columns = command[3] + 256 * command[4];
    const BitImageMode* mode = nullptr;
    for (const BitImageMode& candidate : BIT_IMAGE_MODES)
        if (candidate.m == m) mode = &candidate;
    if (mode == nullptr) {
        LogAt("ESC * mode " + std::to_string(m) + " is not supported, " + std::to_string(length) +
              " bytes skipped");
        return;
    }
    RefreshArea();
    const int bytesPerColumn = m / MODE_BYTES_STEP + 1;
    const int bits = bytesPerColumn * BAND_BITS_8;
    const int room = line_.AreaWidth() - line_.Cursor();
    const int width = std::min(columns * mode->scaleX, std::max(room, 0));
    if (columns * mode->scaleX > room)
        LogAt("ESC * band wider than the print area, the rest is dropped");
    PaperBitmap band(width, bits * mode->scaleY);
    const uint8_t* data = command + BIT_IMAGE_HEADER;
    for (int column = 0; column * mode->scaleX < width; ++column) {
        const uint8_t* bytes = data + static_cast<size_t>(column) * bytesPerColumn;
        for (int bit = 0; bit < bits; ++bit) {
            if (!((bytes[bit / BITS_PER_BYTE] >> (7 - bit % BITS_PER_BYTE)) & 1)) continue;
            for (int sx = 0; sx < mode->scaleX; ++sx)
                for (int sy = 0; sy < mode->scaleY; ++sy)
                    band.Set(column * mode->scaleX + sx, bit * mode->scaleY + sy);
        }
    }
    line_.PutImage(band);
}

void Interpreter::OnRasterImage(const uint8_t* command, size_t) {
    const uint8_t m = command[3];
    if (line_.HasContent()) PrintLine(0);
    RefreshArea();
    raster_ = RasterJob{};
    raster_.bytesPerRow = command[4] + 256 * command[5];
    raster_.rows = command[6] + 256 * command[7];
    raster_.scaleX = (m & RASTER_DOUBLE_WIDTH) ? 2 : 1;
    raster_.scaleY = (m & RASTER_DOUBLE_HEIGHT) ? 2 : 1;
    const int fullWidth = raster_.bytesPerRow * BITS_PER_BYTE * raster_.scaleX;
    const int area = line_.AreaWidth();
    raster_.drawWidth = std::min(fullWidth, area);
    if (fullWidth > area) LogAt("GS v 0 image wider than the print area, the rest is dropped");
    raster_.x = line_.AreaLeft();
    if (text_.alignment == Alignment::Center) raster_.x += (area - raster_.drawWidth) / 2;
    if (text_.alignment == Alignment::Right) raster_.x += area - raster_.drawWidth;
    raster_.row.assign(raster_.bytesPerRow, 0);
    if (raster_.scaleX > 1) raster_.wide.assign(static_cast<size_t>(raster_.bytesPerRow) * 2, 0);
    raster_.active = raster_.bytesPerRow > 0 && raster_.rows > 0;
}

size_t Interpreter::ConsumeRaster(const uint8_t* data, size_t available) {
    size_t used = 0;
    while (used < available && raster_.active) {
        const size_t take = std::min(available - used, raster_.row.size() - raster_.filled);
        std::copy(data + used, data + used + take, raster_.row.begin() + raster_.filled);
        raster_.filled += take;
        used += take;
        if (raster_.filled == raster_.row.size()) {
            DrawRasterRow();
            raster_.filled = 0;
            if (++raster_.rowsDone == raster_.rows) raster_.active = false;
        }
    }
    return used;
}

void Interpreter::DrawRasterRow() {
    const uint8_t* source = raster_.row.data();
    if (raster_.scaleX > 1) {
        std::fill(raster_.wide.begin(), raster_.wide.end(), 0);
        for (int bit = 0; bit < raster_.bytesPerRow * BITS_PER_BYTE; ++bit) {
            if (!((source[bit / BITS_PER_BYTE] >> (7 - bit % BITS_PER_BYTE)) & 1)) continue;
            for (int copy = 0; copy < 2; ++copy) {
                const int target = 2 * bit + copy;
                raster_.wide[target / BITS_PER_BYTE] |=
                    static_cast<uint8_t>(0x80 >> (target % BITS_PER_BYTE));
            }
        }
        source = raster_.wide.data();
    }
    MakeRoom(raster_.scaleY);
    paper_.EnsureHeight(y_ + raster_.scaleY);
    for (int copy = 0; copy < raster_.scaleY; ++copy)
        paper_.OrBits(y_ + copy, raster_.x, source, raster_.drawWidth);
    paperInk_ = true;
    Advance(raster_.scaleY);
}

} // namespace vprinter

namespace vprinter {

namespace {

constexpr size_t GRAPHICS_SHORT_HEADER = 5; // GS ( L pL pH
constexpr size_t GRAPHICS_LONG_HEADER = 7;  // GS 8 L p1 p2 p3 p4
constexpr uint8_t GRAPHICS_M = 0x30;
constexpr uint8_t FN_PRINT = 2;
constexpr uint8_t FN_PRINT_DIGIT = 50;
constexpr uint8_t FN_STORE_RASTER = 112;
// fn 112: a bx by c xL xH yL yH, then the rows.
constexpr size_t RASTER_PARAMETERS = 8;
constexpr uint8_t TONE_MONOCHROME = 48;
constexpr int MAX_GRAPHICS_SCALE = 2;

} // namespace

// GS ( L and GS 8 L: graphics stored in the print buffer (fn 112) and printed
// (fn 2 or 50); the other functions are skipped and logged once.
void Interpreter::OnGraphics(const uint8_t* command, size_t length) {
    const size_t header = command[1] == '8' ? GRAPHICS_LONG_HEADER : GRAPHICS_SHORT_HEADER;
    const std::string name = header == GRAPHICS_LONG_HEADER ? "GS 8 L" : "GS ( L";
    if (length < header + 2 || command[header] != GRAPHICS_M) {
        LogOnce(name + " m", name + " without function 30, skipped");
        return;
    }
    const uint8_t fn = command[header + 1];
    const uint8_t* p = command + header + 2;
    const size_t count = length - header - 2;
    if (fn == FN_PRINT || fn == FN_PRINT_DIGIT) return PrintGraphics(graphics_);
    if (fn != FN_STORE_RASTER) {
        LogOnce(name + " " + std::to_string(fn),
                name + " function " + std::to_string(fn) + " is not supported, skipped");
        return;
    }
    if (count < RASTER_PARAMETERS || p[0] != TONE_MONOCHROME) {
        LogAt(name + " graphics: only monochrome raster data is printed, skipped");
        return;
    }
    graphics_.assign(p, p + count);
}

void Interpreter::PrintGraphics(const std::vector<uint8_t>& stored) {
    if (stored.size() < RASTER_PARAMETERS) {
        LogAt("graphics: nothing stored, nothing printed");
        return;
    }
    const int scaleX = std::clamp<int>(stored[1], 1, MAX_GRAPHICS_SCALE);
    const int scaleY = std::clamp<int>(stored[2], 1, MAX_GRAPHICS_SCALE);
    const int width = stored[4] + 256 * stored[5];
    const int height = stored[6] + 256 * stored[7];
    const size_t stride = (static_cast<size_t>(width) + BITS_PER_BYTE - 1) / BITS_PER_BYTE;
    const size_t rows = std::min<size_t>(height, (stored.size() - RASTER_PARAMETERS) /
                                                     std::max<size_t>(stride, 1));
    if (width == 0 || rows == 0) {
        LogAt("graphics: empty picture, nothing printed");
        return;
    }
    if (rows < static_cast<size_t>(height)) LogAt("graphics: data shorter than its height");
    if (line_.HasContent()) PrintLine(0);
    RefreshArea();
    const int drawWidth = std::min(width * scaleX, line_.AreaWidth());
    if (width * scaleX > drawWidth) LogAt("graphics wider than the print area, the rest is dropped");
    PaperBitmap block(drawWidth, static_cast<int>(rows) * scaleY);
    const uint8_t* data = stored.data() + RASTER_PARAMETERS;
    for (size_t y = 0; y < rows; ++y)
        for (int x = 0; x * scaleX < drawWidth; ++x)
            if ((data[y * stride + x / BITS_PER_BYTE] >> (7 - x % BITS_PER_BYTE)) & 1)
                for (int sy = 0; sy < scaleY; ++sy)
                    for (int sx = 0; sx < scaleX && x * scaleX + sx < drawWidth; ++sx)
                        block.Set(x * scaleX + sx, static_cast<int>(y) * scaleY + sy);
    PrintBlock(block);
}

} // namespace vprinter
