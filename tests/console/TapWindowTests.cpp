// The "Tap" window on the real main dialog, headless: opened from the main window, a
// program in the test writing to the tap's pseudo-terminal and a pseudo-terminal printer
// peer the test answers, the rows, the receipt and the summary it shows, Stop releasing
// both ends, what Save keeps, bad ends refused with a message, and `--tap`.
#include "console/RecordsModel.h"
#include "tests/support/ProgramEnd.h"
#include "console/TalvaneApp.h"
#include "console/RecordDecoder.h"
#include "console/TapSaving.h"
#include "console/TapWindow.h"
#include "tap/CaptureFile.h"
#include "tests/support/ConsoleDialog.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

constexpr uint8_t DLE = 0x10, EOT = 0x04, ESC = 0x1B, GS = 0x1D, LF = 0x0A;
// A small receipt (it fits a pseudo-terminal's buffer many times over), cut, then the
// printer status request the test answers and a paper sensor request it leaves unanswered.
const std::vector<uint8_t> RECEIPT = {ESC, '@', 'T', 'a', 'p', ' ', 't', 'e', 's', 't', LF,
                                      ESC, 'a', 1, 'o', 'k', LF, GS, 'V', 66, 0};
const std::vector<uint8_t> STATUS_REQUEST = {DLE, EOT, 1};
const std::vector<uint8_t> SENSOR_REQUEST = {DLE, EOT, 4};
constexpr uint8_t STATUS_ONLINE = 0x12;

// The program's end of the tap's terminal, as a program opens its printer's port.
int OpenProgram(const std::string& path, speed_t speed = B115200) {
    return OpenProgramEnd(path, speed);
}

bool Exists(const QString& path) {
    struct stat st{};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The main dialog on a pseudo-terminal printer (its only port) with its tap window.
struct TapDialog : PeerHolder, ConsoleDialog {
    TapDialog() : ConsoleDialog(peer.SlavePath()) { link = folder.filePath(QStringLiteral("ttyPOS")); }

    TapWindow* Window() const { return TapWindow::Of(dlg.get()); }
    QWidget* TapControl(int id) const { return hands::ControlIn(Window(), id); }
    template <typename T> T* TapAs(int id) const { return qobject_cast<T*>(TapControl(id)); }
    void Opens() {
        QTest::keyClick(dlg.get(), Qt::Key_T, Qt::ControlModifier);
        ProcessEvents();
    }
    // The program side at the test's link, the printer the list's peer, then Start.
    void StartOnPeer() {
        Opens();
        hands::Retype(TapControl(TapWindow::IDC_PROGRAM_ADDRESS), link);
        auto* printer = TapAs<QComboBox>(TapWindow::IDC_PRINTER);
        hands::Choose(printer, printer->findData(QString::fromStdString(peer.SlavePath())));
        hands::Click(TapControl(TapWindow::IDC_START));
    }
    // Texts of the rows of `direction`, in order.
    std::vector<std::string> Texts(tap::Direction direction) const {
        std::vector<std::string> texts;
        const TapRowsModel& rows = Window()->Rows();
        for (int i = 0; i < rows.rowCount(); ++i)
            if (rows.RowAt(i).row.direction == direction) texts.push_back(rows.RowAt(i).row.text);
        return texts;
    }
    bool HasRow(const std::string& text) const {
        const TapRowsModel& rows = Window()->Rows();
        for (int i = 0; i < rows.rowCount(); ++i)
            if (rows.RowAt(i).row.text.find(text) != std::string::npos) return true;
        return false;
    }

    QTemporaryDir folder;
    QString link;
};

// A passive tap: the tap cable's two receive lines, both from the port list.
struct ProgramLineHolder {
    PrinterPeer programLine;
};
struct PassiveDialog : PeerHolder, ProgramLineHolder, ConsoleDialog {
    PassiveDialog()
        : ConsoleDialog(peer.SlavePath(), {},
                        [this](PortMap& ports) { ports.AddCommandLinePort(programLine.SlavePath()); }) {}
};

// A capture read back through the tap's own conversation, as `talvane-cli decode` does.
std::vector<tap::Row> Replay(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray content = file.readAll();
    const tap::CaptureRead read = tap::ReadCapture(std::string_view(content.constData(), content.size()));
    EXPECT_TRUE(read.ok) << "line " << read.badLine;
    std::vector<tap::Row> rows;
    const tap::Clock::time_point start{};
    tap::Conversation conversation([&](const tap::Row& r) { rows.push_back(r); }, start);
    for (const tap::CaptureEvent& e : read.events) {
        const auto at = start + std::chrono::microseconds(e.atUs);
        conversation.Tick(at);
        if (e.kind == '>') conversation.FromProgram(e.bytes.data(), e.bytes.size(), at);
        if (e.kind == '<') conversation.FromPrinter(e.bytes.data(), e.bytes.size(), at);
        if (e.kind == '!' && e.text == tap::NOTE_SESSION_ENDED) conversation.Finish(at);
    }
    return rows;
}

std::vector<std::string> TextsOf(const std::vector<tap::Row>& rows, tap::Direction direction) {
    std::vector<std::string> texts;
    for (const tap::Row& r : rows)
        if (r.direction == direction) texts.push_back(r.text);
    return texts;
}

} // namespace

