#pragma once
// A one-bit dot matrix that grows downwards, as thermal paper does: rows of packed
// bytes, the leftmost dot in the most significant bit, a set bit is a black dot.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vprinter {

class PaperBitmap {
public:
    explicit PaperBitmap(int widthDots = 0, int heightDots = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return stride_; }
    bool Empty() const { return height_ == 0; }

    // Grows to at least rows rows; new rows are white. Never shrinks.
    void EnsureHeight(int rows);
    // Drops every row, keeps the width.
    void Clear();
    // Whites out rows [first, first + count).
    void ClearRows(int first, int count);

    bool Get(int x, int y) const;
    void Set(int x, int y);

    uint8_t* Row(int y) { return data_.data() + static_cast<size_t>(y) * stride_; }
    const uint8_t* Row(int y) const { return data_.data() + static_cast<size_t>(y) * stride_; }
    const std::vector<uint8_t>& Data() const { return data_; }

    // ORs count dots of src (packed, from its first bit) into row y from dot x;
    // dots beyond the right edge or left of 0 are dropped.
    void OrBits(int y, int x, const uint8_t* src, int count);
    // ORs the top count bits of mask (count <= 64) into row y from dot x.
    void OrMask(int y, int x, uint64_t mask, int count);
    // ORs the whole of other into this bitmap with its top left corner at (x, y);
    // the part outside this bitmap is dropped, rows above the bottom are not added.
    void OrBitmap(const PaperBitmap& other, int x, int y);

    size_t CountBlack() const;

private:
    int width_;
    int height_;
    int stride_;
    std::vector<uint8_t> data_;
};

} // namespace vprinter
