#include "PageControls.h"

#include "CommandEdit.h"
#include "HexData.h"
#include "HexText.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStringEncoder>

namespace {

constexpr char16_t LAST_BYTE_CHAR = 0xFF;
constexpr char16_t CH_LINE_FEED = u'\n';
constexpr char16_t CH_CARRIAGE_RETURN = u'\r';
constexpr const char* WIDE_CHAR_ENCODING = "GB18030";

void AppendWide(std::string& out, const QString& wide) {
    if (wide.isEmpty()) return;
    QStringEncoder encoder(WIDE_CHAR_ENCODING);
    const QByteArray bytes = encoder.encode(wide);
    out.append(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(text);
    label->setBuddy(buddy);
    return label;
}

QPushButton* PushButton(int id, const QString& caption, QWidget* parent) {
    auto* button = Named(new QPushButton(caption, parent), id, caption);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* DigitsEdit(int id, const QString& accessibleName, QWidget* parent) {
    auto* edit = Named(new QLineEdit(parent), id, accessibleName);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

void CompactPage(QGridLayout* grid) {
    constexpr int PAGE_MARGIN = 4;
    constexpr int PAGE_SPACING = 4;
    grid->setContentsMargins(PAGE_MARGIN, PAGE_MARGIN, PAGE_MARGIN, PAGE_MARGIN);
    grid->setSpacing(PAGE_SPACING);
}

void LetDataEditShrink(QWidget* edit) {
    constexpr int DATA_EDIT_MIN_HEIGHT = 40;
    edit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    edit->setMinimumHeight(DATA_EDIT_MIN_HEIGHT);
}

std::string EditBytes(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    QString wide;
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code <= LAST_BYTE_CHAR) {
            AppendWide(bytes, wide);
            wide.clear();
            if (code == CH_LINE_FEED) bytes.push_back(static_cast<char>(CH_CARRIAGE_RETURN));
            bytes.push_back(static_cast<char>(code));
        } else {
            wide.append(ch);
        }
    }
    AppendWide(bytes, wide);
    return bytes;
}

void ConvertDataEdit(CCommandEdit* edit, bool toHex) {
    const std::string bytes = edit->Bytes();
    if (toHex) {
        edit->SetBytes(ToHexText(std::string_view(bytes)));
    } else {
        // Every byte is kept, a zero byte too: the edit holds U+0000 like any other,
        // where the design ends the text at the first zero byte.
        const std::vector<uint8_t> data = ReadHexData(bytes).bytes;
        edit->SetBytes(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
    }
    edit->SetHexMode(toHex);
}