TEST(TapWindow, OpensFromTheMainWindowWithItsOwnPortListAndLeavesTheMainWindowAlone) {
    TapDialog d;
    ASSERT_TRUE(d.peer.Ok());
    ASSERT_NE(d.Window(), nullptr);
    EXPECT_FALSE(d.Window()->isVisible()) << "closed until asked for";
    d.Opens();
    ASSERT_TRUE(d.Window()->isVisible());
    EXPECT_EQ(d.Window()->windowTitle(), QStringLiteral("Tap"));
    auto* printer = d.TapAs<QComboBox>(TapWindow::IDC_PRINTER);
    ASSERT_NE(printer, nullptr);
    EXPECT_GE(printer->findData(QString::fromStdString(d.peer.SlavePath())), 0)
        << "the printer is chosen from the main window's port list";
    EXPECT_FALSE(d.dlg->IsOpen());
    EXPECT_FALSE(d.TapControl(TapWindow::IDC_STOP)->isEnabled());
    EXPECT_FALSE(d.TapControl(TapWindow::IDC_SAVE_CAPTURE)->isEnabled()) << "nothing to save yet";

    // The kinds of program side: a listener's address, a passive tap's line from the list.
    auto* address = d.TapAs<QLineEdit>(TapWindow::IDC_PROGRAM_ADDRESS);
    EXPECT_EQ(address->text(), QStringLiteral("/tmp/ttyPOS"));
    hands::Choose(d.TapControl(TapWindow::IDC_PROGRAM_KIND), TapWindow::LISTENER);
    EXPECT_EQ(address->text(), QStringLiteral("127.0.0.1:9100"));
    hands::Choose(d.TapControl(TapWindow::IDC_PROGRAM_KIND), TapWindow::PASSIVE);
    EXPECT_FALSE(address->isVisible());
    EXPECT_TRUE(d.TapControl(TapWindow::IDC_PROGRAM_LINE)->isVisible());
}

// Two printers listed; the operator chose the second in the main window: the tap offers
// that one, not the list's first entry.
TEST(TapWindow, OffersThePrinterTheMainWindowHasChosen) {
    PrinterPeer first;
    PrinterPeer chosen;
    ASSERT_TRUE(first.Ok() && chosen.Ok());
    ConsoleDialog d(chosen.SlavePath(), {},
                    [&](PortMap& ports) { ports.AddCommandLinePort(first.SlavePath()); });
    auto* ports = d.As<QComboBox>(ids::IDC_PORT_LIST);
    ASSERT_EQ(ports->count(), 2);
    d.Choose(ids::IDC_PORT_LIST, 1);
    QTest::keyClick(d.dlg.get(), Qt::Key_T, Qt::ControlModifier);
    ConsoleDialog::ProcessEvents();
    TapWindow* window = TapWindow::Of(d.dlg.get());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    auto* printer = qobject_cast<QComboBox*>(hands::ControlIn(window, TapWindow::IDC_PRINTER));
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->currentData().toString().toStdString(), chosen.SlavePath());
}

