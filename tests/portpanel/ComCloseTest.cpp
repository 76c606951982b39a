// "Close COM" keeps what was handed to the printer: a pseudo-terminal printer that has
// not read yet still gets every byte after the close, and what never left is said.
#include "tests/portpanel/PanelFixture.h"
#include "console/ControlIds.h"
#include <functional>
#include <thread>

using namespace ids;

namespace {

using namespace std::chrono_literals;

std::vector<uint8_t> Pattern(size_t length) {
    std::vector<uint8_t> bytes(length);
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(i * 7 + i / 251);
    return bytes;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        PanelFixture::ProcessEvents();
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

TEST(ComClose, BytesThePrinterHasNotReadYetStillArriveAfterTheClose) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort(0));
    f.peer.Pause(true);
    // More than the terminal passes on to its other end at once (4 KiB).
    const std::vector<uint8_t> receipt = Pattern(15000);
    f.dlg->Write(receipt.data(), static_cast<uint32_t>(receipt.size()));
    // The write thread hands it all to the terminal.
    ASSERT_TRUE(WaitUntil([&] { return f.dlg->GetTxBuffer().Size() == 0; }, 3s));
    std::this_thread::sleep_for(200ms);
    f.Click(IDC_COM_OPEN);
    EXPECT_FALSE(f.dlg->IsOpen());
    EXPECT_EQ(f.TipText(), QString()) << "nothing was lost, so nothing is said";
    f.peer.Pause(false);
    EXPECT_EQ(f.peer.WaitBytes(receipt.size(), 5s), receipt) << "the close flushed them";
}

TEST(ComClose, WhatNeverReachedThePrinterIsCountedAndSaid) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort(0));
    // A printer that takes nothing: the terminal fills up and the rest stays queued.
    f.peer.Pause(true);
    const std::vector<uint8_t> job = Pattern(1024 * 1024);
    f.dlg->Write(job.data(), static_cast<uint32_t>(job.size()));
    std::this_thread::sleep_for(300ms);
    f.Click(IDC_COM_OPEN);
    EXPECT_FALSE(f.dlg->IsOpen());
    const QString tip = f.TipText();
    EXPECT_TRUE(tip.contains(QStringLiteral("bytes were not delivered"))) << tip.toStdString();
    // The count is what the terminal did not take: the job less what it holds.
    f.peer.Pause(false);
    const size_t arrived = f.peer.BytesAfterQuiet().size();
    const QString said = QStringLiteral("%1 bytes were not delivered").arg(job.size() - arrived);
    EXPECT_TRUE(tip.contains(said)) << tip.toStdString() << " / " << arrived;
}

} // namespace
