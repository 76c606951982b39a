#include "console/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <random>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace files {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// As the kernel's own limit on links followed in one path.
constexpr int MAX_LINK_HOPS = 40;
constexpr int TEMP_NAME_TRIES = 100;
constexpr milliseconds OPEN_RETRY{50};
constexpr size_t READ_CHUNK = size_t(64) << 10;
constexpr mode_t NEW_FILE_MODE = 0666; // the umask applies, as for any new file
constexpr mode_t MODE_BITS = 07777;

std::string SystemText(const std::string& path, int error) {
    return path + ": " + std::strerror(error);
}

Failure SystemFailure(const std::string& path, int error) {
    return {SystemText(path, error), false};
}

std::string Folder(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links from `path` to the node they end at (which need not exist yet:
// a dangling link names the file to make). `st` is that node's lstat, `exists` whether
// there is one.
bool FollowLinks(const std::string& path, std::string& target, struct stat& st, bool& exists,
                 Failure& failure) {
    target = path;
    for (int hop = 0;; ++hop) {
        if (::lstat(target.c_str(), &st) != 0) {
            if (errno != ENOENT) {
                failure = SystemFailure(path, errno);
                return false;
            }
            exists = false;
            return true;
        }
        exists = true;
        if (!S_ISLNK(st.st_mode)) return true;
        if (hop == MAX_LINK_HOPS) {
            failure = SystemFailure(path, ELOOP);
            return false;
        }
        std::string link(static_cast<size_t>(std::max<off_t>(st.st_size, 0)) + 1, '\0');
        ssize_t n = 0;
        // A link can change length between the lstat and the readlink: grow until it fits.
        while ((n = ::readlink(target.c_str(), link.data(), link.size())) ==
               static_cast<ssize_t>(link.size()))
            link.resize(link.size() * 2);
        if (n < 0) {
            failure = SystemFailure(path, errno);
            return false;
        }
        link.resize(static_cast<size_t>(n));
        target = (!link.empty() && link[0] == '/') ? link : Folder(target) + "/" + link;
    }
}

// Waits until `fd` is ready for `events` or `wait` is over; false on time-out or error.
bool WaitFor(int fd, short events, milliseconds wait) {
    pollfd p{fd, events, 0};
    const auto end = Clock::now() + wait;
    for (;;) {
        const auto left = std::chrono::duration_cast<milliseconds>(end - Clock::now());
        if (left.count() <= 0) return false;
        const int r = ::poll(&p, 1, static_cast<int>(left.count()));
        if (r > 0) return (p.revents & (events | POLLHUP | POLLERR)) != 0;
        if (r == 0) return false;
        if (errno != EINTR) return false;
    }
}

long WaitSeconds() {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(DEVICE_WAIT).count());
}

// A FIFO opened for writing without blocking fails with ENXIO until someone reads it.
int OpenFifo(const std::string& path, const std::string& shown, Failure& failure) {
    const auto end = Clock::now() + DEVICE_WAIT;
    for (;;) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) return fd;
        if (errno != ENXIO && errno != EINTR) {
            failure = SystemFailure(shown, errno);
            return -1;
        }
        if (Clock::now() >= end) {
            failure = {shown + " is a FIFO that nothing reads (waited " +
                           std::to_string(WaitSeconds()) + " s); nothing was written",
                       true};
            return -1;
        }
        std::this_thread::sleep_for(OPEN_RETRY);
    }
}

int ConnectSocket(const std::string& path, const std::string& shown, Failure& failure) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        failure = SystemFailure(shown, ENAMETOOLONG);
        return -1;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    int error = 0;
    for (const int type : {SOCK_STREAM, SOCK_SEQPACKET, SOCK_DGRAM}) {
        const int fd = ::socket(AF_UNIX, type | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (fd < 0) {
            error = errno;
            continue;
        }
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return fd;
        error = errno;
        if ((error == EINPROGRESS || error == EAGAIN) && WaitFor(fd, POLLOUT, DEVICE_WAIT)) {
            int soError = 0;
            socklen_t length = sizeof soError;
            if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &length) == 0 && soError == 0)
                return fd;
            error = soError != 0 ? soError : error;
        }
        ::close(fd);
        if (error != EPROTOTYPE) break; // the socket is there but will not take us
    }
    failure = SystemFailure(shown, error);
    return -1;
}

