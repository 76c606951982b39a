// A device folder of the test's own, laid out like /dev, so tests plug and pull
// printers without touching the machine's /dev: a device node is a symbolic link to
// the slave of a pseudo-terminal printer, its by-id link sits in serial/by-id and
// points at it the way udev's do ("../../ttyUSB0"). Also the folder of --port links.
#pragma once

#include "tests/support/PrinterPeer.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class DeviceRoot {
public:
    DeviceRoot();
    ~DeviceRoot();
    DeviceRoot(const DeviceRoot&) = delete;
    DeviceRoot& operator=(const DeviceRoot&) = delete;

    bool Ok() const { return !dir_.empty(); }
    // The folder that stands for /dev, and the one for /sys (empty).
    std::string Dev() const { return dir_ + "/dev"; }
    std::string Sys() const { return dir_ + "/sys"; }
    std::string Path(const std::string& name) const { return Dev() + "/" + name; }
    std::string ByIdPath(const std::string& byId) const;

    // Plugs a new printer in as <dev>/<name>, with its by-id link when `byId` is given;
    // returns the printer at the far end (null when no pseudo-terminal could be had).
    PrinterPeer* Plug(const std::string& name, const std::string& byId = {});
    // Pulls it out: the printer's side closes (an open port sees the hang-up), then
    // its by-id link and its node go.
    void Unplug(const std::string& name);
    // Makes <dev>/<name> a link to `target` (a device the test chose).
    bool Link(const std::string& name, const std::string& target);

private:
    std::string dir_;
    std::map<std::string, std::unique_ptr<PrinterPeer>> plugged_;
    std::map<std::string, std::string> byIds_;
    // Pulled printers live on until the end: a port may still hold their slave.
    std::vector<std::unique_ptr<PrinterPeer>> pulled_;
};
