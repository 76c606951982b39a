// The settings the console has sent, as the barcode and 2D code pages measure with
// them: whole commands of the console's own kind count, ESC @ puts them back.
#include <gtest/gtest.h>

#include "printer/CommandLayouts.h"
#include "printer/HexText.h"
#include "printer/VrnxLib.h"

namespace {

std::string QrSettings(const CVRNX_LIB& printer) {
    const std::vector<uint8_t> bytes = printer.Sent().SymbolSettings(layout::SYMBOL_QR);
    return ToHexText(bytes.data(), bytes.size());
}

} // namespace

TEST(SentSettings, FollowTheConsolesWholeCommandsUntilThePrinterIsInitialized) {
    CVRNX_LIB printer; // no port: every write is noted all the same, as the record is
    EXPECT_EQ(printer.Sent().BarcodeWidth(), SentSettings::POWER_ON_BARCODE_WIDTH);
    EXPECT_EQ(QrSettings(printer), "");

    printer.SetBarcodeWidth(2);
    EXPECT_EQ(printer.Sent().BarcodeWidth(), 2);
    printer.SetBarcodeWidth(7); // out of range: the printer ignores it
    EXPECT_EQ(printer.Sent().BarcodeWidth(), 2);
    // Inside a longer write a setting is not seen (the tracker reads no streams).
    const uint8_t mixed[] = {0x0A, 0x1D, 0x77, 0x05};
    printer.Write(mixed, sizeof mixed);
    EXPECT_EQ(printer.Sent().BarcodeWidth(), 2);

    // The last of each function, in function order; storing and printing set nothing.
    printer.SetQRCodeModuleSize(8);
    printer.SetQRCodeErrorLevel(1);
    printer.SetQRCodeModuleSize(4);
    printer.SetPDF417Columns(3);
    printer.StoreQRCodeData("ab", 2);
    printer.PrintQRCode();
    EXPECT_EQ(QrSettings(printer), "1D 28 6B 03 00 31 43 04 1D 28 6B 03 00 31 45 31 ");
    const std::vector<uint8_t> pdf417 = printer.Sent().SymbolSettings(layout::SYMBOL_PDF417);
    EXPECT_EQ(ToHexText(pdf417.data(), pdf417.size()), "1D 28 6B 03 00 30 41 03 ");

    printer.InitPrinter();
    EXPECT_EQ(printer.Sent().BarcodeWidth(), SentSettings::POWER_ON_BARCODE_WIDTH);
    EXPECT_EQ(QrSettings(printer), "");
    EXPECT_TRUE(printer.Sent().SymbolSettings(layout::SYMBOL_PDF417).empty());
}
