// One-dimensional barcodes (GS h, GS w, GS H, GS k) and the two-dimensional
// symbols of GS ( k: PDF417, QR code and DataMatrix.
#include "Interpreter.h"
#include "SymbolRenderer.h"

#include <algorithm>

namespace vprinter {

namespace {

constexpr uint8_t BARCODE_TYPE_BASE = 0x41;
constexpr int BARCODE_MIN_WIDTH = 1;
constexpr int BARCODE_MAX_WIDTH = 6;
constexpr int HRI_GAP = 4; // dots between bars and text

constexpr uint8_t CN_PDF417 = 0x30;
constexpr uint8_t CN_QRCODE = 0x31;
constexpr uint8_t CN_DATAMATRIX = 0x35;
constexpr uint8_t FN_COLUMNS_OR_VERSION = 0x41;
constexpr uint8_t FN_ROWS = 0x42;
constexpr uint8_t FN_MODULE = 0x43;
constexpr uint8_t FN_ROW_HEIGHT = 0x44;
constexpr uint8_t FN_ERROR_LEVEL = 0x45;
constexpr uint8_t FN_OPTIONS = 0x46; // PDF417: 0 standard, 1 truncated
constexpr uint8_t FN_STORE = 0x50;
constexpr uint8_t FN_PRINT = 0x51;
constexpr uint8_t DIGIT_ZERO = 0x30;
constexpr size_t SYMBOL_HEADER = 7;      // 1D 28 6B pL pH cn fn
constexpr size_t BARCODE_HEADER = 4;     // GS k m n
constexpr size_t OLD_BARCODE_HEADER = 3; // GS k m, data ended by NUL

int StoreIndex(uint8_t cn) {
    switch (cn) {
    case CN_PDF417:
        return 0;
    case CN_QRCODE:
        return 1;
    case CN_DATAMATRIX:
        return 2;
    }
    return -1;
}

const char* SymbologyName(uint8_t cn) {
    switch (cn) {
    case CN_PDF417:
        return "PDF417";
    case CN_QRCODE:
        return "QR code";
    case CN_DATAMATRIX:
        return "DataMatrix";
    }
    return "?";
}

} // namespace

void Interpreter::OnBarcodeHeight(const uint8_t* command, size_t) {
    if (command[2] == 0)
        LogAt("GS h 0: height is 1 to 255, ignored");
    else
        barcode_.height = command[2];
}

void Interpreter::OnBarcodeWidth(const uint8_t* command, size_t) {
    const int n = command[2];
    if (n >= BARCODE_MIN_WIDTH && n <= BARCODE_MAX_WIDTH)
        barcode_.moduleWidth = n;
    else
        LogAt("GS w " + std::to_string(n) + ": width is 1 to 6, ignored");
}

void Interpreter::OnBarcodeTextPosition(const uint8_t* command, size_t) {
    const uint8_t n = command[2];
    const int value = n >= DIGIT_ZERO ? n - DIGIT_ZERO : n;
    if (value <= PRN_HRI_BOTH)
        barcode_.hriPosition = static_cast<uint8_t>(value);
    else
        LogAt("GS H " + std::to_string(n) + ": no such text position, ignored");
}

void Interpreter::OnBarcodeFont(const uint8_t* command, size_t) {
    const uint8_t n = command[2];
    const int value = n >= DIGIT_ZERO ? n - DIGIT_ZERO : n;
    if (value < FONT_COUNT)
        barcode_.hriFont = value;
    else
        LogAt("GS f " + std::to_string(n) + ": no such font, ignored");
}

void Interpreter::OnBarcode(const uint8_t* command, size_t length) {
    const uint8_t m = command[2];
    int type = 0;
    std::string_view data;
    const auto* chars = reinterpret_cast<const char*>(command);
    if (m >= BARCODE_TYPE_BASE) {
        type = m - BARCODE_TYPE_BASE;
        data = std::string_view(chars + BARCODE_HEADER, length - BARCODE_HEADER);
    } else {
        type = m; // the older form, ended by NUL
        data = std::string_view(chars + OLD_BARCODE_HEADER, length - OLD_BARCODE_HEADER);
        if (!data.empty() && data.back() == '\0') data.remove_suffix(1);
    }
    if (line_.HasContent()) PrintLine(0);
    RefreshArea();
    SymbolResult bars =
        RenderBarcode(type, data, barcode_.moduleWidth, barcode_.height, line_.AreaWidth());
    const std::string name = "GS k " + std::string(BarcodeTypeName(type));
    if (!bars.ok) {
        LogAt(name + " not printed: " + bars.error);
        return;
    }
    if (!bars.note.empty()) LogAt(name + ": " + bars.note);
    const bool above =
        barcode_.hriPosition == PRN_HRI_ABOVE || barcode_.hriPosition == PRN_HRI_BOTH;
    const bool below =
        barcode_.hriPosition == PRN_HRI_BELOW || barcode_.hriPosition == PRN_HRI_BOTH;
    const FontFace* font = &FontFor(barcode_.hriFont);
    if (static_cast<int>(bars.text.size()) * font->width > bars.image.Width()) font = &FontFor(1);
    const int textHeight = font->height + HRI_GAP;
    const int width = bars.image.Width();
    PaperBitmap block(width,
                      bars.image.Height() + (above ? textHeight : 0) + (below ? textHeight : 0));
    const int textWidth = static_cast<int>(bars.text.size()) * font->width;
    const int textX = (width - textWidth) / 2;
    int y = 0;
    if (above) {
        LineComposer::DrawText(block, textX, y, bars.text, *font);
        y += textHeight;
    }
    block.OrBitmap(bars.image, 0, y);
    y += bars.image.Height() + HRI_GAP;
    if (below) LineComposer::DrawText(block, textX, y, bars.text, *font);
    PrintBlock(block);
}

void Interpreter::OnSymbol(const uint8_t* command, size_t length) {
    if (length < SYMBOL_HEADER) {
        LogAt("GS ( k without function, skipped");
        return;
    }
    const uint8_t cn = command[5];
    const uint8_t fn = command[6];
    const uint8_t* p = command + SYMBOL_HEADER;
    const size_t count = length - SYMBOL_HEADER;
    const int store = StoreIndex(cn);
    auto unknown = [&] {
        LogAt("GS ( k symbol " + std::to_string(cn) + " function " + std::to_string(fn) +
              " is not supported, skipped");
    };
    if (store < 0) return unknown();
    if (fn == FN_STORE) {
        // 30, then the data.
        storedSymbols_[store].assign(p + std::min<size_t>(count, 1), p + count);
        return;
    }
    if (fn == FN_PRINT) return PrintStoredSymbol(cn);
    if (count < 1) return unknown();
    const int n = p[0];
    switch (cn) {
    case CN_PDF417:
        if (fn == FN_COLUMNS_OR_VERSION)
            pdf417_.columns = n;
        else if (fn == FN_ROWS)
            pdf417_.rows = n;
        else if (fn == FN_MODULE)
            pdf417_.moduleWidth = n;
        else if (fn == FN_ROW_HEIGHT)
            pdf417_.rowHeight = n;
        else if (fn == FN_ERROR_LEVEL && count >= 2)
            pdf417_.errorLevel = p[1] - DIGIT_ZERO;
        else if (fn == FN_OPTIONS)
            pdf417_.truncated = (n & 1) != 0;
        else
            unknown();
        return;
    case CN_QRCODE:
        if (fn == FN_COLUMNS_OR_VERSION)
            qr_.version = n - DIGIT_ZERO;
        else if (fn == FN_MODULE)
            qr_.moduleSize = n;
        else if (fn == FN_ERROR_LEVEL)
            qr_.errorLevel = n - DIGIT_ZERO;
        else
            unknown();
        return;
    case CN_DATAMATRIX:
        if (fn == FN_COLUMNS_OR_VERSION)
            dataMatrix_.size = n - DIGIT_ZERO;
        else if (fn == FN_MODULE)
            dataMatrix_.moduleSize = n;
        else
            unknown();
        return;
    }
}

void Interpreter::PrintStoredSymbol(uint8_t cn) {
    const int store = StoreIndex(cn);
    if (store < 0) return;
    const std::vector<uint8_t>& stored = storedSymbols_[store];
    const std::string name = std::string("GS ( k ") + SymbologyName(cn);
    if (stored.empty()) {
        LogAt(name + ": no data stored, nothing printed");
        return;
    }
    if (line_.HasContent()) PrintLine(0);
    RefreshArea();
    const std::string_view data(reinterpret_cast<const char*>(stored.data()), stored.size());
    SymbolResult symbol;
    if (cn == CN_PDF417) symbol = RenderPDF417(data, pdf417_, line_.AreaWidth());
    if (cn == CN_QRCODE) symbol = RenderQRCode(data, qr_, line_.AreaWidth());
    if (cn == CN_DATAMATRIX) symbol = RenderDataMatrix(data, dataMatrix_, line_.AreaWidth());
    if (!symbol.ok) {
        LogAt(name + " not printed: " + symbol.error);
        return;
    }
    if (!symbol.note.empty()) LogAt(name + ": " + symbol.note);
    PrintBlock(symbol.image);
}

} // namespace vprinter
