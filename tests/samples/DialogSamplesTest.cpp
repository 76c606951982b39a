// The quick test and picture buttons of the real main dialog, clicked headless with the
// dialog's own port open on a pseudo-terminal: what reaches the printer and the rows
// the "Operational records" list gets.

#include "console/samples/PicturePrinter.h"
#include "console/samples/QuickSamples.h"

#include "printer/HexText.h"
#include "console/RecordsModel.h"
#include "tests/support/ConsoleDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace std::chrono_literals;

constexpr auto ARRIVAL_TIMEOUT = 20s;

class DialogSamples : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(peer.Ok());
        // The dialog's own wiring puts the picture preview into frame 1077.
        ASSERT_NE(dlg->findChild<QWidget*>(QStringLiteral("picturePreview")), nullptr);
        Click(1000); // "COM Open" on the only port of the list
        ASSERT_TRUE(dlg->IsOpen());
    }

    void Click(int id) { f.Click(id); }
    std::vector<std::string> Rows(size_t from = 0) const {
        const std::vector<std::string> all = f.Rows();
        return std::vector<std::string>(all.begin() + static_cast<long>(std::min(from, all.size())),
                                        all.end());
    }
    // Every recorded byte, in order, has reached the printer's end.
    void ExpectWireMatchesRecords() {
        std::string all;
        for (const std::string& r : Rows()) all += r;
        const std::vector<uint8_t> expected = FromHexText(all);
        peer.WaitForBytes(expected.size(), ARRIVAL_TIMEOUT);
        EXPECT_EQ(peer.Bytes(), expected);
    }

    PeerDialog f;
    PrinterPeer& peer = f.peer;
    TestPrompts& prompts = f.prompts;
    CTalvaneDlg* dlg = f.dlg.get();
};

TEST_F(DialogSamples, QuickTestButtonsRecordOneRowPerCommand) {
    Click(1001); // "Printer Init"
    EXPECT_EQ(Rows(), std::vector<std::string>({"1B 40 "}));

    Click(1035); // "Font Sample"
    EXPECT_EQ(Rows(1).size(), 12u);
    const size_t afterFont = Rows().size();
    Click(1041); // "Verti tab"
    EXPECT_EQ(Rows(afterFont).size(), 12u);

    const size_t beforeQr = Rows().size();
    Click(1045); // "QRCode"
    bool stored = false;
    for (const std::string& r : Rows(beforeQr))
        if (r.rfind("1D 28 6B 1F 00 31 50 30 ", 0) == 0) stored = FromHexText(r).size() == 36;
    EXPECT_TRUE(stored);

    const size_t beforeCut = Rows().size();
    Click(1046); // "Cutting"
    const auto cut = Rows(beforeCut);
    EXPECT_NE(std::find(cut.begin(), cut.end(), "1D 56 42 78 "), cut.end());

    for (int id = 1036; id <= 1044; ++id) Click(id);
    ExpectWireMatchesRecords();
}

TEST_F(DialogSamples, PictureOpenedAndPrintedAsBands) {
    QTemporaryDir dir;
    QImage picture(100, 30, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QString file = dir.filePath(QStringLiteral("black.bmp"));
    ASSERT_TRUE(picture.save(file));
    prompts.openPaths.push_back(file);
    Click(1051); // "Open file"
    Click(1055); // "Print", "24-dot double-density" after start-up
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].substr(0, 15), "1B 2A 21 64 00 ");
    EXPECT_EQ(rows[1], "1B 4A 18 ");
    EXPECT_EQ(rows[3], "1B 4A 18 ");
    // The second band holds rows 24 to 29 only: FC 00 00 in every column.
    EXPECT_EQ(FromHexText(rows[2]).size(), 5u + 300u);
    EXPECT_EQ(rows[2].substr(15, 9), "FC 00 00 ");
    ExpectWireMatchesRecords();
}

// In the dialog's own layout: a picture wider than the preview gets the horizontal bar
// only, and the preview shows it from its left edge.
TEST_F(DialogSamples, WidePictureGetsTheHorizontalBarInTheDialog) {
    QWidget* frame = dlg->Control(1077);
    const QSize preview = frame->size();
    ASSERT_GT(preview.width(), 50);
    QTemporaryDir dir;
    QImage picture(preview.width() + 100, preview.height() / 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < picture.height(); ++y) picture.setPixel(0, y, qRgb(0, 0, 0));
    const QString file = dir.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(picture.save(file));
    prompts.openPaths.push_back(file);
    Click(1051);
    auto* hBar = dlg->ControlAs<QScrollBar>(1075);
    auto* vBar = dlg->ControlAs<QScrollBar>(1076);
    EXPECT_TRUE(hBar->isVisible());
    EXPECT_FALSE(vBar->isVisible());
    auto* shown = dlg->findChild<QWidget*>(QStringLiteral("picturePreview"));
    ASSERT_NE(shown, nullptr);
    // The range ends where the last column shows: the frame's border narrows the view.
    EXPECT_EQ(shown->width(), qobject_cast<QFrame*>(frame)->contentsRect().width());
    EXPECT_EQ(hBar->maximum(), picture.width() - shown->width());
    EXPECT_GT(hBar->maximum(), 100);
    const QImage screen = shown->grab().toImage();
    EXPECT_EQ(screen.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(dlg->ControlAs<QLineEdit>(1030)->text(), file);
}

// The operator changes "Models:" with a picture loaded: it is fitted (or cropped) to the
// new paper at once, as the note and the printed rows show, without opening it again.
TEST_F(DialogSamples, ModelChangeFitsTheLoadedPictureToTheNewPaper) {
    constexpr int MODEL_LIST = 1071, FIT_LIST = 1204, SIZE_NOTE = 1206, RASTER = 1052;
    constexpr int MODEL_80MM = 1, MODEL_58MM = 0, SCALE_TO_FIT = 1;
    QTemporaryDir dir;
    QImage picture(800, 600, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QString file = dir.filePath(QStringLiteral("wide.png"));
    ASSERT_TRUE(picture.save(file));
    prompts.openPaths.push_back(file);
    Click(1051);
    auto* note = dlg->ControlAs<QLabel>(SIZE_NOTE);
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), QStringLiteral("800 x 600 cropped to 384 x 600"));
    f.Choose(FIT_LIST, SCALE_TO_FIT);
    EXPECT_EQ(note->text(), QStringLiteral("800 x 600 scaled to 384 x 288"));

    f.Choose(MODEL_LIST, MODEL_80MM);
    EXPECT_EQ(note->text(), QStringLiteral("800 x 600 scaled to 576 x 432"));
    Click(RASTER);
    const size_t before = Rows().size();
    Click(1055);
    const auto rows = Rows(before);
    ASSERT_EQ(rows.size(), 1u);
    // GS v 0, mode 0, 72 bytes (576 dots) a row, 432 rows.
    EXPECT_EQ(rows[0].substr(0, 24), "1D 76 30 00 48 00 B0 01 ");
    EXPECT_EQ(FromHexText(rows[0]).size(), 8u + 72u * 432u);

    f.Choose(MODEL_LIST, MODEL_58MM);
    EXPECT_EQ(note->text(), QStringLiteral("800 x 600 scaled to 384 x 288"));
    EXPECT_EQ(Rows().size(), before + 1); // choosing sends nothing
    ExpectWireMatchesRecords();
}

} // namespace
