// The send panel (text and hex modes, Send, Print, Save, Import, Send text) and the
// receive panel (both forms, Clear, the bound on what it keeps).

#include "PanelFixture.h"

#include "CommandEdit.h"
#include "HelpTip.h"
#include "HexText.h"
#include "RecordsModel.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <iostream>
#include <random>

using namespace ids;

namespace {

CCommandEdit* SendEdit(PanelFixture& f) {
    return f.As<CCommandEdit>(IDC_SEND_EDIT);
}

void TypeSend(PanelFixture& f, const QString& text) {
    CCommandEdit* edit = SendEdit(f);
    edit->setFocus();
    for (QChar c : text) {
        if (c == QLatin1Char('\n'))
            QTest::keyClick(edit, Qt::Key_Return);
        else
            QTest::keyClicks(edit, QString(c));
    }
}

QString ReceiveText(PanelFixture& f) {
    return f.As<QPlainTextEdit>(IDC_RECEIVE_EDIT)->toPlainText();
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(content);
    return file.fileName();
}

TEST(SendPanel, TextModeSendsLineBreaksAsCrLfAndConvertsToHex) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    TypeSend(f, "AB\nC");
    f.Click(IDC_SEND);
    EXPECT_EQ(Hex(f.peer.WaitBytes(5)), "41 42 0D 0A 43 ");
    EXPECT_EQ(f.Rows(), std::vector<std::string>{"41 42 0D 0A 43 "});

    f.Click(IDC_SEND_CLEAR);
    TypeSend(f, "AB");
    f.Click(IDC_SEND_HEX);
    EXPECT_EQ(SendEdit(f)->toPlainText(), "41 42 ");
    EXPECT_TRUE(SendEdit(f)->HexMode());
    f.Click(IDC_SEND_HEX);
    EXPECT_EQ(SendEdit(f)->toPlainText(), "AB");
    EXPECT_FALSE(SendEdit(f)->HexMode());
}

TEST(SendPanel, HexModeSendsTheBytesAndSeparatorsAloneSendNothing) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    f.Click(IDC_SEND_HEX);
    TypeSend(f, "1b 4 0A\n00 ff");
    f.Click(IDC_SEND);
    EXPECT_EQ(Hex(f.peer.WaitBytes(5)), "1B 04 0A 00 FF ");
    EXPECT_EQ(f.Rows(), std::vector<std::string>{"1B 04 0A 00 FF "});
    // A zero byte survives the trip to text and back.
    f.Click(IDC_SEND_CLEAR);
    TypeSend(f, "41 00 42");
    f.Click(IDC_SEND_HEX);
    f.Click(IDC_SEND_HEX);
    EXPECT_EQ(SendEdit(f)->toPlainText(), "41 00 42 ");

    f.peer.Forget();
    f.Click(IDC_SEND_CLEAR);
    TypeSend(f, "  \n ");
    f.Click(IDC_SEND);
    f.Click(IDC_SEND_CLEAR);
    f.Click(IDC_SEND); // empty: nothing at all
    EXPECT_TRUE(f.peer.BytesAfterQuiet().empty());
    EXPECT_EQ(f.Rows().size(), 1u);
    EXPECT_TRUE(SendEdit(f)->HexMode()); // Clear and Send keep the mode

    f.Click(IDC_SEND_PRINT);
    EXPECT_EQ(Hex(f.peer.WaitBytes(1)), "0A ");
    EXPECT_EQ(f.Rows().back(), "0A ");
}

