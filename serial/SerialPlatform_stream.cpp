// The byte-stream back end shared by the USB printer-class and network devices.
#include "serial/StreamDevice_unix.h"

#include "serial/PollWait_unix.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr uint32_t READ_AHEAD_SIZE = 4096;
constexpr uint32_t DEFAULT_BAUD = 9600;
constexpr uint8_t DEFAULT_BYTE_SIZE = 8;
// While bytes wait for the peer's acknowledgement, a wait looks this often whether
// the peer still answers.
constexpr int PEER_CHECK_MS = 1000;

bool IsGoneError(int error) {
    switch (error) {
    case EIO:
    case ENXIO:
    case ENODEV:
    case EPIPE:
    case ECONNRESET:
    case ECONNABORTED:
    case ETIMEDOUT:
    case ENOTCONN:
    case EHOSTUNREACH:
    case ENETUNREACH:
    case ENETDOWN:
        return true;
    default:
        return false;
    }
}

// A device that refuses reads: a one-way printer (EINVAL from the driver), or a
// descriptor open for writing only. It is written to and never asked again.
bool RefusesReads(int error) {
    return error == EINVAL || error == EBADF;
}

} // namespace

StreamDevice::StreamDevice(int fd, int interruptFd, int wakeFd, Traits traits)
    : fd_(fd), interruptFd_(interruptFd), wakeFd_(wakeFd), traits_(traits) {
    dcb_.DCBlength = DCB_LENGTH;
    dcb_.BaudRate = DEFAULT_BAUD;
    dcb_.fBinary = 1;
    dcb_.fDtrControl = DTR_CONTROL_ENABLE;
    dcb_.fRtsControl = RTS_CONTROL_ENABLE;
    dcb_.ByteSize = DEFAULT_BYTE_SIZE;
}

StreamDevice::~StreamDevice() {
    close(fd_);
    close(interruptFd_);
    close(wakeFd_);
}

bool StreamDevice::GetState(DCB* dcb) {
    if (!dcb) return false;
    std::lock_guard<std::mutex> lock(stateMutex_);
    *dcb = dcb_;
    return true;
}

bool StreamDevice::SetState(const DCB& dcb) {
    // The same record checks as a serial port, so a bad record fails the same way.
    if (dcb.ByteSize < 5 || dcb.ByteSize > 8 || dcb.Parity > SPACEPARITY ||
        dcb.StopBits > TWOSTOPBITS || dcb.BaudRate == 0)
        return false;
    std::lock_guard<std::mutex> lock(stateMutex_);
    dcb_ = dcb;
    dcb_.DCBlength = DCB_LENGTH;
    return true;
}

bool StreamDevice::PurgeQueues(uint32_t flags) {
    if (!(flags & PURGE_RXCLEAR)) return true;
    std::lock_guard<std::mutex> lock(aheadMutex_);
    ahead_.clear();
    if (noInput_.load()) return true;
    uint8_t discard[READ_AHEAD_SIZE];
    for (;;) {
        const ssize_t n = read(fd_, discard, sizeof discard);
        if (n > 0) continue;
        if (n == 0) return Failed(traits_.closedError);
        if (errno == EAGAIN || errno == EINTR) return true;
        if (RefusesReads(errno)) {
            noInput_.store(true);
            return true;
        }
        return Failed(errno);
    }
}

bool StreamDevice::TakeLineErrors(uint32_t* errors) {
    if (!errors) return false;
    *errors = 0;
    return true;
}

bool StreamDevice::ReadAheadLocked() {
    // A device that gives no input has nothing to read; once it has hung up, asking
    // for input fails as on any device that went, so no read waits on it.
    if (noInput_.load()) return !Vanished();
    if (ahead_.size() >= READ_AHEAD_SIZE) return true;
    uint8_t chunk[READ_AHEAD_SIZE];
    const size_t room = READ_AHEAD_SIZE - ahead_.size();
    const ssize_t n = read(fd_, chunk, room);
    if (n > 0) {
        ahead_.insert(ahead_.end(), chunk, chunk + n);
        return true;
    }
    if (n == 0) return Failed(traits_.closedError); // the other end closed
    if (errno == EAGAIN || errno == EINTR) return true;
    if (RefusesReads(errno)) {
        noInput_.store(true);
        return true;
    }
    return Failed(errno);
}

bool StreamDevice::InputQueued(uint32_t* count) {
    if (!count) return false;
    std::lock_guard<std::mutex> lock(aheadMutex_);
    if (!ReadAheadLocked() && ahead_.empty()) return false;
    *count = static_cast<uint32_t>(ahead_.size());
    return true;
}

bool StreamDevice::OutputQueued(uint32_t* count) {
    if (!count) return false;
    *count = 0;
    if (!traits_.socket) return !Vanished();
    int queued = 0;
    if (ioctl(fd_, TIOCOUTQ, &queued) != 0) return Failed(errno);
    *count = static_cast<uint32_t>(queued);
    return true;
}

bool StreamDevice::GetModemStatus(uint32_t* status) {
    if (!status) return false;
    *status = MS_CTS_ON;
    return true;
}

