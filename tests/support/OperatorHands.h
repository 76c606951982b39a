// The operator's hands on real widgets, for every test that drives the console
// headless: clicks where a person would click, typing key by key, list choices from
// the open list, and letting the event loop run.
#pragma once

#include <QString>
#include <functional>

class QComboBox;
class QWidget;

namespace hands {

// Lets posted events (window messages, deferred scrolling) run.
void ProcessEvents();
// Runs the event loop until `done` holds or `ms` have passed; returns `done()`.
bool RunUntil(const std::function<bool()>& done, int ms = 10000);

// The control named ctl<id> inside `parent`, or nullptr.
QWidget* ControlIn(QWidget* parent, int id);

// Clicks a button; a check box or radio button on its box (it takes clicks on its box
// and caption only).
void Click(QWidget* control);
// Opens a drop-down list and takes the row with the keyboard; a list already showing
// the row is left alone, as an operator would.
void Choose(QComboBox* list, int row);
void Choose(QWidget* list, int row);
// Moves a closed drop-down list to `row` with the arrow keys: every row it passes is
// chosen on the way, as with a keyboard.
void StepTo(QComboBox* list, int row);
// Selects the whole text with the navigation keys: the filtered edits drop Ctrl+A, as
// they drop every control character they do not list.
void SelectAll(QWidget* edit);
// Empties a line or multi-line edit (one change), then types `text` key by key.
void Retype(QWidget* edit, const QString& text);
// Pastes `text` over the whole contents of an edit with Ctrl+V.
void PasteOver(QWidget* edit, const QString& text);
// Types `text` at the end of an edit's text.
void TypeAtEnd(QWidget* edit, const QString& text);
// Deletes the last character of an edit's text.
void Backspace(QWidget* edit);

} // namespace hands
