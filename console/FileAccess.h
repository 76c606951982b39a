#pragma once
// How every file the operator names is saved and read: the records' and the send
// panel's Save, talvane-cli's --record; the records' and the send panel's Import,
// "Send text" and talvane-cli's input files. No Qt.
//
// Saving:
// - a regular file, or a name not taken yet, is written beside the target and renamed
//   over it only when complete, so a failed save leaves the old file as it was;
// - permissions count as they do for the shell's ">": a file the user may not write is
//   refused (root may write it); a file the user may write but not replace (its folder
//   is locked, a sticky folder, another user's file) is written in place, keeping its
//   owner and mode;
// - a symbolic link is followed to its target, which is replaced that way; the link stays;
// - a character device, FIFO or socket is written into as it is: it is never created,
//   renamed over or removed (a rename over /dev/null would replace the machine's
//   /dev/null with a file). A FIFO nobody reads, or a device that takes no data, is
//   given up after a bounded wait;
// - a folder or a block device is refused.
// Reading takes at most a limit (a FIFO or a device reports no size) and refuses more.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace files {

// How long a save waits for a FIFO's reader or for a device to take data, and how long a
// bounded read waits for a FIFO or device that sends nothing.
inline constexpr std::chrono::milliseconds DEVICE_WAIT{3000};

// Why a save or read failed: `refused` when the rule above turned the target down (a
// folder, a FIFO nobody reads, ...), as opposed to the system failing a call.
struct Failure {
    std::string text; // "<path> is a folder, not a file", "<path>: Permission denied"
    bool refused = false;
};

class SaveTarget {
public:
    SaveTarget() = default;
    ~SaveTarget(); // an uncommitted save removes its own temporary file, nothing else
    SaveTarget(const SaveTarget&) = delete;
    SaveTarget& operator=(const SaveTarget&) = delete;

    // Gets `path` ready: the temporary file beside a regular target is made, a device,
    // FIFO or socket is opened. False (and nothing changed) when it cannot be written.
    bool Open(const std::string& path, Failure& failure);
    // Appends `data`.
    bool Write(std::string_view data, Failure& failure);
    // Puts the file in place (a regular target) or closes the node.
    bool Commit(Failure& failure);
    // Whether the target is written into as it is (device, FIFO, socket, or a regular
    // file that may be written but not replaced).
    bool InPlace() const { return inPlace_; }

private:
    void Discard();
    bool OpenInPlace(Failure& failure);

    std::string shown_;  // the path as the operator gave it
    std::string final_;  // the path written, links followed
    std::string temp_;   // the temporary file beside a regular target
    int fd_ = -1;
    bool inPlace_ = false;
    bool regularInPlace_ = false; // cut to what this save wrote when committed
    uint64_t written_ = 0;
};

// Open, Write and Commit in one.
bool SaveFile(const std::string& path, std::string_view content, Failure& failure);

// Whether `path` names an existing node (links followed) that is not a regular file. Such
// a name is taken as it is: no file extension is added to it.
bool IsSpecialNode(const std::string& path);

enum class ReadStatus { Read, TooLarge, Failed };

// Reads the whole of `path` ("-" reads standard input) up to `limit` bytes; one byte more
// is TooLarge and nothing is kept. With a `wait` above zero, a FIFO or device is read
// without blocking: no writer is an empty file, and `wait` without data gives up; with
// zero it is read as long as it takes (a pipe into a command-line tool).
ReadStatus ReadBounded(const std::string& path, size_t limit, std::chrono::milliseconds wait,
                       std::string& content, Failure& failure);

} // namespace files
