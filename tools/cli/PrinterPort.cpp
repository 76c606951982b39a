#include "tools/cli/PrinterPort.h"

#include "console/RecordDecoder.h"
#include "eventlog/EventLog.h"
#include "host/PortSetup.h"
#include "serial/PortKind.h"
#include "serial/PortMap.h"
#include "tools/cli/ExitCodes.h"
#include "tools/cli/StopSignals.h"
#include "tools/cli/Texts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <cstdio>
#include <thread>

namespace cli {

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* COM_PREFIX = "COM";
// COM numbers go up to 1024.
constexpr size_t MAX_COM_DIGITS = 4;
constexpr auto DRAIN_POLL = std::chrono::milliseconds(20);
constexpr auto RECEIVE_POLL = std::chrono::milliseconds(10);
// A line that takes no byte for this long is given up.
constexpr auto STALL_LIMIT = std::chrono::seconds(10);
// Each write returns after this long with what the port took, so a stop signal or a
// vanished device is seen between two slices rather than after the stall limit.
constexpr uint32_t WRITE_SLICE_MS = 100;
// After a write the device refused, how long the engine's notice may take.
constexpr auto GONE_NOTICE_WAIT = std::chrono::milliseconds(300);
constexpr uint32_t QUEUED_WRITES = EN_TX_BUFFER | EN_WRITE_THREAD;
// Writes go in pieces of this size, so the progress bar moves.
constexpr size_t WRITE_CHUNK = 4096;
constexpr int PROGRESS_WIDTH = 40;
constexpr int PERCENT = 100;
constexpr size_t TIME_LEFT_WIDTH = 24;

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

// `secondsLeft` is said when it is known (not negative).
void DrawProgress(uint64_t done, uint64_t total, double secondsLeft = -1) {
    const int filled = total == 0 ? PROGRESS_WIDTH : static_cast<int>(done * PROGRESS_WIDTH / total);
    const int percent = total == 0 ? PERCENT : static_cast<int>(done * PERCENT / total);
    std::string bar(static_cast<size_t>(filled), '#');
    bar.resize(PROGRESS_WIDTH, '.');
    std::string left;
    if (secondsLeft >= 0)
        left = QCoreApplication::translate("cli", ", about %1 s left")
                   .arg(secondsLeft, 0, 'f', 1)
                   .toStdString();
    // Blanks over what a longer line before left behind.
    left.resize(std::max(left.size(), TIME_LEFT_WIDTH), ' ');
    std::fprintf(stderr, "\r[%s] %3d%% %s%s", bar.c_str(), percent,
                 Fill(QCoreApplication::translate("cli", "%1/%2 bytes"),
                      {std::to_string(done), std::to_string(total)})
                     .c_str(),
                 left.c_str());
    std::fflush(stderr);
}

// Why a send ended, and how far it came.
std::string NotAllSent(const std::string& why, uint64_t written, uint64_t total) {
    return Fill(QCoreApplication::translate("cli", "%1; %2 of %3 bytes were sent"),
                {why, std::to_string(written), std::to_string(total)});
}

std::string TookNoData(const std::string& description, std::chrono::seconds limit) {
    return Fill(QCoreApplication::translate(
                    "cli", "the printer on %1 took no data for %2 s (flow control held off, or the "
                           "device went away)"),
                {description, std::to_string(limit.count())});
}

std::string StoppedBy(const char* signalName) {
    return Fill(QCoreApplication::translate("cli", "stopped by %1"), {signalName});
}

} // namespace

