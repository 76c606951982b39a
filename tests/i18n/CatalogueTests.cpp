// The catalogue the translators work from holds every text the window shows, and is
// as current as the code: lupdate finds nothing it lacks.
#include "console/ControlIds.h"
#include "console/Language.h"
#include "eventlog/EventLog.h"
#include "pages/Barcode.h"
#include "pages/LayOut.h"
#include "pages/TwoDCode.h"
#include "tests/i18n/Catalogue.h"
#include "tests/i18n/ShownTexts.h"
#include "tests/support/ConsoleDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <mutex>

using namespace ids;
using i18n::ShownText;

namespace {

// Names, not words: the same in every language. Qt's own texts (the tab bar's scroll
// buttons) come with Qt's catalogue.
bool IsName(const ShownText& t, const ConsoleDialog& f) {
    static const QStringList NAMES = {QStringLiteral("Talvane"),     QStringLiteral("58mm"),
                                      QStringLiteral("80mm"),        QStringLiteral("RTS/CTS"),
                                      QStringLiteral("Xon/Xoff"),    QStringLiteral("Scroll Left"),
                                      QStringLiteral("Scroll Right")};
    static const QRegularExpression LETTER(QStringLiteral("\\p{L}"));
    if (!t.text.contains(LETTER) || NAMES.contains(t.text)) return true;
    // The ports and the code pages are listed by their names.
    for (int id : {IDC_PORT_LIST, IDC_CODE_PAGE})
        if (t.where == f.Control(id)->objectName() + QStringLiteral(" item")) return true;
    // So are the symbologies, the two-dimensional codes and the label printers' models.
    for (int id : {CBarcode::IDC_CODE, C2DCode::IDC_STYLE, CLayOut::IDC_PRINTER})
        if (t.where == QStringLiteral("ctl%1 item").arg(id)) return true;
    return false;
}

// Texts shown through the seams (balloons, message boxes, file dialogs) while `act` runs.
class SaidTexts {
public:
    SaidTexts() {
        id_ = eventlog::EventLog::Instance().Subscribe([this](const eventlog::Event& e) {
            if (e.kind != eventlog::Kind::Said) return;
            std::lock_guard<std::mutex> hold(lock_);
            said_.push_back({QStringLiteral("balloon or message"), QString::fromStdString(e.text)});
        });
    }
    ~SaidTexts() { eventlog::EventLog::Instance().Unsubscribe(id_); }
    std::vector<ShownText> Take(const TestPrompts& prompts) {
        std::lock_guard<std::mutex> hold(lock_);
        std::vector<ShownText> all = said_;
        for (const ScriptedPrompts::Request& r : prompts.requests) {
            all.push_back({QStringLiteral("prompt caption"), r.caption});
            if (r.kind == ScriptedPrompts::Request::Message)
                all.push_back({QStringLiteral("message box"), r.text});
        }
        return all;
    }

private:
    int id_ = 0;
    std::mutex lock_;
    std::vector<ShownText> said_;
};

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
    return path;
}

QStringList NotInCatalogue(const std::vector<ShownText>& texts, const i18n::SourceTexts& sources,
                           const ConsoleDialog& f) {
    QStringList missing;
    QStringList ports;
    if (auto* list = qobject_cast<QComboBox*>(f.Control(IDC_PORT_LIST)))
        for (int i = 0; i < list->count(); ++i) ports << list->itemText(i);
    for (ShownText t : texts) {
        // A tooltip that names a port (the list's, its entries') has the name as its first
        // line and what is said of it below.
        if (ports.contains(t.text.section(QLatin1Char('\n'), 0, 0)))
            t.text = t.text.section(QLatin1Char('\n'), 1);
        if (!IsName(t, f) && !sources.Holds(t.text))
            missing << t.where + QStringLiteral(": \"") + t.text + QLatin1Char('"');
    }
    missing.removeDuplicates();
    return missing;
}

} // namespace

