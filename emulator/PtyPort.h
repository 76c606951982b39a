#pragma once
// The printer's end of a pseudo-terminal. The host opens the slave device (its
// path, or a symbolic link to it) as it would open a serial port.
#include "HostLink.h"

namespace vprinter {

class PtyPort : public HostLink {
public:
    PtyPort() = default;
    ~PtyPort() override;
    PtyPort(const PtyPort&) = delete;
    PtyPort& operator=(const PtyPort&) = delete;

    bool Open(std::string* error) override;
    // Makes linkPath a symbolic link to the slave device; an existing link there is
    // replaced, any other file is left alone and reported.
    bool MakeLink(const std::string& linkPath, std::string* error);
    void Close();

    bool IsOpen() const override { return master_ >= 0; }
    std::string Address() const override { return slavePath_; }
    int DataFd() const override { return master_; }
    const std::string& SlavePath() const { return slavePath_; }

    // Reads what the host wrote; 0 when nothing is there, -1 on a failure.
    long Read(uint8_t* buffer, size_t size) override;
    // Sends to the host; bytes that the host's input queue cannot take are dropped,
    // as a printer's would be. Returns the number of bytes sent.
    size_t Write(const uint8_t* data, size_t length) override;
    bool HoldsBackByNotReading() const override { return false; }
    // The host's settings of the line: IXON means it stops sending on XOFF.
    bool HostHonoursXoff() const override;

private:
    int master_ = -1;
    int slaveHold_ = -1; // keeps the line up while the host has the port closed
    std::string slavePath_;
    std::string linkPath_;
};

} // namespace vprinter
