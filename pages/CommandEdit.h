#pragma once
// A multi-line entry for data that is shown either as text or as hex text. In
// hex mode only what hex text is made of can be typed; pasted or programmatically
// set text is never filtered.

#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TextCodePage;

class CCommandEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CCommandEdit(QWidget* parent = nullptr);

    // Only switches the filter; the text stays as it is.
    void SetHexMode(bool hex) { hexMode_ = hex; }
    bool HexMode() const { return hexMode_; }

    // Whether a typed character code passes the hex-mode filter.
    static bool IsHexModeChar(char16_t code);

    // Shows `bytes` one character per byte (U+0000 to U+00FF). A CR LF pair, a lone CR
    // and a lone LF each become one line break of the edit.
    void SetBytes(std::string_view bytes);
    // The same with the text between the breaks read in `page` (null: one character per
    // byte). Bytes the page has no character for leave the edit as it was; `problem`
    // then says which.
    bool SetBytes(std::string_view bytes, const TextCodePage* page, QString* problem);
    // The bytes the text stands for: one byte per character up to U+00FF, GB18030 bytes
    // for the characters above it, and each line break as the bytes it was made from
    // (CR LF for one typed or pasted).
    std::string Bytes() const;
    // The same with the text between the breaks in `page` (null: the mapping above).
    // Nothing when the page cannot hold a character; `problem` then says which.
    std::optional<std::string> Bytes(const TextCodePage* page, QString* problem) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // The edit's document turns CR, LF and CR LF alike into one paragraph break, so
    // the bytes of each break are kept beside the text, one entry per break in order,
    // and follow every change of the document. (The design reads the text back and
    // sends every break as CR LF; a lone CR or LF from hex form would come back changed.)
    enum class Break : uint8_t { CrLf, Cr, Lf };
    void OnContentsChange(int position, int removed, int added);

    bool hexMode_ = false;
    std::vector<Break> breaks_;
};

// The character a key press types, as the classic character message would carry it:
// control letters give 0x01-0x1A, Backspace 0x08, Return 0x0D, Ctrl+Return 0x0A.
// Returns -1 for keys that type nothing (arrows, Delete, function keys), which no
// filter touches.
int TypedCharCode(const QKeyEvent* event);

// The filter both edits apply to typing: whether the key passes `allowed` (its
// character, and every character of a key that types several at once). Keys that type
// nothing always pass.
using CharFilter = bool (*)(char16_t);
bool TypedKeyPasses(const QKeyEvent* event, CharFilter allowed);
// The same filter on an input method's committed text: hands `deliver` the event, or
// a copy with only the characters that pass.
void DeliverFilteredCommit(QInputMethodEvent* event, CharFilter allowed,
                           const std::function<void(QInputMethodEvent*)>& deliver);
