// CSerialLine: opening, configuring and closing the port, and the direct transfers.
#include "serial/SerialLine.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "serial/ManualResetEvent.h"
#include "serial/PortMap.h"
#include "serial/SerialPlatform.h"
#include "serial/WorkerThread.h"

namespace {

constexpr uint32_t QUEUE_SIZE = 4096;
constexpr uint32_t SETUP_READ_INTERVAL_MS = 100;
constexpr uint32_t SETUP_READ_CONSTANT_OVERLAPPED_MS = 500;
constexpr uint32_t SETUP_READ_CONSTANT_MS = 250;
constexpr uint32_t SETUP_WRITE_MULTIPLIER_OVERLAPPED = 1;
constexpr uint32_t SETUP_WRITE_CONSTANT_OVERLAPPED_MS = 10000;
constexpr uint32_t SETUP_WRITE_CONSTANT_MS = 250;
// Second wait for a thread that missed the first one, before the device is freed.
constexpr uint32_t CLOSE_GRACE_MS = 5000;
constexpr const char* DIAGNOSTICS_ENV = "TPC_SERIAL_DIAGNOSTICS";

void DefaultDiagnostics(const char* message) {
    static const bool enabled = [] {
        const char* value = std::getenv(DIAGNOSTICS_ENV);
        return value && *value && std::strcmp(value, "0") != 0;
    }();
    if (enabled) std::fprintf(stderr, "%s\n", message);
}

std::atomic<CnDiagnosticsHook>& DiagnosticsHook() {
    static std::atomic<CnDiagnosticsHook> hook{DefaultDiagnostics};
    return hook;
}

} // namespace

void SetCnDiagnosticsHook(CnDiagnosticsHook hook) {
    DiagnosticsHook().store(hook ? hook : DefaultDiagnostics);
}

bool CnAssertFailed(const char* expression, int number, int systemError) {
    std::string message = std::string("CN_ASSERT(") + expression + ") failed; CSerialLine(" +
                          std::to_string(number) + "); ";
    if (systemError != 0)
        message += "error " + std::to_string(systemError) + " (" + std::strerror(systemError) + ")";
    DiagnosticsHook().load()(message.c_str());
    return false;
}

CSerialLine::CSerialLine(uint32_t dwOption) {
    InitMembers();
    SetOptions(dwOption);
}

CSerialLine::~CSerialLine() {
    Close(CN_DEFAULT_CLOSE_WAIT_MS);
    ReleaseMembers();
}

bool CSerialLine::InitMembers() {
    std::memset(szPortName_, 0, sizeof szPortName_);
    std::memset(&DCB_, 0, sizeof DCB_);
    DCB_.DCBlength = DCB_LENGTH;
    std::memset(&CO_, 0, sizeof CO_);
    hComm_.reset();
    dwPort_ = CN_INVALID_PORT;
    dwWaitEvent_ = CN_DEFAULT_WAIT_EVENTS;
    dwWatchThreadId_ = dwReadThreadId_ = dwWriteThreadId_ = 0;
    hNotifyWnd_.store(nullptr);
    dwNotifyCount_.store(0);
    RO_.hEvent = std::make_unique<ManualResetEvent>();
    WO_.hEvent = std::make_unique<ManualResetEvent>();
    EO_.hEvent = std::make_unique<ManualResetEvent>();
    bool ok = CN_ASSERT(RO_.hEvent != NULL, 1679);
    ok = CN_ASSERT(WO_.hEvent != NULL, 1682) && ok;
    ok = CN_ASSERT(EO_.hEvent != NULL, 1685) && ok;
    hWatchEvent_ = std::make_unique<ManualResetEvent>();
    hReadEvent_ = std::make_unique<ManualResetEvent>();
    hWriteEvent_ = std::make_unique<ManualResetEvent>();
    hStopEvent_ = std::make_unique<ManualResetEvent>();
    ok = CN_ASSERT(hWatchEvent_ != NULL, 1689) && ok;
    ok = CN_ASSERT(hReadEvent_ != NULL, 1691) && ok;
    ok = CN_ASSERT(hWriteEvent_ != NULL, 1693) && ok;
    return ok;
}

