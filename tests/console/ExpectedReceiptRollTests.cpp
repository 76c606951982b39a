// The expected receipt's renderer: the same receipts as the virtual printer renders
// from the same bytes, however the bytes are split; a band per records row; Clear.
#include "console/ExpectedReceiptRoll.h"
#include "emulator/OfflineRender.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

using namespace std::string_literals;

namespace {

constexpr auto RENDER_TIMEOUT = std::chrono::seconds(30);
constexpr int WIDTH = 384;
constexpr int LINE = 30; // the default line spacing, in dots

void Feed(ExpectedReceiptRoll& roll, const std::string& bytes) {
    roll.Feed(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

ExpectedReceiptRoll::View Rendered(ExpectedReceiptRoll& roll) {
    EXPECT_TRUE(roll.WaitUntilRendered(RENDER_TIMEOUT));
    ExpectedReceiptRoll::View view;
    uint64_t version = 0;
    roll.CopyIfChanged(&view, &version);
    return view;
}

const std::string SESSION = "\x1b@Header line\n"s + "\x1b" "E\x01" "Bold\n\x1b" "E\x00"s +
                            "\x1dh\x40\x1dk\x43\x0c" "490123456789"s + "\n\n\x1dV\x00"s +
                            "Second receipt\n\x1dV\x00"s;

} // namespace

TEST(ExpectedReceiptRoll, GivesTheVirtualPrintersReceiptsHoweverTheBytesAreSplit) {
    const auto expected = vprinter::RenderStream(
        reinterpret_cast<const uint8_t*>(SESSION.data()), SESSION.size(), WIDTH);
    ASSERT_EQ(expected.receipts.size(), 2u);
    for (const size_t piece : {size_t{1}, size_t{7}, SESSION.size()}) {
        ExpectedReceiptRoll roll(WIDTH);
        for (size_t at = 0; at < SESSION.size(); at += piece) Feed(roll, SESSION.substr(at, piece));
        const auto view = Rendered(roll);
        ASSERT_EQ(view.receipts.size(), 2u) << "pieces of " << piece;
        for (size_t i = 0; i < 2; ++i) {
            EXPECT_TRUE(view.receipts[i].finished);
            EXPECT_EQ(view.receipts[i].paper->Data(), expected.receipts[i].paper.Data()) << i;
        }
        // Stacked with a gap, the newest at the bottom.
        EXPECT_EQ(view.receipts[1].top, view.receipts[0].paper->Height() +
                                            ExpectedReceiptRoll::RECEIPT_GAP);
    }
}

TEST(ExpectedReceiptRoll, EachRowMarksTheBandItPrintedAndABandNamesItsRow) {
    ExpectedReceiptRoll roll(WIDTH);
    Feed(roll, "\x1b@"s);
    roll.MarkRow(0); // prints nothing
    Feed(roll, "First\n"s);
    roll.MarkRow(1);
    Feed(roll, "\x1b" "E\x01"s);
    roll.MarkRow(2); // a setting: nothing printed
    Feed(roll, "Second\nThird\n"s);
    roll.MarkRow(3);
    Feed(roll, "\x1dV\x00"s + "Next\n"s);
    roll.MarkRow(4);
    const auto view = Rendered(roll);
    ASSERT_EQ(view.bands.size(), 5u);
    EXPECT_EQ(view.BandOf(0)->bottom, view.BandOf(0)->top);
    EXPECT_EQ(view.BandOf(1)->top, 0);
    EXPECT_EQ(view.BandOf(1)->bottom, LINE);
    EXPECT_EQ(view.BandOf(2)->bottom, view.BandOf(2)->top);
    EXPECT_EQ(view.BandOf(3)->top, LINE);
    EXPECT_EQ(view.BandOf(3)->bottom, 3 * LINE);
    // The row after the cut printed on the next receipt.
    ASSERT_EQ(view.receipts.size(), 2u);
    EXPECT_GE(view.BandOf(4)->bottom, view.receipts[1].top + LINE);
    EXPECT_EQ(view.RowAt(LINE / 2), 1);
    EXPECT_EQ(view.RowAt(2 * LINE), 3);
    EXPECT_EQ(view.RowAt(view.receipts[1].top + LINE / 2), 4);
    EXPECT_EQ(view.RowAt(view.Height() + 1), -1);
    EXPECT_EQ(view.BandOf(9), nullptr);
}

TEST(ExpectedReceiptRoll, ClearStartsANewRollAsThePrinterSwitchedOn) {
    ExpectedReceiptRoll roll(WIDTH);
    Feed(roll, "\x1b" "E\x01" "Bold\n\x1dV\x00"s);
    roll.MarkRow(0);
    EXPECT_EQ(Rendered(roll).receipts.size(), 1u);
    roll.Clear(576);
    Feed(roll, "Plain\n"s);
    const auto view = Rendered(roll);
    ASSERT_EQ(view.receipts.size(), 1u); // the growing one
    EXPECT_EQ(view.width, 576);
    EXPECT_TRUE(view.bands.empty());
    EXPECT_FALSE(view.receipts[0].finished);
    // Bold is off again: the same text as on a fresh printer.
    const auto fresh = vprinter::RenderStream(reinterpret_cast<const uint8_t*>("Plain\n"), 6, 576);
    ASSERT_EQ(fresh.receipts.size(), 1u);
    for (int y = 0; y < fresh.receipts[0].paper.Height(); ++y)
        for (int x = 0; x < 576; ++x)
            ASSERT_EQ(view.receipts[0].paper->Get(x, y), fresh.receipts[0].paper.Get(x, y));
}

TEST(ExpectedReceiptRoll, FeedingFromSeveralThreadsLosesNoByte) {
    // Two writers, each a whole line at a time: the roll holds every line once.
    ExpectedReceiptRoll roll(WIDTH);
    constexpr int LINES = 200;
    auto writer = [&roll] {
        for (int i = 0; i < LINES; ++i) Feed(roll, "line\n");
    };
    std::thread a(writer), b(writer);
    a.join();
    b.join();
    const auto view = Rendered(roll);
    ASSERT_EQ(view.receipts.size(), 1u);
    EXPECT_GE(view.receipts[0].paper->Height(), 2 * LINES * LINE);
}

TEST(ExpectedReceiptRoll, ALongSessionKeepsTheNewestReceiptsUpToItsBoundAndCountsWhatWent) {
    constexpr int KEPT = 2000;
    ExpectedReceiptRoll roll(WIDTH, KEPT);
    // Receipt i prints i+1 lines, so each one has its own height, and is one records row.
    constexpr int RECEIPTS = 40;
    for (int i = 0; i < RECEIPTS; ++i) {
        std::string receipt;
        for (int line = 0; line <= i; ++line) receipt += "receipt " + std::to_string(i) + "\n";
        Feed(roll, receipt + "\x1dV\x00"s);
        roll.MarkRow(i);
    }
    const ExpectedReceiptRoll::View view = Rendered(roll);
    ASSERT_FALSE(view.receipts.empty());
    EXPECT_GT(view.droppedReceipts, 0);
    EXPECT_EQ(view.droppedReceipts + static_cast<int>(view.receipts.size()), RECEIPTS);
    // What is kept stays within the bound (one receipt over it at most) ...
    const int newest = view.receipts.back().paper->Height();
    EXPECT_LE(view.Height(), KEPT + newest + ExpectedReceiptRoll::RECEIPT_GAP);
    // ... and is the newest receipts, at the top of the roll, one after the other.
    EXPECT_EQ(view.receipts.front().top, 0);
    for (size_t k = 0; k < view.receipts.size(); ++k) {
        const int i = view.droppedReceipts + static_cast<int>(k);
        EXPECT_EQ(view.receipts[k].paper->Height(), (i + 1) * LINE) << "receipt " << i;
        if (k > 0)
            EXPECT_EQ(view.receipts[k].top, view.receipts[k - 1].top +
                                                view.receipts[k - 1].paper->Height() +
                                                ExpectedReceiptRoll::RECEIPT_GAP);
    }
    int droppedRows = 0;
    for (int i = 0; i < view.droppedReceipts; ++i)
        droppedRows += (i + 1) * LINE + ExpectedReceiptRoll::RECEIPT_GAP;
    EXPECT_EQ(view.droppedRows, droppedRows);
    // The bands moved with their receipts; the rows of receipts let go have none.
    EXPECT_EQ(view.BandOf(view.droppedReceipts - 1), nullptr);
    for (size_t k = 0; k < view.receipts.size(); ++k) {
        const int row = view.droppedReceipts + static_cast<int>(k);
        const ExpectedReceiptRoll::Band* band = view.BandOf(row);
        ASSERT_NE(band, nullptr) << "row " << row;
        EXPECT_EQ(band->top, view.receipts[k].top) << "row " << row;
        EXPECT_EQ(view.RowAt(view.receipts[k].top + LINE / 2), row);
    }
}
