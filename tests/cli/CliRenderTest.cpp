// talvane-cli render and vprinter --input: receipts without a printer, the same dot for
// dot as the vprinter process prints from the same bytes, and the receipt check against
// a golden picture.
#include "tests/cli/CliFixture.h"
#include "tests/support/VprinterProcess.h"

#include "emulator/PrinterState.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int WIDTH_58 = 384;
constexpr int WIDTH_80 = 576;
constexpr int EXIT_NOT_UNDERSTOOD = 20;
constexpr int EXIT_RECEIPT_DIFFERS = 21;
constexpr int VPRINTER_NOT_UNDERSTOOD = 20; // the same code as render
constexpr int DESK = 16; // grey pixels around the paper in the paper look

using namespace std::string_literals;
const std::string TEXT_RECEIPT = "Receipt check\n\x1b" "E\x01" "Bold\n\x1b" "E\x00" "Plain\n\n\x1dV\x00"s;

class RenderTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }
    // The pictures in a folder, in order.
    static QStringList Pictures(const std::string& folder) {
        QDir out(QString::fromStdString(folder));
        QStringList files;
        for (const QString& name : out.entryList({QStringLiteral("receipt-*.png")}, QDir::Files,
                                                 QDir::Name))
            files << out.filePath(name);
        return files;
    }
    // Every receipt in `made` equals, dot for dot, the one at the same place in `printed`.
    static void ExpectSameReceipts(const QStringList& made, const QStringList& printed, int width) {
        ASSERT_EQ(made.size(), printed.size());
        ASSERT_FALSE(made.isEmpty());
        for (int i = 0; i < made.size(); ++i) {
            const vprinter::PaperBitmap a = LoadReceipt(made[i], width);
            const vprinter::PaperBitmap b = LoadReceipt(printed[i], width);
            ASSERT_GT(a.Height(), 0) << made[i].toStdString();
            EXPECT_EQ(a.Height(), b.Height()) << "receipt " << i;
            EXPECT_EQ(a.Data(), b.Data()) << "receipt " << i;
        }
    }
    QTemporaryDir dir;
};

} // namespace

TEST_F(RenderTest, TheConsoleSamplesRenderAsTheVprinterProcessPrintsThem) {
    for (const int width : {WIDTH_58, WIDTH_80}) {
        VprinterProcess printer(width);
        ASSERT_TRUE(printer.Ok());
        const std::string records = Path("samples-" + std::to_string(width) + ".txt");
        const std::string model = width == WIDTH_58 ? "58" : "80";
        const CliResult sent = RunCli({"sample", "all", "--port", printer.DevicePath().toStdString(),
                                       "--model", model, "--record", records});
        ASSERT_EQ(sent.exitCode, 0) << sent.err;
        ASSERT_TRUE(printer.CutAndSync());

        // The records file the run wrote is recognised and turned into its bytes.
        const std::string out = Path("made-" + model);
        const CliResult rendered =
            RunCli({"render", records, "--out", out, "--model", model, "--plain"});
        EXPECT_TRUE(rendered.exitCode == 0 || rendered.exitCode == EXIT_NOT_UNDERSTOOD)
            << rendered.err;
        ExpectSameReceipts(Pictures(out), printer.Receipts(), width);
    }
}

TEST_F(RenderTest, ReceiptsOfTheNpmEncoderRenderAsTheVprinterProcessPrintsThem) {
    // TPC_RECEIPT_SCRIPT names the encoder script of a checkout that has its packages.
    const char* other = std::getenv("TPC_RECEIPT_SCRIPT");
    const std::string script = other && *other ? other : RECEIPT_SCRIPT;
    if (!std::filesystem::exists(std::filesystem::path(script).parent_path() / "node_modules"))
        GTEST_SKIP() << "no node_modules beside " << script << " (scripts/deps.sh)";
    const std::string folder = Path("npm");
    QDir().mkpath(QString::fromStdString(folder));
    ASSERT_EQ(RunProgram("/usr/bin/env", {"node", script, folder}).exitCode, 0);
    for (const std::string name : {"styles.bin", "codes.bin"}) {
        VprinterProcess printer(WIDTH_80);
        ASSERT_TRUE(printer.Ok());
        const std::string file = folder + "/" + name;
        ASSERT_EQ(RunCli({"send", file, "--port", printer.DevicePath().toStdString()}).exitCode, 0);
        ASSERT_TRUE(printer.CutAndSync(std::filesystem::file_size(file)));
        const std::string out = Path("npm-made-" + name);
        const CliResult rendered = RunCli({"render", file, "--out", out, "--model", "80", "--plain"});
        EXPECT_EQ(rendered.exitCode, 0) << rendered.out << rendered.err;
        ExpectSameReceipts(Pictures(out), printer.Receipts(), WIDTH_80);
    }
}