uint32_t ResolvePort(const std::string& name, std::string& error) {
    PortMap& map = PortMap::Global();
    if (name.empty()) {
        error = Fill(QCoreApplication::translate("cli",
                                                 "no port given: name one with --port COM<n> or "
                                                 "--port /dev/... (talvane-cli ports lists them)"));
        return 0;
    }
    if (name.find('/') != std::string::npos) {
        const uint32_t number = map.AddCommandLinePort(name);
        if (number == 0)
            error = Fill(
                QCoreApplication::translate("cli", "too many ports named on the command line"));
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
    error =
        Fill(QCoreApplication::translate(
                 "cli", "unknown port %1 (talvane-cli ports lists them; a device path works too)"),
             {name});
    return 0;
}

PrinterPort::~PrinterPort() {
    const bool wasOpen = lib_.IsOpen();
    lib_.Close();
    if (wasOpen)
        eventlog::Note(eventlog::Kind::Port,
                       Fill(QCoreApplication::translate("cli", "%1 closed"), {description_}));
}

int PrinterPort::Open(const PortSettings& settings, std::string& error) {
    // Before the port is held: a signal from now on closes it on the way out.
    CatchStopSignals();
    const uint32_t number = ResolvePort(settings.port, error);
    if (number == 0) return EXIT_PORT;
    PortMap& map = PortMap::Global();
    const std::string path = map.PathFor(number).value_or(settings.port);
    // Named as `ports` lists it ("NET1 (host:9100)", "USB1 (...)", "COM3 (...)").
    const auto entry = map.EntryFor(number);
    description_ = entry ? entry->display : PortMap::DisplayText(number, path);
    // The console's options, but the writes are the tool's own: it ends right after its
    // last one, and a write thread could still hold bytes when the port closes. The
    // port's queue empties before the close purges it.
    lib_.ChangeOptions(OPEN_REMOVE_OPTIONS | QUEUED_WRITES,
                       (OPEN_ADD_OPTIONS & ~QUEUED_WRITES) | EN_DRAIN_ON_CLOSE);
    lib_.SetNotifyCount(NOTIFY_EVERY_BYTE);
    lib_.SetNotifyWindow(&notices_);
    if (!lib_.Open(number, settings.baud, NOPARITY, BYTE_SIZE_8, ONESTOPBIT)) {
        // A network printer has no file to look at: the connect's own reason says it.
        error = Fill(QCoreApplication::translate("cli", "cannot open %1: %2"),
                     {description_, KindOfPath(path) == PortKind::Network
                                        ? std::string(std::strerror(lib_.LastSystemError()))
                                        : OpenFailureReason(map, number).toStdString()});
        eventlog::Note(eventlog::Kind::Port, error, eventlog::Level::Error);
        return EXIT_PORT;
    }
    lib_.CO_ = OPEN_TIMEOUTS;
    lib_.CO_.WriteTotalTimeoutConstant = WRITE_SLICE_MS;
    lib_.SetTimeouts();
    flow::ApplyFlowRow(lib_.DCB_, flow::RowOf(settings.handshake));
    if (!lib_.SetState() || lib_.DCB_.BaudRate != settings.baud) {
        error = Fill(QCoreApplication::translate(
                         "cli", "cannot set %1 to %2 baud with the chosen handshake"),
                     {description_, std::to_string(settings.baud)});
        lib_.Close();
        return EXIT_PORT;
    }
    eventlog::Note(eventlog::Kind::Port,
                   Fill(QCoreApplication::translate("cli", "%1 opened at %2 baud"),
                        {description_, std::to_string(settings.baud)}));
    return EXIT_OK;
}

int PrinterPort::SendRecords(const std::vector<std::string>& records, bool progress,
                             std::string& error) {
    std::vector<uint8_t> bytes;
    std::vector<size_t> ends; // each record is one command
    for (const std::string& record : records) {
        records::AppendRecordBytes(record, bytes);
        ends.push_back(bytes.size());
    }
    const uint64_t total = bytes.size();
    meterStart_ = Clock::now();
    meter_.Start(std::move(ends), 0);
    uint64_t written = 0;
    auto lastProgress = Clock::now();
    auto fail = [&](int code, const std::string& why) {
        if (progress) std::fputc('\n', stderr);
        error = NotAllSent(why, written, total);
        return code;
    };
    while (written < total) {
        if (StopSignal()) return fail(StopExitCode(), StoppedBy(StopSignalName()));
        const uint32_t length = static_cast<uint32_t>(std::min<uint64_t>(WRITE_CHUNK, total - written));
        const int put = std::max(lib_.Write(bytes.data() + written, length), 0);
        written += static_cast<uint64_t>(put);
        if (put > 0) {
            lastProgress = Clock::now();
        } else if (GoneAfterFailure()) {
            return fail(EXIT_PORT, GoneText());
        } else if (Clock::now() - lastProgress > STALL_LIMIT) {
            return fail(EXIT_PORT, TookNoData(description_, STALL_LIMIT));
        }
        if (progress) ShowProgress(written - std::min<uint64_t>(written, Queued().value_or(0)), total);
    }
    return Drain(total, progress, error);
}

void PrinterPort::ShowProgress(uint64_t sent, uint64_t total) {
    if (meter_.Total() != total || sent == total) {
        DrawProgress(sent, total);
        return;
    }
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - meterStart_);
    meter_.Update(ms.count(), static_cast<size_t>(sent), lib_.LineBytesPerSecond());
    DrawProgress(meter_.CommandBytesCarried(), total, meter_.SecondsLeft());
}

