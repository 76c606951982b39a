// A session between a program in this process and a pseudo-terminal printer peer:
// exact bytes both ways, the program's line settings on the printer's line, the
// program and the printer going away, a full printer holding the program back, and the
// TCP listener taking one connection at a time.
#include "tap/Session.h"
#include "tests/support/ProgramEnd.h"
#include "tests/support/PrinterPeer.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <mutex>
#include <random>
#include <thread>

using namespace std::chrono_literals;

namespace {

class RowLog {
public:
    tap::Conversation::Sink Sink() {
        return [this](const tap::Row& r) {
            std::lock_guard lock(mutex_);
            rows_.push_back(r);
        };
    }
    bool WaitFor(const std::string& text, std::chrono::milliseconds timeout = 5s, size_t times = 1) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < end) {
            if (Count(text) >= times) return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }
    size_t Count(const std::string& text) {
        std::lock_guard lock(mutex_);
        size_t n = 0;
        for (const auto& r : rows_) n += r.text.find(text) != std::string::npos ? 1 : 0;
        return n;
    }

    std::string Texts() {
        std::lock_guard lock(mutex_);
        std::string all;
        for (const auto& r : rows_) all += r.text + "\n";
        return all;
    }

private:
    std::mutex mutex_;
    std::vector<tap::Row> rows_;
};

std::vector<uint8_t> Pattern(size_t n, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(n);
    for (auto& b : bytes) b = static_cast<uint8_t>(random());
    return bytes;
}

// Opens the tap's terminal as a program opens its printer port: raw, at `speed`.
int OpenProgram(const std::string& path, speed_t speed = B9600, bool twoStopBits = false) {
    return OpenProgramEnd(path, speed, twoStopBits);
}

class TapSession : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/tap-session-XXXXXX";
        ASSERT_NE(::mkdtemp(folder), nullptr);
        folder_ = folder;
        link_ = folder_ + "/ttyPOS";
        ASSERT_TRUE(printer_.Ok());
    }
    void TearDown() override {
        session_.reset();
        ::unlink(link_.c_str());
        ::rmdir(folder_.c_str());
    }
    void Open(const tap::ProgramSide& side) {
        std::string error;
        session_ = tap::Session::Open(side, printer_.SlavePath(), rows_.Sink(), error);
        ASSERT_TRUE(session_) << error;
        session_->Start();
    }

    std::string folder_;
    std::string link_;
    PrinterPeer printer_;
    RowLog rows_;
    std::unique_ptr<tap::Session> session_;
};

} // namespace

TEST_F(TapSession, TerminalPassesBytesExactlyBothWaysAndFollowsTheProgramsSettings) {
    Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}});
    const int program = OpenProgram(link_, B230400, true);
    ASSERT_GE(program, 0);
    const std::vector<uint8_t> sent = Pattern(20000, 1);
    ASSERT_TRUE(WriteAll(program, sent));
    EXPECT_EQ(printer_.WaitBytes(sent.size()), sent);
    // (No XON or XOFF in it: those hold the program back, below.)
    std::vector<uint8_t> answer = Pattern(300, 2);
    for (auto& b : answer)
        if (b == 0x11 || b == 0x13) b = 0x12;
    ASSERT_TRUE(printer_.Send(answer));
    EXPECT_EQ(ReadSome(program, answer.size(), 5s), answer);
    ASSERT_TRUE(rows_.WaitFor("line settings 230400 8N2 none, set on the printer's line")) << rows_.Texts();
    EXPECT_EQ(printer_.Line().baud, 230400u);

    // The printer's XOFF reaches the program, and the tap holds back until XON.
    printer_.Forget();
    ASSERT_TRUE(printer_.Send({0x13}));
    EXPECT_EQ(ReadSome(program, 1, 5s), std::vector<uint8_t>{0x13});
    ASSERT_TRUE(WriteAll(program, {'h', 'e', 'l', 'd'}));
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(printer_.Count(), 0u) << "written while the printer said XOFF";
    ASSERT_TRUE(printer_.Send({0x11}));
    EXPECT_EQ(printer_.WaitBytes(4), (std::vector<uint8_t>{'h', 'e', 'l', 'd'}));

    // The program ends; the terminal stays for its next run.
    ::close(program);
    ASSERT_TRUE(rows_.WaitFor(tap::NOTE_PROGRAM_GONE));
    const int again = OpenProgram(link_, B230400);
    ASSERT_GE(again, 0) << "the link stays in place";
    printer_.Forget();
    const std::vector<uint8_t> second = {0x1B, 0x40, 'o', 'k', 0x0A};
    ASSERT_TRUE(WriteAll(again, second));
    EXPECT_EQ(printer_.WaitBytes(second.size()), second);
    EXPECT_TRUE(rows_.WaitFor("a program is connected"));
    ::close(again);
    session_->Stop();
    const tap::Totals totals = session_->Summary();
    EXPECT_EQ(totals.toPrinterBytes, sent.size() + 4 + second.size());
    EXPECT_EQ(totals.toProgramBytes, answer.size() + 2);
    EXPECT_GE(totals.alerts[static_cast<size_t>(tap::Alert::SentWhileHeld)], 1u);
}

