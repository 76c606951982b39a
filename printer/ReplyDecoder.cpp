// The reply layouts, bit by bit as the manuals list them, and the stream decoder that
// picks the layout for each received byte.

#include "printer/ReplyDecoder.h"

#include "printer/CommandBytes.h"
#include "printer/HexText.h"
#include "printer/VrnxLib.h"

#include <iterator>

namespace {

// Bit 4 set: no status byte (a response byte, or one the parser ignores).
constexpr uint8_t RESPONSE_BYTE_BIT = 0x10;
constexpr uint8_t RESPONSE_END = 0x00;
constexpr uint8_t XON_BYTE = 0x11;  // DC1
constexpr uint8_t XOFF_BYTE = 0x13; // DC3
constexpr size_t RESPONSE_ID_INDEX = 1;
constexpr size_t RESPONSE_TEXT_INDEX = 2;
constexpr size_t REQUEST_LENGTH = 3;
constexpr uint8_t GS_TRANSMIT_STATUS = 'r';
// GS r takes its number as a byte or as its ASCII digit.
constexpr uint8_t DIGIT_ZERO = '0';
constexpr uint8_t FIRST_PRINTABLE = 0x20;
constexpr uint8_t LAST_PRINTABLE = 0x7E;
const char* const ARROW = " \xE2\x86\x92 "; // " → "

// This printer's status byte, in the order an operator looks for trouble.
constexpr ReplyBit STATUS_BITS[] = {
    {0x04, "paper end", "no", "yes"},
    {0x02, "platen", "closed", "open"},
    {0x08, "overheat", "no", "yes"},
    {0x01, "over-voltage", "no", "yes"},
    {0x20, "cutter", "ok", "error"},
};
constexpr ReplyLayout STATUS_LAYOUT = {"status byte", 0x10, 0x00, STATUS_BITS,
                                       std::size(STATUS_BITS), 0xC0};

// DLE EOT 1..4: bits 1 and 4 are always set, bits 0 and 7 always clear.
constexpr uint8_t REALTIME_FIXED_MASK = 0x93;
constexpr uint8_t REALTIME_FIXED_VALUE = 0x12;

constexpr ReplyBit PRINTER_BITS[] = {
    {0x08, "", "online", "offline"},
    {0x04, "drawer pin 3", "low", "high"},
    {0x20, "waiting for online recovery", "no", "yes"},
    {0x40, "feed button", "released", "pressed"},
};
constexpr ReplyBit OFFLINE_BITS[] = {
    {0x04, "cover", "closed", "open"},
    {0x08, "paper fed by button", "no", "yes"},
    {0x20, "stopped for paper end", "no", "yes"},
    {0x40, "error", "no", "yes"},
};
constexpr ReplyBit ERROR_BITS[] = {
    {0x04, "recoverable error", "no", "yes"},
    {0x08, "cutter error", "no", "yes"},
    {0x20, "unrecoverable error", "no", "yes"},
    {0x40, "auto-recoverable error", "no", "yes"},
};
constexpr ReplyBit PAPER_BITS[] = {
    {0x60, "paper end", "no", "yes"},
    {0x0C, "paper near end", "no", "yes"},
};
constexpr ReplyLayout REALTIME_LAYOUTS[] = {
    {"printer (DLE EOT 1)", REALTIME_FIXED_MASK, REALTIME_FIXED_VALUE, PRINTER_BITS,
     std::size(PRINTER_BITS), 0x00},
    {"offline cause (DLE EOT 2)", REALTIME_FIXED_MASK, REALTIME_FIXED_VALUE, OFFLINE_BITS,
     std::size(OFFLINE_BITS), 0x00},
    {"error cause (DLE EOT 3)", REALTIME_FIXED_MASK, REALTIME_FIXED_VALUE, ERROR_BITS,
     std::size(ERROR_BITS), 0x00},
    {"paper sensor (DLE EOT 4)", REALTIME_FIXED_MASK, REALTIME_FIXED_VALUE, PAPER_BITS,
     std::size(PAPER_BITS), 0x00},
};

// GS r 1, 2: bits 4 and 7 are always clear.
constexpr uint8_t TRANSMIT_FIXED_MASK = 0x90;
constexpr uint8_t TRANSMIT_FIXED_VALUE = 0x00;

constexpr ReplyBit TRANSMIT_PAPER_BITS[] = {
    {0x0C, "paper end", "no", "yes"},
    {0x03, "paper near end", "no", "yes"},
};
constexpr ReplyBit TRANSMIT_DRAWER_BITS[] = {
    {0x01, "drawer pin 3", "low", "high"},
};
constexpr ReplyLayout TRANSMIT_LAYOUTS[] = {
    {"paper sensor (GS r 1)", TRANSMIT_FIXED_MASK, TRANSMIT_FIXED_VALUE, TRANSMIT_PAPER_BITS,
     std::size(TRANSMIT_PAPER_BITS), 0x60},
    {"drawer (GS r 2)", TRANSMIT_FIXED_MASK, TRANSMIT_FIXED_VALUE, TRANSMIT_DRAWER_BITS,
     std::size(TRANSMIT_DRAWER_BITS), 0x6E},
};

std::string ByteHex(uint8_t b) {
    std::string hex = ToHexText(&b, 1);
    hex.pop_back(); // the blank after the pair
    return hex;
}

// The response's text as the operator can read it: bytes outside printable ASCII as
// their hex in brackets, so a garbled answer shows as what it is.
std::string ReadableText(const std::vector<uint8_t>& bytes, size_t from) {
    std::string text;
    for (size_t i = from; i < bytes.size() && bytes[i] != RESPONSE_END; ++i) {
        const uint8_t c = bytes[i];
        if (c >= FIRST_PRINTABLE && c <= LAST_PRINTABLE) text.push_back(static_cast<char>(c));
        else text += "<" + ByteHex(c) + ">";
    }
    return text;
}

// The request a three-byte piece of a write is, if any.
const ReplyLayout* RequestLayout(const uint8_t* p) {
    if (p[0] == DLE && p[1] == EOT) {
        // DLE EOT with any other number is this printer's own status request.
        const ReplyLayout* layout = RealtimeStatusLayout(p[2]);
        return layout ? layout : &STATUS_LAYOUT;
    }
    if (p[0] == GS && p[1] == GS_TRANSMIT_STATUS) {
        const uint8_t n = p[2] >= DIGIT_ZERO ? static_cast<uint8_t>(p[2] - DIGIT_ZERO) : p[2];
        return TransmitStatusLayout(n);
    }
    return nullptr;
}

} // namespace

