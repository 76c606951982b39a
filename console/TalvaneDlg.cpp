// Construction, start-up sequence, tab switching, quit confirmation and the delivery
// of window messages of the main dialog.

#include "TalvaneDlg.h"

#include "CommandEdit.h"
#include "ControlIds.h"
#include "Icons.h"
#include "LampButton.h"
#include "Pages.h"
#include "PicturePrinter.h"
#include "PortMap.h"
#include "Prompts.h"
#include "QuickSamples.h"
#include "RecordsModel.h"
#include "RecordsView.h"

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

struct ComboDefaults {
    std::initializer_list<const char*> items;
    const char* selected;
};

const ComboDefaults BAUD_RATES = {{"9600", "19200", "38400", "56000", "115200", "150000", "300000",
                                   "375000", "500000", "600000", "750000"},
                                  "9600"};
const ComboDefaults HANDSHAKES = {{"None", "RTS/CTS", "Xon/Xoff"}, "None"};
const ComboDefaults MODELS = {{"58mm", "80mm"}, "58mm"};
const ComboDefaults FONTS = {{"Font1", "Font2", "Font3"}, "Font1"};
const ComboDefaults ALIGNMENTS = {{"Left home", "Center", "Right home"}, "Left home"};
const ComboDefaults DENSITIES = {{"1", "2", "3", "4", "5", "6", "7", "8"}, "4"};
const ComboDefaults SPEEDS = {{"low-speed", "middle-speed", "high-speed"}, "high-speed"};
const ComboDefaults PICTURE_DENSITIES = {{"8-dot single-density", "8-dot double-density",
                                          "24-dot single-density", "24-dot double-density"},
                                         "24-dot double-density"};

void Fill(QComboBox* combo, const ComboDefaults& d) {
    int position = 0;
    for (const char* item : d.items) combo->insertItem(position++, QString::fromLatin1(item));
    combo->setCurrentIndex(combo->findText(QString::fromLatin1(d.selected)));
}

struct DefaultText {
    int id;
    const char* text;
};
constexpr DefaultText DEFAULT_TEXTS[] = {
    {IDC_LINE_SPACING, "33"}, {IDC_LEFT_MARGIN, "0"},    {IDC_RIGHT_MARGIN, "0"},
    {IDC_CUT_FEED, "254"},    {IDC_FEED_DISTANCE, "33"}, {IDC_BACK_DISTANCE, "33"},
    {IDC_THRESHOLD, "128"},   {IDC_COORDINATE, "0"},
};

// The port number of a list entry: the text from its fourth character on, read as a
// decimal number ("COM901 (/dev/pts/3)" gives 901).
constexpr int PORT_NUMBER_OFFSET = 3;

const QString NO_PORT_MESSAGE = QStringLiteral("本计算机上没有发现可用串口");
const QString QUIT_QUESTION = QStringLiteral("Are you sure to quit?");
const QString NOTE_CAPTION = QStringLiteral("Note");
const QString PORT_CLOSED_MESSAGE = QStringLiteral("Please Open the Port");

} // namespace

CTalvaneDlg::CTalvaneDlg(PortMap* ports, QWidget* parent)
    : QDialog(parent), ports_(ports ? ports : &PortMap::Global()), appIcon_(Icons::Application()) {
    recordsModel_ = new CRecordsModel(this);
    BuildLayout();
    RegisterWindow(this);
    OnInitDialog();
}

CTalvaneDlg::~CTalvaneDlg() {
    // No message may reach a half-destroyed dialog: stop delivery first, then close
    // the port (its threads end) while every member still exists.
    UnregisterWindow(this);
    SetOwnerWindow(nullptr);
    Close();
    helpTip_.hide();
}

