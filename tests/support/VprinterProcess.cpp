#include "tests/support/VprinterProcess.h"
#include "tests/support/DefaultSignals.h"

#include "emulator/PrinterState.h"

#include <QDir>
#include <QImage>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

using namespace std::chrono_literals;

namespace {

// Generous: the suite also runs under the sanitizers on a busy two-core machine.
constexpr auto STARTUP_TIMEOUT = 30s;
constexpr auto REPLY_TIMEOUT = 30s;
constexpr auto EXIT_TIMEOUT = 10s;
constexpr auto EXIT_POLL = 10ms;
// How long bytes written to the printer's line may take to arrive, how often the
// printer is asked meanwhile, and how long a line without a byte count must stay
// unchanged to count as having brought everything.
constexpr auto ARRIVAL_TIMEOUT = 30s;
constexpr auto ARRIVAL_POLL = 20ms;
constexpr auto QUIET_LINE = 300ms;
// Receipts end only when a test says so, never because the console paused.
const char* const NO_IDLE_END = "600000";
// The last line of the reply to "status".
const std::string STATUS_LAST_LINE = "layout ";
constexpr int BLACK_BELOW = 128;

} // namespace

VprinterProcess::VprinterProcess(int widthDots, const std::vector<std::string>& extra,
                                 bool overTcp, bool plain) {
    // A printer that died is reported by the failing read, not by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
        return;
    // posix_spawn runs no code of ours in the child: safe in a threaded test process,
    // under the sanitizers too.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    // TPC_VPRINTER names another build of the program (a benchmark may need a newer one).
    const char* program = std::getenv("TPC_VPRINTER");
    if (program == nullptr || *program == '\0') program = VPRINTER_PATH;
    std::vector<std::string> args = {program,
                                     "--out",
                                     dir_.filePath(QStringLiteral("out")).toStdString(),
                                     "--idle",
                                     NO_IDLE_END,
                                     "--width",
                                     std::to_string(widthDots)};
    if (plain) args.push_back("--plain"); // receipts read back dot for dot
    args.insert(args.end(), extra.begin(), extra.end());
    if (overTcp) {
        args.push_back("--tcp");
        args.push_back("0"); // a free port on the loopback address
    }
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    DefaultSignalsOnSpawn(attr);
    const int spawned = posix_spawn(&pid_, program, &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    in_ = in[1];
    out_ = out[0];
    err_ = err[0];
    fcntl(err_, F_SETFL, fcntl(err_, F_GETFL) | O_NONBLOCK);
    if (spawned != 0) {
        pid_ = -1;
        return;
    }
    std::string line;
    if (ReadLine(&line, STARTUP_TIMEOUT)) {
        if (!overTcp && line.rfind("/dev/", 0) == 0) device_ = QString::fromStdString(line);
        // With --tcp the first line is "address:port".
        if (overTcp && line.find(':') != std::string::npos)
            device_ = QString::fromStdString("tcp://" + line);
    }
}

VprinterProcess::~VprinterProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + EXIT_TIMEOUT;
        int status = 0;
        bool ended = false;
        while (!ended && std::chrono::steady_clock::now() < deadline) {
            DrainLog();
            ended = waitpid(pid_, &status, WNOHANG) == pid_;
            if (!ended) std::this_thread::sleep_for(EXIT_POLL);
        }
        if (!ended) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
    }
    for (int fd : {in_, out_, err_})
        if (fd >= 0) close(fd);
}

void VprinterProcess::DrainLog() {
    char buffer[4096];
    ssize_t n;
    while (err_ >= 0 && (n = read(err_, buffer, sizeof buffer)) > 0)
        log_.append(buffer, static_cast<size_t>(n));
}

bool VprinterProcess::ReadLine(std::string* line, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        const size_t end = outText_.find('\n');
        if (end != std::string::npos) {
            *line = outText_.substr(0, end);
            outText_.erase(0, end + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || out_ < 0) return false;
        // Standard error is read too, so a chatty printer never blocks on it.
        pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
        const int ready = poll(fds, 2, static_cast<int>(left.count()));
        if (ready < 0 && errno != EINTR) return false;
        DrainLog();
        if (fds[0].revents & (POLLIN | POLLHUP)) {
            char buffer[1024];
            const ssize_t n = read(out_, buffer, sizeof buffer);
            if (n <= 0) return false; // it has gone
            outText_.append(buffer, static_cast<size_t>(n));
        }
    }
}

bool VprinterProcess::Write(const std::string& text) {
    return in_ >= 0 && write(in_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
}

bool VprinterProcess::Command(const QString& line, const QString& reply) {
    if (!Write(line.toStdString() + "\n")) return false;
    const std::string expected = reply.toStdString();
    std::string answer;
    while (ReadLine(&answer, REPLY_TIMEOUT))
        if (answer.rfind(expected, 0) == 0) return true;
    return false;
}

std::string VprinterProcess::Ask(const QString& line, const QString& reply) {
    if (!Write(line.toStdString() + "\n")) return {};
    const std::string expected = reply.toStdString();
    std::string answer;
    while (ReadLine(&answer, REPLY_TIMEOUT))
        if (answer.rfind(expected, 0) == 0) return answer;
    return {};
}

bool VprinterProcess::Received(uint64_t* bytes) {
    unsigned long long n = 0;
    const std::string answer = Ask(QStringLiteral("received"), QStringLiteral("received "));
    if (std::sscanf(answer.c_str(), "received %llu bytes", &n) != 1) return false;
    *bytes = n;
    return true;
}

bool VprinterProcess::CutAndSync(uint64_t expectedBytes) {
    const auto deadline = std::chrono::steady_clock::now() + ARRIVAL_TIMEOUT;
    uint64_t seen = 0, before = UINT64_MAX;
    for (;;) {
        if (!Received(&seen)) return false;
        const bool arrived = expectedBytes > 0 ? seen >= expectedBytes : seen == before;
        if (arrived) break; // what waits in the buffer is the printer's business (a held
                            // printer keeps it), as it is at a cut by hand
        if (std::chrono::steady_clock::now() > deadline) return false;
        before = seen;
        std::this_thread::sleep_for(expectedBytes > 0 ? ARRIVAL_POLL : QUIET_LINE);
    }
    // "cut" has no reply; the commands are taken in order, so the status reply comes
    // after the receipt was written.
    if (!Write("cut\n")) return false;
    return Command(QStringLiteral("status"), QString::fromStdString(STATUS_LAST_LINE));
}

QStringList VprinterProcess::Receipts() const {
    QDir out(dir_.filePath(QStringLiteral("out")));
    QStringList files;
    for (const QString& name :
         out.entryList({QStringLiteral("receipt-*.png")}, QDir::Files, QDir::Name))
        files << out.filePath(name);
    return files;
}

QString VprinterProcess::Log() {
    DrainLog();
    return QString::fromStdString(log_);
}

vprinter::PaperBitmap LoadReceipt(const QString& path, int printableWidth) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_Grayscale8);
    const int margin = vprinter::PaperMargin(printableWidth);
    if (image.isNull() || image.width() != printableWidth + 2 * margin)
        return vprinter::PaperBitmap(printableWidth);
    vprinter::PaperBitmap paper(printableWidth, image.height());
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < printableWidth; ++x)
            if (line[margin + x] < BLACK_BELOW) paper.Set(x, y);
    }
    return paper;
}
