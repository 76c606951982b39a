// CSerialLine: one serial port, its line settings, transfer buffers and worker
// threads. Failures are reported by return values only (false, 0 or 0xFFFFFFFF);
// every guarded expression goes through CN_ASSERT, whose message goes to a
// diagnostics hook that never stops the program.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "serial/BlockBuffer.h"
#include "serial/SerialTypes.h"
#include "serial/WindowMessages.h"

class SerialDevice;
class ManualResetEvent;
class PortMap;
class WorkerThread;

// Option bits (dwOption_), set before the port is opened.
inline constexpr uint32_t EN_WATCH_THREAD = 0x0001;
inline constexpr uint32_t EN_OVERLAPPED_IO = 0x0002;
inline constexpr uint32_t EN_RX_BUFFERING = 0x0004;
inline constexpr uint32_t EN_TX_BUFFER = 0x0008;
inline constexpr uint32_t EN_READ_THREAD = 0x0010;
inline constexpr uint32_t EN_WRITE_THREAD = 0x0020;
inline constexpr uint32_t EN_START_SUSPENDED = 0x0040;
inline constexpr uint32_t EN_HIGH_PRIORITY = 0x0080;
inline constexpr uint32_t EN_FLUSH_ON_CLOSE = 0x0100;
inline constexpr uint32_t EN_DRAIN_ON_CLOSE = 0x0200;
inline constexpr uint32_t EN_THREAD_MASK = EN_WATCH_THREAD | EN_READ_THREAD | EN_WRITE_THREAD;

// The console's configuration: synchronous, both buffers, read and write threads.
inline constexpr uint32_t EN_CONSOLE_OPTIONS =
    EN_RX_BUFFERING | EN_TX_BUFFER | EN_READ_THREAD | EN_WRITE_THREAD;

// Notifications posted to the owner window; wParam is the port number.
// CN_MSG_DEVICEGONE: the device vanished while open (unplugged, hung up, an I/O
// error); lParam is the system's error number. Posted once per open; afterwards the
// threads stop using the port, bytes still queued for it are dropped (counted by
// DroppedTxBytes()) and the owner is expected to Close() it, which works as usual.
inline constexpr uint32_t CN_MSG_RECEIVE = 0x66A;
inline constexpr uint32_t CN_MSG_CTS = 0x66B;
inline constexpr uint32_t CN_MSG_DSR = 0x66C;
inline constexpr uint32_t CN_MSG_RING = 0x66D;
inline constexpr uint32_t CN_MSG_RLSD = 0x66E;
inline constexpr uint32_t CN_MSG_BREAK = 0x66F;
inline constexpr uint32_t CN_MSG_TXEMPTY = 0x670;
inline constexpr uint32_t CN_MSG_ERROR = 0x671;
inline constexpr uint32_t CN_MSG_RXFLAG = 0x672;
inline constexpr uint32_t CN_MSG_POWER = 0x673;
inline constexpr uint32_t CN_MSG_EVENT1 = 0x674;
inline constexpr uint32_t CN_MSG_EVENT2 = 0x675;
inline constexpr uint32_t CN_MSG_RX80FULL = 0x676;
inline constexpr uint32_t CN_MSG_PRINTERR = 0x677;
inline constexpr uint32_t CN_MSG_DEVICEGONE = 0x678;

inline constexpr uint32_t CN_INVALID_PORT = 0xFFFFFFFFu;
inline constexpr uint32_t CN_QUERY_FAILED = 0xFFFFFFFFu;
inline constexpr uint32_t CN_MIN_PORT = 1;
inline constexpr uint32_t CN_MAX_PORT = 1024;
inline constexpr uint32_t CN_DEFAULT_WAIT_EVENTS = 0x1FD;
inline constexpr uint32_t CN_PORT_NAME_SIZE = 64;
inline constexpr uint32_t CN_DEFAULT_CLOSE_WAIT_MS = 500;
// The longest a Close lets bytes already handed to the device leave it before it
// closes (less when the device's queue stops moving).
inline constexpr uint32_t CN_CLOSE_OUTPUT_BUDGET_MS = 5000;

// Receives the message of every failed check. The default hook writes it to stderr
// only when the environment variable TPC_SERIAL_DIAGNOSTICS is set (to anything but
// "0"); it never stops the program.
using CnDiagnosticsHook = void (*)(const char* message);
void SetCnDiagnosticsHook(CnDiagnosticsHook hook); // null restores the default
// Hands "CN_ASSERT(<expression>) failed; CSerialLine(<number>); " to the hook and
// returns false. A system error other than 0 is added as "error <n> (<text>)".
bool CnAssertFailed(const char* expression, int number, int systemError = 0);

