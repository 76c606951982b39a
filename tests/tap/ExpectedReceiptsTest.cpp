// The tap's expected receipts are the virtual printer's: the same bytes, however they
// arrive, give the receipts the offline renderer makes of them, dot for dot, ended at
// each cut and at the end of the session; and the session hands them over.
#include "emulator/OfflineRender.h"
#include "tap/ExpectedReceipts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<uint8_t> Stream() {
    using namespace std::string_literals;
    // A literal with the NULs of GS V and ESC E in it.
    const std::string text =
        "\x1b@\x1b" "a\x01" "FIRST RECEIPT\n\x1b" "E\x01" "bold\n\x1b" "E\x00" "\x1d!\x11" "BIG\n\x1d!\x00"
        "\x1dV\x42\x00" "second receipt\n\x1d" "h\x30\x1dk\x04" "12345\x00\n\x1dV\x00"
        "left on the paper at the end\n"s;
    return std::vector<uint8_t>(text.begin(), text.end());
}

} // namespace

TEST(TapExpectedReceipts, AreTheVirtualPrintersReceiptsEndedAtCutsAndAtTheEnd) {
    const std::vector<uint8_t> stream = Stream();
    const vprinter::RenderResult rendered = vprinter::RenderStream(stream, vprinter::PRN_WIDTH_58MM);
    ASSERT_EQ(rendered.receipts.size(), 3u);

    std::vector<tap::ExpectedReceipt> made;
    tap::ExpectedReceipts receipts(vprinter::PRN_WIDTH_58MM,
                                   [&](tap::ExpectedReceipt&& r) { made.push_back(std::move(r)); });
    // In uneven pieces, as a line delivers them.
    for (size_t at = 0, piece = 1; at < stream.size(); at += piece, piece = piece % 7 + 1)
        receipts.Feed(stream.data() + at, std::min(piece, stream.size() - at));
    ASSERT_EQ(made.size(), 2u) << "a receipt ends at each cut, not before";
    receipts.Finish();
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(receipts.Made(), 3u);
    for (size_t i = 0; i < made.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(vprinter::CompareDots(made[i].paper, rendered.receipts[i].paper).Identical());
        EXPECT_EQ(made[i].end, rendered.receipts[i].end);
        EXPECT_FALSE(made[i].densityBands.empty());
    }
    EXPECT_EQ(made[0].end, vprinter::ReceiptEnd::Cut);
    EXPECT_EQ(made[2].end, vprinter::ReceiptEnd::Exit);
}
