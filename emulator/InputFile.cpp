#include "emulator/InputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vprinter {

InputFile::~InputFile() {
    if (own_ && fd_ >= 0) ::close(fd_);
}

bool InputFile::Open(const std::string& path, std::string* error) {
    const bool standardInput = path == "-";
    shown_ = standardInput ? "standard input" : path;
    const int fd = standardInput ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = shown_ + ": " + std::strerror(errno);
        return false;
    }
    fd_ = fd;
    own_ = !standardInput;
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        *error = shown_ + ": " + std::strerror(errno);
        return false;
    }
    // A folder opens for reading, and fails only at the first read.
    if (S_ISDIR(st.st_mode)) {
        *error = shown_ + ": " + std::strerror(EISDIR);
        return false;
    }
    regular_ = S_ISREG(st.st_mode);
    return true;
}

long InputFile::Read(uint8_t* into, size_t room, std::string* error) {
    for (;;) {
        const ssize_t n = ::read(fd_, into, room);
        if (n >= 0) return static_cast<long>(n);
        if (errno == EINTR) continue;
        *error = shown_ + ": " + std::strerror(errno);
        return -1;
    }
}

bool InputFile::Rewind() {
    return regular_ && ::lseek(fd_, 0, SEEK_SET) == 0;
}

} // namespace vprinter
