// The "Picture Printing" group driven by clicks and typing: opening pictures that the
// tests make with Qt, thresholds, the preview's scroll bars, both print modes with
// their records and wire bytes, and the refusals.

#include "tests/samples/PictureGroup.h"
#include "console/samples/PicturePreview.h"

#include "printer/HexText.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
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

std::vector<uint8_t> AllRecordBytes(const PageHostStandIn& host) {
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
    EXPECT_TRUE(g.host.rows.empty());
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
    EXPECT_EQ(g.host.tips[0].widget, g.threshold);
    EXPECT_EQ(g.host.tips[0].text, QStringLiteral("Threshold can not be greater than 255"));
    EXPECT_TRUE(g.printer->Matrix().Empty());
    g.Click(g.ok);
    EXPECT_EQ(g.host.tips.size(), 2u);
    EXPECT_TRUE(g.printer->Matrix().Empty());
    g.Print();
    EXPECT_TRUE(g.host.rows.empty());

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

    ASSERT_EQ(g.host.rows.size(), 4u);
    for (int band = 0; band < 2; ++band) {
        const std::vector<uint8_t> expected = ExpectedBand(30, band, 24, 100, Pattern);
        ASSERT_EQ(expected.size(), 300u);
        EXPECT_EQ(g.host.rows[2 * band], "1B 2A 21 64 00 " + Hex(expected));
        EXPECT_EQ(g.host.rows[2 * band + 1], "1B 4A 18 ");
    }
    // Rows 30 to 47 of the second band are white: in every column the low two bits of
    // the first byte and both other bytes are clear.
    const std::vector<uint8_t> second = FromHexText(g.host.rows[2]);
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
    ASSERT_EQ(g.host.rows.size(), 8u);
    for (int band = 0; band < 4; ++band) {
        EXPECT_EQ(g.host.rows[2 * band],
                  "1B 2A 00 64 00 " + Hex(ExpectedBand(30, band, 8, 100, Pattern)));
        EXPECT_EQ(g.host.rows[2 * band + 1], "1B 4A 18 ");
    }
    g.host.rows.clear();
    g.ChooseListItem(1);
    g.Print();
    ASSERT_EQ(g.host.rows.size(), 8u);
    EXPECT_EQ(g.host.rows[0].substr(0, 15), "1B 2A 01 64 00 ");
    g.host.rows.clear();
    g.ChooseListItem(2);
    g.Print();
    ASSERT_EQ(g.host.rows.size(), 4u);
    EXPECT_EQ(g.host.rows[0].substr(0, 15), "1B 2A 20 64 00 ");
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
        g.host.rows.clear();
        g.Click(g.bitImage);
        g.Print();
        ASSERT_EQ(g.host.rows.size(), 2u);
        EXPECT_EQ(g.host.rows[0], m.bandHeader + Hex(ExpectedBand(10, 0, 24, m.width, Pattern)));

        g.host.rows.clear();
        g.Click(g.raster);
        g.Print();
        ASSERT_EQ(g.host.rows.size(), 1u);
        const std::vector<uint8_t> raster = FromHexText(g.host.rows[0]);
        EXPECT_EQ(g.host.rows[0].substr(0, 24), m.rasterHeader);
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
    ASSERT_EQ(g.host.rows.size(), 1u); // no feed after a raster block
    EXPECT_EQ(g.host.rows[0], "1D 76 30 03 02 00 03 00 FF C0 FF C0 FF C0 ");
    const std::vector<uint8_t> wire = AllRecordBytes(g.host);
    EXPECT_EQ(g.host.Wire(wire.size()), wire);
}

TEST(PicturePrinting, TallerThanTheRasterFieldIsRefused) {
    PictureGroup g;
    g.Click(g.raster);
    g.Open(g.Save(Picture(1, 65536, AllBlack), QStringLiteral("tall.png")));
    ASSERT_EQ(g.printer->Matrix().height, 65536);
    g.Print();
    EXPECT_TRUE(g.host.rows.empty());
    ASSERT_EQ(g.host.tips.size(), 1u);
    EXPECT_EQ(g.host.tips[0].widget, g.print);
    EXPECT_EQ(g.host.tips[0].text, QStringLiteral("Picture height can not be greater than 65535"));
    EXPECT_TRUE(g.host.lib.TakeSentText().empty());
    EXPECT_TRUE(g.host.WireAfterQuiet().empty());

    // The largest height the field holds still prints.
    g.Open(g.Save(Picture(1, 65535, AllBlack), QStringLiteral("tallest.png")));
    g.Print();
    ASSERT_EQ(g.host.rows.size(), 1u);
    EXPECT_EQ(g.host.rows[0].substr(0, 24), "1D 76 30 00 01 00 FF FF ");
    EXPECT_EQ(FromHexText(g.host.rows[0]).size(), 8u + 65535u);
}

