// Every command operation, one named row each: the writes it makes, the text it
// records, and the bytes that reach the printer's end of a pseudo-terminal.

#include "tests/support/PrinterPeer.h"
#include "tests/printer/RecordingLib.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

namespace {

using namespace std::chrono_literals;

constexpr auto ARRIVAL_TIMEOUT = 10s;
constexpr uint32_t BAUD = 115200;
constexpr uint8_t BYTE_SIZE = 8;

// Sent raw (never recorded) after each command: everything before it is the command.
const std::vector<uint8_t> END_MARKER = {0xFE, 0xED, 0x5A, 0xA5, 0xC3, 0x3C, 0xFE, 0xED};

struct CommandRow {
    const char* name;
    std::function<void(CVRNX_LIB&)> send;
    std::vector<std::string> writes; // expected writes, each as hex text
};

// Test names carry the row's name; the row itself prints as that name too.
void PrintTo(const CommandRow& row, std::ostream* os) {
    *os << row.name;
}

// Splits a hex run into one-byte writes, for the operations that write byte by byte.
std::vector<std::string> Bytewise(const std::string& hex) {
    std::vector<std::string> pieces;
    for (uint8_t b : FromHexText(hex)) pieces.push_back(ToHexText(&b, 1));
    return pieces;
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<uint8_t> Pattern(size_t length) {
    std::vector<uint8_t> data(length);
    for (size_t i = 0; i < length; ++i) data[i] = static_cast<uint8_t>(i * 7 + 3);
    return data;
}

const std::vector<uint8_t> RASTER_48x91 = Pattern(48 * 91);
const std::vector<uint8_t> BAND_384x3 = Pattern(384 * 3);
const std::vector<uint8_t> QR_253 = [] {
    std::vector<uint8_t> data = Pattern(253);
    data[10] = 0x00; // bytes after a NUL go out and are recorded too
    return data;
}();
const std::vector<uint8_t> SIX_BYTES = {1, 2, 3, 4, 5, 6};

const uint8_t STOPS_12_24[] = {12, 24};
const uint8_t STOPS_SAMPLE[] = {0, 8, 16, 24, 32};
const VerticalTabCell CELLS_SAMPLE[] = {
    {2, 2, 9, "  Option A  "}, {10, 1, 7, "  Data1"}, {18, 1, 7, "  Data2"}, {26, 1, 7, "  Data3"}};

const CommandRow ROWS[] = {
    // Text, layout and paper handling.
    {"InitPrinter", [](CVRNX_LIB& p) { p.InitPrinter(); }, {"1B 40 "}},
    {"LineFeed", [](CVRNX_LIB& p) { p.LineFeed(); }, {"0A "}},
    {"HorizontalTab", [](CVRNX_LIB& p) { p.HorizontalTab(); }, {"09 "}},
    {"SendText", [](CVRNX_LIB& p) { p.SendText("AB\x80\xFF"); }, {"41 42 80 FF "}},
    {"SendTextEmpty", [](CVRNX_LIB& p) { p.SendText(""); }, {}},
    {"SetPrintMode", [](CVRNX_LIB& p) { p.SetPrintMode(0x88); }, {"1B 21 88 "}},
    {"SelectFont", [](CVRNX_LIB& p) { p.SelectFont(1); }, {"1B 4D 01 "}},
    {"SetAlignment", [](CVRNX_LIB& p) { p.SetAlignment(2); }, {"1B 61 02 "}},
    {"SetLineSpacing", [](CVRNX_LIB& p) { p.SetLineSpacing(30); }, {"1B 33 1E "}},
    {"SetLeftMargin", [](CVRNX_LIB& p) { p.SetLeftMargin(5); }, {"1B 6C 05 "}},
    {"SetRightMargin", [](CVRNX_LIB& p) { p.SetRightMargin(6); }, {"1B 51 06 "}},
    {"SetAbsolutePosition100", [](CVRNX_LIB& p) { p.SetAbsolutePosition(100); }, {"1B 24 64 00 "}},
    {"SetAbsolutePosition300", [](CVRNX_LIB& p) { p.SetAbsolutePosition(300); }, {"1B 24 2C 01 "}},
    {"SetAbsolutePosition65535",
     [](CVRNX_LIB& p) { p.SetAbsolutePosition(0xFFFF); },
     {"1B 24 FF FF "}},
    {"SetPrintDensity", [](CVRNX_LIB& p) { p.SetPrintDensity(4); }, {"1B 6D 04 "}},
    {"SetPrintSpeed", [](CVRNX_LIB& p) { p.SetPrintSpeed(2); }, {"1C 73 02 "}},
    {"PrintAndFeed", [](CVRNX_LIB& p) { p.PrintAndFeed(48); }, {"1B 4A 30 "}},
    {"PrintAndFeedLines", [](CVRNX_LIB& p) { p.PrintAndFeedLines(2); }, {"1B 64 02 "}},
    {"PrintAndBackFeed", [](CVRNX_LIB& p) { p.PrintAndBackFeed(10); }, {"1B 4B 0A "}},
    {"CutPaper120Half", [](CVRNX_LIB& p) { p.CutPaper(120, 66); }, {"1D 56 42 78 "}},
    {"CutPaperFullNoFeed", [](CVRNX_LIB& p) { p.CutPaper(0, 65); }, {"1D 56 41 00 "}},
    {"SetHorizontalTabs",
     [](CVRNX_LIB& p) { p.SetHorizontalTabs(STOPS_12_24, 2); },
     {"1B 44 ", "0C 18 ", "00 "}},
    {"SetHorizontalTabsNone",
     [](CVRNX_LIB& p) { p.SetHorizontalTabs(STOPS_12_24, 0); },
     {"1B 44 ", "00 "}},
    {"PrintVerticalTabRowNoCells",
     [](CVRNX_LIB& p) { p.PrintVerticalTabRow(2, STOPS_12_24, 0, CELLS_SAMPLE); },
     {"1C 56 02 ", "0C 18 ", "00 "}},
    {"PrintVerticalTabRowSample",
     [](CVRNX_LIB& p) { p.PrintVerticalTabRow(5, STOPS_SAMPLE, 4, CELLS_SAMPLE); },
     Join({{"1C 56 05 ", "00 08 10 18 20 ", "04 "},
           Bytewise("02 0A 12 1A"),
           Bytewise("02 20 20 4F 70 74 69 6F 6E 20 00"),
           Bytewise("01 20 20 44 61 74 61 31 00"),
           Bytewise("01 20 20 44 61 74 61 32 00"),
           Bytewise("01 20 20 44 61 74 61 33 00")})},

    // Barcodes and two-dimensional codes.
    {"SetBarcodeHeight", [](CVRNX_LIB& p) { p.SetBarcodeHeight(162); }, {"1D 68 A2 "}},
    {"SetBarcodeWidth", [](CVRNX_LIB& p) { p.SetBarcodeWidth(3); }, {"1D 77 03 "}},
    {"SetBarcodeTextPosition", [](CVRNX_LIB& p) { p.SetBarcodeTextPosition(2); }, {"1D 48 02 "}},
    {"PrintBarcodeEAN13",
     [](CVRNX_LIB& p) { p.PrintBarcode(2, "012345678900", 12); },
     {"1D 6B 43 0C ", "30 31 32 33 34 35 36 37 38 39 30 30 "}},
    {"PrintBarcodeEAN128Empty", [](CVRNX_LIB& p) { p.PrintBarcode(9, "", 0); }, {"1D 6B 4A 00 "}},
    // The length decides, not the string: a NUL inside the data is sent too.
    {"PrintBarcodeWithNul",
     [](CVRNX_LIB& p) { p.PrintBarcode(4, "A\0B", 3); },
     {"1D 6B 45 03 ", "41 00 42 "}},
    {"SetPDF417Columns", [](CVRNX_LIB& p) { p.SetPDF417Columns(5); }, {"1D 28 6B 03 00 30 41 05 "}},
    {"SetPDF417Rows", [](CVRNX_LIB& p) { p.SetPDF417Rows(10); }, {"1D 28 6B 03 00 30 42 0A "}},
    {"SetPDF417ModuleWidth",
     [](CVRNX_LIB& p) { p.SetPDF417ModuleWidth(3); },
     {"1D 28 6B 03 00 30 43 03 "}},
    {"SetPDF417RowHeight",
     [](CVRNX_LIB& p) { p.SetPDF417RowHeight(4); },
     {"1D 28 6B 03 00 30 44 04 "}},
    {"SetPDF417ErrorLevel",
     [](CVRNX_LIB& p) { p.SetPDF417ErrorLevel(1); },
     {"1D 28 6B 04 00 30 45 30 31 "}},
    {"StorePDF417Data",
     [](CVRNX_LIB& p) { p.StorePDF417Data("AB", 2); },
     {"1D 28 6B 05 00 30 50 30 ", "41 42 "}},
    {"PrintPDF417", [](CVRNX_LIB& p) { p.PrintPDF417(); }, {"1D 28 6B 03 00 30 51 30 "}},
    {"SetQRCodeVersion",
     [](CVRNX_LIB& p) { p.SetQRCodeVersion(2); },
     {"1D 28 6B 04 00 31 41 32 00 "}},
    {"SetQRCodeModuleSize",
     [](CVRNX_LIB& p) { p.SetQRCodeModuleSize(5); },
     {"1D 28 6B 03 00 31 43 05 "}},
    {"SetQRCodeErrorLevel",
     [](CVRNX_LIB& p) { p.SetQRCodeErrorLevel(0); },
     {"1D 28 6B 03 00 31 45 30 "}},
    {"StoreQRCodeDataAB",
     [](CVRNX_LIB& p) { p.StoreQRCodeData("AB", 2); },
     {"1D 28 6B 05 00 31 50 30 ", "41 42 "}},
    {"StoreQRCodeDataEmpty",
     [](CVRNX_LIB& p) { p.StoreQRCodeData("", 0); },
     {"1D 28 6B 03 00 31 50 30 "}},
    {"StoreQRCodeData253",
     [](CVRNX_LIB& p) { p.StoreQRCodeData(QR_253.data(), 253); },
     {"1D 28 6B 00 01 31 50 30 ", ToHexText(QR_253.data(), QR_253.size())}},
    {"PrintQRCode", [](CVRNX_LIB& p) { p.PrintQRCode(); }, {"1D 28 6B 03 00 31 51 30 "}},
    {"SetDataMatrixVersion",
     [](CVRNX_LIB& p) { p.SetDataMatrixVersion(3); },
     {"1D 28 6B 04 00 35 41 33 00 "}},
    {"SetDataMatrixModuleSize",
     [](CVRNX_LIB& p) { p.SetDataMatrixModuleSize(4); },
     {"1D 28 6B 03 00 35 43 04 "}},
    {"StoreDataMatrixData",
     [](CVRNX_LIB& p) { p.StoreDataMatrixData("A\0B", 3); },
     {"1D 28 6B 06 00 35 50 30 ", "41 00 42 "}},
    {"PrintDataMatrix", [](CVRNX_LIB& p) { p.PrintDataMatrix(); }, {"1D 28 6B 03 00 35 51 30 "}},

    // Images.
    {"PrintRasterImage48x91",
     [](CVRNX_LIB& p) { p.PrintRasterImage(0, 48, 0, 91, 0, RASTER_48x91.data()); },
     {"1D 76 30 00 30 00 5B 00 ", ToHexText(RASTER_48x91.data(), 4368)}},
    {"PrintRasterImageNoWidth",
     [](CVRNX_LIB& p) { p.PrintRasterImage(3, 0, 0, 5, 0, RASTER_48x91.data()); },
     {"1D 76 30 03 00 00 05 00 "}},
    {"PrintBitImage24Dot384",
     [](CVRNX_LIB& p) { p.PrintBitImage(33, 0x80, 0x01, BAND_384x3.data()); },
     {"1B 2A 21 80 01 ", ToHexText(BAND_384x3.data(), 1152)}},
    {"PrintBitImage8DotMode15",
     [](CVRNX_LIB& p) { p.PrintBitImage(15, 2, 0, SIX_BYTES.data()); },
     {"1B 2A 0F 02 00 ", "01 02 "}},
    {"PrintBitImageMode47",
     [](CVRNX_LIB& p) { p.PrintBitImage(47, 2, 0, SIX_BYTES.data()); },
     {"1B 2A 2F 02 00 ", "01 02 03 04 05 06 "}},

    // Status.
    {"RequestStatus", [](CVRNX_LIB& p) { p.RequestStatus(); }, {"10 04 05 "}},
    {"SetAutoStatusBack", [](CVRNX_LIB& p) { p.SetAutoStatusBack(0x2F); }, {"1D 61 2F "}},
    {"SetAutoStatusBackClearsBit4", [](CVRNX_LIB& p) { p.SetAutoStatusBack(0xFF); }, {"1D 61 EF "}},

    // Setup.
    {"SetBaudRate9600", [](CVRNX_LIB& p) { p.SetBaudRate(9600); },
     Join({{"1D 28 45 06 00 0B 01 "}, Bytewise("39 36 30 30")})},
    {"SetBaudRate0", [](CVRNX_LIB& p) { p.SetBaudRate(0); }, {}},
    {"SetBaudRate100", [](CVRNX_LIB& p) { p.SetBaudRate(100); },
     Join({{"1D 28 45 05 00 0B 01 "}, Bytewise("31 30 30")})},
    {"SetBaudRate115200", [](CVRNX_LIB& p) { p.SetBaudRate(115200); },
     Join({{"1D 28 45 08 00 0B 01 "}, Bytewise("31 31 35 32 30 30")})},
    // Only the eight lowest digits exist in this command.
    {"SetBaudRateNineDigits", [](CVRNX_LIB& p) { p.SetBaudRate(123456789); },
     Join({{"1D 28 45 0A 00 0B 01 "}, Bytewise("32 33 34 35 36 37 38 39")})},
    {"SetBaudRateHundredMillion", [](CVRNX_LIB& p) { p.SetBaudRate(100000000); }, {}},
    {"SetFlowControl", [](CVRNX_LIB& p) { p.SetFlowControl(0x30); }, {"1D 28 45 03 00 0B 03 30 "}},
    {"ClearBuffer", [](CVRNX_LIB& p) { p.ClearBuffer(); }, {"10 14 08 01 03 14 01 06 02 08 "}},
    {"FeedToTearPosition", [](CVRNX_LIB& p) { p.FeedToTearPosition(); }, {"1C 28 4C 02 00 41 30 "}},
    {"FeedToCutPosition", [](CVRNX_LIB& p) { p.FeedToCutPosition(); }, {"1C 28 4C 02 00 42 30 "}},
    {"FeedToPrintPosition",
     [](CVRNX_LIB& p) { p.FeedToPrintPosition(); },
     {"1C 28 4C 02 00 43 30 "}},
    {"RequestSensorValue", [](CVRNX_LIB& p) { p.RequestSensorValue(); }, {"1C 28 4C 02 00 64 30 "}},
    {"SetPaperLayout",
     [](CVRNX_LIB& p) { p.SetPaperLayout(1, "1;2;3;4;5;6", 11); },
     {"1C 28 4C 0D 00 21 01 ", "31 3B 32 3B 33 3B 34 3B 35 3B 36 "}},
    {"SetSensorThresholds",
     [](CVRNX_LIB& p) { p.SetSensorThresholds("9;99", 4); },
     {"1C 28 4C 06 00 65 31 ", "39 3B 39 39 "}},
    {"SetMarkDistances",
     [](CVRNX_LIB& p) { p.SetMarkDistances("10;20;30", 8); },
     {"1C 28 4C 0A 00 66 30 ", "31 30 3B 32 30 3B 33 30 "}},
};

std::string Concatenate(const std::vector<std::string>& pieces) {
    return std::accumulate(pieces.begin(), pieces.end(), std::string());
}

class CommandTable : public ::testing::TestWithParam<CommandRow> {};

TEST_P(CommandTable, WritesRecordAndWireBytes) {
    const CommandRow& row = GetParam();
    PrinterPeer peer;
    ASSERT_TRUE(peer.Ok());
    RecordingLib lib;
    // Direct writes, so the raw end marker follows the command on the same path.
    lib.ChangeOptions(lib.GetOptions(), 0);
    ASSERT_TRUE(lib.Open(peer.Port(), BAUD, NOPARITY, BYTE_SIZE, ONESTOPBIT));
    lib.EnableSentRecord(1);

    row.send(lib);
    lib.RawWrite(END_MARKER.data(), static_cast<uint32_t>(END_MARKER.size()));

    const std::string expected = Concatenate(row.writes);
    EXPECT_EQ(lib.writes, row.writes);
    EXPECT_EQ(lib.TakeSentText(), expected);

    std::vector<uint8_t> wire = FromHexText(expected);
    wire.insert(wire.end(), END_MARKER.begin(), END_MARKER.end());
    ASSERT_TRUE(peer.WaitForMarker(END_MARKER, ARRIVAL_TIMEOUT));
    EXPECT_EQ(peer.Bytes(), wire);
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandTable, ::testing::ValuesIn(ROWS),
                         [](const ::testing::TestParamInfo<CommandRow>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
