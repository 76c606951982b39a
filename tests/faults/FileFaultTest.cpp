// Bad files for every button that reads one: send-panel "Import" and "Send text",
// records "Import" and picture "Open file". Each gets a file that is too large (sparse,
// so it costs no disk), binary, empty, unreadable or gone by the time it is read.
// The tests run as root, where a mode of 000 does not stop reading; the unreadable
// file is a directory, which no one can read as a file.
#include "tests/faults/FaultProbes.h"
#include "tests/support/FifoReader.h"
#include "tests/support/PrinterPeer.h"
#include "printer/HexText.h"
#include "console/RecordsModel.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <atomic>
#include <thread>
#include <unistd.h>

using namespace ids;

namespace {

constexpr qint64 HUGE_SIZE = qint64(6) << 30;
const QString SEND_TOO_LARGE = QStringLiteral("The file is too large to send");
const QString IMPORT_TOO_LARGE = QStringLiteral("The file is too large to import");
const QString IMPORT_FAILED = QStringLiteral("Import failed");
const QString NOT_HEX_SEND = QStringLiteral(
    "The contents of the file does not meet the hex command mode, the import operation is "
    "canceled");
const QString NOT_HEX_RECORDS = QStringLiteral(
    "The contents of the file does not meet the hex command mode, the import operation was "
    "canceled ");
const QString PICTURE_FAILED = QStringLiteral("Picture load fail");

enum class Fault { TooLarge, Binary, Empty, Unreadable, Vanished };
const Fault ALL_FAULTS[] = {Fault::TooLarge, Fault::Binary, Fault::Empty, Fault::Unreadable,
                            Fault::Vanished};

const char* Name(Fault fault) {
    switch (fault) {
    case Fault::TooLarge:
        return "too large";
    case Fault::Binary:
        return "binary";
    case Fault::Empty:
        return "empty";
    case Fault::Unreadable:
        return "unreadable";
    case Fault::Vanished:
        return "vanished";
    }
    return "?";
}

QByteArray BinaryBytes() {
    QByteArray bytes(4096, Qt::Uninitialized);
    for (int i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 37 + i / 256) & 0xFF);
    return bytes;
}

// A sparse file: its size is `size`, its disk use almost nothing. `head` goes first.
bool SparseFile(const QString& path, qint64 size, const QByteArray& head = {}) {
    return WriteBytes(path, head) && ::truncate(path.toLocal8Bit().constData(), size) == 0;
}

// Makes the file of `fault` and queues its path as the file-dialog answer.
QString Prepare(ConsoleDialog& f, const QTemporaryDir& dir, Fault fault,
                const QByteArray& tooLargeHead = {}) {
    const QString path = dir.filePath(QStringLiteral("%1.txt").arg(Name(fault)));
    bool made = true;
    switch (fault) {
    case Fault::TooLarge:
        made = SparseFile(path, HUGE_SIZE, tooLargeHead);
        break;
    case Fault::Binary:
        made = WriteBytes(path, BinaryBytes());
        break;
    case Fault::Empty:
        made = WriteBytes(path, {});
        break;
    case Fault::Unreadable:
        made = QDir().mkpath(path);
        break;
    case Fault::Vanished:
        made = WriteBytes(path, "1B 40\r\n");
        f.prompts.vanishing.insert(path);
        break;
    }
    EXPECT_TRUE(made) << Name(fault);
    f.prompts.openPaths.push_back(path);
    return path;
}

// A BMP header for a 24-bit picture of 40000 x 40000 dots, and the size its file has.
QByteArray HugeBmpHeader(qint64* fileSize) {
    constexpr uint32_t SIDE = 40000;
    constexpr uint32_t ROW = SIDE * 3;
    constexpr uint32_t PIXELS_AT = 54;
    QByteArray h(PIXELS_AT, '\0');
    auto put32 = [&h](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i) h[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    h[0] = 'B';
    h[1] = 'M';
    *fileSize = PIXELS_AT + qint64(ROW) * SIDE;
    put32(2, static_cast<uint32_t>(*fileSize)); // does not fit; readers ignore it
    put32(10, PIXELS_AT);
    put32(14, 40); // info header
    put32(18, SIDE);
    put32(22, SIDE);
    h[26] = 1;  // planes
    h[28] = 24; // bits per dot
    return h;
}

struct Fixture {
    PrinterPeer pty;
    QTemporaryDir dir;
    ConsoleDialog f{pty.SlavePath()};
};

} // namespace

