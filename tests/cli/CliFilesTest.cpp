// The files the tool reads and writes: a records file sends exactly the bytes its lines
// name, or nothing; --record writes into a FIFO as it is (never replacing it), through
// a link, and refuses a folder; an ordinary user can record into a FIFO in a folder
// only root may write; a FIFO whose reader left is a file error. Every node is one the
// test makes in a folder of its own.
#include "tests/cli/CliFixture.h"
#include "tests/support/FifoReader.h"
#include "console/FileAccess.h"
#include "tools/cli/ExitCodes.h"

#include <arpa/inet.h>
#include <atomic>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

mode_t KindOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

constexpr auto TAKE_WAIT = std::chrono::seconds(10);

// Waits up to TAKE_WAIT for `done`.
bool WaitDone(const std::atomic<bool>& done) {
    const auto end = Clock::now() + TAKE_WAIT;
    while (!done && Clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return done;
}

// A network printer on loopback that takes whatever comes, for a user who may open no
// pseudo-terminal of root's.
class LoopbackSink {
public:
    LoopbackSink() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(listener_, 1) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] {
            const int peer = ::accept(listener_, nullptr, nullptr);
            char buffer[4096];
            ssize_t n = 0;
            while (peer >= 0 && (n = ::read(peer, buffer, sizeof buffer)) > 0)
                received_.append(buffer, static_cast<size_t>(n));
            if (peer >= 0) ::close(peer);
            done_ = true;
        });
    }
    ~LoopbackSink() {
        Take();
        if (listener_ >= 0) ::close(listener_);
    }
    std::string Address() const { return "tcp://127.0.0.1:" + std::to_string(port_); }
    bool Ok() const { return port_ != 0; }
    // What came; a sink nobody connected to is let go (it took nothing).
    std::string Take() {
        if (!thread_.joinable()) return received_;
        if (!WaitDone(done_)) ::shutdown(listener_, SHUT_RDWR);
        thread_.join();
        return received_;
    }

private:
    std::atomic<bool> done_{false};
    int listener_ = -1;
    uint16_t port_ = 0;
    std::string received_;
    std::thread thread_;
};

} // namespace

TEST_F(CliPeerTest, RecordsLinesSpacedAnyHowSendExactlyTheirBytesOrNothing) {
    ASSERT_TRUE(peer.Ok());
    WriteFile(Path("spaced.txt"), "1B40\r\n1b  61 01\r\n");
    const CliResult spaced = RunCli(OnPeer({"send", "--records", Path("spaced.txt"), "--record",
                                            Path("again.txt")}));
    ASSERT_EQ(spaced.exitCode, cli::EXIT_OK) << spaced.err;
    EXPECT_EQ(Wire(5), Bytes({0x1B, 0x40, 0x1B, 0x61, 0x01}));
    EXPECT_TRUE(WireAfterQuiet().size() == 5u);
    // What was sent is recorded in the console's own form.
    EXPECT_EQ(ReadFile(Path("again.txt")), "1B 40 \r\n1B 61 01 \r\n");
    peer.Forget();

    // "1B4" could be 1B 04 or 01 B4: the file is refused by its line, and nothing goes out.
    WriteFile(Path("odd.txt"), "1B 40\r\n// note\r\n1B4 0A\r\n");
    const CliResult odd = RunCli(OnPeer({"send", "--records", Path("odd.txt")}));
    EXPECT_EQ(odd.exitCode, cli::EXIT_REFUSED);
    EXPECT_NE(odd.err.find("line 3"), std::string::npos) << odd.err;
    EXPECT_TRUE(WireAfterQuiet().empty());
}

TEST_F(CliPeerTest, RecordWritesIntoAFifoThroughALinkAndRefusesAFolder) {
    ASSERT_TRUE(peer.Ok());
    const std::string fifo = Path("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    {
        FifoReader reader(fifo);
        const CliResult piped = RunCli(OnPeer({"send", "--hex", "1B 40", "--record", fifo}));
        EXPECT_EQ(piped.exitCode, cli::EXIT_OK) << piped.err;
        EXPECT_EQ(reader.Take(), "1B 40 \r\n");
        EXPECT_EQ(KindOf(fifo), S_IFIFO);
        EXPECT_EQ(Wire(2), Bytes({0x1B, 0x40}));
        peer.Forget();
    }

    // Nobody reads the FIFO: the run stops after a bounded wait, before anything is sent.
    const auto started = Clock::now();
    const CliResult unread = RunCli(OnPeer({"send", "--hex", "1B 40", "--record", fifo}));
    EXPECT_LT(Clock::now() - started, files::DEVICE_WAIT + std::chrono::seconds(5));
    EXPECT_EQ(unread.exitCode, cli::EXIT_FILE);
    EXPECT_NE(unread.err.find("a FIFO that nothing reads"), std::string::npos) << unread.err;
    EXPECT_EQ(KindOf(fifo), S_IFIFO);
    EXPECT_TRUE(WireAfterQuiet().empty());

    // A link is written through; the link stays.
    WriteFile(Path("kept.txt"), "old\r\n");
    ASSERT_EQ(::symlink("kept.txt", Path("link.txt").c_str()), 0);
    const CliResult linked = RunCli(OnPeer({"send", "--hex", "0A", "--record", Path("link.txt")}));
    EXPECT_EQ(linked.exitCode, cli::EXIT_OK) << linked.err;
    EXPECT_EQ(KindOf(Path("link.txt")), S_IFLNK);
    EXPECT_EQ(ReadFile(Path("kept.txt")), "0A \r\n");
    EXPECT_EQ(Wire(1), Bytes({0x0A}));
    peer.Forget();

    // A folder is refused with a message; nothing is sent.
    ASSERT_EQ(::mkdir(Path("folder").c_str(), 0755), 0);
    const CliResult folder = RunCli(OnPeer({"send", "--hex", "0A", "--record", Path("folder")}));
    EXPECT_EQ(folder.exitCode, cli::EXIT_FILE);
    EXPECT_NE(folder.err.find("is a folder, not a file"), std::string::npos) << folder.err;
    EXPECT_EQ(KindOf(Path("folder")), S_IFDIR);
    EXPECT_TRUE(WireAfterQuiet().empty());
}

