// The printer is pulled out while a picture of about 1 MiB is going out, and plugged
// in again. A pseudo-terminal whose master closes is the pulled device; it cannot come
// back at the same node, so the console's port is a link (as /dev/serial/by-id/... is)
// that is pointed at a fresh pseudo-terminal when the "device" returns.
#include "tests/faults/FaultProbes.h"
#include "tests/support/PrinterPeer.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <unistd.h>

using namespace ids;

namespace {

// 384 dots (the 58 mm model's width) by this many rows is 48 bytes a row in raster
// mode: just over 1 MiB of raster block.
constexpr int PICTURE_WIDTH = 384;
constexpr int PICTURE_HEIGHT = 22000;
constexpr size_t RASTER_BYTES = size_t(PICTURE_WIDTH / 8) * PICTURE_HEIGHT;
// The printer takes this much, then the device goes while the rest is on its way.
constexpr size_t TAKEN_BEFORE_PULL = 64 * 1024;
constexpr uint8_t LINE_FEED = 0x0A;

QImage StripedPicture() {
    QImage picture(PICTURE_WIDTH, PICTURE_HEIGHT, QImage::Format_RGB32);
    for (int y = 0; y < PICTURE_HEIGHT; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < PICTURE_WIDTH; ++x)
            line[x] = ((x / 3 + y) % 5 == 0) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return picture;
}

bool PointLink(const QString& link, const std::string& target) {
    // Replaced in one step, as udev does: the link never dangles in between.
    const QString fresh = link + QStringLiteral(".new");
    ::unlink(fresh.toLocal8Bit().constData());
    return ::symlink(target.c_str(), fresh.toLocal8Bit().constData()) == 0 &&
           std::rename(fresh.toLocal8Bit().constData(), link.toLocal8Bit().constData()) == 0;
}

} // namespace

TEST(DeviceVanishes, DuringAPictureSendTheConsoleStaysWellAndReopensWhenItIsBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto first = std::make_unique<PrinterPeer>();
    ASSERT_TRUE(first->Ok());
    const QString link = dir.filePath(QStringLiteral("printer"));
    ASSERT_TRUE(PointLink(link, first->SlavePath()));
    const QString picturePath = dir.filePath(QStringLiteral("big.png"));
    ASSERT_TRUE(StripedPicture().save(picturePath));

    ConsoleDialog f(link.toStdString());
    ASSERT_TRUE(f.OpenPort());
    first->ReadAtMost(TAKEN_BEFORE_PULL);

    f.Click(IDC_RASTER_MODE);
    f.prompts.openPaths.push_back(picturePath);
    f.Click(IDC_PICTURE_OPEN);
    ASSERT_EQ(f.prompts.CountMessages(), 0) << f.prompts.MessageTexts().join('|').toStdString();
    const int rowsBefore = f.RowCount();
    f.Click(IDC_PICTURE_PRINT);
    ASSERT_EQ(f.RowCount(), rowsBefore + 1) << "the raster block is recorded";

    TickProbe probe;
    ASSERT_TRUE(
        f.RunUntil([&] { return first->Count() >= TAKEN_BEFORE_PULL; }, 20000 * TIME_SCALE))
        << "the printer got " << first->Count() << " bytes";
    ASSERT_LT(first->Count(), RASTER_BYTES) << "the send must still be running";

    probe.Reset();
    first->CloseMaster();
    // The write thread meets the vanished device; the window goes on meanwhile.
    f.RunUntil([] { return false; }, 1500);
    EXPECT_GT(probe.Ticks(), 10 / TIME_SCALE) << "the event loop stopped ticking";
    EXPECT_LT(probe.MaxGapMs(), 1000 * TIME_SCALE) << "the event loop stalled";
    EXPECT_EQ(f.prompts.CountMessages(), 0) << f.prompts.MessageTexts().join('|').toStdString();
    EXPECT_TRUE(f.dlg->isVisible());

    // Typing still works while the port is dead.
    auto* threshold = f.As<QLineEdit>(IDC_THRESHOLD);
    threshold->setFocus();
    QTest::keyClick(threshold, Qt::Key_End);
    QTest::keyClick(threshold, Qt::Key_Backspace);
    EXPECT_EQ(threshold->text(), QStringLiteral("12"));

    // Close COM returns within about a second.
    QElapsedTimer closing;
    closing.start();
    f.Click(IDC_COM_OPEN);
    EXPECT_LT(closing.elapsed(), 1500 * (TIME_SCALE == 1 ? 1 : 2));
    std::printf("[ vanish ] printer had %zu of %zu bytes; longest event-loop gap %lld ms; "
                "Close COM took %lld ms\n",
                first->Count(), RASTER_BYTES, static_cast<long long>(probe.MaxGapMs()),
                static_cast<long long>(closing.elapsed()));
    EXPECT_FALSE(f.dlg->IsOpen());
    EXPECT_EQ(f.As<QPushButton>(IDC_COM_OPEN)->text(), QStringLiteral("Open COM"));

    // The device comes back (at another node, behind the same link): it opens again
    // and takes new commands, and none of the dropped picture follows them.
    first.reset();
    PrinterPeer second;
    ASSERT_TRUE(second.Ok());
    ASSERT_TRUE(PointLink(link, second.SlavePath()));
    ASSERT_TRUE(f.OpenPort()) << f.TipText().toStdString();
    f.Click(IDC_SEND_PRINT);
    EXPECT_EQ(second.BytesAfterQuiet(std::chrono::milliseconds(500 * TIME_SCALE)),
              std::vector<uint8_t>{LINE_FEED});
    EXPECT_EQ(f.prompts.CountMessages(), 0);
}
