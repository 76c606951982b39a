// vprinter: a virtual thermal printer on a pseudo-terminal.
#include "emulator/ControlCommands.h"
#include "emulator/InputFile.h"
#include "emulator/OfflineRender.h"
#include "emulator/ReceiptFiles.h"
#include "emulator/VirtualPrinter.h"
#include "eventlog/CrashReport.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/signalfd.h>
#include <unistd.h>

#ifdef VPRINTER_WITH_QT
#include "emulator/PaperWindow.h"
#include <QApplication>
#include <QSocketNotifier>
#endif

namespace {

constexpr const char* USAGE =
    "Usage: vprinter [options]\n"
    "A virtual thermal receipt printer on a pseudo-terminal. It prints the path of\n"
    "its serial device on the first line of standard output; open that path (or the\n"
    "--link) as the printer's serial port. Each receipt becomes a picture in the\n"
    "output folder; a receipt ends at a cut, after an idle second, or at exit.\n"
    "\n"
    "Options:\n"
    "  --width DOTS   printable width: 384 (58 mm paper, default) or 576 (80 mm);\n"
    "                 58 and 80 are accepted too\n"
    "  --link PATH    make PATH a symbolic link to the device\n"
    "  --out DIR      folder for the receipts (default: receipts)\n"
    "  --idle MS      idle time that ends a receipt (default: 1000)\n"
    "  --tcp PORT     listen on a TCP port instead (0: any free port; the first line\n"
    "                 of standard output is then address:port)\n"
    "  --bind ADDR    address to listen on with --tcp (default: 127.0.0.1)\n"
    "  --baud N       take bytes no faster than a serial line of N baud carries them\n"
    "                 (8N1, ten bits a byte); prints at 100 mm/s unless --print-speed\n"
    "  --buffer BYTES receive buffer (default: 4096); when it fills, the printer sends\n"
    "                 XOFF (pseudo-terminal) or stops reading (TCP); bytes a sender\n"
    "                 sends on regardless are dropped and counted in the log\n"
    "  --print-speed MM_S  empty the buffer at this paper speed (default: at once)\n"
    "  --print-on-paper-end  paper end and platen up do not stop printing\n"
    "  --plain        receipts as plain dots on white, one pixel each, without the\n"
    "                 paper's edges, cut, label gaps and density greys\n"
    "  --window       show the paper growing in a window\n"
    "  --input FILE   print the bytes of FILE (\"-\": standard input) into the output\n"
    "                 folder and exit, without a line; exit 0 when every command was\n"
    "                 understood, 20 when one was skipped or the file ends inside one,\n"
    "                 3 when the file is empty, 4 when it cannot be read\n"
    "  --quiet        do not log commands it skips\n"
    "  --help         show this text\n"
    "\n"
    "Standard input takes commands that switch the printer's conditions; with\n"
    "automatic status back on, each change sends its status byte:\n";

constexpr long MAX_TCP_PORT = 65535;
constexpr long MIN_BUFFER = 16;
constexpr long MAX_BUFFER = 16L << 20;
constexpr long MAX_PRINT_SPEED = 1000;

struct Arguments {
    vprinter::VirtualPrinter::Options printer;
    std::string outDir = "receipts";
    bool window = false;
    bool quiet = false;
    bool plain = false;
    std::string input; // --input: render this file and exit
};

// --input's exit codes are talvane-cli render's, so a script reads both alike.
constexpr int EXIT_OK = 0;
constexpr int EXIT_REFUSED = 3;        // nothing to print
constexpr int EXIT_FILE = 4;           // the input cannot be read or a picture not written
constexpr int EXIT_NOT_UNDERSTOOD = 20; // a command was skipped, or the input ends inside one

// A whole number from min up; false when the text is anything else.
bool ParseCount(const char* text, long min, long* value) {
    char* end = nullptr;
    errno = 0;
    const long n = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno != 0 || n < min) return false;
    *value = n;
    return true;
}

bool ParseWidth(const std::string& text, int* width) {
    if (text == "384" || text == "58" || text == "58mm")
        *width = vprinter::PRN_WIDTH_58MM;
    else if (text == "576" || text == "80" || text == "80mm")
        *width = vprinter::PRN_WIDTH_80MM;
    else
        return false;
    return true;
}

