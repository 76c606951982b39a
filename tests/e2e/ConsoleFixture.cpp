#include "tests/e2e/ConsoleFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using namespace ids;

namespace {
// DLE EOT 5, the status request, as the operator types it in hex.
const QString STATUS_REQUEST_HEX = QStringLiteral("10 04 05");
} // namespace

void ConsoleFixture::SetUp() {
    printer = std::make_unique<VprinterProcess>(PaperWidth(), std::vector<std::string>{}, OverNetwork());
    ASSERT_TRUE(printer->Ok()) << printer->Log().toStdString();
    console = std::make_unique<ConsoleDialog>(printer->DevicePath().toStdString(),
                                              ConsoleDialog::Maker(),
                                              [this](PortMap& map) { ListMachinePorts(map); });
    dlg = console->dlg.get();
    ClickDialog(IDC_COM_OPEN); // on the port selected at start-up: the printer's
    ASSERT_TRUE(dlg->IsOpen());
}

void ConsoleFixture::TearDown() {
    if (HasFailure() && printer) std::printf("printer log:\n%s\n", qPrintable(printer->Log()));
    dlg = nullptr;
    console.reset();
    printer.reset();
}

QWidget* ConsoleFixture::DialogControl(int id) const {
    return dlg->DialogControl(id);
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
    hands::Retype(edit, text);
    if (auto* line = qobject_cast<QLineEdit*>(edit)) {
        ASSERT_EQ(line->text(), text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(edit)) {
        ASSERT_EQ(plain->toPlainText(), text);
    }
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
