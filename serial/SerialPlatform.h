// What the engine needs from the operating system, with the meanings of the comm
// calls it was designed against. A back end supplies the primitives (non-blocking
// transfers, a wait for readiness, the line settings and queries); the blocking
// transfers with time-outs, the flush and the comm-event wait are built once here on
// top of them, so every back end honours the time-out record the same way.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "serial/PortKind.h"
#include "serial/SerialTypes.h"

class SerialDevice {
public:
    // Readiness bits of Wait().
    static constexpr uint32_t IO_READABLE = 0x1;
    static constexpr uint32_t IO_WRITABLE = 0x2;
    static constexpr uint32_t IO_HANGUP = 0x4; // the device has gone
    static constexpr uint32_t IO_WOKEN = 0x8;  // Wake() was called (asked for with IO_EVENT_WAKE)
    static constexpr uint32_t IO_INTERRUPTED = 0x10; // SignalInterrupt(true) is in force
    static constexpr uint32_t IO_EVENT_WAKE = 0x20;  // want-bit: also end on Wake()
    static constexpr int WAIT_FOREVER = -1;

    // Results of the non-blocking transfers.
    static constexpr int IO_FAILED = -1;

    SerialDevice();
    virtual ~SerialDevice();
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // ---- primitives of a back end
    // False for a transport without baud rate, framing or modem lines (a USB printer
    // or a network connection): the record is kept there but changes nothing.
    virtual bool HasLineSettings() const { return true; }
    virtual bool GetState(DCB* dcb) = 0;
    virtual bool SetState(const DCB& dcb) = 0;
    virtual bool SetQueueSizes(uint32_t inBytes, uint32_t outBytes) = 0;
    // Flags PURGE_TXABORT, PURGE_RXABORT, PURGE_TXCLEAR, PURGE_RXCLEAR.
    virtual bool PurgeQueues(uint32_t flags) = 0;
    // Line errors (CE_*) since the last call; 0 where the driver cannot tell.
    virtual bool TakeLineErrors(uint32_t* errors) = 0;
    virtual bool InputQueued(uint32_t* count) = 0;
    virtual bool OutputQueued(uint32_t* count) = 0;
    virtual bool GetModemStatus(uint32_t* status) = 0;
    virtual bool ClearBreak() = 0;
    // Up to `length` bytes that are there now: the count (0 when none), or IO_FAILED.
    virtual int ReadSome(void* buffer, uint32_t length) = 0;
    // As many bytes as the device takes now: the count (0 when none), or IO_FAILED.
    virtual int WriteSome(const void* buffer, uint32_t length) = 0;
    // Waits for any of `want` (IO_READABLE, IO_WRITABLE, IO_EVENT_WAKE) for up to
    // timeoutMs (WAIT_FOREVER: no limit); returns the readiness bits, 0 on time-out.
    // An interrupt in force always ends it at once with IO_INTERRUPTED.
    virtual uint32_t Wait(uint32_t want, int timeoutMs) = 0;
    // Makes a pending or the next Wait() with IO_EVENT_WAKE return IO_WOKEN (once).
    virtual void Wake() = 0;
    // Starts (true) or ends (false) the interrupt that Interrupt() describes.
    virtual void SignalInterrupt(bool on) = 0;
    // Comm events (EV_CTS, EV_DSR, EV_RLSD, EV_RING, EV_BREAK, EV_ERR) that happened
    // since the last call; only asked for when WatchesLineEvents() is true.
    virtual uint32_t TakeLineEvents() { return 0; }
    // True when TakeLineEvents can see anything, so the event wait has to look
    // now and then.
    virtual bool WatchesLineEvents() const { return false; }