TEST(FileFaults, SendPanelImportLeavesTheEditAsItWas) {
    Fixture x;
    ConsoleDialog& f = x.f;
    auto* edit = f.As<QPlainTextEdit>(IDC_SEND_EDIT);
    auto* hexBox = f.As<QCheckBox>(IDC_SEND_HEX);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("typed by the operator"));
    const QString typed = edit->toPlainText();
    ASSERT_FALSE(typed.isEmpty());
    ASSERT_FALSE(hexBox->isChecked());

    for (Fault fault : ALL_FAULTS) {
        SCOPED_TRACE(Name(fault));
        f.prompts.requests.clear();
        f.dlg->HelpTip().hide();
        Prepare(f, x.dir, fault);
        f.Click(IDC_SEND_IMPORT);
        EXPECT_EQ(edit->toPlainText(), typed);
        EXPECT_FALSE(hexBox->isChecked());
        const QStringList messages = f.prompts.MessageTexts();
        if (fault == Fault::Binary) {
            EXPECT_EQ(messages, QStringList{NOT_HEX_SEND});
        } else {
            EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
        }
        EXPECT_EQ(f.TipText(), fault == Fault::TooLarge ? IMPORT_TOO_LARGE : QString());
    }
    // A good file still imports afterwards.
    const QString good = x.dir.filePath(QStringLiteral("good.txt"));
    ASSERT_TRUE(WriteBytes(good, "1B 40 // init\r\n"));
    f.prompts.openPaths.push_back(good);
    f.Click(IDC_SEND_IMPORT);
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("1B 40 \n"));
    EXPECT_TRUE(hexBox->isChecked());
}

TEST(FileFaults, SendTextSendsWhatItCanReadAndNothingElse) {
    Fixture x;
    ConsoleDialog& f = x.f;
    ASSERT_TRUE(f.OpenPort());
    for (Fault fault : ALL_FAULTS) {
        SCOPED_TRACE(Name(fault));
        f.prompts.requests.clear();
        f.dlg->HelpTip().hide();
        x.pty.Forget();
        const int rows = f.RowCount();
        const QString path = Prepare(f, x.dir, fault);
        f.Click(IDC_SEND_TEXT);
        const std::vector<uint8_t> arrived =
            x.pty.BytesAfterQuiet(std::chrono::milliseconds(300 * TIME_SCALE));
        EXPECT_TRUE(f.prompts.MessageTexts().isEmpty());
        // The path of the chosen file is shown, whatever became of it.
        EXPECT_EQ(f.As<QLineEdit>(IDC_SEND_PATH)->text(), path);
        if (fault == Fault::Binary) {
            // Any file goes out raw: that is what the button is for.
            const QByteArray binary = BinaryBytes();
            EXPECT_EQ(arrived, std::vector<uint8_t>(binary.begin(), binary.end()));
            EXPECT_EQ(f.RowCount(), rows + 1);
            EXPECT_EQ(f.LastRow(), ToHexText(binary.constData(), size_t(binary.size())));
        } else {
            EXPECT_TRUE(arrived.empty()) << arrived.size() << " bytes went out";
            EXPECT_EQ(f.RowCount(), rows);
        }
        EXPECT_EQ(f.TipText(), fault == Fault::TooLarge ? SEND_TOO_LARGE : QString());
        EXPECT_TRUE(f.dlg->IsOpen());
    }
}

