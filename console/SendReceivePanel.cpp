#include "console/SendReceivePanel.h"

#include "console/ControlBuilder.h"
#include "console/ControlIds.h"
#include "console/FileAccess.h"
#include "console/RememberedSettings.h"
#include "console/SendFile.h"
#include "console/TalvaneDlg.h"
#include "pages/CommandEdit.h"
#include "pages/PageControls.h"
#include "printer/HexText.h"
#include "widgets/Prompts.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <utility>

using namespace ids;

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("SendReceivePanel", text);
}

const QString SEND_FILTER = QStringLiteral("txt Files (*.txt)|*.txt||");
const QString SEND_EXTENSION = QStringLiteral("txt");
const char* const SAVE_FAILED = QT_TRANSLATE_NOOP("SendReceivePanel", "Save failed");
const char* const NOTE_CAPTION = QT_TRANSLATE_NOOP("SendReceivePanel", "Note");
const char* const IMPORT_NOT_HEX = QT_TRANSLATE_NOOP(
    "SendReceivePanel",
    "The contents of the file does not meet the hex command mode, the import operation is "
    "canceled");
const char* const FILE_TOO_LARGE =
    QT_TRANSLATE_NOOP("SendReceivePanel", "The file is too large to send");
const char* const IMPORT_TOO_LARGE =
    QT_TRANSLATE_NOOP("SendReceivePanel", "The file is too large to import");

// "Send text" reads the whole file and records it as hex text (three times its size);
// beyond this the memory it takes is out of proportion for a test console.
// The reading stops at the limit too: a FIFO or a device reports no size.
constexpr size_t SEND_FILE_LIMIT = size_t(64) << 20;
// Import puts the whole file into the send edit; a larger file is refused.
constexpr size_t IMPORT_FILE_LIMIT = size_t(16) << 20;

// The receive panel keeps at most this many bytes; when more arrive, the oldest go
// and the panel keeps the newest three quarters of the limit. (The design appends
// without end; a printer that floods the line would then stall the window.)
constexpr qsizetype RECEIVE_LIMIT = qsizetype(64) << 10;
constexpr qsizetype RECEIVE_KEEP = RECEIVE_LIMIT / 4 * 3;

constexpr char CH_CR = '\r';
constexpr char CH_LF = '\n';
constexpr int RECEIVE_MIN_HEIGHT = 48;
// Replies in words kept for the tooltip of the reply line.
constexpr size_t REPLY_HISTORY = 8;

// Bytes as the receive edit shows them in text form: one character per byte; CR, LF
// and a CR LF pair (also one split between two arrivals) are one line break each.
QString ReceivedText(const QByteArray& bytes, char previous) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char b = bytes[i];
        const char before = i > 0 ? bytes[i - 1] : previous;
        if (b == CH_LF && before == CH_CR) continue;
        text.append(b == CH_CR ? QChar(QLatin1Char(CH_LF))
                               : QChar(static_cast<char16_t>(static_cast<uint8_t>(b))));
    }
    return text;
}

QString ReceivedHex(const QByteArray& bytes) {
    return QString::fromLatin1(ToHexText(bytes.constData(), static_cast<size_t>(bytes.size())));
}

} // namespace

SendReceivePanel::SendReceivePanel(CTalvaneDlg& dlg, QWidget* parent) : dlg_(dlg) {
    BuildSendGroup(parent);
    BuildReceiveGroup(parent);
}

