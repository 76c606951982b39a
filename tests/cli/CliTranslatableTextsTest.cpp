// Every text talvane-cli prints for a person goes to the translator whole, and the
// catalogue a translator works from (what lupdate finds in the tool's sources) holds
// it. A translator that marks the words of each text it is asked for shows both: any
// word printed outside the marks was never asked for, and without the translator the
// tool prints the same bytes as the marked texts with the marks taken out.
#include "tests/cli/CliRun.h"
#include "tools/cli/Commands.h"
#include "tools/cli/Texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::string MARK_OPEN = "\u27e6";
const std::string MARK_CLOSE = "\u27e7";
constexpr int LUPDATE_WAIT_MS = 120000;
// The tool's contexts all start so ("cli", "cli-help", ...).
constexpr const char* TOOL_CONTEXT = "cli";

using Text = std::pair<std::string, std::string>; // context, source

// Wraps every run of words of a text in marks; the %1..%9 it fills in stay outside.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        {
            std::lock_guard lock(mutex_);
            asked_.insert({context, source});
        }
        const std::string text = source;
        std::string out;
        std::string run;
        auto flush = [&] {
            if (!run.empty()) out += MARK_OPEN + run + MARK_CLOSE;
            run.clear();
        };
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
                flush();
                out += text.substr(i, 2);
                ++i;
            } else {
                run += text[i];
            }
        }
        flush();
        return QString::fromStdString(out);
    }
    std::set<Text> Asked() const {
        std::lock_guard lock(mutex_);
        return asked_;
    }

private:
    mutable std::mutex mutex_;
    mutable std::set<Text> asked_;
};

// What of `text` lies outside the marks.
std::string Unmarked(const std::string& text) {
    std::string out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find(MARK_OPEN, at);
        if (open == std::string::npos) {
            out += text.substr(at);
            break;
        }
        out += text.substr(at, open - at);
        const size_t close = text.find(MARK_CLOSE, open);
        if (close == std::string::npos) break;
        at = close + MARK_CLOSE.size();
    }
    return out;
}

std::string WithoutMarks(std::string text) {
    for (const std::string& mark : {MARK_OPEN, MARK_CLOSE})
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark))
            text.erase(at, mark.size());
    return text;
}

// The words left outside the marks once the names the text may carry as they are (the
// tool's name, the subcommand, what the user typed) are taken out.
std::string StrayWords(const std::string& marked, const std::vector<std::string>& names) {
    std::string rest = Unmarked(marked);
    for (const std::string& name : names)
        for (size_t at = rest.find(name); !name.empty() && at != std::string::npos;
             at = rest.find(name))
            rest.replace(at, name.size(), " ");
    std::string words;
    for (const char c : rest)
        if (std::isalpha(static_cast<unsigned char>(c))) words += c;
    return words;
}

// The catalogue lupdate makes of the tool's sources: every context and source text.
std::set<Text> Catalogue() {
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("cli.ts"));
    QProcess lupdate;
    lupdate.start(
        QStringLiteral(LUPDATE_PATH),
        {QStringLiteral("-silent"), QStringLiteral(CLI_SOURCE_DIR), QStringLiteral("-ts"), ts});
    if (!lupdate.waitForFinished(LUPDATE_WAIT_MS)) return {};
    QFile file(ts);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::set<Text> texts;
    QXmlStreamReader xml(&file);
    std::string context;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        const auto element = xml.name();
        if (element == QLatin1String("TS") || element == QLatin1String("context") ||
            element == QLatin1String("message"))
            continue; // read on into it
        if (element == QLatin1String("name"))
            context = xml.readElementText().toStdString();
        else if (element == QLatin1String("source"))
            texts.insert({context, xml.readElementText().toStdString()});
        else
            xml.skipCurrentElement();
    }
    return texts;
}

class CliTranslatableTexts : public ::testing::Test {
protected:
    static void SetUpTestSuite() { catalogue_ = Catalogue(); }

    void Mark() { ASSERT_TRUE(QCoreApplication::installTranslator(&marking_)); }
    void Unmark() { QCoreApplication::removeTranslator(&marking_); }
    void TearDown() override {
        Unmark();
        // Whatever the tool asked the translator for, a translator can find (Qt asks for
        // texts of its own too).
        ASSERT_FALSE(catalogue_.empty()) << "lupdate made no catalogue of " << CLI_SOURCE_DIR;
        for (const Text& text : marking_.Asked()) {
            if (text.first.rfind(TOOL_CONTEXT, 0) != 0) continue;
            EXPECT_TRUE(catalogue_.count(text) == 1)
                << "not in the catalogue: [" << text.first << "] \"" << text.second << "\"";
        }
    }

