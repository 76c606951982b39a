#include "emulator/SymbolFit.h"

#include "emulator/Interpreter.h"
#include "emulator/SymbolRenderer.h"

#include <climits>

namespace vprinter {

namespace {

// Wide enough for any symbol the renderer can make: measures without refusing.
constexpr int UNLIMITED_WIDTH = INT_MAX / 2;
constexpr int MM_58 = 58;
constexpr int MM_80 = 80;

constexpr uint8_t GS = 0x1D;
constexpr uint8_t BARCODE = 'k';
constexpr uint8_t SYMBOL_OPEN = '(';
constexpr uint8_t BARCODE_TYPE_BASE = 0x41;
constexpr size_t BARCODE_HEADER = 4;     // GS k m n
constexpr size_t OLD_BARCODE_HEADER = 3; // GS k m, data ended by NUL
constexpr size_t SYMBOL_HEADER = 7;      // GS ( k pL pH cn fn
constexpr size_t CN_AT = 5;
constexpr size_t FN_AT = 6;
constexpr uint8_t CN_PDF417 = 0x30;
constexpr uint8_t CN_QRCODE = 0x31;
constexpr uint8_t CN_DATAMATRIX = 0x35;
constexpr uint8_t FN_STORE = 0x50;
constexpr uint8_t FN_PRINT = 0x51;

template <typename Render>
SymbolFit Measure(Render render, int paperWidth, std::string symbology, std::string_view data,
                  std::string settingName, int settingValue) {
    SymbolFit fit;
    fit.paperDots = paperWidth;
    fit.symbology = std::move(symbology);
    fit.data = std::string(data);
    fit.setting = settingName + " " + std::to_string(settingValue);
    fit.settingName = std::move(settingName);
    fit.settingValue = settingValue;
    const SymbolResult result = render(UNLIMITED_WIDTH);
    if (!result.ok) return fit;
    fit.measured = true;
    fit.widthDots = result.image.Width();
    // The renderer may choose a smaller shape to fit (PDF417 columns): ask it at the
    // paper's width before saying no.
    fit.fits = fit.widthDots <= paperWidth || render(paperWidth).ok;
    return fit;
}

} // namespace

int SymbolFit::PaperMillimetres() const {
    return paperDots <= PRN_WIDTH_58MM ? MM_58 : MM_80;
}

std::string SymbolFit::Message() const {
    if (fits) return {};
    const int mm = PaperMillimetres();
    return symbology + " '" + data + "' at " + setting + " is " + std::to_string(widthDots) +
           " dots, wider than the " + std::to_string(paperDots) + " of " + std::to_string(mm) +
           " mm: it will not print";
}

SymbolFit BarcodeFit(int type, std::string_view data, int moduleWidth, int paperWidth) {
    constexpr int ANY_HEIGHT = 1; // the height does not change the width
    return Measure(
        [&](int maxWidth) { return RenderBarcode(type, data, moduleWidth, ANY_HEIGHT, maxWidth); },
        paperWidth, BarcodeTypeName(type), data, "width", moduleWidth);
}

SymbolFit QRCodeFit(std::string_view data, const QRSettings& settings, int paperWidth) {
    return Measure([&](int maxWidth) { return RenderQRCode(data, settings, maxWidth); }, paperWidth,
                   "QR code", data, "module size", settings.moduleSize);
}

SymbolFit PDF417Fit(std::string_view data, const PDF417Settings& settings, int paperWidth) {
    return Measure([&](int maxWidth) { return RenderPDF417(data, settings, maxWidth); }, paperWidth,
                   "PDF417", data, "module width", settings.moduleWidth);
}

SymbolFit DataMatrixFit(std::string_view data, const DataMatrixSettings& settings, int paperWidth) {
    return Measure([&](int maxWidth) { return RenderDataMatrix(data, settings, maxWidth); },
                   paperWidth, "DataMatrix", data,
                   "module size", settings.moduleSize);
}

SymbolFit StreamSymbolFit(const std::vector<uint8_t>& stream, int paperWidth) {
    Interpreter printer(paperWidth);
    SymbolFit verdict;
    verdict.paperDots = paperWidth;
    std::string stored[3]; // PDF417, QR code, DataMatrix, as the printer keeps them
    auto slot = [](uint8_t cn) { return cn == CN_PDF417 ? 0 : cn == CN_QRCODE ? 1 : 2; };
    size_t start = 0;
    uint64_t consumed = 0;
    for (size_t at = 0; at < stream.size() && verdict.fits; ++at) {
        printer.Feed(&stream[at], 1);
        if (printer.BytesConsumed() == consumed) continue;
        consumed = printer.BytesConsumed();
        const uint8_t* command = stream.data() + start;
        const size_t length = at + 1 - start;
        start = at + 1;
        if (length < OLD_BARCODE_HEADER || command[0] != GS) continue;
        const auto* chars = reinterpret_cast<const char*>(command);
        if (command[1] == BARCODE) {
            const uint8_t m = command[2];
            std::string_view data =
                m >= BARCODE_TYPE_BASE
                    ? std::string_view(chars + BARCODE_HEADER, length - std::min(length, BARCODE_HEADER))
                    : std::string_view(chars + OLD_BARCODE_HEADER, length - OLD_BARCODE_HEADER);
            if (m < BARCODE_TYPE_BASE && !data.empty() && data.back() == '\0') data.remove_suffix(1);
            const int type = m >= BARCODE_TYPE_BASE ? m - BARCODE_TYPE_BASE : m;
            verdict = BarcodeFit(type, data, printer.Barcode().moduleWidth, paperWidth);
            continue;
        }
        if (command[1] != SYMBOL_OPEN || command[2] != BARCODE || length < SYMBOL_HEADER) continue;
        const uint8_t cn = command[CN_AT];
        if (cn != CN_PDF417 && cn != CN_QRCODE && cn != CN_DATAMATRIX) continue;
        if (command[FN_AT] == FN_STORE && length > SYMBOL_HEADER)
            stored[slot(cn)].assign(chars + SYMBOL_HEADER + 1, length - SYMBOL_HEADER - 1);
        if (command[FN_AT] != FN_PRINT || stored[slot(cn)].empty()) continue;
        const std::string& data = stored[slot(cn)];
        if (cn == CN_PDF417) verdict = PDF417Fit(data, printer.PDF417(), paperWidth);
        if (cn == CN_QRCODE) verdict = QRCodeFit(data, printer.QR(), paperWidth);
        if (cn == CN_DATAMATRIX) verdict = DataMatrixFit(data, printer.DataMatrix(), paperWidth);
    }
    return verdict;
}

} // namespace vprinter
