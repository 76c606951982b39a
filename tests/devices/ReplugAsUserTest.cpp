// As an ordinary user: the lost printer's path comes back on a device node the user
// may not open. The console says why it cannot reconnect (the access hint) instead
// of failing silently, keeps waiting, and reconnects once the path leads to a device
// the user may use. Run as root, the test runs itself again as nobody/nogroup.

#include "tests/devices/DeviceDialog.h"

#include "console/PortPanel.h"

#include <array>
#include <cstdlib>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace ids;

namespace {

constexpr const char* CHILD_ENV = "TALVANE_DEVICES_AS_USER";
constexpr const char* FORBIDDEN_ENV = "TALVANE_DEVICES_FORBIDDEN";
constexpr const char* SETPRIV = "/usr/bin/setpriv";
constexpr int CHILD_FAILED = 127;

void ReplugAsUser(const std::string& forbidden) {
    LinkDialog f;
    ASSERT_TRUE(f.root.Plug("printer"));
    ASSERT_TRUE(f.RunUntil(
        [&] { return !PortList(f)->itemText(0).contains(QStringLiteral("absent")); }, WAIT_MS));
    ASSERT_TRUE(f.OpenPort());
    f.root.Unplug("printer");
    ASSERT_TRUE(f.RunUntil([&] { return f.TipText().contains(QStringLiteral("is gone")); }, WAIT_MS));

    // Back, but on a node of another owner that this user may not open.
    ASSERT_TRUE(f.root.Link("printer", forbidden));
    ASSERT_TRUE(f.RunUntil(
        [&] { return f.TipText().contains(QStringLiteral("No permission to use")); }, WAIT_MS))
        << f.TipText().toStdString();
    EXPECT_TRUE(f.TipText().startsWith(QStringLiteral("Open the serial port error\n")));
    EXPECT_FALSE(f.dlg->IsOpen());
    EXPECT_TRUE(f.dlg->PortGroup()->IsPortLost());
    EXPECT_EQ(ComButton(f)->text(), QStringLiteral("Close COM"));

    // A device the user may use behind the path: reconnected.
    PrinterPeer* mine = f.root.Plug("printer");
    ASSERT_TRUE(mine);
    ASSERT_TRUE(f.RunUntil([&] { return f.dlg->IsOpen(); }, WAIT_MS));
    EXPECT_TRUE(f.TipText().contains(QStringLiteral("reconnected")));
}

TEST(ReplugAsUser, NodeTheUserMayNotOpenGivesTheAccessHintThenReconnects) {
    if (const char* forbidden = std::getenv(FORBIDDEN_ENV); std::getenv(CHILD_ENV) && forbidden) {
        ASSERT_NE(geteuid(), 0u) << "the child should run as an ordinary user";
        ReplugAsUser(forbidden);
        return;
    }
    if (geteuid() != 0) GTEST_SKIP() << "needs root to own the forbidden device and drop to nobody";
    if (!getpwnam("nobody") || access(SETPRIV, X_OK) != 0)
        GTEST_SKIP() << "needs the user nobody and setpriv";

    // root's own pseudo-terminal: root:tty, 0620, not for nobody.
    PrinterPeer rootsDevice;
    ASSERT_TRUE(rootsDevice.Ok());
    std::array<char, 4096> self{};
    const ssize_t n = readlink("/proc/self/exe", self.data(), self.size() - 1);
    ASSERT_GT(n, 0);
    const std::string filter = "--gtest_filter=ReplugAsUser.*";
    // Everything the child needs is made before the fork: after it, only exec.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) env.emplace_back(*e);
    env.push_back(std::string(CHILD_ENV) + "=1");
    env.push_back(std::string(FORBIDDEN_ENV) + "=" + rootsDevice.SlavePath());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string reuid = "--reuid=nobody", regid = "--regid=nogroup", clear = "--clear-groups";
    std::string setpriv = SETPRIV;
    std::vector<char*> argv = {setpriv.data(), reuid.data(), regid.data(), clear.data(),
                               self.data(), const_cast<char*>(filter.c_str()), nullptr};

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        execve(SETPRIV, argv.data(), envp.data());
        _exit(CHILD_FAILED);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the console as nobody failed (status " << status << ")";
    EXPECT_TRUE(rootsDevice.Bytes().empty()); // nothing reached the device it may not use
}

} // namespace
