#include "pages/CommandEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

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
