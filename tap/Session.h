#pragma once
// A tap session: the program's end and the printer's, a relay each way, the
// conversation in rows and, when asked, the capture file. A passive session has two
// ends that only listen (the tap cable's two receive lines): nothing is sent.

#include "tap/CaptureFile.h"
#include "tap/Conversation.h"
#include "tap/ExpectedReceipts.h"
#include "tap/FlowControl.h"
#include "tap/Relay.h"
#include "tap/TapEnd.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace tap {

// How the program's side is named: "pty:PATH", "tcp-listen:ADDR:PORT" (or
// "tcp-listen:PORT", "tcp-listen:" for the default), "passive:PORTA,PORTB".
struct ProgramSide {
    enum class Kind { Terminal, Listener, Passive } kind = Kind::Terminal;
    std::string path;  // the link, the listen address, or port A
    uint16_t port = 0; // a listener's port
    std::string other; // port B of a passive tap
};
inline constexpr const char* DEFAULT_LISTEN_HOST = "127.0.0.1";
inline constexpr uint16_t DEFAULT_LISTEN_PORT = 9100;
// False with `error` set when the text names no program side.
bool ParseProgramSide(const std::string& text, ProgramSide& side, std::string& error);

class Session {
public:
    // Opens the ends; null with `error` set when one cannot be opened. Rows go to
    // `sink` from the session's threads, one at a time.
    static std::unique_ptr<Session> Open(const ProgramSide& program, const std::string& printer,
                                         Conversation::Sink sink, std::string& error);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Before Start: also keep the session in a capture file.
    bool CaptureTo(const std::string& path, std::string& error);
    // Before Start: also make the receipts the program's bytes should print, on a
    // printer `paperWidth` dots wide; `sink` gets each from the session's thread.
    void ReceiptsTo(int paperWidth, ExpectedReceipts::Sink sink);
    void Start();
    // Stops reading the program, lets what waits for the printer go on while the
    // printer keeps taking it (within a budget), stops the relays, says what was not
    // delivered, ends the conversation (its last rows and alerts) and closes the
    // capture; the ends are released when the session goes.
    void Stop();

    // The counts are what each end took, decoded or not (undecodedBytes says how many
    // were not); what one end never took is in notDelivered*.
    Totals Summary();
    std::string ProgramAddress() const { return program_->Address(); }
    std::string Description() const;
    size_t PeakQueued() const;
    // Bytes the tap has read from the program so far.
    uint64_t ReadFromProgram() const { return toPrinter_->Read(); }
    // Bytes that passed while the decoding was too far behind to take them.
    uint64_t Undecoded() const { return undecodedTotal_.load(); }
    // After Stop: why the capture file is not whole, or empty when it is.
    std::string CaptureFailure();

private:
    Session(std::unique_ptr<TapEnd> program, std::unique_ptr<TapEnd> printer, bool passive,
            Conversation::Sink sink);
    // What the readers hand to the decoding, in order.
    struct Event {
        char kind; // '>' '<' as in the capture; 'g' the program went; 'n' a note
        Clock::time_point at;
        std::vector<uint8_t> bytes;
        std::string text;
    };
    void Record(char kind, const uint8_t* data, size_t length, const std::string& text,
                Clock::time_point at);
    // Caller holds mutex_.
    void Queue(Event event);
    void Watch();
    void Decode(std::deque<Event>& events);
    // Looks at the program's line settings and, when they changed, puts them on the
    // printer's line and queues them before the bytes read next.
    void FollowSettings();
    // True while the printer's XOFF holds the program's bytes back: only the printer
    // opened when it said so holds; one opened again starts un-held.
    bool PrinterHolds() const;
    // The rows and the capture's note of something that happened to the ends.
    void SayNote(char kind, const std::string& text);

    std::unique_ptr<TapEnd> program_;
    std::unique_ptr<TapEnd> printer_;
    bool passive_;
    std::mutex mutex_; // the capture and the events waiting for the decoding
    std::deque<Event> events_;
    size_t waitingBytes_ = 0;
    uint64_t undecoded_ = 0; // bytes passed while the decoding was too far behind
    std::atomic<uint64_t> undecodedTotal_{0};
    std::mutex conversationMutex_; // the conversation and the settings
    Clock::time_point start_;
    WallClock::time_point wallStart_; // the same moment, for the capture's header
    Conversation conversation_;
    CaptureWriter capture_;
    std::unique_ptr<ExpectedReceipts> receipts_; // with the conversation's lock
    std::mutex settingsMutex_;
    std::optional<LineSettings> settings_; // with settingsMutex_
    // Whether the line uses XON/XOFF, as the relay's reader of the printer needs it.
    std::atomic<bool> lineXonXoff_{false};
    // The relay's own reading of the printer's flow control (its reader thread only).
    FlowControl relayFlow_;
    // The printer's opening whose XOFF holds the program back; 0: none holds.
    std::atomic<uint64_t> heldOpening_{0};
    // Bytes the printer's device still held when the session stopped.
    std::atomic<uint64_t> heldInDevice_{0};
    std::unique_ptr<Relay> toPrinter_;
    std::unique_ptr<Relay> toProgram_;
    std::condition_variable watchWake_; // with mutex_
    bool stopping_ = false;
    std::atomic<bool> stopped_{false};
    std::atomic<bool> relaysDone_{false}; // the relays have drained and stopped
    bool started_ = false;
    std::thread watcher_;
};

} // namespace tap
