// The printer pulled out under an open port: the console says so at once, refuses
// commands as for a closed port, keeps everything the operator had, records nothing
// that did not reach the printer, and opens the port again, as it was, when the same
// printer is back, unless the operator gave up on it meanwhile.

#include "tests/devices/DeviceDialog.h"

#include "console/PortPanel.h"
#include "printer/HexText.h"
#include "printer/VrnxLib.h"

#include <QAbstractButton>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <thread>

using namespace ids;
using namespace std::chrono_literals;

namespace {

const QString PORT_CLOSED = QStringLiteral("Please Open the Port");
constexpr int BAUD_19200_ITEM = 1;
constexpr int XON_XOFF_ITEM = 2;
const std::vector<uint8_t> INIT = {0x1B, 0x40};

TEST(LostPort, PulledPrinterIsSaidAtOnceAndComesBackWithItsSettings) {
    LinkDialog f;
    ASSERT_TRUE(f.root.Ok());
    const QString link = Qs(f.root.Path("printer"));
    // Not there yet: listed, marked; it becomes a plain entry when it comes.
    EXPECT_EQ(PortList(f)->itemText(0), QStringLiteral("COM901 (%1) \u2013 absent").arg(link));
    PrinterPeer* first = f.root.Plug("printer");
    ASSERT_TRUE(first);
    ASSERT_TRUE(f.RunUntil(
        [&] { return PortList(f)->itemText(0) == QStringLiteral("COM901 (%1)").arg(link); },
        WAIT_MS));

    f.Choose(IDC_BAUD_LIST, BAUD_19200_ITEM);
    ASSERT_TRUE(f.OpenPort(XON_XOFF_ITEM));
    f.Click(IDC_PRINTER_INIT);
    EXPECT_EQ(first->WaitBytes(INIT.size()), INIT);
    if (!f.As<QAbstractButton>(IDC_SEND_HEX)->isChecked()) f.Click(IDC_SEND_HEX);
    ASSERT_TRUE(f.As<QAbstractButton>(IDC_SEND_HEX)->isChecked());
    f.Retype(IDC_SEND_EDIT, QStringLiteral("1B 40"));
    const int rows = f.RowCount();

    f.root.Unplug("printer");
    ASSERT_TRUE(f.RunUntil(
        [&] { return f.TipText() == QStringLiteral("The printer on COM901 is gone (EIO)"); },
        WAIT_MS))
        << f.TipText().toStdString();
    EXPECT_FALSE(f.dlg->IsOpen());
    EXPECT_FALSE(ComButton(f)->IsLampOn());
    EXPECT_EQ(ComButton(f)->text(), QStringLiteral("Close COM"));
    EXPECT_TRUE(ComButton(f)->toolTip().contains(QStringLiteral("gone")));

    // Commands meet the closed port's answer and make no row.
    f.Click(IDC_PRINTER_INIT);
    EXPECT_EQ(f.TipText(), PORT_CLOSED);
    f.Click(IDC_SEND);
    EXPECT_EQ(f.TipText(), PORT_CLOSED);
    EXPECT_EQ(f.RowCount(), rows);
    // Edits and settings stay.
    EXPECT_EQ(f.As<QWidget>(IDC_SEND_EDIT)->property("plainText").toString(), QStringLiteral("1B 40"));
    EXPECT_EQ(f.As<QComboBox>(IDC_BAUD_LIST)->currentIndex(), BAUD_19200_ITEM);
    EXPECT_EQ(f.As<QComboBox>(IDC_HANDSHAKE_LIST)->currentIndex(), XON_XOFF_ITEM);
    ASSERT_TRUE(f.RunUntil([&] { return PortList(f)->itemText(0).endsWith(QStringLiteral("absent")); },
                           WAIT_MS));

    // The same path again, a new printer behind it: reopened as it was, nothing sent.
    PrinterPeer* second = f.root.Plug("printer");
    ASSERT_TRUE(second);
    ASSERT_TRUE(f.RunUntil([&] { return f.dlg->IsOpen(); }, WAIT_MS));
    EXPECT_EQ(f.TipText(), QStringLiteral("The printer on COM901 is back: reconnected"));
    EXPECT_TRUE(ComButton(f)->IsLampOn());
    EXPECT_EQ(ComButton(f)->text(), QStringLiteral("Close COM"));
    EXPECT_TRUE(second->BytesAfterQuiet(300ms).empty());
    const PeerLine line = second->Line();
    EXPECT_EQ(line.baud, 19200u);
    EXPECT_TRUE(line.xonOut);
    EXPECT_EQ(f.RowCount(), rows);

    f.Click(IDC_SEND);
    EXPECT_EQ(second->WaitBytes(INIT.size()), INIT);
    EXPECT_EQ(f.RowCount(), rows + 1);
    EXPECT_TRUE(first->Bytes() == INIT); // the first printer got nothing after it went
}

TEST(LostPort, OperatorWhoClosedTheLostPortIsNotReconnected) {
    LinkDialog f;
    ASSERT_TRUE(f.root.Plug("printer"));
    f.dlg->GetTxBuffer(); // nothing: the port is not open yet
    ASSERT_TRUE(f.RunUntil([&] { return !PortList(f)->itemText(0).contains(QStringLiteral("absent")); },
                           WAIT_MS));
    ASSERT_TRUE(f.OpenPort());
    f.root.Unplug("printer");
    ASSERT_TRUE(f.RunUntil([&] { return f.TipText().contains(QStringLiteral("is gone")); }, WAIT_MS));
    f.Click(IDC_COM_OPEN); // the operator gives up on it
    EXPECT_EQ(ComButton(f)->text(), QStringLiteral("Open COM"));
    EXPECT_FALSE(ComButton(f)->IsLampOn());

    PrinterPeer* back = f.root.Plug("printer");
    ASSERT_TRUE(back);
    ASSERT_TRUE(f.RunUntil([&] { return !PortList(f)->itemText(0).contains(QStringLiteral("absent")); },
                           WAIT_MS));
    f.RunUntil([] { return false; }, 500);
    EXPECT_FALSE(f.dlg->IsOpen());
    EXPECT_FALSE(f.TipText().contains(QStringLiteral("reconnected")));

    // Opening it is the operator's to do, and works as ever.
    f.Click(IDC_COM_OPEN);
    EXPECT_TRUE(f.dlg->IsOpen());
    f.Click(IDC_PRINTER_INIT);
    EXPECT_EQ(back->WaitBytes(INIT.size()), INIT);
}

TEST(LostPort, BytesQueuedWhenThePrinterWentAreCountedAsDropped) {
    LinkDialog f;
    PrinterPeer* printer = f.root.Plug("printer");
    ASSERT_TRUE(printer);
    ASSERT_TRUE(f.RunUntil([&] { return !PortList(f)->itemText(0).contains(QStringLiteral("absent")); },
                           WAIT_MS));
    ASSERT_TRUE(f.OpenPort());
    // The printer takes nothing: most of the file waits in the transmit buffer.
    printer->Pause(true);
    QTemporaryDir dir;
    constexpr qsizetype SIZE = 256 * 1024;
    QFile file(dir.filePath(QStringLiteral("big.bin")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(SIZE, 'x'));
    file.close();
    f.prompts.openPaths.push_back(file.fileName());
    f.Click(IDC_SEND_TEXT);
    ASSERT_GT(f.dlg->GetTxBuffer().Size(), 0u);

    f.root.Unplug("printer");
    ASSERT_TRUE(f.RunUntil([&] { return f.TipText().contains(QStringLiteral("is gone")); }, WAIT_MS));
    const QRegularExpression count(QStringLiteral("\\n(\\d+) bytes waiting to be sent were dropped, not sent\\.$"));
    const auto match = count.match(f.TipText());
    ASSERT_TRUE(match.hasMatch()) << f.TipText().toStdString();
    const qlonglong dropped = match.captured(1).toLongLong();
    EXPECT_GT(dropped, 0);
    EXPECT_LE(dropped, SIZE);
    // What reached the terminal before it went, and what was dropped, make the file.
    EXPECT_LE(static_cast<qlonglong>(printer->Count()) + dropped, SIZE);
    EXPECT_EQ(f.dlg->GetTxBuffer().Size(), 0u);
}

} // namespace

namespace {

TEST(LostPort, CommandBeforeTheConsoleHeardOfTheLossIsRefusedWithoutARow) {
    LinkDialog f;
    PrinterPeer* printer = f.root.Plug("printer");
    ASSERT_TRUE(printer);
    ASSERT_TRUE(f.RunUntil([&] { return !PortList(f)->itemText(0).contains(QStringLiteral("absent")); },
                           WAIT_MS));
    ASSERT_TRUE(f.OpenPort());
    const int rows = f.RowCount();
    f.root.Unplug("printer");
    // The engine has seen it; its notice still waits in the event queue.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(WAIT_MS);
    while (!f.dlg->DeviceVanished() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ASSERT_TRUE(f.dlg->DeviceVanished());
    ASSERT_TRUE(f.dlg->IsOpen());
    EXPECT_FALSE(f.dlg->Issue([](CVRNX_LIB& p) { p.InitPrinter(); }));
    EXPECT_EQ(f.TipText(), PORT_CLOSED);
    EXPECT_EQ(f.RowCount(), rows);
    ASSERT_TRUE(f.RunUntil([&] { return f.TipText().contains(QStringLiteral("is gone")); }, WAIT_MS));
}

} // namespace

namespace {

TEST(LostPort, PrinterBackBeforeTheGoneNoticeIsServedIsOpenedAgain) {
    LinkDialog f;
    PrinterPeer* first = f.root.Plug("printer");
    ASSERT_TRUE(first);
    ASSERT_TRUE(f.RunUntil([&] { return !PortList(f)->itemText(0).contains(QStringLiteral("absent")); },
                           WAIT_MS));
    ASSERT_TRUE(f.OpenPort());
    // Another printer takes the path while the port still holds the first one, and the
    // list settles on it: no change in the folder is left to be seen when the first
    // one's hang-up is served.
    PrinterPeer* second = f.root.Plug("printer");
    ASSERT_TRUE(second);
    f.RunUntil([] { return false; }, 600);
    ASSERT_TRUE(f.dlg->IsOpen());
    first->CloseMaster();

    ASSERT_TRUE(f.RunUntil([&] { return f.TipText().contains(QStringLiteral("is gone")); }, WAIT_MS));
    ASSERT_TRUE(f.RunUntil([&] { return f.dlg->IsOpen(); }, WAIT_MS)) << f.TipText().toStdString();
    EXPECT_TRUE(f.TipText().endsWith(QStringLiteral("The printer on COM901 is back: reconnected")))
        << f.TipText().toStdString();
    EXPECT_TRUE(ComButton(f)->IsLampOn());
    EXPECT_FALSE(f.dlg->PortGroup()->IsPortLost());
    EXPECT_TRUE(second->BytesAfterQuiet(300ms).empty());
    f.Click(IDC_PRINTER_INIT);
    EXPECT_EQ(second->WaitBytes(INIT.size()), INIT);
}

} // namespace
