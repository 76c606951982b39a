// Status (DLE EOT, GS a, automatic status back), buffer clear (DLE DC4), serial
// interface settings (GS ( E) and the label and black-mark functions (FS ( L).
#include "Interpreter.h"

#include <algorithm>
#include <charconv>

namespace vprinter {

namespace {

constexpr uint8_t CLEAR_BUFFER = 8;
constexpr uint8_t CLEAR_BUFFER_KEY[] = {1, 3, 20, 1, 6, 2, 8};
constexpr size_t REALTIME_HEADER = 3; // DLE DC4 fn
constexpr size_t FRAME_HEADER = 5;    // prefix, code, sub, pL, pH

constexpr uint8_t SERIAL_FUNCTION = 0x0B;
constexpr uint8_t SERIAL_SPEED = 0x01;
constexpr uint8_t SERIAL_FLOW = 0x03;

constexpr uint8_t LABEL_LAYOUT = 0x21;
constexpr uint8_t LABEL_FEED_TEAR = 0x41;
constexpr uint8_t LABEL_FEED_CUT = 0x42;
constexpr uint8_t LABEL_FEED_PRINT = 0x43;
constexpr uint8_t LABEL_SENSOR = 0x64;
constexpr uint8_t LABEL_THRESHOLDS = 0x65;
constexpr uint8_t LABEL_DISTANCES = 0x66;
constexpr int DISTANCE_TEAR = 0;
constexpr int DISTANCE_PITCH = 1;
constexpr int DISTANCE_CUT = 2;

std::string AsText(const uint8_t* data, size_t length) {
    return std::string(reinterpret_cast<const char*>(data), length);
}

// Decimal numbers separated by ";", as the label page sends them.
std::vector<int> Numbers(const std::string& text) {
    std::vector<int> values;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(';', start);
        if (end == std::string::npos) end = text.size();
        int value = 0;
        std::from_chars(text.data() + start, text.data() + end, value);
        values.push_back(value);
        start = end + 1;
    }
    return values;
}

const char* FlowName(uint8_t n) {
    switch (n) {
    case PRN_FLOW_NONE:
        return "none";
    case PRN_FLOW_RTS_CTS:
        return "RTS/CTS";
    case PRN_FLOW_XON_XOFF:
        return "Xon/Xoff";
    }
    return nullptr;
}

} // namespace

void Interpreter::SendStatus() {
    const uint8_t status = conditions_.StatusByte();
    Reply(&status, 1);
}

void Interpreter::SetCondition(uint8_t statusBit, bool present) {
    const uint8_t before = conditions_.StatusByte();
    if (statusBit & PRN_STATUS_OVERVOLTAGE) conditions_.overVoltage = present;
    if (statusBit & PRN_STATUS_PLATEN_UP) conditions_.platenUp = present;
    if (statusBit & PRN_STATUS_PAPER_END) conditions_.paperEnd = present;
    if (statusBit & PRN_STATUS_OVERHEAT) conditions_.overheat = present;
    if (statusBit & PRN_STATUS_CUTTER) conditions_.cutterError = present;
    const uint8_t changed = before ^ conditions_.StatusByte();
    if (changed & stored_.autoStatusMask) SendStatus();
}

void Interpreter::OnStatusRequest(const uint8_t* command, size_t length) {
    if (length > REALTIME_HEADER) {
        LogOnce("DLE EOT " + std::to_string(command[2]),
                "DLE EOT " + std::to_string(command[2]) + " is not supported, skipped");
        return;
    }
    AnswerStatusRequest(command[2]);
}

void Interpreter::OnAutoStatusBack(const uint8_t* command, size_t) {
    AnswerAutoStatusBack(command[2]);
}

void Interpreter::AnswerAutoStatusBack(uint8_t n) {
    stored_.autoStatusMask = n & PRN_STATUS_ALL;
    // Switching it on reports the present state at once, as the host expects.
    if (stored_.autoStatusMask) SendStatus();
}

void Interpreter::OnRealtimeRequest(const uint8_t* command, size_t length) {
    if (command[2] != CLEAR_BUFFER) {
        LogAt("DLE DC4 function " + std::to_string(command[2]) + " is not supported, skipped");
        return;
    }
    if (length != REALTIME_HEADER + sizeof CLEAR_BUFFER_KEY ||
        !std::equal(std::begin(CLEAR_BUFFER_KEY), std::end(CLEAR_BUFFER_KEY),
                    command + REALTIME_HEADER)) {
        LogAt("DLE DC4 8 with wrong key bytes, ignored");
        return;
    }
    if (line_.HasContent()) LogAt("buffer clear discards the unprinted line");
    line_.Discard();
    for (auto& store : storedSymbols_) store.clear();
}

