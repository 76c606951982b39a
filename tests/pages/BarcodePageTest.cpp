#include "tests/pages/BarcodePageFixture.h"

#include <QDialog>
#include <QLabel>

namespace {

constexpr int CODE39 = 4;
constexpr int ITF25 = 5;
constexpr int CODABAR = 6;
constexpr int CODA93 = 7;
constexpr int CODA128 = 8;
const QString DATA_MESSAGE = QStringLiteral("Entered incorrectly, make sure");

} // namespace

TEST_F(BarcodePage, StartsWithItsDefaultsAndSendsNothing) {
    EXPECT_EQ(width->text(), "2");
    EXPECT_EQ(height->text(), "64");
    EXPECT_EQ(display->count(), 4);
    EXPECT_EQ(display->itemText(3), "Above & below the Barcode");
    EXPECT_EQ(code->count(), 10);
    EXPECT_EQ(code->currentText(), "UPCA");
    EXPECT_EQ(data->toPlainText(), "01234567890");
    EXPECT_FALSE(hex->isEnabled());
    EXPECT_TRUE(Ctl<QLabel>(page.get(), CBarcode::IDC_INSTRUCTIONS)
                    ->text()
                    .startsWith("Input characters in the range of 0 to 9, support 11-bit data"));
    EXPECT_EQ(width->accessibleName(), "Unit width:");
    EXPECT_TRUE(host.rows.empty());
    EXPECT_TRUE(host.tips.empty());
}

TEST_F(BarcodePage, WidthHeightAndDisplayAreSentAsTyped) {
    Retype(width, "3");
    ASSERT_EQ(host.tips.size(), 1u); // the emptied edit reads 0
    EXPECT_EQ(host.tips[0].control, "ctl1081");
    EXPECT_EQ(host.tips[0].text, "Unit width of between 1 and 6");
    Retype(height, "255");
    EXPECT_EQ(host.tips.back().text, "Bar code height of 1 to 255");
    QTest::keyClicks(height, "0");
    QTest::keyClicks(width, "7"); // 37
    Choose(display, 2);
    // The arrow key passes row 1 on its way: each row it shows is sent.
    EXPECT_EQ(host.rows, (std::vector<std::string>{"1D 77 03 ", "1D 68 02 ", "1D 68 19 ",
                                                   "1D 68 FF ", "1D 48 01 ", "1D 48 02 "}));
    ASSERT_EQ(host.tips.size(), 4u);
    EXPECT_EQ(host.tips[2].control, "ctl1082");
    EXPECT_EQ(host.tips[3].text, "Unit width of between 1 and 6");
    EXPECT_EQ(height->text(), "2550"); // the bad value stays as typed
    EXPECT_EQ(host.WireHex(), host.AllRows());
}

TEST_F(BarcodePage, ClosedPortStopsEveryHandlerBeforeItsCheck) {
    host.ClosePort();
    Retype(width, "9");
    Choose(display, 1);
    Retype(data, "x");
    Click(print);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_FALSE(host.tips.empty());
    for (const PageHostStandIn::Tip& tip : host.tips) {
        EXPECT_EQ(tip.text, "Please Open the Port");
        EXPECT_EQ(tip.control, "ctl1000");
    }
    EXPECT_EQ(width->text(), "9");
}

TEST_F(BarcodePage, PrintChecksEachSymbologysData) {
    host.Forget();
    Click(print); // the default UPCA data
    EXPECT_EQ(host.rows.front(), "1D 6B 41 0B " + Hex("01234567890"));
    EXPECT_EQ(PrintAs(CODA128, "AB"), "1D 6B 49 02 41 42 ");
    EXPECT_EQ(PrintAs(ITF25, "12345"), "");
    EXPECT_EQ(host.tips.back().text, DATA_MESSAGE);
    EXPECT_EQ(host.tips.back().control, "ctl1086");
    EXPECT_EQ(PrintAs(ITF25, "123456"), "1D 6B 46 06 " + Hex("123456"));
    EXPECT_EQ(PrintAs(CODABAR, "A123B"), "1D 6B 47 05 " + Hex("A123B"));
    EXPECT_EQ(PrintAs(CODABAR, "1234"), "");
    EXPECT_EQ(PrintAs(CODE39, "abc"), "");
    EXPECT_EQ(PrintAs(CODE39, "ABC"), "1D 6B 45 03 41 42 43 ");
    EXPECT_EQ(host.WireHex(), host.AllRows());
    EXPECT_EQ(data->toPlainText(), "ABC");
}

TEST_F(BarcodePage, LineBreaksBelongToTheData) {
    Choose(code, CODA128);
    Retype(data, "A");
    QTest::keyClick(data, Qt::Key_Return);
    QTest::keyClicks(data, "B");
    host.Forget();
    Click(print);
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.rows[0], "1D 6B 49 04 41 0D 0A 42 ");
    Choose(code, 0);
    Retype(data, "0123456789");
    QTest::keyClick(data, Qt::Key_Return); // 11 characters, but one is no digit
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.tips.back().text, DATA_MESSAGE);
}

TEST_F(BarcodePage, HexFormSendsTheParsedBytes) {
    Choose(code, CODA128);
    Retype(data, "");
    Click(hex);
    ASSERT_TRUE(hex->isChecked());
    EXPECT_TRUE(data->HexMode());
    QTest::keyClicks(data, "41 42 43 "); // nine characters pass the length rule
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows, (std::vector<std::string>{"1D 6B 49 03 41 42 43 "}));
    // A pasted pair that is no hex and a text of blanks only are refused.
    PasteOver(data, "4G 41");
    Click(print);
    Retype(data, "   ");
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.tips.size(), 2u);
    EXPECT_EQ(host.WireHex(), host.AllRows());
}

