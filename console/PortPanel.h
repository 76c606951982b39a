#pragma once
// The port group: the port, baud-rate, handshake and model lists, COM Open and Close,
// the baud-rate and handshake "Set" buttons, "Printer Init" (a quick test), the logo,
// and the BUSY lamp that follows CTS.

#include <QObject>

class CLampButton;
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

    // The device path of the selected port (empty when none is selected).
    QString SelectedPath() const;
    // Selects the port whose device is `path` (the same path, or a link to the same
    // device); false, and the selection unchanged, when no listed port is.
    bool SelectPath(const QString& path);
    // The port, baud rate, handshake and model are remembered; the port only when no
    // port was named on the command line (`portNamed`).
    void Remember(RememberedSettings& settings, bool portNamed);

private:
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
};
