#define ZX_USE_UTF8 1
#include "tests/emulator/DecodeSupport.h"

#include "emulator/PrinterState.h"

#include <ZXing/ReadBarcode.h>

#include <random>

namespace {
constexpr uint8_t WHITE = 255;
constexpr uint8_t BLACK = 0;
constexpr int EDGE_ROWS = 16; // white paper above and below the part looked at
} // namespace

std::vector<DecodedSymbol> DecodeRows(const vprinter::PaperBitmap& paper, int top, int rows,
                                      ZXing::BarcodeFormats formats) {
    const int margin = vprinter::PaperMargin(paper.Width());
    const int width = paper.Width() + 2 * margin;
    const int height = rows + 2 * EDGE_ROWS;
    std::vector<uint8_t> grey(static_cast<size_t>(width) * height, WHITE);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < paper.Width(); ++x)
            if (paper.Get(x, top + y))
                grey[static_cast<size_t>(y + EDGE_ROWS) * width + margin + x] = BLACK;
    ZXing::DecodeHints hints;
    hints.setFormats(formats);
    hints.setTryHarder(true);
    hints.setTryRotate(false);
    hints.setReturnCodabarStartEnd(true);
    std::vector<DecodedSymbol> found;
    const ZXing::ImageView view(grey.data(), width, height, ZXing::ImageFormat::Lum);
    for (const ZXing::Result& result : ZXing::ReadBarcodes(view, hints)) {
        if (!result.isValid()) continue;
        const auto& bytes = result.bytes();
        found.push_back(
            {result.format(), result.text(), std::vector<uint8_t>(bytes.begin(), bytes.end())});
    }
    return found;
}

std::vector<DecodedSymbol> DecodePaper(const vprinter::PaperBitmap& paper,
                                       ZXing::BarcodeFormats formats) {
    return DecodeRows(paper, 0, paper.Height(), formats);
}

int FindPicture(const vprinter::PaperBitmap& paper, int x, const vprinter::PaperBitmap& picture) {
    for (int top = 0; top + picture.Height() <= paper.Height(); ++top) {
        bool same = true;
        for (int y = 0; y < picture.Height() && same; ++y)
            for (int dx = 0; dx < paper.Width() - x && same; ++dx)
                same = paper.Get(x + dx, top + y) == picture.Get(dx, y);
        if (same) return top;
    }
    return -1;
}

vprinter::PaperBitmap MakePicture(int width, int rows, unsigned seed) {
    vprinter::PaperBitmap picture(width, rows);
    std::mt19937 random(seed);
    for (int y = 0; y < rows; ++y) {
        picture.Set(static_cast<int>(random() % width), y);
        for (int x = 0; x < width; ++x)
            if (random() % 3 == 0) picture.Set(x, y);
    }
    return picture;
}
