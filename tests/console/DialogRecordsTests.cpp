#include "tests/console/DialogTestSupport.h"

#include "widgets/HelpTip.h"
#include "tests/support/FifoReader.h"
#include "tests/support/PrinterPeer.h"
#include "console/RecordsModel.h"
#include "console/RecordsView.h"

#include <QPushButton>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <thread>

using namespace ids;

namespace {

constexpr int CONTENT = CRecordsModel::COL_CONTENT;
constexpr int TIPS = CRecordsModel::COL_TIPS;

TEST(DialogRecords, EachRecordIsACheckedDecodedRow) {
    DialogFixture f;
    f.dlg->AddOperationRecord("");
    EXPECT_EQ(f.RowCount(), 0);
    f.dlg->AddOperationRecord("1B 61 01 ");
    f.dlg->AddOperationRecord("0A ");
    f.dlg->AddOperationRecord("41 42 43 ");
    f.dlg->AddOperationRecord("1B 28 41 02 00 30 33 ");
    ASSERT_EQ(f.RowCount(), 4);
    EXPECT_EQ(f.CellText(0, CONTENT), QStringLiteral("1B 61 01 "));
    EXPECT_EQ(f.CellText(0, TIPS), QStringLiteral("ESC a 01 "));
    EXPECT_EQ(f.CellText(1, TIPS), QStringLiteral("LF "));
    EXPECT_EQ(f.CellText(2, TIPS), QStringLiteral("ABC"));
    EXPECT_EQ(f.CellText(3, TIPS), QStringLiteral("ESC ( A 02 00 30 33 "));
    for (int r = 0; r < 4; ++r) EXPECT_TRUE(f.dlg->Records().IsChecked(r));
    // A person's click on a box unchecks it, a second checks it again.
    f.ClickRowCheck(1);
    EXPECT_FALSE(f.dlg->Records().IsChecked(1));
    f.ClickRowCheck(1);
    EXPECT_TRUE(f.dlg->Records().IsChecked(1));
    f.Click(IDC_RECORDS_CLEAR);
    EXPECT_EQ(f.RowCount(), 0);
}

TEST(DialogRecords, SaveWritesCheckedRowsOnly) {
    QTemporaryDir dir;
    DialogFixture f;
    f.Click(IDC_RECORDS_SAVE);
    EXPECT_EQ(f.dlg->HelpTip().Text(), QStringLiteral("no data"));
    EXPECT_TRUE(f.prompts.requests.empty()); // no dialog without rows

    f.dlg->AddOperationRecord("1B 40 ");
    f.dlg->AddOperationRecord("1B 61 01 ");
    f.dlg->AddOperationRecord("0A ");
    f.ClickRowCheck(1);
    f.prompts.savePaths = {dir.filePath("records")};
    f.Click(IDC_RECORDS_SAVE);
    ASSERT_EQ(f.prompts.requests.size(), 1u);
    EXPECT_EQ(f.prompts.requests[0].text, QStringLiteral("TXT files(*.txt)|*.txt||"));
    EXPECT_EQ(ReadFile(dir.filePath("records.txt")), QByteArray("1B 40 \r\n0A \r\n"));

    // Saving over a file replaces it whole; with every box unchecked it is empty.
    for (int r : {0, 2}) f.ClickRowCheck(r);
    f.prompts.savePaths = {dir.filePath("records.TXT")};
    const QString upper = WriteTempFile(dir, "records.TXT", "old content\r\n");
    f.Click(IDC_RECORDS_SAVE);
    EXPECT_EQ(ReadFile(upper), QByteArray());

    // A file that cannot be written says so, and nothing else is touched.
    f.prompts.savePaths = {dir.filePath("no-such-folder/records.txt")};
    f.Click(IDC_RECORDS_SAVE);
    EXPECT_EQ(f.dlg->HelpTip().Text(), QStringLiteral("Save failed"));
    EXPECT_EQ(ReadFile(dir.filePath("records.txt")), QByteArray("1B 40 \r\n0A \r\n"));

    // Cancelling the dialog writes nothing.
    f.prompts.savePaths = {QString()};
    f.Click(IDC_RECORDS_SAVE);
    EXPECT_EQ(f.RowCount(), 3);
}

TEST(DialogRecords, ImportReplacesRowsWithTheFilesLines) {
    QTemporaryDir dir;
    DialogFixture f;
    f.dlg->AddOperationRecord("1D 56 42 00 ");
    const QString good = WriteTempFile(dir, "good.txt",
                                       "// test set\r\n"
                                       "1B 40 // initialise\r\n"
                                       "\r\n"
                                       "   \r\n"
                                       "1b 61 01\r\n"
                                       "1B40\r\n");
    f.prompts.openPaths = {good};
    f.Click(IDC_RECORDS_IMPORT);
    ASSERT_EQ(f.RowCount(), 3);
    EXPECT_EQ(f.CellText(0, CONTENT), QStringLiteral("1B 40 "));
    EXPECT_EQ(f.CellText(0, TIPS), QStringLiteral("ESC @ "));
    // Each row shows the bytes its line names, in the form a sent command has.
    EXPECT_EQ(f.CellText(1, CONTENT), QStringLiteral("1B 61 01 "));
    EXPECT_EQ(f.CellText(2, CONTENT), QStringLiteral("1B 40 "));
    EXPECT_EQ(f.CellText(2, TIPS), QStringLiteral("ESC @ "));
    EXPECT_EQ(f.prompts.CountMessages(), 0);
}

TEST(DialogRecords, ImportOfABadFileLeavesTheRowsAsTheyWere) {
    QTemporaryDir dir;
    DialogFixture f;
    f.dlg->AddOperationRecord("1B 40 ");
    f.dlg->AddOperationRecord("0A ");
    f.ClickRowCheck(0);
    const QString bad = WriteTempFile(dir, "bad.txt", "1B 61 01\r\nG1 00\r\n0A\r\n");
    f.prompts.openPaths = {bad};
    f.Click(IDC_RECORDS_IMPORT);
    ASSERT_EQ(f.prompts.CountMessages(), 1);
    EXPECT_EQ(f.prompts.requests.back().caption, QStringLiteral(" Prompt"));
    EXPECT_EQ(f.prompts.requests.back().text,
              QStringLiteral("The contents of the file does not meet the hex command mode, the "
                             "import operation was canceled \nLine 2 is not hex text of whole "
                             "bytes."));
    ASSERT_EQ(f.RowCount(), 2);
    EXPECT_EQ(f.CellText(0, CONTENT), QStringLiteral("1B 40 "));
    EXPECT_EQ(f.CellText(1, CONTENT), QStringLiteral("0A "));
    EXPECT_FALSE(f.dlg->Records().IsChecked(0));
    EXPECT_TRUE(f.dlg->Records().IsChecked(1));

    f.prompts.openPaths = {dir.filePath("missing.txt")};
    f.Click(IDC_RECORDS_IMPORT);
    EXPECT_EQ(f.dlg->HelpTip().Text(), QStringLiteral("Import failed"));
    EXPECT_EQ(f.RowCount(), 2);
}

// Counts the port's writes: every Write hands its bytes to the sent-bytes record first.
class WriteCountingDlg : public CTalvaneDlg {
public:
    using CTalvaneDlg::CTalvaneDlg;
    int writes = 0;
    std::vector<uint32_t> lengths;

protected:
    void AppendSentText(const void* data, uint32_t length) override {
        ++writes;
        lengths.push_back(length);
        CTalvaneDlg::AppendSentText(data, length);
    }
};

TEST(DialogRecords, ResendWritesCheckedRowsInOneWriteAndAddsNoRow) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    ConsoleDialog f(peer.SlavePath(),
                    [](PortMap* ports) { return std::make_unique<WriteCountingDlg>(ports); });
    auto& d = static_cast<WriteCountingDlg&>(*f.dlg);
    d.AddOperationRecord("1B 40 ");
    d.AddOperationRecord("1D 56 42 00 ");
    d.AddOperationRecord("0A ");
    DialogFixture::ProcessEvents();
    auto* view = d.findChild<CRecordsView*>();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->CheckRect(1).center());
    ASSERT_FALSE(d.Records().IsChecked(1));

    d.SetOptions(EN_CONSOLE_OPTIONS);
    ASSERT_TRUE(d.Open(peer.Port(), 9600, 0, 8, 0));
    auto* resend = d.ControlAs<QPushButton>(IDC_RECORDS_RESEND);
    QTest::mouseClick(resend, Qt::LeftButton);
    DialogFixture::ProcessEvents();
    EXPECT_EQ(d.writes, 1);
    EXPECT_EQ(d.lengths, (std::vector<uint32_t>{3}));
    const std::vector<uint8_t> got = peer.Receive(3, std::chrono::seconds(3));
    EXPECT_EQ(got, (std::vector<uint8_t>{0x1B, 0x40, 0x0A}));
    EXPECT_EQ(d.Records().Size(), 3);
    EXPECT_EQ(d.TakeSentText(), "");
    EXPECT_TRUE(peer.ReceiveUntilQuiet(std::chrono::milliseconds(100)).empty());

    // No checked row: nothing is written. No row at all: "No data".
    for (int r : {0, 2})
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                          view->CheckRect(r).center());
    QTest::mouseClick(resend, Qt::LeftButton);
    EXPECT_EQ(d.writes, 1);
    EXPECT_TRUE(peer.ReceiveUntilQuiet(std::chrono::milliseconds(150)).empty());
    QTest::mouseClick(d.ControlAs<QPushButton>(IDC_RECORDS_CLEAR), Qt::LeftButton);
    QTest::mouseClick(resend, Qt::LeftButton);
    EXPECT_EQ(d.HelpTip().Text(), QStringLiteral("No data"));
    d.Close();
}

