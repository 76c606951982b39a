// The "Picture Printing" group driven by clicks and typing: opening pictures that the
// tests make with Qt, thresholds, the preview's scroll bars, both print modes with
// their records and wire bytes, and the refusals.

#include "PictureGroup.h"
#include "PicturePreview.h"

#include "HexText.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <numeric>

namespace {

using DotRule = std::function<bool(int x, int y)>;

QImage Picture(int w, int h, const DotRule& black) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, black(x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

bool Pattern(int x, int y) {
    return (x * 7 + y * 3) % 5 < 2;
}
bool AllBlack(int, int) {
    return true;
}

// A band as the printer reads ESC *: columns from the left, each column's bytes from
// the top, the top dot in the high bit; rows past the picture white.
std::vector<uint8_t> ExpectedBand(int height, int band, int bandHeight, int columns,
                                  const DotRule& black) {
    std::vector<uint8_t> bytes;
    for (int x = 0; x < columns; ++x)
        for (int k = 0; k < bandHeight / 8; ++k) {
            uint8_t byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int y = band * bandHeight + k * 8 + bit;
                if (y < height && black(x, y)) byte |= 0x80 >> bit;
            }
            bytes.push_back(byte);
        }
    return bytes;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    return ToHexText(bytes.data(), bytes.size());
}

std::vector<uint8_t> AllRecordBytes(const SampleHost& host) {
    return host.RecordedBytes();
}

TEST(PicturePrinting, StartUpState) {
    PictureGroup g;
    EXPECT_EQ(g.threshold->text(), QStringLiteral("128"));
    EXPECT_TRUE(g.bitImage->isChecked());
    ASSERT_EQ(g.list->count(), 4);
    EXPECT_EQ(g.list->currentText(), QStringLiteral("24-dot double-density"));
    EXPECT_FALSE(g.hScroll->isVisible());
    EXPECT_FALSE(g.vScroll->isVisible());
    EXPECT_EQ(g.printer->PreviewSize(), QSize(400, 120));
    // A dialog's layout may settle after start-up: until a picture is laid out the
    // preview size follows the frame.
    g.frame->resize(300, 100);
    EXPECT_EQ(g.printer->PreviewSize(), QSize(300, 100));
    g.frame->resize(400, 120);
    g.Print(); // nothing converted yet
    EXPECT_TRUE(g.host.records.empty());
    EXPECT_TRUE(g.host.tips.empty());
}

TEST(PicturePrinting, ModeButtonsRefillTheList) {
    PictureGroup g;
    g.Click(g.raster);
    EXPECT_TRUE(g.raster->isChecked());
    QStringList items;
    for (int i = 0; i < g.list->count(); ++i) items << g.list->itemText(i);
    EXPECT_EQ(items, QStringList({"Normal", "Double-width", "Double-height", "Quadruple"}));
    EXPECT_EQ(g.list->currentIndex(), 0);
    g.Click(g.bitImage);
    items.clear();
    for (int i = 0; i < g.list->count(); ++i) items << g.list->itemText(i);
    EXPECT_EQ(items, QStringList({"8-dot single-density", "8-dot double-density",
                                  "24-dot single-density", "24-dot double-density"}));
    EXPECT_EQ(g.list->currentIndex(), 3);
}

TEST(PicturePrinting, ThresholdsZeroAndTwoFiftyFiveAndTheExactGrey) {
    PictureGroup g;
    QImage image(6, 1, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(0, 0, 0),       qRgb(1, 0, 0),     qRgb(0, 0, 1),
                            qRgb(128, 128, 128), qRgb(1, 113, 205), qRgb(255, 255, 255)};
    for (int x = 0; x < 6; ++x) image.setPixel(x, 0, colours[x]);
    const QString file = g.Save(image, QStringLiteral("greys.png"));

    g.SetThreshold(QStringLiteral("0"));
    g.Open(file);
    EXPECT_EQ(g.path->text(), file);
    EXPECT_EQ(g.printer->Matrix().dots, std::vector<uint8_t>({1, 0, 0, 0, 0, 0}));

    g.SetThreshold(QStringLiteral("255"));
    g.Click(g.ok);
    EXPECT_EQ(g.printer->Matrix().dots, std::vector<uint8_t>(6, 1)); // white included
    for (int x = 0; x < 6; ++x) EXPECT_EQ(g.printer->Picture().pixel(x, 0), qRgb(0, 0, 0));

    g.SetThreshold(QStringLiteral("128"));
    g.Click(g.ok);
    EXPECT_EQ(g.printer->Matrix().dots, std::vector<uint8_t>({1, 1, 1, 1, 1, 0}));
    g.SetThreshold(QStringLiteral("127"));
    g.Click(g.ok);
    EXPECT_EQ(g.printer->Matrix().dots, std::vector<uint8_t>({1, 1, 1, 0, 1, 0}));
    // (1, 113, 205) is grey 90 exactly: black at 90, white at 89.
    g.SetThreshold(QStringLiteral("90"));
    g.Click(g.ok);
    EXPECT_EQ(g.printer->Matrix().dots[4], 1);
    g.SetThreshold(QStringLiteral("89"));
    g.Click(g.ok);
    EXPECT_EQ(g.printer->Matrix().dots[4], 0);
    EXPECT_TRUE(g.prompts.requests.size() == 1); // only the open dialog
    EXPECT_TRUE(g.host.tips.empty());
}

TEST(PicturePrinting, ThresholdAbove255IsRefusedAtTheBox) {
    PictureGroup g;
    const QString file = g.Save(Picture(8, 8, AllBlack), QStringLiteral("black.bmp"));
    g.SetThreshold(QStringLiteral("256"));
    g.Open(file);
    ASSERT_EQ(g.host.tips.size(), 1u);
    EXPECT_EQ(g.host.tips[0].control, g.threshold);
    EXPECT_EQ(g.host.tips[0].text, QStringLiteral("Threshold can not be greater than 255"));
    EXPECT_TRUE(g.printer->Matrix().Empty());
    g.Click(g.ok);
    EXPECT_EQ(g.host.tips.size(), 2u);
    EXPECT_TRUE(g.printer->Matrix().Empty());
    g.Print();
    EXPECT_TRUE(g.host.records.empty());

    // Fixed threshold and "OK": converted, and the bars fit the picture.
    g.SetThreshold(QStringLiteral("128"));
    g.Click(g.ok);
    EXPECT_EQ(g.printer->Matrix().width, 8);
}

TEST(PicturePrinting, TwentyFourDotBandsEachFollowedByAFeed) {
    PictureGroup g;
    g.Open(g.Save(Picture(100, 30, Pattern), QStringLiteral("pattern.bmp")));
    ASSERT_EQ(g.printer->Matrix().height, 30);
    g.Print(); // "24-dot double-density" is the start-up choice

    ASSERT_EQ(g.host.records.size(), 4u);
    for (int band = 0; band < 2; ++band) {
        const std::vector<uint8_t> expected = ExpectedBand(30, band, 24, 100, Pattern);
        ASSERT_EQ(expected.size(), 300u);
        EXPECT_EQ(g.host.records[2 * band], "1B 2A 21 64 00 " + Hex(expected));
        EXPECT_EQ(g.host.records[2 * band + 1], "1B 4A 18 ");
    }
    // Rows 30 to 47 of the second band are white: in every column the low two bits of
    // the first byte and both other bytes are clear.
    const std::vector<uint8_t> second = FromHexText(g.host.records[2]);
    for (int x = 0; x < 100; ++x) {
        EXPECT_EQ(second[5 + 3 * x] & 0x03, 0);
        EXPECT_EQ(second[5 + 3 * x + 1], 0);
        EXPECT_EQ(second[5 + 3 * x + 2], 0);
    }
    const std::vector<uint8_t> wire = AllRecordBytes(g.host);
    EXPECT_EQ(g.host.Wire(wire.size()), wire);
}

TEST(PicturePrinting, EightDotSingleDensityGivesFourBands) {
    PictureGroup g;
    g.Open(g.Save(Picture(100, 30, Pattern), QStringLiteral("pattern.png")));
    g.ChooseListItem(0);
    ASSERT_EQ(g.list->currentText(), QStringLiteral("8-dot single-density"));
    g.Print();
    ASSERT_EQ(g.host.records.size(), 8u);
    for (int band = 0; band < 4; ++band) {
        EXPECT_EQ(g.host.records[2 * band],
                  "1B 2A 00 64 00 " + Hex(ExpectedBand(30, band, 8, 100, Pattern)));
        EXPECT_EQ(g.host.records[2 * band + 1], "1B 4A 18 ");
    }
    g.host.records.clear();
    g.ChooseListItem(1);
    g.Print();
    ASSERT_EQ(g.host.records.size(), 8u);
    EXPECT_EQ(g.host.records[0].substr(0, 15), "1B 2A 01 64 00 ");
    g.host.records.clear();
    g.ChooseListItem(2);
    g.Print();
    ASSERT_EQ(g.host.records.size(), 4u);
    EXPECT_EQ(g.host.records[0].substr(0, 15), "1B 2A 20 64 00 ");
}

TEST(PicturePrinting, WidePictureClippedToThePrintableWidth) {
    PictureGroup g;
    g.Open(g.Save(Picture(600, 10, Pattern), QStringLiteral("wide.bmp")));
    struct Model {
        int width;
        const char* bandHeader;
        const char* rasterHeader;
    };
    for (const Model& m : {Model{384, "1B 2A 21 80 01 ", "1D 76 30 00 30 00 0A 00 "},
                           Model{576, "1B 2A 21 40 02 ", "1D 76 30 00 48 00 0A 00 "}}) {
        g.host.printableWidth = m.width;
        g.host.records.clear();
        g.Click(g.bitImage);
        g.Print();
        ASSERT_EQ(g.host.records.size(), 2u);
        EXPECT_EQ(g.host.records[0], m.bandHeader + Hex(ExpectedBand(10, 0, 24, m.width, Pattern)));

        g.host.records.clear();
        g.Click(g.raster);
        g.Print();
        ASSERT_EQ(g.host.records.size(), 1u);
        const std::vector<uint8_t> raster = FromHexText(g.host.records[0]);
        EXPECT_EQ(g.host.records[0].substr(0, 24), m.rasterHeader);
        ASSERT_EQ(raster.size(), 8u + m.width / 8 * 10);
        // Spot check: dot (x, y) is bit 7 - x % 8 of byte x / 8 of row y.
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < m.width; x += 37)
                EXPECT_EQ((raster[8 + y * m.width / 8 + x / 8] >> (7 - x % 8)) & 1,
                          Pattern(x, y) ? 1 : 0);
    }
    const std::vector<uint8_t> wire = AllRecordBytes(g.host);
    EXPECT_FALSE(wire.empty());
}

