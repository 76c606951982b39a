// Barcodes and two-dimensional symbols printed from byte streams and read back by
// an independent decoder.
#include "tests/emulator/DecodeSupport.h"
#include "tests/emulator/PrinterFixture.h"

#include <gtest/gtest.h>

using namespace vprinter;
using ZXing::BarcodeFormat;

namespace {

std::string Barcode(int type, const std::string& data) {
    return Bytes({0x1D, 0x6B, 0x41 + type, static_cast<int>(data.size())}) + data;
}

std::string Symbol(int cn, int fn, std::initializer_list<int> parameters) {
    std::string bytes =
        Bytes({0x1D, 0x28, 0x6B, static_cast<int>(parameters.size()) + 2, 0, cn, fn});
    for (int p : parameters) bytes += static_cast<char>(p);
    return bytes;
}

std::string Store(int cn, const std::string& data) {
    const size_t length = data.size() + 3;
    return Bytes({0x1D, 0x28, 0x6B, static_cast<int>(length & 0xFF), static_cast<int>(length >> 8),
                  cn, 0x50, 0x30}) +
           data;
}

struct BarcodeRow {
    const char* name;
    int type;
    std::string data;
    BarcodeFormat format;
    std::string decoded;
};

const BarcodeRow BARCODES[] = {
    {"UPCA", 0, "01234567890", BarcodeFormat::UPCA, "012345678905"},
    {"UPCE", 1, "123456", BarcodeFormat::UPCE, "01234565"},
    {"EAN13", 2, "012345678900", BarcodeFormat::EAN13, "0123456789005"},
    {"EAN8", 3, "1234567", BarcodeFormat::EAN8, "12345670"},
    {"CODE39", 4, "ABC-12 $%", BarcodeFormat::Code39, "ABC-12 $%"},
    {"ITF25", 5, "12345678", BarcodeFormat::ITF, "12345678"},
    {"CODABAR", 6, "A40156B", BarcodeFormat::Codabar, "A40156B"},
    {"CODA93", 7, "CODE 93-TEST", BarcodeFormat::Code93, "CODE 93-TEST"},
    {"CODA128", 8, "Hello, 128!", BarcodeFormat::Code128, "Hello, 128!"},
    {"EAN128", 9, "0112345678901231", BarcodeFormat::Code128, "0112345678901231"},
};

class BarcodeSymbologies : public ::testing::TestWithParam<BarcodeRow> {};

TEST_P(BarcodeSymbologies, DecodeBackToTheData) {
    const BarcodeRow& row = GetParam();
    PrinterFixture f;
    f.Send(Bytes({0x1D, 0x68, 80, 0x1D, 0x77, 2, 0x1D, 0x48, 2}) + Barcode(row.type, row.data));
    const PaperBitmap paper = f.Finish();
    ASSERT_GT(paper.Height(), 80) << (f.log.empty() ? "" : f.log.back());
    const auto found = DecodePaper(paper, row.format);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, row.decoded);
}

INSTANTIATE_TEST_SUITE_P(All, BarcodeSymbologies, ::testing::ValuesIn(BARCODES),
                         [](const auto& info) { return std::string(info.param.name); });

// EAN and UPC in every length GS k takes, with and without the check digit, and
// CODE39 between its start and stop characters: each reads as the number meant, in
// its own symbology (an EAN-8 with its check digit once came out as a UPC-A).
const BarcodeRow GS_K_FORMS[] = {
    {"EAN8WithCheckDigit", 3, "96385074", BarcodeFormat::EAN8, "96385074"},
    {"EAN8WithoutCheckDigit", 3, "9638507", BarcodeFormat::EAN8, "96385074"},
    {"EAN13WithCheckDigit", 2, "4006381333931", BarcodeFormat::EAN13, "4006381333931"},
    {"UPCAWithCheckDigit", 0, "036000291452", BarcodeFormat::UPCA, "036000291452"},
    {"UPCEWithNumberSystem", 1, "0123456", BarcodeFormat::UPCE, "01234565"},
    {"UPCEWithCheckDigit", 1, "01234565", BarcodeFormat::UPCE, "01234565"},
    {"UPCEAsUPCA", 1, "01234500006", BarcodeFormat::UPCE, "01234565"},
    {"UPCEAsUPCAWithCheckDigit", 1, "012000003455", BarcodeFormat::UPCE, "01234505"},
    {"CODE39BetweenStars", 4, "*ORDER42*", BarcodeFormat::Code39, "ORDER42"},
};

