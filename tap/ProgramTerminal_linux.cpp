// The program's side on a pseudo-terminal: the tap holds the master, the program opens
// the slave (or the link to it) as its printer's port. The slave is not held open, so
// a program that closes its port shows as gone, and the terminal stays in place for
// its next run.
#include "serial/Termios2_linux.h"
#include "tap/TapEnd.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace tap {

namespace {

class ProgramTerminal : public TapEnd {
public:
    ProgramTerminal(int master, std::string slave, std::string link)
        : master_(master), slave_(std::move(slave)), link_(std::move(link)) {}
    ~ProgramTerminal() override {
        // Only our own link goes: a file put there since is left alone.
        char target[PATH_MAX];
        const ssize_t n = ::readlink(link_.c_str(), target, sizeof target - 1);
        if (n > 0 && std::string(target, static_cast<size_t>(n)) == slave_) ::unlink(link_.c_str());
        ::close(master_);
    }

    long Read(uint8_t* buffer, size_t length) override {
        const ssize_t n = ::read(master_, buffer, length);
        if (n > 0) return n;
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return 0;
        return FAILED; // EIO: the program has closed its port
    }
    long Write(const uint8_t* data, size_t length) override {
        // With no program on the port its bytes are dropped, as a closed port drops
        // what arrives: the terminal would keep them for the next program.
        if (NoProgram()) return FAILED;
        const ssize_t n = ::write(master_, data, length);
        if (n >= 0) return n;
        if (errno == EAGAIN || errno == EINTR) return 0;
        return FAILED;
    }
    uint32_t Wait(uint32_t want, int timeoutMs) override {
        pollfd p{master_, 0, 0};
        if ((want & READABLE) != 0) p.events |= POLLIN;
        if ((want & WRITABLE) != 0) p.events |= POLLOUT;
        if (::poll(&p, 1, timeoutMs) <= 0) return 0;
        uint32_t bits = 0;
        if ((p.revents & POLLIN) != 0) bits |= READABLE;
        if ((p.revents & POLLOUT) != 0) bits |= WRITABLE;
        if ((p.revents & (POLLHUP | POLLERR)) != 0) {
            bits |= GONE;
            DropUnread();
        }
        return bits;
    }
    bool CanComeBack() const override { return true; }
    std::optional<LineSettings> ProgramSettings() override {
        // The master reads back the settings the program made on the slave.
        termios t{};
        if (::tcgetattr(master_, &t) != 0) return std::nullopt;
        LineSettings s;
        uint32_t baud = 0;
        if (Termios2GetBaud(master_, &baud) && baud != 0) s.baud = baud;
        switch (t.c_cflag & CSIZE) {
        case CS5: s.dataBits = 5; break;
        case CS6: s.dataBits = 6; break;
        case CS7: s.dataBits = 7; break;
        default: s.dataBits = 8; break;
        }
        s.parity = (t.c_cflag & PARENB) == 0 ? 'N' : ((t.c_cflag & PARODD) != 0 ? 'O' : 'E');
        s.stopBits = (t.c_cflag & CSTOPB) != 0 ? 2 : 1;
        s.rtsCts = (t.c_cflag & CRTSCTS) != 0;
        s.xonXoff = (t.c_iflag & IXON) != 0;
        return s;
    }
    std::string Describe() const override { return "pty " + link_ + " (" + slave_ + ")"; }
    std::string Address() const override { return slave_; }

private:
    // The master reports a hang-up while no program has the terminal open (it was
    // opened once when made, so also before the first program).
    bool NoProgram() {
        pollfd p{master_, POLLOUT, 0};
        if (::poll(&p, 1, 0) <= 0 || (p.revents & POLLHUP) == 0) return false;
        DropUnread();
        return true;
    }
    // What was written for a program that has closed the port is not kept for the next.
    void DropUnread() { ::tcflush(master_, TCOFLUSH); }

    int master_;
    std::string slave_;
    std::string link_;
};

} // namespace

std::unique_ptr<TapEnd> MakeProgramTerminal(const std::string& linkPath, std::string& error) {
    struct stat st{};
    if (::lstat(linkPath.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        error = linkPath + " exists and is not a symbolic link; it is left alone";
        return nullptr;
    }
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        error = std::string("cannot make a pseudo-terminal: ") + std::strerror(errno);
        if (master >= 0) ::close(master);
        return nullptr;
    }
    const char* name = ::ptsname(master);
    const std::string slave = name != nullptr ? name : "";
    // Raw until the program sets its own: the bytes pass unchanged either way.
    termios t{};
    if (::tcgetattr(master, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(master, TCSANOW, &t);
    }
    // Opened and closed once, so the master says "no program" (a hang-up) until the
    // first program opens it, as it does between programs.
    const int once = slave.empty() ? -1 : ::open(slave.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (once >= 0) ::close(once);
    ::unlink(linkPath.c_str());
    if (slave.empty() || ::symlink(slave.c_str(), linkPath.c_str()) != 0) {
        error = "cannot make the link " + linkPath + ": " + std::strerror(errno);
        ::close(master);
        return nullptr;
    }
    return std::make_unique<ProgramTerminal>(master, slave, linkPath);
}

} // namespace tap
