// CPU time of an idle console: the main dialog with the device watcher running, left
// alone for a while with its port closed (the baseline), then with the port open on a
// pseudo-terminal printer. Prints both figures and "idle open/closed ratio: X".
// Usage: bench_devices_idle [SECONDS] (60 by default).
// Only the console is measured: the printer end of the pseudo-terminal is a child
// process that blocks reading the master, so its CPU is not in this process's figure.

#include "console/ControlIds.h"
#include "console/TalvaneDlg.h"
#include "serial/PortMap.h"
#include "widgets/Prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int DEFAULT_SECONDS = 60;
constexpr double MS_PER_S = 1000.0;
constexpr double US_PER_MS = 1000.0;
// While no slave is open the master reads fail at once; the child then looks again
// at this pace (it is not measured, but need not spin either).
constexpr useconds_t NO_SLAVE_PAUSE_US = 100 * 1000;
constexpr size_t READ_CHUNK = 4096;

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * MS_PER_S + t.tv_usec / US_PER_MS; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// CPU milliseconds the process used while the event loop ran idle for `seconds`.
double IdleCpuMs(int seconds) {
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    const double before = CpuMs();
    loop.exec();
    return CpuMs() - before;
}

// The printer: a pseudo-terminal whose master a child process reads (and drops)
// with blocking reads until this process ends.
class ChildPrinter {
public:
    ChildPrinter() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
        const char* name = ptsname(master_);
        if (!name) return;
        const pid_t parent = getpid();
        child_ = fork();
        if (child_ == 0) Drain(parent);
        if (child_ > 0) slavePath_ = name;
    }
    ~ChildPrinter() {
        if (child_ > 0) {
            kill(child_, SIGTERM);
            waitpid(child_, nullptr, 0);
        }
        if (master_ >= 0) close(master_);
    }
    bool Ok() const { return !slavePath_.empty(); }
    const std::string& SlavePath() const { return slavePath_; }

private:
    [[noreturn]] void Drain(pid_t parent) {
        char chunk[READ_CHUNK];
        while (getppid() == parent) {
            if (read(master_, chunk, sizeof chunk) <= 0) usleep(NO_SLAVE_PAUSE_US);
        }
        _exit(0);
    }

    int master_ = -1;
    pid_t child_ = -1;
    std::string slavePath_;
};

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : DEFAULT_SECONDS;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPrompts prompts;
    ChildPrinter printer;
    if (!printer.Ok()) return 1;
    PortMap ports;
    ports.Scan(); // the machine's /dev, watched as the program does
    ports.AddCommandLinePort(printer.SlavePath());
    CTalvaneDlg dlg(&ports);
    dlg.show();
    IdleCpuMs(1); // start-up settles

    const double closed = IdleCpuMs(seconds);
    auto* com = qobject_cast<QAbstractButton*>(dlg.Control(ids::IDC_COM_OPEN));
    // The printer is the last entry of the list (after the machine's ports).
    auto* list = dlg.Control(ids::IDC_PORT_LIST);
    list->setProperty("currentIndex", list->property("count").toInt() - 1);
    com->click();
    if (!dlg.IsOpen()) {
        std::fprintf(stderr, "the port did not open\n");
        return 1;
    }
    const double open = IdleCpuMs(seconds);
    std::printf("idle console %d s, port closed: %.1f ms CPU (%.3f %%)\n", seconds, closed,
                closed / (seconds * MS_PER_S) * 100.0);
    std::printf("idle console %d s, port open: %.1f ms CPU (%.3f %%)\n", seconds, open,
                open / (seconds * MS_PER_S) * 100.0);
    std::printf("idle open/closed ratio: %.2f\n", closed > 0 ? open / closed : 0.0);
    return 0;
}
