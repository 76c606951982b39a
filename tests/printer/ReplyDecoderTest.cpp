// Replies in words: every bit of every layout against known answers, the requests
// that make a byte an awaited answer, responses arriving in pieces, and bytes no
// printer should send.

#include "printer/ReplyDecoder.h"
#include "printer/VrnxLib.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// All replies the bytes complete, in order.
std::vector<DecodedReply> FeedAll(ReplyDecoder& decoder, const std::vector<uint8_t>& bytes) {
    std::vector<DecodedReply> replies;
    DecodedReply reply;
    for (uint8_t b : bytes)
        if (decoder.Feed(b, reply)) replies.push_back(reply);
    return replies;
}

void Send(ReplyDecoder& decoder, const std::vector<uint8_t>& bytes) {
    decoder.NoteSent(bytes.data(), bytes.size());
}

struct KnownReply {
    std::vector<uint8_t> request; // written before the answer; empty: nothing asked
    uint8_t answer;
    ReplyKind kind;
    const char* title;
    const char* words;
};

// One row per bit that means something, each alone, plus the all-clear answers.
const KnownReply KNOWN[] = {
    {{}, 0x00, ReplyKind::Status, "status byte",
     "paper end: no, platen: closed, overheat: no, over-voltage: no, cutter: ok"},
    {{}, 0x04, ReplyKind::Status, "status byte",
     "paper end: yes, platen: closed, overheat: no, over-voltage: no, cutter: ok"},
    {{}, 0x02, ReplyKind::Status, "status byte",
     "paper end: no, platen: open, overheat: no, over-voltage: no, cutter: ok"},
    {{}, 0x08, ReplyKind::Status, "status byte",
     "paper end: no, platen: closed, overheat: yes, over-voltage: no, cutter: ok"},
    {{}, 0x01, ReplyKind::Status, "status byte",
     "paper end: no, platen: closed, overheat: no, over-voltage: yes, cutter: ok"},
    {{}, 0x20, ReplyKind::Status, "status byte",
     "paper end: no, platen: closed, overheat: no, over-voltage: no, cutter: error"},
    {{}, 0xC0, ReplyKind::Status, "status byte",
     "paper end: no, platen: closed, overheat: no, over-voltage: no, cutter: ok, unused bits: C0"},
    {{0x10, 0x04, 0x05}, 0x2F, ReplyKind::Status, "status byte",
     "paper end: yes, platen: open, overheat: yes, over-voltage: yes, cutter: error"},

    {{0x10, 0x04, 0x01}, 0x12, ReplyKind::RequestAnswer, "printer (DLE EOT 1)",
     "online, drawer pin 3: low, waiting for online recovery: no, feed button: released"},
    {{0x10, 0x04, 0x01}, 0x1A, ReplyKind::RequestAnswer, "printer (DLE EOT 1)",
     "offline, drawer pin 3: low, waiting for online recovery: no, feed button: released"},
    {{0x10, 0x04, 0x01}, 0x16, ReplyKind::RequestAnswer, "printer (DLE EOT 1)",
     "online, drawer pin 3: high, waiting for online recovery: no, feed button: released"},
    {{0x10, 0x04, 0x01}, 0x32, ReplyKind::RequestAnswer, "printer (DLE EOT 1)",
     "online, drawer pin 3: low, waiting for online recovery: yes, feed button: released"},
    {{0x10, 0x04, 0x01}, 0x52, ReplyKind::RequestAnswer, "printer (DLE EOT 1)",
     "online, drawer pin 3: low, waiting for online recovery: no, feed button: pressed"},

    {{0x10, 0x04, 0x02}, 0x16, ReplyKind::RequestAnswer, "offline cause (DLE EOT 2)",
     "cover: open, paper fed by button: no, stopped for paper end: no, error: no"},
    {{0x10, 0x04, 0x02}, 0x1A, ReplyKind::RequestAnswer, "offline cause (DLE EOT 2)",
     "cover: closed, paper fed by button: yes, stopped for paper end: no, error: no"},
    {{0x10, 0x04, 0x02}, 0x32, ReplyKind::RequestAnswer, "offline cause (DLE EOT 2)",
     "cover: closed, paper fed by button: no, stopped for paper end: yes, error: no"},
    {{0x10, 0x04, 0x02}, 0x52, ReplyKind::RequestAnswer, "offline cause (DLE EOT 2)",
     "cover: closed, paper fed by button: no, stopped for paper end: no, error: yes"},

    {{0x10, 0x04, 0x03}, 0x16, ReplyKind::RequestAnswer, "error cause (DLE EOT 3)",
     "recoverable error: yes, cutter error: no, unrecoverable error: no, auto-recoverable error: no"},
    {{0x10, 0x04, 0x03}, 0x1A, ReplyKind::RequestAnswer, "error cause (DLE EOT 3)",
     "recoverable error: no, cutter error: yes, unrecoverable error: no, auto-recoverable error: no"},
    {{0x10, 0x04, 0x03}, 0x32, ReplyKind::RequestAnswer, "error cause (DLE EOT 3)",
     "recoverable error: no, cutter error: no, unrecoverable error: yes, auto-recoverable error: no"},
    {{0x10, 0x04, 0x03}, 0x52, ReplyKind::RequestAnswer, "error cause (DLE EOT 3)",
     "recoverable error: no, cutter error: no, unrecoverable error: no, auto-recoverable error: yes"},

    {{0x10, 0x04, 0x04}, 0x12, ReplyKind::RequestAnswer, "paper sensor (DLE EOT 4)",
     "paper end: no, paper near end: no"},
    {{0x10, 0x04, 0x04}, 0x1E, ReplyKind::RequestAnswer, "paper sensor (DLE EOT 4)",
     "paper end: no, paper near end: yes"},
    {{0x10, 0x04, 0x04}, 0x72, ReplyKind::RequestAnswer, "paper sensor (DLE EOT 4)",
     "paper end: yes, paper near end: no"},

    {{0x1D, 0x72, 0x01}, 0x00, ReplyKind::RequestAnswer, "paper sensor (GS r 1)",
     "paper end: no, paper near end: no"},
    {{0x1D, 0x72, 0x31}, 0x0C, ReplyKind::RequestAnswer, "paper sensor (GS r 1)",
     "paper end: yes, paper near end: no"},
    {{0x1D, 0x72, 0x01}, 0x03, ReplyKind::RequestAnswer, "paper sensor (GS r 1)",
     "paper end: no, paper near end: yes"},
    {{0x1D, 0x72, 0x02}, 0x01, ReplyKind::RequestAnswer, "drawer (GS r 2)", "drawer pin 3: high"},
    {{0x1D, 0x72, 0x32}, 0x00, ReplyKind::RequestAnswer, "drawer (GS r 2)", "drawer pin 3: low"},

    // Bytes with bit 4 set mean nothing unasked (the parser ignores them too).
    {{}, 0x12, ReplyKind::Ignored, "ignored", "no status byte"},
    {{}, 0xFF, ReplyKind::Ignored, "ignored", "no status byte"},
    // XON and XOFF are the line's flow control, named as such.
    {{}, 0x11, ReplyKind::Ignored, "flow control", "XON: the printer takes data again"},
    {{}, 0x13, ReplyKind::Ignored, "flow control", "XOFF: the printer asks to stop sending"},
    // An answer that does not fit what was asked is read as if nothing was asked.
    {{0x10, 0x04, 0x04}, 0x04, ReplyKind::Status, "status byte",
     "paper end: yes, platen: closed, overheat: no, over-voltage: no, cutter: ok"},
    {{0x1D, 0x72, 0x01}, 0x90, ReplyKind::Ignored, "ignored", "no status byte"},
};

