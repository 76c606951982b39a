// CSerialLine: the worker threads, the event dispatch, the buffer moves and the
// notifications to the owner window.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

#include "serial/ManualResetEvent.h"
#include "serial/SerialLine.h"
#include "serial/SerialPlatform.h"
#include "serial/WorkerThread.h"

namespace {

constexpr uint32_t POLL_INTERVAL_MS = 50;
// After this many polls in a row with nothing to do (about a second) a read or write
// thread sleeps until there is work, so an idle open port costs no wake-ups; the
// first sign of work brings back the polling pace.
constexpr uint32_t IDLE_POLLS = 20;
constexpr uint32_t OVERLAPPED_PAUSE_MS = 10;
constexpr uint32_t DRAIN_WAIT_MS = 50;
constexpr uint32_t CHUNK_SIZE = 1024;
// On a slow line the write thread's piece is about this long on the wire, so what it
// holds past a Cancel or a setup is short; fast lines keep CHUNK_SIZE (at 115200 baud
// a full piece takes less than this).
constexpr uint32_t SLOW_PIECE_MS = 100;
constexpr uint32_t MIN_PIECE_SIZE = 16;
// A transport without line settings (USB printer, network) has no flow control to
// honour between pieces, and per-piece system calls (one TCP segment each, with
// TCP_NODELAY) are its main cost: the write thread hands it larger pieces.
constexpr uint32_t STREAM_CHUNK_SIZE = 64 * 1024;
constexpr uint32_t WATCH_DRAIN_COUNT = 1024;
constexpr uint32_t RX_SLACK = 64;
constexpr uint32_t STOP_WAIT_MS = 500;
// Bytes that could not be stored (no memory) are read into this and dropped, so
// the driver's queue does not stay full and keep the reader busy.
constexpr uint32_t DISCARD_CHUNK = 256;

void Pause(uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

bool CSerialLine::WaitEvent(ManualResetEvent* event, uint32_t ms) {
    if (!event) {
        Pause(ms);
        return false;
    }
    return event->WaitFor(ms);
}

bool CSerialLine::BeginThread(uint32_t dwExtraOptions) {
    if (!CN_ASSERT(!hWatchThread_ && !hReadThread_ && !hWriteThread_, 694)) return false;
    bRunning_.store(true);
    const bool suspended = (dwOption_ & EN_START_SUSPENDED) != 0;
    if (dwExtraOptions) dwOption_ |= dwExtraOptions;
    if (IsOpen()) hComm_->Interrupt(false);
    if (hWatchEvent_) hWatchEvent_->Reset();
    if (hReadEvent_) hReadEvent_->Reset();
    if (hWriteEvent_) hWriteEvent_->Reset();
    if (hStopEvent_) hStopEvent_->Reset();

    goneReported_.store(false);
    cutAtStop_.store(0); // a quiet-line stop before now was meant to drop its piece

    // A thread the system cannot make comes back null and fails the checks below.
    int error = 0;
    auto start = [&](std::function<uint32_t()> body) {
        int why = 0;
        auto thread = WorkerThread::Start(std::move(body), suspended, &why);
        if (!thread && error == 0) error = why;
        return thread;
    };
    if (dwOption_ & EN_WATCH_THREAD) {
        hWatchThread_ = start(
            [this] { return IsOverlapped() ? WatchLoopOverlapped() : WatchLoopPolling(); });
    }
    if (dwOption_ & EN_READ_THREAD) hReadThread_ = start([this] { return ReadLoop(); });
    if (dwOption_ & EN_WRITE_THREAD) hWriteThread_ = start([this] { return WriteLoop(); });
    if (error != 0) lastError_.store(error);
    auto fail = [this] {
        StopThreads(STOP_WAIT_MS);
        bRunning_.store(false);
        return false;
    };

    const bool high = (dwOption_ & EN_HIGH_PRIORITY) != 0;
    if (dwOption_ & EN_WATCH_THREAD) {
        if (!CN_ASSERT(hWatchThread_ != NULL, 728)) return fail();
        dwWatchThreadId_ = hWatchThread_->Id();
        if (high) hWatchThread_->RaisePriority();
    }
    if (dwOption_ & EN_READ_THREAD) {
        if (!CN_ASSERT(hReadThread_ != NULL, 745)) return fail();
        dwReadThreadId_ = hReadThread_->Id();
        if (high) hReadThread_->RaisePriority();
    }
    if (dwOption_ & EN_WRITE_THREAD) {
        if (!CN_ASSERT(hWriteThread_ != NULL, 762)) return fail();
        dwWriteThreadId_ = hWriteThread_->Id();
        if (high) hWriteThread_->RaisePriority();
    }
    return true;
}

void CSerialLine::ResumeThreads() {
    for (auto* thread : {hWatchThread_.get(), hReadThread_.get(), hWriteThread_.get()})
        if (thread) thread->Resume();
}

bool CSerialLine::StopThreads(uint32_t dwWaitMs) {
    if (!hWatchThread_ && !hReadThread_ && !hWriteThread_) return false;
    if ((dwOption_ & EN_DRAIN_ON_CLOSE) && (dwOption_ & EN_TX_BUFFER)) {
        // Bounded by the wait, so a line that takes nothing cannot hold the caller.
        // The piece a drainer has already taken out of the buffer counts as queued.
        const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(dwWaitMs);
        auto queued = [this] {
            BlockBuffer::LockScope lock(&TxBuffer_);
            return TxBuffer_.SizeUnlocked() != 0 || txInFlight_ != 0;
        };
        while (queued() && std::chrono::steady_clock::now() < limit &&
               !(IsOpen() && hComm_->Vanished()))
            Pause(DRAIN_WAIT_MS);
    }
    bRunning_.store(false);
    if (hStopEvent_) hStopEvent_->Set();
    if (IsOpen()) {
        if (IsOverlapped()) hComm_->SetCommMask(0);
        // Ends every wait of a transfer in progress, as terminating the thread would.
        hComm_->Interrupt(true);
    }
    struct Slot {
        std::unique_ptr<WorkerThread>& thread;
        ManualResetEvent* event;
    };
    Slot slots[] = {{hWatchThread_, hWatchEvent_.get()},
                    {hReadThread_, hReadEvent_.get()},
                    {hWriteThread_, hWriteEvent_.get()}};
    bool stopped = true;
    for (Slot& slot : slots) {
        if (!slot.thread) continue;
        if (slot.event) slot.event->Set();
        slot.thread->Resume(); // a thread created suspended must still get to end
        if (!slot.thread->WaitFor(dwWaitMs)) {
            // No thread can be killed here; every loop watches bRunning_ and every
            // transfer is interrupted, so this only happens on a stuck system.
            stopped = false;
            break;
        }
        slot.thread.reset();
    }
    if (stopped && IsOpen()) hComm_->Interrupt(false);
    return stopped;
}

void CSerialLine::NotifyOwner(uint32_t dwMessage, intptr_t lParam, bool bPost) {
    HWND hWnd = hNotifyWnd_.load();
    if (!hWnd) return;
    // Dropped quietly when the window is gone.
    if (bPost)
        ::PostMessage(hWnd, dwMessage, dwPort_, lParam);
    else
        ::SendMessage(hWnd, dwMessage, dwPort_, lParam);
}

void CSerialLine::OnRxData() {
    NotifyOwner(CN_MSG_RECEIVE, 0, true);
}
void CSerialLine::OnDsrChange() {
    NotifyOwner(CN_MSG_DSR, IsDsrOn() ? 1 : 0, true);
}
void CSerialLine::OnCtsChange() {
    NotifyOwner(CN_MSG_CTS, IsCtsOn() ? 1 : 0, true);
}
void CSerialLine::OnBreakEvent() {
    if (IsOpen()) hComm_->ClearBreak();
    NotifyOwner(CN_MSG_BREAK, 0, true);
}
void CSerialLine::OnTxEmptyEvent() {
    NotifyOwner(CN_MSG_TXEMPTY, 0, true);
}
void CSerialLine::OnLineError() {
    NotifyOwner(CN_MSG_ERROR, static_cast<intptr_t>(LineErrors()), true);
}
void CSerialLine::OnRingChange() {
    NotifyOwner(CN_MSG_RING, IsRingOn() ? 1 : 0, true);
}
void CSerialLine::OnCarrierChange() {
    NotifyOwner(CN_MSG_RLSD, IsRlsdOn() ? 1 : 0, true);
}
void CSerialLine::OnRxFlagEvent() {
    NotifyOwner(CN_MSG_RXFLAG, 0, true);
}
void CSerialLine::OnPowerEvent() {
    NotifyOwner(CN_MSG_POWER, 0, true);
}
void CSerialLine::OnRx80FullEvent() {
    NotifyOwner(CN_MSG_RX80FULL, 0, true);
}
void CSerialLine::OnEvent1Signal() {
    NotifyOwner(CN_MSG_EVENT1, 0, true);
}
void CSerialLine::OnEvent2Signal() {
    NotifyOwner(CN_MSG_EVENT2, 0, true);
}
void CSerialLine::OnPrinterError() {
    NotifyOwner(CN_MSG_PRINTERR, 0, true);
}

uint64_t CSerialLine::HeldTxBytes() {
    BlockBuffer::LockScope lock(&TxBuffer_);
    return uint64_t{TxBuffer_.SizeUnlocked()} + txInFlight_;
}

void CSerialLine::DropQueuedOutput() {
    BlockBuffer::LockScope lock(&TxBuffer_);
    const uint32_t queued = TxBuffer_.SizeUnlocked();
    if (queued == 0) return;
    droppedTx_.fetch_add(queued);
    TxBuffer_.Clear();
}

bool CSerialLine::DeviceGone() {
    if (!IsOpen() || !hComm_->Vanished()) return false;
    // Nothing queued for the device can reach it any more; keeping the bytes would
    // only have them retried for ever.
    DropQueuedOutput();
    if (!goneReported_.exchange(true)) {
        lastError_.store(hComm_->VanishedError());
        NotifyOwner(CN_MSG_DEVICEGONE, hComm_->VanishedError(), true);
    }
    return true;
}

void CSerialLine::DispatchEvents(uint32_t dwEvents) {
    if ((dwEvents & EV_RXCHAR) && !(dwOption_ & EN_READ_THREAD)) {
        const uint32_t n = QueuedBytes(true);
        if (n != 0 && n != CN_QUERY_FAILED) {
            if (dwOption_ & EN_RX_BUFFERING) {
                FillRxBuffer(2 * n + RX_SLACK);
                if (RxBuffer_.SizeUnlocked() >= dwNotifyCount_.load()) OnRxData();
            } else if (n >= dwNotifyCount_.load()) {
                OnRxData();
            }
        }
    }
    if (dwEvents & EV_TXEMPTY) {
        if ((dwOption_ & EN_TX_BUFFER) && !(dwOption_ & EN_WRITE_THREAD) &&
            TxBuffer_.SizeUnlocked() != 0)
            DrainTxBuffer(WATCH_DRAIN_COUNT);
        OnTxEmptyEvent();
    }
    if (dwEvents & EV_RXFLAG) OnRxFlagEvent();
    if (dwEvents & EV_CTS) OnCtsChange();
    if (dwEvents & EV_DSR) OnDsrChange();
    if (dwEvents & EV_RING) OnRingChange();
    if (dwEvents & EV_RLSD) OnCarrierChange();
    if (dwEvents & EV_BREAK) OnBreakEvent();
    if (dwEvents & EV_ERR) OnLineError();
}

uint32_t CSerialLine::WatchLoopOverlapped() {
    if (!CN_ASSERT(IsOpen(), 1969)) return 1;
    if (!CN_ASSERT_AS(hComm_->SetCommMask(dwWaitEvent_), "::SetCommMask(hComm_, dwWaitEvent_)",
                      1972))
        return 1;
    while (bRunning_.load() && IsOpen()) {
        if (DeviceGone()) {
            WaitEvent(hStopEvent_.get(), POLL_INTERVAL_MS);
            continue;
        }
        uint32_t events = 0;
        const uint32_t queued = QueuedBytes(true);
        if (queued != 0 && queued != CN_QUERY_FAILED) {
            events = EV_RXCHAR;
            Pause(OVERLAPPED_PAUSE_MS);
        } else if (!hComm_->WaitCommEvent(&events)) {
            Pause(OVERLAPPED_PAUSE_MS);
            continue;
        }
        if (!bRunning_.load()) break;
        if (events != 0) {
            DispatchEvents(events);
        } else if ((dwOption_ & EN_TX_BUFFER) && !(dwOption_ & EN_WRITE_THREAD) &&
                   TxBuffer_.SizeUnlocked() != 0) {
            DrainTxBuffer(WATCH_DRAIN_COUNT);
        }
    }
    return 0;
}

bool CSerialLine::CtsHoldsOutput() {
    return bCtsFlow_.load() && !IsCtsOn();
}

uint32_t CSerialLine::WatchLoopPolling() {
    if (!CN_ASSERT(IsOpen(), 2010)) return 1;
    // With a write thread, that thread alone drains: two drainers would each take a
    // piece and race to the port, reordering the output.
    auto drains = [this] {
        return (dwOption_ & EN_TX_BUFFER) && !(dwOption_ & EN_WRITE_THREAD);
    };
    while (bRunning_.load() && IsOpen()) {
        const bool signalled = WaitEvent(hWatchEvent_.get(), POLL_INTERVAL_MS);
        if (!bRunning_.load()) break;
        if (DeviceGone()) {
            if (signalled) hWatchEvent_->Reset();
            continue;
        }
        if (signalled) {
            // Reset before draining, so a Write that comes meanwhile signals again.
            hWatchEvent_->Reset();
            while (drains() && TxBuffer_.SizeUnlocked() != 0 && bRunning_.load()) {
                if (CtsHoldsOutput())
                    WaitEvent(hStopEvent_.get(), POLL_INTERVAL_MS);
                else if (DrainTxBuffer(1) == 0)
                    break;
            }
        } else {
            const uint32_t n = QueuedBytes(true);
            if (n != 0 && n != CN_QUERY_FAILED) ReceiveStep(n);
            if (drains() && TxBuffer_.SizeUnlocked() != 0 && !CtsHoldsOutput())
                DrainTxBuffer(WATCH_DRAIN_COUNT);
        }
    }
    return 0;
}

void CSerialLine::ReceiveStep(uint32_t dwQueued) {
    if (dwOption_ & EN_RX_BUFFERING) {
        FillRxBuffer(dwQueued);
        if (RxBuffer_.SizeUnlocked() >= dwNotifyCount_.load()) OnRxData();
    } else if (dwQueued >= dwNotifyCount_.load()) {
        OnRxData();
    }
}

uint32_t CSerialLine::ReadLoop() {
    uint32_t idlePolls = 0;
    while (bRunning_.load()) {
        // Sleeping on the event lets StopThreads end the pause at once.
        WaitEvent(hReadEvent_.get(), POLL_INTERVAL_MS);
        if (!bRunning_.load()) break;
        if (DeviceGone()) continue;
        const uint32_t n = QueuedBytes(true);
        if (n != 0 && n != CN_QUERY_FAILED) ReceiveStep(n);
        idlePolls = n == 0 ? idlePolls + 1 : 0;
        if (idlePolls >= IDLE_POLLS && bRunning_.load() && IsOpen()) {
            // Ends when bytes arrive, on a hang-up (seen as the device gone on the next
            // round) and at once when StopThreads interrupts the device. The round
            // after it still begins with a poll interval, so bytes arriving together
            // are still taken together.
            hComm_->Wait(SerialDevice::IO_READABLE, SerialDevice::WAIT_FOREVER);
            idlePolls = 0;
        }
    }
    return 0;
}

uint32_t CSerialLine::WriteLoop() {
    CN_ASSERT(dwOption_ & EN_TX_BUFFER, 2135);
    // Sleeping while idle is left to a write thread that another thread watches the
    // device for: that one notices a vanished device, and every Write and StopThreads
    // signal the write event.
    const bool mayIdle = (dwOption_ & (EN_READ_THREAD | EN_WATCH_THREAD)) != 0;
    uint32_t idlePolls = 0;
    while (bRunning_.load()) {
        const bool signalled = WaitEvent(hWriteEvent_.get(), POLL_INTERVAL_MS);
        if (signalled && bRunning_.load()) hWriteEvent_->Reset();
        if (DeviceGone()) continue;
        idlePolls = signalled || TxBuffer_.SizeUnlocked() != 0 ? 0 : idlePolls + 1;
        if (mayIdle && idlePolls >= IDLE_POLLS && hWriteEvent_) {
            // A Write made since the buffer was looked at has set the event already.
            hWriteEvent_->Wait();
            idlePolls = 0;
            continue; // the next round resets the event and drains
        }
        while ((dwOption_ & EN_TX_BUFFER) && TxBuffer_.SizeUnlocked() != 0 && bRunning_.load()) {
            if (CtsHoldsOutput())
                WaitEvent(hStopEvent_.get(), POLL_INTERVAL_MS);
            else if (DrainTxBuffer(1) == 0)
                break;
        }
    }
    return 0;
}

uint32_t CSerialLine::FillRxBuffer(uint32_t dwCount) {
    if (dwCount == 0) return 0;
    BlockBuffer::LockScope lock(&RxBuffer_);
    uint8_t* p = RxBuffer_.GetFreePtr(dwCount);
    if (!p) {
        // No memory for the bytes: take them off the line and drop them (reported
        // by the buffer), rather than read into nothing or leave them to spin on.
        CnAssertFailed("RxBuffer_.GetFreePtr(dwCount)", 0);
        uint8_t discard[DISCARD_CHUNK];
        RawRead(discard, std::min(dwCount, DISCARD_CHUNK));
        return 0;
    }
    const uint32_t k = RawRead(p, dwCount);
    return RxBuffer_.Commit(k);
}

uint32_t CSerialLine::DrainTxBuffer(uint32_t dwCount) {
    uint8_t chunk[CHUNK_SIZE];
    if (IsOverlapped()) {
        // The piece is copied and written without the buffer's lock, so a Write on the
        // owner's thread never waits for the port; only what the port took leaves the
        // buffer, the rest is tried again. Only one thread drains, so the front of the
        // buffer is still this piece afterwards.
        uint32_t m = 0;
        {
            BlockBuffer::LockScope lock(&TxBuffer_);
            if (TxBuffer_.SizeUnlocked() == 0) return 0;
            m = std::min({dwCount, TxBuffer_.FirstSize(), CHUNK_SIZE});
            std::memcpy(chunk, TxBuffer_.FirstPtr(), m);
        }
        const uint32_t written = RawWrite(chunk, m);
        BlockBuffer::LockScope lock(&TxBuffer_);
        return TxBuffer_.Read(nullptr, std::min(written, TxBuffer_.SizeUnlocked()));
    }
    uint8_t* piece = chunk;
    uint32_t pieceSize = CHUNK_SIZE;
    if (const uint32_t rate = lineBytesPerSecond_.load(); rate != 0)
        pieceSize = std::clamp(rate * SLOW_PIECE_MS / 1000, MIN_PIECE_SIZE, CHUNK_SIZE);
    if (IsOpen() && !hComm_->HasLineSettings()) {
        // Only the one drainer uses it, so it can be kept.
        streamChunk_.resize(STREAM_CHUNK_SIZE);
        piece = streamChunk_.data();
        pieceSize = STREAM_CHUNK_SIZE;
    }
    uint32_t size = 0;
    {
        BlockBuffer::LockScope lock(&TxBuffer_);
        size = TxBuffer_.Read(piece, pieceSize);
        txInFlight_ = size;
    }
    uint32_t sent = 0;
    while (sent < size) {
        if (!IsOpen()) break;
        const uint32_t n = RawWrite(piece + sent, size - sent);
        sent += n;
        if (n != 0) {
            BlockBuffer::LockScope lock(&TxBuffer_);
            txInFlight_ = size - sent;
        }
        if (sent == size) break;
        if (!bRunning_.load()) { // the thread is being stopped: the rest is dropped
            cutAtStop_.fetch_add(size - sent);
            break;
        }
        if (hComm_->Vanished()) {
            droppedTx_.fetch_add(size - sent); // the device is gone: nothing to retry
            break;
        }
        if (n == 0) {
            // The port takes nothing (held off without flow control): retry at the
            // polling pace, waking at once when the thread is stopped.
            WaitEvent(hStopEvent_.get(), POLL_INTERVAL_MS);
        }
    }
    BlockBuffer::LockScope lock(&TxBuffer_);
    txInFlight_ = 0;
    return size;
}
