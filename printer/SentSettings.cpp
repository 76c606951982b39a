#include "printer/SentSettings.h"

#include "printer/CommandBytes.h"

namespace {

constexpr size_t INIT_LENGTH = 2;          // ESC @
constexpr size_t BARCODE_WIDTH_LENGTH = 3; // GS w n
// GS ( k pL pH cn fn ...: five bytes before the pL + pH * 256 that follow.
constexpr size_t SYMBOL_HEADER = 5;
constexpr size_t SYMBOL_CN = 5;
constexpr size_t SYMBOL_FN = 6;
// Functions below this one set; from it on they store, print or report.
constexpr uint8_t FIRST_NON_SETTING_FN = 0x50;

bool IsSymbolSetting(const uint8_t* bytes, size_t length) {
    if (length <= SYMBOL_FN || bytes[0] != GS || bytes[1] != '(' || bytes[2] != 'k') return false;
    const size_t parameters = bytes[3] + (static_cast<size_t>(bytes[4]) << 8);
    return SYMBOL_HEADER + parameters == length && bytes[SYMBOL_FN] < FIRST_NON_SETTING_FN;
}

} // namespace

void SentSettings::NoteSent(const void* data, size_t length) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    if (bytes == nullptr) return;
    const bool init = length == INIT_LENGTH && bytes[0] == ESC && bytes[1] == '@';
    // The printer ignores a width out of range, and so does this.
    const bool width = length == BARCODE_WIDTH_LENGTH && bytes[0] == GS && bytes[1] == 'w' &&
                       bytes[2] >= BARCODE_WIDTH_MIN && bytes[2] <= BARCODE_WIDTH_MAX;
    const bool symbol = IsSymbolSetting(bytes, length);
    if (!init && !width && !symbol) return; // most writes: no lock taken
    std::lock_guard<std::mutex> lock(mutex_);
    if (init) {
        barcodeWidth_ = POWER_ON_BARCODE_WIDTH;
        symbolSettings_.clear();
    } else if (width) {
        barcodeWidth_ = bytes[2];
    } else {
        symbolSettings_[{bytes[SYMBOL_CN], bytes[SYMBOL_FN]}].assign(bytes, bytes + length);
    }
}

int SentSettings::BarcodeWidth() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return barcodeWidth_;
}

std::vector<uint8_t> SentSettings::SymbolSettings(uint8_t cn) const {
    std::vector<uint8_t> bytes;
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [key, command] : symbolSettings_)
        if (key.first == cn) bytes.insert(bytes.end(), command.begin(), command.end());
    return bytes;
}
