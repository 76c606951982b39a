#pragma once
// "Will it fit?": the printed width of a barcode or two-dimensional symbol at given
// settings, from the renderer that prints it, against the paper's printable width.
// A symbol wider than the paper is not printed by the virtual printer: the console
// warns and sends it all the same (what a printer does with it may be what is being
// tested); the command-line tool refuses it unless told to send it.
#include "emulator/PrinterState.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vprinter {

struct SymbolFit {
    bool measured = false; // false: the renderer refused the data for another reason
    bool fits = true;
    int widthDots = 0;
    int paperDots = 0;
    std::string symbology; // "CODE39", "QR code", ...
    std::string data;
    std::string setting; // "width 3", "module size 6", ...
    // The setting's name and value apart, for a message put in other words.
    std::string settingName; // "width", "module size", "module width"
    int settingValue = 0;
    // The paper the printable width belongs to: 58 or 80.
    int PaperMillimetres() const;
    // "CODE39 'HELLO-42' at width 3 is 387 dots, wider than the 384 of 58 mm: it will
    // not print"; empty when it fits.
    std::string Message() const;
};

// type: GS k type index (BarcodeType).
SymbolFit BarcodeFit(int type, std::string_view data, int moduleWidth, int paperWidth);
SymbolFit QRCodeFit(std::string_view data, const QRSettings& settings, int paperWidth);
SymbolFit PDF417Fit(std::string_view data, const PDF417Settings& settings, int paperWidth);
SymbolFit DataMatrixFit(std::string_view data, const DataMatrixSettings& settings, int paperWidth);

// Every barcode and printed symbol in a byte stream, measured with the settings the
// stream gave the printer before it (from a printer just switched on); the first that
// does not fit, or a fitting result when all fit.
SymbolFit StreamSymbolFit(const std::vector<uint8_t>& stream, int paperWidth);

} // namespace vprinter
