// Text typed in the send panel after choosing a code page prints, on the vprinter
// process, with that page's glyphs: "ü" and "€" in CP858.
#include "tests/e2e/ConsoleFixture.h"
#include "tests/emulator/DecodeSupport.h"

#include "console/ControlIds.h"
#include "emulator/CodePages.h"
#include "emulator/FontTables.h"

#include <QApplication>
#include <QKeyEvent>

using namespace ids;

namespace {

constexpr int CP852_ROW = 3; // in the "Code page" list
constexpr int CP858_ROW = 4;
constexpr int FONT1 = 0;

// The glyph the printer has for `code` of the page in Font1, as a picture to look for.
vprinter::PaperBitmap Glyph(vprinter::CodePage page, uint8_t code) {
    const vprinter::FontFace& font = vprinter::FontFor(FONT1);
    const uint32_t* rows = vprinter::CodePageGlyph(FONT1, page, code);
    vprinter::PaperBitmap picture(font.width, font.height);
    for (int y = 0; y < font.height; ++y)
        for (int x = 0; x < font.width; ++x)
            if (rows[y] & (0x80000000u >> x)) picture.Set(x, y);
    return picture;
}

// Types one character as a keyboard that has it would.
void TypeKey(QWidget* edit, QChar ch) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(edit, &press);
    QApplication::sendEvent(edit, &release);
    hands::ProcessEvents();
}

class TextCodePage : public ConsoleFixture {
protected:
    // Chooses the list's row of a page (which sends `pageCommand`), then types and prints
    // each character on a line of its own, so that each stands alone at the left edge;
    // returns the rows the characters were sent in.
    std::vector<std::string> PrintEachAlone(int pageRow, const std::string& pageCommand,
                                            const char* utf8) {
        Choose(DialogControl(IDC_CODE_PAGE), pageRow);
        EXPECT_EQ(dlg->Records().Rows().back().text, pageCommand);
        QWidget* edit = DialogControl(IDC_SEND_EDIT);
        std::vector<std::string> rows;
        for (const QChar ch : QString::fromUtf8(utf8)) {
            Retype(edit, QString());
            TypeKey(edit, ch);
            ClickDialog(IDC_SEND);
            rows.push_back(dlg->Records().Rows().back().text);
            ClickDialog(IDC_SEND_PRINT);
        }
        return rows;
    }
};

TEST_F(TextCodePage, Cp858TextPrintsWithThePagesGlyphs) {
    EXPECT_EQ(PrintEachAlone(CP858_ROW, "1B 74 13 ", "ü€"), (std::vector<std::string>{"81 ", "D5 "}));
    const vprinter::PaperBitmap paper = TakeReceipt();
    const int umlaut = FindPicture(paper, 0, Glyph(vprinter::CodePage::CP858, 0x81));
    const int euro = FindPicture(paper, 0, Glyph(vprinter::CodePage::CP858, 0xD5));
    EXPECT_GE(umlaut, 0);
    EXPECT_GT(euro, umlaut);
    // Not the printer's mark for a character it has no glyph for.
    EXPECT_LT(FindPicture(paper, 0, Glyph(vprinter::CodePage::CP858, '?')), 0);
}

// CP852, which the list sends as ESC t 18, was once a page the printer did not have:
// Polish printed as other characters.
TEST_F(TextCodePage, Cp852PolishPrintsWithThePagesGlyphs) {
    EXPECT_EQ(PrintEachAlone(CP852_ROW, "1B 74 12 ", "Łż"), (std::vector<std::string>{"9D ", "BE "}));
    const vprinter::PaperBitmap paper = TakeReceipt();
    const int stroke = FindPicture(paper, 0, Glyph(vprinter::CodePage::CP852, 0x9D));
    const int dot = FindPicture(paper, 0, Glyph(vprinter::CodePage::CP852, 0xBE));
    EXPECT_GE(stroke, 0);
    EXPECT_GT(dot, stroke);
    EXPECT_FALSE(printer->Log().contains(QStringLiteral("no code page"))) << printer->Log().toStdString();
}

} // namespace