void CSerialLine::ReleaseMembers() {
    RO_.hEvent.reset();
    WO_.hEvent.reset();
    EO_.hEvent.reset();
    hWatchEvent_.reset();
    hReadEvent_.reset();
    hWriteEvent_.reset();
    hStopEvent_.reset();
}

void CSerialLine::AppendSentText(const void*, uint32_t) {}

void CSerialLine::SetOptions(uint32_t dwOption) {
    CN_ASSERT(!IsOpen(), 257);
    dwOption_ = dwOption;
}

void CSerialLine::ChangeOptions(uint32_t dwRemove, uint32_t dwAdd) {
    CN_ASSERT(!IsOpen(), 269);
    dwOption_ = (dwOption_ & ~dwRemove) | dwAdd;
}

void CSerialLine::SetNotifyWindow(HWND hWnd) {
    CN_ASSERT(::IsWindow(hWnd), 297);
    hNotifyWnd_.store(hWnd);
}

void CSerialLine::SetNotifyCount(uint32_t dwCount) {
    dwNotifyCount_.store(dwCount);
}

bool CSerialLine::HasLineSettings() const {
    return !hComm_ || hComm_->HasLineSettings();
}

int CSerialLine::LastSystemError() const {
    if (hComm_) {
        const int error = hComm_->LastError();
        if (error != 0) return error;
    }
    return lastError_.load();
}

bool CSerialLine::Open(uint32_t dwPort, uint32_t dwBaudRate, uint8_t btParity, uint8_t btByteSize,
                       uint8_t btStopBits) {
    if (!IsOpen()) lastError_.store(0);
    // Written out: the formatter spaces the operators, the message keeps its text.
    if (!CN_ASSERT_AS(dwPort >= CN_MIN_PORT && dwPort <= CN_MAX_PORT, "dwPort>=1 && dwPort<=1024",
                      375))
        return false;
    // An open line is closed first (OpenPort would do it too, but only after the
    // port number had been changed under the running threads).
    if (!CN_ASSERT_AS(!IsOpen(), "!IsOpen()", 1737)) Close(CN_DEFAULT_CLOSE_WAIT_MS);
    lastError_.store(0);
    goneReported_.store(false);
    dwPort_ = dwPort;
    std::snprintf(szPortName_, sizeof szPortName_, "\\\\.\\COM%u", static_cast<unsigned>(dwPort));
    if (!CN_ASSERT(OpenPort(), 380)) return false;
    if (!CN_ASSERT(SetState(dwBaudRate, btParity, btByteSize, btStopBits), 383)) {
        Close(CN_DEFAULT_CLOSE_WAIT_MS);
        return false;
    }
    if (!CN_ASSERT(SetupPort(), 386)) {
        Close(CN_DEFAULT_CLOSE_WAIT_MS);
        return false;
    }
    if (dwOption_ & EN_THREAD_MASK) {
        if (!CN_ASSERT(BeginThread(), 389)) {
            Close(CN_DEFAULT_CLOSE_WAIT_MS);
            return false;
        }
    }
    return true;
}

bool CSerialLine::OpenPort() {
    if (!CN_ASSERT(!IsOpen(), 1737)) Close(CN_DEFAULT_CLOSE_WAIT_MS);
    const PortMap& map = portMap_ ? *portMap_ : PortMap::Global();
    const auto path = map.ResolveDeviceName(szPortName_);
    int error = ENOENT; // no device behind the number
    if (path) hComm_ = OpenSerialDevice(*path, IsOverlapped(), &error);
    if (!IsOpen()) lastError_.store(error);
    return IsOpen();
}

void CSerialLine::AttachDevice(std::unique_ptr<SerialDevice> device) {
    hComm_ = std::move(device);
}

