// The machine's printer ports and their port numbers. Hardware devices get numbers
// that stay the same while the device stays (ttyS<k> is COM<k+1>, ttyUSB<k> COM<k+101>,
// ttyACM<k> COM<k+201>, ttyAMA<k> COM<k+301>, rfcomm<k> COM<k+401>, and the USB
// printer-class /dev/usb/lp<k> is number k+501, shown as USB<k+1>); devices named on
// the command line with --port PATH are 901 upwards in the order given. A network
// printer ("--port tcp://HOST[:PORT]") is shown as NET<i>, counting network entries.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "serial/PortKind.h"

struct PortEntry {
    uint32_t number;     // the port number the engine opens
    std::string path;    // device path, e.g. /dev/ttyUSB0, /dev/usb/lp0, tcp://host:9100
    std::string display; // "COM<n> (<path>)", "USB<k> (<path>)" or "NET<i> (host:port)"
    PortKind kind = PortKind::Serial;
};

class PortMap {
public:
    static constexpr uint32_t TTYS_BASE = 1;
    static constexpr uint32_t TTYUSB_BASE = 101;
    static constexpr uint32_t TTYACM_BASE = 201;
    static constexpr uint32_t TTYAMA_BASE = 301;
    static constexpr uint32_t RFCOMM_BASE = 401;
    static constexpr uint32_t USBLP_BASE = 501;
    static constexpr uint32_t COMMAND_LINE_BASE = 901;
    static constexpr uint32_t MAX_PORT = 1024;

    // An empty map; Scan() fills in the hardware devices.
    PortMap();

    // The process-wide map that the engine resolves port names through. It scans the
    // machine's devices on first use.
    static PortMap& Global();

    // Lists the hardware serial devices again (command-line ports stay). devRoot and
    // sysRoot are "/dev" and "/sys" except in tests.
    void Scan(const std::string& devRoot = "/dev", const std::string& sysRoot = "/sys");

    // Adds a device given with --port PATH; returns its number, or 0 when the map is
    // full. The same path given twice keeps its first number.
    uint32_t AddCommandLinePort(const std::string& path);
    // Adds every "--port PATH" and "--port=PATH" of the arguments; returns how many.
    int AddCommandLinePorts(int argc, const char* const* argv);

    // Hardware devices in the listing order, then the command-line ones.
    std::vector<PortEntry> Entries() const;
    std::optional<std::string> PathFor(uint32_t number) const;
    // Resolves "\\.\COM<n>" (or "COM<n>") to its device path.
    std::optional<std::string> ResolveDeviceName(std::string_view name) const;

    // "COM<n> (<path>)": how a serial port is shown.
    static std::string DisplayText(uint32_t number, const std::string& path);

private:
    // The entry's text by its kind; networkIndex counts network entries from 1.
    static std::string DisplayFor(uint32_t number, const std::string& path, PortKind kind,
                                  uint32_t networkIndex);

    mutable std::mutex mutex_;
    std::vector<PortEntry> hardware_;
    std::vector<PortEntry> commandLine_;
};
