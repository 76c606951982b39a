#include "console/samples/PictureConversion.h"

#include <QCoreApplication>
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

// BMP headers: the file header, then a core (12-byte) or info (40-byte or longer) header.
constexpr size_t BMP_FILE_HEADER = 14;
constexpr size_t BMP_PIXEL_OFFSET_AT = 10;
constexpr uint32_t BMP_CORE_HEADER = 12;
constexpr uint32_t BMP_INFO_HEADER = 40;
constexpr uint32_t BMP_RGB = 0;
constexpr uint32_t BMP_BITFIELDS = 3;

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

QImage DotsPicture(const DotMatrix& matrix) {
    return PictureOfMatrix(matrix);
}

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

namespace {

using StreamCheck = bool (*)(const uint8_t*, size_t);

// Runs `check` over the whole file without copying it when the file can be mapped.
bool FileComplete(QFile& file, StreamCheck check) {
    const qint64 size = file.size();
    if (uchar* mapped = size > 0 ? file.map(0, size) : nullptr) {
        const bool complete = check(mapped, static_cast<size_t>(size));
        file.unmap(mapped);
        return complete;
    }
    file.seek(0);
    const QByteArray bytes = file.readAll();
    return check(reinterpret_cast<const uint8_t*>(bytes.constData()),
                 static_cast<size_t>(bytes.size()));
}

} // namespace

bool BmpStreamComplete(const uint8_t* data, size_t size) {
    auto u16 = [data](size_t at) { return static_cast<uint32_t>(data[at] | (data[at + 1] << 8)); };
    auto u32 = [data, u16](size_t at) { return u16(at) | (u16(at + 2) << 16); };
    if (size < BMP_FILE_HEADER + BMP_CORE_HEADER || data[0] != 'B' || data[1] != 'M') return false;
    const uint64_t pixelsAt = u32(BMP_PIXEL_OFFSET_AT);
    const uint32_t headerSize = u32(BMP_FILE_HEADER);
    uint64_t width = 0;
    uint64_t height = 0;
    uint32_t bitCount = 0;
    uint32_t compression = BMP_RGB;
    if (headerSize == BMP_CORE_HEADER) {
        width = u16(BMP_FILE_HEADER + 4);
        height = u16(BMP_FILE_HEADER + 6);
        bitCount = u16(BMP_FILE_HEADER + 10);
    } else {
        if (headerSize < BMP_INFO_HEADER || size < BMP_FILE_HEADER + BMP_INFO_HEADER) return false;
        const auto w = static_cast<int32_t>(u32(BMP_FILE_HEADER + 4));
        const auto h = static_cast<int32_t>(u32(BMP_FILE_HEADER + 8));
        width = static_cast<uint64_t>(w < 0 ? -static_cast<int64_t>(w) : w);
        height = static_cast<uint64_t>(h < 0 ? -static_cast<int64_t>(h) : h); // top-down rows
        bitCount = u16(BMP_FILE_HEADER + 14);
        compression = u32(BMP_FILE_HEADER + 16);
    }
    if (pixelsAt > size) return false;
    // Run-length pictures have no fixed size; their decoder stops at the data's end.
    if (compression != BMP_RGB && compression != BMP_BITFIELDS) return true;
    const uint64_t rowBytes = (width * bitCount + 31) / 32 * 4;
    if (rowBytes == 0) return true; // nothing to read; the decoder judges such a header
    return height <= (size - pixelsAt) / rowBytes;
}

bool LoadPicture(const QString& path, QImage& picture, QString* why) {
    picture = QImage();
    auto fail = [why](const QString& reason) {
        if (why != nullptr) *why = reason;
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
    QImageReader reader(&file);
    // Both decoders report success for a file cut short and fill the missing part.
    const QByteArray format = reader.format();
    if (format.isEmpty())
        return fail(QCoreApplication::translate("PictureConversion",
                                                "not a picture format this program reads (%1)")
                        .arg(QString::fromLatin1(QImageReader::supportedImageFormats().join(' '))));
    StreamCheck check = format == "jpeg"  ? JpegStreamComplete
                        : format == "bmp" ? BmpStreamComplete
                                          : nullptr;
    if (check != nullptr) {
        if (!FileComplete(file, check))
            return fail(QCoreApplication::translate("PictureConversion",
                                                    "the %1 file ends before its picture does")
                            .arg(QString::fromLatin1(format.toUpper())));
        file.seek(0);
        reader.setDevice(&file);
    }
    QImage loaded;
    if (!reader.read(&loaded) || loaded.isNull())
        return fail(QCoreApplication::translate("PictureConversion", "the %1 decoder failed: %2")
                        .arg(QString::fromLatin1(format.toUpper()), reader.errorString()));
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
