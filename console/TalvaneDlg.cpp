// Construction, start-up sequence, tab switching, quit confirmation and the delivery
// of window messages of the main dialog.

#include "console/TalvaneDlg.h"

#include "console/ExpectedReceiptWindow.h"
#include "console/TapWindow.h"

#include "pages/CommandEdit.h"
#include "console/EventLogWindow.h"
#include "console/ControlBuilder.h"
#include "console/ControlIds.h"
#include "console/PortPanel.h"
#include "console/RecordsPanel.h"
#include "console/RememberedSettings.h"
#include "console/SendReceivePanel.h"
#include "console/SettingPanel.h"
#include "console/StatusPanel.h"
#include "widgets/Icons.h"
#include "widgets/LampButton.h"
#include "pages/Pages.h"
#include "console/samples/PicturePrinter.h"
#include "host/PortSetup.h"
#include "serial/PortMap.h"
#include "widgets/Prompts.h"
#include "console/samples/QuickSamples.h"
#include "console/RecordsModel.h"
#include "console/RecordsView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

using namespace ids;

namespace {

// The event that tells the dialog's thread that a window message waits in its queue.
// A plain QEvent, built and destroyed inside the toolkit, carries nothing of ours
// across threads: the message itself crosses under the dialog's own lock.
QEvent::Type WindowMessageEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

const controls::ListItems PICTURE_DENSITIES = {
    {QT_TRANSLATE_NOOP("CTalvaneDlg", "8-dot single-density"),
     QT_TRANSLATE_NOOP("CTalvaneDlg", "8-dot double-density"),
     QT_TRANSLATE_NOOP("CTalvaneDlg", "24-dot single-density"),
     QT_TRANSLATE_NOOP("CTalvaneDlg", "24-dot double-density")},
    "24-dot double-density"};

struct DefaultText {
    int id;
    const char* text;
};
constexpr DefaultText DEFAULT_TEXTS[] = {
    {IDC_THRESHOLD, "128"},
};

QString Tr(const char* text) {
    return QCoreApplication::translate("CTalvaneDlg", text);
}

const char* const QUIT_QUESTION = QT_TRANSLATE_NOOP("CTalvaneDlg", "Are you sure to quit?");
const char* const NOTE_CAPTION = QT_TRANSLATE_NOOP("CTalvaneDlg", "Note");
const char* const PORT_CLOSED_MESSAGE = QT_TRANSLATE_NOOP("CTalvaneDlg", "Please Open the Port");

} // namespace

CTalvaneDlg::CTalvaneDlg(PortMap* ports, QWidget* parent)
    : QDialog(parent), ports_(ports ? ports : &PortMap::Global()), appIcon_(Icons::Application()) {
    recordsModel_ = new CRecordsModel(this);
    BuildLayout();
    RegisterWindow(this);
    OnInitDialog();
    HoldGroupsAtDesignHeight();
    SetUpExpectedReceipt();
    TapWindow::Attach(this, *ports_, [this] { return printableWidth_; },
                      [this] { return port_->SelectedPortPath(); });
    EventLogWindow::Attach(this);
}

CTalvaneDlg::~CTalvaneDlg() {
    // No message may reach a half-destroyed dialog: stop delivery first, then close
    // the port (its threads end) while every member still exists.
    UnregisterWindow(this);
    SetOwnerWindow(nullptr);
    port_->CloseAtQuit();
    Close();
    helpTip_.hide();
}

void CTalvaneDlg::OnInitDialog() {
    setWindowIcon(appIcon_);
    port_->FillLists();
    FillComboLists();
    CreatePages();
    SetDefaultTexts();

    port_->Start();
    status_->Start();
    ControlAs<QRadioButton>(IDC_BIT_IMAGE_MODE)->setChecked(true);
    sendReceive_->Start();

    // Enter in an edit does nothing: no button of the window, the pages' included, may
    // become the default button that Enter would press.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    recordsPanel_->Connect();
    helpTip_.Create(this);
    SetOwnerWindow(this);
    SetNotifyWindow(this);
    EnableSentRecord(1);
    port_->Connect(status_->BusyLamp());
    setting_->Connect();
    sendReceive_->Connect();
    status_->Connect();
    sendReceive_->OnAnswer([this] { status_->Answered(); });
    OnMessage(PRN_MSG_RESPONSE, [this](uintptr_t, intptr_t) { OnResponse(); });
    ConnectSampleHandlers();
}

void CTalvaneDlg::FillComboLists() {
    setting_->FillLists();
    controls::Fill(pictureDensityList_, PICTURE_DENSITIES, "CTalvaneDlg");
}

