#include "tap/Session.h"

#include "tap/ThreadPriority.h"

#include <charconv>

namespace tap {

namespace {

constexpr auto WATCH_PERIOD = std::chrono::milliseconds(20);
// The program's line settings are read back this often.
constexpr auto SETTINGS_PERIOD = std::chrono::milliseconds(200);
constexpr const char* PTY_PREFIX = "pty:";
constexpr const char* LISTEN_PREFIX = "tcp-listen:";
constexpr const char* PASSIVE_PREFIX = "passive:";
constexpr long MAX_PORT = 65535;
// On stop, what waits for the printer goes on while the printer keeps taking it: at
// most this long in all, and no longer than STOP_STALL once it takes nothing (a
// printer that holds back or has gone).
constexpr auto STOP_DRAIN_BUDGET = std::chrono::seconds(5);
constexpr auto STOP_STALL = std::chrono::seconds(1);
// Bytes waiting for the decoding; past this they pass undecoded (and are said so).
constexpr size_t DECODE_BACKLOG = 4u << 20;

bool StartsWith(const std::string& text, const char* prefix, std::string& rest) {
    const std::string p(prefix);
    if (text.compare(0, p.size(), p) != 0) return false;
    rest = text.substr(p.size());
    return true;
}

bool ParsePort(const std::string& text, uint16_t& port) {
    long value = -1;
    const char* end = text.data() + text.size();
    if (text.empty() || std::from_chars(text.data(), end, value).ptr != end || value < 0 ||
        value > MAX_PORT)
        return false;
    port = static_cast<uint16_t>(value);
    return true;
}

} // namespace

std::string LineSettings::Text() const {
    return std::to_string(baud) + " " + std::to_string(dataBits) + parity + std::to_string(stopBits) +
           (rtsCts ? " rtscts" : (xonXoff ? " xonxoff" : " none"));
}

bool ParseProgramSide(const std::string& text, ProgramSide& side, std::string& error) {
    std::string rest;
    if (StartsWith(text, PTY_PREFIX, rest)) {
        if (rest.empty()) {
            error = "pty: needs the path of the link to make (pty:/tmp/ttyPOS)";
            return false;
        }
        side = {ProgramSide::Kind::Terminal, rest, 0, {}};
        return true;
    }
    if (StartsWith(text, LISTEN_PREFIX, rest)) {
        side = {ProgramSide::Kind::Listener, DEFAULT_LISTEN_HOST, DEFAULT_LISTEN_PORT, {}};
        if (rest.empty()) return true;
        const size_t colon = rest.rfind(':');
        std::string host = colon == std::string::npos ? "" : rest.substr(0, colon);
        const std::string port = colon == std::string::npos ? rest : rest.substr(colon + 1);
        if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
            host = host.substr(1, host.size() - 2);
        if (!ParsePort(port, side.port)) {
            error = "tcp-listen: \"" + port + "\" is not a port number (0 to 65535)";
            return false;
        }
        if (!host.empty()) side.path = host;
        return true;
    }
    if (StartsWith(text, PASSIVE_PREFIX, rest)) {
        const size_t comma = rest.find(',');
        if (comma == std::string::npos || comma == 0 || comma + 1 == rest.size()) {
            error = "passive: needs two ports, the program's TX and the printer's TX "
                    "(passive:/dev/ttyUSB0,/dev/ttyUSB1)";
            return false;
        }
        side = {ProgramSide::Kind::Passive, rest.substr(0, comma), 0, rest.substr(comma + 1)};
        return true;
    }
    error = "unknown program side \"" + text +
            "\": use pty:PATH, tcp-listen:ADDR:PORT or passive:PORTA,PORTB";
    return false;
}

std::unique_ptr<Session> Session::Open(const ProgramSide& program, const std::string& printer,
                                       Conversation::Sink sink, std::string& error) {
    std::unique_ptr<TapEnd> programEnd;
    switch (program.kind) {
    case ProgramSide::Kind::Terminal: programEnd = MakeProgramTerminal(program.path, error); break;
    case ProgramSide::Kind::Listener:
        programEnd = MakeProgramListener(program.path, program.port, error);
        break;
    case ProgramSide::Kind::Passive: programEnd = OpenPrinterEnd(program.path, error); break;
    }
    if (!programEnd) return nullptr;
    const std::string printerPath =
        program.kind == ProgramSide::Kind::Passive ? program.other : printer;
    std::unique_ptr<TapEnd> printerEnd = OpenPrinterEnd(printerPath, error);
    if (!printerEnd) return nullptr;
    return std::unique_ptr<Session>(new Session(std::move(programEnd), std::move(printerEnd),
                                                program.kind == ProgramSide::Kind::Passive,
                                                std::move(sink)));
}

Session::Session(std::unique_ptr<TapEnd> program, std::unique_ptr<TapEnd> printer, bool passive,
                 Conversation::Sink sink)
    : program_(std::move(program)), printer_(std::move(printer)), passive_(passive),
      start_(Clock::now()),
      // To the microsecond, as the capture keeps it: rows decoded from the capture show
      // the very times the session showed.
      wallStart_(std::chrono::floor<std::chrono::microseconds>(WallClock::now())), conversation_(std::move(sink), start_) {
    conversation_.SetWallStart(wallStart_);
    // The readers only keep the capture and queue the bytes: decoding happens on the
    // session's own thread, so it never slows the pass-through.
    Relay::Hooks toPrinter;
    toPrinter.read = [this](const uint8_t* data, size_t length) {
        const auto at = Clock::now();
        std::lock_guard lock(mutex_);
        Record('>', data, length, {}, at);
        Queue({'>', at, std::vector<uint8_t>(data, data + length), {}});
    };
    toPrinter.sourceChanged = [this](bool gone) {
        const std::string text = passive_ ? (gone ? "the program's line is gone" : "the program's line is back")
                                          : (gone ? NOTE_PROGRAM_GONE : "a program is connected");
        SayNote(gone ? 'g' : 'n', text);
    };
    toPrinter.dropped = [this](size_t count) {
        SayNote('n', std::to_string(count) + " bytes for the printer dropped: it is gone");
    };
    toPrinter.beforeRead = [this] { FollowSettings(); };
    toPrinter.sourceStartsGone = !passive_;
    toPrinter.holdWrites = [this] { return PrinterHolds(); };
    toPrinter.waitWhileGone = printer_->CanComeBack();
    Relay::Hooks toProgram;
    toProgram.read = [this](const uint8_t* data, size_t length) {
        // XOFF holds the printer's side at once, not when the decoding gets there.
        relayFlow_.SetLineUsesIt(lineXonXoff_.load());
        for (size_t i = 0; i < length && !passive_; ++i)
            if (const std::optional<bool> hold = relayFlow_.Feed(data[i]))
                heldOpening_.store(*hold ? printer_->Openings() : 0);
        const auto at = Clock::now();
        std::lock_guard lock(mutex_);
        Record('<', data, length, {}, at);
        Queue({'<', at, std::vector<uint8_t>(data, data + length), {}});
    };
    toProgram.sourceChanged = [this](bool gone) {
        if (gone) {
            // What the program sent and the printer has not taken waits for it.
            const uint64_t waiting = passive_ ? 0 : toPrinter_->Undelivered();
            SayNote('n', waiting == 0 ? std::string("the printer went away")
                                      : "the printer went away; it has not taken " + std::to_string(waiting) +
                                            " bytes the program sent (they wait for it)");
            return;
        }
        // A printer opened again starts un-held; a program its XOFF stopped is let go.
        relayFlow_.Restart();
        const bool wasHeld = heldOpening_.exchange(0) != 0;
        if (wasHeld && lineXonXoff_.load()) {
            const uint8_t xon = FlowControl::XON;
            program_->Write(&xon, 1);
        }
        SayNote('b', std::string(NOTE_PRINTER_BACK) + (wasHeld ? "; it starts un-held" : ""));
    };
    toProgram.dropped = [this](size_t count) {
        SayNote('n', std::to_string(count) + " bytes for the program dropped: none is connected");
    };
    TapEnd* const toPrinterEnd = passive_ ? nullptr : printer_.get();
    TapEnd* const toProgramEnd = passive_ ? nullptr : program_.get();
    toPrinter_ = std::make_unique<Relay>(*program_, toPrinterEnd, std::move(toPrinter));
    toProgram_ = std::make_unique<Relay>(*printer_, toProgramEnd, std::move(toProgram));
    // Until the program sets its line, flow control is what the printer's line has (a
    // passive tap's only knowledge of it).
    const std::optional<LineSettings> line = printer_->CurrentSettings();
    const bool xonXoff = passive_ && line && line->xonXoff;
    lineXonXoff_.store(xonXoff);
    conversation_.SetLineUsesXonXoff(xonXoff);
}

void Session::SayNote(char kind, const std::string& text) {
    const auto at = Clock::now();
    std::lock_guard lock(mutex_);
    Record('!', nullptr, 0, text, at);
    Queue({kind, at, {}, text});
}

bool Session::PrinterHolds() const {
    const uint64_t held = heldOpening_.load();
    return held != 0 && held == printer_->Openings();
}

void Session::Queue(Event event) {
    const bool data = event.kind == '>' || event.kind == '<';
    if (data && waitingBytes_ + event.bytes.size() > DECODE_BACKLOG) {
        undecoded_ += event.bytes.size();
        undecodedTotal_ += event.bytes.size();
        return;
    }
    if (undecoded_ > 0) {
        events_.push_back({'u', event.at, {},
                           std::to_string(undecoded_) +
                               " bytes passed without decoding (not in the rows, the records or the expected "
                               "receipts): the decoding fell behind"});
        undecoded_ = 0;
    }
    waitingBytes_ += event.bytes.size();
    events_.push_back(std::move(event));
    watchWake_.notify_one();
}

Session::~Session() {
    Stop();
}

std::string Session::Description() const {
    return "program: " + program_->Describe() + (passive_ ? ", printer's line: " : ", printer: ") +
           printer_->Describe();
}

bool Session::CaptureTo(const std::string& path, std::string& error) {
    std::vector<std::string> header = {CaptureStartedHeader(wallStart_), Description()};
    if (const std::optional<LineSettings> line = printer_->CurrentSettings())
        header.insert(header.begin() + 1, CaptureLineHeader(line->Text()));
    std::lock_guard lock(mutex_);
    return capture_.Open(path, header, error);
}

void Session::ReceiptsTo(int paperWidth, ExpectedReceipts::Sink sink) {
    if (started_) return;
    receipts_ = std::make_unique<ExpectedReceipts>(paperWidth, std::move(sink));
}

void Session::Record(char kind, const uint8_t* data, size_t length, const std::string& text,
                     Clock::time_point at) {
    if (!capture_.IsOpen()) return;
    CaptureEvent event;
    event.kind = kind;
    event.atUs = std::chrono::duration_cast<std::chrono::microseconds>(at - start_).count();
    if (data != nullptr) event.bytes.assign(data, data + length);
    event.text = text;
    capture_.Write(event);
}

void Session::Start() {
    if (started_) return;
    started_ = true;
    {
        std::lock_guard lock(conversationMutex_);
        conversation_.Note("tap started: " + Description(), Clock::now());
    }
    toPrinter_->Start();
    toProgram_->Start();
    watcher_ = std::thread([this] { Watch(); });
}

void Session::FollowSettings() {
    if (passive_) return;
    std::lock_guard settingsLock(settingsMutex_);
    const std::optional<LineSettings> now_settings = program_->ProgramSettings();
    if (!now_settings || now_settings == settings_) return;
    settings_ = now_settings;
    const bool applied = printer_->ApplySettings(*settings_);
    lineXonXoff_.store(settings_->xonXoff);
    const std::string text = "line settings " + settings_->Text() +
                             (applied ? ", set on the printer's line" : "");
    const auto now = Clock::now();
    std::lock_guard lock(mutex_);
    Record('L', nullptr, 0, settings_->Text(), now);
    Queue({'L', now, {settings_->xonXoff ? uint8_t{1} : uint8_t{0}}, text});
}

void Session::Decode(std::deque<Event>& events) {
    for (Event& e : events) {
        switch (e.kind) {
        case '>':
            conversation_.FromProgram(e.bytes.data(), e.bytes.size(), e.at);
            if (receipts_) receipts_->Feed(e.bytes.data(), e.bytes.size());
            break;
        case '<': conversation_.FromPrinter(e.bytes.data(), e.bytes.size(), e.at); break;
        case 'g': conversation_.ProgramEnded(e.text, e.at); break;
        case 'u': conversation_.Skipped(e.text, e.at); break;
        case 'b': conversation_.PrinterBack(e.text, e.at); break;
        case 'L':
            conversation_.SetLineUsesXonXoff(!e.bytes.empty() && e.bytes.front() != 0);
            conversation_.Note(e.text, e.at);
            break;
        default: conversation_.Note(e.text, e.at); break;
        }
    }
    events.clear();
}

void Session::Watch() {
    GiveWayToPassThrough();
    auto nextSettings = Clock::now();
    std::deque<Event> events;
    for (;;) {
        bool last = false;
        {
            std::unique_lock lock(mutex_);
            watchWake_.wait_for(lock, WATCH_PERIOD, [this] { return stopping_ || !events_.empty(); });
            events.swap(events_);
            waitingBytes_ = 0;
            last = stopping_;
        }
        const auto now = Clock::now();
        std::lock_guard lock(conversationMutex_);
        Decode(events);
        conversation_.Tick(now);
        if (now >= nextSettings) {
            // Also while the program writes nothing (it may set XON/XOFF and wait).
            FollowSettings();
            nextSettings = now + SETTINGS_PERIOD;
        }
        if (last) return;
    }
}

void Session::Stop() {
    if (!started_ || stopped_) return;
    stopped_ = true;
    // The relays first, so every byte they took is decoded before the end. The
    // printer's replies go on while its bytes drain: its XON may be what lets them go.
    const auto deadline = Clock::now() + STOP_DRAIN_BUDGET;
    toPrinter_->Finish(deadline, STOP_STALL);
    if (!passive_) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        heldInDevice_.store(printer_->Settle(static_cast<int>(left.count())));
    }
    toProgram_->Finish(Clock::now() + STOP_STALL, STOP_STALL);
    relaysDone_.store(true);
    const Totals counted = Summary();
    if (counted.notDeliveredToPrinter > 0)
        SayNote('n', std::to_string(counted.notDeliveredToPrinter) + " bytes were not delivered to the printer");
    if (counted.notDeliveredToProgram > 0)
        SayNote('n', std::to_string(counted.notDeliveredToProgram) + " bytes were not delivered to the program");
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        Record('!', nullptr, 0, NOTE_SESSION_ENDED, Clock::now());
    }
    watchWake_.notify_all();
    if (watcher_.joinable()) watcher_.join();
    std::lock_guard lock(conversationMutex_);
    conversation_.Finish(Clock::now());
    if (receipts_) receipts_->Finish();
    std::lock_guard captureLock(mutex_);
    capture_.Close();
}

