// The console's expected receipt against the vprinter process, on the real dialog:
// after each quick sample, barcode, two-dimensional code and hex send, the window's
// roll holds the very receipt the printer printed, dot for dot; records rows and bands
// of the roll select each other.
#include "tests/e2e/ConsoleFixture.h"

#include "console/ControlIds.h"
#include "console/ExpectedReceiptWindow.h"
#include "console/RecordsView.h"
#include "console/samples/QuickSamples.h"
#include "emulator/SymbolRenderer.h"
#include "pages/Barcode.h"
#include "pages/TwoDCode.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QImage>

using namespace ids;

namespace {

const QString CUT_HEX = QStringLiteral("1D 56 00");
constexpr auto RENDER_TIMEOUT = std::chrono::seconds(60);

class ExpectedReceipt : public ConsoleFixture {
protected:
    void SetUp() override {
        ConsoleFixture::SetUp();
        ASSERT_FALSE(dlg->ExpectedReceipt()->isVisible()) << "off by default";
        auto* open = dlg->findChild<QAction*>(QStringLiteral("expectedReceiptAction"));
        ASSERT_NE(open, nullptr);
        open->trigger();
        window = dlg->ExpectedReceipt();
        ASSERT_TRUE(window->isVisible());
        ASSERT_NE(window->Roll(), nullptr);
    }
    void SendHex(const QString& hex) {
        auto* box = qobject_cast<QCheckBox*>(DialogControl(IDC_SEND_HEX));
        ClickDialog(IDC_SEND_CLEAR);
        if (!box->isChecked()) Click(box);
        Retype(DialogControl(IDC_SEND_EDIT), hex);
        ClickDialog(IDC_SEND);
    }
    // Cuts on both sides, then checks that every receipt the printer wrote since the
    // last check is on the roll, the same dot for dot. Returns how many there were.
    size_t ExpectSameReceipts(const std::string& what) {
        SendHex(CUT_HEX);
        const auto printed = NewReceipts(printerReceipts_);
        printerReceipts_ = static_cast<int>(printer->Receipts().size());
        EXPECT_TRUE(window->Roll()->WaitUntilRendered(RENDER_TIMEOUT)) << what;
        window->Refresh();
        std::vector<vprinter::PaperBitmap> expected;
        for (const auto& receipt : window->Shown().receipts)
            if (receipt.finished) expected.push_back(*receipt.paper);
        EXPECT_EQ(expected.size(), rollReceipts_ + printed.size()) << what;
        if (expected.size() != rollReceipts_ + printed.size()) return 0;
        for (size_t i = 0; i < printed.size(); ++i) {
            const vprinter::PaperBitmap& mine = expected[rollReceipts_ + i];
            EXPECT_EQ(mine.Height(), printed[i].Height()) << what;
            EXPECT_EQ(mine.Data(), printed[i].Data()) << what << ": receipt " << i;
        }
        rollReceipts_ = expected.size();
        return printed.size();
    }

    ExpectedReceiptWindow* window = nullptr;
    int printerReceipts_ = 0;
    size_t rollReceipts_ = 0;
};

} // namespace

TEST_F(ExpectedReceipt, EveryQuickSampleIsTheReceiptTheVprinterPrinted) {
    for (const int id : {ID_PRINTER_INIT, ID_FONT_SAMPLE, ID_PRINT_SAMPLE, ID_MARGINS_SAMPLE,
                         ID_COORDINATE_SAMPLE, ID_DENSITY_SAMPLE, ID_HORIZONTAL_TAB_SAMPLE,
                         ID_VERTICAL_TAB_SAMPLE, ID_PICTURE_SAMPLE, ID_ALIGNMENT_SAMPLE,
                         ID_BARCODE_SAMPLE, ID_QRCODE_SAMPLE, ID_CUTTING_SAMPLE}) {
        ClickDialog(id);
        ExpectSameReceipts("sample " + std::to_string(id));
    }
    EXPECT_GE(rollReceipts_, 12u); // every sample but Printer Init printed
}

