#include "console/PortPanel.h"

#include "console/ControlBuilder.h"
#include "console/ControlIds.h"
#include "console/RememberedSettings.h"
#include "console/TalvaneDlg.h"
#include "host/FlowControl.h"
#include "host/PortSetup.h"
#include "serial/PortKind.h"
#include "serial/PortMap.h"
#include "widgets/Icons.h"
#include "widgets/LampButton.h"
#include "widgets/Prompts.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVariant>
#include <cstring>

using namespace ids;
using namespace flow;

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

constexpr int LOGO_PIXELS = 128;
constexpr int COM_BUTTON_WIDTH = 110;
constexpr int MODEL_58MM = 0;
constexpr int MODEL_80MM = 1;
// CTS on means the printer takes data: the BUSY lamp is dark.
constexpr intptr_t CTS_ON = 1;

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
        // The entry's own number: "USB1" and "NET1" are not COM1.
        portList_->insertItem(index++, text, static_cast<uint>(entry.number));
    }
    if (portList_->count() == 0)
        Prompts::MessageBox(&dlg_, dlg_.windowTitle(), NO_PORT_MESSAGE, Prompts::OkOnly,
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
        comButton_->SetCaption(OPEN_COM_TEXT);
        comButton_->SetLamp(false);
        UpdateLineControls();
        return;
    }

    const uint32_t port = portList_->currentIndex() < 0 ? 0 : portList_->currentData().toUInt();
    const uint32_t baud = static_cast<uint32_t>(ReadRate(baudList_));
    dlg_.ChangeOptions(OPEN_REMOVE_OPTIONS, OPEN_ADD_OPTIONS);
    dlg_.SetNotifyCount(NOTIFY_EVERY_BYTE);
    dlg_.SetPortMap(&ports_);
    if (!dlg_.Open(port, baud, NOPARITY, BYTE_SIZE_8, ONESTOPBIT)) {
        // A network printer has no file to look at: the connect's own reason says it
        // ("Connection refused", "No route to host", "Connection timed out").
        const auto path = ports_.PathFor(port);
        const QString reason = path && KindOfPath(*path) == PortKind::Network
                                   ? QString::fromLocal8Bit(std::strerror(dlg_.LastSystemError()))
                                   : OpenFailureReason(ports_, port);
        dlg_.ShowHelpTip(comButton_, OPEN_ERROR + QLatin1Char('\n') + reason);
        return;
    }
    dlg_.CO_ = OPEN_TIMEOUTS;
    dlg_.SetTimeouts();
    ApplyFlowRow(dlg_.DCB_, RowOf(handshakeList_->currentIndex()));
    dlg_.SetState();
    comButton_->SetCaption(CLOSE_COM_TEXT);
    comButton_->SetLamp(true);
    UpdateLineControls();
}

void PortPanel::UpdateLineControls() {
    const bool settable = !dlg_.IsOpen() || dlg_.HasLineSettings();
    for (QWidget* w : {static_cast<QWidget*>(baudList_), static_cast<QWidget*>(handshakeList_),
                       static_cast<QWidget*>(baudSet_), static_cast<QWidget*>(handshakeSet_)}) {
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

bool PortPanel::RefusedWithoutLineSettings(const QString& message) {
    // Sending the printer a rate or handshake change would only upset a printer whose
    // serial side nobody uses. A closed port gets the usual "Please Open the Port".
    if (!dlg_.IsOpen() || dlg_.HasLineSettings()) return false;
    Prompts::MessageBox(&dlg_, dlg_.windowTitle(), message, Prompts::OkOnly);
    return true;
}

void PortPanel::BaudSet() {
    if (RefusedWithoutLineSettings(NO_BAUD_MESSAGE)) return;
    const uint32_t rate = static_cast<uint32_t>(ReadRate(baudList_));
    dlg_.IssueSetup({[rate](CVRNX_LIB& p) { p.SetBaudRate(rate); }},
                    [rate](DCB& dcb) { dcb.BaudRate = rate; });
}

void PortPanel::HandshakeSet() {
    if (RefusedWithoutLineSettings(NO_HANDSHAKE_MESSAGE)) return;
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

QString PortPanel::SelectedPath() const {
    const int index = portList_->currentIndex();
    if (index < 0) return {};
    const auto path = ports_.PathFor(portList_->itemData(index).toUInt());
    return path ? QString::fromStdString(*path) : QString();
}

bool PortPanel::SelectPath(const QString& path) {
    if (path.isEmpty()) return false;
    const QString device = QFileInfo(path).canonicalFilePath();
    for (int i = 0; i < portList_->count(); ++i) {
        const auto listed = ports_.PathFor(portList_->itemData(i).toUInt());
        if (!listed) continue;
        const QString own = QString::fromStdString(*listed);
        if (own == path || (!device.isEmpty() && QFileInfo(own).canonicalFilePath() == device)) {
            portList_->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void PortPanel::Remember(RememberedSettings& settings, bool portNamed) {
    // By device (a /dev/serial/by-id name when there is one, so a USB adapter that
    // comes back as another ttyUSB is found again), never by COM number. A port that is
    // not there now leaves the first one selected.
    settings.Custom(
        QStringLiteral("port/device"),
        [this, portNamed](const QVariant& v) {
            if (!portNamed) SelectPath(v.toString());
        },
        [this]() -> QVariant {
            const QString path = SelectedPath();
            if (path.isEmpty()) return {};
            return RememberedSettings::StableDeviceName(path);
        });
    settings.SaveWhen(portList_, &QComboBox::activated);
    settings.Combo(QStringLiteral("port/baud"), baudList_);
    settings.Combo(QStringLiteral("port/handshake"), handshakeList_);
    settings.Custom(
        QStringLiteral("port/model"),
        [this](const QVariant& v) {
            const int index = modelList_->findText(v.toString());
            if (index < 0) return;
            modelList_->setCurrentIndex(index);
            ModelSelChange(index);
        },
        [this] { return QVariant(modelList_->currentText()); });
    settings.SaveWhen(modelList_, &QComboBox::activated);
}
