// The vprinter executable as a newcomer or a script runs it: its link, its
// standard input, its receipts folder and its signals.
#include "tests/support/DefaultSignals.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr auto PATIENCE = 10s;

struct Child {
    pid_t pid = -1;
    int in = -1;  // its standard input
    int out = -1; // its standard output
};

Child Spawn(const std::vector<std::string>& args) {
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        DefaultSignalsInChild(); // vprinter as a shell would start it
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDERR_FILENO);
        std::vector<char*> argv;
        std::string program = VPRINTER_PATH;
        argv.push_back(program.data());
        std::vector<std::string> copies = args;
        for (std::string& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    return {pid, in[1], out[0]};
}

// Reads up to and without the next line break.
bool ReadLine(int fd, std::string* line, std::chrono::milliseconds timeout = PATIENCE) {
    line->clear();
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
        char c;
        if (read(fd, &c, 1) != 1) return false;
        if (c == '\n') return true;
        *line += c;
    }
}

bool ReadByte(int fd, uint8_t* byte) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, static_cast<int>(std::chrono::milliseconds(PATIENCE).count())) <= 0)
        return false;
    return read(fd, byte, 1) == 1;
}

int WaitExit(pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + PATIENCE;
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(20ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -2;
}

bool WaitForFile(const fs::path& path) {
    const auto deadline = std::chrono::steady_clock::now() + PATIENCE;
    while (std::chrono::steady_clock::now() < deadline) {
        if (fs::exists(path) && fs::file_size(path) > 0) return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

fs::path Receipt(const fs::path& folder, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "receipt-%04d", number);
    for (const char* extension : {".png", ".pbm"})
        if (fs::exists(folder / (std::string(name) + extension)))
            return folder / (std::string(name) + extension);
    return folder / (std::string(name) + RECEIPT_EXTENSION);
}

// The picture's width in pixels, from a PNG or PBM header.
int PictureWidth(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> head(24);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    if (path.extension() == ".png")
        return head[16] << 24 | head[17] << 16 | head[18] << 8 | head[19];
    return std::atoi(reinterpret_cast<const char*>(head.data()) + 3);
}

long CpuTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    long ticks = 0;
    for (int i = 1; i <= 15 && stat >> field; ++i)
        if (i == 14 || i == 15) ticks += std::stol(field);
    return ticks;
}

class TempFolder {
public:
    TempFolder() {
        char pattern[] = "/tmp/vprinter-test-XXXXXX";
        path_ = mkdtemp(pattern);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

TEST(VprinterProcess, HelpAndBadOptions) {
    Child help = Spawn({"--help"});
    std::string text, line;
    while (ReadLine(help.out, &line)) text += line + "\n";
    EXPECT_EQ(WaitExit(help.pid), 0);
    EXPECT_NE(text.find("Usage: vprinter"), std::string::npos);
    EXPECT_NE(text.find("paper-end on|off"), std::string::npos);
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--bogus"}, {"--width", "100"}, {"--idle", "x"}}) {
        Child bad = Spawn(args);
        EXPECT_EQ(WaitExit(bad.pid), 2) << args[0];
        close(bad.in);
        close(bad.out);
    }
    close(help.in);
    close(help.out);
}

TEST(VprinterProcess, LinkStandardInputReceiptsAndSignals) {
    TempFolder temp;
    const fs::path link = temp.Path() / "printer";
    const fs::path out = temp.Path() / "out";
    Child child =
        Spawn({"--link", link.string(), "--out", out.string(), "--width", "80", "--plain"});
    ASSERT_GT(child.pid, 0);
    std::string device;
    ASSERT_TRUE(ReadLine(child.out, &device));
    EXPECT_EQ(fs::read_symlink(link).string(), device);
    const int line = open(link.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(line, 0);

    // Automatic status back on: the present state comes at once, then each change.
    const uint8_t autoStatus[] = {0x1D, 0x61, 0x2F};
    ASSERT_EQ(write(line, autoStatus, sizeof autoStatus), 3);
    uint8_t status = 0xFF;
    ASSERT_TRUE(ReadByte(line, &status));
    EXPECT_EQ(status, 0x00);
    const std::string command = "paper-end on\n";
    ASSERT_EQ(write(child.in, command.data(), command.size()),
              static_cast<ssize_t>(command.size()));
    ASSERT_TRUE(ReadByte(line, &status));
    EXPECT_EQ(status, 0x04);
    std::string reply;
    ASSERT_TRUE(ReadLine(child.out, &reply));
    EXPECT_EQ(reply, "paper-end on");

    // Out of paper, the receipt waits in the buffer; status is still answered.
    const std::string receipt = "Hello\n\x1D\x56\x42\x10";
    ASSERT_EQ(write(line, receipt.data(), receipt.size()), static_cast<ssize_t>(receipt.size()));
    const uint8_t asked[] = {0x10, 0x04, 0x05};
    ASSERT_EQ(write(line, asked, sizeof asked), 3);
    ASSERT_TRUE(ReadByte(line, &status));
    EXPECT_EQ(status, 0x04);
    // Every byte the line brought is counted, the waiting receipt's and the requests'.
    const std::string received = "received\n";
    ASSERT_EQ(write(child.in, received.data(), received.size()),
              static_cast<ssize_t>(received.size()));
    ASSERT_TRUE(ReadLine(child.out, &reply));
    const std::string count =
        "received " + std::to_string(sizeof autoStatus + receipt.size() + sizeof asked) + " bytes, ";
    EXPECT_EQ(reply.substr(0, count.size()), count) << reply;
    std::this_thread::sleep_for(300ms);
    EXPECT_FALSE(fs::exists(Receipt(out, 1)));
    const std::string refill = "paper-end off\n";
    ASSERT_EQ(write(child.in, refill.data(), refill.size()), static_cast<ssize_t>(refill.size()));
    ASSERT_TRUE(ReadByte(line, &status));
    EXPECT_EQ(status, 0x00);
    ASSERT_TRUE(ReadLine(child.out, &reply));
    ASSERT_TRUE(WaitForFile(Receipt(out, 1)));
    EXPECT_EQ(PictureWidth(Receipt(out, 1)), 640); // 576 dots on 80 mm paper

    // Without its standard input it goes on, and does not spin.
    close(child.in);
    const long before = CpuTicks(child.pid);
    std::this_thread::sleep_for(1s);
    EXPECT_EQ(waitpid(child.pid, nullptr, WNOHANG), 0);
    EXPECT_LT(CpuTicks(child.pid) - before, 50);
    const uint8_t request[] = {0x10, 0x04, 0x05};
    ASSERT_EQ(write(line, request, sizeof request), 3);
    ASSERT_TRUE(ReadByte(line, &status));
    EXPECT_EQ(status, 0x00);

    // SIGTERM ends it cleanly, printing the unfinished receipt.
    const std::string last = "Last line\n";
    ASSERT_EQ(write(line, last.data(), last.size()), static_cast<ssize_t>(last.size()));
    std::this_thread::sleep_for(200ms);
    kill(child.pid, SIGTERM);
    EXPECT_EQ(WaitExit(child.pid), 0);
    EXPECT_TRUE(fs::exists(Receipt(out, 2)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
    close(line);
    close(child.out);
}

TEST(VprinterProcess, WindowShowsThePaperAndClosesOnSignal) {
    if (std::string(RECEIPT_EXTENSION) != ".png") GTEST_SKIP() << "built without Qt";
    TempFolder temp;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Child child = Spawn({"--window", "--out", (temp.Path() / "out").string()});
    std::string device;
    ASSERT_TRUE(ReadLine(child.out, &device));
    const int line = open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(line, 0);
    const std::string text = "In the window\n";
    ASSERT_EQ(write(line, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    const uint8_t request[] = {0x10, 0x04, 0x05};
    ASSERT_EQ(write(line, request, sizeof request), 3);
    uint8_t status = 0xFF;
    ASSERT_TRUE(ReadByte(line, &status)); // the text is in once the answer comes
    std::this_thread::sleep_for(300ms);   // a few refreshes of the window
    kill(child.pid, SIGTERM);
    EXPECT_EQ(WaitExit(child.pid), 0);
    EXPECT_TRUE(fs::exists(Receipt(temp.Path() / "out", 1)));
    close(line);
    close(child.in);
    close(child.out);
}

TEST(VprinterProcess, TcpPortAnswersAsTheTerminalDoes) {
    TempFolder temp;
    Child child = Spawn({"--tcp", "0", "--out", (temp.Path() / "out").string()});
    std::string address;
    ASSERT_TRUE(ReadLine(child.out, &address));
    ASSERT_EQ(address.rfind("127.0.0.1:", 0), 0u) << address;
    const int port = std::atoi(address.c_str() + address.find(':') + 1);
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<uint16_t>(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to), 0);
    const std::string text = std::string("By TCP\n\x1D\x56\x42\x00", 11) + "\x10\x04\x05";
    ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    uint8_t status = 0xFF;
    ASSERT_TRUE(ReadByte(fd, &status));
    EXPECT_EQ(status, 0x00);
    EXPECT_TRUE(WaitForFile(Receipt(temp.Path() / "out", 1)));
    close(fd);
    kill(child.pid, SIGTERM);
    EXPECT_EQ(WaitExit(child.pid), 0);
    close(child.in);
    close(child.out);
}

TEST(VprinterProcess, BadLineOptionsAreRefused) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--tcp", "70000"}, {"--baud", "0"}, {"--buffer", "x"},
          {"--print-speed", "-5"}}) {
        Child child = Spawn(args);
        EXPECT_EQ(WaitExit(child.pid), 2) << args[0];
        close(child.in);
        close(child.out);
    }
}

TEST(VprinterProcess, InterruptEndsItToo) {
    TempFolder temp;
    Child child = Spawn({"--out", (temp.Path() / "out").string()});
    std::string device;
    ASSERT_TRUE(ReadLine(child.out, &device));
    EXPECT_EQ(device.rfind("/dev/pts/", 0), 0u);
    kill(child.pid, SIGINT);
    EXPECT_EQ(WaitExit(child.pid), 0);
    close(child.in);
    close(child.out);
}

} // namespace
