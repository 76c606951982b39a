#include "CommandEdit.h"
#include "DMTX.h"
#include "PDF417.h"
#include "PageFixture.h"
#include "QRCode.h"
#include "TwoDCode.h"

#include <QCheckBox>
#include <QPushButton>

#include <memory>

namespace {

constexpr int STYLE_QRCODE = 1;
constexpr int STYLE_DMTX = 2;
const char* const SAMPLE = "Orvane Instrument Works Co., Ltd. Velka";

class TwoDCodePage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.OpenPort());
        page = std::make_unique<C2DCode>(&host);
        page->show();
        style = Ctl<QComboBox>(page.get(), C2DCode::IDC_STYLE);
        data = Ctl<CCommandEdit>(page.get(), C2DCode::IDC_DATA);
        hex = Ctl<QCheckBox>(page.get(), C2DCode::IDC_HEX);
        send = Ctl<QPushButton>(page.get(), C2DCode::IDC_SEND);
        print = Ctl<QPushButton>(page.get(), C2DCode::IDC_PRINT);
    }

    PageFixture host;
    std::unique_ptr<C2DCode> page;
    QComboBox* style = nullptr;
    CCommandEdit* data = nullptr;
    QCheckBox* hex = nullptr;
    QPushButton* send = nullptr;
    QPushButton* print = nullptr;
};

} // namespace

// ---- Data page -----------------------------------------------------------------------------

TEST_F(TwoDCodePage, StartsWithPdf417AndTheSampleAndSendsNothing) {
    EXPECT_EQ(style->currentText(), "PDF417");
    EXPECT_EQ(style->itemText(STYLE_QRCODE), "QRCODE");
    EXPECT_EQ(style->itemText(STYLE_DMTX), "DMTX");
    EXPECT_EQ(data->toPlainText(), SAMPLE);
    EXPECT_TRUE(page->PDF417Page()->isVisible());
    EXPECT_FALSE(page->QRCodePage()->isVisible());
    EXPECT_FALSE(page->DataMatrixPage()->isVisible());
    EXPECT_TRUE(host.rows.empty());
    EXPECT_TRUE(host.tips.empty());
}

TEST_F(TwoDCodePage, SendStoresTheSampleAsAQrCode) {
    Choose(style, STYLE_QRCODE);
    EXPECT_TRUE(page->QRCodePage()->isVisible());
    EXPECT_FALSE(page->PDF417Page()->isVisible());
    EXPECT_EQ(data->toPlainText(), SAMPLE);
    Click(send);
    // 39 data bytes and cn, fn, m: pL = 42.
    EXPECT_EQ(host.rows, (std::vector<std::string>{"1D 28 6B 2A 00 31 50 30 " + Hex(SAMPLE)}));
    Click(print);
    EXPECT_EQ(host.rows.back(), "1D 28 6B 03 00 31 51 30 ");
    EXPECT_EQ(host.Wire(), host.AllRows());
}

TEST_F(TwoDCodePage, HexDataIsStoredWithOrWithoutBlanks) {
    Click(hex);
    EXPECT_TRUE(data->HexMode());
    EXPECT_EQ(data->toPlainText().toStdString(), Hex(SAMPLE));
    Retype(data, "31 32 33");
    Click(send);
    Retype(data, "313233");
    Click(send);
    const std::string stored = "1D 28 6B 06 00 30 50 30 31 32 33 ";
    EXPECT_EQ(host.rows, (std::vector<std::string>{stored, stored}));
    Choose(style, STYLE_DMTX); // the style changes, the data and the box stay
    EXPECT_TRUE(hex->isChecked());
    EXPECT_EQ(data->toPlainText(), "313233");
    Click(hex);
    EXPECT_EQ(data->toPlainText(), "123");
    Click(send);
    EXPECT_EQ(host.rows.back(), "1D 28 6B 06 00 35 50 30 31 32 33 ");
    EXPECT_EQ(host.Wire(), host.AllRows());
}

