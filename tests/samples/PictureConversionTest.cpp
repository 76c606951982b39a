// Reducing pictures to dots: the threshold rule at its exact boundaries, the fast
// scan-line paths against a pixel-by-pixel reading, the completeness checks that keep
// cut-off files out, and the packing of dots into raster bytes.

#include "console/samples/PictureConversion.h"
#include "console/samples/ImageBands.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

struct GreyCase {
    int r, g, b, threshold;
    bool black;
};

// Exact ties (0.299 R + 0.587 G + 0.114 B equal to the threshold) are black; the
// coloured ties here are ones that double arithmetic puts a hair above the threshold.
const GreyCase GREY_CASES[] = {
    {128, 128, 128, 128, true},  {128, 128, 128, 127, false}, {0, 0, 0, 0, true},
    {1, 0, 0, 0, false},         {0, 0, 1, 0, false},         {255, 255, 255, 255, true},
    {255, 255, 255, 254, false}, {1, 113, 205, 90, true},     {1, 113, 205, 89, false},
    {1, 117, 123, 83, true},     {2, 234, 246, 166, true},    {7, 65, 68, 48, true},
    {7, 65, 68, 47, false},      {255, 0, 0, 77, true},       {255, 0, 0, 76, false},
    {0, 255, 0, 149, false},     {0, 255, 0, 150, true},      {0, 0, 255, 30, true},
    {0, 0, 255, 29, false},      {100, 200, 50, -1, false},
};

TEST(ThresholdRule, ExactBoundaries) {
    for (const GreyCase& c : GREY_CASES) {
        EXPECT_EQ(IsBlackDot(c.r, c.g, c.b, c.threshold), c.black)
            << c.r << "," << c.g << "," << c.b << " at " << c.threshold;
        // The same colour as a one-dot picture through the scan-line path.
        QImage picture(1, 1, QImage::Format_RGB32);
        picture.setPixel(0, 0, qRgb(c.r, c.g, c.b));
        DotMatrix matrix;
        ConvertPicture(picture, c.threshold, matrix);
        ASSERT_EQ(matrix.dots.size(), 1u);
        EXPECT_EQ(matrix.dots[0], c.black ? DOT_BLACK : DOT_WHITE);
        EXPECT_EQ(picture.pixel(0, 0), c.black ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
}

QImage Noise(int w, int h, QImage::Format format, unsigned seed) {
    std::mt19937 rng(seed);
    QImage argb(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) argb.setPixel(x, y, rng() | 0x40000000u);
    if (format == QImage::Format_Indexed8) {
        QImage indexed(w, h, QImage::Format_Indexed8);
        QList<QRgb> palette;
        for (int i = 0; i < 256; ++i)
            palette.push_back(qRgb(rng() & 0xFF, rng() & 0xFF, rng() & 0xFF));
        indexed.setColorTable(palette);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) indexed.setPixel(x, y, rng() & 0xFF);
        return indexed;
    }
    return argb.convertToFormat(format);
}

// Every format the loaders hand over gives, dot for dot, what reading each pixel's
// red, green and blue and applying 0.299 R + 0.587 G + 0.114 B <= threshold gives.
TEST(ConvertPicture, ScanLinePathsMatchThePixelRule) {
    const QImage::Format formats[] = {QImage::Format_RGB32,      QImage::Format_ARGB32,
                                      QImage::Format_Grayscale8, QImage::Format_Indexed8,
                                      QImage::Format_RGB888,     QImage::Format_Mono};
    const int thresholds[] = {0, 1, 90, 128, 200, 254, 255};
    unsigned seed = 1;
    for (QImage::Format format : formats) {
        const QImage original = Noise(37, 23, format, seed++);
        for (int threshold : thresholds) {
            QImage picture = original;
            DotMatrix matrix;
            ConvertPicture(picture, threshold, matrix);
            ASSERT_EQ(matrix.width, 37);
            ASSERT_EQ(matrix.height, 23);
            for (int y = 0; y < 23; ++y) {
                for (int x = 0; x < 37; ++x) {
                    const QColor c(original.pixel(x, y));
                    const double grey = 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue();
                    // Ties aside (none in this data but the exact ones above), the plain
                    // formula decides.
                    const bool black = !(threshold < grey - 1e-9);
                    ASSERT_EQ(matrix.Row(y)[x], black ? DOT_BLACK : DOT_WHITE)
                        << "format " << format << " threshold " << threshold << " at " << x << ","
                        << y;
                    ASSERT_EQ(QColor(picture.pixel(x, y)).value(), black ? 0 : 255);
                }
            }
        }
    }
}

QByteArray Encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

bool Complete(const QByteArray& bytes, bool (*check)(const uint8_t*, size_t)) {
    return check(reinterpret_cast<const uint8_t*>(bytes.constData()),
                 static_cast<size_t>(bytes.size()));
}

bool LoadBytes(const QByteArray& bytes, QImage& picture) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    return LoadPicture(path, picture);
}

