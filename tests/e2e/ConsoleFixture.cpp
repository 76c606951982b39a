#include "ConsoleFixture.h"

#include "CommandEdit.h"
#include "RecordsModel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace ids;

namespace {
// DLE EOT 5, the status request, as the operator types it in hex.
const QString STATUS_REQUEST_HEX = QStringLiteral("10 04 05");
} // namespace

void ConsoleFixture::SetUp() {
    printer = std::make_unique<VprinterProcess>(PaperWidth());
    ASSERT_TRUE(printer->Ok()) << printer->Log().toStdString();
    ListMachinePorts(ports);
    ports.AddCommandLinePort(printer->DevicePath().toStdString());
    dlg = std::make_unique<CTalvaneDlg>(&ports);
    dlg->resize(1240, 760);
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    ProcessEvents();
    ClickDialog(IDC_COM_OPEN); // on the port selected at start-up: the printer's
    ASSERT_TRUE(dlg->IsOpen());
}

void ConsoleFixture::TearDown() {
    if (HasFailure() && printer) std::printf("printer log:\n%s\n", qPrintable(printer->Log()));
    dlg.reset();
    printer.reset();
}

QWidget* ConsoleFixture::DialogControl(int id) const {
    return dlg->DialogControl(id);
}

QWidget* ConsoleFixture::PageControl(QWidget* page, int id) {
    return page ? page->findChild<QWidget*>(QStringLiteral("ctl%1").arg(id)) : nullptr;
}

void ConsoleFixture::ProcessEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

bool ConsoleFixture::RunUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QTest::qWait(5);
    }
    return done();
}

void ConsoleFixture::Click(QWidget* control) {
    auto* button = qobject_cast<QAbstractButton*>(control);
    ASSERT_NE(button, nullptr);
    QPoint point = button->rect().center();
    // A check box or radio button takes clicks on its box and caption only.
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto element = qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxClickRect
                                                              : QStyle::SE_RadioButtonClickRect;
        point = button->style()->subElementRect(element, &option, button).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, point);
    ProcessEvents();
}

void ConsoleFixture::ShowPage(QWidget* page) {
    auto* tabs = qobject_cast<QTabWidget*>(DialogControl(IDC_PAGE_TABS));
    ASSERT_NE(tabs, nullptr);
    int index = -1; // the page sits in a scroll area of its tab
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(page)) index = i;
    ASSERT_GE(index, 0);
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
    ProcessEvents();
    ASSERT_EQ(tabs->currentIndex(), index);
}

void ConsoleFixture::Retype(QWidget* edit, const QString& text) {
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    if (qobject_cast<QPlainTextEdit*>(edit)) {
        // The data edits take no Ctrl+A in hex mode; a selection by keys works in both.
        QTest::keyClick(edit, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    }
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    ProcessEvents();
    if (auto* line = qobject_cast<QLineEdit*>(edit)) {
        ASSERT_EQ(line->text(), text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(edit)) {
        ASSERT_EQ(plain->toPlainText(), text);
    }
}

void ConsoleFixture::Choose(QWidget* widget, int row) {
    auto* list = qobject_cast<QComboBox*>(widget);
    ASSERT_NE(list, nullptr);
    if (list->currentIndex() == row) return;
    list->showPopup();
    ProcessEvents();
    // In the open list: move to the row and press Enter.
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(view->model()->index(row, 0));
    QTest::keyClick(view, Qt::Key_Return);
    ProcessEvents();
    ASSERT_EQ(list->currentIndex(), row);
}

int ConsoleFixture::ReceivedCount() const {
    auto* edit = qobject_cast<QPlainTextEdit*>(DialogControl(IDC_RECEIVE_EDIT));
    // Hex text: two digits and a blank per byte.
    return static_cast<int>(edit->toPlainText().simplified().remove(QLatin1Char(' ')).size() / 2);
}

bool ConsoleFixture::Handshake() {
    auto* hex = qobject_cast<QCheckBox*>(DialogControl(IDC_SEND_HEX));
    auto* receiveHex = qobject_cast<QCheckBox*>(DialogControl(IDC_RECEIVE_HEX));
    EXPECT_TRUE(receiveHex->isChecked());
    ClickDialog(IDC_SEND_CLEAR);
    if (!hex->isChecked()) Click(hex);
    Retype(DialogControl(IDC_SEND_EDIT), STATUS_REQUEST_HEX);
    const int before = ReceivedCount();
    ClickDialog(IDC_SEND);
    return RunUntil([&] { return ReceivedCount() > before; }, ANSWER_TIMEOUT_MS);
}

std::vector<vprinter::PaperBitmap> ConsoleFixture::NewReceipts(int before) {
    std::vector<vprinter::PaperBitmap> papers;
    EXPECT_TRUE(Handshake()) << "the printer did not answer the status request";
    EXPECT_TRUE(printer->CutAndSync());
    const QStringList files = printer->Receipts();
    for (int i = before; i < files.size(); ++i)
        papers.push_back(LoadReceipt(files[i], dlg->PrintableWidth()));
    return papers;
}

vprinter::PaperBitmap ConsoleFixture::TakeReceipt() {
    auto papers = NewReceipts(static_cast<int>(printer->Receipts().size()));
    EXPECT_EQ(papers.size(), 1u);
    return papers.empty() ? vprinter::PaperBitmap(dlg->PrintableWidth()) : papers.back();
}