// Import and Resend read a line with one parser: "1B40" and "1b  61 01" send exactly
// 1B 40 1B 61 01; a line that names no whole bytes refuses the file by its number.
TEST(DialogRecords, ImportedLinesResendExactlyTheBytesTheyName) {
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    ConsoleDialog f(peer.SlavePath());
    QTemporaryDir dir;
    f.prompts.openPaths = {WriteTempFile(dir, "spaced.txt", "1B40\r\n1b  61 01\r\n")};
    f.Click(IDC_RECORDS_IMPORT);
    ASSERT_EQ(f.RowCount(), 2);
    ASSERT_TRUE(f.OpenPort());
    f.Click(IDC_RECORDS_RESEND);
    EXPECT_EQ(peer.Receive(5, std::chrono::seconds(3)),
              (std::vector<uint8_t>{0x1B, 0x40, 0x1B, 0x61, 0x01}));
    EXPECT_TRUE(peer.ReceiveUntilQuiet(std::chrono::milliseconds(150)).empty());

    f.prompts.openPaths = {WriteTempFile(dir, "odd.txt", "0A\r\n// note\r\n1B 4 0A\r\n")};
    f.Click(IDC_RECORDS_IMPORT);
    ASSERT_EQ(f.prompts.CountMessages(), 1);
    EXPECT_TRUE(f.prompts.requests.back().text.endsWith(
        QStringLiteral("\nLine 3 is not hex text of whole bytes.")))
        << f.prompts.requests.back().text.toStdString();
    ASSERT_EQ(f.RowCount(), 2);
    EXPECT_EQ(f.dlg->Records().Rows()[0].text, "1B 40 ");
}

