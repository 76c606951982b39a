#include "serial/PortMap.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <dirent.h>
#include <fstream>

namespace {

struct DeviceFamily {
    const char* prefix;
    uint32_t base;
    bool needsKnownUart; // the kernel lists every possible 8250 port
};

// The listing order of the port list.
constexpr DeviceFamily FAMILIES[] = {
    {"ttyS", PortMap::TTYS_BASE, true},      {"ttyUSB", PortMap::TTYUSB_BASE, false},
    {"ttyACM", PortMap::TTYACM_BASE, false}, {"ttyAMA", PortMap::TTYAMA_BASE, false},
    {"rfcomm", PortMap::RFCOMM_BASE, false},
};

constexpr uint32_t MAX_FAMILY_INDEX = 99; // keeps every family inside its hundred
constexpr const char* USBLP_DIR = "/usb";
constexpr const char* USBLP_PREFIX = "lp";
constexpr const char* USB_LABEL = "USB";
constexpr const char* NET_LABEL = "NET";
constexpr int UART_TYPE_UNKNOWN = 0;

std::optional<uint32_t> IndexAfter(const std::string& name, const char* prefix) {
    const size_t len = std::strlen(prefix);
    if (name.size() <= len || name.compare(0, len, prefix) != 0) return std::nullopt;
    uint32_t index = 0;
    const char* first = name.data() + len;
    const char* last = name.data() + name.size();
    const auto result = std::from_chars(first, last, index);
    if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
    return index;
}

bool UartKnown(const std::string& sysRoot, const std::string& name) {
    std::ifstream in(sysRoot + "/class/tty/" + name + "/type");
    int type = UART_TYPE_UNKNOWN;
    return in && (in >> type) && type != UART_TYPE_UNKNOWN;
}

} // namespace

PortMap::PortMap() = default;

PortMap& PortMap::Global() {
    static PortMap* map = [] {
        auto* created = new PortMap;
        created->Scan();
        return created;
    }();
    return *map;
}

std::string PortMap::DisplayText(uint32_t number, const std::string& path) {
    return "COM" + std::to_string(number) + " (" + path + ")";
}

std::string PortMap::DisplayFor(uint32_t number, const std::string& path, PortKind kind,
                                uint32_t networkIndex) {
    switch (kind) {
    case PortKind::UsbPrinter: {
        // USB<k+1> for /dev/usb/lp<k>, so the first printer is USB1.
        const auto slash = path.rfind('/');
        const auto index = IndexAfter(path.substr(slash + 1), USBLP_PREFIX);
        const std::string label = index ? USB_LABEL + std::to_string(*index + 1) : USB_LABEL;
        return label + " (" + path + ")";
    }
    case PortKind::Network: {
        const auto address = ParseNetworkAddress(path);
        const std::string shown = address ? NetworkAddressText(*address) : path;
        return NET_LABEL + std::to_string(networkIndex) + " (" + shown + ")";
    }
    case PortKind::Serial:
        break;
    }
    return DisplayText(number, path);
}

void PortMap::Scan(const std::string& devRoot, const std::string& sysRoot) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(devRoot.c_str())) {
        while (const dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
        closedir(dir);
    }
    std::vector<PortEntry> found;
    for (const DeviceFamily& family : FAMILIES) {
        std::vector<std::pair<uint32_t, std::string>> members;
        for (const std::string& name : names) {
            const auto index = IndexAfter(name, family.prefix);
            if (!index || *index > MAX_FAMILY_INDEX) continue;
            if (family.needsKnownUart && !UartKnown(sysRoot, name)) continue;
            members.emplace_back(*index, name);
        }
        std::sort(members.begin(), members.end());
        for (const auto& [index, name] : members) {
            const uint32_t number = family.base + index;
            const std::string path = devRoot + "/" + name;
            found.push_back(PortEntry{number, path, DisplayText(number, path), PortKind::Serial});
        }
    }
    // USB printer-class devices, after the serial ports.
    std::vector<uint32_t> printers;
    const std::string usbDir = devRoot + USBLP_DIR;
    if (DIR* dir = opendir(usbDir.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const auto index = IndexAfter(entry->d_name, USBLP_PREFIX);
            if (index && *index <= MAX_FAMILY_INDEX) printers.push_back(*index);
        }
        closedir(dir);
    }
    std::sort(printers.begin(), printers.end());
    for (uint32_t index : printers) {
        const uint32_t number = USBLP_BASE + index;
        const std::string path = usbDir + "/" + USBLP_PREFIX + std::to_string(index);
        found.push_back(PortEntry{number, path,
                                  DisplayFor(number, path, PortKind::UsbPrinter, 0),
                                  PortKind::UsbPrinter});
    }
    std::lock_guard<std::mutex> lock(mutex_);
    hardware_ = std::move(found);
}

uint32_t PortMap::AddCommandLinePort(const std::string& path) {
    if (path.empty()) return 0;
    std::lock_guard<std::mutex> lock(mutex_);
    for (const PortEntry& entry : commandLine_)
        if (entry.path == path) return entry.number;
    const uint32_t number = COMMAND_LINE_BASE + static_cast<uint32_t>(commandLine_.size());
    if (number > MAX_PORT) return 0;
    const PortKind kind = KindOfPath(path);
    uint32_t networkIndex = 1;
    for (const PortEntry& entry : commandLine_)
        if (entry.kind == PortKind::Network) ++networkIndex;
    commandLine_.push_back(
        PortEntry{number, path, DisplayFor(number, path, kind, networkIndex), kind});
    return number;
}

int PortMap::AddCommandLinePorts(int argc, const char* const* argv) {
    static constexpr std::string_view OPTION = "--port";
    int added = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i] ? argv[i] : "";
        std::string path;
        if (arg == OPTION && i + 1 < argc && argv[i + 1]) {
            path = argv[++i];
        } else if (arg.size() > OPTION.size() + 1 && arg.substr(0, OPTION.size()) == OPTION &&
                   arg[OPTION.size()] == '=') {
            path = std::string(arg.substr(OPTION.size() + 1));
        } else {
            continue;
        }
        if (AddCommandLinePort(path) != 0) ++added;
    }
    return added;
}

std::vector<PortEntry> PortMap::Entries() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<PortEntry> all = hardware_;
    all.insert(all.end(), commandLine_.begin(), commandLine_.end());
    return all;
}

std::optional<std::string> PortMap::PathFor(uint32_t number) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto* list : {&hardware_, &commandLine_})
        for (const PortEntry& entry : *list)
            if (entry.number == number) return entry.path;
    return std::nullopt;
}

std::optional<std::string> PortMap::ResolveDeviceName(std::string_view name) const {
    static constexpr std::string_view DEVICE_PREFIX = "\\\\.\\";
    static constexpr std::string_view COM = "COM";
    if (name.substr(0, DEVICE_PREFIX.size()) == DEVICE_PREFIX)
        name.remove_prefix(DEVICE_PREFIX.size());
    if (name.substr(0, COM.size()) != COM) return std::nullopt;
    name.remove_prefix(COM.size());
    uint32_t number = 0;
    const auto result = std::from_chars(name.data(), name.data() + name.size(), number);
    if (result.ec != std::errc() || result.ptr != name.data() + name.size()) return std::nullopt;
    return PathFor(number);
}
