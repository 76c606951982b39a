// The printer at the far end of a pseudo-terminal, for every test that needs one.
// A thread drains the master side all the time (so large writes never stall on a full
// terminal buffer) and keeps each read with the line settings in force when it came.
// It can pause, read no more than so many bytes (so the sender's writes block), close
// the master (how a pulled device looks to whoever has the slave open), and, when
// asked, answer the status request (DLE EOT 5) and the sensor request as a printer.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <initializer_list>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// What the slave side's termios says; read through the master.
struct PeerLine {
    uint32_t baud = 0;
    bool ctsFlow = false; // CRTSCTS
    bool xonOut = false;  // IXON
    bool xonIn = false;   // IXOFF
    uint8_t startChar = 0;
    uint8_t stopChar = 0;
    bool operator==(const PeerLine&) const = default;
};
// Reads the line settings of the terminal whose master is `fd`; false on failure.
bool ReadPeerLine(int fd, PeerLine* line);

class PrinterPeer {
public:
    struct Arrival {
        std::vector<uint8_t> bytes;
        PeerLine line;
    };

    PrinterPeer();
    ~PrinterPeer();
    PrinterPeer(const PrinterPeer&) = delete;
    PrinterPeer& operator=(const PrinterPeer&) = delete;

    bool Ok() const { return !slavePath_.empty(); }
    const std::string& SlavePath() const { return slavePath_; }
    // The COM number of the slave in the process-wide port map (entered on first use).
    uint32_t Port();

    // Answer the status and sensor requests (off until asked: other tests send those
    // bytes as plain data).
    void AnswerRequests(bool on) { answering_ = on; }
    // The answer to the status request.
    std::atomic<uint8_t> statusByte{0};
    // The text of the answer to the sensor request (sent as 37 64 text 00).
    void SetSensorText(const std::string& text);

    // Writes all of the bytes from the printer's side (waiting while the line is
    // full); false when the master is gone or `timeout` passed.
    bool Send(const void* data, size_t length,
              std::chrono::milliseconds timeout = std::chrono::seconds(60));
    bool Send(const std::string& text) { return Send(text.data(), text.size()); }
    bool Send(const std::vector<uint8_t>& bytes) { return Send(bytes.data(), bytes.size()); }
    bool Send(std::initializer_list<uint8_t> bytes) { return Send(bytes.begin(), bytes.size()); }

    // Everything received so far, in order, and how much that is.
    std::vector<uint8_t> Bytes() const;
    size_t Count() const;
    std::vector<Arrival> Arrivals() const;
    // Waits until at least `count` bytes have arrived; false on time-out.
    bool WaitForBytes(size_t count, std::chrono::milliseconds timeout);
    // The same, returning everything received.
    std::vector<uint8_t> WaitBytes(size_t count,
                                   std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Waits until the received bytes end with `marker`; false on time-out.
    bool WaitForMarker(const std::vector<uint8_t>& marker, std::chrono::milliseconds timeout);
    // Waits for a quiet spell (no byte for `quiet`) and returns everything received.
    std::vector<uint8_t> BytesAfterQuiet(
        std::chrono::milliseconds quiet = std::chrono::milliseconds(300));
    // Drops what was received so far.
    void Forget();

    // Reading in turn: the next `count` bytes not yet taken (fewer on time-out), and
    // whatever comes until `quiet` passes with nothing new.
    std::vector<uint8_t> Receive(size_t count, std::chrono::milliseconds timeout);
    std::vector<uint8_t> ReceiveUntilQuiet(std::chrono::milliseconds quiet);

    // While paused the peer reads nothing, so the line fills up and the sender waits.
    void Pause(bool paused) { paused_ = paused; }
    // Reads no more than `count` bytes in all; the rest stays in the line.
    void ReadAtMost(size_t count) { readLimit_ = count; }
    // Reads no faster than `bytesPerSecond` from now on, in small reads, as a printer on
    // a line of that rate gets bytes (a moment's delay of this thread is made up; a spell
    // with nothing to read is not); 0 reads as fast as the bytes come again.
    void ReadAtRate(size_t bytesPerSecond);
    // Counts what arrives without keeping it (for floods and benchmarks): Count() and
    // the waits for a count still work, the byte lists stay empty.
    void CountOnly() { countOnly_ = true; }
    // The line settings the slave has now.
    PeerLine Line() const;
    // The device goes away: the slave side sees a hang-up.
    void CloseMaster();

private:
    struct Read {
        size_t end;
        PeerLine line;
    };
    void Run();
    void Answer(); // called with mutex_ held
    // How much ReadAtRate lets the next read take; called with mutex_ held.
    size_t RateRoomLocked();
    bool WriteAll(const uint8_t* data, size_t length, std::chrono::milliseconds timeout);

    std::atomic<int> master_{-1};
    std::string slavePath_;
    uint32_t port_ = 0;
    std::atomic<bool> running_{true};
    std::atomic<bool> paused_{false};
    std::atomic<bool> answering_{false};
    std::atomic<size_t> readLimit_{SIZE_MAX};
    std::atomic<bool> countOnly_{false};
    // ReadAtRate: the rate (0: none), the reads it allows now and when that was reckoned.
    size_t rate_ = 0;
    double credit_ = 0;
    std::chrono::steady_clock::time_point creditAt_;
    mutable std::mutex mutex_;
    std::mutex closeMutex_;
    std::condition_variable arrived_;
    std::vector<uint8_t> bytes_;
    size_t count_ = 0; // bytes_.size(), or what was counted in CountOnly
    std::vector<Read> reads_;
    size_t scanned_ = 0;
    size_t taken_ = 0;
    std::string sensorText_ = "123";
    std::thread thread_;
};
