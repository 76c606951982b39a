// The pages say when a barcode or symbol is wider than the paper, with its width from
// the virtual printer's renderer, instead of sending what the printer would not print.
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

TEST_F(BarcodePage, SaysATooWideBarcodeWillNotPrint) {
    Choose(code, CODE39);
    Retype(width, QStringLiteral("3"));
    Retype(data, QStringLiteral("HELLO-42"));
    host.Forget();
    Click(print);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_EQ(host.tips[0].text, ISSUE_TEXT);
    EXPECT_EQ(host.tips[0].widget, data);
    EXPECT_TRUE(host.WireAfterQuiet().empty());

    // The same page on 80 mm paper, or one module narrower, prints it.
    host.printableWidth = 576;
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_TRUE(host.tips.empty());
    host.printableWidth = 384;
    Retype(width, QStringLiteral("2"));
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_TRUE(host.tips.empty());
}

TEST_F(BarcodePage, MeasuresATooWideBarcodeAtTheWidthThePrinterWasSentNotTheOneShown) {
    Choose(code, CODE39);
    Retype(data, QStringLiteral("TALVANE-39"));
    // The page shows 2 but has sent nothing: the printer prints at its power-on 3.
    ASSERT_EQ(width->text(), QStringLiteral("2"));
    host.Forget();
    Click(print);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_EQ(host.tips[0].text, QStringLiteral("CODE39 'TALVANE-39' at width 3 is 465 dots, "
                                                "wider than the 384 of 58 mm: it will not print"));
    EXPECT_TRUE(host.WireAfterQuiet().empty());

    // Typed, the width goes to the printer, and the barcode fits at it.
    Retype(width, QStringLiteral("3"));
    Retype(width, QStringLiteral("2"));
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_TRUE(host.tips.empty());

    // ESC @ puts the printer back to 3, though the page still shows 2.
    host.Printer().InitPrinter();
    host.Forget();
    Click(print);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_TRUE(host.tips[0].text.contains(QStringLiteral("at width 3")));
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

    Retype(module, QStringLiteral("8"));
    host.Forget();
    Click(print);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_TRUE(host.tips[0].text.startsWith(QStringLiteral("QR code 'xxx")));
    EXPECT_TRUE(host.tips[0].text.endsWith(
        QStringLiteral("at module size 8 is 488 dots, wider than the 384 of 58 mm: it will not print")))
        << host.tips[0].text.toStdString();

    Retype(module, QStringLiteral("3"));
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_TRUE(host.tips.empty());
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
    EXPECT_TRUE(host.tips.empty()) << host.tips[0].text.toStdString();

    // Sent, the shown size counts.
    Retype(module, QStringLiteral("4"));
    Retype(module, QStringLiteral("5"));
    host.Forget();
    Click(print);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_TRUE(host.tips[0].text.contains(QStringLiteral("at module size 5")))
        << host.tips[0].text.toStdString();
}
