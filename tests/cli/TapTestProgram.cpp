// A program that prints to its printer through the tap, as a till would: it opens a
// terminal (raw, optionally with XON/XOFF on its output) or connects over TCP, writes a
// file as fast as the line takes it, reads what the printer answers, and prints the
// answer as hex on standard output.
//   cli_tap_program pty PATH|tcp HOST:PORT FILE [--ixon] [--slow] [--read N]
// A terminal runs at 230400 baud, or 9600 with --slow.
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int ANSWER_WAIT_MS = 3000;
// A slow line's answer comes after everything written before it has gone.
constexpr int SLOW_ANSWER_WAIT_MS = 300000;
constexpr int EXIT_SETUP = 2;

int OpenTerminal(const std::string& path, bool ixon, bool slow) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return fd;
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::cfsetspeed(&t, slow ? B9600 : B230400);
    if (ixon) t.c_iflag |= IXON;
    ::tcsetattr(fd, TCSANOW, &t);
    return fd;
}

int Connect(const std::string& address) {
    const size_t colon = address.rfind(':');
    if (colon == std::string::npos) return -1;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(std::atoi(address.c_str() + colon + 1)));
    if (::inet_pton(AF_INET, address.substr(0, colon).c_str(), &a.sin_addr) != 1) return -1;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return -1;
    return fd;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: cli_tap_program pty PATH|tcp HOST:PORT FILE [--ixon] [--slow] [--read N]\n");
        return EXIT_SETUP;
    }
    bool ixon = false;
    bool slow = false;
    size_t readCount = 0;
    for (int i = 4; i < argc; ++i) {
        if (std::strcmp(argv[i], "--ixon") == 0) ixon = true;
        if (std::strcmp(argv[i], "--slow") == 0) slow = true;
        if (std::strcmp(argv[i], "--read") == 0 && i + 1 < argc) readCount = std::strtoul(argv[++i], nullptr, 10);
    }
    std::ifstream in(argv[3], std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const bool tcp = std::strcmp(argv[1], "tcp") == 0;
    const int fd = tcp ? Connect(argv[2]) : OpenTerminal(argv[2], ixon, slow);
    if (fd < 0) {
        std::fprintf(stderr, "cli_tap_program: cannot open %s: %s\n", argv[2], std::strerror(errno));
        return EXIT_SETUP;
    }
    size_t at = 0;
    while (at < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + at, bytes.size() - at);
        if (n <= 0) {
            std::fprintf(stderr, "cli_tap_program: write failed: %s\n", std::strerror(errno));
            return EXIT_FAILURE;
        }
        at += static_cast<size_t>(n);
    }
    std::vector<unsigned char> answer;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(slow ? SLOW_ANSWER_WAIT_MS : ANSWER_WAIT_MS);
    while (answer.size() < readCount && std::chrono::steady_clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        unsigned char buffer[256];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        answer.insert(answer.end(), buffer, buffer + n);
    }
    for (const unsigned char b : answer) std::printf("%02X ", b);
    std::printf("\n");
    // A terminal's close drops what the other end has not read yet: let it drain.
    if (!tcp) ::tcdrain(fd);
    ::close(fd);
    return EXIT_SUCCESS;
}
