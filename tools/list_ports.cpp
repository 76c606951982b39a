// Prints the serial ports the engine sees, as the console's port list shows them.
// Usage: list-ports [--port PATH]...
#include <cstdio>
#include <cstring>

#include "serial/PortMap.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("usage: %s [--port PATH]...\n", argv[0]);
            return 0;
        }
        if (std::strcmp(argv[i], "--port") == 0 && i + 1 >= argc) {
            std::fprintf(stderr, "%s: --port needs a device path\n", argv[0]);
            return 2;
        }
    }
    PortMap& map = PortMap::Global();
    map.AddCommandLinePorts(argc, argv);
    const auto entries = map.Entries();
    if (entries.empty()) {
        std::printf("No serial ports found. Name one with --port PATH.\n");
        return 0;
    }
    for (const PortEntry& entry : entries) std::printf("%s\n", entry.display.c_str());
    return 0;
}