// Every byte value survives hex -> text -> hex, and Send in text form stores exactly
// the bytes the hex form named: a lone CR or LF stays itself, A0 is not a blank.
TEST_F(TwoDCodePage, HexToTextAndBackLosesNoByte) {
    Click(hex);
    std::string all;
    for (int b = 0; b <= 0xFF; ++b) all.push_back(static_cast<char>(b));
    for (const std::string& bytes : {std::string("\n"), std::string("\r"), std::string("\xA0"),
                                     std::string("\n\n\r\r\xA0\xA0"), all}) {
        const QString hexText = QString::fromLatin1(Hex(bytes));
        Retype(data, hexText);
        Click(hex);
        ASSERT_FALSE(data->HexMode());
        host.Forget();
        Click(send);
        ASSERT_EQ(host.rows.size(), 1u);
        const std::string stored = host.rows.front();
        EXPECT_EQ(stored.substr(stored.size() - bytes.size() * 3), Hex(bytes));
        EXPECT_EQ(host.Wire(), stored);
        Click(hex);
        EXPECT_EQ(data->toPlainText(), hexText);
    }
}

TEST_F(TwoDCodePage, PrintWithoutSendPrintsTheStoredPdf417) {
    Click(print);
    Click(print);
    EXPECT_EQ(host.rows, (std::vector<std::string>(2, "1D 28 6B 03 00 30 51 30 ")));
    Choose(style, STYLE_DMTX);
    Click(print);
    EXPECT_EQ(host.rows.back(), "1D 28 6B 03 00 35 51 30 ");
}

TEST_F(TwoDCodePage, LineBreaksAreStoredAsCrLf) {
    Retype(data, "A");
    QTest::keyClick(data, Qt::Key_Return);
    QTest::keyClicks(data, "B");
    Click(send);
    EXPECT_EQ(host.rows, (std::vector<std::string>{"1D 28 6B 07 00 30 50 30 41 0D 0A 42 "}));
}

TEST_F(TwoDCodePage, EmptyOrUnreadableDataIsRefused) {
    Retype(data, "");
    Click(send);
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_EQ(host.tips[0].text, "The data empty");
    EXPECT_EQ(host.tips[0].control, "ctl1089");
    Click(hex);
    QTest::keyClicks(data, "  ");
    QTest::keyClick(data, Qt::Key_Return);
    Click(send); // blanks and line breaks hold no byte
    PasteOver(data, "3G");
    Click(send);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), 3u);
    EXPECT_EQ(host.tips[1].text, "The data empty");
    EXPECT_EQ(host.tips[2].text, "Entered incorrectly, make sure");

    host.ClosePort();
    Retype(data, "");
    Click(send);
    EXPECT_EQ(host.tips.back().text, "Please Open the Port");
    Click(print);
    EXPECT_EQ(host.tips.back().text, "Please Open the Port");
    EXPECT_TRUE(host.rows.empty());
}

TEST_F(TwoDCodePage, DataBeyondTheLengthFieldIsRefused) {
    const QString longest(65532, QChar('Q'));
    PasteOver(data, longest + QStringLiteral("Q"));
    Click(send);
    EXPECT_TRUE(host.rows.empty());
    ASSERT_EQ(host.tips.size(), 1u);
    EXPECT_EQ(host.tips[0].text, "The data is too long: at most 65532 bytes");
    EXPECT_EQ(host.tips[0].control, "ctl1089");
    PasteOver(data, longest);
    Click(send);
    ASSERT_EQ(host.rows.size(), 1u);
    EXPECT_EQ(host.rows[0].substr(0, 24), "1D 28 6B FF FF 30 50 30 ");
    EXPECT_EQ(host.rows[0].size(), (8u + 65532u) * HEX_CHARS_PER_BYTE);
    EXPECT_EQ(host.Wire(), host.AllRows());
}

// ---- PDF417 parameters -----------------------------------------------------------------------

