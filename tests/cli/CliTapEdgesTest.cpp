// The tap and decode at their edges: a flood the decoding cannot keep up with, a
// capture that cannot be written, files named before the run can start, a FIFO nobody
// reads, a standard output nobody reads, bytes of the high half, and capture lines
// that name no byte for certain.
#include "tests/cli/CliTapFixture.h"
#include "tests/support/TcpSink.h"

#include <QStringDecoder>
#include <arpa/inet.h>
#include <csignal>
#include <fstream>
#include <netinet/in.h>
#include <regex>
#include <sstream>
#include <sys/socket.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// Whole-byte pairs of a raster image, a command the splitter hands over in parts.
std::vector<uint8_t> RasterImage(size_t rowBytes, size_t rows) {
    std::vector<uint8_t> bytes = {0x1D, 0x76, 0x30, 0x00, static_cast<uint8_t>(rowBytes & 0xFF),
                                  static_cast<uint8_t>(rowBytes >> 8), static_cast<uint8_t>(rows & 0xFF),
                                  static_cast<uint8_t>(rows >> 8)};
    bytes.resize(bytes.size() + rowBytes * rows, 0x5A);
    return bytes;
}

std::string SummaryOf(const CliResult& run) {
    const size_t at = run.out.find("{\"summary\"");
    return at == std::string::npos ? std::string() : run.out.substr(at);
}

uint64_t JsonNumber(const std::string& json, const std::string& key) {
    std::smatch found;
    if (!std::regex_search(json, found, std::regex("\"" + key + "\":([0-9]+)"))) return UINT64_MAX;
    return std::stoull(found[1]);
}

bool IsUtf8(const std::string& text) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    (void)decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return !decoder.hasError();
}

// A program found on PATH, or empty.
std::string OnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path != nullptr ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':'))
        if (access((dir + "/" + name).c_str(), X_OK) == 0) return dir + "/" + name;
    return {};
}

// Every line of `text` is one JSON value a strict reader takes (jq for the grammar;
// the bytes checked as UTF-8 here, as jq would quietly mend them).
void ExpectJsonLines(const std::string& text, size_t atLeast) {
    EXPECT_TRUE(IsUtf8(text)) << "not UTF-8";
    const std::string jq = OnPath("jq");
    ASSERT_FALSE(jq.empty()) << "jq is one of the test dependencies";
    size_t lines = 0;
    std::stringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        ++lines;
        const CliResult parsed = RunProgram(jq, {"-e", "-c", "type == \"object\""}, line);
        EXPECT_EQ(parsed.exitCode, 0) << line.substr(0, 300) << "\n" << parsed.err;
    }
    EXPECT_GE(lines, atLeast);
}

// A loopback port that was free a moment ago.
uint16_t FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), size);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    close(fd);
    return ntohs(address.sin_port);
}

size_t PeakMemoryKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stoul(line.substr(6));
    return 0;
}

} // namespace

// Far more than the decoding takes in time: the totals still count every byte that went
// to the printer, the records hold them all, and what was not decoded is said.
TEST_F(CliTapTest, UnderAFloodTheTotalsAndTheRecordsHoldEveryByte) {
#ifdef TPC_SANITIZED
    GTEST_SKIP() << "a flood through an instrumented tap takes minutes; the normal build runs this";
#endif
    TcpSink printer;
    ASSERT_TRUE(printer.Ok());
    CliProcess tap({"tap", "--program", "tcp-listen:127.0.0.1:0", "--printer", printer.Url(), "--json",
                    "--records", Path("flood.txt")});
    const std::string where = ListenAddress(tap);
    ASSERT_FALSE(where.empty()) << tap.Peek().err;
    constexpr size_t FLOOD = size_t(6) << 20;
    std::vector<uint8_t> flood;
    flood.reserve(FLOOD);
    while (flood.size() < FLOOD) flood.insert(flood.end(), {0x1B, 0x40});
    const CliResult program = RunProgramWriting("tcp", where, flood, 0, {}, 120s);
    EXPECT_EQ(program.exitCode, 0) << program.err;
    ASSERT_TRUE(printer.WaitForBytes(flood.size(), 60s)) << printer.Received();
    const CliResult run = tap.Stop(SIGINT);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const std::string summary = SummaryOf(run);
    ASSERT_FALSE(summary.empty()) << run.err << run.out.substr(run.out.size() - std::min<size_t>(run.out.size(), 600));
    EXPECT_EQ(JsonNumber(summary, "to_printer_bytes"), flood.size()) << summary;
    const uint64_t undecoded = JsonNumber(summary, "undecoded_bytes");
    ASSERT_NE(undecoded, UINT64_MAX) << summary;
    std::printf("%zu bytes through the tap, %llu of them undecoded\n", flood.size(),
                static_cast<unsigned long long>(undecoded));
    EXPECT_TRUE(RecordsFileBytes(Path("flood.txt")) == flood) << "the records miss bytes; " << summary;
}