TEST(PicturePrinting, RasterRowsPadToWholeBytesWithWhite) {
    PictureGroup g;
    g.Open(g.Save(Picture(10, 3, AllBlack), QStringLiteral("narrow.png")));
    g.Click(g.raster);
    g.ChooseListItem(3); // "Quadruple"
    g.Print();
    ASSERT_EQ(g.host.records.size(), 1u); // no feed after a raster block
    EXPECT_EQ(g.host.records[0], "1D 76 30 03 02 00 03 00 FF C0 FF C0 FF C0 ");
    const std::vector<uint8_t> wire = AllRecordBytes(g.host);
    EXPECT_EQ(g.host.Wire(wire.size()), wire);
}

TEST(PicturePrinting, TallerThanTheRasterFieldIsRefused) {
    PictureGroup g;
    g.Click(g.raster);
    g.Open(g.Save(Picture(1, 65536, AllBlack), QStringLiteral("tall.png")));
    ASSERT_EQ(g.printer->Matrix().height, 65536);
    g.Print();
    EXPECT_TRUE(g.host.records.empty());
    ASSERT_EQ(g.host.tips.size(), 1u);
    EXPECT_EQ(g.host.tips[0].control, g.print);
    EXPECT_EQ(g.host.tips[0].text, QStringLiteral("Picture height can not be greater than 65535"));
    EXPECT_TRUE(g.host.lib.TakeSentText().empty());
    EXPECT_TRUE(g.host.WireAfterQuiet().empty());

    // The largest height the field holds still prints.
    g.Open(g.Save(Picture(1, 65535, AllBlack), QStringLiteral("tallest.png")));
    g.Print();
    ASSERT_EQ(g.host.records.size(), 1u);
    EXPECT_EQ(g.host.records[0].substr(0, 24), "1D 76 30 00 01 00 FF FF ");
    EXPECT_EQ(FromHexText(g.host.records[0]).size(), 8u + 65535u);
}

