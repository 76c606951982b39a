#pragma once
// The hint at start for a user who may not use the machine's printer ports: on
// Debian serial ports belong to the group "dialout" and USB printers to "lp". A
// user in neither, with such a device that is not open to them, learns how to get
// access before "COM Open" fails on it. No Qt, so it is tested on its own.

#include <string>
#include <vector>

class PortMap;

namespace PortAccess {
inline constexpr const char* SERIAL_GROUP = "dialout";
inline constexpr const char* PRINTER_GROUP = "lp";

// The devices a printer may be on: the ports of the list and the USB printers
// (<devRoot>/usb/lp*).
std::vector<std::string> PrinterDevices(const PortMap& ports, const std::string& devRoot = "/dev");

// The hint, or empty when there is nothing to say: the process is root, or is in
// one of the two groups, or every device of `devices` that belongs to one of them
// can be opened for reading and writing. Devices that are missing, or belong to
// another group (which the hint could not help with), do not count.
std::string Hint(const std::vector<std::string>& devices);
} // namespace PortAccess
