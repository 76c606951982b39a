#pragma once
// A multi-line entry for data that is shown either as text or as hex text. In
// hex mode only what hex text is made of can be typed; pasted or programmatically
// set text is never filtered.

#include <QPlainTextEdit>

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
