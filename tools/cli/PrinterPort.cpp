#include "tools/cli/PrinterPort.h"

#include "console/PortSetup.h"
#include "console/RecordDecoder.h"
#include "serial/PortMap.h"
#include "tools/cli/ExitCodes.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <thread>

namespace cli {

namespace {

constexpr const char* COM_PREFIX = "COM";
constexpr const char* TCP_PREFIX = "tcp://";
constexpr auto DRAIN_POLL = std::chrono::milliseconds(20);
constexpr auto RECEIVE_POLL = std::chrono::milliseconds(10);
// A line that takes no byte for this long is given up.
constexpr auto STALL_LIMIT = std::chrono::seconds(10);
constexpr int PROGRESS_WIDTH = 40;
constexpr int PERCENT = 100;

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    for (size_t i = 0; prefix[i] != '\0'; ++i)
        if (i >= text.size() || std::toupper(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    return true;
}

void DrawProgress(uint64_t done, uint64_t total) {
    const int filled = total == 0 ? PROGRESS_WIDTH : static_cast<int>(done * PROGRESS_WIDTH / total);
    const int percent = total == 0 ? PERCENT : static_cast<int>(done * PERCENT / total);
    std::string bar(static_cast<size_t>(filled), '#');
    bar.resize(PROGRESS_WIDTH, '.');
    std::fprintf(stderr, "\r[%s] %3d%% %llu/%llu bytes", bar.c_str(), percent,
                 static_cast<unsigned long long>(done), static_cast<unsigned long long>(total));
    std::fflush(stderr);
}

} // namespace

uint32_t ResolvePort(const std::string& name, std::string& error) {
    PortMap& map = PortMap::Global();
    if (name.empty()) {
        error = "no port given: name one with --port COM<n> or --port /dev/... "
                "(talvane-cli ports lists them)";
        return 0;
    }
    if (StartsWithNoCase(name, "TCP://")) {
        error = "unknown port " + name + ": network ports (" + TCP_PREFIX +
                "HOST:PORT) are not available in this build";
        return 0;
    }
    if (name.find('/') != std::string::npos) {
        const uint32_t number = map.AddCommandLinePort(name);
        if (number == 0) error = "too many ports named on the command line";
        return number;
    }
    if (StartsWithNoCase(name, COM_PREFIX)) {
        const std::string digits = name.substr(std::char_traits<char>::length(COM_PREFIX));
        const bool numeric = !digits.empty() && digits.size() <= 4 &&
                             std::all_of(digits.begin(), digits.end(),
                                         [](unsigned char c) { return std::isdigit(c) != 0; });
        if (numeric) {
            const uint32_t number = static_cast<uint32_t>(std::stoul(digits));
            if (map.PathFor(number)) return number;
        }
    }
    error = "unknown port " + name + " (talvane-cli ports lists them; a device path works too)";
    return 0;
}

PrinterPort::~PrinterPort() {
    lib_.Close();
}

int PrinterPort::Open(const PortSettings& settings, std::string& error) {
    const uint32_t number = ResolvePort(settings.port, error);
    if (number == 0) return EXIT_PORT;
    PortMap& map = PortMap::Global();
    description_ = PortMap::DisplayText(number, map.PathFor(number).value_or(settings.port));
    // The tool exits right after its last write: the port's own queue empties before
    // the close purges it.
    lib_.ChangeOptions(OPEN_REMOVE_OPTIONS, OPEN_ADD_OPTIONS | EN_DRAIN_ON_CLOSE);
    lib_.SetNotifyCount(NOTIFY_EVERY_BYTE);
    if (!lib_.Open(number, settings.baud, NOPARITY, BYTE_SIZE_8, ONESTOPBIT)) {
        error = "cannot open " + description_ + ": " +
                OpenFailureReason(map, number).toStdString();
        return EXIT_PORT;
    }
    lib_.CO_ = OPEN_TIMEOUTS;
    lib_.SetTimeouts();
    ApplyFlowRow(lib_.DCB_, RowOf(settings.handshake));
    if (!lib_.SetState() || lib_.DCB_.BaudRate != settings.baud) {
        error = "cannot set " + description_ + " to " + std::to_string(settings.baud) +
                " baud with the chosen handshake";
        lib_.Close();
        return EXIT_PORT;
    }
    return EXIT_OK;
}

int PrinterPort::SendRecords(const std::vector<std::string>& records, bool progress,
                             std::string& error) {
    uint64_t total = 0;
    std::vector<uint8_t> bytes;
    for (const std::string& record : records) {
        bytes.clear();
        records::AppendRecordBytes(record, bytes);
        if (bytes.empty()) continue;
        lib_.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
        total += bytes.size();
    }
    if (!Drain(total, progress)) {
        error = "the printer on " + description_ + " took no data for " +
                std::to_string(STALL_LIMIT.count()) +
                " s (flow control held off, or the device went away)";
        return EXIT_PORT;
    }
    return EXIT_OK;
}

bool PrinterPort::Drain(uint64_t total, bool progress) {
    auto lastChange = std::chrono::steady_clock::now();
    uint64_t lastLeft = UINT64_MAX;
    for (;;) {
        const uint64_t queued = lib_.QueuedBytes(false);
        const uint64_t left = lib_.GetTxBuffer().Size() + (queued == CN_QUERY_FAILED ? 0 : queued);
        if (progress) DrawProgress(total - std::min(left, total), total);
        if (left == 0) break;
        const auto now = std::chrono::steady_clock::now();
        if (left != lastLeft) {
            lastLeft = left;
            lastChange = now;
        } else if (now - lastChange > STALL_LIMIT || !lib_.IsOpen()) {
            if (progress) std::fputc('\n', stderr);
            return false;
        }
        std::this_thread::sleep_for(DRAIN_POLL);
    }
    if (progress) std::fputc('\n', stderr);
    return true;
}

std::vector<uint8_t> PrinterPort::Receive(std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    BlockBuffer& rx = lib_.GetRxBuffer();
    while (rx.Size() == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(RECEIVE_POLL);
    std::vector<uint8_t> bytes(rx.Size());
    if (!bytes.empty())
        bytes.resize(rx.Read(bytes.data(), static_cast<uint32_t>(bytes.size()), true));
    return bytes;
}

} // namespace cli