void SendReceivePanel::BuildSendGroup(QWidget* parent) {
    QGroupBox* box =
        controls::Group(parent, QCoreApplication::translate("SendReceivePanel", "Send Data"));
    sendBox_ = box;
    controls::Builder b(box, box->title());
    sendEdit_ =
        controls::Named(new CCommandEdit(box), IDC_SEND_EDIT,
                        QCoreApplication::translate("SendReceivePanel", "Send Data"), box->title());
    sendPath_ = b.Edit(IDC_SEND_PATH, QCoreApplication::translate("SendReceivePanel", "File path"));
    sendPath_->setReadOnly(true);
    sendHex_ = b.Check(IDC_SEND_HEX, QCoreApplication::translate("SendReceivePanel", "HEX"));
    send_ = b.Button(IDC_SEND, QCoreApplication::translate("SendReceivePanel", "Send"));
    sendPrint_ = b.Button(IDC_SEND_PRINT, QCoreApplication::translate("SendReceivePanel", "Print"));
    sendClear_ = b.Button(IDC_SEND_CLEAR, QCoreApplication::translate("SendReceivePanel", "Clear"));
    sendImport_ =
        b.Button(IDC_SEND_IMPORT, QCoreApplication::translate("SendReceivePanel", "Import"));
    sendSave_ = b.Button(IDC_SEND_SAVE, QCoreApplication::translate("SendReceivePanel", "Save"));

    // Two columns of buttons keep the group low enough for a 800-pixel screen.
    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    buttons->addWidget(sendHex_, 0, 0);
    buttons->addWidget(send_, 1, 0);
    buttons->addWidget(sendPrint_, 1, 1);
    buttons->addWidget(sendClear_, 2, 0);
    buttons->addWidget(sendImport_, 2, 1);
    buttons->addWidget(sendSave_, 3, 0);
    buttons->setRowStretch(4, 1);

    auto* g = new QGridLayout(box);
    g->addWidget(sendEdit_, 0, 0);
    g->addLayout(buttons, 0, 1);
    g->addWidget(sendPath_, 1, 0);
    sendText_ =
        b.Button(IDC_SEND_TEXT, QCoreApplication::translate("SendReceivePanel", "Send text"));
    g->addWidget(sendText_, 1, 1);
    g->setRowStretch(0, 1);
}

void SendReceivePanel::BuildReceiveGroup(QWidget* parent) {
    QGroupBox* box =
        controls::Group(parent, QCoreApplication::translate("SendReceivePanel", "Receive Data"));
    receiveBox_ = box;
    controls::Builder b(box, box->title());
    receiveEdit_ = controls::Named(new QPlainTextEdit(box), IDC_RECEIVE_EDIT,
                                   QCoreApplication::translate("SendReceivePanel", "Receive Data"),
                                   box->title());
    receiveEdit_->setReadOnly(true);
    receiveEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    receiveEdit_->setMinimumHeight(RECEIVE_MIN_HEIGHT);
    receiveHex_ = b.Check(IDC_RECEIVE_HEX, QCoreApplication::translate("SendReceivePanel", "HEX"));
    receiveClear_ =
        b.Button(IDC_RECEIVE_CLEAR, QCoreApplication::translate("SendReceivePanel", "Clear"));
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(receiveHex_);
    buttons->addWidget(receiveClear_);
    buttons->addStretch();
    // What the newest reply means, under the bytes; long words must not widen the window.
    replyWords_ = new QLabel(box);
    replyWords_->setObjectName(QStringLiteral("replyWords"));
    replyWords_->setAccessibleName(
        QCoreApplication::translate("SendReceivePanel", "Reply in words"));
    replyWords_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    replyWords_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* h = new QHBoxLayout;
    h->addWidget(receiveEdit_, 1);
    h->addLayout(buttons);
    auto* v = new QVBoxLayout(box);
    v->addLayout(h, 1);
    v->addWidget(replyWords_);
}

void SendReceivePanel::Start() {
    receiveHex_->setChecked(true);
    sendHex_->setChecked(false);
}

void SendReceivePanel::Connect() {
    connect(sendHex_, &QAbstractButton::clicked, this, &SendReceivePanel::SendHex);
    connect(send_, &QAbstractButton::clicked, this, &SendReceivePanel::Send);
    connect(sendPrint_, &QAbstractButton::clicked, this, &SendReceivePanel::SendPrint);
    connect(sendClear_, &QAbstractButton::clicked, sendEdit_, &QPlainTextEdit::clear);
    connect(sendSave_, &QAbstractButton::clicked, this, &SendReceivePanel::SendSave);
    connect(sendImport_, &QAbstractButton::clicked, this, &SendReceivePanel::SendImport);
    connect(sendText_, &QAbstractButton::clicked, this, &SendReceivePanel::SendText);
    connect(receiveHex_, &QAbstractButton::clicked, this, &SendReceivePanel::ShowReceived);
    connect(receiveClear_, &QAbstractButton::clicked, this, &SendReceivePanel::ClearReceived);
    dlg_.OnMessage(CN_MSG_RECEIVE, [this](uintptr_t, intptr_t) { Receive(); });
}

void SendReceivePanel::Remember(RememberedSettings& settings) {
    settings.Custom(
        QStringLiteral("send/hex"),
        [this](const QVariant& v) {
            // At start the edit is empty: switching its mode converts nothing.
            const bool hex = v.toString() == QLatin1String("true");
            if (hex == sendHex_->isChecked() || !sendEdit_->toPlainText().isEmpty()) return;
            sendHex_->setChecked(hex);
            SendHex();
        },
        [this] { return QVariant(sendHex_->isChecked() ? QStringLiteral("true") : QStringLiteral("false")); });
    settings.SaveWhen(sendHex_, &QAbstractButton::clicked);
}