// As an ordinary user, recording into a FIFO that sits in a folder the user may not
// write: a write beside it and a rename would fail with "Permission denied" (as it did
// for /dev/null); writing into the FIFO needs no more than the FIFO's own permission.
TEST(CliRecordAsUser, AnOrdinaryUserRecordsIntoAFifoInAFolderItCannotWrite) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string fifo = folder + "/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::chmod(fifo.c_str(), 0666), 0);
    std::vector<std::string> prefix;
    if (::geteuid() == 0) {
        // Root's folder, which nobody may read through but not write.
        ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
        prefix = {"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                  TALVANE_CLI_PATH};
    } else {
        ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);
    }
    LoopbackSink printer;
    ASSERT_TRUE(printer.Ok());
    FifoReader reader(fifo);
    std::vector<std::string> args = {"send", "--hex", "1B 40", "--port", printer.Address(),
                                     "--record", fifo};
    const std::string program = prefix.empty() ? TALVANE_CLI_PATH : prefix[0];
    if (!prefix.empty()) args.insert(args.begin(), prefix.begin() + 1, prefix.end());
    const CliResult run = RunProgram(program, args);
    ::chmod(folder.c_str(), 0755); // so that the folder can be removed
    EXPECT_EQ(run.exitCode, cli::EXIT_OK) << run.err;
    EXPECT_EQ(reader.Take(), "1B 40 \r\n");
    EXPECT_EQ(printer.Take(), "\x1b\x40");
    EXPECT_EQ(KindOf(fifo), S_IFIFO);
}

// A FIFO whose reader opened it and left before the records came: the write fails
// (EPIPE), which is a file error with its reason, not the tool's death by SIGPIPE.
TEST(CliRecordFifo, AFifoWhoseReaderLeftIsAFileErrorNotTheToolsEnd) {
    QTemporaryDir dir;
    const std::string fifo = dir.filePath(QStringLiteral("pipe")).toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    LoopbackSink printer;
    ASSERT_TRUE(printer.Ok());
    // Opens as a reader (which lets the tool's open for writing succeed) and leaves.
    std::thread reader([&] {
        const int fd = ::open(fifo.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) ::close(fd);
    });
    const CliResult run =
        RunCli({"send", "--hex", "1B 40", "--port", printer.Address(), "--record", fifo});
    reader.join();
    EXPECT_EQ(run.exitCode, cli::EXIT_FILE) << run.err;
    EXPECT_NE(run.err.find("Broken pipe"), std::string::npos) << run.err;
    EXPECT_EQ(printer.Take(), "\x1b\x40");
    EXPECT_EQ(KindOf(fifo), S_IFIFO);
}

// A standard output whose reader left after one byte (`| head -c 1`): the tool says so
// and exits 4, rather than dying of SIGPIPE with no word.
TEST(CliRecordFifo, AStandardOutputWhoseReaderLeftIsSaid) {
    QTemporaryDir dir;
    const std::string input = dir.filePath(QStringLiteral("plain.bin")).toStdString();
    WriteFile(input, std::string(300000, 'A')); // its decoding is far more than a pipe holds
    const CliResult run = RunProgram(
        "/bin/bash",
        {"-c", "\"$0\" decode \"$1\" | { read -r -n 1 _; }; exit ${PIPESTATUS[0]}", TALVANE_CLI_PATH, input});
    EXPECT_EQ(run.exitCode, cli::EXIT_FILE) << run.err;
    EXPECT_NE(run.err.find("cannot write standard output: Broken pipe"), std::string::npos) << run.err;
}

TEST_F(CliPeerTest, AnInputFifoLargerThanTheLimitIsRefused) {
    ASSERT_TRUE(peer.Ok());
    // A FIFO reports a size of 0; the tool reads it up to 64 MiB and refuses more.
    const std::string fifo = Path("input");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] {
        std::signal(SIGPIPE, SIG_IGN);
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
        const std::string block(size_t(1) << 20, 'A');
        for (int i = 0; fd >= 0 && i < 65; ++i)
            if (::write(fd, block.data(), block.size()) < 0) break; // the reader gave up
        if (fd >= 0) ::close(fd);
    });
    const CliResult big = RunCli(OnPeer({"send", fifo}));
    writer.join();
    EXPECT_EQ(big.exitCode, cli::EXIT_FILE);
    EXPECT_NE(big.err.find("is larger than 64 MiB"), std::string::npos) << big.err;
    EXPECT_TRUE(WireAfterQuiet().empty());
}
