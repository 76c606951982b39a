// The start-up hint about the "dialout" and "lp" groups, seen by an ordinary user:
// each case runs in a child that has dropped to nobody/nogroup with the groups the
// case gives it, against device files owned as Debian owns serial ports and USB
// printers.
#include "console/PortAccessHint.h"
#include "serial/PortMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr mode_t DEVICE_MODE = 0660;
constexpr mode_t OPEN_MODE = 0666;
constexpr mode_t PRIVATE_MODE = 0600;
constexpr mode_t FOLDER_MODE = 0755;
constexpr int CHILD_FAILED = 3;

bool GroupId(const char* name, gid_t* id) {
    const group* g = getgrnam(name);
    if (g) *id = g->gr_gid;
    return g != nullptr;
}

class PortAccessHint : public ::testing::Test {
protected:
    void SetUp() override {
        if (geteuid() != 0) GTEST_SKIP() << "needs root to own devices and drop to nobody";
        const passwd* nobody = getpwnam("nobody");
        if (!GroupId(PortAccess::SERIAL_GROUP, &dialout_) ||
            !GroupId(PortAccess::PRINTER_GROUP, &lp_) || !GroupId("nogroup", &nogroup_) || !nobody)
            GTEST_SKIP() << "needs the groups dialout, lp, nogroup and the user nobody";
        nobody_ = nobody->pw_uid;

        char pattern[] = "/tmp/port-access-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
        // The ordinary user must reach the files, as it reaches /dev.
        ASSERT_EQ(chmod(root_.c_str(), FOLDER_MODE), 0);
        fs::create_directory(root_ / "usb");
        ASSERT_EQ(chmod((root_ / "usb").c_str(), FOLDER_MODE), 0);
        serial_ = Device("ttyUSB0", dialout_, DEVICE_MODE);
        usbPrinter_ = Device("usb/lp0", lp_, DEVICE_MODE);
        openSerial_ = Device("ttyACM0", dialout_, OPEN_MODE);
        foreign_ = Device("ttyS9", 0, PRIVATE_MODE);
    }
    void TearDown() override {
        if (!root_.empty()) fs::remove_all(root_);
    }

    std::string Device(const std::string& name, gid_t gid, mode_t mode) {
        const std::string path = root_ / name;
        const int fd = open(path.c_str(), O_CREAT | O_WRONLY, mode);
        EXPECT_GE(fd, 0) << path;
        close(fd);
        EXPECT_EQ(chown(path.c_str(), 0, gid), 0);
        EXPECT_EQ(chmod(path.c_str(), mode), 0);
        return path;
    }

    // The hint as the user nobody with `groups` as its supplementary groups sees it.
    std::string HintAsUser(const std::vector<std::string>& devices,
                           std::vector<gid_t> groups = {}) {
        int out[2];
        if (pipe(out) != 0) return "pipe failed";
        const pid_t child = fork();
        if (child == 0) {
            close(out[0]);
            if (setgroups(groups.size(), groups.data()) != 0 ||
                setresgid(nogroup_, nogroup_, nogroup_) != 0 ||
                setresuid(nobody_, nobody_, nobody_) != 0)
                _exit(CHILD_FAILED);
            const std::string hint = PortAccess::Hint(devices);
            const bool written = write(out[1], hint.data(), hint.size()) == ssize_t(hint.size());
            _exit(written ? 0 : CHILD_FAILED);
        }
        close(out[1]);
        std::string hint;
        char buffer[512];
        for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
            hint.append(buffer, size_t(n));
        close(out[0]);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child as nobody failed";
        return hint;
    }

    fs::path root_;
    gid_t dialout_ = 0, lp_ = 0, nogroup_ = 0;
    uid_t nobody_ = 0;
    std::string serial_, usbPrinter_, openSerial_, foreign_;
};

TEST_F(PortAccessHint, UserInNeitherGroupIsToldHowToGetBoth) {
    for (const std::string& device : {serial_, usbPrinter_}) {
        const std::string hint = HintAsUser({openSerial_, device});
        EXPECT_NE(hint.find("\"dialout\""), std::string::npos) << device << ": " << hint;
        EXPECT_NE(hint.find("\"lp\""), std::string::npos) << hint;
        EXPECT_NE(hint.find("sudo usermod -aG dialout,lp $USER"), std::string::npos) << hint;
    }
}

TEST_F(PortAccessHint, UserInEitherGroupIsNotTold) {
    EXPECT_EQ(HintAsUser({serial_, usbPrinter_}, {dialout_}), "");
    EXPECT_EQ(HintAsUser({serial_, usbPrinter_}, {lp_}), "");
}

TEST_F(PortAccessHint, NothingToSayWhenNoGroupWouldHelp) {
    // Devices open to everybody, of another group, or gone: the groups change nothing.
    const std::string gone = (root_ / "ttyUSB7").string();
    EXPECT_EQ(HintAsUser({openSerial_, foreign_, gone}), "");
    EXPECT_EQ(HintAsUser({}), "");
}

TEST_F(PortAccessHint, PrinterDevicesAreThePortListAndTheUsbPrinters) {
    Device("usb/lp1", lp_, DEVICE_MODE);
    Device("usb/hiddev0", 0, DEVICE_MODE);
    PortMap ports;
    ports.AddCommandLinePort(serial_);
    std::vector<std::string> devices = PortAccess::PrinterDevices(ports, root_.string());
    std::sort(devices.begin(), devices.end());
    const std::vector<std::string> expected = {serial_, (root_ / "usb/lp0").string(),
                                               (root_ / "usb/lp1").string()};
    EXPECT_EQ(devices, expected);
    // And the start-up check finds what is not open to the user among them.
    EXPECT_NE(HintAsUser(PortAccess::PrinterDevices(ports, root_.string())), "");
}
} // namespace
