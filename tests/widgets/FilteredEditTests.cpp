#include "CommandEdit.h"
#include "DataEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

// Types `keys` into a shown, focused widget as a person at the keyboard would.
template <typename Edit> void Type(Edit& edit, const QString& keys) {
    QTest::keyClicks(&edit, keys);
}

class CommandEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit.show();
        edit.setFocus();
    }
    CCommandEdit edit;
};

TEST_F(CommandEditTest, TextModeTakesEveryCharacter) {
    EXPECT_FALSE(edit.HexMode());
    Type(edit, QStringLiteral("Gz-;!~ 1"));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("Gz-;!~ 1"));
    QTest::keyClick(&edit, Qt::Key_Return);
    Type(edit, QStringLiteral("x"));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("Gz-;!~ 1\nx"));
}

TEST_F(CommandEditTest, HexModeAdmitsOnlyHexTextCharacters) {
    edit.SetHexMode(true);
    Type(edit, QStringLiteral("1bG-;4 0Az\tq"));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("1b4 0A"));
    QTest::keyClick(&edit, Qt::Key_Return);
    Type(edit, QStringLiteral("ff"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("1b4 0A\nf"));
    // Editing keys that type nothing are never filtered.
    QTest::keyClick(&edit, Qt::Key_Home);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("1b4 0A\n"));
}

// Every byte value, alone, in runs and beside each other line-break byte, comes back
// from the edit as it went in: a lone CR or LF is not turned into CR LF, A0 not into
// a blank, 00 not dropped.
TEST_F(CommandEditTest, BytesComeBackExactlyAsTheyWereShown) {
    std::vector<std::string> cases;
    for (int b = 0; b <= 0xFF; ++b) {
        const char c = static_cast<char>(b);
        cases.push_back(std::string(1, c));
        cases.push_back(std::string(3, c));
        cases.push_back(std::string("A") + c + "\r" + c + "\n" + c + "\r\n" + c + "B");
    }
    cases.push_back("\n\r\r\n\n\n\r\r");
    std::string every;
    for (int b = 0; b <= 0xFF; ++b) every.push_back(static_cast<char>(b));
    cases.push_back(every + every);
    for (const std::string& bytes : cases) {
        edit.SetBytes(bytes);
        ASSERT_EQ(edit.Bytes(), bytes) << "first byte " << int(uint8_t(bytes[0]));
    }
}

TEST_F(CommandEditTest, EditingKeepsTheBytesOfTheOtherLineBreaks) {
    edit.SetBytes("a\rb\nc\r\nd");
    ASSERT_EQ(edit.blockCount(), 4);
    // A break typed in the second line is CR LF; the others keep their bytes.
    QTextCursor cursor(edit.document()->findBlockByNumber(1));
    edit.setTextCursor(cursor);
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClick(&edit, Qt::Key_Return);
    Type(edit, QStringLiteral("x"));
    EXPECT_EQ(edit.Bytes(), "a\rb\r\nx\nc\r\nd");
    // Deleting the lone CR joins the first two lines; the rest stay as they were.
    edit.setTextCursor(QTextCursor(edit.document()->findBlockByNumber(0)));
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.Bytes(), "ab\r\nx\nc\r\nd");
    // Undo brings the break back as one the operator made: CR LF.
    edit.undo();
    EXPECT_EQ(edit.Bytes(), "a\r\nb\r\nx\nc\r\nd");
    // Shift+Enter's line separator and characters past U+00FF have their bytes too.
    edit.setPlainText(QStringLiteral("1"));
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
    edit.insertPlainText(QStringLiteral("\u4E2D")); // as pasted
    EXPECT_EQ(edit.Bytes(), "1\r\n\xD6\xD0");
}

