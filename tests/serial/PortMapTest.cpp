#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "serial/PortMap.h"

namespace fs = std::filesystem;

namespace {

class FakeMachine {
public:
    FakeMachine() {
        root_ = fs::temp_directory_path() /
                ("portmap-" + std::to_string(getpid()) + "-" + std::to_string(counter_++));
        fs::create_directories(root_ / "dev");
        fs::create_directories(root_ / "sys/class/tty");
    }
    ~FakeMachine() { fs::remove_all(root_); }
    void Device(const std::string& name) { std::ofstream(root_ / "dev" / name) << ""; }
    void Uart(const std::string& name, int type) {
        fs::create_directories(root_ / "sys/class/tty" / name);
        std::ofstream(root_ / "sys/class/tty" / name / "type") << type << "\n";
    }
    std::string Dev() const { return (root_ / "dev").string(); }
    std::string Sys() const { return (root_ / "sys").string(); }

private:
    fs::path root_;
    static inline int counter_ = 0;
};

TEST(PortMap, ListsHardwareInOrderWithStableNumbers) {
    FakeMachine machine;
    for (const char* name : {"ttyS0", "ttyS1", "ttyS12", "ttyUSB3", "ttyUSB0", "ttyACM0", "ttyAMA1",
                             "rfcomm2", "ttyUSBx", "tty0", "ttyS"})
        machine.Device(name);
    machine.Uart("ttyS0", 4);
    machine.Uart("ttyS1", 0); // a possible port without a UART
    machine.Uart("ttyS12", 4);
    PortMap map;
    map.Scan(machine.Dev(), machine.Sys());
    map.AddCommandLinePort("/dev/pts/7");
    const auto entries = map.Entries();
    std::vector<std::string> shown;
    for (const auto& e : entries) shown.push_back(e.display);
    const std::string dev = machine.Dev();
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "COM1 (" + dev + "/ttyS0)", "COM13 (" + dev + "/ttyS12)",
                         "COM101 (" + dev + "/ttyUSB0)", "COM104 (" + dev + "/ttyUSB3)",
                         "COM201 (" + dev + "/ttyACM0)", "COM302 (" + dev + "/ttyAMA1)",
                         "COM403 (" + dev + "/rfcomm2)", "COM901 (/dev/pts/7)"}));
    // A serial port's text carries its number from the fourth character on.
    for (const auto& e : entries) EXPECT_EQ(std::stoul(e.display.substr(3)), e.number);
    EXPECT_EQ(map.ResolveDeviceName("\\\\.\\COM104"), dev + "/ttyUSB3");
    EXPECT_EQ(map.ResolveDeviceName("\\\\.\\COM901"), "/dev/pts/7");
    EXPECT_FALSE(map.ResolveDeviceName("\\\\.\\COM2").has_value());
    EXPECT_FALSE(map.ResolveDeviceName("\\\\.\\COM1x").has_value());
    EXPECT_FALSE(map.ResolveDeviceName("LPT1").has_value());
}

TEST(PortMap, UsbAndNetworkPrintersAreNamedByTheirKind) {
    FakeMachine machine;
    machine.Device("ttyUSB0");
    fs::create_directories(machine.Dev() + "/usb");
    for (const char* name : {"lp1", "lp0", "lpx", "hiddev0"})
        std::ofstream(machine.Dev() + "/usb/" + name) << "";
    PortMap map;
    map.Scan(machine.Dev(), machine.Sys());
    map.AddCommandLinePort("tcp://192.168.1.50");
    map.AddCommandLinePort("/dev/pts/4");
    map.AddCommandLinePort("tcp://[::1]:9101");
    const std::string dev = machine.Dev();
    std::vector<std::string> shown;
    std::vector<uint32_t> numbers;
    std::vector<PortKind> kinds;
    for (const auto& e : map.Entries()) {
        shown.push_back(e.display);
        numbers.push_back(e.number);
        kinds.push_back(e.kind);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "COM101 (" + dev + "/ttyUSB0)", "USB1 (" + dev + "/usb/lp0)",
                         "USB2 (" + dev + "/usb/lp1)", "NET1 (192.168.1.50:9100)",
                         "COM902 (/dev/pts/4)", "NET2 ([::1]:9101)"}));
    EXPECT_EQ(numbers, (std::vector<uint32_t>{101, 501, 502, 901, 902, 903}));
    EXPECT_EQ(kinds, (std::vector<PortKind>{PortKind::Serial, PortKind::UsbPrinter,
                                            PortKind::UsbPrinter, PortKind::Network,
                                            PortKind::Serial, PortKind::Network}));
    // Every kind opens through its number.
    EXPECT_EQ(map.ResolveDeviceName("\\\\.\\COM502"), dev + "/usb/lp1");
    EXPECT_EQ(map.ResolveDeviceName("\\\\.\\COM901"), "tcp://192.168.1.50");
}

TEST(PortMap, CommandLinePortsCountUpFrom901) {
    PortMap map;
    const char* argv[] = {
        "prog",   "--port",     "/dev/pts/3", "--other", "--port=/dev/serial/by-id/x",
        "--port", "/dev/pts/3", "--port"};
    EXPECT_EQ(map.AddCommandLinePorts(8, argv), 3);
    const auto entries = map.Entries();
    ASSERT_EQ(entries.size(), 2u) << "the same path keeps its number";
    EXPECT_EQ(entries[0].number, 901u);
    EXPECT_EQ(entries[1].number, 902u);
    EXPECT_EQ(entries[1].path, "/dev/serial/by-id/x");
    EXPECT_EQ(map.PathFor(902), "/dev/serial/by-id/x");
    EXPECT_EQ(map.AddCommandLinePort(""), 0u);
    // A rescan keeps the command-line ports.
    map.Scan("/nonexistent", "/nonexistent");
    EXPECT_EQ(map.Entries().size(), 2u);
}

TEST(PortMap, StopsAtTheHighestPortNumber) {
    PortMap map;
    uint32_t last = 0;
    for (int i = 0; i < 200; ++i) {
        const uint32_t n = map.AddCommandLinePort("/dev/fake" + std::to_string(i));
        if (n) last = n;
    }
    EXPECT_EQ(last, PortMap::MAX_PORT);
    EXPECT_EQ(map.Entries().size(), PortMap::MAX_PORT - PortMap::COMMAND_LINE_BASE + 1);
}

} // namespace
