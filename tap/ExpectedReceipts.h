#pragma once
// The receipts the program's bytes should print: the virtual printer's interpreter
// fed with what the program sent, as the virtual printer would be. A receipt ends at
// a cut, and whatever is printed when the session ends makes the last one. No Qt:
// the caller turns the paper into pictures.

#include "emulator/Interpreter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace vprinter {
class FontGlyphSource;
}

namespace tap {

struct ExpectedReceipt {
    vprinter::PaperBitmap paper;
    vprinter::ReceiptEnd end = vprinter::ReceiptEnd::Cut;
    vprinter::StoredSettings stored;                  // the printer's settings at its end
    std::vector<vprinter::DensityBand> densityBands; // as printed, top down
};

class ExpectedReceipts {
public:
    using Sink = std::function<void(ExpectedReceipt&& receipt)>;
    // paperWidth: printable dots (384 for 58 mm paper, 576 for 80 mm).
    ExpectedReceipts(int paperWidth, Sink sink);
    ~ExpectedReceipts();
    ExpectedReceipts(const ExpectedReceipts&) = delete;
    ExpectedReceipts& operator=(const ExpectedReceipts&) = delete;

    void Feed(const uint8_t* data, size_t length);
    // The session ended: what is printed and not cut yet is the last receipt.
    void Finish();
    uint64_t Made() const { return made_; }

private:
    Sink sink_;
    std::unique_ptr<vprinter::Interpreter> interpreter_;
    uint64_t made_ = 0;
};

} // namespace tap
