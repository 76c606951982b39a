#pragma once
// The "Printer status" group: "Read status" and "Clear-Buf", the five condition lamps
// that follow the status parser's notifications, and the BUSY lamp (hidden; the port
// group drives it from CTS).

#include <QObject>
#include <array>

class CLampButton;
class CTalvaneDlg;
class QGroupBox;
class QPushButton;
class QWidget;

class StatusPanel : public QObject {
public:
    StatusPanel(CTalvaneDlg& dlg, QWidget* parent);

    QWidget* Widget() const;
    CLampButton* BusyLamp() const { return lamps_[BUSY]; }

    // Start-up state: every lamp grey and dark.
    void Start();
    // Wires the buttons, and the lamps to the status parser's notifications.
    void Connect();

private:
    static constexpr int LAMP_COUNT = 6;
    static constexpr int BUSY = LAMP_COUNT - 1;

    void ReadStatus();
    void ClearBuffer();

    CTalvaneDlg& dlg_;
    QGroupBox* box_ = nullptr;
    std::array<CLampButton*, LAMP_COUNT> lamps_ = {};
    QPushButton* readStatus_ = nullptr;
    QPushButton* clearBuffer_ = nullptr;
};