TEST(TapWindow, ShowsTheConversationAndTheReceiptAndStopReleasesBothEnds) {
    TapDialog d;
    ASSERT_TRUE(d.peer.Ok());
    d.StartOnPeer();
    TapWindow& w = *d.Window();
    ASSERT_TRUE(w.Running()) << d.prompts.MessageTexts().join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(d.TapControl(TapWindow::IDC_START)->isEnabled());
    ASSERT_TRUE(Exists(d.link));

    const int program = OpenProgram(d.link.toStdString());
    ASSERT_GE(program, 0);
    ASSERT_TRUE(WriteAll(program, RECEIPT));
    ASSERT_TRUE(WriteAll(program, STATUS_REQUEST));
    const std::vector<uint8_t> sent = Concat({RECEIPT, STATUS_REQUEST});
    EXPECT_EQ(d.peer.WaitBytes(sent.size(), 20s), sent) << "the bytes reach the printer exactly";
    ASSERT_TRUE(d.peer.Send({STATUS_ONLINE}));
    EXPECT_EQ(ReadSome(program, 1, 20s), std::vector<uint8_t>{STATUS_ONLINE}) << "the answer reaches the program";
    ASSERT_TRUE(WriteAll(program, SENSOR_REQUEST));

    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return d.HasRow("no answer within"); }, 20000));
    const std::vector<std::string> commands = d.Texts(tap::Direction::ToPrinter);
    const std::vector<std::string> expected = {"ESC @", "Tap test", "LF", "ESC a 01", "ok", "LF",
                                               "GS V 42 00", "DLE EOT 01", "DLE EOT 04"};
    ASSERT_EQ(commands.size(), expected.size()) << ::testing::PrintToString(commands);
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NE(commands[i].find(expected[i]), std::string::npos) << i << ": " << commands[i];
    const std::vector<std::string> replies = d.Texts(tap::Direction::ToProgram);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_NE(replies[0].find("online"), std::string::npos) << replies[0];
    EXPECT_NE(replies[0].find("DLE EOT 1"), std::string::npos) << replies[0];

    // The unanswered request is marked on its row and counted in the summary.
    const TapRowsModel& rows = w.Rows();
    int alertRow = -1;
    for (int i = 0; i < rows.rowCount(); ++i)
        if (rows.RowAt(i).row.alerts != 0) alertRow = i;
    ASSERT_GE(alertRow, 0);
    EXPECT_EQ(rows.index(alertRow, TapRowsModel::ALERTS).data().toString(), QStringLiteral("!! no answer"));
    EXPECT_TRUE(rows.index(alertRow, TapRowsModel::TEXT).data(Qt::BackgroundRole).isValid());
    EXPECT_FALSE(rows.index(0, TapRowsModel::TEXT).data(Qt::BackgroundRole).isValid());
    EXPECT_TRUE(ConsoleDialog::RunUntil([&] { return w.SummaryText().contains(QStringLiteral("1 no answer")); }))
        << w.SummaryText().toStdString();

    // The receipt grows beside the rows and ends at the cut.
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] {
        return !w.Receipts().receipts.empty() && w.Receipts().receipts.front().finished;
    }, 20000));
    EXPECT_GT(w.Receipts().receipts.front().paper->Height(), 0);
    EXPECT_FALSE(d.dlg->IsOpen()) << "the main window's port is not the tap's";

    ::close(program);
    hands::Click(d.TapControl(TapWindow::IDC_STOP));
    EXPECT_FALSE(w.Running());
    EXPECT_FALSE(Exists(d.link)) << "the program's terminal goes with the session";
    EXPECT_TRUE(d.TapControl(TapWindow::IDC_START)->isEnabled());
    EXPECT_TRUE(w.SummaryText().startsWith(QStringLiteral("summary: 27 bytes to the printer in 9 commands")))
        << w.SummaryText().toStdString();
    // The printer's port is free again: the main window opens it.
    EXPECT_TRUE(d.OpenPort());
}

TEST(TapWindow, StopSaysWhatThePrinterNeverTook) {
    TapDialog d;
    ASSERT_TRUE(d.peer.Ok());
    d.peer.Pause(true);
    d.StartOnPeer();
    TapWindow& w = *d.Window();
    ASSERT_TRUE(w.Running()) << d.prompts.MessageTexts().join(QLatin1Char('\n')).toStdString();
    const int program = OpenProgram(d.link.toStdString(), B4000000);
    ASSERT_GE(program, 0);
    const std::vector<uint8_t> flood(512 << 10, 'x');
    ASSERT_LT(WriteUntilHeld(program, flood), flood.size()) << "the program was never held back";
    hands::Click(d.TapControl(TapWindow::IDC_STOP));
    ::close(program);
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return !w.Running(); }, 20000));
    EXPECT_TRUE(w.StateText().contains(QStringLiteral("bytes were not delivered to the printer")))
        << w.StateText().toStdString();
    EXPECT_TRUE(w.SummaryText().contains(QStringLiteral("bytes were not delivered to the printer")))
        << w.SummaryText().toStdString();
}

