#pragma once
// The one rule for the printer's XON and XOFF, kept by the relay that holds the
// program's bytes back and by the conversation that shows the rows: they are flow
// control only on a line that uses XON/XOFF, and never inside a response the printer
// is sending (37, identifier, text, 00), where they are the response's text.

#include <cstdint>
#include <optional>

namespace tap {

class FlowControl {
public:
    static constexpr uint8_t XON = 0x11;
    static constexpr uint8_t XOFF = 0x13;
    static constexpr uint8_t RESPONSE_START = 0x37;
    static constexpr uint8_t RESPONSE_END = 0x00;

    void SetLineUsesIt(bool on) { lineUsesIt_ = on; }
    bool LineUsesIt() const { return lineUsesIt_; }
    // Takes the printer's next byte: true for XOFF, false for XON, nothing for data.
    std::optional<bool> Feed(uint8_t b) {
        if (inResponse_) {
            inResponse_ = b != RESPONSE_END;
            return std::nullopt;
        }
        if (b == RESPONSE_START) {
            inResponse_ = true;
            return std::nullopt;
        }
        if (!lineUsesIt_ || (b != XON && b != XOFF)) return std::nullopt;
        return b == XOFF;
    }
    // A printer opened again sends no rest of an old response.
    void Restart() { inResponse_ = false; }

private:
    bool lineUsesIt_ = true;
    bool inResponse_ = false;
};

} // namespace tap
