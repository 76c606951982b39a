// The "Send Data" panel (text or hex text, Send, Print, Clear, Save, Import, Send text)
// and the "Receive Data" panel, which shows what the printer sends back and hands every
// byte to the status parser.

#include "CommandEdit.h"
#include "ControlIds.h"
#include "HexText.h"
#include "PageControls.h"
#include "Prompts.h"
#include "SendFile.h"
#include "TalvaneDlg.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <utility>

using namespace ids;

namespace {

const QString SEND_FILTER = QStringLiteral("txt Files (*.txt)|*.txt||");
const QString SEND_EXTENSION = QStringLiteral("txt");
const QString SAVE_FAILED = QStringLiteral("Save failed");
const QString NOTE_CAPTION = QStringLiteral("Note");
const QString IMPORT_NOT_HEX = QStringLiteral(
    "The contents of the file does not meet the hex command mode, the import operation is "
    "canceled");
const QString FILE_TOO_LARGE = QStringLiteral("The file is too large to send");
const QString IMPORT_TOO_LARGE = QStringLiteral("The file is too large to import");

// "Send text" reads the whole file and records it as hex text (three times its size);
// beyond this the memory it takes is out of proportion for a test console.
constexpr qint64 SEND_FILE_LIMIT = qint64(64) << 20;
// Import puts the whole file into the send edit; a larger file is refused unread.
constexpr qint64 IMPORT_FILE_LIMIT = qint64(16) << 20;

// The receive panel keeps at most this many bytes; when more arrive, the oldest go
// and the panel keeps the newest three quarters of the limit. (The design appends
// without end; a printer that floods the line would then stall the window.)
constexpr qsizetype RECEIVE_LIMIT = qsizetype(64) << 10;
constexpr qsizetype RECEIVE_KEEP = RECEIVE_LIMIT / 4 * 3;

constexpr char CH_CR = '\r';
constexpr char CH_LF = '\n';

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

void CTalvaneDlg::ConnectSendReceiveHandlers() {
    auto button = [this](int id) { return qobject_cast<QAbstractButton*>(DialogControl(id)); };
    connect(button(IDC_SEND_HEX), &QAbstractButton::clicked, this, &CTalvaneDlg::OnSendHex);
    connect(button(IDC_SEND), &QAbstractButton::clicked, this, &CTalvaneDlg::OnSend);
    connect(button(IDC_SEND_PRINT), &QAbstractButton::clicked, this, &CTalvaneDlg::OnSendPrint);
    connect(button(IDC_SEND_CLEAR), &QAbstractButton::clicked, sendEdit_, &QPlainTextEdit::clear);
    connect(button(IDC_SEND_SAVE), &QAbstractButton::clicked, this, &CTalvaneDlg::OnSendSave);
    connect(button(IDC_SEND_IMPORT), &QAbstractButton::clicked, this, &CTalvaneDlg::OnSendImport);
    connect(button(IDC_SEND_TEXT), &QAbstractButton::clicked, this, &CTalvaneDlg::OnSendText);
    connect(button(IDC_RECEIVE_HEX), &QAbstractButton::clicked, this, &CTalvaneDlg::OnReceiveHex);
    connect(button(IDC_RECEIVE_CLEAR), &QAbstractButton::clicked, this, [this] {
        received_.clear();
        receivePending_.clear();
        receiveEdit_->clear();
    });
    OnMessage(CN_MSG_RECEIVE, [this](uintptr_t, intptr_t) { OnReceive(); });
}

void CTalvaneDlg::OnSendHex() {
    // Every byte survives the round trip, a zero byte too: the edit holds U+0000 (the
    // design's text ends at a zero byte and drops the rest of the data).
    ConvertDataEdit(sendEdit_, qobject_cast<QCheckBox*>(DialogControl(IDC_SEND_HEX))->isChecked());
}

void CTalvaneDlg::OnSend() {
    if (WarnIfPortClosed()) return;
    const QString text = sendEdit_->toPlainText();
    if (text.isEmpty()) return;
    if (sendEdit_->HexMode()) {
        const std::vector<uint8_t> bytes = FromHexText(text.toLatin1().toStdString());
        // A text of separators only sends nothing and leaves no row.
        if (!bytes.empty()) Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    } else {
        // Each line break goes out as the bytes it stands for; typed ones as CR LF.
        const std::string bytes = sendEdit_->Bytes();
        Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    }
    RecordSent();
}

void CTalvaneDlg::OnSendPrint() {
    Issue(nullptr, true, QString(), [](CVRNX_LIB& p) { p.LineFeed(); });
}

void CTalvaneDlg::OnSendSave() {
    // The file holds hex text: converted from text mode, as typed in hex mode (with the
    // edit's line breaks as CR LF).
    const std::string bytes = sendEdit_->Bytes();
    const std::string content = sendEdit_->HexMode() ? bytes : ToHexText(std::string_view(bytes));

    QString path = Prompts::SaveFile(this, QStringLiteral("Save"), SEND_FILTER);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().toLower() != SEND_EXTENSION) path += QStringLiteral(".txt");