    MarkingTranslator marking_;
    static std::set<Text> catalogue_;
};

std::set<Text> CliTranslatableTexts::catalogue_;

TEST_F(CliTranslatableTexts, EveryHelpIsTranslatedWholeAndPrintedAsItsSource) {
    for (const std::string& topic : cli::HelpTopics()) {
        SCOPED_TRACE("help of \"" + topic + "\"");
        const std::string source = cli::HelpText(topic);
        ASSERT_FALSE(source.empty());
        Mark();
        const std::string marked = cli::HelpText(topic);
        Unmark();
        EXPECT_EQ(StrayWords(marked, {}), "") << marked;
        EXPECT_EQ(WithoutMarks(marked), source);
        // The tool prints exactly that help.
        const CliResult run = RunCli(topic.empty() ? std::vector<std::string>{"--help"}
                                                   : std::vector<std::string>{topic, "--help"});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, source);
    }
}

struct MessageCase {
    std::vector<std::string> args;  // after the tool's name
    std::vector<std::string> names; // what the message may carry untranslated
};

// Runs a subcommand in-process; its standard error.
std::string RunForError(const std::vector<std::string>& args) {
    std::vector<std::string> all = {cli::PROGRAM};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(all.size());
    struct Named {
        const char* name;
        int (*run)(int, char**, int);
    };
    const Named runners[] = {{"send", cli::RunSend},     {"status", cli::RunStatus},
                             {"render", cli::RunRender}, {"picture", cli::RunPicture},
                             {"tap", cli::RunTap},       {"decode", cli::RunDecode}};
    testing::internal::CaptureStderr();
    int code = -1;
    if (args.size() == 1 && args[0] == "bogus") code = cli::UnknownSubcommand(args[0]);
    for (const Named& runner : runners)
        if (args[0] == runner.name) code = runner.run(argc, argv.data(), 2);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(code, 0) << err;
    return err;
}

TEST_F(CliTranslatableTexts, ErrorMessagesAreTranslatedWholeAndPrintedAsTheirSource) {
    QTemporaryDir dir;
    const std::string records = dir.filePath(QStringLiteral("bad-records.txt")).toStdString();
    WriteFile(records, "1B 40 // fine\nnot a records line\n");
    const std::string nowhere = dir.filePath(QStringLiteral("no-printer")).toStdString();
    const std::vector<MessageCase> cases = {
        {{"bogus"}, {"bogus"}},
        {{"send", "--bogus"}, {"bogus"}},
        {{"send", "receipt.bin", "--port", nowhere, "--baud", "fast"}, {"fast"}},
        {{"send", "--hex", "zz", "--port", nowhere}, {"zz"}},
        {{"send", "--records", records, "--port", nowhere}, {records}},
        {{"status", "--port", nowhere, "--timeout", "0"}, {}},
        {{"picture", "logo.png", "--port", nowhere, "--block-rows", "many"},
         {"block-rows", "many"}},
        {{"render", "--diff", "diff.png"}, {}},
        {{"tap"}, {}},
        {{"decode", "one", "two"}, {"two"}},
    };
    for (const MessageCase& c : cases) {
        std::string shown;
        for (const std::string& a : c.args) shown += a + ' ';
        SCOPED_TRACE(shown);
        const std::string source = RunForError(c.args);
        Mark();
        const std::string marked = RunForError(c.args);
        Unmark();
        std::vector<std::string> names = c.names;
        names.push_back(cli::PROGRAM);
        names.push_back(c.args[0]);
        EXPECT_EQ(StrayWords(marked, names), "") << marked;
        EXPECT_EQ(WithoutMarks(marked), source);
    }
}

TEST(CliTextFill, PutsTheArgumentsInAsTheyAreInOnePass) {
    // A path in another encoding keeps its bytes; an argument holding "%2" is not
    // filled again; a %3 with no argument and a lone % stay.
    const std::string latin1Path = "/tmp/caf\xe9.bin";
    EXPECT_EQ(cli::Fill(QStringLiteral("%1 holds %2 of 100% (%3)"), {latin1Path, "%2"}),
              latin1Path + " holds %2 of 100% (%3)");
    EXPECT_EQ(cli::Fill(QStringLiteral("%2 before %1"), {"a", "b"}), "b before a");
}

} // namespace