bool CSerialLine::SetupPort() {
    if (!CN_ASSERT(IsOpen(), 1757)) return false;
    if (!CN_ASSERT_AS(hComm_->SetQueueSizes(QUEUE_SIZE, QUEUE_SIZE),
                      "::SetupComm(hComm_, 4096, 4096)", 1763))
        return false;
    if (!CN_ASSERT_AS(hComm_->GetTimeouts(&CO_), "::GetCommTimeouts(hComm_, &CO_)", 1767))
        return false;
    const bool overlapped = IsOverlapped();
    CO_.ReadIntervalTimeout = SETUP_READ_INTERVAL_MS;
    CO_.ReadTotalTimeoutMultiplier = 0;
    CO_.ReadTotalTimeoutConstant =
        overlapped ? SETUP_READ_CONSTANT_OVERLAPPED_MS : SETUP_READ_CONSTANT_MS;
    CO_.WriteTotalTimeoutMultiplier = overlapped ? SETUP_WRITE_MULTIPLIER_OVERLAPPED : 0;
    CO_.WriteTotalTimeoutConstant =
        overlapped ? SETUP_WRITE_CONSTANT_OVERLAPPED_MS : SETUP_WRITE_CONSTANT_MS;
    if (!CN_ASSERT_AS(hComm_->SetTimeouts(CO_), "::SetCommTimeouts(hComm_, &CO_)", 1776))
        return false;
    if (!CN_ASSERT_AS(hComm_->PurgeQueues(PURGE_ALL),
                      "::PurgeComm(hComm_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | "
                      "PURGE_RXCLEAR )",
                      1779))
        return false;
    return true;
}

void CSerialLine::Close(uint32_t dwWaitMs) {
    if (!IsOpen()) return;
    const bool threads = hWatchThread_ || hReadThread_ || hWriteThread_;
    if (threads && !StopThreads(dwWaitMs) && !StopThreads(CLOSE_GRACE_MS)) {
        // A thread is still inside the port: closing it now would pull the device
        // from under that thread. Leave it open; a later Close tries again.
        CnAssertFailed("StopThreads(dwWaitMs)", 0);
        return;
    }
    if (dwOption_ & (EN_FLUSH_ON_CLOSE | EN_DRAIN_ON_CLOSE)) hComm_->Flush();
    // Bytes already handed to the device are its to deliver: they may leave (within
    // the budget) before anything is purged, and what cannot is counted. A
    // pseudo-terminal's output is never purged: the flush would drop what its other
    // end has not read yet, which it can still read after the close.
    const uint32_t left = hComm_->SettleOutput(CN_CLOSE_OUTPUT_BUDGET_MS);
    const uint32_t cut = cutAtStop_.exchange(0);
    undeliveredAtClose_.store(left == SerialDevice::OUTPUT_UNKNOWN ? CN_QUERY_FAILED : left + cut);
    hComm_->PurgeQueues(hComm_->HidesOutputQueue() ? PURGE_RXABORT | PURGE_RXCLEAR : PURGE_ALL);
    if (hComm_->LastError() != 0) lastError_.store(hComm_->LastError());
    hComm_.reset();
}

namespace {
// A start bit, the data bits, a parity bit when there is one, and the stop bits
// (one and a half counted as two).
uint32_t BytesPerSecond(const DCB& dcb, uint32_t baud) {
    const uint32_t bits = 1u + dcb.ByteSize + (dcb.Parity != NOPARITY ? 1u : 0u) +
                          (dcb.StopBits == ONESTOPBIT ? 1u : 2u);
    return baud / bits;
}
} // namespace

bool CSerialLine::SetState(uint32_t dwBaudRate, uint8_t btParity, uint8_t btByteSize,
                           uint8_t btStopBits) {
    if (!CN_ASSERT(IsOpen(), 903)) return false;
    if (!hComm_->GetState(&DCB_)) return false;
    DCB_.BaudRate = dwBaudRate;
    DCB_.ByteSize = btByteSize;
    DCB_.Parity = btParity;
    DCB_.StopBits = btStopBits;
    DCB_.fParity = btParity != NOPARITY ? 1 : 0;
    return SetState();
}

bool CSerialLine::SetState(const DCB* pDcb) {
    if (!CN_ASSERT(IsOpen(), 898)) return false;
    const DCB applied = pDcb ? *pDcb : DCB_;
    if (!hComm_->SetState(applied)) return false;
    bCtsFlow_.store(applied.fOutxCtsFlow != 0);
    uint32_t baud = applied.BaudRate;
    // Read back what the driver really took (a USB adapter may round the rate).
    if (!pDcb) {
        DCB actual;
        if (hComm_->GetState(&actual)) DCB_.BaudRate = baud = actual.BaudRate;
    }
    lineBytesPerSecond_.store(hComm_->HasLineSettings() ? BytesPerSecond(applied, baud) : 0);
    return true;
}

