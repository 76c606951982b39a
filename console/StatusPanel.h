#pragma once
// The "Printer status" group: "Read status" and "Clear-Buf", the five condition lamps
// that follow the status parser's notifications, and the BUSY lamp (hidden; the port
// group drives it from CTS). Under them a line says when the printer last answered, or
// that a status request went unanswered.

#include <QObject>
#include <QTime>
#include <array>

class CLampButton;
class CTalvaneDlg;
class QGroupBox;
class QLabel;
class QTimer;
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
    // The printer has just answered (any status byte or response).
    void Answered();

    // How long "Read status" waits for the status byte before saying there was none.
    static constexpr int ANSWER_WAIT_MS = 500;

private:
    static constexpr int LAMP_COUNT = 6;
    static constexpr int BUSY = LAMP_COUNT - 1;

    void ReadStatus();
    void ClearBuffer();
    void AnswerMissing();
    void ShowAnswerLine(bool missing);

    CTalvaneDlg& dlg_;
    QGroupBox* box_ = nullptr;
    std::array<CLampButton*, LAMP_COUNT> lamps_ = {};
    QPushButton* readStatus_ = nullptr;
    QPushButton* clearBuffer_ = nullptr;
    QLabel* answerLine_ = nullptr;
    QTimer* answerTimer_ = nullptr;
    QTime lastAnswer_; // null until the first answer
};