// Returns -1 to go on, else the exit code.
int ParseArguments(int argc, char** argv, Arguments* args) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--help" || option == "-h") {
            std::printf("%s%s\n", USAGE, vprinter::ControlHelp().c_str());
            return 0;
        }
        if (option == "--version" || option == "-V") {
            std::printf("vprinter %s\n", TPC_VERSION);
            return 0;
        }
        if (option == "--window")
            args->window = true;
        else if (option == "--plain")
            args->plain = true;
        else if (option == "--quiet")
            args->quiet = true;
        else if (option == "--width" && hasValue) {
            if (!ParseWidth(argv[++i], &args->printer.widthDots)) {
                std::fprintf(stderr, "vprinter: --width takes 384 or 576\n");
                return 2;
            }
        } else if (option == "--link" && hasValue)
            args->printer.linkPath = argv[++i];
        else if (option == "--input" && hasValue)
            args->input = argv[++i];
        else if (option == "--out" && hasValue)
            args->outDir = argv[++i];
        else if (option == "--print-on-paper-end")
            args->printer.printWhileStopped = true;
        else if (option == "--bind" && hasValue)
            args->printer.tcpBind = argv[++i];
        else if (option == "--tcp" && hasValue) {
            long port = 0;
            if (!ParseCount(argv[++i], 0, &port) || port > MAX_TCP_PORT) {
                std::fprintf(stderr, "vprinter: --tcp takes a port number, 0 to 65535\n");
                return 2;
            }
            args->printer.tcpPort = static_cast<int>(port);
        } else if (option == "--baud" && hasValue) {
            if (!ParseCount(argv[++i], 1, &args->printer.baud)) {
                std::fprintf(stderr, "vprinter: --baud takes a rate in bits per second\n");
                return 2;
            }
        } else if (option == "--buffer" && hasValue) {
            long bytes = 0;
            if (!ParseCount(argv[++i], MIN_BUFFER, &bytes) || bytes > MAX_BUFFER) {
                std::fprintf(stderr, "vprinter: --buffer takes 16 to 16777216 bytes\n");
                return 2;
            }
            args->printer.bufferBytes = static_cast<size_t>(bytes);
        } else if (option == "--print-speed" && hasValue) {
            long speed = 0;
            if (!ParseCount(argv[++i], 1, &speed) || speed > MAX_PRINT_SPEED) {
                std::fprintf(stderr, "vprinter: --print-speed takes 1 to 1000 mm/s\n");
                return 2;
            }
            args->printer.printSpeedMmS = static_cast<double>(speed);
        } else if (option == "--idle" && hasValue) {
            char* end = nullptr;
            const long ms = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || ms < 1) {
                std::fprintf(stderr, "vprinter: --idle takes milliseconds\n");
                return 2;
            }
            args->printer.idleMs = static_cast<int>(ms);
        } else {
            std::fprintf(stderr, "vprinter: unknown option %s\n%s", option.c_str(), USAGE);
            return 2;
        }
    }
    return -1;
}

// Splits standard input into lines and runs them; false once "quit" came.
class StdinCommands {
public:
    explicit StdinCommands(vprinter::VirtualPrinter& printer) : printer_(printer) {}
    // Reads what is there; sets *closed at end of input.
    bool ReadAvailable(bool* closed) {
        char buffer[1024];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            *closed = n == 0 || (errno != EAGAIN && errno != EINTR);
            return true;
        }
        text_.append(buffer, static_cast<size_t>(n));
        size_t end;
        while ((end = text_.find('\n')) != std::string::npos) {
            const std::string line = text_.substr(0, end);
            text_.erase(0, end + 1);
            std::string reply;
            const bool goOn = printer_.Control(line, &reply);
            if (!reply.empty()) std::printf("%s\n", reply.c_str());
            std::fflush(stdout);
            if (!goOn) return false;
        }
        return true;
    }

private:
    vprinter::VirtualPrinter& printer_;
    std::string text_;
};

