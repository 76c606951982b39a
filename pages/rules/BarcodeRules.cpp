#include "pages/rules/BarcodeRules.h"

#include "pages/rules/HexData.h"
#include "pages/rules/Translatable.h"

namespace {

constexpr uint8_t ASCII_LAST = 0x7F;
constexpr uint8_t FNC1 = 0xC1;
constexpr uint8_t FNC4 = 0xC4;

constexpr const char* CODE128_INSTRUCTION = TPC_TRANSLATE_NOOP(
    "BarcodeRules",
    "Enter the character range of 0x00 ~ 0x7F, support for 255 data FNC1 is used ~ FNC4 can "
    "0xC1 0xC4, automatically insert the start code, check code and end code.");

bool InText(std::string_view set, uint8_t byte) {
    return byte != 0 && set.find(static_cast<char>(byte)) != std::string_view::npos;
}

bool IsDigit(uint8_t byte) {
    return byte >= '0' && byte <= '9';
}

bool IsCodabarEnd(uint8_t byte) {
    return (byte >= 'A' && byte <= 'D') || (byte >= 'a' && byte <= 'd');
}

bool BytesAccepted(BarcodeCharset charset, const uint8_t* data, size_t count) {
    if (charset == BarcodeCharset::Codabar) {
        if (count == 0 || !IsCodabarEnd(data[0]) || !IsCodabarEnd(data[count - 1])) return false;
        for (size_t i = 1; i + 1 < count; ++i) {
            if (!BarcodeByteAccepted(charset, data[i])) return false;
        }
        return true;
    }
    for (size_t i = 0; i < count; ++i) {
        if (!BarcodeByteAccepted(charset, data[i])) return false;
    }
    return true;
}

} // namespace

// clang-format off
const std::array<BarcodeRule, BARCODE_TYPE_COUNT> BARCODE_RULES = {{
    {"UPCA", 11, 11, false, BarcodeCharset::Digits, BarcodeCharset::Digits, false,
     TPC_TRANSLATE_NOOP("BarcodeRules", "Input characters in the range of 0 to 9, support 11-bit data, parity bit is automatically generated.")},
    {"UPCE", 6, 6, false, BarcodeCharset::Digits, BarcodeCharset::Digits, false,
     TPC_TRANSLATE_NOOP("BarcodeRules", "Input characters in the range of 0 to 9, to support the six data automatically generated parity bit.")},
    {"EAN13", 12, 12, false, BarcodeCharset::Digits, BarcodeCharset::Digits, false,
     TPC_TRANSLATE_NOOP("BarcodeRules", "Input characters in the range of 0 to 9, support 12-bit data, parity bit is automatically generated.")},
    {"EAN8", 7, 7, false, BarcodeCharset::Digits, BarcodeCharset::Digits, false,
     TPC_TRANSLATE_NOOP("BarcodeRules", "Input characters in the range of 0 to 9, supports 7 data, the parity bit is automatically generated.")},
    {"CODE39", 1, 255, false, BarcodeCharset::Code39, BarcodeCharset::Code39, false,
     TPC_TRANSLATE_NOOP("BarcodeRules", "Input characters in the range of 0 ~ 9, A ~ Z, SP, $,%, +, -,., /, Supports up to not more than 255 data, before and after the automatic insertion *.")},
    {"ITF25", 2, 255, true, BarcodeCharset::Digits, BarcodeCharset::Digits, false,
     TPC_TRANSLATE_NOOP("BarcodeRules", "Enter the characters in the range of 0 to 9, the support 2 to 255 data and even bits.")},
    {"CODABAR", 1, 255, false, BarcodeCharset::Codabar, BarcodeCharset::Codabar, false,
     TPC_TRANSLATE_NOOP("BarcodeRules", "Input characters in the range of 0 to 9, $, +, -,, /,:, supports up to over 255, around the need to insert the A ~ D, or a ~ d.")},
    {"CODA93", 1, 255, false, BarcodeCharset::AsciiOrFnc, BarcodeCharset::Ascii, true,
     TPC_TRANSLATE_NOOP("BarcodeRules", "Input characters in the range of 00H to 7FH, checksum c, k are generated automatically.")},
    {"CODA128", 2, 255, false, BarcodeCharset::AsciiOrFnc, BarcodeCharset::AsciiOrFnc, true,
     CODE128_INSTRUCTION},
    {"EAN128", 2, 255, false, BarcodeCharset::AsciiOrFnc, BarcodeCharset::AsciiOrFnc, true,
     CODE128_INSTRUCTION},
}};
// clang-format on

const BarcodeRule* FindBarcodeRule(int type) {
    if (type < 0 || type >= BARCODE_TYPE_COUNT) return nullptr;
    return &BARCODE_RULES[static_cast<size_t>(type)];
}

bool BarcodeByteAccepted(BarcodeCharset charset, uint8_t byte) {
    switch (charset) {
    case BarcodeCharset::Digits:
        return IsDigit(byte);
    case BarcodeCharset::Code39:
        return IsDigit(byte) || (byte >= 'A' && byte <= 'Z') || InText(" $%+-./", byte);
    case BarcodeCharset::Codabar:
        return IsDigit(byte) || InText("$+-./:", byte);
    case BarcodeCharset::Ascii:
        return byte <= ASCII_LAST;
    case BarcodeCharset::AsciiOrFnc:
        return byte <= ASCII_LAST || (byte >= FNC1 && byte <= FNC4);
    }
    return false;
}

std::optional<std::vector<uint8_t>> CheckBarcodeData(int type, std::string_view editText,
                                                     bool hexForm) {
    const BarcodeRule* rule = FindBarcodeRule(type);
    if (rule == nullptr) return std::nullopt;
    const auto length = static_cast<long long>(editText.size());
    if (length < rule->minLength || length > rule->maxLength) return std::nullopt;
    if (rule->evenLength && length % 2 != 0) return std::nullopt;

    std::vector<uint8_t> data;
    BarcodeCharset charset = rule->textBytes;
    if (hexForm) {
        HexData hex = ReadHexData(editText);
        if (!hex.wellFormed || hex.bytes.empty()) return std::nullopt;
        data = std::move(hex.bytes);
        charset = rule->hexBytes;
    } else {
        data.assign(editText.begin(), editText.end());
    }
    if (!BytesAccepted(charset, data.data(), data.size())) return std::nullopt;
    return data;
}