TEST_F(ExpectedReceipt, BarcodesTwoDimensionalCodesAndAHexSendAreTheVprintersReceipts) {
    CBarcode* barcodes = dlg->findChild<CBarcode*>();
    ASSERT_NE(barcodes, nullptr);
    ShowPage(barcodes);
    // Every row of the page's list (row t sends GS k 0x41 + t), with data its rule takes,
    // at module width 2 (typed, so it reaches the printer), where each fits 58 mm.
    Retype(PageControl(barcodes, CBarcode::IDC_UNIT_WIDTH), QStringLiteral("3"));
    Retype(PageControl(barcodes, CBarcode::IDC_UNIT_WIDTH), QStringLiteral("2"));
    const std::pair<int, QString> rows[] = {
        {vprinter::BARCODE_TYPE_UPCA, QStringLiteral("01234567890")},
        {vprinter::BARCODE_TYPE_UPCE, QStringLiteral("123456")},
        {vprinter::BARCODE_TYPE_EAN13, QStringLiteral("490123456789")},
        {vprinter::BARCODE_TYPE_EAN8, QStringLiteral("1234567")},
        {vprinter::BARCODE_TYPE_CODE39, QStringLiteral("TALVANE-39")},
        {vprinter::BARCODE_TYPE_ITF25, QStringLiteral("12345678")},
        {vprinter::BARCODE_TYPE_CODABAR, QStringLiteral("A123B")},
        {vprinter::BARCODE_TYPE_CODE93, QStringLiteral("TALVANE93")},
        {vprinter::BARCODE_TYPE_CODE128, QStringLiteral("{BConsole 128")},
        {vprinter::BARCODE_TYPE_EAN128, QStringLiteral("{BEAN-128")}};
    for (const auto& [row, data] : rows) {
        Choose(PageControl(barcodes, CBarcode::IDC_CODE), row);
        Retype(PageControl(barcodes, CBarcode::IDC_DATA), data);
        Click(PageControl(barcodes, CBarcode::IDC_PRINT));
        EXPECT_EQ(ExpectSameReceipts("barcode " + data.toStdString()), 1u)
            << "barcode " << data.toStdString() << " printed no receipt";
    }
    C2DCode* codes = dlg->findChild<C2DCode*>();
    ASSERT_NE(codes, nullptr);
    ShowPage(codes);
    for (int style = 0; style < 3; ++style) {
        Choose(PageControl(codes, C2DCode::IDC_STYLE), style);
        Retype(PageControl(codes, C2DCode::IDC_DATA), QStringLiteral("Expected receipt %1").arg(style));
        Click(PageControl(codes, C2DCode::IDC_SEND));
        Click(PageControl(codes, C2DCode::IDC_PRINT));
        EXPECT_EQ(ExpectSameReceipts("2D style " + std::to_string(style)), 1u);
    }
    SendHex(QStringLiteral("1B 61 01 1B 45 01 48 65 78 20 73 65 6E 64 0A 1B 45 00"));
    EXPECT_EQ(ExpectSameReceipts("hex send"), 1u);

    // "Clear" starts a new roll: nothing of the session is on it.
    Click(window->findChild<QWidget*>(QStringLiteral("ctl%1").arg(ExpectedReceiptWindow::IDC_CLEAR)));
    ASSERT_TRUE(window->Roll()->WaitUntilRendered(RENDER_TIMEOUT));
    window->Refresh();
    EXPECT_TRUE(window->Shown().receipts.empty());
}

TEST_F(ExpectedReceipt, APictureInRasterAndBitImageModeIsTheVprintersReceipt) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("picture.png"));
    QImage picture(203, 70, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((x * 7 + y * 3) % 11 < 4 || x == picture.width() - 1) picture.setPixel(x, y, qRgb(0, 0, 0));
    ASSERT_TRUE(picture.save(file));
    console->prompts.openPaths.push_back(file);
    ClickDialog(IDC_PICTURE_OPEN);
    for (const int mode : {IDC_RASTER_MODE, IDC_BIT_IMAGE_MODE}) {
        ClickDialog(mode);
        ClickDialog(IDC_PICTURE_PRINT);
        ExpectSameReceipts(mode == IDC_RASTER_MODE ? "raster picture" : "bit-image picture");
    }
    EXPECT_EQ(rollReceipts_, 2u);
}

TEST_F(ExpectedReceipt, ARecordsRowAndItsBandSelectEachOther) {
    ClickDialog(ID_PRINT_SAMPLE);
    SendHex(QStringLiteral("41 42 43 0A"));
    ClickDialog(ID_BARCODE_SAMPLE);
    ASSERT_TRUE(Handshake());
    ASSERT_TRUE(window->Roll()->WaitUntilRendered(RENDER_TIMEOUT));
    window->Refresh();
    auto* view = qobject_cast<CRecordsView*>(DialogControl(IDC_RECORDS));
    ASSERT_NE(view, nullptr);

    // The hex send's row: a line of text, one line high, on the roll.
    int textRow = -1;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        if (view->model()->index(row, 1).data().toString().startsWith(QStringLiteral("41 42 43 0A")))
            textRow = row;
    ASSERT_GE(textRow, 0);
    const auto* band = window->Shown().BandOf(textRow);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->bottom - band->top, 30);

    // Row to band.
    const QModelIndex index = view->model()->index(textRow, 1);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    EXPECT_EQ(window->MarkedRow(), textRow);

    // Band to row: a click on another band of the roll selects its row.
    const auto& bands = window->Shown().bands;
    const auto other = std::find_if(bands.begin(), bands.end(), [&](const auto& b) {
        return b.row != textRow && b.bottom - b.top > 0;
    });
    ASSERT_NE(other, bands.end());
    auto* scroll = window->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    const int y = (other->top + other->bottom) / 2;
    scroll->ensureVisible(0, y);
    QTest::mouseClick(scroll->widget(), Qt::LeftButton, {}, QPoint(scroll->widget()->width() / 2, y));
    EXPECT_EQ(window->MarkedRow(), other->row);
    ASSERT_TRUE(view->selectionModel()->currentIndex().isValid() ||
                !view->selectionModel()->selectedRows().isEmpty());
    EXPECT_EQ(view->selectionModel()->selectedRows().value(0).row(), other->row);
}
