#include "serial/PortMap.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <dirent.h>
#include <array>
#include <climits>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

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
constexpr const char* SERIAL_DIR = "/serial";
constexpr const char* BY_ID_DIR = "/serial/by-id";

// A network printer is always listed as there: only connecting tells.
bool PathPresent(const std::string& path) {
    if (KindOfPath(path) == PortKind::Network) return true;
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

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
    {
        std::lock_guard<std::mutex> lock(mutex_);
        devRoot_ = devRoot;
        sysRoot_ = sysRoot;
        scanned_ = true;
    }
    const std::vector<Found> found = ListDevices();
    std::lock_guard<std::mutex> lock(mutex_);
    hardware_.clear();
    Merge(found);
}

std::vector<PortMap::Found> PortMap::ListDevices() const {
    std::string devRoot, sysRoot;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        devRoot = devRoot_;
        sysRoot = sysRoot_;
    }
    std::vector<std::string> names;
    if (DIR* dir = opendir(devRoot.c_str())) {
        while (const dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
        closedir(dir);
    }
    // The by-id links by the device name they point at.
    std::map<std::string, std::string> links;
    const std::string byIdDir = devRoot + BY_ID_DIR;
    if (DIR* dir = opendir(byIdDir.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') continue;
            const std::string link = byIdDir + "/" + entry->d_name;
            std::array<char, PATH_MAX> target{};
            const ssize_t n = ::readlink(link.c_str(), target.data(), target.size() - 1);
            if (n <= 0) continue;
            const std::string to(target.data(), static_cast<size_t>(n));
            const auto slash = to.rfind('/');
            const std::string name = slash == std::string::npos ? to : to.substr(slash + 1);
            // Two links to one device (there should not be): the first in name order.
            auto it = links.find(name);
            if (it == links.end() || link < it->second) links[name] = link;
        }
        closedir(dir);
    }
    std::vector<Found> found;
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
            const auto link = links.find(name);
            found.push_back(Found{family.base + index, family.base, devRoot + "/" + name,
                                  link == links.end() ? std::string() : link->second,
                                  PortKind::Serial});
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
    for (uint32_t index : printers)
        found.push_back(Found{USBLP_BASE + index, USBLP_BASE,
                              usbDir + "/" + USBLP_PREFIX + std::to_string(index), std::string(),
                              PortKind::UsbPrinter});
    return found;
}

bool PortMap::NumberTaken(uint32_t number) const {
    for (const auto* list : {&hardware_, &commandLine_})
        for (const PortEntry& entry : *list)
            if (entry.number == number) return true;
    return false;
}

bool PortMap::Merge(const std::vector<Found>& found) {
    bool changed = false;
    std::vector<bool> seen(hardware_.size(), false);
    for (const Found& device : found) {
        // The same device: the same by-id name; else the same path, for an entry known
        // by its path alone, or one whose link went first while it is being pulled out.
        auto same = hardware_.end();
        if (!device.byId.empty())
            same = std::find_if(hardware_.begin(), hardware_.end(),
                                [&](const PortEntry& e) { return e.byId == device.byId; });
        if (same == hardware_.end())
            same = std::find_if(hardware_.begin(), hardware_.end(), [&](const PortEntry& e) {
                if (e.path != device.path) return false;
                return e.byId.empty() || (device.byId.empty() && e.present);
            });
        if (same != hardware_.end()) {
            const size_t at = static_cast<size_t>(same - hardware_.begin());
            if (seen[at]) continue; // two nodes claiming one entry: the first keeps it
            seen[at] = true;
            const std::string byId = device.byId.empty() ? same->byId : device.byId;
            if (!same->present || same->path != device.path || same->byId != byId) {
                changed = true;
                same->present = true;
                same->path = device.path;
                same->byId = byId;
                same->display = DisplayFor(same->number, same->path, same->kind, 0);
            }
            continue;
        }
        uint32_t number = device.preferred;
        if (NumberTaken(number)) {
            number = 0;
            for (uint32_t n = device.familyBase; n <= device.familyBase + MAX_FAMILY_INDEX; ++n)
                if (!NumberTaken(n)) {
                    number = n;
                    break;
                }
            if (number == 0) continue; // a hundred devices of one kind at once
        }
        hardware_.push_back(PortEntry{number, device.path,
                                      DisplayFor(number, device.path, device.kind, 0),
                                      device.kind, true, device.byId});
        seen.push_back(true);
        changed = true;
    }
    for (size_t i = 0; i < hardware_.size(); ++i) {
        if (!seen[i] && hardware_[i].present) {
            hardware_[i].present = false;
            changed = true;
        }
    }
    // An absent entry known only by its path, whose path a present device now has, was
    // that device seen before its by-id link was made: it would only stand in the way.
    const auto ghost = [this](const PortEntry& e) {
        if (e.present || !e.byId.empty()) return false;
        return std::any_of(hardware_.begin(), hardware_.end(), [&](const PortEntry& other) {
            return other.present && other.path == e.path;
        });
    };
    const auto firstGhost = std::remove_if(hardware_.begin(), hardware_.end(), ghost);
    if (firstGhost != hardware_.end()) {
        hardware_.erase(firstGhost, hardware_.end());
        changed = true;
    }
    std::stable_sort(hardware_.begin(), hardware_.end(),
                     [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; });
    return changed;
}

