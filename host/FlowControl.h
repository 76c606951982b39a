#pragma once
// The handshake list's items as line settings, with the printer's own flow-control
// setting for each. The quiet line of every setup command is item "None".

#include "serial/SerialTypes.h"

#include <cstdint>
#include <iterator>

namespace flow {

// Handshake list items.
constexpr int HANDSHAKE_NONE = 0;
constexpr int HANDSHAKE_RTS_CTS = 1;
constexpr int HANDSHAKE_XON_XOFF = 2;
constexpr char XON_CHAR = 0x11;
constexpr char XOFF_CHAR = 0x13;

struct FlowRow {
    uint32_t outX, inX, ctsFlow, dsrFlow, rtsControl, dtrControl;
    bool setChars;
    uint8_t printerMode; // the printer's flow-control setting for the same item
};
// Indexed by handshake item.
constexpr FlowRow FLOW_ROWS[] = {
    {0, 0, 0, 0, RTS_CONTROL_DISABLE, DTR_CONTROL_DISABLE, false, 0x00}, // "None"
    {0, 0, 1, 0, RTS_CONTROL_DISABLE, DTR_CONTROL_DISABLE, false, 0x30}, // "RTS/CTS"
    {1, 0, 0, 0, RTS_CONTROL_DISABLE, DTR_CONTROL_DISABLE, true, 0x31},  // "Xon/Xoff"
};
constexpr int FLOW_ROW_COUNT = static_cast<int>(std::size(FLOW_ROWS));

// The row of a list item; anything off the list reads as "None".
inline const FlowRow& RowOf(int item) {
    return FLOW_ROWS[item >= 0 && item < FLOW_ROW_COUNT ? item : HANDSHAKE_NONE];
}

inline void ApplyFlowRow(DCB& dcb, const FlowRow& row) {
    dcb.fOutX = row.outX;
    dcb.fInX = row.inX;
    dcb.fOutxCtsFlow = row.ctsFlow;
    dcb.fOutxDsrFlow = row.dsrFlow;
    dcb.fRtsControl = row.rtsControl;
    dcb.fDtrControl = row.dtrControl;
    if (row.setChars) {
        dcb.XonChar = XON_CHAR;
        dcb.XoffChar = XOFF_CHAR;
    }
}

} // namespace flow