// The HEX box converts both ways without losing a byte: every value, alone and in runs,
// and the line-break bytes in every arrangement come back as typed, and Send and Save
// in text mode carry exactly those bytes.
TEST(SendPanel, HexToTextAndBackLosesNoByte) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    QTemporaryDir dir;
    std::vector<uint8_t> all;
    for (int b = 0; b <= 0xFF; ++b) all.push_back(static_cast<uint8_t>(b));
    const std::vector<std::vector<uint8_t>> cases = {
        Bytes({0x0A}), Bytes({0x0D}), Bytes({0xA0}), Bytes({0x0A, 0x0D}),
        Bytes({0x41, 0x0A, 0x0A, 0x0D, 0x0D, 0x0D, 0x0A, 0xA0, 0xA0, 0x42}), all};
    f.Click(IDC_SEND_HEX);
    int saved = 0;
    for (const std::vector<uint8_t>& bytes : cases) {
        const std::string hex = Hex(bytes);
        f.Click(IDC_SEND_CLEAR);
        TypeSend(f, QString::fromLatin1(hex));
        f.Click(IDC_SEND_HEX); // to text
        ASSERT_FALSE(SendEdit(f)->HexMode());
        f.peer.Forget();
        f.Click(IDC_SEND);
        EXPECT_EQ(Hex(f.peer.WaitBytes(bytes.size())), hex);
        EXPECT_EQ(f.Rows().back(), hex);
        const QString file = dir.filePath(QStringLiteral("s%1.txt").arg(saved++));
        f.prompts.savePaths.push_back(file);
        f.Click(IDC_SEND_SAVE);
        EXPECT_EQ(ReadAll(file).toStdString(), hex);
        f.Click(IDC_SEND_HEX); // back to hex
        EXPECT_EQ(SendEdit(f)->toPlainText().toStdString(), hex);
    }
}

TEST(SendPanel, ClosedPortStopsSendPrintAndSendText) {
    PanelFixture f;
    TypeSend(f, "A");
    for (int id : {IDC_SEND, IDC_SEND_PRINT, IDC_SEND_TEXT}) {
        f.dlg->HelpTip().hide();
        f.Click(id);
        EXPECT_EQ(f.TipText(), "Please Open the Port") << id;
    }
    EXPECT_TRUE(f.prompts.requests.empty()); // no file dialog for "Send text"
    EXPECT_TRUE(f.Rows().empty());
    EXPECT_EQ(SendEdit(f)->toPlainText(), "A");
}

