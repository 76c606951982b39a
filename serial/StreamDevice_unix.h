// A device that is a plain byte stream on a file descriptor: a USB printer-class
// device or a network connection. No termios, no modem lines, no line settings; the
// engine's threads, buffers and time-outs work on it unchanged. Only the back-end
// files include this.
#pragma once

#include <atomic>
#include <cerrno>
#include <memory>
#include <mutex>
#include <vector>

#include "serial/SerialPlatform.h"

class StreamDevice : public SerialDevice {
public:
    struct Traits {
        bool socket = false;     // send() without SIGPIPE, SIOCOUTQ for the output queue
        int closedError = EIO;   // the error reported when the other end closes
        // The error when the other end has stopped answering altogether (asked now
        // and then while bytes wait for its acknowledgement), else 0. Null: not asked.
        int (*peerSilence)(int fd) = nullptr;
    };

    // Takes ownership of fd and the two event descriptors.
    StreamDevice(int fd, int interruptFd, int wakeFd, Traits traits);
    ~StreamDevice() override;

    // The record is kept as given (so the console reads back what it set), but no
    // setting reaches the device: the printer's own configuration decides.
    bool GetState(DCB* dcb) override;
    bool SetState(const DCB& dcb) override;
    bool HasLineSettings() const override { return false; }
    bool SetQueueSizes(uint32_t, uint32_t) override { return true; }
    // Received bytes can be dropped; bytes already handed to the kernel cannot be
    // taken back, so the output flags do nothing.
    bool PurgeQueues(uint32_t flags) override;
    // No framing, parity or overrun on a byte stream.
    bool TakeLineErrors(uint32_t* errors) override;
    // What has arrived and not been read; found by reading ahead, since a USB
    // printer-class device has no query for it.
    bool InputQueued(uint32_t* count) override;
    // Bytes a socket has not yet had acknowledged; 0 where the device cannot tell
    // (a USB printer-class device).
    bool OutputQueued(uint32_t* count) override;
    // No modem lines: CTS counts as on, so RTS/CTS flow never holds output back.
    bool GetModemStatus(uint32_t* status) override;
    bool ClearBreak() override { return true; }
    int ReadSome(void* buffer, uint32_t length) override;
    int WriteSome(const void* buffer, uint32_t length) override;
    uint32_t Wait(uint32_t want, int timeoutMs) override;
    // A USB printer: the driver holds one transfer at a time and reports POLLOUT when
    // it is done; closing before that kills it. Waits for POLLOUT within the budget; the
    // bytes of the last write are what stays undelivered otherwise. A socket: the
    // bytes the printer has not acknowledged.
    uint32_t SettleOutput(uint32_t budgetMs) override;
    void Wake() override;
    void SignalInterrupt(bool on) override;

private:
    // Reads what is there into ahead_ (caller holds aheadMutex_); false when the
    // device failed or the other end closed.
    bool ReadAheadLocked();
    bool Failed(int error);
    uint32_t WaitOnce(uint32_t want, int timeoutMs);
    // True while a socket holds bytes its peer has not acknowledged.
    bool OwedAnswer();

    int fd_;
    int interruptFd_;
    int wakeFd_;
    Traits traits_;
    std::mutex stateMutex_;
    DCB dcb_{};
    std::mutex aheadMutex_;
    std::vector<uint8_t> ahead_;
    // A printer that cannot answer (a one-way USB printer) refuses reads; it is then
    // not asked again, and not polled for input.
    std::atomic<bool> noInput_{false};
    // The bytes of the last write the device took (the USB printer's transfer).
    std::atomic<uint32_t> lastWrite_{0};
};

// Wraps an open descriptor (made non-blocking here) with its two event descriptors.
// Null on failure, with the error in *error; the descriptor is closed then.
std::unique_ptr<SerialDevice> MakeStreamDevice(int fd, StreamDevice::Traits traits, int* error);