class GSkDataForms : public ::testing::TestWithParam<BarcodeRow> {};

TEST_P(GSkDataForms, ReadAsTheNumberMeant) {
    const BarcodeRow& row = GetParam();
    PrinterFixture f;
    f.Send(Bytes({0x1D, 0x68, 80, 0x1D, 0x77, 2, 0x1D, 0x48, 2}) + Barcode(row.type, row.data));
    const PaperBitmap paper = f.Finish();
    EXPECT_TRUE(f.log.empty()) << f.log.front();
    ASSERT_GT(paper.Height(), 80);
    const auto found = DecodePaper(paper, row.format);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, row.decoded);
}

INSTANTIATE_TEST_SUITE_P(All, GSkDataForms, ::testing::ValuesIn(GS_K_FORMS),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Barcodes, AWrongCheckDigitOrLengthIsRefusedNotPrintedAsAnotherNumber) {
    const struct {
        int type;
        std::string data;
        std::string why;
    } refused[] = {
        {3, "96385075", "GS k EAN8 not printed: check digit 5 is wrong, the data's is 4"},
        {2, "4006381333932", "GS k EAN13 not printed: check digit 2 is wrong, the data's is 1"},
        {0, "036000291453", "GS k UPCA not printed: check digit 3 is wrong, the data's is 2"},
        {1, "01234566", "GS k UPCE not printed: check digit 6 is wrong, the data's is 5"},
        {1, "012345000064", "GS k UPCE not printed: check digit 4 is wrong, the data's is 5"},
        {3, "963850", "GS k EAN8 not printed: EAN8 takes 7 or 8 digits, not 6"},
        {2, "40063813339312", "GS k EAN13 not printed: EAN13 takes 12 or 13 digits, not 14"},
        {1, "1234567890", "GS k UPCE not printed: UPCE takes 6, 7, 8, 11 or 12 digits, not 10"},
        {1, "1123456", "GS k UPCE not printed: UPCE number system is 0"},
        {1, "01234567890", "GS k UPCE not printed: UPCE: 01234567890 has too few zeros"},
        {3, "963850A", "GS k EAN8 not printed: EAN8 takes the digits 0 to 9 only"},
    };
    for (const auto& r : refused) {
        PrinterFixture f;
        f.Send(Barcode(r.type, r.data));
        EXPECT_TRUE(f.Logged(r.why)) << r.data << ": " << (f.log.empty() ? "" : f.log.back());
        EXPECT_EQ(f.printer.PrintRow(), 0) << r.data;
        EXPECT_TRUE(f.receipts.empty()) << r.data;
    }
    // The older form (type 3, data ended by NUL) is checked the same way.
    PrinterFixture f;
    f.Send(Bytes({0x1D, 0x6B, 3}) + "96385075" + std::string(1, '\0'));
    EXPECT_TRUE(f.Logged("GS k EAN8 not printed: check digit 5"));
}

TEST(Barcodes, TextPositionsAndLowerCaseCodabarStops) {
    auto height = [](int position) {
        PrinterFixture f;
        f.Send(Bytes({0x1D, 0x68, 50, 0x1D, 0x48, position}) + Barcode(2, "012345678900"));
        return f.printer.PrintRow();
    };
    const int text = FontFor(0).height + 4;
    EXPECT_EQ(height(0), 50);
    EXPECT_EQ(height(1), 50 + text);
    EXPECT_EQ(height(2), 50 + text);
    EXPECT_EQ(height(3), 50 + 2 * text);
    PrinterFixture f;
    f.Send(Barcode(6, "b123c"));
    const auto found = DecodePaper(f.Finish(), BarcodeFormat::Codabar);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, "B123C");
}

TEST(Barcodes, RefusedDataAndTooWideBarcodesPrintNothing) {
    PrinterFixture f;
    f.Send(Barcode(0, "12AB") + Bytes({0x1D, 0x77, 6}) + Barcode(8, std::string(60, 'x')));
    EXPECT_EQ(f.printer.PrintRow(), 0);
    EXPECT_TRUE(f.Logged("GS k UPCA not printed"));
    EXPECT_TRUE(f.Logged("GS k CODE128 not printed: symbol is"));
    EXPECT_TRUE(f.receipts.empty());
}