TEST(TapWindow, OpeningASilentPrinterLeavesTheWindowWorkingAndStopReturnsAtOnce) {
    // A network printer that answers no connection: its listen queue is full.
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&at), sizeof at), 0);
    ASSERT_EQ(::listen(listener, 0), 0);
    socklen_t size = sizeof at;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&at), &size);
    std::vector<int> waiting;
    for (int i = 0; i < 3; ++i) {
        waiting.push_back(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
        ::connect(waiting.back(), reinterpret_cast<sockaddr*>(&at), sizeof at);
    }
    std::this_thread::sleep_for(200ms);

    TapDialog d;
    d.Opens();
    TapWindow& w = *d.Window();
    hands::Retype(d.TapControl(TapWindow::IDC_PROGRAM_ADDRESS), d.link);
    hands::Retype(d.TapAs<QComboBox>(TapWindow::IDC_PRINTER)->lineEdit(),
                  QStringLiteral("tcp://127.0.0.1:%1").arg(ntohs(at.sin_port)));
    using Clock = std::chrono::steady_clock;
    std::optional<Clock::time_point> handled;
    Clock::duration stopTook{};
    // While the printer is being opened the window handles events, and Stop is one.
    QTimer::singleShot(300, &w, [&] {
        handled = Clock::now();
        const auto before = Clock::now();
        hands::Click(d.TapControl(TapWindow::IDC_STOP));
        stopTook = Clock::now() - before;
    });
    const auto clicked = Clock::now();
    hands::Click(d.TapControl(TapWindow::IDC_START));
    ASSERT_TRUE(handled.has_value());
    // Opening the printer gives up after 3 s; the timer is due long before.
    EXPECT_LT(*handled - clicked, 2s) << "the window handled nothing while the printer was being opened";
    EXPECT_LT(stopTook, 500ms) << "Stop waited for the printer";
    EXPECT_FALSE(w.Running());
    EXPECT_EQ(d.prompts.CountMessages(), 0) << d.prompts.MessageTexts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(d.TapControl(TapWindow::IDC_START)->isEnabled());
    for (const int fd : waiting) ::close(fd);
    ::close(listener);
}

TEST(TapWindow, SavesACaptureTheReaderReplaysRecordsTheMainWindowResendsAndTheReceipts) {
    TapDialog d;
    ASSERT_TRUE(d.peer.Ok());
    d.StartOnPeer();
    TapWindow& w = *d.Window();
    ASSERT_TRUE(w.Running());
    const int program = OpenProgram(d.link.toStdString());
    ASSERT_GE(program, 0);
    // Two receipts, each ending at its cut.
    const std::vector<uint8_t> sent = Concat({RECEIPT, RECEIPT, STATUS_REQUEST});
    ASSERT_TRUE(WriteAll(program, sent));
    ASSERT_EQ(d.peer.WaitBytes(sent.size(), 20s), sent);
    ASSERT_TRUE(d.peer.Send({STATUS_ONLINE}));
    ASSERT_EQ(ReadSome(program, 1, 20s).size(), 1u);
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return !d.Texts(tap::Direction::ToProgram).empty(); }, 20000));
    ::close(program);
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return d.HasRow(tap::NOTE_PROGRAM_GONE); }, 20000));
    hands::Click(d.TapControl(TapWindow::IDC_STOP));
    ASSERT_FALSE(w.Running());

    // A start that fails loses nothing of the session before it.
    const int shown = w.Rows().rowCount();
    auto* printer = d.TapAs<QComboBox>(TapWindow::IDC_PRINTER);
    const QString chosen = printer->currentText();
    hands::Retype(printer->lineEdit(), d.folder.filePath(QStringLiteral("absent-printer")));
    hands::Click(d.TapControl(TapWindow::IDC_START));
    ASSERT_EQ(d.prompts.CountMessages(), 1);
    d.prompts.requests.clear();
    EXPECT_EQ(w.Rows().rowCount(), shown);
    EXPECT_TRUE(d.TapControl(TapWindow::IDC_SAVE_CAPTURE)->isEnabled());
    EXPECT_TRUE(d.TapControl(TapWindow::IDC_SAVE_RECEIPTS)->isEnabled());
    hands::Retype(printer->lineEdit(), chosen);

    // The capture: the same commands and replies read back.
    const QString capture = d.folder.filePath(QStringLiteral("session"));
    d.prompts.savePaths.push_back(capture);
    hands::Click(d.TapControl(TapWindow::IDC_SAVE_CAPTURE));
    const std::vector<tap::Row> replayed = Replay(capture + QStringLiteral(".txt"));
    EXPECT_EQ(TextsOf(replayed, tap::Direction::ToPrinter), d.Texts(tap::Direction::ToPrinter));
    EXPECT_EQ(TextsOf(replayed, tap::Direction::ToProgram), d.Texts(tap::Direction::ToProgram));

    // The records: the main window imports them and resends the program's bytes.
    const QString records = d.folder.filePath(QStringLiteral("program.txt"));
    d.prompts.savePaths.push_back(records);
    hands::Click(d.TapControl(TapWindow::IDC_SAVE_RECORDS));
    d.prompts.openPaths.push_back(records);
    d.Click(ids::IDC_RECORDS_IMPORT);
    EXPECT_EQ(static_cast<size_t>(d.RowCount()), d.Texts(tap::Direction::ToPrinter).size());
    ASSERT_TRUE(d.OpenPort());
    d.peer.Forget();
    d.Click(ids::IDC_RECORDS_RESEND);
    EXPECT_EQ(d.peer.WaitBytes(sent.size(), 20s), sent);

    // The receipts as pictures of the paper's width, one a receipt.
    d.prompts.savePaths.push_back(d.folder.filePath(QStringLiteral("receipt.png")));
    hands::Click(d.TapControl(TapWindow::IDC_SAVE_RECEIPTS));
    ASSERT_EQ(w.Receipts().receipts.size(), 2u);
    for (const QString& name : {QStringLiteral("receipt-0001.png"), QStringLiteral("receipt-0002.png")}) {
        const QImage saved(d.folder.filePath(name));
        ASSERT_FALSE(saved.isNull()) << name.toStdString();
        EXPECT_GE(saved.width(), CTalvaneDlg::WIDTH_58MM);
        EXPECT_EQ(saved.height(), w.Receipts().receipts.front().paper->Height());
    }
    EXPECT_FALSE(QFile::exists(d.folder.filePath(QStringLiteral("receipt.png"))));
    EXPECT_EQ(d.prompts.CountMessages(), 0) << d.prompts.MessageTexts().join(QLatin1Char('\n')).toStdString();
}

