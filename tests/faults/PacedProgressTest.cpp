// A paced picture on a slow line (9,600 baud) to a printer that reads no faster than the
// line carries, behind a pseudo-terminal whose own buffer takes some KiB at once without
// saying so: the bar moves one block at a time, the time left holds steady and comes
// true, and Cancel lets through no more than half a second of the line and one block.
#include "tests/faults/FaultProbes.h"
#include "tests/support/NoisePicture.h"
#include "tests/support/PrinterPeer.h"

#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>

using namespace ids;

namespace {

constexpr int PICTURE_WIDTH = 384;
constexpr int BLOCK_ROWS = 32;
constexpr int BYTES_PER_ROW = PICTURE_WIDTH / 8;
constexpr size_t RASTER_HEAD = 8;
constexpr size_t BLOCK_BYTES = RASTER_HEAD + size_t(BLOCK_ROWS) * BYTES_PER_ROW;
// Ten blocks, some sixteen seconds of the line: within a pseudo-terminal's buffer.
constexpr int BLOCKS = 10;
constexpr size_t TOTAL_BYTES = BLOCKS * BLOCK_BYTES;
// Thirty blocks: more than a pseudo-terminal's buffer holds.
constexpr int LONG_BLOCKS = 30;
// The console opens the port at 9,600 baud, 8N1: ten bits a byte.
constexpr size_t LINE_BYTES_PER_SECOND = 9600 / 10;
constexpr int BAR_STEPS = 1000;
constexpr int WAIT_MS = 120000;

// One reading of the progress note, "<sent> of <total> bytes, <r> of <n> rows[, about <s> s left]".
struct Reading {
    qint64 atMs;
    double secondsLeft; // negative when the note gives none
};

class PacedProgress : public ::testing::Test {
protected:
    void Load(int blocks) {
        ASSERT_TRUE(pty.Ok());
        ASSERT_TRUE(f.OpenPort());
        const int height = blocks * BLOCK_ROWS;
        const QImage picture = NoisePicture(PICTURE_WIDTH, height, 3);
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
        // From here on the printer reads as a line of that rate delivers.
        pty.ReadAtRate(LINE_BYTES_PER_SECOND);
    }
    int Bar() const { return f.As<QProgressBar>(IDC_PRINT_PROGRESS)->value(); }
    QString Note() const { return f.As<QLabel>(IDC_PROGRESS_NOTE)->text(); }
    bool Finished() const { return !f.As<QPushButton>(IDC_PRINT_CANCEL)->isVisible(); }
    static double SecondsLeftIn(const QString& note) {
        static const QRegularExpression form(QStringLiteral(R"(, about ([\d.]+) s left$)"));
        const QRegularExpressionMatch m = form.match(note);
        return m.hasMatch() ? m.captured(1).toDouble() : -1;
    }

