// The window follows the printer: after ESC @ ("Printer Init", or a quick test, which
// ends with it) the setting controls show the printer's power-on settings and nothing
// more is sent. And the code page chosen for text: its switch command, and typed,
// pasted and code data going out in it, with a message for what it cannot hold.

#include "tests/support/ConsoleDialog.h"

#include "console/ControlIds.h"
#include "console/SettingPanel.h"
#include "pages/Barcode.h"
#include "pages/DMTX.h"
#include "pages/PDF417.h"
#include "pages/QRCode.h"
#include "pages/TwoDCode.h"
#include "printer/CodePages.h"
#include "printer/HexText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace ids;

namespace {

// Rows of the "Code page" list.
constexpr int FIXED_MAPPING_ROW = 0;
constexpr int CP858_ROW = 4;
constexpr int GB18030_ROW = 7;

constexpr int STYLE_BOXES[] = {IDC_DOUBLE_HIGH, IDC_DOUBLE_WIDTH, IDC_BOLD,     IDC_ITALIC,
                               IDC_FRAME,       IDC_UNDERSCORE,   IDC_HIGHLIGHT};

// Empties the edit and types `text` key by key, as a keyboard with those letters would
// (the test library's key clicks know ASCII only).
void TypeOver(QWidget* edit, const QString& text) {
    hands::Retype(edit, QString());
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
    hands::ProcessEvents();
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    return ToHexText(bytes.data(), bytes.size());
}

struct StateDialog : PeerDialog {
    CBarcode* barcode() const { return dlg->findChild<CBarcode*>(); }
    C2DCode* twoD() const { return dlg->findChild<C2DCode*>(); }
    template <typename T> T* In(QWidget* page, int id) const {
        return qobject_cast<T*>(hands::ControlIn(page, id));
    }
    QString EditText(int id) const { return As<QLineEdit>(id)->text(); }
    int ListRow(int id) const { return As<QComboBox>(id)->currentIndex(); }

    // Runs `action`; the rows it added, after checking that the printer got exactly them.
    std::vector<std::string> Sent(const std::function<void()>& action) {
        // What earlier actions sent has all arrived before the count starts.
        peer.BytesAfterQuiet();
        peer.Forget();
        const std::vector<std::string> before = Rows();
        action();
        const std::vector<std::string> all = Rows();
        std::vector<std::string> added(all.begin() + static_cast<long>(before.size()), all.end());
        std::string wire;
        for (const std::string& row : added) wire += row;
        EXPECT_EQ(Hex(peer.BytesAfterQuiet()), wire);
        return added;
    }

    // Sets every control whose setting ESC @ resets, and those it keeps, away from their
    // power-on values (each change goes to the printer, as the operator's would).
    void MoveSettingsAway() {
        Retype(IDC_LINE_SPACING, QStringLiteral("60"));
        Retype(IDC_LEFT_MARGIN, QStringLiteral("5"));
        Retype(IDC_RIGHT_MARGIN, QStringLiteral("3"));
        Choose(IDC_FONT_LIST, 2);
        Choose(IDC_ALIGNMENT_LIST, 2);
        Choose(IDC_DENSITY_LIST, 6);
        Choose(IDC_SPEED_LIST, 0);
        Choose(IDC_CODE_PAGE, CP858_ROW);
        Retype(IDC_CUT_FEED, QStringLiteral("100"));
        for (int id : {IDC_BOLD, IDC_UNDERSCORE, IDC_DOUBLE_WIDTH}) Click(id);
        hands::Retype(In<QLineEdit>(barcode(), CBarcode::IDC_UNIT_WIDTH), QStringLiteral("5"));
        hands::Retype(In<QLineEdit>(barcode(), CBarcode::IDC_BAR_HEIGHT), QStringLiteral("80"));
        hands::Choose(In<QComboBox>(barcode(), CBarcode::IDC_DISPLAY), 2);
        // The two-dimensional code's sub-pages sit on a hidden tab: set as their handlers
        // see a change.
        In<QLineEdit>(twoD()->QRCodePage(), CQRCode::IDC_MODULE_WIDTH)->setText("8");
        In<QComboBox>(twoD()->QRCodePage(), CQRCode::IDC_ERROR_LEVEL)->setCurrentIndex(3);
        In<QAbstractButton>(twoD()->PDF417Page(), CPDF417::IDC_ROWS_AUTO)->click();
        In<QLineEdit>(twoD()->PDF417Page(), CPDF417::IDC_MODULE_WIDTH)->setText("6");
        In<QLineEdit>(twoD()->DataMatrixPage(), CDMTX::IDC_MODULE_WIDTH)->setText("7");
    }

