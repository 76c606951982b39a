// A second program for the engine's tests: opens a serial device the way the console
// does, as an ordinary user. Run as root it first drops to nobody/nogroup, so the
// exclusive-access and thread-limit cases are seen as a desk user sees them.
//
//   serial_probe reopen PATH      open, write, close, open again, close
//   serial_probe open PATH        open once (exit 3 when refused)
//   serial_probe nothreads PATH   open with worker threads while no thread can be made
//
// Exit 0 when the case behaved; the reason otherwise goes to stderr.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "serial/PortMap.h"
#include "serial/SerialLine.h"

namespace {

constexpr int EXIT_OK = 0;
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;
constexpr int EXIT_REFUSED = 3;
constexpr int EXIT_NO_DROP = 4;
constexpr uint32_t BAUD = 115200;

bool DropToOrdinaryUser() {
    if (geteuid() != 0) return true;
    const passwd* user = getpwnam("nobody");
    if (!user) return false;
    const group* grp = getgrnam("nogroup");
    const gid_t gid = grp ? grp->gr_gid : user->pw_gid;
    if (setgroups(0, nullptr) != 0 || setresgid(gid, gid, gid) != 0 ||
        setresuid(user->pw_uid, user->pw_uid, user->pw_uid) != 0)
        return false;
    return geteuid() != 0 && getuid() != 0;
}

bool OpenLine(CSerialLine& line, uint32_t port) {
    line.SetNotifyCount(1);
    return line.Open(port, BAUD, NOPARITY, 8, ONESTOPBIT);
}

int Report(const char* what, const CSerialLine& line) {
    std::fprintf(stderr, "%s: error %d (%s)\n", what, line.LastSystemError(),
                 std::strerror(line.LastSystemError()));
    return EXIT_FAILED;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return EXIT_USAGE;
    const std::string command = argv[1];
    PortMap map;
    const uint32_t port = map.AddCommandLinePort(argv[2]);
    if (!DropToOrdinaryUser()) {
        std::fprintf(stderr, "cannot drop to an ordinary user\n");
        return EXIT_NO_DROP;
    }
    CSerialLine line(EN_CONSOLE_OPTIONS);
    line.SetPortMap(&map);
    if (command == "reopen") {
        if (!OpenLine(line, port)) return Report("first open", line);
        line.Write("a");
        line.Close();
        if (!OpenLine(line, port)) return Report("second open", line);
        line.Close();
        return EXIT_OK;
    }
    if (command == "open") {
        if (!OpenLine(line, port)) {
            std::fprintf(stderr, "refused: error %d\n", line.LastSystemError());
            return EXIT_REFUSED;
        }
        line.Close();
        return EXIT_OK;
    }
    if (command == "nothreads") {
        // Not one more process or thread for this user, while Open runs (the soft
        // limit only: the leak checker of a sanitizer build needs a thread at exit).
        rlimit limits{};
        if (getrlimit(RLIMIT_NPROC, &limits) != 0) return EXIT_NO_DROP;
        const rlimit none{0, limits.rlim_max};
        if (setrlimit(RLIMIT_NPROC, &none) != 0) return EXIT_NO_DROP;
        const bool opened = OpenLine(line, port);
        setrlimit(RLIMIT_NPROC, &limits);
        if (opened || line.IsOpen()) {
            std::fprintf(stderr, "opened without its threads\n");
            return EXIT_FAILED;
        }
        return EXIT_OK;
    }
    return EXIT_USAGE;
}
