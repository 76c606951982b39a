#include "console/TalvaneApp.h"

#include "console/ControlIds.h"
#include "console/Language.h"
#include "console/PortAccessHint.h"
#include "console/RememberedSettings.h"
#include "console/TalvaneDlg.h"
#include "eventlog/CrashReport.h"
#include "eventlog/EventLog.h"
#include "console/TapWindow.h"
#include "serial/PortMap.h"
#include "widgets/Prompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <unistd.h>

namespace {
constexpr int DEFAULT_WIDTH = CTalvaneDlg::DESIGN_WIDTH;
constexpr int DEFAULT_HEIGHT = CTalvaneDlg::DESIGN_HEIGHT;
constexpr int EXIT_USAGE = 2;
constexpr int DIALOG_FONT_POINTS = 9;
const char* const OFFSCREEN = "offscreen";
const QString PASSIVE_TAP = QStringLiteral("passive:");
// How long a screenshot of the tap waits for its first rows.
constexpr int TAP_SCREENSHOT_WAIT_MS = 2000;
constexpr int TAP_SCREENSHOT_POLL_MS = 10;

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in its terminal, kill) end the console
// as its quit does: the settings saved, the port closed, the log's last lines written.
// The handler only writes into a pipe the event loop watches.
constexpr int STOP_SIGNALS[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int SIGNAL_EXIT_BASE = 128; // as a shell reports a process a signal ended
int stopPipe[2] = {-1, -1};
volatile std::sig_atomic_t stopSignal = 0;

void OnStopSignal(int signal) {
    stopSignal = signal;
    const char byte = 1;
    (void)!::write(stopPipe[1], &byte, 1);
}

void QuitOnStopSignals(QObject* parent) {
    if (::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [] {
        char bytes[16];
        while (::read(stopPipe[0], bytes, sizeof bytes) > 0) {
        }
        eventlog::Note(eventlog::Kind::Log, std::string("Quit by SIG") + sigabbrev_np(stopSignal));
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* dlg = dynamic_cast<CTalvaneDlg*>(window)) dlg->done(QDialog::Rejected);
    });
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : STOP_SIGNALS) ::sigaction(signal, &action, nullptr);
}

void Print(FILE* to, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, bytes.size(), to);
}

// A user who may not open the machine's printer ports learns why at start, on the
// terminal and at the port list, before "COM Open" fails.
void HintAtPortAccess(CTalvaneDlg& dlg) {
    const QString hint = QString::fromStdString(
        PortAccess::Hint(PortAccess::PrinterDevices(PortMap::Global())));
    if (hint.isEmpty()) return;
    Print(stderr, QStringLiteral("talvane: %1\n").arg(hint));
    QTimer::singleShot(0, &dlg, [&dlg, hint] {
        dlg.ShowHelpTip(dlg.DialogControl(ids::IDC_PORT_LIST), hint);
    });
}
} // namespace

void PrepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Talvane"));
    QApplication::setApplicationVersion(QStringLiteral(TPC_VERSION));
    QFont font = QApplication::font();
    font.setPointSize(DIALOG_FONT_POINTS);
    app.setFont(font);
}

StartOptions ParseCommandLine(const QStringList& args) {
    StartOptions o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](const QString& name) -> QString {
            if (a.startsWith(name + QLatin1Char('='))) return a.mid(name.size() + 1);
            if (i + 1 < args.size()) return args[++i];
            o.error = QCoreApplication::translate("CTalvaneApp", "%1 needs a value").arg(name);
            return {};
        };
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (a == QLatin1String("--version") || a == QLatin1String("-V")) {
            o.version = true;
        } else if (a == QLatin1String("--reset-settings")) {
            o.resetSettings = true;
        } else if (a == QLatin1String("--port") || a.startsWith(QLatin1String("--port="))) {
            const QString path = value(QStringLiteral("--port"));
            if (!path.isEmpty()) o.ports.push_back(path.toStdString());
        } else if (a == QLatin1String("--no-log")) {
            o.noLog = true;
        } else if (a == QLatin1String("--log-level") || a.startsWith(QLatin1String("--log-level="))) {
            o.logLevel = value(QStringLiteral("--log-level"));
            eventlog::Level level;
            if (o.error.isEmpty() && !eventlog::ParseLevel(o.logLevel.toStdString(), level))
                o.error = QCoreApplication::translate(
                              "CTalvaneApp", "--log-level takes error, warning or info, not \"%1\"")
                              .arg(o.logLevel);
        } else if (a == QLatin1String("--lang") || a.startsWith(QLatin1String("--lang="))) {
            o.language = value(QStringLiteral("--lang"));
            if (o.error.isEmpty() && !o.language.isEmpty() && !language::Known(o.language))
                o.error = language::UnknownMessage(o.language);
        } else if (a == QLatin1String("--screenshot") ||
                   a.startsWith(QLatin1String("--screenshot="))) {
            o.screenshot = value(QStringLiteral("--screenshot"));
        } else if (a == QLatin1String("--tap")) {
            // A passive tap names both lines in its program side: no printer follows.
            o.tapProgram = value(QStringLiteral("--tap"));
            if (o.error.isEmpty() && !o.tapProgram.startsWith(PASSIVE_TAP)) {
                if (i + 1 < args.size()) o.tapPrinter = args[++i];
                else o.error = QCoreApplication::translate("CTalvaneApp", "--tap needs the program side and the printer");
            }
        } else if (a.startsWith(QLatin1Char('-')) && !a.startsWith(QLatin1String("-platform")) &&
                   !a.startsWith(QLatin1String("-style"))) {
            o.error = QCoreApplication::translate("CTalvaneApp", "unknown option %1").arg(a);
        }
        if (!o.error.isEmpty()) break;
    }
    return o;
}

