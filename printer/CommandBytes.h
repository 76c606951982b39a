#pragma once
// The fixed part of one printer command, built by the short layout functions of the
// Commands*.cpp files so that each command reads like its line in the printer manual.

#include <array>
#include <cstdint>
#include <initializer_list>

// Byte mnemonics of the command set.
inline constexpr uint8_t NUL = 0x00;
inline constexpr uint8_t EOT = 0x04;
inline constexpr uint8_t HT = 0x09;
inline constexpr uint8_t LF = 0x0A;
inline constexpr uint8_t DLE = 0x10;
inline constexpr uint8_t DC4 = 0x14;
inline constexpr uint8_t ESC = 0x1B;
inline constexpr uint8_t FS = 0x1C;
inline constexpr uint8_t GS = 0x1D;

// Little-endian halves of the 16-bit numbers inside commands (nL nH, pL pH).
constexpr uint8_t LowByte(uint32_t value) {
    return static_cast<uint8_t>(value & 0xFF);
}
constexpr uint8_t HighByte(uint32_t value) {
    return static_cast<uint8_t>((value >> 8) & 0xFF);
}

class CommandBytes {
public:
    // The longest fixed part of any command (DLE DC4 buffer clear) is ten bytes.
    static constexpr uint32_t CAPACITY = 16;

    constexpr CommandBytes(std::initializer_list<uint8_t> bytes) {
        for (uint8_t b : bytes) {
            if (size_ < CAPACITY) bytes_[size_++] = b;
        }
    }
    constexpr const uint8_t* data() const { return bytes_.data(); }
    constexpr uint32_t size() const { return size_; }

private:
    std::array<uint8_t, CAPACITY> bytes_{};
    uint32_t size_ = 0;
};
