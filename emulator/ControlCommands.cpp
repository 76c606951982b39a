#include "emulator/ControlCommands.h"

#include "emulator/Interpreter.h"

#include <charconv>
#include <cstdio>
#include <sstream>

namespace vprinter {

namespace {

struct ConditionName {
    const char* name;
    uint8_t bit;
};

constexpr ConditionName CONDITION_NAMES[] = {
    {"over-voltage", PRN_STATUS_OVERVOLTAGE}, {"platen-up", PRN_STATUS_PLATEN_UP},
    {"paper-end", PRN_STATUS_PAPER_END},      {"overheat", PRN_STATUS_OVERHEAT},
    {"cutter-error", PRN_STATUS_CUTTER},
};

std::string Describe(const Interpreter& printer) {
    const StoredSettings& stored = printer.Stored();
    const Conditions& c = printer.GetConditions();
    char status[8];
    std::snprintf(status, sizeof status, "%02X", printer.StatusByte());
    std::ostringstream out;
    out << "status " << status << " (over-voltage " << (c.overVoltage ? "on" : "off")
        << ", platen-up " << (c.platenUp ? "on" : "off") << ", paper-end "
        << (c.paperEnd ? "on" : "off") << ", overheat " << (c.overheat ? "on" : "off")
        << ", cutter-error " << (c.cutterError ? "on" : "off") << ")\n"
        << "automatic status back mask " << static_cast<int>(stored.autoStatusMask) << ", sensor "
        << stored.sensorValue << "\n"
        << "baud rate " << stored.baudRate << ", flow control "
        << static_cast<int>(stored.flowControl) << ", density " << stored.density << ", speed "
        << stored.speed << "\n"
        << "layout " << stored.layoutMode << " \"" << stored.layoutText << "\", thresholds \""
        << stored.thresholdText << "\", distances " << stored.distancesMm[0] << ";"
        << stored.distancesMm[1] << ";" << stored.distancesMm[2] << " mm";
    return out.str();
}

} // namespace

std::string ControlHelp() {
    return "commands:\n"
           "  paper-end on|off     platen-up on|off     overheat on|off\n"
           "  over-voltage on|off  cutter-error on|off  sensor N\n"
           "  status               cut (end the receipt now)\n"
           "  received             bytes taken from the line and their FNV-1a checksum\n"
           "  help                 quit";
}

ControlResult ApplyControlLine(Interpreter& printer, const std::string& line) {
    std::istringstream in(line);
    std::string word, argument, extra;
    in >> word >> argument >> extra;
    ControlResult result;
    if (word.empty()) return result;
    if (!extra.empty()) {
        result.reply = "too many words: " + line;
        return result;
    }
    for (const ConditionName& condition : CONDITION_NAMES) {
        if (word != condition.name) continue;
        if (argument != "on" && argument != "off") {
            result.reply = word + " needs on or off";
            return result;
        }
        printer.SetCondition(condition.bit, argument == "on");
        result.reply = word + " " + argument;
        return result;
    }
    if (word == "sensor") {
        int value = 0;
        const auto [end, error] =
            std::from_chars(argument.data(), argument.data() + argument.size(), value);
        if (argument.empty() || error != std::errc() || end != argument.data() + argument.size() ||
            value < 0) {
            result.reply = "sensor needs a number from 0 up";
            return result;
        }
        printer.SetSensorValue(value);
        result.reply = "sensor " + std::to_string(value);
        return result;
    }
    if (!argument.empty()) {
        result.reply = word + " takes no argument";
        return result;
    }
    if (word == "status")
        result.reply = Describe(printer);
    else if (word == "cut")
        result.endReceipt = true;
    else if (word == "help")
        result.reply = ControlHelp();
    else if (word == "quit")
        result.quit = true;
    else
        result.reply = "unknown command \"" + word + "\"; try help";
    return result;
}

} // namespace vprinter
