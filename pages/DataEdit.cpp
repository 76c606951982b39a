#include "pages/DataEdit.h"

#include "pages/CommandEdit.h"
#include "pages/rules/NumberList.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {
constexpr char16_t CH_BACKSPACE = 0x08;
constexpr char16_t CH_CTRL_C = 0x03;
constexpr char16_t CH_CTRL_V = 0x16;
constexpr char16_t CH_CTRL_X = 0x18;
constexpr char16_t CH_CTRL_Y = 0x19;
constexpr char16_t CH_CTRL_Z = 0x1A;

// The list rules work on bytes; a pasted character beyond Latin-1 is neither a digit nor
// a separator there, just as it is not one here.
std::string ToBytes(const QString& text) {
    return text.toLatin1().toStdString();
}
} // namespace

CDataEdit::CDataEdit(QWidget* parent) : QLineEdit(parent) {}

bool CDataEdit::IsListChar(char16_t c) {
    if (c >= u'0' && c <= u'9') return true;
    switch (c) {
    case u';':
    case u'-':
    case CH_BACKSPACE:
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

int CDataEdit::FieldCount(const QString& text) {
    return ListFieldCount(ToBytes(text));
}

QString CDataEdit::ListText(const QString& text) {
    return QString::fromLatin1(::ListText(ToBytes(text)));
}

std::vector<int> CDataEdit::ListValues(const QString& text) {
    return ::ListValues(ToBytes(text));
}

int CDataEdit::GetFieldCount() const {
    return FieldCount(text());
}
std::vector<int> CDataEdit::GetListValues() const {
    return ListValues(text());
}
QString CDataEdit::GetListText() const {
    return ListText(text());
}

void CDataEdit::keyPressEvent(QKeyEvent* event) {
    if (!TypedKeyPasses(event, IsListChar)) {
        // Return is a dropped character too; the dialog never closes on it.
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CDataEdit::inputMethodEvent(QInputMethodEvent* event) {
    DeliverFilteredCommit(event, IsListChar,
                          [this](QInputMethodEvent* e) { QLineEdit::inputMethodEvent(e); });
}
