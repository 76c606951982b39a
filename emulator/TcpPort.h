#pragma once
// The printer on a TCP port, as a network printer listens for one host at a time;
// a second host waits in the queue until the first one closes.
#include "HostLink.h"

namespace vprinter {

class TcpPort : public HostLink {
public:
    TcpPort(std::string bindAddress, int port);
    ~TcpPort() override;
    TcpPort(const TcpPort&) = delete;
    TcpPort& operator=(const TcpPort&) = delete;

    bool Open(std::string* error) override;
    bool IsOpen() const override { return listen_ >= 0; }
    std::string Address() const override;
    int DataFd() const override { return client_; }
    int AcceptFd() const override { return client_ < 0 ? listen_ : -1; }
    void Accept() override;
    long Read(uint8_t* buffer, size_t size) override;
    size_t Write(const uint8_t* data, size_t length) override;
    bool HoldsBackByNotReading() const override { return true; }

    int Port() const { return port_; }

private:
    void CloseClient();

    std::string bindAddress_;
    int port_;
    int listen_ = -1;
    int client_ = -1;
};

} // namespace vprinter
