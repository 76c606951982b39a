#pragma once
// The send panel's file import check, without Qt, so it can be tested and fuzzed alone.

#include <optional>
#include <string>
#include <string_view>

// Reads a send file (hex text) into the send edit's text. Each line's content part
// (before "//") may hold only 0-9, a-f, A-F, blank and CR; lines with nothing but
// blanks and CRs are skipped, every other one is kept unchanged and ends with one LF
// (the edit's line break for the file's CR LF). Nothing when any line is bad: the
// whole file is checked before the edit changes.
std::optional<std::string> ReadSendFile(std::string_view content);
