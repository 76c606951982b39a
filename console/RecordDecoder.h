#pragma once
// The operation records' pure logic, without Qt: the readable decoding of one
// record, the one reader of a record's bytes (import, Resend, talvane-cli), and the
// records file format.
// Kept apart from the dialog so it can be tested and fuzzed alone.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace records {

// Name of a control byte 0x00..0x1F ("NULL", "SOH", ... "US").
const char* ControlName(uint8_t value);

// The value of the (up to) two characters at `pos`: the value of their leading
// hexadecimal digits. A pair that starts with no digit, or lies past the end, reads 0.
uint8_t PairAt(std::string_view text, size_t pos);

// The "Tips" text of a record: the first one or two control bytes named, the command
// letter (and for the function-byte commands the function letter) as characters, the
// rest left as hex text; a record that starts with a printable byte is shown as text
// up to its first 00 byte. Every token is followed by one blank. Empty for an empty
// record.
std::string DecodeRecord(std::string_view text);

// Whether (first, second) is one of the commands whose third byte is a function letter.
bool HasFunctionByte(uint8_t first, uint8_t second);

// The bytes a record names: runs of hexadecimal digits between blanks (CR and LF count
// as blanks), each run read as whole pairs, so "1B40", "1B 40" and "1b  40" all name
// 1B 40. Nothing when the text holds anything else or a run has an odd number of digits
// ("1B4" could be 1B 04 or 01 B4): such a text names no bytes for certain. The records
// file reader, Resend and talvane-cli all read records through this one parser.
std::optional<std::vector<uint8_t>> RecordBytes(std::string_view text);

// Appends the bytes of one record (RecordBytes); false, and nothing appended, when the
// text names no bytes for certain.
bool AppendRecordBytes(std::string_view text, std::vector<uint8_t>& out);

// One line of a records file, as read: the content before the first "//".
struct ImportResult {
    bool ok = true;
    size_t badLine = 0;               // 1-based line number of the first bad line
    std::vector<std::string> records; // content parts that hold something to send
};

// Checks and reads a whole records file. A line's content part (before "//") may hold
// only 0-9, a-f, A-F, blank, CR and LF; lines with no digit in it are skipped; the others
// must name their bytes for certain (RecordBytes) and are kept as the hex text of those
// bytes ("1b40" becomes "1B 40 "), the form a recorded command has, so what a row shows
// and what it sends agree. On the first bad line `ok` is false, `badLine` names it and
// `records` is empty: nothing of a bad file is taken.
ImportResult ParseRecordsFile(std::string_view content);

// The records file text of the given record texts: each followed by CR LF.
std::string FormatRecordsFile(const std::vector<std::string_view>& texts);

} // namespace records
