// The machine's printer ports and their port numbers. Hardware devices get numbers
// that stay the same while the device stays (ttyS<k> is COM<k+1>, ttyUSB<k> COM<k+101>,
// ttyACM<k> COM<k+201>, ttyAMA<k> COM<k+301>, rfcomm<k> COM<k+401>, and the USB
// printer-class /dev/usb/lp<k> is number k+501, shown as USB<k+1>); devices named on
// the command line with --port PATH are 901 upwards in the order given. A network
// printer ("--port tcp://HOST[:PORT]") is shown as NET<i>, counting network entries.
// Refresh() follows devices while the program runs: a device keeps its number for as
// long as the program runs (a USB adapter by its by-id name), one that goes away stays
// listed as absent, and a new one whose usual number is held by an absent device takes
// the next free number of its family.
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
    // False while the device is not there (pulled out, or a --port path that does not
    // exist yet); the entry keeps its number for when it comes back.
    bool present = true;
    // The device's link in <dev>/serial/by-id, when it has one: what names a USB
    // adapter across replugs, whatever ttyUSB<k> it comes back as.
    std::string byId;
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

    // Looks at the devices again (in the folders of the last Scan, if there was one)
    // and at whether each --port path exists, keeping every device's number. Returns
    // true when an entry was added or came or went.
    bool Refresh();
    // The folders whose entries coming and going change this list: the device folder,
    // its serial/by-id and usb folders (and serial, where by-id is made), and the
    // folder of every --port path.
    std::vector<std::string> WatchDirectories() const;
    // The number of the entry for a device named by its path or by-id link; 0 when
    // none has it.
    uint32_t NumberForDevice(const std::string& pathOrLink) const;
    // How an entry is best named to find the same device again: its by-id link when it
    // has one, else its path.
    std::optional<std::string> DeviceNameFor(uint32_t number) const;
    std::optional<PortEntry> EntryFor(uint32_t number) const;

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
    struct Found {
        uint32_t preferred; // the family's number for the device's name
        uint32_t familyBase;
        std::string path;
        std::string byId;
        PortKind kind;
    };
    std::vector<Found> ListDevices() const;
    // Merges what was found into hardware_, keeping numbers; called with mutex_ held.
    bool Merge(const std::vector<Found>& found);
    bool NumberTaken(uint32_t number) const;

    // The entry's text by its kind; networkIndex counts network entries from 1.
    static std::string DisplayFor(uint32_t number, const std::string& path, PortKind kind,
                                  uint32_t networkIndex);

    mutable std::mutex mutex_;
    std::vector<PortEntry> hardware_;
    std::vector<PortEntry> commandLine_;
    bool scanned_ = false;
    std::string devRoot_;
    std::string sysRoot_;
};
