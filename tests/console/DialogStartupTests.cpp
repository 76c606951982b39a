#include "tests/console/DialogTestSupport.h"

#include "widgets/HelpTip.h"
#include "widgets/LampButton.h"
#include "pages/Pages.h"
#include "tests/support/PrinterPeer.h"
#include "console/RecordsModel.h"
#include "console/TalvaneApp.h"
#include "eventlog/EventLog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <thread>

using namespace ids;

namespace {

QStringList Items(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

TEST(DialogStartup, ListsEditsAndButtonsHaveTheirDefaults) {
    DialogFixture f;
    CTalvaneDlg& d = *f.dlg;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Talvane"));
    const struct {
        int id;
        QStringList items;
        QString selected;
    } combos[] = {
        {IDC_BAUD_LIST,
         {"9600", "19200", "38400", "56000", "115200", "150000", "300000", "375000", "500000",
          "600000", "750000"},
         "9600"},
        {IDC_HANDSHAKE_LIST, {"None", "RTS/CTS", "Xon/Xoff"}, "None"},
        {IDC_MODEL_LIST, {"58mm", "80mm"}, "58mm"},
        {IDC_FONT_LIST, {"Font1", "Font2", "Font3"}, "Font1"},
        {IDC_ALIGNMENT_LIST, {"Left home", "Center", "Right home"}, "Left home"},
        {IDC_DENSITY_LIST, {"1", "2", "3", "4", "5", "6", "7", "8"}, "4"},
        {IDC_SPEED_LIST, {"low-speed", "middle-speed", "high-speed"}, "high-speed"},
        {IDC_PICTURE_DENSITY,
         {"8-dot single-density", "8-dot double-density", "24-dot single-density",
          "24-dot double-density"},
         "24-dot double-density"},
    };
    for (const auto& c : combos) {
        auto* combo = d.ControlAs<QComboBox>(c.id);
        ASSERT_NE(combo, nullptr) << c.id;
        EXPECT_EQ(Items(combo), c.items) << c.id;
        EXPECT_EQ(combo->currentText(), c.selected) << c.id;
    }
    const struct {
        int id;
        const char* text;
    } edits[] = {{IDC_LINE_SPACING, "33"}, {IDC_LEFT_MARGIN, "0"},    {IDC_RIGHT_MARGIN, "0"},
                 {IDC_CUT_FEED, "254"},    {IDC_FEED_DISTANCE, "33"}, {IDC_BACK_DISTANCE, "33"},
                 {IDC_THRESHOLD, "128"},   {IDC_COORDINATE, "0"},     {IDC_SEND_PATH, ""},
                 {IDC_PICTURE_PATH, ""}};
    for (const auto& e : edits)
        EXPECT_EQ(d.ControlAs<QLineEdit>(e.id)->text(), QString::fromLatin1(e.text)) << e.id;

    EXPECT_TRUE(d.ControlAs<QRadioButton>(IDC_HALF_CUT)->isChecked());
    EXPECT_FALSE(d.ControlAs<QRadioButton>(IDC_FULL_CUT)->isChecked());
    EXPECT_TRUE(d.ControlAs<QRadioButton>(IDC_BIT_IMAGE_MODE)->isChecked());
    EXPECT_FALSE(d.ControlAs<QRadioButton>(IDC_RASTER_MODE)->isChecked());
    EXPECT_TRUE(d.ControlAs<QCheckBox>(IDC_RECEIVE_HEX)->isChecked());
    EXPECT_FALSE(d.ControlAs<QCheckBox>(IDC_SEND_HEX)->isChecked());
    for (int id : {IDC_BOLD, IDC_ITALIC, IDC_DOUBLE_HIGH, IDC_DOUBLE_WIDTH, IDC_UNDERSCORE,
                   IDC_FRAME, IDC_HIGHLIGHT})
        EXPECT_FALSE(d.ControlAs<QCheckBox>(id)->isChecked()) << id;

    auto* com = d.ControlAs<CLampButton>(IDC_COM_OPEN);
    EXPECT_EQ(com->text(), QStringLiteral("COM Open"));
    EXPECT_EQ(com->Shade(), CLampButton::SHADE_RAISED_BLUE);
    EXPECT_FALSE(com->IsLampOn());
    for (int id : {IDC_LAMP_PAPER_END, IDC_LAMP_OVERHEAT, IDC_LAMP_OVERVOLTAGE, IDC_LAMP_PLATEN_UP,
                   IDC_LAMP_CUTTER, IDC_LAMP_BUSY}) {
        auto* lamp = d.ControlAs<CLampButton>(id);
        ASSERT_NE(lamp, nullptr) << id;
        EXPECT_EQ(lamp->Shade(), CLampButton::SHADE_FLAT_GREY);
        EXPECT_FALSE(lamp->IsLampOn());
    }
    EXPECT_FALSE(d.Control(IDC_LAMP_BUSY)->isVisible());
    EXPECT_FALSE(d.findChild<QLabel*>(QStringLiteral("busyNote"))->isVisible());
    EXPECT_FALSE(d.Control(IDC_PREVIEW_HSCROLL)->isVisible());
    EXPECT_FALSE(d.Control(IDC_PREVIEW_VSCROLL)->isVisible());
    EXPECT_EQ(d.PrintableWidth(), CTalvaneDlg::WIDTH_58MM);
    EXPECT_FALSE(d.findChild<QLabel*>(QStringLiteral("logo"))->pixmap().isNull());

    // Records list: empty, with its headings.
    EXPECT_EQ(f.RowCount(), 0);
    const CRecordsModel& m = d.Records();
    EXPECT_EQ(m.headerData(CRecordsModel::COL_CONTENT, Qt::Horizontal, Qt::DisplayRole),
              QStringLiteral("Content"));
    EXPECT_EQ(m.headerData(CRecordsModel::COL_TIPS, Qt::Horizontal, Qt::DisplayRole),
              QStringLiteral("Tips"));
    EXPECT_TRUE(f.prompts.requests.empty());
}

TEST(DialogStartup, EveryControlHasAnAccessibleName) {
    DialogFixture f;
    int controls = 0;
    for (QWidget* w : f.dlg->findChildren<QWidget*>()) {
        if (!w->objectName().startsWith(QLatin1String("ctl"))) continue;
        ++controls;
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    }
    // Every control of the main template is there (pages add theirs).
    EXPECT_GE(controls, 85);
    for (int id = IDC_COM_OPEN; id <= IDC_BACK_DISTANCE; ++id)
        EXPECT_NE(f.dlg->Control(id), nullptr) << id;
}

TEST(DialogStartup, NoVisibleControlCoversAnother) {
    DialogFixture f;
    f.dlg->resize(1280, 800);
    f.dlg->show();
    QApplication::processEvents();
    QWidget* pages = f.dlg->DialogControl(IDC_PAGE_TABS);
    std::vector<QWidget*> shown;
    for (QWidget* w : f.dlg->findChildren<QWidget*>()) {
        if (!w->objectName().startsWith(QLatin1String("ctl")) || !w->isVisible()) continue;
        if (pages && pages->isAncestorOf(w) && w != pages) continue;
        shown.push_back(w);
    }
    ASSERT_GE(shown.size(), 60u);
    for (size_t i = 0; i < shown.size(); ++i) {
        for (size_t j = i + 1; j < shown.size(); ++j) {
            QWidget* a = shown[i];
            QWidget* b = shown[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
            const QRect ra(a->mapTo(f.dlg.get(), QPoint(0, 0)), a->size());
            const QRect rb(b->mapTo(f.dlg.get(), QPoint(0, 0)), b->size());
            EXPECT_FALSE(ra.intersects(rb))
                << a->objectName().toStdString() << " covers " << b->objectName().toStdString();
        }
    }
}

TEST(DialogStartup, SendsNothingAndRecordsNothing) {
    PeerDialog f;
    ASSERT_TRUE(f.peer.Ok());
    CTalvaneDlg& dlg = *f.dlg;
    PrinterPeer& peer = f.peer;
    TestPrompts& prompts = f.prompts;
    EXPECT_FALSE(dlg.IsOpen());
    EXPECT_EQ(dlg.Records().Size(), 0);
    EXPECT_EQ(dlg.TakeSentText(), "");
    EXPECT_TRUE(peer.ReceiveUntilQuiet(std::chrono::milliseconds(100)).empty());
    EXPECT_TRUE(prompts.requests.empty());
    EXPECT_FALSE(dlg.HelpTip().isVisible());
}

TEST(DialogStartup, PortListComesFromTheCommandLinePorts) {
    PrinterPeer a, b;
    ASSERT_TRUE(a.Ok() && b.Ok());
    const StartOptions o =
        ParseCommandLine({"talvane", "--port", QString::fromStdString(a.SlavePath()),
                          "--port=" + QString::fromStdString(b.SlavePath())});
    ASSERT_TRUE(o.error.isEmpty());
    ASSERT_EQ(o.ports.size(), 2u);
    PortMap ports;
    for (const std::string& p : o.ports) ports.AddCommandLinePort(p);
    ScriptedPrompts prompts;
    CTalvaneDlg dlg(&ports);
    auto* list = dlg.ControlAs<QComboBox>(IDC_PORT_LIST);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("COM901 (%1)").arg(a.SlavePath().c_str()));
    EXPECT_EQ(list->itemText(1), QStringLiteral("COM902 (%1)").arg(b.SlavePath().c_str()));
    EXPECT_EQ(list->itemData(0).toInt(), 901);
    EXPECT_EQ(list->itemData(1).toInt(), 902);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_TRUE(prompts.requests.empty());
}

// A machine with serial hardware of its own: the printer given with --port is the one
// selected, so the first "COM Open" opens it and not the machine's first port.
TEST(DialogStartup, ThePrinterNamedOnTheCommandLineIsSelected) {
    PrinterPeer printer;
    ASSERT_TRUE(printer.Ok());
    QTemporaryDir machine;
    ASSERT_TRUE(QDir(machine.path()).mkpath(QStringLiteral("dev")));
    ASSERT_TRUE(QDir(machine.path()).mkpath(QStringLiteral("sys/class/tty/ttyS0")));
    WriteTempFile(machine, QStringLiteral("dev/ttyS0"), {});
    WriteTempFile(machine, QStringLiteral("dev/ttyUSB0"), {});
    WriteTempFile(machine, QStringLiteral("sys/class/tty/ttyS0/type"), "4\n");
    PortMap ports;
    ports.Scan(machine.filePath(QStringLiteral("dev")).toStdString(),
               machine.filePath(QStringLiteral("sys")).toStdString());
    ports.AddCommandLinePort(printer.SlavePath());
    ScriptedPrompts prompts;
    CTalvaneDlg dlg(&ports);
    dlg.show();
    auto* list = dlg.ControlAs<QComboBox>(IDC_PORT_LIST);
    ASSERT_EQ(list->count(), 3);
    EXPECT_TRUE(list->itemText(0).startsWith(QStringLiteral("COM1 (")));
    EXPECT_EQ(list->currentText(), QStringLiteral("COM901 (%1)").arg(printer.SlavePath().c_str()));

    auto* com = dlg.ControlAs<QAbstractButton>(IDC_COM_OPEN);
    QTest::mouseClick(com, Qt::LeftButton, Qt::NoModifier, com->rect().center());
    ASSERT_TRUE(dlg.IsOpen());
    auto* init = dlg.ControlAs<QAbstractButton>(IDC_PRINTER_INIT);
    QTest::mouseClick(init, Qt::LeftButton, Qt::NoModifier, init->rect().center());
    EXPECT_EQ(printer.Receive(2, std::chrono::seconds(5)), (std::vector<uint8_t>{0x1B, 0x40}));

    // Without a --port printer the first port of the list stays the choice.
    PortMap hardwareOnly;
    hardwareOnly.Scan(machine.filePath(QStringLiteral("dev")).toStdString(),
                      machine.filePath(QStringLiteral("sys")).toStdString());
    CTalvaneDlg plain(&hardwareOnly);
    EXPECT_EQ(plain.ControlAs<QComboBox>(IDC_PORT_LIST)->currentIndex(), 0);
}

TEST(DialogStartup, NoPortSaysSoOnce) {
    PortMap empty;
    ScriptedPrompts prompts;
    CTalvaneDlg dlg(&empty);
    ASSERT_EQ(prompts.CountMessages(), 1);
    EXPECT_EQ(prompts.requests[0].text, QStringLiteral("本计算机上没有发现可用串口"));
    EXPECT_EQ(prompts.requests[0].icon, Prompts::Information);
    EXPECT_EQ(dlg.ControlAs<QComboBox>(IDC_PORT_LIST)->currentIndex(), -1);
}

TEST(DialogStartup, CommandLineOptions) {
    EXPECT_TRUE(ParseCommandLine({"talvane", "--help"}).help);
    EXPECT_TRUE(ParseCommandLine({"talvane", "--version"}).version);
    EXPECT_EQ(ParseCommandLine({"talvane", "--screenshot", "x.png"}).screenshot, "x.png");
    EXPECT_FALSE(ParseCommandLine({"talvane", "--port"}).error.isEmpty());
    EXPECT_FALSE(ParseCommandLine({"talvane", "--bogus"}).error.isEmpty());
    EXPECT_TRUE(UsageText().contains(QStringLiteral("xvfb-run")));
}

TEST(DialogStartup, ACommandWhilePortClosedWarnsAtTheComButton) {
    DialogFixture f;
    f.dlg->AddOperationRecord("1B 40 ");
    f.Click(IDC_RECORDS_RESEND);
    const CHelpTip& tip = f.dlg->HelpTip();
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.Text(), QStringLiteral("Please Open the Port"));
    QWidget* com = f.dlg->Control(IDC_COM_OPEN);
    EXPECT_EQ(tip.TipPoint(), com->mapToGlobal(com->rect().center()));
    EXPECT_TRUE(f.dlg->WarnIfPortClosed());
    EXPECT_EQ(f.dlg->TakeSentText(), "");
}

TEST(DialogStartup, EnterNeverClosesAndQuitAsksFirst) {
    DialogFixture f;
    CTalvaneDlg& d = *f.dlg;
    auto* spacing = d.ControlAs<QLineEdit>(IDC_LINE_SPACING);
    spacing->setFocus();
    QTest::keyClick(spacing, Qt::Key_Return);
    QTest::keyClick(&d, Qt::Key_Enter);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(f.prompts.CountMessages(), 0);

    f.prompts.answers = {Prompts::Cancel};
    QTest::keyClick(&d, Qt::Key_Escape);
    ASSERT_EQ(f.prompts.CountMessages(), 1);
    EXPECT_EQ(f.prompts.requests[0].text, QStringLiteral("Are you sure to quit?"));
    EXPECT_EQ(f.prompts.requests[0].caption, QStringLiteral("Note"));
    EXPECT_EQ(f.prompts.requests[0].buttons, Prompts::OkCancel);
    EXPECT_TRUE(d.isVisible());

    f.prompts.answers = {Prompts::Cancel};
    EXPECT_FALSE(d.close()); // the close box
    EXPECT_TRUE(d.isVisible());

    f.prompts.answers = {Prompts::Ok};
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(f.prompts.CountMessages(), 3);
}

// Quitting with the port open closes it as Close COM would, and the event log says so.
TEST(DialogStartup, QuittingWithThePortOpenLogsItsClose) {
    PeerDialog f;
    ASSERT_TRUE(f.OpenPort());
    const size_t before = eventlog::EventLog::Instance().Recent().size();
    f.Quit();
    std::vector<std::string> lines;
    const auto recent = eventlog::EventLog::Instance().Recent();
    for (size_t i = before; i < recent.size(); ++i) lines.push_back(recent[i].text);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("COM901 closed as the console quit") != std::string::npos;
    })) << ::testing::PrintToString(lines);
}