TEST(FileFaults, RecordsImportKeepsTheRows) {
    Fixture x;
    ConsoleDialog& f = x.f;
    const QString first = x.dir.filePath(QStringLiteral("first.txt"));
    ASSERT_TRUE(WriteBytes(first, "1B 40 \r\n0A \r\n"));
    f.prompts.openPaths.push_back(first);
    f.Click(IDC_RECORDS_IMPORT);
    ASSERT_EQ(f.RowCount(), 2);
    const auto before = f.dlg->Records().Rows();

    for (Fault fault : ALL_FAULTS) {
        SCOPED_TRACE(Name(fault));
        f.prompts.requests.clear();
        f.dlg->HelpTip().hide();
        Prepare(f, x.dir, fault);
        f.Click(IDC_RECORDS_IMPORT);
        const auto& rows = f.dlg->Records().Rows();
        ASSERT_EQ(rows.size(), before.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].text, before[i].text);
            EXPECT_EQ(rows[i].checked, before[i].checked);
        }
        const QStringList messages = f.prompts.MessageTexts();
        if (fault == Fault::Binary) {
            // The message, and under it the line refused.
            ASSERT_EQ(messages.size(), 1);
            EXPECT_TRUE(messages[0].startsWith(NOT_HEX_RECORDS + QStringLiteral("\nLine ")))
                << messages[0].toStdString();
        } else {
            EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
        }
        const bool failed = fault == Fault::Unreadable || fault == Fault::Vanished;
        EXPECT_EQ(f.TipText(), fault == Fault::TooLarge ? IMPORT_TOO_LARGE
                               : failed                 ? IMPORT_FAILED
                                                        : QString());
    }
}

// A FIFO reports a size of 0: the limits hold while reading, not by the size reported.
TEST(FileFaults, AFifoBeyondTheLimitIsRefusedAndNothingChanges) {
    // Time for a writer thread that is about to call open() to get into it.
    constexpr auto WRITER_INTO_OPEN = std::chrono::milliseconds(200);
    Fixture x;
    ConsoleDialog& f = x.f;
    const QString fifo = x.dir.filePath(QStringLiteral("endless"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Feeds the FIFO with `size` bytes of hex text, once, on a thread of its own. A
    // reader that opens the FIFO before the writer is in its open() sees no writer and
    // reads an empty file (as it should), which would leave the writer waiting for ever:
    // the feed returns once the writer is on its way into open().
    std::atomic<bool> opening{false};
    auto feed = [&](qint64 size) {
        opening = false;
        std::thread writer([fifo, size, &opening] {
            std::signal(SIGPIPE, SIG_IGN);
            opening = true;
            const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_CLOEXEC);
            const QByteArray block = QByteArray("00 ").repeated(1 << 16);
            for (qint64 done = 0; fd >= 0 && done < size; done += block.size())
                if (::write(fd, block.constData(), static_cast<size_t>(block.size())) < 0) break;
            if (fd >= 0) ::close(fd);
        });
        while (!opening) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(WRITER_INTO_OPEN);
        return writer;
    };
    constexpr qint64 IMPORT_LIMIT = qint64(16) << 20;
    constexpr qint64 RECORDS_LIMIT = qint64(64) << 20;

    auto* edit = f.As<QPlainTextEdit>(IDC_SEND_EDIT);
    std::thread writer = feed(IMPORT_LIMIT + (1 << 20));
    f.prompts.openPaths.push_back(fifo);
    f.Click(IDC_SEND_IMPORT);
    writer.join();
    EXPECT_EQ(f.TipText(), IMPORT_TOO_LARGE);
    EXPECT_TRUE(edit->toPlainText().isEmpty());

    f.dlg->HelpTip().hide();
    f.dlg->AddOperationRecord("1B 40 ");
    writer = feed(RECORDS_LIMIT + (1 << 20));
    f.prompts.openPaths.push_back(fifo);
    f.Click(IDC_RECORDS_IMPORT);
    writer.join();
    EXPECT_EQ(f.TipText(), IMPORT_TOO_LARGE);
    ASSERT_EQ(f.RowCount(), 1);
    EXPECT_EQ(f.LastRow(), "1B 40 ");

    // Within the limit it imports as a file does.
    opening = false;
    writer = std::thread([fifo, &opening] {
        opening = true;
        const int fd = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) return;
        (void)!::write(fd, "0A\r\n", 4);
        ::close(fd);
    });
    while (!opening) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(WRITER_INTO_OPEN);
    f.prompts.openPaths.push_back(fifo);
    f.Click(IDC_SEND_IMPORT);
    writer.join();
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("0A\n"));
}

// The send panel's Save goes the records' way: into a FIFO as it is, no ".txt" added.
TEST(FileFaults, SendPanelSaveWritesIntoAFifoAndRefusesAFolder) {
    Fixture x;
    ConsoleDialog& f = x.f;
    auto* edit = f.As<QPlainTextEdit>(IDC_SEND_EDIT);
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("A"));
    const QString fifo = x.dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    FifoReader reader(fifo.toStdString());
    f.prompts.savePaths.push_back(fifo);
    f.Click(IDC_SEND_SAVE);
    EXPECT_EQ(reader.Take(), "41 ");
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_FALSE(QFileInfo::exists(fifo + QStringLiteral(".txt")));
    EXPECT_EQ(f.TipText(), QString());

    const QString folder = x.dir.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkpath(folder));
    f.prompts.savePaths.push_back(folder);
    f.Click(IDC_SEND_SAVE);
    EXPECT_EQ(f.TipText(), QStringLiteral("Save failed: %1 is a folder, not a file").arg(folder));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(FileFaults, PictureOpenSaysSoAndTheEarlierPictureStillPrints) {
    Fixture x;
    ConsoleDialog& f = x.f;
    ASSERT_TRUE(f.OpenPort());
    QImage small(40, 30, QImage::Format_RGB32);
    small.fill(Qt::white);
    for (int y = 0; y < 30; ++y) small.setPixel(y, y, qRgb(0, 0, 0));
    const QString good = x.dir.filePath(QStringLiteral("good.png"));
    ASSERT_TRUE(small.save(good));
    f.prompts.openPaths.push_back(good);
    f.Click(IDC_PICTURE_OPEN);
    ASSERT_TRUE(f.prompts.MessageTexts().isEmpty());
    f.Click(IDC_PICTURE_PRINT);
    ASSERT_GT(f.RowCount(), 0);
    const auto printed = f.dlg->Records().Rows();
    const size_t perPrint = printed.size();

    qint64 bmpSize = 0;
    const QByteArray bmpHead = HugeBmpHeader(&bmpSize);
    for (Fault fault : ALL_FAULTS) {
        SCOPED_TRACE(Name(fault));
        f.prompts.requests.clear();
        const QString path =
            Prepare(f, x.dir, fault, fault == Fault::TooLarge ? bmpHead : QByteArray());
        if (fault == Fault::TooLarge) {
            ASSERT_EQ(::truncate(path.toLocal8Bit().constData(), bmpSize), 0);
        }
        f.Click(IDC_PICTURE_OPEN);
        ASSERT_EQ(f.prompts.MessageTexts().size(), 1);
        EXPECT_TRUE(f.prompts.MessageTexts()[0].startsWith(PICTURE_FAILED + '\n'));
        EXPECT_EQ(f.As<QLineEdit>(IDC_PICTURE_PATH)->text(), path);
        // The picture converted before still prints, unchanged.
        f.Click(IDC_PICTURE_PRINT);
        const auto& rows = f.dlg->Records().Rows();
        ASSERT_EQ(rows.size() % perPrint, 0u);
        for (size_t i = 0; i < perPrint; ++i)
            EXPECT_EQ(rows[rows.size() - perPrint + i].text, printed[i].text);
    }
    // A file of nothing but zeros, several GiB long, is no picture either.
    f.prompts.requests.clear();
    const QString zeros = x.dir.filePath(QStringLiteral("zeros.jpg"));
    ASSERT_TRUE(SparseFile(zeros, HUGE_SIZE));
    f.prompts.openPaths.push_back(zeros);
    f.Click(IDC_PICTURE_OPEN);
    ASSERT_EQ(f.prompts.MessageTexts().size(), 1);
    EXPECT_TRUE(f.prompts.MessageTexts()[0].startsWith(PICTURE_FAILED + '\n'));
}
