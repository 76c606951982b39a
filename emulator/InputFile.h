#pragma once
// An input file read piece by piece, so a long one never sits in memory whole:
// `vprinter --input` and `talvane-cli render` and `decode` stream through it. A
// regular file can be read again from its start (a first pass checks a text file, a
// second prints it); standard input ("-"), a FIFO or a device is read once. No Qt.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vprinter {

class InputFile {
public:
    // A reading piece: big enough that the system calls cost nothing beside the work.
    static constexpr size_t PIECE = 64 * 1024;

    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Opens `path` ("-": standard input). False with the reason in `error`
    // ("missing.bin: No such file or directory", "out: Is a directory").
    bool Open(const std::string& path, std::string* error);
    // Up to `room` bytes into `into`; 0 at the end; -1 with the reason in `error`.
    long Read(uint8_t* into, size_t room, std::string* error);
    // Back to the start of a regular file; false for anything else.
    bool Rewind();
    bool Regular() const { return regular_; }
    // The name in messages: the path, or "standard input".
    const std::string& Shown() const { return shown_; }

private:
    int fd_ = -1;
    bool own_ = false;
    bool regular_ = false;
    std::string shown_;
};

} // namespace vprinter