bool PortMap::Refresh() {
    bool changed = false;
    bool scanned = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        scanned = scanned_;
    }
    if (scanned) {
        const std::vector<Found> found = ListDevices();
        std::lock_guard<std::mutex> lock(mutex_);
        changed = Merge(found);
    }
    std::vector<std::string> paths;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const PortEntry& entry : commandLine_) paths.push_back(entry.path);
    }
    std::vector<bool> exists;
    for (const std::string& path : paths) exists.push_back(PathPresent(path));
    std::lock_guard<std::mutex> lock(mutex_);
    for (size_t i = 0; i < commandLine_.size() && i < exists.size(); ++i) {
        if (commandLine_[i].present != exists[i]) {
            commandLine_[i].present = exists[i];
            changed = true;
        }
    }
    return changed;
}

std::vector<std::string> PortMap::WatchDirectories() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> dirs;
    auto add = [&dirs](const std::string& dir) {
        if (!dir.empty() && std::find(dirs.begin(), dirs.end(), dir) == dirs.end())
            dirs.push_back(dir);
    };
    if (scanned_) {
        add(devRoot_);
        add(devRoot_ + SERIAL_DIR);
        add(devRoot_ + BY_ID_DIR);
        add(devRoot_ + USBLP_DIR);
    }
    for (const PortEntry& entry : commandLine_) {
        if (entry.kind == PortKind::Network) continue;
        const auto slash = entry.path.rfind('/');
        if (slash == std::string::npos)
            add(".");
        else
            add(slash == 0 ? std::string("/") : entry.path.substr(0, slash));
    }
    return dirs;
}

uint32_t PortMap::NumberForDevice(const std::string& pathOrLink) const {
    if (pathOrLink.empty()) return 0;
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto* list : {&hardware_, &commandLine_})
        for (const PortEntry& entry : *list)
            if (entry.byId == pathOrLink) return entry.number;
    for (const auto* list : {&hardware_, &commandLine_})
        for (const PortEntry& entry : *list)
            if (entry.path == pathOrLink) return entry.number;
    return 0;
}

std::optional<PortEntry> PortMap::EntryFor(uint32_t number) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto* list : {&hardware_, &commandLine_})
        for (const PortEntry& entry : *list)
            if (entry.number == number) return entry;
    return std::nullopt;
}

std::optional<std::string> PortMap::DeviceNameFor(uint32_t number) const {
    const auto entry = EntryFor(number);
    if (!entry) return std::nullopt;
    return entry->byId.empty() ? entry->path : entry->byId;
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
    commandLine_.push_back(PortEntry{number, path, DisplayFor(number, path, kind, networkIndex),
                                     kind, PathPresent(path), std::string()});
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
