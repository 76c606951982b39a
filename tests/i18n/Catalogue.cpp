#include "tests/i18n/Catalogue.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace i18n {

namespace {
bool IsUnfinishedType(const QStringView type) {
    return type == u"unfinished" || type == u"vanished" || type == u"obsolete";
}
} // namespace

std::vector<Message> ReadCatalogue(const QString& path, QString* error) {
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = path + QStringLiteral(": ") + file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringView name = xml.name();
            if (name == u"name") {
                context = xml.readElementText();
            } else if (name == u"message") {
                current = Message{context, QString(), {}, false};
                numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (name == u"source") {
                current.source = xml.readElementText();
            } else if (name == u"translation") {
                if (IsUnfinishedType(xml.attributes().value(QLatin1String("type"))))
                    current.unfinished = true;
                // A plural message holds its forms in <numerusform> children.
                if (!numerus) current.translations << xml.readElementText();
            } else if (name == u"numerusform") {
                current.translations << xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            messages.push_back(current);
        }
    }
    if (xml.hasError() && error) *error = path + QStringLiteral(": ") + xml.errorString();
    return messages;
}

QString CataloguePath(const QString& code) {
    return QStringLiteral(TRANSLATIONS_DIR "/talvane_%1.ts").arg(code);
}

SourceTexts::SourceTexts(const std::vector<Message>& messages) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    for (const Message& m : messages) {
        exact_.insert(m.source);
        if (m.source.contains(placeholder)) {
            QStringList pieces;
            for (const QString& piece : m.source.split(placeholder))
                pieces << QRegularExpression::escape(piece);
            patterns_.push_back(QStringLiteral("\\A(?:") + pieces.join(QStringLiteral(".*")) +
                                QStringLiteral(")\\z"));
        }
    }
}

bool SourceTexts::Holds(const QString& shown) const {
    if (exact_.count(shown)) return true;
    if (exact_.count(shown + QLatin1Char(':'))) return true;
    for (const QString& pattern : patterns_)
        if (QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
                .match(shown)
                .hasMatch())
            return true;
    return false;
}

QString LongTexts::translate(const char*, const char* sourceText, const char*, int) const {
    if (!sourceText || !*sourceText) return {};
    const QString source = QString::fromUtf8(sourceText);
    return source + QLatin1Char(' ') + source;
}

} // namespace i18n
