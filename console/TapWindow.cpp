#include "console/TapWindow.h"
#include "console/ReceiptRollView.h"
#include "widgets/ShownNumbers.h"

#include "console/FileAccess.h"
#include "console/TapReceipts.h"
#include "console/TapSaving.h"
#include "emulator/PrinterState.h"
#include "eventlog/EventLog.h"
#include "serial/PortMap.h"
#include "tap/RowText.h"
#include "tap/Session.h"
#include "widgets/Prompts.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <thread>

namespace {

constexpr int REFRESH_MS = 50;
// How often the window looks whether work on another thread is done.
constexpr int WORK_POLL_MS = 20;
constexpr int ROWS_STRETCH = 1;
constexpr int RECEIPT_STRETCH = 0;
// Beside the receipt's picture: the scroll bar and the frame.
constexpr int RECEIPT_PANE_EXTRA = 30;
constexpr int HEX_COLUMN_WIDTH = 160;
constexpr int ROW_PADDING = 6;
constexpr int COLUMN_PADDING = 16;
const QKeySequence SHORTCUT(Qt::CTRL | Qt::Key_T);
constexpr const char* DEFAULT_TERMINAL = "/tmp/ttyPOS";
constexpr const char* CAPTURE_NAME = "capture.txt";
const QString TEXT_SUFFIX = QStringLiteral("txt");
const QString PICTURE_SUFFIX = QStringLiteral("png");
constexpr const char* PTY_PREFIX = "pty:";
constexpr const char* LISTEN_PREFIX = "tcp-listen:";
constexpr const char* PASSIVE_PREFIX = "passive:";

QString DefaultListenAddress() {
    return QStringLiteral("%1:%2").arg(QString::fromLatin1(tap::DEFAULT_LISTEN_HOST)).arg(tap::DEFAULT_LISTEN_PORT);
}

// The name as the operator gave it, with `suffix` added unless it has one of its own or
// names a device or FIFO (those keep their name).
QString WithSuffix(const QString& path, const QString& suffix) {
    if (!QFileInfo(path).suffix().isEmpty() || files::IsSpecialNode(QFile::encodeName(path).toStdString()))
        return path;
    return path + QLatin1Char('.') + suffix;
}

std::string Local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

void TapWindow::Attach(QDialog* owner, PortMap& ports, std::function<int()> paperWidth,
                       std::function<QString()> consolePort) {
    auto* window = new TapWindow(ports, std::move(paperWidth), owner);
    window->consolePort_ = std::move(consolePort);
    auto* action = new QAction(window->tr("Tap..."), owner);
    action->setObjectName(QStringLiteral("tapAction"));
    action->setShortcut(SHORTCUT);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, window, [window] {
        window->show();
        window->raise();
        window->activateWindow();
    });
    owner->addAction(action);
}

TapWindow* TapWindow::Of(QWidget* owner) {
    return owner->findChild<TapWindow*>(QString::fromLatin1(OBJECT_NAME), Qt::FindDirectChildrenOnly);
}

TapWindow::TapWindow(PortMap& ports, std::function<int()> paperWidth, QWidget* owner)
    : QWidget(owner, Qt::Window), ports_(ports), paperWidth_(std::move(paperWidth)) {
    setObjectName(QString::fromLatin1(OBJECT_NAME));
    setWindowTitle(tr("Tap"));
    setAccessibleName(tr("Tap"));
    resize(DEFAULT_WIDTH, DEFAULT_HEIGHT);
    BuildControls();
    timer_ = new QTimer(this);
    timer_->setInterval(REFRESH_MS);
    connect(timer_, &QTimer::timeout, this, &TapWindow::Refresh);
    ShowState();
}

TapWindow::~TapWindow() {
    // No events are handled while the window goes: the session ends here and now.
    if (session_) session_->Stop();
}

