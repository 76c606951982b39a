#pragma once
// The printer's end of a pseudo-terminal: the library opens the slave through the port
// map (as a --port device), the test reads and writes the master. A thread drains the
// master all the time so that large writes never stall on a full terminal buffer.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class PtyPeer {
public:
    PtyPeer();
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    bool Ok() const { return master_ >= 0; }
    const std::string& SlavePath() const { return slavePath_; }
    // The COM number under which the port map knows the slave.
    uint32_t PortNumber() const { return port_; }

    // Waits until at least `count` bytes have arrived; false on time-out.
    bool WaitForBytes(size_t count, std::chrono::milliseconds timeout);
    // Waits until the received bytes end with `marker`; false on time-out.
    bool WaitForMarker(const std::vector<uint8_t>& marker, std::chrono::milliseconds timeout);
    std::vector<uint8_t> Received();
    void ClearReceived();
    // Sends bytes from the printer's side.
    bool Send(const std::vector<uint8_t>& bytes);

private:
    void Drain();

    int master_ = -1;
    std::string slavePath_;
    uint32_t port_ = 0;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<uint8_t> received_;
    bool stop_ = false;
    std::thread reader_;
};