TEST(LoadPicture, JpegCutAnywhereIsRefused) {
    const QByteArray jpeg = Encoded(Noise(64, 48, QImage::Format_RGB32, 7), "JPEG", 90);
    ASSERT_TRUE(Complete(jpeg, JpegStreamComplete));
    QImage picture;
    ASSERT_TRUE(LoadBytes(jpeg, picture));
    EXPECT_EQ(picture.size(), QSize(64, 48));
    // Trailing bytes after the end marker do not matter.
    EXPECT_TRUE(Complete(jpeg + QByteArray(16, '\0'), JpegStreamComplete));
    for (qsizetype cut = 1; cut < jpeg.size(); cut += 97) {
        EXPECT_FALSE(Complete(jpeg.left(cut), JpegStreamComplete)) << cut;
        EXPECT_FALSE(LoadBytes(jpeg.left(cut), picture)) << cut;
        EXPECT_TRUE(picture.isNull());
    }
    // Cut just before the end marker: the decoder alone would report success.
    EXPECT_FALSE(LoadBytes(jpeg.left(jpeg.size() - 2), picture));
}

TEST(LoadPicture, ProgressiveJpegHasManyScansAndOneEnd) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(Noise(80, 60, QImage::Format_RGB32, 11)));
    EXPECT_GT(jpeg.count(QByteArray::fromHex("FFDA")), 1); // several scans
    EXPECT_TRUE(Complete(jpeg, JpegStreamComplete));
    QImage picture;
    EXPECT_TRUE(LoadBytes(jpeg, picture));
    EXPECT_FALSE(Complete(jpeg.left(jpeg.size() * 3 / 4), JpegStreamComplete));
}

TEST(LoadPicture, JpegWithAnEmbeddedEndMarkerStillNeedsItsOwn) {
    QByteArray jpeg = Encoded(Noise(32, 32, QImage::Format_RGB32, 9), "JPEG", 90);
    // An application segment that holds FF D9, as an embedded thumbnail would.
    const QByteArray app = QByteArray::fromHex("FFE10006FFD8FFD9");
    jpeg.insert(2, app);
    ASSERT_TRUE(Complete(jpeg, JpegStreamComplete));
    EXPECT_FALSE(Complete(jpeg.left(jpeg.size() - 40), JpegStreamComplete));
}

TEST(LoadPicture, BmpCutOrGarbledIsRefused) {
    const QByteArray bmp = Encoded(Noise(30, 20, QImage::Format_RGB32, 3), "BMP");
    ASSERT_TRUE(Complete(bmp, BmpStreamComplete));
    QImage picture;
    ASSERT_TRUE(LoadBytes(bmp, picture));
    for (qsizetype cut :
         {qsizetype(10), qsizetype(40), qsizetype(60), bmp.size() / 2, bmp.size() - 1}) {
        EXPECT_FALSE(LoadBytes(bmp.left(cut), picture)) << cut;
    }
    QByteArray garbled = bmp;
    for (int i = 14; i < 54; ++i) garbled[i] = '\x7F';
    EXPECT_FALSE(LoadBytes(garbled, picture));
    EXPECT_FALSE(LoadBytes(QByteArray("not a picture at all"), picture));
    EXPECT_FALSE(LoadBytes(QByteArray(), picture));
}

// Raster rows against a bit-by-bit packing, for widths around whole bytes and past
// the printable width.
TEST(RasterBlock, PacksDotsLeftmostFirstAndPadsWhite) {
    std::mt19937 rng(5);
    for (int width : {1, 7, 8, 9, 10, 15, 16, 17, 63, 64, 65, 600}) {
        DotMatrix matrix;
        matrix.Resize(width, 5);
        for (auto& dot : matrix.dots) dot = rng() % 2;
        for (int columns : {std::min(width, 384), std::min(width, 576)}) {
            const std::vector<uint8_t> block = BuildRasterBlock(matrix, columns);
            const int rowBytes = (columns + 7) / 8;
            ASSERT_EQ(block.size(), static_cast<size_t>(rowBytes * 5));
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < rowBytes * 8; ++x) {
                    const bool set = (block[y * rowBytes + x / 8] >> (7 - x % 8)) & 1;
                    const bool black = x < columns && matrix.Row(y)[x] == DOT_BLACK;
                    ASSERT_EQ(set, black) << width << " " << x << "," << y;
                }
        }
    }
}

} // namespace
