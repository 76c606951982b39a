#pragma once
// The commands a person or a test types on the virtual printer's standard input
// to switch its conditions: "paper-end on", "sensor 700", "status", ...
#include <string>

namespace vprinter {

class Interpreter;

struct ControlResult {
    std::string reply;       // what to show; empty when there is nothing to say
    bool endReceipt = false; // "cut": end the receipt now
    bool quit = false;
};

ControlResult ApplyControlLine(Interpreter& printer, const std::string& line);
// The lines "help" shows.
std::string ControlHelp();

} // namespace vprinter
