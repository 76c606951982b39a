// What the documentation promises runs: every example of every --help text and of the
// manual page, taken from their text and run by the shell against the virtual printer
// (the printer's path standing in for /dev/ttyUSB0 and COM3); the barcode types by
// their common names and by the list's captions; list-ports' exit code for a bad
// command line.
#include "tests/cli/CliFixture.h"
#include "tests/support/VprinterProcess.h"
#include "tools/cli/ExitCodes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <functional>
#include <regex>
#include <sstream>

namespace {

const std::vector<std::string> SUBCOMMANDS = {"",       "ports",  "send",       "sample",
                                              "picture", "barcode", "qr",        "pdf417",
                                              "datamatrix", "status", "decode",  "monitor",
                                              "render", "tap"};
// At least this many: an extraction that finds nothing must not pass.
constexpr size_t MIN_HELP_EXAMPLES = 20;
constexpr size_t MIN_MAN_EXAMPLES = 5;
constexpr auto EXAMPLE_TIMEOUT = std::chrono::seconds(60);

// The indented lines under "Example:" or "Examples:" of a --help text.
std::vector<std::string> HelpExamples(const std::string& help) {
    std::vector<std::string> examples;
    std::istringstream lines(help);
    std::string line;
    bool inside = false;
    while (std::getline(lines, line)) {
        if (line == "Example:" || line == "Examples:") {
            inside = true;
            continue;
        }
        if (line.rfind("  ", 0) != 0) {
            inside = false;
            continue;
        }
        if (inside) examples.push_back(line.substr(2));
    }
    return examples;
}

std::string Unescape(std::string text) {
    text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
    text = std::regex_replace(text, std::regex(R"(\\f[BIRP])"), "");
    return std::regex_replace(text, std::regex(R"(\\e)"), "\\");
}

// The manual page's examples: each .nf/.fi block of EXAMPLES is one script, and every
// command in bold elsewhere ("\fBtalvane\-cli ports\fR") is one as well.
std::vector<std::string> ManExamples(const std::string& page) {
    std::vector<std::string> examples;
    std::istringstream lines(page);
    std::string line;
    std::string block;
    bool inExamples = false;
    bool inBlock = false;
    const std::regex bold(R"(\\fB([^\\]*(\\-[^\\]*)*)\\fR)");
    while (std::getline(lines, line)) {
        if (line.rfind(".SH", 0) == 0) inExamples = line == ".SH EXAMPLES";
        if (inExamples && line == ".nf") {
            inBlock = true;
            block.clear();
            continue;
        }
        if (inBlock && line == ".fi") {
            inBlock = false;
            examples.push_back(block);
            continue;
        }
        if (inBlock) {
            block += Unescape(line) + "\n";
            continue;
        }
        for (std::sregex_iterator m(line.begin(), line.end(), bold), end; m != end; ++m) {
            const std::string command = Unescape((*m)[1].str());
            if (command.find("talvane-cli ") != std::string::npos) examples.push_back(command);
        }
    }
    return examples;
}

void SavePicture(const QString& path, const char* format) {
    QImage image(120, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(30, 15, 60, 30, Qt::black);
    ASSERT_TRUE(image.save(path, format)) << path.toStdString();
}

// The files the examples name, in a folder of the test's own.
void PrepareFiles(const QTemporaryDir& dir) {
    SavePicture(dir.filePath("logo.bmp"), "BMP");
    SavePicture(dir.filePath("photo.jpg"), "JPG");
    const std::string folder = dir.path().toStdString();
    // The literal's own NUL would end a plain C string before GS V's last byte.
    WriteFile(folder + "/receipt.bin", std::string("\x1b@Receipt\n\n\x1dV\x42\x00", 15));
    WriteFile(folder + "/capture.bin", std::string("\x1b\x40\x1b\x61\x01Hi\x0a", 8));
    WriteFile(folder + "/saved.txt", "1B 40 \r\n1B 61 01 \r\n48 69 0A \r\n");
    WriteFile(folder + "/saved-records.txt", "1B 40 \r\n0A \r\n");
    // A kept tap session: the program's bytes around a printer's answer.
    WriteFile(folder + "/till.cap", "# talvane tap capture 1\n# started 2026-12-08T10:42:07.000000Z\n"
                                    "> 0.001000 1B 40 48 69 0A 10 04 01\n< 0.002000 12\n"
                                    "> 0.003000 1D 56 42 00\n! 0.004000 session ended\n");
    // The receipt checks compare against golden pictures made from the same bytes.
    ASSERT_TRUE(QDir(dir.path()).mkpath("out"));
    WriteFile(folder + "/out/order.bin", std::string("\x1b@Order 42\n\n\x1dV\x42\x00", 16));
    for (const auto& [input, golden] : {std::pair{"out/order.bin", "golden/order.png"},
                                         std::pair{"receipt.bin", "tests/golden/receipt.png"}}) {
        const std::string made = folder + "/made-" + std::to_string(std::hash<std::string>{}(golden));
        ASSERT_EQ(RunCli({"render", folder + "/" + input, "--out", made}).exitCode, cli::EXIT_OK);
        const QString target = dir.filePath(QString::fromLatin1(golden));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(target).path()));
        ASSERT_TRUE(QFile::rename(QString::fromStdString(made + "/receipt-0001.png"), target));
    }
}