TEST(TapWindow, RefusesBadEndsWithAMessageAndKeepsWhatWasThere) {
    TapDialog d;
    ASSERT_TRUE(d.peer.Ok());
    d.Opens();
    TapWindow& w = *d.Window();
    auto* printer = d.TapAs<QComboBox>(TapWindow::IDC_PRINTER);
    hands::Choose(printer, printer->findData(QString::fromStdString(d.peer.SlavePath())));
    struct Case {
        QString address;
        QString printer; // empty: the peer chosen above
        QString said;
    };
    const QString taken = d.folder.filePath(QStringLiteral("taken"));
    {
        QFile file(taken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("mine");
    }
    const Case cases[] = {
        {d.folder.filePath(QStringLiteral("no-folder/ttyPOS")), {}, QStringLiteral("cannot make the link")},
        {taken, {}, QStringLiteral("exists and is not a symbolic link")},
        {d.link, d.folder.filePath(QStringLiteral("absent-printer")), QStringLiteral("cannot open")},
        {d.link, QStringLiteral("no such port"), QStringLiteral("is not a port of the list")},
    };
    for (const Case& c : cases) {
        d.prompts.requests.clear();
        hands::Retype(d.TapControl(TapWindow::IDC_PROGRAM_ADDRESS), c.address);
        if (!c.printer.isEmpty()) hands::Retype(printer->lineEdit(), c.printer);
        hands::Click(d.TapControl(TapWindow::IDC_START));
        EXPECT_FALSE(w.Running()) << c.address.toStdString();
        ASSERT_EQ(d.prompts.CountMessages(), 1) << c.address.toStdString();
        EXPECT_TRUE(d.prompts.MessageTexts().front().contains(c.said))
            << d.prompts.MessageTexts().front().toStdString();
        EXPECT_TRUE(d.TapControl(TapWindow::IDC_START)->isEnabled());
    }
    EXPECT_FALSE(Exists(d.link)) << "a printer that did not open leaves no link behind";
    QFile kept(taken);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("mine"));
}

