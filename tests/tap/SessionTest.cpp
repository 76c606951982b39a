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

#include <algorithm>
#include <cctype>
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

// The program's line honours XON/XOFF on its output, as a till set for software flow
// control does.
void UseXonXoff(int fd) {
    termios t{};
    ::tcgetattr(fd, &t);
    t.c_iflag |= IXON;
    ::tcsetattr(fd, TCSANOW, &t);
}

// The number a row puts before `words` ("812 bytes were not delivered"), 0 when none says it.
uint64_t NumberBefore(const std::string& texts, const std::string& words) {
    const size_t at = texts.find(words);
    if (at == std::string::npos) return 0;
    size_t start = at;
    while (start > 0 && std::isdigit(static_cast<unsigned char>(texts[start - 1])) != 0) --start;
    return start == at ? 0 : std::stoull(texts.substr(start, at - start));
}

// A printer reached over TCP: a loopback listener of the test's own, whose connections
// the test closes and takes again.
class NetworkPrinter {
public:
    NetworkPrinter() {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ok_ = ::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 && ::listen(listener_, 1) == 0;
        socklen_t size = sizeof a;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &size);
        path_ = "tcp://127.0.0.1:" + std::to_string(ntohs(a.sin_port));
    }
    ~NetworkPrinter() { ::close(listener_); }
    bool Ok() const { return ok_; }
    const std::string& Path() const { return path_; }
    // The tap's next connection, waited for no longer than a while; -1 when none came.
    int Accept() {
        pollfd p{listener_, POLLIN, 0};
        return ::poll(&p, 1, 10000) == 1 ? ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC) : -1;
    }

private:
    int listener_ = -1;
    bool ok_ = false;
    std::string path_;
};

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
    // The printer at its terminal's own path, or at `printer` (a link to it).
    void Open(const tap::ProgramSide& side, const std::string& printer = {}) {
        std::string error;
        session_ = tap::Session::Open(side, printer.empty() ? printer_.SlavePath() : printer,
                                      rows_.Sink(), error);
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

    // On a line with XON/XOFF the printer's XOFF reaches the program, and nothing
    // goes to the printer until XON.
    UseXonXoff(program);
    ASSERT_TRUE(rows_.WaitFor("line settings 230400 8N2 xonxoff")) << rows_.Texts();
    printer_.Forget();
    ASSERT_TRUE(printer_.Send({0x13}));
    ASSERT_TRUE(rows_.WaitFor("XOFF (printer holds back)")) << rows_.Texts();
    // (The program's own line stops too: it may take none of the bytes meanwhile.)
    const std::vector<uint8_t> held = {'h', 'e', 'l', 'd'};
    const size_t early = WriteWithin(program, held, 300ms);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(printer_.Count(), 0u) << "written while the printer said XOFF";
    ASSERT_TRUE(printer_.Send({0x11}));
    EXPECT_EQ(WriteWithin(program, std::vector<uint8_t>(held.begin() + static_cast<long>(early), held.end()), 5s),
              held.size() - early);
    EXPECT_EQ(printer_.WaitBytes(4), held);

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
    printer_.Pause(false);
    ::fcntl(program, F_SETFL, ::fcntl(program, F_GETFL) & ~O_NONBLOCK);
    ASSERT_TRUE(WriteAll(program, std::vector<uint8_t>(flood.begin() + static_cast<long>(accepted), flood.end())));
    printer_.WaitForBytes(flood.size(), 30s);
    EXPECT_TRUE(printer_.Bytes() == flood) << printer_.Count() << " of " << flood.size();
    ::close(program);
    session_->Stop();
    EXPECT_EQ(session_->Summary().toPrinterBytes, printer_.Count());
    EXPECT_EQ(rows_.Count("not delivered"), 0u) << rows_.Texts();
}

TEST_F(TapSession, StopLetsWhatWaitsForThePrinterGoOnFirst) {
    // More than the printer's terminal holds, so the rest waits in the tap when Stop
    // comes; less than that and the tap's queue together, so the tap has read it all.
    printer_.ReadAtRate(32 << 10);
    Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}});
    const int program = OpenProgram(link_, B4000000);
    ASSERT_GE(program, 0);
    const std::vector<uint8_t> job = Pattern(96 << 10, 8);
    ASSERT_TRUE(WriteAll(program, job));
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (session_->ReadFromProgram() < job.size() && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(10ms);
    ASSERT_EQ(session_->ReadFromProgram(), job.size());
    ASSERT_LT(printer_.Count(), job.size()) << "the printer took it all before Stop: nothing is tested";
    session_->Stop();
    EXPECT_TRUE(printer_.WaitForBytes(job.size(), 20s)) << printer_.Count() << " of " << job.size();
    EXPECT_TRUE(printer_.Bytes() == job);
    const tap::Totals totals = session_->Summary();
    EXPECT_EQ(totals.toPrinterBytes, job.size());
    EXPECT_EQ(totals.notDeliveredToPrinter, 0u);
    EXPECT_EQ(rows_.Count("not delivered"), 0u) << rows_.Texts();
    ::close(program);
}

