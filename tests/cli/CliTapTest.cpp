// talvane-cli tap as a process, with a separate program process on its pseudo-terminal
// or TCP listener and a printer peer or the vprinter process as the printer: the bytes
// pass exactly, the program gets the printer's answers, the receipt is the one the
// printer makes from the program's bytes sent directly, the passive tap's rows come in
// order, and a program that leaves mid-command is said on a row.
#include "tests/cli/CliFixture.h"
#include "tests/cli/CliTapFixture.h"
#include "tests/support/ProgramEnd.h"
#include "tests/support/VprinterProcess.h"

#include <csignal>
#include <random>

using namespace std::chrono_literals;

namespace {

// A small receipt: init, text, a status request, a cut.
std::vector<uint8_t> Receipt() {
    std::vector<uint8_t> r = {0x1B, 0x40, 0x1B, 0x61, 0x01};
    for (const char c : std::string("TAP RECEIPT\nline two\n")) r.push_back(static_cast<uint8_t>(c));
    r.insert(r.end(), {0x10, 0x04, 0x01, 0x1B, 0x64, 0x03, 0x1D, 0x56, 0x00});
    return r;
}

} // namespace

TEST_F(CliTapTest, PseudoTerminalBytesPassExactlyAndTheProgramGetsTheAnswers) {
    PrinterPeer printer;
    const int hold = open(printer.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    CliProcess tap({"tap", "--program", "pty:" + Link(), "--printer", printer.SlavePath(), "--capture",
                    Path("s.cap"), "--records", Path("s.txt")});
    ASSERT_TRUE(tap.WaitForOutput("tap started", 10s));
    std::mt19937 random(7);
    std::vector<uint8_t> bytes(30000);
    for (auto& b : bytes) b = static_cast<uint8_t>(random());
    printer.AnswerRequests(false);
    std::thread answer([&] {
        if (printer.WaitForBytes(bytes.size(), 20s)) printer.Send({0x12, 0x16});
    });
    const CliResult program = RunProgramWriting("pty", Link(), bytes, 2);
    answer.join();
    EXPECT_EQ(program.exitCode, 0) << program.err;
    EXPECT_EQ(program.out, "12 16 \n") << "the printer's answer reached the program";
    EXPECT_TRUE(printer.WaitBytes(bytes.size()) == bytes) << "bytes differ: " << printer.Count();
    ASSERT_TRUE(tap.WaitForOutput("the program went away", 5s));

    // The terminal stays for the next run of the program.
    printer.Forget();
    // It ends in an unfinished ESC !, which the tap calls cut off.
    std::vector<uint8_t> second = Receipt();
    second.insert(second.end(), {0x1B, 0x21});
    EXPECT_EQ(RunProgramWriting("pty", Link(), second, 0).exitCode, 0);
    EXPECT_EQ(printer.WaitBytes(second.size()), second);
    ASSERT_TRUE(tap.WaitForOutput("!! cut off", 5s));

    const CliResult run = tap.Stop(SIGTERM);
    close(hold);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("ESC ! (unfinished)  !! cut off"), std::string::npos) << run.out.substr(0, 2000);
    EXPECT_NE(run.out.find(std::to_string(bytes.size() + second.size()) + " bytes to the printer"),
              std::string::npos);
    EXPECT_NE(run.out.find("  <P  12"), std::string::npos) << "the answer on its row";
    EXPECT_FALSE(LinkExists()) << "the link goes with the tap";
    // The program's side, kept as a records file, is the bytes it wrote.
    std::vector<uint8_t> both = bytes;
    both.insert(both.end(), second.begin(), second.end());
    EXPECT_TRUE(RecordsFileBytes(Path("s.txt")) == both);
    // The capture decodes as the tap showed it.
    const CliResult decoded = RunCli({"decode", Path("s.cap")});
    EXPECT_EQ(decoded.exitCode, 0) << decoded.err;
    EXPECT_NE(decoded.out.find("!! cut off"), std::string::npos);
    // Its summary is the tap's.
    const size_t summary = decoded.out.find("summary: ");
    ASSERT_NE(summary, std::string::npos);
    const std::string line = decoded.out.substr(summary, decoded.out.find('\n', summary) - summary);
    EXPECT_NE(run.out.find(line + "; at most"), std::string::npos) << line;
}