    // ---- built on the primitives
    bool GetTimeouts(COMMTIMEOUTS* timeouts) const;
    bool SetTimeouts(const COMMTIMEOUTS& timeouts);
    // A read bounded as the time-out record says. False when the device failed;
    // *done holds the bytes read either way.
    bool Read(void* buffer, uint32_t length, uint32_t* done);
    // A write bounded by the write time-outs (no limit when both are 0).
    bool Write(const void* buffer, uint32_t length, uint32_t* done);
    // Waits until the output queue is empty, giving up after the write time-out. A
    // vanished device has nothing to flush: false at once.
    bool Flush();
    // Before the device is closed: lets what was handed to it leave, waiting while the
    // output queue keeps moving and at most `budgetMs`. Returns the bytes it still held
    // when the wait gave up (0 when everything left), OUTPUT_UNKNOWN when the queue
    // could not be read (a failed query never counts as empty). A vanished device has
    // nothing to deliver any more: 0 at once (its queue figure is stale).
    static constexpr uint32_t OUTPUT_UNKNOWN = 0xFFFFFFFFu;
    virtual uint32_t SettleOutput(uint32_t budgetMs);
    // True where bytes handed to the device can wait where the output queue does not
    // show them (a pseudo-terminal: what its other end has not read yet). Purging the
    // output there at close would throw delivered bytes away, so the close does not.
    virtual bool HidesOutputQueue() const { return false; }
    bool SetCommMask(uint32_t mask);
    // Waits for an event of the mask; returns with *events 0 when the mask is changed
    // meanwhile. False when the device failed.
    bool WaitCommEvent(uint32_t* events);
    // While interrupted, every wait of Read, Write, Flush and WaitCommEvent ends at
    // once; stopping threads uses it so that no transfer outlives its thread.
    void Interrupt(bool on);
    bool Interrupted() const { return interrupted_.load(); }
    // Set once the device has reported a hang-up or an I/O error.
    // Virtual so that a device wrapping another (in tests) can report the inner one's.
    virtual bool Vanished() const { return vanished_.load(); }
    // The system's error number for the vanishing (EIO when it only hung up).
    virtual int VanishedError() const { return vanishedError_.load(); }
    // The error number of the last call into the system that failed; 0 when none did.
    virtual int LastError() const { return lastError_.load(); }

protected:
    // Only the first cause is kept: later failures follow from it.
    void MarkVanished(int error = 0);
    void NoteError(int error) {
        if (error != 0) lastError_.store(error);
    }

private:
    mutable std::mutex timeoutsMutex_;
    COMMTIMEOUTS timeouts_{};
    std::atomic<uint32_t> mask_{0};
    std::atomic<uint32_t> maskGeneration_{0};
    // The mask change that the last event wait saw; a change made while nobody was
    // waiting still ends the next wait, so a wake-up from Write is never lost.
    std::atomic<uint32_t> seenGeneration_{0};
    std::atomic<bool> interrupted_{false};
    std::atomic<bool> vanished_{false};
    std::atomic<int> vanishedError_{0};
    std::atomic<int> lastError_{0};
    std::atomic<bool> wroteSinceEmpty_{false};
};

// Opens a port by the form of its path: "tcp://HOST[:PORT]" connects to a network
// printer, /dev/usb/lp<n> opens a USB printer-class device, anything else a serial
// device file (exclusively). Null on failure, with the system's error number in
// *error (EBUSY when another program holds the port).
std::unique_ptr<SerialDevice> OpenSerialDevice(const std::string& path, bool overlapped,
                                               int* error);

// The back ends, each in its own file.
std::unique_ptr<SerialDevice> OpenTerminalDevice(const std::string& path, int* error);
std::unique_ptr<SerialDevice> OpenPrinterClassDevice(const std::string& path, int* error);
// The printer-class device on a descriptor already open (the open call is the only
// part that differs from /dev/usb/lp<n>; tests stand a socket pair in for it).
std::unique_ptr<SerialDevice> AdoptPrinterClassDescriptor(int fd, int* error);
// How long a network printer has to answer the connect.
inline constexpr int NETWORK_CONNECT_TIMEOUT_MS = 3000;
std::unique_ptr<SerialDevice> OpenNetworkDevice(const NetworkAddress& target, int connectTimeoutMs,
                                                int* error);