TEST_F(TapSession, AFullPrinterHoldsTheProgramBackWithoutLosingAByte) {
    Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}});
    // The tap sends no faster than the program's line rate: a fast one.
    const int program = OpenProgram(link_, B4000000);
    ASSERT_GE(program, 0);
    ::fcntl(program, F_SETFL, ::fcntl(program, F_GETFL) | O_NONBLOCK);
    printer_.Pause(true);
    const std::vector<uint8_t> flood = Pattern(512 << 10, 3);
    size_t accepted = 0;
    auto lastProgress = std::chrono::steady_clock::now();
    // Write until nothing more is taken for a while: the program is held back.
    while (accepted < flood.size() && std::chrono::steady_clock::now() - lastProgress < 1s) {
        const ssize_t n = ::write(program, flood.data() + accepted, flood.size() - accepted);
        if (n > 0) {
            accepted += static_cast<size_t>(n);
            lastProgress = std::chrono::steady_clock::now();
        } else {
            std::this_thread::sleep_for(5ms);
        }
    }
    EXPECT_LT(accepted, flood.size()) << "the program was never held back";
    EXPECT_LE(session_->PeakQueued(), tap::Relay::QUEUE_LIMIT);
    printer_.Pause(false);
    ::fcntl(program, F_SETFL, ::fcntl(program, F_GETFL) & ~O_NONBLOCK);
    ASSERT_TRUE(WriteAll(program, std::vector<uint8_t>(flood.begin() + static_cast<long>(accepted), flood.end())));
    printer_.WaitForBytes(flood.size(), 30s);
    EXPECT_TRUE(printer_.Bytes() == flood) << printer_.Count() << " of " << flood.size();
    ::close(program);
}

TEST_F(TapSession, APrinterThatGoesAwayIsSaidOnARow) {
    Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}});
    printer_.CloseMaster();
    EXPECT_TRUE(rows_.WaitFor("the printer went away"));
    EXPECT_EQ(rows_.Count("the printer went away"), 1u) << "said once, not on every wait";
}

TEST_F(TapSession, TheListenerTakesOneProgramAtATime) {
    Open({tap::ProgramSide::Kind::Listener, "127.0.0.1", 0, {}});
    const std::string address = session_->ProgramAddress();
    const uint16_t port = static_cast<uint16_t>(std::stoi(address.substr(address.rfind(':') + 1)));
    ASSERT_NE(port, 0);
    const auto connect = [port] {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 ? fd : -1;
    };
    const int first = connect();
    ASSERT_GE(first, 0);
    const std::vector<uint8_t> sent = Pattern(20000, 4);
    ASSERT_TRUE(WriteAll(first, sent));
    EXPECT_EQ(printer_.WaitBytes(sent.size()), sent);
    ASSERT_TRUE(printer_.Send({0x12, 0x37, 0x64, 0x41, 0x00}));
    EXPECT_EQ(ReadSome(first, 5, 5s), (std::vector<uint8_t>{0x12, 0x37, 0x64, 0x41, 0x00}));

    // The second program waits while the first is connected.
    const int second = connect();
    ASSERT_GE(second, 0);
    ASSERT_TRUE(WriteAll(second, {'2', 'n', 'd'}));
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(printer_.Count(), sent.size()) << "the waiting program got through";
    ::close(first);
    ASSERT_TRUE(rows_.WaitFor(tap::NOTE_PROGRAM_GONE));
    EXPECT_TRUE(printer_.WaitForBytes(sent.size() + 3, 5s));
    ::close(second);
}

TEST_F(TapSession, ANetworkPrinterThatGoesAndComesBackGetsWhatTheProgramSentMeanwhile) {
    // The printer: a loopback listener of the test's own, its connection closed and
    // taken again.
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    socklen_t size = sizeof a;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &size);
    const std::string printer = "tcp://127.0.0.1:" + std::to_string(ntohs(a.sin_port));
    std::string error;
    session_ = tap::Session::Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}}, printer, rows_.Sink(), error);
    ASSERT_TRUE(session_) << error;
    session_->Start();
    // The tap's connections, waited for no longer than a while.
    const auto accept = [listener] {
        pollfd p{listener, POLLIN, 0};
        return ::poll(&p, 1, 10000) == 1 ? ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC) : -1;
    };
    int connection = accept();
    ASSERT_GE(connection, 0);
    const int program = OpenProgram(link_);
    ASSERT_GE(program, 0);
    const std::vector<uint8_t> before = Pattern(3000, 5);
    ASSERT_TRUE(WriteAll(program, before));
    EXPECT_EQ(ReadSome(connection, before.size(), 10s), before);

    ::close(connection);
    ASSERT_TRUE(rows_.WaitFor("the printer went away")) << rows_.Texts();
    // What the program sends while the printer is away waits for it.
    const std::vector<uint8_t> meanwhile = Pattern(2000, 6);
    ASSERT_TRUE(WriteAll(program, meanwhile));
    connection = accept();
    ASSERT_GE(connection, 0) << "the tap did not connect to the printer again";
    EXPECT_TRUE(rows_.WaitFor("the printer is back")) << rows_.Texts();
    EXPECT_EQ(ReadSome(connection, meanwhile.size(), 10s), meanwhile);
    EXPECT_EQ(rows_.Count("dropped"), 0u) << rows_.Texts();
    // And answers reach the program again.
    const uint8_t answer = 0x12;
    ASSERT_EQ(::send(connection, &answer, 1, MSG_NOSIGNAL), 1);
    EXPECT_EQ(ReadSome(program, 1, 5s), std::vector<uint8_t>{answer});
    ::close(program);
    ::close(connection);
    ::close(listener);
}
