// status against the virtual printer: one exit code per condition switched on it, the
// JSON form, and the codes for a printer that does not answer. monitor: what the
// printer sends, decoded, until interrupted.
#include "tests/cli/CliFixture.h"
#include "tests/support/VprinterProcess.h"
#include "tools/cli/ExitCodes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <csignal>

namespace {

struct ConditionCase {
    const char* command; // on the virtual printer's standard input
    int exitCode;
    const char* text;
    const char* key;
};

const ConditionCase CONDITIONS[] = {
    {"paper-end", cli::EXIT_PAPER_END, "paper end", "paper_end"},
    {"platen-up", cli::EXIT_PLATEN_UP, "platen up", "platen_up"},
    {"cutter-error", cli::EXIT_CUTTER, "cutter error", "cutter_error"},
    {"overheat", cli::EXIT_OVERHEAT, "overheat", "overheat"},
    {"over-voltage", cli::EXIT_OVERVOLTAGE, "over-voltage", "over_voltage"},
};

bool Switch(VprinterProcess& printer, const std::string& line) {
    return printer.Command(QString::fromStdString(line), QString::fromStdString(line));
}

} // namespace

TEST(CliStatus, EachConditionOfTheVirtualPrinterHasItsOwnExitCode) {
    VprinterProcess printer(384);
    ASSERT_TRUE(printer.Ok());
    const std::string port = printer.DevicePath().toStdString();

    const CliResult ready = RunCli({"status", "--port", port});
    EXPECT_EQ(ready.exitCode, cli::EXIT_OK) << ready.err;
    EXPECT_NE(ready.out.find("status 00: ready"), std::string::npos) << ready.out;

    for (const ConditionCase& c : CONDITIONS) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(Switch(printer, std::string(c.command) + " on"));
        const CliResult on = RunCli({"status", "--port", port});
        EXPECT_EQ(on.exitCode, c.exitCode) << on.out << on.err;
        EXPECT_NE(on.out.find(c.text), std::string::npos) << on.out;

        const CliResult json = RunCli({"status", "--port", port, "--json"});
        EXPECT_EQ(json.exitCode, c.exitCode);
        const QJsonObject answer = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
        EXPECT_TRUE(answer.value("answered").toBool()) << json.out;
        EXPECT_FALSE(answer.value("ready").toBool());
        EXPECT_EQ(answer.value("conditions").toArray(), QJsonArray{QString::fromLatin1(c.key)});
        EXPECT_EQ(answer.value("exit").toInt(), c.exitCode);

        ASSERT_TRUE(Switch(printer, std::string(c.command) + " off"));
    }

    // Several at once: the lowest code decides, the JSON lists them all.
    ASSERT_TRUE(Switch(printer, "overheat on"));
    ASSERT_TRUE(Switch(printer, "platen-up on"));
    const CliResult both = RunCli({"status", "--port", port, "--json"});
    EXPECT_EQ(both.exitCode, cli::EXIT_PLATEN_UP);
    const QJsonObject answer = QJsonDocument::fromJson(QByteArray::fromStdString(both.out)).object();
    EXPECT_EQ(answer.value("conditions").toArray().size(), 2);
    ASSERT_TRUE(Switch(printer, "overheat off"));
    ASSERT_TRUE(Switch(printer, "platen-up off"));

    // The records file is one of the test's own: nothing under /dev is written or replaced.
    QTemporaryDir dir;
    const std::string records = dir.filePath("status.txt").toStdString();
    const CliResult again = RunCli({"status", "--port", port, "--record", records});
    EXPECT_EQ(again.exitCode, cli::EXIT_OK) << again.err;
    EXPECT_EQ(ReadFile(records), "10 04 05 \r\n");
}

TEST(CliStatus, ANetworkPrinterAnswersAsOnItsTerminal) {
    VprinterProcess printer(384, {}, /*overTcp=*/true);
    ASSERT_TRUE(printer.Ok());
    const std::string port = printer.DevicePath().toStdString();
    ASSERT_EQ(port.rfind("tcp://", 0), 0u) << port;

    const CliResult ready = RunCli({"status", "--port", port});
    EXPECT_EQ(ready.exitCode, cli::EXIT_OK) << ready.err;
    EXPECT_NE(ready.out.find("status 00: ready"), std::string::npos) << ready.out;

    ASSERT_TRUE(Switch(printer, "paper-end on"));
    const CliResult end = RunCli({"status", "--port", port});
    EXPECT_EQ(end.exitCode, cli::EXIT_PAPER_END) << end.out << end.err;
}

TEST_F(CliPeerTest, StatusWithNoAnswerAndWithAPortErrorSaySo) {
    ASSERT_TRUE(peer.Ok());
    // The request goes out; a printer that stays silent is "no answer" after the time-out.
    const CliResult silent = RunCli(OnPeer({"status", "--timeout", "200", "--json", "--record",
                                            Path("status.txt")}));
    EXPECT_EQ(silent.exitCode, cli::EXIT_NO_ANSWER);
    EXPECT_EQ(Wire(3), Bytes({0x10, 0x04, 0x05}));
    const QJsonObject answer = QJsonDocument::fromJson(QByteArray::fromStdString(silent.out)).object();
    EXPECT_FALSE(answer.value("answered").toBool()) << silent.out;
    EXPECT_EQ(answer.value("exit").toInt(), cli::EXIT_NO_ANSWER);
    EXPECT_EQ(ReadFile(Path("status.txt")), "10 04 05 \r\n");

    const CliResult gone = RunCli({"status", "--port", Path("no-such-device")});
    EXPECT_EQ(gone.exitCode, cli::EXIT_PORT);
    EXPECT_NE(gone.err.find("does not exist"), std::string::npos) << gone.err;
}

TEST_F(CliPeerTest, MonitorPrintsStatusBytesAndResponsesUntilInterrupted) {
    ASSERT_TRUE(peer.Ok());
    CliProcess monitor(OnPeer({"monitor"}));
    // Sent until the monitor has opened the port and shows the byte.
    bool seen = false;
    for (int attempt = 0; attempt < 50 && !seen; ++attempt) {
        peer.Send({0x04});
        seen = monitor.WaitForOutput("status 04: paper end", std::chrono::milliseconds(200));
    }
    ASSERT_TRUE(seen);
    peer.Send({0x37, 0x64, '1', '2', 0x00, 0x20});
    ASSERT_TRUE(monitor.WaitForOutput("response 64: \"12\"", std::chrono::seconds(5)));
    ASSERT_TRUE(monitor.WaitForOutput("status 20: cutter error", std::chrono::seconds(5)));
    const CliResult ended = monitor.Stop(SIGINT);
    EXPECT_EQ(ended.exitCode, cli::EXIT_OK) << ended.err;
    EXPECT_NE(ended.out.find("37 64 31 32 00"), std::string::npos) << ended.out;
    // The response's own bytes are no status bytes.
    EXPECT_EQ(ended.out.find("status 37"), std::string::npos) << ended.out;
}
