// Tells when entries come and go in a few directories (/dev, /dev/serial/by-id, the
// folder of a --port path), so the port list follows devices being plugged in and
// pulled out without polling. The system back end stays behind this interface; the
// caller puts ReadyDescriptor() into its event loop and calls TakeChanges() when it
// is readable.
#pragma once

#include <memory>
#include <string>
#include <vector>

class DeviceWatcher {
public:
    // The system's watcher, or null where there is none.
    static std::unique_ptr<DeviceWatcher> Create();
    virtual ~DeviceWatcher() = default;

    // Watches each directory of `dirs` that exists now for entries created, removed,
    // renamed or changed in their permissions; directories already watched stay
    // watched. A directory that does not exist yet is watched once it does and this is
    // called again (the caller does so after every change). Returns how many are
    // watched in all.
    virtual size_t Watch(const std::vector<std::string>& dirs) = 0;
    // A descriptor that becomes readable when something changed; -1 when none.
    virtual int ReadyDescriptor() const = 0;
    // Takes the waiting notices without blocking; true when any watched directory
    // changed since the last call.
    virtual bool TakeChanges() = 0;
};
