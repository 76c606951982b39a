// The port map following devices that come and go in a device folder of the test's
// own, and the watcher that says when to look: numbers stay with a device for as long
// as the program runs, a USB adapter is known by its by-id name across replugs, and
// absent devices stay listed, marked.

#include "serial/DeviceWatcher.h"
#include "serial/PortMap.h"
#include "tests/support/DeviceRoot.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <thread>
#include <poll.h>

namespace {

constexpr const char* ADAPTER_A = "usb-Acme_Receipt_Printer_A1-if00-port0";
constexpr const char* ADAPTER_B = "usb-Acme_Receipt_Printer_B2-if00-port0";

// The present device at `path` (an absent one may still name it).
std::optional<PortEntry> EntryOfPath(const PortMap& map, const std::string& path) {
    for (const PortEntry& e : map.Entries())
        if (e.path == path && e.present) return e;
    return std::nullopt;
}

// Waits for the watcher's descriptor, then takes its notices.
bool ChangeSeen(DeviceWatcher& watcher, int ms = 2000) {
    pollfd pfd{watcher.ReadyDescriptor(), POLLIN, 0};
    if (::poll(&pfd, 1, ms) <= 0) return false;
    return watcher.TakeChanges();
}

class FollowedDevices : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.Ok());
        map.Scan(root.Dev(), root.Sys());
    }
    DeviceRoot root;
    PortMap map;
};

TEST_F(FollowedDevices, AdapterKeepsItsNumberAcrossReplugsUnderAnotherName) {
    ASSERT_TRUE(root.Plug("ttyUSB0", ADAPTER_A));
    EXPECT_TRUE(map.Refresh());
    auto a = EntryOfPath(map, root.Path("ttyUSB0"));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->number, PortMap::TTYUSB_BASE);
    EXPECT_EQ(a->byId, root.ByIdPath(ADAPTER_A));
    EXPECT_TRUE(a->present);
    EXPECT_EQ(map.NumberForDevice(root.ByIdPath(ADAPTER_A)), PortMap::TTYUSB_BASE);
    EXPECT_EQ(map.DeviceNameFor(PortMap::TTYUSB_BASE), root.ByIdPath(ADAPTER_A));

    root.Unplug("ttyUSB0");
    EXPECT_TRUE(map.Refresh());
    auto gone = map.EntryFor(PortMap::TTYUSB_BASE);
    ASSERT_TRUE(gone);
    EXPECT_FALSE(gone->present);
    EXPECT_FALSE(map.Refresh()); // nothing new: no change reported

    // Another adapter takes ttyUSB0 meanwhile: it must not get the absent one's number.
    ASSERT_TRUE(root.Plug("ttyUSB0", ADAPTER_B));
    map.Refresh();
    auto b = EntryOfPath(map, root.Path("ttyUSB0"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->number, PortMap::TTYUSB_BASE + 1);
    EXPECT_EQ(b->display, PortMap::DisplayText(PortMap::TTYUSB_BASE + 1, root.Path("ttyUSB0")));
    EXPECT_FALSE(map.EntryFor(PortMap::TTYUSB_BASE)->present);

    // The first one comes back as ttyUSB1: its own number again, at its new node.
    ASSERT_TRUE(root.Plug("ttyUSB1", ADAPTER_A));
    map.Refresh();
    auto back = map.EntryFor(PortMap::TTYUSB_BASE);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->present);
    EXPECT_EQ(back->path, root.Path("ttyUSB1"));
    EXPECT_EQ(back->display, PortMap::DisplayText(PortMap::TTYUSB_BASE, root.Path("ttyUSB1")));
    EXPECT_EQ(map.PathFor(PortMap::TTYUSB_BASE), root.Path("ttyUSB1"));
    EXPECT_EQ(map.Entries().size(), 2u);
}

TEST_F(FollowedDevices, NodeSeenBeforeItsLinkIsOneDevice) {
    // udev makes the node first and the by-id link a moment later.
    ASSERT_TRUE(root.Plug("ttyUSB0"));
    map.Refresh();
    ASSERT_TRUE(root.Plug("ttyUSB0", ADAPTER_A));
    map.Refresh();
    ASSERT_EQ(map.Entries().size(), 1u);
    EXPECT_EQ(map.Entries()[0].number, PortMap::TTYUSB_BASE);
    EXPECT_EQ(map.Entries()[0].byId, root.ByIdPath(ADAPTER_A));

    // Pulled, then back with its node before its link: still the one entry, present.
    root.Unplug("ttyUSB0");
    map.Refresh();
    ASSERT_TRUE(root.Plug("ttyUSB0"));
    map.Refresh();
    ASSERT_TRUE(root.Plug("ttyUSB0", ADAPTER_A));
    map.Refresh();
    ASSERT_EQ(map.Entries().size(), 1u);
    EXPECT_TRUE(map.Entries()[0].present);
    EXPECT_EQ(map.Entries()[0].number, PortMap::TTYUSB_BASE);
}

TEST_F(FollowedDevices, CommandLinePathIsMarkedUntilItExists) {
    const std::string link = root.Path("printer");
    const uint32_t number = map.AddCommandLinePort(link);
    ASSERT_NE(number, 0u);
    EXPECT_FALSE(map.EntryFor(number)->present);
    ASSERT_TRUE(root.Plug("printer"));
    EXPECT_TRUE(map.Refresh());
    EXPECT_TRUE(map.EntryFor(number)->present);
    root.Unplug("printer");
    EXPECT_TRUE(map.Refresh());
    EXPECT_FALSE(map.EntryFor(number)->present);
    // A network printer cannot be looked at on disk: it is always listed as there.
    const uint32_t net = map.AddCommandLinePort("tcp://127.0.0.1:9100");
    EXPECT_TRUE(map.EntryFor(net)->present);
}

TEST_F(FollowedDevices, WatcherReportsLinksMadeAndRemovedAndTheByIdFolderWhenItComes) {
    auto watcher = DeviceWatcher::Create();
    ASSERT_TRUE(watcher);
    ASSERT_GE(watcher->ReadyDescriptor(), 0);
    // No by-id folder yet: only the device folder itself is watched.
    EXPECT_EQ(watcher->Watch(map.WatchDirectories()), 1u);
    EXPECT_FALSE(watcher->TakeChanges());

    ASSERT_TRUE(root.Plug("ttyUSB0", ADAPTER_A));
    EXPECT_TRUE(ChangeSeen(*watcher));
    // Watching again after a change picks up the folders made meanwhile.
    EXPECT_EQ(watcher->Watch(map.WatchDirectories()), 3u);
    std::filesystem::remove(root.ByIdPath(ADAPTER_A));
    EXPECT_TRUE(ChangeSeen(*watcher));
    map.Refresh();

    // Quiet folders wake nobody.
    EXPECT_FALSE(ChangeSeen(*watcher, 200));
}

TEST_F(FollowedDevices, WatchDirectoriesNameCommandLineFoldersButNotNetworkPrinters) {
    PortMap plain; // never scanned: no device folder of its own
    plain.AddCommandLinePort(root.Path("printer"));
    plain.AddCommandLinePort("tcp://127.0.0.1:9100");
    plain.AddCommandLinePort(root.Path("other"));
    EXPECT_EQ(plain.WatchDirectories(), std::vector<std::string>{root.Dev()});
}

} // namespace