bool PrinterPort::DeviceGone() {
    for (const WindowMessage& notice : notices_.Drain())
        if (notice.message == CN_MSG_DEVICEGONE && !gone_) {
            gone_ = true;
            eventlog::Note(eventlog::Kind::Port,
                           Fill(QCoreApplication::translate("cli", "%1 lost (%2)"),
                                {description_,
                                 SystemErrorName(static_cast<int>(notice.lParam)).toStdString()}),
                           eventlog::Level::Error);
        }
    return gone_ || lib_.DeviceVanished();
}

bool PrinterPort::GoneAfterFailure() {
    const auto until = Clock::now() + GONE_NOTICE_WAIT;
    while (!DeviceGone()) {
        if (Clock::now() >= until || !lib_.IsOpen()) return false;
        std::this_thread::sleep_for(RECEIVE_POLL);
    }
    return true;
}

std::string PrinterPort::GoneText() {
    const int cause = lib_.LastSystemError();
    return cause != 0 ? Fill(QCoreApplication::translate("cli", "the printer on %1 went away (%2)"),
                             {description_, std::strerror(cause)})
                      : Fill(QCoreApplication::translate("cli", "the printer on %1 went away"),
                             {description_});
}

std::optional<uint64_t> PrinterPort::Queued() {
    const uint32_t queued = lib_.QueuedBytes(false);
    if (queued == CN_QUERY_FAILED) return std::nullopt;
    return queued;
}

int PrinterPort::Drain(uint64_t total, bool progress, std::string& error) {
    auto lastChange = Clock::now();
    std::optional<uint64_t> lastLeft;
    auto fail = [&](int code, const std::string& why, uint64_t left) {
        if (progress) std::fputc('\n', stderr);
        error = Fill(QCoreApplication::translate("cli", "%1; %2 bytes were still waiting to leave"),
                     {why, std::to_string(left)});
        return code;
    };
    for (;;) {
        // A failed query never counts as empty: the wait goes on until the stall limit.
        const std::optional<uint64_t> left = Queued();
        if (progress) ShowProgress(total - std::min(left.value_or(total), total), total);
        if (left == 0u) break;
        if (DeviceGone()) return fail(EXIT_PORT, GoneText(), left.value_or(0));
        if (StopSignal())
            return fail(StopExitCode(), StoppedBy(StopSignalName()), left.value_or(0));
        const auto now = Clock::now();
        if (left != lastLeft) {
            lastLeft = left;
            lastChange = now;
        } else if (now - lastChange > STALL_LIMIT || !lib_.IsOpen()) {
            return fail(EXIT_PORT, TookNoData(description_, STALL_LIMIT), left.value_or(0));
        }
        std::this_thread::sleep_for(DRAIN_POLL);
    }
    if (progress) std::fputc('\n', stderr);
    return EXIT_OK;
}

int PrinterPort::Close(std::string& error) {
    if (!lib_.IsOpen()) return EXIT_OK;
    lib_.Close();
    eventlog::Note(eventlog::Kind::Port,
                   Fill(QCoreApplication::translate("cli", "%1 closed"), {description_}));
    const uint32_t left = lib_.UndeliveredAtClose();
    if (left == 0) return EXIT_OK;
    error =
        left == CN_QUERY_FAILED
            ? Fill(QCoreApplication::translate(
                       "cli", "%1 closed without telling whether the printer got everything"),
                   {description_})
            : Fill(QCoreApplication::translate(
                       "cli", "%1 closed with %2 bytes the printer had not taken (not delivered)"),
                   {description_, std::to_string(left)});
    return EXIT_UNDELIVERED;
}

std::vector<uint8_t> PrinterPort::Receive(std::chrono::milliseconds wait) {
    const auto deadline = Clock::now() + wait;
    BlockBuffer& rx = lib_.GetRxBuffer();
    while (rx.Size() == 0 && Clock::now() < deadline && !StopSignal() && !DeviceGone())
        std::this_thread::sleep_for(RECEIVE_POLL);
    std::vector<uint8_t> bytes(rx.Size());
    if (!bytes.empty())
        bytes.resize(rx.Read(bytes.data(), static_cast<uint32_t>(bytes.size()), true));
    return bytes;
}

} // namespace cli
