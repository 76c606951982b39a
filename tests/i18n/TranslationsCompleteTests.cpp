// Every shipped language translates every text: no entry left unfinished or empty.
#include "console/Language.h"
#include "tests/i18n/Catalogue.h"

#include <gtest/gtest.h>

namespace {
class TranslationsComplete : public ::testing::TestWithParam<const char*> {};
} // namespace

TEST_P(TranslationsComplete, NoEntryIsUnfinishedOrEmpty) {
    const QString code = QString::fromLatin1(GetParam());
    QString error;
    const std::vector<i18n::Message> messages =
        i18n::ReadCatalogue(i18n::CataloguePath(code), &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_FALSE(messages.empty());
    QStringList open;
    for (const i18n::Message& m : messages) {
        bool empty = m.translations.isEmpty();
        for (const QString& t : m.translations) empty = empty || t.isEmpty();
        if (m.unfinished || empty) open << m.context + QStringLiteral(": ") + m.source;
    }
    EXPECT_TRUE(open.isEmpty()) << code.toStdString() << ": " << open.size() << " of "
                                << messages.size() << " not translated:\n"
                                << open.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, TranslationsComplete,
                         ::testing::Values("de", "es", "pt_BR", "ru", "zh_CN"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });
