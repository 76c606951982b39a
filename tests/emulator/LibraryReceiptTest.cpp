// Receipts made by a public ESC/POS encoder from npm (tests/emulator/receipts,
// installed by scripts/deps.sh) print with their styles, and their barcodes and
// symbols read back with an independent decoder.
#include "DecodeSupport.h"
#include "PrinterFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using namespace vprinter;
using ZXing::BarcodeFormat;

namespace {

// Runs the encoder script once; the receipts land in a folder of their own.
class LibraryReceipts : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = fs::temp_directory_path() / ("vprinter-npm-" + std::to_string(getpid()));
        fs::create_directories(folder_);
        const std::string command = std::string("node ") + RECEIPT_SCRIPT + " " +
                                    folder_.string() + " 2>" + (folder_ / "error.txt").string();
        made_ = std::system(command.c_str()) == 0;
    }
    static void TearDownTestSuite() { fs::remove_all(folder_); }

    static std::string Receipt(const std::string& name) {
        std::ifstream in(folder_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static std::string Error() { return Receipt("error.txt"); }

    static fs::path folder_;
    static bool made_;
};

fs::path LibraryReceipts::folder_;
bool LibraryReceipts::made_ = false;

} // namespace

TEST_F(LibraryReceipts, TextStylesAndCodePagesPrintAsTheManualSays) {
    ASSERT_TRUE(made_) << "the npm encoder did not run (scripts/deps.sh installs it): " << Error();
    PrinterFixture library(PRN_WIDTH_80MM);
    library.Send(Receipt("styles.bin"));
    ASSERT_EQ(library.receipts.size(), 1u);
    for (const std::string& line : library.log)
        EXPECT_EQ(line.find("not supported"), std::string::npos) << line;

    // The same receipt written by hand from the command manual.
    PrinterFixture manual(PRN_WIDTH_80MM);
    manual.Send("Plain line\n" + Bytes({0x1B, 0x45, 1}) + "Bold line\n" + Bytes({0x1B, 0x45, 0}) +
                Bytes({0x1B, 0x2D, 1}) + "Underlined\n" + Bytes({0x1B, 0x2D, 0}) +
                Bytes({0x1D, 0x42, 1}) + "Inverted\n" + Bytes({0x1D, 0x42, 0}) +
                Bytes({0x1D, 0x21, 0x11}) + "Big\n" + Bytes({0x1D, 0x21, 0}) +
                Bytes({0x1B, 0x74, 16}) + "Caf" + Bytes({0xE9, ' ', 0x80}) + " 5\n" +
                Bytes({0x1B, 0x74, 17, 0x8F, 0xE0, 0xA8, 0xA2, 0xA5, 0xE2, '\n'}) +
                "\n\n\n\n" + Bytes({0x1D, 0x56, 0}));
    ASSERT_EQ(manual.receipts.size(), 1u);
    const PaperBitmap& made = library.receipts[0].paper;
    const PaperBitmap& expected = manual.receipts[0].paper;
    ASSERT_EQ(made.Height(), expected.Height());
    for (int y = 0; y < made.Height(); ++y)
        for (int x = 0; x < made.Width(); ++x)
            ASSERT_EQ(made.Get(x, y), expected.Get(x, y)) << x << "," << y;
    // And the styles did change the dots: bold, underline and inverse lines differ
    // from the plain text of the same words.
    PrinterFixture plain(PRN_WIDTH_80MM);
    plain.Send("Plain line\nBold line\nUnderlined\nInverted\n");
    const PaperBitmap plainPaper = plain.Finish();
    for (int line = 1; line < 4; ++line) {
        bool differs = false;
        for (int y = line * 30; y < line * 30 + 24 && !differs; ++y)
            for (int x = 0; x < 120 && !differs; ++x)
                differs = plainPaper.Get(x, y) != library.receipts[0].paper.Get(x, y);
        EXPECT_TRUE(differs) << "line " << line;
    }
}

TEST_F(LibraryReceipts, BarcodesAndSymbolsDecode) {
    ASSERT_TRUE(made_) << "the npm encoder did not run (scripts/deps.sh installs it): " << Error();
    PrinterFixture f(PRN_WIDTH_80MM);
    f.Send(Receipt("codes.bin"));
    ASSERT_EQ(f.receipts.size(), 1u);
    for (const std::string& line : f.log)
        EXPECT_EQ(line.find("not printed"), std::string::npos) << line;
    const PaperBitmap& paper = f.receipts[0].paper;
    // The symbols stand one under the other, blank paper between them.
    std::vector<std::pair<int, int>> bands; // first row, row count
    constexpr int GAP = 10;
    int blank = GAP;
    for (int y = 0; y < paper.Height(); ++y) {
        bool ink = false;
        for (int x = 0; x < paper.Width() && !ink; ++x) ink = paper.Get(x, y);
        if (ink && blank >= GAP) bands.push_back({y, 0});
        if (ink) bands.back().second = y + 1 - bands.back().first;
        blank = ink ? 0 : blank + 1;
    }
    struct Expected {
        BarcodeFormat format;
        std::string text;
    };
    const Expected expected[] = {{BarcodeFormat::Code128, "TALVANE-128"},
                                 {BarcodeFormat::EAN13, "4901234567894"},
                                 {BarcodeFormat::QRCode, "https://example.org/receipt/42"},
                                 {BarcodeFormat::PDF417, "Talvane PDF417 test"}};
    ASSERT_EQ(bands.size(), std::size(expected));
    for (size_t i = 0; i < bands.size(); ++i) {
        const auto found = DecodeRows(paper, bands[i].first, bands[i].second, expected[i].format);
        ASSERT_EQ(found.size(), 1u) << expected[i].text;
        EXPECT_EQ(found[0].text, expected[i].text);
    }
}
