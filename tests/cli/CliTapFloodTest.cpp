// The long case of the tap, run once in the release build: a slow printer (9600 baud,
// a 4 KiB buffer that says XOFF when full) and a program that writes 20 KiB, five times
// the printer's buffer, as fast as its terminal takes them. The printer receives every
// byte, the summary counts what the printer took, and the program is held back for the
// line's time.
#include "tests/cli/CliTapFixture.h"
#include "tests/support/VprinterProcess.h"

#include <csignal>

using namespace std::chrono_literals;

TEST_F(CliTapTest, ASlowPrinterHoldsAFastProgramBackAndNothingIsLost) {
    VprinterProcess printer(384, {"--baud", "9600", "--buffer", "4096"});
    ASSERT_TRUE(printer.Ok());
    CliProcess tap({"tap", "--program", "pty:" + Link(), "--printer", printer.DevicePath().toStdString(), "--json"});
    ASSERT_TRUE(tap.WaitForOutput("tap started", 10s));
    constexpr size_t FLOOD = 20 * 1024;
    std::vector<uint8_t> flood;
    const std::string line = "0123456789 the quick brown fox jumps\n";
    while (flood.size() < FLOOD) flood.insert(flood.end(), line.begin(), line.end());
    flood.resize(FLOOD);
    // A status request last: its answer comes once the printer has read everything.
    flood.insert(flood.end(), {0x10, 0x04, 0x01});
    const auto start = std::chrono::steady_clock::now();
    // The program's line honours XOFF, as a program on a real line with software flow
    // control does.
    const CliResult program = RunProgramWriting("pty", Link(), flood, 1, {"--ixon", "--slow"}, 300s);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(program.exitCode, 0) << program.err;
    EXPECT_EQ(program.out.size(), 4u) << "no answer to the last request: " << program.out;
    // At 9600 baud 20 KiB take over 20 s; a program not held back is done at once.
    EXPECT_GT(took, 15s) << "the program was not held back";
    // What the printer really received, byte for byte.
    EXPECT_EQ(ReceivedOnceThere(printer, flood), Checksum(flood));
    ASSERT_TRUE(printer.CutAndSync());
    const CliResult run = tap.Stop(SIGTERM);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const size_t summary = run.out.find("{\"summary\"");
    ASSERT_NE(summary, std::string::npos) << run.err;
    EXPECT_NE(run.out.find("\"to_printer_bytes\":" + std::to_string(flood.size()) + ","), std::string::npos)
        << run.out.substr(summary);
    EXPECT_NE(run.out.find("\"not_delivered_to_printer_bytes\":0,"), std::string::npos) << run.out.substr(summary);
    EXPECT_EQ(printer.Log().indexOf("dropped"), -1) << printer.Log().toStdString();
}