int StreamDevice::ReadSome(void* buffer, uint32_t length) {
    std::lock_guard<std::mutex> lock(aheadMutex_);
    if (ahead_.empty() && !ReadAheadLocked()) return IO_FAILED;
    const uint32_t n = std::min<uint32_t>(length, static_cast<uint32_t>(ahead_.size()));
    if (n == 0) return 0;
    std::memcpy(buffer, ahead_.data(), n);
    ahead_.erase(ahead_.begin(), ahead_.begin() + n);
    return static_cast<int>(n);
}

int StreamDevice::WriteSome(const void* buffer, uint32_t length) {
    const ssize_t n =
        traits_.socket ? send(fd_, buffer, length, MSG_NOSIGNAL) : write(fd_, buffer, length);
    if (n > 0) lastWrite_.store(static_cast<uint32_t>(n));
    if (n >= 0) return static_cast<int>(n);
    if (errno == EAGAIN || errno == EINTR) return 0;
    Failed(errno);
    return IO_FAILED;
}

bool StreamDevice::OwedAnswer() {
    int queued = 0;
    return traits_.peerSilence && !Vanished() && ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0;
}

uint32_t StreamDevice::Wait(uint32_t want, int timeoutMs) {
    if (!traits_.peerSilence) return WaitOnce(want, timeoutMs);
    // Keep-alive watches a connection with nothing outstanding; while bytes wait for
    // the peer, the wait looks now and then whether it still answers. A wait with no
    // limit looks too: bytes written meanwhile by another thread may be owed.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const bool owed = OwedAnswer();
        int slice = timeoutMs;
        if (timeoutMs > 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            slice = static_cast<int>(std::max<int64_t>(left.count(), 0));
        }
        if (slice < 0 || (owed && slice > PEER_CHECK_MS)) slice = PEER_CHECK_MS;
        const uint32_t ready = WaitOnce(want, slice);
        if (ready != 0) return ready;
        if (owed) {
            const int error = traits_.peerSilence(fd_);
            if (error != 0) {
                NoteError(error);
                MarkVanished(error);
                return IO_HANGUP;
            }
        }
        if (timeoutMs == 0 || (timeoutMs > 0 && std::chrono::steady_clock::now() >= deadline))
            return 0;
    }
}

uint32_t StreamDevice::SettleOutput(uint32_t budgetMs) {
    if (traits_.socket) return SerialDevice::SettleOutput(budgetMs);
    if (Vanished() || lastWrite_.load() == 0) return 0;
    short r = 0;
    PollWait(interruptFd_, wakeFd_, fd_, false, POLLOUT, static_cast<int>(budgetMs), &r);
    if (r & POLLOUT) return 0;
    if (r & (POLLERR | POLLHUP | POLLNVAL)) {
        MarkVanished(traits_.closedError);
        return 0;
    }
    return lastWrite_.load();
}

uint32_t StreamDevice::WaitOnce(uint32_t want, int timeoutMs) {
    if (want & IO_READABLE) {
        std::lock_guard<std::mutex> lock(aheadMutex_);
        if (!ahead_.empty()) return IO_READABLE;
    }
    short devEvents = 0;
    // A printer that gives no input is still watched for its hang-up (poll reports
    // POLLHUP and POLLERR whatever is asked; asking for POLLHUP only keeps the device
    // in the wait), or one pulled out while idle goes unnoticed until the next write.
    if (want & IO_READABLE) devEvents |= noInput_.load() ? POLLHUP : POLLIN;
    if (want & IO_WRITABLE) devEvents |= POLLOUT;
    short r = 0;
    uint32_t ready = PollWait(interruptFd_, wakeFd_, fd_, (want & IO_EVENT_WAKE) != 0, devEvents,
                              timeoutMs, &r);
    if (r & (POLLERR | POLLNVAL)) {
        int error = 0;
        socklen_t size = sizeof error;
        if (!traits_.socket || getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
            error = traits_.closedError;
        MarkVanished(error != 0 ? error : traits_.closedError);
        ready |= IO_HANGUP;
    } else if ((r & POLLHUP) && !(r & POLLIN)) {
        MarkVanished(traits_.closedError);
        ready |= IO_HANGUP;
    }
    if (r & POLLIN) ready |= IO_READABLE;
    if (r & POLLOUT) ready |= IO_WRITABLE;
    return ready;
}

void StreamDevice::Wake() {
    SignalEventFd(wakeFd_);
}

void StreamDevice::SignalInterrupt(bool on) {
    if (on)
        SignalEventFd(interruptFd_);
    else
        DrainEventFd(interruptFd_);
}

bool StreamDevice::Failed(int error) {
    NoteError(error);
    if (IsGoneError(error)) MarkVanished(error);
    return false;
}

std::unique_ptr<SerialDevice> MakeStreamDevice(int fd, StreamDevice::Traits traits, int* error) {
    int ignored = 0;
    int& cause = error ? *error : ignored;
    const int flags = fcntl(fd, F_GETFL);
    const int interruptFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    const int wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0 || interruptFd < 0 ||
        wakeFd < 0) {
        cause = errno;
        if (interruptFd >= 0) close(interruptFd);
        if (wakeFd >= 0) close(wakeFd);
        close(fd);
        return nullptr;
    }
    cause = 0;
    return std::make_unique<StreamDevice>(fd, interruptFd, wakeFd, traits);
}
