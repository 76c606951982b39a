// A pseudo-terminal printer for the fault cases: a thread reads the master side and
// keeps every byte, can be told to stop reading after so many bytes (so the sender's
// writes block), and the master can be closed at any time, which is how a device
// that is pulled out looks to the program that has the slave open.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class FaultPty {
public:
    FaultPty();
    ~FaultPty();
    FaultPty(const FaultPty&) = delete;
    FaultPty& operator=(const FaultPty&) = delete;

    bool Ok() const { return master_ >= 0; }
    const std::string& SlavePath() const { return slavePath_; }

    // Reads no more than `count` bytes in all; the rest stays in the line.
    void ReadAtMost(size_t count) { readLimit_ = count; }
    size_t Received() const;
    std::vector<uint8_t> Bytes() const;
    // Waits for a quiet spell of `quiet` and returns everything received.
    std::vector<uint8_t> BytesAfterQuiet(std::chrono::milliseconds quiet);
    // Writes all of `bytes` to the master (waiting while the line is full); false
    // when the master is gone or `timeout` passed.
    bool Send(const void* bytes, size_t length,
              std::chrono::milliseconds timeout = std::chrono::seconds(60));
    // Drops what was received so far.
    void Forget();
    // The device goes away: the slave side sees a hang-up.
    void CloseMaster();

private:
    void Run();

    std::atomic<int> master_{-1};
    std::string slavePath_;
    std::atomic<bool> running_{true};
    std::atomic<size_t> readLimit_{SIZE_MAX};
    mutable std::mutex mutex_;
    std::mutex closeMutex_;
    std::vector<uint8_t> bytes_;
    std::thread thread_;
};
