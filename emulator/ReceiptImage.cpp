#include "emulator/ReceiptImage.h"

#include "emulator/PrinterState.h"

#include <algorithm>
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

namespace {

constexpr int DESK = 16;        // grey pixels around the paper
constexpr int GAP_DOTS = 16;    // 2 mm between labels
constexpr int MARK_DOTS = 32;   // 4 mm black marks
constexpr int CUT_DASH = 8;
constexpr int CUT_SPACE = 6;
constexpr int DARKEST_DENSITY = 8;
constexpr int GREY_PER_STEP = 0x16; // each density step below the darkest is this much lighter

// The dots of density d (1..8) have colour DOT_LIGHTEST + d - 1.
enum Colour : uchar { DESK_GREY, PAPER, GAP, MARK, CUT, DOT_LIGHTEST };

QList<QRgb> Colours() {
    QList<QRgb> table = {qRgb(200, 200, 200), qRgb(255, 255, 255), qRgb(225, 225, 225),
                           qRgb(40, 40, 40), qRgb(128, 128, 128)};
    for (int density = 1; density <= DARKEST_DENSITY; ++density) {
        const int grey = (DARKEST_DENSITY - density) * GREY_PER_STEP;
        table.push_back(qRgb(grey, grey, grey));
    }
    return table;
}

uchar DotColour(int density) {
    return static_cast<uchar>(DOT_LIGHTEST + std::clamp(density, 1, DARKEST_DENSITY) - 1);
}

} // namespace

QImage ReceiptToImage(const PaperBitmap& paper, const ReceiptLook& look) {
    if (look.plain) return ReceiptToImage(paper);
    const int margin = PaperMargin(paper.Width());
    const int paperWidth = paper.Width() + 2 * margin;
    const int height = std::max(paper.Height(), 1);
    QImage image(paperWidth + 2 * DESK, height + 2 * DESK, QImage::Format_Indexed8);
    image.setColorTable(Colours());
    image.fill(DESK_GREY);
    const int pitch = look.pitchDots;
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y + DESK) + DESK;
        std::memset(line, PAPER, static_cast<size_t>(paperWidth));
        // Rows just before each pitch: the gap between two labels, or the mark.
        const bool beforePitch = pitch > 0 && (y + 1) % pitch != 0 &&
                                 pitch - 1 - y % pitch < (look.kind == PaperKind::Labels
                                                              ? GAP_DOTS
                                                              : MARK_DOTS);
        if (beforePitch && y >= pitch - MARK_DOTS && look.kind == PaperKind::Labels)
            std::memset(line, GAP, static_cast<size_t>(paperWidth));
        if (beforePitch && look.kind == PaperKind::BlackMarks)
            std::memset(line, MARK, static_cast<size_t>(margin / 2));
        if (y >= paper.Height()) continue;
        const uchar dot = DotColour(look.DensityAt(y));
        for (int x = 0; x < paper.Width(); ++x)
            if (paper.Get(x, y)) line[margin + x] = dot;
    }
    if (look.cut) {
        uchar* line = image.scanLine(height + DESK + DESK / 2);
        for (int x = 0; x < image.width(); ++x)
            if (x % (CUT_DASH + CUT_SPACE) < CUT_DASH) line[x] = CUT;
    }
    return image;
}

bool ReceiptDotsFromImage(const QImage& image, int printableWidth, PaperBitmap* dots) {
    // Darker than the paper, a label gap or the desk: a dot of any density.
    constexpr int DOT_BELOW = 190;
    const int margin = PaperMargin(printableWidth);
    const int plainWidth = printableWidth + 2 * margin;
    int left = margin;
    int top = 0;
    int rows = image.height();
    if (image.width() == plainWidth + 2 * DESK && image.height() > 2 * DESK) {
        left += DESK;
        top = DESK;
        rows = image.height() - 2 * DESK;
    } else if (image.width() != plainWidth) {
        return false;
    }
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    *dots = PaperBitmap(printableWidth, rows);
    for (int y = 0; y < rows; ++y) {
        const uchar* line = grey.constScanLine(y + top) + left;
        for (int x = 0; x < printableWidth; ++x)
            if (line[x] < DOT_BELOW) dots->Set(x, y);
    }
    return true;
}

QImage DifferenceImage(const PaperBitmap& made, const PaperBitmap& golden) {
    constexpr int MARK_WIDTH = 6; // the row mark in the left edge
    const int width = std::max(made.Width(), golden.Width());
    const int margin = PaperMargin(width);
    const int height = std::max({made.Height(), golden.Height(), 1});
    QImage image(width + 2 * margin, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRgb black = qRgb(0, 0, 0), onlyMade = qRgb(230, 0, 0), onlyGolden = qRgb(0, 60, 230);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        bool differs = false;
        for (int x = 0; x < width; ++x) {
            const bool a = y < made.Height() && x < made.Width() && made.Get(x, y);
            const bool b = y < golden.Height() && x < golden.Width() && golden.Get(x, y);
            if (a && b) line[margin + x] = black;
            if (a != b) {
                line[margin + x] = a ? onlyMade : onlyGolden;
                differs = true;
            }
        }
        if (differs)
            for (int x = 0; x < MARK_WIDTH; ++x) line[x] = onlyMade;
    }
    return image;
}

bool SaveReceiptPng(const PaperBitmap& paper, const ReceiptLook& look, const std::string& path,
                    std::string* error) {
    if (ReceiptToImage(paper, look).save(QString::fromStdString(path), "PNG")) return true;
    *error = "cannot write " + path;
    return false;
}

} // namespace vprinter
