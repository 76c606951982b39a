// Any byte stream into the virtual printer's interpreter: no crash, no hang, and
// memory bounded by the printer's own limits. The first byte chooses where the
// stream is cut in two, so that commands split across reads are covered too.
#include "emulator/ControlCommands.h"
#include "emulator/Interpreter.h"

#include <cstddef>
#include <cstdint>

namespace {
constexpr uint8_t WIDE_PAPER_BIT = 0x80;
}

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
