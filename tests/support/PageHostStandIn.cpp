#include "tests/support/PageHostStandIn.h"

#include "printer/HexText.h"

#include <QWidget>

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

PageHostStandIn::PageHostStandIn() {
    lib.EnableSentRecord(1);
}

PageHostStandIn::~PageHostStandIn() {
    lib.Close();
}

bool PageHostStandIn::OpenPort() {
    if (!peer.Ok()) return false;
    lib.SetOptions(EN_CONSOLE_OPTIONS);
    if (!lib.Open(peer.Port(), BAUD, NOPARITY, BYTE_SIZE, ONESTOPBIT)) return false;
    lib.CO_.ReadIntervalTimeout = READ_INTERVAL_MS;
    lib.CO_.ReadTotalTimeoutMultiplier = 0;
    lib.CO_.ReadTotalTimeoutConstant = READ_TOTAL_MS;
    lib.CO_.WriteTotalTimeoutMultiplier = 0;
    lib.CO_.WriteTotalTimeoutConstant = WRITE_TOTAL_MS;
    lib.SetTimeouts();
    return true;
}

void PageHostStandIn::WarnPortClosed() {
    tips.push_back({QString::fromLatin1(COM_BUTTON), QStringLiteral("Please Open the Port"), nullptr});
}

void PageHostStandIn::ShowHelpTip(QWidget* control, const QString& text) {
    tips.push_back({control ? control->objectName() : QString(), text, control});
}

void PageHostStandIn::AddOperationRecord(const std::string& hexText) {
    AddWarnedRecord(hexText, QString());
}

void PageHostStandIn::AddWarnedRecord(const std::string& hexText, const QString& warning) {
    if (hexText.empty()) return;
    rows.push_back(hexText);
    rowWarnings.push_back(warning);
}

void PageHostStandIn::ShowWarning(QWidget* control, const QString& text) {
    warnings.push_back({control ? control->objectName() : QString(), text, control});
}

std::string PageHostStandIn::AllRows() const {
    std::string all;
    for (const std::string& row : rows) all += row;
    return all;
}

std::vector<uint8_t> PageHostStandIn::RecordedBytes() const {
    return FromHexText(AllRows());
}

std::vector<uint8_t> PageHostStandIn::Wire(size_t count) {
    return peer.WaitBytes(count, ARRIVAL_TIMEOUT);
}

std::string PageHostStandIn::WireHex() {
    const std::vector<uint8_t> bytes = Wire(AllRows().size() / HEX_CHARS_PER_BYTE);
    return ToHexText(bytes.data(), bytes.size());
}

std::vector<uint8_t> PageHostStandIn::WireAfterQuiet() {
    return peer.BytesAfterQuiet(QUIET_TIME);
}

void PageHostStandIn::Forget() {
    WireHex();
    rows.clear();
    tips.clear();
    warnings.clear();
    rowWarnings.clear();
    peer.Forget();
}

std::string HexOf(const std::string& bytes) {
    return ToHexText(std::string_view(bytes));
}
