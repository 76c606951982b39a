#include "console/ExpectedReceiptWindow.h"
#include "console/ReceiptRollView.h"

#include "emulator/PrinterState.h"
#include "emulator/ReceiptImage.h"
#include "printer/VrnxLib.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int REFRESH_MS = 50;
constexpr int WINDOW_WIDTH = 520;
constexpr int WINDOW_HEIGHT = 640;

} // namespace

ExpectedReceiptWindow::ExpectedReceiptWindow(CVRNX_LIB& port, std::function<int()> paperWidth,
                                             QWidget* parent)
    : QWidget(parent, Qt::Window), port_(port), paperWidth_(std::move(paperWidth)) {
    setWindowTitle(tr("Expected receipt"));
    setObjectName(QStringLiteral("expectedReceipt"));
    auto* clear = new QPushButton(tr("Clear"), this);
    clear->setObjectName(QStringLiteral("ctl%1").arg(IDC_CLEAR));
    clear->setAccessibleName(tr("Clear"));
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ctl%1").arg(IDC_ROLL));
    scroll_->setAccessibleName(tr("Expected receipt"));
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    paper_ = new ReceiptRollView(scroll_);
    paper_->onClick = [this](int y) { ClickedAt(y); };
    scroll_->setWidget(paper_);
    letGo_ = new QLabel(this);
    letGo_->setObjectName(QStringLiteral("ctl%1").arg(IDC_LET_GO));
    letGo_->setAccessibleName(tr("Receipts let go"));
    letGo_->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addWidget(letGo_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(scroll_);
    resize(WINDOW_WIDTH, WINDOW_HEIGHT);
    timer_ = new QTimer(this);
    timer_->setInterval(REFRESH_MS);
    connect(timer_, &QTimer::timeout, this, &ExpectedReceiptWindow::Refresh);
    connect(clear, &QPushButton::clicked, this, &ExpectedReceiptWindow::Clear);
    // The roll follows the newest receipt until the operator scrolls away from the end,
    // and again once they are back at it. The range grows only when the scroll area has
    // laid out the taller roll, after Refresh, so the end is taken when it changes.
    QScrollBar* bar = scroll_->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int value) { following_ = value >= bar->maximum(); });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (following_) bar->setValue(maximum);
    });
}

ExpectedReceiptWindow::~ExpectedReceiptWindow() {
    Stop();
}

void ExpectedReceiptWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Start();
    Q_EMIT OpenChanged(true);
}

void ExpectedReceiptWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Closed, it costs nothing: the port is no longer watched.
    if (isVisible()) return;
    Stop();
    Q_EMIT OpenChanged(false);
}

void ExpectedReceiptWindow::Start() {
    if (roll_) return;
    roll_ = std::make_unique<ExpectedReceiptRoll>(paperWidth_());
    ExpectedReceiptRoll* roll = roll_.get();
    port_.SetSentObserver(
        [roll](const uint8_t* data, size_t length) { roll->Feed(data, length); });
    timer_->start();
}

void ExpectedReceiptWindow::Stop() {
    if (!roll_) return;
    port_.SetSentObserver({});
    timer_->stop();
    roll_.reset();
    view_ = {};
    version_ = 0;
    markedRow_ = -1;
}

void ExpectedReceiptWindow::NoteRow(int row) {
    if (roll_) roll_->MarkRow(row);
}

void ExpectedReceiptWindow::Clear() {
    if (!roll_) return;
    roll_->Clear(paperWidth_());
    markedRow_ = -1;
    paper_->Mark(0, 0);
}

void ExpectedReceiptWindow::Refresh() {
    if (!roll_) return;
    // Another printer model: a new roll at its width.
    if (paperWidth_() != roll_->PaperWidth()) roll_->Clear(paperWidth_());
    const int droppedBefore = view_.droppedRows;
    if (!roll_->CopyIfChanged(&view_, &version_)) return;
    const bool following = following_;
    paper_->Take(view_);
    // The oldest receipts went: the roll moved up, and so does a view left on it.
    QScrollBar* bar = scroll_->verticalScrollBar();
    if (!following && view_.droppedRows > droppedBefore)
        bar->setValue(bar->value() - (view_.droppedRows - droppedBefore));
    letGo_->setVisible(view_.droppedReceipts > 0);
    if (view_.droppedReceipts > 0)
        letGo_->setText(tr("%n older receipt(s) let go; the window keeps the newest", "",
                           view_.droppedReceipts));
    // The marked row's band may have grown; it is brought into view only when the
    // operator is not following the newest receipt (the records mark every new row).
    const ExpectedReceiptRoll::Band* band = MarkBand();
    if (band != nullptr && !following) BringIntoView(*band);
    if (following) bar->setValue(bar->maximum());
}

void ExpectedReceiptWindow::ShowRow(int row) {
    markedRow_ = row;
    if (const ExpectedReceiptRoll::Band* band = MarkBand()) BringIntoView(*band);
}

const ExpectedReceiptRoll::Band* ExpectedReceiptWindow::MarkBand() {
    const ExpectedReceiptRoll::Band* band = markedRow_ >= 0 ? view_.BandOf(markedRow_) : nullptr;
    if (band == nullptr)
        paper_->Mark(0, 0);
    else
        paper_->Mark(band->top, band->bottom);
    return band;
}

void ExpectedReceiptWindow::BringIntoView(const ExpectedReceiptRoll::Band& band) {
    scroll_->ensureVisible(0, (band.top + band.bottom) / 2, 0, (band.bottom - band.top) / 2);
}

void ExpectedReceiptWindow::ClickedAt(int rollRow) {
    const int row = view_.RowAt(rollRow);
    if (row < 0) return;
    ShowRow(row);
    Q_EMIT RowClicked(row);
}
