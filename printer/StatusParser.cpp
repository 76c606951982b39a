// The parser of the bytes the printer sends back: status bytes, ignored response bytes
// and NUL-terminated responses.

#include "printer/VrnxLib.h"

#include <algorithm>
#include <cstring>

namespace {

// Bit 4 set: the byte is no status byte.
constexpr uint8_t RESPONSE_BYTE_BIT = 0x10;
constexpr uint8_t RESPONSE_END = 0x00;
constexpr uint32_t RESPONSE_ID_INDEX = 1;
constexpr uint32_t RESPONSE_TEXT_INDEX = 2;

struct ConditionBit {
    uint8_t mask;
    PrinterCondition condition;
    uint32_t setMessage;
    uint32_t clearMessage;
};

// In the order the conditions are examined and reported.
constexpr ConditionBit CONDITION_BITS[PRN_CONDITION_COUNT] = {
    {0x01, PrinterCondition::OverVoltage, PRN_MSG_OVERVOLTAGE, PRN_MSG_OVERVOLTAGE_CLEAR},
    {0x02, PrinterCondition::PlatenUp, PRN_MSG_PLATEN_UP, PRN_MSG_PLATEN_UP_CLEAR},
    {0x08, PrinterCondition::Overheat, PRN_MSG_OVERHEAT, PRN_MSG_OVERHEAT_CLEAR},
    {0x04, PrinterCondition::PaperEnd, PRN_MSG_PAPER_END, PRN_MSG_PAPER_END_CLEAR},
    {0x20, PrinterCondition::Cutter, PRN_MSG_CUTTER, PRN_MSG_CUTTER_CLEAR},
};

} // namespace

void CVRNX_LIB::ParseStatusByte(uint8_t b) {
    if (btCollecting_ != 0) {
        // Inside a response every byte is response text, status-like ones included.
        if (dwResponseCount_ < PRN_RESPONSE_SIZE) btResponse_[dwResponseCount_] = b;
        ++dwResponseCount_;
        if (b == RESPONSE_END) {
            btCollecting_ = 0;
            Notify(PRN_MSG_RESPONSE);
        }
        return;
    }
    if ((b & RESPONSE_BYTE_BIT) != 0) {
        if (b == PRN_RESPONSE_START) {
            btCollecting_ = 1;
            dwResponseCount_ = 1;
            btResponse_[0] = b;
        }
        return;
    }
    btStatusReceived_ = 1;
    btLastStatus_ = b;
    for (const ConditionBit& bit : CONDITION_BITS) {
        uint8_t& flag = btCondition_[static_cast<int>(bit.condition)];
        if ((b & bit.mask) != 0) {
            // A condition that stays present is reported with every status byte.
            flag = 1;
            Notify(bit.setMessage);
        } else if (flag != 0) {
            flag = 0;
            Notify(bit.clearMessage);
        }
    }
}

// Posted only while the owner window exists; the state change stays either way.
void CVRNX_LIB::Notify(uint32_t message) {
    if (hOwnerWnd_ != nullptr) PostMessage(hOwnerWnd_, message, 0, 0);
}

uint8_t CVRNX_LIB::GetResponseId() const {
    return dwResponseCount_ > RESPONSE_ID_INDEX ? btResponse_[RESPONSE_ID_INDEX] : 0;
}

// Only what the current response stored counts: a short response must not show the
// tail of a longer earlier one that is still in the collector.
std::string CVRNX_LIB::GetResponseText() const {
    const uint32_t stored = std::min(dwResponseCount_, PRN_RESPONSE_SIZE);
    if (stored <= RESPONSE_TEXT_INDEX) return {};
    const auto* begin = btResponse_ + RESPONSE_TEXT_INDEX;
    const auto* end = std::find(begin, btResponse_ + stored, RESPONSE_END);
    return std::string(begin, end);
}