// Runs one example in `folder` with the tool on the PATH and the printer's path for
// the ports the documentation names (a network printer's too, on loopback). A monitor
// or tap example runs until Ctrl+C, which it gets after a moment; a tap's terminal link
// goes into the folder, its listener onto a free loopback port.
CliResult RunExample(const std::string& example, const std::string& folder,
                     const std::string& device, const std::string& networkDevice) {
    std::string script = std::regex_replace(example, std::regex(R"(/dev/ttyUSB0|\bCOM3\b)"), device);
    script = std::regex_replace(script, std::regex(R"(tcp://192\.168\.1\.50:9100)"), networkDevice);
    script = std::regex_replace(script, std::regex(R"(tcp-listen:[0-9.]*:9100)"), "tcp-listen:127.0.0.1:0");
    script = std::regex_replace(script, std::regex(R"(pty:/tmp/)"), "pty:" + folder + "/");
    script = std::regex_replace(script, std::regex(R"(talvane-cli (monitor|tap))"),
                                "timeout --preserve-status -s INT 2 talvane-cli $1");
    std::string tools = TALVANE_CLI_PATH;
    tools = tools.substr(0, tools.rfind('/'));
    return RunProgram("/bin/bash",
                      {"-c", "set -o pipefail; cd '" + folder + "' && PATH='" + tools + "':$PATH\n" + script},
                      {}, EXAMPLE_TIMEOUT);
}

} // namespace

TEST(CliExamples, EveryExampleOfTheHelpAndTheManualPageRuns) {
    VprinterProcess printer(384);
    ASSERT_TRUE(printer.Ok());
    const std::string device = printer.DevicePath().toStdString();
    VprinterProcess networkPrinter(384, {}, true);
    ASSERT_TRUE(networkPrinter.Ok());
    QTemporaryDir dir;
    ASSERT_NO_FATAL_FAILURE(PrepareFiles(dir));

    std::vector<std::string> examples;
    size_t fromHelp = 0;
    for (const std::string& sub : SUBCOMMANDS) {
        const CliResult help = sub.empty() ? RunCli({"--help"}) : RunCli({sub, "--help"});
        ASSERT_EQ(help.exitCode, cli::EXIT_OK) << sub;
        for (const std::string& e : HelpExamples(help.out)) examples.push_back(e);
    }
    fromHelp = examples.size();
    EXPECT_GE(fromHelp, MIN_HELP_EXAMPLES);
    const std::vector<std::string> fromMan = ManExamples(ReadFile(CLI_MAN_PAGE));
    EXPECT_GE(fromMan.size(), MIN_MAN_EXAMPLES);
    examples.insert(examples.end(), fromMan.begin(), fromMan.end());

    for (const std::string& example : examples) {
        SCOPED_TRACE(example);
        const CliResult run =
            RunExample(example, dir.path().toStdString(), device, networkPrinter.DevicePath().toStdString());
        EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    }
}

TEST_F(CliPeerTest, BarcodeTypesGoByTheirCommonNamesAndByTheListsCaptions) {
    ASSERT_TRUE(peer.Ok());
    struct Names {
        const char* common;
        const char* caption;
        const char* data;
    };
    const Names names[] = {
        {"CODE128", "CODA128", "{BABC"},   {"code-128", "CODA128", "{BABC"},
        {"CODE93", "CODA93", "ABC"},       {"ITF", "ITF25", "1234"},
        {"UPC-A", "UPCA", "01234567890"},  {"EAN_13", "EAN13", "012345678901"},
        {"Code 39", "CODE39", "ABC"},      {"CODABAR", "CODABAR", "A123B"},
    };
    for (const Names& n : names) {
        SCOPED_TRACE(n.common);
        const CliResult common =
            RunCli(OnPeer({"barcode", n.common, n.data, "--record", Path("common.txt")}));
        ASSERT_EQ(common.exitCode, cli::EXIT_OK) << common.err;
        const CliResult caption =
            RunCli(OnPeer({"barcode", n.caption, n.data, "--record", Path("caption.txt")}));
        ASSERT_EQ(caption.exitCode, cli::EXIT_OK) << caption.err;
        EXPECT_EQ(ReadFile(Path("common.txt")), ReadFile(Path("caption.txt")));
        EXPECT_FALSE(ReadFile(Path("common.txt")).empty());
        peer.Forget();
    }
    // An unknown type is a usage error that lists the common names.
    const CliResult unknown = RunCli(OnPeer({"barcode", "CODE11", "123"}));
    EXPECT_EQ(unknown.exitCode, cli::EXIT_USAGE);
    EXPECT_NE(unknown.err.find("CODE128"), std::string::npos) << unknown.err;
    EXPECT_TRUE(WireAfterQuiet().empty());
}

TEST(ListPorts, ABadCommandLineExitsWithTwoAndListsNothing) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--bogus"}, {"extra"}, {"--port"}, {"--port="},
                                               {"--port", "/tmp/p", "-x"}}) {
        SCOPED_TRACE(args[0]);
        const CliResult bad = RunProgram(LIST_PORTS_PATH, args);
        EXPECT_EQ(bad.exitCode, cli::EXIT_USAGE) << bad.out;
        EXPECT_TRUE(bad.out.empty()) << bad.out;
        EXPECT_FALSE(bad.err.empty());
    }
    const CliResult named = RunProgram(LIST_PORTS_PATH, {"--port", "/tmp/list-ports-stand-in"});
    EXPECT_EQ(named.exitCode, 0) << named.err;
    EXPECT_NE(named.out.find("COM901 (/tmp/list-ports-stand-in)"), std::string::npos) << named.out;
    const CliResult help = RunProgram(LIST_PORTS_PATH, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("usage:"), std::string::npos);
}
