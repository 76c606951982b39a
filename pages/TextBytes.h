#pragma once
// Text of a data edit as the printer's bytes and back: either in the code page the
// operator chose for text, or (none chosen) in the fixed mapping the console has always
// used: one byte per character up to U+00FF, GB18030 bytes for the characters above.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

struct TextCodePage;

// The bytes of `text` (no line breaks in it). With a page, a character the page cannot
// hold gives nothing and the message for the operator in `problem`; the fixed mapping
// takes every character.
std::optional<std::string> TextToBytes(const QString& text, const TextCodePage* page,
                                       QString* problem);
// The fixed mapping alone.
void AppendFixedMapping(std::string& out, const QString& text);

// The text of `bytes` (no CR or LF among them): in the page, or one character per byte.
// Bytes the page has no character for give nothing and the message in `problem`.
std::optional<QString> BytesToText(std::string_view bytes, const TextCodePage* page,
                                   QString* problem);

// "Code page CP437 has no character "€" (U+20AC)"
QString NoSuchCharacterMessage(const TextCodePage& page, char32_t character);
