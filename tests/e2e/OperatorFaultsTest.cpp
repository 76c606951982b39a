// What a newcomer meets first, against the vprinter process: the printer given with
// --port is the port that opens, Enter in any control prints nothing, the preview
// reaches the picture's last dots, and the status lamps light red and say so to
// assistive technology.
#include "ConsoleFixture.h"

#include "LampButton.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace ids;

namespace {

constexpr int TWO_D_PAGE = 1;
constexpr int TWO_D_STYLE = 1100;

QString Accessible(QWidget* w, QAccessible::Text which) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(which) : QStringLiteral("<none>");
}

// A machine with a serial port and a USB adapter of its own, listed before the printer.
class NewcomerConsole : public ConsoleFixture {
protected:
    void ListMachinePorts(PortMap& map) override {
        ASSERT_TRUE(QDir(machine.path()).mkpath(QStringLiteral("dev")));
        ASSERT_TRUE(QDir(machine.path()).mkpath(QStringLiteral("sys/class/tty/ttyS0")));
        for (const char* name : {"dev/ttyS0", "dev/ttyUSB0"}) {
            QFile device(machine.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(device.open(QIODevice::WriteOnly));
        }
        QFile type(machine.filePath(QStringLiteral("sys/class/tty/ttyS0/type")));
        ASSERT_TRUE(type.open(QIODevice::WriteOnly));
        type.write("4\n");
        type.close();
        map.Scan(machine.filePath(QStringLiteral("dev")).toStdString(),
                 machine.filePath(QStringLiteral("sys")).toStdString());
        ASSERT_EQ(map.Entries().size(), 2u);
    }

    // Return and Enter in every edit, list and button of every page and sub-page.
    int PressEnterEverywhere() {
        auto* tabs = qobject_cast<QTabWidget*>(DialogControl(IDC_PAGE_TABS));
        int pressed = 0;
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            auto* style = page == TWO_D_PAGE ? qobject_cast<QComboBox*>(PageControl(
                                                   tabs->widget(page), TWO_D_STYLE))
                                             : nullptr;
            for (int sub = 0; sub < (style ? style->count() : 1); ++sub) {
                if (style) style->setCurrentIndex(sub);
                ProcessEvents();
                for (QWidget* w : dlg->findChildren<QWidget*>()) {
                    if (!w->isVisible() || !w->isEnabled()) continue;
                    if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w) &&
                        !qobject_cast<QComboBox*>(w) && !qobject_cast<QAbstractButton*>(w))
                        continue;
                    w->setFocus();
                    QTest::keyClick(w, Qt::Key_Return);
                    QTest::keyClick(w, Qt::Key_Enter);
                    ++pressed;
                }
            }
        }
        tabs->setCurrentIndex(0);
        ProcessEvents();
        return pressed;
    }

    QTemporaryDir machine;
};

TEST_F(NewcomerConsole, FirstComOpenOpensThePrinterGivenOnTheCommandLine) {
    auto* list = qobject_cast<QComboBox*>(DialogControl(IDC_PORT_LIST));
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentText(), QStringLiteral("COM901 (%1)").arg(printer->DevicePath()));
    // The printer answers: the port the fixture's one click opened is the printer's.
    EXPECT_TRUE(Handshake());
}

TEST_F(NewcomerConsole, EnterAnywherePrintsNothing) {
    const size_t rows = dlg->Records().Rows().size();
    const int receipts = static_cast<int>(printer->Receipts().size());
    EXPECT_GT(PressEnterEverywhere(), 80);
    EXPECT_EQ(dlg->Records().Rows().size(), rows);
    EXPECT_TRUE(prompts.requests.empty());
    for (QPushButton* button : dlg->findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
    // Nothing reached the paper.
    EXPECT_TRUE(NewReceipts(receipts).empty());
}

TEST_F(NewcomerConsole, PreviewBarsReachTheLastColumnAndRow) {
    constexpr int W = 800, H = 600;
    QImage picture(W, H, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < H; ++y) picture.setPixel(W - 1, y, qRgb(0, 0, 0));
    for (int x = 0; x < W; ++x) picture.setPixel(x, H - 1, qRgb(0, 0, 0));
    const QString file = machine.filePath(QStringLiteral("edges.png"));
    ASSERT_TRUE(picture.save(file));
    prompts.openPaths.push_back(file);
    ClickDialog(IDC_PICTURE_OPEN);
    ProcessEvents();
    auto* h = qobject_cast<QScrollBar*>(DialogControl(IDC_PREVIEW_HSCROLL));
    auto* v = qobject_cast<QScrollBar*>(DialogControl(IDC_PREVIEW_VSCROLL));
    ASSERT_TRUE(h->isVisible() && v->isVisible());
    h->setFocus();
    QTest::keyClick(h, Qt::Key_End);
    v->setFocus();
    QTest::keyClick(v, Qt::Key_End);
    ProcessEvents();
    QWidget* preview = dlg->findChild<QWidget*>(QStringLiteral("picturePreview"));
    ASSERT_NE(preview, nullptr);
    const QImage shown = preview->grab().toImage();
    EXPECT_EQ(shown.pixel(shown.width() - 1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(0, shown.height() - 1), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(shown.width() - 2, shown.height() - 2), qRgb(255, 255, 255));
}

TEST_F(NewcomerConsole, LitFaultLampIsRedAndHeardAsOn) {
    auto* com = qobject_cast<CLampButton*>(DialogControl(IDC_COM_OPEN));
    EXPECT_EQ(Accessible(com, QAccessible::Name), com->text());
    EXPECT_EQ(Accessible(com, QAccessible::Name), QStringLiteral("Close COM"));
    auto* lamp = qobject_cast<CLampButton*>(DialogControl(IDC_LAMP_PAPER_END));
    EXPECT_EQ(Accessible(lamp, QAccessible::Description), QStringLiteral("off"));
    ASSERT_TRUE(printer->Command(QStringLiteral("paper-end on"), QStringLiteral("paper-end on")));
    ClickDialog(IDC_READ_STATUS);
    ASSERT_TRUE(RunUntil([&] { return lamp->IsLampOn(); }, ANSWER_TIMEOUT_MS));
    EXPECT_EQ(Accessible(lamp, QAccessible::Description), QStringLiteral("on"));
    constexpr int LAMP_CENTRE_X = 6 + 8;
    const QColor lit = lamp->grab().toImage().pixelColor(LAMP_CENTRE_X, lamp->height() / 2);
    EXPECT_GT(lit.red(), 180);
    EXPECT_LT(lit.green(), 110);
    ASSERT_TRUE(printer->Command(QStringLiteral("paper-end off"), QStringLiteral("paper-end off")));
    ASSERT_TRUE(RunUntil([&] { return !lamp->IsLampOn(); }, ANSWER_TIMEOUT_MS));
    EXPECT_EQ(Accessible(lamp, QAccessible::Description), QStringLiteral("off"));
}

} // namespace