TEST(SendPanel, SaveWritesHexTextAndReplacesOnlyWhenComplete) {
    PanelFixture f; // the port stays closed: Save needs none
    QTemporaryDir dir;
    TypeSend(f, "A");
    f.prompts.savePaths.push_back(dir.filePath("a.dat"));
    f.Click(IDC_SEND_SAVE);
    EXPECT_EQ(ReadAll(dir.filePath("a.dat.txt")), "41 ");
    EXPECT_EQ(f.prompts.requests.back().text, "txt Files (*.txt)|*.txt||");

    // An existing file is replaced whole.
    const QString upper = WriteFile(dir, "B.TXT", QByteArray(100, 'x'));
    f.prompts.savePaths.push_back(upper);
    f.Click(IDC_SEND_SAVE);
    EXPECT_EQ(ReadAll(upper), "41 ");

    // Hex mode: the text as typed, line breaks as CR LF.
    f.Click(IDC_SEND_CLEAR);
    f.Click(IDC_SEND_HEX);
    TypeSend(f, "1B  40\n0a");
    f.prompts.savePaths.push_back(dir.filePath("hex.txt"));
    f.Click(IDC_SEND_SAVE);
    EXPECT_EQ(ReadAll(dir.filePath("hex.txt")), "1B  40\r\n0a");

    // A file that cannot be written is reported at the send edit.
    f.prompts.savePaths.push_back(dir.filePath("missing/dir/c.txt"));
    f.Click(IDC_SEND_SAVE);
    EXPECT_EQ(f.TipText(), "Save failed");
    QWidget* edit = SendEdit(f);
    EXPECT_EQ(f.dlg->HelpTip().TipPoint(), edit->mapToGlobal(edit->rect().center()));
    EXPECT_EQ(SendEdit(f)->toPlainText(), "1B  40\n0a");

    // Cancelled: no file.
    f.Click(IDC_SEND_SAVE);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(SendPanel, ImportSkipsCommentsAndRefusesOtherCharacters) {
    PanelFixture f;
    QTemporaryDir dir;
    f.prompts.openPaths.push_back(WriteFile(
        dir, "in.txt", "1B 40 // initialise\r\n\r\n// only a comment\r\n  \r\n1d56 42 01"));
    f.Click(IDC_SEND_IMPORT);
    EXPECT_EQ(f.prompts.requests.back().text, "txt Files (*.txt)|*.txt||");
    EXPECT_EQ(SendEdit(f)->toPlainText(), "1B 40 \n1d56 42 01\n");
    EXPECT_TRUE(SendEdit(f)->HexMode());
    EXPECT_TRUE(f.As<QCheckBox>(IDC_SEND_HEX)->isChecked());

    // A tab before the comment: refused, nothing changes.
    f.Click(IDC_SEND_HEX); // back to text mode
    const QString before = SendEdit(f)->toPlainText();
    for (const QByteArray& bad : {QByteArray("1B 40\n1B\t40 // tab\n"), QByteArray("1B 4G\n"),
                                  QByteArray("\xC3\xA9 // not hex\n")}) {
        f.prompts.openPaths.push_back(WriteFile(dir, "bad.txt", bad));
        f.Click(IDC_SEND_IMPORT);
        ASSERT_EQ(f.prompts.CountMessages(), 1) << bad.toStdString();
        EXPECT_EQ(f.prompts.requests.back().caption, "Note");
        EXPECT_EQ(f.prompts.requests.back().text,
                  "The contents of the file does not meet the hex command mode, the import "
                  "operation is canceled");
        EXPECT_EQ(SendEdit(f)->toPlainText(), before);
        EXPECT_FALSE(SendEdit(f)->HexMode());
        EXPECT_FALSE(f.As<QCheckBox>(IDC_SEND_HEX)->isChecked());
        f.prompts.requests.clear();
    }
    // A tab after the comment mark is part of the comment.
    f.prompts.openPaths.push_back(WriteFile(dir, "ok.txt", "0A //\tfeed\n"));
    f.Click(IDC_SEND_IMPORT);
    EXPECT_EQ(SendEdit(f)->toPlainText(), "0A \n");

    // Saved and imported again, the bytes are the same.
    ASSERT_TRUE(f.OpenPort());
    f.prompts.savePaths.push_back(dir.filePath("round.txt"));
    f.Click(IDC_SEND_SAVE);
    f.Click(IDC_SEND_CLEAR);
    f.prompts.openPaths.push_back(dir.filePath("round.txt"));
    f.Click(IDC_SEND_IMPORT);
    f.Click(IDC_SEND);
    EXPECT_EQ(Hex(f.peer.WaitBytes(1)), "0A ");
}

TEST(ReceivePanel, ShowsBytesInBothFormsOnOneLine) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    f.peer.Send({0x41});
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return ReceiveText(f) == "41 "; }));
    f.peer.Send({0x31, 0x0D, 0x0A});
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return ReceiveText(f) == "41 31 0D 0A "; }))
        << ReceiveText(f).toStdString();
    EXPECT_EQ(f.As<QPlainTextEdit>(IDC_RECEIVE_EDIT)->blockCount(), 1);

    f.Click(IDC_RECEIVE_HEX); // to text: CR LF is one line break
    EXPECT_EQ(ReceiveText(f), "A1\n");
    // A CR LF split between two arrivals is still one line break; zero bytes stay.
    f.peer.Send({0x42, 0x0D});
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return ReceiveText(f).size() == 5; }));
    f.peer.Send({0x0A, 0x00, 0x43});
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return ReceiveText(f).endsWith('C'); }));
    EXPECT_EQ(ReceiveText(f), QString("A1\nB\n") + QChar(0) + "C");
    f.Click(IDC_RECEIVE_HEX);
    EXPECT_EQ(ReceiveText(f), "41 31 0D 0A 42 0D 0A 00 43 ");

    f.Click(IDC_RECEIVE_CLEAR);
    EXPECT_EQ(ReceiveText(f), "");
    f.peer.Send({0x7E});
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return ReceiveText(f) == "7E "; }));
    EXPECT_TRUE(f.Rows().empty()); // receiving records nothing
}

TEST(ReceivePanel, AFloodKeepsOnlyTheNewestBytes) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    constexpr size_t FLOOD = 100 * 1024;
    std::vector<uint8_t> flood(FLOOD);
    for (size_t i = 0; i < FLOOD; ++i) flood[i] = static_cast<uint8_t>('a' + i % 26);
    flood.back() = 'Z';
    f.peer.Send(flood);
    ASSERT_TRUE(PanelFixture::RunUntil([&] { return ReceiveText(f).endsWith("5A "); }, 60000));
    const QString shown = ReceiveText(f);
    // At most 64 KiB of bytes are kept, the newest ones, in order.
    EXPECT_LE(shown.size(), 64 * 1024 * 3);
    EXPECT_GE(shown.size(), 48 * 1024 * 3);
    const size_t kept = static_cast<size_t>(shown.size() / 3);
    EXPECT_EQ(shown.toStdString(), ToHexText(flood.data() + FLOOD - kept, kept));
}

