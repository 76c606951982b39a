#include "tools/cli/RecorderLine.h"

#include "serial/SerialPlatform.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

namespace cli {

namespace {

// Any port number opens it: the device is its own.
constexpr uint32_t RECORDER_PORT = 1;
constexpr uint32_t RECORDER_BAUD = 9600;
constexpr uint8_t RECORDER_BYTE_SIZE = 8;
// Nothing ever arrives; a wait for input sleeps at most this long at a time.
constexpr int LONGEST_IDLE_WAIT_MS = 50;

// A device that takes every byte at once and never has anything to read.
class NowhereDevice : public SerialDevice {
public:
    bool GetState(DCB* dcb) override {
        *dcb = dcb_;
        return true;
    }
    bool SetState(const DCB& dcb) override {
        dcb_ = dcb;
        return true;
    }
    bool SetQueueSizes(uint32_t, uint32_t) override { return true; }
    bool PurgeQueues(uint32_t) override { return true; }
    bool TakeLineErrors(uint32_t* errors) override {
        *errors = 0;
        return true;
    }
    bool InputQueued(uint32_t* count) override {
        *count = 0;
        return true;
    }
    bool OutputQueued(uint32_t* count) override {
        *count = 0;
        return true;
    }
    bool GetModemStatus(uint32_t* status) override {
        *status = 0;
        return true;
    }
    bool ClearBreak() override { return true; }
    int ReadSome(void*, uint32_t) override { return 0; }
    int WriteSome(const void*, uint32_t length) override { return static_cast<int>(length); }
    uint32_t Wait(uint32_t want, int timeoutMs) override {
        if (want & IO_WRITABLE) return IO_WRITABLE;
        const int ms = timeoutMs < 0 ? LONGEST_IDLE_WAIT_MS : std::min(timeoutMs, LONGEST_IDLE_WAIT_MS);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return 0;
    }
    void Wake() override {}
    void SignalInterrupt(bool) override {}

private:
    DCB dcb_{};
};

} // namespace

RecorderLine::RecorderLine() {
    // No worker threads: every write goes straight to the device, so the record is
    // complete when the handler returns.
    ChangeOptions(EN_THREAD_MASK | EN_OVERLAPPED_IO | EN_TX_BUFFER | EN_RX_BUFFERING, 0);
    EnableSentRecord(1);
    Open(RECORDER_PORT, RECORDER_BAUD, NOPARITY, RECORDER_BYTE_SIZE, ONESTOPBIT);
}

RecorderLine::~RecorderLine() {
    Close();
}

bool RecorderLine::OpenPort() {
    AttachDevice(std::make_unique<NowhereDevice>());
    return true;
}

} // namespace cli
