#pragma once
// What the console has told the printer of its symbol settings, as far as its own
// writes show it: a write that is one whole command of the kind the pages and samples
// send (GS w n; a GS ( k setting of a two-dimensional symbol; ESC @, which puts them
// all back to the power-on values). The barcode and 2D code pages measure a symbol at
// the settings the printer is really at this way, not at those their edits show from
// the start but send only once changed. A printer switched off and on meanwhile is not seen, nor a setting inside
// a longer hex send. No Qt.
#include <cstddef>
#include <cstdint>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

class SentSettings {
public:
    // GS w: the module width a barcode is printed with after power-on or ESC @.
    static constexpr int POWER_ON_BARCODE_WIDTH = 3;
    static constexpr int BARCODE_WIDTH_MIN = 1;
    static constexpr int BARCODE_WIDTH_MAX = 6;

    // Every write, whole, as it goes to the port (any thread).
    void NoteSent(const void* data, size_t length);

    int BarcodeWidth() const;
    // The setting commands of symbol `cn` (GS ( k ... cn fn ...) sent since power-on or
    // ESC @, the last of each function, in function order: replayed before a symbol
    // they give it the printer's settings.
    std::vector<uint8_t> SymbolSettings(uint8_t cn) const;

private:
    mutable std::mutex mutex_;
    int barcodeWidth_ = POWER_ON_BARCODE_WIDTH;
    std::map<std::pair<uint8_t, uint8_t>, std::vector<uint8_t>> symbolSettings_; // (cn, fn)
};
