#pragma once
// The exit codes of talvane-cli, documented in its --help and the README. Scripts
// rely on them: never renumber.

namespace cli {

enum ExitCode : int {
    EXIT_OK = 0,             // done; for status: the printer is ready
    EXIT_FAILED = 1,         // a command ran but something went wrong (not otherwise listed)
    EXIT_USAGE = 2,          // unknown subcommand or option, missing or malformed argument
    EXIT_REFUSED = 3,        // input refused (bad hex, data a symbology refuses, bad file content)
    EXIT_FILE = 4,           // a file cannot be read or written
    EXIT_PORT = 5,           // unknown port, busy port, port that fails or takes no data
    EXIT_UNDELIVERED = 6,    // closing: bytes handed to the port did not reach the printer in time
    EXIT_PAPER_END = 10,     // status: paper end
    EXIT_PLATEN_UP = 11,     // status: platen up
    EXIT_CUTTER = 12,        // status: cutter error
    EXIT_OVERHEAT = 13,      // status: overheat
    EXIT_OVERVOLTAGE = 14,   // status: over-voltage
    EXIT_NO_ANSWER = 15,     // status: no status byte within the time-out
    EXIT_NOT_UNDERSTOOD = 20, // render: a command was skipped, or the input ends inside one
    EXIT_RECEIPT_DIFFERS = 21, // render --compare: the receipt differs from the golden picture
    EXIT_STOPPED_SIGINT = 130,  // stopped by SIGINT (Ctrl+C): port closed, what was sent said
    EXIT_STOPPED_SIGTERM = 143, // stopped by SIGTERM, the same
};

} // namespace cli
