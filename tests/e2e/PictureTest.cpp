// A picture file opened through the "Open file" dialog, printed in raster and in
// 24-dot bit-image mode, comes back from the vprinter process dot for dot.
#include "tests/e2e/ConsoleFixture.h"
#include "tests/emulator/DecodeSupport.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTemporaryDir>
#include <random>

using namespace ids;

namespace {

// Colours well away from the default threshold 128 (grey = 0.299 R + 0.587 G + 0.114 B),
// so the expected dots do not depend on rounding.
const QRgb COLOURS[] = {qRgb(0, 0, 0), qRgb(200, 30, 30), qRgb(255, 255, 255), qRgb(30, 220, 200)};
constexpr int DEFAULT_THRESHOLD = 128;
// An odd width: raster rows are padded to whole bytes, bit-image bands are not.
constexpr int PICTURE_WIDTH = 203;
constexpr int PICTURE_HEIGHT = 70; // not a whole number of 24-dot bands
constexpr int BAND_HEIGHT = 24;

double Grey(QRgb c) {
    return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c);
}

// A picture of random colours from COLOURS, its right column black, so clipping or a
// shift at the right edge shows.
QImage MakeImage(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y,
                           x == width - 1 ? COLOURS[0] : COLOURS[random() % std::size(COLOURS)]);
    return image;
}

// The dots the picture should print: grey at or below the threshold is black; columns
// from `width` on are cut off.
vprinter::PaperBitmap Dots(const QImage& image, int threshold, int width) {
    width = std::min(width, image.width());
    vprinter::PaperBitmap dots(width, image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < width; ++x)
            if (Grey(image.pixel(x, y)) <= threshold) dots.Set(x, y);
    return dots;
}

class PicturePrinting : public ConsoleFixture {
protected:
    void SetUp() override {
        ConsoleFixture::SetUp();
        if (HasFatalFailure()) return;
        image = MakeImage(PICTURE_WIDTH, PICTURE_HEIGHT, 8);
        ASSERT_NO_FATAL_FAILURE(Open(image, QStringLiteral("picture.bmp")));
        expected = Dots(image, DEFAULT_THRESHOLD, PICTURE_WIDTH);
    }

    // Saves the picture and opens it with "Open file", the path answered in its dialog.
    void Open(const QImage& picture, const QString& name) {
        const QString file = dir.filePath(name);
        ASSERT_TRUE(picture.save(file));
        console->prompts.openPaths.push_back(file);
        ClickDialog(IDC_PICTURE_OPEN);
        ASSERT_EQ(qobject_cast<QLineEdit*>(DialogControl(IDC_PICTURE_PATH))->text(), file);
    }

    // Every row below the picture on the paper is white.
    static bool BlankBelow(const vprinter::PaperBitmap& paper, int top) {
        for (int y = top; y < paper.Height(); ++y)
            for (int x = 0; x < paper.Width(); ++x)
                if (paper.Get(x, y)) return false;
        return true;
    }

    QTemporaryDir dir;
    QImage image;
    vprinter::PaperBitmap expected;
};

TEST_F(PicturePrinting, RasterComesBackDotForDot) {
    Click(DialogControl(IDC_RASTER_MODE));
    auto* size = qobject_cast<QComboBox*>(DialogControl(IDC_PICTURE_DENSITY));
    ASSERT_EQ(size->currentText(), QStringLiteral("Normal"));
    ClickDialog(IDC_PICTURE_PRINT);
    const vprinter::PaperBitmap paper = TakeReceipt();
    // At the left edge from the top of the receipt; no feed follows a raster block.
    EXPECT_EQ(FindPicture(paper, 0, expected), 0);
    EXPECT_EQ(paper.Height(), PICTURE_HEIGHT);
}

// The same picture from the printer on the network.
class PicturePrintingOverTcp : public PicturePrinting {
protected:
    bool OverNetwork() const override { return true; }
};

TEST_F(PicturePrintingOverTcp, RasterComesBackDotForDot) {
    ASSERT_TRUE(printer->DevicePath().startsWith("tcp://"));
    Click(DialogControl(IDC_RASTER_MODE));
    ClickDialog(IDC_PICTURE_PRINT);
    const vprinter::PaperBitmap paper = TakeReceipt();
    EXPECT_EQ(FindPicture(paper, 0, expected), 0);
    EXPECT_EQ(paper.Height(), PICTURE_HEIGHT);
}

TEST_F(PicturePrinting, TwentyFourDotBandsComeBackDotForDot) {
    Click(DialogControl(IDC_RASTER_MODE)); // away and back: the list is refilled
    Click(DialogControl(IDC_BIT_IMAGE_MODE));
    auto* size = qobject_cast<QComboBox*>(DialogControl(IDC_PICTURE_DENSITY));
    ASSERT_EQ(size->currentText(), QStringLiteral("24-dot double-density"));
    ClickDialog(IDC_PICTURE_PRINT);
    const vprinter::PaperBitmap paper = TakeReceipt();
    EXPECT_EQ(FindPicture(paper, 0, expected), 0);
    // Three bands, each followed by a 24-dot feed; the rows past the picture are white.
    const int bands = (PICTURE_HEIGHT + BAND_HEIGHT - 1) / BAND_HEIGHT;
    EXPECT_EQ(paper.Height(), bands * BAND_HEIGHT);
    EXPECT_TRUE(BlankBelow(paper, PICTURE_HEIGHT));
}