TEST_F(CliTapTest, ThroughTheTapTheVirtualPrinterPrintsWhatItPrintsDirectly) {
    for (const bool overTcp : {false, true}) {
        SCOPED_TRACE(overTcp ? "tcp" : "pty");
        VprinterProcess printer(384, {}, overTcp);
        VprinterProcess direct(384);
        ASSERT_TRUE(printer.Ok() && direct.Ok());
        const std::string program = overTcp ? "tcp-listen:127.0.0.1:0" : "pty:" + Link();
        CliProcess tap({"tap", "--program", program, "--printer", printer.DevicePath().toStdString(),
                        "--records", Path("r.txt")});
        ASSERT_TRUE(tap.WaitForOutput("tap started", 10s));
        const std::string where = overTcp ? ListenAddress(tap) : Link();
        ASSERT_FALSE(where.empty());
        const std::vector<uint8_t> receipt = Receipt();
        const CliResult run = RunProgramWriting(overTcp ? "tcp" : "pty", where, receipt, 1);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out.size(), 4u) << "one status answer: " << run.out;
        EXPECT_EQ(ReceivedOnceThere(printer, receipt), Checksum(receipt));
        ASSERT_TRUE(printer.CutAndSync());
        const CliResult stopped = tap.Stop(SIGINT);
        EXPECT_EQ(stopped.exitCode, 0);
        EXPECT_NE(stopped.out.find("DLE EOT 01"), std::string::npos);
        // The program's side sent again, straight to a printer, prints the same receipt.
        EXPECT_EQ(RunCli({"send", "--records", Path("r.txt"), "--port", direct.DevicePath().toStdString()}).exitCode, 0);
        // The printer's line may still bring them when send is done.
        EXPECT_EQ(ReceivedOnceThere(direct, receipt), Checksum(receipt));
        ASSERT_TRUE(direct.CutAndSync());
        ASSERT_EQ(printer.Receipts().size(), 1) << printer.Log().toStdString();
        ASSERT_EQ(direct.Receipts().size(), 1) << direct.Log().toStdString();
        EXPECT_EQ(ReadFile(printer.Receipts()[0].toStdString()), ReadFile(direct.Receipts()[0].toStdString()));
    }
}

TEST_F(CliTapTest, APassiveTapShowsBothLinesInOrderAndSendsNothing) {
    PrinterPeer programLine;
    PrinterPeer printerLine;
    CliProcess tap({"tap", "--program", "passive:" + programLine.SlavePath() + "," + printerLine.SlavePath(), "--json"});
    ASSERT_TRUE(tap.WaitForOutput("tap started", 10s));
    // The tap cable's receive lines: what the program sent, then the printer's answer.
    ASSERT_TRUE(programLine.Send({0x1B, 0x40, 0x10, 0x04, 0x01}));
    ASSERT_TRUE(tap.WaitForOutput("DLE EOT 01", 5s));
    ASSERT_TRUE(printerLine.Send({0x12}));
    ASSERT_TRUE(tap.WaitForOutput("\"dir\":\"to-program\"", 5s)) << tap.Peek().out;
    ASSERT_TRUE(programLine.Send({0x1D, 0x56, 0x00}));
    ASSERT_TRUE(tap.WaitForOutput("GS V 00", 5s));
    const CliResult run = tap.Stop(SIGTERM);
    EXPECT_EQ(run.exitCode, 0);
    const size_t init = run.out.find("\"text\":\"ESC @\"");
    const size_t request = run.out.find("\"text\":\"DLE EOT 01\"");
    const size_t answer = run.out.find("\"dir\":\"to-program\",\"hex\":\"12\"");
    const size_t cut = run.out.find("\"text\":\"GS V 00\"");
    ASSERT_NE(answer, std::string::npos) << run.out;
    EXPECT_TRUE(init < request && request < answer && answer < cut) << run.out;
    EXPECT_NE(run.out.find("\"summary\":"), std::string::npos);
    EXPECT_TRUE(programLine.BytesAfterQuiet(200ms).empty()) << "a passive tap sent something";
    EXPECT_TRUE(printerLine.BytesAfterQuiet(200ms).empty()) << "a passive tap sent something";
}