class Pdf417Page : public TwoDCodePage {
protected:
    void SetUp() override {
        TwoDCodePage::SetUp();
        if (HasFatalFailure()) return;
        pdf = page->PDF417Page();
        rows = Ctl<QLineEdit>(pdf, CPDF417::IDC_ROWS);
        columns = Ctl<QLineEdit>(pdf, CPDF417::IDC_COLUMNS);
        rowsAuto = Ctl<QCheckBox>(pdf, CPDF417::IDC_ROWS_AUTO);
        columnsAuto = Ctl<QCheckBox>(pdf, CPDF417::IDC_COLUMNS_AUTO);
    }
    QWidget* pdf = nullptr;
    QLineEdit* rows = nullptr;
    QLineEdit* columns = nullptr;
    QCheckBox* rowsAuto = nullptr;
    QCheckBox* columnsAuto = nullptr;
};

TEST_F(Pdf417Page, AutoBoxesEnableTheirEditsAndSendTheirNumbers) {
    EXPECT_FALSE(rows->isEnabled());
    EXPECT_FALSE(columns->isEnabled());
    EXPECT_TRUE(rowsAuto->isChecked());
    Click(rowsAuto);
    EXPECT_TRUE(rows->isEnabled());
    Click(columnsAuto);
    Click(columnsAuto);
    EXPECT_FALSE(columns->isEnabled());
    EXPECT_EQ(host.rows,
              (std::vector<std::string>{"1D 28 6B 03 00 30 42 05 ", "1D 28 6B 03 00 30 41 05 ",
                                        "1D 28 6B 03 00 30 41 00 "}));
    EXPECT_EQ(host.Wire(), host.AllRows());

    // With the port closed the edit still follows its box.
    host.ClosePort();
    host.rows.clear();
    Click(rowsAuto);
    EXPECT_FALSE(rows->isEnabled());
    Click(rowsAuto);
    EXPECT_TRUE(rows->isEnabled());
    EXPECT_TRUE(host.rows.empty());
    EXPECT_EQ(host.tips.back().text, "Please Open the Port");
}

TEST_F(Pdf417Page, EveryKeystrokeIsCheckedAndSent) {
    Click(rowsAuto);
    host.Forget();
    Retype(rows, "2");
    EXPECT_TRUE(host.rows.empty());
    EXPECT_EQ(host.tips.back().text, "Row range of 3 to 90");
    EXPECT_EQ(host.tips.back().control, "ctl1092");
    Retype(rows, "30");
    EXPECT_EQ(host.rows,
              (std::vector<std::string>{"1D 28 6B 03 00 30 42 03 ", "1D 28 6B 03 00 30 42 1E "}));
    host.Forget();

    QLineEdit* width = Ctl<QLineEdit>(pdf, CPDF417::IDC_MODULE_WIDTH);
    Retype(width, "12"); // 1 and 12 are both outside 2 to 8
    EXPECT_TRUE(host.rows.empty());
    EXPECT_EQ(host.tips.size(), 3u);
    EXPECT_EQ(host.tips.back().text, "Unit width of 2 to 8");
    QLineEdit* height = Ctl<QLineEdit>(pdf, CPDF417::IDC_ROW_HEIGHT);
    Retype(height, "h");
    EXPECT_EQ(height->text(), "h");
    EXPECT_EQ(host.tips.back().text, "Line height of 2 to 8");
    Retype(height, "8");
    Retype(width, "2");
    EXPECT_EQ(host.rows,
              (std::vector<std::string>{"1D 28 6B 03 00 30 44 08 ", "1D 28 6B 03 00 30 43 02 "}));
    Click(columnsAuto);
    Retype(columns, "31");
    EXPECT_EQ(host.tips.back().text, "Columns range from 1 to 30");
    EXPECT_EQ(host.rows.back(), "1D 28 6B 03 00 30 41 03 ");
}

