// What the offline tools (talvane-cli render, vprinter --input) do with input they
// cannot take whole, and how a receipt check reads: unreadable, empty and malformed
// files are refused with the reason before anything is made; a check fails what was
// not printed, checks every receipt and calls a difference in length a difference.
#include "tests/cli/CliFixture.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>

namespace {

constexpr int EXIT_REFUSED = 3;
constexpr int EXIT_FILE = 4;
constexpr int EXIT_NOT_UNDERSTOOD = 20;
constexpr int EXIT_RECEIPT_DIFFERS = 21;

using namespace std::string_literals;
const std::string CUT = "\x1dV\x00"s;

class RenderInputTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    static bool Exists(const std::string& path) { return std::filesystem::exists(path); }
    static int PictureCount(const std::string& folder) {
        return static_cast<int>(QDir(QString::fromStdString(folder))
                                    .entryList({QStringLiteral("receipt-*")}, QDir::Files)
                                    .size());
    }
    QTemporaryDir dir;
};

bool Says(const CliResult& r, const std::string& text) {
    return r.err.find(text) != std::string::npos || r.out.find(text) != std::string::npos;
}

} // namespace

TEST_F(RenderInputTest, ACaptureOrRecordsFileThatDoesNotParseIsRefusedByLineNumber) {
    // One bad line among good ones: nothing printed, the line named.
    WriteFile(Path("bad.cap"), "# talvane tap capture 1\n> 0.000100 41 42 0A\n> 0.000200 4Z 0A\n> "
                               "0.000300 1D 56 00\n");
    const CliResult capture = RunCli({"render", Path("bad.cap"), "--out", Path("cap")});
    EXPECT_EQ(capture.exitCode, EXIT_REFUSED) << capture.out << capture.err;
    EXPECT_TRUE(Says(capture, "line 3")) << capture.err;
    EXPECT_EQ(PictureCount(Path("cap")), 0);

    // A records file with a typo is not printed as its own text.
    for (const std::string& text : {"1B 40\r\n41 42 0A // AB\r\n43 4G 0A\r\n1D 56 00\r\n"s,
                                    "1B 4 // ESC @\r\n41 0A\r\n"s}) {
        WriteFile(Path("typo.txt"), text);
        const CliResult rows = RunCli({"render", Path("typo.txt"), "--json", "--out", Path("rows")});
        EXPECT_EQ(rows.exitCode, EXIT_REFUSED) << rows.out << rows.err;
        EXPECT_TRUE(Says(rows, text[5] == '/' ? "line 1" : "line 3")) << rows.err;
        EXPECT_EQ(rows.out.find("\"understood\":true"), std::string::npos) << rows.out;
        EXPECT_EQ(PictureCount(Path("rows")), 0);
        // decode reads the kind with the same reader and refuses it alike.
        EXPECT_EQ(RunCli({"decode", Path("typo.txt")}).exitCode, EXIT_REFUSED);
    }
    // The same file read as bytes on request still prints.
    EXPECT_EQ(RunCli({"render", "--raw", Path("typo.txt"), "--out", Path("raw")}).exitCode, 0);
    EXPECT_EQ(PictureCount(Path("raw")), 1);
}

TEST_F(RenderInputTest, BothToolsSayWhyTheyCannotReadBeforeMakingAnything) {
    std::filesystem::create_directory(Path("folder"));
    WriteFile(Path("empty.bin"), "");
    const struct {
        std::string input;
        int code;
        std::string says;
    } cases[] = {
        {Path("missing.bin"), EXIT_FILE, "cannot read " + Path("missing.bin") + ": No such file"},
        {Path("folder"), EXIT_FILE, "cannot read " + Path("folder") + ": Is a directory"},
        {Path("empty.bin"), EXIT_REFUSED, "nothing to print"},
    };
    for (const auto& c : cases) {
        const std::string out = Path("out");
        const CliResult vprinter = RunProgram(VPRINTER_PATH, {"--input", c.input, "--out", out});
        EXPECT_EQ(vprinter.exitCode, c.code) << c.input << vprinter.err;
        EXPECT_TRUE(Says(vprinter, c.says)) << vprinter.err;
        const CliResult render = RunCli({"render", c.input, "--out", out});
        EXPECT_EQ(render.exitCode, c.code) << c.input << render.err;
        EXPECT_TRUE(Says(render, c.says)) << render.err;
        EXPECT_FALSE(Exists(out)) << c.input;
    }
    // A command it skips: the same code from both.
    WriteFile(Path("skip.bin"), "A\n\x1bL" "B\n"s);
    EXPECT_EQ(RunProgram(VPRINTER_PATH, {"--input", Path("skip.bin"), "--out", Path("v")}).exitCode,
              EXIT_NOT_UNDERSTOOD);
    EXPECT_EQ(RunCli({"render", Path("skip.bin"), "--out", Path("r")}).exitCode, EXIT_NOT_UNDERSTOOD);
}

