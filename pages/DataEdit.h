#pragma once
// A single-line entry for ";"-separated decimal numbers, such as "0;8;8;0;-8;384;".
// Typing admits only what such lists are made of; pasting is not filtered.

#include <QLineEdit>
#include <vector>

class CDataEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CDataEdit(QWidget* parent = nullptr);

    // Number of fields: 0 for an empty text; one final ";" is ignored, then 1 plus the
    // number of ";" left.
    int GetFieldCount() const;
    // The number at the start of each field (optional "-", digits up to the first other
    // character; a field without digits reads 0). Always GetFieldCount() values, so a
    // caller that sized its array from the count can never be overrun.
    std::vector<int> GetListValues() const;
    // The text with ";" appended when it is not empty and does not end with one.
    QString GetListText() const;

    static int FieldCount(const QString& text);
    static std::vector<int> ListValues(const QString& text);
    static QString ListText(const QString& text);
    static bool IsListChar(char16_t code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};
