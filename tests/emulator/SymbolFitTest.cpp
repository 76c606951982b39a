// "Will it fit?" says what the interpreter does: a symbol it measures as too wide is
// one the printer does not print, and one it measures as fitting prints, for every
// symbology, at widths on both sides of the paper's edge.
#include "emulator/SymbolFit.h"
#include "emulator/SymbolRenderer.h"
#include "tests/emulator/PrinterFixture.h"

#include <gtest/gtest.h>

using namespace vprinter;

namespace {

// GS k m n data, the form with a length.
std::string BarcodeCommand(int type, const std::string& data) {
    return Bytes({0x1D, 0x6B, 0x41 + type, static_cast<int>(data.size())}) + data;
}
// GS ( k store and print for symbology cn.
std::string SymbolCommands(int cn, const std::string& data) {
    const int k = static_cast<int>(data.size()) + 3;
    return Bytes({0x1D, 0x28, 0x6B, k & 0xFF, k >> 8, cn, 0x50, 0x30}) + data +
           Bytes({0x1D, 0x28, 0x6B, 3, 0, cn, 0x51, 0x30});
}

// The printer's verdict: did the symbol print?
bool Prints(int width, const std::string& stream) {
    PrinterFixture printer(width);
    printer.Send(stream);
    return !printer.Logged("not printed") && printer.Finish().CountBlack() > 0;
}

struct Case {
    const char* what;
    std::string settings; // commands before the symbol
    std::string symbol;
};

void ExpectAgreement(const Case& c, int width) {
    const std::string stream = c.settings + c.symbol;
    const SymbolFit fit =
        StreamSymbolFit(std::vector<uint8_t>(stream.begin(), stream.end()), width);
    EXPECT_TRUE(fit.measured) << c.what;
    EXPECT_EQ(fit.fits, Prints(width, stream)) << c.what << " at " << width << ": " << fit.Message();
    // Too wide is always wider than the paper (a PDF417 of automatic columns may measure
    // wider and still fit by taking fewer).
    if (!fit.fits) EXPECT_GT(fit.widthDots, width) << c.what;
}

} // namespace

TEST(SymbolFit, TheIssueExampleIsMeasuredAndWorded) {
    const SymbolFit fit = BarcodeFit(BARCODE_TYPE_CODE39, "HELLO-42", 3, PRN_WIDTH_58MM);
    EXPECT_FALSE(fit.fits);
    EXPECT_EQ(fit.widthDots, 387);
    EXPECT_EQ(fit.Message(), "CODE39 'HELLO-42' at width 3 is 387 dots, wider than the 384 of "
                             "58 mm: it will not print");
    // The same barcode fits 80 mm paper, and one module narrower fits 58 mm.
    EXPECT_TRUE(BarcodeFit(BARCODE_TYPE_CODE39, "HELLO-42", 3, PRN_WIDTH_80MM).fits);
    EXPECT_TRUE(BarcodeFit(BARCODE_TYPE_CODE39, "HELLO-42", 2, PRN_WIDTH_58MM).fits);
    EXPECT_TRUE(BarcodeFit(BARCODE_TYPE_CODE39, "HELLO-42", 2, PRN_WIDTH_58MM).Message().empty());
}

TEST(SymbolFit, EveryBarcodeTypeAgreesWithTheInterpreterOnBothSidesOfTheEdge) {
    const std::pair<int, std::string> barcodes[] = {
        {BARCODE_TYPE_UPCA, "01234567890"},      {BARCODE_TYPE_UPCE, "01234565"},
        {BARCODE_TYPE_EAN13, "490123456789"},    {BARCODE_TYPE_EAN8, "1234567"},
        {BARCODE_TYPE_CODE39, "HELLO-42"},       {BARCODE_TYPE_ITF25, "12345678901234"},
        {BARCODE_TYPE_CODABAR, "A1234567890B"},  {BARCODE_TYPE_CODE93, "TALVANE93"},
        {BARCODE_TYPE_CODE128, "{BTalvane-128"}, {BARCODE_TYPE_EAN128, "{A0112345678901231"}};
    for (const auto& [type, data] : barcodes) {
        bool sawFit = false, sawTooWide = false;
        for (int module = 1; module <= 6; ++module) {
            const Case c{BarcodeTypeName(type), Bytes({0x1D, 0x77, module}),
                         BarcodeCommand(type, data)};
            ExpectAgreement(c, PRN_WIDTH_58MM);
            const std::string stream = c.settings + c.symbol;
            const bool fits =
                StreamSymbolFit(std::vector<uint8_t>(stream.begin(), stream.end()), PRN_WIDTH_58MM)
                    .fits;
            (fits ? sawFit : sawTooWide) = true;
        }
        // UPC-E is too short to pass the edge even at the widest module.
        EXPECT_TRUE(sawFit && (sawTooWide || type == BARCODE_TYPE_UPCE))
            << BarcodeTypeName(type) << ": no width on each side";
    }
}

TEST(SymbolFit, TwoDimensionalCodesAgreeWithTheInterpreterOnBothSidesOfTheEdge) {
    const std::string text(120, 'x');
    const Case cases[] = {
        {"QR code fits", Bytes({0x1D, 0x28, 0x6B, 3, 0, 0x31, 0x43, 4}), SymbolCommands(0x31, text)},
        {"QR code too wide", Bytes({0x1D, 0x28, 0x6B, 3, 0, 0x31, 0x43, 12}),
         SymbolCommands(0x31, text)},
        {"DataMatrix fits", Bytes({0x1D, 0x28, 0x6B, 3, 0, 0x35, 0x43, 4}),
         SymbolCommands(0x35, text)},
        {"DataMatrix too wide", Bytes({0x1D, 0x28, 0x6B, 3, 0, 0x35, 0x43, 8}),
         SymbolCommands(0x35, std::string(300, 'x'))},
        {"PDF417 auto columns fits", Bytes({0x1D, 0x28, 0x6B, 3, 0, 0x30, 0x43, 3}),
         SymbolCommands(0x30, text)},
        {"PDF417 ten columns too wide",
         Bytes({0x1D, 0x28, 0x6B, 3, 0, 0x30, 0x41, 10, 0x1D, 0x28, 0x6B, 3, 0, 0x30, 0x43, 4}),
         SymbolCommands(0x30, text)},
    };
    int tooWide = 0;
    for (const Case& c : cases) {
        ExpectAgreement(c, PRN_WIDTH_58MM);
        const std::string stream = c.settings + c.symbol;
        tooWide += !StreamSymbolFit(std::vector<uint8_t>(stream.begin(), stream.end()),
                                    PRN_WIDTH_58MM)
                        .fits;
    }
    EXPECT_EQ(tooWide, 3); // the three "too wide" cases are
    // Settings later in the stream than the print do not count.
    const std::string late = SymbolCommands(0x31, text) + Bytes({0x1D, 0x28, 0x6B, 3, 0, 0x31, 0x43, 12});
    EXPECT_TRUE(StreamSymbolFit(std::vector<uint8_t>(late.begin(), late.end()), PRN_WIDTH_58MM).fits);
}