TEST_F(Pdf417Page, CutAndErrorLevelUseTheirCommands) {
    QCheckBox* cut = Ctl<QCheckBox>(pdf, CPDF417::IDC_CUT);
    Click(cut);
    Click(cut);
    auto* level = Ctl<QComboBox>(pdf, CPDF417::IDC_ERROR_LEVEL);
    EXPECT_EQ(level->count(), 9);
    level->setFocus();
    QTest::keyClick(level, Qt::Key_End);
    EXPECT_EQ(host.rows,
              (std::vector<std::string>{"1D 28 6B 03 00 30 42 01 ", "1D 28 6B 03 00 30 42 00 ",
                                        "1D 28 6B 04 00 30 45 30 38 "}));
}

// ---- QR code and DataMatrix parameters ---------------------------------------------------------

TEST_F(TwoDCodePage, QrModuleWidthAtItsBounds) {
    QWidget* qr = page->QRCodePage();
    auto* width = Ctl<QLineEdit>(qr, CQRCode::IDC_MODULE_WIDTH);
    EXPECT_EQ(width->text(), "5");
    Retype(width, "16");
    EXPECT_EQ(host.tips.back().text, "Module width is 1 ~ 16"); // the emptied edit
    Retype(width, "17");
    EXPECT_EQ(host.rows,
              (std::vector<std::string>{"1D 28 6B 03 00 31 43 01 ", "1D 28 6B 03 00 31 43 10 ",
                                        "1D 28 6B 03 00 31 43 01 "}));
    EXPECT_EQ(host.tips.size(), 3u);
    EXPECT_EQ(host.tips.back().control, "ctl1103");

    auto* level = Ctl<QComboBox>(qr, CQRCode::IDC_ERROR_LEVEL);
    Choose(style, STYLE_QRCODE);
    Choose(level, 3);
    EXPECT_EQ(level->currentText(), "30%");
    EXPECT_EQ(host.rows.back(), "1D 28 6B 03 00 31 45 33 ");
    auto* version = Ctl<QComboBox>(qr, CQRCode::IDC_VERSION);
    EXPECT_FALSE(version->isEnabled());
    EXPECT_EQ(version->currentText(), "2");
    EXPECT_EQ(host.Wire(), host.AllRows());
}

TEST_F(TwoDCodePage, DataMatrixModuleWidthAtItsBounds) {
    QWidget* dm = page->DataMatrixPage();
    auto* width = Ctl<QLineEdit>(dm, CDMTX::IDC_MODULE_WIDTH);
    Retype(width, "1");
    EXPECT_EQ(host.tips.back().text, QString::fromUtf8("模块宽度为2~8"));
    Retype(width, "8");
    Retype(width, "2");
    Retype(width, "9");
    EXPECT_EQ(host.rows,
              (std::vector<std::string>{"1D 28 6B 03 00 35 43 08 ", "1D 28 6B 03 00 35 43 02 "}));
    EXPECT_EQ(host.tips.size(), 6u); // four emptied edits, 1 and 9
    auto* version = Ctl<QComboBox>(dm, CDMTX::IDC_VERSION);
    EXPECT_EQ(version->count(), 35);
    EXPECT_EQ(version->currentText(), "Square auto");
    EXPECT_EQ(version->itemText(0), QString::fromUtf8("10×10"));
    EXPECT_FALSE(version->isEnabled());
}

TEST(TwoDCodePageWithoutHost, HandlersDoNothing) {
    C2DCode page(nullptr);
    Click(Ctl<QPushButton>(&page, C2DCode::IDC_SEND));
    Click(Ctl<QPushButton>(&page, C2DCode::IDC_PRINT));
    Retype(Ctl<QLineEdit>(page.QRCodePage(), CQRCode::IDC_MODULE_WIDTH), "99");
    EXPECT_EQ(Ctl<QLineEdit>(page.QRCodePage(), CQRCode::IDC_MODULE_WIDTH)->text(), "99");
}
