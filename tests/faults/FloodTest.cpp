// The printer floods the console with 10 MiB of status bytes and text.
#include "tests/faults/FaultProbes.h"
#include "tests/support/PrinterPeer.h"
#include "printer/HexText.h"
#include "widgets/LampButton.h"

#include <QPlainTextEdit>
#include <thread>

using namespace ids;

namespace {

// 10 MiB; FAULT_FLOOD_MIB=n floods n MiB instead. The console's read thread takes one
// driver queue (4 KiB) per 50 ms poll, about 80 KB/s, so 10 MiB take over two minutes.
size_t FloodBytes() {
    constexpr int DEFAULT_MIB = 10;
    const int mib = qEnvironmentVariableIsSet("FAULT_FLOOD_MIB")
                        ? qEnvironmentVariableIntValue("FAULT_FLOOD_MIB")
                        : DEFAULT_MIB;
    return size_t(std::max(mib, 1)) << 20;
}
constexpr size_t CHUNK = 4096;
// The receive panel keeps at most this many bytes (the newest).
constexpr size_t SHOWN_LIMIT = 64 * 1024;
// Generous: the panel shows at most 64 KiB; the rest is the toolkit's and the queues'
// (and the address sanitizer's quarantine).
constexpr long GROWTH_LIMIT_KIB = (TIME_SCALE == 1 ? 200 : 600) * 1024;
// Per MiB flooded, at the read thread's pace of about 80 KB/s, with room to spare.
constexpr int FLOOD_MS_PER_MIB = 30000;

constexpr uint8_t STATUS_BYTES[] = {0x00, 0x0C, 0x04, 0x20, 0x01, 0x02, 0x08, 0x2F};
const char TEXT[] = "Receipt 0042 total 17.50\r\nThank you, come again\r\n";
// Last of all: a response (if one is open) ends, all clear, then paper end and overheat.
const uint8_t TAIL[] = {0x00, 0x00, 0x0C};

// Chunks of text and of status bytes in turn, numbered so that no two chunks match.
std::vector<uint8_t> Flood(size_t total) {
    std::vector<uint8_t> bytes;
    bytes.reserve(total);
    for (size_t chunk = 0; bytes.size() + sizeof TAIL < total; ++chunk) {
        const size_t end = std::min(bytes.size() + CHUNK, total - sizeof TAIL);
        const std::string number = "#" + std::to_string(chunk) + " ";
        for (size_t i = 0; bytes.size() < end; ++i) {
            if (chunk % 2 == 0)
                bytes.push_back(i < number.size() ? number[i] : TEXT[i % (sizeof TEXT - 1)]);
            else
                bytes.push_back(STATUS_BYTES[(i + chunk) % sizeof STATUS_BYTES]);
        }
    }
    bytes.insert(bytes.end(), std::begin(TAIL), std::end(TAIL));
    return bytes;
}

} // namespace

TEST(ReceiveFlood, TenMiBKeepTheDisplayExactAndTheMemoryBounded) {
    PrinterPeer pty;
    ASSERT_TRUE(pty.Ok());
    ConsoleDialog f(pty.SlavePath());
    ASSERT_TRUE(f.OpenPort());
    auto* receive = f.As<QPlainTextEdit>(IDC_RECEIVE_EDIT);
    ASSERT_NE(receive, nullptr);
    const std::vector<uint8_t> flood = Flood(FloodBytes());
    const std::string tailHex = ToHexText(TAIL, sizeof TAIL);

    const long baseKiB = ResidentKiB();
    long peakKiB = baseKiB;
    std::atomic<bool> sent{false};
    bool sendOk = true;
    std::thread printer([&] {
        for (size_t at = 0; at < flood.size(); at += CHUNK) {
            const size_t n = std::min(CHUNK, flood.size() - at);
            if (!pty.Send(flood.data() + at, n)) {
                sendOk = false;
                break;
            }
        }
        sent = true;
    });
    TickProbe probe;
    QElapsedTimer clock;
    clock.start();
    const bool shown = f.RunUntil(
        [&] {
            peakKiB = std::max(peakKiB, ResidentKiB());
            return sent && receive->toPlainText().endsWith(QString::fromStdString(tailHex));
        },
        static_cast<int>(flood.size() >> 20) * FLOOD_MS_PER_MIB);
    printer.join();
    ASSERT_TRUE(sendOk) << "the printer could not write everything";
    ASSERT_TRUE(shown) << "the last bytes never showed";
    f.RunUntil([] { return false; }, 300);
    std::printf("[ flood ] %zu bytes shown after %lld ms, longest event-loop gap %lld ms, "
                "resident memory %ld -> peak %ld KiB\n",
                flood.size(), static_cast<long long>(clock.elapsed()),
                static_cast<long long>(probe.MaxGapMs()), baseKiB, peakKiB);

    // What is shown is exactly the newest bytes, none lost or doubled.
    const std::string text = receive->toPlainText().toStdString();
    const size_t shownBytes = text.size() / 3;
    ASSERT_GT(shownBytes, 0u);
    EXPECT_LE(shownBytes, SHOWN_LIMIT);
    EXPECT_EQ(text, ToHexText(flood.data() + flood.size() - shownBytes, shownBytes));

    EXPECT_LT(peakKiB - baseKiB, GROWTH_LIMIT_KIB);
    EXPECT_LT(probe.MaxGapMs(), 2000 * TIME_SCALE) << "the window stopped answering";

    // The lamps show the last status byte, 0x0C: paper end and overheat.
    const struct {
        int id;
        bool on;
    } lamps[] = {{IDC_LAMP_PAPER_END, true},
                 {IDC_LAMP_OVERHEAT, true},
                 {IDC_LAMP_CUTTER, false},
                 {IDC_LAMP_OVERVOLTAGE, false},
                 {IDC_LAMP_PLATEN_UP, false}};
    for (const auto& lamp : lamps) {
        auto* button = f.As<CLampButton>(lamp.id);
        ASSERT_NE(button, nullptr) << lamp.id;
        EXPECT_EQ(button->IsLampOn(), lamp.on) << lamp.id;
    }
    EXPECT_EQ(f.prompts.CountMessages(), 0);
}
