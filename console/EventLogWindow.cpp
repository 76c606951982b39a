#include "console/EventLogWindow.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QThread>
#include <QVBoxLayout>

namespace {
constexpr int WINDOW_WIDTH = 720;
constexpr int WINDOW_HEIGHT = 360;
constexpr int ALL_KINDS = -1;
const char* const ACTION_TEXT = QT_TRANSLATE_NOOP("EventLogWindow", "Event log...");
const QKeySequence SHORTCUT(Qt::CTRL | Qt::Key_L);
constexpr const char* WINDOW_PROPERTY = "eventLogWindow";
} // namespace

void EventLogWindow::Attach(QDialog* owner) {
    auto* action = new QAction(QCoreApplication::translate("EventLogWindow", ACTION_TEXT), owner);
    action->setShortcut(SHORTCUT);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, owner, [owner] {
        EventLogWindow* window = Of(owner);
        window->show();
        window->raise();
        window->activateWindow();
    });
    owner->addAction(action);
    // Right-clicking the window's background offers it; the controls keep their menus.
    owner->setContextMenuPolicy(Qt::ActionsContextMenu);
}

EventLogWindow* EventLogWindow::Of(QDialog* owner) {
    auto* window = owner->property(WINDOW_PROPERTY).value<EventLogWindow*>();
    if (!window) {
        window = new EventLogWindow(owner);
        owner->setProperty(WINDOW_PROPERTY, QVariant::fromValue(window));
    }
    return window;
}

EventLogWindow::EventLogWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QString::fromLatin1(OBJECT_NAME));
    setWindowTitle(QCoreApplication::translate("EventLogWindow", "Event log"));
    setAccessibleName(QCoreApplication::translate("EventLogWindow", "Event log"));
    resize(WINDOW_WIDTH, WINDOW_HEIGHT);

    filter_ = new QComboBox(this);
    filter_->setAccessibleName(
        QCoreApplication::translate("EventLogWindow", "Show events of kind"));
    filter_->addItem(QCoreApplication::translate("EventLogWindow", "All events"), ALL_KINDS);
    for (int k = 0; k < eventlog::KIND_COUNT; ++k)
        filter_->addItem(QString::fromLatin1(eventlog::KindName(static_cast<eventlog::Kind>(k))), k);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setMaximumBlockCount(static_cast<int>(eventlog::EventLog::KEPT_EVENTS));
    text_->setAccessibleName(QCoreApplication::translate("EventLogWindow", "Events"));
    where_ = new QLabel(this);
    where_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ShowWhere();

    auto* top = new QHBoxLayout;
    auto* caption = new QLabel(QCoreApplication::translate("EventLogWindow", "Show:"), this);
    caption->setBuddy(filter_);
    top->addWidget(caption);
    top->addWidget(filter_);
    top->addStretch(1);
    top->addWidget(where_);
    auto* box = new QVBoxLayout(this);
    box->addLayout(top);
    box->addWidget(text_);

    connect(filter_, &QComboBox::currentIndexChanged, this, &EventLogWindow::Refill);
    // Events may be noted on another thread: they reach the window through its own.
    QPointer<EventLogWindow> self(this);
    subscription_ = eventlog::EventLog::Instance().Subscribe([self](const eventlog::Event& event) {
        if (!self) return;
        if (QThread::currentThread() == self->thread()) {
            self->Add(event);
            return;
        }
        QMetaObject::invokeMethod(self, [self, event] { if (self) self->Add(event); },
                                  Qt::QueuedConnection);
    });
    Refill();
}

EventLogWindow::~EventLogWindow() {
    eventlog::EventLog::Instance().Unsubscribe(subscription_);
}

bool EventLogWindow::Shown(const eventlog::Event& event) const {
    const int kind = filter_->currentData().toInt();
    return kind == ALL_KINDS || kind == static_cast<int>(event.kind);
}

void EventLogWindow::ShowWhere() {
    // A folder that could not be made, or a file that can no longer be written, keeps
    // nothing: the window says so.
    const std::string folder = eventlog::EventLog::Instance().SavedFolder();
    where_->setText(folder.empty()
                        ? QCoreApplication::translate("EventLogWindow", "Not kept on disk")
                        : QCoreApplication::translate("EventLogWindow", "Kept in %1")
                              .arg(QString::fromStdString(folder)));
}

QString EventLogWindow::KeptWhere() const {
    return where_->text();
}

void EventLogWindow::Add(const eventlog::Event& event) {
    if (event.kind == eventlog::Kind::Log) ShowWhere();
    if (Shown(event)) text_->appendPlainText(QString::fromStdString(eventlog::FormatLine(event)));
}

void EventLogWindow::Refill() {
    text_->clear();
    for (const eventlog::Event& event : eventlog::EventLog::Instance().Recent()) Add(event);
}

void EventLogWindow::ShowKind(std::optional<eventlog::Kind> kind) {
    const int wanted = kind ? static_cast<int>(*kind) : ALL_KINDS;
    filter_->setCurrentIndex(filter_->findData(wanted));
}

QStringList EventLogWindow::Lines() const {
    QStringList lines = text_->toPlainText().split(QLatin1Char('\n'));
    if (lines.size() == 1 && lines.front().isEmpty()) lines.clear();
    return lines;
}
