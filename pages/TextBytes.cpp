#include "pages/TextBytes.h"

#include "printer/CodePages.h"

#include <QCoreApplication>
#include <QStringEncoder>

namespace {

constexpr char16_t LAST_BYTE_CHAR = 0xFF;
constexpr const char* WIDE_CHAR_ENCODING = "GB18030";
constexpr int CODE_POINT_DIGITS = 4;
constexpr int HEX_BASE = 16;
constexpr int BYTE_DIGITS = 2;

void AppendWide(std::string& out, const QString& wide) {
    if (wide.isEmpty()) return;
    QStringEncoder encoder(WIDE_CHAR_ENCODING);
    const QByteArray bytes = encoder.encode(wide);
    out.append(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString CodePointText(char32_t character) {
    return QStringLiteral("U+%1")
        .arg(static_cast<uint>(character), CODE_POINT_DIGITS, HEX_BASE, QLatin1Char('0'))
        .toUpper();
}

} // namespace

void AppendFixedMapping(std::string& out, const QString& text) {
    QString wide;
    for (const QChar ch : text) {
        const char16_t code = ch.unicode();
        if (code > LAST_BYTE_CHAR) {
            wide.append(ch);
            continue;
        }
        AppendWide(out, wide);
        wide.clear();
        out.push_back(static_cast<char>(code));
    }
    AppendWide(out, wide);
}

QString NoSuchCharacterMessage(const TextCodePage& page, char32_t character) {
    const char32_t shown[] = {character};
    return QCoreApplication::translate("TextBytes", "Code page %1 has no character \"%2\" (%3)")
        .arg(QString::fromLatin1(page.name), QString::fromUcs4(shown, 1), CodePointText(character));
}

std::optional<std::string> TextToBytes(const QString& text, const TextCodePage* page,
                                       QString* problem) {
    std::string bytes;
    if (page == nullptr) {
        AppendFixedMapping(bytes, text);
        return bytes;
    }
    const QByteArray utf8 = text.toUtf8();
    EncodedText encoded =
        EncodeText(*page, std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
    if (!encoded.ok) {
        if (problem) *problem = NoSuchCharacterMessage(*page, encoded.refused);
        return std::nullopt;
    }
    return std::move(encoded.bytes);
}

std::optional<QString> BytesToText(std::string_view bytes, const TextCodePage* page,
                                   QString* problem) {
    if (page == nullptr) {
        QString text;
        text.reserve(static_cast<qsizetype>(bytes.size()));
        for (const char b : bytes)
            text.append(QChar(static_cast<char16_t>(static_cast<uint8_t>(b))));
        return text;
    }
    size_t bad = 0;
    const std::optional<std::string> utf8 = DecodeText(*page, bytes, &bad);
    if (!utf8) {
        if (problem) {
            const uint8_t byte = bad < bytes.size() ? static_cast<uint8_t>(bytes[bad]) : 0;
            const QString hex =
                QStringLiteral("%1").arg(byte, BYTE_DIGITS, HEX_BASE, QLatin1Char('0')).toUpper();
            *problem = QCoreApplication::translate("TextBytes",
                                                   "Code page %1 has no character for the byte %2")
                           .arg(QString::fromLatin1(page->name), hex);
        }
        return std::nullopt;
    }
    return QString::fromUtf8(utf8->data(), static_cast<qsizetype>(utf8->size()));
}
