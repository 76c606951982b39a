// The pages warn when a barcode or symbol is wider than the paper, with its width from
// the virtual printer's renderer, and send it all the same: what the printer does with
// it may be what the operator is testing.
#include "pages/QRCode.h"
#include "pages/TwoDCode.h"
#include "tests/pages/BarcodePageFixture.h"

#include <QPushButton>

namespace {
constexpr int CODE39 = 4;
constexpr int STYLE_QRCODE = 1;
const char* const ISSUE_TEXT =
    "CODE39 'HELLO-42' at width 3 is 387 dots, wider than the 384 of 58 mm: it will not print";
} // namespace

TEST_F(BarcodePage, SendsATooWideBarcodeWithItsWarning) {
    Choose(code, CODE39);
    Retype(width, QStringLiteral("3"));
    Retype(data, QStringLiteral("HELLO-42"));
    host.Forget();
    Click(print);
    // GS k 69 (CODE39) 8, then the data as typed.
    const std::string sent = "1D 6B 45 08 48 45 4C 4C 4F 2D 34 32 ";
    ASSERT_EQ(host.rows, std::vector<std::string>{sent});
    EXPECT_EQ(host.WireHex(), sent);
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0].text, ISSUE_TEXT);
    EXPECT_EQ(host.warnings[0].widget, data);
    EXPECT_EQ(host.rowWarnings, std::vector<QString>{ISSUE_TEXT});
    EXPECT_TRUE(host.tips.empty()) << "a warning is no refusal";

    // The same page on 80 mm paper, or one module narrower, prints it without one.
    host.printableWidth = 576;
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_TRUE(host.warnings.empty());
    EXPECT_EQ(host.rowWarnings, std::vector<QString>{QString()});
    host.printableWidth = 384;
    Retype(width, QStringLiteral("2"));
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_TRUE(host.warnings.empty());
}

TEST_F(BarcodePage, MeasuresATooWideBarcodeAtTheWidthThePrinterWasSentNotTheOneShown) {
    Choose(code, CODE39);
    Retype(data, QStringLiteral("TALVANE-39"));
    // The page shows 2 but has sent nothing: the printer prints at its power-on 3.
    ASSERT_EQ(width->text(), QStringLiteral("2"));
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(host.warnings[0].text, QStringLiteral("CODE39 'TALVANE-39' at width 3 is 465 dots, "
                                                    "wider than the 384 of 58 mm: it will not print"));

    // Typed, the width goes to the printer, and the barcode fits at it.
    Retype(width, QStringLiteral("3"));
    Retype(width, QStringLiteral("2"));
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_TRUE(host.warnings.empty());

    // ESC @ puts the printer back to 3, though the page still shows 2.
    host.Printer().InitPrinter();
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_TRUE(host.warnings[0].text.contains(QStringLiteral("at width 3")));
}

TEST(SymbolFitPages, TheTwoDimensionalPageMeasuresTheStoredDataAtTheSettingsSent) {
    PageFixture host;
    ASSERT_TRUE(host.OpenPort());
    C2DCode page(&host);
    page.show();
    Choose(Ctl<QComboBox>(&page, C2DCode::IDC_STYLE), STYLE_QRCODE);
    Retype(Ctl<CCommandEdit>(&page, C2DCode::IDC_DATA), QString(300, QLatin1Char('x')));
    Click(Ctl<QPushButton>(&page, C2DCode::IDC_SEND));
    auto* module = Ctl<QLineEdit>(page.QRCodePage(), CQRCode::IDC_MODULE_WIDTH);
    auto* print = Ctl<QPushButton>(&page, C2DCode::IDC_PRINT);

    // Module size 16 at most: far wider than the paper, and sent as asked.
    Retype(module, QStringLiteral("16"));
    host.Forget();
    Click(print);
    const std::string printQr = "1D 28 6B 03 00 31 51 30 ";
    ASSERT_EQ(host.rows, std::vector<std::string>{printQr});
    EXPECT_EQ(host.WireHex(), printQr);
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_TRUE(host.warnings[0].text.startsWith(QStringLiteral("QR code 'xxx")));
    EXPECT_TRUE(host.warnings[0].text.endsWith(QStringLiteral(
        "at module size 16 is 976 dots, wider than the 384 of 58 mm: it will not print")))
        << host.warnings[0].text.toStdString();
    EXPECT_EQ(host.rowWarnings, std::vector<QString>{host.warnings[0].text});
    EXPECT_TRUE(host.tips.empty());

    Retype(module, QStringLiteral("3"));
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_TRUE(host.warnings.empty());
}

TEST(SymbolFitPages, ASymbolSettingShownButNotSentDoesNotCount) {
    PageFixture host;
    ASSERT_TRUE(host.OpenPort());
    C2DCode page(&host);
    page.show();
    Choose(Ctl<QComboBox>(&page, C2DCode::IDC_STYLE), STYLE_QRCODE);
    auto* module = Ctl<QLineEdit>(page.QRCodePage(), CQRCode::IDC_MODULE_WIDTH);
    auto* print = Ctl<QPushButton>(&page, C2DCode::IDC_PRINT);
    // 500 bytes make a QR code too wide at the module size the page shows from the
    // start, which it has not sent; the printer is at its power-on size, where it fits.
    ASSERT_EQ(module->text(), QStringLiteral("5"));
    Retype(Ctl<CCommandEdit>(&page, C2DCode::IDC_DATA), QString(500, QLatin1Char('x')));
    Click(Ctl<QPushButton>(&page, C2DCode::IDC_SEND));
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_TRUE(host.warnings.empty()) << host.warnings[0].text.toStdString();

    // Sent, the shown size counts.
    Retype(module, QStringLiteral("4"));
    Retype(module, QStringLiteral("5"));
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    ASSERT_EQ(host.warnings.size(), 1u);
    EXPECT_TRUE(host.warnings[0].text.contains(QStringLiteral("at module size 5")))
        << host.warnings[0].text.toStdString();
}
