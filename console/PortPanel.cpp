#include "console/PortPanel.h"

#include "console/ControlBuilder.h"
#include "console/ControlIds.h"
#include "console/TalvaneDlg.h"
#include "host/FlowControl.h"
#include "serial/PortMap.h"
#include "widgets/Icons.h"
#include "widgets/LampButton.h"
#include "widgets/Prompts.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace ids;
using namespace flow;

namespace {

const QString OPEN_COM_TEXT = QStringLiteral("Open COM");
const QString CLOSE_COM_TEXT = QStringLiteral("Close COM");
const QString OPEN_ERROR = QStringLiteral("Open the serial port error");

// Options of an open console port: synchronous transfers, both buffers, read and write
// threads, no watch thread.
constexpr uint32_t OPEN_REMOVE_OPTIONS = EN_WATCH_THREAD | EN_OVERLAPPED_IO;
constexpr uint32_t OPEN_ADD_OPTIONS = EN_CONSOLE_OPTIONS;
// Every received byte may raise the receive notification.
constexpr uint32_t NOTIFY_EVERY_BYTE = 1;
constexpr uint8_t BYTE_SIZE_8 = 8;

constexpr COMMTIMEOUTS OPEN_TIMEOUTS = {
    10,    // ReadIntervalTimeout
    0,     // ReadTotalTimeoutMultiplier
    100,   // ReadTotalTimeoutConstant
    0,     // WriteTotalTimeoutMultiplier
    65535, // WriteTotalTimeoutConstant
};

// Why a port did not open, as far as the file system tells, with what to do about it.
QString OpenFailureReason(const PortMap& ports, uint32_t port) {
    const auto path = ports.PathFor(port);
    if (!path) return QStringLiteral("No device has this port number.");
    const QString device = QString::fromStdString(*path);
    const QFileInfo info(device);
    if (!info.exists())
        return QStringLiteral("%1 does not exist (is the adapter plugged in?).").arg(device);
    if (!info.isReadable() || !info.isWritable()) {
        return QStringLiteral("No permission to use %1: add your user to the group \"%2\" "
                              "(sudo usermod -aG %2 $USER), then log in again.")
            .arg(device, info.group());
    }
    return QStringLiteral("%1 is in use by another program, or is not a serial port.").arg(device);
}

constexpr int LOGO_PIXELS = 128;
constexpr int COM_BUTTON_WIDTH = 110;
constexpr int MODEL_58MM = 0;
constexpr int MODEL_80MM = 1;
// CTS on means the printer takes data: the BUSY lamp is dark.
constexpr intptr_t CTS_ON = 1;

// The port number of a list entry: the text from its fourth character on, read as a
// decimal number ("COM901 (/dev/pts/3)" gives 901).
constexpr int PORT_NUMBER_OFFSET = 3;
const QString NO_PORT_MESSAGE = QStringLiteral("本计算机上没有发现可用串口");

const controls::ListItems BAUD_RATES = {{"9600", "19200", "38400", "56000", "115200", "150000", "300000",
                                   "375000", "500000", "600000", "750000"},
                                  "9600"};
const controls::ListItems HANDSHAKES = {{"None", "RTS/CTS", "Xon/Xoff"}, "None"};
const controls::ListItems MODELS = {{"58mm", "80mm"}, "58mm"};

int ReadRate(const QComboBox* list) {
    return list->currentIndex() < 0 ? 0 : ReadNumber(list->currentText());
}

} // namespace

PortPanel::PortPanel(CTalvaneDlg& dlg, PortMap& ports, QWidget* parent)
    : dlg_(dlg), ports_(ports) {
    box_ = new QWidget(parent);
    box_->setAccessibleName(QStringLiteral("Port"));
    controls::Builder b(box_, QStringLiteral("Port"));
    portList_ = b.Combo(IDC_PORT_LIST, QStringLiteral("Interface:"));
    baudList_ = b.Combo(IDC_BAUD_LIST, QStringLiteral("Baudrate:"));
    handshakeList_ = b.Combo(IDC_HANDSHAKE_LIST, QStringLiteral("Handshaking:"));
    modelList_ = b.Combo(IDC_MODEL_LIST, QStringLiteral("Models:"));
    comButton_ = b.Lamp(IDC_COM_OPEN, QStringLiteral("COM Open"));
    init_ = b.Button(IDC_PRINTER_INIT, QStringLiteral("Printer Init"));
    comButton_->setMinimumWidth(COM_BUTTON_WIDTH);
    init_->setMinimumWidth(COM_BUTTON_WIDTH);

    auto* g = new QGridLayout(box_);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(4);
    g->addWidget(b.Label(QStringLiteral("Interface:"), portList_), 0, 0);
    g->addWidget(portList_, 0, 1, 1, 2);
    g->addWidget(b.Label(QStringLiteral("Baudrate:"), baudList_), 1, 0);
    g->addWidget(baudList_, 1, 1);
    baudSet_ = b.Button(IDC_BAUD_SET, QStringLiteral("Set"));
    g->addWidget(baudSet_, 1, 2);
    g->addWidget(b.Label(QStringLiteral("Handshaking:"), handshakeList_), 2, 0);
    g->addWidget(handshakeList_, 2, 1);
    handshakeSet_ = b.Button(IDC_HANDSHAKE_SET, QStringLiteral("Set"));
    g->addWidget(handshakeSet_, 2, 2);
    g->addWidget(b.Label(QStringLiteral("Models:"), modelList_), 3, 0);
    g->addWidget(modelList_, 3, 1);
    g->addWidget(comButton_, 0, 3);
    g->addWidget(init_, 1, 3);
    g->setColumnStretch(1, 1);

    // The logo stands to the right of the COM button, a little above its top.
    logo_ = new QLabel(box_);
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->setAccessibleName(QStringLiteral("Talvane logo"));
    logo_->setAlignment(Qt::AlignCenter);
    logo_->setFixedSize(LOGO_PIXELS, LOGO_PIXELS / 1.3);
    logo_->setScaledContents(false);
    g->addWidget(logo_, 0, 4, 4, 1, Qt::AlignTop | Qt::AlignLeft);
    g->setColumnMinimumWidth(4, LOGO_PIXELS);
}