TEST_F(RenderInputTest, ACheckFailsWhatWasNotPrintedAndChecksEveryReceipt) {
    // A barcode the printer refuses: the golden made from the same file is "identical",
    // yet the receipt is not what was asked for.
    WriteFile(Path("refused.bin"), "Total 12.50\n\x1dk\x43\x05" "ABCDE\n" + CUT);
    RunCli({"render", Path("refused.bin"), "--out", Path("refused-golden")});
    const std::string refusedGolden = Path("refused-golden/receipt-0001.png");
    ASSERT_TRUE(Exists(refusedGolden));
    const CliResult refused = RunCli({"render", Path("refused.bin"), "--compare", refusedGolden});
    EXPECT_EQ(refused.exitCode, EXIT_NOT_UNDERSTOOD) << refused.out << refused.err;

    // Two receipts against the folder of their goldens: every one is checked.
    const std::string two = "First\n" + CUT + "Second\n" + CUT;
    WriteFile(Path("two.bin"), two);
    ASSERT_EQ(RunCli({"render", Path("two.bin"), "--out", Path("golden")}).exitCode, 0);
    EXPECT_EQ(RunCli({"render", Path("two.bin"), "--compare", Path("golden")}).exitCode, 0);
    std::string changed = two;
    changed.replace(changed.find("Second"), 6, "Secund");
    WriteFile(Path("changed.bin"), changed);
    const CliResult second = RunCli({"render", Path("changed.bin"), "--compare", Path("golden")});
    EXPECT_EQ(second.exitCode, EXIT_RECEIPT_DIFFERS) << second.out << second.err;
    EXPECT_TRUE(Says(second, "receipt 2: ")) << second.out;
    // One picture for a file of two receipts: the second is not passed unseen.
    const CliResult one =
        RunCli({"render", Path("two.bin"), "--compare", Path("golden/receipt-0001.png")});
    EXPECT_EQ(one.exitCode, EXIT_RECEIPT_DIFFERS) << one.out << one.err;
    EXPECT_TRUE(Says(one, "the file prints 2 receipts, the golden has 1")) << one.out;

    // Blank rows more: no dot differs, and the receipt still differs in length.
    WriteFile(Path("short.bin"), "First\n" + CUT);
    WriteFile(Path("long.bin"), "First\n\n\n\n\n" + CUT);
    ASSERT_EQ(RunCli({"render", Path("short.bin"), "--out", Path("short")}).exitCode, 0);
    const CliResult longer =
        RunCli({"render", Path("long.bin"), "--compare", Path("short/receipt-0001.png")});
    EXPECT_EQ(longer.exitCode, EXIT_RECEIPT_DIFFERS) << longer.out << longer.err;
    EXPECT_TRUE(Says(longer, "differs from")) << longer.out;
    EXPECT_FALSE(Says(longer, "0 dots differ")) << longer.out;
}

TEST_F(RenderInputTest, ALongInputIsPrintedUnderATightMemoryLimit) {
#ifdef TPC_SANITIZED
    GTEST_SKIP() << "a sanitizer's shadow memory needs more address space than the limit; "
                    "the normal build runs this";
#endif
    // Receipts as they end: 1 MiB of short double-size lines (about 230 bytes of paper
    // for each byte of input) fits in a limit below what holding them all would take,
    // and twice what one tool needs at rest.
    constexpr size_t BYTES = size_t(1) << 20;
    constexpr const char* LIMIT_KIB = "204800";
    constexpr int LINES_A_RECEIPT = 100;
    std::string receipts = "\x1d!\x11"s;
    int cuts = 0;
    for (int n = 1; receipts.size() < BYTES; ++n) {
        receipts += "No " + std::to_string(n) + "\n";
        if (n % LINES_A_RECEIPT == 0) {
            receipts += CUT;
            ++cuts;
        }
    }
    WriteFile(Path("long.bin"), receipts);
    for (const std::string program :
         {std::string(TALVANE_CLI_PATH) + " render", std::string(VPRINTER_PATH) + " --input"}) {
        const std::string out = Path("limited");
        const CliResult run = RunProgram(
            "/bin/sh", {"-c", "ulimit -v " + std::string(LIMIT_KIB) + " && exec " + program + " " +
                                  Path("long.bin") + " --plain --out " + out},
            {}, std::chrono::seconds(120));
        EXPECT_EQ(run.exitCode, 0) << program << run.err.substr(0, 500);
        EXPECT_GE(PictureCount(out), cuts) << program;
        std::filesystem::remove_all(out);
    }
}