// More rows than the window keeps: the newest stay, the summary says how many went,
// and every byte still reaches the printer.
TEST(TapWindow, AFloodOfCommandsKeepsTheRowsBoundedAndSaysSo) {
    TapDialog d;
    ASSERT_TRUE(d.peer.Ok());
    d.StartOnPeer();
    TapWindow& w = *d.Window();
    ASSERT_TRUE(w.Running());
    // A fast line, so the tap may pass the flood on quickly.
    const int program = OpenProgram(d.link.toStdString(), B4000000);
    ASSERT_GE(program, 0);
    const size_t commands = TapRowsModel::MAX_ROWS + TapRowsModel::MAX_ROWS / 2;
    std::vector<uint8_t> flood;
    for (size_t i = 0; i < commands; ++i) flood.insert(flood.end(), {ESC, 'a', static_cast<uint8_t>(i % 3)});
    std::thread writer([&] { WriteAll(program, flood); });
    EXPECT_TRUE(d.peer.WaitForBytes(flood.size(), 60s));
    writer.join();
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] {
        return w.SummaryText().contains(QStringLiteral("%1 commands").arg(commands)) && w.Rows().Dropped() > 0;
    }, 30000)) << w.SummaryText().toStdString();
    ::close(program);
    hands::Click(d.TapControl(TapWindow::IDC_STOP));
    EXPECT_EQ(static_cast<size_t>(w.Rows().rowCount()), TapRowsModel::MAX_ROWS);
    EXPECT_TRUE(w.SummaryText().contains(QStringLiteral("rows dropped from the window"))) << w.SummaryText().toStdString();
    EXPECT_EQ(d.peer.Bytes(), flood);
    // The rows kept are the newest, in order: the oldest went.
    const TapRowsModel& rows = w.Rows();
    EXPECT_EQ(rows.RowAt(rows.rowCount() - 1).row.number, rows.Dropped() + TapRowsModel::MAX_ROWS);
    EXPECT_EQ(rows.RowAt(0).row.number, rows.Dropped() + 1);
}

TEST(TapWindow, ClosingTheWindowStopsTheSession) {
    TapDialog d;
    ASSERT_TRUE(d.peer.Ok());
    d.StartOnPeer();
    ASSERT_TRUE(d.Window()->Running());
    d.Window()->close();
    EXPECT_FALSE(d.Window()->Running());
    EXPECT_FALSE(Exists(d.link));
}

TEST(TapWindow, TheTapOptionOpensTheWindowWithItsSessionRunning) {
    const StartOptions tapped = ParseCommandLine({"talvane", "--tap", "pty:/tmp/x", "COM3"});
    EXPECT_TRUE(tapped.error.isEmpty());
    EXPECT_EQ(tapped.tapProgram, QStringLiteral("pty:/tmp/x"));
    EXPECT_EQ(tapped.tapPrinter, QStringLiteral("COM3"));
    const StartOptions passive = ParseCommandLine({"talvane", "--tap", "passive:/a,/b", "--no-log"});
    EXPECT_TRUE(passive.error.isEmpty()) << passive.error.toStdString();
    EXPECT_TRUE(passive.tapPrinter.isEmpty());
    EXPECT_TRUE(passive.noLog);
    EXPECT_FALSE(ParseCommandLine({"talvane", "--tap", "pty:/tmp/x"}).error.isEmpty());

    // A listener the program reaches over loopback; the printer named by its path.
    TapDialog d;
    ASSERT_TRUE(d.peer.Ok());
    TapWindow& w = *d.Window();
    ASSERT_TRUE(w.StartWith(QStringLiteral("tcp-listen:127.0.0.1:0"), QString::fromStdString(d.peer.SlavePath())));
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(d.TapAs<QComboBox>(TapWindow::IDC_PROGRAM_KIND)->currentIndex(), TapWindow::LISTENER);
    const QString address = w.ProgramAddress();
    const int port = address.section(QLatin1Char(':'), -1).toInt();
    ASSERT_GT(port, 0) << address.toStdString();
    EXPECT_TRUE(w.StateText().contains(address)) << w.StateText().toStdString();
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(socket, reinterpret_cast<const sockaddr*>(&to), sizeof to), 0);
    ASSERT_TRUE(WriteAll(socket, RECEIPT));
    EXPECT_EQ(d.peer.WaitBytes(RECEIPT.size(), 20s), RECEIPT);
    EXPECT_TRUE(ConsoleDialog::RunUntil([&] { return d.HasRow("GS V"); }, 20000));
    ::close(socket);
    w.Stop();

    // With --screenshot, the picture is the tap window with its session running.
    const QString png = d.folder.filePath(QStringLiteral("tap.png"));
    StartOptions shot = ParseCommandLine({"talvane", "--tap", QStringLiteral("pty:") + d.link,
                                          QString::fromStdString(d.peer.SlavePath()), "--screenshot", png});
    ASSERT_TRUE(shot.error.isEmpty());
    QString error;
    ASSERT_TRUE(CTalvaneApp::SaveScreenshot(png, &error, &shot)) << error.toStdString();
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(TapWindow::DEFAULT_WIDTH, TapWindow::DEFAULT_HEIGHT))
        << "the tap window, not the main one";
    EXPECT_FALSE(Exists(d.link)) << "the screenshot's session ends with it";
    shot.tapPrinter = d.folder.filePath(QStringLiteral("absent-printer"));
    EXPECT_FALSE(CTalvaneApp::SaveScreenshot(png, &error, &shot));
    EXPECT_TRUE(error.contains(QStringLiteral("cannot open"))) << error.toStdString();
}