TEST(Catalogue, HoldsEveryTextTheWindowShowsAndSays) {
    language::Uninstall();
    QString error;
    const i18n::SourceTexts sources(
        i18n::ReadCatalogue(i18n::CataloguePath(QStringLiteral("de")), &error));
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_GT(sources.Size(), 100u);

    SaidTexts said;
    QTemporaryDir dir;
    std::vector<ShownText> shown;
    {
        PeerDialog f;
        ASSERT_TRUE(f.peer.Ok());
        shown = i18n::TextsOf(f.dlg.get());
        // With the port closed: the port check and the records' own refusals.
        f.Click(IDC_PRINTER_INIT);
        f.Click(IDC_RECORDS_SAVE);
        f.Click(IDC_RECORDS_RESEND);
        f.prompts.openPaths.push_back(WriteFile(dir, QStringLiteral("bad.txt"), "1B 4\nzz\n"));
        f.Click(IDC_RECORDS_IMPORT);
        f.prompts.openPaths.push_back(WriteFile(dir, QStringLiteral("bad-send.txt"), "not hex"));
        f.Click(IDC_SEND_IMPORT);
        // With it open: the input checks.
        ASSERT_TRUE(f.OpenPort());
        f.Retype(IDC_LINE_SPACING, QStringLiteral("300"));
        f.Retype(IDC_LEFT_MARGIN, QStringLiteral("90"));
        f.Retype(IDC_COORDINATE, QStringLiteral("900"));
        f.Click(IDC_COORDINATE_SET);
        f.Retype(IDC_FEED_DISTANCE, QStringLiteral("300"));
        f.Click(IDC_FEED);
        f.Click(IDC_COM_OPEN);
        const std::vector<ShownText> more = said.Take(f.prompts);
        shown.insert(shown.end(), more.begin(), more.end());
        ASSERT_GE(more.size(), 8u) << "the actions said less than they should";
        const QStringList missing = NotInCatalogue(shown, sources, f);
        EXPECT_TRUE(missing.isEmpty()) << "not in the catalogue:\n"
                                       << missing.join(QLatin1Char('\n')).toStdString();
        f.Quit();
    }
}

// The catalogue check itself: a text that no source names is reported.
TEST(Catalogue, ReportsATextItDoesNotHold) {
    const i18n::SourceTexts sources(i18n::ReadCatalogue(i18n::CataloguePath(QStringLiteral("de"))));
    EXPECT_TRUE(sources.Holds(QStringLiteral("COM Open")));
    EXPECT_TRUE(sources.Holds(QStringLiteral("Interface"))); // the list named by "Interface:"
    EXPECT_TRUE(sources.Holds(QStringLiteral("COM901 is not there")));
    EXPECT_TRUE(
        sources.Holds(QStringLiteral("The left margin and right margin should be less than48")));
    EXPECT_FALSE(sources.Holds(QStringLiteral("COM Opened")));
    EXPECT_FALSE(sources.Holds(QStringLiteral("is not there")));
}

TEST(Catalogue, EveryLanguageHasTheSameSourcesAndNoneIsAddedByLupdate) {
    // lupdate into copies of the catalogues, with the options talvane_lupdate uses.
    QTemporaryDir dir;
    QStringList copies;
    for (const QString& code : language::Shipped()) {
        const QString copy = dir.filePath(QStringLiteral("talvane_%1.ts").arg(code));
        ASSERT_TRUE(QFile::copy(i18n::CataloguePath(code), copy)) << code.toStdString();
        copies << copy;
    }
    QStringList args = QStringLiteral(LUPDATE_OPTIONS).split(QLatin1Char('|'));
    args << QStringLiteral(TEXT_FOLDERS).split(QLatin1Char('|'));
    args << QStringLiteral("-ts") << copies;
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(SOURCE_DIR));
    lupdate.start(QStringLiteral(LUPDATE_PATH), args);
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    auto keys = [](const std::vector<i18n::Message>& messages) {
        std::set<QString> set;
        for (const i18n::Message& m : messages)
            set.insert(m.context + QStringLiteral(" | ") + m.source);
        return set;
    };
    const std::set<QString> reference =
        keys(i18n::ReadCatalogue(i18n::CataloguePath(QStringLiteral("de"))));
    for (int i = 0; i < copies.size(); ++i) {
        const QString code = language::Shipped()[i];
        const std::set<QString> shipped = keys(i18n::ReadCatalogue(i18n::CataloguePath(code)));
        const std::set<QString> current = keys(i18n::ReadCatalogue(copies[i]));
        QStringList added, gone;
        for (const QString& k : current)
            if (!shipped.count(k)) added << k;
        for (const QString& k : shipped)
            if (!current.count(k)) gone << k;
        EXPECT_TRUE(added.isEmpty())
            << code.toStdString() << ": run the talvane_lupdate target; new texts:\n"
            << added.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(gone.isEmpty()) << code.toStdString() << ": texts the code no longer has:\n"
                                    << gone.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(shipped == reference) << code.toStdString() << " has other sources than de";
    }
}
