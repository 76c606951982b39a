// The port group: COM Open and Close, the baud-rate and handshake "Set" buttons, the
// model list, and the BUSY lamp that follows CTS. Also the quiet-line sequence that
// every setup command of the console goes through.

#include "ControlIds.h"
#include "LampButton.h"
#include "PortMap.h"
#include "console/PortSetup.h"
#include "TalvaneDlg.h"

#include <QComboBox>
#include <QPushButton>
#include <chrono>
#include <thread>

using namespace ids;

namespace {

const QString OPEN_COM_TEXT = QStringLiteral("Open COM");
const QString CLOSE_COM_TEXT = QStringLiteral("Close COM");
const QString OPEN_ERROR = QStringLiteral("Open the serial port error");

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
        return;
    }

    const uint32_t port = portList_->currentIndex() < 0 ? 0 : portList_->currentData().toUInt();
    const uint32_t baud = static_cast<uint32_t>(ReadRate(baudList_));
    ChangeOptions(OPEN_REMOVE_OPTIONS, OPEN_ADD_OPTIONS);
    SetNotifyCount(NOTIFY_EVERY_BYTE);
    SetPortMap(ports_);
    if (!Open(port, baud, NOPARITY, BYTE_SIZE_8, ONESTOPBIT)) {
        ShowHelpTip(comButton_, OPEN_ERROR + QLatin1Char('\n') + OpenFailureReason(*ports_, port));
        return;
    }
    CO_ = OPEN_TIMEOUTS;
    SetTimeouts();
    ApplyFlowRow(DCB_, RowOf(handshakeList_->currentIndex()));
    SetState();
    comButton_->SetCaption(CLOSE_COM_TEXT);
    comButton_->SetLamp(true);
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
