// Every kind of argument given wrong: a clear message naming it, the documented exit
// code, and not one byte at the printer.
#include "tests/cli/CliFixture.h"
#include "tools/cli/ExitCodes.h"

#include <QImage>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

struct BadCase {
    std::vector<std::string> args; // the peer's --port is added
    int exitCode;
    const char* message; // part of what standard error says
};

} // namespace

TEST_F(CliPeerTest, BadArgumentsAreRefusedWithAMessageAndNothingIsSent) {
    ASSERT_TRUE(peer.Ok());
    WriteFile(Path("records-bad.txt"), "1B 40\r\n1B ZZ 40\r\n");
    WriteFile(Path("not-a-picture.png"), "plain text");
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::black);
    ASSERT_TRUE(picture.save(QString::fromStdString(Path("picture.png"))));
    const std::vector<BadCase> cases = {
        {{"frobnicate"}, cli::EXIT_USAGE, "unknown subcommand \"frobnicate\""},
        {{"send", "--hex", "1B 40", "--colour", "red"}, cli::EXIT_USAGE, "unknown option --colour"},
        {{"send", "--hex"}, cli::EXIT_USAGE, "--hex needs a value"},
        {{"barcode", "EAN13", "--width"}, cli::EXIT_USAGE, "--width needs a value"},
        {{"send", "--hex", "1B", "--hex", "40"}, cli::EXIT_USAGE, "given twice"},
        {{"send"}, cli::EXIT_USAGE, "exactly one of FILE"},
        {{"send", "--hex", "1B 40", "--baud", "fast"}, cli::EXIT_USAGE, "--baud needs a positive"},
        {{"send", "--hex", "1B 40", "--baud", "-9600"}, cli::EXIT_USAGE, "--baud needs a positive"},
        {{"send", "--hex", "1B 40", "--handshake", "cts"}, cli::EXIT_USAGE, "none, rtscts or xonxoff"},
        {{"sample", "all", "--model", "76"}, cli::EXIT_USAGE, "--model is 58 or 80"},
        {{"sample", "Fonts"}, cli::EXIT_USAGE, "unknown sample \"Fonts\""},
        {{"barcode", "EAN14", "123"}, cli::EXIT_USAGE, "unknown barcode type \"EAN14\""},
        {{"barcode", "EAN13", "012345678901", "--height", "tall"}, cli::EXIT_USAGE,
         "--height needs a whole number"},
        {{"barcode", "EAN13", "012345678901", "--text", "left"}, cli::EXIT_USAGE,
         "--text is one of: none, above, below, both"},
        {{"qr", "x", "--error-level", "Z"}, cli::EXIT_USAGE, "--error-level is one of"},
        {{"pdf417", "x", "--rows", "many"}, cli::EXIT_USAGE, "--rows needs a whole number or auto"},
        {{"status", "--timeout", "0"}, cli::EXIT_USAGE, "--timeout needs a positive"},
        {{"picture"}, cli::EXIT_USAGE, "missing operand"},
        // Input the console's own rules refuse, with the console's messages.
        {{"send", "--hex", "1B 4G"}, cli::EXIT_REFUSED, "not hexadecimal"},
        {{"send", "--hex", "  "}, cli::EXIT_REFUSED, "holds no byte"},
        {{"send", "--records", Path("records-bad.txt")}, cli::EXIT_REFUSED, "line 2 is not a records line"},
        {{"barcode", "EAN13", "12AB"}, cli::EXIT_REFUSED, "Entered incorrectly, make sure"},
        {{"barcode", "EAN13", "012345678901", "--width", "9"}, cli::EXIT_REFUSED,
         "Unit width of between 1 and 6"},
        {{"barcode", "EAN13", "31 32", "--hex"}, cli::EXIT_USAGE, "cannot be given in hex"},
        {{"qr", ""}, cli::EXIT_REFUSED, "The data empty"},
        {{"qr", " ", "--hex"}, cli::EXIT_REFUSED, "The data empty"},
        {{"qr", "x", "--module-width", "17"}, cli::EXIT_REFUSED, "Module width is 1 ~ 16"},
        {{"pdf417", "x", "--columns", "31"}, cli::EXIT_REFUSED, "Columns range from 1 to 30"},
        {{"picture", Path("not-a-picture.png")}, cli::EXIT_REFUSED, "Picture load fail"},
        {{"picture", Path("picture.png"), "--threshold", "256"}, cli::EXIT_REFUSED,
         "Threshold can not be greater than 255"},
        // Files that cannot be read or written.
        {{"send", Path("missing.bin")}, cli::EXIT_FILE, "cannot read"},
        {{"send", "--records", Path("missing.txt")}, cli::EXIT_FILE, "cannot read"},
        {{"picture", Path("missing.png")}, cli::EXIT_FILE, "cannot read"},
        {{"send", "--hex", "1B 40", "--record", Path("no-folder/r.txt")}, cli::EXIT_FILE,
         "cannot write the records file"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.args.front() + " " + (c.args.size() > 1 ? c.args[1] : std::string()));
        const CliResult result = RunCli(c.args.front() == "frobnicate" ? c.args : OnPeer(c.args));
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty()) << result.out;
    }
    EXPECT_TRUE(WireAfterQuiet().empty());
}

