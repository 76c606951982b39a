// talvane-cli: the console's abilities for scripts, without a window.
#include "tools/cli/Commands.h"
#include "tools/cli/ExitCodes.h"
#include "console/Language.h"
#include "eventlog/CrashReport.h"
#include "eventlog/EventLog.h"

#include <QApplication>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

using Runner = int (*)(int argc, char** argv, int first);

struct Subcommand {
    const char* name;
    Runner run;
    bool widgets; // drives the console's own controls, which need an application object
};

const Subcommand SUBCOMMANDS[] = {
    {"ports", cli::RunPorts, false},     {"send", cli::RunSend, false},
    {"sample", cli::RunSample, true},    {"picture", cli::RunPicture, true},
    {"barcode", cli::RunBarcode, true},  {"qr", cli::RunQRCode, true},
    {"pdf417", cli::RunPDF417, true},    {"datamatrix", cli::RunDataMatrix, true},
    {"status", cli::RunStatus, false},   {"decode", cli::RunDecode, false},
    {"monitor", cli::RunMonitor, false},
    {"render", cli::RunRender, false},
    {"tap", cli::RunTap, false},
};

// Qt's own notes (no runtime directory, fonts of the hidden controls) are not the
// tool's output; its messages go through cli::Fail.
void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s: %s\n", cli::PROGRAM, message.toLocal8Bit().constData());
}

// What was printed must have reached standard output: a reader that left (EPIPE, now
// that SIGPIPE is ignored) or a full disk is a file error, said, unless the run failed
// already.
int CheckStandardOutput(int code) {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return code;
    int error = errno;
    if (code != cli::EXIT_OK) return code;
    // The write that failed was earlier: a pipe without its reader still says so.
    if (error == 0) {
        pollfd out{STDOUT_FILENO, POLLOUT, 0};
        error = ::poll(&out, 1, 0) == 1 && (out.revents & POLLERR) != 0 ? EPIPE : EIO;
    }
    return cli::Fail(cli::EXIT_FILE,
                     cli::Fill(QCoreApplication::translate("cli", "cannot write standard output: %1"),
                               {std::strerror(error)}));
}

} // namespace

int main(int argc, char** argv) {
    // A write into a pipe or FIFO whose reader left fails (EPIPE) and is said, instead
    // of ending the tool with no word; a crash leaves its report.
    std::signal(SIGPIPE, SIG_IGN);
    eventlog::InstallCrashReport(cli::PROGRAM);
    // --verbose, anywhere: the events (port opened, closed, lost, refused...) on
    // standard error with their times.
    // --quiet, anywhere: no line that says what was sent on success.
    int kept = 1;
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--verbose") == 0)
            verbose = cli::SetVerbose(true);
        else if (std::strcmp(argv[i], "--quiet") == 0)
            cli::SetQuiet(true);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    // --lang CODE, anywhere: the language of the messages and the help; else the
    // desktop's. It is installed once the application object exists.
    std::string lang;
    std::string langError;
    if (!cli::TakeLanguage(argc, argv, lang, langError)) return cli::Fail(cli::EXIT_USAGE, langError);
    if (!language::Known(QString::fromStdString(lang)))
        return cli::Fail(cli::EXIT_USAGE, language::UnknownMessage(QString::fromStdString(lang)).toStdString());
    if (verbose)
        eventlog::EventLog::Instance().Subscribe([](const eventlog::Event& event) {
            std::fprintf(stderr, "%s\n", eventlog::FormatLine(event).c_str());
        });
    const bool toolHelp = argc < 2 || std::strcmp(argv[1], "--help") == 0 ||
                          std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "help") == 0;
    if (!toolHelp && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-V") == 0)) {
        std::printf("%s %s\n", cli::PROGRAM, TPC_VERSION);
        return cli::EXIT_OK;
    }
    const bool noArguments = argc < 2;
    const std::string first = noArguments ? std::string() : argv[1];
    const Subcommand* sub = nullptr;
    for (const Subcommand& candidate : SUBCOMMANDS)
        if (!toolHelp && std::strcmp(argv[1], candidate.name) == 0) sub = &candidate;
    qInstallMessageHandler(QuietQt);
    // Made before any text for a person is printed, the help too: a translator installed
    // with the application object applies to every one of them.
    std::unique_ptr<QCoreApplication> app;
    // The controls are never shown: no display is needed.
    if (sub != nullptr && sub->widgets) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    language::Install(QString::fromStdString(lang), lang.empty(), nullptr);
    if (toolHelp) {
        std::fputs(cli::HelpText("").c_str(), noArguments ? stderr : stdout);
        return noArguments ? cli::EXIT_USAGE : cli::EXIT_OK;
    }
    if (sub == nullptr) return cli::UnknownSubcommand(first);
    return CheckStandardOutput(sub->run(argc, argv, 2));
}