bool CSerialLine::SetTimeouts(const COMMTIMEOUTS* pTimeouts) {
    if (!CN_ASSERT(IsOpen(), 945)) return false;
    return hComm_->SetTimeouts(pTimeouts ? *pTimeouts : CO_);
}

bool CSerialLine::Purge(uint32_t dwFlags) {
    if (!CN_ASSERT(IsOpen(), 1004)) return false;
    return hComm_->PurgeQueues(dwFlags);
}

uint32_t CSerialLine::ModemStatus() {
    if (!CN_ASSERT(IsOpen(), 961)) return 0;
    uint32_t status = 0;
    return hComm_->GetModemStatus(&status) ? status : 0;
}

uint32_t CSerialLine::LineErrors() {
    if (!CN_ASSERT(IsOpen(), 1010)) return 0;
    uint32_t errors = 0;
    return hComm_->TakeLineErrors(&errors) ? errors : 0;
}

uint32_t CSerialLine::QueuedBytes(bool bInput) {
    if (!CN_ASSERT(IsOpen(), 1018)) return CN_QUERY_FAILED;
    uint32_t count = 0;
    const bool ok = bInput ? hComm_->InputQueued(&count) : hComm_->OutputQueued(&count);
    return ok ? count : CN_QUERY_FAILED;
}

uint32_t CSerialLine::RawRead(void* pBuffer, uint32_t dwLength) {
    if (!CN_ASSERT(IsOpen(), 455) || dwLength == 0) return 0;
    uint32_t errors = 0;
    if (hComm_->TakeLineErrors(&errors) && errors != 0) hComm_->PurgeQueues(PURGE_RXABORT);
    uint32_t dwReadResult = 0;
    if (IsOverlapped()) {
        // The overlapped read is started and awaited at once; here that is one read
        // bounded by the time-outs, which can end early only when the device fails.
        CN_ASSERT_AS(hComm_->Read(pBuffer, dwLength, &dwReadResult),
                     "::GetOverlappedResult(hComm_, &RO_, &dwReadResult, TRUE)", 470);
    } else {
        CN_ASSERT_AS(hComm_->Read(pBuffer, dwLength, &dwReadResult),
                     "::ReadFile(hComm_, pBuffer, dwLength, &dwReadResult, NULL)", 507);
    }
    return dwReadResult;
}

uint32_t CSerialLine::RawWrite(const void* pBuffer, uint32_t dwLength) {
    if (!IsOpen() || dwLength == 0) return 0;
    uint32_t errors = 0;
    if (hComm_->TakeLineErrors(&errors) && errors != 0) hComm_->PurgeQueues(PURGE_TXABORT);
    uint32_t written = 0;
    const bool ok = hComm_->Write(pBuffer, dwLength, &written);
    if (!ok && IsOverlapped()) CN_ASSERT_AS(ok, "::GetLastError() == ERROR_IO_PENDING", 560);
    return written;
}

int CSerialLine::Write(const void* pBuffer, uint32_t dwLength) {
    if (!pBuffer) dwLength = 0; // no bytes to take from a null source
    AppendSentText(pBuffer, dwLength);
    if (dwLength == 0 || !(dwOption_ & EN_TX_BUFFER))
        return static_cast<int>(RawWrite(pBuffer, dwLength));
    BlockBuffer::LockScope lock(&TxBuffer_);
    TxBuffer_.Write(pBuffer, dwLength);
    if (dwOption_ & EN_WRITE_THREAD) {
        if (hWriteEvent_) hWriteEvent_->Set();
    } else if (IsOverlapped()) {
        if (IsOpen()) hComm_->SetCommMask(dwWaitEvent_);
    } else if (hWatchEvent_) {
        hWatchEvent_->Set();
    }
    return 0;
}

int CSerialLine::Write(const char* szBuffer) {
    if (!CN_ASSERT(szBuffer, 607)) return 0;
    return Write(szBuffer, static_cast<uint32_t>(std::strlen(szBuffer)));
}