std::string DecodedReply::Line() const {
    return Hex() + ARROW + words + " (" + title + ")";
}

std::string DecodedReply::Hex() const {
    std::string hex = ToHexText(bytes.data(), bytes.size());
    if (!hex.empty()) hex.pop_back();
    return hex;
}

std::string DescribeByte(const ReplyLayout& layout, uint8_t b) {
    std::string words;
    for (size_t i = 0; i < layout.bitCount; ++i) {
        const ReplyBit& bit = layout.bits[i];
        if (!words.empty()) words += ", ";
        if (bit.name[0] != '\0') words += std::string(bit.name) + ": ";
        words += (b & bit.mask) != 0 ? bit.whenSet : bit.whenClear;
    }
    if ((b & layout.unusedMask) != 0) words += ", unused bits: " + ByteHex(b & layout.unusedMask);
    return words;
}

const ReplyLayout& StatusByteLayout() {
    return STATUS_LAYOUT;
}

const ReplyLayout* RealtimeStatusLayout(uint8_t n) {
    if (n < 1 || n > std::size(REALTIME_LAYOUTS)) return nullptr;
    return &REALTIME_LAYOUTS[n - 1];
}

const ReplyLayout* TransmitStatusLayout(uint8_t n) {
    if (n < 1 || n > std::size(TRANSMIT_LAYOUTS)) return nullptr;
    return &TRANSMIT_LAYOUTS[n - 1];
}

