// The port group: COM Open and Close, the baud-rate and handshake "Set" buttons, the
// model list, and the BUSY lamp that follows CTS. Also the quiet-line sequence that
// every setup command of the console goes through.

#include "ControlIds.h"
#include "LampButton.h"
#include "PortMap.h"
#include "Prompts.h"
#include "console/PortSetup.h"
#include "TalvaneDlg.h"

#include <QComboBox>
#include <QPushButton>
#include <QVariant>
#include <chrono>
#include <cstring>
#include <thread>

using namespace ids;

namespace {

const QString OPEN_COM_TEXT = QStringLiteral("Open COM");
const QString CLOSE_COM_TEXT = QStringLiteral("Close COM");
const QString OPEN_ERROR = QStringLiteral("Open the serial port error");
const QString NO_LINE_SETTINGS_TIP =
    QStringLiteral("A USB or network printer has no baud rate or handshake lines; "
                   "the printer's own settings apply.");
const QString NO_BAUD_MESSAGE =
    QStringLiteral("The baud rate cannot be set on this port: a USB or network printer "
                   "has no baud rate.");
const QString NO_HANDSHAKE_MESSAGE =
    QStringLiteral("The handshaking cannot be set on this port: a USB or network printer "
                   "has no handshake lines.");
// Where a control keeps its own tooltip while the line-settings one is shown.
constexpr const char* KEPT_TIP_PROPERTY = "keptToolTip";

// Lets the printer take a setup command at the old settings before the port changes.
constexpr auto SETUP_WAIT = std::chrono::milliseconds(100);
constexpr uint32_t QUIET_STOP_WAIT_MS = 500;
constexpr uint32_t QUIET_PURGE = PURGE_TXABORT | PURGE_TXCLEAR;

int ReadRate(const QComboBox* list) {
    return list->currentIndex() < 0 ? 0 : ReadNumber(list->currentText());
}

} // namespace

QWidget* CTalvaneDlg::DialogControl(int id) const {
    const QString name = QStringLiteral("ctl%1").arg(id);
    for (QWidget* w : findChildren<QWidget*>(name))
        // The tab control itself is the dialog's; isAncestorOf counts a widget as its own.
        if (!pageTabs_ || w == pageTabs_ || !pageTabs_->isAncestorOf(w)) return w;
    return nullptr;
}

void CTalvaneDlg::ConnectPortHandlers() {
    connect(comButton_, &QPushButton::clicked, this, &CTalvaneDlg::OnComOpen);
    connect(qobject_cast<QPushButton*>(DialogControl(IDC_BAUD_SET)), &QPushButton::clicked, this,
            &CTalvaneDlg::OnBaudSet);
    connect(qobject_cast<QPushButton*>(DialogControl(IDC_HANDSHAKE_SET)), &QPushButton::clicked,
            this, &CTalvaneDlg::OnHandshakeSet);
    connect(modelList_, &QComboBox::activated, this, &CTalvaneDlg::OnModelSelChange);
    OnMessage(CN_MSG_CTS, [this](uintptr_t, intptr_t lParam) { OnCtsMessage(lParam); });
}

void CTalvaneDlg::OnComOpen() {
    auto* busy = qobject_cast<CLampButton*>(DialogControl(IDC_LAMP_BUSY));
    if (IsOpen()) {
        Close(CN_DEFAULT_CLOSE_WAIT_MS);
        TxBuffer_.Clear(true);
        busy->SetShade(CLampButton::SHADE_FLAT_GREY);
        busy->SetLamp(false);
        comButton_->SetCaption(OPEN_COM_TEXT);
        comButton_->SetLamp(false);
        UpdateLineControls();
        return;
    }

    const uint32_t port = portList_->currentIndex() < 0 ? 0 : portList_->currentData().toUInt();
    const uint32_t baud = static_cast<uint32_t>(ReadRate(baudList_));
    ChangeOptions(OPEN_REMOVE_OPTIONS, OPEN_ADD_OPTIONS);
    SetNotifyCount(NOTIFY_EVERY_BYTE);
    SetPortMap(ports_);
    if (!Open(port, baud, NOPARITY, BYTE_SIZE_8, ONESTOPBIT)) {
        // A network printer has no file to look at: the connect's own reason says it
        // ("Connection refused", "No route to host", "Connection timed out").
        const auto path = ports_->PathFor(port);
        const QString reason = path && KindOfPath(*path) == PortKind::Network
                                   ? QString::fromLocal8Bit(std::strerror(LastSystemError()))
                                   : OpenFailureReason(*ports_, port);
        ShowHelpTip(comButton_, OPEN_ERROR + QLatin1Char('\n') + reason);
        return;
    }
    CO_ = OPEN_TIMEOUTS;
    SetTimeouts();
    ApplyFlowRow(DCB_, RowOf(handshakeList_->currentIndex()));
    SetState();
    comButton_->SetCaption(CLOSE_COM_TEXT);
    comButton_->SetLamp(true);
    UpdateLineControls();
}

