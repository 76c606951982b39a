// A picture file opened through the "Open file" dialog, printed in raster and in
// 24-dot bit-image mode, comes back from the vprinter process dot for dot.
#include "ConsoleFixture.h"
#include "DecodeSupport.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
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

class PicturePrinting : public ConsoleFixture {
protected:
    void SetUp() override {
        ConsoleFixture::SetUp();
        if (HasFatalFailure()) return;
        std::mt19937 random(8);
        QImage image(PICTURE_WIDTH, PICTURE_HEIGHT, QImage::Format_RGB32);
        expected = vprinter::PaperBitmap(PICTURE_WIDTH, PICTURE_HEIGHT);
        for (int y = 0; y < PICTURE_HEIGHT; ++y)
            for (int x = 0; x < PICTURE_WIDTH; ++x) {
                const QRgb colour = COLOURS[random() % std::size(COLOURS)];
                image.setPixel(x, y, colour);
                if (Grey(colour) <= DEFAULT_THRESHOLD) expected.Set(x, y);
            }
        // The right column black, so clipping or a shift at the right edge shows.
        for (int y = 0; y < PICTURE_HEIGHT; ++y) {
            image.setPixel(PICTURE_WIDTH - 1, y, COLOURS[0]);
            expected.Set(PICTURE_WIDTH - 1, y);
        }
        file = dir.filePath(QStringLiteral("picture.bmp"));
        ASSERT_TRUE(image.save(file));
        prompts.openPaths.push_back(file);
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
    QString file;
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
