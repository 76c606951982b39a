#pragma once
// A virtual printer on a pseudo-terminal: a thread reads what the host sends and
// feeds the interpreter; receipts end at a cut, after an idle time, or at Stop.
#include "emulator/Interpreter.h"
#include "emulator/PtyPort.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace vprinter {

class VirtualPrinter {
public:
    struct Options {
        int widthDots = PRN_WIDTH_58MM;
        std::string linkPath; // empty: no link
        int idleMs = 1000;    // a receipt ends after this long without input
    };
    using ReceiptHandler = std::function<void(const PaperBitmap&, ReceiptEnd)>;
    using LogHandler = std::function<void(const std::string&)>;

    explicit VirtualPrinter(Options options);
    ~VirtualPrinter();
    VirtualPrinter(const VirtualPrinter&) = delete;
    VirtualPrinter& operator=(const VirtualPrinter&) = delete;

    // Both handlers are called on the printer's thread (or in Stop); set them
    // before Start.
    void SetReceiptHandler(ReceiptHandler handler) { onReceipt_ = std::move(handler); }
    void SetLogHandler(LogHandler handler) { onLog_ = std::move(handler); }

    bool Open(std::string* error);
    const std::string& DevicePath() const { return port_.SlavePath(); }
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
    template <typename F> auto WithInterpreter(F f) {
        std::lock_guard<std::mutex> lock(mutex_);
        return f(interpreter_);
    }

private:
    void Run();
    void Log(const std::string& line);

    Options options_;
    PtyPort port_;
    std::mutex mutex_;
    Interpreter interpreter_;
    ReceiptHandler onReceipt_;
    LogHandler onLog_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    int wake_[2] = {-1, -1};
    uint64_t receiptCount_ = 0;
};

} // namespace vprinter
