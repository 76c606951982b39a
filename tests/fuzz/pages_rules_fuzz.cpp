// Feeds arbitrary edit contents to the pages' data rules and checks what they promise:
// accepted barcode data fits the print command and obeys its symbology, hex reading never
// makes more bytes than pairs, and an accepted number list fits the list command.
#include "pages/rules/BarcodeRules.h"
#include "pages/rules/HexData.h"
#include "pages/rules/NumberList.h"

#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckBarcode(std::string_view text) {
    for (int type = -1; type <= BARCODE_TYPE_COUNT; ++type) {
        for (bool hexForm : {false, true}) {
            const auto data = CheckBarcodeData(type, text, hexForm);
            if (!data) continue;
            const BarcodeRule* rule = FindBarcodeRule(type);
            Require(rule != nullptr);
            Require(!data->empty() && data->size() <= BARCODE_MAX_DATA);
            Require(text.size() >= static_cast<size_t>(rule->minLength));
            Require(text.size() <= static_cast<size_t>(rule->maxLength));
            const BarcodeCharset charset = hexForm ? rule->hexBytes : rule->textBytes;
            if (charset != BarcodeCharset::Codabar) {
                for (uint8_t byte : *data) Require(BarcodeByteAccepted(charset, byte));
            }
        }
    }
}

void CheckHex(std::string_view text) {
    const HexData hex = ReadHexData(text);
    Require(hex.bytes.size() <= text.size());
}

void CheckLists(std::string_view text) {
    Require(ListValues(text).size() == static_cast<size_t>(ListFieldCount(text)));
    for (const NumberListRule* rule :
         {&PAPER_LAYOUT_LIST, &SENSOR_THRESHOLD_LIST, &MARK_DISTANCE_LIST}) {
        if (CheckNumberList(*rule, text) != ListVerdict::Ok) continue;
        Require(ListText(text).size() <= LIST_MAX_TEXT);
        Require(ListFieldCount(text) == rule->count);
        for (int value : ListValues(text)) {
            Require(value >= rule->minimum && value <= rule->maximum);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckBarcode(text);
    CheckHex(text);
    CheckLists(text);
    return 0;
}
