#pragma once

#include "widgets/SourceText.h"
// Building a group's controls: each is named "ctl<id>" (tests and the dialog find it by
// that name) and given its accessible name; the group name tells screen readers which
// of several same-named buttons ("Set", "Clear") this one is.

#include <QString>
#include <Qt>
#include <initializer_list>
#include <utility>

class CLampButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace controls {

QString ControlName(int id);

// Gives `w` its object name and accessible name (and the group as its description).
void Name(QWidget* w, int id, const QString& name, const QString& group);
template <typename W> W* Named(W* w, int id, const QString& name, const QString& group) {
    Name(w, id, name, group);
    return w;
}

// A list's start-up items and the one selected.
struct ListItems {
    std::initializer_list<const char*> items;
    const char* selected;
};
// Where a list item keeps its source text when it shows a translation: the settings
// file names an item by it, so a setting saved in one language holds in another. One
// role for every list, the pages' too (widgets/SourceText.h).
inline constexpr int SOURCE_TEXT_ROLE = ::SOURCE_TEXT_ROLE;
// Inserts the items into `combo` (translated in `context`, when given; items without a
// translation, such as numbers, show as they are) and selects the named one.
void Fill(QComboBox* combo, const ListItems& list, const char* context = nullptr);
// The item's text in the source language.
QString SourceText(const QComboBox* combo, int index);
// The row whose source text is `text`, or -1.
int FindSource(const QComboBox* combo, const QString& text);

// A titled group box with the title as its accessible name.
QGroupBox* Group(QWidget* parent, const QString& title);

class Builder {
public:
    explicit Builder(QWidget* owner, QString group = QString())
        : owner_(owner), group_(std::move(group)) {}

    // Only explicit clicks press a button: Enter in an edit must not.
    QPushButton* Button(int id, const QString& caption);
    QCheckBox* Check(int id, const QString& caption);
    QRadioButton* Radio(int id, const QString& caption);
    CLampButton* Lamp(int id, const QString& caption);
    QComboBox* Combo(int id, const QString& label);
    QLineEdit* Edit(int id, const QString& label);
    // An edit that takes typed digits only.
    QLineEdit* DigitEdit(int id, const QString& label);
    QLabel* Label(const QString& text, QWidget* buddy);

private:
    QWidget* owner_;
    QString group_;
};

} // namespace controls