void SendReceivePanel::ClearReceived() {
    received_.clear();
    receivePending_.clear();
    receiveEdit_->clear();
    replyHistory_.clear();
    replyWords_->clear();
    replyWords_->setToolTip({});
}

void SendReceivePanel::SendHex() {
    // Every byte survives the round trip, a zero byte too: the edit holds U+0000 (the
    // design's text ends at a zero byte and drops the rest of the data).
    ConvertDataEdit(sendEdit_, sendHex_, dlg_.TextPage());
}

void SendReceivePanel::Send() {
    QString fixedMappingText; // text that went out in the fixed mapping
    dlg_.IssueScript([this, &fixedMappingText](CommandScript& rows) {
        const QString text = sendEdit_->toPlainText();
        if (text.isEmpty()) return;
        rows([&](CVRNX_LIB& p) {
            if (sendEdit_->HexMode()) {
                const std::vector<uint8_t> bytes = FromHexText(text.toLatin1().toStdString());
                // A text of separators only sends nothing and leaves no row.
                if (!bytes.empty()) p.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
            } else {
                // Each line break goes out as the bytes it stands for; typed ones as CR LF.
                // The text goes in the chosen code page; a character it cannot hold stops
                // the send before anything is written.
                const std::optional<std::string> bytes = DataEditBytes(sendEdit_, dlg_.TextPage());
                if (bytes) p.Write(bytes->data(), static_cast<uint32_t>(bytes->size()));
                if (bytes && !dlg_.TextPage()) fixedMappingText = text;
            }
        });
    });
    if (const auto notice = mappingNotice_.Once(fixedMappingText)) dlg_.ShowHelpTip(sendEdit_, *notice);
}

void SendReceivePanel::SendPrint() {
    dlg_.Issue([](CVRNX_LIB& p) { p.LineFeed(); });
}

void SendReceivePanel::SendSave() {
    // The file holds hex text: converted from text mode, as typed in hex mode (with the
    // edit's line breaks as CR LF).
    const std::optional<std::string> bytes = DataEditBytes(sendEdit_, dlg_.TextPage());
    if (!bytes) return;
    const std::string content =
        sendEdit_->HexMode() ? *bytes : ToHexText(std::string_view(*bytes));

    QString path = Prompts::SaveFile(&dlg_, QCoreApplication::translate("SendReceivePanel", "Save"),
                                     SEND_FILTER, QStringLiteral("send-save"));
    if (path.isEmpty()) return;
    // A device, FIFO or folder keeps its name: "/dev/null" is not "/dev/null.txt".
    if (QFileInfo(path).suffix().toLower() != SEND_EXTENSION &&
        !files::IsSpecialNode(QFile::encodeName(path).toStdString()))
        path += QStringLiteral(".txt");

    // A regular file is replaced only when complete (a failed save leaves the old one as
    // it was, and says so); a device or FIFO is written into.
    files::Failure failure;
    if (!files::SaveFile(QFile::encodeName(path).toStdString(), content, failure))
        dlg_.ShowHelpTip(sendEdit_, failure.refused
                                        ? Tr(SAVE_FAILED) + QStringLiteral(": ") +
                                              QString::fromLocal8Bit(failure.text.c_str())
                                        : Tr(SAVE_FAILED));
}

void SendReceivePanel::SendImport() {
    const QString path =
        Prompts::OpenFile(&dlg_, QCoreApplication::translate("SendReceivePanel", "Import"),
                          SEND_FILTER, QStringLiteral("send-import"));
    if (path.isEmpty()) return;
    std::string content;
    files::Failure failure;
    const files::ReadStatus read = files::ReadBounded(
        QFile::encodeName(path).toStdString(), IMPORT_FILE_LIMIT, files::DEVICE_WAIT, content, failure);
    if (read == files::ReadStatus::TooLarge) dlg_.ShowHelpTip(sendEdit_, Tr(IMPORT_TOO_LARGE));
    if (read != files::ReadStatus::Read) return;
    // An empty file has nothing to import: the edit keeps what the operator had.
    if (content.empty()) return;

    // The whole file is checked before the edit changes: a bad line changes nothing.
    const std::optional<std::string> result = ReadSendFile(content);
    if (!result) {
        Prompts::MessageBox(&dlg_, Tr(NOTE_CAPTION), Tr(IMPORT_NOT_HEX), Prompts::OkOnly);
        return;
    }
    sendEdit_->SetHexMode(true);
    sendHex_->setChecked(true);
    sendEdit_->SetBytes(*result);
}

