// The printer at the far end of a pseudo-terminal: a thread reads the master side,
// keeps every byte with the line settings in force when it arrived, and answers the
// status request (DLE EOT 5) and the sensor request (FS ( L 2 0 0x64 '0') as a printer
// would.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
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

    bool Ok() const { return master_ >= 0; }
    const std::string& SlavePath() const { return slavePath_; }

    // The answer to the status request.
    std::atomic<uint8_t> statusByte{0};
    // The text of the answer to the sensor request (sent as 37 64 text 00).
    void SetSensorText(const std::string& text);

    void Send(const std::vector<uint8_t>& bytes);
    // Every byte received so far, in order.
    std::vector<uint8_t> Bytes() const;
    std::vector<Arrival> Arrivals() const;
    // Waits until at least `count` bytes have arrived; returns them all.
    std::vector<uint8_t> WaitBytes(size_t count,
                                   std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // Waits for a short quiet spell and returns everything received (for "nothing sent").
    std::vector<uint8_t> BytesAfterQuiet();
    void Forget();
    // While paused the peer reads nothing, so the line fills up and the sender waits.
    void Pause(bool paused) { paused_ = paused; }
    PeerLine Line() const;

private:
    void Run();
    void Answer(); // called with mutex_ held

    int master_ = -1;
    std::string slavePath_;
    std::atomic<bool> running_{true};
    std::atomic<bool> paused_{false};
    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<uint8_t> bytes_;
    std::vector<Arrival> arrivals_;
    size_t scanned_ = 0;
    std::string sensorText_ = "123";
    std::thread thread_;
};