TEST(ReplyDecoder, EveryBitOfEveryKnownReplyInWords) {
    for (const KnownReply& known : KNOWN) {
        ReplyDecoder decoder;
        Send(decoder, known.request);
        const auto replies = FeedAll(decoder, {known.answer});
        SCOPED_TRACE(std::string(known.title) + " " + std::to_string(known.answer));
        ASSERT_EQ(replies.size(), 1u);
        EXPECT_EQ(replies[0].kind, known.kind);
        EXPECT_EQ(replies[0].title, known.title);
        EXPECT_EQ(replies[0].words, known.words);
        EXPECT_EQ(replies[0].bytes, std::vector<uint8_t>{known.answer});
        EXPECT_EQ(decoder.ExpectedCount(), 0u);
    }
}

TEST(ReplyDecoder, LineShowsHexThenWordsThenWhatItIs) {
    ReplyDecoder decoder;
    const auto replies = FeedAll(decoder, {0x04});
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].Line(), "04 \xE2\x86\x92 paper end: yes, platen: closed, overheat: no, "
                                 "over-voltage: no, cutter: ok (status byte)");
    EXPECT_TRUE(replies[0].IsAnswer());
}

TEST(ReplyDecoder, SeveralRequestsInOneWriteAreAnsweredInOrder) {
    ReplyDecoder decoder;
    Send(decoder, {0x10, 0x04, 0x01, 0x10, 0x04, 0x04, 0x1D, 0x72, 0x01});
    EXPECT_EQ(decoder.ExpectedCount(), 3u);
    const auto replies = FeedAll(decoder, {0x1A, 0x72, 0x0C, 0x00});
    ASSERT_EQ(replies.size(), 4u);
    EXPECT_EQ(replies[0].title, "printer (DLE EOT 1)");
    EXPECT_EQ(replies[1].title, "paper sensor (DLE EOT 4)");
    EXPECT_EQ(replies[2].title, "paper sensor (GS r 1)");
    // Nothing more awaited: the last byte is a status byte.
    EXPECT_EQ(replies[3].title, "status byte");
}

