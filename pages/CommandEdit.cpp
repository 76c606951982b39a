#include "pages/CommandEdit.h"

#include "pages/TextBytes.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace {
constexpr char16_t CH_BACKSPACE = 0x08;
constexpr char16_t CH_TAB = 0x09;
constexpr char16_t CH_LINE_FEED = 0x0A;
constexpr char16_t CH_CARRIAGE_RETURN = 0x0D;
constexpr char16_t CH_CTRL_C = 0x03;
constexpr char16_t CH_CTRL_V = 0x16;
constexpr char16_t CH_CTRL_X = 0x18;
constexpr char16_t CH_CTRL_Y = 0x19;
constexpr char16_t CH_CTRL_Z = 0x1A;
constexpr char16_t CH_DELETE = 0x7F;
constexpr char BYTE_CR = '\r';
constexpr char BYTE_LF = '\n';
} // namespace

int TypedCharCode(const QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (key == Qt::Key_Backspace) return CH_BACKSPACE;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return (mods & Qt::ControlModifier) ? CH_LINE_FEED : CH_CARRIAGE_RETURN;
    if (key == Qt::Key_Tab && !(mods & Qt::ControlModifier)) return CH_TAB;
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key >= Qt::Key_A &&
        key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QString text = event->text();
    if (text.isEmpty()) return -1;
    const char16_t c = text.at(0).unicode();
    if (c < 0x20 || c == CH_DELETE) return -1;
    return c;
}

bool TypedKeyPasses(const QKeyEvent* event, CharFilter allowed) {
    const int code = TypedCharCode(event);
    if (code < 0) return true;
    if (!allowed(static_cast<char16_t>(code))) return false;
    if (code >= 0x20)
        for (QChar ch : event->text())
            if (!allowed(ch.unicode())) return false;
    return true;
}

void DeliverFilteredCommit(QInputMethodEvent* event, CharFilter allowed,
                           const std::function<void(QInputMethodEvent*)>& deliver) {
    QString kept;
    for (QChar ch : event->commitString())
        if (allowed(ch.unicode())) kept += ch;
    if (kept == event->commitString()) {
        deliver(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    deliver(&filtered);
}

bool CCommandEdit::IsHexModeChar(char16_t c) {
    if ((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'))
        return true;
    switch (c) {
    case u' ':
    case CH_BACKSPACE:
    case CH_LINE_FEED:
    case CH_CARRIAGE_RETURN:
    case CH_CTRL_C:
    case CH_CTRL_V:
    case CH_CTRL_X:
    case CH_CTRL_Z:
    case CH_CTRL_Y:
        return true;
    default:
        return false;
    }
}

CCommandEdit::CCommandEdit(QWidget* parent) : QPlainTextEdit(parent) {
    // Tab moves between controls, as in any dialog; Enter is a line break.
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(document(), &QTextDocument::contentsChange, this, &CCommandEdit::OnContentsChange);
}

void CCommandEdit::OnContentsChange(int position, int, int added) {
    // Which breaks went and came is read from the document as it is now: the breaks
    // before `position` stay, those inside the added text are new (typed or pasted:
    // CR LF), and the difference in count is what the change removed.
    const QTextDocument* doc = document();
    const size_t total = static_cast<size_t>(std::max(0, doc->blockCount() - 1));
    const int last = std::max(0, doc->characterCount() - 1);
    const int first = doc->findBlock(std::clamp(position, 0, last)).blockNumber();
    const int end = doc->findBlock(std::clamp(position + added, 0, last)).blockNumber();
    const size_t at = static_cast<size_t>(std::max(0, first));
    const size_t came = static_cast<size_t>(std::max(0, end - first));
    if (at > breaks_.size() || total < came || breaks_.size() + came < total ||
        at + (breaks_.size() + came - total) > breaks_.size()) {
        breaks_.assign(total, Break::CrLf); // cannot happen; never index out of range
        return;
    }
    const size_t went = breaks_.size() + came - total;
    const auto from = breaks_.begin() + static_cast<std::ptrdiff_t>(at);
    breaks_.erase(from, from + static_cast<std::ptrdiff_t>(went));
    breaks_.insert(breaks_.begin() + static_cast<std::ptrdiff_t>(at), came, Break::CrLf);
}

void CCommandEdit::SetBytes(std::string_view bytes) {
    SetBytes(bytes, nullptr, nullptr);
}

bool CCommandEdit::SetBytes(std::string_view bytes, const TextCodePage* page, QString* problem) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    std::vector<Break> breaks;
    size_t runStart = 0;
    // The bytes between two breaks are read together: a page's character may take
    // several bytes.
    auto flushRun = [&](size_t end) {
        const std::optional<QString> run =
            BytesToText(bytes.substr(runStart, end - runStart), page, problem);
        if (!run) return false;
        text.append(*run);
        return true;
    };
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char b = bytes[i];
        if (b != BYTE_CR && b != BYTE_LF) continue;
        if (!flushRun(i)) return false;
        if (b == BYTE_CR && i + 1 < bytes.size() && bytes[i + 1] == BYTE_LF) {
            breaks.push_back(Break::CrLf);
            ++i;
        } else {
            breaks.push_back(b == BYTE_CR ? Break::Cr : Break::Lf);
        }
        text.append(QChar(BYTE_LF));
        runStart = i + 1;
    }
    if (!flushRun(bytes.size())) return false;
    setPlainText(text);
    if (static_cast<size_t>(document()->blockCount() - 1) == breaks.size())
        breaks_ = std::move(breaks);
    return true;
}

std::string CCommandEdit::Bytes() const {
    return *Bytes(nullptr, nullptr);
}

std::optional<std::string> CCommandEdit::Bytes(const TextCodePage* page, QString* problem) const {
    // The raw text keeps U+00A0 (the plain text turns it into a blank) and shows each
    // break as U+2029; U+2028 is the line break of Shift+Enter.
    const QString text = document()->toRawText();
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    size_t breakIndex = 0;
    qsizetype runStart = 0;
    auto appendRun = [&](qsizetype end) {
        const std::optional<std::string> run =
            TextToBytes(text.mid(runStart, end - runStart), page, problem);
        if (!run) return false;
        bytes.append(*run);
        return true;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t code = text.at(i).unicode();
        if (code != QChar::ParagraphSeparator && code != QChar::LineSeparator) continue;
        if (!appendRun(i)) return std::nullopt;
        runStart = i + 1;
        const Break kind = code == QChar::ParagraphSeparator && breakIndex < breaks_.size()
                               ? breaks_[breakIndex]
                               : Break::CrLf;
        if (code == QChar::ParagraphSeparator) ++breakIndex;
        if (kind != Break::Lf) bytes.push_back(BYTE_CR);
        if (kind != Break::Cr) bytes.push_back(BYTE_LF);
    }
    if (!appendRun(text.size())) return std::nullopt;
    return bytes;
}

void CCommandEdit::keyPressEvent(QKeyEvent* event) {
    if (hexMode_ && !TypedKeyPasses(event, IsHexModeChar)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CCommandEdit::inputMethodEvent(QInputMethodEvent* event) {
    auto deliver = [this](QInputMethodEvent* e) { QPlainTextEdit::inputMethodEvent(e); };
    if (hexMode_)
        DeliverFilteredCommit(event, IsHexModeChar, deliver);
    else
        deliver(event);
}
