// Prints
//   engine/raw write throughput ratio: X   (16 MiB through Write with options 0x3C to a
//                                           pseudo-terminal, against a blocking write()
//                                           loop of the same bytes; goal >= 0.9)
//   blockbuffer/memcpy ratio: X            (64 MiB in 1 KiB appends and reads, against
//                                           memcpy of the same bytes in and out)
//   engine/tcp write throughput ratio: X   (16 MiB through Write with options 0x3C to a
//                                           loopback TCP reader, against a plain send()
//                                           loop of the same bytes; goal >= 0.8)
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

#include "serial/BlockBuffer.h"
#include "serial/PortMap.h"
#include "serial/SerialLine.h"
#include "tests/support/PrinterPeer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t WRITE_TOTAL = 16u << 20;
constexpr size_t WRITE_PIECE = 4096;
constexpr size_t ENGINE_CHUNK = 1024; // what the write thread hands to the port
constexpr size_t BUFFER_TOTAL = 64u << 20;
constexpr size_t BUFFER_PIECE = 1024;
constexpr size_t BUFFER_BATCH = 64; // appends before the reads catch up
constexpr int ROUNDS = 5;           // best of, to ride out a busy machine

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The buffer comparison runs on one thread; its CPU time is steadier than the wall
// clock on a shared machine.
double ThreadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

constexpr auto ARRIVAL_TIMEOUT = std::chrono::minutes(2);

// The printer's end, drained and counted: the same for the engine and the baseline.
struct Drained : PrinterPeer {
    Drained() {
        if (!Ok()) std::exit(1);
        CountOnly();
    }
};

double EngineSeconds(const std::vector<char>& data) {
    Drained pty;
    CSerialLine line(EN_CONSOLE_OPTIONS);
    if (!line.Open(pty.Port(), 115200, NOPARITY, 8, ONESTOPBIT)) std::exit(1);
    line.CO_ = COMMTIMEOUTS{10, 0, 100, 0, 65535};
    line.SetTimeouts();
    const auto start = Clock::now();
    for (size_t off = 0; off < data.size(); off += WRITE_PIECE)
        line.Write(data.data() + off, static_cast<uint32_t>(WRITE_PIECE));
    pty.WaitForBytes(data.size(), ARRIVAL_TIMEOUT);
    const double seconds = Seconds(start);
    if (pty.Count() != data.size())
        std::fprintf(stderr, "engine: only %zu bytes arrived\n", pty.Count());
    line.Close(500);
    return seconds;
}

// A blocking write() loop of the same bytes, `piece` bytes per call (0: all at once).
double RawSeconds(const std::vector<char>& data, size_t piece) {
    Drained pty;
    const int fd = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    tcgetattr(fd, &tio);
    cfmakeraw(&tio);
    tcsetattr(fd, TCSANOW, &tio);
    const auto start = Clock::now();
    size_t off = 0;
    while (off < data.size()) {
        const size_t want = piece ? std::min(piece, data.size() - off) : data.size() - off;
        const ssize_t n = write(fd, data.data() + off, want);
        if (n <= 0) break;
        off += static_cast<size_t>(n);
    }
    pty.WaitForBytes(data.size(), ARRIVAL_TIMEOUT);
    const double seconds = Seconds(start);
    close(fd);
    return seconds;
}

// A loopback listener whose one connection is read until `total` bytes have come.
struct TcpReader {
    int listener = -1;
    uint16_t port = 0;
    TcpReader() {
        listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            listen(listener, 1) != 0 ||
            getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            std::exit(1);
        port = ntohs(address.sin_port);
    }
    ~TcpReader() { close(listener); }
    std::thread Drain(size_t total, std::atomic<size_t>& received) {
        return std::thread([this, total, &received] {
            const int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
            std::vector<char> buffer(1 << 16);
            size_t got = 0;
            while (fd >= 0 && got < total) {
                const ssize_t n = recv(fd, buffer.data(), buffer.size(), 0);
                if (n <= 0) break;
                got += static_cast<size_t>(n);
            }
            received = got;
            if (fd >= 0) close(fd);
        });
    }
};

double EngineTcpSeconds(const std::vector<char>& data) {
    TcpReader reader;
    const uint32_t port =
        PortMap::Global().AddCommandLinePort("tcp://127.0.0.1:" + std::to_string(reader.port));
    std::atomic<size_t> received{0};
    std::thread drainer = reader.Drain(data.size(), received);
    CSerialLine line(EN_CONSOLE_OPTIONS);
    if (!line.Open(port, 115200, NOPARITY, 8, ONESTOPBIT)) std::exit(1);
    line.CO_ = COMMTIMEOUTS{10, 0, 100, 0, 65535};
    line.SetTimeouts();
    const auto start = Clock::now();
    for (size_t off = 0; off < data.size(); off += WRITE_PIECE)
        line.Write(data.data() + off, static_cast<uint32_t>(WRITE_PIECE));
    drainer.join();
    const double seconds = Seconds(start);
    if (received != data.size())
        std::fprintf(stderr, "engine/tcp: only %zu bytes arrived\n", received.load());
    line.Close(500);
    return seconds;
}

