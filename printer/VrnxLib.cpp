// The command channel: construction, the sent-bytes record and the single write that
// every fixed command goes through.

#include "printer/VrnxLib.h"

#include "printer/CommandBytes.h"
#include "printer/HexText.h"

CVRNX_LIB::CVRNX_LIB() : CSerialLine(VRNX_DEFAULT_OPTIONS) {}

// The worker threads call virtual members of this object: stop them while the whole
// object still exists rather than leave it to the base destructor, by which time this
// part (and the dynamic type the threads dispatch through) is already gone.
CVRNX_LIB::~CVRNX_LIB() {
    Close(CN_DEFAULT_CLOSE_WAIT_MS);
}

std::string CVRNX_LIB::TakeSentText() {
    strLastTaken_ = std::move(strSentText_);
    strSentText_.clear();
    return strLastTaken_;
}

// Called by Write before anything else, whatever the length or the port state, so the
// record shows what the console tried to send.
void CVRNX_LIB::AppendSentText(const void* data, uint32_t length) {
    replies_.NoteSent(data, length);
    sentSettings_.NoteSent(data, length);
    if (sentObserved_.load(std::memory_order_acquire) && length != 0) {
        std::lock_guard<std::mutex> lock(sentObserverMutex_);
        if (sentObserver_) sentObserver_(static_cast<const uint8_t*>(data), length);
    }
    if (btRecordSent_ == 0 || length == 0) return;
    AppendHexText(strSentText_, data, length);
}

void CVRNX_LIB::SetSentObserver(SentObserver observer) {
    std::lock_guard<std::mutex> lock(sentObserverMutex_);
    sentObserver_ = std::move(observer);
    sentObserved_.store(static_cast<bool>(sentObserver_), std::memory_order_release);
}

int CVRNX_LIB::Send(const CommandBytes& command) {
    return Write(command.data(), command.size());
}