    PrinterPeer pty;
    ConsoleDialog f{pty.SlavePath()};
    QTemporaryDir dir;
};

// The whole picture goes while the test watches every value the bar and the note take.
// The bar: never a step larger than one block (a pseudo-terminal's buffer must not make
// it leap), and every block shows. The time left, once the console has a few seconds of
// the line behind it: the line's rate is fixed, so "now + time left" (when the printer
// will have the last byte) may move only by the note's rounding and a late tick; it must
// stay within MAX_SWING_S of itself and of when the printer really got its last byte.
TEST_F(PacedProgress, TheBarMovesBlockByBlockAndTheTimeLeftHoldsSteadyAndComesTrue) {
    constexpr double MAX_SWING_S = 1.5; // a tenth of the run's sixteen seconds
    constexpr qint64 SETTLED_MS = 4000;  // the console's rate window, and a second
    Load(BLOCKS);
    std::vector<int> bars{Bar()};
    std::vector<Reading> readings;
    QString lastNote;
    qint64 lastByteMs = -1;
    QElapsedTimer clock;
    clock.start();
    f.Click(IDC_PICTURE_PRINT);
    ASSERT_TRUE(ConsoleDialog::RunUntil(
        [&] {
            if (Bar() != bars.back()) bars.push_back(Bar());
            if (Note() != lastNote) {
                lastNote = Note();
                readings.push_back({clock.elapsed(), SecondsLeftIn(lastNote)});
            }
            if (lastByteMs < 0 && pty.Count() == TOTAL_BYTES) lastByteMs = clock.elapsed();
            return Finished() && lastByteMs >= 0;
        },
        WAIT_MS))
        << Note().toStdString();
    EXPECT_EQ(Bar(), BAR_STEPS);
    EXPECT_EQ(pty.Count(), TOTAL_BYTES);

    const int blockStep = static_cast<int>((BLOCK_BYTES * BAR_STEPS + TOTAL_BYTES - 1) / TOTAL_BYTES);
    int largest = 0;
    for (size_t i = 1; i < bars.size(); ++i) largest = std::max(largest, bars[i] - bars[i - 1]);
    EXPECT_LE(largest, blockStep) << "the bar leapt; it took " << bars.size() << " values";
    EXPECT_GE(bars.size(), size_t(BLOCKS)) << "not every block showed on the bar";
    EXPECT_TRUE(std::is_sorted(bars.begin(), bars.end()));

    double earliest = 1e9;
    double latest = -1e9;
    int settled = 0;
    for (const Reading& r : readings) {
        if (r.atMs < SETTLED_MS || r.secondsLeft < 0) continue;
        const double end = static_cast<double>(r.atMs) / 1000.0 + r.secondsLeft;
        earliest = std::min(earliest, end);
        latest = std::max(latest, end);
        ++settled;
    }
    ASSERT_GT(settled, 0) << "no time left was said after " << SETTLED_MS << " ms";
    const double lastByte = static_cast<double>(lastByteMs) / 1000.0;
    EXPECT_LE(latest - earliest, MAX_SWING_S);
    EXPECT_LE(std::abs(latest - lastByte), MAX_SWING_S);
    EXPECT_LE(std::abs(earliest - lastByte), MAX_SWING_S);
    std::printf("[ paced ] %zu bar values, largest step %d (a block is %d); predicted end "
                "%.1f..%.1f s, last byte at %.1f s\n",
                bars.size(), largest, blockStep, earliest, latest, lastByte);
}

// Cancel while the printer takes the picture at the line's pace: what it gets after the
// click is at most half a second of the line and the block handed over last, plus a
// tenth of a second for this reader's own polling; and it ends on a whole block.
TEST_F(PacedProgress, CancelLetsThroughHalfASecondOfTheLineAndOneBlock) {
    constexpr size_t READER_SLACK = LINE_BYTES_PER_SECOND / 10;
    Load(LONG_BLOCKS);
    f.Click(IDC_PICTURE_PRINT);
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return pty.Count() >= 3 * BLOCK_BYTES + 100; }, WAIT_MS));
    ASSERT_FALSE(Finished());
    const size_t atCancel = pty.Count();
    f.Click(IDC_PRINT_CANCEL);
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return Finished(); }, WAIT_MS));
    const std::vector<uint8_t> wire = pty.BytesAfterQuiet(std::chrono::milliseconds(500));
    EXPECT_TRUE(Note().startsWith(QStringLiteral("Cancelled:"))) << Note().toStdString();
    ASSERT_GE(wire.size(), atCancel);
    const size_t afterCancel = wire.size() - atCancel;
    EXPECT_LE(afterCancel, LINE_BYTES_PER_SECOND / 2 + BLOCK_BYTES + READER_SLACK)
        << atCancel << " bytes had reached the printer at Cancel, " << wire.size() << " in the end";
    EXPECT_EQ(wire.size() % BLOCK_BYTES, 0u) << "the printer got a block cut short";
    EXPECT_LT(wire.size(), LONG_BLOCKS * BLOCK_BYTES);
    std::printf("[ paced ] %zu bytes reached the printer after Cancel (%zu at the click)\n",
                afterCancel, atCancel);
}

} // namespace