TEST(ReplyDecoder, WritesThatAreNotOnlyRequestsExpectNothing) {
    ReplyDecoder decoder;
    // Picture or text data that happens to hold request bytes.
    Send(decoder, {0x1B, 0x40, 0x41, 0x10, 0x04, 0x01});
    Send(decoder, {0x10, 0x04});
    Send(decoder, {0x10, 0x04, 0x01, 0x41, 0x42, 0x43});
    Send(decoder, {0x1D, 0x72, 0x07}); // no such GS r
    decoder.NoteSent(nullptr, 3);
    EXPECT_EQ(decoder.ExpectedCount(), 0u);
    const auto replies = FeedAll(decoder, {0x12});
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].kind, ReplyKind::Ignored);
}

TEST(ReplyDecoder, OnlyTheNewestRequestsWait) {
    ReplyDecoder decoder;
    for (size_t i = 0; i < ReplyDecoder::MAX_EXPECTED + 5; ++i) Send(decoder, {0x10, 0x04, 0x02});
    EXPECT_EQ(decoder.ExpectedCount(), ReplyDecoder::MAX_EXPECTED);
    decoder.Reset();
    EXPECT_EQ(decoder.ExpectedCount(), 0u);
}

TEST(ReplyDecoder, ResponseInPiecesIsOneReply) {
    ReplyDecoder decoder;
    // Status-like and response-like bytes inside the response are its text.
    EXPECT_TRUE(FeedAll(decoder, {0x37}).empty());
    EXPECT_TRUE(decoder.IsCollecting());
    EXPECT_TRUE(FeedAll(decoder, {0x64, 0x31, 0x02}).empty());
    const auto replies = FeedAll(decoder, {0x33, 0x00, 0x04});
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].kind, ReplyKind::Response);
    EXPECT_EQ(replies[0].title, "sensor response");
    EXPECT_EQ(replies[0].words, "sensor value: 1<02>3");
    EXPECT_EQ(replies[0].Hex(), "37 64 31 02 33 00");
    EXPECT_EQ(replies[1].kind, ReplyKind::Status);
    EXPECT_FALSE(decoder.IsCollecting());

    // Another identifier, and a response ended right after its start.
    const auto other = FeedAll(decoder, {0x37, 0x65, 0x41, 0x00, 0x37, 0x00});
    ASSERT_EQ(other.size(), 2u);
    EXPECT_EQ(other[0].title, "response 65");
    EXPECT_EQ(other[0].words, "text: A");
    EXPECT_EQ(other[1].title, "response 00");
}