void TapWindow::BuildControls() {
    auto named = [this](QWidget* w, int id, const QString& accessible) {
        w->setObjectName(QStringLiteral("ctl%1").arg(id));
        w->setAccessibleName(accessible);
        return w;
    };
    kind_ = new QComboBox(this);
    kind_->addItems({tr("Pseudo-terminal"), tr("TCP listener"), tr("Passive tap (two lines)")});
    named(kind_, IDC_PROGRAM_KIND, tr("Program side"));
    address_ = new QLineEdit(QString::fromLatin1(DEFAULT_TERMINAL), this);
    named(address_, IDC_PROGRAM_ADDRESS, tr("Program's port"));
    programLine_ = new QComboBox(this);
    programLine_->setEditable(true);
    named(programLine_, IDC_PROGRAM_LINE, tr("Program's line"));
    printer_ = new QComboBox(this);
    printer_->setEditable(true);
    printer_->setMinimumContentsLength(24);
    named(printer_, IDC_PRINTER, tr("Printer"));
    start_ = new QPushButton(tr("Start"), this);
    named(start_, IDC_START, tr("Start"));
    stop_ = new QPushButton(tr("Stop"), this);
    named(stop_, IDC_STOP, tr("Stop"));
    state_ = new QLabel(this);
    state_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    named(state_, IDC_STATE, tr("State"));

    rows_ = new TapRowsModel(this);
    table_ = new QTableView(this);
    table_->setModel(rows_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + ROW_PADDING);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(TapRowsModel::TEXT, QHeaderView::Stretch);
    header->setStretchLastSection(false);
    // Wide enough for what the columns hold; the command's text takes the rest.
    const QFontMetrics metrics = table_->fontMetrics();
    const auto fits = [&](const QString& sample) { return metrics.horizontalAdvance(sample) + COLUMN_PADDING; };
    table_->setColumnWidth(TapRowsModel::TIME, fits(QStringLiteral("00:00:00.000")));
    table_->setColumnWidth(TapRowsModel::GAP, fits(QStringLiteral("+00000.000 ms")));
    table_->setColumnWidth(TapRowsModel::DIRECTION, fits(rows_->DirectionText(tap::Direction::ToProgram)));
    table_->setColumnWidth(TapRowsModel::HEX, HEX_COLUMN_WIDTH);
    table_->setColumnWidth(TapRowsModel::ALERTS, fits(rows_->AlertText(tap::AlertBit(tap::Alert::SentWhileHeld))));
    named(table_, IDC_ROWS, tr("Conversation"));
    receiptScroll_ = new QScrollArea(this);
    receiptScroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    receiptView_ = new ReceiptRollView(receiptScroll_);
    receiptScroll_->setWidget(receiptView_);
    named(receiptScroll_, IDC_RECEIPT, tr("Expected receipt"));
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    named(summary_, IDC_SUMMARY, tr("Summary"));
    saveCapture_ = new QPushButton(tr("Save capture..."), this);
    named(saveCapture_, IDC_SAVE_CAPTURE, tr("Save capture"));
    saveRecords_ = new QPushButton(tr("Save records..."), this);
    named(saveRecords_, IDC_SAVE_RECORDS, tr("Save records"));
    saveReceipts_ = new QPushButton(tr("Save receipts..."), this);
    named(saveReceipts_, IDC_SAVE_RECEIPTS, tr("Save receipts"));

    auto* ends = new QGridLayout;
    auto* programCaption = new QLabel(tr("Program side:"), this);
    programCaption->setBuddy(kind_);
    ends->addWidget(programCaption, 0, 0);
    ends->addWidget(kind_, 0, 1);
    ends->addWidget(address_, 0, 2);
    ends->addWidget(programLine_, 0, 2);
    printerCaption_ = new QLabel(this);
    printerCaption_->setBuddy(printer_);
    ends->addWidget(printerCaption_, 1, 0);
    ends->addWidget(printer_, 1, 1, 1, 2);
    ends->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(state_, 1);
    auto* split = new QSplitter(this);
    split->addWidget(table_);
    split->addWidget(receiptScroll_);
    split->setStretchFactor(0, ROWS_STRETCH);
    split->setStretchFactor(1, RECEIPT_STRETCH);
    // The receipt's side fits the paper's picture; the rows take the rest.
    const int paper = paperWidth_();
    const int pane = paper + 2 * vprinter::PaperMargin(paper) + RECEIPT_PANE_EXTRA;
    split->setSizes({DEFAULT_WIDTH - pane, pane});
    auto* saves = new QHBoxLayout;
    saves->addWidget(summary_, 1);
    saves->addWidget(saveCapture_);
    saves->addWidget(saveRecords_);
    saves->addWidget(saveReceipts_);
    auto* box = new QVBoxLayout(this);
    box->addLayout(ends);
    box->addLayout(buttons);
    box->addWidget(split, 1);
    box->addLayout(saves);

    connect(kind_, &QComboBox::currentIndexChanged, this, &TapWindow::KindChanged);
    connect(start_, &QPushButton::clicked, this, &TapWindow::Start);
    connect(stop_, &QPushButton::clicked, this, &TapWindow::Stop);
    connect(saveCapture_, &QPushButton::clicked, this, &TapWindow::SaveCapture);
    connect(saveRecords_, &QPushButton::clicked, this, &TapWindow::SaveRecords);
    connect(saveReceipts_, &QPushButton::clicked, this, &TapWindow::SaveReceipts);
    KindChanged();
}