Totals Session::Summary() {
    Totals totals;
    {
        std::lock_guard lock(conversationMutex_);
        totals = conversation_.Summary();
    }
    // Bytes that passed undecoded went over the wire all the same: the counts below
    // are the relays', and this says how many of them the rows do not show.
    totals.undecodedBytes = undecodedTotal_.load();
    if (passive_) {
        // Nothing is handed on: what each line carried is what was read from it.
        totals.toPrinterBytes = toPrinter_->Read();
        totals.toProgramBytes = toProgram_->Read();
        return totals;
    }
    const uint64_t held = heldInDevice_.load();
    const uint64_t delivered = toPrinter_->Delivered();
    totals.toPrinterBytes = delivered - std::min(held, delivered);
    totals.toProgramBytes = toProgram_->Delivered();
    // Until the relays are done what waits may still go.
    if (relaysDone_.load()) {
        totals.notDeliveredToPrinter = toPrinter_->Undelivered() + std::min(held, delivered);
        totals.notDeliveredToProgram = toProgram_->Undelivered();
    }
    return totals;
}

std::string Session::CaptureFailure() {
    std::lock_guard lock(mutex_);
    return capture_.Failure();
}

size_t Session::PeakQueued() const {
    return std::max(toPrinter_->PeakQueued(), toProgram_->PeakQueued());
}

} // namespace tap
