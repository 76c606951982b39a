#include "printer/CodePages.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

// ESC t numbers of the common receipt-printer character-code-table numbering (the one
// the ESC/POS command references use: 0 PC437, 2 PC850, 16 WPC1252, 17 PC866,
// 18 PC852, 19 PC858); the virtual printer reads the same numbers. GB18030 has no
// number there: the Chinese models print it in their two-byte mode, which FS & switches
// on (ESC t switches it off).
constexpr uint8_t TABLE_CP437 = 0;
constexpr uint8_t TABLE_CP850 = 2;
constexpr uint8_t TABLE_CP1252 = 16;
constexpr uint8_t TABLE_CP866 = 17;
constexpr uint8_t TABLE_CP852 = 18;
constexpr uint8_t TABLE_CP858 = 19;
constexpr uint8_t NO_TABLE = 0;

constexpr std::array<TextCodePage, 7> PAGES = {{
    {"CP437", "CP437", PageCommand::CharacterTable, TABLE_CP437},
    {"CP850", "CP850", PageCommand::CharacterTable, TABLE_CP850},
    {"CP852", "CP852", PageCommand::CharacterTable, TABLE_CP852},
    {"CP858", "CP858", PageCommand::CharacterTable, TABLE_CP858},
    {"CP866", "CP866", PageCommand::CharacterTable, TABLE_CP866},
    {"CP1252", "CP1252", PageCommand::CharacterTable, TABLE_CP1252},
    {"GB18030", "GB18030", PageCommand::DoubleByteOn, NO_TABLE},
}};

constexpr const char* UTF8 = "UTF-8";
constexpr size_t CHUNK = 4096;
const iconv_t NO_CONVERTER = reinterpret_cast<iconv_t>(-1);
constexpr size_t ICONV_FAILED = static_cast<size_t>(-1);

// One iconv conversion, closed when done.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != NO_CONVERTER) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `in`; on a sequence it cannot convert, returns false with the
    // offset of that sequence in `failedAt`.
    bool Run(std::string_view in, std::string& out, size_t* failedAt) {
        if (cd_ == NO_CONVERTER) {
            *failedAt = 0;
            return false;
        }
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        char buffer[CHUNK];
        while (true) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            // A null input flushes what a stateful page still holds.
            const size_t result = inLeft > 0 ? iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft)
                                             : iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (result != ICONV_FAILED) {
                if (inLeft == 0) return true;
                continue;
            }
            if (errno == E2BIG) continue;
            // EILSEQ: no such character; EINVAL: the text ends inside a sequence.
            *failedAt = static_cast<size_t>(inPtr - in.data());
            return false;
        }
    }

private:
    iconv_t cd_;
};

constexpr uint8_t UTF8_CONTINUATION_MASK = 0xC0;
constexpr uint8_t UTF8_CONTINUATION = 0x80;

bool IsContinuation(char c) {
    return (static_cast<uint8_t>(c) & UTF8_CONTINUATION_MASK) == UTF8_CONTINUATION;
}

// The code point whose UTF-8 starts at `at` (a malformed sequence gives U+FFFD).
char32_t CodePointAt(std::string_view utf8, size_t at) {
    constexpr char32_t REPLACEMENT = 0xFFFD;
    struct Lead {
        uint8_t mask, value;
        int length;
    };
    constexpr Lead LEADS[] = {{0x80, 0x00, 1}, {0xE0, 0xC0, 2}, {0xF0, 0xE0, 3}, {0xF8, 0xF0, 4}};
    const auto first = static_cast<uint8_t>(utf8[at]);
    for (const Lead& lead : LEADS) {
        if ((first & lead.mask) != lead.value) continue;
        if (at + static_cast<size_t>(lead.length) > utf8.size()) return REPLACEMENT;
        char32_t cp = first & static_cast<uint8_t>(~lead.mask);
        for (int i = 1; i < lead.length; ++i) {
            const char c = utf8[at + static_cast<size_t>(i)];
            if (!IsContinuation(c)) return REPLACEMENT;
            cp = (cp << 6) | (static_cast<uint8_t>(c) & ~UTF8_CONTINUATION_MASK);
        }
        return cp;
    }
    return REPLACEMENT;
}

} // namespace

std::span<const TextCodePage> TextCodePages() {
    return PAGES;
}

const TextCodePage* FindTextCodePage(std::string_view name) {
    for (const TextCodePage& page : PAGES)
        if (name == page.name) return &page;
    return nullptr;
}

EncodedText EncodeText(const TextCodePage& page, std::string_view utf8) {
    EncodedText result;
    Converter converter(page.iconvName, UTF8);
    size_t failedAt = 0;
    if (converter.Run(utf8, result.bytes, &failedAt)) {
        result.ok = true;
        return result;
    }
    result.bytes.clear();
    if (failedAt < utf8.size()) result.refused = CodePointAt(utf8, failedAt);
    for (size_t i = 0; i < failedAt && i < utf8.size(); ++i)
        if (!IsContinuation(utf8[i])) ++result.refusedAt;
    return result;
}

std::optional<std::string> DecodeText(const TextCodePage& page, std::string_view bytes,
                                      size_t* badOffset) {
    std::string text;
    Converter converter(UTF8, page.iconvName);
    size_t failedAt = 0;
    if (converter.Run(bytes, text, &failedAt)) return text;
    if (badOffset) *badOffset = failedAt;
    return std::nullopt;
}