TEST_F(TapSession, StopCountsAndSaysWhatThePrinterNeverTook) {
    Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}});
    const int program = OpenProgram(link_, B4000000);
    ASSERT_GE(program, 0);
    printer_.Pause(true);
    const std::vector<uint8_t> flood = Pattern(512 << 10, 9);
    ASSERT_LT(WriteUntilHeld(program, flood), flood.size()) << "the program was never held back";
    session_->Stop();
    const tap::Totals totals = session_->Summary();
    // The printer reads again: it gets what its end took, and no more.
    printer_.Pause(false);
    const std::vector<uint8_t> got = printer_.BytesAfterQuiet(500ms);
    EXPECT_EQ(totals.toPrinterBytes, got.size()) << "counted as sent what the printer never took";
    EXPECT_TRUE(std::equal(got.begin(), got.end(), flood.begin()));
    const uint64_t said = NumberBefore(rows_.Texts(), " bytes were not delivered to the printer");
    EXPECT_GT(said, 0u) << rows_.Texts();
    EXPECT_EQ(totals.notDeliveredToPrinter, said);
    EXPECT_NE(totals.Line().find(std::to_string(said) + " bytes were not delivered to the printer"),
              std::string::npos)
        << totals.Line();
    ::close(program);
}

TEST_F(TapSession, APrinterThatGoesAwayIsSaidOnARow) {
    Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}});
    printer_.CloseMaster();
    EXPECT_TRUE(rows_.WaitFor("the printer went away"));
    EXPECT_EQ(rows_.Count("the printer went away"), 1u) << "said once, not on every wait";
}

TEST_F(TapSession, APrinterThatGoesAwayMidJobSaysWhatItNeverTook) {
    // The printer through a link that goes with it: its terminal's number, freed, may be
    // another test's printer a moment later, and the tap would take that one as this
    // printer come back.
    const std::string printer = folder_ + "/printer";
    ASSERT_EQ(::symlink(printer_.SlavePath().c_str(), printer.c_str()), 0);
    Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}}, printer);
    const int program = OpenProgram(link_, B4000000);
    ASSERT_GE(program, 0);
    printer_.Pause(true);
    const std::vector<uint8_t> flood = Pattern(512 << 10, 10);
    ASSERT_LT(WriteUntilHeld(program, flood), flood.size());
    ::unlink(printer.c_str());
    printer_.CloseMaster();
    ASSERT_TRUE(rows_.WaitFor("the printer went away")) << rows_.Texts();
    const uint64_t waiting = NumberBefore(rows_.Texts(), " bytes the program sent");
    EXPECT_GT(waiting, 0u) << rows_.Texts();
    session_->Stop();
    const tap::Totals totals = session_->Summary();
    EXPECT_GE(totals.notDeliveredToPrinter, waiting);
    EXPECT_EQ(NumberBefore(rows_.Texts(), " bytes were not delivered to the printer"), totals.notDeliveredToPrinter)
        << rows_.Texts();
    ::close(program);
}

TEST_F(TapSession, XonAndXoffAreFlowControlOnlyOnALineThatUsesIt) {
    Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}});
    const int program = OpenProgram(link_, B230400);
    ASSERT_GE(program, 0);
    ASSERT_TRUE(rows_.WaitFor("line settings 230400 8N1 none")) << rows_.Texts();
    // Without XON/XOFF on the line, 13 is a byte like any other: it reaches the program
    // and holds nothing back.
    ASSERT_TRUE(printer_.Send({0x13}));
    EXPECT_EQ(ReadSome(program, 1, 5s), std::vector<uint8_t>{0x13});
    ASSERT_TRUE(WriteAll(program, {'a', 'b'}));
    EXPECT_EQ(printer_.WaitBytes(2, 5s), (std::vector<uint8_t>{'a', 'b'})) << "held back by a byte of data";
    EXPECT_EQ(rows_.Count("XOFF (printer holds back)"), 0u) << rows_.Texts();

    // With XON/XOFF, a 13 inside a response is the response's text, not XOFF (the
    // program's own terminal takes it as XOFF all the same, as a real line's would).
    UseXonXoff(program);
    ASSERT_TRUE(rows_.WaitFor("line settings 230400 8N1 xonxoff")) << rows_.Texts();
    ASSERT_TRUE(printer_.Send({0x37, 0x64, 0x13, 0x00}));
    ASSERT_TRUE(rows_.WaitFor("(sensor response)")) << rows_.Texts();
    EXPECT_EQ(rows_.Count("XOFF (printer holds back)"), 0u) << rows_.Texts();
    ::close(program);
}