TEST(TapWindow, APassiveTapShowsBothLinesInOrderAndSendsNothing) {
    PassiveDialog d;
    ASSERT_TRUE(d.peer.Ok() && d.programLine.Ok());
    QTest::keyClick(d.dlg.get(), Qt::Key_T, Qt::ControlModifier);
    TapWindow& w = *TapWindow::Of(d.dlg.get());
    hands::Choose(hands::ControlIn(&w, TapWindow::IDC_PROGRAM_KIND), TapWindow::PASSIVE);
    auto* programLine = qobject_cast<QComboBox*>(hands::ControlIn(&w, TapWindow::IDC_PROGRAM_LINE));
    auto* printerLine = qobject_cast<QComboBox*>(hands::ControlIn(&w, TapWindow::IDC_PRINTER));
    hands::Choose(programLine, programLine->findData(QString::fromStdString(d.programLine.SlavePath())));
    hands::Choose(printerLine, printerLine->findData(QString::fromStdString(d.peer.SlavePath())));
    hands::Click(hands::ControlIn(&w, TapWindow::IDC_START));
    ASSERT_TRUE(w.Running()) << d.prompts.MessageTexts().join(QLatin1Char('\n')).toStdString();

    // What the program's TX carried, then the printer's answer on the other line.
    ASSERT_TRUE(d.programLine.Send(Concat({{ESC, '@'}, STATUS_REQUEST})));
    const auto rowsOf = [&](tap::Direction direction) {
        std::vector<std::string> texts;
        for (int i = 0; i < w.Rows().rowCount(); ++i)
            if (w.Rows().RowAt(i).row.direction == direction) texts.push_back(w.Rows().RowAt(i).row.text);
        return texts;
    };
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return rowsOf(tap::Direction::ToPrinter).size() == 2; }, 20000));
    ASSERT_TRUE(d.peer.Send({STATUS_ONLINE}));
    ASSERT_TRUE(ConsoleDialog::RunUntil([&] { return !rowsOf(tap::Direction::ToProgram).empty(); }, 20000));
    int request = -1, answer = -1;
    for (int i = 0; i < w.Rows().rowCount(); ++i) {
        const tap::Row& row = w.Rows().RowAt(i).row;
        if (row.text.find("DLE EOT") != std::string::npos && row.direction == tap::Direction::ToPrinter) request = i;
        if (row.direction == tap::Direction::ToProgram) answer = i;
    }
    ASSERT_GE(request, 0);
    EXPECT_GT(answer, request);
    EXPECT_NE(w.Rows().RowAt(answer).row.text.find("online"), std::string::npos);
    hands::Click(hands::ControlIn(&w, TapWindow::IDC_STOP));
    EXPECT_TRUE(d.peer.BytesAfterQuiet().empty()) << "a passive tap sends nothing";
    EXPECT_TRUE(d.programLine.BytesAfterQuiet().empty());
}