// With rows per block set, the raster goes as GS v 0 blocks of at most that many rows,
// one record row each, whose data joined is the single block's; bit-image pictures go
// as their bands with their feeds, as without pacing.
TEST(PicturePrinting, SlicedPrintingSendsTheSameDotsInBlocks) {
    PictureGroup g;
    EXPECT_EQ(g.blockRows->value(), 0); // one block unless the operator asks
    EXPECT_EQ(g.blockRows->text(), QStringLiteral("One block"));
    g.Open(g.Save(Picture(20, 150, Pattern), QStringLiteral("p.png")));
    g.Click(g.raster);
    g.Print();
    ASSERT_EQ(g.host.rows.size(), 1u);
    const std::vector<uint8_t> single = FromHexText(g.host.rows[0]);
    ASSERT_EQ(single.size(), 8u + 3u * 150u);

    g.blockRows->setValue(64);
    g.Print();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !g.printer->Sender().Busy(); }, 10000));
    ASSERT_EQ(g.host.rows.size(), 4u);
    std::vector<uint8_t> joined;
    const int heights[] = {64, 64, 22};
    for (int i = 0; i < 3; ++i) {
        const std::vector<uint8_t> block = FromHexText(g.host.rows[1 + i]);
        ASSERT_EQ(block.size(), 8u + 3u * heights[i]) << i;
        EXPECT_EQ(Hex({block.begin(), block.begin() + 8}),
                  Hex({0x1D, 0x76, 0x30, 0x00, 0x03, 0x00, static_cast<uint8_t>(heights[i]), 0x00}));
        joined.insert(joined.end(), block.begin() + 8, block.end());
    }
    EXPECT_EQ(joined, std::vector<uint8_t>(single.begin() + 8, single.end()));
    EXPECT_EQ(g.host.Wire(g.host.RecordedBytes().size()), g.host.RecordedBytes());
    EXPECT_EQ(g.printer->Sender().Current().sentRows, 150);
    EXPECT_EQ(g.printer->Sender().Current().sentSteps, 3);

    g.host.rows.clear();
    g.Click(g.bitImage); // 24-dot double-density: 7 bands, each with its feed
    g.Print();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !g.printer->Sender().Busy(); }, 10000));
    ASSERT_EQ(g.host.rows.size(), 14u);
    for (size_t i = 0; i < 14; i += 2) {
        EXPECT_EQ(g.host.rows[i].substr(0, 15), "1B 2A 21 14 00 ");
        EXPECT_EQ(g.host.rows[i + 1], "1B 4A 18 ");
    }
}

// The choices beyond the threshold, as the operator makes them: each converts the
// picture again, and the window says what happens to a picture wider than the paper.
TEST(PicturePrinting, DotRuleInvertRotationAndFitToPaper) {
    PictureGroup g;
    EXPECT_EQ(g.dotRule->currentText(), QStringLiteral("Threshold"));
    EXPECT_EQ(g.fit->currentText(), QStringLiteral("Crop"));
    QImage grey(800, 60, QImage::Format_RGB32);
    grey.fill(qRgb(100, 100, 100));
    g.Open(g.Save(grey, QStringLiteral("grey.png")));
    // The design's crop, said aloud; the matrix keeps the whole picture.
    EXPECT_EQ(g.sizeNote->text(), QStringLiteral("800 x 60 cropped to 384 x 60"));
    EXPECT_EQ(g.printer->Matrix().width, 800);
    EXPECT_EQ(std::count(g.printer->Matrix().dots.begin(), g.printer->Matrix().dots.end(), 1),
              800 * 60); // grey 100 is below the threshold: all black

    g.fit->setFocus();
    QTest::keyClick(g.fit, Qt::Key_Down); // "Scale to fit"
    EXPECT_EQ(g.sizeNote->text(), QStringLiteral("800 x 60 scaled to 384 x 29"));
    EXPECT_EQ(g.printer->Matrix().width, 384);
    EXPECT_EQ(g.printer->Matrix().height, 29);

    g.dotRule->setFocus();
    QTest::keyClick(g.dotRule, Qt::Key_Down); // "Floyd-Steinberg"
    ASSERT_EQ(g.dotRule->currentText(), QStringLiteral("Floyd-Steinberg"));
    const auto& dots = g.printer->Matrix().dots;
    const double black = std::count(dots.begin(), dots.end(), 1) / double(dots.size());
    EXPECT_NEAR(black, 1.0 - 100.0 / 255.0, 0.02);
    // The preview shows exactly the dots.
    EXPECT_EQ(g.printer->Picture().pixel(0, 0), dots[0] ? qRgb(0, 0, 0) : qRgb(255, 255, 255));

    g.Click(g.invert);
    const auto& inverted = g.printer->Matrix().dots;
    EXPECT_NEAR(std::count(inverted.begin(), inverted.end(), 1) / double(inverted.size()),
                100.0 / 255.0, 0.02);

    g.Click(g.rotate); // a quarter turn first, then the 60-dot width fits the paper
    EXPECT_EQ(g.printer->Matrix().width, 60);
    EXPECT_EQ(g.printer->Matrix().height, 800);
    EXPECT_EQ(g.sizeNote->text(), QStringLiteral("60 x 800"));
    EXPECT_TRUE(g.host.rows.empty()); // choosing sends nothing
}

