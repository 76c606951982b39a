// Devices found while the console runs: a USB adapter plugged in is listed, keeps its
// COM number across replugs (known by its by-id link, whatever ttyUSB it comes back
// as), and a lost port is opened again only on its own device.

#include "tests/devices/DeviceDialog.h"

#include "console/PortPanel.h"

#include <QLineEdit>
#include <QTest>
#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>
#include <unistd.h>

using namespace ids;
using namespace std::chrono_literals;

namespace {

constexpr const char* ADAPTER_A = "usb-Acme_Receipt_Printer_A1-if00-port0";
constexpr const char* ADAPTER_B = "usb-Acme_Receipt_Printer_B2-if00-port0";
const std::vector<uint8_t> INIT = {0x1B, 0x40};

TEST(FoundPort, AdapterPluggedInIsListedAndReopenedOnlyWhenItsOwnLinkComesBack) {
    ScannedDialog f;
    ASSERT_TRUE(f.root.Ok());
    // Nothing plugged in at start: the usual message, an empty list.
    EXPECT_EQ(f.prompts.CountMessages(), 1);
    EXPECT_EQ(PortList(f)->count(), 0);

    PrinterPeer* first = f.root.Plug("ttyUSB0", ADAPTER_A);
    ASSERT_TRUE(first);
    ASSERT_TRUE(f.RunUntil([&] { return PortList(f)->count() == 1; }, WAIT_MS));
    EXPECT_EQ(PortList(f)->itemText(0),
              QStringLiteral("COM101 (%1)").arg(Qs(f.root.Path("ttyUSB0"))));
    f.Choose(IDC_PORT_LIST, 0);
    ASSERT_TRUE(f.OpenPort());

    f.root.Unplug("ttyUSB0");
    ASSERT_TRUE(f.RunUntil(
        [&] { return f.TipText() == QStringLiteral("The printer on COM101 is gone (EIO)"); },
        WAIT_MS))
        << f.TipText().toStdString();

    // Another adapter comes as ttyUSB0: a port of its own, and not opened.
    PrinterPeer* other = f.root.Plug("ttyUSB0", ADAPTER_B);
    ASSERT_TRUE(other);
    ASSERT_TRUE(f.RunUntil([&] { return PortList(f)->count() == 2; }, WAIT_MS));
    EXPECT_EQ(PortList(f)->itemText(1),
              QStringLiteral("COM102 (%1)").arg(Qs(f.root.Path("ttyUSB0"))));
    EXPECT_TRUE(PortList(f)->itemText(0).endsWith(QStringLiteral("absent")));
    f.RunUntil([] { return false; }, 400);
    EXPECT_FALSE(f.dlg->IsOpen());

    // The first adapter back as ttyUSB1: its own number, reopened there.
    PrinterPeer* back = f.root.Plug("ttyUSB1", ADAPTER_A);
    ASSERT_TRUE(back);
    ASSERT_TRUE(f.RunUntil([&] { return f.dlg->IsOpen(); }, WAIT_MS));
    EXPECT_EQ(f.dlg->GetPort(), 101u);
    EXPECT_EQ(f.TipText(), QStringLiteral("The printer on COM101 is back: reconnected"));
    EXPECT_EQ(PortList(f)->itemText(0),
              QStringLiteral("COM101 (%1)").arg(Qs(f.root.Path("ttyUSB1"))));
    f.Click(IDC_PRINTER_INIT);
    EXPECT_EQ(back->WaitBytes(INIT.size()), INIT);
    EXPECT_TRUE(other->BytesAfterQuiet(200ms).empty());
}

TEST(FoundPort, SelectedPortIsNamedByItsByIdLinkAndFoundByIt) {
    ScannedDialog f;
    ASSERT_TRUE(f.root.Plug("ttyUSB0", ADAPTER_A));
    ASSERT_TRUE(f.root.Plug("ttyACM0"));
    ASSERT_TRUE(f.RunUntil([&] { return PortList(f)->count() == 2; }, WAIT_MS));
    f.Choose(IDC_PORT_LIST, 0);
    PortPanel* port = f.dlg->PortGroup();
    ASSERT_TRUE(port);
    EXPECT_EQ(port->SelectedDevicePath(), Qs(f.root.ByIdPath(ADAPTER_A)));
    f.Choose(IDC_PORT_LIST, 1);
    EXPECT_EQ(port->SelectedDevicePath(), Qs(f.root.Path("ttyACM0")));
    EXPECT_TRUE(port->SelectDevicePath(Qs(f.root.ByIdPath(ADAPTER_A))));
    EXPECT_EQ(PortList(f)->currentIndex(), 0);
    EXPECT_TRUE(port->SelectDevicePath(Qs(f.root.Path("ttyACM0"))));
    EXPECT_EQ(PortList(f)->currentIndex(), 1);
    EXPECT_FALSE(port->SelectDevicePath(QStringLiteral("/dev/serial/by-id/none")));
    EXPECT_EQ(PortList(f)->currentIndex(), 1);
}

} // namespace

