// A picture sent in blocks paced to the line, on the real console against a printer that
// stops reading: progress never claims the last byte before it has left, Cancel stops
// after the block in flight, "Read status" and "Clear-Buf" wait for a command boundary
// (or are refused when the printer takes nothing), and a printer lost on the way is
// said to be lost; whatever happens, the printer has whole commands only.
#include "tests/faults/FaultProbes.h"
#include "tests/support/NoisePicture.h"
#include "tests/support/PrinterPeer.h"
#include "printer/HexText.h"
#include "console/RecordsModel.h"
#include "console/samples/PacedSender.h"

#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <string>

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
constexpr size_t BLOCK_BYTES = RASTER_HEAD + size_t(BLOCK_ROWS) * BYTES_PER_ROW;
// The printer stops reading inside the fourth block.
constexpr size_t STALL_AT = 3 * BLOCK_BYTES + BLOCK_BYTES / 2;
constexpr int FASTEST_BAUD_ITEM = 10; // 750000
const std::vector<uint8_t> STATUS_REQUEST = {0x10, 0x04, 0x05, 0x1D, 0x61, 0x2F};
const std::vector<uint8_t> CLEAR_BUFFER = {0x10, 0x14, 0x08, 0x01, 0x03, 0x14, 0x01, 0x06, 0x02, 0x08};

// What the printer got, read as it reads it: raster blocks (whole, BLOCK_ROWS rows but
// the last) and the setup commands named above. Anything else, a block cut short or a
// request inside image data, fails the test.
struct WireCommands {
    int blocks = 0;
    int rows = 0;
    std::vector<std::string> order; // "block", "status", "clear"
};
WireCommands ReadWire(const std::vector<uint8_t>& wire) {
    WireCommands got;
    size_t at = 0;
    auto startsWith = [&](const std::vector<uint8_t>& command) {
        return wire.size() - at >= command.size() &&
               std::equal(command.begin(), command.end(), wire.begin() + long(at));
    };
    while (at < wire.size()) {
        if (startsWith(STATUS_REQUEST)) {
            got.order.push_back("status");
            at += STATUS_REQUEST.size();
            continue;
        }
        if (startsWith(CLEAR_BUFFER)) {
            got.order.push_back("clear");
            at += CLEAR_BUFFER.size();
            continue;
        }
        EXPECT_TRUE(startsWith({0x1D, 0x76, 0x30, 0x00})) << "no command at byte " << at;
        if (!startsWith({0x1D, 0x76, 0x30, 0x00}) || wire.size() - at < RASTER_HEAD) break;
        const size_t x = wire[at + 4] | (wire[at + 5] << 8);
        const size_t y = wire[at + 6] | (wire[at + 7] << 8);
        EXPECT_EQ(x, size_t(BYTES_PER_ROW));
        EXPECT_TRUE(y == size_t(BLOCK_ROWS) || y == size_t(PICTURE_HEIGHT % BLOCK_ROWS)) << y;
        EXPECT_LE(at + RASTER_HEAD + x * y, wire.size()) << "block cut short at byte " << at;
        at += RASTER_HEAD + x * y;
        ++got.blocks;
        got.rows += static_cast<int>(y);
        got.order.push_back("block");
    }
    return got;
}

