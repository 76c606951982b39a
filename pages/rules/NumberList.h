#pragma once
// The ";"-separated number lists of the label page: counting their fields, reading their
// values, the text that goes to the printer, and the check of one list against its
// required count and range.

#include <string>
#include <string_view>
#include <vector>

inline constexpr char LIST_SEPARATOR = ';';
// The list commands carry their length in one byte that also counts two command bytes.
inline constexpr size_t LIST_MAX_TEXT = 253;

// Number of fields: 0 for an empty text; otherwise one ";" at the end is ignored and the
// count is 1 plus the number of ";" left.
int ListFieldCount(std::string_view text);

// The integer at the start of each field, in order: an optional minus sign and digits,
// reading stops at the first other character; an empty field reads as 0. Values beyond
// the int range saturate, so that they fail any range check.
std::vector<int> ListValues(std::string_view text);

// The text to send: `text` with ";" appended when it is not empty and lacks one at the end.
std::string ListText(std::string_view text);

struct NumberListRule {
    int count;   // required number of fields
    int minimum; // every value in [minimum, maximum]
    int maximum;
    const char* countMessage; // shown for a wrong count (and a list too long to send)
    const char* rangeMessage; // shown for the first value out of range
};

// The translation context of the messages (marked where the rules are written).
inline constexpr const char* NUMBER_LIST_CONTEXT = "NumberList";

extern const NumberListRule PAPER_LAYOUT_LIST;     // [Sa]~[Sf]
extern const NumberListRule SENSOR_THRESHOLD_LIST; // ADTH1~4
extern const NumberListRule MARK_DISTANCE_LIST;    // DIS1~3

enum class ListVerdict { Ok, BadCount, OutOfRange };

// Checks `text` against `rule`, in the order count, range. A text whose sending form is
// longer than LIST_MAX_TEXT (possible with leading zeros) counts as a bad count.
ListVerdict CheckNumberList(const NumberListRule& rule, std::string_view text);