namespace {

void TypeIntoList(ConsoleDialog& f, const QString& text) {
    hands::Retype(PortList(f)->lineEdit(), text);
    QTest::keyClick(PortList(f)->lineEdit(), Qt::Key_Return);
    f.ProcessEvents();
}

TEST(FoundPort, TypedPathIsAddedSelectedAndFollowed) {
    DeviceRoot root;
    ASSERT_TRUE(root.Ok());
    ConsoleDialog f; // no port at all
    ASSERT_EQ(PortList(f)->count(), 0);

    // Not a path: said, nothing added.
    TypeIntoList(f, QStringLiteral("printer"));
    EXPECT_EQ(PortList(f)->count(), 0);
    EXPECT_TRUE(f.TipText().startsWith(QStringLiteral("Type a device path")));

    // A path that does not exist yet: listed, marked, selected; present once it comes.
    const QString path = Qs(root.Path("printer"));
    TypeIntoList(f, path);
    ASSERT_EQ(PortList(f)->count(), 1);
    EXPECT_EQ(PortList(f)->currentIndex(), 0);
    EXPECT_EQ(PortList(f)->currentText(), QStringLiteral("COM901 (%1) \u2013 absent").arg(path));
    PrinterPeer* printer = root.Plug("printer");
    ASSERT_TRUE(printer);
    ASSERT_TRUE(f.RunUntil(
        [&] { return PortList(f)->currentText() == QStringLiteral("COM901 (%1)").arg(path); },
        WAIT_MS));
    ASSERT_TRUE(f.OpenPort());
    f.Click(IDC_PRINTER_INIT);
    EXPECT_EQ(printer->WaitBytes(INIT.size()), INIT);

    // The same path typed again selects its entry instead of adding another.
    TypeIntoList(f, path);
    EXPECT_EQ(PortList(f)->count(), 1);
    TypeIntoList(f, QStringLiteral("tcp://127.0.0.1:9100"));
    ASSERT_EQ(PortList(f)->count(), 2);
    EXPECT_EQ(PortList(f)->currentText(), QStringLiteral("NET1 (127.0.0.1:9100)"));
    TypeIntoList(f, path);
    EXPECT_EQ(PortList(f)->currentIndex(), 0);
}

} // namespace

namespace {

TEST(FoundPort, PathBeingTypedStaysWhenADeviceComes) {
    ScannedDialog f;
    ASSERT_TRUE(f.root.Plug("ttyUSB0", ADAPTER_A));
    ASSERT_TRUE(f.RunUntil([&] { return PortList(f)->count() == 1; }, WAIT_MS));
    QLineEdit* edit = PortList(f)->lineEdit();
    hands::Retype(edit, QStringLiteral("/dev/my-prin"));
    ASSERT_TRUE(edit->hasFocus());
    f.root.Unplug("ttyUSB0"); // the selected entry's text changes to "absent"
    ASSERT_TRUE(f.RunUntil([&] { return PortList(f)->itemText(0).endsWith(QStringLiteral("absent")); },
                           WAIT_MS));
    ASSERT_TRUE(f.root.Plug("ttyACM0")); // and the list is rebuilt with a new entry
    ASSERT_TRUE(f.RunUntil([&] { return PortList(f)->count() == 2; }, WAIT_MS));
    EXPECT_EQ(edit->text(), QStringLiteral("/dev/my-prin"));
}

} // namespace

