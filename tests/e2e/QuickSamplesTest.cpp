// "Printer Init" and the twelve quick test samples, clicked on the real dialog and
// printed by the vprinter process; the receipts are read back with zxing-cpp.
#include "tests/e2e/ConsoleFixture.h"
#include "tests/emulator/DecodeSupport.h"

#include "console/samples/QuickSamples.h"
#include "console/samples/SamplePicture.h"

#include "emulator/PrinterState.h"

#include <ostream>

using ZXing::BarcodeFormat;

namespace {

// The QR sample stores the first 28 bytes of this text.
const std::string QR_SAMPLE_TEXT = "Orvane Instrument Works Co., Ltd. Velka";
constexpr size_t QR_SAMPLE_LENGTH = 28;
// A sample of a few lines has at least this many black dots.
constexpr size_t SAMPLE_MIN_DOTS = 500;
constexpr int SAMPLE_MARGIN = 80;

struct SampleCase {
    int id;
    const char* name;
};

const SampleCase SAMPLES[] = {
    {ID_PRINTER_INIT, "PrinterInit"},
    {ID_FONT_SAMPLE, "FontSample"},
    {ID_PRINT_SAMPLE, "Print"},
    {ID_MARGINS_SAMPLE, "Margins"},
    {ID_COORDINATE_SAMPLE, "Coordinate"},
    {ID_DENSITY_SAMPLE, "Density"},
    {ID_HORIZONTAL_TAB_SAMPLE, "HorizonTab"},
    {ID_VERTICAL_TAB_SAMPLE, "VertiTab"},
    {ID_PICTURE_SAMPLE, "Picture"},
    {ID_ALIGNMENT_SAMPLE, "Alignment"},
    {ID_BARCODE_SAMPLE, "BarCode"},
    {ID_QRCODE_SAMPLE, "QRCode"},
    {ID_CUTTING_SAMPLE, "Cutting"},
};

// Keeps the test names that ctest lists readable.
void PrintTo(const SampleCase& sample, std::ostream* out) {
    *out << sample.name;
}

vprinter::PaperBitmap BuiltInPicture() {
    vprinter::PaperBitmap picture(SAMPLE_PICTURE_WIDTH, SAMPLE_PICTURE_HEIGHT);
    for (int y = 0; y < SAMPLE_PICTURE_HEIGHT; ++y)
        picture.OrBits(y, 0, SamplePicture() + y * SAMPLE_PICTURE_ROW_BYTES, SAMPLE_PICTURE_WIDTH);
    return picture;
}

class QuickSampleOnPrinter : public ConsoleFixture,
                             public ::testing::WithParamInterface<SampleCase> {
protected:
    void ClickAndCheckTheReceipt();
};

// The same receipts from the printer on the network.
class QuickSampleOverTcp : public QuickSampleOnPrinter {
protected:
    bool OverNetwork() const override { return true; }
};

TEST_P(QuickSampleOnPrinter, RendersTheReceipt) {
    ClickAndCheckTheReceipt();
}

TEST_P(QuickSampleOverTcp, RendersTheReceipt) {
    ASSERT_TRUE(printer->DevicePath().startsWith("tcp://127.0.0.1:"));
    ASSERT_EQ(dlg->GetPort(), PortMap::COMMAND_LINE_BASE) << "NET1 is the open port";
    ClickAndCheckTheReceipt();
}

void QuickSampleOnPrinter::ClickAndCheckTheReceipt() {
    const int id = GetParam().id;
    const size_t rowsBefore = dlg->Records().Rows().size();
    const int receiptsBefore = static_cast<int>(printer->Receipts().size());
    ClickDialog(id);
    EXPECT_GT(dlg->Records().Rows().size(), rowsBefore);
    const auto receipts = NewReceipts(receiptsBefore);
    if (id == ID_PRINTER_INIT) {
        EXPECT_TRUE(receipts.empty()); // ESC @ prints nothing
        return;
    }
    // The cutting sample's cut ends its receipt; what follows the cut is blank feed.
    ASSERT_EQ(receipts.size(), 1u);
    const vprinter::PaperBitmap& paper = receipts[0];
    EXPECT_GT(paper.CountBlack(), SAMPLE_MIN_DOTS);
    switch (id) {
    case ID_QRCODE_SAMPLE: {
        const auto found = DecodePaper(paper, BarcodeFormat::QRCode);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].text, QR_SAMPLE_TEXT.substr(0, QR_SAMPLE_LENGTH));
        break;
    }
    case ID_BARCODE_SAMPLE: {
        const auto found = DecodePaper(paper, BarcodeFormat::EAN13);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].text, "0123456789005");
        break;
    }
    case ID_PICTURE_SAMPLE:
        // Below the first line feed and the bold title, which wraps onto a second line.
        EXPECT_EQ(FindPicture(paper, 0, BuiltInPicture()), 3 * vprinter::PRN_DEFAULT_LINE_SPACING);
        break;
    case ID_MARGINS_SAMPLE:
        // Below the title every dot lies between the 80-dot margins.
        for (int y = 2 * vprinter::PRN_DEFAULT_LINE_SPACING; y < paper.Height(); ++y)
            for (int x = 0; x < paper.Width(); ++x) {
                const bool outside = x < SAMPLE_MARGIN || x >= paper.Width() - SAMPLE_MARGIN;
                ASSERT_FALSE(outside && paper.Get(x, y)) << x << "," << y;
            }
        break;
    default:
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(All, QuickSampleOnPrinter, ::testing::ValuesIn(SAMPLES),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(All, QuickSampleOverTcp, ::testing::ValuesIn(SAMPLES),
                         [](const auto& info) { return std::string(info.param.name); });

// The cutting sample is the one that ends its own receipt: it is there before the
// printer is told to cut.
using QuickSamples = ConsoleFixture;

TEST_F(QuickSamples, CuttingSampleEndsItsReceiptByItself) {
    ClickDialog(ID_CUTTING_SAMPLE);
    ASSERT_TRUE(Handshake());
    ASSERT_TRUE(RunUntil([&] { return printer->Receipts().size() == 1; }, ANSWER_TIMEOUT_MS));
    EXPECT_TRUE(printer->CutAndSync());
    EXPECT_EQ(printer->Receipts().size(), 1u);
}

} // namespace
