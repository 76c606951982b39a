// Prints the ports the engine sees, as the console's port list shows them: serial
// ports (COM<n>), USB printer-class devices (USB<k>) and the network printers named
// with --port tcp://HOST[:PORT] (NET<i>).
// Usage: list-ports [--port PATH]... | --help | --version
#include <cstdio>
#include <cstring>

#include "serial/PortMap.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("usage: %s [--port PATH | --port tcp://HOST[:PORT]]...\n", argv[0]);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-V") == 0) {
            std::printf("list-ports %s\n", TPC_VERSION);
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
        std::printf("No ports found. Name one with --port PATH or --port tcp://HOST[:PORT].\n");
        return 0;
    }
    for (const PortEntry& entry : entries) std::printf("%s\n", entry.display.c_str());
    return 0;
}
