#include "tests/cli/CliRun.h"

#include "console/RecordDecoder.h"
#include "tests/support/DefaultSignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

// How long a program has to end after its signal: a tap that stops after a flood still
// writes its rows and files, which takes a while on a loaded machine.
constexpr auto EXIT_WAIT = std::chrono::seconds(30);
constexpr auto EXIT_POLL = std::chrono::milliseconds(5);

pid_t Spawn(const std::string& program, const std::vector<std::string>& args, int in, int out,
            int err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    DefaultSignalsOnSpawn(attr);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, &attr, argv.data(), environ) != 0) pid = -1;
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool Drain(int fd, std::string& into) {
    char buffer[4096];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0) into.append(buffer, static_cast<size_t>(n));
    return n > 0;
}

int Reap(pid_t pid, bool waitLong) {
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + EXIT_WAIT;
    for (;;) {
        if (waitpid(pid, &status, WNOHANG) == pid) break;
        if (!waitLong || std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(EXIT_POLL);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

CliResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input, std::chrono::milliseconds timeout) {
    CliResult result;
    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
        return result;
    const pid_t pid = Spawn(program, args, in[0], out[1], err[1]);
    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (pid > 0 && !input.empty()) {
        std::signal(SIGPIPE, SIG_IGN);
        (void)!write(in[1], input.data(), input.size());
    }
    close(in[1]);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    bool outOpen = pid > 0, errOpen = pid > 0;
    while ((outOpen || errOpen) && std::chrono::steady_clock::now() < deadline) {
        pollfd fds[2] = {{outOpen ? out[0] : -1, POLLIN, 0}, {errOpen ? err[0] : -1, POLLIN, 0}};
        if (poll(fds, 2, 100) < 0 && errno != EINTR) break;
        if (fds[0].revents != 0) outOpen = Drain(out[0], result.out);
        if (fds[1].revents != 0) errOpen = Drain(err[0], result.err);
    }
    if (pid > 0) result.exitCode = Reap(pid, !outOpen && !errOpen);
    close(out[0]);
    close(err[0]);
    return result;
}

CliResult RunCli(const std::vector<std::string>& args, const std::string& input) {
    return RunProgram(TALVANE_CLI_PATH, args, input);
}

CliProcess::CliProcess(const std::vector<std::string>& args) : CliProcess(TALVANE_CLI_PATH, args, true) {}

CliProcess::CliProcess(const std::string& program, const std::vector<std::string>& args, bool readOutput)
    : readOutput_(readOutput) {
    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
        return;
    pid_ = Spawn(program, args, in[0], out[1], err[1]);
    close(in[0]);
    close(in[1]);
    close(out[1]);
    close(err[1]);
    out_ = out[0];
    err_ = err[0];
}

CliProcess::~CliProcess() {
    if (pid_ > 0) Stop(SIGKILL);
    if (out_ >= 0) close(out_);
    if (err_ >= 0) close(err_);
}

bool CliProcess::ReadSome(int timeoutMs) {
    pollfd fds[2] = {{readOutput_ ? out_ : -1, POLLIN, 0}, {err_, POLLIN, 0}};
    if (poll(fds, 2, timeoutMs) <= 0) return false;
    bool read = false;
    if ((fds[0].revents & POLLIN) && readOutput_) read = Drain(out_, result_.out);
    if (fds[1].revents & POLLIN) read = Drain(err_, result_.err) || read;
    return read;
}

bool CliProcess::WaitForOutput(const std::string& text, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (result_.out.find(text) == std::string::npos) {
        if (pid_ <= 0 || std::chrono::steady_clock::now() > deadline) return false;
        ReadSome(50);
    }
    return true;
}

bool CliProcess::WaitForError(const std::string& text, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (result_.err.find(text) == std::string::npos) {
        if (pid_ <= 0 || std::chrono::steady_clock::now() > deadline) return false;
        ReadSome(50);
    }
    return true;
}

bool CliProcess::SurvivesSignal(int signal, std::chrono::milliseconds wait) {
    if (pid_ <= 0) return false;
    kill(pid_, signal);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (std::chrono::steady_clock::now() < deadline) {
        ReadSome(10);
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            result_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            result_.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
            pid_ = -1;
            return false;
        }
    }
    return true;
}

CliResult CliProcess::Stop(int signal) {
    if (pid_ <= 0) return result_;
    kill(pid_, signal);
    const auto deadline = std::chrono::steady_clock::now() + EXIT_WAIT;
    int status = 0;
    bool ended = false;
    while (!ended && std::chrono::steady_clock::now() < deadline) {
        ReadSome(10);
        ended = waitpid(pid_, &status, WNOHANG) == pid_;
    }
    if (!ended) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
    }
    // What it wrote last, to the end (a long output is still in the pipes).
    while (ReadSome(0)) {
    }
    result_.exitCode = ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result_.signal = ended && WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    pid_ = -1;
    return result_;
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::vector<uint8_t> RecordsFileBytes(const std::string& path) {
    const records::ImportResult result = records::ParseRecordsFile(ReadFile(path));
    std::vector<uint8_t> bytes;
    for (const std::string& record : result.records) records::AppendRecordBytes(record, bytes);
    return bytes;
}
