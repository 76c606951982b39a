// The readiness wait shared by the POSIX back ends: the interrupt and wake event
// descriptors beside the device's own, so every back end ends its waits the same way.
#pragma once

#include <cstdint>

// Waits up to timeoutMs (-1: no limit) for the interrupt descriptor, the wake
// descriptor (when `wakeable`) and the device for `deviceEvents` (poll bits; 0 leaves
// the device out). Returns SerialDevice::IO_INTERRUPTED and IO_WOKEN as they happened,
// draining the wake; *deviceRevents gets what poll said of the device (0 when none),
// for the back end to read in its own terms.
uint32_t PollWait(int interruptFd, int wakeFd, int deviceFd, bool wakeable, short deviceEvents,
                  int timeoutMs, short* deviceRevents);

void DrainEventFd(int fd);
void SignalEventFd(int fd);
