#pragma once
// Replies from the printer in words, for the operator: the status byte (the answer to
// DLE EOT 5 and automatic status back), the answers to the common status requests
// DLE EOT 1..4 and GS r 1/2 when the console has just asked one of them, and the
// NUL-terminated responses (the sensor value). Each reply layout is a table of bits and
// the words for either state of each; no Qt.
//
// The decoder reads the same byte stream the status parser reads and classifies bytes
// the same way, so the words never contradict the lamps: a response collects every
// byte up to its NUL, and a byte with bit 4 clear is a status byte unless it answers a
// request the console has just written.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// One bit (or group of bits) of a reply byte and what either state of it says.
struct ReplyBit {
    uint8_t mask;
    const char* name;    // empty: the state's word stands alone
    const char* whenClear;
    const char* whenSet; // used when any bit of the mask is set
};

// The layout of a one-byte reply: the bits that are fixed in every such reply, and the
// ones that mean something.
struct ReplyLayout {
    const char* title;
    uint8_t fixedMask;
    uint8_t fixedValue;
    const ReplyBit* bits;
    size_t bitCount;
    uint8_t unusedMask; // bits no layout entry describes; named when set

    bool Fits(uint8_t b) const { return (b & fixedMask) == fixedValue; }
};

enum class ReplyKind {
    Status,         // this printer's status byte
    RequestAnswer,  // the answer to a DLE EOT 1..4 or GS r request
    Response,       // 37, identifier, text, 00
    Ignored,        // a byte with bit 4 set outside a response
};

struct DecodedReply {
    ReplyKind kind = ReplyKind::Ignored;
    std::vector<uint8_t> bytes; // as received (a long response: its first bytes only)
    std::string title;          // "status byte", "paper sensor (DLE EOT 4)", ...
    std::string words;          // "paper end: no, platen: closed, ..."
    const ReplyLayout* layout = nullptr; // a one-byte reply's layout, for PutInWords

    // True for anything the printer says on purpose: every kind but an ignored byte.
    bool IsAnswer() const { return kind != ReplyKind::Ignored; }
    // The bytes as hex text without the trailing blank: "37 64 31 00".
    std::string Hex() const;
    // "04 → paper end: yes, platen: closed, … (status byte)"
    std::string Line() const;
};

// The words of one byte by a layout: the layout's entries in order, joined by ", ".
std::string DescribeByte(const ReplyLayout& layout, uint8_t b);

// The layouts the decoder knows, for the command-line tools and tests.
const ReplyLayout& StatusByteLayout();
// DLE EOT n for n = 1..4, GS r n for n = 1, 2; null for any other request.
const ReplyLayout* RealtimeStatusLayout(uint8_t n);
const ReplyLayout* TransmitStatusLayout(uint8_t n);

class ReplyDecoder {
public:
    // At most this many requests wait for their answers; older ones are forgotten.
    static constexpr size_t MAX_EXPECTED = 16;
    // A response longer than this keeps only its first bytes (as the parser does).
    static constexpr size_t RESPONSE_KEEP = 256;

    // Tells the decoder what the console wrote. A write made only of status requests
    // (DLE EOT n, GS r n) makes the next fitting bytes their answers; any other write
    // (text, pictures, files, whose bytes may look like requests) expects nothing.
    void NoteSent(const void* data, size_t length);
    // Takes the next received byte; true when it completed a reply, given in `out`.
    // `out` is reused as it is (a flood of bytes makes as many replies); without
    // `inWords` a one-byte reply's words are left for PutInWords, so a caller that
    // shows only the last few replies words only those.
    bool Feed(uint8_t b, DecodedReply& out, bool inWords = true);
    // Fills in the words Feed left out.
    static void PutInWords(DecodedReply& reply);
    // Forgets the open response and the requests still waiting.
    void Reset();

    bool IsCollecting() const { return collecting_; }
    size_t ExpectedCount() const { return expected_.size(); }

private:
    void FinishResponse(DecodedReply& out);

    std::deque<const ReplyLayout*> expected_;
    bool collecting_ = false;
    std::vector<uint8_t> response_;
    size_t responseCount_ = 0;
};

// XON (11) and XOFF (13), the printer's software flow control, in words; nothing for
// any other byte.
const char* FlowControlWords(uint8_t b);
