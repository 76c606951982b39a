#include "console/Language.h"
#include "widgets/ShownNumbers.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace language {

namespace {
const char* const SHIPPED[] = {"zh_CN", "es", "pt_BR", "de", "ru"};
// The catalogues are built into the program as Qt resources (translations/).
const char* const CATALOGUE_FOLDER = ":/i18n";
const char* const CATALOGUE_PREFIX = "talvane_";

std::unique_ptr<QTranslator>& Ours() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
// Qt's own texts (the standard buttons of message boxes, the file dialog).
std::unique_ptr<QTranslator>& Toolkit() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
QString& Installed() {
    static QString code;
    return code;
}

bool IsSource(const QString& name) {
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name == QLatin1String("en") || name.startsWith(QLatin1String("en_")) ||
           name.startsWith(QLatin1String("en-"));
}

// "de_AT.UTF-8@euro" -> "de_AT"; "pt-BR" -> "pt_BR".
QString Bare(QString name) {
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name;
}
} // namespace

QStringList Shipped() {
    QStringList codes;
    for (const char* code : SHIPPED) codes << QString::fromLatin1(code);
    return codes;
}

QString Match(const QString& name) {
    const QString bare = Bare(name);
    if (IsSource(bare)) return {};
    const QStringList shipped = Shipped();
    if (shipped.contains(bare)) return bare;
    // A language's other countries read the translation we ship for it (de_AT: de;
    // pt_PT: pt_BR; zh_SG: zh_CN).
    const QString lang = bare.section(QLatin1Char('_'), 0, 0);
    for (const QString& code : shipped)
        if (code.section(QLatin1Char('_'), 0, 0) == lang) return code;
    return {};
}

bool Known(const QString& code) {
    return IsSource(Bare(code)) || !Match(code).isEmpty();
}

QString UnknownMessage(const QString& code) {
    return QCoreApplication::translate("Language",
                                       "there is no %1 translation; the languages are: en, %2")
        .arg(code, Shipped().join(QLatin1String(", ")));
}

QString FromEnvironment() {
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty()) break;
    }
    if (IsSource(Bare(locale)) && !locale.startsWith(QLatin1String("en"))) return {};
    for (const QString& preferred :
         qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (IsSource(Bare(preferred))) return {};
        const QString code = Match(preferred);
        if (!code.isEmpty()) return code;
    }
    return Match(locale);
}

bool Install(const QString& code, bool fromEnvironment, QString* error) {
    QString chosen;
    if (code.isEmpty()) {
        chosen = fromEnvironment ? FromEnvironment() : QString();
    } else if (!IsSource(Bare(code))) {
        chosen = Match(code);
        if (chosen.isEmpty()) {
            if (error) *error = UnknownMessage(code);
            return false;
        }
    }
    Uninstall();
    if (chosen.isEmpty()) return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLatin1String(CATALOGUE_PREFIX) + chosen,
                          QLatin1String(CATALOGUE_FOLDER))) {
        if (error)
            *error = QCoreApplication::translate("Language",
                                                 "the %1 translation is missing from the program")
                         .arg(chosen);
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    Ours() = std::move(translator);
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QLocale(chosen), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit.get());
        Toolkit() = std::move(toolkit);
    }
    Installed() = chosen;
    shown::SetNumbers(QLocale(chosen));
    return true;
}

QString Current() {
    return Installed();
}

void Uninstall() {
    for (std::unique_ptr<QTranslator>* t : {&Ours(), &Toolkit()}) {
        if (*t) QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
    Installed().clear();
    shown::SetNumbers(QLocale::c());
}

} // namespace language
