#include "emulator/OfflineRender.h"

#include "emulator/FontGlyphSource.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vprinter {

namespace {

constexpr std::string_view OFFSET_PREFIX = "offset ";
constexpr std::string_view OFFSET_END = ": ";
// The interpreter's words for a command it did not carry out.
constexpr std::array<std::string_view, 5> NOT_UNDERSTOOD = {
    "not supported", "skipped", "ignored", "not printed", "not understood"};

// One glyph source for every render: loading the font is the slow part.
const FontGlyphSource& SharedGlyphs() {
    static const FontGlyphSource glyphs;
    return glyphs;
}

bool RowsDiffer(const PaperBitmap& a, const PaperBitmap& b, int y, size_t* dots) {
    // Most rows of a receipt under test are equal: compare them whole first.
    if (a.Width() == b.Width() && y < a.Height() && y < b.Height() &&
        std::memcmp(a.Row(y), b.Row(y), static_cast<size_t>(a.Stride())) == 0)
        return false;
    const int width = std::max(a.Width(), b.Width());
    size_t count = 0;
    for (int x = 0; x < width; ++x) {
        const bool inA = y < a.Height() && x < a.Width() && a.Get(x, y);
        const bool inB = y < b.Height() && x < b.Width() && b.Get(x, y);
        if (inA != inB) ++count;
    }
    *dots += count;
    return count != 0;
}

} // namespace

bool RenderResult::AllUnderstood() const {
    return consumed == bytes &&
           std::all_of(notes.begin(), notes.end(), [](const RenderNote& n) { return n.understood; });
}

RenderNote ReadLogLine(const std::string& line) {
    RenderNote note;
    note.text = line;
    if (line.rfind(OFFSET_PREFIX, 0) == 0) {
        const size_t end = line.find(OFFSET_END);
        if (end != std::string::npos) {
            try {
                note.offset = std::stoull(line.substr(OFFSET_PREFIX.size(), end));
                note.hasOffset = true;
                note.text = line.substr(end + OFFSET_END.size());
            } catch (const std::exception&) {
                // Not a number: the line stays whole.
            }
        }
    }
    for (std::string_view words : NOT_UNDERSTOOD)
        if (note.text.find(words) != std::string::npos) note.understood = false;
    return note;
}

ReceiptRenderer::ReceiptRenderer(int paperWidth, OnReceipt onReceipt, OnNote onNote) {
    interpreter_ = std::make_unique<Interpreter>(
        paperWidth,
        InterpreterEvents{{},
                          [this, onReceipt](const PaperBitmap& paper, ReceiptEnd end) {
                              if (onReceipt) onReceipt(paper, end, interpreter_->Stored());
                          },
                          [this, onNote](const std::string& line) {
                              const RenderNote note = ReadLogLine(line);
                              if (!note.understood) allNotesUnderstood_ = false;
                              if (onNote) onNote(note);
                          }});
    interpreter_->SetGlyphSource(&SharedGlyphs());
}

ReceiptRenderer::~ReceiptRenderer() = default;

void ReceiptRenderer::Feed(const uint8_t* data, size_t length) {
    interpreter_->Feed(data, length);
    bytes_ += length;
}

void ReceiptRenderer::Finish() {
    interpreter_->EndReceipt(ReceiptEnd::Exit);
}

uint64_t ReceiptRenderer::Consumed() const {
    return interpreter_->BytesConsumed();
}

RenderResult RenderStream(const uint8_t* data, size_t length, int paperWidth) {
    RenderResult result;
    ReceiptRenderer renderer(
        paperWidth,
        [&](const PaperBitmap& paper, ReceiptEnd end, const StoredSettings& stored) {
            result.receipts.push_back({paper, end, stored});
        },
        [&](const RenderNote& note) { result.notes.push_back(note); });
    renderer.Feed(data, length);
    result.bytes = renderer.Bytes();
    result.consumed = renderer.Consumed();
    renderer.Finish();
    return result;
}

DotDifference CompareDots(const PaperBitmap& made, const PaperBitmap& golden) {
    DotDifference difference;
    difference.sameSize = made.Width() == golden.Width() && made.Height() == golden.Height();
    const int height = std::max(made.Height(), golden.Height());
    bool previous = false;
    for (int y = 0; y < height; ++y) {
        const bool differs = RowsDiffer(made, golden, y, &difference.dots);
        if (differs && !previous) difference.startRows.push_back(y);
        previous = differs;
    }
    return difference;
}

} // namespace vprinter
