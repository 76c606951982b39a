#pragma once
// Runs the real talvane-cli executable as a script would: arguments, optional standard
// input, its standard output and error, and its exit code. Started with posix_spawn, so
// no code of the threaded test runs in the child, with every signal at its default
// action (what the test process ignores, the program does not).

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

struct CliResult {
    int exitCode = -1; // -1: did not end in time (killed), or died by a signal
    int signal = 0;    // of a CliProcess stopped: the signal that ended it, if one did
    std::string out;
    std::string err;
};

// Runs `program` (a path) with `args`; `input` goes to its standard input.
CliResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input = {},
                     std::chrono::milliseconds timeout = std::chrono::seconds(30));
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = {});

// A talvane-cli that runs until it is told to stop (monitor), or another program
// (`program`, a path) that does.
class CliProcess {
public:
    explicit CliProcess(const std::vector<std::string>& args);
    // Any program; with `readOutput` false its standard output is a pipe nobody reads
    // (a stalled terminal or reader), though its standard error is still collected.
    CliProcess(const std::string& program, const std::vector<std::string>& args, bool readOutput = true);
    ~CliProcess();
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // Waits until its standard output holds `text`; false on time-out.
    bool WaitForOutput(const std::string& text, std::chrono::milliseconds timeout);
    // The same for its standard error.
    bool WaitForError(const std::string& text, std::chrono::milliseconds timeout);
    // Sends `signal` and tells whether the program still runs `wait` later.
    bool SurvivesSignal(int signal, std::chrono::milliseconds wait);
    // Sends `signal` (0: none) and collects what it printed and its exit code, waiting
    // up to 10 s for it to end before it is killed.
    CliResult Stop(int signal);
    // What it has printed so far.
    const CliResult& Peek() const { return result_; }
    pid_t Pid() const { return pid_; }
    // Reads some of what it has written so far into Peek(); false when nothing came.
    bool ReadSome(int timeoutMs);

private:
    pid_t pid_ = -1;
    bool readOutput_ = true;
    int out_ = -1;
    int err_ = -1;
    CliResult result_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
// The bytes of a records file's rows, joined.
std::vector<uint8_t> RecordsFileBytes(const std::string& path);
