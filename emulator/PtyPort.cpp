// The only file of the virtual printer that speaks termios: it sets up its own
// pseudo-terminal the way a serial line to a printer behaves (raw, 8 bits).
#include "PtyPort.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace vprinter {

namespace {
constexpr int WRITE_WAIT_MS = 200; // how long a reply may wait for room in the host's queue
}

PtyPort::~PtyPort() {
    Close();
}

bool PtyPort::Open(std::string* error) {
    Close();
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        *error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    char name[128];
    if (ptsname_r(master_, name, sizeof name) != 0) {
        *error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        Close();
        return false;
    }
    slavePath_ = name;
    slaveHold_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveHold_ < 0) {
        *error = std::string("cannot open ") + name + ": " + std::strerror(errno);
        Close();
        return false;
    }
    termios line{};
    if (tcgetattr(slaveHold_, &line) == 0) {
        cfmakeraw(&line);
        line.c_cflag |= CLOCAL | CREAD;
        cfsetspeed(&line, B9600);
        tcsetattr(slaveHold_, TCSANOW, &line);
    }
    const int flags = fcntl(master_, F_GETFL);
    fcntl(master_, F_SETFL, flags | O_NONBLOCK);
    return true;
}

bool PtyPort::MakeLink(const std::string& linkPath, std::string* error) {
    struct stat info {};
    if (lstat(linkPath.c_str(), &info) == 0) {
        if (!S_ISLNK(info.st_mode)) {
            *error = linkPath + " exists and is not a symbolic link; left alone";
            return false;
        }
        ::unlink(linkPath.c_str());
    }
    if (::symlink(slavePath_.c_str(), linkPath.c_str()) != 0) {
        *error = "cannot link " + linkPath + ": " + std::strerror(errno);
        return false;
    }
    linkPath_ = linkPath;
    return true;
}

void PtyPort::Close() {
    if (!linkPath_.empty()) {
        // Only our own link goes: another printer may have taken the name since.
        char target[256];
        const ssize_t n = ::readlink(linkPath_.c_str(), target, sizeof target - 1);
        if (n > 0 && std::string(target, static_cast<size_t>(n)) == slavePath_)
            ::unlink(linkPath_.c_str());
        linkPath_.clear();
    }
    if (slaveHold_ >= 0) ::close(slaveHold_);
    if (master_ >= 0) ::close(master_);
    slaveHold_ = -1;
    master_ = -1;
}

bool PtyPort::HostHonoursXoff() const {
    termios line{};
    return slaveHold_ >= 0 && tcgetattr(slaveHold_, &line) == 0 && (line.c_iflag & IXON);
}

long PtyPort::Read(uint8_t* buffer, size_t size) {
    const ssize_t n = ::read(master_, buffer, size);
    if (n >= 0) return n;
    if (errno == EAGAIN || errno == EINTR) return 0;
    return -1;
}

size_t PtyPort::Write(const uint8_t* data, size_t length) {
    size_t sent = 0;
    while (sent < length) {
        const ssize_t n = ::write(master_, data + sent, length - sent);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) break;
        pollfd room{master_, POLLOUT, 0};
        if (::poll(&room, 1, WRITE_WAIT_MS) <= 0) break;
    }
    return sent;
}

} // namespace vprinter