void TapWindow::KindChanged() {
    const int kind = kind_->currentIndex();
    // The other kind's default gives way to this one's; a path the operator typed stays.
    const QString terminal = QString::fromLatin1(DEFAULT_TERMINAL);
    if (kind == TERMINAL && address_->text() == DefaultListenAddress()) address_->setText(terminal);
    if (kind == LISTENER && address_->text() == terminal) address_->setText(DefaultListenAddress());
    address_->setVisible(kind != PASSIVE);
    programLine_->setVisible(kind == PASSIVE);
    printerCaption_->setText(kind == PASSIVE ? tr("Printer's line:") : tr("Printer:"));
    address_->setToolTip(kind == LISTENER ? tr("The address programs connect to, ADDRESS:PORT")
                                          : tr("The path the program opens as its printer's port"));
}

void TapWindow::FillPortLists() {
    const std::vector<PortEntry> entries = ports_.Entries();
    for (QComboBox* list : {printer_, programLine_}) {
        const QString typed = list->currentText();
        list->clear();
        for (const PortEntry& entry : entries)
            if (entry.present) list->addItem(QString::fromStdString(entry.display), QString::fromStdString(entry.path));
        // What the operator chose or typed stays chosen; at first the printer is the
        // port the main window has chosen (the one given with --port, as a rule).
        const int same = list->findText(typed);
        const int console = list == printer_ && typed.isEmpty() && consolePort_
                                ? list->findData(consolePort_())
                                : -1;
        if (same >= 0) list->setCurrentIndex(same);
        else if (!typed.isEmpty()) list->setEditText(typed);
        else if (console >= 0) list->setCurrentIndex(console);
    }
}

void TapWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!Running()) FillPortLists();
    timer_->start();
}

void TapWindow::closeEvent(QCloseEvent* event) {
    Stop();
    timer_->stop();
    QWidget::closeEvent(event);
}

std::optional<std::string> TapWindow::PortPath(QComboBox* list, QString& error) const {
    const QString text = list->currentText().trimmed();
    const int item = list->findText(text);
    if (item >= 0) return list->itemData(item).toString().toStdString();
    if (text.contains(QLatin1Char('/'))) return Local(text);
    // The port's name as the lists show it: COM3, USB1, NET1.
    for (const PortEntry& entry : ports_.Entries()) {
        const QString label = QString::fromStdString(entry.display).section(QLatin1Char(' '), 0, 0);
        if (!label.isEmpty() && label.compare(text, Qt::CaseInsensitive) == 0) return entry.path;
    }
    error = text.isEmpty() ? tr("No printer port is chosen.")
                           : tr("\"%1\" is not a port of the list, a device path or tcp://HOST:PORT.").arg(text);
    return std::nullopt;
}

std::optional<std::string> TapWindow::ProgramSideText(QString& error) const {
    switch (kind_->currentIndex()) {
    case TERMINAL: return PTY_PREFIX + Local(address_->text().trimmed());
    case LISTENER: return LISTEN_PREFIX + address_->text().trimmed().toStdString();
    default: break;
    }
    const auto line = PortPath(programLine_, error);
    if (!line) return std::nullopt;
    const auto printerLine = PortPath(printer_, error);
    if (!printerLine) return std::nullopt;
    return PASSIVE_PREFIX + *line + "," + *printerLine;
}