class PacedPicture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        // The pacing holds a picture to the line's rate: these cases are about whole
        // commands, so the line is the fastest the list offers.
        f.Choose(IDC_BAUD_LIST, FASTEST_BAUD_ITEM);
        ASSERT_TRUE(f.OpenPort());
        const QImage picture = NoisePicture(PICTURE_WIDTH, PICTURE_HEIGHT, 5);
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

    // Prints, and waits until the printer has read STALL_AT bytes and takes no more.
    void PrintUntilStalled() {
        pty.ReadAtMost(STALL_AT);
        f.Click(IDC_PICTURE_PRINT);
        ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return pty.Count() == STALL_AT; }, WAIT_MS));
        ConsoleDialog::RunUntil([] { return false; }, 300);
        ASSERT_FALSE(Finished());
    }
    std::vector<uint8_t> WireWhenFinished() {
        pty.ReadAtMost(SIZE_MAX);
        EXPECT_TRUE(ConsoleDialog::RunUntil([&] { return Finished(); }, WAIT_MS)) << Note().toStdString();
        return pty.BytesAfterQuiet(std::chrono::milliseconds(300));
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

// "Read status" while the printer is in the middle of a block: the request waits for the
// block in flight, goes between two whole blocks, and the picture then goes on whole.
TEST_F(PacedPicture, ReadStatusGoesBetweenTwoWholeBlocks) {
    PrintUntilStalled();
    f.Click(IDC_READ_STATUS);
    ConsoleDialog::RunUntil([] { return false; }, 200);
    EXPECT_FALSE(Finished());
    const std::vector<uint8_t> wire = WireWhenFinished();
    const WireCommands got = ReadWire(wire);
    EXPECT_EQ(got.blocks, BLOCKS);
    EXPECT_EQ(got.rows, PICTURE_HEIGHT);
    EXPECT_EQ(std::count(got.order.begin(), got.order.end(), "status"), 1);
    EXPECT_NE(got.order.front(), "status"); // not before the blocks already handed over
    EXPECT_EQ(wire, Recorded());
    EXPECT_EQ(Note(), QStringLiteral("Sent: %1 rows, %2 bytes, in %3 blocks")
                          .arg(PICTURE_HEIGHT)
                          .arg(TOTAL_BYTES)
                          .arg(BLOCKS));
}

// "Clear-Buf" empties the printer's buffer, so the rest of the picture would print cut
// off: the picture stops at its command boundary, the clear goes after the last whole
// block, and the note counts what was dropped.
TEST_F(PacedPicture, ClearBufStopsThePictureAtABoundaryAndCountsWhatWasDropped) {
    PrintUntilStalled();
    f.Click(IDC_CLEAR_BUFFER);
    const std::vector<uint8_t> wire = WireWhenFinished();
    const WireCommands got = ReadWire(wire);
    ASSERT_FALSE(got.order.empty());
    EXPECT_EQ(got.order.back(), "clear");
    EXPECT_EQ(std::count(got.order.begin(), got.order.end(), "clear"), 1);
    EXPECT_GE(got.blocks, 4); // the block the printer was in, whole
    EXPECT_LT(got.blocks, BLOCKS);
    EXPECT_EQ(wire, Recorded());
    EXPECT_EQ(Note(), QStringLiteral("Stopped for Clear-Buf: %1 of %2 rows sent; %3 blocks (%4 rows) dropped")
                          .arg(got.rows)
                          .arg(PICTURE_HEIGHT)
                          .arg(BLOCKS - got.blocks)
                          .arg(PICTURE_HEIGHT - got.rows));
    EXPECT_TRUE(f.As<QPushButton>(IDC_PICTURE_PRINT)->isEnabled());
}

// A printer that takes nothing cannot get the block in flight: the request is refused
// with a message rather than cut into the block, and the picture goes on whole.
TEST_F(PacedPicture, ASetupThePrinterCannotTakeIsRefusedWithAMessage) {
    PrintUntilStalled();
    f.Click(IDC_READ_STATUS);
    ASSERT_TRUE(ConsoleDialog::RunUntil(
        [&] { return f.TipText().startsWith(QStringLiteral("Read status was not sent")); },
        PacedSender::BOUNDARY_STALL_MS + 2000 * TIME_SCALE))
        << f.TipText().toStdString();
    EXPECT_FALSE(Finished());
    const std::vector<uint8_t> wire = WireWhenFinished();
    const WireCommands got = ReadWire(wire);
    EXPECT_EQ(got.blocks, BLOCKS);
    EXPECT_EQ(std::count(got.order.begin(), got.order.end(), "status"), 0);
    EXPECT_EQ(wire, Recorded());
    EXPECT_TRUE(Note().startsWith(QStringLiteral("Sent: %1 rows").arg(PICTURE_HEIGHT)));
}

// The printer goes away in the middle of the picture. Nobody cancelled: the note says the
// printer was lost, after the rows whose blocks had wholly left the console.
TEST_F(PacedPicture, APrinterLostOnTheWayIsSaidWithTheRowsThatHadLeft) {
    PrintUntilStalled();
    // The line stands still: what has left the console is what was handed over less
    // what the engine still holds (a pseudo-terminal reports no queue of its own).
    const size_t handed = Recorded().size();
    const size_t left = handed - static_cast<size_t>(f.dlg->HeldTxBytes());
    ASSERT_GT(left, STALL_AT);
    const int rowsThatLeft = static_cast<int>(left / BLOCK_BYTES) * BLOCK_ROWS;
    pty.CloseMaster();
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return Finished(); }, WAIT_MS)) << Note().toStdString();
    EXPECT_EQ(Note(), QStringLiteral("Stopped: the printer on COM%1 was lost after %2 rows")
                          .arg(f.dlg->GetPort())
                          .arg(rowsThatLeft));
    EXPECT_TRUE(f.As<QPushButton>(IDC_PICTURE_PRINT)->isEnabled());
}

} // namespace