// Sent in blocks of 16 rows, paced to the line, the picture prints dot for dot as the
// single block does; the records show one row per block.
TEST_F(PicturePrinting, SlicedBlocksPrintTheSameReceiptAsOneBlock) {
    Click(DialogControl(IDC_RASTER_MODE));
    ClickDialog(IDC_PICTURE_PRINT);
    const vprinter::PaperBitmap single = TakeReceipt();
    ASSERT_EQ(FindPicture(single, 0, expected), 0);

    constexpr int ROWS = 16;
    auto* rows = qobject_cast<QSpinBox*>(DialogControl(IDC_BLOCK_ROWS));
    ASSERT_NE(rows, nullptr);
    rows->setFocus();
    rows->selectAll();
    QTest::keyClicks(rows, QString::number(ROWS));
    QTest::keyClick(rows, Qt::Key_Tab);
    ASSERT_EQ(rows->value(), ROWS);
    const size_t before = dlg->Records().Rows().size();
    ClickDialog(IDC_PICTURE_PRINT);
    QWidget* cancel = DialogControl(IDC_PRINT_CANCEL);
    ASSERT_TRUE(RunUntil([&] { return !cancel->isVisible(); }, ANSWER_TIMEOUT_MS));
    const auto& records = dlg->Records().Rows();
    const int blocks = (PICTURE_HEIGHT + ROWS - 1) / ROWS;
    ASSERT_EQ(records.size(), before + blocks);
    for (size_t i = before; i < records.size(); ++i)
        EXPECT_EQ(records[i].text.substr(0, 9), "1D 76 30 ") << i;
    const vprinter::PaperBitmap sliced = TakeReceipt();
    EXPECT_EQ(FindPicture(sliced, 0, expected), 0);
    EXPECT_EQ(sliced.Height(), single.Height());
    EXPECT_EQ(sliced.CountBlack(), single.CountBlack());
}

// The same picture twice, once in each mode, on one receipt: the second follows the
// first directly.
TEST_F(PicturePrinting, BothModesOnOneReceipt) {
    Click(DialogControl(IDC_RASTER_MODE));
    ClickDialog(IDC_PICTURE_PRINT);
    Click(DialogControl(IDC_BIT_IMAGE_MODE));
    ClickDialog(IDC_PICTURE_PRINT);
    const vprinter::PaperBitmap paper = TakeReceipt();
    EXPECT_EQ(FindPicture(paper, 0, expected), 0);
    vprinter::PaperBitmap second(paper.Width(), std::max(paper.Height() - PICTURE_HEIGHT, 0));
    for (int y = 0; y < second.Height(); ++y)
        second.OrBits(y, 0, paper.Row(PICTURE_HEIGHT + y), paper.Width());
    EXPECT_EQ(FindPicture(second, 0, expected), 0);
}

} // namespace

namespace {

// A new threshold, applied with "OK", is what the printed dots follow.
TEST_F(PicturePrinting, ThresholdAppliedWithOkChangesTheDots) {
    constexpr int HIGH_THRESHOLD = 200; // the light cyan turns black too
    Retype(DialogControl(IDC_THRESHOLD), QString::number(HIGH_THRESHOLD));
    ClickDialog(IDC_THRESHOLD_OK);
    Click(DialogControl(IDC_RASTER_MODE));
    ClickDialog(IDC_PICTURE_PRINT);
    const vprinter::PaperBitmap darker = Dots(image, HIGH_THRESHOLD, PICTURE_WIDTH);
    ASSERT_GT(darker.CountBlack(), expected.CountBlack());
    EXPECT_EQ(FindPicture(TakeReceipt(), 0, darker), 0);
}

// A picture wider than the paper is cut at the printable width in both modes.
TEST_F(PicturePrinting, WidePictureIsCutAtThePrintableWidth) {
    const QImage wide = MakeImage(dlg->PrintableWidth() + 61, BAND_HEIGHT + 5, 9);
    ASSERT_NO_FATAL_FAILURE(Open(wide, QStringLiteral("wide.bmp")));
    const vprinter::PaperBitmap dots = Dots(wide, DEFAULT_THRESHOLD, dlg->PrintableWidth());
    Click(DialogControl(IDC_RASTER_MODE));
    ClickDialog(IDC_PICTURE_PRINT);
    EXPECT_EQ(FindPicture(TakeReceipt(), 0, dots), 0);
    Click(DialogControl(IDC_BIT_IMAGE_MODE));
    ClickDialog(IDC_PICTURE_PRINT);
    EXPECT_EQ(FindPicture(TakeReceipt(), 0, dots), 0);
}

} // namespace

namespace {

// On the "80mm" model the picture is cut at 576 dots instead, on a printer with that paper.
class PicturePrinting80mm : public PicturePrinting {
protected:
    int PaperWidth() const override { return CTalvaneDlg::WIDTH_80MM; }
};

TEST_F(PicturePrinting80mm, WidePictureIsCutAtTheWiderPaper) {
    constexpr int MODEL_80MM_ROW = 1;
    Choose(DialogControl(IDC_MODEL_LIST), MODEL_80MM_ROW);
    ASSERT_EQ(dlg->PrintableWidth(), CTalvaneDlg::WIDTH_80MM);
    const QImage wide = MakeImage(CTalvaneDlg::WIDTH_80MM + 64, BAND_HEIGHT, 10);
    ASSERT_NO_FATAL_FAILURE(Open(wide, QStringLiteral("wide.bmp")));
    const vprinter::PaperBitmap dots = Dots(wide, DEFAULT_THRESHOLD, CTalvaneDlg::WIDTH_80MM);
    Click(DialogControl(IDC_RASTER_MODE));
    ClickDialog(IDC_PICTURE_PRINT);
    EXPECT_EQ(FindPicture(TakeReceipt(), 0, dots), 0);
    Click(DialogControl(IDC_BIT_IMAGE_MODE));
    ClickDialog(IDC_PICTURE_PRINT);
    EXPECT_EQ(FindPicture(TakeReceipt(), 0, dots), 0);
}

} // namespace
