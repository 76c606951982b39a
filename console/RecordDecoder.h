#pragma once
// The operation records' pure logic, without Qt: the readable decoding of one
// record, the positional byte reading used by Resend, and the records file format.
// Kept apart from the dialog so it can be tested and fuzzed alone.

#include <cstddef>
#include <cstdint>
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

// Appends the bytes Resend sends for one record: the pair at 0, 3, 6, ... while the
// position is inside the text (the record text's fixed form, read by position). A pair
// that starts with no hexadecimal digit is dropped, as the hex text reader drops it, so
// a damaged imported line never turns into bytes the operator did not write.
void AppendRecordBytes(std::string_view text, std::vector<uint8_t>& out);

// One line of a records file, as read: the content before the first "//".
struct ImportResult {
    bool ok = true;
    size_t badLine = 0;               // 1-based line number of the first bad line
    std::vector<std::string> records; // content parts that hold something to send
};

// Checks and reads a whole records file. A line's content part (before "//") may hold
// only 0-9, a-f, A-F, blank, CR and LF; lines with no digit in it are skipped; the
// content of the others is kept unchanged. On the first bad line `ok` is false and
// `records` is empty: nothing of a bad file is taken.
ImportResult ParseRecordsFile(std::string_view content);

// The records file text of the given record texts: each followed by CR LF.
std::string FormatRecordsFile(const std::vector<std::string_view>& texts);

} // namespace records
