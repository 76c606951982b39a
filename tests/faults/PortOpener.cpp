// A second program for the "port in use" case: opens the device given on its command
// line as the console does (through the serial engine) and says whether it could.
// Exit status: 0 opened, 3 refused, 2 bad usage.
#include "serial/PortMap.h"
#include "serial/SerialLine.h"

#include <cstdio>

namespace {
constexpr int EXIT_OPENED = 0;
constexpr int EXIT_USAGE = 2;
constexpr int EXIT_REFUSED = 3;
constexpr uint32_t BAUD = 9600;
constexpr uint8_t BYTE_SIZE_8 = 8;
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DEVICE\n", argv[0]);
        return EXIT_USAGE;
    }
    PortMap map;
    const uint32_t port = map.AddCommandLinePort(argv[1]);
    CSerialLine line(EN_CONSOLE_OPTIONS);
    line.SetPortMap(&map);
    const bool opened = line.Open(port, BAUD, NOPARITY, BYTE_SIZE_8, ONESTOPBIT);
    std::printf("%s\n", opened ? "opened" : "refused");
    line.Close();
    return opened ? EXIT_OPENED : EXIT_REFUSED;
}
