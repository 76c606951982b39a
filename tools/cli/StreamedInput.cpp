#include "tools/cli/StreamedInput.h"

#include "console/RecordDecoder.h"
#include "printer/HexText.h"
#include "tap/CaptureFile.h"
#include "tools/cli/Texts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <cstring>

namespace cli {

namespace {

// What is not a regular file is held whole: no more than this.
constexpr size_t HELD_INPUT_LIMIT = size_t(64) << 20;
constexpr std::string_view RECORDS_COMMENT = "//";

std::string_view Trimmed(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

// A first line that says "records file": what its reader takes with bytes in it, a
// comment alone, or hex digits and blanks before a comment (with a typo among them).
bool LooksLikeRecords(std::string_view line) {
    const records::ImportResult read = records::ParseRecordsFile(line);
    if (read.ok && !read.records.empty()) return true;
    const size_t comment = line.find(RECORDS_COMMENT);
    if (comment == std::string_view::npos) return false;
    const std::string_view part = line.substr(0, comment);
    return std::all_of(part.begin(), part.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) || c == ' ' || c == '\t';
    });
}

} // namespace

bool StreamedInput::ReadFailed(const std::string& reason, std::string& error) const {
    error = Fill(QCoreApplication::translate("cli", "cannot read %1"), {reason});
    return false;
}

bool StreamedInput::Open(const std::string& path, std::string& error) {
    shown_ = path == "-" ? Fill(QCoreApplication::translate("cli", "standard input")) : path;
    std::string reason;
    if (!file_.Open(path, &reason)) return ReadFailed(reason, error);
    if (file_.Regular()) {
        start_.resize(vprinter::InputFile::PIECE);
        const long got = file_.Read(start_.data(), start_.size(), &reason);
        if (got < 0) return ReadFailed(reason, error);
        start_.resize(static_cast<size_t>(got));
        return true;
    }
    // Read once: kept whole, so it can be checked before it is printed.
    whole_ = true;
    for (;;) {
        const size_t at = start_.size();
        start_.resize(at + vprinter::InputFile::PIECE);
        const long got = file_.Read(start_.data() + at, vprinter::InputFile::PIECE, &reason);
        if (got < 0) return ReadFailed(reason, error);
        start_.resize(at + static_cast<size_t>(got));
        if (got == 0) return true;
        if (start_.size() > HELD_INPUT_LIMIT) {
            error = Fill(QCoreApplication::translate("cli", "%1 is larger than 64 MiB; refused"),
                         {shown_});
            return false;
        }
    }
}

InputKind StreamedInput::Kind(bool raw) const {
    if (raw) return InputKind::Raw;
    const std::string_view text(reinterpret_cast<const char*>(start_.data()), start_.size());
    if (tap::IsCapture(text)) return InputKind::Capture;
    for (std::string_view rest = text; !rest.empty();) {
        const size_t end = rest.find('\n');
        const std::string_view line = Trimmed(rest.substr(0, end));
        if (end == std::string_view::npos && start_.size() == vprinter::InputFile::PIECE && !whole_)
            return InputKind::Raw; // a first line longer than a piece is no records line
        if (!line.empty()) return LooksLikeRecords(line) ? InputKind::Records : InputKind::Raw;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return InputKind::Raw;
}

bool StreamedInput::ForEachPiece(const Piece& piece, std::string& error) {
    if (whole_) {
        if (!start_.empty()) piece(start_.data(), start_.size());
        return true;
    }
    std::string reason;
    if (!file_.Rewind()) return ReadFailed(file_.Shown(), error);
    std::vector<uint8_t> buffer(vprinter::InputFile::PIECE);
    for (;;) {
        const long got = file_.Read(buffer.data(), buffer.size(), &reason);
        if (got < 0) return ReadFailed(reason, error);
        if (got == 0) return true;
        piece(buffer.data(), static_cast<size_t>(got));
    }
}

bool StreamedInput::ForEachLine(const Line& line, std::string& error) {
    std::string partial;
    size_t number = 0;
    bool going = true;
    const bool read = ForEachPiece(
        [&](const uint8_t* data, size_t length) {
            const char* text = reinterpret_cast<const char*>(data);
            size_t from = 0;
            while (going && from < length) {
                const char* end = static_cast<const char*>(std::memchr(text + from, '\n', length - from));
                if (end == nullptr) {
                    partial.append(text + from, length - from);
                    return;
                }
                const size_t to = static_cast<size_t>(end - text);
                if (partial.empty()) {
                    going = line(std::string_view(text + from, to - from), ++number);
                } else {
                    partial.append(text + from, to - from);
                    going = line(partial, ++number);
                    partial.clear();
                }
                from = to + 1;
            }
        },
        error);
    if (!read) return false;
    if (going && !partial.empty()) line(partial, ++number);
    return true;
}

bool StreamedInput::FirstBadLine(InputKind kind, size_t& badLine, std::string& error) {
    badLine = 0;
    if (kind == InputKind::Raw) return true;
    return ForEachLine(
        [&](std::string_view line, size_t number) {
            const bool ok = kind == InputKind::Capture ? tap::ReadCapture(line).ok
                                                       : records::ParseRecordsFile(line).ok;
            if (!ok) badLine = number;
            return ok;
        },
        error);
}

bool StreamedInput::ForEachByteRun(InputKind kind, const Piece& piece, std::string& error) {
    if (kind == InputKind::Raw) return ForEachPiece(piece, error);
    return ForEachLine(
        [&](std::string_view line, size_t) {
            if (kind == InputKind::Capture) {
                for (const tap::CaptureEvent& event : tap::ReadCapture(line).events)
                    if (event.kind == '>' && !event.bytes.empty())
                        piece(event.bytes.data(), event.bytes.size());
            } else {
                for (const std::string& record : records::ParseRecordsFile(line).records) {
                    const std::vector<uint8_t> bytes = FromHexText(record);
                    if (!bytes.empty()) piece(bytes.data(), bytes.size());
                }
            }
            return true;
        },
        error);
}

} // namespace cli