void SendReceivePanel::SendText() {
    dlg_.IssueScript([this](CommandScript& rows) {
        const QString path =
            Prompts::OpenFile(&dlg_, QCoreApplication::translate("SendReceivePanel", "Send text"),
                              SEND_FILTER, QStringLiteral("send-text"));
        if (path.isEmpty()) return;
        sendPath_->setText(path);
        std::string content;
        files::Failure failure;
        const files::ReadStatus read = files::ReadBounded(QFile::encodeName(path).toStdString(),
                                                          SEND_FILE_LIMIT, files::DEVICE_WAIT,
                                                          content, failure);
        if (read == files::ReadStatus::TooLarge) dlg_.ShowHelpTip(sendPath_, Tr(FILE_TOO_LARGE));
        if (read != files::ReadStatus::Read) return;
        // One write: the bytes queue for the write thread, which sends them while the
        // window goes on.
        rows([&](CVRNX_LIB& p) { p.Write(content.data(), static_cast<uint32_t>(content.size())); });
    });
}

void SendReceivePanel::Receive() {
    const uint32_t n = dlg_.GetRxBuffer().Size();
    if (n == 0) return; // an earlier notification took these bytes already
    QByteArray bytes(static_cast<qsizetype>(n), Qt::Uninitialized);
    bytes.resize(dlg_.GetRxBuffer().Read(bytes.data(), n, true));
    // Showing bytes costs a layout of the edit's text; during a flood the arrivals of
    // one pass of the event loop are shown together, so the window keeps answering.
    if (receivePending_.isEmpty()) {
        QTimer::singleShot(0, this, [this] { AppendReceived(std::exchange(receivePending_, {})); });
    }
    receivePending_.append(bytes);
    for (const char b : bytes) dlg_.ParseStatusByte(static_cast<uint8_t>(b));
    ExplainReceived(bytes);
}

void SendReceivePanel::ExplainReceived(const QByteArray& bytes) {
    ReplyDecoder& decoder = dlg_.Replies();
    // A flood of bytes makes as many replies, and only the last few can be shown: each
    // is decoded, only those are put into words (a ring of reused replies, so the
    // flood costs no memory).
    std::array<DecodedReply, REPLY_HISTORY> recent;
    DecodedReply reply;
    size_t made = 0;
    bool answered = false;
    for (const char b : bytes) {
        if (!decoder.Feed(static_cast<uint8_t>(b), reply, false)) continue;
        recent[made % REPLY_HISTORY] = reply;
        ++made;
        answered = answered || reply.IsAnswer();
    }
    if (made == 0) return;
    for (size_t k = made - std::min(made, REPLY_HISTORY); k < made; ++k) {
        DecodedReply& shown = recent[k % REPLY_HISTORY];
        ReplyDecoder::PutInWords(shown);
        replyHistory_.append(QString::fromStdString(shown.Line()));
        if (replyHistory_.size() > static_cast<qsizetype>(REPLY_HISTORY))
            replyHistory_.removeFirst();
    }
    replyWords_->setText(replyHistory_.back());
    replyWords_->setToolTip(replyHistory_.join(QLatin1Char('\n')));
    if (answered && answerListener_) answerListener_();
}

void SendReceivePanel::AppendReceived(const QByteArray& bytes) {
    if (bytes.isEmpty()) return;
    const char previous = received_.isEmpty() ? '\0' : received_.back();
    received_.append(bytes);
    if (received_.size() > RECEIVE_LIMIT) {
        // Dropping the oldest bytes now and then keeps the panel's cost bounded; the
        // edit is filled again once per quarter of the limit.
        received_.remove(0, received_.size() - RECEIVE_KEEP);
        ShowReceived();
        return;
    }
    const bool hex = receiveHex_->isChecked();
    QTextCursor end(receiveEdit_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(hex ? ReceivedHex(bytes) : ReceivedText(bytes, previous));
    QScrollBar* bar = receiveEdit_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void SendReceivePanel::ShowReceived() {
    const bool hex = receiveHex_->isChecked();
    receiveEdit_->setPlainText(hex ? ReceivedHex(received_) : ReceivedText(received_, '\0'));
    QScrollBar* bar = receiveEdit_->verticalScrollBar();
    bar->setValue(bar->maximum());
}