QString UsageText() {
    return QCoreApplication::translate(
        "CTalvaneApp",
        "Usage: talvane [--port PATH | --port tcp://HOST[:PORT]]... [--screenshot FILE.png]\n"
        "               [--reset-settings] [--log-level LEVEL] [--no-log] [--lang CODE]\n"
        "               [--tap PROGRAM-SIDE PRINTER]\n"
        "Test console for thermal receipt and label printers on a serial port, USB or\n"
        "the network.\n"
        "\n"
        "  --port PATH          also list this device: a serial device (a pseudo-terminal\n"
        "                       or a /dev/serial/by-id link is fine, listed as COM901,\n"
        "                       COM902, ... in the order given) or a USB printer\n"
        "                       (/dev/usb/lp0, listed as USB1); repeatable\n"
        "  --port tcp://HOST[:PORT]\n"
        "                       also list this network printer (raw TCP, port 9100\n"
        "                       when left out), listed as NET1, NET2, ...\n"
        "  --screenshot FILE    render the window as it looks after start-up into a PNG\n"
        "                       file and quit (needs no display)\n"
        "  --reset-settings     forget the remembered port, lists, folders and window\n"
        "                       place, and start as on the first day\n"
        "  --log-level LEVEL    what the event log keeps: error, warning or info (all;\n"
        "                       the default)\n"
        "  --no-log             keep the event log in memory only (Ctrl+L shows it)\n"
        "  --lang CODE          speak this language: de, es, pt_BR, ru, zh_CN, or en (the\n"
        "                       source texts); without it the desktop's language\n"
        "                       (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) is spoken\n"
        "  --tap PROGRAM-SIDE PRINTER\n"
        "                       open the Tap window (Ctrl+T) and start it: the program\n"
        "                       side is pty:PATH, tcp-listen:ADDR:PORT or passive:A,B\n"
        "                       (no printer then), the printer a port name (COM3,\n"
        "                       NET1), a device path or tcp://HOST:PORT\n"
        "  --help               show this text\n"
        "  --version            show the version\n"
        "\n"
        "The event log is kept in $XDG_STATE_HOME/talvane (~/.local/state/talvane),\n"
        "one file per day; the oldest days go when the files pass 10 MiB.\n"
        "\n"
        "The console needs a display. Without one, run it under a virtual display:\n"
        "  xvfb-run -a talvane\n");
}

QString VersionText() {
    return QStringLiteral("talvane %1\n").arg(QStringLiteral(TPC_VERSION));
}

void UseLanguage(const StartOptions& options) {
    // A code ParseCommandLine refused is no choice: the desktop's language then.
    const bool chosen = !options.language.isEmpty() && language::Known(options.language);
    language::Install(chosen ? options.language : QString(), !chosen, nullptr);
}

void StartEventLog(const StartOptions& options) {
    eventlog::EventLog::Options log;
    eventlog::ParseLevel(options.logLevel.toStdString(), log.level);
    if (!options.noLog) log.folder = eventlog::EventLog::DefaultFolder();
    eventlog::EventLog& events = eventlog::EventLog::Instance();
    events.Configure(log);
    for (const eventlog::Event& event : events.Recent())
        if (event.kind == eventlog::Kind::Log)
            Print(stderr, QStringLiteral("talvane: %1\n").arg(QString::fromStdString(event.text)));
}

bool DisplayAvailable(QString* reason) {
    // A platform chosen explicitly (offscreen, vnc, ...) is the caller's business; an
    // empty variable chooses nothing.
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb"))) return true;
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return true;
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        *reason =
            QCoreApplication::translate("CTalvaneApp", "no display found (DISPLAY is not set)");
        return false;
    }
    // A local display ":N" has its socket; if that is gone, the toolkit would only
    // abort with its own message.
    if (display.startsWith(QLatin1Char(':'))) {
        const QString number = display.mid(1).section(QLatin1Char('.'), 0, 0);
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(number);
        if (!QFileInfo::exists(socket)) {
            *reason =
                QCoreApplication::translate("CTalvaneApp", "the display %1 is not running (no %2)")
                    .arg(display, socket);
            return false;
        }
    }
    return true;
}