TEST(PicturePrinting, ClosedPortWarnsAndSendsNothing) {
    PictureGroup g(false);
    g.Open(g.Save(Picture(16, 16, AllBlack), QStringLiteral("black.png")));
    g.Print();
    ASSERT_EQ(g.host.tips.size(), 1u);
    EXPECT_EQ(g.host.tips[0].text, QStringLiteral("Please Open the Port"));
    EXPECT_TRUE(g.host.records.empty());
    EXPECT_TRUE(g.host.lib.TakeSentText().empty());
}

TEST(PicturePrinting, PrintAfterAFailedOpenPrintsTheEarlierPicture) {
    PictureGroup g;
    g.Click(g.raster);
    g.Open(g.Save(Picture(16, 2, Pattern), QStringLiteral("good.bmp")));
    g.Print();
    ASSERT_EQ(g.host.records.size(), 1u);
    const std::string first = g.host.records[0];

    QByteArray bmp = QFile::exists(g.dir.filePath("good.bmp")) ? QByteArray() : QByteArray();
    QFile good(g.dir.filePath(QStringLiteral("good.bmp")));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    bmp = good.readAll();
    const QString broken = g.Write(bmp.left(bmp.size() - 5), QStringLiteral("broken.bmp"));
    g.Open(broken);
    EXPECT_EQ(g.prompts.MessageTexts(), QStringList({"Picture load fail"}));
    EXPECT_EQ(g.path->text(), broken);
    EXPECT_TRUE(g.printer->Picture().isNull());

    g.Print();
    ASSERT_EQ(g.host.records.size(), 2u);
    EXPECT_EQ(g.host.records[1], first);
}

