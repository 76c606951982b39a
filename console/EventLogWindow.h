#pragma once
// The event log, visible: a small window opened from the main window (Ctrl+L, or
// "Event log..." in the window's context menu) that lists the session's events,
// newest last, selectable and copyable, with a filter by kind. It takes nothing of
// the main window's room.

#include "eventlog/EventLog.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QDialog;
class QLabel;
class QPlainTextEdit;

class EventLogWindow : public QWidget {
public:
    // Gives `owner` the shortcut and the context menu item that show the window.
    static void Attach(QDialog* owner);
    // The window of `owner`, made when first asked for.
    static EventLogWindow* Of(QDialog* owner);

    explicit EventLogWindow(QWidget* owner);
    ~EventLogWindow() override;

    // The lines shown (of the kinds the filter lets through), oldest first.
    QStringList Lines() const;
    // Where the events are kept, as the window says it.
    QString KeptWhere() const;
    // Shows only events of `kind`; nothing shows them all.
    void ShowKind(std::optional<eventlog::Kind> kind);

    static constexpr const char* OBJECT_NAME = "eventLogWindow";

private:
    void Add(const eventlog::Event& event);
    void ShowWhere();
    void Refill();
    bool Shown(const eventlog::Event& event) const;

    QComboBox* filter_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QLabel* where_ = nullptr;
    int subscription_ = 0;
};