TEST_F(TapSession, APrinterThatComesBackAfterXoffStartsUnheld) {
    NetworkPrinter printer;
    ASSERT_TRUE(printer.Ok());
    std::string error;
    session_ = tap::Session::Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}}, printer.Path(), rows_.Sink(),
                                  error);
    ASSERT_TRUE(session_) << error;
    session_->Start();
    int connection = printer.Accept();
    ASSERT_GE(connection, 0);
    const int program = OpenProgram(link_, B230400);
    ASSERT_GE(program, 0);
    UseXonXoff(program);
    ASSERT_TRUE(rows_.WaitFor("xonxoff")) << rows_.Texts();
    const uint8_t xoff = 0x13;
    ASSERT_EQ(::send(connection, &xoff, 1, MSG_NOSIGNAL), 1);
    ASSERT_TRUE(rows_.WaitFor("XOFF (printer holds back)")) << rows_.Texts();
    // The printer goes and comes back at the same address, without a word of XON.
    ::close(connection);
    ASSERT_TRUE(rows_.WaitFor("the printer went away")) << rows_.Texts();
    connection = printer.Accept();
    ASSERT_GE(connection, 0) << "the tap did not connect to the printer again";
    ASSERT_TRUE(rows_.WaitFor("the printer is back")) << rows_.Texts();
    const std::vector<uint8_t> job = Pattern(2000, 11);
    EXPECT_EQ(WriteWithin(program, job, 10s), job.size()) << "the program is still held back";
    EXPECT_EQ(ReadSome(connection, job.size(), 10s), job) << rows_.Texts();
    ::close(program);
    ::close(connection);
}

TEST_F(TapSession, AReplyWithNoProgramOnThePortIsDroppedAndSaid) {
    Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}});
    const int first = OpenProgram(link_, B230400);
    ASSERT_GE(first, 0);
    ASSERT_TRUE(rows_.WaitFor("a program is connected")) << "the first program is said too: " << rows_.Texts();
    ::close(first);
    ASSERT_TRUE(rows_.WaitFor(tap::NOTE_PROGRAM_GONE)) << rows_.Texts();
    // A late answer, with no program on the port.
    ASSERT_TRUE(printer_.Send({0x12, 0x12, 0x12}));
    ASSERT_TRUE(rows_.WaitFor("bytes for the program dropped")) << rows_.Texts();
    const int next = OpenProgram(link_, B230400);
    ASSERT_GE(next, 0);
    EXPECT_TRUE(ReadSome(next, 1, 500ms).empty()) << "the next program got the last one's answer";
    // Its own answers reach it.
    ASSERT_TRUE(rows_.WaitFor("a program is connected", 5s, 2)) << rows_.Texts();
    ASSERT_TRUE(printer_.Send({0x16}));
    EXPECT_EQ(ReadSome(next, 1, 5s), std::vector<uint8_t>{0x16});
    ::close(next);
}

TEST_F(TapSession, BytesGoAtTheLineSettingsTheyWereWrittenWith) {
    Open({tap::ProgramSide::Kind::Terminal, link_, 0, {}});
    const int program = OpenProgram(link_, B230400);
    ASSERT_GE(program, 0);
    ASSERT_TRUE(WriteAll(program, {0x1B, 0x40}));
    ASSERT_EQ(printer_.WaitBytes(2).size(), 2u);
    ASSERT_TRUE(rows_.WaitFor("line settings 230400")) << rows_.Texts();
    // The program sets another rate and writes at once.
    termios t{};
    ::tcgetattr(program, &t);
    ::cfsetspeed(&t, B19200);
    ::tcsetattr(program, TCSANOW, &t);
    ASSERT_TRUE(WriteAll(program, {0x1B, 0x74, 0x02}));
    ASSERT_EQ(printer_.WaitBytes(5).size(), 5u);
    ASSERT_TRUE(rows_.WaitFor("ESC t 02")) << rows_.Texts();
    ASSERT_TRUE(rows_.WaitFor("line settings 19200")) << rows_.Texts();
    const std::string texts = rows_.Texts();
    EXPECT_LT(texts.find("line settings 19200"), texts.find("ESC t 02")) << texts;
    for (const PrinterPeer::Arrival& a : printer_.Arrivals()) {
        if (std::find(a.bytes.begin(), a.bytes.end(), uint8_t{0x74}) != a.bytes.end()) {
            EXPECT_EQ(a.line.baud, 19200u) << "sent at the old rate";
        }
    }
    ::close(program);
}

TEST_F(TapSession, TheListenerSaysNoProgramWentAwayBeforeOneCame) {
    Open({tap::ProgramSide::Kind::Listener, "127.0.0.1", 0, {}});
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(rows_.Count(tap::NOTE_PROGRAM_GONE), 0u) << rows_.Texts();
    const std::string address = session_->ProgramAddress();
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(std::stoi(address.substr(address.rfind(':') + 1))));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    EXPECT_TRUE(rows_.WaitFor("a program is connected")) << rows_.Texts();
    ::close(fd);
    EXPECT_TRUE(rows_.WaitFor(tap::NOTE_PROGRAM_GONE)) << rows_.Texts();
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
