#include "console/TapSaving.h"

#include "console/RecordDecoder.h"
#include "printer/HexText.h"
#include "tap/CaptureFile.h"
#include "tap/CommandDecode.h"
#include "tap/Conversation.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

namespace tapsave {

namespace {

// The capture is read this much at a time (whole lines carried over).
constexpr size_t READ_PIECE = 256 * 1024;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Hands each piece of whole lines of the file to `take`; false when it cannot be read.
bool ReadLines(const std::string& path, const std::function<bool(std::string_view)>& take,
               files::Failure& failure) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        failure = {path + ": " + std::strerror(errno), false};
        return false;
    }
    std::string buffer;
    std::vector<char> piece(READ_PIECE);
    for (;;) {
        const size_t n = std::fread(piece.data(), 1, piece.size(), file.get());
        buffer.append(piece.data(), n);
        const bool end = n < piece.size();
        const size_t lastBreak = end ? buffer.size() : buffer.rfind('\n');
        if (lastBreak != std::string::npos && lastBreak > 0) {
            const size_t used = end ? buffer.size() : lastBreak + 1;
            if (!take(std::string_view(buffer).substr(0, used))) return false;
            buffer.erase(0, used);
        }
        if (end) break;
    }
    if (std::ferror(file.get()) != 0) {
        failure = {path + ": cannot be read", false};
        return false;
    }
    return true;
}

} // namespace

bool SaveCapture(const std::string& capture, const std::string& path, files::Failure& failure) {
    files::SaveTarget target;
    return target.Open(path, failure) && WriteCapture(capture, target, failure);
}

bool WriteCapture(const std::string& capture, files::SaveTarget& target, files::Failure& failure) {
    if (!ReadLines(capture, [&](std::string_view lines) { return target.Write(lines, failure); },
                   failure))
        return false;
    return target.Commit(failure);
}

bool SaveProgramRecords(const std::string& capture, const std::string& path, size_t& records,
                        files::Failure& failure) {
    records = 0;
    files::SaveTarget target;
    return target.Open(path, failure) && WriteProgramRecords(capture, target, records, failure);
}

bool WriteProgramRecords(const std::string& capture, files::SaveTarget& target, size_t& records,
                         files::Failure& failure) {
    records = 0;
    tap::CommandSplitter splitter;
    std::string out;
    const auto emit = [&](std::vector<uint8_t>&& piece) {
        const std::string hex = ToHexText(piece.data(), piece.size());
        out += records::FormatRecordsFile({hex});
        ++records;
    };
    // A command cut off where a program went is kept as it came: the records resend
    // exactly the bytes the program sent.
    const auto endOfProgram = [&] {
        splitter.FlushText(emit);
        if (splitter.HasUnfinished()) emit(splitter.TakeUnfinished());
    };
    const auto take = [&](std::string_view lines) {
        const tap::CaptureRead read = tap::ReadCapture(lines);
        if (!read.ok) {
            failure = {capture + ": not a capture file", true};
            return false;
        }
        for (const tap::CaptureEvent& e : read.events) {
            if (e.kind == '>') splitter.Feed(e.bytes.data(), e.bytes.size(), emit);
            else if (e.kind == '!' && e.text == tap::NOTE_PROGRAM_GONE) endOfProgram();
        }
        const bool written = target.Write(out, failure);
        out.clear();
        return written;
    };
    if (!ReadLines(capture, take, failure)) return false;
    endOfProgram();
    if (!target.Write(out, failure)) return false;
    return target.Commit(failure);
}

} // namespace tapsave
