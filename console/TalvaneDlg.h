#pragma once
// The main dialog. One object is at once the window, the printer command library and
// the serial port: CTalvaneDlg is a QDialog and a CVRNX_LIB. It is also the message
// target of the port's and the printer's notifications, which arrive here as Qt posted
// events, in order, on the user-interface thread.
//
// It creates the panels (each builds its group's controls, keeps typed pointers to
// them and serves their signals) and routes the window messages; every handler issues
// its commands through the CommandHost operations this class provides.

#include "widgets/HelpTip.h"
#include "host/CommandHost.h"
#include "printer/VrnxLib.h"
#include "serial/WindowMessages.h"

#include <QByteArray>
#include <QDialog>
#include <QIcon>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class CBarcode;
class ExpectedReceiptWindow;
class PicturePrinter;
class QuickSamples;
class C2DCode;
class CLayOut;
class CRecordsModel;
class PortMap;
class PortPanel;
class RecordsPanel;
class RememberedSettings;
class SendReceivePanel;
class SettingPanel;
class StatusPanel;
class QButtonGroup;
class QComboBox;
class QLabel;
class QScrollBar;
class QTabWidget;

class CTalvaneDlg : public QDialog, public CVRNX_LIB, public MessageWindow, public CommandHost {
    Q_OBJECT
public:
    // Printable widths in dots of the two printer models.
    static constexpr int WIDTH_58MM = 384;
    static constexpr int WIDTH_80MM = 576;
    // The window's size at a first start: a 1280 x 800 screen shows it whole, with
    // room for a task bar. The groups' heights at this size are their compact ones.
    static constexpr int DESIGN_WIDTH = 1240;
    static constexpr int DESIGN_HEIGHT = 740;

    // Builds the window and runs the start-up sequence. The port list comes from
    // `ports` (the process-wide map when null).
    explicit CTalvaneDlg(PortMap* ports = nullptr, QWidget* parent = nullptr);
    ~CTalvaneDlg() override;

    // The control of a dialog id (searched in this dialog and its pages), or null.
    QWidget* Control(int id) const;
    template <typename T> T* ControlAs(int id) const { return qobject_cast<T*>(Control(id)); }

    // --- CommandHost -----------------------------------------------------------------
    CVRNX_LIB& Printer() override { return *this; }
    void WarnPortClosed() override;
    void ShowHelpTip(QWidget* control, const QString& text) override;
    void AddOperationRecord(const std::string& hexText) override;
    // The same, taking the text over: a picture's megabytes of hex text are not copied.
    void AddOperationRecord(std::string&& hexText, const QString& warning = QString());
    void AddWarnedRecord(const std::string& hexText, const QString& warning) override;
    void ShowWarning(QWidget* control, const QString& text) override;
    int PrintableWidth() const override { return printableWidth_; }
    QString PortName() override;
    const TextCodePage* TextPage() const override;

    // --- Window messages ------------------------------------------------------------
    // Called on the posting thread; queues the message for this dialog's thread.
    void DeliverMessage(const WindowMessage& msg) override;
    using MessageHandler = std::function<void(uintptr_t wParam, intptr_t lParam)>;
    // Routes a window message to `handler` on the user-interface thread.
    void OnMessage(uint32_t message, MessageHandler handler);
    HWND WindowHandle() { return this; }

    // --- Operation records --------------------------------------------------------
    CRecordsModel& Records() { return *recordsModel_; }

    // The dialog's own control of an id, never a page's (the label page's "Get" is
    // 1087 too).
    QWidget* DialogControl(int id) const;

    CHelpTip& HelpTip() { return helpTip_; }
    // The port group: the port list, COM Open, and the devices it follows.
    PortPanel* PortGroup() const { return port_.get(); }
    // The "Printer Setting" group (code page choice by name, for remembering it).
    SettingPanel& Setting() { return *setting_; }
    // A new model: a loaded picture is converted again for its paper.
    void SetPrintableWidth(int dots);

    // Enter never closes the dialog; Escape and the close box ask first.
    void accept() override;
    void reject() override;
    // Closing saves the remembered settings.
    void done(int result) override;

    // Restores the settings remembered from the last session (the port only when
    // `portNamed` is false: a port named on the command line wins) and remembers them
    // again when the dialog closes. A dialog that never calls this remembers nothing.
    // Nothing is sent or recorded.
    void RememberSettings(bool portNamed);
    RememberedSettings* Settings() const { return settings_.get(); }

    // The groups that keep the height they have at the design's size when the window
    // grows, so that the operation records and the receive panel take the room.
    const std::vector<QWidget*>& HeldGroups() const { return heldGroups_; }
    // The "Expected receipt" window (Ctrl+E); closed by default.
    ExpectedReceiptWindow* ExpectedReceipt() const { return expected_.get(); }

protected:
    void customEvent(QEvent* event) override;

private:
    void BuildLayout();
    QWidget* BuildQuickTestGroup();
    QWidget* BuildPictureGroup();
    QWidget* BuildOthersGroup();

    void OnInitDialog();
    void FillComboLists();
    void CreatePages();
    void SetDefaultTexts();
    void OnTabSelChange(int index);

    // The sensor value goes to the label page.
    void OnResponse();

    // Quick test samples and picture printing (Samples.cpp): the buttons forward to
    // the samples' scripts and the picture printer.
    void ConnectSampleHandlers();
    // Settings of the picture group and the window itself (DlgSettings.cpp).
    void RememberPictureAndWindow(RememberedSettings& settings);
    // Measures the held groups at the design's size and keeps them there at most.
    void HoldGroupsAtDesignHeight();

    PortMap* ports_;
    QIcon appIcon_;
    CHelpTip helpTip_;
    int printableWidth_ = WIDTH_58MM;
    std::map<uint32_t, MessageHandler> messageHandlers_;
    // Messages from the port's threads wait here, under our own lock, until the posted
    // wake-up event for each reaches the user-interface thread: the hand-over is then
    // visible to the thread checker, not hidden inside the toolkit's event queue.
    std::mutex pendingMutex_;
    std::deque<WindowMessage> pendingMessages_;

    // The groups; the picture and quick test controls are the dialog's own, served by
    // PicturePrinter and QuickSamples.
    std::unique_ptr<PortPanel> port_;
    std::unique_ptr<StatusPanel> status_;
    std::unique_ptr<SettingPanel> setting_;
    std::unique_ptr<SendReceivePanel> sendReceive_;
    QLabel* preview_ = nullptr;
    QScrollBar* previewHScroll_ = nullptr;
    QScrollBar* previewVScroll_ = nullptr;
    QComboBox* pictureDensityList_ = nullptr;
    std::unique_ptr<QuickSamples> samples_;
    std::unique_ptr<PicturePrinter> picture_;
    QTabWidget* pageTabs_ = nullptr;
    CBarcode* barcodePage_ = nullptr;
    C2DCode* twoDCodePage_ = nullptr;
    CLayOut* labelPage_ = nullptr;
    CRecordsModel* recordsModel_ = nullptr;
    std::unique_ptr<RecordsPanel> recordsPanel_;
    // Destroyed before the port it watches (DlgExpectedReceipt.cpp).
    std::unique_ptr<ExpectedReceiptWindow> expected_;
    void SetUpExpectedReceipt();
    std::vector<QWidget*> heldGroups_;
    std::unique_ptr<RememberedSettings> settings_;
};
