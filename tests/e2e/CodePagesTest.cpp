// The barcode page and the two-dimensional code page as the operator uses them: choose
// the symbology, type the data, press Print (and Send); the vprinter process prints
// them and an independent decoder reads the data back from the receipts.
#include "tests/e2e/ConsoleFixture.h"
#include "tests/emulator/DecodeSupport.h"

#include "eventlog/EventLog.h"
#include "pages/Barcode.h"
#include "pages/DMTX.h"
#include "pages/PDF417.h"
#include "pages/QRCode.h"
#include "pages/TwoDCode.h"

#include <QCheckBox>
#include <QLineEdit>

using ZXing::BarcodeFormat;

namespace {

struct BarcodeCase {
    int row; // in the "Code:" list
    QString typed;
    QString unitWidth; // narrower where the symbol would not fit the paper
    bool hex;
    BarcodeFormat format;
    std::string decoded;
};

// Check digits come back with the data of the EAN/UPC family.
const BarcodeCase BARCODES[] = {
    {0, QStringLiteral("01234567890"), QStringLiteral("2"), false, BarcodeFormat::UPCA,
     "012345678905"},
    {1, QStringLiteral("123456"), QStringLiteral("2"), false, BarcodeFormat::UPCE, "01234565"},
    {2, QStringLiteral("012345678900"), QStringLiteral("2"), false, BarcodeFormat::EAN13,
     "0123456789005"},
    {3, QStringLiteral("1234567"), QStringLiteral("2"), false, BarcodeFormat::EAN8, "12345670"},
    {4, QStringLiteral("AB-1 $%"), QStringLiteral("2"), false, BarcodeFormat::Code39, "AB-1 $%"},
    {5, QStringLiteral("12345678"), QStringLiteral("2"), false, BarcodeFormat::ITF, "12345678"},
    {6, QStringLiteral("A40156B"), QStringLiteral("2"), false, BarcodeFormat::Codabar, "A40156B"},
    {7, QStringLiteral("CODE-93"), QStringLiteral("2"), false, BarcodeFormat::Code93, "CODE-93"},
    {8, QStringLiteral("Hi, 128"), QStringLiteral("2"), false, BarcodeFormat::Code128, "Hi, 128"},
    {9, QStringLiteral("10ABC123"), QStringLiteral("1"), false, BarcodeFormat::Code128, "10ABC123"},
    // The same symbologies with the data typed as hex bytes.
    {7, QStringLiteral("48 45 58 20 39 33"), QStringLiteral("2"), true, BarcodeFormat::Code93,
     "HEX 93"},
    {8, QStringLiteral("68 65 78 20 31 32 38"), QStringLiteral("2"), true, BarcodeFormat::Code128,
     "hex 128"},
};

using BarcodePage = ConsoleFixture;

TEST_F(BarcodePage, EverySymbologyDecodesToTheTypedData) {
    CBarcode* page = dlg->findChild<CBarcode*>();
    ASSERT_NE(page, nullptr);
    ShowPage(page);
    auto* hex = PageAs<QCheckBox>(page, CBarcode::IDC_HEX);
    ASSERT_NE(hex, nullptr);
    for (const BarcodeCase& c : BARCODES) {
        SCOPED_TRACE(c.typed.toStdString());
        Choose(PageControl(page, CBarcode::IDC_CODE), c.row);
        auto* width = PageAs<QLineEdit>(page, CBarcode::IDC_UNIT_WIDTH);
        if (width->text() != c.unitWidth) Retype(width, c.unitWidth);
        if (hex->isChecked() != c.hex) Click(hex);
        ASSERT_EQ(hex->isChecked(), c.hex);
        Retype(PageControl(page, CBarcode::IDC_DATA), c.typed);
        const size_t rows = dlg->Records().Rows().size();
        Click(PageControl(page, CBarcode::IDC_PRINT));
        ASSERT_EQ(dlg->Records().Rows().size(), rows + 1) << "Print sent nothing";
        const std::string sent = dlg->Records().Rows().back().text;
        const vprinter::PaperBitmap paper = TakeReceipt();
        const auto found = DecodePaper(paper, c.format);
        ASSERT_EQ(found.size(), 1u) << "sent " << sent;
        EXPECT_EQ(found[0].text, c.decoded);
    }
}

TEST_F(BarcodePage, ABarcodeWiderThanThePaperIsSentWithItsWarningOnTheRowAndInTheLog) {
    CBarcode* page = dlg->findChild<CBarcode*>();
    ASSERT_NE(page, nullptr);
    ShowPage(page);
    Choose(PageControl(page, CBarcode::IDC_CODE), 4); // CODE39
    Retype(PageControl(page, CBarcode::IDC_UNIT_WIDTH), QStringLiteral("3"));
    Retype(PageControl(page, CBarcode::IDC_DATA), QStringLiteral("ABC-12 $"));
    const size_t rows = dlg->Records().Rows().size();
    Click(PageControl(page, CBarcode::IDC_PRINT));
    ASSERT_EQ(dlg->Records().Rows().size(), rows + 1) << "Print sent nothing";
    const CRecordsModel::Row& row = dlg->Records().Rows().back();
    // GS k 69 (CODE39) 8, then the data as typed.
    EXPECT_EQ(row.text, "1D 6B 45 08 41 42 43 2D 31 32 20 24 ");
    const QString warning = QStringLiteral("CODE39 'ABC-12 $' at width 3 is 387 dots, wider than "
                                           "the 384 of 58 mm: it will not print");
    EXPECT_EQ(row.warning.toStdString(), warning.toStdString());
    std::string events;
    for (const eventlog::Event& e : eventlog::EventLog::Instance().Recent()) events += e.text + "\n";
    EXPECT_NE(events.find(warning.toStdString()), std::string::npos) << events;
    // The printer got it, and printed nothing for it.
    ASSERT_TRUE(Handshake());
    EXPECT_TRUE(RunUntil([&] { return printer->Log().contains(QStringLiteral("GS k CODE39 not printed")); },
                         ANSWER_TIMEOUT_MS))
        << printer->Log().toStdString();
}

struct SymbolCase {
    int style; // in the "Code Style:" list
    QString typed;
    BarcodeFormat format;
};

const SymbolCase SYMBOLS[] = {
    {0, QStringLiteral("PDF417 from the page, 0123456789"), BarcodeFormat::PDF417},
    {1, QStringLiteral("QR code from the page: https://example.org/?q=42"), BarcodeFormat::QRCode},
    {2, QStringLiteral("DataMatrix from the page #7"), BarcodeFormat::DataMatrix},
};

using TwoDCodePage = ConsoleFixture;

TEST_F(TwoDCodePage, EveryStyleDecodesToTheTypedData) {
    C2DCode* page = dlg->findChild<C2DCode*>();
    ASSERT_NE(page, nullptr);
    ShowPage(page);
    for (const SymbolCase& c : SYMBOLS) {
        SCOPED_TRACE(c.typed.toStdString());
        Choose(PageControl(page, C2DCode::IDC_STYLE), c.style);
        Retype(PageControl(page, C2DCode::IDC_DATA), c.typed);
        const size_t rows = dlg->Records().Rows().size();
        Click(PageControl(page, C2DCode::IDC_SEND)); // stores the data in the printer
        Click(PageControl(page, C2DCode::IDC_PRINT));
        ASSERT_EQ(dlg->Records().Rows().size(), rows + 2);
        const vprinter::PaperBitmap paper = TakeReceipt();
        const auto found = DecodePaper(paper, c.format);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].text, c.typed.toStdString());
    }
}

