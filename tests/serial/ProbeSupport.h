// Running the second program (serial_probe) as an ordinary user.
#pragma once

#include <string>

// The second program (serial_probe), run as an ordinary user: exit code (-1 when it
// did not end normally, e.g. killed by an uncaught exception) and what it wrote to
// stderr.
struct ProbeResult {
    int exitCode = -1;
    std::string errors;
};
ProbeResult RunProbe(const std::string& command, const std::string& devicePath);
// Lets the ordinary user the probe drops to open `path` (a pseudo-terminal slave).
bool GiveToOrdinaryUser(const std::string& path);
