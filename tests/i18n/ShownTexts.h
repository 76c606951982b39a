// What a window shows a person, read off its widget tree, and which of its controls
// cannot show their text whole.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

namespace i18n {

struct ShownText {
    QString where; // the widget's object name (or class) and what the text is
    QString text;
};

// Window titles, captions, labels, group titles, tab texts, list items, tooltips,
// placeholders, accessible names and descriptions, header texts; not what the operator
// typed or the program filled in as data (edits' contents, the views' rows). `skip`
// leaves out a widget and everything inside it.
std::vector<ShownText> TextsOf(QWidget* root, const std::function<bool(QWidget*)>& skip = {});

// The visible controls of `root` whose text does not fit their geometry (a caption
// wider than its button, a label, a group title or a tab cut off), each said as
// "<name> \"<text>\": needs <w> px, has <w> px".
QStringList CutOff(QWidget* root);

} // namespace i18n