TEST(PicturePrinting, CorruptBmpAndTruncatedJpegGiveOnlyTheLoadMessage) {
    PictureGroup g;
    QByteArray corrupt("BM");
    corrupt.append(QByteArray(60, '\x7F'));
    const QString jpegPath = g.Save(Picture(64, 64, Pattern), QStringLiteral("full.jpg"), "JPEG");
    QFile full(jpegPath);
    ASSERT_TRUE(full.open(QIODevice::ReadOnly));
    const QByteArray jpeg = full.readAll();
    const QString files[] = {g.Write(corrupt, QStringLiteral("corrupt.bmp")),
                             g.Write(jpeg.left(jpeg.size() * 2 / 3), QStringLiteral("cut.jpg"))};
    for (const QString& file : files) {
        g.prompts.requests.clear();
        g.Open(file);
        int messages = 0;
        for (const auto& r : g.prompts.requests) {
            if (r.kind != ScriptedPrompts::Request::Message) continue;
            ++messages;
            EXPECT_EQ(r.caption, QStringLiteral("Note"));
            EXPECT_EQ(r.text, QStringLiteral("Picture load fail"));
            EXPECT_EQ(r.buttons, Prompts::OkOnly);
        }
        EXPECT_EQ(messages, 1);
        EXPECT_TRUE(g.printer->Matrix().Empty());
        EXPECT_TRUE(g.printer->Picture().isNull());

        g.prompts.requests.clear();
        g.Click(g.ok); // re-thresholding the same file
        EXPECT_EQ(g.prompts.MessageTexts(), QStringList({"picture load fail"}));
        g.Print();
    }
    EXPECT_TRUE(g.host.records.empty());
    EXPECT_TRUE(g.host.tips.empty());
    EXPECT_TRUE(g.host.WireAfterQuiet().empty());

    // Cancelling the file dialog changes nothing.
    g.prompts.requests.clear();
    g.Click(g.open); // no path queued: the operator cancels
    EXPECT_EQ(g.path->text(), files[1]);
    EXPECT_EQ(g.prompts.CountMessages(), 0);
    ASSERT_EQ(g.prompts.requests.size(), 1u);
    EXPECT_EQ(g.prompts.requests[0].text, QString::fromLatin1(PicturePrinter::OPEN_FILTER));
}

