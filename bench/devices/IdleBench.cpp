// CPU time of an idle console: the main dialog with the device watcher running, left
// alone for a while with its port closed (the baseline), then with the port open on a
// pseudo-terminal printer. Prints both figures and "idle open/closed ratio: X".
// Usage: bench_devices_idle [SECONDS] (60 by default).

#include "console/ControlIds.h"
#include "console/TalvaneDlg.h"
#include "serial/PortMap.h"
#include "tests/support/PrinterPeer.h"
#include "widgets/Prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

constexpr int DEFAULT_SECONDS = 60;
constexpr double MS_PER_S = 1000.0;
constexpr double US_PER_MS = 1000.0;

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

} // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : DEFAULT_SECONDS;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPrompts prompts;
    PrinterPeer printer;
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
