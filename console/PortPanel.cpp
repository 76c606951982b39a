#include "console/PortPanel.h"

#include "console/ControlBuilder.h"
#include "eventlog/EventLog.h"
#include "console/ControlIds.h"
#include "console/RememberedSettings.h"
#include "console/TalvaneDlg.h"
#include "host/FlowControl.h"
#include "host/PortSetup.h"
#include "serial/PortKind.h"
#include "serial/DeviceWatcher.h"
#include "serial/PortMap.h"
#include "widgets/Icons.h"
#include "widgets/LampButton.h"
#include "widgets/Prompts.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTimer>
#include <QVariant>
#include <algorithm>
#include <cerrno>

using namespace ids;
using namespace flow;

namespace {

const char* const CONTEXT = "PortPanel";
QString Tr(const char* text) {
    return QCoreApplication::translate(CONTEXT, text);
}

const char* const OPEN_COM_TEXT = QT_TRANSLATE_NOOP("PortPanel", "Open COM");
const char* const CLOSE_COM_TEXT = QT_TRANSLATE_NOOP("PortPanel", "Close COM");
const char* const OPEN_ERROR = QT_TRANSLATE_NOOP("PortPanel", "Open the serial port error");
const char* const NO_LINE_SETTINGS_TIP =
    QT_TRANSLATE_NOOP("PortPanel", "A USB or network printer has no baud rate or handshake lines; "
                                   "the printer's own settings apply.");
const char* const NO_BAUD_MESSAGE = QT_TRANSLATE_NOOP(
    "PortPanel", "The baud rate cannot be set on this port: a USB or network printer "
                 "has no baud rate.");
const char* const NO_HANDSHAKE_MESSAGE = QT_TRANSLATE_NOOP(
    "PortPanel", "The handshaking cannot be set on this port: a USB or network printer "
                 "has no handshake lines.");
const char* const ABSENT_SUFFIX = QT_TRANSLATE_NOOP("PortPanel", " – absent");
const char* const ABSENT_TIP =
    QT_TRANSLATE_NOOP("PortPanel", "This device is not there now; the list shows it "
                                   "again when it comes back.");
const char* const LOST_TIP =
    QT_TRANSLATE_NOOP("PortPanel", "The printer on %1 is gone. The port opens again by "
                                   "itself when the same printer is back; Close COM "
                                   "stops waiting.");
const char* const NOT_THERE = QT_TRANSLATE_NOOP("PortPanel", "%1 is not there");
const char* const RECONNECTED =
    QT_TRANSLATE_NOOP("PortPanel", "The printer on %1 is back: reconnected");
const char* const TYPED_PATH_TIP = QT_TRANSLATE_NOOP(
    "PortPanel", "Choose a port, or type a device path (/dev/...) or tcp://HOST:PORT "
                 "and press Enter.");
const char* const TYPED_PATH_ERROR =
    QT_TRANSLATE_NOOP("PortPanel", "Type a device path starting with / or a network printer as "
                                   "tcp://HOST:PORT.");
const char* const LIST_FULL =
    QT_TRANSLATE_NOOP("PortPanel", "No more ports can be added to the list.");
const char* const CLOSED_UNDELIVERED =
    QT_TRANSLATE_NOOP("PortPanel", "%1 closed: %2 bytes were not delivered");
const char* const CLOSED_UNKNOWN = QT_TRANSLATE_NOOP(
    "PortPanel", "%1 closed: the port could not say whether everything was delivered");
// Devices come with a burst of changes (the node, its by-id link, its permissions):
// the list is looked at once the burst has settled.
constexpr int SETTLE_MS = 200;
// A folder that never stops changing (a busy /tmp holding a --port link) would put the
// look off for ever: a burst is looked at no later than this after its first change.
constexpr qint64 SETTLE_CAP_MS = 1000;
// Where a control keeps its own tooltip while the line-settings one is shown.
constexpr const char* KEPT_TIP_PROPERTY = "keptToolTip";

constexpr int LOGO_PIXELS = 128;
constexpr int COM_BUTTON_WIDTH = 110;
// The port list is as wide as an entry such as "COM101 (/dev/ttyUSB0)" needs; a longer
// one (a /dev/serial/by-id name) shows its start and its whole path in its tooltip,
// and its popup is as wide as the longest entry.
constexpr int PORT_LIST_CHARS = 24;
constexpr int MODEL_58MM = 0;
constexpr int MODEL_80MM = 1;
// CTS on means the printer takes data: the BUSY lamp is dark.
constexpr intptr_t CTS_ON = 1;

const char* const NO_PORT_MESSAGE = QT_TRANSLATE_NOOP("PortPanel", "本计算机上没有发现可用串口");

const controls::ListItems BAUD_RATES = {{"9600", "19200", "38400", "56000", "115200", "150000", "300000",
                                   "375000", "500000", "600000", "750000"},
                                  "9600"};
const controls::ListItems HANDSHAKES = {
    {QT_TRANSLATE_NOOP("PortPanel", "None"), "RTS/CTS", "Xon/Xoff"}, "None"};
const controls::ListItems MODELS = {{"58mm", "80mm"}, "58mm"};

int ReadRate(const QComboBox* list) {
    return list->currentIndex() < 0 ? 0 : ReadNumber(list->currentText());
}

} // namespace

