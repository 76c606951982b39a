// A pseudo-terminal whose master side plays the printer: the engine opens the slave
// through the port map, the test reads and writes the master.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

class PtyPeer {
public:
    PtyPeer();
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    bool Ok() const { return master_ >= 0; }
    const std::string& SlavePath() const { return slavePath_; }
    // The COM number the slave got in the process-wide port map.
    uint32_t Port() const { return port_; }

    void Send(const void* data, size_t length);
    void Send(const std::string& text) { Send(text.data(), text.size()); }
    // Reads until `count` bytes have come or `timeout` has passed.
    std::vector<uint8_t> Receive(size_t count, std::chrono::milliseconds timeout);
    // Whatever arrives within `quiet` of silence.
    std::vector<uint8_t> ReceiveUntilQuiet(std::chrono::milliseconds quiet);
    // Unplugs the device: the slave sees a hang-up.
    void CloseMaster();

private:
    int master_ = -1;
    std::string slavePath_;
    uint32_t port_ = 0;
};
