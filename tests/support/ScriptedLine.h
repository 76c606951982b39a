// An in-memory serial line for what a pseudo-terminal cannot show: CTS held off, line
// errors, a device that stops taking bytes. The test holds the Script and turns the
// knobs; the engine talks to a ScriptedDevice through the normal device interface.
#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "serial/SerialPlatform.h"
#include "tests/support/SerialTestSupport.h"

class Script {
public:
    // Knobs.
    void SetCts(bool on);
    void SetModemStatus(uint32_t status);
    void SetTakingBytes(bool taking);
    void RaiseLineErrors(uint32_t errors);
    void Feed(const std::string& bytes);
    // The driver can no longer say how many bytes it holds for output.
    void FailOutputQuery(bool failing);

    // What came out.
    std::vector<uint8_t> Wire();
    uint32_t DriverQueued();
    std::vector<uint32_t> Purges();

private:
    friend class ScriptedDevice;
    void MoveToWireLocked();

    std::mutex mutex_;
    std::condition_variable changed_;
    uint32_t modem_ = MS_CTS_ON | MS_DSR_ON;
    bool taking_ = true;
    bool outputQueryFails_ = false;
    uint32_t errors_ = 0;
    std::deque<uint8_t> input_;
    std::deque<uint8_t> driverOut_; // accepted, waiting for CTS
    std::vector<uint8_t> wire_;
    std::vector<uint32_t> purges_;
    uint32_t wakes_ = 0;
    bool interrupted_ = false;
    DCB dcb_{};
};

class ScriptedDevice : public SerialDevice {
public:
    explicit ScriptedDevice(std::shared_ptr<Script> script) : script_(std::move(script)) {}

    bool GetState(DCB* dcb) override;
    bool SetState(const DCB& dcb) override;
    bool SetQueueSizes(uint32_t, uint32_t) override { return true; }
    bool PurgeQueues(uint32_t flags) override;
    bool TakeLineErrors(uint32_t* errors) override;
    bool InputQueued(uint32_t* count) override;
    bool OutputQueued(uint32_t* count) override;
    bool GetModemStatus(uint32_t* status) override;
    bool ClearBreak() override { return true; }
    int ReadSome(void* buffer, uint32_t length) override;
    int WriteSome(const void* buffer, uint32_t length) override;
    uint32_t Wait(uint32_t want, int timeoutMs) override;
    void Wake() override;
    void SignalInterrupt(bool on) override;

private:
    std::shared_ptr<Script> script_;
};

// A TestLine whose port is the scripted line.
class ScriptedTestLine : public TestLine {
public:
    explicit ScriptedTestLine(uint32_t options)
        : TestLine(options), script(std::make_shared<Script>()) {}
    ~ScriptedTestLine() override { Close(CN_DEFAULT_CLOSE_WAIT_MS); }
    std::shared_ptr<Script> script;

protected:
    bool OpenPort() override {
        AttachDevice(std::make_unique<ScriptedDevice>(script));
        return true;
    }
};
