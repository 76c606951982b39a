// A second program asks for the port the console has open.
#include "tests/faults/FaultProbes.h"
#include "tests/support/PrinterPeer.h"

#include <QCoreApplication>

#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

using namespace ids;

namespace {

constexpr int EXIT_OPENED = 0;
constexpr int EXIT_REFUSED = 3;
constexpr int RUN_MS = 20000;

// Runs the opener on `device`; its exit status, or -1 when it did not finish in time.
// posix_spawn runs none of our code in the child, so it is safe in a threaded process
// (and under the thread checker, which refuses new threads after a plain fork).
int RunOpener(const std::string& device) {
    std::string program = FAULT_PORT_OPENER;
    std::string path = device;
    char* argv[] = {program.data(), path.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(RUN_MS);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(SecondProgram, IsRefusedWhileTheConsoleHasThePortAndServedAfterwards) {
    PrinterPeer pty;
    ASSERT_TRUE(pty.Ok());
    ConsoleDialog f(pty.SlavePath());
    // Nobody has it yet: the opener itself works.
    ASSERT_EQ(RunOpener(pty.SlavePath()), EXIT_OPENED);

    ASSERT_TRUE(f.OpenPort());
    EXPECT_EQ(RunOpener(pty.SlavePath()), EXIT_REFUSED);
    // The console's port still works after the attempt.
    f.Click(IDC_SEND_PRINT);
    EXPECT_EQ(pty.BytesAfterQuiet(std::chrono::milliseconds(300 * TIME_SCALE)),
              std::vector<uint8_t>{0x0A});

    f.Click(IDC_COM_OPEN);
    ASSERT_FALSE(f.dlg->IsOpen());
    EXPECT_EQ(RunOpener(pty.SlavePath()), EXIT_OPENED);
}

TEST(SecondProgram, ThatHoldsThePortMakesCOMOpenSaySo) {
    PrinterPeer pty;
    ASSERT_TRUE(pty.Ok());
    ConsoleDialog f(pty.SlavePath());
    // The other program is the engine in this process: a line of its own on the same
    // device is a program of its own as far as the locks go.
    PortMap other;
    const uint32_t port = other.AddCommandLinePort(pty.SlavePath());
    CSerialLine line(EN_CONSOLE_OPTIONS);
    line.SetPortMap(&other);
    ASSERT_TRUE(line.Open(port, 9600, NOPARITY, 8, ONESTOPBIT));

    EXPECT_FALSE(f.OpenPort());
    EXPECT_TRUE(f.TipText().startsWith(QStringLiteral("Open the serial port error")))
        << f.TipText().toStdString();
    EXPECT_TRUE(f.TipText().contains(QStringLiteral("in use by another program")))
        << f.TipText().toStdString();
    EXPECT_EQ(f.prompts.CountMessages(), 0);

    line.Close();
    EXPECT_TRUE(f.OpenPort()) << f.TipText().toStdString();
}