TEST_F(RenderTest, VprinterInputWritesTheReceiptsRenderWrites) {
    WriteFile(Path("text.bin"), TEXT_RECEIPT + "second receipt\n\x1dV\x00"s);
    const std::string out = Path("vprinter");
    const CliResult printed =
        RunProgram(VPRINTER_PATH, {"--input", Path("text.bin"), "--out", out, "--plain"});
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    const CliResult rendered = RunCli({"render", Path("text.bin"), "--out", Path("cli"), "--plain"});
    EXPECT_EQ(rendered.exitCode, 0) << rendered.err;
    EXPECT_EQ(Pictures(out).size(), 2);
    ExpectSameReceipts(Pictures(Path("cli")), Pictures(out), WIDTH_58);

    // A command it skips makes both say so, by name and offset.
    WriteFile(Path("skip.bin"), "A\n\x1bL" + std::string("B\n"));
    const CliResult skipped = RunProgram(VPRINTER_PATH, {"--input", Path("skip.bin"), "--out", out});
    EXPECT_EQ(skipped.exitCode, VPRINTER_NOT_UNDERSTOOD);
    EXPECT_NE(skipped.err.find("offset 2: ESC L is not supported"), std::string::npos) << skipped.err;
}

TEST_F(RenderTest, ATapCaptureRendersWhatTheProgramSentAndNotThePrintersAnswers) {
    WriteFile(Path("direct.bin"), TEXT_RECEIPT);
    ASSERT_EQ(RunCli({"render", Path("direct.bin"), "--out", Path("direct"), "--plain"}).exitCode, 0);
    // The program's bytes split over two lines, a status answer between them that must not
    // be printed, and the line settings.
    std::string first;
    std::string second;
    for (size_t i = 0; i < TEXT_RECEIPT.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X ", static_cast<unsigned char>(TEXT_RECEIPT[i]));
        (i < 10 ? first : second) += hex;
    }
    WriteFile(Path("session.cap"), "# talvane tap capture 1\nL 0.000000 9600 8N1 none\n> 0.001000 " +
                                       first + "\n< 0.002000 41 42 43 0A\n> 0.003000 " + second +
                                       "\n! 0.004000 the program went away\n");
    const CliResult rendered =
        RunCli({"render", Path("session.cap"), "--out", Path("capture"), "--plain"});
    EXPECT_EQ(rendered.exitCode, 0) << rendered.out << rendered.err;
    ExpectSameReceipts(Pictures(Path("capture")), Pictures(Path("direct")), WIDTH_58);
}

TEST_F(RenderTest, ListsWhatItDidNotUnderstandAndSaysSoInItsExitCode) {
    // A records file is read as the bytes of its rows; "--raw" reads the same text as bytes.
    WriteFile(Path("rows.txt"), "41 0A  // A LF\r\n1B 4C  // ESC L\r\n1D 56 00\r\n");
    const CliResult rows = RunCli({"render", Path("rows.txt"), "--out", Path("rows")});
    EXPECT_EQ(rows.exitCode, EXIT_NOT_UNDERSTOOD);
    EXPECT_NE(rows.out.find("offset 2: ESC L is not supported"), std::string::npos) << rows.out;
    EXPECT_EQ(Pictures(Path("rows")).size(), 1);

    // A stream that ends inside a command, in words and in JSON.
    WriteFile(Path("cut-short.bin"), "Text\n\x1d(k");
    const CliResult shortText = RunCli({"render", Path("cut-short.bin"), "--out", Path("short")});
    EXPECT_EQ(shortText.exitCode, EXIT_NOT_UNDERSTOOD);
    EXPECT_NE(shortText.out.find("offset 5: the input ends inside a command"), std::string::npos)
        << shortText.out;
    const CliResult json =
        RunCli({"render", "-", "--json", "--out", Path("json")}, "Text\n\x1bL\x1d(k");
    EXPECT_EQ(json.exitCode, EXIT_NOT_UNDERSTOOD);
    EXPECT_NE(json.out.find("\"skipped\":[{\"offset\":5,\"text\":\"ESC L is not supported"),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"unfinished_at\":7"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"understood\":false"), std::string::npos) << json.out;

    // Everything understood: exit 0; bad options and files have their own codes.
    WriteFile(Path("good.bin"), TEXT_RECEIPT);
    EXPECT_EQ(RunCli({"render", Path("good.bin"), "--out", Path("good")}).exitCode, 0);
    EXPECT_EQ(RunCli({"render", Path("good.bin"), "--model", "66"}).exitCode, 2);
    EXPECT_EQ(RunCli({"render", Path("good.bin"), "--diff", Path("d.png")}).exitCode, 2);
    EXPECT_EQ(RunCli({"render", Path("missing.bin")}).exitCode, 4);
}

