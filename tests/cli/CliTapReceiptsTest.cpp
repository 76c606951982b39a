// What the tap keeps of a session, end to end with real processes: the receipts the
// program's bytes should print are the virtual printer's own, pixel for pixel; the
// capture's rows are timed as the tap showed them; and receipts of the npm ESC/POS
// encoder, written by a program of their own to the tap's pseudo-terminal and TCP
// listener, reach the vprinter process byte for byte, the program gets the printer's
// answers, and the capture sent again prints the same receipts.
#include "tests/cli/CliFixture.h"
#include "tests/cli/CliTapFixture.h"
#include "tests/support/VprinterProcess.h"

#include <csignal>
#include <filesystem>

using namespace std::chrono_literals;

namespace {

constexpr int WIDTH_58 = 384;
constexpr int WIDTH_80 = 576;
constexpr bool LIKE_PAPER = false; // vprinter's receipts with their look, not plain dots

std::vector<uint8_t> Bytes(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

// The time column of the first row that holds `what`.
std::string TimeOfRow(const std::string& out, const std::string& what) {
    const size_t at = out.find(what);
    if (at == std::string::npos) return {};
    const size_t start = out.rfind('\n', at);
    return out.substr(start == std::string::npos ? 0 : start + 1, std::string("10:42:07.123").size());
}

} // namespace

TEST_F(CliTapTest, TheTapsReceiptsAreTheVirtualPrintersOwnPixelForPixel) {
    using namespace std::string_literals;
    VprinterProcess printer(WIDTH_58, {}, false, LIKE_PAPER);
    ASSERT_TRUE(printer.Ok());
    CliProcess tap({"tap", "--program", "pty:" + Link(), "--printer", printer.DevicePath().toStdString(),
                    "--receipts", Path("expected"), "--capture", Path("s.cap")});
    ASSERT_TRUE(tap.WaitForOutput("tap started", 10s));
    // Two receipts, the second in another density, bold and double size.
    const std::vector<uint8_t> bytes = Bytes(
        "\x1b@\x1b" "a\x01" "FIRST RECEIPT\n\x10\x04\x01\x1b" "d\x02\x1dV\x42\x00"
        "\x1dm\x06\x1b" "E\x01" "second\n\x1d!\x11" "BIG\n\x1dV\x00"s);
    const CliResult program = RunProgramWriting("pty", Link(), bytes, 1);
    EXPECT_EQ(program.exitCode, 0) << program.err;
    EXPECT_EQ(program.out.size(), 4u) << "the printer's answer: " << program.out;
    EXPECT_EQ(ReceivedOnceThere(printer, bytes), Checksum(bytes));
    ASSERT_TRUE(printer.CutAndSync());
    const CliResult run = tap.Stop(SIGINT);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("receipt-0002.png"), std::string::npos) << run.err;
    ASSERT_EQ(printer.Receipts().size(), 2) << printer.Log().toStdString();
    ExpectSamePictures(Pictures(Path("expected")), printer.Receipts());

    // Read back, the capture's rows carry the times the tap showed.
    const CliResult decoded = RunCli({"decode", Path("s.cap")});
    EXPECT_EQ(decoded.exitCode, 0) << decoded.err;
    const std::string live = TimeOfRow(run.out, "DLE EOT 01");
    EXPECT_FALSE(live.empty()) << run.out;
    EXPECT_EQ(TimeOfRow(decoded.out, "DLE EOT 01"), live) << decoded.out;
    EXPECT_NE(ReadFile(Path("s.cap")).find("\n# started 20"), std::string::npos);
}

TEST_F(CliTapTest, NpmEncoderReceiptsPassThroughTheTapToTheVirtualPrinterExactly) {
    const char* other = std::getenv("TPC_RECEIPT_SCRIPT");
    const std::string script = other && *other ? other : RECEIPT_SCRIPT;
    if (!std::filesystem::exists(std::filesystem::path(script).parent_path() / "node_modules"))
        GTEST_SKIP() << "no node_modules beside " << script << " (scripts/deps.sh installs them)";
    const std::string folder = Path("npm");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    ASSERT_EQ(RunProgram("/usr/bin/env", {"node", script, folder}).exitCode, 0);
    // Both receipts, each followed by a status request the program reads the answer of.
    std::vector<uint8_t> bytes = Bytes(ReadFile(folder + "/styles.bin"));
    ASSERT_GT(bytes.size(), 50u);
    bytes.insert(bytes.end(), {0x10, 0x04, 0x01});
    const std::vector<uint8_t> codes = Bytes(ReadFile(folder + "/codes.bin"));
    ASSERT_GT(codes.size(), 50u);
    bytes.insert(bytes.end(), codes.begin(), codes.end());
    bytes.insert(bytes.end(), {0x10, 0x04, 0x04});

    for (const bool overTcp : {false, true}) {
        SCOPED_TRACE(overTcp ? "tcp" : "pty");
        const std::string kept = Path(overTcp ? "tcp" : "pty");
        VprinterProcess printer(WIDTH_80, {}, overTcp, LIKE_PAPER);
        ASSERT_TRUE(printer.Ok());
        const std::string side = overTcp ? "tcp-listen:127.0.0.1:0" : "pty:" + Link();
        CliProcess tap({"tap", "--program", side, "--printer", printer.DevicePath().toStdString(), "--capture",
                        kept + ".cap", "--receipts", kept, "--model", "80"});
        ASSERT_TRUE(tap.WaitForOutput("tap started", 10s));
        const std::string where = overTcp ? ListenAddress(tap) : Link();
        ASSERT_FALSE(where.empty());
        const CliResult program = RunProgramWriting(overTcp ? "tcp" : "pty", where, bytes, 2);
        EXPECT_EQ(program.exitCode, 0) << program.err;
        EXPECT_EQ(program.out.size(), 7u) << "two status answers: " << program.out;
        EXPECT_EQ(ReceivedOnceThere(printer, bytes), Checksum(bytes));
        ASSERT_TRUE(printer.CutAndSync());
        const CliResult run = tap.Stop(SIGINT);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out.find("!! unknown command"), std::string::npos) << run.out;
        ASSERT_EQ(printer.Receipts().size(), 2) << printer.Log().toStdString();
        ExpectSamePictures(Pictures(kept), printer.Receipts());

        // The capture's program side, sent again straight to a printer, prints the same.
        VprinterProcess replay(WIDTH_80, {}, false, LIKE_PAPER);
        ASSERT_TRUE(replay.Ok());
        const CliResult sent = RunCli({"send", "--capture", kept + ".cap", "--port", replay.DevicePath().toStdString()});
        EXPECT_EQ(sent.exitCode, 0) << sent.err;
        EXPECT_EQ(ReceivedOnceThere(replay, bytes), Checksum(bytes));
        ASSERT_TRUE(replay.CutAndSync());
        ExpectSamePictures(replay.Receipts(), printer.Receipts());
    }
}
