#include "tests/support/ScriptedLine.h"

#include <algorithm>

namespace {
constexpr size_t DRIVER_QUEUE = 4096;
}

void Script::SetCts(bool on) {
    std::lock_guard<std::mutex> lock(mutex_);
    modem_ = on ? (modem_ | MS_CTS_ON) : (modem_ & ~MS_CTS_ON);
    MoveToWireLocked();
    changed_.notify_all();
}

void Script::SetModemStatus(uint32_t status) {
    std::lock_guard<std::mutex> lock(mutex_);
    modem_ = status;
    changed_.notify_all();
}

void Script::SetTakingBytes(bool taking) {
    std::lock_guard<std::mutex> lock(mutex_);
    taking_ = taking;
    changed_.notify_all();
}

void Script::RaiseLineErrors(uint32_t errors) {
    std::lock_guard<std::mutex> lock(mutex_);
    errors_ |= errors;
}

void Script::Feed(const std::string& bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    input_.insert(input_.end(), bytes.begin(), bytes.end());
    changed_.notify_all();
}

void Script::FailOutputQuery(bool failing) {
    std::lock_guard<std::mutex> lock(mutex_);
    outputQueryFails_ = failing;
}

std::vector<uint8_t> Script::Wire() {
    std::lock_guard<std::mutex> lock(mutex_);
    return wire_;
}

uint32_t Script::DriverQueued() {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<uint32_t>(driverOut_.size());
}

std::vector<uint32_t> Script::Purges() {
    std::lock_guard<std::mutex> lock(mutex_);
    return purges_;
}

// The transmitter: with CTS on, the driver's queue goes out on the wire.
void Script::MoveToWireLocked() {
    if (!(modem_ & MS_CTS_ON)) return;
    wire_.insert(wire_.end(), driverOut_.begin(), driverOut_.end());
    driverOut_.clear();
}

bool ScriptedDevice::GetState(DCB* dcb) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    *dcb = script_->dcb_;
    dcb->DCBlength = DCB_LENGTH;
    return true;
}

bool ScriptedDevice::SetState(const DCB& dcb) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    script_->dcb_ = dcb;
    return true;
}

bool ScriptedDevice::PurgeQueues(uint32_t flags) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    script_->purges_.push_back(flags);
    if (flags & PURGE_RXCLEAR) script_->input_.clear();
    if (flags & PURGE_TXCLEAR) script_->driverOut_.clear();
    return true;
}

bool ScriptedDevice::TakeLineErrors(uint32_t* errors) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    *errors = script_->errors_;
    script_->errors_ = 0;
    return true;
}

bool ScriptedDevice::InputQueued(uint32_t* count) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    *count = static_cast<uint32_t>(script_->input_.size());
    return true;
}

bool ScriptedDevice::OutputQueued(uint32_t* count) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    if (script_->outputQueryFails_) return false;
    *count = static_cast<uint32_t>(script_->driverOut_.size());
    return true;
}

bool ScriptedDevice::GetModemStatus(uint32_t* status) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    *status = script_->modem_;
    return true;
}

int ScriptedDevice::ReadSome(void* buffer, uint32_t length) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    const size_t n = std::min<size_t>(length, script_->input_.size());
    std::copy_n(script_->input_.begin(), n, static_cast<uint8_t*>(buffer));
    script_->input_.erase(script_->input_.begin(), script_->input_.begin() + static_cast<long>(n));
    return static_cast<int>(n);
}

int ScriptedDevice::WriteSome(const void* buffer, uint32_t length) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    if (!script_->taking_) return 0;
    const size_t room = DRIVER_QUEUE - std::min(DRIVER_QUEUE, script_->driverOut_.size());
    const size_t n = std::min<size_t>(length, room);
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    script_->driverOut_.insert(script_->driverOut_.end(), bytes, bytes + n);
    script_->MoveToWireLocked();
    return static_cast<int>(n);
}

uint32_t ScriptedDevice::Wait(uint32_t want, int timeoutMs) {
    std::unique_lock<std::mutex> lock(script_->mutex_);
    const uint32_t wakes = script_->wakes_;
    auto ready = [&]() -> uint32_t {
        uint32_t bits = 0;
        if (script_->interrupted_) bits |= IO_INTERRUPTED;
        if ((want & IO_EVENT_WAKE) && script_->wakes_ != wakes) bits |= IO_WOKEN;
        if ((want & IO_READABLE) && !script_->input_.empty()) bits |= IO_READABLE;
        if ((want & IO_WRITABLE) && script_->taking_ && script_->driverOut_.size() < DRIVER_QUEUE)
            bits |= IO_WRITABLE;
        return bits;
    };
    uint32_t bits = 0;
    auto check = [&] { return (bits = ready()) != 0; };
    if (timeoutMs < 0)
        script_->changed_.wait(lock, check);
    else
        script_->changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), check);
    return bits;
}

void ScriptedDevice::Wake() {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    ++script_->wakes_;
    script_->changed_.notify_all();
}

void ScriptedDevice::SignalInterrupt(bool on) {
    std::lock_guard<std::mutex> lock(script_->mutex_);
    script_->interrupted_ = on;
    script_->changed_.notify_all();
}
