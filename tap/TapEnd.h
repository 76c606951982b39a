#pragma once
// One end of the tap: the program's side (a pseudo-terminal or a TCP connection) or
// the printer's (any port the console opens). The relays only read, write and wait;
// how an end is made, and what the system calls look like, stays in its back end.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tap {

// The line settings a program set on its terminal, passed on to a serial printer.
struct LineSettings {
    uint32_t baud = 9600;
    uint8_t dataBits = 8;
    char parity = 'N';  // N, E, O
    uint8_t stopBits = 1;
    bool rtsCts = false;
    bool xonXoff = false;

    bool operator==(const LineSettings&) const = default;
    // "9600 8N1 none", "115200 8E2 rtscts"
    std::string Text() const;
};

class TapEnd {
public:
    // Readiness bits of Wait().
    static constexpr uint32_t READABLE = 0x1;
    static constexpr uint32_t WRITABLE = 0x2;
    // The other side is not there (the program closed the terminal, the connection
    // ended, the device went); an end that can come back stops saying it then.
    static constexpr uint32_t GONE = 0x4;
    static constexpr long FAILED = -1;

    virtual ~TapEnd() = default;
    // Up to `length` bytes that are there now: the count, 0 when none, FAILED when the
    // other side has gone.
    virtual long Read(uint8_t* buffer, size_t length) = 0;
    // As many bytes as the end takes now: the count, 0 when none, FAILED when gone.
    virtual long Write(const uint8_t* data, size_t length) = 0;
    // Waits up to timeoutMs for any of `want`; the bits that hold (GONE always counts).
    virtual uint32_t Wait(uint32_t want, int timeoutMs) = 0;
    // True when this end can come back after it has gone (a terminal the next program
    // run opens again, a listener taking the next connection).
    virtual bool CanComeBack() const { return false; }
    // How many times the end has been opened, counting the first: an end that came
    // back is a device or connection that starts afresh.
    virtual uint64_t Openings() const { return 1; }
    // Before the end is let go: waits, while the device keeps sending and at most
    // `budgetMs`, for what it was handed to leave; the bytes it still holds then (0
    // where the end cannot tell or holds none).
    virtual uint64_t Settle(int budgetMs) { (void)budgetMs; return 0; }
    // The settings a program set on its terminal; nothing for other ends.
    virtual std::optional<LineSettings> ProgramSettings() { return std::nullopt; }
    // The settings of a serial line as they are now; nothing where the end has none.
    virtual std::optional<LineSettings> CurrentSettings() { return std::nullopt; }
    // Puts the settings on a serial line; false where the end has none or refuses them.
    virtual bool ApplySettings(const LineSettings&) { return false; }
    // "pty /tmp/ttyPOS (/dev/pts/7)", "tcp-listen 127.0.0.1:9100", "/dev/ttyUSB0"
    virtual std::string Describe() const = 0;
    // Where a program reaches this end: the terminal's device, "ADDRESS:PORT" of a
    // listener (with the port really bound); empty for a printer.
    virtual std::string Address() const { return {}; }
};

// The program's side on a pseudo-terminal; `linkPath` becomes a symbolic link to its
// device (an existing link there is replaced, any other file is left alone and
// refused). Null with `error` set on failure.
std::unique_ptr<TapEnd> MakeProgramTerminal(const std::string& linkPath, std::string& error);
// The program's side as a TCP listener on `host`:`port` (0: any free port), one
// connection at a time.
std::unique_ptr<TapEnd> MakeProgramListener(const std::string& host, uint16_t port,
                                            std::string& error);
// A printer's port by its path as the console names it ("tcp://HOST:PORT",
// /dev/usb/lp0, a serial device).
std::unique_ptr<TapEnd> OpenPrinterEnd(const std::string& path, std::string& error);

} // namespace tap
