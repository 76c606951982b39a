#pragma once
// The printer's receive buffer: bytes wait here between the line and the print
// head. It holds a fixed number of bytes; what does not fit is dropped and counted.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vprinter {

class ReceiveBuffer {
public:
    explicit ReceiveBuffer(size_t capacity) : capacity_(capacity) {}

    size_t Capacity() const { return capacity_; }
    size_t Size() const { return data_.size() - head_; }
    size_t Free() const { return capacity_ - Size(); }
    bool Empty() const { return Size() == 0; }

    // Stores what fits; returns the number of bytes dropped.
    size_t Put(const uint8_t* bytes, size_t length) {
        Compact();
        const size_t taken = length < Free() ? length : Free();
        data_.insert(data_.end(), bytes, bytes + taken);
        return length - taken;
    }
    const uint8_t* Front() const { return data_.data() + head_; }
    void Drop(size_t count) {
        head_ += count < Size() ? count : Size();
        if (head_ == data_.size()) {
            data_.clear();
            head_ = 0;
        }
    }
    void Clear() {
        data_.clear();
        head_ = 0;
    }

private:
    void Compact() {
        if (head_ == 0 || head_ < data_.size() / 2) return;
        data_.erase(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(head_));
        head_ = 0;
    }

    size_t capacity_;
    std::vector<uint8_t> data_;
    size_t head_ = 0;
};

} // namespace vprinter