void TapWindow::Refuse(const QString& text) {
    eventlog::Note(eventlog::Kind::Refused, "Tap refused: " + text.toStdString());
    Prompts::MessageBox(this, tr("Tap"), tr("The tap cannot start:\n%1").arg(text), Prompts::OkOnly,
                        Prompts::Critical);
}

bool TapWindow::StartWith(const QString& program, const QString& printer) {
    show();
    raise();
    tap::ProgramSide side;
    std::string error;
    if (!tap::ParseProgramSide(program.toStdString(), side, error)) {
        Refuse(QString::fromStdString(error));
        return false;
    }
    switch (side.kind) {
    case tap::ProgramSide::Kind::Terminal:
        kind_->setCurrentIndex(TERMINAL);
        address_->setText(QString::fromStdString(side.path));
        printer_->setEditText(printer);
        break;
    case tap::ProgramSide::Kind::Listener:
        kind_->setCurrentIndex(LISTENER);
        address_->setText(QStringLiteral("%1:%2").arg(QString::fromStdString(side.path)).arg(side.port));
        printer_->setEditText(printer);
        break;
    case tap::ProgramSide::Kind::Passive:
        kind_->setCurrentIndex(PASSIVE);
        programLine_->setEditText(QString::fromStdString(side.path));
        printer_->setEditText(QString::fromStdString(side.other));
        break;
    }
    return Start();
}

bool TapWindow::Start() {
    if (Running()) return true;
    if (Busy()) return false;
    QString problem;
    const auto programText = ProgramSideText(problem);
    std::optional<std::string> printer = std::string();
    if (programText && kind_->currentIndex() != PASSIVE) printer = PortPath(printer_, problem);
    tap::ProgramSide side;
    std::string error;
    if (!programText || !printer) {
        Refuse(problem);
        return false;
    }
    if (!tap::ParseProgramSide(*programText, side, error)) {
        Refuse(QString::fromStdString(error));
        return false;
    }
    // The new session's ends open first: a start that fails leaves the last session's
    // rows, receipts and capture as they were.
    auto roll = std::make_unique<ExpectedReceiptRoll>(paperWidth_());
    TapRowInbox* inbox = &inbox_;
    ExpectedReceiptRoll* feed = roll.get();
    TapEventNotes* notes = &eventNotes_;
    notes->Start();
    // Called on the session's threads: the rows wait in the inbox for the timer, and the
    // program's bytes go to the roll's own thread.
    auto sink = [inbox, feed, notes](const tap::Row& row) {
        if (row.direction == tap::Direction::ToPrinter) feed->Feed(row.bytes.data(), row.bytes.size());
        notes->Row(row);
        inbox->Add(row);
    };
    std::unique_ptr<tap::Session> session;
    phase_ = Phase::Connecting;
    cancelled_ = false;
    ShowState();
    OffTheUiThread([&] { session = tap::Session::Open(side, *printer, sink, error); });
    phase_ = Phase::Settled;
    if (cancelled_) {
        // Let go off the UI thread too: closing a port may wait for its device.
        OffTheUiThread([&] { session.reset(); });
        ShowState();
        return false;
    }
    if (!session) {
        ShowState();
        Refuse(QString::fromStdString(error));
        return false;
    }
    roll_ = std::move(roll);
    receipts_ = {};
    receiptsVersion_ = 0;
    receiptView_->Take(receipts_);
    uint64_t missed = 0;
    inbox_.Take(&missed);
    rows_->Clear();
    undecoded_ = 0;
    finalSummary_.clear();
    notDelivered_ = 0;
    capturePath_.clear();
    captureFolder_ = std::make_unique<QTemporaryDir>();
    if (captureFolder_->isValid()) {
        const std::string path = Local(captureFolder_->filePath(QString::fromLatin1(CAPTURE_NAME)));
        if (session->CaptureTo(path, error)) capturePath_ = path;
    }
    description_ = QString::fromStdString(session->Description());
    programAddress_ = QString::fromStdString(session->ProgramAddress());
    session_ = std::move(session);
    session_->Start();
    eventlog::Note(eventlog::Kind::Port, "Tap started: " + description_.toStdString());
    timer_->start();
    ShowState();
    return true;
}