struct LayoutCase {
    int w, h;
    bool hBar, vBar;
    QRect frame, hGeometry, vGeometry;
};

TEST(PicturePreview, ScrollBarsLaidOutForThePictureSize) {
    const int L = PictureGroup::FRAME_LEFT, T = PictureGroup::FRAME_TOP;
    const int W = PictureGroup::FRAME_WIDTH, H = PictureGroup::FRAME_HEIGHT;
    // The frame's border takes one pixel on each side: 398 x 118 show the picture, less
    // a bar's 18 where the other direction has one.
    const int IW = W - 2, IH = H - 2;
    const LayoutCase cases[] = {
        {500, 60, true, false, QRect(L, T, W, H - 18), QRect(L, T + H - 18, W, 18), QRect()},
        {300, 300, false, true, QRect(L, T, W - 18, H), QRect(), QRect(L + W - 18, T, 18, H)},
        {500, 300, true, true, QRect(L, T, W - 18, H - 18), QRect(L, T + H - 18, W - 18, 18),
         QRect(L + W - 18, T, 18, H - 18)},
        {IW, IH, false, false, QRect(L, T, W, H), QRect(), QRect()},
        // Too tall; then the vertical bar leaves too little width as well.
        {390, 200, true, true, QRect(L, T, W - 18, H - 18), QRect(L, T + H - 18, W - 18, 18),
         QRect(L + W - 18, T, 18, H - 18)},
    };
    PictureGroup g;
    for (const LayoutCase& c : cases) {
        g.Open(g.Save(Picture(c.w, c.h, Pattern), QStringLiteral("p%1x%2.png").arg(c.w).arg(c.h)));
        EXPECT_EQ(g.frame->geometry(), c.frame) << c.w << "x" << c.h;
        EXPECT_EQ(g.hScroll->isVisible(), c.hBar);
        EXPECT_EQ(g.vScroll->isVisible(), c.vBar);
        const int shownW = IW - (c.vBar ? 18 : 0);
        const int shownH = IH - (c.hBar ? 18 : 0);
        EXPECT_EQ(g.printer->Preview()->size(), QSize(shownW, shownH));
        if (c.hBar) {
            EXPECT_EQ(g.hScroll->geometry(), c.hGeometry);
            EXPECT_EQ(g.hScroll->minimum(), 0);
            EXPECT_EQ(g.hScroll->maximum(), c.w - shownW);
        }
        if (c.vBar) {
            EXPECT_EQ(g.vScroll->geometry(), c.vGeometry);
            EXPECT_EQ(g.vScroll->maximum(), c.h - shownH);
        }
        EXPECT_EQ(g.printer->ScrollPosition(), QPoint(0, 0));
        EXPECT_EQ(g.printer->PreviewSize(), QSize(W, H));
    }
}