// Saving streams the capture in pieces: a capture longer than a piece comes out whole,
// and its program side as records that name exactly the program's bytes, a command cut
// off where the program went kept as it came.
TEST(TapSaving, LongCapturesAreCopiedWholeAndTheirProgramSideResendsTheSameBytes) {
    QTemporaryDir folder;
    std::string capture = std::string(tap::CAPTURE_MAGIC) + "\n# program: pty test\n";
    std::vector<uint8_t> programBytes;
    int64_t at = 0;
    const auto event = [&](char kind, std::vector<uint8_t> bytes, std::string text = {}) {
        tap::CaptureEvent e;
        e.kind = kind;
        e.atUs = at += 125;
        if (kind == '>') programBytes.insert(programBytes.end(), bytes.begin(), bytes.end());
        e.bytes = std::move(bytes);
        e.text = std::move(text);
        capture += tap::CaptureLine(e);
    };
    for (int i = 0; i < 12000; ++i) event('>', {ESC, '!', static_cast<uint8_t>(i & 0x30), 'a', 'b', 'c', LF});
    event('<', {STATUS_ONLINE});
    event('>', {ESC, 'a'}); // its parameter never came
    event('!', {}, tap::NOTE_PROGRAM_GONE);
    event('>', {'e', 'n', 'd', LF});
    event('!', {}, tap::NOTE_SESSION_ENDED);
    ASSERT_GT(capture.size(), size_t(300) << 10) << "longer than a piece read at once";
    const QString source = folder.filePath(QStringLiteral("source.txt"));
    {
        QFile file(source);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(capture.data(), static_cast<qint64>(capture.size()));
    }

    files::Failure failure;
    const std::string copy = folder.filePath(QStringLiteral("copy.txt")).toStdString();
    ASSERT_TRUE(tapsave::SaveCapture(source.toStdString(), copy, failure)) << failure.text;
    QFile copied(QString::fromStdString(copy));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copied.readAll() == QByteArray::fromStdString(capture));

    const std::string recordsPath = folder.filePath(QStringLiteral("records.txt")).toStdString();
    size_t count = 0;
    ASSERT_TRUE(tapsave::SaveProgramRecords(source.toStdString(), recordsPath, count, failure)) << failure.text;
    QFile recordsFile(QString::fromStdString(recordsPath));
    ASSERT_TRUE(recordsFile.open(QIODevice::ReadOnly));
    const QByteArray content = recordsFile.readAll();
    const records::ImportResult read = records::ParseRecordsFile(std::string_view(content.constData(), content.size()));
    ASSERT_TRUE(read.ok) << "line " << read.badLine;
    EXPECT_EQ(read.records.size(), count);
    std::vector<uint8_t> resent;
    for (const std::string& record : read.records) ASSERT_TRUE(records::AppendRecordBytes(record, resent));
    EXPECT_EQ(resent, programBytes);
    EXPECT_NE(std::find(read.records.begin(), read.records.end(), "1B 61 "), read.records.end())
        << "the cut-off command is a record of its own";

    // Not a capture: refused, and nothing is left where the records would have gone.
    const QString bogus = folder.filePath(QStringLiteral("bogus.txt"));
    {
        QFile file(bogus);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a capture\n");
    }
    const std::string nowhere = folder.filePath(QStringLiteral("nowhere.txt")).toStdString();
    EXPECT_FALSE(tapsave::SaveProgramRecords(bogus.toStdString(), nowhere, count, failure));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(nowhere)));
}

// The rows the window keeps stay bounded under a flood and say what went.
TEST(TapRows, KeepTheLastRowsAndCountTheDroppedOnes) {
    TapRowInbox inbox;
    tap::Row big;
    big.direction = tap::Direction::ToPrinter;
    big.bytes.assign(1000, 0x41);
    big.text = "text";
    for (size_t i = 0; i < TapRowInbox::MAX_WAITING + 5; ++i) {
        big.number = i + 1;
        inbox.Add(big);
    }
    uint64_t missed = 0;
    std::vector<ShownRow> taken = inbox.Take(&missed);
    EXPECT_EQ(taken.size(), TapRowInbox::MAX_WAITING);
    EXPECT_EQ(missed, 5u);
    EXPECT_EQ(taken.front().row.bytes.size(), ShownRow::MAX_SHOWN_BYTES);
    EXPECT_EQ(taken.front().length, 1000u);

    TapRowsModel model;
    model.Append(std::move(taken), missed);
    EXPECT_EQ(static_cast<size_t>(model.rowCount()), TapRowsModel::MAX_ROWS);
    EXPECT_EQ(model.Dropped(), TapRowInbox::MAX_WAITING - TapRowsModel::MAX_ROWS + 5);
    EXPECT_EQ(model.RowAt(model.rowCount() - 1).row.number, TapRowInbox::MAX_WAITING);
    EXPECT_TRUE(model.HexText(0).endsWith(QStringLiteral("... (1000 bytes)"))) << model.HexText(0).toStdString();
    // One more batch pushes the oldest out.
    std::vector<ShownRow> more(3, ShownRow{big, 1});
    more.back().row.number = 99999;
    model.Append(std::move(more));
    EXPECT_EQ(static_cast<size_t>(model.rowCount()), TapRowsModel::MAX_ROWS);
    EXPECT_EQ(model.RowAt(model.rowCount() - 1).row.number, 99999u);
    EXPECT_EQ(model.Dropped(), TapRowInbox::MAX_WAITING - TapRowsModel::MAX_ROWS + 5 + 3);
}