// The sub-pages' parameters go to the printer as they are typed; the symbols printed
// with them still read back.
TEST_F(TwoDCodePage, SymbolsWithTypedParametersDecode) {
    C2DCode* page = dlg->findChild<C2DCode*>();
    ASSERT_NE(page, nullptr);
    ShowPage(page);
    const QString data = QStringLiteral("Parameters typed on the sub-pages");
    Retype(PageControl(page, C2DCode::IDC_DATA), data);

    Retype(PageControl(page->PDF417Page(), CPDF417::IDC_MODULE_WIDTH), QStringLiteral("2"));
    Retype(PageControl(page->PDF417Page(), CPDF417::IDC_ROW_HEIGHT), QStringLiteral("4"));
    Click(PageControl(page->PDF417Page(), CPDF417::IDC_COLUMNS_AUTO)); // the edit opens
    Retype(PageControl(page->PDF417Page(), CPDF417::IDC_COLUMNS), QStringLiteral("3"));
    Choose(PageControl(page->PDF417Page(), CPDF417::IDC_ERROR_LEVEL), 2);
    Click(PageControl(page, C2DCode::IDC_SEND));
    Click(PageControl(page, C2DCode::IDC_PRINT));
    auto found = DecodePaper(TakeReceipt(), BarcodeFormat::PDF417);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, data.toStdString());

    Choose(PageControl(page, C2DCode::IDC_STYLE), 1);
    Retype(PageControl(page->QRCodePage(), CQRCode::IDC_MODULE_WIDTH), QStringLiteral("3"));
    Choose(PageControl(page->QRCodePage(), CQRCode::IDC_ERROR_LEVEL), 3);
    Click(PageControl(page, C2DCode::IDC_SEND));
    Click(PageControl(page, C2DCode::IDC_PRINT));
    found = DecodePaper(TakeReceipt(), BarcodeFormat::QRCode);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, data.toStdString());

    Choose(PageControl(page, C2DCode::IDC_STYLE), 2);
    Retype(PageControl(page->DataMatrixPage(), CDMTX::IDC_MODULE_WIDTH), QStringLiteral("4"));
    Click(PageControl(page, C2DCode::IDC_SEND));
    Click(PageControl(page, C2DCode::IDC_PRINT));
    found = DecodePaper(TakeReceipt(), BarcodeFormat::DataMatrix);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, data.toStdString());
}

} // namespace
