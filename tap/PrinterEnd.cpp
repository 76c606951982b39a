// The printer's side: any port the console opens, through the serial engine's device
// layer (no termios here). The tap does its own XON/XOFF, so the printer's XOFF
// reaches the program too; RTS/CTS is the driver's.
#include "serial/SerialPlatform.h"
#include "tap/TapEnd.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <mutex>
#include <thread>

namespace tap {

namespace {

constexpr uint32_t BITS_PER_BYTE = 10; // start, 8 data, stop
constexpr double SECONDS_OF_BURST = 0.02;
constexpr size_t MIN_BURST = 64;

// Writes to a serial line go no faster than its rate, as a UART sends them: over a
// pseudo-terminal the kernel would otherwise queue them unseen, and a printer's XOFF
// would come after far more than a UART's few bytes were on their way.
class LinePace {
public:
    void SetRate(uint32_t baud) {
        std::lock_guard lock(mutex_);
        bytesPerSecond_ = baud / BITS_PER_BYTE;
        burst_ = std::max(MIN_BURST, static_cast<size_t>(bytesPerSecond_ * SECONDS_OF_BURST));
    }
    // How many bytes may go now (all when the line has no rate).
    size_t Allowed(size_t wanted) {
        std::lock_guard lock(mutex_);
        if (bytesPerSecond_ == 0) return wanted;
        Refill();
        return std::min(wanted, static_cast<size_t>(tokens_));
    }
    void Spent(size_t bytes) {
        std::lock_guard lock(mutex_);
        if (bytesPerSecond_ != 0) tokens_ -= static_cast<double>(bytes);
    }
    // Time until a byte may go.
    std::chrono::microseconds Wait() {
        std::lock_guard lock(mutex_);
        if (bytesPerSecond_ == 0) return {};
        Refill();
        if (tokens_ >= 1) return {};
        return std::chrono::microseconds(static_cast<int64_t>((1 - tokens_) * 1e6 / bytesPerSecond_) + 1);
    }

private:
    void Refill() {
        const auto now = std::chrono::steady_clock::now();
        tokens_ = std::min(static_cast<double>(burst_),
                           tokens_ + std::chrono::duration<double>(now - last_).count() * bytesPerSecond_);
        last_ = now;
    }

    std::mutex mutex_;
    double bytesPerSecond_ = 0;
    size_t burst_ = MIN_BURST;
    double tokens_ = 0;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

// A printer that goes (a network printer's connection reset, a USB printer switched
// off) is opened again by its path now and then; while it is gone the relay keeps
// the program's bytes instead of dropping them, and they go on once it is back.
class PrinterEnd : public TapEnd {
public:
    PrinterEnd(std::unique_ptr<SerialDevice> device, std::string path)
        : device_(std::move(device)), path_(std::move(path)) {
        // Paced from the start at the rate the line has, before a program sets its own.
        DCB dcb{};
        if (device_->HasLineSettings() && device_->GetState(&dcb)) pace_.SetRate(dcb.BaudRate);
    }

