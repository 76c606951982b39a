#include "console/PortAccessHint.h"

#include "serial/PortMap.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::string_view USB_PRINTER_PREFIX = "lp";

const char* const HINT_TEXT =
    "A serial port or USB printer of this machine is not open to you: add your user to "
    "the groups \"dialout\" and \"lp\" (sudo usermod -aG dialout,lp $USER), then log in "
    "again.";

// The ids of the two groups that this system has.
std::vector<gid_t> PrinterGroups() {
    std::vector<gid_t> ids;
    for (const char* name : {PortAccess::SERIAL_GROUP, PortAccess::PRINTER_GROUP})
        if (const group* g = getgrnam(name)) ids.push_back(g->gr_gid);
    return ids;
}

bool InGroup(gid_t gid) {
    if (getegid() == gid) return true;
    const int count = getgroups(0, nullptr);
    if (count <= 0) return false;
    std::vector<gid_t> member(static_cast<size_t>(count));
    const int got = getgroups(count, member.data());
    if (got <= 0) return false;
    member.resize(static_cast<size_t>(got));
    return std::find(member.begin(), member.end(), gid) != member.end();
}
} // namespace

std::vector<std::string> PortAccess::PrinterDevices(const PortMap& ports,
                                                    const std::string& devRoot) {
    std::vector<std::string> devices;
    for (const PortEntry& entry : ports.Entries()) devices.push_back(entry.path);
    const std::string usbRoot = devRoot + "/usb";
    if (DIR* dir = opendir(usbRoot.c_str())) {
        while (const dirent* e = readdir(dir)) {
            const std::string_view name(e->d_name);
            if (name.substr(0, USB_PRINTER_PREFIX.size()) == USB_PRINTER_PREFIX)
                devices.push_back(usbRoot + "/" + std::string(name));
        }
        closedir(dir);
    }
    return devices;
}

std::string PortAccess::Hint(const std::vector<std::string>& devices) {
    if (geteuid() == 0) return {};
    const std::vector<gid_t> groups = PrinterGroups();
    if (std::any_of(groups.begin(), groups.end(), InGroup)) return {};
    for (const std::string& path : devices) {
        struct stat st {};
        if (stat(path.c_str(), &st) != 0) continue;
        const bool groupWouldHelp =
            std::find(groups.begin(), groups.end(), st.st_gid) != groups.end();
        if (groupWouldHelp && faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) != 0)
            return HINT_TEXT;
    }
    return {};
}
