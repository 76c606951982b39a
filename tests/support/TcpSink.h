#pragma once
// A network printer on the loopback that takes every byte as fast as they come and
// keeps only their count: the far end for floods through the tap.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

class TcpSink {
public:
    TcpSink();
    ~TcpSink();
    TcpSink(const TcpSink&) = delete;
    TcpSink& operator=(const TcpSink&) = delete;

    bool Ok() const { return port_ != 0; }
    // "tcp://127.0.0.1:PORT", as --printer takes it.
    std::string Url() const;
    uint64_t Received() const { return received_.load(); }
    // True once `count` bytes have come, false after `timeout`.
    bool WaitForBytes(uint64_t count, std::chrono::milliseconds timeout) const;

private:
    void Run();

    int listener_ = -1;
    int wake_[2] = {-1, -1};
    uint16_t port_ = 0;
    std::atomic<uint64_t> received_{0};
    std::thread thread_;
};
