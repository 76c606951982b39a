#pragma once
// How a row reads on a terminal and as a JSON line.

#include "tap/Conversation.h"

#include <string>

namespace tap {

// "10:42:07.123 +   3.210 ms  P>  1B 40  // ESC @"; "<P" for the printer's replies,
// "--" for notes; alerts follow as "  !! unknown command".
std::string RowLine(const Row& row);
// {"row":1,"time":"10:42:07.123","at_ms":0.000,"gap_ms":0.000,"dir":"to-printer",
//  "hex":"1B 40","text":"ESC @","alerts":["unknown command"]}
std::string RowJson(const Row& row);
// The summary with the most bytes that waited in the tap at once.
std::string SummaryJson(const Totals& totals, size_t peakQueued);
std::string SummaryLine(const Totals& totals, size_t peakQueued);

} // namespace tap
