#pragma once
// A multi-line entry for data that is shown either as text or as hex text. In
// hex mode only what hex text is made of can be typed; pasted or programmatically
// set text is never filtered.

#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <functional>

class CCommandEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CCommandEdit(QWidget* parent = nullptr);

    // Only switches the filter; the text stays as it is.
    void SetHexMode(bool hex) { hexMode_ = hex; }
    bool HexMode() const { return hexMode_; }

    // Whether a typed character code passes the hex-mode filter.
    static bool IsHexModeChar(char16_t code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool hexMode_ = false;
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