TEST_F(RenderTest, CompareCatchesOneDotAndPassesAnIdenticalReceipt) {
    WriteFile(Path("receipt.bin"), TEXT_RECEIPT);
    for (const bool plain : {true, false}) {
        const std::string out = Path(plain ? "golden-plain" : "golden-paper");
        std::vector<std::string> args = {"render", Path("receipt.bin"), "--out", out};
        if (plain) args.push_back("--plain");
        ASSERT_EQ(RunCli(args).exitCode, 0);
        const QString golden = Pictures(out).value(0);
        ASSERT_FALSE(golden.isEmpty());

        const CliResult same =
            RunCli({"render", Path("receipt.bin"), "--compare", golden.toStdString()});
        EXPECT_EQ(same.exitCode, 0) << same.out << same.err;
        EXPECT_NE(same.out.find("identical"), std::string::npos);

        // One white dot made black in the golden, in the paper's printable area.
        QImage changed = QImage(golden).convertToFormat(QImage::Format_RGB32);
        const int margin = vprinter::PaperMargin(WIDTH_58) + (plain ? 0 : DESK);
        const int top = plain ? 0 : DESK;
        constexpr int ROW = 27, COLUMN = 300;
        changed.setPixel(margin + COLUMN, top + ROW, qRgb(0, 0, 0));
        const QString edited = dir.filePath(QStringLiteral("edited.png"));
        ASSERT_TRUE(changed.save(edited));
        const CliResult differs = RunCli({"render", Path("receipt.bin"), "--compare",
                                          edited.toStdString(), "--diff", Path("diff.png")});
        EXPECT_EQ(differs.exitCode, EXIT_RECEIPT_DIFFERS) << differs.out << differs.err;
        EXPECT_NE(differs.out.find("1 dots differ"), std::string::npos) << differs.out;
        EXPECT_NE(differs.out.find("start at rows 27"), std::string::npos) << differs.out;
        const QImage diff(QString::fromStdString(Path("diff.png")));
        ASSERT_FALSE(diff.isNull());
        EXPECT_EQ(QColor(diff.pixel(vprinter::PaperMargin(WIDTH_58) + COLUMN, ROW)),
                  QColor(0, 60, 230)); // only in the golden
        EXPECT_EQ(QColor(diff.pixel(0, ROW)), QColor(230, 0, 0)); // the row's mark
        EXPECT_EQ(QColor(diff.pixel(0, ROW + 1)), QColor(Qt::white));
    }
    // A picture that is no receipt of this width is refused, not compared.
    QImage other(100, 50, QImage::Format_RGB32);
    other.fill(Qt::white);
    ASSERT_TRUE(other.save(dir.filePath(QStringLiteral("other.png"))));
    const CliResult notAReceipt = RunCli({"render", Path("receipt.bin"), "--compare", Path("other.png")});
    EXPECT_EQ(notAReceipt.exitCode, 3);
    EXPECT_NE(notAReceipt.err.find("no receipt of 384 dots (--model): it is 100 pixels wide"),
              std::string::npos)
        << notAReceipt.err;
    // A golden of the other model names both widths.
    const CliResult otherModel =
        RunCli({"render", Path("receipt.bin"), "--model", "80", "--compare",
                dir.filePath(QStringLiteral("edited.png")).toStdString()});
    EXPECT_EQ(otherModel.exitCode, 3);
    EXPECT_NE(otherModel.err.find("is a receipt of 384 dots, not of 576"), std::string::npos)
        << otherModel.err;
}

TEST_F(RenderTest, TheReadmeReceiptCheckPassesTheGoldenAndFailsAChange) {
    const std::string readme = ReadFile(README_PATH);
    const size_t start = readme.find("<!-- receipt-check -->");
    ASSERT_NE(start, std::string::npos) << "no receipt check in " << README_PATH;
    const size_t body = readme.find("```sh\n", start) + std::string("```sh\n").size();
    const std::string script = readme.substr(body, readme.find("```", body) - body);

    WriteFile(Path("order.bin"), TEXT_RECEIPT);
    ASSERT_EQ(RunCli({"render", Path("order.bin"), "--out", Path("golden")}).exitCode, 0);
    const std::string golden = Pictures(Path("golden")).value(0).toStdString();
    const std::string tools = QFileInfo(QStringLiteral(TALVANE_CLI_PATH)).absolutePath().toStdString();
    auto check = [&](const std::string& receipt) {
        return RunProgram("/usr/bin/env",
                          {"-i", "PATH=" + tools + ":/usr/bin:/bin", "RECEIPT=" + receipt,
                           "GOLDEN=" + golden, "DIFF=" + Path("diff.png"), "/bin/bash", "-c",
                           script, "receipt-check"});
    };
    const CliResult passed = check(Path("order.bin"));
    EXPECT_EQ(passed.exitCode, 0) << passed.out << passed.err;
    EXPECT_NE(passed.out.find("receipt check passed"), std::string::npos) << passed.out;

    // The program now prints one word differently: the check fails with the code.
    std::string changed = TEXT_RECEIPT;
    changed.replace(changed.find("Plain"), 5, "Plane");
    WriteFile(Path("changed.bin"), changed);
    const CliResult failed = check(Path("changed.bin"));
    EXPECT_EQ(failed.exitCode, EXIT_RECEIPT_DIFFERS) << failed.out << failed.err;
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(Path("diff.png"))));
}