// A plain blocking send() loop of the same bytes on a loopback connection.
double SendSeconds(const std::vector<char>& data) {
    TcpReader reader;
    std::atomic<size_t> received{0};
    std::thread drainer = reader.Drain(data.size(), received);
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(reader.port);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) std::exit(1);
    const auto start = Clock::now();
    size_t off = 0;
    while (off < data.size()) {
        const ssize_t n = send(fd, data.data() + off, data.size() - off, MSG_NOSIGNAL);
        if (n <= 0) break;
        off += static_cast<size_t>(n);
    }
    drainer.join();
    const double seconds = Seconds(start);
    close(fd);
    return seconds;
}

double BlockBufferSeconds(const std::vector<char>& piece, std::vector<char>& out) {
    BlockBuffer buffer;
    const double start = ThreadCpuSeconds();
    for (size_t done = 0; done < BUFFER_TOTAL; done += BUFFER_PIECE * BUFFER_BATCH) {
        for (size_t i = 0; i < BUFFER_BATCH; ++i) {
            BlockBuffer::LockScope lock(&buffer);
            buffer.Write(piece.data() + i * BUFFER_PIECE, BUFFER_PIECE);
        }
        for (size_t i = 0; i < BUFFER_BATCH; ++i)
            buffer.Read(out.data() + i * BUFFER_PIECE, BUFFER_PIECE, true);
    }
    return ThreadCpuSeconds() - start;
}

double MemcpySeconds(const std::vector<char>& piece, std::vector<char>& out) {
    std::vector<char> staging(BUFFER_PIECE * BUFFER_BATCH);
    const double start = ThreadCpuSeconds();
    for (size_t done = 0; done < BUFFER_TOTAL; done += BUFFER_PIECE * BUFFER_BATCH) {
        for (size_t i = 0; i < BUFFER_BATCH; ++i)
            std::memcpy(staging.data() + i * BUFFER_PIECE, piece.data() + i * BUFFER_PIECE,
                        BUFFER_PIECE);
        // Keeps the copies from being optimised away.
        asm volatile("" : : "r"(staging.data()) : "memory");
        for (size_t i = 0; i < BUFFER_BATCH; ++i)
            std::memcpy(out.data() + i * BUFFER_PIECE, staging.data() + i * BUFFER_PIECE,
                        BUFFER_PIECE);
        asm volatile("" : : "r"(out.data()) : "memory");
    }
    return ThreadCpuSeconds() - start;
}

} // namespace

int main() {
    std::vector<char> data(WRITE_TOTAL);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 31 + 7);

    double engine = 1e9, raw = 1e9, rawChunked = 1e9;
    for (int round = 0; round < ROUNDS; ++round) {
        raw = std::min(raw, RawSeconds(data, 0));
        engine = std::min(engine, EngineSeconds(data));
        rawChunked = std::min(rawChunked, RawSeconds(data, ENGINE_CHUNK));
    }
    const double mib = static_cast<double>(WRITE_TOTAL) / (1 << 20);
    std::printf("engine write: %.1f MiB/s, raw write(): %.1f MiB/s, raw write() of 1 KiB "
                "pieces: %.1f MiB/s\n",
                mib / engine, mib / raw, mib / rawChunked);
    std::printf("engine/raw write throughput ratio: %.2f\n", raw / engine);

    double engineTcp = 1e9, plainSend = 1e9;
    for (int round = 0; round < ROUNDS; ++round) {
        plainSend = std::min(plainSend, SendSeconds(data));
        engineTcp = std::min(engineTcp, EngineTcpSeconds(data));
    }
    std::printf("engine tcp write: %.1f MiB/s, plain send(): %.1f MiB/s\n", mib / engineTcp,
                mib / plainSend);
    std::printf("engine/tcp write throughput ratio: %.2f\n", plainSend / engineTcp);

    std::vector<char> piece(BUFFER_PIECE * BUFFER_BATCH, 'x');
    std::vector<char> out(BUFFER_PIECE * BUFFER_BATCH);
    double bb = 1e9, mc = 1e9;
    for (int round = 0; round < ROUNDS; ++round) {
        bb = std::min(bb, BlockBufferSeconds(piece, out));
        mc = std::min(mc, MemcpySeconds(piece, out));
    }
    const double bufferMib = static_cast<double>(BUFFER_TOTAL) / (1 << 20);
    std::printf("blockbuffer: %.0f MiB/s, memcpy: %.0f MiB/s\n", bufferMib / bb, bufferMib / mc);
    std::printf("blockbuffer/memcpy ratio: %.2f\n", mc / bb);
    return 0;
}
