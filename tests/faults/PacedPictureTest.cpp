// A picture sent in blocks paced to the line, on the real console against a printer that
// stops reading: progress never claims the last byte before it has left, and Cancel
// stops after the block in flight, so the printer has whole commands only.
#include "tests/faults/FaultProbes.h"
#include "tests/support/PrinterPeer.h"
#include "printer/HexText.h"
#include "console/RecordsModel.h"

#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <random>

using namespace ids;

namespace {

constexpr int PICTURE_WIDTH = 384;
constexpr int PICTURE_HEIGHT = 2000;
constexpr int BLOCK_ROWS = 64;
constexpr int BYTES_PER_ROW = PICTURE_WIDTH / 8;
constexpr size_t RASTER_HEAD = 8;
constexpr int BLOCKS = (PICTURE_HEIGHT + BLOCK_ROWS - 1) / BLOCK_ROWS;
constexpr size_t TOTAL_BYTES = BLOCKS * RASTER_HEAD + size_t(PICTURE_HEIGHT) * BYTES_PER_ROW;
constexpr int WAIT_MS = 20000 * TIME_SCALE;

class PacedPicture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        ASSERT_TRUE(f.OpenPort());
        QImage picture(PICTURE_WIDTH, PICTURE_HEIGHT, QImage::Format_RGB32);
        std::mt19937 random(5);
        for (int y = 0; y < PICTURE_HEIGHT; ++y)
            for (int x = 0; x < PICTURE_WIDTH; ++x)
                picture.setPixel(x, y, random() % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        const QString file = dir.filePath(QStringLiteral("tall.png"));
        ASSERT_TRUE(picture.save(file));
        f.prompts.openPaths.push_back(file);
        f.Click(IDC_PICTURE_OPEN);
        f.Click(IDC_RASTER_MODE);
        auto* rows = f.As<QSpinBox>(IDC_BLOCK_ROWS);
        ASSERT_NE(rows, nullptr);
        rows->setFocus();
        rows->selectAll();
        QTest::keyClicks(rows, QString::number(BLOCK_ROWS));
        QTest::keyClick(rows, Qt::Key_Tab);
        ASSERT_EQ(rows->value(), BLOCK_ROWS);
    }
    int Progress() const { return f.As<QProgressBar>(IDC_PRINT_PROGRESS)->value(); }
    QString Note() const { return f.As<QLabel>(IDC_PROGRESS_NOTE)->text(); }
    bool Finished() const { return !f.As<QPushButton>(IDC_PRINT_CANCEL)->isVisible(); }
    std::vector<uint8_t> Recorded() const {
        std::vector<uint8_t> all;
        for (const auto& row : f.dlg->Records().Rows()) {
            const std::vector<uint8_t> bytes = FromHexText(row.text);
            all.insert(all.end(), bytes.begin(), bytes.end());
        }
        return all;
    }

    PrinterPeer pty;
    ConsoleDialog f{pty.SlavePath()};
    QTemporaryDir dir;
};

// A pseudo-terminal has no output queue to ask: a byte its buffer took has left the
// console. So the printer here stops reading a few blocks before the end, more than
// that buffer holds, and the console must still be waiting for the last block.
TEST_F(PacedPicture, ProgressReachesTheEndOnlyWhenTheLastByteHasLeft) {
    constexpr size_t HELD_BACK = TOTAL_BYTES * 3 / 4; // some 70 KiB
    pty.ReadAtMost(TOTAL_BYTES - HELD_BACK);
    f.Click(IDC_PICTURE_PRINT);
    ASSERT_TRUE(ConsoleDialog::RunUntil(
        [&] { return pty.Count() == TOTAL_BYTES - HELD_BACK; }, WAIT_MS));
    // The printer takes nothing more, and the console does not pretend it did.
    ConsoleDialog::RunUntil([] { return false; }, 400);
    EXPECT_LT(Progress(), 1000);
    EXPECT_FALSE(Finished());
    EXPECT_TRUE(Note().contains(QStringLiteral("of %1 bytes").arg(QLocale::c().toString(qulonglong(TOTAL_BYTES)))))
        << Note().toStdString();

    pty.ReadAtMost(SIZE_MAX);
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return Finished(); }, WAIT_MS)) << Note().toStdString();
    EXPECT_EQ(Progress(), 1000);
    EXPECT_TRUE(ConsoleDialog::RunUntil([&] { return pty.Count() == TOTAL_BYTES; }, 2000));
    EXPECT_EQ(f.RowCount(), BLOCKS); // one row per block
    EXPECT_EQ(pty.Bytes(), Recorded());
    EXPECT_EQ(Note(), QStringLiteral("Sent: %1 rows, %2 bytes, in %3 blocks")
                          .arg(PICTURE_HEIGHT)
                          .arg(TOTAL_BYTES)
                          .arg(BLOCKS));
}

TEST_F(PacedPicture, CancelStopsAfterTheBlockInFlight) {
    pty.ReadAtMost(3 * BLOCK_ROWS * BYTES_PER_ROW); // the printer stalls in the third block
    f.Click(IDC_PICTURE_PRINT);
    ASSERT_TRUE(ConsoleDialog::RunUntil(
        [&] { return pty.Count() == size_t(3 * BLOCK_ROWS * BYTES_PER_ROW); }, WAIT_MS));
    EXPECT_FALSE(Finished());
    f.Click(IDC_PRINT_CANCEL);
    pty.ReadAtMost(SIZE_MAX);
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return Finished(); }, WAIT_MS));
    EXPECT_TRUE(Note().startsWith(QStringLiteral("Cancelled:"))) << Note().toStdString();
    const std::vector<uint8_t> wire = pty.BytesAfterQuiet(std::chrono::milliseconds(300));
    // Fewer blocks than the picture has, and what reached the printer is exactly the
    // recorded commands, each whole: GS v 0 with its rows of data.
    EXPECT_LT(f.RowCount(), BLOCKS);
    EXPECT_GE(f.RowCount(), 3);
    EXPECT_EQ(wire, Recorded());
    size_t at = 0;
    int rows = 0;
    while (at < wire.size()) {
        ASSERT_LE(at + RASTER_HEAD, wire.size());
        EXPECT_EQ(wire[at], 0x1D);
        EXPECT_EQ(wire[at + 1], 0x76);
        EXPECT_EQ(wire[at + 2], 0x30);
        const size_t x = wire[at + 4] | (wire[at + 5] << 8);
        const size_t y = wire[at + 6] | (wire[at + 7] << 8);
        EXPECT_EQ(x, size_t(BYTES_PER_ROW));
        EXPECT_EQ(y, size_t(BLOCK_ROWS));
        at += RASTER_HEAD + x * y;
        rows += static_cast<int>(y);
    }
    EXPECT_EQ(at, wire.size());
    EXPECT_TRUE(Note().startsWith(QStringLiteral("Cancelled: %1 of %2 rows").arg(rows).arg(PICTURE_HEIGHT)))
        << Note().toStdString();
    // The line is usable at once: the next print goes out whole.
    EXPECT_TRUE(f.As<QPushButton>(IDC_PICTURE_PRINT)->isEnabled());
}

} // namespace
