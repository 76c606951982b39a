// Which language the console speaks: --lang, else LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG as the desktop sets them; "C" and "en" are the source texts; an unknown code
// is said and changes nothing.
#include "console/Language.h"
#include "console/TalvaneApp.h"
#include "console/TapRowsModel.h"

#include <QByteArray>
#include <QCoreApplication>
#include <gtest/gtest.h>
#include <map>

namespace {
const char* const VARIABLES[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

// Sets the locale variables for one case and puts back what was there.
class Environment {
public:
    explicit Environment(std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const char* v : VARIABLES) {
            if (qEnvironmentVariableIsSet(v)) kept_[v] = qgetenv(v);
            qunsetenv(v);
        }
        for (const auto& [name, value] : values) qputenv(name, value);
    }
    ~Environment() {
        for (const char* v : VARIABLES) qunsetenv(v);
        for (const auto& [name, value] : kept_) qputenv(name.c_str(), value);
        language::Uninstall();
    }

private:
    std::map<std::string, QByteArray> kept_;
};
} // namespace

TEST(LanguageChoice, TheLocaleNamesAShippedTranslationOrTheSourceTexts) {
    EXPECT_EQ(language::Match(QStringLiteral("de_DE.UTF-8")), QStringLiteral("de"));
    EXPECT_EQ(language::Match(QStringLiteral("de_AT@euro")), QStringLiteral("de"));
    EXPECT_EQ(language::Match(QStringLiteral("pt_BR.UTF-8")), QStringLiteral("pt_BR"));
    EXPECT_EQ(language::Match(QStringLiteral("pt_PT")), QStringLiteral("pt_BR"));
    EXPECT_EQ(language::Match(QStringLiteral("zh_CN.GB18030")), QStringLiteral("zh_CN"));
    EXPECT_EQ(language::Match(QStringLiteral("ru")), QStringLiteral("ru"));
    EXPECT_EQ(language::Match(QStringLiteral("es-MX")), QStringLiteral("es"));
    EXPECT_EQ(language::Match(QStringLiteral("en_GB.UTF-8")), QString());
    EXPECT_EQ(language::Match(QStringLiteral("C.UTF-8")), QString());
    EXPECT_EQ(language::Match(QStringLiteral("fr_FR")), QString());
}

TEST(LanguageChoice, TheEnvironmentChoosesAsTheDesktopDoes) {
    {
        Environment e({{"LANG", "de_DE.UTF-8"}});
        EXPECT_EQ(language::FromEnvironment(), QStringLiteral("de"));
    }
    {
        // LC_ALL before LC_MESSAGES before LANG.
        Environment e({{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}});
        EXPECT_EQ(language::FromEnvironment(), QStringLiteral("ru"));
    }
    {
        Environment e(
            {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}});
        EXPECT_EQ(language::FromEnvironment(), QStringLiteral("es"));
    }
    {
        // LANGUAGE's list comes first: the first of it that is shipped.
        Environment e({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:pt_BR:de"}});
        EXPECT_EQ(language::FromEnvironment(), QStringLiteral("pt_BR"));
    }
    {
        // ... but not in the "C" locale, where gettext ignores it too.
        Environment e({{"LANG", "C"}, {"LANGUAGE", "de"}});
        EXPECT_EQ(language::FromEnvironment(), QString());
    }
    {
        Environment e({{"LANG", "fr_FR.UTF-8"}});
        EXPECT_EQ(language::FromEnvironment(), QString());
    }
    {
        Environment e({});
        EXPECT_EQ(language::FromEnvironment(), QString());
    }
}

TEST(LanguageChoice, InstallLoadsTheBuiltInCatalogueOrSaysWhyNot) {
    Environment e({{"LANG", "ru_RU.UTF-8"}});
    QString error;
    for (const QString& code : language::Shipped()) {
        ASSERT_TRUE(language::Install(code, false, &error))
            << code.toStdString() << ": " << error.toStdString();
        EXPECT_EQ(language::Current(), code);
    }
    for (const char* source : {"C", "en", "en_US.UTF-8"}) {
        ASSERT_TRUE(language::Install(QString::fromLatin1(source), true, &error));
        EXPECT_EQ(language::Current(), QString()) << source;
    }
    // Nothing named: the environment's.
    ASSERT_TRUE(language::Install(QString(), true, &error));
    EXPECT_EQ(language::Current(), QStringLiteral("ru"));
    // An unknown code installs nothing and is said.
    error.clear();
    EXPECT_FALSE(language::Install(QStringLiteral("fr"), true, &error));
    EXPECT_EQ(language::Current(), QStringLiteral("ru"));
    // Said in the language in use (Russian here): it names the code and the choices.
    EXPECT_TRUE(error.contains(QStringLiteral("fr"))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("pt_BR"))) << error.toStdString();
}

TEST(LanguageChoice, TheCommandLineTakesLang) {
    const StartOptions chosen = ParseCommandLine({"talvane", "--lang", "de"});
    EXPECT_TRUE(chosen.error.isEmpty());
    EXPECT_EQ(chosen.language, QStringLiteral("de"));
    EXPECT_EQ(ParseCommandLine({"talvane", "--lang=C"}).language, QStringLiteral("C"));
    EXPECT_FALSE(ParseCommandLine({"talvane", "--lang"}).error.isEmpty());
    const StartOptions unknown = ParseCommandLine({"talvane", "--lang", "xx"});
    EXPECT_TRUE(unknown.error.contains(QStringLiteral("no xx translation")))
        << unknown.error.toStdString();
    EXPECT_TRUE(UsageText().contains(QStringLiteral("--lang CODE")));
}

// Counts and times shown to a person are written the language's way; the source texts
// keep the C locale's, so the English window is as it was.
TEST(LanguageChoice, NumbersShownFollowTheLanguage) {
    QString error;
    const auto shownGap = [] {
        ShownRow shown;
        shown.row.gapUs = 1234500; // 1234.5 ms since the row before
        shown.row.bytes.assign(ShownRow::MAX_SHOWN_BYTES + 1, 0x41);
        shown.length = shown.row.bytes.size() + 1000;
        TapRowsModel model;
        std::vector<ShownRow> rows;
        rows.push_back(shown);
        model.Append(std::move(rows));
        return std::make_pair(
            model.data(model.index(0, TapRowsModel::GAP), Qt::DisplayRole).toString(),
            model.data(model.index(0, TapRowsModel::HEX), Qt::DisplayRole).toString());
    };
    ASSERT_TRUE(language::Install(QStringLiteral("de"), false, &error)) << error.toStdString();
    const auto [germanGap, germanHex] = shownGap();
    EXPECT_EQ(germanGap.toStdString(), "+1.234,500 ms");
    EXPECT_TRUE(germanHex.contains(QStringLiteral("1.065"))) << germanHex.toStdString();
    ASSERT_TRUE(language::Install(QStringLiteral("C"), false, &error));
    const auto [sourceGap, sourceHex] = shownGap();
    EXPECT_EQ(sourceGap.toStdString(), "+1234.500 ms");
    EXPECT_TRUE(sourceHex.contains(QStringLiteral("(1065 bytes)"))) << sourceHex.toStdString();
}