// At the end of both bars the picture's last column and last row are on screen.
TEST(PicturePreview, BarEndsShowTheLastColumnAndRow) {
    PictureGroup g;
    constexpr int PW = 500, PH = 300;
    g.Open(g.Save(Picture(PW, PH, [](int x, int y) { return x == PW - 1 || y == PH - 1; }),
                  QStringLiteral("edges.png")));
    ASSERT_TRUE(g.hScroll->isVisible() && g.vScroll->isVisible());
    g.hScroll->setFocus();
    QTest::keyClick(g.hScroll, Qt::Key_End);
    g.vScroll->setFocus();
    QTest::keyClick(g.vScroll, Qt::Key_End);
    const QImage shown = g.printer->Preview()->grab().toImage();
    EXPECT_EQ(shown.pixel(shown.width() - 1, 0), qRgb(0, 0, 0));                 // last column
    EXPECT_EQ(shown.pixel(0, shown.height() - 1), qRgb(0, 0, 0));                // last row
    EXPECT_EQ(shown.pixel(shown.width() - 2, shown.height() - 2), qRgb(255, 255, 255));
}

// The preview's top-left screen pixel shows the picture's dot at the scroll position.
QRgb PreviewCorner(PictureGroup& g) {
    return g.printer->Preview()->grab().toImage().pixel(0, 0);
}

TEST(PicturePreview, ScrollsByThumbAndEndsOnly) {
    PictureGroup g;
    // Column 102 is the only black one: it shows at the left edge once scrolled to the end
    // (398 of the 500 columns show inside the frame's border).
    g.Open(
        g.Save(Picture(500, 60, [](int x, int) { return x == 102; }), QStringLiteral("line.png")));
    ASSERT_TRUE(g.hScroll->isVisible());
    EXPECT_EQ(PreviewCorner(g), qRgb(255, 255, 255));

    g.hScroll->setFocus();
    QTest::keyClick(g.hScroll, Qt::Key_End);
    EXPECT_EQ(g.printer->ScrollPosition(), QPoint(102, 0));
    EXPECT_EQ(g.hScroll->value(), 102);
    EXPECT_EQ(PreviewCorner(g), qRgb(0, 0, 0));

    QTest::keyClick(g.hScroll, Qt::Key_Home);
    EXPECT_EQ(g.printer->ScrollPosition(), QPoint(0, 0));
    EXPECT_EQ(PreviewCorner(g), qRgb(255, 255, 255));

    // Arrows (keys or the arrow button) and page steps leave the view where it is.
    QTest::keyClick(g.hScroll, Qt::Key_Right);
    QTest::keyClick(g.hScroll, Qt::Key_Left);
    QTest::keyClick(g.hScroll, Qt::Key_PageDown);
    QTest::mouseClick(g.hScroll, Qt::LeftButton, Qt::NoModifier,
                      QPoint(g.hScroll->width() - 4, g.hScroll->height() / 2));
    EXPECT_EQ(g.printer->ScrollPosition(), QPoint(0, 0));
    EXPECT_EQ(g.hScroll->value(), 0);

    // Dragging the thumb to the right end.
    const QPoint start(4, g.hScroll->height() / 2);
    QTest::mousePress(g.hScroll, Qt::LeftButton, Qt::NoModifier, start + QPoint(14, 0));
    QMouseEvent move(QEvent::MouseMove, QPointF(g.hScroll->width() - 2, start.y()),
                     g.hScroll->mapToGlobal(QPointF(g.hScroll->width() - 2, start.y())),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(g.hScroll, &move);
    QTest::mouseRelease(g.hScroll, Qt::LeftButton, Qt::NoModifier,
                        QPoint(g.hScroll->width() - 2, start.y()));
    EXPECT_GT(g.printer->ScrollPosition().x(), 50);
    EXPECT_EQ(g.printer->ScrollPosition().x(), g.hScroll->value());

    // "OK" with another threshold keeps the layout and the scroll position.
    QTest::keyClick(g.hScroll, Qt::Key_End);
    g.SetThreshold(QStringLiteral("0"));
    g.Click(g.ok);
    EXPECT_EQ(g.printer->ScrollPosition(), QPoint(102, 0));
    EXPECT_TRUE(g.hScroll->isVisible());
    EXPECT_EQ(PreviewCorner(g), qRgb(0, 0, 0));
}

} // namespace
