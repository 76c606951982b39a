#pragma once
// The code pages text can go to the printer in: how the console turns typed text into
// each page's bytes (through the C library's iconv) and which command switches the
// printer to it. No Qt.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// How the printer is switched to a page.
enum class PageCommand : uint8_t {
    CharacterTable, // ESC t n: a single-byte table of the common numbering
    DoubleByteOn,   // FS &: the two-byte character mode of the Chinese models
};

struct TextCodePage {
    const char* name;      // as the "Code page" list shows it
    const char* iconvName; // the page's name for iconv
    PageCommand command;
    uint8_t table; // n of ESC t n (unused for DoubleByteOn)
};

// The pages, in the order of the "Code page" list after its default item.
std::span<const TextCodePage> TextCodePages();
// The page of that name (as listed), or null.
const TextCodePage* FindTextCodePage(std::string_view name);

// The result of turning UTF-8 text into a page's bytes. On failure `bytes` is empty,
// `refused` is the first character the page cannot hold and `refusedAt` its position
// in characters from the start of the text.
struct EncodedText {
    bool ok = false;
    std::string bytes;
    char32_t refused = 0;
    size_t refusedAt = 0;
};
EncodedText EncodeText(const TextCodePage& page, std::string_view utf8);

// The page's bytes as UTF-8 text; nothing when a byte (or, for a multi-byte page, a
// sequence) stands for no character, with its offset in `badOffset`.
std::optional<std::string> DecodeText(const TextCodePage& page, std::string_view bytes,
                                      size_t* badOffset = nullptr);
