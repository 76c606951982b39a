#pragma once
// The "Tap" window: sits between a program and its printer and shows their
// conversation live. Opened from the main window (Ctrl+T, or "Tap..." in its context
// menu) and by `talvane --tap PROGRAM PRINTER`. The program's side is a pseudo-terminal
// behind a path, a TCP listener or a passive tap's line; the printer's side comes from
// the port list the main window uses. The tap opens ports of its own: the main window's
// port is not touched. Rows, the receipt the program's bytes print and a summary grow
// while it runs; Save keeps the capture, the program's side as records and the receipts.
#include "console/ExpectedReceiptRoll.h"
#include "console/TapEventNotes.h"
#include "console/TapRowsModel.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tap {
class Session;
}
class PortMap;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTableView;
class QTemporaryDir;
class QTimer;
class ReceiptRollView;

class TapWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int IDC_PROGRAM_KIND = 1401;
    static constexpr int IDC_PROGRAM_ADDRESS = 1402; // the terminal's path, the listen address
    static constexpr int IDC_PROGRAM_LINE = 1403;    // a passive tap's program line
    static constexpr int IDC_PRINTER = 1404;
    static constexpr int IDC_START = 1405;
    static constexpr int IDC_STOP = 1406;
    static constexpr int IDC_ROWS = 1407;
    static constexpr int IDC_RECEIPT = 1408;
    static constexpr int IDC_SUMMARY = 1409;
    static constexpr int IDC_STATE = 1410;
    static constexpr int IDC_SAVE_CAPTURE = 1411;
    static constexpr int IDC_SAVE_RECORDS = 1412;
    static constexpr int IDC_SAVE_RECEIPTS = 1413;
    // The program-side kinds, in the order of their list.
    enum ProgramKind { TERMINAL, LISTENER, PASSIVE };
    static constexpr const char* OBJECT_NAME = "tapWindow";
    static constexpr int DEFAULT_WIDTH = 1280;
    static constexpr int DEFAULT_HEIGHT = 640;

    // Makes `owner`'s (hidden) tap window and gives `owner` the shortcut and the context
    // menu item that show it. `ports` is the list the printer is chosen from,
    // `paperWidth` the width the receipts print at, `consolePort` the device path of the
    // port the main window has chosen (the printer the window first offers).
    static void Attach(QDialog* owner, PortMap& ports, std::function<int()> paperWidth,
                       std::function<QString()> consolePort = {});
    // The window of `owner` (after Attach), or null.
    static TapWindow* Of(QWidget* owner);

    TapWindow(PortMap& ports, std::function<int()> paperWidth, QWidget* owner);
    ~TapWindow() override;

    // Shows the window with the ends named as on the command line (pty:PATH,
    // tcp-listen:ADDR:PORT, passive:A,B; the printer a port name, a path or
    // tcp://HOST:PORT) and starts; false (and said) when it cannot.
    bool StartWith(const QString& program, const QString& printer);
    // Start and Stop as the buttons do.
    bool Start();
    void Stop();
    bool Running() const { return session_ != nullptr; }
    // Opening the ends (a network printer may take seconds to answer) or stopping (what
    // waits for the printer still goes to it) is under way.
    bool Busy() const { return phase_ != Phase::Settled; }

    TapRowsModel& Rows() { return *rows_; }
    // The roll as shown now; the renderer behind it while a roll exists (tests wait on it).
    const ExpectedReceiptRoll::View& Receipts() const { return receipts_; }
    ExpectedReceiptRoll* Roll() const { return roll_.get(); }
    QString SummaryText() const;
    QString StateText() const;
    // Where the program reaches the tap: the terminal's device, a listener's address.
    QString ProgramAddress() const { return programAddress_; }
    // Takes the rows, the roll and the summary; the timer does this while the window is open.
    void Refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Phase { Settled, Connecting, Stopping };
    // Runs `work` on a thread of its own while the window goes on handling events, so
    // neither a silent printer nor a draining one freezes the console.
    void OffTheUiThread(const std::function<void()>& work);
    void BuildControls();
    void KindChanged();
    void FillPortLists();
    // The path of the port named in `list`: an item, a port's name (COM3, NET1) or a
    // path; nothing (and `error`) for anything else.
    std::optional<std::string> PortPath(QComboBox* list, QString& error) const;
    std::optional<std::string> ProgramSideText(QString& error) const;
    void Refuse(const QString& text);
    void ShowState();
    void UpdateSummary();
    void SaveCapture();
    void SaveRecords();
    void SaveReceipts();

    PortMap& ports_;
    std::function<int()> paperWidth_;
    std::function<QString()> consolePort_;
    TapRowInbox inbox_;
    TapEventNotes eventNotes_; // the rows the event log keeps
    std::unique_ptr<ExpectedReceiptRoll> roll_;
    // After the inbox and the roll its threads hand rows to, so it goes first.
    std::unique_ptr<tap::Session> session_;
    ExpectedReceiptRoll::View receipts_;
    uint64_t receiptsVersion_ = 0;
    // The last session's capture, kept until the next session or the window goes.
    std::unique_ptr<QTemporaryDir> captureFolder_;
    std::string capturePath_;
    QString description_;
    QString programAddress_;
    QString finalSummary_;
    uint64_t undecoded_ = 0;
    Phase phase_ = Phase::Settled;
    // Stop pressed while the ends were being opened: the session that comes is let go.
    bool cancelled_ = false;
    // Bytes the last session read from the program and the printer never took.
    uint64_t notDelivered_ = 0;

    TapRowsModel* rows_ = nullptr;
    QComboBox* kind_ = nullptr;
    QLineEdit* address_ = nullptr;
    QComboBox* programLine_ = nullptr;
    QLabel* printerCaption_ = nullptr;
    QComboBox* printer_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QLabel* state_ = nullptr;
    QTableView* table_ = nullptr;
    QScrollArea* receiptScroll_ = nullptr;
    ReceiptRollView* receiptView_ = nullptr;
    QLabel* summary_ = nullptr;
    QPushButton* saveCapture_ = nullptr;
    QPushButton* saveRecords_ = nullptr;
    QPushButton* saveReceipts_ = nullptr;
    QTimer* timer_ = nullptr;
};
