#include "eventlog/CrashReport.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>

namespace eventlog {

namespace {

constexpr int FATAL_SIGNALS[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
constexpr int MAX_FRAMES = 64;
constexpr size_t PROGRAM_NAME_ROOM = 64;
constexpr size_t LINE_ROOM = 256;
// The handler's own stack: room for the report when the crash was a stack overflow.
constexpr size_t ALTERNATE_STACK_BYTES = 64 * 1024;
constexpr long SECONDS_PER_DAY = 86400;
constexpr long SECONDS_PER_HOUR = 3600;
constexpr long SECONDS_PER_MINUTE = 60;
constexpr long NANOSECONDS_PER_MS = 1000000;

char programName[PROGRAM_NAME_ROOM] = "program";
alignas(16) char alternateStack[ALTERNATE_STACK_BYTES];
std::atomic<int> logFd{-1};           // kept open for the handler; follows the day file
std::atomic<bool> logAttached{false}; // whether it points at the current day file
std::atomic<long> utcOffset{0};
std::atomic<bool> reporting{false};

const char* SignalName(int signal) {
    switch (signal) {
    case SIGSEGV: return "SIGSEGV (invalid memory access)";
    case SIGABRT: return "SIGABRT (aborted)";
    case SIGBUS: return "SIGBUS (bus error)";
    case SIGFPE: return "SIGFPE (arithmetic error)";
    case SIGILL: return "SIGILL (illegal instruction)";
    default: return "a fatal signal";
    }
}

// A line built in a fixed buffer without the allocator or locale.
class Line {
public:
    Line& Text(const char* text) {
        while (*text != '\0' && used_ < LINE_ROOM - 1) buffer_[used_++] = *text++;
        return *this;
    }
    Line& Number(long value, int width) {
        char digits[24];
        int n = 0;
        unsigned long v = value < 0 ? 0ul : static_cast<unsigned long>(value);
        do {
            digits[n++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v != 0 && n < static_cast<int>(sizeof digits));
        while (n < width && n < static_cast<int>(sizeof digits)) digits[n++] = '0';
        while (n > 0 && used_ < LINE_ROOM - 1) buffer_[used_++] = digits[--n];
        return *this;
    }
    void WriteTo(int fd) const {
        size_t done = 0;
        while (done < used_) {
            const ssize_t n = ::write(fd, buffer_ + done, used_ - done);
            if (n <= 0) return;
            done += static_cast<size_t>(n);
        }
    }

private:
    char buffer_[LINE_ROOM];
    size_t used_ = 0;
};

// The local time as the log's lines show it ("2026-12-08 08:40:01.123"), by arithmetic
// only: days since 1970 to a civil date.
void AppendTime(Line& line) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const long local = static_cast<long>(now.tv_sec) + utcOffset.load();
    long days = local / SECONDS_PER_DAY;
    long second = local % SECONDS_PER_DAY;
    if (second < 0) {
        second += SECONDS_PER_DAY;
        --days;
    }
    // The civil date of a day count (proleptic Gregorian, eras of 400 years).
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;
    const long day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const long month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    line.Number(year, 4).Text("-").Number(month, 2).Text("-").Number(day, 2).Text(" ");
    line.Number(second / SECONDS_PER_HOUR, 2).Text(":");
    line.Number(second % SECONDS_PER_HOUR / SECONDS_PER_MINUTE, 2).Text(":");
    line.Number(second % SECONDS_PER_MINUTE, 2).Text(".");
    line.Number(now.tv_nsec / NANOSECONDS_PER_MS, 3);
}

void OnFatalSignal(int signal) {
    // A second thread that crashes meanwhile waits: the first one's report ends the
    // program.
    if (reporting.exchange(true)) {
        for (;;) ::pause();
    }
    {
        void* frames[MAX_FRAMES];
        const int count = ::backtrace(frames, MAX_FRAMES);
        Line said;
        said.Text(programName).Text(": crashed: ").Text(SignalName(signal)).Text("; backtrace:\n");
        said.WriteTo(STDERR_FILENO);
        ::backtrace_symbols_fd(frames, count, STDERR_FILENO);
        const int fd = logFd.load();
        if (fd >= 0 && logAttached.load()) {
            Line logged;
            AppendTime(logged);
            // Lined up with the log's other lines ("log" padded to the kind column).
            logged.Text(" log      ").Text(programName).Text(" crashed: ").Text(SignalName(signal))
                .Text("; backtrace:\n");
            logged.WriteTo(fd);
            ::backtrace_symbols_fd(frames, count, fd);
            ::fsync(fd);
        }
    }
    // The handler was reset to the default action on entry: the signal, raised again,
    // ends the program when the handler returns (a fault simply happens again).
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

} // namespace

void InstallCrashReport(const char* program) {
    std::strncpy(programName, program, PROGRAM_NAME_ROOM - 1);
    programName[PROGRAM_NAME_ROOM - 1] = '\0';
    // The first backtrace loads the unwinder (which allocates): done here, not in the
    // handler.
    void* frame[1];
    (void)::backtrace(frame, 1);
    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    (void)::sigaltstack(&stack, nullptr);
    struct sigaction action {};
    action.sa_handler = OnFatalSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_ONSTACK | SA_RESETHAND;
    for (const int signal : FATAL_SIGNALS) ::sigaction(signal, &action, nullptr);
}

void CrashReportFile(int fd, long utcOffsetSeconds) {
    if (fd < 0) {
        logAttached = false;
        return;
    }
    utcOffset = utcOffsetSeconds;
    const int kept = logFd.load();
    // dup3 points the kept descriptor at the new file in one step: the handler never
    // sees a descriptor that is closed or reused for something else.
    if (kept >= 0) {
        if (::dup3(fd, kept, O_CLOEXEC) < 0) return;
    } else {
        const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        if (copy < 0) return;
        logFd = copy;
    }
    logAttached = true;
}

} // namespace eventlog