TEST_F(BarcodePage, Code93TakesFunctionBytesOnlyAsText) {
    Choose(code, CODA93);
    Retype(data, QString("A") + QChar(0xC1) + QChar(0xC4));
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows, (std::vector<std::string>{"1D 6B 48 03 41 C1 C4 "}));
    Click(hex);
    EXPECT_EQ(data->toPlainText(), "41 C1 C4 ");
    Click(print);
    EXPECT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.tips.back().text, DATA_MESSAGE);
    Retype(data, "41 7F");
    Click(print);
    EXPECT_EQ(host.rows.back(), "1D 6B 48 02 41 7F ");
}

TEST_F(BarcodePage, SymbologySwitchUnticksHexAndRestoresTheText) {
    Choose(code, CODA128);
    Retype(data, "AB");
    Click(hex);
    EXPECT_EQ(data->toPlainText(), "41 42 ");
    Choose(code, 0);
    EXPECT_FALSE(hex->isChecked());
    EXPECT_FALSE(hex->isEnabled());
    EXPECT_FALSE(data->HexMode());
    EXPECT_EQ(data->toPlainText(), "AB");
    Click(hex); // disabled: nothing happens
    EXPECT_FALSE(hex->isChecked());

    Choose(code, CODA93);
    Click(hex);
    Choose(code, CODA128);
    EXPECT_TRUE(hex->isEnabled());
    EXPECT_FALSE(hex->isChecked());
    EXPECT_EQ(data->toPlainText(), "AB");
    EXPECT_TRUE(Ctl<QLabel>(page.get(), CBarcode::IDC_INSTRUCTIONS)
                    ->text()
                    .startsWith("Enter the character range of 0x00 ~ 0x7F"));
    EXPECT_TRUE(host.rows.empty()); // switching sends nothing
}

TEST_F(BarcodePage, ZeroByteSurvivesTheWayBackToText) {
    Choose(code, CODA128);
    Click(hex);
    Retype(data, "41 00 42");
    Click(hex);
    EXPECT_EQ(data->toPlainText().size(), 3);
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows, (std::vector<std::string>{"1D 6B 49 03 41 00 42 "}));
    Click(hex);
    EXPECT_EQ(data->toPlainText(), "41 00 42 ");
}

// Every byte value, hex -> text -> hex, comes back as it was; what Print sends after
// unticking Hex is exactly those bytes, and a byte the symbology refuses stays refused.
TEST_F(BarcodePage, HexToTextAndBackLosesNoByte) {
    Choose(code, CODA128);
    Click(hex);
    std::string all;
    for (int b = 0; b <= 0xFF; ++b) all.push_back(static_cast<char>(b));
    for (const std::string& bytes :
         {std::string("\n"), std::string("\r"), std::string("\xA0"), std::string("\n\r"),
          std::string("A\r\rB\n\nC"), all}) {
        const QString hexText = QString::fromLatin1(Hex(bytes));
        Retype(data, hexText);
        Click(hex);
        EXPECT_FALSE(hex->isChecked());
        Click(hex);
        ASSERT_TRUE(hex->isChecked());
        EXPECT_EQ(data->toPlainText(), hexText);
    }

    Retype(data, "41 0A 42 0D 43");
    Click(hex);
    host.Forget();
    Click(print);
    EXPECT_EQ(host.rows, (std::vector<std::string>{"1D 6B 49 05 41 0A 42 0D 43 "}));
    EXPECT_EQ(host.WireHex(), "1D 6B 49 05 41 0A 42 0D 43 ");

    // A0 is refused in hex form, and so it is once shown as text.
    Click(hex);
    Retype(data, "41 A0 42");
    host.Forget();
    Click(print);
    EXPECT_TRUE(host.rows.empty());
    Click(hex);
    EXPECT_FALSE(hex->isChecked());
    Click(print);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), 2u);
    EXPECT_EQ(host.tips[1].text, DATA_MESSAGE);
    EXPECT_EQ(host.WireHex(), "");
}

TEST(BarcodePageInADialog, EnterAndEscNeverReachTheDialog) {
    PageFixture host;
    QDialog dialog;
    auto* page = new CBarcode(&host, &dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    int accepted = 0;
    QObject::connect(ok, &QPushButton::clicked, [&accepted] { ++accepted; });
    dialog.show();
    auto* width = Ctl<QLineEdit>(page, CBarcode::IDC_UNIT_WIDTH);
    width->setFocus();
    QTest::keyClick(width, Qt::Key_Return);
    QTest::keyClick(width, Qt::Key_Escape);
    QTest::keyClick(Ctl<QComboBox>(page, CBarcode::IDC_CODE), Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(accepted, 0);
    // The page's own button never becomes the default that Enter presses.
    EXPECT_FALSE(Ctl<QPushButton>(page, CBarcode::IDC_PRINT)->autoDefault());
    EXPECT_FALSE(Ctl<QPushButton>(page, CBarcode::IDC_PRINT)->isDefault());
}

TEST(BarcodePageWithoutHost, HandlersDoNothing) {
    CBarcode page(nullptr);
    Retype(Ctl<QLineEdit>(&page, CBarcode::IDC_UNIT_WIDTH), "9");
    Click(Ctl<QPushButton>(&page, CBarcode::IDC_PRINT));
    EXPECT_EQ(Ctl<QLineEdit>(&page, CBarcode::IDC_UNIT_WIDTH)->text(), "9");
}