TEST(SendText, TenMebibytesGoOutInOrderWhileTheWindowGoesOn) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    QTemporaryDir dir;
    constexpr size_t SIZE = 10u << 20;
    QByteArray content(static_cast<qsizetype>(SIZE), Qt::Uninitialized);
    std::mt19937 random(7);
    for (char& c : content) c = static_cast<char>(random());
    f.prompts.openPaths.push_back(WriteFile(dir, "big.bin", content));

    // The printer takes nothing for now: the bytes must wait in the transmit buffer
    // while the window goes on.
    f.peer.Pause(true);
    QElapsedTimer timer;
    timer.start();
    f.Click(IDC_SEND_TEXT);
    const qint64 handlerMs = timer.elapsed();
    EXPECT_EQ(f.As<QLineEdit>(IDC_SEND_PATH)->text(), dir.filePath("big.bin"));
    EXPECT_GT(f.dlg->GetTxBuffer().Size(), 0u);
    timer.restart();
    TypeSend(f, "still typing");
    f.Click(IDC_RECEIVE_CLEAR);
    PanelFixture::ProcessEvents(); // rows reach the view
    const qint64 afterMs = timer.elapsed();
    EXPECT_EQ(SendEdit(f)->toPlainText(), "still typing");

    f.peer.Pause(false);
    timer.restart();
    const std::vector<uint8_t> got = f.peer.WaitBytes(SIZE, std::chrono::minutes(3));
    const qint64 drainMs = timer.elapsed();
    ASSERT_EQ(got.size(), SIZE);
    EXPECT_TRUE(std::equal(got.begin(), got.end(), content.begin(),
                           [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); }));
    ASSERT_EQ(f.Rows().size(), 1u);
    EXPECT_EQ(f.Rows()[0].size(), SIZE * 3);
    EXPECT_EQ(f.Rows()[0].substr(0, 30), ToHexText(content.constData(), 10));
    std::cout << "Send text of 10 MiB: handler " << handlerMs << " ms, typing and a click "
              << afterMs << " ms, drain " << drainMs << " ms\n";
}

TEST(SendText, CloseAndQuietLineDropWhatWaitsToBeSent) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    QTemporaryDir dir;
    constexpr size_t SIZE = 1u << 20;
    const QString path = WriteFile(dir, "one.bin", QByteArray(SIZE, 'x'));

    // "Clear-Buf" stops the threads and empties the queue before its own command.
    f.peer.Pause(true);
    f.prompts.openPaths.push_back(path);
    f.Click(IDC_SEND_TEXT);
    EXPECT_GT(f.dlg->GetTxBuffer().Size(), 0u);
    f.Click(IDC_CLEAR_BUFFER);
    EXPECT_EQ(f.dlg->GetTxBuffer().Size(), 0u);
    f.peer.Pause(false);
    const std::string clear = "10 14 08 01 03 14 01 06 02 08 ";
    std::vector<uint8_t> got = f.peer.BytesAfterQuiet();
    EXPECT_LT(got.size(), SIZE);
    ASSERT_GE(got.size(), 10u);
    EXPECT_EQ(Hex(std::vector<uint8_t>(got.end() - 10, got.end())), clear);

    // Closing the port empties it too; nothing is left for the next open.
    f.peer.Forget();
    f.peer.Pause(true);
    f.prompts.openPaths.push_back(path);
    f.Click(IDC_SEND_TEXT);
    f.Click(IDC_COM_OPEN);
    EXPECT_FALSE(f.dlg->IsOpen());
    EXPECT_EQ(f.dlg->GetTxBuffer().Size(), 0u);
    f.peer.Pause(false);
    ASSERT_TRUE(f.OpenPort());
    EXPECT_LT(f.peer.BytesAfterQuiet().size(), SIZE);
}

} // namespace