void TapWindow::OffTheUiThread(const std::function<void()>& work) {
    std::atomic<bool> done{false};
    std::thread worker([&] {
        work();
        done.store(true);
    });
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done.load()) loop.quit();
    });
    poll.start(WORK_POLL_MS);
    if (!done.load()) loop.exec();
    worker.join();
}

void TapWindow::Stop() {
    if (phase_ == Phase::Connecting) {
        cancelled_ = true;
        return;
    }
    if (!session_ || phase_ == Phase::Stopping) return;
    phase_ = Phase::Stopping;
    ShowState();
    // Every row the session makes up to its end reaches the window before the ports go.
    OffTheUiThread([this] { session_->Stop(); });
    const tap::Totals totals = session_->Summary();
    const size_t peak = session_->PeakQueued();
    undecoded_ = session_->Undecoded();
    std::unique_ptr<tap::Session> ending = std::move(session_);
    OffTheUiThread([&ending] { ending.reset(); });
    phase_ = Phase::Settled;
    finalSummary_ = QString::fromStdString(tap::SummaryLine(totals, peak));
    notDelivered_ = totals.notDeliveredToPrinter;
    eventlog::Note(eventlog::Kind::Port,
                   "Tap stopped: " + description_.toStdString() + "; " + tap::SummaryLine(totals, peak));
    Refresh();
    ShowState();
}

void TapWindow::ShowState() {
    const bool running = Running() || Busy();
    kind_->setEnabled(!running);
    address_->setEnabled(!running);
    programLine_->setEnabled(!running);
    printer_->setEnabled(!running);
    start_->setEnabled(!running);
    stop_->setEnabled(running && phase_ != Phase::Stopping);
    if (phase_ != Phase::Settled) {
        saveCapture_->setEnabled(false);
        saveRecords_->setEnabled(false);
        saveReceipts_->setEnabled(false);
        state_->setText(phase_ == Phase::Connecting ? tr("Opening the ports...")
                                                    : tr("Stopping; what waits for the printer still goes to it..."));
        return;
    }
    const bool ended = !running && !description_.isEmpty();
    saveCapture_->setEnabled(ended && !capturePath_.empty());
    saveRecords_->setEnabled(ended && !capturePath_.empty());
    saveReceipts_->setEnabled(ended && roll_ != nullptr);
    if (running) {
        const bool listener = kind_->currentIndex() == LISTENER;
        state_->setText(listener ? tr("Running; programs connect to %1").arg(programAddress_)
                                 : tr("Running; %1").arg(description_));
    } else {
        state_->setText(!ended ? tr("Not started")
                        : notDelivered_ > 0
                            ? tr("Stopped; the ports are released; %1 bytes were not delivered to the printer")
                                  .arg(shown::Numbers().toString(static_cast<qulonglong>(notDelivered_)))
                            : tr("Stopped; the ports are released"));
    }
    UpdateSummary();
}

void TapWindow::UpdateSummary() {
    QString text = finalSummary_;
    if (session_) text = QString::fromStdString(tap::SummaryLine(session_->Summary(), session_->PeakQueued()));
    if (text.isEmpty()) return summary_->clear();
    const uint64_t undecoded = session_ ? session_->Undecoded() : undecoded_;
    if (undecoded > 0) text += tr("; %1 bytes passed undecoded").arg(shown::Numbers().toString(static_cast<qulonglong>(undecoded)));
    if (rows_->Dropped() > 0)
        text += tr("; %1 rows dropped from the window (it keeps the last %2)")
                    .arg(shown::Numbers().toString(static_cast<qulonglong>(rows_->Dropped())),
                         shown::Numbers().toString(static_cast<qulonglong>(TapRowsModel::MAX_ROWS)));
    // The receipts beside the rows are bounded too (the saved pictures are those kept).
    if (receipts_.droppedReceipts > 0)
        text += tr("; %n older receipt(s) let go from the window", "", receipts_.droppedReceipts);
    summary_->setText(text);
}

QString TapWindow::SummaryText() const {
    return summary_->text();
}