PortPanel::PortPanel(CTalvaneDlg& dlg, PortMap& ports, QWidget* parent)
    : dlg_(dlg), ports_(ports) {
    box_ = new QWidget(parent);
    box_->setAccessibleName(QCoreApplication::translate("PortPanel", "Port"));
    controls::Builder b(box_, box_->accessibleName());
    portList_ = b.Combo(IDC_PORT_LIST, QCoreApplication::translate("PortPanel", "Interface:"));
    // A device the list does not show (a link of the operator's own, a printer on the
    // network) is typed in and taken with Enter; the list's own items are chosen as ever.
    portList_->setEditable(true);
    portList_->setInsertPolicy(QComboBox::NoInsert);
    portList_->setCompleter(nullptr);
    portList_->lineEdit()->setToolTip(Tr(TYPED_PATH_TIP));
    // The chosen entry, whole, above what typing does: its start is all the list shows.
    QObject::connect(portList_, &QComboBox::currentIndexChanged, portList_,
                     [this] { TellChosenPort(); });
    portList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    portList_->setMinimumContentsLength(PORT_LIST_CHARS);
    baudList_ = b.Combo(IDC_BAUD_LIST, QCoreApplication::translate("PortPanel", "Baudrate:"));
    handshakeList_ =
        b.Combo(IDC_HANDSHAKE_LIST, QCoreApplication::translate("PortPanel", "Handshaking:"));
    modelList_ = b.Combo(IDC_MODEL_LIST, QCoreApplication::translate("PortPanel", "Models:"));
    comButton_ = b.Lamp(IDC_COM_OPEN, QCoreApplication::translate("PortPanel", "COM Open"));
    init_ = b.Button(IDC_PRINTER_INIT, QCoreApplication::translate("PortPanel", "Printer Init"));
    comButton_->setMinimumWidth(COM_BUTTON_WIDTH);
    init_->setMinimumWidth(COM_BUTTON_WIDTH);

    auto* g = new QGridLayout(box_);
    g->setContentsMargins(0, 0, 0, 0);
    g->setVerticalSpacing(4);
    g->addWidget(b.Label(QCoreApplication::translate("PortPanel", "Interface:"), portList_), 0, 0);
    g->addWidget(portList_, 0, 1, 1, 2);
    g->addWidget(b.Label(QCoreApplication::translate("PortPanel", "Baudrate:"), baudList_), 1, 0);
    g->addWidget(baudList_, 1, 1);
    baudSet_ = b.Button(IDC_BAUD_SET, QCoreApplication::translate("PortPanel", "Set"));
    baudSet_->setAccessibleName(QCoreApplication::translate("PortPanel", "Set baud rate"));
    g->addWidget(baudSet_, 1, 2);
    g->addWidget(b.Label(QCoreApplication::translate("PortPanel", "Handshaking:"), handshakeList_),
                 2, 0);
    g->addWidget(handshakeList_, 2, 1);
    handshakeSet_ = b.Button(IDC_HANDSHAKE_SET, QCoreApplication::translate("PortPanel", "Set"));
    handshakeSet_->setAccessibleName(QCoreApplication::translate("PortPanel", "Set handshaking"));
    g->addWidget(handshakeSet_, 2, 2);
    g->addWidget(b.Label(QCoreApplication::translate("PortPanel", "Models:"), modelList_), 3, 0);
    g->addWidget(modelList_, 3, 1);
    g->addWidget(comButton_, 0, 3);
    g->addWidget(init_, 1, 3);
    g->setColumnStretch(1, 1);

    // The logo stands to the right of the COM button, a little above its top.
    logo_ = new QLabel(box_);
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->setAccessibleName(QCoreApplication::translate("PortPanel", "Talvane logo"));
    logo_->setAlignment(Qt::AlignCenter);
    logo_->setFixedSize(LOGO_PIXELS, LOGO_PIXELS / 1.3);
    logo_->setScaledContents(false);
    g->addWidget(logo_, 0, 4, 4, 1, Qt::AlignTop | Qt::AlignLeft);
    g->setColumnMinimumWidth(4, LOGO_PIXELS);
}

