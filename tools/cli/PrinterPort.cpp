#include "tools/cli/PrinterPort.h"

#include "eventlog/EventLog.h"
#include "host/PortSetup.h"
#include "console/RecordDecoder.h"
#include "serial/PortKind.h"
#include "serial/PortMap.h"
#include "tools/cli/ExitCodes.h"

#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <cstdio>
#include <thread>

namespace cli {

namespace {

constexpr const char* COM_PREFIX = "COM";
// COM numbers go up to 1024.
constexpr size_t MAX_COM_DIGITS = 4;
constexpr auto DRAIN_POLL = std::chrono::milliseconds(20);
constexpr auto RECEIVE_POLL = std::chrono::milliseconds(10);
// A line that takes no byte for this long is given up.
constexpr auto STALL_LIMIT = std::chrono::seconds(10);
constexpr auto STALL_LIMIT_MS = std::chrono::duration_cast<std::chrono::milliseconds>(STALL_LIMIT);
constexpr uint32_t QUEUED_WRITES = EN_TX_BUFFER | EN_WRITE_THREAD;
// Writes go in pieces of this size, so the progress bar moves.
constexpr size_t WRITE_CHUNK = 4096;
// A pseudo-terminal's queue count stays 0 while its other end has not read yet, and
// closing the port flushes what is unread: the tool gives a virtual printer this long
// to read before it closes.
constexpr auto PTY_SETTLE = std::chrono::milliseconds(200);
constexpr const char* PTY_FOLDER = "/dev/pts/";
constexpr int PROGRESS_WIDTH = 40;
constexpr int PERCENT = 100;

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    for (size_t i = 0; prefix[i] != '\0'; ++i)
        if (i >= text.size() || std::toupper(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    return true;
}

std::string UpperCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
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
    if (name.find('/') != std::string::npos) {
        const uint32_t number = map.AddCommandLinePort(name);
        if (number == 0) error = "too many ports named on the command line";
        return number;
    }
    if (StartsWithNoCase(name, COM_PREFIX)) {
        const std::string digits = name.substr(std::char_traits<char>::length(COM_PREFIX));
        const bool numeric = !digits.empty() && digits.size() <= MAX_COM_DIGITS &&
                             std::all_of(digits.begin(), digits.end(),
                                         [](unsigned char c) { return std::isdigit(c) != 0; });
        if (numeric) {
            const uint32_t number = static_cast<uint32_t>(std::stoul(digits));
            if (map.PathFor(number)) return number;
        }
    }
    // The name `ports` shows for it: NET1, USB1, COM901 ...
    for (const PortEntry& entry : map.Entries()) {
        const std::string label = entry.display.substr(0, entry.display.find(' '));
        if (label.size() == name.size() && StartsWithNoCase(name, UpperCase(label).c_str()))
            return entry.number;
    }
    error = "unknown port " + name + " (talvane-cli ports lists them; a device path works too)";
    return 0;
}

PrinterPort::~PrinterPort() {
    if (wrote_ && pseudoTerminal_) std::this_thread::sleep_for(PTY_SETTLE);
    const bool wasOpen = lib_.IsOpen();
    lib_.Close();
    if (wasOpen) eventlog::Note(eventlog::Kind::Port, description_ + " closed");
}

int PrinterPort::Open(const PortSettings& settings, std::string& error) {
    const uint32_t number = ResolvePort(settings.port, error);
    if (number == 0) return EXIT_PORT;
    PortMap& map = PortMap::Global();
    const std::string path = map.PathFor(number).value_or(settings.port);
    // Named as `ports` lists it ("NET1 (host:9100)", "USB1 (...)", "COM3 (...)").
    const auto entry = map.EntryFor(number);
    description_ = entry ? entry->display : PortMap::DisplayText(number, path);
    pseudoTerminal_ = QFileInfo(QString::fromStdString(path))
                          .canonicalFilePath()
                          .startsWith(QLatin1String(PTY_FOLDER));
    // The console's options, but the writes are the tool's own: it ends right after its
    // last one, and a write thread could still hold bytes when the port closes. The
    // port's queue empties before the close purges it.
    lib_.ChangeOptions(OPEN_REMOVE_OPTIONS | QUEUED_WRITES,
                       (OPEN_ADD_OPTIONS & ~QUEUED_WRITES) | EN_DRAIN_ON_CLOSE);
    lib_.SetNotifyCount(NOTIFY_EVERY_BYTE);
    lib_.SetNotifyWindow(&notices_);
    if (!lib_.Open(number, settings.baud, NOPARITY, BYTE_SIZE_8, ONESTOPBIT)) {
        // A network printer has no file to look at: the connect's own reason says it.
        error = "cannot open " + description_ + ": " +
                (KindOfPath(path) == PortKind::Network
                     ? std::string(std::strerror(lib_.LastSystemError()))
                     : OpenFailureReason(map, number).toStdString());
        eventlog::Note(eventlog::Kind::Port, error, eventlog::Level::Error);
        return EXIT_PORT;
    }
    lib_.CO_ = OPEN_TIMEOUTS;
    lib_.CO_.WriteTotalTimeoutConstant = static_cast<uint32_t>(STALL_LIMIT_MS.count());
    lib_.SetTimeouts();
    flow::ApplyFlowRow(lib_.DCB_, flow::RowOf(settings.handshake));
    if (!lib_.SetState() || lib_.DCB_.BaudRate != settings.baud) {
        error = "cannot set " + description_ + " to " + std::to_string(settings.baud) +
                " baud with the chosen handshake";
        lib_.Close();
        return EXIT_PORT;
    }
    eventlog::Note(eventlog::Kind::Port, description_ + " opened at " + std::to_string(settings.baud) + " baud");
    return EXIT_OK;
}

int PrinterPort::SendRecords(const std::vector<std::string>& records, bool progress,
                             std::string& error) {
    std::vector<std::vector<uint8_t>> commands;
    uint64_t total = 0;
    for (const std::string& record : records) {
        commands.emplace_back();
        records::AppendRecordBytes(record, commands.back());
        total += commands.back().size();
    }
    const std::string stalled = "the printer on " + description_ + " took no data for " +
                                std::to_string(STALL_LIMIT.count()) +
                                " s (flow control held off, or the device went away)";
    uint64_t written = 0;
    for (const std::vector<uint8_t>& bytes : commands) {
        for (size_t at = 0; at < bytes.size(); at += WRITE_CHUNK) {
            const uint32_t length = static_cast<uint32_t>(std::min(WRITE_CHUNK, bytes.size() - at));
            const int put = lib_.Write(bytes.data() + at, length);
            wrote_ = true;
            written += static_cast<uint64_t>(std::max(put, 0));
            if (put != static_cast<int>(length)) {
                if (progress) std::fputc('\n', stderr);
                error = stalled;
                return EXIT_PORT;
            }
            if (progress) DrawProgress(written - std::min<uint64_t>(written, Queued()), total);
        }
    }
    if (!Drain(total, progress)) {
        error = stalled;
        return EXIT_PORT;
    }
    return EXIT_OK;
}

bool PrinterPort::DeviceGone() {
    for (const WindowMessage& notice : notices_.Drain())
        if (notice.message == CN_MSG_DEVICEGONE && !gone_) {
            gone_ = true;
            eventlog::Note(eventlog::Kind::Port, description_ + " lost (" +
                                                     SystemErrorName(static_cast<int>(notice.lParam)).toStdString() + ")",
                           eventlog::Level::Error);
        }
    return gone_;
}

uint64_t PrinterPort::Queued() {
    const uint32_t queued = lib_.QueuedBytes(false);
    return queued == CN_QUERY_FAILED ? 0 : queued;
}

bool PrinterPort::Drain(uint64_t total, bool progress) {
    auto lastChange = std::chrono::steady_clock::now();
    uint64_t lastLeft = UINT64_MAX;
    for (;;) {
        const uint64_t left = Queued();
        if (progress) DrawProgress(total - std::min(left, total), total);
        if (left == 0) break;
        const auto now = std::chrono::steady_clock::now();
        if (left != lastLeft) {
            lastLeft = left;
            lastChange = now;
        } else if (now - lastChange > STALL_LIMIT || !lib_.IsOpen() || DeviceGone()) {
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
