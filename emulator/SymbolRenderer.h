#pragma once
// Barcodes and two-dimensional symbols, encoded by libzint and drawn dot for dot
// at the printer's module sizes.
#include "emulator/PaperBitmap.h"
#include "emulator/PrinterState.h"

#include <string>
#include <string_view>

namespace vprinter {

// Index t of GS k type 0x41 + t.
enum BarcodeType {
    BARCODE_TYPE_UPCA = 0,
    BARCODE_TYPE_UPCE,
    BARCODE_TYPE_EAN13,
    BARCODE_TYPE_EAN8,
    BARCODE_TYPE_CODE39,
    BARCODE_TYPE_ITF25,
    BARCODE_TYPE_CODABAR,
    BARCODE_TYPE_CODE93,
    BARCODE_TYPE_CODE128,
    BARCODE_TYPE_EAN128,
    BARCODE_TYPE_COUNT
};

const char* BarcodeTypeName(int type);

// Why GS k would not take the data of an EAN or UPC barcode whatever the settings (a
// wrong length or check digit); empty when it takes it or for the other types.
std::string BarcodeDataProblem(int type, std::string_view data);

struct SymbolResult {
    bool ok = false;
    PaperBitmap image;
    std::string text;  // human-readable text of a barcode
    std::string error; // why nothing was drawn
    std::string note;  // a choice the printer made (larger version, size fallback)
};

// Barcodes wider than maxWidth dots and symbols wider than maxWidth are refused
// before they are drawn.
SymbolResult RenderBarcode(int type, std::string_view data, int moduleWidth, int height,
                           int maxWidth);
SymbolResult RenderQRCode(std::string_view data, const QRSettings& settings, int maxWidth);
SymbolResult RenderPDF417(std::string_view data, const PDF417Settings& settings, int maxWidth);
SymbolResult RenderDataMatrix(std::string_view data, const DataMatrixSettings& settings,
                              int maxWidth);

} // namespace vprinter