PortPanel::~PortPanel() {
    // The notifier goes before the descriptor it watches.
    delete watchNotifier_;
}

void PortPanel::FillLists() {
    SyncList();
    if (portList_->count() == 0)
        Prompts::MessageBox(&dlg_, dlg_.windowTitle(), Tr(NO_PORT_MESSAGE), Prompts::OkOnly,
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
    controls::Fill(handshakeList_, HANDSHAKES, CONTEXT);
    controls::Fill(modelList_, MODELS);
}

void PortPanel::SyncList() {
    // A path being typed when a device comes or goes is the operator's: it stays.
    QLineEdit* edit = portList_->lineEdit();
    const int current = portList_->currentIndex();
    const bool typing = edit && edit->hasFocus() &&
                        edit->text() != (current >= 0 ? portList_->itemText(current) : QString());
    const QString typed = typing ? edit->text() : QString();
    const std::vector<PortEntry> entries = ports_.Entries();
    bool sameOrder = static_cast<size_t>(portList_->count()) == entries.size();
    for (size_t i = 0; sameOrder && i < entries.size(); ++i)
        sameOrder = portList_->itemData(static_cast<int>(i)).toUInt() == entries[i].number;
    if (!sameOrder) {
        // Rebuilt quietly: the selection is put back on its port, so nothing that
        // follows the list sees a change that is not one.
        const QVariant selected = portList_->currentData();
        const QSignalBlocker quiet(portList_);
        portList_->clear();
        int index = 0;
        for (const PortEntry& entry : entries)
            // The entry's own number: "USB1" and "NET1" are not COM1.
            portList_->insertItem(index++, QString(), static_cast<uint>(entry.number));
        if (selected.isValid()) portList_->setCurrentIndex(portList_->findData(selected));
    }
    const QBrush absentBrush = portList_->palette().brush(QPalette::Disabled, QPalette::Text);
    for (size_t i = 0; i < entries.size(); ++i) {
        const int row = static_cast<int>(i);
        const PortEntry& entry = entries[i];
        QString text = QString::fromStdString(entry.display);
        if (!entry.present) text += Tr(ABSENT_SUFFIX);
        if (portList_->itemText(row) != text) portList_->setItemText(row, text);
        portList_->setItemData(row, entry.present ? QVariant() : QVariant(absentBrush),
                               Qt::ForegroundRole);
        const QString tip = QString::fromStdString(entry.display);
        portList_->setItemData(row, entry.present ? tip : tip + QLatin1Char('\n') + Tr(ABSENT_TIP),
                               Qt::ToolTipRole);
    }
    portList_->view()->setMinimumWidth(portList_->view()->sizeHintForColumn(0));
    TellChosenPort();
    if (typing && edit->text() != typed) edit->setText(typed);
}

void PortPanel::TellChosenPort() {
    const int index = portList_->currentIndex();
    const QString entry = index >= 0 ? portList_->itemText(index) : QString();
    portList_->lineEdit()->setToolTip(
        entry.isEmpty() ? Tr(TYPED_PATH_TIP) : entry + QLatin1Char('\n') + Tr(TYPED_PATH_TIP));
}

QString PortPanel::SelectedPortPath() const {
    if (portList_->currentIndex() < 0) return QString();
    const auto path = ports_.PathFor(portList_->currentData().toUInt());
    return path ? QString::fromStdString(*path) : QString();
}

QString PortPanel::SelectedDevicePath() const {
    if (portList_->currentIndex() < 0) return QString();
    const auto name = ports_.DeviceNameFor(portList_->currentData().toUInt());
    return name ? QString::fromStdString(*name) : QString();
}

bool PortPanel::SelectDevicePath(const QString& pathOrLink) {
    const uint32_t number = ports_.NumberForDevice(pathOrLink.toStdString());
    int row = number == 0 ? -1 : portList_->findData(static_cast<uint>(number));
    if (row < 0) row = RowOfSameDevice(pathOrLink);
    if (row < 0) return false;
    portList_->setCurrentIndex(row);
    return true;
}

int PortPanel::RowOfSameDevice(const QString& pathOrLink) const {
    // Another name for a listed node (a by-id link made outside the watched folders).
    const QString device = QFileInfo(pathOrLink).canonicalFilePath();
    if (device.isEmpty()) return -1;
    for (int i = 0; i < portList_->count(); ++i) {
        const auto listed = ports_.EntryFor(portList_->itemData(i).toUInt());
        if (listed && listed->present &&
            QFileInfo(QString::fromStdString(listed->path)).canonicalFilePath() == device)
            return i;
    }
    return -1;
}

void PortPanel::TypedPath() {
    QLineEdit* edit = portList_->lineEdit();
    const QString typed = edit->text().trimmed();
    const int row = portList_->currentIndex();
    const QString shown = row >= 0 ? portList_->itemText(row) : QString();
    auto restore = [&] { edit->setText(shown); };
    if (typed == shown) return;
    if (typed.isEmpty()) return restore();
    // An item's own text, or the path of a device listed already: that item.
    if (const int same = portList_->findText(typed); same >= 0) {
        portList_->setCurrentIndex(same);
        return;
    }
    if (SelectDevicePath(typed)) return;
    const std::string path = typed.toStdString();
    const bool network = KindOfPath(path) == PortKind::Network;
    if (network ? !ParseNetworkAddress(path) : !typed.startsWith(QLatin1Char('/'))) {
        restore();
        dlg_.ShowHelpTip(portList_, Tr(TYPED_PATH_ERROR));
        return;
    }
    const uint32_t number = ports_.AddCommandLinePort(path);
    if (number == 0) {
        restore();
        dlg_.ShowHelpTip(portList_, Tr(LIST_FULL));
        return;
    }
    // Its folder is watched from now on, so the entry follows the device.
    if (watcher_) watcher_->Watch(ports_.WatchDirectories());
    SyncList();
    portList_->setCurrentIndex(portList_->findData(static_cast<uint>(number)));
}

void PortPanel::DevicesChanged() {
    if (!watcher_->TakeChanges()) return;
    if (!settle_->isActive()) burstStart_.start();
    const qint64 capLeft = SETTLE_CAP_MS - burstStart_.elapsed();
    settle_->start(static_cast<int>(std::clamp<qint64>(capLeft, 0, SETTLE_MS)));
}

void PortPanel::DevicesSettled() {
    ports_.Refresh();
    // Folders made meanwhile (the by-id folder with the first USB adapter) are
    // watched from now on.
    watcher_->Watch(ports_.WatchDirectories());
    SyncList();
    if (lost_) TryReconnect();
}

void PortPanel::ShowOpen(bool open) {
    comButton_->SetCaption(open ? Tr(CLOSE_COM_TEXT) : Tr(OPEN_COM_TEXT));
    comButton_->SetLamp(open);
    comButton_->setToolTip(comTip_);
    UpdateLineControls();
}

void PortPanel::DeviceGone(uintptr_t port, intptr_t error) {
    // A late notice of a port closed or opened anew since says nothing of this one.
    if (lost_ || !dlg_.IsOpen() || port != dlg_.GetPort() || !dlg_.DeviceVanished()) return;
    keptDcb_ = dlg_.DCB_;
    dlg_.Close(CN_DEFAULT_CLOSE_WAIT_MS);
    // What the threads dropped, and anything still queued that they had not reached.
    uint64_t dropped = dlg_.DroppedTxBytes() - droppedAtOpen_;
    dropped += dlg_.GetTxBuffer().Size();
    dlg_.GetTxBuffer().Clear(true);
    lost_ = true;
    lostPort_ = static_cast<uint32_t>(port);
    reconnectFailure_.clear();
    busy_->SetShade(CLampButton::SHADE_FLAT_GREY);
    busy_->SetLamp(false);
    // The caption stays "Close COM": the port is still the operator's choice, and the
    // button is how to give it up.
    comButton_->SetCaption(Tr(CLOSE_COM_TEXT));
    comButton_->SetLamp(false);
    const QString label = PortLabel(ports_, lostPort_);
    comButton_->setToolTip(Tr(LOST_TIP).arg(label));
    UpdateLineControls();
    eventlog::Note(eventlog::Kind::Port,
                   QStringLiteral("%1 lost (%2, %3 bytes dropped)")
                       .arg(label, SystemErrorName(static_cast<int>(error)))
                       .arg(dropped).toStdString(), eventlog::Level::Error);
    const QString gone = DeviceGoneMessage(label, static_cast<int>(error), dropped);
    dlg_.ShowHelpTip(comButton_, gone);
    ports_.Refresh();
    SyncList();
    // The printer may be back already (or another one at its path, known by its link):
    // the folder's changes were then served before this notice, and none is left to
    // bring the reconnect.
    TryReconnect(gone);
}

void PortPanel::TryReconnect(const QString& goneMessage) {
    const auto entry = ports_.EntryFor(lostPort_);
    // A network printer has no device to watch for: the operator reopens it.
    if (!entry || !entry->present || entry->kind == PortKind::Network) return;
    dlg_.ChangeOptions(OPEN_REMOVE_OPTIONS, OPEN_ADD_OPTIONS);
    dlg_.SetNotifyCount(NOTIFY_EVERY_BYTE);
    dlg_.SetPortMap(&ports_);
    if (!dlg_.Open(lostPort_, keptDcb_.BaudRate, NOPARITY, BYTE_SIZE_8, ONESTOPBIT)) {
        // A device still coming up (no node yet, not ready) is waited for quietly; one
        // the operator may not use, or that another program holds, is said.
        const int error = dlg_.LastSystemError();
        if (error == ENOENT || error == ENODEV || error == ENXIO || error == EIO) return;
        // Right after the loss its message stands; the next look at the folder says why.
        if (!goneMessage.isEmpty()) return;
        const QString reason = OpenFailureReason(ports_, lostPort_);
        if (reason != reconnectFailure_) {
            reconnectFailure_ = reason;
            eventlog::Note(eventlog::Kind::Port, "Reconnect refused: " + reason.toStdString(),
                           eventlog::Level::Error);
            dlg_.ShowHelpTip(comButton_, Tr(OPEN_ERROR) + QLatin1Char('\n') + reason);
        }
        return;
    }
    // The settings it had, and nothing sent: the operator asked for no command.
    dlg_.CO_ = OPEN_TIMEOUTS;
    dlg_.SetTimeouts();
    dlg_.DCB_ = keptDcb_;
    dlg_.SetState();
    droppedAtOpen_ = dlg_.DroppedTxBytes();
    lost_ = false;
    reconnectFailure_.clear();
    ShowOpen(true);
    eventlog::Note(eventlog::Kind::Port, PortLabel(ports_, lostPort_).toStdString() + " back");
    const QString back = Tr(RECONNECTED).arg(PortLabel(ports_, lostPort_));
    dlg_.ShowHelpTip(comButton_, goneMessage.isEmpty() ? back : goneMessage + QLatin1Char('\n') + back);
}

void PortPanel::StopWaiting() {
    lost_ = false;
    reconnectFailure_.clear();
    ShowOpen(false);
}

void PortPanel::Start() {
    logo_->setPixmap(Icons::Logo(qMin(logo_->width(), logo_->height())));
    comButton_->SetShade(CLampButton::SHADE_RAISED_BLUE);
    comButton_->SetLamp(false);
}

void PortPanel::Connect(CLampButton* busy) {
    busy_ = busy;
    comTip_ = comButton_->toolTip();
    connect(comButton_, &QPushButton::clicked, this, &PortPanel::ComOpen);
    connect(baudSet_, &QPushButton::clicked, this, &PortPanel::BaudSet);
    connect(handshakeSet_, &QPushButton::clicked, this, &PortPanel::HandshakeSet);
    connect(modelList_, &QComboBox::activated, this, &PortPanel::ModelSelChange);
    connect(portList_->lineEdit(), &QLineEdit::editingFinished, this, &PortPanel::TypedPath);
    dlg_.OnMessage(CN_MSG_CTS, [this](uintptr_t, intptr_t lParam) { CtsMessage(lParam); });
    dlg_.OnMessage(CN_MSG_DEVICEGONE,
                   [this](uintptr_t wParam, intptr_t lParam) { DeviceGone(wParam, lParam); });

    watcher_ = DeviceWatcher::Create();
    if (watcher_ && watcher_->ReadyDescriptor() >= 0) {
        watcher_->Watch(ports_.WatchDirectories());
        settle_ = new QTimer(this);
        settle_->setSingleShot(true);
        settle_->setInterval(SETTLE_MS);
        connect(settle_, &QTimer::timeout, this, &PortPanel::DevicesSettled);
        watchNotifier_ = new QSocketNotifier(static_cast<qintptr>(watcher_->ReadyDescriptor()),
                                             QSocketNotifier::Read, this);
        connect(watchNotifier_, &QSocketNotifier::activated, this, &PortPanel::DevicesChanged);
    }
}

void PortPanel::ComOpen() {
    if (lost_) {
        StopWaiting();
        return;
    }
    if (dlg_.IsOpen()) {
        const uint32_t port = dlg_.GetPort();
        dlg_.Close(CN_DEFAULT_CLOSE_WAIT_MS);
        // What the device still held when the close gave up, the piece a write was
        // stopped in, and what never left the transmit buffer: none of it arrived.
        const uint32_t left = dlg_.UndeliveredAtClose();
        const uint64_t unsent = dlg_.GetTxBuffer().Size();
        dlg_.GetTxBuffer().Clear(true);
        busy_->SetShade(CLampButton::SHADE_FLAT_GREY);
        busy_->SetLamp(false);
        ShowOpen(false);
        const QString label = PortLabel(ports_, port);
        eventlog::Note(eventlog::Kind::Port, label.toStdString() + " closed");
        if (left == CN_QUERY_FAILED)
            dlg_.ShowHelpTip(comButton_, Tr(CLOSED_UNKNOWN).arg(label));
        else if (left + unsent != 0)
            dlg_.ShowHelpTip(comButton_, Tr(CLOSED_UNDELIVERED).arg(label).arg(left + unsent));
        return;
    }

    const uint32_t port = portList_->currentIndex() < 0 ? 0 : portList_->currentData().toUInt();
    // An absent entry's path may hold another device by now (another adapter that came
    // as the same ttyUSB): it is not opened. The folder is looked at first, so a burst
    // of changes not settled yet cannot make the list wrong either way.
    ports_.Refresh();
    SyncList();
    if (const auto entry = ports_.EntryFor(port); entry && !entry->present) {
        dlg_.ShowHelpTip(comButton_, Tr(NOT_THERE).arg(PortLabel(ports_, port)));
        return;
    }
    const uint32_t baud = static_cast<uint32_t>(ReadRate(baudList_));
    dlg_.ChangeOptions(OPEN_REMOVE_OPTIONS, OPEN_ADD_OPTIONS);
    dlg_.SetNotifyCount(NOTIFY_EVERY_BYTE);
    dlg_.SetPortMap(&ports_);
    if (!dlg_.Open(port, baud, NOPARITY, BYTE_SIZE_8, ONESTOPBIT)) {
        // A network printer has no file to look at: the connect's own reason says it
        // ("Connection refused", "No route to host", "Connection timed out"), with the
        // address it went to.
        const auto path = ports_.PathFor(port);
        const QString tip =
            path && KindOfPath(*path) == PortKind::Network
                ? NetworkConnectFailure(ports_, port, dlg_.LastSystemError())
                : Tr(OPEN_ERROR) + QLatin1Char('\n') + OpenFailureReason(ports_, port);
        // The log keeps the source language: the shown caption is put back.
        QString logged = tip;
        if (logged.startsWith(Tr(OPEN_ERROR) + QLatin1Char('\n')))
            logged.replace(0, Tr(OPEN_ERROR).size(), QString::fromLatin1(OPEN_ERROR));
        eventlog::Note(eventlog::Kind::Port,
                       PortLabel(ports_, port).toStdString() + " refused: " +
                           logged.replace(QLatin1Char('\n'), QLatin1Char(' ')).toStdString(),
                       eventlog::Level::Error);
        dlg_.ShowHelpTip(comButton_, tip);
        return;
    }
    dlg_.CO_ = OPEN_TIMEOUTS;
    dlg_.SetTimeouts();
    ApplyFlowRow(dlg_.DCB_, RowOf(handshakeList_->currentIndex()));
    dlg_.SetState();
    droppedAtOpen_ = dlg_.DroppedTxBytes();
    ShowOpen(true);
    eventlog::Note(eventlog::Kind::Port,
                   QStringLiteral("%1 opened at %2 baud, %3")
                       .arg(PortLabel(ports_, port))
                       .arg(baud)
                       .arg(controls::SourceText(handshakeList_, handshakeList_->currentIndex()))
                       .toStdString());
}

void PortPanel::CloseAtQuit() {
    if (!dlg_.IsOpen()) return;
    const uint32_t port = dlg_.GetPort();
    dlg_.Close(CN_DEFAULT_CLOSE_WAIT_MS);
    const uint32_t left = dlg_.UndeliveredAtClose();
    const uint64_t unsent = dlg_.GetTxBuffer().Size();
    dlg_.GetTxBuffer().Clear(true);
    std::string text = PortLabel(ports_, port).toStdString() + " closed as the console quit";
    eventlog::Level level = eventlog::Level::Info;
    if (left == CN_QUERY_FAILED) {
        text += "; the port could not say whether everything was delivered";
        level = eventlog::Level::Warning;
    } else if (left + unsent != 0) {
        text += "; " + std::to_string(left + unsent) + " bytes were not delivered to the printer";
        level = eventlog::Level::Warning;
    }
    eventlog::Note(eventlog::Kind::Port, text, level);
}

void PortPanel::UpdateLineControls() {
    const bool settable = !dlg_.IsOpen() || dlg_.HasLineSettings();
    for (QWidget* w : {static_cast<QWidget*>(baudList_), static_cast<QWidget*>(handshakeList_),
                       static_cast<QWidget*>(baudSet_), static_cast<QWidget*>(handshakeSet_)}) {
        const bool replaced = w->property(KEPT_TIP_PROPERTY).isValid();
        if (!settable && !replaced) {
            w->setProperty(KEPT_TIP_PROPERTY, w->toolTip());
            w->setToolTip(Tr(NO_LINE_SETTINGS_TIP));
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
    if (RefusedWithoutLineSettings(Tr(NO_BAUD_MESSAGE))) return;
    const uint32_t rate = static_cast<uint32_t>(ReadRate(baudList_));
    dlg_.IssueSetup({[rate](CVRNX_LIB& p) { p.SetBaudRate(rate); }},
                    [rate](DCB& dcb) { dcb.BaudRate = rate; });
}

void PortPanel::HandshakeSet() {
    if (RefusedWithoutLineSettings(Tr(NO_HANDSHAKE_MESSAGE))) return;
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

void PortPanel::Remember(RememberedSettings& settings, bool portNamed) {
    // By device (a /dev/serial/by-id name when there is one, so a USB adapter that
    // comes back as another ttyUSB is found again), never by COM number. A port that is
    // not there now leaves the first one selected.
    settings.Custom(
        QStringLiteral("port/device"),
        [this, portNamed](const QVariant& v) {
            if (!portNamed) SelectDevicePath(v.toString());
        },
        [this]() -> QVariant {
            const QString path = SelectedDevicePath();
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
