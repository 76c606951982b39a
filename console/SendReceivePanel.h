#pragma once
// The "Send Data" group (text or hex text, Send, Print, Clear, Save, Import, Send text)
// and the "Receive Data" group, which shows what the printer sends back and hands every
// byte to the status parser.

#include "console/FixedMappingNotice.h"
#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <functional>

class CCommandEdit;
class CTalvaneDlg;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class RememberedSettings;
class QWidget;

class SendReceivePanel : public QObject {
public:
    SendReceivePanel(CTalvaneDlg& dlg, QWidget* parent);

    QWidget* SendWidget() const { return sendBox_; }
    QWidget* ReceiveWidget() const { return receiveBox_; }

    // Start-up state: received bytes shown as hex, the send edit in text form.
    void Start();
    // Wires the buttons and the receive notification.
    void Connect();
    // Called once for each pass that brought a reply from the printer (a status byte,
    // an awaited answer or a whole response; not ignored bytes).
    void OnAnswer(std::function<void()> listener) { answerListener_ = std::move(listener); }
    // The send panel's HEX box is remembered.
    void Remember(RememberedSettings& settings);

private:
    void BuildSendGroup(QWidget* parent);
    void BuildReceiveGroup(QWidget* parent);

    void SendHex();
    void Send();
    void SendPrint();
    void SendSave();
    void SendImport();
    void SendText();
    void Receive();
    void ClearReceived();
    // Shows `bytes` at the end of the receive edit in its current form.
    void AppendReceived(const QByteArray& bytes);
    // Shows every kept received byte again, in the form the HEX box chooses.
    void ShowReceived();
    // Puts the received bytes through the reply decoder and shows the newest reply in
    // words, the last few in the tooltip.
    void ExplainReceived(const QByteArray& bytes);

    CTalvaneDlg& dlg_;
    QWidget* sendBox_ = nullptr;
    CCommandEdit* sendEdit_ = nullptr;
    QLineEdit* sendPath_ = nullptr;
    QCheckBox* sendHex_ = nullptr;
    QAbstractButton* send_ = nullptr;
    QAbstractButton* sendPrint_ = nullptr;
    QAbstractButton* sendClear_ = nullptr;
    QAbstractButton* sendImport_ = nullptr;
    QAbstractButton* sendSave_ = nullptr;
    QAbstractButton* sendText_ = nullptr;
    QWidget* receiveBox_ = nullptr;
    QPlainTextEdit* receiveEdit_ = nullptr;
    QCheckBox* receiveHex_ = nullptr;
    QAbstractButton* receiveClear_ = nullptr;
    QLabel* replyWords_ = nullptr;
    // The latest replies in words, oldest first.
    QStringList replyHistory_;
    std::function<void()> answerListener_;
    // The bytes the receive edit shows, so that either form can be made from them.
    QByteArray received_;
    // Received bytes not shown yet: they go into the edit together, once per pass of the
    // event loop.
    QByteArray receivePending_;
    FixedMappingNotice mappingNotice_;
};
