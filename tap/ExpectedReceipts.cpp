#include "tap/ExpectedReceipts.h"

#include "emulator/FontGlyphSource.h"

namespace tap {

namespace {

// Loading the font is the slow part: one for every session of the process.
const vprinter::FontGlyphSource& Glyphs() {
    static const vprinter::FontGlyphSource glyphs;
    return glyphs;
}

} // namespace

ExpectedReceipts::ExpectedReceipts(int paperWidth, Sink sink) : sink_(std::move(sink)) {
    vprinter::InterpreterEvents events;
    // The printer's answers are the real printer's to give: the interpreter's are dropped.
    events.receipt = [this](const vprinter::PaperBitmap& paper, vprinter::ReceiptEnd end) {
        ++made_;
        if (sink_)
            sink_({paper, end, interpreter_->Stored(), interpreter_->DensityBands()});
    };
    interpreter_ = std::make_unique<vprinter::Interpreter>(paperWidth, std::move(events));
    interpreter_->SetGlyphSource(&Glyphs());
}

ExpectedReceipts::~ExpectedReceipts() = default;

void ExpectedReceipts::Feed(const uint8_t* data, size_t length) {
    interpreter_->Feed(data, length);
}

void ExpectedReceipts::Finish() {
    interpreter_->EndReceipt(vprinter::ReceiptEnd::Exit);
}

} // namespace tap
