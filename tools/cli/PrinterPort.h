#pragma once
// The printer's port as the tool uses it: named by --port (a COM name from the port
// list or a device path), opened the way the console's "Open COM" opens it, written
// to and drained with an optional progress bar, and read for status and monitoring.

#include "printer/VrnxLib.h"
#include "serial/WindowMessages.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace cli {

struct PortSettings {
    std::string port;      // as given: "COM3", "/dev/ttyUSB0", ...
    uint32_t baud = 9600;
    int handshake = 0;     // handshake list item: 0 None, 1 RTS/CTS, 2 Xon/Xoff
};

class PrinterPort {
public:
    PrinterPort() = default;
    ~PrinterPort();
    PrinterPort(const PrinterPort&) = delete;
    PrinterPort& operator=(const PrinterPort&) = delete;

    // Opens the port; on failure returns an exit code and sets `error`.
    int Open(const PortSettings& settings, std::string& error);

    // Writes every record's bytes, in order, and waits until the port has passed them on. `progress` draws a bar on standard error.
    // On failure returns an exit code and sets `error`.
    int SendRecords(const std::vector<std::string>& records, bool progress, std::string& error);
    // Waits until everything written has left; false when the line takes nothing for
    // the stall limit (flow control held off, or the device went away).
    bool Drain(uint64_t total, bool progress);

    // Takes what has arrived so far, waiting up to `wait` for the first byte.
    std::vector<uint8_t> Receive(std::chrono::milliseconds wait);

    // True once the engine has reported that the device vanished (unplugged, hung up).
    bool DeviceGone();

    CVRNX_LIB& Library() { return lib_; }
    // Writes made through Library() directly count as writes for the close.
    void NoteWrite() { wrote_ = true; }
    const std::string& Description() const { return description_; }

private:
    // Bytes the port's driver still holds.
    uint64_t Queued();

    // The port's notifications; declared before the library, which posts to it.
    QueueWindow notices_;
    bool gone_ = false;
    CVRNX_LIB lib_;
    std::string description_;
    bool pseudoTerminal_ = false;
    bool wrote_ = false;
};

// Resolves --port to a COM number of the global port map; 0 with `error` set when the
// name is unknown.
uint32_t ResolvePort(const std::string& name, std::string& error);

} // namespace cli