void PortPanel::FillLists() {
    int index = 0;
    for (const PortEntry& entry : ports_.Entries()) {
        const QString text = QString::fromStdString(entry.display);
        portList_->insertItem(index++, text, ReadNumber(text.mid(PORT_NUMBER_OFFSET)));
    }
    if (portList_->count() == 0)
        Prompts::MessageBox(&dlg_, dlg_.windowTitle(), NO_PORT_MESSAGE, Prompts::OkOnly,
                            Prompts::Information);
    portList_->setCurrentIndex(portList_->count() > 0 ? 0 : -1);
    controls::Fill(baudList_, BAUD_RATES);
    controls::Fill(handshakeList_, HANDSHAKES);
    controls::Fill(modelList_, MODELS);
}

void PortPanel::Start() {
    logo_->setPixmap(Icons::Logo(qMin(logo_->width(), logo_->height())));
    comButton_->SetShade(CLampButton::SHADE_RAISED_BLUE);
    comButton_->SetLamp(false);
}

void PortPanel::Connect(CLampButton* busy) {
    busy_ = busy;
    connect(comButton_, &QPushButton::clicked, this, &PortPanel::ComOpen);
    connect(baudSet_, &QPushButton::clicked, this, &PortPanel::BaudSet);
    connect(handshakeSet_, &QPushButton::clicked, this, &PortPanel::HandshakeSet);
    connect(modelList_, &QComboBox::activated, this, &PortPanel::ModelSelChange);
    dlg_.OnMessage(CN_MSG_CTS, [this](uintptr_t, intptr_t lParam) { CtsMessage(lParam); });
}

void PortPanel::ComOpen() {
    if (dlg_.IsOpen()) {
        dlg_.Close(CN_DEFAULT_CLOSE_WAIT_MS);
        dlg_.GetTxBuffer().Clear(true);
        busy_->SetShade(CLampButton::SHADE_FLAT_GREY);
        busy_->SetLamp(false);
        comButton_->setText(OPEN_COM_TEXT);
        comButton_->SetLamp(false);
        return;
    }

    const uint32_t port = portList_->currentIndex() < 0 ? 0 : portList_->currentData().toUInt();
    const uint32_t baud = static_cast<uint32_t>(ReadRate(baudList_));
    dlg_.ChangeOptions(OPEN_REMOVE_OPTIONS, OPEN_ADD_OPTIONS);
    dlg_.SetNotifyCount(NOTIFY_EVERY_BYTE);
    dlg_.SetPortMap(&ports_);
    if (!dlg_.Open(port, baud, NOPARITY, BYTE_SIZE_8, ONESTOPBIT)) {
        dlg_.ShowHelpTip(comButton_,
                         OPEN_ERROR + QLatin1Char('\n') + OpenFailureReason(ports_, port));
        return;
    }
    dlg_.CO_ = OPEN_TIMEOUTS;
    dlg_.SetTimeouts();
    ApplyFlowRow(dlg_.DCB_, RowOf(handshakeList_->currentIndex()));
    dlg_.SetState();
    comButton_->setText(CLOSE_COM_TEXT);
    comButton_->SetLamp(true);
}

void PortPanel::BaudSet() {
    const uint32_t rate = static_cast<uint32_t>(ReadRate(baudList_));
    dlg_.IssueSetup({[rate](CVRNX_LIB& p) { p.SetBaudRate(rate); }},
                    [rate](DCB& dcb) { dcb.BaudRate = rate; });
}

void PortPanel::HandshakeSet() {
    const FlowRow& row = RowOf(handshakeList_->currentIndex());
    dlg_.IssueSetup(
        {[&](CVRNX_LIB& p) {
            busy_->SetLamp(false);
            p.SetFlowControl(row.printerMode);
        }},
        [&](DCB& dcb) { ApplyFlowRow(dcb, row); });
}

void PortPanel::ModelSelChange(int index) {
    if (index == MODEL_58MM) dlg_.SetPrintableWidth(CTalvaneDlg::WIDTH_58MM);
    if (index == MODEL_80MM) dlg_.SetPrintableWidth(CTalvaneDlg::WIDTH_80MM);
}

void PortPanel::CtsMessage(intptr_t lParam) {
    if (dlg_.IsOpen() && dlg_.DCB_.fOutxCtsFlow) busy_->SetLamp(lParam != CTS_ON);
}
