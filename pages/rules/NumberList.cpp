#include "pages/rules/NumberList.h"

#include "pages/rules/Translatable.h"

#include <algorithm>
#include <climits>

namespace {

constexpr long long DECIMAL_RADIX = 10;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int ReadField(std::string_view field) {
    size_t position = 0;
    bool negative = false;
    if (position < field.size() && field[position] == '-') {
        negative = true;
        ++position;
    }
    long long value = 0;
    for (; position < field.size() && IsDigit(field[position]); ++position) {
        value = value * DECIMAL_RADIX + (field[position] - '0');
        if (value > INT_MAX) {
            value = static_cast<long long>(INT_MAX) + 1; // saturate, keep reading digits
        }
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

int ListFieldCount(std::string_view text) {
    if (text.empty()) return 0;
    if (text.back() == LIST_SEPARATOR) text.remove_suffix(1);
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), LIST_SEPARATOR));
}

std::vector<int> ListValues(std::string_view text) {
    const std::string list = ListText(text);
    std::vector<int> values;
    size_t start = 0;
    while (start < list.size()) {
        const size_t end = list.find(LIST_SEPARATOR, start);
        values.push_back(ReadField(std::string_view(list).substr(start, end - start)));
        start = end + 1;
    }
    return values;
}

std::string ListText(std::string_view text) {
    std::string list(text);
    if (!list.empty() && list.back() != LIST_SEPARATOR) list.push_back(LIST_SEPARATOR);
    return list;
}

const NumberListRule PAPER_LAYOUT_LIST = {
    6, -99, 999,
    TPC_TRANSLATE_NOOP("NumberList", "Please enter the six figures, \";\" to separate"),
    TPC_TRANSLATE_NOOP("NumberList", "The data range of -99 to 999")};
const NumberListRule SENSOR_THRESHOLD_LIST = {
    4, 1, 3299,
    TPC_TRANSLATE_NOOP("NumberList", "Please enter the four digits, use the \";\" to separate"),
    TPC_TRANSLATE_NOOP("NumberList", "Data range from 1 to 3299")};
const NumberListRule MARK_DISTANCE_LIST = {
    3, 0, 999, TPC_TRANSLATE_NOOP("NumberList", "Please enter the three digits, \";\" separated"),
    TPC_TRANSLATE_NOOP("NumberList", "The data range from 0 to 999")};

ListVerdict CheckNumberList(const NumberListRule& rule, std::string_view text) {
    if (ListFieldCount(text) != rule.count) return ListVerdict::BadCount;
    if (ListText(text).size() > LIST_MAX_TEXT) return ListVerdict::BadCount;
    for (int value : ListValues(text)) {
        if (value < rule.minimum || value > rule.maximum) return ListVerdict::OutOfRange;
    }
    return ListVerdict::Ok;
}
