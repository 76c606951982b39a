#pragma once
// The printer's end of the connection to the host: a pseudo-terminal that the host
// opens as a serial port, or a TCP socket the host connects to.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vprinter {

class HostLink {
public:
    virtual ~HostLink() = default;

    virtual bool Open(std::string* error) = 0;
    virtual bool IsOpen() const = 0;
    // What the host opens: the device path, or host:port.
    virtual std::string Address() const = 0;

    // The descriptor that brings the host's bytes; -1 while no host is connected.
    virtual int DataFd() const = 0;
    // A descriptor that becomes readable when a host asks to connect; -1 when the
    // link has no such thing or a host is connected.
    virtual int AcceptFd() const { return -1; }
    virtual void Accept() {}

    // Reads what the host wrote: 0 when nothing is there, -1 when the host went.
    virtual long Read(uint8_t* buffer, size_t size) = 0;
    // Sends to the host; returns the number of bytes it took.
    virtual size_t Write(const uint8_t* data, size_t length) = 0;

    // How a full receive buffer holds the host back: a serial line sends XOFF,
    // a socket is simply no longer read.
    virtual bool HoldsBackByNotReading() const = 0;
    // True when the host's side of a serial line stops sending on XOFF; the bytes
    // it has queued then wait on its side.
    virtual bool HostHonoursXoff() const { return false; }
};

} // namespace vprinter
