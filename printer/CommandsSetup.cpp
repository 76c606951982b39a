// The printer's serial interface settings (GS ( E), buffer clear (DLE DC4) and the
// label and black-mark functions (FS ( L).

#include "printer/CommandLayouts.h"
#include "printer/VrnxLib.h"

namespace layout {
namespace {
constexpr uint8_t FN_SERIAL_SETTING = 0x0B;
constexpr uint8_t SERIAL_BAUD_RATE = 0x01;
constexpr uint8_t SERIAL_FLOW_CONTROL = 0x03;
// Bytes after pL pH besides the value: fn and a.
constexpr uint8_t SERIAL_FIXED_BYTES = 2;

constexpr uint8_t FN_PAPER_LAYOUT = 0x21;
constexpr uint8_t FN_FEED_TEAR = 0x41;
constexpr uint8_t FN_FEED_CUT = 0x42;
constexpr uint8_t FN_FEED_PRINT = 0x43;
constexpr uint8_t FN_SENSOR_VALUE = 0x64;
constexpr uint8_t FN_THRESHOLDS = 0x65;
constexpr uint8_t FN_MARK_DISTANCES = 0x66;
// Bytes after pL pH besides the data: fn and m.
constexpr uint8_t LABEL_FIXED_BYTES = 2;

uint8_t LabelLength(uint8_t n) {
    return static_cast<uint8_t>(n + LABEL_FIXED_BYTES);
}
} // namespace

CommandBytes BaudRateHeader(uint8_t digits) {
    return {GS,
            '(',
            'E',
            static_cast<uint8_t>(digits + SERIAL_FIXED_BYTES),
            0,
            FN_SERIAL_SETTING,
            SERIAL_BAUD_RATE};
}
CommandBytes SetFlowControl(uint8_t n) {
    return {GS, '(', 'E', 3, 0, FN_SERIAL_SETTING, SERIAL_FLOW_CONTROL, n};
}
CommandBytes ClearBuffer() {
    return {DLE, DC4, 8, 1, 3, 20, 1, 6, 2, 8};
}
CommandBytes FeedToTearPosition() {
    return {FS, '(', 'L', 2, 0, FN_FEED_TEAR, '0'};
}
CommandBytes FeedToCutPosition() {
    return {FS, '(', 'L', 2, 0, FN_FEED_CUT, '0'};
}
CommandBytes FeedToPrintPosition() {
    return {FS, '(', 'L', 2, 0, FN_FEED_PRINT, '0'};
}
CommandBytes RequestSensorValue() {
    return {FS, '(', 'L', 2, 0, FN_SENSOR_VALUE, '0'};
}
CommandBytes PaperLayoutHeader(uint8_t m, uint8_t n) {
    return {FS, '(', 'L', LabelLength(n), 0, FN_PAPER_LAYOUT, m};
}
CommandBytes SensorThresholdsHeader(uint8_t n) {
    return {FS, '(', 'L', LabelLength(n), 0, FN_THRESHOLDS, '1'};
}
CommandBytes MarkDistancesHeader(uint8_t n) {
    return {FS, '(', 'L', LabelLength(n), 0, FN_MARK_DISTANCES, '0'};
}

} // namespace layout

namespace {
constexpr uint32_t DECIMAL_BASE = 10;
constexpr uint8_t ASCII_ZERO = '0';
} // namespace

// The rate goes out as its eight lowest decimal digits, most significant first, each
// digit a write of its own; a rate whose eight lowest digits are all 0 sends nothing.
void CVRNX_LIB::SetBaudRate(uint32_t baudRate) {
    uint8_t digits[layout::BAUD_RATE_MAX_DIGITS];
    uint8_t count = 0;
    for (uint32_t i = 0; i < layout::BAUD_RATE_MAX_DIGITS; ++i, baudRate /= DECIMAL_BASE) {
        digits[i] = static_cast<uint8_t>(baudRate % DECIMAL_BASE);
        if (digits[i] != 0) count = static_cast<uint8_t>(i + 1);
    }
    if (count == 0) return;
    Send(layout::BaudRateHeader(count));
    for (uint8_t i = count; i-- > 0;) {
        const uint8_t ascii = ASCII_ZERO | digits[i];
        Write(&ascii, 1);
    }
}

int CVRNX_LIB::SetFlowControl(uint8_t n) {
    return Send(layout::SetFlowControl(n));
}
int CVRNX_LIB::ClearBuffer() {
    return Send(layout::ClearBuffer());
}
int CVRNX_LIB::FeedToTearPosition() {
    return Send(layout::FeedToTearPosition());
}
int CVRNX_LIB::FeedToCutPosition() {
    return Send(layout::FeedToCutPosition());
}
int CVRNX_LIB::FeedToPrintPosition() {
    return Send(layout::FeedToPrintPosition());
}
int CVRNX_LIB::RequestSensorValue() {
    return Send(layout::RequestSensorValue());
}

void CVRNX_LIB::SetPaperLayout(uint8_t m, const void* data, uint8_t n) {
    Send(layout::PaperLayoutHeader(m, n));
    Write(data, n);
}
void CVRNX_LIB::SetSensorThresholds(const void* data, uint8_t n) {
    Send(layout::SensorThresholdsHeader(n));
    Write(data, n);
}
void CVRNX_LIB::SetMarkDistances(const void* data, uint8_t n) {
    Send(layout::MarkDistancesHeader(n));
    Write(data, n);
}
