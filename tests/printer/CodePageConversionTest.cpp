// Text in each code page the console offers, checked against ICU's own tables for the
// page: the bytes of a sample of the page's characters, the text read back from them,
// and the refusal of a character the page does not hold. The command that switches the
// printer to each page is checked on the wire record.
#include "printer/CodePages.h"
#include "tests/printer/RecordingLib.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <string>

namespace {

struct PageCase {
    const char* name;
    const char* icuName;
    std::u16string sample; // characters of the page's upper half, and plain ASCII
    char16_t missing;      // a character the page cannot hold (0: it holds them all)
    size_t missingAt;      // where the refused character stands in `refusedText`
    std::string selectHex; // what choosing the page sends
};

const PageCase CASES[] = {
    {"CP437", "ibm-437", u"Price: Çüéâäàåç ÄÅÉæÆ ¢£¥₧ƒ ñÑ ░▒▓│┤╬ αßΓπΣστ ±≥≤÷≈°∙·√ⁿ²■", u'€', 6,
     "1B 74 00 "},
    {"CP850", "ibm-850",
     u"Ç ü é ø Ø × ® © ã Ã ð Ð Ê Ë È ı Í Î Ï ¦ Ì Ó ß Ô õ µ þ Þ ý Ý ¯ ´ ‗ ¾ ¶ § ¸ ¨ ¹ ³", u'€', 6,
     "1B 74 02 "},
    {"CP852", "ibm-852", u"Ąą Čč Ćć Ęę Łł Ńń Śś Źź Żż Šš Žž Řř Ůů Ěě Ňň Ťť Ďď ÁÉÍÓÚÝ ˘˛˝ˇ", u'€', 6,
     "1B 74 12 "},
    {"CP858", "ibm-858", u"Total 12,50 € für Café - ø Ø × ð Ð Ê Ë È Í Î Ï Ó ß Ô õ þ Ú Û Ù ý", u'ı',
     6, "1B 74 13 "},
    {"CP866", "ibm-866", u"Привет, мир! АБВГДЕЖЗИЙКЛМНОП абвгдежзий рстуфхцчшщъыьэюя ЁёЄєЇїЎў №¤■",
     u'ü', 6, "1B 74 11 "},
    {"CP1252", "windows-1252",
     u"€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž ‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ ¡ ¿ À ÿ ü é ß Æ", u'Ω', 6,
     "1B 74 10 "},
    {"GB18030", "gb18030", u"打印机测试：中文 ü é € — “引号” ￥ 😀", 0, 0, "1C 26 "},
};

std::string ToUtf8(const std::u16string& text) {
    std::string out(text.size() * 4, '\0');
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &length,
                reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size()),
                &status);
    EXPECT_TRUE(U_SUCCESS(status));
    out.resize(static_cast<size_t>(length));
    return out;
}

// ICU's bytes for `text`; false when ICU too finds a character the page cannot hold.
bool IcuBytes(const char* icuName, const std::u16string& text, std::string* bytes) {
    UErrorCode status = U_ZERO_ERROR;
    UConverter* cnv = ucnv_open(icuName, &status);
    EXPECT_TRUE(U_SUCCESS(status)) << icuName;
    if (!U_SUCCESS(status)) return false;
    ucnv_setFromUCallBack(cnv, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    bytes->assign(text.size() * 4 + 8, '\0');
    const int32_t length = ucnv_fromUChars(cnv, bytes->data(), static_cast<int32_t>(bytes->size()),
                                           reinterpret_cast<const UChar*>(text.data()),
                                           static_cast<int32_t>(text.size()), &status);
    ucnv_close(cnv);
    if (!U_SUCCESS(status)) return false;
    bytes->resize(static_cast<size_t>(length));
    return true;
}

TEST(CodePageText, EachPageConvertsItsCharactersAsIcuDoes) {
    ASSERT_EQ(TextCodePages().size(), std::size(CASES));
    for (const PageCase& c : CASES) {
        SCOPED_TRACE(c.name);
        const TextCodePage* page = FindTextCodePage(c.name);
        ASSERT_NE(page, nullptr);
        std::string expected;
        ASSERT_TRUE(IcuBytes(c.icuName, c.sample, &expected));
        const std::string utf8 = ToUtf8(c.sample);
        const EncodedText encoded = EncodeText(*page, utf8);
        ASSERT_TRUE(encoded.ok);
        EXPECT_EQ(encoded.bytes, expected);
        // Something beyond ASCII really went through the page.
        EXPECT_NE(encoded.bytes, utf8);
        // Read back, the bytes are the sample again.
        const std::optional<std::string> back = DecodeText(*page, encoded.bytes);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, utf8);
    }
}

TEST(CodePageText, ACharacterThePageCannotHoldIsRefusedNotReplaced) {
    for (const PageCase& c : CASES) {
        if (c.missing == 0) continue;
        SCOPED_TRACE(c.name);
        const std::u16string text = std::u16string(u"Sum: ") + c.missing + u" ok";
        std::string icu;
        ASSERT_FALSE(IcuBytes(c.icuName, text, &icu)) << "ICU holds the character";
        const EncodedText encoded = EncodeText(*FindTextCodePage(c.name), ToUtf8(text));
        EXPECT_FALSE(encoded.ok);
        EXPECT_TRUE(encoded.bytes.empty());
        EXPECT_EQ(encoded.refused, static_cast<char32_t>(c.missing));
        EXPECT_EQ(encoded.refusedAt, 5u);
    }
    // A character outside the basic plane is counted as one.
    const EncodedText wide = EncodeText(*FindTextCodePage("CP437"), ToUtf8(u"😀é€"));
    EXPECT_FALSE(wide.ok);
    EXPECT_EQ(wide.refused, U'😀');
    EXPECT_EQ(wide.refusedAt, 0u);
}

TEST(CodePageText, BytesWithoutACharacterAreReported) {
    // 81 has no character in CP1252, nor is A1 followed by 20 a GB18030 sequence.
    size_t bad = 99;
    EXPECT_FALSE(DecodeText(*FindTextCodePage("CP1252"), "ab\x81", &bad).has_value());
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(DecodeText(*FindTextCodePage("GB18030"), "x\xA1 ", &bad).has_value());
    EXPECT_EQ(bad, 1u);
    EXPECT_FALSE(DecodeText(*FindTextCodePage("GB18030"), "\xD6", &bad).has_value());
    EXPECT_EQ(FindTextCodePage("Latin-1/GB18030"), nullptr);
}

TEST(CodePageText, ChoosingAPageSendsItsSwitchCommand) {
    for (const PageCase& c : CASES) {
        SCOPED_TRACE(c.name);
        RecordingLib lib;
        lib.EnableSentRecord(1);
        lib.SelectTextCodePage(*FindTextCodePage(c.name));
        EXPECT_EQ(lib.TakeSentText(), c.selectHex);
        ASSERT_EQ(lib.writes.size(), 1u);
    }
}

} // namespace