TEST(DialogStartup, TabsShowOnePageAtATime) {
    DialogFixture f;
    auto* tabs = f.dlg->ControlAs<QTabWidget>(IDC_PAGE_TABS);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Barcode"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Two-dimensional code"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Label/BM"));
    QWidget* pages[] = {f.dlg->findChild<CBarcode*>(), f.dlg->findChild<C2DCode*>(),
                        f.dlg->findChild<CLayOut*>()};
    auto visiblePages = [&] {
        QList<int> shown;
        for (int i = 0; i < 3; ++i)
            if (pages[i]->isVisible()) shown << i;
        return shown;
    };
    EXPECT_EQ(visiblePages(), QList<int>{0});
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(2).center());
    DialogFixture::ProcessEvents();
    EXPECT_EQ(visiblePages(), QList<int>{2});
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
    DialogFixture::ProcessEvents();
    EXPECT_EQ(visiblePages(), QList<int>{1});
}

// The engine's threads post; the dialog handles each message on its own thread, in
// the order posted.
TEST(DialogMessages, PostedMessagesArriveInOrderOnTheUiThread) {
    DialogFixture f;
    constexpr uint32_t TEST_MSG = 0x7F00;
    constexpr int COUNT = 2000;
    std::vector<intptr_t> seen;
    bool onUiThread = true;
    const std::thread::id ui = std::this_thread::get_id();
    f.dlg->OnMessage(TEST_MSG, [&](uintptr_t w, intptr_t l) {
        onUiThread = onUiThread && std::this_thread::get_id() == ui && w == 7;
        seen.push_back(l);
    });
    std::thread poster([&] {
        for (int i = 0; i < COUNT; ++i) PostMessage(f.dlg->WindowHandle(), TEST_MSG, 7, i);
    });
    poster.join();
    for (int i = 0; i < 50 && static_cast<int>(seen.size()) < COUNT; ++i) QTest::qWait(10);
    ASSERT_EQ(static_cast<int>(seen.size()), COUNT);
    for (int i = 0; i < COUNT; ++i) ASSERT_EQ(seen[i], i);
    EXPECT_TRUE(onUiThread);
    // The dialog is the owner of the printer's and the port's notifications.
    EXPECT_EQ(f.dlg->GetOwnerWindow(), f.dlg->WindowHandle());
    EXPECT_TRUE(IsWindow(f.dlg->WindowHandle()));
    HWND gone = f.dlg->WindowHandle();
    f.dlg.reset();
    EXPECT_FALSE(IsWindow(gone));
    EXPECT_FALSE(PostMessage(gone, TEST_MSG, 0, 0));
}

} // namespace

namespace {
// The whole window fits a 1280 x 800 screen, with room for a title bar and task bar.
TEST(DialogStartup, WindowFitsA1280By800Screen) {
    DialogFixture f;
    const QSize min = f.dlg->minimumSizeHint();
    std::string groups;
    for (QGroupBox* g : f.dlg->findChildren<QGroupBox*>())
        groups += g->title().toStdString() + " " + std::to_string(g->minimumSizeHint().width()) +
                  "x" + std::to_string(g->minimumSizeHint().height()) + "; ";
    EXPECT_LE(min.width(), 1280) << groups;
    EXPECT_LE(min.height(), 740) << groups;
}
} // namespace
