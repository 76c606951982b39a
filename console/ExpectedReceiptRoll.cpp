#include "console/ExpectedReceiptRoll.h"

#include "emulator/FontGlyphSource.h"

#include <algorithm>

namespace {

// Bytes rendered between two looks at the queue, so a large send shows as it goes.
constexpr size_t RENDER_CHUNK = 64 * 1024;
// The roll is published at most this often while bytes keep coming.
constexpr auto PUBLISH_INTERVAL = std::chrono::milliseconds(40);

const vprinter::FontGlyphSource& Glyphs() {
    static const vprinter::FontGlyphSource glyphs;
    return glyphs;
}

} // namespace

int ExpectedReceiptRoll::View::Height() const {
    if (receipts.empty()) return 0;
    return receipts.back().top + receipts.back().paper->Height();
}

int ExpectedReceiptRoll::View::RowAt(int y) const {
    // The last band holding y: a later row that printed over the same rows wins.
    for (auto band = bands.rbegin(); band != bands.rend(); ++band)
        if (y >= band->top && y < band->bottom) return band->row;
    return -1;
}

const ExpectedReceiptRoll::Band* ExpectedReceiptRoll::View::BandOf(int row) const {
    for (const Band& band : bands)
        if (band.row == row) return &band;
    return nullptr;
}

ExpectedReceiptRoll::ExpectedReceiptRoll(int paperWidth, int keptRows)
    : width_(paperWidth), keptRows_(keptRows) {
    StartRoll(paperWidth);
    published_.width = paperWidth;
    thread_ = std::thread([this] { Run(); });
}

ExpectedReceiptRoll::~ExpectedReceiptRoll() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void ExpectedReceiptRoll::Feed(const uint8_t* data, size_t length) {
    if (length == 0) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // Small writes join the last piece: a text typed byte by byte is one item.
        if (!queue_.empty() && queue_.back().row < 0 && queue_.back().clearWidth == 0 &&
            queue_.back().bytes.size() < RENDER_CHUNK) {
            queue_.back().bytes.insert(queue_.back().bytes.end(), data, data + length);
            return wake_.notify_one();
        }
        queue_.push_back(Item{std::vector<uint8_t>(data, data + length), -1, 0});
        ++queued_;
    }
    wake_.notify_one();
}

void ExpectedReceiptRoll::MarkRow(int row) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(Item{{}, row, 0});
        ++queued_;
    }
    wake_.notify_one();
}

void ExpectedReceiptRoll::Clear(int paperWidth) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        width_ = paperWidth;
        queue_.push_back(Item{{}, -1, paperWidth});
        ++queued_;
    }
    wake_.notify_one();
}

int ExpectedReceiptRoll::PaperWidth() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return width_;
}

bool ExpectedReceiptRoll::CopyIfChanged(View* view, uint64_t* version) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (published_.version == *version) return false;
    *view = published_;
    *version = published_.version;
    return true;
}

bool ExpectedReceiptRoll::WaitUntilRendered(std::chrono::milliseconds timeout) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return rendered_.wait_for(lock, timeout, [this] { return done_ == queued_ && queue_.empty(); });
}

void ExpectedReceiptRoll::StartRoll(int width) {
    finished_.clear();
    bands_.clear();
    finishedHeight_ = 0;
    bandStart_ = 0;
    droppedReceipts_ = 0;
    droppedRows_ = 0;
    interpreter_ = std::make_unique<vprinter::Interpreter>(
        width, vprinter::InterpreterEvents{
                   {},
                   [this](const vprinter::PaperBitmap& paper, vprinter::ReceiptEnd) {
                       finished_.push_back(Receipt{
                           std::make_shared<const vprinter::PaperBitmap>(paper), finishedHeight_,
                           true});
                       finishedHeight_ += paper.Height() + RECEIPT_GAP;
                       // A row that reaches into the next receipt starts its band there.
                       bandStart_ = std::min(bandStart_, finishedHeight_);
                       LetGoOfOldReceipts();
                   },
                   {}});
    interpreter_->SetGlyphSource(&Glyphs());
    changed_ = true;
}

