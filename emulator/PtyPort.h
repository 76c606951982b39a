#pragma once
// The printer's end of a pseudo-terminal. The host opens the slave device (its
// path, or a symbolic link to it) as it would open a serial port.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vprinter {

class PtyPort {
public:
    PtyPort() = default;
    ~PtyPort();
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    bool Open(std::string* error);
    // Makes linkPath a symbolic link to the slave device; an existing link there is
    // replaced, any other file is left alone and reported.
    bool MakeLink(const std::string& linkPath, std::string* error);
    void Close();

    bool IsOpen() const { return master_ >= 0; }
    int MasterFd() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }

    // Reads what the host wrote; 0 when nothing is there, -1 on a failure.
    long Read(uint8_t* buffer, size_t size);
    // Sends to the host; bytes that the host's input queue cannot take are dropped,
    // as a printer's would be. Returns the number of bytes sent.
    size_t Write(const uint8_t* data, size_t length);

private:
    int master_ = -1;
    int slaveHold_ = -1; // keeps the line up while the host has the port closed
    std::string slavePath_;
    std::string linkPath_;
};

} // namespace vprinter