// Whether `path` (a regular file, `st` its lstat) may be replaced by a rename: the folder
// takes new names from this user, a sticky folder (as /tmp) lets the user remove this
// file, and the replacement can keep the file's owner. Otherwise it is written in place,
// as the shell would.
bool MayReplace(const std::string& path, const struct stat& st) {
    const std::string folder = Folder(path);
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) return false;
    const uid_t user = ::geteuid();
    if (user == 0) return true;
    struct stat dir {};
    if (::stat(folder.c_str(), &dir) != 0) return false;
    if ((dir.st_mode & S_ISVTX) != 0 && st.st_uid != user && dir.st_uid != user) return false;
    return st.st_uid == user;
}

std::string TempName(const std::string& final) {
    static thread_local std::mt19937 random(std::random_device{}());
    static constexpr char DIGITS[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name = final + ".";
    for (int i = 0; i < 6; ++i) name += DIGITS[random() % (sizeof DIGITS - 1)];
    return name;
}

} // namespace

SaveTarget::~SaveTarget() {
    Discard();
}

void SaveTarget::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    // Only the temporary file this save made is ever removed.
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

bool SaveTarget::Open(const std::string& path, Failure& failure) {
    Discard();
    shown_ = path;
    inPlace_ = false;
    regularInPlace_ = false;
    written_ = 0;
    struct stat st {};
    bool exists = false;
    if (path.empty()) {
        failure = SystemFailure(path, ENOENT);
        return false;
    }
    if (!FollowLinks(path, final_, st, exists, failure)) return false;
    if (exists && !S_ISREG(st.st_mode)) {
        if (S_ISDIR(st.st_mode)) {
            failure = {path + " is a folder, not a file", true};
            return false;
        }
        if (S_ISBLK(st.st_mode)) {
            failure = {path + " is a block device (a disk); nothing was written", true};
            return false;
        }
        inPlace_ = true;
        if (S_ISFIFO(st.st_mode))
            fd_ = OpenFifo(final_, path, failure);
        else if (S_ISSOCK(st.st_mode))
            fd_ = ConnectSocket(final_, path, failure);
        else {
            fd_ = ::open(final_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
            if (fd_ < 0) failure = SystemFailure(path, errno);
        }
        return fd_ >= 0;
    }
    // As the shell's ">" would: a file the user may not write is refused (root may), and
    // a name not taken yet needs a folder the user may write in.
    if (exists && ::faccessat(AT_FDCWD, final_.c_str(), W_OK, AT_EACCESS) != 0) {
        failure = SystemFailure(path, errno);
        return false;
    }
    if (exists && !MayReplace(final_, st)) return OpenInPlace(failure);
    // Beside the target, so that the rename stays on one file system.
    for (int attempt = 0; attempt < TEMP_NAME_TRIES && fd_ < 0; ++attempt) {
        const std::string name = TempName(final_);
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                     NEW_FILE_MODE);
        if (fd_ >= 0)
            temp_ = name;
        else if (errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        failure = SystemFailure(path, errno);
        return false;
    }
    if (exists) {
        // The replaced file keeps its mode, and its owner where that may be given.
        (void)::fchmod(fd_, st.st_mode & MODE_BITS);
        if (::geteuid() == 0) (void)::fchown(fd_, st.st_uid, st.st_gid);
    }
    return true;
}

bool SaveTarget::OpenInPlace(Failure& failure) {
    // Not truncated yet: a save given up before its first write leaves the file whole.
    fd_ = ::open(final_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        failure = SystemFailure(shown_, errno);
        return false;
    }
    inPlace_ = true;
    regularInPlace_ = true;
    return true;
}

bool SaveTarget::Write(std::string_view data, Failure& failure) {
    if (fd_ < 0) {
        failure = SystemFailure(shown_, EBADF);
        return false;
    }
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd_, data.data() + done, data.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            written_ += static_cast<uint64_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd_, POLLOUT, DEVICE_WAIT))
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            failure = SystemFailure(shown_, errno);
        } else {
            failure = {shown_ + " took no data for " + std::to_string(WaitSeconds()) + " s (" +
                           std::to_string(done) + " of " + std::to_string(data.size()) +
                           " bytes written)",
                       true};
        }
        Discard();
        return false;
    }
    return true;
}