namespace {

TEST(FoundPort, AbsentEntryIsNotOpenedOnTheAdapterNowAtItsPath) {
    ScannedDialog f;
    ASSERT_TRUE(f.root.Plug("ttyUSB0", ADAPTER_A));
    ASSERT_TRUE(f.RunUntil([&] { return PortList(f)->count() == 1; }, WAIT_MS));
    f.root.Unplug("ttyUSB0");
    PrinterPeer* other = f.root.Plug("ttyUSB0", ADAPTER_B);
    ASSERT_TRUE(other);
    ASSERT_TRUE(f.RunUntil([&] { return PortList(f)->count() == 2; }, WAIT_MS));
    const QString absent = QStringLiteral("COM101 (%1) \u2013 absent").arg(Qs(f.root.Path("ttyUSB0")));
    ASSERT_EQ(PortList(f)->itemText(0), absent);

    f.Choose(IDC_PORT_LIST, 0);
    f.Click(IDC_COM_OPEN);
    EXPECT_FALSE(f.dlg->IsOpen());
    EXPECT_EQ(f.TipText(), QStringLiteral("COM101 is not there"));
    EXPECT_EQ(ComButton(f)->text(), QStringLiteral("COM Open"));
    EXPECT_FALSE(ComButton(f)->IsLampOn());
    f.Click(IDC_PRINTER_INIT);
    EXPECT_EQ(f.TipText(), QStringLiteral("Please Open the Port"));
    EXPECT_TRUE(other->BytesAfterQuiet(200ms).empty());
    EXPECT_TRUE(f.Rows().empty());
    EXPECT_EQ(PortList(f)->currentText(), absent);

    // The adapter's own entry opens it.
    f.Choose(IDC_PORT_LIST, 1);
    ASSERT_TRUE(f.OpenPort());
    EXPECT_EQ(f.dlg->GetPort(), 102u);
    f.Click(IDC_PRINTER_INIT);
    EXPECT_EQ(other->WaitBytes(INIT.size()), INIT);
}

} // namespace

namespace {

// Changes the folder every few milliseconds until it is destroyed, as a busy /tmp does.
class ChurningFolder {
public:
    explicit ChurningFolder(const std::string& folder)
        : thread_([this, folder] {
              const std::string file = folder + "/churn";
              while (!stop_.load()) {
                  std::ofstream(file).put('x');
                  ::unlink(file.c_str());
                  std::this_thread::sleep_for(CHANGE_EVERY);
              }
          }) {}
    ~ChurningFolder() {
        stop_.store(true);
        thread_.join();
    }

private:
    static constexpr auto CHANGE_EVERY = std::chrono::milliseconds(5);
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(FoundPort, ListFollowsAFolderThatNeverStopsChanging) {
    LinkDialog f;
    ASSERT_TRUE(f.root.Ok());
    const QString link = Qs(f.root.Path("printer"));
    ChurningFolder churn(f.root.Dev());
    f.RunUntil([] { return false; }, 300);
    PrinterPeer* printer = f.root.Plug("printer");
    ASSERT_TRUE(printer);
    // The changes never settle; the list still looks within its cap.
    ASSERT_TRUE(f.RunUntil(
        [&] { return PortList(f)->itemText(0) == QStringLiteral("COM901 (%1)").arg(link); },
        WAIT_MS));
    ASSERT_TRUE(f.OpenPort());
    f.root.Unplug("printer");
    ASSERT_TRUE(f.RunUntil([&] { return PortList(f)->itemText(0).endsWith(QStringLiteral("absent")); },
                           WAIT_MS));
}

} // namespace