    long Read(uint8_t* buffer, size_t length) override {
        const std::shared_ptr<SerialDevice> device = Device();
        if (!device) return FAILED;
        const int n = device->ReadSome(buffer, static_cast<uint32_t>(length));
        if (n != SerialDevice::IO_FAILED) return n;
        Lost(device);
        return FAILED;
    }
    long Write(const uint8_t* data, size_t length) override {
        const std::shared_ptr<SerialDevice> device = Device();
        if (!device) return FAILED;
        const size_t allowed = pace_.Allowed(length);
        if (allowed == 0) return 0;
        const int n = device->WriteSome(data, static_cast<uint32_t>(allowed));
        if (n == SerialDevice::IO_FAILED) {
            Lost(device);
            return FAILED;
        }
        pace_.Spent(static_cast<size_t>(n));
        return n;
    }
    uint32_t Wait(uint32_t want, int timeoutMs) override {
        std::shared_ptr<SerialDevice> device = Device();
        if (!device && !Reopen()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(timeoutMs));
            return GONE;
        }
        device = Device();
        if (want == WRITABLE) {
            const auto pause = pace_.Wait();
            if (pause.count() > 0) {
                std::this_thread::sleep_for(std::min<std::chrono::microseconds>(
                    pause, std::chrono::milliseconds(timeoutMs)));
                return 0;
            }
        }
        uint32_t asked = 0;
        if ((want & READABLE) != 0) asked |= SerialDevice::IO_READABLE;
        if ((want & WRITABLE) != 0) asked |= SerialDevice::IO_WRITABLE;
        const uint32_t got = device->Wait(asked, timeoutMs);
        uint32_t bits = 0;
        if ((got & SerialDevice::IO_READABLE) != 0) bits |= READABLE;
        if ((got & SerialDevice::IO_WRITABLE) != 0) bits |= WRITABLE;
        if ((got & SerialDevice::IO_HANGUP) != 0 || device->Vanished()) {
            bits |= GONE;
            Lost(device);
        }
        return bits;
    }
    bool CanComeBack() const override { return true; }
    uint64_t Openings() const override { return openings_.load(); }
    uint64_t Settle(int budgetMs) override {
        const std::shared_ptr<SerialDevice> device = Device();
        if (!device || budgetMs <= 0) return 0;
        const uint32_t left = device->SettleOutput(static_cast<uint32_t>(budgetMs));
        // A queue that cannot be read is not counted as bytes held.
        return left == SerialDevice::OUTPUT_UNKNOWN ? 0 : left;
    }
    std::optional<LineSettings> CurrentSettings() override {
        const std::shared_ptr<SerialDevice> device = Device();
        DCB dcb{};
        if (!device || !device->HasLineSettings() || !device->GetState(&dcb)) return std::nullopt;
        LineSettings s;
        s.baud = dcb.BaudRate;
        s.dataBits = dcb.ByteSize;
        s.parity = !dcb.fParity ? 'N' : (dcb.Parity == EVENPARITY ? 'E' : (dcb.Parity == ODDPARITY ? 'O' : 'N'));
        s.stopBits = dcb.StopBits == TWOSTOPBITS ? 2 : 1;
        s.rtsCts = dcb.fOutxCtsFlow != 0;
        s.xonXoff = dcb.fOutX != 0;
        return s;
    }
    bool ApplySettings(const LineSettings& s) override {
        {
            std::lock_guard lock(mutex_);
            settings_ = s;
        }
        const std::shared_ptr<SerialDevice> device = Device();
        return device && Apply(*device, s);
    }
    std::string Describe() const override { return path_; }

private:
    std::shared_ptr<SerialDevice> Device() {
        std::lock_guard lock(mutex_);
        return device_;
    }
    // The device failed: it is let go (once), and opened again by Reopen.
    void Lost(const std::shared_ptr<SerialDevice>& device) {
        std::lock_guard lock(mutex_);
        if (device_ == device) device_.reset();
    }
    // Opens the printer again, no more often than REOPEN_PERIOD; true when it is there.
    bool Reopen() {
        std::lock_guard reopening(reopenMutex_);
        if (Device()) return true;
        const auto now = std::chrono::steady_clock::now();
        if (now - lastTry_ < REOPEN_PERIOD) return false;
        lastTry_ = now;
        int code = 0;
        std::shared_ptr<SerialDevice> fresh = OpenSerialDevice(path_, false, &code);
        if (!fresh) return false;
        std::optional<LineSettings> settings;
        {
            std::lock_guard lock(mutex_);
            settings = settings_;
        }
        if (settings) Apply(*fresh, *settings);
        std::lock_guard lock(mutex_);
        device_ = std::move(fresh);
        openings_.fetch_add(1);
        return true;
    }
    bool Apply(SerialDevice& device, const LineSettings& s) {
        if (!device.HasLineSettings()) return false;
        DCB dcb{};
        if (!device.GetState(&dcb)) return false;
        dcb.BaudRate = s.baud;
        dcb.ByteSize = s.dataBits;
        dcb.fParity = s.parity != 'N' ? 1 : 0;
        dcb.Parity = s.parity == 'E' ? EVENPARITY : (s.parity == 'O' ? ODDPARITY : NOPARITY);
        dcb.StopBits = s.stopBits == 2 ? TWOSTOPBITS : ONESTOPBIT;
        dcb.fOutxCtsFlow = s.rtsCts ? 1 : 0;
        dcb.fRtsControl = s.rtsCts ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
        // XOFF is passed on to the program and honoured by the tap itself.
        dcb.fOutX = 0;
        dcb.fInX = 0;
        if (!device.SetState(dcb)) return false;
        pace_.SetRate(s.baud);
        return true;
    }

    static constexpr auto REOPEN_PERIOD = std::chrono::milliseconds(500);
    std::mutex mutex_; // device_ and settings_
    std::shared_ptr<SerialDevice> device_;
    std::optional<LineSettings> settings_;
    std::mutex reopenMutex_;
    std::chrono::steady_clock::time_point lastTry_{};
    std::atomic<uint64_t> openings_{1};
    std::string path_;
    LinePace pace_;
};

} // namespace

std::unique_ptr<TapEnd> OpenPrinterEnd(const std::string& path, std::string& error) {
    int code = 0;
    std::unique_ptr<SerialDevice> device = OpenSerialDevice(path, false, &code);
    if (!device) {
        error = "cannot open " + path + ": " + std::strerror(code);
        return nullptr;
    }
    return std::make_unique<PrinterEnd>(std::move(device), path);
}

} // namespace tap