TEST_F(CommandEditTest, SwitchingModeKeepsTextAndPasteIsNotFiltered) {
    edit.setPlainText(QStringLiteral("Hello; world"));
    edit.SetHexMode(true);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("Hello; world"));
    edit.clear();
    QApplication::clipboard()->setText(QStringLiteral("GS-v;xyz"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("GS-v;xyz"));
    // Undo and cut are admitted in hex mode as well.
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.toPlainText(), QString());
    // A control letter outside the admitted set types nothing.
    Type(edit, QStringLiteral("ab"));
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    Type(edit, QStringLiteral("c"));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("abc"));
}

TEST(CommandEditFilter, AcceptedSetMatchesTheHexForm) {
    const QString accepted = QStringLiteral("0123456789abcdefABCDEF \b\n\r");
    for (QChar c : accepted)
        EXPECT_TRUE(CCommandEdit::IsHexModeChar(c.unicode())) << int(c.unicode());
    for (char16_t c : {0x03, 0x16, 0x18, 0x1A, 0x19}) EXPECT_TRUE(CCommandEdit::IsHexModeChar(c));
    for (char16_t c :
         {u'g', u'G', u'-', u';', u'\t', char16_t(0x01), char16_t(0x7F), u'\u00e9', u'\u4e2d'})
        EXPECT_FALSE(CCommandEdit::IsHexModeChar(c)) << int(c);
}

class DataEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        edit.show();
        edit.setFocus();
    }
    CDataEdit edit;
};

TEST_F(DataEditTest, TypingAdmitsDigitsSemicolonAndMinusOnly) {
    Type(edit, QStringLiteral("1; 2a-3;x\t"));
    EXPECT_EQ(edit.text(), QStringLiteral("1;2-3;"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("1;2-3"));
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.text(), QStringLiteral("1;2-3"));
}

TEST_F(DataEditTest, PasteBringsBlanksIn) {
    QApplication::clipboard()->setText(QStringLiteral("1; 2"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("1; 2"));
    EXPECT_EQ(edit.GetFieldCount(), 2);
    // " 2" starts with no digit.
    EXPECT_EQ(edit.GetListValues(), (std::vector<int>{1, 0}));
}

TEST(DataEditList, FieldCountValuesAndText) {
    EXPECT_EQ(CDataEdit::FieldCount(QStringLiteral("0;8;8;0;-8;384;")), 6);
    EXPECT_EQ(CDataEdit::FieldCount(QStringLiteral("0;8;8;0;-8;384")), 6);
    EXPECT_EQ(CDataEdit::FieldCount(QStringLiteral(";")), 1);
    EXPECT_EQ(CDataEdit::FieldCount(QString()), 0);
    EXPECT_EQ(CDataEdit::FieldCount(QStringLiteral(";;")), 2);

    EXPECT_EQ(CDataEdit::ListValues(QStringLiteral("0;8;8;0;-8;384;")),
              (std::vector<int>{0, 8, 8, 0, -8, 384}));
    EXPECT_EQ(CDataEdit::ListValues(QStringLiteral("12-3;;-;--4;7")),
              (std::vector<int>{12, 0, 0, 0, 7}));
    EXPECT_EQ(CDataEdit::ListValues(QStringLiteral(";")), (std::vector<int>{0}));
    EXPECT_TRUE(CDataEdit::ListValues(QString()).empty());
    EXPECT_EQ(CDataEdit::ListValues(QStringLiteral("99999999999;-99999999999")),
              (std::vector<int>{INT_MAX, INT_MIN}));

    EXPECT_EQ(CDataEdit::ListText(QStringLiteral("75;105")), QStringLiteral("75;105;"));
    EXPECT_EQ(CDataEdit::ListText(QStringLiteral("75;105;")), QStringLiteral("75;105;"));
    EXPECT_EQ(CDataEdit::ListText(QString()), QString());
}

TEST(DataEditList, ValuesAlwaysMatchTheCount) {
    for (const char* text : {"", ";", ";;", "1", "1;", "-;-;", "a;b;c", ";;;;;5"}) {
        const QString t = QString::fromLatin1(text);
        EXPECT_EQ(static_cast<int>(CDataEdit::ListValues(t).size()), CDataEdit::FieldCount(t))
            << text;
    }
}

} // namespace