// Without a window: wait for signalFd and commands. A closed standard input is
// simply no longer watched.
void RunQuiet(int signalFd, StdinCommands& commands) {
    bool stdinOpen = true;
    for (;;) {
        pollfd fds[2] = {{signalFd, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        const int count = stdinOpen ? 2 : 1;
        if (::poll(fds, count, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (fds[0].revents) return;
        if (count == 2 && fds[1].revents) {
            bool closed = false;
            if (!commands.ReadAvailable(&closed)) return;
            if (closed) stdinOpen = false;
        }
    }
}

// --input: the file's receipts, as the printer on a line would print them, each
// written when it ends. The output folder is made once the input is known readable.
int RenderInput(const Arguments& args, vprinter::ReceiptFiles& files) {
    vprinter::InputFile input;
    std::string error;
    if (!input.Open(args.input, &error)) {
        std::fprintf(stderr, "vprinter: cannot read %s\n", error.c_str());
        return EXIT_FILE;
    }
    std::vector<uint8_t> piece(vprinter::InputFile::PIECE);
    long got = input.Read(piece.data(), piece.size(), &error);
    if (got == 0) {
        std::fprintf(stderr, "vprinter: %s is empty: nothing to print\n", input.Shown().c_str());
        return EXIT_REFUSED;
    }
    if (got > 0 && !files.Prepare(&error)) {
        std::fprintf(stderr, "vprinter: %s\n", error.c_str());
        return EXIT_FILE;
    }
    int code = EXIT_OK;
    vprinter::ReceiptRenderer renderer(
        args.printer.widthDots,
        [&](const vprinter::PaperBitmap& paper, vprinter::ReceiptEnd end,
            const vprinter::StoredSettings& stored) {
            std::string failure;
            const auto look =
                vprinter::ReceiptLook::From(stored, end == vprinter::ReceiptEnd::Cut, args.plain);
            const std::string path = files.Write(paper, look, &failure);
            if (path.empty()) {
                std::fprintf(stderr, "vprinter: %s\n", failure.c_str());
                code = EXIT_FILE;
            } else {
                std::printf("%s\n", path.c_str());
            }
        },
        [&](const vprinter::RenderNote& note) {
            if (!args.quiet)
                std::fprintf(stderr, "vprinter: %s%s\n",
                             note.hasOffset ? ("offset " + std::to_string(note.offset) + ": ").c_str()
                                            : "",
                             note.text.c_str());
        });
    for (; got > 0; got = input.Read(piece.data(), piece.size(), &error))
        renderer.Feed(piece.data(), static_cast<size_t>(got));
    if (got < 0) {
        // What came before is printed; the rest could not be read.
        renderer.Finish();
        std::fprintf(stderr, "vprinter: cannot read %s\n", error.c_str());
        return EXIT_FILE;
    }
    const uint64_t consumed = renderer.Consumed();
    renderer.Finish();
    if (consumed < renderer.Bytes())
        std::fprintf(stderr, "vprinter: offset %llu: the input ends inside a command\n",
                     static_cast<unsigned long long>(consumed));
    if (code != EXIT_OK) return code;
    return renderer.AllUnderstood() ? EXIT_OK : EXIT_NOT_UNDERSTOOD;
}

} // namespace

int main(int argc, char** argv) {
    // A reader that left makes a write fail (EPIPE), said where it happens; a crash
    // leaves its report on standard error.
    std::signal(SIGPIPE, SIG_IGN);
    eventlog::InstallCrashReport("vprinter");
    Arguments args;
    const int parsed = ParseArguments(argc, argv, &args);
    if (parsed >= 0) return parsed;

    // The signalFd that end the printer arrive through a descriptor, in order with
    // the other events; every thread started below inherits the mask.
    sigset_t mask;
    sigemptyset(&mask);
    sigaddset(&mask, SIGINT);
    sigaddset(&mask, SIGTERM);
    sigaddset(&mask, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &mask, nullptr);
    const int signalFd = signalfd(-1, &mask, SFD_CLOEXEC);

    vprinter::ReceiptFiles files(args.outDir);
    if (!args.input.empty()) return RenderInput(args, files);
    std::string error;
    if (!files.Prepare(&error)) {
        std::fprintf(stderr, "vprinter: %s\n", error.c_str());
        return 1;
    }
    vprinter::VirtualPrinter printer(args.printer);
    const bool quiet = args.quiet;
    printer.SetLogHandler([quiet](const std::string& line) {
        if (!quiet) std::fprintf(stderr, "vprinter: %s\n", line.c_str());
    });
    const bool plain = args.plain;
    printer.SetReceiptHandler(
        [&files, plain](const vprinter::PaperBitmap& paper, vprinter::ReceiptEnd reason,
                        const vprinter::StoredSettings& stored,
                        const std::vector<vprinter::DensityBand>& densities) {
            std::string failure;
            const auto look = vprinter::ReceiptLook::From(
                stored, densities, reason == vprinter::ReceiptEnd::Cut, plain);
            const std::string path = files.Write(paper, look, &failure);
            if (path.empty())
                std::fprintf(stderr, "vprinter: %s\n", failure.c_str());
            else
                std::fprintf(stderr, "vprinter: receipt %s (%d dot rows, ended by %s)\n",
                             path.c_str(), paper.Height(), vprinter::ReceiptEndName(reason));
        });
    if (!printer.Open(&error)) {
        std::fprintf(stderr, "vprinter: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", printer.DevicePath().c_str());
    std::fflush(stdout);
    if (!args.printer.linkPath.empty())
        std::fprintf(stderr, "vprinter: %s -> %s, %d dots wide\n", args.printer.linkPath.c_str(),
                     printer.DevicePath().c_str(), args.printer.widthDots);
    if (!printer.Start()) {
        std::fprintf(stderr, "vprinter: cannot start\n");
        return 1;
    }
    StdinCommands commands(printer);
#ifdef VPRINTER_WITH_QT
    if (args.window) {
        QApplication app(argc, argv);
        vprinter::PaperWindow window(printer);
        window.show();
        QSocketNotifier onSignal(signalFd, QSocketNotifier::Read);
        QObject::connect(&onSignal, &QSocketNotifier::activated, &app, [&app] { app.quit(); });
        QSocketNotifier onInput(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(&onInput, &QSocketNotifier::activated, &app, [&] {
            bool closed = false;
            if (!commands.ReadAvailable(&closed)) app.quit();
            if (closed) onInput.setEnabled(false);
        });
        app.exec();
        printer.Stop();
        return 0;
    }
#else
    if (args.window) std::fprintf(stderr, "vprinter: built without Qt, no window\n");
#endif
    RunQuiet(signalFd, commands);
    printer.Stop();
    return 0;
}