void Interpreter::OnSerialSetting(const uint8_t* command, size_t length) {
    const uint8_t* p = command + FRAME_HEADER;
    const size_t count = length - FRAME_HEADER;
    if (count < 2 || p[0] != SERIAL_FUNCTION) {
        LogAt("GS ( E function " + std::to_string(count ? p[0] : 0) + " is not supported, skipped");
        return;
    }
    if (p[1] == SERIAL_SPEED) {
        uint32_t rate = 0;
        const auto* first = reinterpret_cast<const char*>(p + 2);
        const auto* last = reinterpret_cast<const char*>(p + count);
        const auto [end, error] = std::from_chars(first, last, rate);
        if (error != std::errc() || end != last || rate == 0) {
            LogAt("GS ( E baud rate \"" + AsText(p + 2, count - 2) + "\" is no number, ignored");
            return;
        }
        stored_.baudRate = rate;
        LogAt("baud rate set to " + std::to_string(rate));
        return;
    }
    if (p[1] == SERIAL_FLOW && count >= 3 && FlowName(p[2])) {
        stored_.flowControl = p[2];
        LogAt(std::string("flow control set to ") + FlowName(p[2]));
        return;
    }
    LogAt("GS ( E serial item " + std::to_string(p[1]) + " not understood, ignored");
}

void Interpreter::FeedToLabelPosition(int offsetMm, const char* what) {
    if (line_.HasContent()) PrintLine(0);
    const int pitch = stored_.distancesMm[DISTANCE_PITCH] * PRN_DOTS_PER_MM;
    if (pitch <= 0) {
        LogAt(std::string("feed to ") + what + ": no label pitch set, no feed");
        return;
    }
    const int next = (y_ + pitch - 1) / pitch * pitch;
    Advance(next - y_ + offsetMm * PRN_DOTS_PER_MM);
    LogAt(std::string("fed to the ") + what);
}

void Interpreter::OnLabelFunction(const uint8_t* command, size_t length) {
    const uint8_t* p = command + FRAME_HEADER;
    const size_t count = length - FRAME_HEADER;
    if (count < 2) {
        LogAt("FS ( L without function, skipped");
        return;
    }
    const uint8_t fn = p[0];
    const std::string data = AsText(p + 2, count - 2);
    switch (fn) {
    case LABEL_LAYOUT:
        stored_.layoutMode = p[1];
        stored_.layoutSet = true;
        stored_.layoutText = data;
        LogAt("paper layout " + std::to_string(p[1]) + " \"" + data + "\"");
        return;
    case LABEL_THRESHOLDS:
        stored_.thresholdText = data;
        LogAt("sensor thresholds \"" + data + "\"");
        return;
    case LABEL_DISTANCES: {
        const std::vector<int> values = Numbers(data);
        for (size_t i = 0; i < stored_.distancesMm.size() && i < values.size(); ++i)
            stored_.distancesMm[i] = std::clamp(values[i], 0, 999);
        LogAt("distances \"" + data + "\"");
        return;
    }
    case LABEL_FEED_TEAR:
        return FeedToLabelPosition(stored_.distancesMm[DISTANCE_TEAR], "tear position");
    case LABEL_FEED_CUT:
        return FeedToLabelPosition(stored_.distancesMm[DISTANCE_CUT], "cut position");
    case LABEL_FEED_PRINT:
        return FeedToLabelPosition(0, "print position");
    case LABEL_SENSOR: {
        std::vector<uint8_t> answer = {PRN_RESPONSE_HEADER, PRN_RESPONSE_SENSOR};
        for (char c : std::to_string(stored_.sensorValue))
            answer.push_back(static_cast<uint8_t>(c));
        answer.push_back(0);
        Reply(answer.data(), answer.size());
        return;
    }
    }
    LogAt("FS ( L function " + std::to_string(fn) + " is not supported, skipped");
}

} // namespace vprinter