void ReplyDecoder::NoteSent(const void* data, size_t length) {
    if (data == nullptr || length == 0 || length % REQUEST_LENGTH != 0) return;
    const auto* bytes = static_cast<const uint8_t*>(data);
    std::vector<const ReplyLayout*> requests;
    for (size_t i = 0; i < length; i += REQUEST_LENGTH) {
        const ReplyLayout* layout = RequestLayout(bytes + i);
        if (layout == nullptr) return;
        requests.push_back(layout);
    }
    for (const ReplyLayout* layout : requests) {
        expected_.push_back(layout);
        if (expected_.size() > MAX_EXPECTED) expected_.pop_front();
    }
}

bool ReplyDecoder::Feed(uint8_t b, DecodedReply& out, bool inWords) {
    if (collecting_) {
        // Inside a response every byte is response text, as the parser takes it.
        if (response_.size() < RESPONSE_KEEP) response_.push_back(b);
        ++responseCount_;
        if (b != RESPONSE_END) return false;
        FinishResponse(out);
        return true;
    }
    // Assigned in place, so that a reused reply keeps its storage.
    out.bytes.assign(1, b);
    out.words.clear();
    out.layout = nullptr;
    // An awaited answer that does not fit its layout is not that answer: the request
    // is given up and the byte read as if nothing had been asked.
    while (!expected_.empty() && out.layout == nullptr) {
        const ReplyLayout* layout = expected_.front();
        expected_.pop_front();
        if (!layout->Fits(b)) continue;
        out.kind = layout == &STATUS_LAYOUT ? ReplyKind::Status : ReplyKind::RequestAnswer;
        out.layout = layout;
    }
    if (out.layout == nullptr && (b & RESPONSE_BYTE_BIT) == 0) {
        out.kind = ReplyKind::Status;
        out.layout = &STATUS_LAYOUT;
    }
    if (out.layout != nullptr) {
        out.title = out.layout->title;
        if (inWords) PutInWords(out);
        return true;
    }
    if (b == PRN_RESPONSE_START) {
        collecting_ = true;
        response_.assign(1, b);
        responseCount_ = 1;
        return false;
    }
    out.kind = ReplyKind::Ignored;
    if (const char* flow = FlowControlWords(b)) {
        // Not a reply but the line's own flow control (handshake Xon/Xoff).
        out.title = "flow control";
        out.words = flow;
        return true;
    }
    out.title = "ignored";
    out.words = "no status byte";
    return true;
}

const char* FlowControlWords(uint8_t b) {
    if (b == XON_BYTE) return "XON: the printer takes data again";
    if (b == XOFF_BYTE) return "XOFF: the printer asks to stop sending";
    return nullptr;
}

void ReplyDecoder::PutInWords(DecodedReply& reply) {
    if (reply.layout != nullptr && reply.words.empty() && !reply.bytes.empty())
        reply.words = DescribeByte(*reply.layout, reply.bytes.front());
}

void ReplyDecoder::FinishResponse(DecodedReply& out) {
    collecting_ = false;
    out = DecodedReply{};
    out.kind = ReplyKind::Response;
    out.bytes = std::move(response_);
    response_.clear();
    const uint8_t id = out.bytes.size() > RESPONSE_ID_INDEX ? out.bytes[RESPONSE_ID_INDEX] : 0;
    const std::string text = ReadableText(out.bytes, RESPONSE_TEXT_INDEX);
    if (id == PRN_RESPONSE_SENSOR) {
        out.title = "sensor response";
        out.words = "sensor value: " + text;
    } else {
        out.title = "response " + ByteHex(id);
        out.words = "text: " + text;
    }
    if (responseCount_ > out.bytes.size())
        out.words += " (" + std::to_string(responseCount_) + " bytes, the first " +
                     std::to_string(out.bytes.size()) + " kept)";
}

void ReplyDecoder::Reset() {
    expected_.clear();
    collecting_ = false;
    response_.clear();
    responseCount_ = 0;
}
