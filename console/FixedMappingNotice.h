#pragma once
// The one-time notice of a session: text with characters beyond ASCII sent with the
// default code page item goes out in the console's fixed mapping (one byte up to
// U+00FF, GB18030 above), which most printers print as other characters. The first
// such send says what went out and where to choose the printer's code page; the bytes
// stay as they are.

#include <QString>
#include <optional>

class FixedMappingNotice {
public:
    // The notice for `sent` (text sent with the fixed mapping) the first time it has a
    // character beyond ASCII; nothing before that and ever after.
    std::optional<QString> Once(const QString& sent);

private:
    bool given_ = false;
};
