#include "emulator/PaperBitmap.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vprinter {

namespace {
constexpr int BITS_PER_BYTE = 8;
}

PaperBitmap::PaperBitmap(int widthDots, int heightDots)
    : width_(std::max(widthDots, 0)), height_(0),
      stride_((std::max(widthDots, 0) + BITS_PER_BYTE - 1) / BITS_PER_BYTE) {
    EnsureHeight(heightDots);
}

void PaperBitmap::EnsureHeight(int rows) {
    if (rows <= height_) return;
    data_.resize(static_cast<size_t>(rows) * stride_, 0);
    height_ = rows;
}

void PaperBitmap::Clear() {
    data_.clear();
    height_ = 0;
}

void PaperBitmap::ClearRows(int first, int count) {
    first = std::max(first, 0);
    const int last = std::min(first + count, height_);
    if (last <= first) return;
    std::memset(Row(first), 0, static_cast<size_t>(last - first) * stride_);
}

bool PaperBitmap::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return (Row(y)[x / BITS_PER_BYTE] >> (7 - x % BITS_PER_BYTE)) & 1;
}

void PaperBitmap::Set(int x, int y) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[x / BITS_PER_BYTE] |= static_cast<uint8_t>(0x80 >> (x % BITS_PER_BYTE));
}

void PaperBitmap::OrBits(int y, int x, const uint8_t* src, int count) {
    if (y < 0 || y >= height_ || count <= 0) return;
    int srcBit = 0;
    if (x < 0) {
        srcBit = -x;
        count -= srcBit;
        x = 0;
    }
    count = std::min(count, width_ - x);
    if (count <= 0) return;
    uint8_t* row = Row(y);
    if (srcBit == 0 && x % BITS_PER_BYTE == 0) {
        // Byte-aligned: the common case of rasters and left-aligned lines.
        const int whole = count / BITS_PER_BYTE;
        uint8_t* dst = row + x / BITS_PER_BYTE;
        for (int i = 0; i < whole; ++i) dst[i] |= src[i];
        const int rest = count % BITS_PER_BYTE;
        if (rest) dst[whole] |= static_cast<uint8_t>(src[whole] & (0xFF00 >> rest));
        return;
    }
    for (int i = 0; i < count; ++i) {
        const int s = srcBit + i;
        if ((src[s / BITS_PER_BYTE] >> (7 - s % BITS_PER_BYTE)) & 1) {
            const int d = x + i;
            row[d / BITS_PER_BYTE] |= static_cast<uint8_t>(0x80 >> (d % BITS_PER_BYTE));
        }
    }
}

void PaperBitmap::OrMask(int y, int x, uint64_t mask, int count) {
    uint8_t bytes[sizeof(uint64_t)];
    for (size_t i = 0; i < sizeof(uint64_t); ++i)
        bytes[i] = static_cast<uint8_t>(mask >> (56 - BITS_PER_BYTE * i));
    OrBits(y, x, bytes, std::min(count, 64));
}

void PaperBitmap::OrBitmap(const PaperBitmap& other, int x, int y) {
    for (int row = 0; row < other.Height(); ++row) {
        const int target = y + row;
        if (target < 0) continue;
        if (target >= height_) break;
        OrBits(target, x, other.Row(row), other.Width());
    }
}

size_t PaperBitmap::CountBlack() const {
    size_t black = 0;
    for (uint8_t byte : data_) black += std::popcount(byte);
    return black;
}

} // namespace vprinter
