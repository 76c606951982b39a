#pragma once
// The main dialog. One object is at once the window, the printer command library and
// the serial port: CTalvaneDlg is a QDialog and a CVRNX_LIB. It is also the message
// target of the port's and the printer's notifications, which arrive here as Qt posted
// events, in order, on the user-interface thread.
//
// The handlers of the control groups live in their own files (Records.cpp, and those
// that the port, send/receive, samples, picture and status handlers add); this file
// declares them all.

#include "HelpTip.h"
#include "PageHost.h"
#include "VrnxLib.h"
#include "WindowMessages.h"

#include <QByteArray>
#include <QDialog>
#include <QIcon>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

class CBarcode;
class PicturePrinter;
class QuickSamples;
class C2DCode;
class CLayOut;
class CLampButton;
class CCommandEdit;
class CRecordsModel;
class CRecordsView;
class PortMap;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class QTabWidget;

class CTalvaneDlg : public QDialog, public CVRNX_LIB, public MessageWindow, public PageHost {
    Q_OBJECT
public:
    // Printable widths in dots of the two printer models.
    static constexpr int WIDTH_58MM = 384;
    static constexpr int WIDTH_80MM = 576;

    // Builds the window and runs the start-up sequence. The port list comes from
    // `ports` (the process-wide map when null).
    explicit CTalvaneDlg(PortMap* ports = nullptr, QWidget* parent = nullptr);
    ~CTalvaneDlg() override;

    // The control of a dialog id (searched in this dialog and its pages), or null.
    QWidget* Control(int id) const;
    template <typename T> T* ControlAs(int id) const { return qobject_cast<T*>(Control(id)); }

    // --- PageHost -----------------------------------------------------------------
    CVRNX_LIB& Printer() override { return *this; }
    bool WarnIfPortClosed() override;
    void ShowHelpTip(QWidget* control, const QString& text) override;
    void AddOperationRecord(const std::string& hexText) override;
    // The same, taking the text over: a picture's megabytes of hex text are not copied.
    void AddOperationRecord(std::string&& hexText);
    int PrintableWidth() const override { return printableWidth_; }

    // --- Window messages ------------------------------------------------------------
    // Called on the posting thread; queues the message for this dialog's thread.
    void DeliverMessage(const WindowMessage& msg) override;
    using MessageHandler = std::function<void(uintptr_t wParam, intptr_t lParam)>;
    // Routes a window message to `handler` on the user-interface thread.
    void OnMessage(uint32_t message, MessageHandler handler);
    HWND WindowHandle() { return this; }

    // --- Operation records --------------------------------------------------------
    CRecordsModel& Records() { return *recordsModel_; }
    void OnRecordsClear();
    void OnRecordsSave();
    void OnRecordsImport();
    void OnRecordsResend();

    // The dialog's own control of an id, never a page's (the label page's "Get" is
    // 1087 too).
    QWidget* DialogControl(int id) const;

    CHelpTip& HelpTip() { return helpTip_; }
    void SetPrintableWidth(int dots) { printableWidth_ = dots; }

    // Enter never closes the dialog; Escape and the close box ask first.
    void accept() override;
    void reject() override;

protected:
    void customEvent(QEvent* event) override;

private:
    void BuildLayout();
    QWidget* BuildPortGroup();
    QWidget* BuildQuickTestGroup();
    QWidget* BuildSettingGroup();
    QWidget* BuildSendGroup();
    QWidget* BuildReceiveGroup();
    QWidget* BuildPictureGroup();
    QWidget* BuildOthersGroup();
    QWidget* BuildStatusGroup();
    QWidget* BuildRecordsGroup();

    void OnInitDialog();
    void FillPortList();
    void FillComboLists();
    void CreatePages();
    void SetDefaultTexts();
    void SetupRecordsList();
    void OnTabSelChange(int index);
    void ConnectRecordHandlers();

    // Port group and printer settings (PortControls.cpp, SettingControls.cpp).
    void ConnectPortHandlers();
    void OnComOpen();
    void OnBaudSet();
    void OnHandshakeSet();
    void OnModelSelChange(int index);
    void OnCtsMessage(intptr_t lParam);
    // Stops the worker threads, drops what waits to be sent, switches flow control off
    // and restarts the threads; the previous DCB_ goes to `kept` when given.
    void QuietLine(DCB* kept);
    // Baud rate and handshake controls: disabled, with a tooltip saying why, while
    // the open port has no line settings (a USB or network printer).
    void UpdateLineControls();
    void ConnectSettingHandlers();
    void OnLineSpacingChange();
    void OnMarginChange(bool rightEdit);
    void OnStyleClick();
    void OnCoordinateSet();
    void OnCut();
    void OnFeedOrBack(int editId, bool back);

    // Send and receive panels (SendReceive.cpp).
    void ConnectSendReceiveHandlers();
    void OnSendHex();
    void OnSend();
    void OnSendPrint();
    void OnSendSave();
    void OnSendImport();
    void OnSendText();
    void OnReceiveHex();
    void OnReceive();
    // Shows `bytes` at the end of the receive edit in its current form.
    void AppendReceived(const QByteArray& bytes);
    // Shows every kept received byte again, in the form the HEX box chooses.
    void ShowReceived();

    // Printer status panel (StatusPanel.cpp).
    void ConnectStatusHandlers();
    void OnReadStatus();
    void OnClearBuffer();
    void OnResponse();

    // Quick test samples and picture printing (Samples.cpp): the buttons forward to
    // the samples' scripts and the picture printer.
    void ConnectSampleHandlers();

    PortMap* ports_;
    QIcon appIcon_;
    CHelpTip helpTip_;
    QLabel* logo_ = nullptr;
    int printableWidth_ = WIDTH_58MM;
    std::map<uint32_t, MessageHandler> messageHandlers_;
    // Messages from the port's threads wait here, under our own lock, until the posted
    // wake-up event for each reaches the user-interface thread: the hand-over is then
    // visible to the thread checker, not hidden inside the toolkit's event queue.
    std::mutex pendingMutex_;
    std::deque<WindowMessage> pendingMessages_;

    // Controls with a member; the others are reached by id.
    QComboBox* portList_ = nullptr;
    QComboBox* baudList_ = nullptr;
    QComboBox* handshakeList_ = nullptr;
    QComboBox* modelList_ = nullptr;
    CLampButton* comButton_ = nullptr;
    QComboBox* fontList_ = nullptr;
    QComboBox* alignmentList_ = nullptr;
    QComboBox* densityList_ = nullptr;
    QComboBox* speedList_ = nullptr;
    CCommandEdit* sendEdit_ = nullptr;
    QLineEdit* sendPath_ = nullptr;
    QPlainTextEdit* receiveEdit_ = nullptr;
    // The bytes the receive edit shows, so that either form can be made from them.
    QByteArray received_;
    // Received bytes not shown yet: they go into the edit together, once per pass of the
    // event loop.
    QByteArray receivePending_;
    QLabel* preview_ = nullptr;
    QScrollBar* previewHScroll_ = nullptr;
    QScrollBar* previewVScroll_ = nullptr;
    QComboBox* pictureDensityList_ = nullptr;
    std::unique_ptr<QuickSamples> samples_;
    std::unique_ptr<PicturePrinter> picture_;
    CLampButton* statusLamps_[6] = {};
    QTabWidget* pageTabs_ = nullptr;
    CBarcode* barcodePage_ = nullptr;
    C2DCode* twoDCodePage_ = nullptr;
    CLayOut* labelPage_ = nullptr;
    CRecordsModel* recordsModel_ = nullptr;
    CRecordsView* recordsView_ = nullptr;
};
