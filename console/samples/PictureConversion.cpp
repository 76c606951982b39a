#include "PictureConversion.h"

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// The weights of the grey formula in thousandths: comparing whole numbers keeps the
// rule exact at the boundary (in floating point some greys that equal the threshold
// come out a hair above it and would turn white).
constexpr int WEIGHT_RED = 299;
constexpr int WEIGHT_GREEN = 587;
constexpr int WEIGHT_BLUE = 114;
constexpr int WEIGHT_SCALE = 1000;
constexpr int CHANNEL_LEVELS = 256;

constexpr QRgb PIXEL_WHITE = 0xFFFFFFFF;
constexpr QRgb PIXEL_BLACK = 0xFF000000;

// JPEG markers.
constexpr uint8_t JPEG_MARK = 0xFF;
constexpr uint8_t JPEG_SOI = 0xD8;
constexpr uint8_t JPEG_EOI = 0xD9;
constexpr uint8_t JPEG_SOS = 0xDA;
constexpr uint8_t JPEG_RST0 = 0xD0;
constexpr uint8_t JPEG_RST7 = 0xD7;
constexpr uint8_t JPEG_TEM = 0x01;
constexpr uint8_t JPEG_STUFFED = 0x00;

bool IsStandaloneMarker(uint8_t m) {
    return m == JPEG_TEM || (m >= JPEG_RST0 && m <= JPEG_RST7);
}

// One table per weight, so a pixel costs three look-ups and two additions.
struct GreyTables {
    std::array<int, CHANNEL_LEVELS> red, green, blue;
    GreyTables() {
        for (int v = 0; v < CHANNEL_LEVELS; ++v) {
            red[v] = WEIGHT_RED * v;
            green[v] = WEIGHT_GREEN * v;
            blue[v] = WEIGHT_BLUE * v;
        }
    }
};
const GreyTables& Tables() {
    static const GreyTables tables;
    return tables;
}

void ConvertRgbLines(QImage& picture, int threshold, DotMatrix& matrix) {
    const GreyTables& t = Tables();
    const int limit = threshold * WEIGHT_SCALE;
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        uint8_t* dots = matrix.Row(y);
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb c = line[x];
            const bool black = t.red[qRed(c)] + t.green[qGreen(c)] + t.blue[qBlue(c)] <= limit;
            dots[x] = black ? DOT_BLACK : DOT_WHITE;
            line[x] = black ? PIXEL_BLACK : PIXEL_WHITE;
        }
    }
}

// Grey pixels: red, green and blue equal v, so the grey is exactly v.
void ConvertGreyLines(const QImage& picture, int threshold, DotMatrix& matrix) {
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* line = picture.constScanLine(y);
        uint8_t* dots = matrix.Row(y);
        for (int x = 0; x < picture.width(); ++x)
            dots[x] = line[x] <= threshold ? DOT_BLACK : DOT_WHITE;
    }
}

// Palette pictures: decide once per palette entry.
void ConvertIndexedLines(const QImage& picture, int threshold, DotMatrix& matrix) {
    const QList<QRgb> palette = picture.colorTable();
    std::array<uint8_t, CHANNEL_LEVELS> dotOf{};
    for (int i = 0; i < CHANNEL_LEVELS; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : PIXEL_BLACK;
        dotOf[i] = IsBlackDot(qRed(c), qGreen(c), qBlue(c), threshold) ? DOT_BLACK : DOT_WHITE;
    }
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* line = picture.constScanLine(y);
        uint8_t* dots = matrix.Row(y);
        for (int x = 0; x < picture.width(); ++x) dots[x] = dotOf[line[x]];
    }
}

// The black-and-white picture that matches the matrix, for the preview.
QImage PictureOfMatrix(const DotMatrix& matrix) {
    QImage bw(matrix.width, matrix.height, QImage::Format_Indexed8);
    bw.setColorTable({PIXEL_WHITE, PIXEL_BLACK}); // index = dot value
    for (int y = 0; y < matrix.height; ++y)
        std::memcpy(bw.scanLine(y), matrix.Row(y), static_cast<size_t>(matrix.width));
    return bw;
}

} // namespace

bool IsBlackDot(int red, int green, int blue, int threshold) {
    return WEIGHT_RED * red + WEIGHT_GREEN * green + WEIGHT_BLUE * blue <= threshold * WEIGHT_SCALE;
}

bool JpegStreamComplete(const uint8_t* data, size_t size) {
    if (size < 2 || data[0] != JPEG_MARK || data[1] != JPEG_SOI) return false;
    size_t pos = 2;
    while (pos < size) {
        if (data[pos] != JPEG_MARK) return false;
        while (pos < size && data[pos] == JPEG_MARK) ++pos; // fill bytes
        if (pos >= size) return false;
        const uint8_t marker = data[pos++];
        if (marker == JPEG_EOI) return true;
        if (IsStandaloneMarker(marker)) continue;
        if (pos + 2 > size) return false;
        const size_t length = (static_cast<size_t>(data[pos]) << 8) | data[pos + 1];
        if (length < 2 || pos + length > size) return false;
        pos += length;
        if (marker != JPEG_SOS) continue;
        // Entropy-coded data runs up to the next marker that is not a stuffed byte or
        // a restart.
        for (;;) {
            const void* found = std::memchr(data + pos, JPEG_MARK, size - pos);
            if (found == nullptr) return false;
            pos = static_cast<size_t>(static_cast<const uint8_t*>(found) - data);
            if (pos + 1 >= size) return false;
            const uint8_t next = data[pos + 1];
            if (next == JPEG_STUFFED || (next >= JPEG_RST0 && next <= JPEG_RST7)) {
                pos += 2;
                continue;
            }
            if (next == JPEG_MARK) { // fill bytes before a marker
                ++pos;
                continue;
            }
            break;
        }
    }
    return false;
}

bool LoadPicture(const QString& path, QImage& picture) {
    picture = QImage();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QImageReader reader(&file);
    if (reader.format() == "jpeg") {
        const qint64 size = file.size();
        uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
        QByteArray bytes;
        if (mapped == nullptr) {
            file.seek(0);
            bytes = file.readAll();
        }
        const bool complete =
            mapped != nullptr
                ? JpegStreamComplete(mapped, static_cast<size_t>(size))
                : JpegStreamComplete(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                     static_cast<size_t>(bytes.size()));
        if (mapped != nullptr) file.unmap(mapped);
        if (!complete) return false;
        file.seek(0);
        reader.setDevice(&file);
    }
    QImage loaded;
    if (!reader.read(&loaded) || loaded.isNull()) return false;
    picture = std::move(loaded);
    return true;
}

void ConvertPicture(QImage& picture, int threshold, DotMatrix& matrix) {
    // Below 0 every dot is white, from 255 on every dot is black; keeps the sums in range.
    threshold = std::clamp(threshold, -1, THRESHOLD_MAX);
    matrix.Reset();
    if (picture.isNull()) return;
    matrix.Resize(picture.width(), picture.height());
    switch (picture.format()) {
    case QImage::Format_Grayscale8:
        ConvertGreyLines(picture, threshold, matrix);
        picture = PictureOfMatrix(matrix);
        return;
    case QImage::Format_Indexed8:
        ConvertIndexedLines(picture, threshold, matrix);
        picture = PictureOfMatrix(matrix);
        return;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        break;
    default:
        // Only red, green and blue count; alpha is left out as the pixel read gives it.
        picture.convertTo(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        break;
    }
    ConvertRgbLines(picture, threshold, matrix);
}
