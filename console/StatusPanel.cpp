#include "console/StatusPanel.h"

#include "console/ControlBuilder.h"
#include "console/ControlIds.h"
#include "console/TalvaneDlg.h"
#include "eventlog/EventLog.h"
#include "widgets/Icons.h"
#include "widgets/LampButton.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPoint>
#include <QPushButton>
#include <QTimer>

using namespace ids;

namespace {

// Automatic status back for every condition the lamps show.
constexpr uint8_t AUTO_STATUS_ALL = 0x2F;
constexpr uint32_t NO_MESSAGE = 0;

struct LampDef {
    int id;
    const char* caption;
    uint32_t onMessage;
    uint32_t offMessage;
};
// In the order they are laid out; the BUSY lamp last.
constexpr LampDef LAMPS[] = {
    {IDC_LAMP_PAPER_END, QT_TRANSLATE_NOOP("StatusPanel", "Paper-end"), PRN_MSG_PAPER_END,
     PRN_MSG_PAPER_END_CLEAR},
    {IDC_LAMP_OVERHEAT, QT_TRANSLATE_NOOP("StatusPanel", "Overheat"), PRN_MSG_OVERHEAT,
     PRN_MSG_OVERHEAT_CLEAR},
    {IDC_LAMP_OVERVOLTAGE, QT_TRANSLATE_NOOP("StatusPanel", "Overvoltage"), PRN_MSG_OVERVOLTAGE,
     PRN_MSG_OVERVOLTAGE_CLEAR},
    {IDC_LAMP_PLATEN_UP, QT_TRANSLATE_NOOP("StatusPanel", "Platen-up"), PRN_MSG_PLATEN_UP,
     PRN_MSG_PLATEN_UP_CLEAR},
    {IDC_LAMP_CUTTER, QT_TRANSLATE_NOOP("StatusPanel", "Cutter-out"), PRN_MSG_CUTTER,
     PRN_MSG_CUTTER_CLEAR},
    {IDC_LAMP_BUSY, QT_TRANSLATE_NOOP("StatusPanel", "BUSY"), NO_MESSAGE, NO_MESSAGE},
};
// Three lamps beside "Read status", two and the hidden BUSY lamp beside "Clear-Buf".
constexpr QPoint LAMP_CELLS[] = {{1, 0}, {2, 0}, {3, 0}, {1, 1}, {2, 1}, {3, 1}};
constexpr int ANSWER_ROW = 3;
constexpr int GRID_COLUMNS = 4;

QString Tr(const char* text) {
    return QCoreApplication::translate("StatusPanel", text);
}

const char* const NO_ANSWER = QT_TRANSLATE_NOOP("StatusPanel", "No answer from the printer");
const char* const NO_ANSWER_SINCE =
    QT_TRANSLATE_NOOP("StatusPanel", "No answer from the printer (last answer at %1)");
const char* const LAST_ANSWER = QT_TRANSLATE_NOOP("StatusPanel", "Last answer at %1");
const QString TIME_FORMAT = QStringLiteral("HH:mm:ss");

// A lamp that changes is an event of the log; a condition reported again is not.
void SwitchLamp(CLampButton* lamp, const char* caption, bool on) {
    if (lamp->IsLampOn() != on)
        eventlog::Note(eventlog::Kind::Status,
                       std::string(caption) + (on ? " lamp on" : " lamp off") + " (status byte)",
                       on ? eventlog::Level::Warning : eventlog::Level::Info);
    lamp->SetLamp(on);
}

} // namespace