TEST_F(CliTapTest, StoppedWithBytesThePrinterNeverTookItSaysSoAndFails) {
    PrinterPeer printer;
    const int hold = open(printer.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    printer.Pause(true);
    CliProcess tap({"tap", "--program", "pty:" + Link(), "--printer", printer.SlavePath()});
    ASSERT_TRUE(tap.WaitForOutput("tap started", 10s));
    const int program = OpenProgramEnd(Link(), B4000000);
    ASSERT_GE(program, 0);
    std::vector<uint8_t> flood(512 << 10);
    std::mt19937 random(12);
    for (auto& b : flood) b = static_cast<uint8_t>(random());
    ASSERT_LT(WriteUntilHeld(program, flood), flood.size()) << "the program was never held back";
    const CliResult run = tap.Stop(SIGINT);
    close(program);
    EXPECT_EQ(run.exitCode, 6) << run.err;
    EXPECT_NE(run.err.find("bytes were not delivered to the printer"), std::string::npos) << run.err;
    // The summary's count is what the printer gets once it reads again.
    const size_t at = run.out.find("summary: ");
    ASSERT_NE(at, std::string::npos) << run.out;
    const uint64_t counted = std::stoull(run.out.substr(at + 9));
    printer.Pause(false);
    EXPECT_EQ(printer.BytesAfterQuiet(500ms).size(), counted) << run.out.substr(at);
    close(hold);
}

TEST_F(CliTapTest, BadSidesAreRefusedWithAMessage) {
    const CliResult noPrinter = RunCli({"tap", "--program", "pty:" + Link()});
    EXPECT_EQ(noPrinter.exitCode, 2);
    EXPECT_NE(noPrinter.err.find("--printer is needed"), std::string::npos);
    const CliResult badSide = RunCli({"tap", "--program", "serial:/x", "--printer", Link() + "-printer"});
    EXPECT_EQ(badSide.exitCode, 2);
    EXPECT_NE(badSide.err.find("unknown program side"), std::string::npos);
    WriteFile(Link(), "not a link");
    const CliResult taken = RunCli({"tap", "--program", "pty:" + Link(), "--printer", "tcp://127.0.0.1:1"});
    EXPECT_EQ(taken.exitCode, 5);
    EXPECT_EQ(ReadFile(Link()), "not a link") << "a file in the way is left alone";
    const CliResult model = RunCli({"tap", "--program", "pty:" + Link(), "--printer", "tcp://127.0.0.1:1", "--model", "80"});
    EXPECT_EQ(model.exitCode, 2);
    EXPECT_NE(model.err.find("--receipts"), std::string::npos) << model.err;

    // A capture to send again: a file that is none, and one where the program sent nothing.
    PrinterPeer printer;
    WriteFile(Path("records.txt"), "1B 40\r\n");
    const CliResult notCapture = RunCli({"send", "--capture", Path("records.txt"), "--port", printer.SlavePath()});
    EXPECT_EQ(notCapture.exitCode, 3);
    EXPECT_NE(notCapture.err.find("is not a tap capture file"), std::string::npos) << notCapture.err;
    WriteFile(Path("answers.cap"), "# talvane tap capture 1\n< 0.001000 12\n");
    const CliResult nothing = RunCli({"send", "--capture", Path("answers.cap"), "--port", printer.SlavePath()});
    EXPECT_EQ(nothing.exitCode, 3);
    EXPECT_NE(nothing.err.find("nothing the program sent"), std::string::npos) << nothing.err;
    const CliResult both = RunCli({"send", "--capture", Path("answers.cap"), "--hex", "1B 40", "--port", printer.SlavePath()});
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_TRUE(printer.BytesAfterQuiet(200ms).empty()) << "a refused capture sent something";
}