void CTalvaneDlg::CreatePages() {
    barcodePage_ = new CBarcode(this, pageTabs_);
    twoDCodePage_ = new C2DCode(this, pageTabs_);
    labelPage_ = new CLayOut(this, pageTabs_);
    // Each page scrolls inside its tab when the window is smaller than the page.
    auto scrolled = [this](QWidget* page) {
        auto* area = new QScrollArea(pageTabs_);
        area->setFrameShape(QFrame::NoFrame);
        area->setWidgetResizable(true);
        area->setWidget(page);
        return area;
    };
    pageTabs_->insertTab(0, scrolled(barcodePage_), tr("Barcode"));
    pageTabs_->insertTab(1, scrolled(twoDCodePage_), tr("Two-dimensional code"));
    pageTabs_->insertTab(2, scrolled(labelPage_), tr("Label/BM"));
    pageTabs_->setCurrentIndex(0);
    connect(pageTabs_, &QTabWidget::currentChanged, this, &CTalvaneDlg::OnTabSelChange);
}

void CTalvaneDlg::OnTabSelChange(int index) {
    QWidget* pages[] = {barcodePage_, twoDCodePage_, labelPage_};
    if (index < 0 || index > 2) return;
    for (int i = 0; i < 3; ++i) pages[i]->setVisible(i == index);
}

void CTalvaneDlg::SetDefaultTexts() {
    setting_->Start();
    for (const DefaultText& d : DEFAULT_TEXTS)
        ControlAs<QLineEdit>(d.id)->setText(QString::fromLatin1(d.text));
}

void CTalvaneDlg::AddOperationRecord(const std::string& hexText) {
    AddOperationRecord(std::string(hexText));
}

void CTalvaneDlg::AddWarnedRecord(const std::string& hexText, const QString& warning) {
    AddOperationRecord(std::string(hexText), warning);
}

void CTalvaneDlg::AddOperationRecord(std::string&& hexText, const QString& warning) {
    if (hexText.empty()) return;
    recordsModel_->Append(std::move(hexText), warning);
    if (expected_) expected_->NoteRow(recordsModel_->Size() - 1);
}

QWidget* CTalvaneDlg::DialogControl(int id) const {
    const QString name = QStringLiteral("ctl%1").arg(id);
    for (QWidget* w : findChildren<QWidget*>(name))
        // The tab control itself is the dialog's; isAncestorOf counts a widget as its own.
        if (!pageTabs_ || w == pageTabs_ || !pageTabs_->isAncestorOf(w)) return w;
    return nullptr;
}

void CTalvaneDlg::OnResponse() {
    // Only the sensor value has a place to go; other responses are ignored.
    if (GetResponseId() != PRN_RESPONSE_SENSOR || !labelPage_) return;
    labelPage_->ShowSensorValue(QString::fromLatin1(GetResponseText()));
}

QWidget* CTalvaneDlg::Control(int id) const {
    return findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
}

const TextCodePage* CTalvaneDlg::TextPage() const {
    return setting_ ? setting_->CodePage() : nullptr;
}

void CTalvaneDlg::WarnPortClosed() {
    if (helpTip_.HasWindow()) ShowHelpTip(port_->ComButton(), Tr(PORT_CLOSED_MESSAGE));
}

QString CTalvaneDlg::PortName() {
    return PortLabel(*ports_, GetPort());
}

void CTalvaneDlg::ShowHelpTip(QWidget* control, const QString& text) {
    if (!control) return;
    helpTip_.ShowAt(control->mapToGlobal(control->rect().center()), text);
}

void CTalvaneDlg::ShowWarning(QWidget* control, const QString& text) {
    // The help tip puts its text in the event log.
    ShowHelpTip(control, text);
}

void CTalvaneDlg::accept() {
    // Enter never closes the console.
}

void CTalvaneDlg::reject() {
    if (Prompts::MessageBox(this, Tr(NOTE_CAPTION), Tr(QUIT_QUESTION), Prompts::OkCancel) ==
        Prompts::Ok)
        QDialog::reject();
}

void CTalvaneDlg::done(int result) {
    if (settings_) settings_->Save();
    QDialog::done(result);
}

void CTalvaneDlg::DeliverMessage(const WindowMessage& msg) {
    {
        std::lock_guard<std::mutex> lock(pendingMutex_);
        pendingMessages_.push_back(msg);
    }
    // One wake-up per message, each taking the oldest waiting one: the order stays that
    // of the posts, interleaved as usual with the dialog's other events.
    QCoreApplication::postEvent(this, new QEvent(WindowMessageEventType()));
}

void CTalvaneDlg::OnMessage(uint32_t message, MessageHandler handler) {
    messageHandlers_[message] = std::move(handler);
}

void CTalvaneDlg::customEvent(QEvent* event) {
    if (event->type() != WindowMessageEventType()) {
        QDialog::customEvent(event);
        return;
    }
    WindowMessage msg;
    {
        std::lock_guard<std::mutex> lock(pendingMutex_);
        if (pendingMessages_.empty()) return;
        msg = pendingMessages_.front();
        pendingMessages_.pop_front();
    }
    const auto handler = messageHandlers_.find(msg.message);
    if (handler != messageHandlers_.end()) handler->second(msg.wParam, msg.lParam);
}
