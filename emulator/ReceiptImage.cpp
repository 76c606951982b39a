#include "emulator/ReceiptImage.h"

#include "emulator/PrinterState.h"

#include <cstring>

namespace vprinter {

QImage ReceiptToImage(const PaperBitmap& paper) {
    const int margin = PaperMargin(paper.Width());
    QImage image(paper.Width() + 2 * margin, std::max(paper.Height(), 1), QImage::Format_Mono);
    // Index 0 is white paper, 1 a black dot, so the packed rows copy unchanged.
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < paper.Height(); ++y) {
        uchar* line = image.scanLine(y);
        if (margin % 8 == 0) {
            std::memcpy(line + margin / 8, paper.Row(y), paper.Stride());
            continue;
        }
        for (int x = 0; x < paper.Width(); ++x)
            if (paper.Get(x, y)) line[(x + margin) / 8] |= 0x80 >> ((x + margin) % 8);
    }
    return image;
}

bool SaveReceiptPng(const PaperBitmap& paper, const std::string& path, std::string* error) {
    if (ReceiptToImage(paper).save(QString::fromStdString(path), "PNG")) return true;
    *error = "cannot write " + path;
    return false;
}

} // namespace vprinter
