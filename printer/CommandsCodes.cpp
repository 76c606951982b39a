// One-dimensional barcodes (GS h, GS w, GS H, GS k) and the two-dimensional symbols
// of GS ( k: PDF417, QR code and DataMatrix.

#include "printer/CommandLayouts.h"
#include "printer/VrnxLib.h"

namespace layout {
namespace {

// Symbology byte of GS k: 0x41 for "UPCA" up to 0x4A for "EAN128".
constexpr uint8_t BARCODE_TYPE_BASE = 0x41;
// Version and error-correction levels go out as ASCII digits.
constexpr uint8_t DIGIT_BASE = 0x30;
// Bytes after pL pH besides the data of a store function: cn, fn and 0x30.
constexpr uint32_t STORE_FIXED_BYTES = 3;

constexpr uint8_t FN_COLUMNS = 0x41;
constexpr uint8_t FN_VERSION = 0x41;
constexpr uint8_t FN_ROWS = 0x42;
constexpr uint8_t FN_MODULE = 0x43;
constexpr uint8_t FN_ROW_HEIGHT = 0x44;
constexpr uint8_t FN_ERROR_LEVEL = 0x45;
constexpr uint8_t FN_STORE = 0x50;
constexpr uint8_t FN_PRINT = 0x51;

uint8_t Digit(uint8_t value) {
    return static_cast<uint8_t>(DIGIT_BASE + value);
}

} // namespace

CommandBytes SetBarcodeHeight(uint8_t n) {
    return {GS, 'h', n};
}
CommandBytes SetBarcodeWidth(uint8_t n) {
    return {GS, 'w', n};
}
CommandBytes SetBarcodeTextPosition(uint8_t n) {
    return {GS, 'H', n};
}
CommandBytes BarcodeHeader(uint8_t t, uint8_t n) {
    return {GS, 'k', static_cast<uint8_t>(BARCODE_TYPE_BASE + t), n};
}

CommandBytes SetPDF417Columns(uint8_t n) {
    return {GS, '(', 'k', 3, 0, SYMBOL_PDF417, FN_COLUMNS, n};
}
CommandBytes SetPDF417Rows(uint8_t n) {
    return {GS, '(', 'k', 3, 0, SYMBOL_PDF417, FN_ROWS, n};
}
CommandBytes SetPDF417ModuleWidth(uint8_t n) {
    return {GS, '(', 'k', 3, 0, SYMBOL_PDF417, FN_MODULE, n};
}
CommandBytes SetPDF417RowHeight(uint8_t n) {
    return {GS, '(', 'k', 3, 0, SYMBOL_PDF417, FN_ROW_HEIGHT, n};
}
CommandBytes SetPDF417ErrorLevel(uint8_t e) {
    return {GS, '(', 'k', 4, 0, SYMBOL_PDF417, FN_ERROR_LEVEL, DIGIT_BASE, Digit(e)};
}

CommandBytes SetQRCodeVersion(uint8_t v) {
    return {GS, '(', 'k', 4, 0, SYMBOL_QR, FN_VERSION, Digit(v), NUL};
}
CommandBytes SetQRCodeModuleSize(uint8_t n) {
    return {GS, '(', 'k', 3, 0, SYMBOL_QR, FN_MODULE, n};
}
CommandBytes SetQRCodeErrorLevel(uint8_t e) {
    return {GS, '(', 'k', 3, 0, SYMBOL_QR, FN_ERROR_LEVEL, Digit(e)};
}

CommandBytes SetDataMatrixVersion(uint8_t v) {
    return {GS, '(', 'k', 4, 0, SYMBOL_DATAMATRIX, FN_VERSION, Digit(v), NUL};
}
CommandBytes SetDataMatrixModuleSize(uint8_t n) {
    return {GS, '(', 'k', 3, 0, SYMBOL_DATAMATRIX, FN_MODULE, n};
}

// pL pH count cn, fn, 0x30 and the k data bytes; they wrap above 65532 data bytes.
CommandBytes StoreSymbolHeader(uint8_t cn, uint16_t k) {
    const uint32_t length = k + STORE_FIXED_BYTES;
    return {GS, '(', 'k', LowByte(length), HighByte(length), cn, FN_STORE, DIGIT_BASE};
}
CommandBytes PrintSymbol(uint8_t cn) {
    return {GS, '(', 'k', 3, 0, cn, FN_PRINT, DIGIT_BASE};
}

} // namespace layout

int CVRNX_LIB::SetBarcodeHeight(uint8_t n) {
    return Send(layout::SetBarcodeHeight(n));
}
int CVRNX_LIB::SetBarcodeWidth(uint8_t n) {
    return Send(layout::SetBarcodeWidth(n));
}
int CVRNX_LIB::SetBarcodeTextPosition(uint8_t n) {
    return Send(layout::SetBarcodeTextPosition(n));
}
void CVRNX_LIB::PrintBarcode(uint8_t t, const void* data, uint8_t n) {
    Send(layout::BarcodeHeader(t, n));
    Write(data, n);
}

int CVRNX_LIB::SetPDF417Columns(uint8_t n) {
    return Send(layout::SetPDF417Columns(n));
}
int CVRNX_LIB::SetPDF417Rows(uint8_t n) {
    return Send(layout::SetPDF417Rows(n));
}
int CVRNX_LIB::SetPDF417ModuleWidth(uint8_t n) {
    return Send(layout::SetPDF417ModuleWidth(n));
}
int CVRNX_LIB::SetPDF417RowHeight(uint8_t n) {
    return Send(layout::SetPDF417RowHeight(n));
}
int CVRNX_LIB::SetPDF417ErrorLevel(uint8_t e) {
    return Send(layout::SetPDF417ErrorLevel(e));
}
void CVRNX_LIB::StorePDF417Data(const void* data, uint16_t k) {
    Send(layout::StoreSymbolHeader(layout::SYMBOL_PDF417, k));
    Write(data, k);
}
int CVRNX_LIB::PrintPDF417() {
    return Send(layout::PrintSymbol(layout::SYMBOL_PDF417));
}

int CVRNX_LIB::SetQRCodeVersion(uint8_t v) {
    return Send(layout::SetQRCodeVersion(v));
}
int CVRNX_LIB::SetQRCodeModuleSize(uint8_t n) {
    return Send(layout::SetQRCodeModuleSize(n));
}
int CVRNX_LIB::SetQRCodeErrorLevel(uint8_t e) {
    return Send(layout::SetQRCodeErrorLevel(e));
}
void CVRNX_LIB::StoreQRCodeData(const void* data, uint16_t k) {
    Send(layout::StoreSymbolHeader(layout::SYMBOL_QR, k));
    Write(data, k);
}
int CVRNX_LIB::PrintQRCode() {
    return Send(layout::PrintSymbol(layout::SYMBOL_QR));
}

int CVRNX_LIB::SetDataMatrixVersion(uint8_t v) {
    return Send(layout::SetDataMatrixVersion(v));
}
int CVRNX_LIB::SetDataMatrixModuleSize(uint8_t n) {
    return Send(layout::SetDataMatrixModuleSize(n));
}
void CVRNX_LIB::StoreDataMatrixData(const void* data, uint16_t k) {
    Send(layout::StoreSymbolHeader(layout::SYMBOL_DATAMATRIX, k));
    Write(data, k);
}
int CVRNX_LIB::PrintDataMatrix() {
    return Send(layout::PrintSymbol(layout::SYMBOL_DATAMATRIX));
}
