// The device watcher on inotify: one descriptor, one watch per directory. Nothing
// wakes up unless a watched directory changes.
#include "serial/DeviceWatcher.h"

#include <array>
#include <cerrno>
#include <map>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Entries made, removed, renamed in or out, and permission or owner changes (a new
// device node gets its group and mode a moment after it appears).
constexpr uint32_t WATCH_EVENTS =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr size_t READ_CHUNK = 4096;

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

class InotifyWatcher final : public DeviceWatcher {
public:
    InotifyWatcher() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}
    ~InotifyWatcher() override {
        if (fd_ >= 0) ::close(fd_);
    }
    bool Ok() const { return fd_ >= 0; }

    size_t Watch(const std::vector<std::string>& dirs) override {
        for (const std::string& dir : dirs) {
            if (!IsDirectory(dir)) continue;
            // Adding the same directory again returns its existing watch.
            const int wd = ::inotify_add_watch(fd_, dir.c_str(), WATCH_EVENTS);
            if (wd >= 0) watched_[wd] = dir;
        }
        return watched_.size();
    }

    int ReadyDescriptor() const override { return fd_; }

    bool TakeChanges() override {
        bool changed = false;
        alignas(inotify_event) std::array<char, READ_CHUNK> buffer;
        for (;;) {
            const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                // A removed directory loses its watch; it is watched again when it is
                // made anew and Watch is called.
                if (event->mask & IN_IGNORED) watched_.erase(event->wd);
                changed = true;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return changed;
    }

private:
    int fd_;
    std::map<int, std::string> watched_;
};

} // namespace

std::unique_ptr<DeviceWatcher> DeviceWatcher::Create() {
    auto watcher = std::make_unique<InotifyWatcher>();
    if (!watcher->Ok()) return nullptr;
    return watcher;
}
