#pragma once
// What the bytes the console sent should print: the virtual printer's interpreter fed
// on a thread of its own, so that sending never waits for rendering. The receipts
// (separated at cuts) stack into one roll; each records row marks the band of the roll
// its bytes printed. No Qt: the window shows what this publishes.
#include "emulator/Interpreter.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class ExpectedReceiptRoll {
public:
    // Blank dot rows between two receipts on the roll.
    static constexpr int RECEIPT_GAP = 24;
    // Dot rows of finished receipts kept (about 25 m of paper at 8 dots a millimetre,
    // some 30 MB with the pictures): past it the oldest go, a quarter of it at a time,
    // so a long session does not grow without end.
    static constexpr int KEPT_ROWS = 200000;

    struct Band {
        int row = 0;    // the records row
        int top = 0;    // first roll row it printed
        int bottom = 0; // one past its last; equal to top when it printed nothing
    };
    // A receipt and where it starts on the roll. Finished receipts are shared, not
    // copied, between the renderer and every copy of the roll.
    struct Receipt {
        std::shared_ptr<const vprinter::PaperBitmap> paper;
        int top = 0;
        bool finished = false; // cut off (or ended); the last one may still grow
    };
    struct View {
        int width = 0;
        std::vector<Receipt> receipts;
        std::vector<Band> bands;
        uint64_t version = 0;
        int droppedReceipts = 0; // the oldest receipts let go in all
        int droppedRows = 0;     // roll rows they took, the roll has moved up by them
        int Height() const;
        // The records row whose band holds roll row y, or -1.
        int RowAt(int y) const;
        const Band* BandOf(int row) const;
    };

    explicit ExpectedReceiptRoll(int paperWidth, int keptRows = KEPT_ROWS);
    ~ExpectedReceiptRoll();
    ExpectedReceiptRoll(const ExpectedReceiptRoll&) = delete;
    ExpectedReceiptRoll& operator=(const ExpectedReceiptRoll&) = delete;

    // Any thread: bytes as they went to the port.
    void Feed(const uint8_t* data, size_t length);
    // The bytes fed since the last mark made records row `row`.
    void MarkRow(int row);
    // Starts a new roll (the printer as switched on), at this paper width.
    void Clear(int paperWidth);
    int PaperWidth() const;

    // Copies the published roll when it changed since *version; false when it did not.
    bool CopyIfChanged(View* view, uint64_t* version) const;
    // Waits until everything fed has been rendered and published (tests, benchmarks).
    bool WaitUntilRendered(std::chrono::milliseconds timeout) const;

private:
    struct Item {
        std::vector<uint8_t> bytes;
        int row = -1; // >= 0: a row mark instead of bytes
        int clearWidth = 0; // > 0: a new roll
    };
    void Run();
    void Render(Item& item);
    void Publish();
    void StartRoll(int width);
    int RollRow() const; // where the interpreter prints now, on the roll
    void LetGoOfOldReceipts();

    mutable std::mutex mutex_;
    mutable std::condition_variable wake_;
    mutable std::condition_variable rendered_;
    std::deque<Item> queue_;
    uint64_t queued_ = 0; // items queued in all
    uint64_t done_ = 0;   // items rendered and published
    bool stop_ = false;
    int width_;
    View published_;

    // The worker's own state, touched only by it.
    std::unique_ptr<vprinter::Interpreter> interpreter_;
    std::vector<Receipt> finished_;
    std::vector<Band> bands_;
    int finishedHeight_ = 0;
    int bandStart_ = 0;
    const int keptRows_;
    int droppedReceipts_ = 0;
    int droppedRows_ = 0;
    bool changed_ = false;
    std::thread thread_;
};
