// Helpers shared by the engine's tests.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "SerialLine.h"
#include "SerialPlatform.h"

using namespace std::chrono_literals;

// Milliseconds that `body` took.
int64_t ElapsedMs(const std::function<void()>& body);
// CPU time the whole process used, in milliseconds.
double ProcessCpuMs();
// Polls `condition` until it holds or `timeout` passes.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout);
// A recognisable byte pattern: byte i of a stream.
std::vector<uint8_t> Pattern(size_t length, size_t offset = 0);

// Collects the check messages while it lives.
class DiagnosticsCapture {
public:
    DiagnosticsCapture();
    ~DiagnosticsCapture();
    std::vector<std::string> Messages() const;
    bool Contains(const std::string& text) const;
};

// Forwards to a real device and records the length of every port write the engine
// starts, so tests can see how output leaves the transmit buffer.
class RecordingDevice : public SerialDevice {
public:
    explicit RecordingDevice(std::unique_ptr<SerialDevice> inner) : inner_(std::move(inner)) {}
    std::vector<uint32_t> WriteLengths() const;

    bool GetState(DCB* dcb) override { return inner_->GetState(dcb); }
    bool SetState(const DCB& dcb) override { return inner_->SetState(dcb); }
    bool SetQueueSizes(uint32_t in, uint32_t out) override {
        return inner_->SetQueueSizes(in, out);
    }
    bool PurgeQueues(uint32_t flags) override { return inner_->PurgeQueues(flags); }
    bool TakeLineErrors(uint32_t* errors) override { return inner_->TakeLineErrors(errors); }
    bool InputQueued(uint32_t* count) override { return inner_->InputQueued(count); }
    bool OutputQueued(uint32_t* count) override { return inner_->OutputQueued(count); }
    bool GetModemStatus(uint32_t* status) override { return inner_->GetModemStatus(status); }
    bool ClearBreak() override { return inner_->ClearBreak(); }
    int ReadSome(void* buffer, uint32_t length) override {
        return inner_->ReadSome(buffer, length);
    }
    int WriteSome(const void* buffer, uint32_t length) override;
    uint32_t Wait(uint32_t want, int timeoutMs) override { return inner_->Wait(want, timeoutMs); }
    void Wake() override { inner_->Wake(); }
    void SignalInterrupt(bool on) override { inner_->SignalInterrupt(on); }
    bool Vanished() const override { return inner_->Vanished(); }
    int VanishedError() const override { return inner_->VanishedError(); }
    int LastError() const override { return inner_->LastError(); }

private:
    std::unique_ptr<SerialDevice> inner_;
    mutable std::mutex mutex_;
    std::vector<uint32_t> lengths_;
};

// CSerialLine with the protected parts the tests look at.
class TestLine : public CSerialLine {
public:
    explicit TestLine(uint32_t options) : CSerialLine(options) {}
    ~TestLine() override { Close(CN_DEFAULT_CLOSE_WAIT_MS); }

    // Wraps the opened device so its port writes are recorded.
    bool recordWrites = false;
    RecordingDevice* recorder = nullptr;
    std::vector<std::string> sentRecord; // what AppendSentText was given, in order
    bool sentRecordSawOpen = false;

    bool ReadState(DCB* dcb) { return Device() && Device()->GetState(dcb); }
    using CSerialLine::DispatchEvents;
    using CSerialLine::DrainTxBuffer;
    using CSerialLine::FillRxBuffer;

protected:
    bool OpenPort() override;
    void AppendSentText(const void* data, uint32_t length) override {
        sentRecord.emplace_back(static_cast<const char*>(data), length);
        sentRecordSawOpen = IsOpen();
    }
};

