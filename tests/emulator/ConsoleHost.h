#pragma once
// The host side as the console runs it: a CVRNX_LIB opened on the virtual
// printer's pseudo-terminal through the port map, with the console's options,
// its sent-bytes record on, and the received bytes handed to the status parser.
#include "emulator/VirtualPrinter.h"
#include "printer/VrnxLib.h"

#include <chrono>
#include <string>
#include <vector>

class ConsoleHost {
public:
    explicit ConsoleHost(const std::string& devicePath);
    ~ConsoleHost();

    bool Ok() const { return ok_; }
    CVRNX_LIB& Lib() { return lib_; }
    // Takes the record of the last command; counts its bytes.
    void Record();
    size_t BytesSent() const { return bytesSent_; }
    // Moves received bytes through the parser until the owner window gets msg.
    bool WaitForNotification(uint32_t msg, std::chrono::milliseconds timeout);
    // Asks for the status and waits for the answer: the printer answers in order, so
    // everything sent before has been taken once it comes.
    bool Handshake(std::chrono::milliseconds timeout);
    // Every status notification the parser posted so far (after pumping briefly).
    std::vector<uint32_t> Notifications(std::chrono::milliseconds pump);

private:
    void Pump(std::chrono::milliseconds timeout);

    CVRNX_LIB lib_;
    QueueWindow notify_;
    QueueWindow owner_;
    std::vector<uint32_t> seen_;
    size_t bytesSent_ = 0;
    bool ok_ = false;
};

// Waits until the printer has taken count bytes; false on time-out.
bool WaitForPrinter(vprinter::VirtualPrinter& printer, size_t count,
                    std::chrono::milliseconds timeout = std::chrono::seconds(20));
