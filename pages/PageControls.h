#pragma once
// What the pages share in building their controls and in moving data between a data
// edit and the bytes that go to the printer.

#include <QLabel>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CCommandEdit;
class QAbstractButton;
struct TextCodePage;
class QGridLayout;
class QLineEdit;
class QPushButton;
namespace vprinter {
struct SymbolFit;
}

// Names a control by its template id ("ctl<id>") and gives it its accessible name.
template <typename Control>
Control* Named(Control* control, int id, const QString& accessibleName) {
    control->setObjectName(QStringLiteral("ctl%1").arg(id));
    control->setAccessibleName(accessibleName);
    return control;
}

// A label without id; its text is its accessible name and it names `buddy`.
QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent);

// A push button that only a click or the space bar presses: never the dialog's
// default, so Enter in an edit of the window sends nothing.
// `accessibleName` tells apart buttons of one page with the same caption ("Set").
QPushButton* PushButton(int id, const QString& caption, QWidget* parent,
                        const QString& accessibleName = {});

// A single-line edit that takes digits only when typed, like a digits-only edit.
QLineEdit* DigitsEdit(int id, const QString& accessibleName, QWidget* parent);

// The bytes of an edit's text as the printer gets them: one byte per character up to
// U+00FF, GB18030 bytes for the characters above it, line breaks as CR LF.
std::string EditBytes(const QString& text);

// Turns a data edit between its text form and its hex text form and sets its filter;
// hex -> text -> hex gives back every byte. The text is read in the code page chosen for
// text (null: the fixed mapping). When the page cannot hold a character (or a byte has
// no character in it) the edit is left as it was and the message is returned.
QString ConvertDataEdit(CCommandEdit* edit, bool toHex, const TextCodePage* page = nullptr);
// The same in the direction of the clicked HEX box; on a problem the operator is told
// and the box goes back. True when converted.
bool ConvertDataEdit(CCommandEdit* edit, QAbstractButton* hexBox, const TextCodePage* page);

// The bytes a data edit sends: its hex text as typed in hex mode, its text in the chosen
// code page otherwise. Nothing, after telling the operator, when the page cannot hold a
// character.
std::optional<std::string> DataEditBytes(const CCommandEdit* edit, const TextCodePage* page);
// Tells the operator, in a message box over the control's window, why text cannot go out.
void ShowTextProblem(const QWidget* control, const QString& problem);

// Why a barcode or symbol will not print, in the operator's language; empty when it fits.
// The English text is the renderer's own message.
QString TooWideMessage(const vprinter::SymbolFit& fit);

// The pages sit in the dialog's tab control, which leaves them little height.
void CompactPage(QGridLayout* grid);
// A multi-line data edit takes the height its page has instead of asking for more.
void LetDataEditShrink(QWidget* edit);

// True when `value` lies in [minimum, maximum].
inline bool InRange(int value, int minimum, int maximum) {
    return value >= minimum && value <= maximum;
}
