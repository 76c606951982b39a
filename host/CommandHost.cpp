#include "host/CommandHost.h"

#include "host/FlowControl.h"
#include "printer/VrnxLib.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <thread>

namespace {
// Lets the printer take a setup command at the quiet settings before they change back.
constexpr auto SETUP_WAIT = std::chrono::milliseconds(100);
constexpr uint32_t QUIET_STOP_WAIT_MS = 500;
// A write thread that has not ended by then (a loaded machine) is given this much more:
// the setup's commands must not go out while its piece in flight may still follow them.
constexpr uint32_t QUIET_STOP_GRACE_MS = 5000;
constexpr uint32_t QUIET_PURGE = PURGE_TXABORT | PURGE_TXCLEAR;
} // namespace

CommandScript::CommandScript(CommandHost& host) : host_(host), printer_(host.Printer()) {}

void CommandScript::Row() {
    host_.RecordSent();
}

bool CommandHost::WarnIfPortClosed() {
    // A port whose device has vanished is as good as closed, even before the console
    // has heard of it.
    if (Printer().IsOpen() && !Printer().DeviceVanished()) return false;
    WarnPortClosed();
    return true;
}

void CommandHost::RecordSent() {
    std::string sent = Printer().TakeSentText();
    // Bytes written after the device vanished were dropped, not sent: no row for them.
    if (Printer().DeviceVanished()) return;
    AddOperationRecord(sent);
}

void CommandHost::RecordSent(const QString& warning) {
    std::string sent = Printer().TakeSentText();
    if (Printer().DeviceVanished()) return;
    AddWarnedRecord(sent, warning);
}

QString CommandHost::PortName() {
    return QStringLiteral("COM%1").arg(Printer().GetPort());
}

bool CommandHost::IssueSetup(std::initializer_list<Command> commands,
                             const std::function<void(DCB&)>& restore,
                             const SetupOptions& options) {
    if (WarnIfPortClosed()) return false;
    std::vector<Command> list(commands);
    if (job_) {
        job_->AtCommandBoundary(
            [this, list, restore] {
                // The port may have gone while the job finished its command.
                if (!WarnIfPortClosed()) RunSetup(list, restore, false);
            },
            options.what, options.endsJob, options.control);
        return true;
    }
    RunSetup(list, restore, true);
    return true;
}

void CommandHost::RunSetup(const std::vector<Command>& commands,
                           const std::function<void(DCB&)>& restore, bool purge) {
    CVRNX_LIB& line = Printer();
    // The quiet line: nothing left to send and no flow control, so the commands go out
    // at once whatever state the printer's handshake is in.
    if (!line.StopThreads(QUIET_STOP_WAIT_MS)) {
        line.GetTxBuffer().Clear(true); // nothing more to drain while it ends
        line.StopThreads(QUIET_STOP_GRACE_MS);
    }
    line.GetTxBuffer().Clear(true);
    // At a job's command boundary everything written has left whole: a purge could only
    // throw away what the far end of a pseudo-terminal has not read yet.
    if (purge) line.Purge(QUIET_PURGE);
    DCB kept = line.DCB_;
    flow::ApplyFlowRow(line.DCB_, flow::RowOf(flow::HANDSHAKE_NONE));
    line.SetState();
    line.BeginThread();
    for (const Command& command : commands) {
        command(line);
        RecordSent();
    }
    std::this_thread::sleep_for(SETUP_WAIT);
    if (restore) restore(kept);
    line.DCB_ = kept;
    line.SetState();
}

int ReadNumber(const QString& text) {
    // Read like the C library's decimal conversion: leading blanks, a sign, then
    // digits up to the first other character; nothing readable gives 0.
    const QByteArray bytes = text.toLatin1();
    errno = 0;
    const long value = std::strtol(bytes.constData(), nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}
