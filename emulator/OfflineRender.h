#pragma once
// A byte stream rendered to receipts without a line or a thread: the interpreter fed
// the stream, receipts ended at cuts and at the end of the stream (the line buffer
// printed first, as at the printer's exit), and what it could not carry out listed by
// offset. Used by `vprinter --input`, `talvane-cli render` and the console's expected
// receipt.
#include "emulator/Interpreter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vprinter {

struct RenderedReceipt {
    PaperBitmap paper;
    ReceiptEnd end = ReceiptEnd::Exit;
    StoredSettings stored; // the printer's settings at the receipt's end (its look)
};

// One line of the interpreter's log.
struct RenderNote {
    bool hasOffset = false;
    uint64_t offset = 0;
    std::string text;      // without the "offset N: " prefix
    bool understood = true; // false: a command skipped, ignored or not printed
};

struct RenderResult {
    std::vector<RenderedReceipt> receipts;
    std::vector<RenderNote> notes;
    uint64_t bytes = 0;
    uint64_t consumed = 0; // less than bytes: the stream ends inside a command
    bool AllUnderstood() const;
};

// Splits a log line into its offset and text and says whether it reports something
// the printer did not carry out.
RenderNote ReadLogLine(const std::string& line);

// Renders a stream given in pieces of any size. Each receipt is handed over when it
// ends and not kept, so a long input takes no more memory than its longest receipt.
class ReceiptRenderer {
public:
    using OnReceipt =
        std::function<void(const PaperBitmap& paper, ReceiptEnd end, const StoredSettings& stored)>;
    using OnNote = std::function<void(const RenderNote& note)>;

    ReceiptRenderer(int paperWidth, OnReceipt onReceipt, OnNote onNote);
    ~ReceiptRenderer();
    void Feed(const uint8_t* data, size_t length);
    // The end of the stream: the last receipt is handed over.
    void Finish();
    uint64_t Bytes() const { return bytes_; }
    // Less than Bytes() once finished: the stream ends inside a command.
    uint64_t Consumed() const;
    bool AllUnderstood() const { return allNotesUnderstood_ && Consumed() == bytes_; }

private:
    std::unique_ptr<Interpreter> interpreter_;
    uint64_t bytes_ = 0;
    bool allNotesUnderstood_ = true;
};

// The whole stream at once, its receipts kept (for short streams and tests).
RenderResult RenderStream(const uint8_t* data, size_t length, int paperWidth);
inline RenderResult RenderStream(const std::vector<uint8_t>& bytes, int paperWidth) {
    return RenderStream(bytes.data(), bytes.size(), paperWidth);
}

// Where two receipts differ, dot for dot; dots outside the smaller one count as
// differing where the larger one has them black.
struct DotDifference {
    size_t dots = 0;
    std::vector<int> startRows; // first row of each run of rows that differ
    bool sameSize = true;
    bool Identical() const { return dots == 0 && sameSize; }
};
DotDifference CompareDots(const PaperBitmap& made, const PaperBitmap& golden);

} // namespace vprinter
