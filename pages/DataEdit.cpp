#include "DataEdit.h"

#include "CommandEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <climits>

namespace {
constexpr QChar LIST_SEPARATOR = u';';
constexpr char16_t CH_BACKSPACE = 0x08;
constexpr char16_t CH_CTRL_C = 0x03;
constexpr char16_t CH_CTRL_V = 0x16;
constexpr char16_t CH_CTRL_X = 0x18;
constexpr char16_t CH_CTRL_Y = 0x19;
constexpr char16_t CH_CTRL_Z = 0x1A;

// Optional "-", then decimal digits up to the first other character; saturates
// instead of overflowing on absurdly long digit runs.
int ReadFieldValue(QStringView field) {
    qsizetype i = 0;
    const bool negative = !field.isEmpty() && field.at(0) == u'-';
    if (negative) ++i;
    long long value = 0;
    for (; i < field.size() && field.at(i).isDigit() && field.at(i).unicode() < 0x80; ++i) {
        value = value * 10 + (field.at(i).unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
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
    if (text.isEmpty()) return 0;
    QStringView rest(text);
    if (rest.endsWith(LIST_SEPARATOR)) rest.chop(1);
    return 1 + static_cast<int>(rest.count(LIST_SEPARATOR));
}

QString CDataEdit::ListText(const QString& text) {
    if (text.isEmpty() || text.endsWith(LIST_SEPARATOR)) return text;
    return text + LIST_SEPARATOR;
}

std::vector<int> CDataEdit::ListValues(const QString& text) {
    const int count = FieldCount(text);
    std::vector<int> values;
    values.reserve(count);
    const QString list = ListText(text);
    qsizetype start = 0;
    while (static_cast<int>(values.size()) < count) {
        const qsizetype end = list.indexOf(LIST_SEPARATOR, start);
        values.push_back(ReadFieldValue(QStringView(list).mid(start, end - start)));
        start = end + 1;
    }
    return values;
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
    const int code = TypedCharCode(event);
    if (code >= 0) {
        bool ok = IsListChar(static_cast<char16_t>(code));
        if (code >= 0x20)
            for (QChar ch : event->text())
                if (!IsListChar(ch.unicode())) ok = false;
        if (!ok) {
            // Return is a dropped character too; the dialog never closes on it.
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CDataEdit::inputMethodEvent(QInputMethodEvent* event) {
    QString kept;
    for (QChar ch : event->commitString())
        if (IsListChar(ch.unicode())) kept += ch;
    if (kept != event->commitString()) {
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
        QLineEdit::inputMethodEvent(&filtered);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}
