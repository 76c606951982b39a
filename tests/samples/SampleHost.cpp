#include "SampleHost.h"

#include "HexText.h"

#include <thread>

namespace {
using namespace std::chrono_literals;
constexpr uint32_t BAUD = 115200;
constexpr uint8_t BYTE_SIZE = 8;
constexpr auto ARRIVAL_TIMEOUT = 20s;
constexpr auto QUIET_TIME = 300ms;
// The console's time-outs: read interval 10, read total 0 x + 100, write 0 x + 65535 ms.
constexpr uint32_t READ_INTERVAL_MS = 10;
constexpr uint32_t READ_TOTAL_MS = 100;
constexpr uint32_t WRITE_TOTAL_MS = 65535;
} // namespace

SampleHost::SampleHost() {
    lib.EnableSentRecord(1);
}

SampleHost::~SampleHost() {
    lib.Close();
}

bool SampleHost::OpenPort() {
    if (!peer.Ok()) return false;
    lib.SetOptions(EN_CONSOLE_OPTIONS);
    if (!lib.Open(peer.PortNumber(), BAUD, NOPARITY, BYTE_SIZE, ONESTOPBIT)) return false;
    lib.CO_.ReadIntervalTimeout = READ_INTERVAL_MS;
    lib.CO_.ReadTotalTimeoutMultiplier = 0;
    lib.CO_.ReadTotalTimeoutConstant = READ_TOTAL_MS;
    lib.CO_.WriteTotalTimeoutMultiplier = 0;
    lib.CO_.WriteTotalTimeoutConstant = WRITE_TOTAL_MS;
    lib.SetTimeouts();
    return true;
}

bool SampleHost::WarnIfPortClosed() {
    if (lib.IsOpen()) return false;
    ShowHelpTip(nullptr, QStringLiteral("Please Open the Port"));
    return true;
}

void SampleHost::ShowHelpTip(QWidget* control, const QString& text) {
    tips.push_back({control, text});
}

void SampleHost::AddOperationRecord(const std::string& hexText) {
    if (!hexText.empty()) records.push_back(hexText);
}

std::vector<uint8_t> SampleHost::RecordedBytes() const {
    std::string all;
    for (const std::string& r : records) all += r;
    return FromHexText(all);
}

std::vector<uint8_t> SampleHost::Wire(size_t count) {
    peer.WaitForBytes(count, ARRIVAL_TIMEOUT);
    return peer.Received();
}

std::vector<uint8_t> SampleHost::WireAfterQuiet() {
    std::this_thread::sleep_for(QUIET_TIME);
    return peer.Received();
}

std::string TextRecord(const std::string& text) {
    return ToHexText(text);
}