void ExpectedReceiptRoll::LetGoOfOldReceipts() {
    if (finishedHeight_ <= keptRows_ || finished_.size() < 2) return;
    // Down to three quarters of the bound, always keeping the newest finished receipt.
    const int target = keptRows_ - keptRows_ / 4;
    size_t drop = 0;
    while (drop + 1 < finished_.size() && finishedHeight_ - finished_[drop].top > target) ++drop;
    if (drop == 0) return;
    const int shift = finished_[drop].top;
    finished_.erase(finished_.begin(), finished_.begin() + static_cast<long>(drop));
    for (Receipt& receipt : finished_) receipt.top -= shift;
    std::erase_if(bands_, [shift](const Band& band) { return band.bottom <= shift; });
    for (Band& band : bands_) {
        band.top = std::max(0, band.top - shift);
        band.bottom -= shift;
    }
    finishedHeight_ -= shift;
    bandStart_ = std::max(0, bandStart_ - shift);
    droppedReceipts_ += static_cast<int>(drop);
    droppedRows_ += shift;
}

int ExpectedReceiptRoll::RollRow() const {
    return finishedHeight_ + interpreter_->PrintRow();
}

void ExpectedReceiptRoll::Render(Item& item) {
    if (item.clearWidth > 0) return StartRoll(item.clearWidth);
    if (item.row >= 0) {
        const int end = RollRow();
        bands_.push_back(Band{item.row, std::min(bandStart_, end), end});
        bandStart_ = end;
        changed_ = true;
        return;
    }
    interpreter_->Feed(item.bytes.data(), item.bytes.size());
    // A receipt that printed nothing is not handed over: its band starts on the paper.
    bandStart_ = std::min(bandStart_, RollRow());
    changed_ = true;
}

void ExpectedReceiptRoll::Publish() {
    const int width = interpreter_->PaperWidth();
    View view;
    view.width = width;
    view.receipts = finished_;
    if (interpreter_->HasPrintedPaper() || interpreter_->PrintRow() > 0) {
        vprinter::PaperBitmap paper = interpreter_->Paper();
        paper.EnsureHeight(interpreter_->PrintRow());
        view.receipts.push_back(Receipt{
            std::make_shared<const vprinter::PaperBitmap>(std::move(paper)), finishedHeight_, false});
    }
    view.bands = bands_;
    view.droppedReceipts = droppedReceipts_;
    view.droppedRows = droppedRows_;
    std::lock_guard<std::mutex> lock(mutex_);
    view.version = published_.version + 1;
    published_ = std::move(view);
}

void ExpectedReceiptRoll::Run() {
    auto lastPublish = std::chrono::steady_clock::now();
    for (;;) {
        Item item;
        uint64_t taken = 0; // items this pass accounts for
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
            if (stop_) return;
            item = std::move(queue_.front());
            queue_.pop_front();
            taken = 1;
        }
        // A large piece is rendered in chunks, with a look at the clock between them.
        size_t at = 0;
        const std::vector<uint8_t> bytes = std::move(item.bytes);
        do {
            Item piece = item;
            const size_t count = std::min(RENDER_CHUNK, bytes.size() - at);
            piece.bytes.assign(bytes.begin() + static_cast<long>(at),
                               bytes.begin() + static_cast<long>(at + count));
            at += count;
            Render(piece);
            const auto now = std::chrono::steady_clock::now();
            if (now - lastPublish >= PUBLISH_INTERVAL) {
                Publish();
                lastPublish = now;
                changed_ = false;
            }
        } while (at < bytes.size());
        bool idle = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            idle = queue_.empty();
        }
        // Caught up: what was rendered is shown at once.
        if (idle && changed_) {
            Publish();
            lastPublish = std::chrono::steady_clock::now();
            changed_ = false;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        done_ += taken;
        if (queue_.empty()) rendered_.notify_all();
    }
}
