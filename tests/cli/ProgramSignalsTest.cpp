// Every installed program that runs until it is stopped, run as a process with the
// default signal actions: SIGPIPE (a reader that left) does not end it, and a fatal
// signal leaves the signal and a backtrace on standard error, and for the console in
// its event log file too, before the program dies of that signal. SIGTERM ends the
// console as its own quit does.
#include "tests/cli/CliRun.h"
#include "tests/support/PrinterPeer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// Starting a Qt program on a loaded machine takes a while.
constexpr auto START_WAIT = 30s;
constexpr auto SURVIVE_WAIT = 500ms;

struct Folder {
    Folder() {
        char name[] = "/tmp/program-signals-XXXXXX";
        if (::mkdtemp(name) != nullptr) path = name;
    }
    ~Folder() {
        std::error_code ignored;
        if (!path.empty()) fs::remove_all(path, ignored);
    }
    std::string path;
};

// The one day file in `folder` (the console's event log), or nothing.
fs::path DayFile(const std::string& folder) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".log") return entry.path();
    return {};
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool WaitFor(const std::function<bool()>& ready) {
    const auto deadline = std::chrono::steady_clock::now() + START_WAIT;
    while (!ready()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

// The report on standard error: the signal, then at least one frame.
void ExpectReport(const CliResult& r, const std::string& program) {
    EXPECT_EQ(r.signal, SIGABRT) << program << ": " << r.err;
    const std::string head = program + ": crashed: SIGABRT";
    const size_t at = r.err.find(head);
    ASSERT_NE(at, std::string::npos) << r.err;
    EXPECT_NE(r.err.find("[0x", at), std::string::npos) << "no backtrace frame: " << r.err;
}

class ProgramSignals : public ::testing::Test {
protected:
    void SetUp() override {
        // A crash of the programs here leaves no core file in the build folder.
        const rlimit none{0, 0};
        ::setrlimit(RLIMIT_CORE, &none);
        ::setenv("XDG_STATE_HOME", (home.path + "/state").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home.path + "/config").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    Folder home;
};

} // namespace

TEST_F(ProgramSignals, TheConsoleOutlivesSigpipeAndACrashIsInItsEventLog) {
    const std::string logFolder = home.path + "/state/talvane";
    CliProcess console(TALVANE_PATH, {});
    ASSERT_TRUE(WaitFor([&] { return Slurp(DayFile(logFolder)).find("started") != std::string::npos; }))
        << console.Peek().err;
    EXPECT_TRUE(console.SurvivesSignal(SIGPIPE, SURVIVE_WAIT)) << "ended by signal " << console.Peek().signal;
    const CliResult crashed = console.Stop(SIGABRT);
    ExpectReport(crashed, "talvane");

    // The log's line is timed as its others, on the day its file is named after, and
    // the frames follow it.
    const fs::path day = DayFile(logFolder);
    const std::string logged = Slurp(day);
    const std::string line = " log      talvane crashed: SIGABRT";
    const size_t at = logged.find(line);
    ASSERT_NE(at, std::string::npos) << logged;
    const size_t lineStart = logged.rfind('\n', at) + 1; // npos + 1 is the file's start
    EXPECT_EQ(logged.substr(lineStart, 10), day.stem().string()) << logged;
    EXPECT_EQ(at - lineStart, std::string("2026-12-08 08:40:01.123").size()) << logged;
    EXPECT_NE(logged.find("[0x", at), std::string::npos) << logged;
}

// SIGTERM (a logout, kill) ends the console as its quit does, and its log says so.
TEST_F(ProgramSignals, TheConsoleQuitsOnSigtermAndItsLogEnds) {
    const std::string logFolder = home.path + "/state/talvane";
    CliProcess console(TALVANE_PATH, {});
    ASSERT_TRUE(WaitFor([&] { return Slurp(DayFile(logFolder)).find("started") != std::string::npos; }))
        << console.Peek().err;
    const CliResult ended = console.Stop(SIGTERM);
    EXPECT_EQ(ended.exitCode, 128 + SIGTERM) << ended.err;
    const std::string logged = Slurp(DayFile(logFolder));
    const size_t quit = logged.find("Quit by SIGTERM");
    ASSERT_NE(quit, std::string::npos) << logged;
    EXPECT_NE(logged.find("Talvane ended", quit), std::string::npos) << logged;
    // The quit saved the settings, as the window's own quit does.
    EXPECT_TRUE(fs::exists(home.path + "/config/talvane/talvane.conf"));
}

TEST_F(ProgramSignals, TheToolAndTheVirtualPrinterOutliveSigpipeAndReportACrash) {
    PrinterPeer peer;
    CliProcess monitor({"monitor", "--port", peer.SlavePath()});
    ASSERT_TRUE(monitor.WaitForError("Ctrl+C", START_WAIT)) << monitor.Peek().err;
    EXPECT_TRUE(monitor.SurvivesSignal(SIGPIPE, SURVIVE_WAIT)) << "ended by signal " << monitor.Peek().signal;
    ExpectReport(monitor.Stop(SIGABRT), "talvane-cli");

    CliProcess printer(VPRINTER_PATH, {"--out", home.path + "/receipts"});
    ASSERT_TRUE(printer.WaitForOutput("\n", START_WAIT)) << printer.Peek().err;
    EXPECT_TRUE(printer.SurvivesSignal(SIGPIPE, SURVIVE_WAIT)) << "ended by signal " << printer.Peek().signal;
    ExpectReport(printer.Stop(SIGABRT), "vprinter");
}
