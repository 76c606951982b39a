// decode: a records file saved by the console, and a raw capture of the same bytes,
// read back as the operation records' mnemonic lines.
#include "tests/cli/CliFixture.h"
#include "tools/cli/ExitCodes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace

TEST_F(CliPeerTest, DecodeReadsRecordsFilesAndRawCapturesAlike) {
    const std::string records = "1B 40 \r\n1B 61 01 \r\n48 69 \r\n0A \r\n1D 68 50 \r\n"
                                "1D 76 30 00 01 00 02 00 FF 0A \r\n1B 4A 18 \r\n";
    WriteFile(Path("saved.txt"), records);
    const CliResult fromRecords = RunCli({"decode", Path("saved.txt")});
    ASSERT_EQ(fromRecords.exitCode, cli::EXIT_OK) << fromRecords.err;
    const std::vector<std::string> lines = Lines(fromRecords.out);
    ASSERT_EQ(lines.size(), 7u) << fromRecords.out;
    EXPECT_EQ(lines[0], "1B 40  // ESC @");
    EXPECT_EQ(lines[1], "1B 61 01  // ESC a 01");
    EXPECT_EQ(lines[2], "48 69  // Hi");
    EXPECT_EQ(lines[3], "0A  // LF");
    EXPECT_EQ(lines[6], "1B 4A 18  // ESC J 18");

    // The same bytes captured raw: cut where the commands end, a raster block with its
    // image (which holds an LF byte) as one line; from standard input too.
    std::vector<uint8_t> raw = RecordsFileBytes(Path("saved.txt"));
    const std::string bytes(raw.begin(), raw.end());
    WriteFile(Path("capture.bin"), bytes);
    const CliResult fromCapture = RunCli({"decode", Path("capture.bin")});
    ASSERT_EQ(fromCapture.exitCode, cli::EXIT_OK) << fromCapture.err;
    EXPECT_EQ(fromCapture.out, fromRecords.out);
    const CliResult fromInput = RunCli({"decode", "-"}, bytes);
    EXPECT_EQ(fromInput.out, fromRecords.out);

    // The output is itself a records file: it sends the same bytes again.
    WriteFile(Path("decoded.txt"), fromRecords.out);
    ASSERT_TRUE(peer.Ok());
    const CliResult resend = RunCli(OnPeer({"send", "--records", Path("decoded.txt")}));
    ASSERT_EQ(resend.exitCode, cli::EXIT_OK) << resend.err;
    EXPECT_EQ(Wire(raw.size()), raw);

    // --raw reads hex-looking text as the bytes it is.
    const CliResult asRaw = RunCli({"decode", "--raw", Path("saved.txt")});
    EXPECT_EQ(asRaw.exitCode, cli::EXIT_OK);
    EXPECT_EQ(Lines(asRaw.out).front().substr(0, 2), "31");
}

TEST_F(CliPeerTest, PortsListsTheScannedAndTheNamedDevicesAsTheConsoleDoes) {
    ASSERT_TRUE(peer.Ok());
    const CliResult plain = RunCli({"ports", "--port", peer.SlavePath()});
    ASSERT_EQ(plain.exitCode, cli::EXIT_OK) << plain.err;
    const std::vector<std::string> lines = Lines(plain.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "COM901 (" + peer.SlavePath() + ")");

    const CliResult json = RunCli({"ports", "--json", "--port=" + peer.SlavePath()});
    ASSERT_EQ(json.exitCode, cli::EXIT_OK) << json.err;
    const QJsonArray list = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array();
    ASSERT_EQ(static_cast<size_t>(list.size()), lines.size()) << json.out;
    const QJsonObject last = list.last().toObject();
    EXPECT_EQ(last.value("name").toString(), QStringLiteral("COM901"));
    EXPECT_EQ(last.value("path").toString().toStdString(), peer.SlavePath());

    EXPECT_EQ(RunCli({"ports", "extra"}).exitCode, cli::EXIT_USAGE);
}

// What the printer sent, in words: from standard input as raw bytes and as hex text, a
// response in the middle, and one left open at the end.
TEST(CliDecodeReplies, EachReplyALineInWords) {
    const std::string raw = std::string("\x04\x37\x64\x31\x32\x00\x31", 7) + "\x37\x64";
    const CliResult fromBytes = RunCli({"decode", "--replies", "--raw", "-"}, raw);
    ASSERT_EQ(fromBytes.exitCode, cli::EXIT_OK) << fromBytes.err;
    const std::vector<std::string> lines = Lines(fromBytes.out);
    ASSERT_EQ(lines.size(), 4u) << fromBytes.out;
    EXPECT_EQ(lines[0], "04 \xE2\x86\x92 paper end: yes, platen: closed, overheat: no, "
                        "over-voltage: no, cutter: ok (status byte)");
    EXPECT_EQ(lines[1], "37 64 31 32 00 \xE2\x86\x92 sensor value: 12 (sensor response)");
    EXPECT_EQ(lines[2], "31 \xE2\x86\x92 no status byte (ignored)");
    EXPECT_EQ(lines[3], "(a response without its closing 00 at the end)");

    const CliResult fromHex = RunCli({"decode", "--replies", "-"}, "22 \r\n");
    ASSERT_EQ(fromHex.exitCode, cli::EXIT_OK) << fromHex.err;
    EXPECT_EQ(fromHex.out, "22 \xE2\x86\x92 paper end: no, platen: open, overheat: no, "
                           "over-voltage: no, cutter: error (status byte)\n");
}