TEST(ReplyDecoder, OverlongResponseKeepsItsStartAndSaysSo) {
    ReplyDecoder decoder;
    std::vector<uint8_t> bytes = {0x37, 0x64};
    bytes.insert(bytes.end(), 300, 0x41);
    bytes.push_back(0x00);
    const auto replies = FeedAll(decoder, bytes);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].bytes.size(), ReplyDecoder::RESPONSE_KEEP);
    EXPECT_EQ(replies[0].words, "sensor value: " + std::string(ReplyDecoder::RESPONSE_KEEP - 2, 'A') +
                                    " (303 bytes, the first 256 kept)");
}

// Every byte value after every kind of request, and a stream of pseudo-random bytes in
// pieces: each byte ends at most one reply, the words are never empty, and the decoder
// agrees with the status parser on which bytes are status bytes.
TEST(ReplyDecoder, GarbageNeverBreaksItAndAgreesWithTheParser) {
    const std::vector<std::vector<uint8_t>> requests = {
        {}, {0x10, 0x04, 0x01}, {0x10, 0x04, 0x02}, {0x10, 0x04, 0x03}, {0x10, 0x04, 0x04},
        {0x10, 0x04, 0x05}, {0x1D, 0x72, 0x01}, {0x1D, 0x72, 0x02}};
    for (const auto& request : requests) {
        for (int value = 0; value < 256; ++value) {
            ReplyDecoder decoder;
            Send(decoder, request);
            const auto replies = FeedAll(decoder, {static_cast<uint8_t>(value)});
            if (value == PRN_RESPONSE_START && request.empty()) {
                EXPECT_TRUE(replies.empty());
                continue;
            }
            ASSERT_LE(replies.size(), 1u);
            if (!replies.empty()) {
                EXPECT_FALSE(replies[0].words.empty()) << value;
            }
        }
    }

    CVRNX_LIB parser;
    ReplyDecoder decoder;
    uint32_t seed = 12345;
    DecodedReply reply;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const auto b = static_cast<uint8_t>(seed >> 16);
        parser.RequestStatus(); // no port: only clears the status-received flag
        parser.ParseStatusByte(b);
        const bool done = decoder.Feed(b, reply);
        ASSERT_EQ(decoder.IsCollecting(), parser.IsCollectingResponse()) << i;
        if (parser.IsStatusReceived()) {
            ASSERT_TRUE(done);
            ASSERT_EQ(reply.kind, ReplyKind::Status) << i;
        }
    }
}

// The console decodes a flood into one reused reply and words only the last few: each
// reply made that way, put into words afterwards, reads exactly as one made afresh.
TEST(ReplyDecoder, AReusedReplyWordedLaterReadsAsAFreshOne) {
    const std::vector<uint8_t> stream = {0x04, 0x37, 0x64, 0x31, 0x00, 0x12, 0x31,
                                         0x2F, 0x37, 0x41, 0x42, 0x00, 0x00, 0x1A};
    ReplyDecoder fresh;
    ReplyDecoder reusing;
    DecodedReply reused;
    for (const auto& request : std::vector<std::vector<uint8_t>>{
             {}, {0x10, 0x04, 0x01}, {0x10, 0x04, 0x04}, {0x1D, 0x72, 0x02}}) {
        Send(fresh, request);
        Send(reusing, request);
        for (const uint8_t b : stream) {
            DecodedReply made;
            const bool done = fresh.Feed(b, made);
            ASSERT_EQ(reusing.Feed(b, reused, false), done);
            if (!done) continue;
            ReplyDecoder::PutInWords(reused);
            EXPECT_EQ(reused.Line(), made.Line());
            EXPECT_EQ(reused.kind, made.kind);
        }
    }
}

} // namespace
