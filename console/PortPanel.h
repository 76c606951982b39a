#pragma once
// The port group: the port, baud-rate, handshake and model lists, COM Open and Close,
// the baud-rate and handshake "Set" buttons, "Printer Init" (a quick test), the logo,
// and the BUSY lamp that follows CTS.
//
// The port list follows the devices: a device watcher says when entries come and go
// in the device folders, and the list is brought up to date (absent devices stay,
// marked, with their numbers). When the open port's device vanishes the port is
// closed at once and shown as lost; when the same device comes back it is opened
// again with the settings it had, unless the operator closed the port meanwhile.

#include "serial/SerialTypes.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>

class CLampButton;
class DeviceWatcher;
class QSocketNotifier;
class QTimer;
class CTalvaneDlg;
class PortMap;
class QComboBox;
class QLabel;
class QPushButton;
class RememberedSettings;
class QString;
class QWidget;

class PortPanel : public QObject {
public:
    PortPanel(CTalvaneDlg& dlg, PortMap& ports, QWidget* parent);
    ~PortPanel() override;

    QWidget* Widget() const { return box_; }
    CLampButton* ComButton() const { return comButton_; }
    QPushButton* PrinterInitButton() const { return init_; }

    // Fills the port list (saying so when there is none) and the baud-rate, handshake
    // and model lists with their start-up items.
    void FillLists();
    // Start-up state: the logo, COM Open dark.
    void Start();
    // Wires the buttons and lists; `busy` is the status group's BUSY lamp.
    void Connect(CLampButton* busy);

    // The device of the selected port, as it is best found again: its by-id link when
    // it has one, else its path; empty when no port is selected.
    QString SelectedDevicePath() const;
    // The chosen port's path as the port list has it (/dev/ttyUSB0, tcp://host:9100).
    QString SelectedPortPath() const;
    // Selects the port of a device named by its path or by-id link (or any other link
    // to the same device node); false, and the selection unchanged, when the list has none.
    bool SelectDevicePath(const QString& pathOrLink);
    // True while the open port's device is gone and the console waits for it.
    bool IsPortLost() const { return lost_; }
    // The console quits: an open port is closed as Close COM would, and the log says so
    // with what did not reach the printer.
    void CloseAtQuit();
    // The port, baud rate, handshake and model are remembered; the port only when no
    // port was named on the command line (`portNamed`).
    void Remember(RememberedSettings& settings, bool portNamed);

private:
    // The list's tooltip names the chosen entry whole (the list shows its start).
    void TellChosenPort();
    // The row of a present port whose node `pathOrLink` resolves to; -1 when none.
    int RowOfSameDevice(const QString& pathOrLink) const;
    // Brings the list up to the port map: new entries added, absent ones marked; the
    // selection stays on its port.
    void SyncList();
    // A path typed into the list: added (as with --port) and selected.
    void TypedPath();
    // The watcher saw a change: wait for the burst to settle (or for its cap), then look.
    void DevicesChanged();
    void DevicesSettled();
    void DeviceGone(uintptr_t port, intptr_t error);
    // Opens the lost port again when its device is back; says why when it cannot.
    // Tried on the loss itself with its message (`goneMessage`), which then stays
    // in front of what the reconnect says.
    void TryReconnect(const QString& goneMessage = {});
    // The operator gave up on the lost port: the button shows it closed.
    void StopWaiting();
    void ShowOpen(bool open);
    void ComOpen();
    void BaudSet();
    void HandshakeSet();
    void ModelSelChange(int index);
    void CtsMessage(intptr_t lParam);
    // Baud rate and handshake controls: disabled, with a tooltip saying why, while
    // the open port has no line settings (a USB or network printer).
    void UpdateLineControls();
    // On an open port without line settings: says `message` and returns true.
    bool RefusedWithoutLineSettings(const QString& message);

    CTalvaneDlg& dlg_;
    PortMap& ports_;
    QWidget* box_ = nullptr;
    QComboBox* portList_ = nullptr;
    QComboBox* baudList_ = nullptr;
    QComboBox* handshakeList_ = nullptr;
    QComboBox* modelList_ = nullptr;
    CLampButton* comButton_ = nullptr;
    QPushButton* init_ = nullptr;
    QPushButton* baudSet_ = nullptr;
    QPushButton* handshakeSet_ = nullptr;
    QLabel* logo_ = nullptr;
    CLampButton* busy_ = nullptr;

    std::unique_ptr<DeviceWatcher> watcher_;
    QSocketNotifier* watchNotifier_ = nullptr;
    QTimer* settle_ = nullptr;
    QElapsedTimer burstStart_; // since the first change of the burst being waited out
    bool lost_ = false;
    uint32_t lostPort_ = 0;
    // The line settings in force when the device went, for the reconnect.
    DCB keptDcb_{};
    // DroppedTxBytes() when the port was opened: the engine's count runs on.
    uint64_t droppedAtOpen_ = 0;
    // The last reason a reconnect failed, said once until it changes.
    QString reconnectFailure_;
    QString comTip_; // the COM button's own tooltip, put back when it is not lost
};
