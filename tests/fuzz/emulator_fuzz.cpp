// Any byte stream into the virtual printer's interpreter: no crash, no hang, and
// memory bounded by the printer's own limits. The first byte chooses where the
// stream is cut in two, so that commands split across reads are covered too.
#include "ControlCommands.h"
#include "Interpreter.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
constexpr uint8_t WIDE_PAPER_BIT = 0x80;

// Two-byte characters get a glyph drawn from their bytes, so that the styled
// drawing of wide characters is reached without a font on the machine.
class PatternGlyphs : public vprinter::GlyphSource {
public:
    bool DoubleByteGlyph(uint8_t lead, uint8_t trail, int width, int height,
                         std::vector<uint32_t>* rows) const override {
        if (trail % 5 == 0) return false; // some have no glyph
        rows->assign(static_cast<size_t>(height), 0);
        const uint32_t cell = width >= 32 ? ~0u : ~(~0u >> width);
        for (int y = 0; y < height; ++y)
            (*rows)[static_cast<size_t>(y)] = ((lead * 0x01010101u) >> (y % 8)) ^ trail;
        for (uint32_t& row : *rows) row &= cell;
        return true;
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t control = data[0];
    ++data;
    --size;
    size_t replies = 0;
    vprinter::Interpreter printer(
        (control & WIDE_PAPER_BIT) ? vprinter::PRN_WIDTH_80MM : vprinter::PRN_WIDTH_58MM,
        vprinter::InterpreterEvents{
            [&replies](const uint8_t*, size_t length) { replies += length; },
            [](const vprinter::PaperBitmap& paper, vprinter::ReceiptEnd) {
                // Touch the whole receipt so that a wrong size shows up.
                volatile size_t black = paper.CountBlack();
                (void)black;
            },
            nullptr});
    static const PatternGlyphs glyphs;
    printer.SetGlyphSource(&glyphs);
    // Conditions switched while automatic status back may be on.
    printer.SetCondition(control & vprinter::PRN_STATUS_ALL, true);
    const size_t cut = size ? (control * 131u) % size : 0;
    printer.Feed(data, cut);
    vprinter::ApplyControlLine(printer, "paper-end off");
    printer.Feed(data + cut, size - cut);
    printer.EndReceipt(vprinter::ReceiptEnd::Idle);
    printer.EndReceipt(vprinter::ReceiptEnd::Exit);
    return 0;
}