void CTalvaneDlg::UpdateLineControls() {
    const bool settable = !IsOpen() || HasLineSettings();
    for (QWidget* w : {static_cast<QWidget*>(baudList_), static_cast<QWidget*>(handshakeList_),
                       DialogControl(IDC_BAUD_SET), DialogControl(IDC_HANDSHAKE_SET)}) {
        if (!w) continue;
        const bool replaced = w->property(KEPT_TIP_PROPERTY).isValid();
        if (!settable && !replaced) {
            w->setProperty(KEPT_TIP_PROPERTY, w->toolTip());
            w->setToolTip(NO_LINE_SETTINGS_TIP);
        } else if (settable && replaced) {
            w->setToolTip(w->property(KEPT_TIP_PROPERTY).toString());
            w->setProperty(KEPT_TIP_PROPERTY, QVariant());
        }
        w->setEnabled(settable);
    }
}

void CTalvaneDlg::QuietLine(DCB* kept) {
    StopThreads(QUIET_STOP_WAIT_MS);
    TxBuffer_.Clear(true);
    Purge(QUIET_PURGE);
    if (kept) *kept = DCB_;
    ApplyFlowRow(DCB_, RowOf(HANDSHAKE_NONE));
    SetState();
    BeginThread();
}

void CTalvaneDlg::OnBaudSet() {
    if (WarnIfPortClosed() || !IsOpen()) return;
    if (!HasLineSettings()) {
        // Sending the printer a rate change would only upset a printer whose serial
        // side nobody uses.
        Prompts::MessageBox(this, windowTitle(), NO_BAUD_MESSAGE, Prompts::OkOnly);
        return;
    }
    const uint32_t rate = static_cast<uint32_t>(ReadRate(baudList_));
    DCB kept;
    QuietLine(&kept);
    SetBaudRate(rate);
    RecordSent();
    std::this_thread::sleep_for(SETUP_WAIT);
    DCB_ = kept;
    DCB_.BaudRate = rate;
    SetState();
}

void CTalvaneDlg::OnHandshakeSet() {
    if (WarnIfPortClosed() || !IsOpen()) return;
    if (!HasLineSettings()) {
        Prompts::MessageBox(this, windowTitle(), NO_HANDSHAKE_MESSAGE, Prompts::OkOnly);
        return;
    }
    QuietLine(nullptr);
    qobject_cast<CLampButton*>(DialogControl(IDC_LAMP_BUSY))->SetLamp(false);
    const FlowRow& row = RowOf(handshakeList_->currentIndex());
    SetFlowControl(row.printerMode);
    ApplyFlowRow(DCB_, row);
    std::this_thread::sleep_for(SETUP_WAIT);
    SetState();
    RecordSent();
}

void CTalvaneDlg::OnModelSelChange(int index) {
    constexpr int MODEL_58MM = 0;
    constexpr int MODEL_80MM = 1;
    if (index == MODEL_58MM) printableWidth_ = WIDTH_58MM;
    if (index == MODEL_80MM) printableWidth_ = WIDTH_80MM;
}

void CTalvaneDlg::OnCtsMessage(intptr_t lParam) {
    // CTS on means the printer takes data: the BUSY lamp is dark.
    constexpr intptr_t CTS_ON = 1;
    if (IsOpen() && DCB_.fOutxCtsFlow)
        qobject_cast<CLampButton*>(DialogControl(IDC_LAMP_BUSY))->SetLamp(lParam != CTS_ON);
}
