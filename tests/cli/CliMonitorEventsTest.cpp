// monitor --time --auto-status (automatic status back switched on for the run and off
// at its end, each line with its time, XON and XOFF named), decode --replies naming
// XON and XOFF, --verbose printing the tool's events with their times, and a network
// printer named NET1 in the tool's messages as `ports` lists it.
#include "tests/cli/CliFixture.h"
#include "tools/cli/ExitCodes.h"

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <regex>
#include <sys/socket.h>

namespace {

const std::vector<uint8_t> AUTO_STATUS_ON = {0x1D, 0x61, 0x2F};
const std::vector<uint8_t> AUTO_STATUS_OFF = {0x1D, 0x61, 0x00};
const std::regex STAMPED_EVENT(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} port +)");

// A loopback port nobody listens on: bound, never listening, so a connect is refused.
struct ClosedPort {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int port = 0;
    ClosedPort() {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof a;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &length) == 0)
            port = ntohs(a.sin_port);
    }
    ~ClosedPort() { ::close(fd); }
};

} // namespace

TEST_F(CliPeerTest, MonitorWithTimesSwitchesAutomaticStatusForTheRunAndNamesXonXoff) {
    ASSERT_TRUE(peer.Ok());
    CliProcess monitor(OnPeer({"monitor", "--time", "--auto-status", "--record", Path("sent.txt")}));
    // The switch goes out first: then the port is open.
    EXPECT_EQ(Wire(AUTO_STATUS_ON.size()), AUTO_STATUS_ON);
    peer.Forget();
    peer.Send({0x04});
    ASSERT_TRUE(monitor.WaitForOutput("status 04: paper end", std::chrono::seconds(5)));
    peer.Send({0x13});
    ASSERT_TRUE(monitor.WaitForOutput("13 XOFF: the printer asks to stop sending", std::chrono::seconds(5)));
    peer.Send({0x11});
    ASSERT_TRUE(monitor.WaitForOutput("11 XON: the printer takes data again", std::chrono::seconds(5)));
    const CliResult ended = monitor.Stop(SIGINT);
    EXPECT_EQ(ended.exitCode, cli::EXIT_OK) << ended.err;
    // Switched off again at the end, and both switches are in the records file.
    EXPECT_EQ(Wire(AUTO_STATUS_OFF.size()), AUTO_STATUS_OFF);
    EXPECT_EQ(ReadFile(Path("sent.txt")), "1D 61 2F \r\n1D 61 00 \r\n");
    // Each line of bytes has its time; the words below it are indented.
    const std::regex stampedBytes(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\.\d{3} (04|13|11)$)");
    int stampedLines = 0;
    std::istringstream lines(ended.out);
    for (std::string line; std::getline(lines, line);)
        if (std::regex_match(line, stampedBytes)) ++stampedLines;
    EXPECT_EQ(stampedLines, 3) << ended.out;
    EXPECT_EQ(ended.out.find("no status byte"), std::string::npos) << ended.out;

    // Without the options nothing is switched and no time is printed.
    peer.Forget();
    CliProcess plain(OnPeer({"monitor"}));
    bool seen = false;
    for (int attempt = 0; attempt < 50 && !seen; ++attempt) {
        peer.Send({0x00});
        seen = plain.WaitForOutput("status 00", std::chrono::milliseconds(200));
    }
    ASSERT_TRUE(seen);
    const CliResult quiet = plain.Stop(SIGINT);
    EXPECT_EQ(quiet.out.rfind("00\n", 0), 0u) << quiet.out;
    EXPECT_TRUE(WireAfterQuiet().empty());
}

TEST(CliReplies, DecodeNamesXonAndXoff) {
    const CliResult r = RunCli({"decode", "--replies", "-"}, "11 13 12");
    EXPECT_EQ(r.exitCode, cli::EXIT_OK) << r.err;
    EXPECT_NE(r.out.find("11 \u2192 XON: the printer takes data again (flow control)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("13 \u2192 XOFF: the printer asks to stop sending (flow control)"), std::string::npos) << r.out;
    // Any other byte with bit 4 set is still no status byte.
    EXPECT_NE(r.out.find("12 \u2192 no status byte (ignored)"), std::string::npos) << r.out;
}

TEST_F(CliPeerTest, VerbosePrintsTheEventsWithTheirTimes) {
    ASSERT_TRUE(peer.Ok());
    const CliResult r = RunCli(OnPeer({"send", "--hex", "1B 40", "--verbose"}));
    EXPECT_EQ(r.exitCode, cli::EXIT_OK) << r.err;
    EXPECT_TRUE(std::regex_search(r.err, std::regex(R"(\d\d:\d\d:\d\d\.\d{3} port +COM\d+ \(.*\) opened at 9600 baud)")))
        << r.err;
    EXPECT_NE(r.err.find(") closed"), std::string::npos) << r.err;
    // Without --verbose: no events.
    const CliResult quiet = RunCli(OnPeer({"send", "--hex", "1B 40"}));
    EXPECT_EQ(quiet.err.find("opened"), std::string::npos) << quiet.err;
}

TEST(CliNetworkName, ANetworkPortIsNet1AsPortsListsIt) {
    ClosedPort closed;
    ASSERT_GT(closed.port, 0);
    const std::string url = "tcp://127.0.0.1:" + std::to_string(closed.port);
    const std::string name = "NET1 (127.0.0.1:" + std::to_string(closed.port) + ")";
    const CliResult listed = RunCli({"ports", "--port", url});
    EXPECT_NE(listed.out.find(name), std::string::npos) << listed.out;

    const CliResult refused = RunCli({"status", "--port", url, "--verbose"});
    EXPECT_EQ(refused.exitCode, cli::EXIT_PORT);
    EXPECT_NE(refused.err.find("talvane-cli: cannot open " + name), std::string::npos) << refused.err;
    EXPECT_TRUE(std::regex_search(refused.err, STAMPED_EVENT)) << refused.err;
    EXPECT_EQ(refused.err.find("COM"), std::string::npos) << refused.err;
}
