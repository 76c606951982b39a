#include "console/FixedMappingNotice.h"

#include "pages/TextBytes.h"
#include "printer/HexText.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
constexpr char16_t LAST_ASCII = 0x7F;
// A few characters are enough to show the operator what happened.
constexpr int CHARACTERS_SHOWN = 4;
} // namespace

std::optional<QString> FixedMappingNotice::Once(const QString& sent) {
    if (given_) return std::nullopt;
    QStringList shown;
    const QList<uint> characters = sent.toUcs4();
    for (const uint c : characters) {
        if (c <= LAST_ASCII) continue;
        const QString one = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        std::string bytes;
        AppendFixedMapping(bytes, one);
        const QString item = QStringLiteral("%1 \u2192 %2").arg(one, QString::fromStdString(
                                                                         ToHexText(std::string_view(bytes))).trimmed());
        if (!shown.contains(item)) shown << item;
        if (shown.size() == CHARACTERS_SHOWN) break;
    }
    if (shown.isEmpty()) return std::nullopt;
    given_ = true;
    return QCoreApplication::translate(
               "FixedMappingNotice",
               "Sent in the console's own mapping (%1): most printers print "
               "these bytes as other characters. Choose the printer's code page in "
               "the \"Code page\" list to send text in it.")
        .arg(shown.join(QStringLiteral(", ")));
}