QString TapWindow::StateText() const {
    return state_->text();
}

void TapWindow::Refresh() {
    uint64_t missed = 0;
    std::vector<ShownRow> rows = inbox_.Take(&missed);
    if (!rows.empty() || missed > 0) {
        QScrollBar* bar = table_->verticalScrollBar();
        const bool following = bar->value() >= bar->maximum();
        rows_->Append(std::move(rows), missed);
        if (following) table_->scrollToBottom();
    }
    if (roll_ && roll_->CopyIfChanged(&receipts_, &receiptsVersion_)) {
        QScrollBar* bar = receiptScroll_->verticalScrollBar();
        const bool following = bar->value() >= bar->maximum();
        receiptView_->Take(receipts_);
        if (following) bar->setValue(bar->maximum());
    }
    UpdateSummary();
}

void TapWindow::SaveCapture() {
    if (capturePath_.empty()) return;
    QString path = Prompts::SaveFile(this, tr("Save capture"), tr("Capture files(*.txt)|*.txt|All files(*)|*||"),
                                     QStringLiteral("tap-capture"));
    if (path.isEmpty()) return;
    path = WithSuffix(path, TEXT_SUFFIX);
    files::Failure failure;
    if (!tapsave::SaveCapture(capturePath_, Local(path), failure)) {
        Prompts::MessageBox(this, tr("Tap"), tr("The capture was not saved:\n%1").arg(QString::fromStdString(failure.text)),
                            Prompts::OkOnly, Prompts::Warning);
        return;
    }
    eventlog::Note(eventlog::Kind::File, "Tap capture saved: " + path.toStdString());
    state_->setText(tr("Capture saved to %1").arg(path));
}

void TapWindow::SaveRecords() {
    if (capturePath_.empty()) return;
    QString path = Prompts::SaveFile(this, tr("Save records"), tr("TXT files(*.txt)|*.txt||"),
                                     QStringLiteral("tap-records"));
    if (path.isEmpty()) return;
    path = WithSuffix(path, TEXT_SUFFIX);
    files::Failure failure;
    size_t count = 0;
    if (!tapsave::SaveProgramRecords(capturePath_, Local(path), count, failure)) {
        Prompts::MessageBox(this, tr("Tap"), tr("The records were not saved:\n%1").arg(QString::fromStdString(failure.text)),
                            Prompts::OkOnly, Prompts::Warning);
        return;
    }
    eventlog::Note(eventlog::Kind::File, "Tap records saved: " + path.toStdString());
    state_->setText(tr("%n record(s) of the program's side saved to %1", nullptr, static_cast<int>(count)).arg(path));
}

void TapWindow::SaveReceipts() {
    if (!roll_) return;
    // Everything the program sent is on the roll before it is saved.
    roll_->WaitUntilRendered(std::chrono::seconds(10));
    roll_->CopyIfChanged(&receipts_, &receiptsVersion_);
    receiptView_->Take(receipts_);
    if (receipts_.receipts.empty()) {
        Prompts::MessageBox(this, tr("Tap"), tr("The program printed no receipt."), Prompts::OkOnly,
                            Prompts::Information);
        return;
    }
    QString path = Prompts::SaveFile(this, tr("Save receipts"), tr("PNG pictures(*.png)|*.png||"),
                                     QStringLiteral("tap-receipts"));
    if (path.isEmpty()) return;
    path = WithSuffix(path, PICTURE_SUFFIX);
    const QStringList names = ReceiptFileNames(path, static_cast<int>(receipts_.receipts.size()));
    files::Failure failure;
    if (!SaveReceiptPictures(receipts_, names, failure)) {
        Prompts::MessageBox(this, tr("Tap"), tr("The receipts were not saved:\n%1").arg(QString::fromStdString(failure.text)),
                            Prompts::OkOnly, Prompts::Warning);
        return;
    }
    eventlog::Note(eventlog::Kind::File, "Tap receipts saved: " + names.join(QStringLiteral(", ")).toStdString());
    state_->setText(names.size() == 1 ? tr("Receipt saved to %1").arg(names.front())
                                      : tr("%1 receipts saved: %2 ... %3").arg(names.size()).arg(names.front(), names.back()));
}