TEST(TwoDimensional, QRCodeSampleDecodes) {
    const std::string data = std::string("Orvane Instrument Works Co., Ltd. Velka").substr(0, 28);
    PrinterFixture f;
    f.Send(Symbol(0x31, 0x41, {0x32, 0x00}) + Symbol(0x31, 0x43, {5}) + Symbol(0x31, 0x45, {0x30}) +
           Store(0x31, data) + Symbol(0x31, 0x51, {0x30}));
    const PaperBitmap paper = f.Finish();
    EXPECT_EQ(paper.Width(), PRN_WIDTH_58MM);
    EXPECT_EQ(paper.Height(), (25 + 4) * 5); // version 2: 25 modules and the quiet rows
    const auto found = DecodePaper(paper, BarcodeFormat::QRCode);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, data);
}

TEST(TwoDimensional, DataLongerThanTheVersionTakesALargerOne) {
    const std::string data = "Orvane Instrument Works Co., Ltd. Velka";
    PrinterFixture f;
    f.Send(Symbol(0x31, 0x41, {0x31, 0x00}) + Symbol(0x31, 0x45, {0x33}) + Store(0x31, data) +
           Symbol(0x31, 0x51, {0x30}));
    EXPECT_TRUE(f.Logged("does not fit version 1"));
    const auto found = DecodePaper(f.Finish(), BarcodeFormat::QRCode);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, data);
}

TEST(TwoDimensional, PDF417WithParametersDecodes) {
    const std::string data = "Orvane Instrument Works Co., Ltd. Velka";
    PrinterFixture f;
    f.Send(Symbol(0x30, 0x41, {4}) + Symbol(0x30, 0x42, {0}) + Symbol(0x30, 0x43, {2}) +
           Symbol(0x30, 0x44, {4}) + Symbol(0x30, 0x45, {0x30, 0x32}) + Store(0x30, data) +
           Symbol(0x30, 0x51, {0x30}));
    EXPECT_EQ(f.printer.PDF417().columns, 4);
    EXPECT_EQ(f.printer.PDF417().errorLevel, 2);
    const auto found = DecodePaper(f.Finish(), BarcodeFormat::PDF417);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, data);
}

TEST(TwoDimensional, PDF417WithAutomaticColumnsFitsThePaper) {
    std::string data;
    while (data.size() < 250) data += "Orvane Instrument Works ";
    PrinterFixture f;
    f.Send(Store(0x30, data) + Symbol(0x30, 0x51, {0x30}));
    const PaperBitmap paper = f.Finish();
    ASSERT_GT(paper.Height(), 0) << (f.log.empty() ? "" : f.log.back());
    const auto found = DecodePaper(paper, BarcodeFormat::PDF417);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, data);
}

TEST(TwoDimensional, DataMatrixSizesDecode) {
    const std::string data = "Orvane Instrument Works Co., Ltd. Velka";
    for (int size : {33, 34, 35, 5, 24}) {
        PrinterFixture f;
        f.Send(Symbol(0x35, 0x41, {0x30 + size, 0}) + Symbol(0x35, 0x43, {4}) + Store(0x35, data) +
               Symbol(0x35, 0x51, {0x30}));
        const PaperBitmap paper = f.Finish();
        if (size == 24) { // 144 x 144 modules at 4 dots: wider than the paper
            EXPECT_TRUE(f.Logged("not printed"));
            continue;
        }
        if (size == 5) {
            EXPECT_TRUE(f.Logged("does not fit size 5"));
        }
        const auto found = DecodePaper(paper, BarcodeFormat::DataMatrix);
        ASSERT_EQ(found.size(), 1u) << size;
        EXPECT_EQ(found[0].text, data) << size;
    }
}

TEST(TwoDimensional, StoredDataStaysUntilInitialise) {
    PrinterFixture f;
    f.Send(Symbol(0x31, 0x51, {0x30}));
    EXPECT_TRUE(f.Logged("no data stored"));
    f.Send(Store(0x31, "kept") + Symbol(0x31, 0x51, {0x30}) + Symbol(0x31, 0x51, {0x30}));
    EXPECT_EQ(DecodePaper(f.Finish(), BarcodeFormat::QRCode).size(), 2u);
    f.Send(Bytes({0x1B, 0x40}) + Symbol(0x31, 0x51, {0x30}));
    EXPECT_EQ(f.printer.PrintRow(), 0);
    // Binary data, NUL bytes included, is stored as it came.
    const std::string binary("\x00\x01\xFE\x37", 4);
    f.Send(Store(0x31, binary) + Symbol(0x31, 0x51, {0x30}));
    const auto found = DecodePaper(f.Finish(), BarcodeFormat::QRCode);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].bytes, std::vector<uint8_t>(binary.begin(), binary.end()));
}

} // namespace
