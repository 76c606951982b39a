// The POSIX back end: a device file in raw mode, non-blocking, with poll() for the
// waits. Rates go through termios2 (Termios2_linux.cpp).
#include "serial/PollWait_unix.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

#include "serial/SerialPlatform.h"
#include "serial/Termios2_linux.h"
#include "serial/LineCounters.h"

namespace {

bool IsGoneError(int error) {
    return error == EIO || error == ENXIO || error == ENODEV;
}

// The device numbers of pseudo-terminal slaves (/dev/pts/<n>).
constexpr unsigned PTY_SLAVE_MAJOR_FIRST = 136;
constexpr unsigned PTY_SLAVE_MAJOR_COUNT = 8;

bool IsPseudoTerminal(int fd) {
    struct stat st{};
    if (fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) return false;
    const unsigned kind = major(st.st_rdev);
    return kind >= PTY_SLAVE_MAJOR_FIRST && kind < PTY_SLAVE_MAJOR_FIRST + PTY_SLAVE_MAJOR_COUNT;
}

tcflag_t ByteSizeFlag(uint8_t size) {
    switch (size) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

uint8_t ByteSizeOf(tcflag_t cflag) {
    switch (cflag & CSIZE) {
    case CS5:
        return 5;
    case CS6:
        return 6;
    case CS7:
        return 7;
    default:
        return 8;
    }
}

class UnixSerialDevice final : public SerialDevice {
public:
    UnixSerialDevice(int fd, int interruptFd, int wakeFd)
        : fd_(fd), interruptFd_(interruptFd), wakeFd_(wakeFd) {
        LineCounts counts;
        hasCounters_ = ReadCounts(&counts);
        if (hasCounters_) counters_.Seed(counts);
        int lines = 0;
        hasModemLines_ = ioctl(fd_, TIOCMGET, &lines) == 0;
        modemLines_ = lines;
        pseudoTerminal_ = IsPseudoTerminal(fd_);
    }

    ~UnixSerialDevice() override {
        // The exclusive-open flag outlives this descriptor on the tty; left set, every
        // later open by an ordinary user would fail with EBUSY.
        ioctl(fd_, TIOCNXCL);
        flock(fd_, LOCK_UN);
        close(fd_);
        close(interruptFd_);
        close(wakeFd_);
    }

    bool GetState(DCB* dcb) override {
        termios tio{};
        uint32_t baud = 0;
        if (!dcb || tcgetattr(fd_, &tio) != 0 || !Termios2GetBaud(fd_, &baud)) return Failed();
        std::memset(dcb, 0, sizeof *dcb);
        dcb->DCBlength = DCB_LENGTH;
        dcb->BaudRate = baud;
        dcb->fBinary = 1;
        dcb->fParity = (tio.c_iflag & INPCK) ? 1 : 0;
        const bool cts = (tio.c_cflag & CRTSCTS) != 0;
        dcb->fOutxCtsFlow = cts ? 1 : 0;
        ReadControlLines(cts, dcb);
        dcb->fOutX = (tio.c_iflag & IXON) ? 1 : 0;
        dcb->fInX = (tio.c_iflag & IXOFF) ? 1 : 0;
        dcb->XonChar = static_cast<char>(tio.c_cc[VSTART]);
        dcb->XoffChar = static_cast<char>(tio.c_cc[VSTOP]);
        dcb->ByteSize = ByteSizeOf(tio.c_cflag);
        if (!(tio.c_cflag & PARENB))
            dcb->Parity = NOPARITY;
        else if (tio.c_cflag & CMSPAR)
            dcb->Parity = (tio.c_cflag & PARODD) ? MARKPARITY : SPACEPARITY;
        else
            dcb->Parity = (tio.c_cflag & PARODD) ? ODDPARITY : EVENPARITY;
        dcb->StopBits = (tio.c_cflag & CSTOPB) ? TWOSTOPBITS : ONESTOPBIT;
        return true;
    }

    bool SetState(const DCB& dcb) override {
        if (dcb.ByteSize < 5 || dcb.ByteSize > 8 || dcb.Parity > SPACEPARITY ||
            dcb.StopBits > TWOSTOPBITS || dcb.BaudRate == 0)
            return false;
        termios tio{};
        if (tcgetattr(fd_, &tio) != 0) return Failed();
        cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
        tio.c_cflag |= ByteSizeFlag(dcb.ByteSize);
        switch (dcb.Parity) {
        case ODDPARITY:
            tio.c_cflag |= PARENB | PARODD;
            break;
        case EVENPARITY:
            tio.c_cflag |= PARENB;
            break;
        case MARKPARITY:
            tio.c_cflag |= PARENB | CMSPAR | PARODD;
            break;
        case SPACEPARITY:
            tio.c_cflag |= PARENB | CMSPAR;
            break;
        default:
            break;
        }
        if (dcb.StopBits != ONESTOPBIT) tio.c_cflag |= CSTOPB;
        if (dcb.fOutxCtsFlow || dcb.fRtsControl == RTS_CONTROL_HANDSHAKE) tio.c_cflag |= CRTSCTS;
        // IXANY stays off: a status byte from the printer must not restart output
        // that XOFF stopped.
        tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
        if (dcb.fParity) tio.c_iflag |= INPCK;
        if (dcb.fOutX) tio.c_iflag |= IXON;
        if (dcb.fInX) tio.c_iflag |= IXOFF;
        if (dcb.XonChar != dcb.XoffChar) {
            tio.c_cc[VSTART] = static_cast<cc_t>(dcb.XonChar);
            tio.c_cc[VSTOP] = static_cast<cc_t>(dcb.XoffChar);
        }
        tio.c_cc[VMIN] = 1; // with 0, an empty non-blocking read returns 0 like a hang-up
        tio.c_cc[VTIME] = 0;
        if (tcsetattr(fd_, TCSANOW, &tio) != 0) return Failed();
        if (!Termios2SetBaud(fd_, dcb.BaudRate)) return Failed();
        return DriveControlLines(dcb);
    }

    bool SetQueueSizes(uint32_t, uint32_t) override { return true; }

    bool PurgeQueues(uint32_t flags) override {
        const bool in = flags & PURGE_RXCLEAR;
        const bool out = flags & PURGE_TXCLEAR;
        if (!in && !out) return true; // transfers are never left pending here
        return tcflush(fd_, in && out ? TCIOFLUSH : (in ? TCIFLUSH : TCOFLUSH)) == 0 || Failed();
    }

    bool TakeLineErrors(uint32_t* errors) override {
        if (!errors) return false;
        *errors = 0;
        // Without the driver's counters there are no line errors to report.
        if (!hasCounters_) return true;
        LineCounts now;
        if (!ReadCounts(&now)) return Failed();
        *errors = counters_.TakeErrors(now);
        return true;
    }

    // A pseudo-terminal's queue count stays 0 while its other end has not read: what
    // was written waits there unseen.
    bool HidesOutputQueue() const override { return pseudoTerminal_; }

    bool InputQueued(uint32_t* count) override { return Queue(TIOCINQ, count); }
    bool OutputQueued(uint32_t* count) override { return Queue(TIOCOUTQ, count); }

    bool GetModemStatus(uint32_t* status) override {
        if (!status) return false;
        // A device without modem lines (a pseudo-terminal) has no CTS to wait for:
        // reading that as CTS off would hold RTS/CTS output back for ever.
        if (!hasModemLines_) {
            *status = MS_CTS_ON;
            return true;
        }
        int lines = 0;
        if (ioctl(fd_, TIOCMGET, &lines) != 0) return Failed();
        *status = ModemBits(lines);
        return true;
    }

    bool ClearBreak() override { return ioctl(fd_, TIOCCBRK) == 0 || Failed(); }

    int ReadSome(void* buffer, uint32_t length) override {
        const ssize_t n = read(fd_, buffer, length);
        if (n > 0) return static_cast<int>(n);
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
        // 0 on a non-blocking terminal is the hang-up's end of file.
        MarkVanished(n < 0 ? errno : EIO);
        return IO_FAILED;
    }

    int WriteSome(const void* buffer, uint32_t length) override {
        const ssize_t n = write(fd_, buffer, length);
        if (n >= 0) return static_cast<int>(n);
        if (errno == EAGAIN || errno == EINTR) return 0;
        Failed();
        return IO_FAILED;
    }

    uint32_t Wait(uint32_t want, int timeoutMs) override {
        short devEvents = 0;
        if (want & IO_READABLE) devEvents |= POLLIN;
        if (want & IO_WRITABLE) devEvents |= POLLOUT;
        short r = 0;
        uint32_t ready = PollWait(interruptFd_, wakeFd_, fd_, (want & IO_EVENT_WAKE) != 0,
                                  devEvents, timeoutMs, &r);
        if (r & (POLLHUP | POLLERR | POLLNVAL)) {
            MarkVanished();
            ready |= IO_HANGUP;
        }
        if (r & POLLIN) ready |= IO_READABLE;
        if (r & POLLOUT) ready |= IO_WRITABLE;
        return ready;
    }

    void Wake() override { SignalEventFd(wakeFd_); }

    void SignalInterrupt(bool on) override {
        if (on)
            SignalEventFd(interruptFd_);
        else
            DrainEventFd(interruptFd_);
    }

    bool WatchesLineEvents() const override { return hasCounters_ || hasModemLines_; }

    uint32_t TakeLineEvents() override {
        uint32_t events = 0;
        if (hasModemLines_) {
            int lines = 0;
            if (ioctl(fd_, TIOCMGET, &lines) == 0) {
                const int changed = lines ^ modemLines_;
                modemLines_ = lines;
                if (changed & TIOCM_CTS) events |= EV_CTS;
                if (changed & TIOCM_DSR) events |= EV_DSR;
                if (changed & TIOCM_CD) events |= EV_RLSD;
                if ((changed & TIOCM_RNG) && !(lines & TIOCM_RNG)) events |= EV_RING;
            }
        }
        if (hasCounters_) {
            LineCounts now;
            if (ReadCounts(&now)) events |= counters_.TakeEvents(now);
        }
        return events;
    }

private:
    bool ReadCounts(LineCounts* counts) {
        serial_icounter_struct now{};
        if (ioctl(fd_, TIOCGICOUNT, &now) != 0) return false;
        counts->brk = static_cast<uint32_t>(now.brk);
        counts->frame = static_cast<uint32_t>(now.frame);
        counts->parity = static_cast<uint32_t>(now.parity);
        counts->overrun = static_cast<uint32_t>(now.overrun);
        counts->bufOverrun = static_cast<uint32_t>(now.buf_overrun);
        return true;
    }

    static uint32_t ModemBits(int lines) {
        uint32_t status = 0;
        if (lines & TIOCM_CTS) status |= MS_CTS_ON;
        if (lines & TIOCM_DSR) status |= MS_DSR_ON;
        if (lines & TIOCM_RNG) status |= MS_RING_ON;
        if (lines & TIOCM_CD) status |= MS_RLSD_ON;
        return status;
    }

    bool Queue(unsigned long request, uint32_t* count) {
        int queued = 0;
        if (!count || ioctl(fd_, request, &queued) != 0) return Failed();
        *count = static_cast<uint32_t>(queued);
        return true;
    }

    // Notes the error and a vanished device; always false, so it can end a failing
    // query.
    bool Failed() {
        const int error = errno;
        NoteError(error);
        if (IsGoneError(error)) MarkVanished(error);
        return false;
    }

    // DTR and RTS as the record asks. RTS under RTS/CTS flow is the driver's
    // (CRTSCTS); RTS_CONTROL_TOGGLE has no driver support and is driven like ENABLE.
    // DTR_CONTROL_HANDSHAKE has no driver support either: DTR is raised. A device
    // without modem lines drives nothing and only keeps the request, so a record
    // read back and applied again stays the same.
    bool DriveControlLines(const DCB& dcb) {
        dtrControl_ = dcb.fDtrControl;
        rtsControl_ = dcb.fRtsControl;
        if (!hasModemLines_) return true;
        int raise = 0;
        int lower = 0;
        (dcb.fDtrControl == DTR_CONTROL_DISABLE ? lower : raise) |= TIOCM_DTR;
        const bool handshake = dcb.fOutxCtsFlow || dcb.fRtsControl == RTS_CONTROL_HANDSHAKE;
        if (!handshake) (dcb.fRtsControl == RTS_CONTROL_DISABLE ? lower : raise) |= TIOCM_RTS;
        if (raise && ioctl(fd_, TIOCMBIS, &raise) != 0) return Failed();
        if (lower && ioctl(fd_, TIOCMBIC, &lower) != 0) return Failed();
        return true;
    }

    // The lines as they are where the device has them; the last request otherwise.
    void ReadControlLines(bool ctsFlow, DCB* dcb) {
        int lines = 0;
        if (hasModemLines_ && ioctl(fd_, TIOCMGET, &lines) == 0) {
            dcb->fDtrControl = (lines & TIOCM_DTR) ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
            if (ctsFlow)
                dcb->fRtsControl = RTS_CONTROL_HANDSHAKE;
            else
                dcb->fRtsControl = (lines & TIOCM_RTS) ? RTS_CONTROL_ENABLE : RTS_CONTROL_DISABLE;
            return;
        }
        dcb->fDtrControl = dtrControl_.load();
        dcb->fRtsControl = ctsFlow ? RTS_CONTROL_HANDSHAKE : rtsControl_.load();
    }

    int fd_;
    int interruptFd_;
    int wakeFd_;
    bool hasCounters_ = false;
    bool hasModemLines_ = false;
    bool pseudoTerminal_ = false;
    int modemLines_ = 0;
    // The DTR and RTS control last asked for (the device opens with both raised).
    std::atomic<uint32_t> dtrControl_{DTR_CONTROL_ENABLE};
    std::atomic<uint32_t> rtsControl_{RTS_CONTROL_ENABLE};
    LineCounters counters_;
};

} // namespace

std::unique_ptr<SerialDevice> OpenSerialDevice(const std::string& path, bool /*overlapped*/,
                                               int* error) {
    // Every transfer is non-blocking with poll(); overlapped and synchronous use
    // differ only above this layer.
    switch (KindOfPath(path)) {
    case PortKind::Network: {
        const auto address = ParseNetworkAddress(path);
        if (!address) {
            if (error) *error = EINVAL;
            return nullptr;
        }
        return OpenNetworkDevice(*address, NETWORK_CONNECT_TIMEOUT_MS, error);
    }
    case PortKind::UsbPrinter:
        return OpenPrinterClassDevice(path, error);
    case PortKind::Serial:
        break;
    }
    return OpenTerminalDevice(path, error);
}

std::unique_ptr<SerialDevice> OpenTerminalDevice(const std::string& path, int* error) {
    int ignored = 0;
    int& cause = error ? *error : ignored;
    cause = 0;
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        cause = errno;
        return nullptr;
    }
    auto refuse = [&](int why) {
        cause = why;
        close(fd);
        return nullptr;
    };
    if (!isatty(fd)) return refuse(ENOTTY);
    // TIOCEXCL keeps other programs out; flock also catches a second open by a
    // privileged user or by this process. A lock held elsewhere is the port being
    // busy, whatever word flock uses for it.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) return refuse(errno == EWOULDBLOCK ? EBUSY : errno);
    if (ioctl(fd, TIOCEXCL) != 0) {
        const int why = errno;
        flock(fd, LOCK_UN);
        return refuse(why);
    }
    termios tio{};
    if (tcgetattr(fd, &tio) == 0) {
        cfmakeraw(&tio);
        tio.c_cflag |= CLOCAL | CREAD;
        tio.c_iflag &= ~IXANY;
        tio.c_cc[VMIN] = 1; // with 0, an empty non-blocking read returns 0 like a hang-up
        tio.c_cc[VTIME] = 0;
        tcsetattr(fd, TCSANOW, &tio);
    }
    const int interruptFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    const int wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (interruptFd < 0 || wakeFd < 0) {
        const int why = errno;
        if (interruptFd >= 0) close(interruptFd);
        if (wakeFd >= 0) close(wakeFd);
        ioctl(fd, TIOCNXCL);
        flock(fd, LOCK_UN);
        return refuse(why);
    }
    return std::make_unique<UnixSerialDevice>(fd, interruptFd, wakeFd);
}
