#include "serial/PollWait_unix.h"

#include "serial/SerialPlatform.h"

#include <poll.h>
#include <unistd.h>

uint32_t PollWait(int interruptFd, int wakeFd, int deviceFd, bool wakeable, short deviceEvents,
                  int timeoutMs, short* deviceRevents) {
    *deviceRevents = 0;
    pollfd fds[3];
    nfds_t count = 0;
    fds[count++] = pollfd{interruptFd, POLLIN, 0};
    const nfds_t wakeIndex = wakeable ? count : 0;
    if (wakeable) fds[count++] = pollfd{wakeFd, POLLIN, 0};
    const nfds_t deviceIndex = deviceEvents ? count : 0;
    if (deviceEvents) fds[count++] = pollfd{deviceFd, deviceEvents, 0};
    if (poll(fds, count, timeoutMs) <= 0) return 0;
    uint32_t ready = 0;
    if (fds[0].revents) ready |= SerialDevice::IO_INTERRUPTED;
    if (wakeIndex && fds[wakeIndex].revents) {
        DrainEventFd(wakeFd);
        ready |= SerialDevice::IO_WOKEN;
    }
    if (deviceIndex) *deviceRevents = fds[deviceIndex].revents;
    return ready;
}

void DrainEventFd(int fd) {
    uint64_t value = 0;
    while (read(fd, &value, sizeof value) > 0) {
    }
}

void SignalEventFd(int fd) {
    const uint64_t one = 1;
    [[maybe_unused]] ssize_t n = write(fd, &one, sizeof one);
}
