#pragma once
// Which language the console and talvane-cli speak: the one named with --lang, else the
// desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as gettext reads them). The
// translations are built into the program; English is the source text and needs none.

#include <QString>
#include <QStringList>

namespace language {

// The shipped translations, by code ("de", "pt_BR", ...).
QStringList Shipped();

// The shipped translation that best serves a locale or language name such as
// "de_AT.UTF-8", "pt", "zh_CN@stroke": "" for English ("C", "POSIX", "en...") and for
// a language that is not shipped.
QString Match(const QString& name);

// Whether `code` names a shipped translation or the source texts ("C", "en").
bool Known(const QString& code);
// "there is no <code> translation; the languages are: ...".
QString UnknownMessage(const QString& code);

// The language the environment asks for: the first of LANGUAGE's list that is
// shipped (LANGUAGE is ignored when the locale is "C", as gettext does), else the
// locale's own; "" for the source texts.
QString FromEnvironment();

// Installs the translations for `code` ("" or "C" or "en": the source texts; the
// environment decides when `fromEnvironment` is true and `code` is empty). An unknown
// code installs nothing and says so in `error`. Needs the application object.
bool Install(const QString& code, bool fromEnvironment, QString* error);

// The language installed last ("" for the source texts).
QString Current();

// Removes what Install put in, back to the source texts.
void Uninstall();

} // namespace language