namespace vprinter {

namespace {

// DLE EOT 1..4 and GS r answers: bits 1 and 4 are always set.
constexpr uint8_t STANDARD_STATUS_BASE = 0x12;
constexpr uint8_t STATUS_PRINTER = 1;
constexpr uint8_t STATUS_OFFLINE_CAUSE = 2;
constexpr uint8_t STATUS_ERROR_CAUSE = 3;
constexpr uint8_t STATUS_PAPER = 4;
constexpr uint8_t PRINTER_OFFLINE = 0x08;
constexpr uint8_t OFFLINE_COVER_OPEN = 0x04;
constexpr uint8_t OFFLINE_PAPER_END = 0x20;
constexpr uint8_t OFFLINE_ERROR = 0x40;
constexpr uint8_t ERROR_CUTTER = 0x08;
constexpr uint8_t ERROR_UNRECOVERABLE = 0x20;
constexpr uint8_t ERROR_RECOVERABLE = 0x40;
constexpr uint8_t PAPER_END_BITS = 0x60;
constexpr uint8_t GS_R_PAPER = 1;
constexpr uint8_t GS_R_DRAWER = 2;
constexpr uint8_t GS_R_PAPER_END_BITS = 0x0C;
constexpr uint8_t DIGIT_ZERO = '0';
constexpr int DRAWER_PULSE_UNIT_MS = 2;

struct IdAnswer {
    uint8_t n;
    const char* text; // a one-byte answer when text is empty
    uint8_t byte;
};

// GS I: the one-byte identifiers, then the text ones, sent as "_", text, NUL.
constexpr IdAnswer ID_ANSWERS[] = {
    {1, "", 0x20},           {2, "", 0x02},          {3, "", 0x10},
    {65, "1.00", 0},         {66, "Talvane", 0},     {67, "vprinter", 0},
    {68, "00000001", 0},     {69, "CHINA GB18030", 0},
};
constexpr uint8_t ID_TEXT_HEADER = '_';

} // namespace

// DLE EOT 1 to 4 answer as the common references describe; other numbers (the
// console asks with 5) get this printer's own status byte.
void Interpreter::AnswerStatusRequest(uint8_t n) {
    const Conditions& c = conditions_;
    const bool paperStop = c.paperEnd;
    const bool error = c.cutterError || c.overheat || c.overVoltage;
    uint8_t answer = STANDARD_STATUS_BASE;
    switch (n) {
    case STATUS_PRINTER:
        if (paperStop || c.platenUp || error) answer |= PRINTER_OFFLINE;
        break;
    case STATUS_OFFLINE_CAUSE:
        if (c.platenUp) answer |= OFFLINE_COVER_OPEN;
        if (paperStop) answer |= OFFLINE_PAPER_END;
        if (error) answer |= OFFLINE_ERROR;
        break;
    case STATUS_ERROR_CAUSE:
        if (c.cutterError) answer |= ERROR_CUTTER;
        if (c.overVoltage) answer |= ERROR_UNRECOVERABLE;
        if (c.overheat) answer |= ERROR_RECOVERABLE;
        break;
    case STATUS_PAPER:
        if (c.paperEnd) answer |= PAPER_END_BITS;
        break;
    default:
        return SendStatus();
    }
    Reply(&answer, 1);
}

void Interpreter::OnTransmitStatus(const uint8_t* command, size_t) {
    const uint8_t n = command[2] >= DIGIT_ZERO ? command[2] - DIGIT_ZERO : command[2];
    if (n != GS_R_PAPER && n != GS_R_DRAWER) {
        LogAt("GS r " + std::to_string(command[2]) + ": no such status, ignored");
        return;
    }
    const uint8_t answer = n == GS_R_PAPER && conditions_.paperEnd ? GS_R_PAPER_END_BITS : 0;
    Reply(&answer, 1);
}

void Interpreter::OnPrinterId(const uint8_t* command, size_t) {
    const uint8_t n = command[2] >= DIGIT_ZERO && command[2] < DIGIT_ZERO + 4
                          ? command[2] - DIGIT_ZERO
                          : command[2];
    for (const IdAnswer& id : ID_ANSWERS) {
        if (id.n != n) continue;
        std::vector<uint8_t> answer;
        if (id.text[0] == '\0') {
            answer.push_back(id.byte);
        } else {
            answer.push_back(ID_TEXT_HEADER);
            for (const char* c = id.text; *c; ++c) answer.push_back(static_cast<uint8_t>(*c));
            answer.push_back(0);
        }
        Reply(answer.data(), answer.size());
        return;
    }
    LogAt("GS I " + std::to_string(command[2]) + ": no such identifier, ignored");
}

void Interpreter::OnDrawerKick(const uint8_t* command, size_t) {
    const int pin = (command[2] & 1) ? 5 : 2;
    LogAt("drawer kick: pin " + std::to_string(pin) + ", on " +
          std::to_string(command[3] * DRAWER_PULSE_UNIT_MS) + " ms, off " +
          std::to_string(command[4] * DRAWER_PULSE_UNIT_MS) + " ms");
}

} // namespace vprinter