TEST(PicturePrinting, ClosedPortWarnsAndSendsNothing) {
    PictureGroup g(false);
    g.Open(g.Save(Picture(16, 16, AllBlack), QStringLiteral("black.png")));
    g.Print();
    ASSERT_EQ(g.host.tips.size(), 1u);
    EXPECT_EQ(g.host.tips[0].text, QStringLiteral("Please Open the Port"));
    EXPECT_TRUE(g.host.rows.empty());
    EXPECT_TRUE(g.host.lib.TakeSentText().empty());
}

TEST(PicturePrinting, PrintAfterAFailedOpenPrintsTheEarlierPicture) {
    PictureGroup g;
    g.Click(g.raster);
    g.Open(g.Save(Picture(16, 2, Pattern), QStringLiteral("good.bmp")));
    g.Print();
    ASSERT_EQ(g.host.rows.size(), 1u);
    const std::string first = g.host.rows[0];

    QByteArray bmp = QFile::exists(g.dir.filePath("good.bmp")) ? QByteArray() : QByteArray();
    QFile good(g.dir.filePath(QStringLiteral("good.bmp")));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    bmp = good.readAll();
    const QString broken = g.Write(bmp.left(bmp.size() - 5), QStringLiteral("broken.bmp"));
    g.Open(broken);
    // The design's message, then what failed.
    EXPECT_EQ(g.prompts.MessageTexts(),
              QStringList({"Picture load fail\nthe BMP file ends before its picture does"}));
    EXPECT_EQ(g.path->text(), broken);
    EXPECT_TRUE(g.printer->Picture().isNull());

    g.Print();
    ASSERT_EQ(g.host.rows.size(), 2u);
    EXPECT_EQ(g.host.rows[1], first);
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
    const QString reasons[] = {QStringLiteral("the BMP file ends before its picture does"),
                               QStringLiteral("the JPEG file ends before its picture does")};
    for (int i = 0; i < 2; ++i) {
        const QString& file = files[i];
        g.prompts.requests.clear();
        g.Open(file);
        int messages = 0;
        for (const auto& r : g.prompts.requests) {
            if (r.kind != ScriptedPrompts::Request::Message) continue;
            ++messages;
            EXPECT_EQ(r.caption, QStringLiteral("Note"));
            EXPECT_EQ(r.text, QStringLiteral("Picture load fail\n") + reasons[i]);
            EXPECT_EQ(r.buttons, Prompts::OkOnly);
        }
        EXPECT_EQ(messages, 1);
        EXPECT_TRUE(g.printer->Matrix().Empty());
        EXPECT_TRUE(g.printer->Picture().isNull());

        g.prompts.requests.clear();
        g.Click(g.ok); // re-thresholding the same file
        EXPECT_EQ(g.prompts.MessageTexts(),
                  QStringList({QStringLiteral("picture load fail\n") + reasons[i]}));
        g.Print();
    }
    EXPECT_TRUE(g.host.rows.empty());
    EXPECT_TRUE(g.host.tips.empty());
    EXPECT_TRUE(g.host.WireAfterQuiet().empty());

    // Cancelling the file dialog changes nothing.
    g.prompts.requests.clear();
    g.Click(g.open); // no path queued: the operator cancels
    EXPECT_EQ(g.path->text(), files[1]);
    EXPECT_EQ(g.prompts.CountMessages(), 0);
    ASSERT_EQ(g.prompts.requests.size(), 1u);
    // "All pictures" first, then the design's entries as they are.
    const QString filter = g.prompts.requests[0].text;
    EXPECT_TRUE(filter.startsWith(QStringLiteral("All pictures|*."))) << filter.toStdString();
    EXPECT_TRUE(filter.endsWith(QStringLiteral("|") + QString::fromLatin1(PicturePrinter::OPEN_FILTER)))
        << filter.toStdString();
    const QString all = filter.section(QLatin1Char('|'), 1, 1);
    for (const char* pattern : {"*.bmp", "*.jpg", "*.jpeg", "*.png", "*.gif"})
        EXPECT_TRUE(all.split(QLatin1Char(';')).contains(QLatin1String(pattern))) << pattern;
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