    // Written beside the old file and put in its place only when complete: a failed
    // save leaves the old file as it was, and says so.
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(content.data(), static_cast<qint64>(content.size())) ==
                           static_cast<qint64>(content.size()) &&
                       file.commit();
    if (!saved) ShowHelpTip(sendEdit_, SAVE_FAILED);
}

void CTalvaneDlg::OnSendImport() {
    const QString path = Prompts::OpenFile(this, QStringLiteral("Import"), SEND_FILTER);
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    if (file.size() > IMPORT_FILE_LIMIT) {
        ShowHelpTip(sendEdit_, IMPORT_TOO_LARGE);
        return;
    }
    const QByteArray content = file.readAll();
    file.close();
    // An empty file has nothing to import: the edit keeps what the operator had.
    if (content.isEmpty()) return;

    // The whole file is checked before the edit changes: a bad line changes nothing.
    const std::optional<std::string> result =
        ReadSendFile(std::string_view(content.constData(), static_cast<size_t>(content.size())));
    if (!result) {
        Prompts::MessageBox(this, NOTE_CAPTION, IMPORT_NOT_HEX, Prompts::OkOnly);
        return;
    }
    sendEdit_->SetHexMode(true);
    qobject_cast<QCheckBox*>(DialogControl(IDC_SEND_HEX))->setChecked(true);
    sendEdit_->SetBytes(*result);
}

void CTalvaneDlg::OnSendText() {
    if (WarnIfPortClosed()) return;
    const QString path = Prompts::OpenFile(this, QStringLiteral("Send text"), SEND_FILTER);
    if (path.isEmpty()) return;
    sendPath_->setText(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return;
    if (file.size() > SEND_FILE_LIMIT) {
        ShowHelpTip(sendPath_, FILE_TOO_LARGE);
        return;
    }
    const QByteArray content = file.readAll();
    // One write: the bytes queue for the write thread, which sends them while the
    // window goes on.
    Write(content.constData(), static_cast<uint32_t>(content.size()));
    RecordSent();
}

void CTalvaneDlg::OnReceiveHex() {
    ShowReceived();
}

void CTalvaneDlg::OnReceive() {
    const uint32_t n = RxBuffer_.Size();
    if (n == 0) return; // an earlier notification took these bytes already
    QByteArray bytes(static_cast<qsizetype>(n), Qt::Uninitialized);
    bytes.resize(RxBuffer_.Read(bytes.data(), n, true));
    // Showing bytes costs a layout of the edit's text; during a flood the arrivals of
    // one pass of the event loop are shown together, so the window keeps answering.
    if (receivePending_.isEmpty()) {
        QTimer::singleShot(0, this, [this] { AppendReceived(std::exchange(receivePending_, {})); });
    }
    receivePending_.append(bytes);
    for (const char b : bytes) ParseStatusByte(static_cast<uint8_t>(b));
}

void CTalvaneDlg::AppendReceived(const QByteArray& bytes) {
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
    const bool hex = qobject_cast<QCheckBox*>(DialogControl(IDC_RECEIVE_HEX))->isChecked();
    QTextCursor end(receiveEdit_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(hex ? ReceivedHex(bytes) : ReceivedText(bytes, previous));
    QScrollBar* bar = receiveEdit_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void CTalvaneDlg::ShowReceived() {
    const bool hex = qobject_cast<QCheckBox*>(DialogControl(IDC_RECEIVE_HEX))->isChecked();
    receiveEdit_->setPlainText(hex ? ReceivedHex(received_) : ReceivedText(received_, '\0'));
    QScrollBar* bar = receiveEdit_->verticalScrollBar();
    bar->setValue(bar->maximum());
}