    void ExpectPowerOnSettings() {
        EXPECT_EQ(EditText(IDC_LINE_SPACING), "30");
        EXPECT_EQ(EditText(IDC_LEFT_MARGIN), "0");
        EXPECT_EQ(EditText(IDC_RIGHT_MARGIN), "0");
        EXPECT_EQ(ListRow(IDC_FONT_LIST), 0);
        EXPECT_EQ(ListRow(IDC_ALIGNMENT_LIST), 0);
        for (int id : STYLE_BOXES) EXPECT_FALSE(As<QAbstractButton>(id)->isChecked()) << id;
        EXPECT_EQ(ListRow(IDC_CODE_PAGE), FIXED_MAPPING_ROW);
        EXPECT_EQ(dlg->TextPage(), nullptr);
        EXPECT_EQ(In<QLineEdit>(barcode(), CBarcode::IDC_UNIT_WIDTH)->text(), "3");
        EXPECT_EQ(In<QLineEdit>(barcode(), CBarcode::IDC_BAR_HEIGHT)->text(), "162");
        EXPECT_EQ(In<QComboBox>(barcode(), CBarcode::IDC_DISPLAY)->currentIndex(), 0);
        EXPECT_EQ(In<QLineEdit>(twoD()->QRCodePage(), CQRCode::IDC_MODULE_WIDTH)->text(), "3");
        EXPECT_EQ(In<QComboBox>(twoD()->QRCodePage(), CQRCode::IDC_ERROR_LEVEL)->currentIndex(), 0);
        EXPECT_TRUE(In<QAbstractButton>(twoD()->PDF417Page(), CPDF417::IDC_ROWS_AUTO)->isChecked());
        EXPECT_FALSE(In<QLineEdit>(twoD()->PDF417Page(), CPDF417::IDC_ROWS)->isEnabled());
        EXPECT_EQ(In<QLineEdit>(twoD()->PDF417Page(), CPDF417::IDC_MODULE_WIDTH)->text(), "3");
        EXPECT_EQ(In<QLineEdit>(twoD()->DataMatrixPage(), CDMTX::IDC_MODULE_WIDTH)->text(), "3");
    }

    // What ESC @ keeps: stored settings and the operator's own distances.
    void ExpectKeptSettings() {
        EXPECT_EQ(ListRow(IDC_DENSITY_LIST), 6);
        EXPECT_EQ(ListRow(IDC_SPEED_LIST), 0);
        EXPECT_EQ(EditText(IDC_CUT_FEED), "100");
    }
};

TEST(PrinterState, PrinterInitShowsThePowerOnSettingsAndSendsOnlyEscAt) {
    StateDialog f;
    ASSERT_TRUE(f.OpenPort());
    f.MoveSettingsAway();
    EXPECT_EQ(f.Sent([&] { f.Click(IDC_PRINTER_INIT); }), std::vector<std::string>{"1B 40 "});
    f.ExpectPowerOnSettings();
    f.ExpectKeptSettings();
    // The boxes now say what the printer has: one click sends bold alone.
    EXPECT_EQ(f.Sent([&] { f.Click(IDC_BOLD); }), std::vector<std::string>{"1B 21 08 "});
}

TEST(PrinterState, AQuickTestEndingInEscAtLeavesThePowerOnSettingsShown) {
    StateDialog f;
    ASSERT_TRUE(f.OpenPort());
    f.MoveSettingsAway();
    const std::vector<std::string> rows = f.Sent([&] { f.Click(1043); }); // "Alignment"
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), "1B 40 ");
    EXPECT_EQ(rows.back(), "1B 40 ");
    EXPECT_EQ(rows.size(), 17u); // the script alone: nothing was added for the controls
    f.ExpectPowerOnSettings();
    f.ExpectKeptSettings();
}

TEST(PrinterState, WithThePortClosedTheControlsKeepWhatTheyShow) {
    StateDialog f;
    f.Retype(IDC_LINE_SPACING, QStringLiteral("60"));
    f.Click(IDC_BOLD);
    f.Click(IDC_PRINTER_INIT);
    EXPECT_EQ(f.TipText(), QStringLiteral("Please Open the Port"));
    EXPECT_EQ(f.RowCount(), 0);
    EXPECT_EQ(f.EditText(IDC_LINE_SPACING), "60");
    EXPECT_TRUE(f.As<QAbstractButton>(IDC_BOLD)->isChecked());
}

TEST(CodePageChoice, ChoosingAPageSendsItsSwitchAndTheDefaultSendsNothing) {
    StateDialog f;
    ASSERT_TRUE(f.OpenPort());
    EXPECT_EQ(f.ListRow(IDC_CODE_PAGE), FIXED_MAPPING_ROW);
    EXPECT_EQ(f.Sent([&] { f.Choose(IDC_CODE_PAGE, CP858_ROW); }),
              std::vector<std::string>{"1B 74 13 "});
    ASSERT_NE(f.dlg->TextPage(), nullptr);
    EXPECT_STREQ(f.dlg->TextPage()->name, "CP858");
    EXPECT_EQ(f.Sent([&] { f.Choose(IDC_CODE_PAGE, GB18030_ROW); }),
              std::vector<std::string>{"1C 26 "});
    EXPECT_TRUE(f.Sent([&] { f.Choose(IDC_CODE_PAGE, FIXED_MAPPING_ROW); }).empty());
    EXPECT_EQ(f.dlg->TextPage(), nullptr);

    // Chosen by name (a remembered choice): nothing is sent.
    SettingPanel& setting = f.dlg->Setting();
    EXPECT_TRUE(f.Sent([&] { EXPECT_TRUE(setting.SetCodePageName("CP866")); }).empty());
    EXPECT_EQ(setting.CodePageName(), "CP866");
    EXPECT_STREQ(f.dlg->TextPage()->name, "CP866");
    EXPECT_FALSE(setting.SetCodePageName("CP999"));
    EXPECT_EQ(setting.CodePageName(), "CP866");
}