// A capture that cannot be written whole (here the file size limit, as a full disk
// does) is said, ends the run with the file error, and leaves the named file as it was.
TEST_F(CliTapTest, ACaptureThatCannotBeWrittenWholeIsSaidAndLeavesTheFileAlone) {
    TcpSink printer;
    ASSERT_TRUE(printer.Ok());
    WriteFile(Path("old.cap"), "an earlier capture\n");
    WriteFile(Path("old.txt"), "1B 40\r\n");
    // 128 blocks of the shell's ulimit: far less than the flood's capture.
    CliProcess tap("/bin/sh",
                   {"-c", "ulimit -f 128 && exec \"$0\" \"$@\"", TALVANE_CLI_PATH, "tap", "--program",
                    "tcp-listen:127.0.0.1:0", "--printer", printer.Url(), "--capture", Path("old.cap"),
                    "--records", Path("old.txt")},
                   true);
    const std::string where = ListenAddress(tap);
    ASSERT_FALSE(where.empty()) << tap.Peek().err;
    const std::vector<uint8_t> flood = RasterImage(1000, 1000);
    EXPECT_EQ(RunProgramWriting("tcp", where, flood, 0).exitCode, 0);
    ASSERT_TRUE(printer.WaitForBytes(flood.size(), 30s));
    const CliResult run = tap.Stop(SIGINT);
    EXPECT_EQ(run.exitCode, 4) << run.err;
    EXPECT_NE(run.err.find("the capture is not whole"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(Path("old.cap")), "an earlier capture\n");
    EXPECT_EQ(ReadFile(Path("old.txt")), "1B 40\r\n");
}

// The files a run writes are opened once the run is known to start: a run refused for
// another reason leaves them alone, and a FIFO nobody reads is refused at once rather
// than the tap hanging after its summary.
TEST_F(CliTapTest, OutputFilesAreOpenedOnlyWhenTheRunCanStart) {
    TcpSink printer;
    ASSERT_TRUE(printer.Ok());
    WriteFile(Path("keep.cap"), "an earlier capture\n");
    WriteFile(Path("plain-file"), "x");
    const CliResult badReceipts =
        RunCli({"tap", "--program", "tcp-listen:127.0.0.1:0", "--printer", printer.Url(), "--capture",
                Path("keep.cap"), "--receipts", Path("plain-file") + "/receipts"});
    EXPECT_EQ(badReceipts.exitCode, 4) << badReceipts.err;
    EXPECT_EQ(ReadFile(Path("keep.cap")), "an earlier capture\n") << "the capture was emptied";

    ASSERT_EQ(mkfifo(Path("records.fifo").c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    const CliResult fifo = RunCli({"tap", "--program", "tcp-listen:127.0.0.1:0", "--printer", printer.Url(),
                                   "--records", Path("records.fifo")});
    EXPECT_EQ(fifo.exitCode, 4) << fifo.err;
    EXPECT_NE(fifo.err.find("nothing reads"), std::string::npos) << fifo.err;
    EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
}

// A standard output nobody reads: the rows waiting for it stay bounded, the tap goes on
// passing bytes, and SIGINT ends the run, saying what was not shown.
TEST_F(CliTapTest, AStalledStandardOutputNeitherGrowsTheTapNorHoldsItsStopUp) {
#ifdef TPC_SANITIZED
    GTEST_SKIP() << "a sanitizer's shadow memory is no measure of the tap's; the normal build runs this";
#endif
    TcpSink printer;
    ASSERT_TRUE(printer.Ok());
    const std::string where = "127.0.0.1:" + std::to_string(FreePort());
    CliProcess tap(TALVANE_CLI_PATH, {"tap", "--program", "tcp-listen:" + where, "--printer", printer.Url()}, false);
    // 40 MB of picture: some 600 rows of 64 KiB, each three times that as hex.
    const std::vector<uint8_t> flood = RasterImage(1000, 40000);
    CliResult program;
    for (int attempt = 0; attempt < 100; ++attempt) {
        program = RunProgramWriting("tcp", where, flood, 0, {}, 120s);
        if (program.exitCode != 2) break; // 2: the listener is not there yet
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(program.exitCode, 0) << program.err;
    EXPECT_TRUE(printer.WaitForBytes(flood.size(), 60s)) << printer.Received();
    // Give the decoding time to make its rows.
    std::this_thread::sleep_for(2s);
    const size_t peakKiB = PeakMemoryKiB(tap.Pid());
    const auto start = std::chrono::steady_clock::now();
    const CliResult run = tap.Stop(SIGINT);
    const auto took = std::chrono::steady_clock::now() - start;
    std::printf("tap peak memory with a stalled output after %zu bytes: %zu KiB\n", flood.size(), peakKiB);
    EXPECT_LT(peakKiB, 48u * 1024u) << "the waiting rows grew with the input";
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_NE(run.err.find("rows and the summary were not shown"), std::string::npos) << run.err;
    EXPECT_LT(took, 10s);
}

TEST_F(CliTapTest, DecodeAndJsonRowsAreUtf8InTheChosenCodePage) {
    const CliResult decoded = RunCli({"decode", "-"}, "Caf\xE9 \xAA\n");
    EXPECT_EQ(decoded.exitCode, 0) << decoded.err;
    EXPECT_TRUE(IsUtf8(decoded.out)) << decoded.out;
    EXPECT_NE(decoded.out.find("43 61 66 E9 20 AA  // Caf\u0398 \u00AC"), std::string::npos) << decoded.out;
    const CliResult western = RunCli({"decode", "-"}, "\x1Bt\x10" "Caf\xE9\n");
    EXPECT_NE(western.out.find("// Caf\u00E9"), std::string::npos) << western.out;
    // render's report of the same bytes.
    WriteFile(Path("high.bin"), "Caf\xE9 \xAA\n");
    const CliResult rendered = RunCli({"render", Path("high.bin"), "--raw", "--json", "--out", Path("pictures")});
    ExpectJsonLines(rendered.out, 1);

    TcpSink printer;
    ASSERT_TRUE(printer.Ok());
    CliProcess tap({"tap", "--program", "tcp-listen:127.0.0.1:0", "--printer", printer.Url(), "--json",
                    "--capture", Path("high.cap")});
    const std::string where = ListenAddress(tap);
    ASSERT_FALSE(where.empty()) << tap.Peek().err;
    const std::string bytes = "\x1Bt\x10" "Caf\xE9 \x81\n\x1Bt\x01\xFF\xC3\x28\n\x1B\xC3";
    EXPECT_EQ(RunProgramWriting("tcp", where, {bytes.begin(), bytes.end()}, 0).exitCode, 0);
    ASSERT_TRUE(printer.WaitForBytes(bytes.size(), 10s));
    ASSERT_TRUE(tap.WaitForOutput("Caf", 10s)) << tap.Peek().out;
    const CliResult run = tap.Stop(SIGINT);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\"text\":\"Caf\u00E9 \\\\x81\""), std::string::npos) << run.out;
    ExpectJsonLines(run.out, 5);
    // The capture decodes to the same text.
    const CliResult fromCapture = RunCli({"decode", Path("high.cap")});
    EXPECT_EQ(fromCapture.exitCode, 0) << fromCapture.err;
    EXPECT_TRUE(IsUtf8(fromCapture.out));
    EXPECT_NE(fromCapture.out.find("// Caf\u00E9 \\x81"), std::string::npos) << fromCapture.out;
}

// A capture line that names half a byte, or a time past what the file's times hold, is
// refused by its number by decode and by send, which sends nothing.
TEST_F(CliTapTest, CaptureLinesThatNameNoByteForCertainAreRefusedByNumber) {
    for (const std::string bad : {"> 0.200000 1B 4", "> 99999999999999999.000000 1B 40"}) {
        SCOPED_TRACE(bad);
        WriteFile(Path("bad.cap"), std::string("# talvane tap capture 1\n> 0.100000 1B 40\n") + bad + "\n");
        const CliResult decoded = RunCli({"decode", Path("bad.cap")});
        EXPECT_EQ(decoded.exitCode, 3);
        EXPECT_NE(decoded.err.find("line 3"), std::string::npos) << decoded.err;
        const CliResult sent = RunCli({"send", "--capture", Path("bad.cap"), "--port", Path("no-printer")});
        EXPECT_EQ(sent.exitCode, 3) << sent.err;
        EXPECT_NE(sent.err.find("(line 3)"), std::string::npos) << sent.err;
    }
}
