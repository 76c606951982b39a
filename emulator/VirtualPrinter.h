#pragma once
// A virtual printer on a pseudo-terminal or a TCP port: a thread takes what the
// host sends at the line's rate into the receive buffer, prints from there at the
// paper's speed, holds the host back when the buffer fills, and ends receipts at
// a cut, after an idle time, or at Stop.
#include "emulator/FontGlyphSource.h"
#include "emulator/HostLink.h"
#include "emulator/Interpreter.h"
#include "emulator/RatePacer.h"
#include "emulator/ReceiveBuffer.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace vprinter {

constexpr size_t PRN_DEFAULT_BUFFER = 4096;
constexpr double PRN_DEFAULT_PRINT_SPEED = 100; // mm/s, when the line is paced

class VirtualPrinter {
public:
    struct Options {
        int widthDots = PRN_WIDTH_58MM;
        std::string linkPath; // empty: no link
        int idleMs = 1000;    // a receipt ends after this long without input
        int tcpPort = -1;     // -1: a pseudo-terminal; 0: any free port
        std::string tcpBind = "127.0.0.1";
        long baud = 0;            // 0: the line carries bytes as fast as they come
        size_t bufferBytes = PRN_DEFAULT_BUFFER;
        double printSpeedMmS = 0; // 0: prints at once (PRN_DEFAULT_PRINT_SPEED with a baud)
        bool printWhileStopped = false; // paper end and platen up do not stop printing
    };
    using ReceiptHandler = std::function<void(const PaperBitmap&, ReceiptEnd)>;
    // A receipt with the printer's settings at its end (paper layout) and the
    // density each band of its rows was printed with.
    using ReceiptDetailHandler = std::function<void(const PaperBitmap&, ReceiptEnd,
                                                    const StoredSettings&,
                                                    const std::vector<DensityBand>&)>;
    using LogHandler = std::function<void(const std::string&)>;

    explicit VirtualPrinter(Options options);
    ~VirtualPrinter();
    VirtualPrinter(const VirtualPrinter&) = delete;
    VirtualPrinter& operator=(const VirtualPrinter&) = delete;

    // Both handlers are called on the printer's thread (or in Stop); set them
    // before Start.
    void SetReceiptHandler(ReceiptHandler handler) { onReceipt_ = std::move(handler); }
    void SetReceiptHandler(ReceiptDetailHandler handler) { onDetail_ = std::move(handler); }
    void SetLogHandler(LogHandler handler) { onLog_ = std::move(handler); }

    bool Open(std::string* error);
    // The device path of the pseudo-terminal, or address:port.
    std::string DevicePath() const { return link_->Address(); }
    bool Start();
    // Ends the thread, prints the line buffer and hands over the last receipt.
    void Stop();

    // Thread-safe: these run under the interpreter's lock.
    void SetCondition(uint8_t statusBit, bool present);
    void SetSensorValue(int value);
    // One line of the control commands; true unless it asked to quit.
    bool Control(const std::string& line, std::string* reply);
    void EndReceipt();
    // Copies the paper when it changed since *version; false when it did not.
    bool CopyPaper(PaperBitmap* paper, int* printRow, uint64_t* version);
    // Bytes the receive buffer had no room for, since Start.
    uint64_t DroppedBytes();
    // How often a full buffer held the host back (XOFF sent, or the socket left unread).
    uint64_t HoldBacks();
    template <typename F> auto WithInterpreter(F f) {
        std::lock_guard<std::mutex> lock(mutex_);
        return f(interpreter_);
    }

private:
    // The "received" command's checksum: 64-bit FNV-1a over every byte taken.
    static constexpr uint64_t FNV_OFFSET = 14695981039346656037ull;
    static constexpr uint64_t FNV_PRIME = 1099511628211ull;
    void Run();
    void Log(const std::string& line);
    bool PrintingHeld() const;
    // Under the lock: prints from the receive buffer as far as the paper's speed lets.
    void PrintFromBuffer(RatePacer::Clock::time_point now);
    // Under the lock: XOFF when the buffer is nearly full, XON when it has room again.
    void Handshake();
    void Receive(const uint8_t* data, size_t length);
    void AnswerRealtime(const uint8_t* data, size_t length, std::vector<uint8_t>* kept);
    bool WantsInput();
    // Reads what the line carries now; false when the host is gone.
    bool ReadFromHost(short events, std::vector<uint8_t>* chunk,
                      RatePacer::Clock::time_point* lastInput);
    void Wake();
    int Timeout(RatePacer::Clock::time_point now, RatePacer::Clock::time_point lastInput);

    Options options_;
    std::unique_ptr<HostLink> link_;
    std::mutex mutex_;
    FontGlyphSource glyphs_;
    Interpreter interpreter_;
    ReceiveBuffer buffer_;
    RatePacer line_;
    RatePacer paper_;
    ReceiptHandler onReceipt_;
    ReceiptDetailHandler onDetail_;
    LogHandler onLog_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    int wake_[2] = {-1, -1};
    uint64_t receiptCount_ = 0;
    bool xoffSent_ = false;
    uint64_t holdBacks_ = 0;
    uint64_t received_ = 0;      // bytes taken from the line, for the "received" command
    uint64_t receivedSum_ = FNV_OFFSET; // their FNV-1a checksum
    uint64_t dropped_ = 0;       // since Start
    uint64_t droppedLogged_ = 0; // already in the log
    std::vector<uint8_t> carry_; // a real-time command's first bytes, held while printing stops
};

} // namespace vprinter
