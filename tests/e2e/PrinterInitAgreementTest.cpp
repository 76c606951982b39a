// The console's table of what ESC @ resets and keeps, held against the virtual printer:
// after settings were moved and ESC @ came, every control the console resets shows what
// the printer has, and every stored setting the console keeps is still the printer's.
// And the code pages: the virtual printer takes the console's ESC t number for each page
// it has and reads the console's bytes back as the typed characters.
#include "console/ControlIds.h"
#include "console/PrinterInitTable.h"
#include "emulator/CodePages.h"
#include "emulator/Interpreter.h"
#include "pages/Barcode.h"
#include "pages/DMTX.h"
#include "pages/PDF417.h"
#include "pages/QRCode.h"
#include "printer/CodePages.h"

#include <gtest/gtest.h>

#include <QString>

#include <optional>
#include <vector>

using namespace ids;
using printer_init::AtInit;
using printer_init::Group;

namespace {

// The printer's value of the setting a control shows, in the control's terms (edit:
// the number, list: the item, box: 1 ticked); nothing for a control not known here.
std::optional<int> PrinterValue(const vprinter::Interpreter& p, Group group, int id) {
    const vprinter::TextSettings& t = p.Text();
    const auto bit = [&](uint8_t mask) { return (t.printMode & mask) ? 1 : 0; };
    switch (group) {
    case Group::Dialog:
        switch (id) {
        case IDC_LINE_SPACING:
            return t.lineSpacing;
        case IDC_LEFT_MARGIN:
            return t.leftMarginUnits;
        case IDC_RIGHT_MARGIN:
            return t.rightMarginUnits;
        case IDC_FONT_LIST:
            return t.font;
        case IDC_ALIGNMENT_LIST:
            return static_cast<int>(t.alignment);
        case IDC_DOUBLE_HIGH:
            return bit(vprinter::PRN_MODE_DOUBLE_HEIGHT);
        case IDC_DOUBLE_WIDTH:
            return bit(vprinter::PRN_MODE_DOUBLE_WIDTH);
        case IDC_BOLD:
            return bit(vprinter::PRN_MODE_BOLD);
        case IDC_ITALIC:
            return bit(vprinter::PRN_MODE_ITALIC);
        case IDC_FRAME:
            return bit(vprinter::PRN_MODE_FRAME);
        case IDC_UNDERSCORE:
            return bit(vprinter::PRN_MODE_UNDERSCORE);
        case IDC_HIGHLIGHT:
            return bit(vprinter::PRN_MODE_HIGHLIGHT);
        // The first item, the fixed mapping, is the power-on state: two-byte mode on
        // and the first table.
        case IDC_CODE_PAGE:
            return t.doubleByte && t.codePage == vprinter::CodePage::CP437 ? 0 : -1;
        case IDC_DENSITY_LIST:
            return p.Stored().density - 1;
        case IDC_SPEED_LIST:
            return p.Stored().speed;
        default:
            return std::nullopt;
        }
    case Group::BarcodePage:
        switch (id) {
        case CBarcode::IDC_UNIT_WIDTH:
            return p.Barcode().moduleWidth;
        case CBarcode::IDC_BAR_HEIGHT:
            return p.Barcode().height;
        case CBarcode::IDC_DISPLAY:
            return p.Barcode().hriPosition;
        default:
            return std::nullopt;
        }
    case Group::QRCodePage:
        switch (id) {
        case CQRCode::IDC_MODULE_WIDTH:
            return p.QR().moduleSize;
        case CQRCode::IDC_ERROR_LEVEL:
            return p.QR().errorLevel;
        default:
            return std::nullopt;
        }
    case Group::PDF417Page:
        switch (id) {
        case CPDF417::IDC_ROWS_AUTO:
            return p.PDF417().rows == 0 ? 1 : 0;
        case CPDF417::IDC_COLUMNS_AUTO:
            return p.PDF417().columns == 0 ? 1 : 0;
        case CPDF417::IDC_MODULE_WIDTH:
            return p.PDF417().moduleWidth;
        case CPDF417::IDC_ROW_HEIGHT:
            return p.PDF417().rowHeight;
        // The console's "Cut" sends rows 1, the truncated symbol.
        case CPDF417::IDC_CUT:
            return p.PDF417().rows == 1 ? 1 : 0;
        default:
            return std::nullopt;
        }
    case Group::DataMatrixPage:
        switch (id) {
        case CDMTX::IDC_VERSION:
            return p.DataMatrix().size - 1; // item r is size r + 1
        case CDMTX::IDC_MODULE_WIDTH:
            return p.DataMatrix().moduleSize;
        default:
            return std::nullopt;
        }
    case Group::LabelPage:
        break;
    }
    return std::nullopt;
}

// Commands that move every setting of the table away from its power-on value, as the
// console's controls send them.
const std::vector<uint8_t> MOVE_AWAY = {
    0x1B, 0x33, 60,                              // ESC 3: line spacing
    0x1B, 0x6C, 5,                               // ESC l: left margin
    0x1B, 0x51, 3,                               // ESC Q: right margin
    0x1B, 0x4D, 2,                               // ESC M: font
    0x1B, 0x61, 2,                               // ESC a: alignment
    0x1B, 0x21, 0xFE,                            // ESC !: every style box
    0x1B, 0x74, 19,                              // ESC t: CP858
    0x1B, 0x6D, 7,                               // ESC m: density
    0x1C, 0x73, 0,                               // FS s: speed
    0x1D, 0x77, 5,                               // GS w: barcode width
    0x1D, 0x68, 80,                              // GS h: barcode height
    0x1D, 0x48, 2,                               // GS H: text below
    0x1D, 0x28, 0x6B, 3, 0, 0x31, 0x43, 8,       // QR module size
    0x1D, 0x28, 0x6B, 3, 0, 0x31, 0x45, 0x33,    // QR level H
    0x1D, 0x28, 0x6B, 3, 0, 0x30, 0x41, 5,       // PDF417 columns
    0x1D, 0x28, 0x6B, 3, 0, 0x30, 0x42, 1,       // PDF417 rows: the "Cut" box
    0x1D, 0x28, 0x6B, 3, 0, 0x30, 0x43, 6,       // PDF417 module width
    0x1D, 0x28, 0x6B, 3, 0, 0x30, 0x44, 5,       // PDF417 row height
    0x1D, 0x28, 0x6B, 4, 0, 0x35, 0x41, 0x35, 0, // DataMatrix size 5
    0x1D, 0x28, 0x6B, 3, 0, 0x35, 0x43, 7,       // DataMatrix module size
};
const std::vector<uint8_t> ESC_AT = {0x1B, 0x40};

TEST(PrinterInitTable, AgreesWithTheVirtualPrintersEscAt) {
    vprinter::Interpreter printer(vprinter::PRN_WIDTH_58MM);
    printer.Feed(MOVE_AWAY.data(), MOVE_AWAY.size());
    const vprinter::Interpreter before = printer;
    printer.Feed(ESC_AT.data(), ESC_AT.size());
    int checked = 0;
    for (const printer_init::Row& row : printer_init::Rows()) {
        SCOPED_TRACE(row.why);
        const std::optional<int> now = PrinterValue(printer, row.group, row.id);
        const std::optional<int> earlier = PrinterValue(before, row.group, row.id);
        if (row.effect == AtInit::Reset) {
            // Every control the console resets has its printer setting here.
            ASSERT_TRUE(now.has_value()) << "control " << row.id;
            EXPECT_EQ(*now, row.powerOn);
            EXPECT_NE(*earlier, *now) << "the commands above did not move it";
            ++checked;
        } else if (now.has_value()) {
            EXPECT_EQ(*now, *earlier) << "ESC @ changed a setting the console keeps";
            ++checked;
        }
    }
    EXPECT_GE(checked, 25);
}

TEST(PrinterInitTable, TheVirtualPrinterReadsTheConsolesCodePageBytesBack) {
    // The code pages the virtual printer has; CP852 and GB18030 (two-byte mode) it
    // does not print from a table.
    const char* const shared[] = {"CP437", "CP850", "CP858", "CP866", "CP1252"};
    const char* const samples[] = {"Çüé£¥ñ░", "ÇüøØ×©ðÐı", "€üøØ×ðÐ", "Привет ЁёЎў", "€ŒœŠšŸ‰ü"};
    for (size_t i = 0; i < std::size(shared); ++i) {
        SCOPED_TRACE(shared[i]);
        const TextCodePage* page = FindTextCodePage(shared[i]);
        ASSERT_NE(page, nullptr);
        ASSERT_EQ(page->command, PageCommand::CharacterTable);
        vprinter::CodePage emulated{};
        ASSERT_TRUE(vprinter::CodePageFor(page->table, &emulated));
        EXPECT_STREQ(vprinter::CodePageName(emulated), shared[i]);

        const EncodedText bytes = EncodeText(*page, samples[i]);
        ASSERT_TRUE(bytes.ok);
        const std::optional<std::string> text = DecodeText(*page, bytes.bytes);
        ASSERT_TRUE(text.has_value());
        // Byte by byte, the printer's table gives the characters typed.
        std::u32string typed;
        for (const char32_t c : QString::fromUtf8(samples[i]).toUcs4()) typed += c;
        std::u32string printed;
        for (const char b : bytes.bytes)
            printed += static_cast<char32_t>(
                vprinter::CodePageCharacter(emulated, static_cast<uint8_t>(b)));
        EXPECT_EQ(printed, typed);
    }
    // And the virtual printer switches to the page on the console's command.
    vprinter::Interpreter printer(vprinter::PRN_WIDTH_58MM);
    printer.Feed(std::string("\x1B\x74") + static_cast<char>(FindTextCodePage("CP858")->table));
    EXPECT_EQ(printer.Text().codePage, vprinter::CodePage::CP858);
    EXPECT_FALSE(printer.Text().doubleByte);
    printer.Feed("\x1C\x26"); // GB18030: two-byte mode back on
    EXPECT_TRUE(printer.Text().doubleByte);
}

} // namespace
