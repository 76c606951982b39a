// What each printing subcommand puts on the line, read at the printer's end of a
// pseudo-terminal, and the records file it writes of the same bytes.
#include "tests/cli/CliFixture.h"
#include "tools/cli/ExitCodes.h"

#include <QImage>
#include <QPainter>
#include <csignal>
#include <termios.h>
#include <thread>

namespace {

std::vector<uint8_t> Text(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

// A picture of w x h dots with a black block in it.
void SavePicture(const std::string& path, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(w / 4, h / 4, w / 2, h / 2, Qt::black);
    image.save(QString::fromStdString(path));
}

} // namespace

TEST_F(CliPeerTest, SendHexFileAndRecordsPutExactlyTheirBytesOnTheLine) {
    ASSERT_TRUE(peer.Ok());
    const CliResult hex = RunCli(OnPeer({"send", "--hex", "1b 40 0A", "--record", Path("hex.txt")}));
    ASSERT_EQ(hex.exitCode, cli::EXIT_OK) << hex.err;
    EXPECT_EQ(Wire(3), Bytes({0x1B, 0x40, 0x0A}));
    EXPECT_EQ(ReadFile(Path("hex.txt")), "1B 40 0A \r\n");
    peer.Forget();

    // A raw file goes byte for byte, NUL and high bytes too.
    const std::string raw("\x1b\x61\x01Hi\x00\xff\x0a", 8);
    WriteFile(Path("raw.bin"), raw);
    const CliResult file = RunCli(OnPeer({"send", Path("raw.bin")}));
    ASSERT_EQ(file.exitCode, cli::EXIT_OK) << file.err;
    EXPECT_EQ(Wire(raw.size()), Text(raw));
    peer.Forget();

    // A records file as the console saves it, comments and blank lines included.
    WriteFile(Path("saved.txt"), "1B 40 \r\n// a note\r\n\r\n1B 61 01 // centre\r\n41 42 0A \r\n");
    const CliResult records = RunCli(OnPeer({"send", "--records", Path("saved.txt")}));
    ASSERT_EQ(records.exitCode, cli::EXIT_OK) << records.err;
    EXPECT_EQ(Wire(8), Bytes({0x1B, 0x40, 0x1B, 0x61, 0x01, 0x41, 0x42, 0x0A}));
}

// Success is said in one line once the port has taken every byte; --quiet drops it.
TEST_F(CliPeerTest, ASendSaysHowManyBytesThePortTookUnlessQuiet) {
    ASSERT_TRUE(peer.Ok());
    const CliResult said = RunCli(OnPeer({"send", "--hex", "1b 40 41 42 0A"}));
    ASSERT_EQ(said.exitCode, cli::EXIT_OK) << said.err;
    EXPECT_EQ(Wire(5), Bytes({0x1B, 0x40, 0x41, 0x42, 0x0A}));
    EXPECT_NE(said.err.find("sent 5 bytes to " + peer.SlavePath() + " in "), std::string::npos)
        << said.err;
    peer.Forget();

    // --verbose adds the commands as decode shows them.
    const CliResult verbose = RunCli(OnPeer({"send", "--hex", "1b 61 01", "--verbose"}));
    ASSERT_EQ(verbose.exitCode, cli::EXIT_OK) << verbose.err;
    EXPECT_EQ(Wire(3), Bytes({0x1B, 0x61, 0x01}));
    EXPECT_NE(verbose.err.find("1B 61 01  // ESC a 01"), std::string::npos) << verbose.err;
    peer.Forget();

    const CliResult quiet = RunCli(OnPeer({"sample", "printer init", "--quiet"}));
    ASSERT_EQ(quiet.exitCode, cli::EXIT_OK) << quiet.err;
    EXPECT_EQ(Wire(2), Bytes({0x1B, 0x40}));
    EXPECT_EQ(quiet.err, "");
}

TEST_F(CliPeerTest, SamplesSendTheQuickTestsAndRecordOneRowPerCommand) {
    ASSERT_TRUE(peer.Ok());
    const CliResult init = RunCli(OnPeer({"sample", "printer init", "--record", Path("init.txt")}));
    ASSERT_EQ(init.exitCode, cli::EXIT_OK) << init.err;
    EXPECT_EQ(Wire(2), Bytes({0x1B, 0x40}));
    EXPECT_EQ(ReadFile(Path("init.txt")), "1B 40 \r\n");
    peer.Forget();

    const CliResult all = RunCli(OnPeer({"sample", "all", "--record", Path("all.txt")}));
    ASSERT_EQ(all.exitCode, cli::EXIT_OK) << all.err;
    const std::vector<uint8_t> recorded = RecordsFileBytes(Path("all.txt"));
    ASSERT_GT(recorded.size(), 1000u);
    EXPECT_EQ(Wire(recorded.size()), recorded);
    // The font sample's text, the EAN-13 of the bar-code sample, the QR print and the
    // final cut all went out.
    EXPECT_TRUE(Contains(recorded, Text("Print example: font")));
    EXPECT_TRUE(Contains(recorded, Bytes({0x1D, 0x6B, 0x43})));
    EXPECT_TRUE(Contains(recorded, Bytes({0x1D, 0x28, 0x6B, 0x03, 0x00, 0x31, 0x51, 0x30})));
    EXPECT_TRUE(Contains(recorded, Bytes({0x1D, 0x56})));
    // Names are matched without case, blanks or dashes; two names run in order.
    peer.Forget();
    const CliResult two = RunCli(OnPeer({"sample", "BARCODE", "qr code", "--record", Path("two.txt")}));
    ASSERT_EQ(two.exitCode, cli::EXIT_OK) << two.err;
    const std::vector<uint8_t> both = RecordsFileBytes(Path("two.txt"));
    EXPECT_EQ(Wire(both.size()), both);
    EXPECT_LT(both.size(), recorded.size());
    EXPECT_TRUE(Contains(both, Bytes({0x1D, 0x6B, 0x43})));
}

TEST_F(CliPeerTest, BarcodeAndTwoDimensionalCodesSendTheirParametersStoreAndPrint) {
    ASSERT_TRUE(peer.Ok());
    // Every option given is sent, the start value too (width 2 is the page's default).
    const CliResult barcode =
        RunCli(OnPeer({"barcode", "ean13", "012345678901", "--width", "2", "--height", "80",
                       "--text", "below", "--record", Path("bar.txt")}));
    ASSERT_EQ(barcode.exitCode, cli::EXIT_OK) << barcode.err;
    const std::vector<uint8_t> bar = RecordsFileBytes(Path("bar.txt"));
    EXPECT_EQ(Wire(bar.size()), bar);
    EXPECT_TRUE(Contains(bar, Bytes({0x1D, 0x77, 0x02})));
    EXPECT_TRUE(Contains(bar, Bytes({0x1D, 0x68, 80})));
    EXPECT_TRUE(Contains(bar, Bytes({0x1D, 0x48, 0x02})));
    EXPECT_TRUE(Contains(bar, Text("012345678901")));
    peer.Forget();

    // Data that starts with a dash is data, not an option.
    const CliResult dashes = RunCli(OnPeer({"barcode", "CODE39", "-12-"}));
    ASSERT_EQ(dashes.exitCode, cli::EXIT_OK) << dashes.err;
    EXPECT_EQ(Wire(8), Bytes({0x1D, 0x6B, 0x45, 0x04, '-', '1', '2', '-'}));
    peer.Forget();

    const CliResult qr = RunCli(OnPeer({"qr", "48 49", "--hex", "--module-width", "6",
                                        "--error-level", "H", "--record", Path("qr.txt")}));
    ASSERT_EQ(qr.exitCode, cli::EXIT_OK) << qr.err;
    const std::vector<uint8_t> q = RecordsFileBytes(Path("qr.txt"));
    EXPECT_EQ(Wire(q.size()), q);
    // Module size, error level H (row 3), the store of "HI" and the print, in this order.
    EXPECT_EQ(q, Bytes({0x1D, 0x28, 0x6B, 0x03, 0x00, 0x31, 0x43, 0x06,        //
                        0x1D, 0x28, 0x6B, 0x03, 0x00, 0x31, 0x45, 0x33,        //
                        0x1D, 0x28, 0x6B, 0x05, 0x00, 0x31, 0x50, 0x30, 'H', 'I', //
                        0x1D, 0x28, 0x6B, 0x03, 0x00, 0x31, 0x51, 0x30}));
    peer.Forget();

    // Three columns: four at the printer's module width 3 are 411 dots, wider than 58 mm.
    const CliResult pdf = RunCli(OnPeer({"pdf417", "LOT 7", "--columns", "3", "--rows", "auto",
                                         "--record", Path("pdf.txt")}));
    ASSERT_EQ(pdf.exitCode, cli::EXIT_OK) << pdf.err;
    const std::vector<uint8_t> p = RecordsFileBytes(Path("pdf.txt"));
    EXPECT_EQ(Wire(p.size()), p);
    EXPECT_TRUE(Contains(p, Text("LOT 7")));
    EXPECT_TRUE(Contains(p, Bytes({0x1D, 0x28, 0x6B, 0x03, 0x00, 0x30, 0x51, 0x30})));
    peer.Forget();

    const CliResult dm = RunCli(OnPeer({"datamatrix", "SN 1", "--record", Path("dm.txt")}));
    ASSERT_EQ(dm.exitCode, cli::EXIT_OK) << dm.err;
    const std::vector<uint8_t> d = RecordsFileBytes(Path("dm.txt"));
    EXPECT_EQ(Wire(d.size()), d);
    EXPECT_TRUE(Contains(d, Bytes({0x1D, 0x28, 0x6B, 0x07, 0x00, 0x35, 0x50, 0x30, 'S', 'N', ' ', '1'})));
}

TEST_F(CliPeerTest, PicturesGoOutAsBandsOrOneRasterBlockCutAtThePaperWidth) {
    ASSERT_TRUE(peer.Ok());
    SavePicture(Path("block.png"), 100, 50);
    const CliResult bands = RunCli(OnPeer({"picture", Path("block.png"), "--record", Path("b.txt")}));
    ASSERT_EQ(bands.exitCode, cli::EXIT_OK) << bands.err;
    const std::vector<uint8_t> b = RecordsFileBytes(Path("b.txt"));
    EXPECT_EQ(Wire(b.size()), b);
    // 50 rows in 24-dot bands: three bands of 100 columns x 3 bytes, each with its feed.
    EXPECT_EQ(b.size(), 3 * (5 + 300 + 3));
    EXPECT_TRUE(std::equal(b.begin(), b.begin() + 5, Bytes({0x1B, 0x2A, 33, 100, 0}).begin()));
    // No progress bar into a pipe; one on a terminal (script gives the tool one).
    EXPECT_EQ(bands.err.find('%'), std::string::npos) << bands.err;
    peer.Forget();
    const std::string command = std::string(TALVANE_CLI_PATH) + " picture " + Path("block.png") +
                                " --port " + peer.SlavePath();
    const CliResult onTerminal = RunProgram("/usr/bin/script", {"-qec", command, Path("typescript")});
    EXPECT_EQ(onTerminal.exitCode, cli::EXIT_OK) << onTerminal.out;
    EXPECT_NE(onTerminal.out.find("] 100% 924/924 bytes"), std::string::npos) << onTerminal.out;
    EXPECT_EQ(Wire(b.size()), b);
    peer.Forget();

    // 700 dots wide on 80 mm paper: cut at 576 dots, 72 bytes a row.
    SavePicture(Path("wide.png"), 700, 10);
    const CliResult raster = RunCli(OnPeer({"picture", Path("wide.png"), "--raster", "--size",
                                            "double-width", "--model", "80", "--record",
                                            Path("r.txt")}));
    ASSERT_EQ(raster.exitCode, cli::EXIT_OK) << raster.err;
    const std::vector<uint8_t> r = RecordsFileBytes(Path("r.txt"));
    EXPECT_EQ(Wire(r.size()), r);
    ASSERT_EQ(r.size(), 8u + 72 * 10);
    EXPECT_TRUE(std::equal(r.begin(), r.begin() + 8,
                           Bytes({0x1D, 0x76, 0x30, 1, 72, 0, 10, 0}).begin()));
}

TEST_F(CliPeerTest, HandshakeOptionsSetTheLine) {
    ASSERT_TRUE(peer.Ok());
    ASSERT_GE(slaveHold_, 0);
    termios line{};
    for (const char* handshake : {"xonxoff", "none"}) {
        SCOPED_TRACE(handshake);
        peer.Forget();
        const CliResult sent =
            RunCli(OnPeer({"send", "--hex", "1B 40", "--baud", "115200", "--handshake", handshake}));
        ASSERT_EQ(sent.exitCode, cli::EXIT_OK) << sent.err;
        EXPECT_EQ(Wire(2), Bytes({0x1B, 0x40}));
        // The settings stay on the terminal after the tool has gone.
        ASSERT_EQ(tcgetattr(slaveHold_, &line), 0);
        EXPECT_EQ((line.c_iflag & IXON) != 0, std::string(handshake) == "xonxoff");
    }
    // RTS/CTS: a pseudo-terminal never raises CTS, so only the port's setting is looked
    // at; the monitor writes nothing that could wait for it.
    CliProcess monitor(OnPeer({"monitor", "--handshake", "rtscts"}));
    bool set = false;
    for (int attempt = 0; attempt < 100 && !set; ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        set = tcgetattr(slaveHold_, &line) == 0 && (line.c_cflag & CRTSCTS) != 0;
    }
    EXPECT_TRUE(set);
    EXPECT_EQ(monitor.Stop(SIGTERM).exitCode, cli::EXIT_OK);
}