void CTalvaneDlg::OnInitDialog() {
    setWindowIcon(appIcon_);
    logo_->setPixmap(Icons::Logo(qMin(logo_->width(), logo_->height())));
    FillPortList();
    FillComboLists();
    CreatePages();
    SetDefaultTexts();

    comButton_->SetShade(CLampButton::SHADE_RAISED_BLUE);
    comButton_->SetLamp(false);
    for (CLampButton* lamp : statusLamps_) {
        lamp->SetShade(CLampButton::SHADE_FLAT_GREY);
        lamp->SetLamp(false);
    }
    ControlAs<QRadioButton>(IDC_HALF_CUT)->setChecked(true);
    ControlAs<QRadioButton>(IDC_BIT_IMAGE_MODE)->setChecked(true);
    ControlAs<QCheckBox>(IDC_RECEIVE_HEX)->setChecked(true);
    ControlAs<QCheckBox>(IDC_SEND_HEX)->setChecked(false);

    // Enter in an edit does nothing: no button of the window, the pages' included, may
    // become the default button that Enter would press.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    SetupRecordsList();
    helpTip_.Create(this);
    SetOwnerWindow(this);
    SetNotifyWindow(this);
    EnableSentRecord(1);
    ConnectPortHandlers();
    ConnectSettingHandlers();
    ConnectSendReceiveHandlers();
    ConnectStatusHandlers();
    ConnectSampleHandlers();
}

void CTalvaneDlg::FillPortList() {
    int index = 0;
    for (const PortEntry& entry : ports_->Entries()) {
        const QString text = QString::fromStdString(entry.display);
        portList_->insertItem(index++, text, ReadNumber(text.mid(PORT_NUMBER_OFFSET)));
    }
    if (portList_->count() == 0)
        Prompts::MessageBox(this, windowTitle(), NO_PORT_MESSAGE, Prompts::OkOnly,
                            Prompts::Information);
    // The first port of the list, unless a printer was named with --port: then the
    // first device named there, so the first "COM Open" opens the printer given and
    // not a port with nothing attached.
    int first = portList_->count() > 0 ? 0 : -1;
    for (int i = 0; i < portList_->count(); ++i) {
        if (portList_->itemData(i).toUInt() >= PortMap::COMMAND_LINE_BASE) {
            first = i;
            break;
        }
    }
    portList_->setCurrentIndex(first);
}

void CTalvaneDlg::FillComboLists() {
    Fill(baudList_, BAUD_RATES);
    Fill(handshakeList_, HANDSHAKES);
    Fill(modelList_, MODELS);
    Fill(fontList_, FONTS);
    Fill(alignmentList_, ALIGNMENTS);
    Fill(densityList_, DENSITIES);
    Fill(speedList_, SPEEDS);
    Fill(pictureDensityList_, PICTURE_DENSITIES);
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
    pageTabs_->insertTab(0, scrolled(barcodePage_), QStringLiteral("Barcode"));
    pageTabs_->insertTab(1, scrolled(twoDCodePage_), QStringLiteral("Two-dimensional code"));
    pageTabs_->insertTab(2, scrolled(labelPage_), QStringLiteral("Label/BM"));
    pageTabs_->setCurrentIndex(0);
    connect(pageTabs_, &QTabWidget::currentChanged, this, &CTalvaneDlg::OnTabSelChange);
}

void CTalvaneDlg::OnTabSelChange(int index) {
    QWidget* pages[] = {barcodePage_, twoDCodePage_, labelPage_};
    if (index < 0 || index > 2) return;
    for (int i = 0; i < 3; ++i) pages[i]->setVisible(i == index);
}

void CTalvaneDlg::SetDefaultTexts() {
    for (const DefaultText& d : DEFAULT_TEXTS)
        ControlAs<QLineEdit>(d.id)->setText(QString::fromLatin1(d.text));
}

void CTalvaneDlg::SetupRecordsList() {
    recordsView_->SetRecordsModel(recordsModel_);
    ConnectRecordHandlers();
}

QWidget* CTalvaneDlg::Control(int id) const {
    return findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
}

bool CTalvaneDlg::WarnIfPortClosed() {
    if (!helpTip_.HasWindow() || IsOpen()) return false;
    ShowHelpTip(comButton_, PORT_CLOSED_MESSAGE);
    return true;
}

void CTalvaneDlg::ShowHelpTip(QWidget* control, const QString& text) {
    if (!control) return;
    helpTip_.ShowAt(control->mapToGlobal(control->rect().center()), text);
}

void CTalvaneDlg::accept() {
    // Enter never closes the console.
}

void CTalvaneDlg::reject() {
    if (Prompts::MessageBox(this, NOTE_CAPTION, QUIT_QUESTION, Prompts::OkCancel) == Prompts::Ok)
        QDialog::reject();
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