bool CTalvaneApp::InitInstance(bool portNamed, const StartOptions* options) {
    CTalvaneDlg dlg;
    dlg.resize(DEFAULT_WIDTH, DEFAULT_HEIGHT);
    dlg.RememberSettings(portNamed);
    HintAtPortAccess(dlg);
    if (options != nullptr && !options->tapProgram.isEmpty()) {
        const QString program = options->tapProgram;
        const QString printer = options->tapPrinter;
        // Once the main window shows, so the tap window comes up in front of it.
        QTimer::singleShot(0, &dlg, [&dlg, program, printer] {
            TapWindow::Of(&dlg)->StartWith(program, printer);
        });
    }
    dlg.exec();
    return false;
}

bool CTalvaneApp::SaveScreenshot(const QString& path, QString* error, const StartOptions* options) {
    CTalvaneDlg dlg;
    dlg.resize(DEFAULT_WIDTH, DEFAULT_HEIGHT);
    dlg.show();
    QApplication::processEvents();
    QWidget* shown = &dlg;
    if (options != nullptr && !options->tapProgram.isEmpty()) {
        TapWindow* tap = TapWindow::Of(&dlg);
        // No one is there to answer a message box: what it would say is the error.
        Prompts::Script* before = Prompts::CurrentScript();
        bool started = false;
        {
            ScriptedPrompts said;
            started = tap->StartWith(options->tapProgram, options->tapPrinter);
            if (!started) *error = said.MessageTexts().join(QLatin1Char(' '));
        }
        Prompts::SetScript(before);
        if (!started) return false;
        QElapsedTimer waited;
        waited.start();
        while (tap->Rows().rowCount() == 0 && waited.elapsed() < TAP_SCREENSHOT_WAIT_MS) {
            QApplication::processEvents();
            QThread::msleep(TAP_SCREENSHOT_POLL_MS);
            tap->Refresh();
        }
        shown = tap;
    }
    const QPixmap picture = shown->grab();
    dlg.hide();
    if (picture.isNull() || !picture.save(path, "PNG")) {
        *error = QCoreApplication::translate("CTalvaneApp", "cannot write %1").arg(path);
        return false;
    }
    return true;
}

int CTalvaneApp::Main(int argc, char** argv) {
    // A save into a pipe or FIFO whose reader left fails with a message (EPIPE) instead
    // of ending the console with its unsaved records; a crash leaves its report.
    std::signal(SIGPIPE, SIG_IGN);
    eventlog::InstallCrashReport("talvane");
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const StartOptions options = ParseCommandLine(args);
    // What is said before the window's application exists is said in the chosen
    // language too; a bad --lang leaves the desktop's.
    const auto sayAndQuit = [&](FILE* to, const std::function<QString()>& text, int code) {
        QCoreApplication words(argc, argv);
        UseLanguage(options);
        Print(to, text());
        return code;
    };
    if (!options.error.isEmpty()) {
        return sayAndQuit(
            stderr,
            [&] {
                return QStringLiteral("talvane: %1\n\n").arg(ParseCommandLine(args).error) +
                       UsageText();
            },
            EXIT_USAGE);
    }
    if (options.help) return sayAndQuit(stdout, UsageText, 0);
    if (options.version) {
        Print(stdout, VersionText());
        return 0;
    }

    QString reason;
    if (!DisplayAvailable(&reason)) {
        if (options.screenshot.isEmpty()) {
            return sayAndQuit(
                stderr,
                [&] {
                    DisplayAvailable(&reason);
                    return QCoreApplication::translate(
                               "CTalvaneApp",
                               "talvane: %1.\n"
                               "Run it under a virtual display:\n"
                               "  xvfb-run -a talvane\n"
                               "or render its window to a picture without any display:\n"
                               "  talvane --screenshot window.png\n")
                        .arg(reason);
                },
                1);
        }
        // A picture needs no screen.
        qputenv("QT_QPA_PLATFORM", OFFSCREEN);
    }

    for (const std::string& path : options.ports) PortMap::Global().AddCommandLinePort(path);

    QApplication app(argc, argv);
    PrepareApplication(app);
    UseLanguage(options);
    if (options.resetSettings) {
        QString error;
        if (!RememberedSettings::Forget(&error)) Print(stderr, QStringLiteral("talvane: %1\n").arg(error));
    }
    if (!options.screenshot.isEmpty()) {
        QString error;
        if (!SaveScreenshot(options.screenshot, &error, &options)) {
            Print(stderr, QStringLiteral("talvane: %1\n").arg(error));
            return 1;
        }
        return 0;
    }
    StartEventLog(options);
    eventlog::Note(eventlog::Kind::Log, "Talvane " TPC_VERSION " started");
    QuitOnStopSignals(&app);
    CTalvaneApp talvane;
    talvane.InitInstance(!options.ports.empty(), &options);
    eventlog::Note(eventlog::Kind::Log, "Talvane ended");
    return stopSignal != 0 ? SIGNAL_EXIT_BASE + stopSignal : 0;
}
