// What the console writes is the same in every language: a records file saved under
// one imports under another and resends the same bytes, and the remembered settings
// name list items by their source text.
#include "console/ControlIds.h"
#include "console/Language.h"
#include "tests/i18n/Catalogue.h"
#include "tests/support/ConfigFolder.h"
#include "tests/support/ConsoleDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>

using namespace ids;
using namespace std::chrono_literals;

namespace {
QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Installs a translator while it lives.
class Speaking {
public:
    explicit Speaking(QTranslator* translator) : translator_(translator) {
        language::Uninstall();
        QCoreApplication::installTranslator(translator_);
    }
    ~Speaking() { QCoreApplication::removeTranslator(translator_); }

private:
    QTranslator* translator_;
};
} // namespace

TEST(RecordsAcrossLanguages, AFileSavedInOneLanguageImportsAndResendsTheSameBytesInAnother) {
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("records.txt"));
    const QString savedAgain = dir.filePath(QStringLiteral("again.txt"));
    std::vector<uint8_t> sent;
    std::vector<std::string> rows;
    {
        i18n::LongTexts longTexts;
        Speaking speaking(&longTexts);
        PeerDialog f;
        ASSERT_TRUE(f.peer.Ok());
        ASSERT_EQ(f.Control(IDC_SEND)->property("text").toString(), QStringLiteral("Send Send"));
        ASSERT_TRUE(f.OpenPort());
        f.Choose(IDC_DENSITY_LIST, 1);
        f.Choose(IDC_ALIGNMENT_LIST, 2);
        f.Click(IDC_CUT);
        f.Retype(IDC_LINE_SPACING, QStringLiteral("40"));
        sent = f.peer.ReceiveUntilQuiet(300ms);
        rows = f.Rows();
        ASSERT_GE(rows.size(), 4u);
        f.prompts.savePaths.push_back(saved);
        f.Click(IDC_RECORDS_SAVE);
        ASSERT_FALSE(ReadAll(saved).isEmpty());
    }
    language::Uninstall();
    PeerDialog g;
    ASSERT_TRUE(g.peer.Ok());
    ASSERT_TRUE(g.OpenPort());
    g.prompts.openPaths.push_back(saved);
    g.Click(IDC_RECORDS_IMPORT);
    EXPECT_EQ(g.Rows(), rows);
    g.Click(IDC_RECORDS_RESEND);
    ASSERT_TRUE(g.peer.WaitForBytes(sent.size(), 10s));
    EXPECT_EQ(g.peer.ReceiveUntilQuiet(300ms), sent);
    // Saved again in English, the file is byte for byte the one saved in the other language.
    g.prompts.savePaths.push_back(savedAgain);
    g.Click(IDC_RECORDS_SAVE);
    EXPECT_EQ(ReadAll(savedAgain), ReadAll(saved));
}

TEST(RecordsAcrossLanguages, TheSettingsFileNamesListItemsByTheirSourceText) {
    ConfigFolder config;
    {
        i18n::LongTexts longTexts;
        Speaking speaking(&longTexts);
        ConsoleDialog f;
        auto* handshake = f.As<QComboBox>(IDC_HANDSHAKE_LIST);
        ASSERT_EQ(handshake->itemText(0), QStringLiteral("None None"));
        f.Choose(IDC_HANDSHAKE_LIST, 1);
        f.Choose(IDC_HANDSHAKE_LIST, 0); // the translated item, chosen by the operator
        auto* density = f.As<QComboBox>(IDC_PICTURE_DENSITY);
        f.Choose(IDC_PICTURE_DENSITY, 0);
        EXPECT_EQ(density->currentText().count(QStringLiteral("8-dot")), 2)
            << density->currentText().toStdString();
    }
    const QSettings written(config.SettingsFile(), QSettings::IniFormat);
    EXPECT_EQ(written.value(QStringLiteral("port/handshake")).toString(), QStringLiteral("None"));
    EXPECT_EQ(written.value(QStringLiteral("picture/density")).toString(),
              QStringLiteral("8-dot single-density"));
    // Read back in English, the same items are chosen.
    language::Uninstall();
    ConsoleDialog g;
    EXPECT_EQ(g.As<QComboBox>(IDC_HANDSHAKE_LIST)->currentText(), QStringLiteral("None"));
    EXPECT_EQ(g.As<QComboBox>(IDC_PICTURE_DENSITY)->currentText(),
              QStringLiteral("8-dot single-density"));
}