// Save writes into a FIFO as it is (no ".txt" added, never replaced), through a link,
// and refuses a folder with a message. The nodes are the test's own.
TEST(DialogRecords, SaveWritesIntoAFifoThroughALinkAndRefusesAFolder) {
    QTemporaryDir dir;
    DialogFixture f;
    f.dlg->AddOperationRecord("1B 40 ");
    const QString fifo = dir.filePath("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    FifoReader reader(fifo.toStdString());
    f.prompts.savePaths = {fifo};
    f.Click(IDC_RECORDS_SAVE);
    EXPECT_EQ(reader.Take(), "1B 40 \r\n");
    EXPECT_TRUE(QFileInfo(fifo).exists());
    EXPECT_FALSE(QFileInfo(fifo).isFile()); // still the FIFO
    EXPECT_FALSE(QFileInfo::exists(fifo + QStringLiteral(".txt")));
    EXPECT_EQ(f.dlg->HelpTip().Text(), QString());

    WriteTempFile(dir, "target.txt", "old\r\n");
    ASSERT_TRUE(QFile::link(QStringLiteral("target.txt"), dir.filePath("link.txt")));
    f.prompts.savePaths = {dir.filePath("link.txt")};
    f.Click(IDC_RECORDS_SAVE);
    EXPECT_TRUE(QFileInfo(dir.filePath("link.txt")).isSymLink());
    EXPECT_EQ(ReadFile(dir.filePath("target.txt")), QByteArray("1B 40 \r\n"));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    f.prompts.savePaths = {dir.filePath("folder")};
    f.Click(IDC_RECORDS_SAVE);
    EXPECT_EQ(f.dlg->HelpTip().Text(),
              QStringLiteral("Save failed: %1 is a folder, not a file").arg(dir.filePath("folder")));
    EXPECT_TRUE(QFileInfo(dir.filePath("folder")).isDir());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("folder.txt")));
}

TEST(DialogRecords, AHugeRowIsShownShortAndSavedWhole) {
    QTemporaryDir dir;
    DialogFixture f;
    std::string raster = "1D 76 30 00 30 00 00 04 ";
    const size_t rasterBytes = 3 * 1024 * 1024;
    raster.reserve(rasterBytes * 3);
    while (raster.size() < rasterBytes * 3) raster += "FF ";
    f.dlg->AddOperationRecord(raster);
    DialogFixture::ProcessEvents();
    ASSERT_EQ(f.RowCount(), 1);
    EXPECT_LE(f.CellText(0, CONTENT).size(), CRecordsModel::SHOWN_CHARS + 1);
    EXPECT_TRUE(f.CellText(0, TIPS).startsWith(QStringLiteral("GS v 0 00 30 00")));
    f.prompts.savePaths = {dir.filePath("big.txt")};
    f.Click(IDC_RECORDS_SAVE);
    const QByteArray saved = ReadFile(dir.filePath("big.txt"));
    EXPECT_EQ(static_cast<size_t>(saved.size()), raster.size() + 2);
    EXPECT_TRUE(saved.endsWith("FF \r\n"));
}

} // namespace
