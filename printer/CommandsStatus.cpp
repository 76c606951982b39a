// Status request (DLE EOT 5) and automatic status back (GS a).

#include "printer/CommandLayouts.h"
#include "printer/VrnxLib.h"

namespace layout {
namespace {
constexpr uint8_t STATUS_PRINTER = 0x05;
// Bit 4 marks response bytes, so it can never be asked for as a status bit.
constexpr uint8_t AUTO_STATUS_ALLOWED_BITS = 0xEF;
} // namespace

CommandBytes RequestStatus() {
    return {DLE, EOT, STATUS_PRINTER};
}
CommandBytes SetAutoStatusBack(uint8_t n) {
    return {GS, 'a', static_cast<uint8_t>(n & AUTO_STATUS_ALLOWED_BITS)};
}

} // namespace layout

bool CVRNX_LIB::RequestStatus() {
    btStatusReceived_ = 0;
    Send(layout::RequestStatus());
    return true;
}

int CVRNX_LIB::SetAutoStatusBack(uint8_t n) {
    return Send(layout::SetAutoStatusBack(n));
}
