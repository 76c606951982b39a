#pragma once
// Sets a page's controls the way an operator would, so the page's own handlers check
// the values and send (here: record) their commands. A value equal to what a control
// already shows is still handed to its handler: an option given on the command line is
// always sent.

#include <QString>
#include <QStringList>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace cli {

// The page's control with template id `id`, or null.
template <typename Control> Control* PageControl(QWidget* page, int id);

void EnterText(QLineEdit* edit, const QString& text);
// Selects the row whose text matches `value` (case does not matter; `aliases` are
// accepted too, row by row). False when nothing matches; `choices` then lists the rows.
bool ChooseRow(QComboBox* combo, const std::string& value, const QStringList& aliases,
               QString& choices);
void SetChecked(QCheckBox* box, bool checked);

} // namespace cli

#include <QObject>
#include <QWidget>

namespace cli {
template <typename Control> Control* PageControl(QWidget* page, int id) {
    return page->findChild<Control*>(QStringLiteral("ctl%1").arg(id));
}
} // namespace cli
