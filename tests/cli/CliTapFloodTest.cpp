// The long case of the tap, run once in the release build: a slow printer (9600 baud,
// a 4 KiB buffer that says XOFF when full) and a program that writes 200 KiB as fast as
// its terminal takes them. Nothing is lost, the program is held back, and no more than
// the tap's queue waited in it.
#include "tests/cli/CliTapFixture.h"
#include "tests/support/VprinterProcess.h"

#include <csignal>
#include <regex>

using namespace std::chrono_literals;

TEST_F(CliTapTest, ASlowPrinterHoldsAFastProgramBackAndNothingIsLost) {
    VprinterProcess printer(384, {"--baud", "9600", "--buffer", "4096"});
    ASSERT_TRUE(printer.Ok());
    CliProcess tap({"tap", "--program", "pty:" + Link(), "--printer", printer.DevicePath().toStdString(), "--json"});
    ASSERT_TRUE(tap.WaitForOutput("tap started", 10s));
    constexpr size_t FLOOD = 200 * 1024;
    std::vector<uint8_t> flood;
    const std::string line = "0123456789 the quick brown fox jumps\n";
    while (flood.size() < FLOOD) flood.insert(flood.end(), line.begin(), line.end());
    flood.resize(FLOOD);
    // A status request last: its answer comes once the printer has read everything.
    flood.insert(flood.end(), {0x10, 0x04, 0x01});
    const auto start = std::chrono::steady_clock::now();
    // The program's line runs at 9600 and honours XOFF, as a program on a real line
    // with software flow control does.
    const CliResult program = RunProgramWriting("pty", Link(), flood, 1, {"--ixon", "--slow"}, 600s);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(program.exitCode, 0) << program.err;
    EXPECT_EQ(program.out.size(), 4u) << "no answer to the last request: " << program.out;
    // At 9600 baud 200 KiB take over 200 s; a program not held back is done at once.
    EXPECT_GT(took, 150s) << "the program was not held back";
    ASSERT_TRUE(printer.CutAndSync());
    const CliResult run = tap.Stop(SIGTERM);
    EXPECT_EQ(run.exitCode, 0);
    const size_t summary = run.out.find("{\"summary\"");
    ASSERT_NE(summary, std::string::npos) << run.err;
    EXPECT_NE(run.out.find("\"to_printer_bytes\":" + std::to_string(flood.size())), std::string::npos)
        << run.out.substr(summary);
    std::smatch peak;
    ASSERT_TRUE(std::regex_search(run.out, peak, std::regex("\"queue_peak_bytes\":([0-9]+)")));
    EXPECT_LE(std::stoul(peak[1]), 64u * 1024u);
    EXPECT_EQ(printer.Log().indexOf("dropped"), -1) << printer.Log().toStdString();
}