StatusPanel::StatusPanel(CTalvaneDlg& dlg, QWidget* parent) : dlg_(dlg) {
    box_ = controls::Group(parent, QCoreApplication::translate("StatusPanel", "Printer status"));
    controls::Builder b(box_, box_->title());
    for (int i = 0; i < LAMP_COUNT; ++i) lamps_[i] = b.Lamp(LAMPS[i].id, Tr(LAMPS[i].caption));
    // An operator reads green as "all well": a lit fault lamp is red. BUSY (the last)
    // only tells that the printer holds the line, and stays green.
    for (int i = 0; i < BUSY; ++i) lamps_[i]->SetLampColour(Icons::LampColour::Red);
    auto* note = new QLabel(QCoreApplication::translate(
                                "StatusPanel", "Note: BUSY status in the hardware flow control"),
                            box_);
    note->setObjectName(QStringLiteral("busyNote"));
    note->setAccessibleName(note->text());

    auto* g = new QGridLayout(box_);
    g->setVerticalSpacing(3);
    readStatus_ =
        b.Button(IDC_READ_STATUS, QCoreApplication::translate("StatusPanel", "Read status"));
    g->addWidget(readStatus_, 0, 0);
    for (int i = 0; i < LAMP_COUNT; ++i)
        g->addWidget(lamps_[i], LAMP_CELLS[i].y(), LAMP_CELLS[i].x());
    clearBuffer_ =
        b.Button(IDC_CLEAR_BUFFER, QCoreApplication::translate("StatusPanel", "Clear-Buf"));
    g->addWidget(clearBuffer_, 1, 0);
    g->addWidget(note, 2, 0, 1, GRID_COLUMNS);
    lamps_[BUSY]->hide();
    note->hide();

    answerLine_ = new QLabel(box_);
    answerLine_->setObjectName(QStringLiteral("statusAnswer"));
    answerLine_->setAccessibleName(QCoreApplication::translate("StatusPanel", "Printer answer"));
    g->addWidget(answerLine_, ANSWER_ROW, 0, 1, GRID_COLUMNS);
    // One shot per request; the window goes on meanwhile and the answer can come in.
    answerTimer_ = new QTimer(this);
    answerTimer_->setSingleShot(true);
    answerTimer_->setInterval(ANSWER_WAIT_MS);
    connect(answerTimer_, &QTimer::timeout, this, &StatusPanel::AnswerMissing);
}

QWidget* StatusPanel::Widget() const {
    return box_;
}

void StatusPanel::Start() {
    for (CLampButton* lamp : lamps_) {
        lamp->SetShade(CLampButton::SHADE_FLAT_GREY);
        lamp->SetLamp(false);
    }
}

void StatusPanel::Connect() {
    connect(readStatus_, &QPushButton::clicked, this, &StatusPanel::ReadStatus);
    connect(clearBuffer_, &QPushButton::clicked, this, &StatusPanel::ClearBuffer);
    for (int i = 0; i < LAMP_COUNT; ++i) {
        if (LAMPS[i].onMessage == NO_MESSAGE) continue;
        CLampButton* lamp = lamps_[i];
        const char* caption = LAMPS[i].caption;
        dlg_.OnMessage(LAMPS[i].onMessage,
                       [lamp, caption](uintptr_t, intptr_t) { SwitchLamp(lamp, caption, true); });
        dlg_.OnMessage(LAMPS[i].offMessage,
                       [lamp, caption](uintptr_t, intptr_t) { SwitchLamp(lamp, caption, false); });
    }
}

void StatusPanel::ReadStatus() {
    // The lamps go dark first, even with the port closed; the answer lights them again.
    for (int i = 0; i < BUSY; ++i) lamps_[i]->SetLamp(false);
    // The wait counts from the request, which may go later than the click (after the
    // command in flight of a picture); the request clears the parser's status-received
    // flag and the next status byte sets it.
    dlg_.IssueSetup({[this](CVRNX_LIB& p) {
                         answerTimer_->start();
                         p.RequestStatus();
                     },
                     [](CVRNX_LIB& p) { p.SetAutoStatusBack(AUTO_STATUS_ALL); }},
                    {}, {readStatus_->text(), readStatus_, false});
}

void StatusPanel::AnswerMissing() {
    if (dlg_.IsStatusReceived()) return;
    eventlog::Note(eventlog::Kind::Status, NO_ANSWER, eventlog::Level::Warning);
    ShowAnswerLine(true);
}

void StatusPanel::Answered() {
    lastAnswer_ = QTime::currentTime();
    ShowAnswerLine(false);
}

void StatusPanel::ShowAnswerLine(bool missing) {
    const QString at = lastAnswer_.isNull() ? QString() : lastAnswer_.toString(TIME_FORMAT);
    if (!missing) {
        answerLine_->setText(at.isEmpty() ? QString() : Tr(LAST_ANSWER).arg(at));
        return;
    }
    answerLine_->setText(at.isEmpty() ? Tr(NO_ANSWER) : Tr(NO_ANSWER_SINCE).arg(at));
}

void StatusPanel::ClearBuffer() {
    // The printer's buffer is emptied: the rest of a picture being sent would print
    // cut off, so the picture stops at its command boundary.
    dlg_.IssueSetup({[](CVRNX_LIB& p) { p.ClearBuffer(); }}, {},
                    {clearBuffer_->text(), clearBuffer_, true});
}