bool SaveTarget::Commit(Failure& failure) {
    if (fd_ < 0) {
        failure = SystemFailure(shown_, EBADF);
        return false;
    }
    // A file written in place ends where this save ended: what is left of the old one goes.
    if (regularInPlace_ && (::ftruncate(fd_, static_cast<off_t>(written_)) != 0 || ::fsync(fd_) != 0)) {
        const int error = errno;
        Discard();
        failure = SystemFailure(shown_, error);
        return false;
    }
    if (inPlace_) {
        const int closed = ::close(fd_);
        fd_ = -1;
        if (closed != 0 && errno != EINTR) {
            failure = SystemFailure(shown_, errno);
            return false;
        }
        return true;
    }
    if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
        const int error = errno;
        fd_ = -1;
        Discard();
        failure = SystemFailure(shown_, error);
        return false;
    }
    fd_ = -1;
    if (::rename(temp_.c_str(), final_.c_str()) != 0) {
        const int error = errno;
        Discard();
        failure = SystemFailure(shown_, error);
        return false;
    }
    temp_.clear();
    return true;
}

bool SaveFile(const std::string& path, std::string_view content, Failure& failure) {
    SaveTarget target;
    return target.Open(path, failure) && target.Write(content, failure) && target.Commit(failure);
}

bool IsSpecialNode(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
}

ReadStatus ReadBounded(const std::string& path, size_t limit, milliseconds wait,
                       std::string& content, Failure& failure) {
    content.clear();
    const bool input = path == "-";
    const std::string shown = input ? std::string("standard input") : path;
    const bool bounded = wait.count() > 0;
    const int fd = input ? STDIN_FILENO
                         : ::open(path.c_str(),
                                  O_RDONLY | O_NOCTTY | O_CLOEXEC | (bounded ? O_NONBLOCK : 0));
    if (fd < 0) {
        failure = SystemFailure(shown, errno);
        return ReadStatus::Failed;
    }
    struct Closer {
        int fd;
        bool own;
        ~Closer() {
            if (own) ::close(fd);
        }
    } closer{fd, !input};
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        failure = {shown + " is a folder, not a file", true};
        return ReadStatus::Failed;
    }
    // The reported size is only a hint (0 for a FIFO or a device): the reading itself
    // stops one byte past the limit.
    if (S_ISREG(st.st_mode) && static_cast<uint64_t>(st.st_size) > limit) {
        failure = {shown + " is larger than " + std::to_string(limit) + " bytes", true};
        return ReadStatus::TooLarge;
    }
    if (S_ISREG(st.st_mode)) content.reserve(static_cast<size_t>(st.st_size));
    for (;;) {
        const size_t room = std::min(READ_CHUNK, limit + 1 - content.size());
        const size_t at = content.size();
        content.resize(at + room);
        const ssize_t n = ::read(fd, content.data() + at, room);
        content.resize(at + static_cast<size_t>(std::max<ssize_t>(n, 0)));
        if (n == 0) return ReadStatus::Read;
        if (n > 0) {
            if (content.size() > limit) {
                content.clear();
                content.shrink_to_fit();
                failure = {shown + " is larger than " + std::to_string(limit) + " bytes", true};
                return ReadStatus::TooLarge;
            }
            continue;
        }
        if (errno == EINTR) continue;
        if ((errno == EAGAIN || errno == EWOULDBLOCK) && bounded) {
            if (WaitFor(fd, POLLIN, wait)) continue;
            failure = {shown + " sent no data for " +
                           std::to_string(std::chrono::duration_cast<std::chrono::seconds>(wait).count()) +
                           " s; nothing was read",
                       true};
        } else {
            failure = SystemFailure(shown, errno);
        }
        content.clear();
        return ReadStatus::Failed;
    }
}

} // namespace files
