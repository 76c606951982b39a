// Prints the ports the engine sees, as the console's port list shows them: serial
// ports (COM<n>), USB printer-class devices (USB<k>) and the network printers named
// with --port tcp://HOST[:PORT] (NET<i>).
// Usage: list-ports [--port PATH]... | --help | --version
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "eventlog/CrashReport.h"
#include "serial/PortMap.h"

namespace {
constexpr int EXIT_USAGE = 2;
constexpr int EXIT_FILE = 4; // as talvane-cli: the output cannot be written

// The list must have reached standard output; a reader that left is said.
int Finish(const char* program) {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    std::fprintf(stderr, "%s: cannot write standard output: %s\n", program,
                 std::strerror(errno != 0 ? errno : EIO));
    return EXIT_FILE;
}
} // namespace

int main(int argc, char** argv) {
    std::signal(SIGPIPE, SIG_IGN);
    eventlog::InstallCrashReport("list-ports");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("usage: %s [--port PATH | --port tcp://HOST[:PORT]]...\n", argv[0]);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-V") == 0) {
            std::printf("list-ports %s\n", TPC_VERSION);
            return 0;
        }
        const bool joined = std::strncmp(argv[i], "--port=", std::strlen("--port=")) == 0;
        if (joined && argv[i][std::strlen("--port=")] != '\0') continue;
        if (joined || std::strcmp(argv[i], "--port") == 0) {
            if (joined || i + 1 >= argc) {
                std::fprintf(stderr, "%s: --port needs a device path\n", argv[0]);
                return EXIT_USAGE;
            }
            ++i; // the path, whatever it looks like
            continue;
        }
        // Anything else is a mistake the manual page promises to refuse, not to ignore.
        std::fprintf(stderr, "%s: unknown argument \"%s\" (see %s --help)\n", argv[0], argv[i],
                     argv[0]);
        return EXIT_USAGE;
    }
    PortMap& map = PortMap::Global();
    map.AddCommandLinePorts(argc, argv);
    const auto entries = map.Entries();
    if (entries.empty()) {
        std::printf("No ports found. Name one with --port PATH or --port tcp://HOST[:PORT].\n");
        return Finish(argv[0]);
    }
    for (const PortEntry& entry : entries) std::printf("%s\n", entry.display.c_str());
    return Finish(argv[0]);
}
