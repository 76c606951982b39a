#pragma once
// The printer's port as the tool uses it: named by --port (a COM name from the port
// list or a device path), opened the way the console's "Open COM" opens it, written
// to and drained with an optional progress bar, and read for status and monitoring.
// Every wait stops at once when the device goes away or a stop signal comes.

#include "console/samples/LineProgress.h"
#include "printer/VrnxLib.h"
#include "serial/WindowMessages.h"

#include <chrono>
#include <cstdint>
#include <optional>
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

    // Opens the port (SIGINT and SIGTERM only ask the run to stop from now on); on
    // failure returns an exit code and sets `error`.
    int Open(const PortSettings& settings, std::string& error);

    // Writes every record's bytes, in order, and waits until the port has passed them on. `progress` draws a bar on standard error.
    // On failure (the line takes nothing, the device went away, a stop signal) returns
    // an exit code and sets `error`, which says how much was sent.
    int SendRecords(const std::vector<std::string>& records, bool progress, std::string& error);
    // Waits until everything written has left the driver's queue; the exit code and
    // `error` as for SendRecords.
    int Drain(uint64_t total, bool progress, std::string& error);
    // Closes the port; EXIT_UNDELIVERED with `error` set when bytes already handed to
    // the device could not be delivered within the close budget.
    int Close(std::string& error);

    // Takes what has arrived so far, waiting up to `wait` for the first byte (less when
    // the device goes away or a stop signal comes).
    std::vector<uint8_t> Receive(std::chrono::milliseconds wait);

    // True once the engine has reported that the device vanished (unplugged, hung up).
    bool DeviceGone();
    // "the printer on COM901 (/dev/pts/3) went away (Input/output error)".
    std::string GoneText();

    CVRNX_LIB& Library() { return lib_; }
    const std::string& Description() const { return description_; }

private:
    // Bytes the port's driver still holds; nothing when it cannot say.
    std::optional<uint64_t> Queued();
    // Waits a moment for the engine's notice after a write the device refused.
    bool GoneAfterFailure();
    // Draws the bar for `sent` of `total` bytes: per command the line has carried, with
    // the time left, while SendRecords runs (as the console's paced picture does).
    void ShowProgress(uint64_t sent, uint64_t total);

    // The port's notifications; declared before the library, which posts to it.
    QueueWindow notices_;
    bool gone_ = false;
    CVRNX_LIB lib_;
    std::string description_;
    // What SendRecords has got through the line; unused (no commands) otherwise.
    LineProgress meter_;
    std::chrono::steady_clock::time_point meterStart_;
};

// Resolves --port to a COM number of the global port map; 0 with `error` set when the
// name is unknown.
uint32_t ResolvePort(const std::string& name, std::string& error);

} // namespace cli