namespace {
// A loopback TCP port that was free a moment ago and has no listener.
int ClosedLoopbackPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}
} // namespace

TEST_F(CliPeerTest, UnknownBusyAndNetworkPortsAreNamedInTheMessage) {
    ASSERT_TRUE(peer.Ok());
    const CliResult unknown = RunCli({"send", "--hex", "1B 40", "--port", "COM77"});
    EXPECT_EQ(unknown.exitCode, cli::EXIT_PORT);
    EXPECT_NE(unknown.err.find("unknown port COM77"), std::string::npos) << unknown.err;

    // A loopback port that nobody listens on: the connect's own reason, with the address.
    const std::string closed = "127.0.0.1:" + std::to_string(ClosedLoopbackPort());
    const CliResult tcp = RunCli({"send", "--hex", "1B 40", "--port", "tcp://" + closed});
    EXPECT_EQ(tcp.exitCode, cli::EXIT_PORT);
    EXPECT_NE(tcp.err.find(closed), std::string::npos) << tcp.err;
    EXPECT_NE(tcp.err.find("Connection refused"), std::string::npos) << tcp.err;

    const CliResult none = RunCli({"send", "--hex", "1B 40"});
    EXPECT_EQ(none.exitCode, cli::EXIT_USAGE);
    EXPECT_NE(none.err.find("--port is missing"), std::string::npos) << none.err;

    // Another program holds the port: the console's hint, and nothing sent.
    const int holder = open(peer.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
    const CliResult busy = RunCli(OnPeer({"send", "--hex", "1B 40"}));
    close(holder);
    EXPECT_EQ(busy.exitCode, cli::EXIT_PORT);
    EXPECT_NE(busy.err.find("is in use by another program"), std::string::npos) << busy.err;
    EXPECT_TRUE(WireAfterQuiet().empty());
}

TEST(CliHelp, EverySubcommandHasHelpWithAnExample) {
    for (const char* sub : {"ports", "send", "sample", "picture", "barcode", "qr", "pdf417",
                            "datamatrix", "status", "decode", "monitor"}) {
        SCOPED_TRACE(sub);
        const CliResult help = RunCli({sub, "--help"});
        EXPECT_EQ(help.exitCode, cli::EXIT_OK);
        EXPECT_NE(help.out.find(std::string("usage: talvane-cli ") + sub), std::string::npos);
        EXPECT_NE(help.out.find(std::string("  talvane-cli ") + sub), std::string::npos) << help.out;
    }
    const CliResult bare = RunCli({});
    EXPECT_EQ(bare.exitCode, cli::EXIT_USAGE);
    EXPECT_NE(bare.err.find("Subcommands:"), std::string::npos);
}

TEST_F(CliPeerTest, APortWithoutPermissionGetsTheConsolesHintForAnOrdinaryUser) {
    ASSERT_TRUE(peer.Ok());
    if (geteuid() != 0) GTEST_SKIP() << "needs root to run the tool as another user";
    // The pseudo-terminal belongs to root, mode 600: an ordinary user may not open it.
    const CliResult denied =
        RunProgram("/usr/bin/setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                        TALVANE_CLI_PATH, "send", "--hex", "1B 40", "--port",
                                        peer.SlavePath()});
    EXPECT_EQ(denied.exitCode, cli::EXIT_PORT) << denied.err;
    EXPECT_NE(denied.err.find("No permission to use " + peer.SlavePath()), std::string::npos)
        << denied.err;
    EXPECT_TRUE(WireAfterQuiet().empty());
}
