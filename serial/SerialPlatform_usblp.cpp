// The USB printer-class back end: /dev/usb/lp<n> of the usblp driver. Opened
// read-write and non-blocking; no termios (the driver refuses it), so it is a plain
// byte stream. A bidirectional printer answers status requests through read(); a
// one-way printer refuses reads, and is then only written to (and watched for its
// hang-up, so an unplug while idle is seen at once). Unplugging makes the
// driver fail with ENODEV, which is reported like a serial unplug.
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "serial/StreamDevice_unix.h"

std::unique_ptr<SerialDevice> OpenPrinterClassDevice(const std::string& path, int* error) {
    int ignored = 0;
    int& cause = error ? *error : ignored;
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        cause = errno;
        return nullptr;
    }
    // The driver lets one program open the device at a time; the lock also keeps a
    // second open from this process out, as for a serial port.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        cause = errno == EWOULDBLOCK ? EBUSY : errno;
        close(fd);
        return nullptr;
    }
    return AdoptPrinterClassDescriptor(fd, error);
}

std::unique_ptr<SerialDevice> AdoptPrinterClassDescriptor(int fd, int* error) {
    StreamDevice::Traits traits;
    traits.socket = false;
    traits.closedError = ENODEV; // the printer went away
    return MakeStreamDevice(fd, traits, error);
}