// The check's value is the expression's truth. Used in members of CSerialLine, so
// the message carries the port's last system error.
#define CN_ASSERT(expr, number)                                                                    \
    (static_cast<bool>(expr) || CnAssertFailed(#expr, number, LastSystemError()))
// The same, with the message naming the expression by `text` (used where the call
// on this platform reads differently from the one the message names).
#define CN_ASSERT_AS(expr, text, number)                                                           \
    (static_cast<bool>(expr) || CnAssertFailed(text, number, LastSystemError()))

// The worker threads call virtual slots of the object; a derived class should
// Close() in its own destructor, so no thread runs while its part is torn down.
class CSerialLine {
public:
    using BlockBuffer = ::BlockBuffer;

    explicit CSerialLine(uint32_t dwOption = EN_WATCH_THREAD | EN_OVERLAPPED_IO);
    virtual ~CSerialLine();                                           // slot 0
    virtual void Close(uint32_t dwWaitMs = CN_DEFAULT_CLOSE_WAIT_MS); // slot 1

    CSerialLine(const CSerialLine&) = delete;
    CSerialLine& operator=(const CSerialLine&) = delete;

    void SetOptions(uint32_t dwOption);
    void ChangeOptions(uint32_t dwRemove, uint32_t dwAdd);
    uint32_t GetOptions() const { return dwOption_; }
    void SetNotifyWindow(HWND hWnd);
    HWND GetNotifyWindow() const { return hNotifyWnd_.load(); }
    void SetNotifyCount(uint32_t dwCount);
    uint32_t GetNotifyCount() const { return dwNotifyCount_.load(); }
    // The map that OpenPort resolves "\\.\COM<n>" through; null (the default) is
    // PortMap::Global().
    void SetPortMap(PortMap* map) { portMap_ = map; }
    BlockBuffer& GetRxBuffer() { return RxBuffer_; }
    BlockBuffer& GetTxBuffer() { return TxBuffer_; }

    bool Open(uint32_t dwPort, uint32_t dwBaudRate, uint8_t btParity, uint8_t btByteSize,
              uint8_t btStopBits);
    bool IsOpen() const { return hComm_ != nullptr; }
    bool IsOverlapped() const { return (dwOption_ & EN_OVERLAPPED_IO) != 0; }
    // False while open on a transport without line settings (a USB printer, a network
    // connection): baud rate, framing and handshake apply to nothing there.
    bool HasLineSettings() const;
    uint32_t GetPort() const { return dwPort_; }
    const char* GetPortName() const { return szPortName_; }
    // The system's error number behind the port's last failure (open, a device call,
    // the device vanishing, a thread that could not be made); 0 after a good Open.
    // Kept after Close.
    int LastSystemError() const;
    // Bytes that were queued for a device that vanished, and dropped.
    uint64_t DroppedTxBytes() const { return droppedTx_.load(); }
    // True from the moment the threads found the device gone until the next Open: the
    // port is still open but nothing written reaches anything.
    bool DeviceVanished() const { return goneReported_.load(); }
    // Bytes the last Close could not deliver: what the device still held when the close
    // budget ran out (then purged), and the rest of a piece the write thread was
    // stopped in. CN_QUERY_FAILED when the device could not say how much it held (a
    // failed query never counts as empty). 0 after a close that delivered everything,
    // and for a vanished device, which has nothing left to flush.
    uint32_t UndeliveredAtClose() const { return undeliveredAtClose_.load(); }

    // Bytes written and still held by the engine: the transmit buffer plus what the
    // write thread has taken out of it and not yet handed to the device. What the
    // device's own output queue holds is QueuedBytes(false).
    uint64_t HeldTxBytes();
    // Bytes a second the line carries at the settings last applied (start, data,
    // parity and stop bits); 0 for a transport without line settings.
    uint32_t LineBytesPerSecond() const { return lineBytesPerSecond_.load(); }

    // Reads the current state, sets the four values and applies it. Afterwards DCB_
    // holds the settings read back from the port, so BaudRate is the rate really set.
    bool SetState(uint32_t dwBaudRate, uint8_t btParity, uint8_t btByteSize, uint8_t btStopBits);
    // Applies the given record, or DCB_ when none is given.
    bool SetState(const DCB* pDcb = nullptr);
    bool SetTimeouts(const COMMTIMEOUTS* pTimeouts = nullptr);
    bool Purge(uint32_t dwFlags);
    uint32_t ModemStatus();
    bool IsCtsOn() { return (ModemStatus() & MS_CTS_ON) != 0; }
    bool IsDsrOn() { return (ModemStatus() & MS_DSR_ON) != 0; }
    bool IsRingOn() { return (ModemStatus() & MS_RING_ON) != 0; }
    bool IsRlsdOn() { return (ModemStatus() & MS_RLSD_ON) != 0; }
    uint32_t LineErrors();
    uint32_t QueuedBytes(bool bInput);

    uint32_t RawRead(void* pBuffer, uint32_t dwLength);
    uint32_t RawWrite(const void* pBuffer, uint32_t dwLength);
    int Write(const void* pBuffer, uint32_t dwLength);
    int Write(const char* szBuffer);

    bool BeginThread(uint32_t dwExtraOptions = 0);
    bool StopThreads(uint32_t dwWaitMs);
    // Lets threads created with EN_START_SUSPENDED run.
    void ResumeThreads();
    bool IsRunning() const { return bRunning_.load(); }

    // Public records, edited in place by callers and applied with SetState() and
    // SetTimeouts() without arguments.
    DCB DCB_;
    COMMTIMEOUTS CO_;

protected:
    // The sent-bytes record's append step; called first by Write, whatever the
    // length, options or port state. Does nothing here.
    virtual void AppendSentText(const void* pData, uint32_t dwLength);

    virtual bool InitMembers();    // slot 2
    virtual void ReleaseMembers(); // slot 3
    virtual bool OpenPort();       // slot 4
    virtual bool SetupPort();      // slot 5

public:
    virtual void NotifyOwner(uint32_t dwMessage, intptr_t lParam, bool bPost); // slot 6
    virtual void OnRxData();                                                   // slot 7
    virtual void OnDsrChange();                                                // slot 8
    virtual void OnCtsChange();                                                // slot 9
    virtual void OnBreakEvent();                                               // slot 10
    virtual void OnTxEmptyEvent();                                             // slot 11
    virtual void OnLineError();                                                // slot 12
    virtual void OnRingChange();                                               // slot 13
    virtual void OnCarrierChange();                                            // slot 14
    virtual void OnRxFlagEvent();                                              // slot 15
    virtual void OnPowerEvent();                                               // slot 16
    virtual void OnRx80FullEvent();                                            // slot 17
    virtual void OnEvent1Signal();                                             // slot 18
    virtual void OnEvent2Signal();                                             // slot 19
    virtual void OnPrinterError();                                             // slot 20

protected:
    virtual void DispatchEvents(uint32_t dwEvents); // slot 21
    virtual uint32_t WatchLoopOverlapped();         // slot 22
    virtual uint32_t WatchLoopPolling();            // slot 23
    virtual uint32_t ReadLoop();                    // slot 24
    virtual uint32_t WriteLoop();                   // slot 25

    uint32_t FillRxBuffer(uint32_t dwCount);
    uint32_t DrainTxBuffer(uint32_t dwCount);

    // For OpenPort overrides that supply their own device (the scripted line of the
    // tests); takes ownership. The device must already be open.
    void AttachDevice(std::unique_ptr<SerialDevice> device);
    SerialDevice* Device() const { return hComm_.get(); }

    struct OVERLAPPED {
        std::unique_ptr<ManualResetEvent> hEvent;
    };

    // Atomic: the threads read it, and a change while open is allowed (if reported).
    std::atomic<uint32_t> dwOption_{0};
    std::unique_ptr<SerialDevice> hComm_; // null while closed
    uint32_t dwPort_ = CN_INVALID_PORT;
    char szPortName_[CN_PORT_NAME_SIZE];
    BlockBuffer RxBuffer_;
    BlockBuffer TxBuffer_;
    std::atomic<bool> bRunning_{false};
    uint32_t dwWaitEvent_ = CN_DEFAULT_WAIT_EVENTS;
    std::unique_ptr<WorkerThread> hWatchThread_;
    uint32_t dwWatchThreadId_ = 0;
    std::unique_ptr<ManualResetEvent> hWatchEvent_;
    std::unique_ptr<WorkerThread> hReadThread_;
    uint32_t dwReadThreadId_ = 0;
    std::unique_ptr<ManualResetEvent> hReadEvent_;
    std::unique_ptr<WorkerThread> hWriteThread_;
    uint32_t dwWriteThreadId_ = 0;
    std::unique_ptr<ManualResetEvent> hWriteEvent_;
    std::atomic<HWND> hNotifyWnd_{nullptr};
    std::atomic<uint32_t> dwNotifyCount_{0};
    OVERLAPPED RO_, WO_, EO_;

private:
    void ReceiveStep(uint32_t dwQueued);
    // True once the device has vanished: the first caller posts CN_MSG_DEVICEGONE;
    // every caller drops what is queued for output.
    bool DeviceGone();
    void DropQueuedOutput();
    bool CtsHoldsOutput();
    // Waits on `event` up to `ms`; false when it is null or timed out.
    static bool WaitEvent(ManualResetEvent* event, uint32_t ms);

    // The CTS output-flow bit of the record last applied; read by the worker threads
    // while the user-interface thread may edit DCB_.
    std::atomic<bool> bCtsFlow_{false};
    // LineBytesPerSecond(): read by the write thread to size its pieces.
    std::atomic<uint32_t> lineBytesPerSecond_{0};
    // Signalled while the threads are being stopped: ends the CTS wait and the retry
    // pause of a chunk the port does not take.
    std::unique_ptr<ManualResetEvent> hStopEvent_;
    PortMap* portMap_ = nullptr;
    std::atomic<int> lastError_{0};
    std::atomic<uint64_t> droppedTx_{0};
    std::atomic<bool> goneReported_{false};
    std::atomic<uint32_t> undeliveredAtClose_{0};
    // The rest of a piece the write thread was stopped in, not handed to the device.
    std::atomic<uint32_t> cutAtStop_{0};
    // Bytes a drainer has taken out of TxBuffer_ and not yet handed to the device (it
    // shrinks as the piece goes out); changed under TxBuffer_'s lock together with the
    // buffer, so a drain on close that sees both empty under the lock has really sent
    // everything.
    uint32_t txInFlight_ = 0;
    std::vector<uint8_t> streamChunk_;
};
