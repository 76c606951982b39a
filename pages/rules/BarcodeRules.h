#pragma once
// The data rules of the ten one-dimensional symbologies of the barcode page: one table
// row per symbology (its list name, the length of the data text, the bytes accepted,
// whether the data may be typed as hex text, and its instruction text), and the check
// that turns the data edit's contents into the bytes to print, or refuses them.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Which bytes a symbology accepts.
enum class BarcodeCharset : uint8_t {
    Digits,     // 0-9
    Code39,     // 0-9, A-Z, blank, $ % + - . /
    Codabar,    // A-D or a-d first and last, 0-9 $ + - . / : between
    Ascii,      // 0x00-0x7F
    AsciiOrFnc, // 0x00-0x7F or the function characters 0xC1-0xC4
};

struct BarcodeRule {
    const char* name; // list text, also the index order of the printer's type byte
    int minLength;    // length of the data text in the edit, in characters
    int maxLength;
    bool evenLength;          // the text length must be even
    BarcodeCharset textBytes; // bytes accepted in text form
    BarcodeCharset hexBytes;  // values accepted in hex form
    bool hexAllowed;          // the "Hex" box is enabled for this symbology
    const char* instruction;  // text of the "Instructions:" box
};

inline constexpr int BARCODE_TYPE_COUNT = 10;
// The translation context of the instruction texts (marked where the table is written).
inline constexpr const char* BARCODE_RULES_CONTEXT = "BarcodeRules";
inline constexpr int BARCODE_MAX_DATA = 255;

extern const std::array<BarcodeRule, BARCODE_TYPE_COUNT> BARCODE_RULES;

// The rule of list row `type`, or null for a row outside the table (no selection).
const BarcodeRule* FindBarcodeRule(int type);

// True when `byte` belongs to `charset`; Codabar's end characters are checked apart.
bool BarcodeByteAccepted(BarcodeCharset charset, uint8_t byte);

// Checks the data edit's contents (`editText`, one byte per character, line breaks as
// CR LF) for list row `type`. In hex form the length rule applies to the hex text itself
// and the byte rule to the values read from it. Returns the bytes to send, or nothing
// when the data breaks the rules, when a hex pair is not hexadecimal or when the hex
// text holds no byte.
std::optional<std::vector<uint8_t>> CheckBarcodeData(int type, std::string_view editText,
                                                     bool hexForm);