TEST(CodePageChoice, SendPanelTextGoesOutInThePageOrNotAtAll) {
    StateDialog f;
    ASSERT_TRUE(f.OpenPort());
    // The fixed mapping as before: Latin-1, and GB18030 above U+00FF.
    TypeOver(f.Control(IDC_SEND_EDIT), QString::fromUtf8("ü中"));
    EXPECT_EQ(f.Sent([&] { f.Click(IDC_SEND); }), std::vector<std::string>{"FC D6 D0 "});

    f.Choose(IDC_CODE_PAGE, CP858_ROW);
    TypeOver(f.Control(IDC_SEND_EDIT), QString::fromUtf8("ü€"));
    EXPECT_EQ(f.Sent([&] { f.Click(IDC_SEND); }), std::vector<std::string>{"81 D5 "});
    hands::PasteOver(f.Control(IDC_SEND_EDIT), QString::fromUtf8("Größe\n€"));
    EXPECT_EQ(f.Sent([&] { f.Click(IDC_SEND); }),
              std::vector<std::string>{"47 72 94 E1 65 0D 0A D5 "});

    // The hex form shows the page's bytes, and back.
    TypeOver(f.Control(IDC_SEND_EDIT), QString::fromUtf8("ü€"));
    f.Click(IDC_SEND_HEX);
    EXPECT_EQ(f.As<QPlainTextEdit>(IDC_SEND_EDIT)->toPlainText(), "81 D5 ");
    f.Click(IDC_SEND_HEX);
    EXPECT_EQ(f.As<QPlainTextEdit>(IDC_SEND_EDIT)->toPlainText(), QString::fromUtf8("ü€"));

    // A character the page cannot hold: a message, nothing sent, the text kept.
    const QString refused = QString::fromUtf8("Code page CP858 has no character \"Ω\" (U+03A9)");
    TypeOver(f.Control(IDC_SEND_EDIT), QString::fromUtf8("1 Ω"));
    EXPECT_TRUE(f.Sent([&] { f.Click(IDC_SEND); }).empty());
    EXPECT_EQ(f.prompts.MessageTexts(), QStringList{refused});
    f.Click(IDC_SEND_HEX);
    EXPECT_FALSE(f.As<QAbstractButton>(IDC_SEND_HEX)->isChecked());
    EXPECT_EQ(f.As<QPlainTextEdit>(IDC_SEND_EDIT)->toPlainText(), QString::fromUtf8("1 Ω"));
    EXPECT_EQ(f.prompts.MessageTexts(), (QStringList{refused, refused}));
}

TEST(CodePageChoice, CodeDataInTextModeGoesOutInThePage) {
    StateDialog f;
    ASSERT_TRUE(f.OpenPort());
    f.dlg->ControlAs<QTabWidget>(IDC_PAGE_TABS)->setCurrentIndex(1);
    C2DCode* page = f.twoD();
    auto* data = f.In<QPlainTextEdit>(page, C2DCode::IDC_DATA);
    f.Choose(IDC_CODE_PAGE, CP858_ROW);
    TypeOver(data, QString::fromUtf8("€5 für"));
    const std::vector<std::string> rows =
        f.Sent([&] { hands::Click(hands::ControlIn(page, C2DCode::IDC_SEND)); });
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_TRUE(rows[0].ends_with("D5 35 20 66 81 72 ")) << rows[0];

    TypeOver(data, QString::fromUtf8("Ω"));
    EXPECT_TRUE(f.Sent([&] { hands::Click(hands::ControlIn(page, C2DCode::IDC_SEND)); }).empty());
    EXPECT_EQ(f.prompts.CountMessages(), 1);

    // The barcode page refuses it the same way, before its own data rules.
    f.dlg->ControlAs<QTabWidget>(IDC_PAGE_TABS)->setCurrentIndex(0);
    TypeOver(f.In<QPlainTextEdit>(f.barcode(), CBarcode::IDC_DATA), QString::fromUtf8("1Ω"));
    EXPECT_TRUE(
        f.Sent([&] { hands::Click(hands::ControlIn(f.barcode(), CBarcode::IDC_PRINT)); }).empty());
    EXPECT_EQ(f.prompts.CountMessages(), 2);
}

} // namespace
