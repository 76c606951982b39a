// Any byte stream from the printer into the status parser of a command library with no
// port: the response collector stays inside its store, the response text is at most
// what the store holds, and the notifications posted to the owner window are drained as
// they come so the queue stays small. The replies in words read the same stream: they
// agree with the parser on responses and status bytes and always have words.
#include "printer/ReplyDecoder.h"
#include "printer/VrnxLib.h"
#include "serial/WindowMessages.h"

#include <cstdint>
#include <cstdlib>

namespace {
// Notifications allowed to queue before the fuzz owner takes them, as a dialog would.
constexpr size_t DRAIN_EVERY = 64;
// The response text leaves out the 0x37 and the id byte in front.
constexpr size_t RESPONSE_TEXT_MAX = PRN_RESPONSE_SIZE - 2;

void Require(bool condition) {
    if (!condition) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QueueWindow owner;
    CVRNX_LIB printer;
    printer.SetOwnerWindow(&owner);
    ReplyDecoder replies;
    DecodedReply reply;
    for (size_t i = 0; i < size; ++i) {
        const bool wasCollecting = printer.IsCollectingResponse();
        printer.RequestStatus(); // no port: only clears the status-received flag
        printer.ParseStatusByte(data[i]);
        const bool done = replies.Feed(data[i], reply, i % 2 == 0);
        ReplyDecoder::PutInWords(reply);
        Require(replies.IsCollecting() == printer.IsCollectingResponse());
        Require(!printer.IsStatusReceived() || (done && reply.kind == ReplyKind::Status));
        Require(!done || !reply.words.empty());
        if (!wasCollecting && data[i] == PRN_RESPONSE_START) {
            Require(printer.IsCollectingResponse());
        }
        Require(printer.GetResponseText().size() <= RESPONSE_TEXT_MAX);
        if (owner.Pending() >= DRAIN_EVERY) {
            for (const WindowMessage& m : owner.Drain()) Require(m.message != 0);
        }
    }
    (void)printer.GetResponseId();
    (void)owner.Drain();
    return 0;
}
